// Keyboard and screen-reader use of the program: Tab reaches every control of every page in
// reading order, the & accelerators act, labels name their controls, and the pictures and
// scroll bars tell a screen reader what they show or set.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "config/setdatadialog.h"
#include "chamber/chamberpage.h"
#include "support/shownwindow.h"
#include "ui/announcer.h"
#include "ui/imageview.h"
#include "ui/statusline.h"

using namespace vestor;
using vestor::test::named;

namespace {

// The states in which the pages are tried; each row names one.
enum class State {
    ConfigPercent, ConfigDice, Chamber, ChamberAutomate, ChamberRemove, ChamberEnded, ChamberFull, Table, Graph,
    GraphFit, Editor
};

// A shown and active main window, brought into one of the states. Modal dialogs that a
// control opens (the save dialog) are turned away at once so that nothing blocks.
struct Window : test::ShownWindow {
    explicit Window(State state) : ShownWindow(7)
    {
        w.activateWindow();
        active = QTest::qWaitFor([this] { return QApplication::activeWindow() == &w; });
        QObject::connect(&modals, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        modals.start(20);
        enter(state);
    }

    template <typename T>
    T* get(const char* name)
    {
        return named<T>(&w, QString::fromLatin1(name));
    }

    void fiveNuclides()
    {
        get<QComboBox>("dc")->setCurrentIndex(4);
        w.configPage()->dcChange();
    }
    void steps(int n)
    {
        nb()->setCurrentIndex(1);
        for (int i = 0; i < n; ++i) {
            w.chamberPage()->NextbtClick();
            w.chamberPage()->RemovebtClick();
        }
    }
    void enter(State state)
    {
        fiveNuclides();
        switch (state) {
        case State::ConfigPercent: nb()->setCurrentIndex(0); break;
        case State::ConfigDice:
            nb()->setCurrentIndex(0);
            get<QRadioButton>("dicerb")->setChecked(true);
            break;
        case State::Chamber: nb()->setCurrentIndex(1); break;
        case State::ChamberAutomate:
            nb()->setCurrentIndex(1);
            get<QCheckBox>("Autocb")->click();
            break;
        case State::ChamberRemove:
            nb()->setCurrentIndex(1);
            for (int i = 0; i < 30 && !w.chamberPage()->removeBroughtOut(); ++i)
                w.chamberPage()->NextbtClick();
            break;
        case State::ChamberEnded:
            steps(80);
            get<QCheckBox>("Autocb")->click();
            break;
        case State::ChamberFull: {  // all 100 times recorded, with particles left to decay
            Settings slow = w.configPage()->settings();
            slow.percent.fill(1);
            w.configPage()->applySettings(slow);
            w.restartClick();
            steps(101);
            get<QCheckBox>("Autocb")->click();
            break;
        }
        case State::Table: nb()->setCurrentIndex(2); break;
        case State::Graph: nb()->setCurrentIndex(3); break;
        case State::GraphFit:
            steps(5);
            nb()->setCurrentIndex(3);
            get<QCheckBox>("bestfitcb")->click();
            break;
        case State::Editor:
            steps(3);
            nb()->setCurrentIndex(4);
            break;
        }
        // A fresh start for the keyboard: the focus on the row of tabs.
        nb()->tabBar()->setFocus(Qt::TabFocusReason);
    }

    QTimer modals;
    bool active = false;
};

bool isTabStop(const QWidget* w)
{
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Radio buttons of one group share a single stop of the Tab chain; the arrows move within it.
const QWidget* stopOf(const QWidget* w)
{
    if (const auto* radio = qobject_cast<const QRadioButton*>(w); radio && radio->autoExclusive())
        return radio->parentWidget();
    return w;
}

// Presses Tab from `start` until the focus comes back to it; the widgets in between, in order.
// A null entry at the end marks a widget that kept the focus (a trap) or a focus that was lost.
QWidgetList walkWithTab(QWidget* start)
{
    start->setFocus(Qt::TabFocusReason);
    QWidgetList seen;
    QWidget* previous = start;
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == start || now == previous) {
            if (now != start)
                seen << nullptr;
            break;
        }
        seen << now;
        previous = now;
    }
    return seen;
}

QStringList names(const QWidgetList& widgets)
{
    QStringList out;
    for (const QWidget* w : widgets)
        out << (w ? w->objectName() : QStringLiteral("<focus stuck>"));
    return out;
}

// Whether `wanted` appears in `walk` in this order, other widgets allowed in between.
bool inOrder(const QStringList& walk, const QStringList& wanted)
{
    qsizetype at = 0;
    for (const QString& name : walk)
        if (at < wanted.size() && name == wanted[at])
            ++at;
    return at == wanted.size();
}

Qt::Key keyOf(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    return static_cast<Qt::Key>(Qt::Key_A + (c - 'A'));
}

QAccessibleInterface* accessible(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(o->objectName()));
    return iface;
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void tabWalk_data();
    void tabWalk();
    void dialogTabWalk_data();
    void dialogTabWalk();
    void accelerators_data();
    void accelerators();
    void tabRowArrows();
    void helpOpensAtPage();
    void hiddenMenusTakeNoKeys_data();
    void hiddenMenusTakeNoKeys();
    void labelsNameTheirControls_data();
    void labelsNameTheirControls();
    void scrollBarsSayWhatTheySet_data();
    void scrollBarsSayWhatTheySet();
    void picturesAreDescribed_data();
    void picturesAreDescribed();
    void picturesShowTheFocus_data();
    void picturesShowTheFocus();
    void menuItemsSayWhetherTicked_data();
    void menuItemsSayWhetherTicked();
    void screenReaderHears_data();
    void screenReaderHears();
    void fieldsAreReadWhole();
};

