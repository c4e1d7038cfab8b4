// The application shell: main window, pages and the page-change rule, menus, user name
// dialog and About box.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/placement.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "core/tabletext.h"
#include "table/datatablepage.h"
#include "support/shownwindow.h"

using namespace vestor;
using vestor::test::named;

namespace {
// What the student did before leaving the run.
enum class Work { Nothing, Steps, TypedCount, StepsThenDataSaved, StepsThenPartSaved, StepsThenReset };
}  // namespace

Q_DECLARE_METATYPE(vestor::Notifier::Answer)
Q_DECLARE_METATYPE(Work)

namespace {

struct Window : test::ShownWindow {
    Window() : ShownWindow(11) {}
    QScrollBar* configBar(const QString& name) { return named<QScrollBar>(w.configPage(), name); }
    QAction* action(const QString& name)
    {
        if (auto* menu = w.findChild<QMenu*>(name))
            return menu->menuAction();
        return named<QAction>(&w, name);
    }
};

// Acts on the next modal dialog as soon as it is up, so that exec() returns.
void whenModal(std::function<void(QDialog*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start();
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void windowAfterStartUp();
    void pageChangesKeepRun_data();
    void pageChangesKeepRun();
    void changesResetOnce_data();
    void changesResetOnce();
    void sameTabIsNoChange_data();
    void sameTabIsNoChange();
    void graphCommandsFollowPage_data();
    void graphCommandsFollowPage();
    void tablePageRebuilt_data();
    void tablePageRebuilt();
    void helpMenuRequestsTopic_data();
    void helpMenuRequestsTopic();
    void startUpRunsOnce_data();
    void startUpRunsOnce();
    void closing_data();
    void closing();
    void automateWaitsForDialogs();
    void fileDialogs_data();
    void fileDialogs();
    void userName_data();
    void userName();
    void userNamePlaced_data();
    void userNamePlaced();
    void aboutTexts_data();
    void aboutTexts();
    void programIconDrawn_data();
    void programIconDrawn();
    void typedBesideBars_data();
    void typedBesideBars();
    void sizeFitsTheScreen_data();
    void sizeFitsTheScreen();
};

void TestShell::windowAfterStartUp()
{
    Window win;
    QVERIFY(win.w.startedUp());
    QCOMPARE(win.w.windowTitle(), QStringLiteral("Tovrin"));
    QCOMPARE(win.w.minimumSize(), win.w.maximumSize());
    QCOMPARE(win.w.width(), 800);
    QCOMPARE(win.w.currentPage(), 0);
    QCOMPARE(win.nb()->currentIndex(), 0);
    QVERIFY(!win.w.configChanged());
    QVERIFY(!win.action(QStringLiteral("Copy2"))->isEnabled());
    QVERIFY(!win.action(QStringLiteral("Print2"))->isEnabled());
    // A filled chamber of 400 particles of nuclide 1.
    QCOMPARE(win.sim().particleTotal, 400);
    QCOMPARE(win.sim().nuclideCount[1], 400);
    QCOMPARE(win.sim().timeIndex, 1);
    QVERIFY(win.sim().invariantHolds());
    QCOMPARE(win.w.help().requests(), 0);
    // Only the main window is up; the dialogs wait unseen.
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible() || top == &win.w, qPrintable(top->objectName()));
    // The menus of the program in their order; extras may sit between them. "&Display" and
    // "&Back" exist but are never shown, so they take no place (and no letter) in the bar.
    const QStringList ours{"Edit1", "Help1", "Display1", "return1"};
    QStringList menus;
    for (QAction* a : win.w.menuBar()->actions()) {
        if (ours.contains(a->menu() ? a->menu()->objectName() : a->objectName()))
            menus << a->text();
    }
    QCOMPARE(menus, (QStringList{"&Edit", "&Help"}));
    QCOMPARE(win.action(QStringLiteral("Display1"))->text(), QStringLiteral("&Display"));
    QCOMPARE(win.action(QStringLiteral("return1"))->text(), QStringLiteral("&Back"));
    QVERIFY(!win.action(QStringLiteral("Display1"))->isVisible());
    QVERIFY(!win.action(QStringLiteral("return1"))->isVisible());
    QVERIFY(win.action(QStringLiteral("Edit1"))->isVisible());
    QVERIFY(win.action(QStringLiteral("Help1"))->isVisible());
    QStringList tabs;
    for (int i = 0; i < win.nb()->count(); ++i)
        tabs << win.nb()->tabText(i);
    QCOMPARE(tabs, (QStringList{"&Configuration", "&Decay Chamber", "Collected Data &Table", "&Graph",
                                "Edit G&raph Data"}));
}

void TestShell::pageChangesKeepRun_data()
{
    QTest::addColumn<QList<int>>("pages");
    QTest::addRow("to the chamber") << QList<int>{1};
    QTest::addRow("every page and back") << QList<int>{1, 2, 3, 4, 0};
    QTest::addRow("straight to the graph and back") << QList<int>{3, 0, 3};
}

void TestShell::pageChangesKeepRun()
{
    QFETCH(QList<int>, pages);
    Window win;
    QCOMPARE(win.step(), 2);
    const auto history = win.sim().history;
    for (int index : pages) {
        win.page(index);
        QCOMPARE(win.w.currentPage(), index);
        QCOMPARE(win.sim().timeIndex, 2);
    }
    QVERIFY(win.sim().history == history);
}

void TestShell::changesResetOnce_data()
{
    QTest::addColumn<int>("target");
    for (int target = 1; target <= 4; ++target)
        QTest::addRow("to page %d", target) << target;
}

void TestShell::changesResetOnce()
{
    QFETCH(int, target);
    Window win;
    QCOMPARE(win.step(), 2);
    win.configBar(QStringLiteral("HLsb1"))->setValue(30);
    win.configBar(QStringLiteral("NPsb1"))->setValue(250);
    win.configBar(QStringLiteral("sides"))->setValue(8);
    QVERIFY(win.w.configChanged());
    win.page(target);
    QCOMPARE(win.sim().timeIndex, 1);
    QCOMPARE(win.sim().particleTotal, 250);
    QCOMPARE(win.sim().decayThreshold[1], 30.0);
    QVERIFY(!win.w.configChanged());
    QCOMPARE(win.step(), 2);
    win.page(target == 1 ? 2 : 1);
    win.page(0);
    QCOMPARE(win.sim().timeIndex, 2);
}

void TestShell::sameTabIsNoChange_data()
{
    QTest::addColumn<int>("index");
    QTest::addRow("configuration") << 0;
    QTest::addRow("graph") << 3;
}

void TestShell::sameTabIsNoChange()
{
    QFETCH(int, index);
    Window win;
    win.page(index);
    QCOMPARE(win.step(), 2);
    win.configBar(QStringLiteral("HLsb1"))->setValue(30);
    win.page(index);
    QVERIFY(win.w.configChanged());
    QCOMPARE(win.sim().timeIndex, 2);
    QCOMPARE(win.w.currentPage(), index);
    win.page(index == 0 ? 1 : 0);
    QCOMPARE(win.sim().timeIndex, 1);
}

void TestShell::graphCommandsFollowPage_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index <= 4; ++index)
        QTest::addRow("page %d", index) << index;
}

