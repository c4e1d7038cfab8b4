// The teacher's extras: implied half-lives, the best fit with its standard errors and the
// expected curves, and that switching them off leaves everything else as it was.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "app/mainwindow.h"
#include "config/configpage.h"
#include "core/decayanalysis.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "table/grapheditorpage.h"
#include "ui/uicommon.h"
#include "support/shownwindow.h"

using namespace vestor;
using vestor::test::named;

namespace {

// Records one-member runs of the real simulation: nuclide 1's count at times 0 .. points − 1.
std::vector<double> simulatedRun(std::uint64_t seed, int percent, int particles, int points)
{
    std::mt19937_64 rng(seed);
    Simulation sim([&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; });
    Settings s;
    s.percent[1] = percent;
    s.initial = {0, particles, 0, 0, 0, 0};
    sim.reset(s);
    std::vector<double> counts{static_cast<double>(sim.nuclideCount[1])};
    while (static_cast<int>(counts.size()) < points) {
        if (!sim.timeStep())
            break;
        sim.removeStep();
        counts.push_back(sim.history[sim.timeIndex][1]);
    }
    return counts;
}

// sRGB to linear light.
double linear(Color channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Color c)
{
    return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) + 0.0722 * linear((c >> 16) & 0xFF);
}

// CIE L*a*b* of linear sRGB, white point D65.
std::array<double, 3> lab(const std::array<double, 3>& rgb)
{
    const double xyz[3] = {(0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047,
                           0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2],
                           (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] = xyz[i] > 216.0 / 24389 ? std::cbrt(xyz[i]) : (24389.0 / 27 * xyz[i] + 16) / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// CIEDE2000 colour difference (Sharma, Wu and Dalal 2005).
double deltaE2000(const std::array<double, 3>& x, const std::array<double, 3>& y)
{
    const double rad = M_PI / 180;
    const double cBar = (std::hypot(x[1], x[2]) + std::hypot(y[1], y[2])) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cBar, 7) / (std::pow(cBar, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + g) * x[1], a2 = (1 + g) * y[1];
    const double c1 = std::hypot(a1, x[2]), c2 = std::hypot(a2, y[2]);
    const auto hue = [](double b, double a) {
        return a == 0 && b == 0 ? 0.0 : std::fmod(std::atan2(b, a) * 180 / M_PI + 360, 360);
    };
    const double h1 = hue(x[2], a1), h2 = hue(y[2], a2);
    double dh = c1 * c2 == 0 ? 0 : h2 - h1;
    dh += dh > 180 ? -360 : dh < -180 ? 360 : 0;
    const double dL = y[0] - x[0], dC = c2 - c1, dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * rad);
    const double lBar = (x[0] + y[0]) / 2, cBarP = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0)
        hBar = std::fabs(h1 - h2) <= 180 ? hBar / 2 : hBar < 360 ? (hBar + 360) / 2 : (hBar - 360) / 2;
    const double t = 1 - 0.17 * std::cos((hBar - 30) * rad) + 0.24 * std::cos(2 * hBar * rad)
                     + 0.32 * std::cos((3 * hBar + 6) * rad) - 0.20 * std::cos((4 * hBar - 63) * rad);
    const double sl = 1 + 0.015 * (lBar - 50) * (lBar - 50) / std::sqrt(20 + (lBar - 50) * (lBar - 50));
    const double sc = 1 + 0.045 * cBarP, sh = 1 + 0.015 * cBarP * t;
    const double rt = -std::sin(60 * std::exp(-std::pow((hBar - 275) / 25, 2)) * rad) * 2
                      * std::sqrt(std::pow(cBarP, 7) / (std::pow(cBarP, 7) + std::pow(25.0, 7)));
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) + rt * (dC / sc) * (dH / sh));
}

}  // namespace