void TestKeyboard::tabWalk_data()
{
    // The order in which Tab should pass the controls; a group of radio buttons is one stop,
    // named after its box.
    QTest::addColumn<State>("state");
    QTest::addColumn<QStringList>("order");
    const auto rows = [](const QString& prefix, int from, int to) {
        QStringList out;
        for (int k = from; k <= to; ++k)
            out << prefix.arg(k);
        return out;
    };
    QTest::addRow("configuration, percentage")
        << State::ConfigPercent
        << (QStringList{"qt_tabwidget_tabbar", "dc", "typeBox"} + rows("HLsb%1", 1, 5) + rows("NPsb%1", 1, 5)
            + QStringList{"showecb", "equationBox", "BitBtn1"});
    QTest::addRow("configuration, dice")
        << State::ConfigDice
        << (QStringList{"qt_tabwidget_tabbar", "dc", "typeBox", "sides"} + rows("numdicesb%1", 1, 5)
            + rows("NPsb%1", 1, 5) + QStringList{"showecb", "equationBox", "BitBtn1"});
    QTest::addRow("chamber") << State::Chamber
                             << QStringList{"qt_tabwidget_tabbar", "restart", "Autocb", "Nextbt", "Removebt", "BitBtn1"};
    QTest::addRow("chamber, automated")
        << State::ChamberAutomate
        << QStringList{"qt_tabwidget_tabbar", "restart", "Autocb", "startbt", "Nextbt", "Removebt", "BitBtn1"};
    QTest::addRow("table") << State::Table
                           << (QStringList{"qt_tabwidget_tabbar"} + rows("p1%1cb", 1, 5)
                               + QStringList{"datamemo", "savebt", "copyselbt", "Copybt", "BitBtn1"});
    QTest::addRow("graph") << State::Graph
                           << (QStringList{"qt_tabwidget_tabbar", "h", "yshift"} + rows("p%1cb", 1, 5)
                               + QStringList{"bestfitcb", "expectedcb", "logcb", "BitBtn1"});
    QTest::addRow("graph with the best fit")
        << State::GraphFit
        << (QStringList{"qt_tabwidget_tabbar", "h", "yshift"} + rows("p%1cb", 1, 5)
            + QStringList{"bestfitcb", "usefitbt", "expectedcb", "logcb", "BitBtn1"});
    QTest::addRow("graph data editor") << State::Editor
                                       << (QStringList{"qt_tabwidget_tabbar", "np", "showdd", "icount"}
                                           + rows("t%1", 1, 3) + QStringList{"tsb", "BitBtn1"});
}

