// The simulation core on its own: Reset, the Time step and the Remove step, driven with
// scripted or seeded random draws and a listener that records what would be drawn.
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <vector>

#include "core/randomgenerator.h"
#include "core/simulation.h"
#include "support/scriptedrandom.h"

using namespace vestor;
using vestor::test::ScriptedRandom;

namespace {

// The largest draw below 1.
const double kTop = std::nextafter(1.0, 0.0);

std::function<double()> seeded(std::uint64_t seed)
{
    return [gen = std::mt19937_64(seed)]() mutable { return static_cast<double>(gen() >> 11) * 0x1.0p-53; };
}

struct Disc {
    int x;
    int y;
    int size;
    Color fill;
    Color outline;
};

class Recorder : public ChamberListener {
public:
    void imagesCleared() override { ++clears; }
    void chamberDisc(int x, int y, int size, Color fill, Color outline) override
    {
        chamber.push_back({x, y, size, fill, outline});
    }
    void panelDisc(int x, int y, int size) override { panel.push_back({x, y, size, kWhite, kBlack}); }
    void clear()
    {
        clears = 0;
        chamber.clear();
        panel.clear();
    }
    int clears = 0;
    std::vector<Disc> chamber;
    std::vector<Disc> panel;
};

// A simulation whose random source the test swaps at will and whose draws it counts.
struct Rig {
    Rig() { sim.setListener(&recorder); }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    // Swaps the source and forgets what was drawn and recorded so far.
    void use(std::function<double()> next)
    {
        source = std::move(next);
        draws = 0;
        recorder.clear();
    }

    std::function<double()> source = seeded(1);
    std::size_t draws = 0;
    Recorder recorder;
    Simulation sim{[this] {
        ++draws;
        return source();
    }};
};

Settings makeSettings(int length, const QList<int>& initial, int percent)
{
    Settings s;
    s.seriesLength = length;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        s.initial[k] = initial.value(k - 1);
        s.percent[k] = percent;
    }
    return s;
}

bool isPermutation(const std::array<int, kPoolSize + 1>& order)
{
    std::vector<int> sorted(order.begin() + 1, order.end());
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kPoolSize; ++i)
        if (sorted[i] != i + 1)
            return false;
    return true;
}

// The largest draw u with u * 100 <= threshold; the next double above it no longer decays.
double lastDecayingDraw(double threshold)
{
    double u = threshold / 100;
    while (u * 100 > threshold)
        u = std::nextafter(u, 0.0);
    while (std::nextafter(u, 1.0) * 100 <= threshold)
        u = std::nextafter(u, 1.0);
    return u;
}

}  // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void generator_data();
    void generator();
    void resetState_data();
    void resetState();
    void decayThreshold_data();
    void decayThreshold();
    void shuffle_data();
    void shuffle();
    void placement_data();
    void placement();
    void seededResets_data();
    void seededResets();
    void refusedStep_data();
    void refusedStep();
    void fullThreshold_data();
    void fullThreshold();
    void decayBoundary_data();
    void decayBoundary();
    void removeStep_data();
    void removeStep();
    void invariantOverLongRun_data();
    void invariantOverLongRun();
    void invariantDetectsFaults_data();
    void invariantDetectsFaults();
};

void TestSimulation::generator_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("drawn");
    for (const quint64 seed : {0ULL, 5489ULL, 20261208ULL, ~0ULL})
        for (const int drawn : {0, 1, 155, 311, 312, 313, 1000})
            QTest::addRow("seed %llu, %d drawn", seed, drawn) << seed << drawn;
}

// The program's generator draws the standard library's numbers, and its written state goes on
// with them on any system: the state of a lesson saved on Linux is the one it reads in a browser.
void TestSimulation::generator()
{
    QFETCH(quint64, seed);
    QFETCH(int, drawn);
    vestor::RandomGenerator ours(seed);
    std::mt19937_64 standard(seed);
    ours.discard(static_cast<std::uint64_t>(drawn));
    standard.discard(static_cast<unsigned long long>(drawn));
    const std::string state = ours.state();
#ifdef __GLIBCXX__
    // The form the lessons of the first versions hold, written by this library.
    std::ostringstream written;
    written << standard;
    QCOMPARE(state, written.str());
#endif
    std::optional<vestor::RandomGenerator> reread = vestor::RandomGenerator::fromState(state);
    QVERIFY(reread);
    QCOMPARE(reread->state(), state);
    for (int i = 0; i < 700; ++i) {
        const std::uint64_t expected = standard();
        QCOMPARE(ours(), expected);
        QCOMPARE((*reread)(), expected);
    }
}