void TestShell::graphCommandsFollowPage()
{
    QFETCH(int, index);
    Window win;
    // Arrive from another page, so that every row is a real change.
    win.page(index == 3 ? 1 : 3);
    win.page(index);
    const bool graph = index == 3;
    QCOMPARE(win.action(QStringLiteral("Copy2"))->isEnabled(), graph);
    QCOMPARE(win.action(QStringLiteral("Print2"))->isEnabled(), graph);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("untouched"));
    win.w.Copy2Click();
    if (graph) {
        QCOMPARE(clipboard->image().size(), QSize(681, 377));
    } else {
        QCOMPARE(clipboard->text(), QStringLiteral("untouched"));
    }
}

void TestShell::tablePageRebuilt_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("firstRow");
    QTest::addRow("from the configuration") << QList<int>{} << false << QStringLiteral("0\t123");
    QTest::addRow("from the graph") << QList<int>{3} << false << QStringLiteral("0\t123");
    QTest::addRow("second visit") << QList<int>{2, 1} << false << QStringLiteral("0\t123");
    QTest::addRow("after a change") << QList<int>{} << true << QStringLiteral("0\t321");
}

void TestShell::tablePageRebuilt()
{
    QFETCH(QList<int>, before);
    QFETCH(bool, change);
    QFETCH(QString, firstRow);
    Window win;
    for (int index : before)
        win.page(index);
    // Written behind the table's back: only a rebuild shows it.
    win.sim().history[1][1] = 123;
    if (change)
        win.configBar(QStringLiteral("NPsb1"))->setValue(321);
    win.page(2);
    const QStringList lines = win.w.tablePage()->listing().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(1), firstRow);
}

