// The configuration page and the Set Data dialog, driven through the real main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "app/mainwindow.h"
#include "config/configpage.h"
#include "config/setdatadialog.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "table/datatablepage.h"
#include "support/shownwindow.h"

using namespace vestor;
using vestor::test::named;

namespace {

struct Window : test::ShownWindow {
    Window() : ShownWindow(7) {}
};

// One user action on `root`: "bar=position", "list=length" (chosen as the user does, so the
// list reports an activation even for the same entry), "tab:name" (focus the control, then
// tab out of it), or the name of a button to click or a hidden menu item to trigger.
void apply(QWidget* root, const QString& move)
{
    if (move.startsWith(QLatin1String("tab:"))) {
        QWidget* top = root->window();
        auto* from = named<QWidget>(root, move.mid(4));
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top));
        from->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(from->hasFocus());
        QTest::keyClick(from, Qt::Key_Tab);
        QTRY_VERIFY(!from->hasFocus());
        return;
    }
    const QStringList parts = move.split(QLatin1Char('='));
    QObject* target = root->findChild<QObject*>(parts[0]);
    if (!target)
        target = root->window()->findChild<QObject*>(parts[0]);
    QVERIFY2(target, qPrintable(move));
    if (auto* bar = qobject_cast<QScrollBar*>(target)) {
        bar->setValue(parts.value(1).toInt());
    } else if (auto* list = qobject_cast<QComboBox*>(target)) {
        const int index = parts.value(1).toInt() - 1;
        list->setCurrentIndex(index);
        emit list->activated(index);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->click();
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->trigger();
    } else {
        QFAIL(qPrintable(QStringLiteral("cannot apply ") + move));
    }
}

void applyAll(QWidget* root, const QStringList& moves)
{
    for (const QString& move : moves) {
        if (move.startsWith(QLatin1String("dlg:")))
            apply(root->window()->findChild<TGetDataFR*>(), move.mid(4));
        else
            apply(root, move);
        if (QTest::currentTestFailed())
            return;
    }
}

// "name=text" compares a read-out's text or a bar's position, "name.max=n" a bar's maximum.
void expect(QWidget* root, const QStringList& expectations)
{
    for (const QString& e : expectations) {
        const qsizetype eq = e.indexOf(QLatin1Char('='));
        QString name = e.left(eq);
        const QString want = e.mid(eq + 1);
        const bool maximum = name.endsWith(QLatin1String(".max"));
        if (maximum)
            name.chop(4);
        QString got;
        if (auto* edit = root->findChild<QLineEdit*>(name)) {
            got = edit->text();
        } else {
            auto* bar = named<QScrollBar>(root, name);
            got = QString::number(maximum ? bar->maximum() : bar->value());
        }
        QVERIFY2(got == want, qPrintable(QStringLiteral("%1, got %2").arg(e, got)));
    }
}

int bar(QWidget* root, const QString& name)
{
    return named<QScrollBar>(root, name)->value();
}

// What every rule must keep: the pool of 1000 and decay values within the die.
void expectInvariants(QWidget* root)
{
    int total = 0;
    for (int i = 1; i <= 5; ++i) {
        total += bar(root, QStringLiteral("NPsb%1").arg(i));
        QVERIFY(bar(root, QStringLiteral("numdicesb%1").arg(i)) <= bar(root, QStringLiteral("sides")));
        QCOMPARE(named<QLineEdit>(root, QStringLiteral("NPe%1").arg(i))->text(),
                 QString::number(bar(root, QStringLiteral("NPsb%1").arg(i))));
        QCOMPARE(named<QLineEdit>(root, QStringLiteral("decayvalue%1").arg(i))->text(),
                 QString::number(bar(root, QStringLiteral("numdicesb%1").arg(i))));
    }
    QVERIFY(total <= 1000);
    QVERIFY(bar(root, QStringLiteral("NPsb1")) >= 1);
}

// The ten controls that make up row i of the series.
QList<QWidget*> rowControls(MainWindow& w, int i)
{
    QList<QWidget*> controls{named<QWidget>(w.graphPage(), QStringLiteral("p%1cb").arg(i))};
    for (const char* stem : {"HLsb", "HLe", "NPsb", "NPe", "numdicesb", "decayvalue", "nplb", "dblb", "dclb"})
        controls << named<QWidget>(w.configPage(), QLatin1String(stem) + QString::number(i));
    return controls;
}

}  // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void rules_data();
    void rules();
    void seriesLength_data();
    void seriesLength();
    void changeMarksConfiguration_data();
    void changeMarksConfiguration();
    void decayThreshold_data();
    void decayThreshold();
    void seriesLengthWaitsForReset_data();
    void seriesLengthWaitsForReset();
    void equationBase_data();
    void equationBase();
    void showEquation_data();
    void showEquation();
    void setDataAtStart();
    void setDataOk_data();
    void setDataOk();
};