void TestSimulation::resetState_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("size");

    // Nuclides outside the series are loaded into their slots but take no part.
    QTest::addRow("249 particles, outside numbers ignored") << 1 << QList<int>{249, 300, 7, 0, 0} << 249 << 12;
    QTest::addRow("250 over two nuclides") << 2 << QList<int>{200, 50} << 250 << 10;
    QTest::addRow("499 over three nuclides") << 3 << QList<int>{400, 0, 99} << 499 << 10;
    QTest::addRow("400, 0, 0 in a series of three") << 3 << QList<int>{400, 0, 0} << 400 << 10;
    QTest::addRow("500 over five nuclides") << 5 << QList<int>{100, 100, 100, 100, 100} << 500 << 5;
    QTest::addRow("1000 of one nuclide") << 1 << QList<int>{1000} << 1000 << 5;
}

void TestSimulation::resetState()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);
    QFETCH(int, total);
    QFETCH(int, size);

    Rig rig;
    Simulation& sim = rig.sim;
    // A previous run leaves history, maxima and removed particles behind.
    sim.reset(makeSettings(2, {300, 200}, 60));
    for (int i = 0; i < 4; ++i) {
        sim.timeStep();
        sim.removeStep();
    }
    QVERIFY(sim.removedCount > 0);

    rig.use(seeded(2));
    sim.reset(makeSettings(length, initial, 50));

    QCOMPARE(sim.seriesLength, length);
    QCOMPARE(sim.particleTotal, total);
    QCOMPARE(sim.particleSize, size);
    QCOMPARE(sim.timeIndex, 1);
    QCOMPARE(sim.removedCount, 0);
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const int expected = k == length + 1 ? 0 : initial.value(k - 1);
        QCOMPARE(sim.nuclideCount[k], expected);
        QCOMPARE(sim.history[1][k], initial.value(k - 1));
        QCOMPARE(sim.nuclideMax[k], initial.value(k - 1));
    }
    QCOMPARE(sim.nuclideColor[length + 1], kWhite);
    for (int row = 2; row <= kHistoryRows; ++row)
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(sim.history[row][k], 0);

    // The first P1 particles are nuclide 1, the next P2 nuclide 2, and so on.
    int i = 1;
    for (int k = 1; k <= length; ++k)
        for (int n = 0; n < initial.value(k - 1); ++n, ++i)
            QCOMPARE(sim.particles[i].color, kDefaultColors[k]);

    // One shuffle draw per cell, then two jitters per particle; every particle drawn once.
    QCOMPARE(rig.draws, std::size_t(1000 + 2 * total));
    QCOMPARE(rig.recorder.clears, 1);
    QCOMPARE(rig.recorder.chamber.size(), std::size_t(total));
    for (int p = 1; p <= total; ++p) {
        const Disc& d = rig.recorder.chamber[p - 1];
        QCOMPARE(d.x, sim.particles[p].x);
        QCOMPARE(d.y, sim.particles[p].y);
        QCOMPARE(d.size, size);
        QCOMPARE(d.fill, sim.particles[p].color);
        QCOMPARE(d.outline, sim.particles[p].color);
    }
    QVERIFY(sim.invariantHolds());
}

void TestSimulation::decayThreshold_data()
{
    QTest::addColumn<bool>("dice");
    QTest::addColumn<int>("sides");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("expected");

    QTest::addRow("dice 3 of 6") << true << 6 << 3 << 77 << 50.0;
    QTest::addRow("dice 1 of 3 is a real quotient") << true << 3 << 1 << 77 << 100.0 / 3;
    QTest::addRow("dice 1 of 40") << true << 40 << 1 << 77 << 2.5;
    QTest::addRow("dice 6 of 6") << true << 6 << 6 << 77 << 100.0;
    QTest::addRow("percentage ignores the die") << false << 3 << 1 << 37 << 37.0;
}

void TestSimulation::decayThreshold()
{
    QFETCH(bool, dice);
    QFETCH(int, sides);
    QFETCH(int, value);
    QFETCH(int, percent);
    QFETCH(double, expected);

    Rig rig;
    Settings s = makeSettings(2, {10, 0}, percent);
    s.dice = dice;
    s.sides = sides;
    s.decayValue.fill(value);
    rig.sim.reset(s);
    // All five slots are set, inside the series or not; compared exactly, not fuzzily.
    for (int k = 1; k <= kMaxNuclides; ++k)
        QVERIFY2(rig.sim.decayThreshold[k] == expected,
                 qPrintable(QStringLiteral("slot %1: %2").arg(k).arg(rig.sim.decayThreshold[k], 0, 'g', 17)));
}