class TestExtras : public QObject {
    Q_OBJECT
private slots:
    void impliedHalfLife_data();
    void impliedHalfLife();
    void fitRecoversExactData_data();
    void fitRecoversExactData();
    void fitRefuses_data();
    void fitRefuses();
    void fitErrorIsHonest_data();
    void fitErrorIsHonest();
    void expectedMatchesClosedForm_data();
    void expectedMatchesClosedForm();
    void expectedMatchesSimulatedAverage();
    void bandHoldsNinetyFivePercent_data();
    void bandHoldsNinetyFivePercent();
    void safeColoursTellApart_data();
    void safeColoursTellApart();
    void extrasOffLeaveEverythingAsItWas();
    void useFitMovesTheBars();
    void fitReadsOnlyData_data();
    void fitReadsOnlyData();
    void impliedHalfLivesFollowTheChances();
};

void TestExtras::impliedHalfLife_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("text");
    QTest::newRow("50 %") << 50.0 << "1.00";
    QTest::addRow("1 of 40 on a die") << 100.0 / 40 << "27.38";
    QTest::newRow("100 %") << 100.0 << QString::fromUtf8("\u2014");
    QTest::newRow("1 %") << 1.0 << "68.97";
    QTest::addRow("1 of 3 on a die") << 100.0 / 3 << "1.71";
}

void TestExtras::impliedHalfLife()
{
    QFETCH(double, percent);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(impliedHalfLifeText(percent)), text);
}

void TestExtras::fitRecoversExactData_data()
{
    QTest::addColumn<double>("halfLife");
    QTest::addColumn<double>("a");
    QTest::addColumn<int>("points");
    QTest::addRow("T 1, A 400, 10 points") << 1.0 << 400.0 << 10;
    QTest::addRow("T 3.5, A 1000, 30 points") << 3.5 << 1000.0 << 30;
    QTest::addRow("T 12.5, A 57, 100 points") << 12.5 << 57.0 << 100;
    QTest::addRow("T 0.4, A 250, 3 points") << 0.4 << 250.0 << 3;
}

void TestExtras::fitRecoversExactData()
{
    QFETCH(double, halfLife);
    QFETCH(double, a);
    QFETCH(int, points);
    std::vector<double> counts;
    for (int t = 0; t < points; ++t)
        counts.push_back(a * std::pow(0.5, t / halfLife));
    const DecayFit fit = fitDecay(counts);
    QVERIFY(fit.ok);
    QCOMPARE(fit.points, points);
    QVERIFY(std::fabs(fit.halfLife - halfLife) < 1e-6);
    QVERIFY(std::fabs(fit.initial - a) < 1e-6);
}

void TestExtras::fitRefuses_data()
{
    QTest::addColumn<std::vector<double>>("counts");
    QTest::addColumn<QString>("reason");
    QTest::addRow("two points") << std::vector<double>{400, 200} << "fewer than three usable points";
    QTest::addRow("all gone at once") << std::vector<double>{400, 0, 0, 0} << "fewer than three usable points";
    QTest::addRow("flat") << std::vector<double>{100, 100, 100} << "the counts do not fall";
    QTest::addRow("rising") << std::vector<double>{100, 150, 300} << "the counts do not fall";
    QTest::addRow("nothing to fit") << std::vector<double>{} << "fewer than three usable points";
}

void TestExtras::fitRefuses()
{
    QFETCH(std::vector<double>, counts);
    QFETCH(QString, reason);
    const DecayFit fit = fitDecay(counts);
    QVERIFY(!fit.ok);
    QCOMPARE(QString::fromStdString(fit.reason), reason);
}

void TestExtras::fitErrorIsHonest_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("particles");
    QTest::addColumn<int>("points");
    QTest::newRow("10 %, 400 particles, 30 points") << 10 << 400 << 30;
    QTest::newRow("30 %, 1000 particles, 15 points") << 30 << 1000 << 15;
    QTest::newRow("50 %, 200 particles, 10 points") << 50 << 200 << 10;
}

