// The decay chamber page in the real main window: legend, run control and the pixels of the
// chamber and the decayed panel.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "ui/uicommon.h"
#include "config/configpage.h"
#include "chamber/chamberpage.h"
#include "table/grapheditorpage.h"
#include "support/shownwindow.h"

using namespace vestor;
using vestor::test::named;

namespace {

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);

// The window after start-up, on the chamber page, with messages recorded.
struct Window : test::ShownWindow {
    explicit Window(std::uint64_t seed) : ShownWindow(seed)
    {
        // Changing page here, before any setting is touched, runs no extra Reset.
        ShownWindow::page(1);
    }
    ChamberPage* page() const { return w.chamberPage(); }
    QPushButton* button(const char* name) const { return named<QPushButton>(page(), QString::fromLatin1(name)); }
    QString count(int k) const { return named<QLineEdit>(page(), QStringLiteral("de%1").arg(k))->text(); }
    QScrollBar* np() const { return w.editorPage()->np(); }
    const QImage& chamber() const { return w.chamberPage()->images().chamber; }
    const QImage& panel() const { return w.chamberPage()->images().panel; }

    // Sets the series on the configuration page and presses Reset.
    void configure(int length, const QList<int>& initial, int percent)
    {
        ConfigPage* cfg = w.configPage();
        named<QComboBox>(cfg, QStringLiteral("dc"))->setCurrentIndex(length - 1);
        for (int k = kMaxNuclides; k >= 2; --k)
            named<QScrollBar>(cfg, QStringLiteral("NPsb%1").arg(k))->setValue(0);
        for (int k = 1; k <= kMaxNuclides; ++k) {
            named<QScrollBar>(cfg, QStringLiteral("NPsb%1").arg(k))->setValue(initial.value(k - 1));
            named<QScrollBar>(cfg, QStringLiteral("HLsb%1").arg(k))->setValue(percent);
        }
        button("restart")->click();
    }
};

// Highest pool index among the white particles still in the chamber: drawn last, so whole.
int lastWaiting(const Simulation& sim)
{
    for (int i = sim.particleTotal; i >= 1; --i)
        if (sim.particles[i].color == kWhite && sim.particles[i].x != kRemovedX)
            return i;
    return 0;
}

QRgb centre(const QImage& image, int x, int y, int size)
{
    return image.pixel(x + size / 2, y + size / 2);
}

QRgb topRim(const QImage& image, int x, int y, int size)
{
    return image.pixel(x + size / 2, y);
}

QRgb bottomRim(const QImage& image, int x, int y, int size)
{
    return image.pixel(x + size / 2, y + size - 1);
}

QRgb leftRim(const QImage& image, int x, int y, int size)
{
    return image.pixel(x, y + size / 2);
}

}  // namespace

class TestChamber : public QObject {
    Q_OBJECT

private slots:
    void startUp();
    void legend_data();
    void legend();
    void shownCounts_data();
    void shownCounts();
    void manualCycle();
    void stacking_data();
    void stacking();
    void automaticRunToEnd();
    void automaticControl_data();
    void automaticControl();
};

void TestChamber::startUp()
{
    Window win(101);
    const Simulation& sim = win.sim();
    QCOMPARE(sim.particleTotal, 400);
    QCOMPARE(sim.particleSize, 10);
    QCOMPARE(win.count(1), QStringLiteral("400"));
    for (int i = 1; i <= 400; ++i) {
        const Particle& p = sim.particles[i];
        QCOMPARE(p.color, kBlack);
        QCOMPARE(centre(win.chamber(), p.x, p.y, 10), kBlackPixel);
    }
    // Run control at rest: Remove under Time, no Start/Stop, timer stopped.
    QCOMPARE(win.button("Removebt")->x(), 296);
    QCOMPARE(win.button("Nextbt")->x(), 296);
    QVERIFY(win.button("startbt")->isHidden());
    QVERIFY(!named<QCheckBox>(win.page(), QStringLiteral("Autocb"))->isChecked());
    QVERIFY(!win.page()->timer()->isActive());
}

void TestChamber::legend_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");

    QTest::addRow("one nuclide") << 1 << QList<int>{400};
    QTest::addRow("400, 0, 0 in a series of three") << 3 << QList<int>{400, 0, 0};
    QTest::addRow("five nuclides") << 5 << QList<int>{100, 100, 100, 100, 100};
}

void TestChamber::legend()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);

    Window win(102);
    win.configure(length, initial, 50);
    const Simulation& sim = win.sim();
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const bool inSeries = k <= length;
        auto* disc = named<LegendDisc>(win.page(), QStringLiteral("d%1").arg(k));
        auto* field = named<QLineEdit>(win.page(), QStringLiteral("de%1").arg(k));
        QCOMPARE(disc->isVisible(), inSeries);
        QCOMPARE(field->isVisible(), inSeries);
        QCOMPARE(disc->color(), kDefaultColors[k]);
        QCOMPARE(field->text(), QString::number(inSeries ? initial.value(k - 1) : 0));
    }
    // Each particle sits in the chamber in its nuclide's colour.
    for (int i = 1; i <= sim.particleTotal; ++i) {
        const Particle& p = sim.particles[i];
        QCOMPARE(centre(win.chamber(), p.x, p.y, sim.particleSize), toQColor(p.color).rgb());
    }
}