void TestSimulation::shuffle_data()
{
    QTest::addColumn<QList<double>>("draws");  // the last one repeats
    QTest::addColumn<QList<int>>("expected");  // pairs of cell index and content

    QTest::addRow("largest draws give j = n, also for powers of two") << QList<double>{kTop} << QList<int>{1, 1, 2, 2, 500, 500, 1000, 1000};
    QTest::addRow("zero draws rotate by one")
        << QList<double>{0.0} << QList<int>{1, 2, 2, 3, 500, 501, 999, 1000, 1000, 1};
    QTest::addRow("half a draw at n = 1000") << QList<double>{0.5, kTop}
                                             << QList<int>{1000, 501, 501, 1000, 1, 1, 999, 999};
    QTest::addRow("j is truncated, not rounded")
        << QList<double>{0.0019, kTop} << QList<int>{1000, 2, 2, 1000, 3, 3};
    QTest::addRow("second draw serves n = 999")
        << QList<double>{kTop, 0.0, kTop} << QList<int>{999, 1, 1, 999, 1000, 1000};
}

void TestSimulation::shuffle()
{
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, expected);

    Rig rig;
    rig.use(ScriptedRandom(std::vector<double>(draws.begin(), draws.end())));
    rig.sim.reset(makeSettings(1, {1}, 50));
    for (int i = 0; i + 1 < expected.size(); i += 2)
        QCOMPARE(rig.sim.particleOrder[expected[i]], expected[i + 1]);
    QVERIFY(isPermutation(rig.sim.particleOrder));
}

void TestSimulation::placement_data()
{
    QTest::addColumn<double>("shuffleDraw");
    QTest::addColumn<int>("cellOffset");  // particle i lands in cell i + offset
    QTest::addColumn<double>("u1");
    QTest::addColumn<double>("u2");
    QTest::addColumn<int>("jitterY");
    QTest::addColumn<int>("jitterX");

    QTest::addRow("lowest jitter") << kTop << 0 << 0.0 << 0.0 << 3 << 3;
    QTest::addRow("highest jitter") << kTop << 0 << kTop << kTop << 8 << 10;
    QTest::addRow("first draw is y, second x") << kTop << 0 << 0.0 << kTop << 3 << 10;
    QTest::addRow("middle draws truncate") << kTop << 0 << 0.5 << 0.5 << 5 << 6;
    QTest::addRow("rotated cells") << 0.0 << 1 << kTop << 0.0 << 8 << 3;
}

void TestSimulation::placement()
{
    QFETCH(double, shuffleDraw);
    QFETCH(int, cellOffset);
    QFETCH(double, u1);
    QFETCH(double, u2);
    QFETCH(int, jitterY);
    QFETCH(int, jitterX);

    const int total = 70;  // three grid rows
    std::vector<double> draws(kPoolSize, shuffleDraw);
    for (int i = 0; i < total; ++i) {
        draws.push_back(u1);
        draws.push_back(u2);
    }
    Rig rig;
    rig.use(ScriptedRandom(draws));
    rig.sim.reset(makeSettings(1, {total}, 50));
    QCOMPARE(rig.draws, draws.size());
    for (int i = 1; i <= total; ++i) {
        const int cell = i + cellOffset;
        QCOMPARE(rig.sim.particles[i].y, 11 * (cell / 32) + jitterY);
        QCOMPARE(rig.sim.particles[i].x, 15 * (cell % 32) + jitterX);
    }
}

void TestSimulation::seededResets_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<std::uint64_t>("seed");

    QTest::addRow("one particle") << 1 << std::uint64_t(11);
    QTest::addRow("400 particles") << 400 << std::uint64_t(12);
    QTest::addRow("full pool") << 1000 << std::uint64_t(13);
}

