// The graph's arithmetic and drawing without any widget: scales, ticks, dots, the model
// curve, the captions, and a few pixels of a rendered picture.
#include <QImage>
#include <QTest>
#include <cmath>

#include "core/graphgeometry.h"
#include "graph/graphrenderer.h"
#include "ui/discpainter.h"

using namespace vestor;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kBlackRgb = 0xFF000000;
constexpr QRgb kWhiteRgb = 0xFFFFFFFF;
constexpr QRgb kLime = 0xFF00FF00;

// Nuclide k is graphed when bit k of the mask is set.
GraphInput makeInput(const History& history, int seriesLength, int mask, int n)
{
    GraphInput in;
    in.history = &history;
    in.seriesLength = seriesLength;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        in.colors[k] = kDefaultColors[k];
        in.graphed[k] = (mask >> k) & 1;
    }
    in.n = n;
    in.hPosition = 40;
    in.yshift = 20;
    return in;
}

// Nuclide 1 starts with 400 and nuclide 3 has 300 at time 5; everything else is 0.
History sampleHistory()
{
    History h{};
    h[1][1] = 400;
    h[6][3] = 300;
    return h;
}

QImage render(const GraphInput& in, DiscPainter* discs = nullptr)
{
    QImage image(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    renderGraph(image, in, graphScale(in), discs);
    return image;
}

}  // namespace

class TestGraphGeometry : public QObject {
    Q_OBJECT
private slots:
    void scale_data();
    void scale();
    void scaleFollowsGraphedNuclides_data();
    void scaleFollowsGraphedNuclides();
    void dotCentre_data();
    void dotCentre();
    void curveStart_data();
    void curveStart();
    void curveHalvesEveryHalfLife_data();
    void curveHalvesEveryHalfLife();
    void initialCount_data();
    void initialCount();
    void exponentCaption_data();
    void exponentCaption();
    void equationCaption_data();
    void equationCaption();
    void readout_data();
    void readout();
    void pixels_data();
    void pixels();
    void curveDrawnOnlyForNuclide1_data();
    void curveDrawnOnlyForNuclide1();
    void fastDotsMatchPainter_data();
    void fastDotsMatchPainter();
};

void TestGraphGeometry::scale_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("logMarks");  // 1, 2, 5, 10, … up to scaleMax
    QTest::addColumn<int>("logTop");
    QTest::addRow("below 100 is raised") << 50 << 100 << 5 << 20 << 100 << 7 << 100;
    QTest::addRow("100") << 100 << 100 << 5 << 20 << 100 << 7 << 100;
    QTest::addRow("101") << 101 << 101 << 10 << 10 << 100 << 7 << 100;
    QTest::addRow("200") << 200 << 200 << 10 << 20 << 200 << 8 << 200;
    QTest::addRow("201") << 201 << 201 << 20 << 10 << 200 << 8 << 200;
    QTest::addRow("400") << 400 << 400 << 20 << 20 << 400 << 8 << 200;
    QTest::addRow("500") << 500 << 500 << 20 << 25 << 500 << 9 << 500;
    QTest::addRow("501") << 501 << 501 << 50 << 10 << 500 << 9 << 500;
    QTest::addRow("999") << 999 << 999 << 50 << 19 << 950 << 9 << 500;
    QTest::addRow("1000") << 1000 << 1000 << 100 << 10 << 1000 << 10 << 1000;
    QTest::addRow("1499") << 1499 << 1499 << 100 << 14 << 1400 << 10 << 1000;
    QTest::addRow("1500") << 1500 << 1500 << 150 << 10 << 1500 << 10 << 1000;
}

