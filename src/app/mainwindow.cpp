#include "app/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QApplication>
#include <QLocale>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#endif
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTimer>
#include <chrono>

#include "app/aboutbox.h"
#include "app/accelerators.h"
#include "app/helpwindow.h"
#include "app/icons.h"
#include "app/placement.h"
#include "app/printing.h"
#include "ui/accessibleroles.h"
#include "ui/announcer.h"
#include "ui/browser.h"
#include "ui/statusline.h"
#include "ui/uicommon.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "config/setdatadialog.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"
#include "table/runpool.h"

namespace vestor {

QSettings storedChoices()
{
    return QSettings(QStringLiteral("Vestor"), QStringLiteral("Vestor"));
}

namespace {

// The status line under the pages, in pixels: the window is this much taller than the panel of pages.
constexpr int kStatusLineHeight = 22;

const QString kColourBlindKey = QStringLiteral("colourBlindSafe");

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

MainWindow::MainWindow(std::optional<std::uint64_t> seed)
    : m_rng(seed.value_or(clockSeed())),
      // 53 random bits scaled into [0, 1): never 1, whatever the rounding.
      m_sim([this] { return static_cast<double>(m_rng() >> 11) * 0x1.0p-53; })
{
    setObjectName(QStringLiteral("MainWindow"));
    // The program's name, the same in every language.
    setWindowTitle(QStringLiteral("Tovrin"));
    setWindowIcon(programWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The program keeps its own colours on any desktop scheme; the window behind the panel is white.
    const QPalette own = programPalette();
    QPalette white = own;
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    QToolTip::setPalette(own);
    setFont(pixelFont(13, false, QStringLiteral("Sans Serif")));

    installAccessibleRoles();
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("decaypl"));
    setBackground(panel, kPanelColor);
    panel->setFont(pixelFont(13, true));
    panel->setFixedSize(800, 560 + kStatusLineHeight);
    setCentralWidget(panel);

    m_nb = new QTabWidget(panel);
    m_nb->setObjectName(QStringLiteral("showNB"));
    m_nb->setGeometry(3, 11, 793, 545);
    m_nb->tabBar()->setFont(pixelFont(11, false, QStringLiteral("Sans Serif")));
    m_nb->setUsesScrollButtons(false);

    // The pages are built straight into the notebook's page stack: a page built on its own and
    // moved in afterwards has every one of its widgets re-resolve its font and palette.
    auto* stack = m_nb->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    m_config = new ConfigPage(stack);
    m_chamber = new ChamberPage(m_sim, stack);
    m_editor = new GraphEditorPage(m_sim, stack);
    m_table = new DataTablePage(m_sim, [this] { return dataPoints(); }, stack);
    m_graph = new GraphPage(m_sim, [this] { return dataPoints(); }, stack);
    m_config->setObjectName(QStringLiteral("configurationPage"));
    m_chamber->setObjectName(QStringLiteral("chamberPage"));
    m_table->setObjectName(QStringLiteral("tablePage"));
    m_graph->setObjectName(QStringLiteral("graphPage"));
    m_editor->setObjectName(QStringLiteral("editorPage"));
    m_nb->addTab(m_config, tr("&Configuration"));
    m_nb->addTab(m_chamber, tr("&Decay Chamber"));
    m_nb->addTab(m_table, tr("Collected Data &Table"));
    m_nb->addTab(m_graph, tr("&Graph"));
    m_nb->addTab(m_editor, tr("Edit G&raph Data"));
    for (int i = 0; i < m_nb->count(); ++i)
        m_nb->widget(i)->setAutoFillBackground(true);

    auto* back = new QPushButton(panel);
    back->setObjectName(QStringLiteral("BitBtn1"));
    back->setGeometry(727, 479, 57, 57);
    back->setIcon(QIcon(backArrow(48)));
    back->setIconSize(QSize(44, 44));
    back->setToolTip(tr("Close the program"));
    back->setAccessibleName(tr("Close the program"));
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    // Under the pages, which keep their places: what the program says, for the eye as well.
    auto* status = new StatusLine(Announcer::of(this), panel);
    status->move(8, 560);
    // Of a fixed size, a new sentence does not ask the window to lay itself out again.
    status->setFixedSize(784, kStatusLineHeight - 2);
    status->setFont(pixelFont(12, false));

    buildMenus();
    // Pop-up menus are windows of their own, which take no colours from this one.
    for (QMenu* menu : findChildren<QMenu*>())
        menu->setPalette(own);
    // A screen reader hears the first item of a menu that opens, but not which menu it is in.
    for (QAction* opener : menuBar()->actions())
        if (QMenu* menu = opener->menu())
            connect(menu, &QMenu::aboutToShow, this, [this, opener] {
                //: What a screen reader says as a menu of the menu bar opens; %1 is the menu's name
                Announcer::of(this)->say(tr("%1 menu").arg(opener->iconText()), Announcer::Audience::EarOnly);
            });
    setNotifier(m_notifier);

    connect(m_config, &ConfigPage::changed, this, [this] { m_configChanged = true; });
    connect(m_config, &ConfigPage::seriesSelected, this, [this](int length) {
        m_graph->setSeriesLength(length);
        m_table->setSeriesLength(length);
    });
    connect(m_config, &ConfigPage::baseChosen, this, [this](bool baseE) { e1Click(baseE ? m_e1 : m_n051); });
    connect(m_config, &ConfigPage::showEquationClicked, m_graph, &GraphPage::showecbClick);
    connect(m_chamber, &ChamberPage::resetRequested, this, &MainWindow::restartClick);
    connect(m_chamber, &ChamberPage::dataPointsSet, this, [this](int n) {
        // A value typed while Automate runs belongs before the step, which may record over it.
        m_editor->commitPendingEdits();
        m_editor->np()->setValue(n);
    });
    connect(m_chamber, &ChamberPage::stepRecorded, this, [this] {
        // The editor always shows what is recorded, so leaving a field never writes an old value.
        showdatabt();
        graphhalf();
    });
    connect(m_editor, &GraphEditorPage::replot, this, &MainWindow::plotggraph);
    connect(m_editor, &GraphEditorPage::rebuildListing, this, &MainWindow::memobt);
    connect(m_table, &DataTablePage::saved, this, &MainWindow::keepCounts);
    connect(m_graph, &GraphPage::printRequested, this, &MainWindow::printGraph);
    // Connected once the pages are in: adding the first tab announces a change too.
    connect(m_nb, &QTabWidget::currentChanged, this, &MainWindow::showNBChange);

    // Creation ends with the die settings applied once, which marks the configuration changed.
    m_configChanged = false;
    Changed();

    setFixedSize(800, menuBar()->sizeHint().height() + 560 + kStatusLineHeight);

    m_setData = new TGetDataFR(this);
    connect(m_setData, &TGetDataFR::resetRequested, this, &MainWindow::restartClick);
    m_about = new AboutBox(this);
    m_whoami = new TWhoami(this);
    watchLessonChanges();

    m_accelerators = std::make_unique<AcceleratorRouter>(this, m_nb);
}

MainWindow::~MainWindow()
{
    // Closing the window moves the focus, and a list or field that loses it runs its handler.
    // None of that may reach this window once its destruction has begun.
    for (QObject* part : std::initializer_list<QObject*>{m_nb, m_config, m_chamber, m_table, m_graph, m_editor,
                                                         m_setData})
        part->disconnect(this);
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    m_copy2 = edit->addAction(tr("&Copy Graph"), this, &MainWindow::Copy2Click);
    m_copy2->setObjectName(QStringLiteral("Copy2"));
    m_copy2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_print2 = edit->addAction(tr("&Print Graph"), this, &MainWindow::Print2Click);
    m_print2->setObjectName(QStringLiteral("Print2"));
    m_print2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    //: Menu item: save the graph as a PNG, SVG or PDF file
    m_saveGraph = edit->addAction(tr("Save Graph &As…"), this, &MainWindow::SaveGraphAs1Click);
    m_saveGraph->setObjectName(QStringLiteral("SaveGraphAs1"));
    QAction* setup = edit->addAction(tr("P&rint Setup"), this, &MainWindow::PrintSetup1Click);
    setup->setObjectName(QStringLiteral("PrintSetup1"));
    edit->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* user = edit->addAction(tr("&User Name"), this, &MainWindow::Username1Click);
    user->setObjectName(QStringLiteral("Username1"));
    for (QAction* a : {m_copy2, m_print2, m_saveGraph})
        a->setEnabled(false);

    buildViewMenu();

    // Extras a teacher may switch on; everything else stays as it was while they are off.
    QMenu* tools = menuBar()->addMenu(tr("E&xtras"));
    tools->setObjectName(QStringLiteral("Extras1"));
    m_halfLives = tools->addAction(tr("Implied &Half-lives"));
    m_halfLives->setObjectName(QStringLiteral("HalfLives1"));
    m_halfLives->setCheckable(true);
    connect(m_halfLives, &QAction::toggled, m_config, &ConfigPage::setImpliedHalfLivesShown);
    QAction* pool = tools->addAction(tr("&Pool Saved Runs…"));
    pool->setObjectName(QStringLiteral("PoolRuns1"));
    connect(pool, &QAction::triggered, this, [this] {
        // The pool replaces the graph data: counts not yet saved are asked about first.
        if (!lessonMayClose())
            return;
        // Changed settings start their run before the pool takes the data, never over it.
        SavedRunPooler::choose(this, *m_editor, *m_notifier, [this] { applyPendingSettings(); });
    });
    QAction* safe = tools->addAction(tr("&Colour-blind Safe Colours"));
    safe->setObjectName(QStringLiteral("ColourBlind1"));
    safe->setCheckable(true);
    connect(safe, &QAction::toggled, this, &MainWindow::setColourBlindSafe);
    safe->setChecked(storedChoices().value(kColourBlindKey).toBool());
    tools->addSeparator();
    m_lock = tools->addAction(tr("&Lock Settings"));
    m_lock->setObjectName(QStringLiteral("LockSettings1"));
    m_lock->setCheckable(true);
    m_lock->setStatusTip(tr("Makes the Configuration page read-only until it is unlocked here"));
    connect(m_lock, &QAction::toggled, this, &MainWindow::LockSettings1Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    connect(help, &QMenu::aboutToShow, this, &MainWindow::Help1Click);
    QAction* contents = help->addAction(tr("&Contents"), this, &MainWindow::Contents1Click);
    contents->setObjectName(QStringLiteral("Contents1"));
    contents->setShortcut(QKeySequence::HelpContents);
    QAction* about = help->addAction(tr("&About"), this, &MainWindow::About1Click);
    about->setObjectName(QStringLiteral("About1"));

    // The equation base lives in a menu that is never shown; the page's radio buttons click it.
    // It and "&Back" stay out of the menu bar: there even a hidden menu claims its letter, and
    // Alt+D would then reach the Decay Chamber tab only every other time.
    auto* display = new QMenu(tr("&Display"), this);
    display->setObjectName(QStringLiteral("Display1"));
    QMenu* base = display->addMenu(tr("Base"));
    base->setObjectName(QStringLiteral("Base1"));
    m_e1 = base->addAction(QStringLiteral("e"));
    m_e1->setObjectName(QStringLiteral("e1"));
    m_n051 = base->addAction(QLocale().toString(0.5));
    m_n051->setObjectName(QStringLiteral("N051"));
    for (QAction* a : {m_e1, m_n051}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { e1Click(a); });
    }
    m_e1->setChecked(true);
    display->menuAction()->setVisible(false);

    auto* back = new QAction(tr("&Back"), this);
    back->setObjectName(QStringLiteral("return1"));
    back->setVisible(false);
    connect(back, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::setNotifier(Notifier* notifier)
{
    m_notifier = notifier ? notifier : &m_messageBoxes;
    m_table->setNotifier(m_notifier);
    m_editor->setNotifier(m_notifier);
    m_config->setNotifier(m_notifier);
    m_graph->setNotifier(m_notifier);
}

QPrinter& MainWindow::printer()
{
    if (!m_printer) {
        // At the printer's own resolution: the print layout is in its device pixels.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // A page in a browser reaches no printer: Print makes a PDF, which the browser prints.
        if (browser::kInBrowser) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(browser::printFile(QStringLiteral("vestor-graph")));
        }
    }
    return *m_printer;
}

int MainWindow::dataPoints() const
{
    return m_editor->dataPoints();
}

void MainWindow::restartClick()
{
    if (mayReplacePooled())
        startRun();
}

bool MainWindow::mayReplacePooled()
{
    // Pooled counts are the class's data, which nothing but this question lets a run replace.
    return !m_sim.pooled
           || m_notifier->question(this, tr("The graph data are the pooled runs. A new run replaces them.\n\n"
                                            "Start a new run?"));
}

void MainWindow::applyPendingSettings()
{
    if (!m_configChanged)
        return;
    m_configChanged = false;
    startRun();
}

void MainWindow::startRun()
{
    m_editor->commitPendingEdits();
    Settings settings = m_config->settings();
    settings.legend = m_chamber->legendColors();
    m_chamber->reset(settings);
    m_graph->placeAnchor();
    showdatabt();
    plotggraph();
    // A run with nothing recorded yet has nothing to lose.
    keepCounts();
}

void MainWindow::plotggraph()
{
    m_graph->plotggraph();
}

void MainWindow::graphhalf()
{
    m_graph->graphhalf();
}

void MainWindow::draxis()
{
    m_graph->draxis();
}

void MainWindow::memobt()
{
    m_table->memobt();
}

void MainWindow::showdatabt()
{
    m_editor->showdatabt();
}

void MainWindow::Changed()
{
    m_config->ChangedClick();
}

void MainWindow::showNBChange(int index)
{
    m_currentPage = index;
    for (QAction* a : {m_copy2, m_print2, m_saveGraph})
        a->setEnabled(index == 3);
    if (m_configChanged)
        restartClick();
    if (index == 2)
        memobt();
    m_configChanged = false;
    // Said once the page has handed the focus to its first control, whose name would cut it short.
    QTimer::singleShot(0, this, [this, index] {
        if (m_nb->currentIndex() == index) {
            //: What a screen reader says when a page opens; %1 is the page's name
            const QString opened = tr("%1 page").arg(m_nb->tabText(index).remove(QLatin1Char('&')));
            const QString note = index == 0 ? m_config->spokenNote() : QString();
            announce(this, note.isEmpty() ? opened : opened + QLatin1String(". ") + note);
        }
    });
}

void MainWindow::Copy2Click()
{
    if (m_currentPage == 3)
        m_graph->copyhalfClick();
}

void MainWindow::Print2Click()
{
    if (m_currentPage == 3)
        m_graph->Print1Click();
}

void MainWindow::printGraph()
{
    // The labelled picture Copy makes, drawn again on the page at the printer's resolution.
    const QString error = PrintPicture(printer(), QSize(kGraphWidth, kGraphHeight), kGraphWidth,
                                       m_whoami->userName(), [this](QPainter& p) { m_graph->paintPicture(p); });
    if (!error.isEmpty())
        m_notifier->error(this, error);
    else if (browser::kInBrowser)
        announceSaved(this, printer().outputFileName());
    else if (!printer().outputFileName().isEmpty())
        //: Said and shown after printing into a file; %1 is the file
        announce(this, tr("The graph was printed into %1.")
                           .arg(fileAsShown(printer().outputFileName())));
    else
        //: Said and shown after printing; %1 is the printer's name
        announce(this, tr("The graph went to the printer %1.").arg(printer().printerName()));
}

void MainWindow::SaveGraphAs1Click()
{
    if (m_currentPage != 3)
        return;
    QFileDialog dialog(this, tr("Save Graph As"));
    dialog.setObjectName(QStringLiteral("savegraph"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString twice = tr("PNG picture, twice the size (*.png)");
    QStringList filters{tr("PNG picture (*.png)"), twice, tr("SVG drawing (*.svg)"), tr("PDF document (*.pdf)")};
    if (!VESTOR_SVG)
        filters.removeAt(2);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section(QLatin1String("*."), 1).chopped(1));
    });
    const QStringList files = m_notifier->chooseFiles(dialog);
    if (!files.isEmpty())
        saveGraph(files.constFirst(), dialog.selectedNameFilter() == twice);
}

QString MainWindow::saveGraph(const QString& path, bool twiceTheSize)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf")) {
        error = tr("The graph could not be saved to %1:\nthe name must end in .png, .svg or .pdf.").arg(path);
    } else {
        const PictureFormat format = suffix == QLatin1String("png")   ? PictureFormat::Png
                                     : suffix == QLatin1String("svg") ? PictureFormat::Svg
                                                                      : PictureFormat::Pdf;
        const double ratio = twiceTheSize ? 2.0 : m_graph->image().devicePixelRatio();
        const QString reason = SavePicture(path, format, printer(), QSize(kGraphWidth, kGraphHeight), ratio,
                                           m_whoami->userName(), [this](QPainter& p) { m_graph->paintPicture(p); });
        if (!reason.isEmpty())
            error = tr("The graph could not be saved to %1:\n%2").arg(path, reason);
    }
    if (!error.isEmpty())
        m_notifier->error(this, error);
    else
        announceSaved(this, path);
    return error;
}