void TestKeyboard::tabWalk()
{
    QFETCH(State, state);
    QFETCH(QStringList, order);
    Window win(state);
    QVERIFY(win.active);
    QTabBar* tabs = win.nb()->tabBar();
    QWidget* page = win.nb()->currentWidget();
    auto* back = win.get<QWidget>("BitBtn1");

    const QWidgetList walk = walkWithTab(tabs);
    const QStringList walked = names(walk);
    QVERIFY2(!walk.contains(nullptr), qPrintable(walked.join(QLatin1String(", "))));

    // Every control that takes the focus is reached: the page's own, the tabs and the back arrow.
    QWidgetList controls = page->findChildren<QWidget*>();
    controls << back;
    QList<const QWidget*> reachedStops{stopOf(tabs)};
    for (const QWidget* w : walk)
        reachedStops << stopOf(w);
    QStringList missed;
    for (const QWidget* w : controls)
        if (isTabStop(w) && !reachedStops.contains(stopOf(w)))
            missed << w->objectName();
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached: %1; walk: %2")
                                              .arg(missed.join(QLatin1String(", ")), walked.join(QLatin1String(", ")))));

    // Tab stays on what is shown.
    for (const QWidget* w : walk)
        QVERIFY2(w == back || page->isAncestorOf(w), qPrintable(w->objectName()));

    QStringList stops{tabs->objectName()};
    for (const QWidget* w : walk)
        stops << stopOf(w)->objectName();
    QVERIFY2(inOrder(stops, order),
             qPrintable(QStringLiteral("walk: %1").arg(walked.join(QLatin1String(", ")))));
}

void TestKeyboard::dialogTabWalk_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("order");
    QTest::addRow("user name") << QStringLiteral("Whoami") << QStringList{"Iam", "Button1"};
    QTest::addRow("about") << QStringLiteral("AboutBox") << QStringList{"OKButton"};
}

void TestKeyboard::dialogTabWalk()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, order);
    Window win(State::ConfigPercent);
    auto* box = named<QDialog>(&win.w, dialog);
    box->show();
    box->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), box);

    QWidget* first = named<QWidget>(box, order.first());
    const QStringList walked = QStringList{first->objectName()} + names(walkWithTab(first));
    QVERIFY2(walked == order, qPrintable(walked.mid(0, 8).join(QLatin1String(", "))));
    box->hide();
}

void TestKeyboard::accelerators_data()
{
    // Every letter acts on the first press. Where captions share a letter, the menu bar comes
    // first, then the page in view, then the tabs.
    QTest::addColumn<State>("state");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("target");

    QTest::addRow("Configuration tab") << State::Chamber << 'C' << "page 0";
    QTest::addRow("Copy All before the Configuration tab") << State::Table << 'C' << "Copybt";
    QTest::addRow("Decay Chamber tab") << State::Table << 'D' << "page 1";
    QTest::addRow("Dice only focused before the Decay Chamber tab") << State::ConfigPercent << 'D' << "focus dicerb";
    QTest::addRow("Table tab") << State::Graph << 'T' << "page 2";
    QTest::addRow("Time before the Table tab") << State::Chamber << 'T' << "Nextbt";
    QTest::addRow("Table tab while Start covers Time") << State::ChamberAutomate << 'T' << "page 2";
    QTest::addRow("Graph tab") << State::Editor << 'G' << "page 3";
    QTest::addRow("Edit Graph Data tab") << State::Table << 'R' << "page 4";
    QTest::addRow("Reset only focused before the Edit Graph Data tab") << State::Chamber << 'R' << "focus restart";
    QTest::addRow("Remove while it is out") << State::ChamberRemove << 'R' << "Removebt";
    QTest::addRow("Edit menu") << State::Graph << 'E' << "Edit1";
    QTest::addRow("Edit menu before base e") << State::ConfigPercent << 'E' << "Edit1";
    QTest::addRow("Extras menu") << State::Graph << 'X' << "Extras1";
    QTest::addRow("Help menu") << State::Graph << 'H' << "Help1";
    QTest::addRow("Percentage") << State::ConfigDice << 'P' << "Percentrb";
    QTest::addRow("Show Equation") << State::ConfigPercent << 'S' << "showecb";
    QTest::addRow("base 0.5") << State::ConfigPercent << '5' << "RadioButton1";
    QTest::addRow("Start") << State::ChamberAutomate << 'S' << "startbt";
    QTest::addRow("Save") << State::Table << 'S' << "savebt";
    QTest::addRow("Copy Highlighted") << State::Table << 'O' << "copyselbt";
    QTest::addRow("Use fit") << State::GraphFit << 'U' << "usefitbt";
}

