// The fast drawing paths against the straightforward QPainter ones, pixel for pixel: chamber
// and decayed panel through whole seeded runs, the graph drawn from such a run, and the disc
// sprites and grid lines at the edges of a picture where clipping decides.
#include <QImage>
#include <QTest>
#include <random>

#include "core/graphgeometry.h"
#include "graph/graphpage.h"
#include "graph/graphrenderer.h"
#include "chamber/chamberpage.h"
#include "ui/discpainter.h"
#include "core/simulation.h"

using namespace vestor;

namespace {

// Where two pictures first differ, or an empty text when they are the same.
QString difference(const QImage& fast, const QImage& direct)
{
    if (fast.size() != direct.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x)
            if (fast.pixel(x, y) != direct.pixel(x, y))
                return QStringLiteral("(%1, %2): fast %3, straightforward %4")
                    .arg(x)
                    .arg(y)
                    .arg(fast.pixel(x, y), 8, 16)
                    .arg(direct.pixel(x, y), 8, 16);
    return {};
}

int notWhite(const QImage& image)
{
    int n = 0;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            n += image.pixel(x, y) != 0xFFFFFFFF;
    return n;
}

// A chamber drawn one way, driven by its own simulation on its own copy of the random sequence.
struct Chamber {
    Chamber(std::uint64_t seed, bool straightforward)
        : rng(seed), sim([this] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; })
    {
        images.setStraightforward(straightforward);
        sim.setListener(&images);
    }
    std::mt19937_64 rng;
    Simulation sim;
    ChamberImages images;
};

#define COMPARE_PICTURES(fast, direct, when)                                                           \
    do {                                                                                               \
        const QString diff = difference(fast, direct);                                                 \
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(when), diff))); \
    } while (false)

}  // namespace

class TestPixels : public QObject {
    Q_OBJECT
private slots:
    void chamberRun_data();
    void chamberRun();
    void disc_data();
    void disc();
    void graph_data();
    void graph();
    void gridAtEdges_data();
    void gridAtEdges();
    void graphPage();
};

void TestPixels::chamberRun_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("dice");

    QTest::addRow("1000 of one, size 5") << 1 << QList<int>{1000} << 50 << false;
    QTest::addRow("500 of one, size 5") << 1 << QList<int>{500} << 20 << false;
    QTest::addRow("499 of one, size 10") << 1 << QList<int>{499} << 35 << false;
    QTest::addRow("249 of one, size 12") << 1 << QList<int>{249} << 50 << false;
    QTest::addRow("five nuclides of 200") << 5 << QList<int>{200, 200, 200, 200, 200} << 40 << false;
    QTest::addRow("three nuclides, dice") << 3 << QList<int>{300, 100, 50} << 0 << true;
}

void TestPixels::chamberRun()
{
    QFETCH(int, length);
    QFETCH(QList<int>, initial);
    QFETCH(int, percent);
    QFETCH(bool, dice);

    Settings s;
    s.seriesLength = length;
    s.dice = dice;
    s.sides = 6;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        s.initial[k] = k <= initial.size() ? initial[k - 1] : 0;
        s.percent[k] = percent;
        s.decayValue[k] = 2;
    }
    const std::uint64_t seed = 7 + static_cast<std::uint64_t>(length * 1000 + initial.constFirst());
    Chamber fast(seed, false);
    Chamber direct(seed, true);
    fast.sim.reset(s);
    direct.sim.reset(s);
    QVERIFY(notWhite(fast.images.chamber) > 0);
    COMPARE_PICTURES(fast.images.chamber, direct.images.chamber, "chamber after Reset");

    int steps = 0;
    while (steps < 40 && fast.sim.timeStep()) {
        QVERIFY(direct.sim.timeStep());
        ++steps;
        COMPARE_PICTURES(fast.images.chamber, direct.images.chamber, "chamber after a Time step");
        QCOMPARE(fast.sim.removeStep(), direct.sim.removeStep());
        COMPARE_PICTURES(fast.images.chamber, direct.images.chamber, "chamber after a Remove step");
        COMPARE_PICTURES(fast.images.panel, direct.images.panel, "decayed panel after a Remove step");
    }
    QVERIFY(steps > 0);
    QVERIFY(fast.sim.removedCount > 0);

    // The next Reset frames the chamber in the outline colour the last drawing left.
    fast.sim.reset(s);
    direct.sim.reset(s);
    COMPARE_PICTURES(fast.images.chamber, direct.images.chamber, "chamber after a second Reset");
    COMPARE_PICTURES(fast.images.panel, direct.images.panel, "decayed panel after a second Reset");
}

void TestPixels::disc_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<uint>("fill");
    QTest::addColumn<uint>("outline");

    const QList<QPair<const char*, QPoint>> places = {
        {"inside", {10, 10}}, {"past the left and top", {-3, -4}}, {"past the right and bottom", {26, 27}}};
    for (int size : {2, 5, 10, 12}) {
        for (const auto& [where, at] : places) {
            QTest::addRow("size %d %s, one colour", size, where) << size << at << 0x0000FFu << 0x0000FFu;
            QTest::addRow("size %d %s, white with black rim", size, where) << size << at << 0xFFFFFFu << 0x000000u;
        }
    }
}