void MainWindow::setColourBlindSafe(bool on)
{
    const std::array<Color, 6>& colors = on ? kColourBlindSafeColors : kDefaultColors;
    if (m_chamber->legendColors() != colors) {
        m_chamber->setNuclideColors(colors);
        m_config->setNuclideColors(colors);
        m_graph->setNuclideColors(colors);
        m_graph->plotggraph();
    }
    storedChoices().setValue(kColourBlindKey, on);
}

void MainWindow::PrintSetup1Click()
{
#if QT_CONFIG(printdialog)
    if (!browser::kInBrowser) {
        QPrintDialog dialog(&printer(), this);
        dialog.exec();
        return;
    }
#endif
    m_notifier->information(this, tr("In a web browser, Print Graph gives the page as a PDF download; "
                                     "the browser opens it and prints it on the printer chosen there."));
}

void MainWindow::Username1Click()
{
    m_whoami->exec();
}

void MainWindow::Help1Click()
{
    m_help.requestTopic(12000);
}

void MainWindow::Contents1Click()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showPage(m_currentPage);
}

void MainWindow::About1Click()
{
    m_about->exec();
}

void MainWindow::e1Click(QAction* clicked)
{
    m_e1->setChecked(false);
    m_n051->setChecked(false);
    clicked->setChecked(true);
    m_graph->setBase(m_e1->isChecked());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (lessonMayClose()) {
        QMainWindow::closeEvent(event);
        // A page in a browser has no window to close: it says the program has closed.
        browser::pageClosed();
    } else
        event->ignore();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_started)
        FormActivate();
}

void MainWindow::FormActivate()
{
    if (m_started)
        return;
    m_started = true;
    m_nb->setCurrentIndex(0);
    showNBChange(0);
    m_config->startUp();
    for (QAction* a : {m_copy2, m_print2, m_saveGraph})
        a->setEnabled(false);
    centreOnScreen(this, platformFrame(this));
    // Under a window manager the frame is seldom known at the first show, and it comes to be
    // known without an event: look for it for a few seconds, and centre again once it is there.
    if (platformFrame(this).isNull()) {
        auto* framePoll = new QTimer(this);
        framePoll->setInterval(100);
        connect(framePoll, &QTimer::timeout, this, [this, framePoll, tries = 0]() mutable {
            const QMargins frame = platformFrame(this);
            const bool framed = !frame.isNull();
            if (framed)
                centreOnScreen(this, frame);
            if (framed || ++tries == 30)
                framePoll->deleteLater();
        });
        framePoll->start();
    }
    m_configChanged = false;
    restartClick();
    plotggraph();
}

}  // namespace vestor