void TestShell::helpMenuRequestsTopic_data()
{
    QTest::addColumn<int>("openings");
    QTest::addRow("once") << 1;
    QTest::addRow("three times") << 3;
}

void TestShell::helpMenuRequestsTopic()
{
    QFETCH(int, openings);
    Window win;
    auto* help = named<QMenu>(&win.w, QStringLiteral("Help1"));
    for (int i = 0; i < openings; ++i) {
        help->popup(win.w.geometry().center());
        QTRY_VERIFY(help->isVisible());
        help->hide();
    }
    QCOMPARE(win.w.help().lastTopic(), 12000);
    QCOMPARE(win.w.help().requests(), openings);
    QVERIFY(!win.w.aboutBox()->isVisible());
}

void TestShell::startUpRunsOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("hidden and shown again") << QStringLiteral("show");
    QTest::addRow("About box closed") << QStringLiteral("About1");
    QTest::addRow("user name given") << QStringLiteral("Username1");
}

void TestShell::startUpRunsOnce()
{
    QFETCH(QString, how);
    Window win;
    win.page(3);
    QCOMPARE(win.step(), 2);
    if (how == QLatin1String("show")) {
        win.w.hide();
        win.w.show();
    } else {
        whenModal([](QDialog* dialog) {
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("Iam"))) {
                QTest::keyClicks(name, QStringLiteral(" Grace "));
                QTest::keyClick(name, Qt::Key_Return);
            } else {
                dialog->findChild<QPushButton*>()->click();
            }
        });
        win.action(how)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
    }
    QCOMPARE(win.sim().timeIndex, 2);
    QCOMPARE(win.w.currentPage(), 3);
    QCOMPARE(win.nb()->currentIndex(), 3);
    QVERIFY(win.action(QStringLiteral("Copy2"))->isEnabled());
    if (how == QLatin1String("Username1"))
        QCOMPARE(win.w.whoami()->userName(), QStringLiteral(" Grace "));
}

void TestShell::closing_data()
{
    QTest::addColumn<QString>("how");  // a button, a menu item, "close" for the window's ×, or an example
    QTest::addColumn<Work>("work");
    QTest::addColumn<Notifier::Answer>("answer");
    QTest::addColumn<bool>("asked");
    using A = Notifier::Answer;
    QTest::addRow("back arrow, nothing recorded") << "BitBtn1" << Work::Nothing << A::Cancel << false;
    QTest::addRow("hidden Back menu, nothing recorded") << "return1" << Work::Nothing << A::Cancel << false;
    QTest::addRow("Quit after steps, cancelled") << "Quit1" << Work::Steps << A::Cancel << true;
    QTest::addRow("back arrow after steps, discarded") << "BitBtn1" << Work::Steps << A::Discard << true;
    QTest::addRow("window closed with a typed count, cancelled") << "close" << Work::TypedCount << A::Cancel << true;
    QTest::addRow("Quit after steps, saved as a lesson") << "Quit1" << Work::Steps << A::Save << true;
    QTest::addRow("Quit once the data file is saved") << "Quit1" << Work::StepsThenDataSaved << A::Cancel << false;
    QTest::addRow("Quit once the data file holds only some times") << "Quit1" << Work::StepsThenPartSaved << A::Cancel
                                                                   << true;
    QTest::addRow("Quit after Reset") << "Quit1" << Work::StepsThenReset << A::Cancel << false;
    QTest::addRow("Pool Saved Runs over steps, cancelled") << "PoolRuns1" << Work::Steps << A::Cancel << true;
    QTest::addRow("an example over steps, cancelled") << "Example2" << Work::Steps << A::Cancel << true;
    QTest::addRow("an example once the data file is saved") << "Example2" << Work::StepsThenDataSaved << A::Cancel
                                                            << false;
}