void TestChamber::shownCounts_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("steps");

    QTest::addRow("two nuclides") << 2 << QList<int>{300, 100} << 30 << 15;
    QTest::addRow("five nuclides") << 5 << QList<int>{200, 200, 200, 200, 200} << 40 << 15;
    // 1000 particles at 1% outlast the 99 steps a run may take.
    QTest::addRow("one nuclide to the time limit") << 1 << QList<int>{1000} << 1 << 99;
}

void TestChamber::shownCounts()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);
    QFETCH(int, percent);
    QFETCH(int, steps);

    Window win(103);
    win.configure(length, initial, percent);
    const Simulation& sim = win.sim();
    for (int s = 1; s <= steps; ++s) {
        win.button("Nextbt")->click();
        QCOMPARE(sim.timeIndex, s + 1);
        QCOMPARE(win.np()->value(), s);
        for (int k = 1; k <= kMaxNuclides; ++k) {
            if (k <= length) {
                QCOMPARE(win.count(k), QString::number(sim.history[s + 1][k]));
                QCOMPARE(sim.history[s + 1][k], sim.nuclideCount[k]);
            } else {
                QCOMPARE(win.count(k), QStringLiteral("0"));
            }
        }
        win.button("Removebt")->click();
    }
    if (sim.timeIndex < 100)
        return;
    // At the limit a Time press changes nothing, not even the number of data points.
    win.np()->setValue(5);
    const auto history = sim.history;
    const QString shown = win.count(1);
    win.button("Nextbt")->click();
    QCOMPARE(sim.timeIndex, 100);
    QCOMPARE(win.np()->value(), 5);
    QVERIFY(sim.history == history);
    QCOMPARE(win.count(1), shown);
}

void TestChamber::manualCycle()
{
    Window win(104);
    win.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&win.w));
    Simulation& sim = win.sim();
    QPushButton* next = win.button("Nextbt");
    QPushButton* remove = win.button("Removebt");

    next->click();
    const int waiting = sim.nuclideCount[2];
    QVERIFY(waiting > 0);
    QCOMPARE(remove->x(), 456);
    QTRY_VERIFY(remove->hasFocus());
    QCOMPARE(win.np()->value(), 1);
    const QString shown = win.count(1);
    QCOMPARE(shown, QString::number(400 - waiting));

    // The decayed disc drawn last is whole: white inside, black rim.
    const int last = lastWaiting(sim);
    QVERIFY(last > 0);
    const Particle decayed = sim.particles[last];
    QCOMPARE(centre(win.chamber(), decayed.x, decayed.y, 10), kWhitePixel);
    QCOMPARE(topRim(win.chamber(), decayed.x, decayed.y, 10), kBlackPixel);
    QCOMPARE(leftRim(win.chamber(), decayed.x, decayed.y, 10), kBlackPixel);

    // Time is refused until the end products are removed.
    next->click();
    QCOMPARE(sim.timeIndex, 2);
    QCOMPARE(sim.nuclideCount[2], waiting);
    QCOMPARE(win.np()->value(), 1);
    QCOMPARE(win.count(1), shown);

    std::vector<Particle> before(sim.particles.begin(), sim.particles.end());
    remove->click();
    QCOMPARE(remove->x(), 296);
    QTRY_VERIFY(next->hasFocus());
    QCOMPARE(sim.nuclideCount[2], 0);
    QCOMPARE(sim.removedCount, waiting);
    QCOMPARE(win.count(1), shown);
    QCOMPARE(sim.history[2][1], 400 - waiting);
    for (int i = 1; i <= 400; ++i) {
        if (sim.particles[i].x != kRemovedX)
            continue;
        const Particle& p = before[i];
        QCOMPARE(centre(win.chamber(), p.x, p.y, 10), kWhitePixel);
        QCOMPARE(topRim(win.chamber(), p.x, p.y, 10), kWhitePixel);
        QCOMPARE(leftRim(win.chamber(), p.x, p.y, 10), kWhitePixel);
    }
    // One black-rimmed white disc per removed particle, twelve to a row, then a free place.
    for (int r = 0; r <= waiting; ++r) {
        const int x = (r % 12) * 10;
        const int y = (r / 12) * 10;
        QCOMPARE(centre(win.panel(), x, y, 10), kWhitePixel);
        QCOMPARE(bottomRim(win.panel(), x, y, 10), r < waiting ? kBlackPixel : kWhitePixel);
    }

    next->click();
    QCOMPARE(sim.timeIndex, 3);
}