void TestGraphGeometry::scale()
{
    QFETCH(int, maximum);
    QFETCH(int, scaleMax);
    QFETCH(int, step);
    QFETCH(int, lines);
    QFETCH(int, top);
    QFETCH(int, logMarks);
    QFETCH(int, logTop);
    const History history{};
    GraphInput in = makeInput(history, 1, 0b10, 1);
    in.nuclideMax[1] = maximum;
    const GraphScale s = graphScale(in);
    QCOMPARE(s.scaleMax, scaleMax);
    QCOMPARE(s.tick, step);
    QCOMPARE(s.topValue, top);
    QCOMPARE(tickStep(scaleMax), step);
    QCOMPARE(gridLines(scaleMax), lines);
    // scaleMax itself falls on the top end of the vertical axis.
    QCOMPARE(vestor::dotCentre(0, scaleMax, s.xs, s.ys).y, 10);
    // On the log axis as well; 1 lies on the time axis and the geometric mean halfway up.
    const std::vector<int> marks = logTicks(scaleMax);
    QCOMPARE(int(marks.size()), logMarks);
    QCOMPARE(marks.back(), logTop);
    QCOMPARE(logY(scaleMax, scaleMax), 10.0);
    QCOMPARE(logY(1, scaleMax), kGraphHeight - 20.0);
    QVERIFY(std::fabs(logY(std::sqrt(scaleMax), scaleMax) - (kGraphHeight - 10) / 2.0) < 1e-9);
}

void TestGraphGeometry::scaleFollowsGraphedNuclides_data()
{
    QTest::addColumn<int>("seriesLength");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("scaleMax");
    // Maxima: nuclide 1 400, nuclide 2 900, nuclide 3 300.
    QTest::addRow("nuclide 1 only") << 3 << 0b0010 << 400;
    QTest::addRow("nuclide 2 larger") << 3 << 0b0110 << 900;
    QTest::addRow("nuclide 1 unticked") << 3 << 0b1000 << 300;
    QTest::addRow("nothing ticked") << 3 << 0 << 100;
    QTest::addRow("ticked beyond the series") << 1 << 0b0110 << 400;
}

void TestGraphGeometry::scaleFollowsGraphedNuclides()
{
    QFETCH(int, seriesLength);
    QFETCH(int, mask);
    QFETCH(int, scaleMax);
    const History history{};
    GraphInput in = makeInput(history, seriesLength, mask, 1);
    in.nuclideMax = {0, 400, 900, 300, 0, 0};
    QCOMPARE(graphScale(in).scaleMax, scaleMax);
}

void TestGraphGeometry::dotCentre_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<QPoint>("centre");
    QTest::addRow("N=1 on the axis") << 1 << 0 << 400 << 400 << QPoint(50, 10);
    QTest::addRow("N=1 zero count") << 1 << 0 << 0 << 400 << QPoint(50, 357);
    QTest::addRow("N=100 t=1") << 100 << 1 << 0 << 100 << QPoint(56, 357);
    QTest::addRow("N=100 t=2") << 100 << 2 << 0 << 100 << QPoint(62, 357);
    QTest::addRow("N=100 t=50") << 100 << 50 << 0 << 100 << QPoint(365, 357);
    QTest::addRow("N=100 t=99") << 100 << 99 << 0 << 100 << QPoint(674, 357);
    QTest::addRow("half height") << 10 << 3 << 200 << 400 << QPoint(239, 184);
    QTest::addRow("1000 at 1000") << 10 << 0 << 1000 << 1000 << QPoint(50, 10);
}

void TestGraphGeometry::dotCentre()
{
    QFETCH(int, n);
    QFETCH(int, t);
    QFETCH(int, count);
    QFETCH(int, scaleMax);
    QFETCH(QPoint, centre);
    const double xs = xScale(n);
    QCOMPARE(xs, 631.0 / n);
    const GraphPoint p = vestor::dotCentre(t, count, xs, yScale(scaleMax));
    QCOMPARE(QPoint(p.x, p.y), centre);
}

void TestGraphGeometry::curveStart_data()
{
    QTest::addColumn<int>("count0");
    QTest::addColumn<int>("yshift");
    QTest::addColumn<int>("startY");
    QTest::addColumn<int>("firstY");
    // scaleMax 400, N = 10, T½ = 1.
    QTest::addRow("anchor") << 400 << 20 << 12 << 12;
    // 10 − 20·0.8675 = −7.35 truncates toward zero to −7.
    QTest::addRow("raised above the picture") << 400 << 0 << -5 << -6;
    QTest::addRow("lowered") << 400 << 40 << 29 << 29;
    QTest::addRow("count below scaleMax") << 200 << 20 << 12 << 185;
}