void TestKeyboard::accelerators()
{
    QFETCH(State, state);
    QFETCH(char, key);
    QFETCH(QString, target);
    Window win(state);
    QVERIFY(win.active);
    const int before = win.nb()->currentIndex();
    // A letter shared with a tab only moves the focus to a choice or to Reset.
    const bool focusOnly = target.startsWith(QLatin1String("focus "));
    if (focusOnly)
        target = target.mid(6);

    const bool wantPage = target.startsWith(QLatin1String("page "));
    QMenu* menu = wantPage ? nullptr : win.w.findChild<QMenu*>(target);
    auto* button = (wantPage || menu) ? nullptr : named<QAbstractButton>(&win.w, target);
    std::unique_ptr<QSignalSpy> clicked;
    if (button)
        clicked = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);

    QTest::keyClick(QApplication::focusWidget(), keyOf(key), Qt::AltModifier);
    // Only the menu asked for opens.
    QWidget* popup = QApplication::activePopupWidget();
    QCOMPARE(popup, static_cast<QWidget*>(menu));
    if (popup)
        popup->close();
    QCOMPARE(win.nb()->currentIndex(), wantPage ? target.mid(5).toInt() : before);
    if (button)
        QTRY_COMPARE(clicked->count(), focusOnly ? 0 : 1);
    QVERIFY(!focusOnly || button->hasFocus());
    QVERIFY(win.w.isVisible());
}

// Each arrow on the row of tabs moves one page, round from either end, and leaves the focus there.
void TestKeyboard::tabRowArrows()
{
    Window win(State::Chamber);
    QTabBar* tabs = win.nb()->tabBar();
    win.clickTab(1);
    tabs->setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, int> walk[] = {{Qt::Key_Right, 2}, {Qt::Key_Down, 3}, {Qt::Key_Left, 2}, {Qt::Key_Up, 1},
                                            {Qt::Key_Up, 0},    {Qt::Key_Left, 4}, {Qt::Key_Right, 0}, {Qt::Key_Up, 4},
                                            {Qt::Key_Down, 0}};
    for (const auto& [key, to] : walk) {
        QTest::keyClick(tabs, key);
        QCOMPARE(win.nb()->currentIndex(), to);
        QCOMPARE(win.w.currentPage(), to);
        QCOMPARE(QApplication::focusWidget(), tabs);
    }
}

// F1 opens the guide at the page in view, and moves a guide already open; the window stays usable.
void TestKeyboard::helpOpensAtPage()
{
    Window win(State::Chamber);
    const char* sections[] = {"Configuration", "Decay Chamber", "Collected Data Table", "Graph", "Edit Graph Data"};
    for (int page : {2, 3, 4, 0, 1}) {
        win.clickTab(page);
        QTest::keyClick(&win.w, Qt::Key_F1);
        QVERIFY(win.w.helpWindow() && win.w.helpWindow()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        win.w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &win.w);
        QCOMPARE(win.w.helpWindow()->browser()->cursorForPosition(QPoint(4, 4)).block().text(),
                 QString::fromLatin1(sections[page]));
        // The caret waits on the heading, the line a screen reader reads first and steps on from.
        QAccessibleTextInterface* text = accessible(win.w.helpWindow()->browser())->textInterface();
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
                 QString::fromLatin1(sections[page]));
        // Page Down goes to the next heading and Shift+H back to this one, the caret with them.
        QTest::keyClick(win.w.helpWindow()->browser(), Qt::Key_PageDown);
        QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
                 page < 4 ? QString::fromLatin1(sections[page + 1]) : QStringLiteral("Saving, copying and printing"));
        QTest::keyClick(win.w.helpWindow()->browser(), Qt::Key_H, Qt::ShiftModifier);
        QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
                 QString::fromLatin1(sections[page]));
        // Out to the Close button and back, the caret stays on the line the student was reading.
        for (int key : {Qt::Key_Tab, Qt::Key_Backtab})
            QTest::keyClick(win.w.helpWindow()->focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
                 QString::fromLatin1(sections[page]));
    }
}