void TestConfig::startUpState()
{
    Window win;
    ConfigPage* page = win.w.configPage();
    QCOMPARE(named<QComboBox>(page, QStringLiteral("dc"))->currentIndex(), 0);
    QVERIFY(!win.w.configChanged());
    QVERIFY(named<QRadioButton>(page, QStringLiteral("RadioButton2"))->isChecked());
    QVERIFY(!named<QRadioButton>(page, QStringLiteral("RadioButton1"))->isChecked());
    QVERIFY(named<QRadioButton>(page, QStringLiteral("Percentrb"))->isChecked());
    QVERIFY(named<QCheckBox>(page, QStringLiteral("showecb"))->isChecked());
    QCOMPARE(win.w.focusWidget(), named<QWidget>(page, QStringLiteral("NPsb1")));
    expect(page, {"NPsb1=400", "NPe1=400", "NPsb2.max=600", "NPsb3.max=600", "NPsb4.max=600", "NPsb5.max=600",
                  "NPe2=0", "HLe1=50%", "HLe5=50%", "numsides=6", "decayvalue1=3", "decayvalue5=3"});
    for (int i = 1; i <= 5; ++i) {
        for (QWidget* control : rowControls(win.w, i))
            QVERIFY2(control->isEnabled() == (i == 1), qPrintable(control->objectName()));
        QCOMPARE(named<QWidget>(win.w.tablePage(), QStringLiteral("p1%1cb").arg(i))->isEnabled(), i == 1);
    }
    QCOMPARE(win.sim().seriesLength, 1);
    QCOMPARE(win.sim().nuclideCount[1], 400);
}

void TestConfig::rules_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* tag, bool dialog, const QStringList& moves, const QStringList& expected) {
        QTest::newRow(tag) << dialog << moves << expected;
    };
    const QStringList allTwo{"decayvalue1=2", "decayvalue2=2", "decayvalue3=2", "decayvalue4=2", "decayvalue5=2"};
    row("sides 6 to 2 narrows every decay value", false, {"sides=2"},
        allTwo + QStringList{"numsides=2", "numdicesb5.max=2"});
    row("raising the sides again keeps 2", false, {"sides=2", "sides=40"},
        allTwo + QStringList{"numsides=40", "numdicesb1.max=40"});
    row("sides below one value moves only that one", false, {"numdicesb4=6", "sides=4"},
        {"decayvalue4=4", "decayvalue3=3", "numsides=4"});
    row("sides above every value moves none", false, {"numdicesb2=5", "sides=5"}, {"decayvalue2=5", "decayvalue1=3"});
    row("nuclide 1 takes the whole pool", false, {"NPsb1=1000"},
        {"NPe1=1000", "NPsb2.max=0", "NPsb3.max=0", "NPsb4.max=0", "NPsb5.max=0", "NPsb2=0", "NPsb5=0"});
    row("400/600, P1 to 500", false, {"NPsb2=600", "NPsb1=500"},
        {"NPsb2=500", "NPe2=500", "NPsb2.max=500", "NPsb3.max=0"});
    row("300/300/400, P1 to 600", false, {"NPsb1=300", "NPsb2=300", "NPsb3=400", "NPsb1=600"},
        {"NPsb2=300", "NPsb2.max=400", "NPsb3=100", "NPe3=100", "NPsb3.max=100", "NPsb4.max=0"});
    row("300/700, P1 to 600", false, {"NPsb1=300", "NPsb2=700", "NPsb1=600"},
        {"NPsb2=400", "NPe2=400", "NPsb3.max=0", "NPsb4.max=0", "NPsb5.max=0"});
    row("lowering P1 widens the rows below", false, {"NPsb2=600", "NPsb1=100"},
        {"NPsb2=600", "NPsb2.max=900", "NPsb3.max=300"});
    row("percentage 37", false, {"HLsb1=37"}, {"HLe1=37%", "HLe2=50%"});
    row("percentage of a row outside the series", false, {"HLsb5=100"}, {"HLe5=100%"});
    row("decay value", false, {"numdicesb2=5"}, {"decayvalue2=5", "decayvalue1=3"});
    row("Set Data: percentage", true, {"HLsb2=37"}, {"HLe2=37%", "HLe1=50%"});
    row("Set Data: decay value", true, {"numdicesb4=5"}, {"decayvalue4=5", "decayvalue1=3"});
    row("Set Data: sides 6 to 2", true, {"sides=2"}, allTwo + QStringList{"numsides=2"});
    row("Set Data: sides 2, then 40", true, {"sides=2", "sides=40"},
        {"numsides=40", "decayvalue3=2", "numdicesb3.max=40"});
    row("Set Data: first row lowered", true, {"NPsb1=150"},
        {"NPe1=150", "NPsb2.max=850", "NPsb3.max=850", "NPsb4.max=850", "NPsb5.max=850"});
    row("Set Data: rows above count", true, {"NPsb1=100", "NPsb2=300"},
        {"NPe2=300", "NPsb3.max=600", "NPsb5.max=600"});
    row("Set Data: first row raised squeezes the second", true, {"NPsb1=100", "NPsb2=900", "NPsb1=200"},
        {"NPsb2=800", "NPe2=800", "NPsb2.max=800", "NPsb3.max=0", "NPsb5.max=0"});
}