void TestShell::closing()
{
    QFETCH(QString, how);
    QFETCH(Work, work);
    QFETCH(Notifier::Answer, answer);
    QFETCH(bool, asked);
    Window win;
    QTemporaryDir dir;
    win.clickTab(1);
    if (work != Work::Nothing && work != Work::TypedCount)
        win.stepAndRemove(2);
    if (work == Work::TypedCount) {
        // The initial count typed over, and the field left with Tab.
        QVERIFY(QTest::qWaitForWindowActive(&win.w));
        win.clickTab(4);
        auto* field = named<QLineEdit>(&win.w, QStringLiteral("icount"));
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("7"));
        QTest::keyClick(field, Qt::Key_Tab);
    }
    if (work == Work::StepsThenPartSaved)
        named<QScrollBar>(&win.w, QStringLiteral("np"))->setValue(1);
    if (work == Work::StepsThenDataSaved || work == Work::StepsThenPartSaved)
        QVERIFY(win.w.tablePage()->saveTo(dir.filePath(QStringLiteral("run.txt"))));
    if (work == Work::StepsThenReset)
        QTest::mouseClick(named<QPushButton>(&win.w, QStringLiteral("restart")), Qt::LeftButton);
    const History before = win.sim().history;
    win.notifier.saveAnswer = answer;
    win.notifier.chosen = {dir.filePath(QStringLiteral("kept.vestor"))};
    if (how == QLatin1String("close"))
        win.w.close();
    else if (auto* button = win.w.findChild<QPushButton*>(how))
        button->click();
    else
        win.action(how)->trigger();

    QCOMPARE(win.notifier.questions.size(), asked ? 1 : 0);
    const bool goes = !asked || answer != Notifier::Answer::Cancel;
    if (how.startsWith(QLatin1String("Example")) || how.startsWith(QLatin1String("Pool")))
        QCOMPARE(win.sim().history == before, !goes);
    else
        QCOMPARE(win.w.isVisible(), !goes);
    if (answer == Notifier::Answer::Save)
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("kept.vestor"))).size() > 0);
}

// Automate waits while a dialog of the program is open, and goes on once it is closed.
void TestShell::automateWaitsForDialogs()
{
    Window win;
    win.clickTab(1);
    QTest::mouseClick(named<QCheckBox>(&win.w, QStringLiteral("Autocb")), Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(&win.w, QStringLiteral("startbt")), Qt::LeftButton);
    const int time = win.sim().timeIndex;
    int timeDuringDialog = -1;
    whenModal([&](QDialog* dialog) {
        win.w.chamberPage()->Timer1Timer();
        timeDuringDialog = win.sim().timeIndex;
        dialog->accept();
    });
    win.action(QStringLiteral("About1"))->trigger();
    QCOMPARE(timeDuringDialog, time);
    win.w.chamberPage()->Timer1Timer();
    QCOMPARE(win.sim().timeIndex, time + 1);
}

void TestShell::fileDialogs_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("pattern");  // in the first filter
    QTest::addRow("the table's Save") << 2 << "savebt" << "*.txt";
    QTest::addRow("Save Lesson As") << 0 << "SaveLessonAs1" << "*.vestor";
    QTest::addRow("Save Graph As") << 3 << "SaveGraphAs1" << "*.png";
    QTest::addRow("Pool Saved Runs: a spreadsheet's comma-separated file") << 0 << "PoolRuns1" << "*.csv";
    QTest::addRow("Pool Saved Runs: tab-separated") << 0 << "PoolRuns1" << "*.tsv";
}

// Every save asks before it replaces a file; Pool Saved Runs shows a class's spreadsheet files.
void TestShell::fileDialogs()
{
    QFETCH(int, page);
    QFETCH(QString, how);
    QFETCH(QString, pattern);
    Window win;
    win.clickTab(page);
    if (auto* button = win.w.findChild<QPushButton*>(how))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        win.action(how)->trigger();
    QVERIFY2(win.notifier.dialogFilters.value(0).contains(pattern), qPrintable(win.notifier.dialogFilters.join(';')));
    QVERIFY(how.startsWith(QLatin1String("Pool")) || win.notifier.dialogConfirmsOverwrite);
}

void TestShell::userName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("plain") << QStringLiteral("Ada");
    QTest::addRow("blanks kept") << QStringLiteral("  Ada Lovelace ");
    QTest::addRow("empty") << QString();
}