void TestExtras::fitErrorIsHonest()
{
    QFETCH(int, percent);
    QFETCH(int, particles);
    QFETCH(int, points);
    const double truth = std::log(2.0) / -std::log(1.0 - percent / 100.0);
    int covered = 0;
    int fitted = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        const DecayFit fit = fitDecay(simulatedRun(seed, percent, particles, points));
        if (!fit.ok)
            continue;
        ++fitted;
        if (std::fabs(fit.halfLife - truth) <= 2 * fit.halfLifeError)
            ++covered;
    }
    QCOMPARE(fitted, 1000);
    const double share = static_cast<double>(covered) / fitted;
    QVERIFY2(share >= 0.93 && share <= 0.97, qPrintable(QString::number(share)));
}

void TestExtras::expectedMatchesClosedForm_data()
{
    QTest::addColumn<int>("seriesLength");
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("p1");
    QTest::addColumn<double>("p2");
    QTest::addRow("one member") << 1 << 400.0 << 0.0 << 30.0 << 0.0;
    QTest::addRow("two members from nuclide 1 only") << 2 << 500.0 << 0.0 << 20.0 << 50.0;
    QTest::addRow("two members, both filled") << 2 << 300.0 << 200.0 << 70.0 << 2.5;
}

void TestExtras::expectedMatchesClosedForm()
{
    QFETCH(int, seriesLength);
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, p1);
    QFETCH(double, p2);
    const auto e = expectedCounts({0, n1, n2, 0, 0, 0}, {0, p1, p2, 0, 0, 0}, seriesLength, 40);
    const auto v = expectedVariance({0, n1, n2, 0, 0, 0}, {0, p1, p2, 0, 0, 0}, seriesLength, 40);
    QCOMPARE(e.size(), std::size_t(40));
    QCOMPARE(v.size(), std::size_t(40));
    const double q1 = 1 - p1 / 100;
    const double q2 = 1 - p2 / 100;
    for (int t = 0; t < 40; ++t) {
        QVERIFY(std::fabs(e[t][1] - n1 * std::pow(q1, t)) < 1e-9);
        QVERIFY(std::fabs(v[t][1] - n1 * std::pow(q1, t) * (1 - std::pow(q1, t))) < 1e-9);
        if (seriesLength == 2) {
            // A particle that starts as 1 is a 2 at time t with chance p12; one that starts as 2, q2^t.
            const double p12 = (p1 / 100) * (std::pow(q1, t) - std::pow(q2, t)) / (q1 - q2);
            QVERIFY2(std::fabs(e[t][2] - (n2 * std::pow(q2, t) + n1 * p12)) < 1e-9,
                     qPrintable(QStringLiteral("t = %1").arg(t)));
            const double v2 = n1 * p12 * (1 - p12) + n2 * std::pow(q2, t) * (1 - std::pow(q2, t));
            QVERIFY2(std::fabs(v[t][2] - v2) < 1e-9, qPrintable(QStringLiteral("t = %1").arg(t)));
        }
    }
}

void TestExtras::expectedMatchesSimulatedAverage()
{
    // Two members: 500 particles of nuclide 1 at 20 %, nuclide 2 at 50 %.
    constexpr int runs = 400;
    constexpr int steps = 8;
    std::vector<std::array<double, 3>> sum(steps + 1), sumSquares(steps + 1);
    for (int r = 0; r < runs; ++r) {
        std::mt19937_64 rng(1000 + r);
        Simulation sim([&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; });
        Settings s;
        s.seriesLength = 2;
        s.percent = {0, 20, 50, 50, 50, 50};
        s.initial = {0, 500, 0, 0, 0, 0};
        sim.reset(s);
        for (int t = 0; t <= steps; ++t) {
            if (t > 0) {
                QVERIFY(sim.timeStep());
                sim.removeStep();
            }
            for (int k = 1; k <= 2; ++k) {
                sum[t][k] += sim.nuclideCount[k];
                sumSquares[t][k] += double(sim.nuclideCount[k]) * sim.nuclideCount[k];
            }
        }
    }
    const auto e = expectedCounts({0, 500, 0, 0, 0, 0}, {0, 20, 50, 0, 0, 0}, 2, steps + 1);
    for (int t = 1; t <= steps; ++t) {
        for (int k = 1; k <= 2; ++k) {
            const double mean = sum[t][k] / runs;
            const double sd = std::sqrt(std::max(sumSquares[t][k] / runs - mean * mean, 0.0));
            QVERIFY2(std::fabs(mean - e[t][k]) <= 4 * sd / std::sqrt(double(runs)) + 1e-9,
                     qPrintable(QStringLiteral("t %1 nuclide %2: mean %3 expected %4").arg(t).arg(k).arg(mean).arg(e[t][k])));
        }
    }
}

