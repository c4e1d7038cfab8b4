// The main window's lessons: the File menu, lesson files, the built-in examples, the lock on the
// settings and the window's size for a projector.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QClipboard>
#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cmath>
#include <utility>

#include "app/lessonexamples.h"
#include "app/mainwindow.h"
#include "app/placement.h"
#include "app/usernamedialog.h"
#include "chamber/chamberpage.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"
#include "ui/announcer.h"
#include "ui/readfile.h"
#include "ui/browser.h"
#include "ui/savefile.h"

namespace vestor {

namespace {

constexpr int kRecentLessons = 6;
const QString kRecentKey = QStringLiteral("lessons/recent");
const QString kSizeKey = QStringLiteral("view/size");
const QString kLessonFilter = QT_TRANSLATE_NOOP("vestor::MainWindow", "Lessons (*.vestor)");

}  // namespace

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* open = file->addAction(tr("&Open Lesson…"), this, &MainWindow::OpenLesson1Click);
    open->setObjectName(QStringLiteral("OpenLesson1"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = file->addAction(tr("&Save Lesson"), this, &MainWindow::SaveLesson1Click);
    save->setObjectName(QStringLiteral("SaveLesson1"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = file->addAction(tr("Save Lesson &As…"), this, &MainWindow::SaveLessonAs1Click);
    saveAs->setObjectName(QStringLiteral("SaveLessonAs1"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    if (browser::kInBrowser) {
        QAction* link = file->addAction(tr("Copy Lesson &Link"), this, &MainWindow::CopyLessonLink1Click);
        link->setObjectName(QStringLiteral("CopyLessonLink1"));
    }
    m_recent = file->addMenu(tr("&Recent Lessons"));
    m_recent->setObjectName(QStringLiteral("RecentLessons1"));
    connect(m_recent, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    m_recent->setToolTipsVisible(true);
    QMenu* examples = file->addMenu(tr("E&xamples"));
    examples->setObjectName(QStringLiteral("Examples1"));
    // The menu's status tips need a status bar to be seen; a tool tip shows them too.
    examples->setToolTipsVisible(true);
    const std::vector<LessonExample>& list = lessonExamples();
    for (std::size_t i = 0; i < list.size(); ++i) {
        QAction* a = examples->addAction(tr(list[i].title));
        a->setObjectName(QStringLiteral("Example%1").arg(i + 1));
        a->setStatusTip(tr(list[i].description));
        a->setToolTip(a->statusTip());
        connect(a, &QAction::triggered, this, [this, i] { openExample(static_cast<int>(i)); });
    }
    file->addSeparator();
    //: Menu item: print the one-page lab report with the graph, the numbers and the data
    file->addAction(tr("Print Re&port…"), this, &MainWindow::PrintReport1Click)
        ->setObjectName(QStringLiteral("PrintReport1"));
    //: Menu item: save the one-page lab report as a PDF file
    file->addAction(tr("Save Report as P&DF…"), this, &MainWindow::SaveReport1Click)
        ->setObjectName(QStringLiteral("SaveReport1"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("Quit1"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    fillRecentMenu();
}

void MainWindow::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View1"));
    QMenu* size = view->addMenu(tr("&Size"));
    size->setObjectName(QStringLiteral("Size1"));
    // Qt draws a window at one scale for its whole life; a new size is taken at the next start.
    QAction* note = size->addAction(tr("Takes effect at the next start"));
    note->setEnabled(false);
    auto* sizes = new QActionGroup(size);
    for (const int percent : {100, 150, 200}) {
        QAction* a = size->addAction(tr("%1 %").arg(percent));
        a->setObjectName(QStringLiteral("Size%1").arg(percent));
        a->setProperty("percent", percent);
        sizes->addAction(a);
    }
    // Besides the fixed sizes, the largest that fits the screen in view, found as the menu opens.
    QAction* fits = size->addAction(QString());
    fits->setObjectName(QStringLiteral("SizeFit"));
    sizes->addAction(fits);
    size->setToolTipsVisible(true);
    for (QAction* a : sizes->actions()) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [a] { setWindowSize(a->property("percent").toInt()); });
    }
    // A size larger than the screen would put the menu bar out of reach: only sizes that fit the
    // screen the window is on are offered, in its physical pixels.
    connect(size, &QMenu::aboutToShow, this, [this, sizes, fits] {
        const QScreen* at = screen();
        const double applied = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                   ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                   : 1.0;
        const double platformRatio = at->devicePixelRatio() / (applied > 0 ? applied : 1.0);
        const QSizeF room = QSizeF(at->availableSize()) * at->devicePixelRatio();
        const QSizeF whole = QSizeF(frameGeometry().size()) * platformRatio;
        const int fit = fittingSize(room, whole);
        fits->setProperty("percent", fit);
        //: View > Size: the largest size that fits the screen; %1 is that size in percent
        fits->setText(fit > 0 ? tr("Fits this screen: %1 %").arg(fit) : tr("Fits this screen: none"));
        for (QAction* a : sizes->actions()) {
            const int percent = a->property("percent").toInt();
            const QSizeF needed = whole * std::max(percent, 100) / 100.0;
            a->setChecked(percent == windowSize());
            a->setEnabled(a->isChecked() || (percent > 0 && percent <= fit));
            //: Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels
            a->setToolTip(a->isEnabled() ? QString()
                                         : tr("Needs a screen of at least %1 × %2 pixels")
                                               .arg(std::ceil(needed.width()))
                                               .arg(std::ceil(needed.height())));
        }
    });
}

int MainWindow::windowSize()
{
    const int percent = storedChoices().value(kSizeKey, 100).toInt();
    return percent >= 100 && percent <= 400 && percent % 25 == 0 ? percent : 100;
}

void MainWindow::setWindowSize(int percent)
{
    storedChoices().setValue(kSizeKey, percent);
}

Lesson MainWindow::captureLesson() const
{
    Lesson l;
    l.settings = m_config->settings();
    l.settingsPending = m_configChanged;
    l.run = captureRun(m_sim);
    l.random = m_rng.state();
    LessonView& v = l.view;
    v.baseE = m_config->baseE();
    v.showEquation = m_config->equationShown();
    const GraphPage::View graph = m_graph->view();
    v.halfLifeBar = graph.halfLifeBar;
    v.initialBar = graph.initialBar;
    v.graphNuclides = graph.nuclides;
    v.bestFit = graph.bestFit;
    v.expected = graph.expected;
    v.logScale = graph.logScale;
    v.tableNuclides = m_table->checkedColumns();
    v.dataPoints = m_editor->dataPoints();
    v.editorNuclide = m_editor->chosenNuclide();
    v.editorFirstTime = m_editor->firstShownTime();
    v.impliedHalfLives = m_config->impliedHalfLivesShown();
    v.locked = m_config->locked();
    v.page = m_currentPage;
    v.colourBlindSafe = m_chamber->legendColors() == kColourBlindSafeColors;
    l.userName = m_whoami->userName();
    return l;
}

void MainWindow::applyLesson(const Lesson& l)
{
    const LessonView& v = l.view;
    // The lock guards against accidents: a lesson opened while it is on keeps it on.
    const bool locked = m_lock->isChecked();
    m_lock->setChecked(false);
    m_config->applySettings(l.settings);
    m_config->setEquation(v.baseE, v.showEquation);
    m_halfLives->setChecked(v.impliedHalfLives);
    // A lesson may bring the safe colours; it never takes them from a student who chose them.
    if (v.colourBlindSafe)
        findChild<QAction*>(QStringLiteral("ColourBlind1"))->setChecked(true);

    restoreRun(m_sim, l.run);
    // The reader refuses any state the generator could not take.
    if (std::optional<RandomGenerator> random = RandomGenerator::fromState(l.random))
        m_rng = *random;
    m_chamber->showRun();
    m_graph->placeAnchor();
    m_editor->showView(v.dataPoints, v.editorNuclide, v.editorFirstTime);
    // N's handler recomputes the maxima from the counts; the run's own are what the next step uses.
    m_sim.nuclideMax = l.run.nuclideMax;
    m_table->setCheckedColumns(v.tableNuclides);
    m_graph->setView({v.halfLifeBar, v.initialBar, v.graphNuclides, v.bestFit, v.expected, v.logScale});
    m_whoami->setUserName(l.userName);
    m_lock->setChecked(v.locked || locked);
    // Shown without the page-change rule: a pending change waits for the student to leave it.
    m_configChanged = false;
    m_nb->setCurrentIndex(v.page);
    m_configChanged = l.settingsPending;
}

bool MainWindow::openLessonFile(const QString& path)
{
    QFile file(path);
    QString why = openToRead(file);
    std::optional<Lesson> lesson;
    if (why.isEmpty() && file.size() > kLessonFileLimit)
        why = tr("it is larger than a lesson can be");
    else if (why.isEmpty())
        lesson = readLesson(file.read(kLessonFileLimit + 1), why);
    if (!lesson) {
        m_notifier->error(this, tr("The lesson \"%1\" cannot be opened: %2.").arg(QFileInfo(path).fileName(), why));
        return false;
    }
    applyLesson(*lesson);
    setLessonPath(path);
    rememberLesson(path);
    announceOpened(this, path);
    return true;
}

bool MainWindow::saveLessonTo(const QString& path)
{
    // A count typed and not yet left belongs in the lesson.
    m_editor->commitPendingEdits();
    if (const QString why = saveWhole(path, lessonJson(captureLesson())); !why.isEmpty()) {
        m_notifier->error(this, tr("The lesson \"%1\" was not saved: %2.").arg(QFileInfo(path).fileName(), why));
        return false;
    }
    setLessonPath(path);
    rememberLesson(path);
    announceSaved(this, path);
    return true;
}

void MainWindow::openExample(int index)
{
    const std::vector<LessonExample>& list = lessonExamples();
    // Asked before anything changes, so that No leaves the settings as well as the run alone.
    if (index < 0 || index >= static_cast<int>(list.size()) || !lessonMayGo())
        return;
    const bool locked = m_lock->isChecked();
    m_lock->setChecked(false);
    m_config->applySettings(list[static_cast<std::size_t>(index)].settings);
    m_configChanged = false;
    startRun();
    // Chosen from the menu, the example may replace the run the table in view lists.
    memobt();
    m_lock->setChecked(locked);
    setLessonPath(QString());
}

void MainWindow::OpenLesson1Click()
{
    if (!lessonMayGo())
        return;
    QFileDialog dialog(this, tr("Open Lesson"));
    dialog.setObjectName(QStringLiteral("openLesson"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr(kLessonFilter.toUtf8().constData()));
    const QStringList chosen = m_notifier->chooseFiles(dialog);
    if (!chosen.isEmpty())
        openLessonFile(chosen.constFirst());
}

void MainWindow::openLessonAsked(const QString& path)
{
    if (lessonMayGo())
        openLessonFile(path);
}

void MainWindow::CopyLessonLink1Click()
{
    // A count typed and not yet left belongs in the lesson.
    m_editor->commitPendingEdits();
    QGuiApplication::clipboard()->setText(browser::lessonLink(browser::pageAddress(), lessonJson(captureLesson())));
    m_notifier->information(this, tr("The link to this lesson is on the clipboard. Paste it into a class page or "
                                     "a message: opening it opens this lesson, at this step, in a browser."));
}

bool MainWindow::SaveLesson1Click()
{
    return m_lessonPath.isEmpty() ? SaveLessonAs1Click() : saveLessonTo(m_lessonPath);
}

bool MainWindow::SaveLessonAs1Click()
{
    QFileDialog dialog(this, tr("Save Lesson"));
    dialog.setObjectName(QStringLiteral("saveLesson"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr(kLessonFilter.toUtf8().constData()));
    dialog.setDefaultSuffix(QStringLiteral("vestor"));
    if (!m_lessonPath.isEmpty())
        dialog.selectFile(m_lessonPath);
    const QStringList chosen = m_notifier->chooseFiles(dialog);
    return !chosen.isEmpty() && saveLessonTo(chosen.constFirst());
}

void MainWindow::LockSettings1Click(bool locked)
{
    m_config->setLocked(locked);
    markLessonChanged();
}

QStringList MainWindow::recentLessons() const
{
    QStringList kept;
    for (const QString& path : storedChoices().value(kRecentKey).toStringList())
        if (QFileInfo::exists(path) && !kept.contains(path))
            kept << path;
    return kept.mid(0, kRecentLessons);
}

void MainWindow::rememberLesson(const QString& path)
{
    QStringList recent = recentLessons();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    storedChoices().setValue(kRecentKey, recent.mid(0, kRecentLessons));
    // A disabled menu never opens to refill itself.
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    m_recent->clear();
    QStringList recent = recentLessons();
    // A page in a browser keeps its files only while it is open: the lessons of an earlier visit
    // are gone, and only Open Lesson reaches them again.
    if (browser::kInBrowser)
        recent.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* a = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setStatusTip(path);
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            if (lessonMayGo())
                openLessonFile(path);
        });
    }
    m_recent->setEnabled(!recent.isEmpty());
}

void MainWindow::setLessonPath(const QString& path)
{
    m_lessonPath = path;
    keepCounts();
    m_lessonSaved = path.isEmpty() ? QByteArray() : lessonJson(captureLesson());
    m_runMovedOn = false;
    setWindowTitle(path.isEmpty() ? QStringLiteral("Tovrin")
                                  : QStringLiteral("Tovrin - %1[*]").arg(QFileInfo(path).fileName()));
    setLessonModified(false);
}

void MainWindow::setLessonModified(bool modified)
{
    setWindowModified(modified);
    // A screen reader reads the title's mark as a star, if at all: it hears the words instead.
    const QString title = windowTitle().remove(QStringLiteral("[*]"));
    //: What a screen reader reads as the window's title while the lesson has unsaved changes; %1 is the title
    setAccessibleName(modified ? tr("%1, changes not saved").arg(title) : QString());
    warnBeforeLeaving();
}

void MainWindow::warnBeforeLeaving()
{
    // A browser's tab closes without the program's question: the browser asks instead.
    if (browser::kInBrowser)
        browser::setLeavingAsks(isWindowModified() || (m_lessonPath.isEmpty() && countsUnsaved()));
}

void MainWindow::markLessonChanged()
{
    if (m_lessonPath.isEmpty()) {
        warnBeforeLeaving();
        return;
    }
    // A Time step or a removal takes the run past the saved lesson for good (its time, its random
    // numbers and the particles taken out only go on), so there is nothing to compare until the
    // lesson is saved or opened again.
    if (m_runMovedOn) {
        if (!isWindowModified())
            setLessonModified(true);
        return;
    }
    // Many controls may move in one gesture; the lesson is compared once they are still. A timer
    // started again at every change costs more than the change itself in a browser, so a change
    // while it runs only asks it to wait once more when it ends.
    static constexpr int kSettleMs = 100;
    if (!m_lessonCheck) {
        m_lessonCheck = new QTimer(this);
        m_lessonCheck->setSingleShot(true);
        m_lessonCheck->setInterval(kSettleMs);
        connect(m_lessonCheck, &QTimer::timeout, this, [this] {
            if (std::exchange(m_lessonMovedAgain, false)) {
                m_lessonCheck->start();
                return;
            }
            setLessonModified(!m_lessonPath.isEmpty() && lessonJson(captureLesson()) != m_lessonSaved);
        });
    }
    if (m_lessonCheck->isActive())
        m_lessonMovedAgain = true;
    else
        m_lessonCheck->start();
}

void MainWindow::keepCounts()
{
    m_keptCounts = {m_sim.history, m_sim.origin, m_sim.pooled};
    warnBeforeLeaving();
}

bool MainWindow::countsUnsaved() const
{
    return !(m_keptCounts == KeptCounts{m_sim.history, m_sim.origin, m_sim.pooled});
}

bool MainWindow::lessonMayClose(bool* asked)
{
    m_editor->commitPendingEdits();
    const bool titled = !m_lessonPath.isEmpty();
    if (titled ? lessonJson(captureLesson()) == m_lessonSaved : !countsUnsaved())
        return true;
    if (asked)
        *asked = true;
    const QString question = titled ? tr("The lesson \"%1\" has changed. Save the changes?")
                                          .arg(QFileInfo(m_lessonPath).fileName())
                                    : tr("The counts of this run have not been saved. Save them as a lesson?");
    switch (m_notifier->askToSave(this, question)) {
    case Notifier::Answer::Save:
        return titled ? saveLessonTo(m_lessonPath) : SaveLessonAs1Click();
    case Notifier::Answer::Discard:
        return true;
    case Notifier::Answer::Cancel:
        break;
    }
    return false;
}

bool MainWindow::lessonMayGo()
{
    // Once the student has said what becomes of the work, pooled counts need no second question.
    bool asked = false;
    return lessonMayClose(&asked) && (asked || mayReplacePooled());
}

void MainWindow::watchLessonChanges()
{
    // Whatever the student moves, ticks or presses may change the lesson.
    for (QAbstractSlider* s : findChildren<QAbstractSlider*>())
        connect(s, &QAbstractSlider::valueChanged, this, &MainWindow::markLessonChanged);
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        connect(b, &QAbstractButton::clicked, this, &MainWindow::markLessonChanged);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &MainWindow::markLessonChanged);
    // Automate removes particles without a click on Remove.
    for (auto moved : {&ChamberPage::stepRecorded, &ChamberPage::particlesRemoved})
        connect(m_chamber, moved, this, [this] {
            m_runMovedOn = true;
            markLessonChanged();
        });
    connect(m_nb, &QTabWidget::currentChanged, this, &MainWindow::markLessonChanged);
    connect(m_editor, &GraphEditorPage::replot, this, &MainWindow::markLessonChanged);
    // The initial count, typed, replots nothing but changes the counts all the same.
    connect(m_editor, &GraphEditorPage::countEdited, this, &MainWindow::markLessonChanged);
    connect(m_whoami, &QDialog::finished, this, &MainWindow::markLessonChanged);
    connect(m_halfLives, &QAction::toggled, this, &MainWindow::markLessonChanged);
}

}  // namespace vestor