void TestKeyboard::hiddenMenusTakeNoKeys_data()
{
    // "&Display" and "&Back" are never shown; their letters must act as if they were not there. Each press of the letter, from `from`, should bring up page `page`.
    QTest::addColumn<char>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("page");
    QTest::addRow("Alt+B leaves the program alone") << 'B' << 1 << 1;
    QTest::addRow("Alt+D reaches the Decay Chamber each time") << 'D' << 4 << 1;
}

void TestKeyboard::hiddenMenusTakeNoKeys()
{
    QFETCH(char, key);
    QFETCH(int, from);
    QFETCH(int, page);
    Window win(State::Chamber);
    QVERIFY(win.active);
    int reached = 0;
    for (int i = 0; i < 2; ++i) {
        win.nb()->setCurrentIndex(from);
        win.nb()->tabBar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(win.nb()->tabBar(), keyOf(key), Qt::AltModifier);
        const QWidget* popup = QApplication::activePopupWidget();
        QVERIFY2(!popup, qPrintable(popup ? popup->objectName() : QString()));
        QVERIFY(win.w.isVisible());
        reached += win.nb()->currentIndex() == page;
    }
    QCOMPARE(reached, 2);
}

void TestKeyboard::labelsNameTheirControls_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("control");
    QTest::addRow("series length") << State::ConfigPercent << "seriesLabel" << "dc";
    QTest::addRow("chance of nuclide 2") << State::ConfigPercent << "dclb2" << "HLsb2";
    QTest::addRow("sides of the die") << State::ConfigDice << "sidesLabel" << "sides";
    QTest::addRow("decay value of nuclide 4") << State::ConfigDice << "dblb4" << "numdicesb4";
    QTest::addRow("initial number of nuclide 5") << State::ConfigPercent << "nplb5" << "NPsb5";
    QTest::addRow("chamber") << State::Chamber << "Label1" << "ActiveBM";
    QTest::addRow("decayed panel") << State::Chamber << "Label2" << "DecayBM";
    QTest::addRow("half-life") << State::Graph << "hllb" << "h";
    QTest::addRow("initial count of the curve") << State::Graph << "Iclb" << "yshift";
    QTest::addRow("number of data points") << State::Editor << "lll" << "np";
    QTest::addRow("nuclide shown") << State::Editor << "Label20" << "showdd";
    QTest::addRow("initial count") << State::Editor << "intcount" << "icount";
    QTest::addRow("first time field") << State::Editor << "Label4" << "t1";
}

void TestKeyboard::labelsNameTheirControls()
{
    QFETCH(State, state);
    QFETCH(QString, label);
    QFETCH(QString, control);
    Window win(state);
    // What a screen reader follows: the control's "labelled by" relation.
    QAccessibleInterface* labelIface = accessible(named<QLabel>(&win.w, label));
    bool found = false;
    for (const auto& [iface, relation] : accessible(named<QWidget>(&win.w, control))->relations(QAccessible::Label))
        found = found || iface->object() == labelIface->object();
    QVERIFY(found);
}

void TestKeyboard::scrollBarsSayWhatTheySet_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("says");
    for (int k = 1; k <= 5; ++k) {
        const QString nuclide = QStringLiteral("nuclide %1").arg(k);
        QTest::addRow("chance of nuclide %d", k) << "main" << QStringLiteral("HLsb%1").arg(k) << nuclide;
        QTest::addRow("decay value of nuclide %d", k) << "main" << QStringLiteral("numdicesb%1").arg(k) << nuclide;
        QTest::addRow("initial number of nuclide %d", k) << "main" << QStringLiteral("NPsb%1").arg(k) << nuclide;
        QTest::addRow("set data: chance of particle %d", k)
            << "setdata" << QStringLiteral("HLsb%1").arg(k) << QStringLiteral("particle %1").arg(k);
        QTest::addRow("set data: number of particle %d", k)
            << "setdata" << QStringLiteral("NPsb%1").arg(k) << QStringLiteral("particle %1").arg(k);
    }
    QTest::addRow("sides of the die") << "main" << "sides" << "sides";
    QTest::addRow("set data: sides of the die") << "setdata" << "sides" << "sides";
    QTest::addRow("half-life of the curve") << "main" << "h" << "half-life";
    QTest::addRow("initial count of the curve") << "main" << "yshift" << "initial count";
    QTest::addRow("number of data points") << "main" << "np" << "data points";
    QTest::addRow("times shown") << "main" << "tsb" << "time";
}