void TestSimulation::seededResets()
{
    QFETCH(int, total);
    QFETCH(std::uint64_t, seed);

    Rig rig;
    rig.use(seeded(seed));
    const Settings s = makeSettings(1, {total}, 50);
    std::vector<std::pair<int, int>> first;
    std::vector<int> firstOrder;
    for (int pass = 0; pass < 2; ++pass) {
        rig.sim.reset(s);
        QVERIFY(isPermutation(rig.sim.particleOrder));
        std::vector<std::pair<int, int>> places;
        for (int i = 1; i <= total; ++i) {
            const Particle& p = rig.sim.particles[i];
            // Cell 0 would put a particle at x <= 10 and y <= 8.
            QVERIFY2(p.x > 10 || p.y > 8, qPrintable(QStringLiteral("particle %1 in cell 0").arg(i)));
            QVERIFY(p.x >= 3 && p.x <= 15 * 31 + 10);
            QVERIFY(p.y >= 3 && p.y <= 11 * 31 + 8);
            places.emplace_back(p.x, p.y);
        }
        if (pass == 0) {
            first = places;
            firstOrder.assign(rig.sim.particleOrder.begin(), rig.sim.particleOrder.end());
        }
    }
    // The generator runs on from one Reset to the next: a new shuffle and new jitters.
    QVERIFY(!std::equal(firstOrder.begin(), firstOrder.end(), rig.sim.particleOrder.begin()));
    int same = 0;
    for (int i = 1; i <= total; ++i)
        same += first[i - 1] == std::make_pair(rig.sim.particles[i].x, rig.sim.particles[i].y);
    QVERIFY2(same <= total / 10, qPrintable(QStringLiteral("%1 of %2 unmoved").arg(same).arg(total)));
}

void TestSimulation::refusedStep_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("draw");
    QTest::addColumn<bool>("removeFirst");
    QTest::addColumn<QList<int>>("maxAfter");

    // 99 steps in which nothing decays fill the history.
    QTest::addRow("time limit") << 1 << QList<int>{400} << 1 << 99 << 0.5 << false << QList<int>{400};
    // Nuclide 1 all turns into nuclide 2 while the two of nuclide 2 turn white: the refused
    // step still raises nuclide 2's maximum from 2 to 4.
    QTest::addRow("end products waiting") << 2 << QList<int>{4, 2} << 100 << 1 << 0.0 << false << QList<int>{4, 4};
    QTest::addRow("nothing left to decay") << 1 << QList<int>{5} << 100 << 1 << 0.0 << true << QList<int>{5};
}

void TestSimulation::refusedStep()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);
    QFETCH(int, percent);
    QFETCH(int, steps);
    QFETCH(double, draw);
    QFETCH(bool, removeFirst);
    QFETCH(QList<int>, maxAfter);

    Rig rig;
    Simulation& sim = rig.sim;
    sim.reset(makeSettings(length, initial, percent));
    rig.use([draw] { return draw; });
    for (int s = 0; s < steps; ++s)
        QVERIFY(sim.timeStep());
    if (removeFirst)
        sim.removeStep();

    const Simulation before = sim;
    rig.use(seeded(3));
    QVERIFY(!sim.prepareStep());
    QVERIFY(!sim.timeStep());

    QCOMPARE(rig.draws, std::size_t(0));
    QVERIFY(rig.recorder.chamber.empty());
    QCOMPARE(sim.timeIndex, before.timeIndex);
    QVERIFY(sim.history == before.history);
    QVERIFY(sim.nuclideCount == before.nuclideCount);
    for (int i = 1; i <= sim.particleTotal; ++i) {
        QCOMPARE(sim.particles[i].color, before.particles[i].color);
        QCOMPARE(sim.particles[i].x, before.particles[i].x);
    }
    for (int k = 1; k <= length; ++k)
        QCOMPARE(sim.nuclideMax[k], maxAfter.value(k - 1));
}

void TestSimulation::fullThreshold_data()
{
    QTest::addColumn<int>("length");
    for (int length = 1; length <= kMaxNuclides; ++length)
        QTest::addRow("series of %d", length) << length;
}

void TestSimulation::fullThreshold()
{
    QFETCH(int, length);

    const int total = 37;
    Rig rig;
    Simulation& sim = rig.sim;
    sim.reset(makeSettings(length, {total}, 100));
    for (int s = 1; s <= length; ++s) {
        rig.use(seeded(s));
        QVERIFY(sim.timeStep());
        QCOMPARE(sim.timeIndex, s + 1);
        // Every particle moved on exactly one nuclide: none skips ahead within the step.
        const Color now = sim.nuclideColor[s + 1];
        QCOMPARE(now, s == length ? kWhite : kDefaultColors[s + 1]);
        for (int i = 1; i <= total; ++i)
            QCOMPARE(sim.particles[i].color, now);
        for (int k = 1; k <= length + 1; ++k)
            QCOMPARE(sim.nuclideCount[k], k == s + 1 ? total : 0);
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(sim.history[s + 1][k], k == s + 1 && k <= length ? total : 0);
        QCOMPARE(rig.draws, std::size_t(total));
        QCOMPARE(rig.recorder.chamber.size(), std::size_t(total));
        for (const Disc& d : rig.recorder.chamber) {
            QCOMPARE(d.fill, now);
            QCOMPARE(d.outline, now == kWhite ? kBlack : now);
        }
    }
    QVERIFY(!sim.timeStep());
    QCOMPARE(sim.removeStep(), total);
    QVERIFY(!sim.timeStep());
    QCOMPARE(sim.timeIndex, length + 1);
}