void TestExtras::bandHoldsNinetyFivePercent_data()
{
    QTest::addColumn<int>("nuclide");
    QTest::addColumn<int>("p1");
    QTest::addColumn<int>("p2");
    QTest::addColumn<int>("particles");
    QTest::addColumn<int>("points");
    QTest::newRow("nuclide 1, 10 %, 400 particles") << 1 << 10 << 50 << 400 << 30;
    QTest::newRow("nuclide 1, 30 %, 1000 particles") << 1 << 30 << 50 << 1000 << 15;
    QTest::newRow("nuclide 2 of a series, 10 % then 20 %") << 2 << 10 << 20 << 1000 << 20;
}

// The share of dots inside the band the graph draws, over seeded runs of the real simulation.
void TestExtras::bandHoldsNinetyFivePercent()
{
    QFETCH(int, nuclide);
    QFETCH(int, p1);
    QFETCH(int, p2);
    QFETCH(int, particles);
    QFETCH(int, points);
    const std::array<double, 6> initial{0, double(particles)};
    const std::array<double, 6> percent{0, double(p1), double(p2)};
    const auto mean = expectedCounts(initial, percent, 2, points);
    const auto variance = expectedVariance(initial, percent, 2, points);
    int inside = 0;
    int dots = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        std::mt19937_64 rng(seed);
        Simulation sim([&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; });
        Settings s;
        s.seriesLength = 2;
        s.percent = {0, p1, p2, 50, 50, 50};
        s.initial = {0, particles, 0, 0, 0, 0};
        sim.reset(s);
        // From time 1: time 0 holds the initial numbers exactly, where the band has no width.
        for (int t = 1; t < points && sim.timeStep(); ++t, ++dots) {
            sim.removeStep();
            inside += std::fabs(sim.nuclideCount[nuclide] - mean[t][nuclide]) <= 1.96 * std::sqrt(variance[t][nuclide]);
        }
    }
    QCOMPARE(dots, 300 * (points - 1));
    const double share = double(inside) / dots;
    QVERIFY2(share >= 0.93 && share <= 0.97, qPrintable(QString::number(share)));
}

void TestExtras::safeColoursTellApart_data()
{
    // Machado, Oliveira and Fernandes (2009) at full severity, on linear RGB.
    QTest::addColumn<QList<double>>("m");
    QTest::addRow("usual vision") << QList<double>{1, 0, 0, 0, 1, 0, 0, 0, 1};
    QTest::addRow("protanopia") << QList<double>{0.152286, 1.052583, -0.204868, 0.114503, 0.786281,
                                                 0.099216, -0.003882, -0.048116, 1.051998};
    QTest::addRow("deuteranopia") << QList<double>{0.367322, 0.860646, -0.227968, 0.280085, 0.672501,
                                                   0.047413, -0.011820, 0.042940, 0.968881};
    QTest::addRow("tritanopia") << QList<double>{1.255528, -0.076749, -0.178779, -0.078411, 0.930809,
                                                 0.147602, 0.004733, 0.691367, 0.303900};
}