void TestGraphGeometry::curveStart()
{
    QFETCH(int, count0);
    QFETCH(int, yshift);
    QFETCH(int, startY);
    QFETCH(int, firstY);
    const auto v = curveVertices(vestor::initialCount(count0, yshift), 1.0, xScale(10), yScale(400), yshift);
    QCOMPARE(int(v.size()), 2 + 126);
    QCOMPARE(v[0], (GraphPoint{52, startY}));
    QCOMPARE(v[1], (GraphPoint{52, firstY}));
    QCOMPARE(v.back().x, 52 + 5 * 126);
}

void TestGraphGeometry::curveHalvesEveryHalfLife_data()
{
    QTest::addColumn<int>("hPosition");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("above");  // last vertex x still above half height
    QTest::addColumn<int>("below");  // next vertex x already below it
    QTest::addRow("T=1 N=10 near x=115") << 40 << 10 << 112 << 117;
    QTest::addRow("T=2 N=10") << 80 << 10 << 177 << 182;
    QTest::addRow("T=1 N=100") << 40 << 100 << 57 << 62;
}

void TestGraphGeometry::curveHalvesEveryHalfLife()
{
    QFETCH(int, hPosition);
    QFETCH(int, n);
    QFETCH(int, above);
    QFETCH(int, below);
    const double ys = yScale(400);
    const auto v = curveVertices(400, halfLifeOf(hPosition), xScale(n), ys, 20);
    const int halfHeight = truncPixel(kGraphHeight - 200 * ys) - 18;
    auto yAt = [&](int x) { return v[1 + (x - 52) / 5].y; };
    QCOMPARE(v[1 + (above - 52) / 5].x, above);
    QVERIFY2(yAt(above) < halfHeight, qPrintable(QString::number(yAt(above))));
    QVERIFY2(yAt(below) > halfHeight, qPrintable(QString::number(yAt(below))));
}

void TestGraphGeometry::initialCount_data()
{
    QTest::addColumn<int>("count0");
    QTest::addColumn<int>("yshift");
    QTest::addColumn<qint64>("a");
    QTest::addRow("centre") << 400 << 20 << qint64(400);
    QTest::addRow("thumb up") << 400 << 0 << qint64(420);
    QTest::addRow("thumb down") << 400 << 40 << qint64(380);
    QTest::addRow("negative") << 10 << 40 << qint64(-10);
    QTest::addRow("largest count") << 2147483647 << 0 << qint64(2147483667);
}

void TestGraphGeometry::initialCount()
{
    QFETCH(int, count0);
    QFETCH(int, yshift);
    QFETCH(qint64, a);
    QCOMPARE(qint64(vestor::initialCount(count0, yshift)), a);
    // graphScale takes A from nuclide 1's count at time 0 in the same width.
    History history{};
    history[1][1] = count0;
    GraphInput in = makeInput(history, 1, 0b10, 1);
    in.yshift = yshift;
    QCOMPARE(qint64(graphScale(in).a), a);
}

void TestGraphGeometry::exponentCaption_data()
{
    QTest::addColumn<int>("hPosition");
    QTest::addColumn<bool>("baseE");
    QTest::addColumn<QString>("text");
    QTest::addRow("T=1 base e") << 40 << true << "-ln(2)*t/1.00";
    QTest::addRow("T=1 base 0.5") << 40 << false << "t/1.00";
    QTest::addRow("T=12.5 base 0.5") << 500 << false << "t/12.50";
    QTest::addRow("T=12.5 base e") << 500 << true << "-ln(2)*t/12.50";
    QTest::addRow("T=0.025 rounds up") << 1 << false << "t/0.03";
    QTest::addRow("T=0.1") << 4 << true << "-ln(2)*t/0.10";
}

void TestGraphGeometry::exponentCaption()
{
    QFETCH(int, hPosition);
    QFETCH(bool, baseE);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(exponentText(hPosition, baseE)), text);
}