void TestSimulation::decayBoundary_data()
{
    QTest::addColumn<bool>("dice");
    QTest::addColumn<int>("sides");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("percent");

    QTest::addRow("50 percent") << false << 6 << 3 << 50;
    QTest::addRow("1 percent") << false << 6 << 3 << 1;
    QTest::addRow("99 percent") << false << 6 << 3 << 99;
    QTest::addRow("dice 1 of 3") << true << 3 << 1 << 50;
    QTest::addRow("dice 1 of 40") << true << 40 << 1 << 50;
    QTest::addRow("dice 5 of 7") << true << 7 << 5 << 50;
}

void TestSimulation::decayBoundary()
{
    QFETCH(bool, dice);
    QFETCH(int, sides);
    QFETCH(int, value);
    QFETCH(int, percent);

    Rig rig;
    Simulation& sim = rig.sim;
    Settings s = makeSettings(1, {4}, percent);
    s.dice = dice;
    s.sides = sides;
    s.decayValue.fill(value);
    sim.reset(s);
    const double threshold = sim.decayThreshold[1];
    const double at = lastDecayingDraw(threshold);
    const double above = std::nextafter(at, 1.0);
    QVERIFY(at * 100 <= threshold && above * 100 > threshold && above < 1.0);

    rig.use(ScriptedRandom({at, above, at, above}));
    QVERIFY(sim.timeStep());
    QCOMPARE(rig.draws, std::size_t(4));
    QCOMPARE(sim.particles[1].color, kWhite);
    QCOMPARE(sim.particles[2].color, kBlack);
    QCOMPARE(sim.particles[3].color, kWhite);
    QCOMPARE(sim.particles[4].color, kBlack);
    QCOMPARE(sim.nuclideCount[1], 2);
    QCOMPARE(sim.nuclideCount[2], 2);

    QCOMPARE(sim.removeStep(), 2);
    // White particles draw nothing: the two draws go to particles 2 and 4.
    rig.use(ScriptedRandom({above, at, 0.0}));
    QVERIFY(sim.timeStep());
    QCOMPARE(rig.draws, std::size_t(2));
    QCOMPARE(sim.particles[2].color, kBlack);
    QCOMPARE(sim.particles[4].color, kWhite);
    QCOMPARE(sim.history[3][1], 1);
}

void TestSimulation::removeStep_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("perRow");

    QTest::addRow("size 12, 10 a row") << 100 << 12 << 10;
    QTest::addRow("size 10, 12 a row") << 400 << 10 << 12;
    QTest::addRow("size 5, 24 a row") << 600 << 5 << 24;
}

void TestSimulation::removeStep()
{
    QFETCH(int, total);
    QFETCH(int, size);
    QFETCH(int, perRow);

    Rig rig;
    Simulation& sim = rig.sim;
    sim.reset(makeSettings(1, {total}, 100));
    QCOMPARE(sim.particleSize, size);
    QVERIFY(sim.timeStep());
    std::vector<Particle> before(sim.particles.begin(), sim.particles.end());
    rig.use(seeded(4));

    QCOMPARE(sim.removeStep(), total);
    QCOMPARE(rig.draws, std::size_t(0));
    QCOMPARE(sim.removedCount, total);
    QCOMPARE(sim.nuclideCount[2], 0);
    QCOMPARE(rig.recorder.chamber.size(), std::size_t(total));
    QCOMPARE(rig.recorder.panel.size(), std::size_t(total));
    for (int i = 1; i <= total; ++i) {
        // Erased where it stood, white on white; y is kept.
        const Disc& erase = rig.recorder.chamber[i - 1];
        QCOMPARE(erase.x, before[i].x);
        QCOMPARE(erase.y, before[i].y);
        QCOMPARE(erase.fill, kWhite);
        QCOMPARE(erase.outline, kWhite);
        QCOMPARE(sim.particles[i].x, kRemovedX);
        QCOMPARE(sim.particles[i].y, before[i].y);
        // The panel fills row by row from the top-left corner.
        const Disc& stacked = rig.recorder.panel[i - 1];
        const int r = i - 1;
        QCOMPARE(stacked.x, (r % perRow) * size);
        QCOMPARE(stacked.y, (r / perRow) * size);
        QCOMPARE(stacked.size, size);
    }

    rig.use(seeded(5));
    QCOMPARE(sim.removeStep(), 0);
    QVERIFY(rig.recorder.chamber.empty() && rig.recorder.panel.empty());
    QCOMPARE(sim.removedCount, total);
}