void TestShell::userName()
{
    QFETCH(QString, name);
    Window win;
    TWhoami* dialog = win.w.whoami();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("I am ...."));
    auto* iam = named<QLineEdit>(dialog, QStringLiteral("Iam"));
    auto* ok = named<QPushButton>(dialog, QStringLiteral("Button1"));
    dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_COMPARE(QApplication::focusWidget(), iam);
    QTest::keyClicks(iam, name);
    QTest::keyClick(iam, Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->userName(), name);

    // Reopened with the focus left elsewhere: the name is there and the field has the focus.
    ok->setFocus();
    dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_COMPARE(QApplication::focusWidget(), iam);
    QCOMPARE(iam->text(), name);
    ok->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->userName(), name);
}

// Opened from the keyboard with the main window moved aside: the dialog stands in the middle of
// the screen, and every way of closing it keeps the name.
void TestShell::userNamePlaced_data()
{
    QTest::addColumn<Qt::Key>("close");
    QTest::addRow("Esc") << Qt::Key_Escape;
    QTest::addRow("Enter") << Qt::Key_Return;
    QTest::addRow("Ok clicked") << Qt::Key_unknown;
}

void TestShell::userNamePlaced()
{
    QFETCH(Qt::Key, close);
    Window win;
    win.w.move(win.w.x() + 40, win.w.y() + 30);
    win.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&win.w));
    QRect frame, area;
    whenModal([&](QDialog* dialog) {
        frame = dialog->frameGeometry();
        area = dialog->screen()->geometry();
        auto* iam = named<QLineEdit>(dialog, QStringLiteral("Iam"));
        QTest::keyClicks(iam, QStringLiteral(" Ada "));
        if (close == Qt::Key_unknown)
            QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("Button1")), Qt::LeftButton);
        else
            QTest::keyClick(iam, close);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_U);
    QCOMPARE(frame.topLeft(), QPoint(area.x() + (area.width() - frame.width()) / 2,
                                     area.y() + (area.height() - frame.height()) / 2));
    QCOMPARE(win.w.whoami()->result(), int(QDialog::Accepted));
    QCOMPARE(win.w.whoami()->userName(), QStringLiteral(" Ada "));
}

void TestShell::aboutTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("product") << QStringLiteral("Vestor");
    QTest::addRow("version") << QStringLiteral("Version 0.8");
    QTest::addRow("comment") << QStringLiteral("Vestor: For Lab or Demonstration.");
}

void TestShell::aboutTexts()
{
    QFETCH(QString, text);
    Window win;
    AboutBox* box = win.w.aboutBox();
    QCOMPARE(box->windowTitle(), QStringLiteral("About"));
    QStringList texts;
    for (QLabel* label : box->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY2(texts.contains(text), qPrintable(texts.join(QLatin1Char('|'))));
}

// The window's icon and the About box's are painted only when first asked for; both must then
// hold the drawing, at the size asked.
void TestShell::programIconDrawn_data()
{
    QTest::addColumn<bool>("aboutBox");
    QTest::addColumn<int>("side");
    QTest::addRow("window 16") << false << 16;
    QTest::addRow("window 64") << false << 64;
    QTest::addRow("About box") << true << 32;
}

void TestShell::programIconDrawn()
{
    QFETCH(bool, aboutBox);
    QFETCH(int, side);
    Window win;
    QImage icon;
    if (aboutBox) {
        AboutBox* box = win.w.aboutBox();
        auto* label = named<QLabel>(box, QStringLiteral("ProgramIcon"));
        QVERIFY(label->pixmap().isNull());
        box->show();
        icon = label->pixmap().toImage();
        box->hide();
    } else {
        icon = win.w.windowIcon().pixmap(side, side).toImage();
    }
    QCOMPARE(icon.size(), QSize(side, side));
    // The green particle sits in the middle; the corners stay transparent around the rounded frame.
    QCOMPARE(QColor(icon.pixel(side / 2, side / 2)), QColor(Qt::green));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
}

// A number typed beside a bar, and Enter or a click on another page's tab: the bar moves there
// and does what it does when dragged; anything else is refused and nothing moves.
void TestShell::typedBesideBars_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leaveFor");  // the page whose tab is clicked; -1: Enter
    QTest::addColumn<bool>("automate");
    QTest::addColumn<int>("position");  // -1: refused
    QTest::addColumn<QString>("shows");  // the field after, or the refusal's words
    QTest::addRow("initial number, then the chamber") << 0 << "NPe1" << "NPsb1" << "500" << 1 << false << 500 << "500";
    QTest::addRow("percentage with its sign") << 0 << "HLe1" << "HLsb1" << " 37% " << -1 << false << 37 << "37%";
    QTest::addRow("sides of the die") << 0 << "numsides" << "sides" << "4" << -1 << false << 4 << "4";
    QTest::addRow("beyond the pool") << 0 << "NPe1" << "NPsb1" << "1200" << 3 << false << -1
                                     << "Initial number of nuclide 1: \"1200\" is not a whole number from 1 to 1000";
    QTest::addRow("no number") << 0 << "HLe1" << "HLsb1" << "half" << -1 << false << -1 << "from 1% to 100%";
    QTest::addRow("part of a particle") << 0 << "NPe1" << "NPsb1" << "4.5" << -1 << false << -1 << "\"4.5\"";
    QTest::addRow("half-life of the curve") << 3 << "he" << "h" << "3.1" << 4 << false << 124 << "3.10";
    QTest::addRow("half-life past the bar") << 3 << "he" << "h" << "13" << -1 << false << -1 << "from 0.03 to 12.50";
    QTest::addRow("initial count of the curve") << 3 << "yshifte" << "yshift" << "410" << -1 << false << 10 << "410";
    QTest::addRow("data points while Automate runs") << 4 << "maxp" << "np" << "60" << 3 << true << 60 << "60";
}