void TestGraphGeometry::equationCaption_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("text");
    QTest::addRow("400 e") << qint64(400) << "*e" << "N = 400*e";
    QTest::addRow("400 0.5") << qint64(400) << "*0.5" << "N = 400*0.5";
    QTest::addRow("50 fills a field of 3") << qint64(50) << "*e" << "N =  50*e";
    QTest::addRow("1000 wider than the field") << qint64(1000) << "*0.5" << "N = 1000*0.5";
    QTest::addRow("negative with sign") << qint64(-5) << "*e" << "N =  -5*e";
    QTest::addRow("beyond 32 bits") << qint64(2147483667) << "*e" << "N = 2147483667*e";
}

void TestGraphGeometry::equationCaption()
{
    QFETCH(qint64, a);
    QFETCH(QString, base);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(equationText(a, base.toStdString())), text);
}

void TestGraphGeometry::readout_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<double>("xs");
    QTest::addColumn<qint64>("a");
    QTest::addColumn<double>("halfLife");
    QTest::addColumn<QString>("text");
    QTest::addRow("on the axis") << 0 << 631.0 << qint64(400) << 0.025 << "t =  0.00\rC =  400.0";
    // One step of N = 10 is 63.1 pixels; the nearest pixel gives almost exactly A/2.
    QTest::addRow("one step right") << 63 << 63.1 << qint64(400) << 1.0 << "t =  1.00\rC =  200.2";
    QTest::addRow("exact step") << 50 << 50.0 << qint64(400) << 1.0 << "t =  1.00\rC =  200.0";
    QTest::addRow("two half-lives") << 100 << 50.0 << qint64(1000) << 1.0 << "t =  2.00\rC =  250.0";
    QTest::addRow("wide count") << 0 << 631.0 << qint64(2147483667) << 1.0 << "t =  0.00\rC = 2147483667.0";
    QTest::addRow("wide time") << 630 << 6.3 << qint64(400) << 1.0 << "t = 100.00\rC =    0.0";
    QTest::addRow("negative A") << 0 << 63.1 << qint64(-10) << 1.0 << "t =  0.00\rC =  -10.0";
}

void TestGraphGeometry::readout()
{
    QFETCH(int, d);
    QFETCH(double, xs);
    QFETCH(qint64, a);
    QFETCH(double, halfLife);
    QFETCH(QString, text);
    const double v = modelValue(a, halfLife, d, xs);
    QCOMPARE(QString::fromStdString(readoutText(d, xs, v)), text);
}

void TestGraphGeometry::pixels_data()
{
    QTest::addColumn<int>("seriesLength");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");
    // Nuclides 1 and 3 graphed, N = 10, scaleMax 400: grid lines at x = 113, 176, 239, 302, ...
    // and at y = 339, 321, ...; nuclide 3's dot for 300 at time 5 is centred on (365, 97).
    QTest::addRow("vertical axis high") << 3 << QPoint(50, 100) << kRed;
    QTest::addRow("vertical axis mid") << 3 << QPoint(50, 250) << kRed;
    QTest::addRow("vertical axis low") << 3 << QPoint(50, 350) << kRed;
    QTest::addRow("time axis") << 3 << QPoint(330, 357) << kRed;
    QTest::addRow("time axis right") << 3 << QPoint(400, 357) << kRed;
    QTest::addRow("horizontal grid line") << 3 << QPoint(400, 339) << kGrey;
    QTest::addRow("vertical grid line") << 3 << QPoint(302, 150) << kGrey;
    QTest::addRow("dot of nuclide 3") << 3 << QPoint(365, 97) << kLime;
    QTest::addRow("dot of nuclide 1") << 3 << QPoint(50, 10) << kBlackRgb;
    QTest::addRow("frame corner") << 3 << QPoint(0, 0) << kBlackRgb;
    QTest::addRow("frame left") << 3 << QPoint(0, 200) << kBlackRgb;
    QTest::addRow("frame bottom") << 3 << QPoint(300, 376) << kBlackRgb;
    QTest::addRow("background") << 3 << QPoint(200, 50) << kWhiteRgb;
    QTest::addRow("background right") << 3 << QPoint(600, 210) << kWhiteRgb;
    // Nuclide 3 lies beyond a series of 2: its dot is missing and the grid shows through.
    QTest::addRow("beyond the series") << 2 << QPoint(365, 97) << kGrey;
}