void TestKeyboard::scrollBarsSayWhatTheySet()
{
    QFETCH(QString, window);
    QFETCH(QString, bar);
    QFETCH(QString, says);
    Window win(State::ConfigPercent);
    QWidget* top = window == QLatin1String("main") ? static_cast<QWidget*>(&win.w) : win.w.setDataDialog();
    // The Set Data dialog is a child of the main window: look in it alone there.
    QScrollBar* sb = nullptr;
    for (QScrollBar* candidate : top->findChildren<QScrollBar*>(bar))
        if (candidate->window() == top)
            sb = candidate;
    QVERIFY(sb);

    QAccessibleInterface* iface = accessible(sb);
    const QString name = iface->text(QAccessible::Name);
    QVERIFY2(name.contains(says, Qt::CaseInsensitive), qPrintable(name));
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    // A teacher who points at the bar reads what a screen reader hears of it.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), sb->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(sb, &hover);
    QCOMPARE(QToolTip::text(), sb->accessibleDescription());
    // No other scroll bar of the window answers to the same name.
    for (QScrollBar* other : top->findChildren<QScrollBar*>())
        if (other != sb && other->window() == top)
            QVERIFY2(accessible(other)->text(QAccessible::Name) != name, qPrintable(other->objectName()));

    // Its position is read out as the value, and follows the bar.
    QAccessibleValueInterface* value = iface->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), sb->value());
    sb->setValue(sb->value() == sb->minimum() ? sb->maximum() : sb->minimum());
    QCOMPARE(value->currentValue().toInt(), sb->value());
    // The arrows move a horizontal bar the way its handle goes: Right raises the value.
    if (sb->orientation() == Qt::Horizontal && sb->isEnabled() && sb->maximum() > sb->minimum()) {
        sb->setValue(sb->minimum());
        QTest::keyClick(sb, Qt::Key_Right);
        QCOMPARE(sb->value(), sb->minimum() + 1);
    }
}

void TestKeyboard::picturesAreDescribed_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("says");
    QTest::addRow("chamber") << State::Chamber << "ActiveBM" << "chamber";
    QTest::addRow("decayed panel") << State::Chamber << "DecayBM" << "decayed";
    for (int k = 1; k <= 5; ++k)
        QTest::addRow("legend disc %d", k) << State::Chamber << QStringLiteral("d%1").arg(k)
                                           << QStringLiteral("nuclide %1").arg(k);
    QTest::addRow("graph") << State::Graph << "halfgraph" << "graph";
    QTest::addRow("curve read-out") << State::Graph << "gtv" << "read-out";
    QTest::addRow("start of the curve") << State::Graph << "time1" << "curve";
}

void TestKeyboard::picturesAreDescribed()
{
    QFETCH(State, state);
    QFETCH(QString, widget);
    QFETCH(QString, says);
    Window win(state);
    QAccessibleInterface* iface = accessible(named<QWidget>(&win.w, widget));
    QVERIFY2(iface->text(QAccessible::Name).contains(says, Qt::CaseInsensitive),
             qPrintable(iface->text(QAccessible::Name)));
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
}

// A picture reached with Tab shows a frame on screen, never in the picture Copy and Print take.
void TestKeyboard::picturesShowTheFocus_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("from");  // where Shift+Tab starts, or the control clicked last
    QTest::addColumn<int>("page");  // whose tab is clicked, when the mouse is used
    QTest::addColumn<QString>("picture");
    QTest::addRow("chamber") << State::Chamber << "restart" << -1 << "ActiveBM";
    QTest::addRow("graph") << State::Graph << "h" << -1 << "halfgraph";
    QTest::addRow("chamber's tab clicked") << State::ConfigPercent << "Percentrb" << 1 << "ActiveBM";
    QTest::addRow("graph's tab clicked") << State::Chamber << "restart" << 3 << "halfgraph";
}