void TestSimulation::invariantOverLongRun_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<int>("percent");
    QTest::addColumn<std::uint64_t>("seed");

    QTest::addRow("one nuclide, 50 percent") << 1 << QList<int>{400} << 50 << std::uint64_t(21);
    QTest::addRow("two nuclides, 10 percent") << 2 << QList<int>{600, 400} << 10 << std::uint64_t(22);
    QTest::addRow("three nuclides, 35 percent") << 3 << QList<int>{300, 200, 100} << 35 << std::uint64_t(23);
    QTest::addRow("five nuclides, 80 percent") << 5 << QList<int>{200, 200, 200, 200, 200} << 80 << std::uint64_t(24);
    QTest::addRow("five nuclides, 3 percent") << 5 << QList<int>{1, 0, 0, 0, 999} << 3 << std::uint64_t(25);
}

void TestSimulation::invariantOverLongRun()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);
    QFETCH(int, percent);
    QFETCH(std::uint64_t, seed);

    Rig rig;
    Simulation& sim = rig.sim;
    rig.use(seeded(seed));
    std::mt19937 choose(static_cast<unsigned>(seed));
    const Settings s = makeSettings(length, initial, percent);
    sim.reset(s);
    QVERIFY(sim.invariantHolds());
    int stepsRun[2] = {0, 0};
    int removedEvents = 0;
    for (int action = 0; action < 500; ++action) {
        if (action == 250) {
            sim.reset(s);
            removedEvents = 0;
        } else if (choose() % 5 < 3) {
            if (sim.timeStep()) {
                ++stepsRun[action / 250];
                for (int k = 1; k <= length; ++k)
                    QCOMPARE(sim.history[sim.timeIndex][k], sim.nuclideCount[k]);
            }
        } else {
            removedEvents += sim.removeStep();
        }
        QVERIFY2(sim.invariantHolds(), qPrintable(QStringLiteral("after action %1").arg(action)));
        QCOMPARE(sim.removedCount, removedEvents);
    }
    // Both runs must actually have stepped.
    QVERIFY2(stepsRun[0] >= 5 && stepsRun[1] >= 5,
             qPrintable(QStringLiteral("%1 and %2 steps").arg(stepsRun[0]).arg(stepsRun[1])));
}

void TestSimulation::invariantDetectsFaults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addRow("particle recoloured behind the counts") << 0;
    QTest::addRow("removed particle back in the chamber") << 1;
    QTest::addRow("count moved between nuclides") << 2;
    QTest::addRow("end-product count off by one") << 3;
}

// The invariant is the long-run check above; make sure it is not blind.
void TestSimulation::invariantDetectsFaults()
{
    QFETCH(int, fault);

    Rig rig;
    Simulation& sim = rig.sim;
    sim.reset(makeSettings(2, {300, 100}, 60));
    QVERIFY(sim.timeStep());
    QVERIFY(sim.removeStep() > 0);
    QVERIFY(sim.timeStep());
    QVERIFY(sim.invariantHolds());
    const auto firstOf = [&](auto pred) {
        for (int i = 1; i <= sim.particleTotal; ++i)
            if (pred(sim.particles[i]))
                return i;
        return 0;
    };
    switch (fault) {
    case 0:
        sim.particles[firstOf([&](const Particle& p) { return p.color == sim.nuclideColor[1]; })].color =
            sim.nuclideColor[2];
        break;
    case 1:
        sim.particles[firstOf([](const Particle& p) { return p.x == kRemovedX; })].x = 30;
        break;
    case 2:
        --sim.nuclideCount[1];
        ++sim.nuclideCount[2];
        break;
    default:
        ++sim.nuclideCount[3];
        break;
    }
    QVERIFY(!sim.invariantHolds());
}

QTEST_GUILESS_MAIN(TestSimulation)
#include "test_simulation.moc"