void TestConfig::rules()
{
    QFETCH(bool, dialog);
    QFETCH(QStringList, moves);
    QFETCH(QStringList, expected);
    Window win;
    QWidget* root = dialog ? static_cast<QWidget*>(win.w.setDataDialog()) : win.w.configPage();
    const Settings page = win.w.configPage()->settings();
    applyAll(root, moves);
    expect(root, expected);
    expectInvariants(root);
    if (dialog) {
        // The dialog's controls are its own: the page and the main window's flag stay.
        QVERIFY(win.w.setDataDialog()->changed());
        QVERIFY(!win.w.configChanged());
        QVERIFY(win.w.configPage()->settings().initial == page.initial);
        QVERIFY(win.w.configPage()->settings().percent == page.percent);
        QCOMPARE(win.w.configPage()->settings().sides, page.sides);
    } else {
        QVERIFY(win.w.configChanged());
    }
}

void TestConfig::seriesLength_data()
{
    QTest::addColumn<QList<int>>("lengths");
    QTest::addRow("3, 1, 3") << QList<int>{3, 1, 3};
    QTest::addRow("3 then 1") << QList<int>{3, 1};
    QTest::addRow("5 then 2") << QList<int>{5, 2};
    QTest::addRow("up to 4") << QList<int>{4};
}

void TestConfig::seriesLength()
{
    QFETCH(QList<int>, lengths);
    Window win;
    ConfigPage* page = win.w.configPage();
    applyAll(page, {"HLsb2=12", "HLsb3=13", "NPsb2=100", "NPsb3=100", "NPsb4=100", "NPsb5=100", "numdicesb3=5"});
    for (int length : lengths)
        apply(page, QStringLiteral("dc=%1").arg(length));
    const int length = lengths.last();
    for (int i = 1; i <= 5; ++i) {
        for (QWidget* control : rowControls(win.w, i))
            QVERIFY2(control->isEnabled() == (i <= length), qPrintable(control->objectName()));
        QCOMPARE(named<QWidget>(win.w.tablePage(), QStringLiteral("p1%1cb").arg(i))->isEnabled(), i <= length);
    }
    // Rows left out keep their positions.
    expect(page, {"HLsb2=12", "HLe3=13%", "NPsb2=100", "NPsb5=100", "decayvalue3=5"});
    // The next page change starts a run of the chosen series.
    win.page(1);
    QCOMPARE(win.sim().seriesLength, length);
    QCOMPARE(win.sim().particleTotal, 400 + 100 * (length - 1));
}

void TestConfig::changeMarksConfiguration_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<bool>("marks");
    QTest::addRow("same series length again") << QStringList{"dc=1"} << false;
    QTest::addRow("tabbing out of the series list") << QStringList{"tab:dc"} << false;
    QTest::addRow("another series length") << QStringList{"dc=2"} << true;
    QTest::addRow("decay type there and back") << QStringList{"dicerb", "Percentrb"} << true;
    QTest::addRow("percentage") << QStringList{"HLsb1=49"} << true;
    QTest::addRow("initial number") << QStringList{"NPsb1=399"} << true;
    QTest::addRow("sides") << QStringList{"sides=7"} << true;
    QTest::addRow("decay value") << QStringList{"numdicesb1=2"} << true;
    QTest::addRow("equation base") << QStringList{"RadioButton1"} << false;
    QTest::addRow("show equation") << QStringList{"showecb"} << false;
}