void TestKeyboard::picturesShowTheFocus()
{
    QFETCH(State, state);
    QFETCH(QString, from);
    QFETCH(int, page);
    QFETCH(QString, picture);
    Window win(state);
    auto* view = named<ImageView>(&win.w, picture);
    const QImage before = view->image()->copy();
    // The edge of the picture as the screen shows it differs from the picture's own edge.
    const auto framed = [view] {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage own = view->image()->convertToFormat(QImage::Format_RGB32);
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, 1) != own.pixel(x, 1))
                return true;
        return false;
    };
    QVERIFY(!framed());
    if (page >= 0) {
        // A mouse user's click on a tab hides the control clicked last; Qt hands the focus on.
        QTest::mouseClick(named<QWidget>(&win.w, from), Qt::LeftButton, {}, QPoint(4, 4));
        win.clickTab(page);
        QTRY_VERIFY(view->hasFocus());
        QVERIFY(!framed());
        // The first key shows where the focus is; the mouse hides it again.
        QTest::keyClick(view, Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(!framed());
        QTest::keyClick(view, Qt::Key_Down);
        QVERIFY(framed());
        QTest::mouseClick(win.nb()->tabBar(), Qt::LeftButton, {}, win.nb()->tabBar()->tabRect(page).center());
        QVERIFY(!framed());
        return;
    }
    named<QWidget>(&win.w, from)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(view->hasFocus());
    QVERIFY(framed());
    QCOMPARE(*view->image(), before);
    QTest::keyClick(view, Qt::Key_Tab);
    QTRY_VERIFY(!view->hasFocus());
    QVERIFY(!framed());
}

// A menu item that can be ticked is heard ticked or not, and stays an item of its menu.
void TestKeyboard::menuItemsSayWhetherTicked_data()
{
    QTest::addColumn<QString>("item");
    for (const char* item : {"HalfLives1", "ColourBlind1", "LockSettings1", "Size100", "Size200"})
        QTest::newRow(item) << QString::fromLatin1(item);
}

void TestKeyboard::menuItemsSayWhetherTicked()
{
    QFETCH(QString, item);
    Window win(State::ConfigPercent);
    auto* action = named<QAction>(&win.w, item);
    auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
    QVERIFY(menu);
    QAccessibleInterface* list = accessible(menu);
    const int index = static_cast<int>(menu->actions().indexOf(action));
    QAccessibleInterface* iface = list->child(index);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::MenuItem);
    QCOMPARE(list->indexOfChild(iface), index);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(iface->state().checked, action->isChecked());
        QCOMPARE(iface->text(QAccessible::Description).startsWith(QLatin1String("not checked")), !action->isChecked());
        action->trigger();
    }
}