// Every pair of the five colours and the white of the chamber and of removed particles differ by a
// CIEDE2000 ΔE of 20 or more as the eye sees them, and every caption reads at 4.5 : 1 on the panel.
void TestExtras::safeColoursTellApart()
{
    QFETCH(QList<double>, m);
    std::vector<std::array<double, 3>> seen;
    for (const Color c : {kColourBlindSafeColors[1], kColourBlindSafeColors[2], kColourBlindSafeColors[3],
                          kColourBlindSafeColors[4], kColourBlindSafeColors[5], kWhite}) {
        const std::array<double, 3> rgb{linear(c & 0xFF), linear((c >> 8) & 0xFF), linear((c >> 16) & 0xFF)};
        std::array<double, 3> sim{};
        for (int i = 0; i < 3; ++i)
            sim[i] = std::clamp(m[3 * i] * rgb[0] + m[3 * i + 1] * rgb[1] + m[3 * i + 2] * rgb[2], 0.0, 1.0);
        seen.push_back(lab(sim));
    }
    for (std::size_t i = 0; i < seen.size(); ++i)
        for (std::size_t j = i + 1; j < seen.size(); ++j) {
            const double d = deltaE2000(seen[i], seen[j]);
            QVERIFY2(d >= 20, qPrintable(QStringLiteral("colours %1 and %2: %3").arg(i + 1).arg(j + 1).arg(d)));
        }
    const double panel = luminance(fromQColor(kPanelColor));
    for (int k = 1; k <= kMaxNuclides; ++k)
        QVERIFY2((panel + 0.05) / (luminance(kColourBlindSafeColors[k]) + 0.05) >= 4.5, qPrintable(QString::number(k)));
}

void TestExtras::extrasOffLeaveEverythingAsItWas()
{
    MainWindow plain(7);
    plain.show();
    MainWindow toggled(7);
    toggled.show();
    for (MainWindow* w : {&plain, &toggled}) {
        for (int i = 0; i < 4; ++i) {
            w->chamberPage()->NextbtClick();
            w->chamberPage()->RemovebtClick();
        }
    }
    auto* bestFit = named<QCheckBox>(&toggled, "bestfitcb");
    auto* expected = named<QCheckBox>(&toggled, "expectedcb");
    QVERIFY(!bestFit->isChecked());
    QVERIFY(!expected->isChecked());
    expected->click();
    bestFit->click();
    QVERIFY(toggled.graphPage()->image() != plain.graphPage()->image());
    expected->click();
    bestFit->click();
    QCOMPARE(toggled.graphPage()->image(), plain.graphPage()->image());

    auto* halfLives = toggled.findChild<QAction*>(QStringLiteral("HalfLives1"));
    QVERIFY(halfLives && !halfLives->isChecked());
    const QImage before = toggled.configPage()->grab().toImage();
    halfLives->setChecked(true);
    QVERIFY(toggled.configPage()->grab().toImage() != before);
    QVERIFY(!toggled.configChanged());
    halfLives->setChecked(false);
    QCOMPARE(toggled.configPage()->grab().toImage(), before);
    QCOMPARE(plain.configPage()->grab().toImage(), before);
}

void TestExtras::useFitMovesTheBars()
{
    MainWindow w(11);
    w.show();
    named<QTabWidget>(&w, "showNB")->setCurrentIndex(1);
    for (int i = 0; i < 8; ++i) {
        w.chamberPage()->NextbtClick();
        w.chamberPage()->RemovebtClick();
    }
    auto* h = named<QScrollBar>(&w, "h");
    auto* yshift = named<QScrollBar>(&w, "yshift");
    named<QCheckBox>(&w, "bestfitcb")->click();
    QVERIFY(named<QLabel>(&w, "fitlb")->isVisibleTo(w.graphPage()));
    std::vector<double> counts;
    for (int t = 0; t < w.editorPage()->dataPoints(); ++t)
        counts.push_back(w.simulation().history[t + 1][1]);
    const DecayFit fit = fitDecay(counts);
    QVERIFY(fit.ok);
    QVERIFY(w.graphPage()->fitText().contains(QString::number(fit.halfLife, 'f', 2)));
    named<QPushButton>(&w, "usefitbt")->click();
    QCOMPARE(h->value(), int(std::lround(fit.halfLife * 40)));
    QCOMPARE(yshift->value(), int(400 + 20 - std::lround(fit.initial)));
    QVERIFY(!w.graphPage()->fitText().contains(QStringLiteral("beyond")));

    // Counts that hardly fall imply a half-life past the bar's end: the bar stops there and says so.
    for (int t = 0; t < w.editorPage()->dataPoints(); ++t)
        w.simulation().history[t + 1][1] = 400 - t;
    named<QPushButton>(&w, "usefitbt")->click();
    QCOMPARE(h->value(), h->maximum());
    QVERIFY(w.graphPage()->fitText().contains(QStringLiteral("beyond")));

    // A half-life of 3.14 lies between two positions of the bar: the fit's line says where it went.
    for (int t = 0; t < w.editorPage()->dataPoints(); ++t)
        w.simulation().history[t + 1][1] = static_cast<std::int32_t>(std::lround(400 * std::pow(0.5, t / 3.14)));
    named<QPushButton>(&w, "usefitbt")->click();
    const QString equation = named<QLabel>(&w, "kvalue")->text().section(QLatin1Char('/'), -1);
    const QString fitted = w.graphPage()->fitText();
    QVERIFY2(!fitted.contains(QStringLiteral("T\u00BD = %1 \u00B1").arg(equation))
                 && fitted.endsWith(QStringLiteral("position gives T\u00BD = %1.").arg(equation)),
             qPrintable(fitted));
}