void TestConfig::changeMarksConfiguration()
{
    QFETCH(QStringList, moves);
    QFETCH(bool, marks);
    Window win;
    QCOMPARE(win.step(), 2);
    QVERIFY(!win.w.configChanged());
    applyAll(win.w.configPage(), moves);
    QCOMPARE(win.w.configChanged(), marks);
    win.page(2);
    QCOMPARE(win.sim().timeIndex, marks ? 1 : 2);
    QVERIFY(!win.w.configChanged());
}

void TestConfig::decayThreshold_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<double>("threshold");
    QTest::addRow("dice 1 of 40") << QStringList{"sides=40", "numdicesb1=1", "dicerb"} << 2.5;
    QTest::addRow("dice 1 of 3") << QStringList{"sides=3", "numdicesb1=1", "dicerb"} << 100.0 / 3;
    QTest::addRow("dice narrowed to 2 of 2") << QStringList{"sides=2", "dicerb"} << 100.0;
    QTest::addRow("percentage 37") << QStringList{"HLsb1=37"} << 37.0;
    QTest::addRow("dice ignores the percentage") << QStringList{"HLsb1=37", "dicerb"} << 50.0;
    QTest::addRow("back to percentage") << QStringList{"sides=40", "dicerb", "Percentrb", "HLsb1=37"} << 37.0;
}

void TestConfig::decayThreshold()
{
    QFETCH(QStringList, moves);
    QFETCH(double, threshold);
    Window win;
    applyAll(win.w.configPage(), moves);
    win.page(1);
    QCOMPARE(win.sim().decayThreshold[1], threshold);
}

void TestConfig::seriesLengthWaitsForReset_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<int>("lengthAfterReset");
    QTest::addRow("series list") << QStringList{"dc=3"} << 3;
    QTest::addRow("series list, then sides") << QStringList{"dc=3", "sides=10"} << 3;
    QTest::addRow("sides only") << QStringList{"sides=10"} << 1;
    QTest::addRow("Set Data dialog") << QStringList{"dlg:dc=4", "dlg:sides=10"} << 1;
}

void TestConfig::seriesLengthWaitsForReset()
{
    QFETCH(QStringList, moves);
    QFETCH(int, lengthAfterReset);
    Window win;
    applyAll(win.w.configPage(), {"NPsb2=100", "NPsb3=100"});
    win.page(1);
    QCOMPARE(win.sim().seriesLength, 1);
    QCOMPARE(win.sim().particleTotal, 400);
    applyAll(win.w.configPage(), moves);
    QCOMPARE(win.sim().seriesLength, 1);
    // The automatic run goes on with the particles it has.
    for (int tick = 1; tick <= 5; ++tick) {
        win.w.chamberPage()->Timer1Timer();
        QCOMPARE(win.sim().seriesLength, 1);
        QVERIFY(win.sim().invariantHolds());
        QCOMPARE(win.sim().timeIndex, 1 + tick);
    }
    win.page(0);
    QCOMPARE(win.sim().seriesLength, lengthAfterReset);
    QVERIFY(win.sim().invariantHolds());
}

void TestConfig::equationBase_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("tail");
    const QString half = QStringLiteral("*0.5");
    const QString e = QStringLiteral("*e");
    QTest::addRow("0.5") << QStringList{"RadioButton1"} << half;
    QTest::addRow("0.5, then e") << QStringList{"RadioButton1", "RadioButton2"} << e;
    QTest::addRow("e, already checked") << QStringList{"RadioButton2"} << e;
    QTest::addRow("hidden item 0.5") << QStringList{"N051"} << half;
    QTest::addRow("hidden items 0.5, then e") << QStringList{"N051", "e1"} << e;
}