void TestGraphGeometry::pixels()
{
    QFETCH(int, seriesLength);
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    const History history = sampleHistory();
    GraphInput in = makeInput(history, seriesLength, 0b1010, 10);
    in.nuclideMax = {0, 400, 0, 300, 0, 0};
    DiscPainter discs;
    const QImage image = render(in, &discs);
    QCOMPARE(QColor(image.pixel(at)), QColor(colour));
}

void TestGraphGeometry::curveDrawnOnlyForNuclide1_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<bool>("log");
    QTest::addRow("nuclide 1 graphed") << 0b1010 << true << false;
    QTest::addRow("nuclide 1 unticked") << 0b1100 << false << false;
    QTest::addRow("nuclide 1 graphed, log axis") << 0b1010 << true << true;
    QTest::addRow("nuclide 1 unticked, log axis") << 0b1100 << false << true;
}

void TestGraphGeometry::curveDrawnOnlyForNuclide1()
{
    QFETCH(int, mask);
    QFETCH(bool, drawn);
    QFETCH(bool, log);
    const History history = sampleHistory();
    GraphInput in = makeInput(history, 3, 0b1010, 10);
    in.nuclideMax = {0, 400, 400, 300, 0, 0};
    in.logScale = log;
    // Where the curve lies with nuclide 1 graphed; nuclide 2's maximum keeps the scale when it is not.
    const GraphScale s = graphScale(in);
    const auto v = curveVertices(s.a, s.halfLife, s.xs, s.ys, in.yshift);
    for (int k = 1; k <= kMaxNuclides; ++k)
        in.graphed[k] = (mask >> k) & 1;
    QCOMPARE(graphScale(in).scaleMax, s.scaleMax);
    const QImage image = render(in);
    // Vertices 2..60 lie well inside the plot, clear of the dots on the time axis.
    int black = 0;
    for (int k = 2; k <= 60; ++k) {
        // On the log axis the exponential is the straight line through log A with slope −log 2 / T½.
        const int x = v[1 + k].x;
        const int y = log ? truncPixel(logY(modelValue(s.a, s.halfLife, x - 50, s.xs), s.scaleMax)) : v[1 + k].y;
        black += image.pixel(x, y) == kBlackRgb || (log && image.pixel(x, y + 1) == kBlackRgb);
    }
    QCOMPARE(black, drawn ? 59 : 0);
}

void TestGraphGeometry::fastDotsMatchPainter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("log");
    QTest::addRow("one point") << 1 << false;
    QTest::addRow("ten points") << 10 << false;
    QTest::addRow("a hundred points") << 100 << false;
    QTest::addRow("a hundred points on the log axis, zeros marked") << 100 << true;
}

void TestGraphGeometry::fastDotsMatchPainter()
{
    QFETCH(int, n);
    QFETCH(bool, log);
    History history{};
    for (int t = 0; t < 100; ++t)
        for (int k = 1; k <= 5; ++k)
            history[t + 1][k] = (t * 37 + k * 101) % 450 * (t % 7 != k);
    GraphInput in = makeInput(history, 5, 0b111110, n);
    in.nuclideMax = {0, 450, 450, 450, 450, 450};
    in.logScale = log;
    DiscPainter discs;
    QCOMPARE(render(in, &discs), render(in, nullptr));
    // Nuclide 2's count of 0 at time 2 is a red marker under the time axis, on the log axis only.
    if (n > 2)
        QCOMPARE(render(in).pixel(truncPixel(2 * xScale(n) + 50), kGraphHeight - 13) == kRed, log);
}

QTEST_MAIN(TestGraphGeometry)
#include "test_graphgeometry.moc"