void TestExtras::fitReadsOnlyData_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("raiseN");  // presses of the right arrow on np
    QTest::addColumn<QList<int>>("typed");  // into t1, t2, ...; 0 leaves a field as it is
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("rises");
    QTest::addRow("N past the recorded times") << 5 << 3 << QList<int>{} << 6 << false;
    QTest::addRow("typed into a never-run table") << 0 << 6 << QList<int>{200, 100, 50, 25} << 5 << false;
    QTest::addRow("a typed count that rises") << 5 << 0 << QList<int>{0, 399} << 5 << true;
}

// The fit takes the recorded or typed times only: zeros nobody recorded are no extinction.
void TestExtras::fitReadsOnlyData()
{
    QFETCH(int, steps);
    QFETCH(int, raiseN);
    QFETCH(QList<int>, typed);
    QFETCH(int, points);
    QFETCH(bool, rises);
    test::ShownWindow x(5);
    QVERIFY(QTest::qWaitForWindowActive(&x.w));
    x.clickTab(1);
    x.stepAndRemove(steps);
    x.clickTab(4);
    auto* np = named<QScrollBar>(&x.w, "np");
    for (int i = 0; i < raiseN; ++i)
        QTest::mouseClick(np, Qt::LeftButton, {}, QPoint(np->width() - 4, np->height() / 2));
    // Last field first, each left by clicking the next: no untyped field is ever entered.
    for (auto s = typed.size(); s >= 1; --s)
        if (auto* field = named<QLineEdit>(&x.w, QStringLiteral("t%1").arg(s)); typed[s - 1]) {
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, QString::number(typed[s - 1]));
        }
    x.clickTab(3);
    QTest::mouseClick(named<QCheckBox>(&x.w, "bestfitcb"), Qt::LeftButton);
    const QString text = x.w.graphPage()->fitText();
    QVERIFY2(text.contains(QStringLiteral("from %1 points").arg(points)), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("rises")), rises);
}

void TestExtras::impliedHalfLivesFollowTheChances()
{
    MainWindow w(3);
    w.show();
    w.findChild<QAction*>(QStringLiteral("HalfLives1"))->setChecked(true);
    auto* label = named<QLabel>(&w, "halflife1");
    QCOMPARE(label->text(), QString::fromUtf8("T\u00BD = 1.00 steps"));
    named<QScrollBar>(&w, "HLsb1")->setValue(100);
    QCOMPARE(label->text(), QString::fromUtf8("T\u00BD = \u2014 steps"));
    named<QScrollBar>(&w, "sides")->setValue(40);
    named<QScrollBar>(&w, "numdicesb1")->setValue(1);
    QCOMPARE(named<QLabel>(&w, "dicehalflife1")->text(), QString::fromUtf8("T\u00BD = 27.38 steps"));
}

QTEST_MAIN(TestExtras)
#include "test_extras.moc"