// What a screen reader is told, unasked, as the student works with the keyboard.
void TestKeyboard::screenReaderHears_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hears");
    QTest::addColumn<QString>("shows");  // in the status line under the pages
    QTest::addRow("counts after Time") << State::Chamber << "Nextbt" << (Qt::ALT | Qt::Key_T) << ""
                                       << "Time 1: nuclide 1, " << "Time 1: nuclide 1, ";
    QTest::addRow("Time while Remove waits") << State::ChamberRemove << "Removebt" << (Qt::ALT | Qt::Key_T) << ""
                                             << "Remove the decayed particles first." << "Remove the decayed particles first.";
    QTest::addRow("page picked with Alt") << State::Chamber << "Nextbt" << (Qt::ALT | Qt::Key_G) << "" << "Graph page" << "Graph page";
    QTest::addRow("page picked with Ctrl+Tab") << State::Chamber << "Nextbt" << (Qt::CTRL | Qt::Key_Tab) << ""
                                               << "Collected Data Table page" << "Collected Data Table page";
    QTest::addRow("Ctrl+Tab from the series list") << State::ConfigPercent << "dc" << (Qt::CTRL | Qt::Key_Tab) << ""
                                                   << "Decay Chamber page" << "Decay Chamber page";
    QTest::addRow("Ctrl+Shift+Tab from the nuclide shown")
        << State::Editor << "showdd" << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << "" << "Graph page" << "Graph page";
    QTest::addRow("Ctrl+Tab from the close button") << State::Table << "BitBtn1" << (Qt::CTRL | Qt::Key_Tab) << ""
                                                    << "Graph page" << "Graph page";
    QTest::addRow("Start with no particle left") << State::ChamberEnded << "startbt" << QKeyCombination(Qt::Key_Space)
                                                 << "" << "No active particles are left." << "No active particles are left.";
    QTest::addRow("Automate past the last time") << State::ChamberFull << "startbt" << QKeyCombination(Qt::Key_Space)
                                                 << "" << "The run has recorded its 100 times." << "The run has recorded its 100 times.";
    QTest::addRow("counts after Reset") << State::Chamber << "restart" << QKeyCombination(Qt::Key_Space) << ""
                                        << "Time 0: nuclide 1, " << "Time 0: nuclide 1, ";
    QTest::addRow("series length") << State::ConfigPercent << "dc" << QKeyCombination(Qt::Key_Up) << ""
                                   << "Steps in Decay Series, 4" << "Steps in Decay Series, 4";
    QTest::addRow("half-life bar") << State::Graph << "h" << QKeyCombination(Qt::Key_Right) << ""
                                   << "Model curve: half-life 0.05 steps" << "Model curve: T\u00BD 0.05 steps";
    QTest::addRow("best fit") << State::Graph << "bestfitcb" << QKeyCombination(Qt::Key_Space) << ""
                              << "Best fit of nuclide 1: no estimate" << "Best fit of nuclide 1: no estimate";
    QTest::addRow("log scale") << State::Graph << "logcb" << QKeyCombination(Qt::Key_Space) << ""
                               << "The counts are on a logarithmic axis" << "The counts are on a logarithmic axis";
    QTest::addRow("expected counts") << State::Graph << "expectedcb" << QKeyCombination(Qt::Key_Space) << ""
                                     << "in a band where 95 % of runs fall" << "in a band where 95 % of runs fall";
    QTest::addRow("a menu opened") << State::Chamber << "Nextbt" << (Qt::ALT | Qt::Key_X) << "" << "Extras menu" << "";
    QTest::addRow("refused count") << State::Editor << "t2" << QKeyCombination(Qt::Key_Tab) << "4x"
                                   << "Count of nuclide 1 at time 2: \"4x\" is no whole number" << "\"4x\" is no whole number";
    QTest::addRow("refused count too long for the line") << State::Editor << "t2" << QKeyCombination(Qt::Key_Tab)
                                                         << QString(120, QLatin1Char('x')) << "is no whole number" << "is no whole number";
}

void TestKeyboard::screenReaderHears()
{
    QFETCH(State, state);
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, key);
    QFETCH(QString, typed);
    QFETCH(QString, hears);
    QFETCH(QString, shows);
    Window win(state);
    QVERIFY(win.active);
    QCoreApplication::processEvents();  // what setting up the state said
    auto* target = named<QWidget>(&win.w, focus);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(target, typed);
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    // What a screen reader reads of the window's notification, the channel the program speaks on
    // unasked. (Offscreen, Qt sends no accessibility events to a handler, so the notification's
    // own interface is read.)
    const auto heard = [&win] {
        auto* announcer = win.w.findChild<Announcer*>();
        QAccessibleInterface* iface = announcer ? accessible(announcer) : nullptr;
        return iface && iface->role() == QAccessible::Notification ? iface->text(QAccessible::Name) : QString();
    };
    QTRY_VERIFY2(heard().contains(hears), qPrintable(heard()));
    const auto* line = named<StatusLine>(&win.w, QStringLiteral("statusLine"));
    const QString shown = line->sentence();
    QVERIFY2(shows.isEmpty() ? !shown.contains(hears) : shown.contains(shows), qPrintable(shown));
    // A sentence cut short is whole in the tooltip; one that fits has none.
    QCOMPARE(line->toolTip(), line->text() == shown ? QString() : shown);
    // The next key makes it old news, tooltip and all.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Control);
    QVERIFY(line->text().isEmpty() && line->toolTip().isEmpty());
}

// A screen reader reads a field run by run of its text attributes; the runs must cover the text.
void TestKeyboard::fieldsAreReadWhole()
{
    Window win(State::Editor);
    auto* field = named<QLineEdit>(&win.w, QStringLiteral("icount"));
    field->setText(QStringLiteral("400"));
    QAccessibleTextInterface* text = accessible(field)->textInterface();
    QVERIFY(text);
    QString read;
    for (int offset = 0, start = 0, end = 0; offset < text->characterCount(); offset = std::max(end, offset + 1)) {
        text->attributes(offset, &start, &end);
        read += text->text(std::max(start, offset), end);
    }
    QCOMPARE(read, QStringLiteral("400"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