void TestChamber::stacking_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("perRow");

    QTest::addRow("size 12") << 15 << 12 << 10;
    QTest::addRow("size 10") << 250 << 10 << 12;
    QTest::addRow("size 5") << 500 << 5 << 24;
}

void TestChamber::stacking()
{
    QFETCH(int, total);
    QFETCH(int, size);
    QFETCH(int, perRow);

    Window win(105);
    win.configure(1, {total}, 100);
    const Simulation& sim = win.sim();
    QCOMPARE(sim.particleSize, size);
    win.button("Nextbt")->click();
    QCOMPARE(win.count(1), QStringLiteral("0"));
    win.button("Removebt")->click();
    QCOMPARE(sim.removedCount, total);

    const QImage& panel = win.panel();
    for (int r : {0, perRow - 1, perRow, total - 1, total}) {
        const int x = (r % perRow) * size;
        const int y = (r / perRow) * size;
        QCOMPARE(centre(panel, x, y, size), kWhitePixel);
        QCOMPARE(bottomRim(panel, x, y, size), r < total ? kBlackPixel : kWhitePixel);
    }
    // Everything erased: the chamber is white inside its frame.
    const QImage& chamber = win.chamber();
    int dark = 0;
    for (int y = 1; y < chamber.height() - 1; ++y)
        for (int x = 1; x < chamber.width() - 1; ++x)
            dark += chamber.pixel(x, y) != kWhitePixel;
    QCOMPARE(dark, 0);
}

void TestChamber::automaticRunToEnd()
{
    Window win(106);
    ChamberPage* page = win.page();
    const Simulation& sim = win.sim();
    auto* autocb = named<QCheckBox>(page, QStringLiteral("Autocb"));
    QPushButton* start = win.button("startbt");

    autocb->click();
    QVERIFY(!start->isHidden());
    QCOMPARE(start->text(), QStringLiteral("&Start"));
    QVERIFY(!page->timer()->isActive());
    start->click();
    QCOMPARE(start->text(), QStringLiteral("&Stop"));
    QVERIFY(page->timer()->isActive());

    int ticks = 0;
    while (page->timer()->isActive() && ticks < 99) {
        page->Timer1Timer();
        ++ticks;
        // Each tick removes what it produced; Remove is never brought out.
        QCOMPARE(sim.nuclideCount[2], 0);
        QCOMPARE(win.button("Removebt")->x(), 296);
        QCOMPARE(sim.timeIndex, ticks + 1);
    }
    QVERIFY(!page->timer()->isActive());
    QCOMPARE(start->text(), QStringLiteral("&Start"));
    QCOMPARE(sim.activeTotal(), 0);
    QCOMPARE(sim.removedCount, 400);
    QCOMPARE(win.count(1), QStringLiteral("0"));
}

void TestChamber::automaticControl_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("startShown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("timeIndex");

    QTest::addRow("uncheck Automate") << "uncheck" << false << false << "&Start" << 4;
    QTest::addRow("Stop") << "stop" << false << true << "&Start" << 4;
    QTest::addRow("Stop then Start") << "stop start" << true << true << "&Stop" << 4;
    QTest::addRow("Reset while running") << "reset" << true << true << "&Stop" << 1;
}

void TestChamber::automaticControl()
{
    QFETCH(QString, action);
    QFETCH(bool, running);
    QFETCH(bool, startShown);
    QFETCH(QString, caption);
    QFETCH(int, timeIndex);

    Window win(107);
    // Slow decay so that the run outlasts the ticks below.
    win.configure(1, {400}, 5);
    ChamberPage* page = win.page();
    Simulation& sim = win.sim();
    auto* autocb = named<QCheckBox>(page, QStringLiteral("Autocb"));
    QPushButton* start = win.button("startbt");
    autocb->click();
    start->click();
    for (int i = 0; i < 3; ++i)
        page->Timer1Timer();
    QCOMPARE(sim.timeIndex, 4);

    if (action == QLatin1String("uncheck"))
        autocb->click();
    else if (action == QLatin1String("reset"))
        win.button("restart")->click();
    else
        for (int i = 0; i < action.count(QLatin1Char(' ')) + 1; ++i)
            start->click();

    QCOMPARE(page->timer()->isActive(), running);
    QCOMPARE(start->isHidden(), !startShown);
    QCOMPARE(start->text(), caption);
    QCOMPARE(sim.timeIndex, timeIndex);
    if (!running)
        return;
    // The timer steps on from where the run stands.
    const auto recorded = sim.history[timeIndex];
    page->Timer1Timer();
    QCOMPARE(sim.timeIndex, timeIndex + 1);
    QVERIFY(sim.history[timeIndex] == recorded);
    QCOMPARE(win.count(1), QString::number(sim.history[timeIndex + 1][1]));
}

QTEST_MAIN(TestChamber)
#include "test_chamber.moc"