void TestPixels::disc()
{
    QFETCH(int, size);
    QFETCH(QPoint, at);
    QFETCH(uint, fill);
    QFETCH(uint, outline);

    // A patterned ground shows any pixel a path leaves out or adds.
    QImage fast(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x)
            fast.setPixel(x, y, (x + y) % 2 ? 0xFF808000 : 0xFF008080);
    const QImage ground = fast.copy();
    QImage direct = fast.copy();
    DiscPainter discs;
    discs.draw(fast, at.x(), at.y(), size, fill, outline);
    {
        QPainter p(&direct);
        DiscPainter::drawDirect(p, at.x(), at.y(), size, fill, outline);
    }
    if (QRect(at, QSize(size, size)).intersects(fast.rect()))
        QVERIFY(direct != ground);
    COMPARE_PICTURES(fast, direct, "disc");
}

void TestPixels::graph_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("graphedMask");
    QTest::addColumn<int>("hPosition");
    QTest::addColumn<int>("yshift");

    QTest::addRow("N = 1, nuclide 1") << 1 << 0b10 << 1 << 20;
    QTest::addRow("N = 10, all five") << 10 << 0b111110 << 40 << 0;
    QTest::addRow("N = 57, nuclides 2 to 5") << 57 << 0b111100 << 250 << 40;
    QTest::addRow("N = 100, all five") << 100 << 0b111110 << 500 << 20;
    QTest::addRow("N = 100, none") << 100 << 0 << 100 << 20;
}

void TestPixels::graph()
{
    QFETCH(int, n);
    QFETCH(int, graphedMask);
    QFETCH(int, hPosition);
    QFETCH(int, yshift);

    // The counts of a seeded five-nuclide run of 99 steps.
    Chamber run(42, false);
    Settings s;
    s.seriesLength = 5;
    s.initial = {0, 600, 100, 100, 100, 100};
    s.percent = {0, 8, 10, 12, 14, 16};
    run.sim.reset(s);
    while (run.sim.timeStep())
        run.sim.removeStep();
    QCOMPARE(run.sim.timeIndex, kLastTime + 1);

    GraphInput in;
    in.history = &run.sim.history;
    in.seriesLength = run.sim.seriesLength;
    in.colors = run.sim.nuclideColor;
    in.nuclideMax = run.sim.nuclideMax;
    in.n = n;
    for (int k = 1; k <= kMaxNuclides; ++k)
        in.graphed[k] = (graphedMask >> k) & 1;
    in.hPosition = hPosition;
    in.yshift = yshift;
    const GraphScale scale = graphScale(in);

    QImage fast(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    QImage direct(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    DiscPainter discs;
    renderGraph(fast, in, scale, &discs);
    renderGraph(direct, in, scale, nullptr);
    QVERIFY(notWhite(fast) > 0);
    COMPARE_PICTURES(fast, direct, "graph");
}

void TestPixels::gridAtEdges_data()
{
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<double>("xs");
    QTest::addColumn<double>("ys");
    QTest::addColumn<int>("n");

    // Lines that fall on, beyond or just inside the picture's edges.
    QTest::addRow("last vertical line on the right edge") << 100 << 630.0 << 3.47 << 1;
    QTest::addRow("last vertical line just outside") << 100 << 631.0 << 3.47 << 1;
    QTest::addRow("vertical lines far outside") << 100 << 400.0 << 3.47 << 4;
    QTest::addRow("horizontal lines above the top") << 1000 << 6.31 << 1.0 << 100;
    QTest::addRow("horizontal line on the top row") << 100 << 6.31 << 3.57 << 20;
}

void TestPixels::gridAtEdges()
{
    QFETCH(int, scaleMax);
    QFETCH(double, xs);
    QFETCH(double, ys);
    QFETCH(int, n);

    GraphScale s;
    s.scaleMax = scaleMax;
    s.tick = tickStep(scaleMax);
    s.xs = xs;
    s.ys = ys;
    QImage fast(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    fast.fill(Qt::white);
    QImage direct = fast.copy();
    drawAxes(fast, s, n, false);
    drawAxes(direct, s, n, true);
    COMPARE_PICTURES(fast, direct, "axes and grid");
}

void TestPixels::graphPage()
{
    // The page's own redraw, fast and straightforward, from the same seeded run.
    Chamber run(5, false);
    Settings s;
    s.seriesLength = 2;
    s.initial = {0, 700, 300, 0, 0, 0};
    run.sim.reset(s);
    for (int i = 0; i < 30 && run.sim.timeStep(); ++i)
        run.sim.removeStep();
    GraphPage fast(run.sim, [] { return 30; });
    GraphPage direct(run.sim, [] { return 30; });
    direct.setStraightforward(true);
    fast.plotggraph();
    direct.plotggraph();
    QVERIFY(notWhite(fast.image()) > 0);
    COMPARE_PICTURES(fast.image(), direct.image(), "graph page");
}

QTEST_MAIN(TestPixels)
#include "test_pixels.moc"