void TestShell::typedBesideBars()
{
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, bar);
    QFETCH(QString, typed);
    QFETCH(int, leaveFor);
    QFETCH(bool, automate);
    QFETCH(int, position);
    QFETCH(QString, shows);
    Window win;
    QVERIFY(QTest::qWaitForWindowActive(&win.w));
    if (automate) {
        win.clickTab(1);
        QTest::mouseClick(named<QCheckBox>(&win.w, QStringLiteral("Autocb")), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(&win.w, QStringLiteral("startbt")), Qt::LeftButton);
    }
    win.clickTab(page);
    auto* edit = named<QLineEdit>(&win.w, field);
    auto* slider = named<QScrollBar>(&win.w, bar);
    const QString before = edit->text();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, typed);
    // The steps Automate takes meanwhile move the bar, not what the teacher is typing.
    if (automate)
        QTRY_VERIFY(slider->value() > 1);
    QCOMPARE(edit->text(), typed);
    const int moved = slider->value();
    if (leaveFor < 0)
        QTest::keyClick(edit, Qt::Key_Return);
    else
        win.clickTab(leaveFor);
    QCOMPARE(slider->value(), position < 0 ? moved : position);
    QCOMPARE(win.notifier.warnings.size(), position < 0 ? 1 : 0);
    QCOMPARE(edit->text(), position < 0 ? before : shows);
    if (position < 0)
        QVERIFY2(win.notifier.warnings[0].contains(shows), qPrintable(win.notifier.warnings[0]));
    // A settings page left starts the run it sets.
    if (page == 0 && leaveFor > 0)
        QCOMPARE(win.sim().particleTotal, named<QScrollBar>(&win.w, QStringLiteral("NPsb1"))->value());
}

void TestShell::sizeFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("percent");
    QTest::addRow("1366 x 768") << QSize(1366, 768) << 125;
    QTest::addRow("1280 x 800") << QSize(1280, 800) << 125;
    QTest::addRow("1920 x 1080") << QSize(1920, 1080) << 175;
    QTest::addRow("too small") << QSize(1024, 600) << 0;
}

void TestShell::sizeFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(int, percent);
    Window win;
    QCOMPARE(fittingSize(screen, win.w.frameGeometry().size()), percent);
    // Opened on this screen, the menu offers what fits it; a size that does not fit says what it needs.
    auto* menu = named<QMenu>(&win.w, QStringLiteral("Size1"));
    emit menu->aboutToShow();
    const int fits = fittingSize(win.w.screen()->availableSize(), win.w.frameGeometry().size());
    QVERIFY(win.action(QStringLiteral("SizeFit"))->text().contains(fits ? QString::number(fits) : "none"));
    for (QAction* a : menu->actions())
        if (a->isCheckable())
            QCOMPARE(a->toolTip().startsWith(QLatin1String("Needs a screen of at least")), !a->isEnabled());
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