void TestConfig::equationBase()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, tail);
    Window win;
    QCOMPARE(win.step(), 2);
    const auto history = win.sim().history;
    auto* equation = named<QLabel>(win.w.graphPage(), QStringLiteral("initially"));
    QVERIFY(equation->text().endsWith(QLatin1String("*e")));
    applyAll(win.w.configPage(), moves);
    QVERIFY2(equation->text().endsWith(tail), qPrintable(equation->text()));
    const bool baseE = tail == QLatin1String("*e");
    QCOMPARE(win.w.findChild<QAction*>(QStringLiteral("e1"))->isChecked(), baseE);
    QCOMPARE(win.w.findChild<QAction*>(QStringLiteral("N051"))->isChecked(), !baseE);
    QCOMPARE(win.w.graphPage()->baseE(), baseE);
    // The run goes on: neither now nor at the next page change.
    QVERIFY(!win.w.configChanged());
    win.page(3);
    QCOMPARE(win.sim().timeIndex, 2);
    QVERIFY(win.sim().history == history);
}

void TestConfig::showEquation_data()
{
    QTest::addColumn<bool>("graphed");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("shownNow");
    QTest::addColumn<bool>("shownWhenGraphedAgain");
    QTest::addRow("graphed, hidden") << true << 1 << false << false;
    QTest::addRow("graphed, hidden and shown") << true << 2 << true << true;
    QTest::addRow("not graphed, hidden") << false << 1 << false << false;
    QTest::addRow("not graphed, hidden and shown") << false << 2 << false << true;
}

void TestConfig::showEquation()
{
    QFETCH(bool, graphed);
    QFETCH(int, clicks);
    QFETCH(bool, shownNow);
    QFETCH(bool, shownWhenGraphedAgain);
    Window win;
    GraphPage* graph = win.w.graphPage();
    auto* p1 = named<QCheckBox>(graph, QStringLiteral("p1cb"));
    auto* initially = named<QLabel>(graph, QStringLiteral("initially"));
    auto* kvalue = named<QLabel>(graph, QStringLiteral("kvalue"));
    QVERIFY(initially->isVisibleTo(graph));
    if (!graphed) {
        p1->click();
        QVERIFY(!initially->isVisibleTo(graph));
    }
    const QImage before = graph->image();
    for (int c = 0; c < clicks; ++c)
        named<QCheckBox>(win.w.configPage(), QStringLiteral("showecb"))->click();
    QCOMPARE(initially->isVisibleTo(graph), shownNow);
    QCOMPARE(kvalue->isVisibleTo(graph), shownNow);
    QVERIFY(graph->image() == before);
    QVERIFY(!win.w.configChanged());
    if (graphed)
        p1->click();
    p1->click();
    QVERIFY(p1->isChecked());
    QCOMPARE(initially->isVisibleTo(graph), shownWhenGraphedAgain);
    QCOMPARE(kvalue->isVisibleTo(graph), shownWhenGraphedAgain);
}

void TestConfig::setDataAtStart()
{
    Window win;
    TGetDataFR* dialog = win.w.setDataDialog();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Set Data"));
    QCOMPARE(dialog->selectedLength(), 1);
    QCOMPARE(win.sim().seriesLength, 1);
    expect(dialog, {"NPsb1=200", "NPe1=200", "NPsb2=0", "NPe2=0", "NPsb2.max=200", "NPsb5.max=200", "HLe3=50%",
                    "numsides=6", "decayvalue1=3", "decayvalue5=3", "numdicesb5.max=6"});
    QCOMPARE(named<QComboBox>(dialog, QStringLiteral("dc"))->currentText(), QStringLiteral("1"));
}

void TestConfig::setDataOk_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<int>("timeIndex");
    QTest::addRow("untouched") << QStringList{} << 2;
    QTest::addRow("percentage") << QStringList{"HLsb1=37"} << 1;
    QTest::addRow("series length") << QStringList{"dc=3"} << 1;
    QTest::addRow("same series length") << QStringList{"dc=1"} << 1;
    QTest::addRow("initial number") << QStringList{"NPsb1=150"} << 1;
}

void TestConfig::setDataOk()
{
    QFETCH(QStringList, moves);
    QFETCH(int, timeIndex);
    Window win;
    QCOMPARE(win.step(), 2);
    TGetDataFR* dialog = win.w.setDataDialog();
    dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QVERIFY(!dialog->changed());
    applyAll(dialog, moves);
    named<QPushButton>(dialog, QStringLiteral("Button1"))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(win.sim().timeIndex, timeIndex);
    // A Reset reads the configuration page, never the dialog.
    QCOMPARE(win.sim().seriesLength, 1);
    QCOMPARE(win.sim().particleTotal, 400);
    QCOMPARE(win.sim().decayThreshold[1], 50.0);
}

QTEST_MAIN(TestConfig)
#include "test_config.moc"
