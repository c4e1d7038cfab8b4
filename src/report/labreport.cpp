#include "report/labreport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/graphgeometry.h"
#include "ui/savefile.h"
#include "ui/uicommon.h"

namespace vestor {

namespace {

// The page is laid out in points (1/72 inch) whatever the device's resolution.
constexpr double kPoint = 72.0;
constexpr double kGap = 10;
const QColor kRule(150, 150, 150);
const QColor kGrid(205, 205, 205);
// A class's pool may hold thirty files; the first names say where the data came from.
constexpr int kFilesNamed = 12;

QFont font(int points, bool bold = false)
{
    return pixelFont(points, bold);
}

// Nuclide k's dot: a circle, square, upward triangle, diamond or downward triangle, filled in its
// colour with a black rim, so that the nuclides stay apart on a black-and-white printout.
void paintMarker(QPainter& p, QPointF c, double r, int k, const QColor& fill)
{
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(fill);
    const double x = c.x(), y = c.y();
    switch (k) {
    case 1:
        p.drawEllipse(c, r, r);
        break;
    case 2:
        p.drawRect(QRectF(x - r * 0.9, y - r * 0.9, r * 1.8, r * 1.8));
        break;
    case 3:
        p.drawPolygon(QPolygonF{{x, y - r * 1.15}, {x + r * 1.1, y + r * 0.8}, {x - r * 1.1, y + r * 0.8}});
        break;
    case 4:
        p.drawPolygon(QPolygonF{{x, y - r * 1.2}, {x + r * 1.2, y}, {x, y + r * 1.2}, {x - r * 1.2, y}});
        break;
    default:
        p.drawPolygon(QPolygonF{{x, y + r * 1.15}, {x + r * 1.1, y - r * 0.8}, {x - r * 1.1, y - r * 0.8}});
        break;
    }
    p.setBrush(Qt::NoBrush);
}

// A heading of a part, with a thin rule under it; returns the height taken.
double paintHeading(QPainter& p, const QRectF& area, const QString& text)
{
    p.setFont(font(11, true));
    p.setPen(Qt::black);
    const double h = p.fontMetrics().height();
    p.drawText(QRectF(area.left(), area.top(), area.width(), h), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QPen(kRule, 0.5));
    p.drawLine(QPointF(area.left(), area.top() + h + 1), QPointF(area.right(), area.top() + h + 1));
    return h + 4;
}

// Lines of text from the top of area, each wrapped to its width; returns the height taken.
double paintLines(QPainter& p, const QRectF& area, const QStringList& lines)
{
    double y = area.top();
    for (const QString& line : lines) {
        const QRectF box = p.boundingRect(QRectF(area.left(), y, area.width(), 1000), Qt::TextWordWrap, line);
        p.drawText(QRectF(area.left(), y, area.width(), box.height()), Qt::TextWordWrap, line);
        y += box.height();
    }
    return y - area.top();
}

QString number(double v, int decimals)
{
    return QLocale().toString(v, 'f', decimals);
}

// A chance in percent: whole percentages as they were set, a die's chance to one decimal.
QString percentText(double percent)
{
    return LabReport::tr("%1 %").arg(number(percent, percent == std::round(percent) ? 0 : 1));
}

QString signedNumber(double v, int decimals)
{
    const QString text = number(std::abs(v), decimals);
    const double rounded = std::round(v * std::pow(10, decimals));
    return (rounded < 0 ? QStringLiteral("\u2212") : rounded > 0 ? QStringLiteral("+") : QString()) + text;
}

// The expected count of a graphed nuclide at times 0 .. N − 1, and the band about it where 95 % of
// runs fall (the expected count ± 1.96 standard deviations) as a closed outline whose lower edge
// stops at `bottom`, the time axis; `at` places a count at a time on the page. The same curves
// the graph draws.
struct ExpectedOutline {
    int nuclide = 1;
    QPolygonF line;
    QPolygonF band;
};

std::vector<ExpectedOutline> expectedOutlines(const GraphInput& in, const Simulation& sim, double bottom,
                                          const std::function<QPointF(int, double)>& at)
{
    const int rows = std::min(in.n, kLastTime + 1);
    const ExpectedCurves drawn = expectedCurves(sim, rows, true);
    const auto& expected = drawn.mean;
    const auto& variance = drawn.variance;
    std::vector<ExpectedOutline> curves;
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        ExpectedOutline& c = curves.emplace_back();
        c.nuclide = k;
        c.line.reserve(rows);
        c.band.reserve(2 * rows);
        for (int t = 0; t < rows; ++t) {
            c.line.append(at(t, expected[t][k]));
            c.band.append(at(t, expected[t][k] + 1.96 * std::sqrt(variance[t][k])));
        }
        // The band reaches down to the time axis where its lower edge falls below it.
        for (int t = rows - 1; t >= 0; --t) {
            const QPointF lower = at(t, expected[t][k] - 1.96 * std::sqrt(variance[t][k]));
            c.band.append(QPointF(lower.x(), std::min(lower.y(), bottom)));
        }
    }
    return curves;
}

// A step between the labels of an axis that gives at most `most` of them.
double labelStep(double range, int most)
{
    for (const double step : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0, 1000.0})
        if (range / step <= most)
            return step;
    return std::ceil(range / most / 1000.0) * 1000.0;
}

}  // namespace

QPageLayout LabReport::localeLayout(const QLocale& locale)
{
    const bool letter = locale.measurementSystem() != QLocale::MetricSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

int LabReport::times() const
{
    return std::clamp(m_c.graph.n, 1, kLastTime + 1);
}

void LabReport::paintEquation(QPainter& p, QPointF baseline, int points) const
{
    // The equation as the graph page writes it, the exponent raised, with proper signs for paper.
    const auto paper = [](QString text) {
        return text.replace(QLatin1Char('*'), QChar(0x00B7)).replace(QLatin1Char('-'), QChar(0x2212));
    };
    const GraphScale s = graphScale(m_c.graph);
    const QString base = paper(onScreen(equationText(s.a, m_c.baseE ? "*e" : "*0.5")));
    p.setPen(Qt::black);
    p.setFont(font(points));
    p.drawText(baseline, base);
    const double x = baseline.x() + p.fontMetrics().horizontalAdvance(base) + 1;
    p.setFont(font(points * 3 / 4 + 1));
    p.drawText(QPointF(x, baseline.y() - points * 0.45), paper(onScreen(exponentText(m_c.graph.hPosition, m_c.baseE))));
}

void LabReport::paint(QPainter& p, const QMarginsF& inset) const
{
    const QPaintDevice* device = p.device();
    const double scale = device->logicalDpiX() / kPoint;
    p.save();
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(0, 0, device->width() / scale, device->height() / scale).marginsRemoved(inset);

    double y = page.top();
    y += paintHeader(p, page) + kGap;
    const double half = (page.width() - kGap) * 0.56;
    const double left = paintSettings(p, QRectF(page.left(), y, half, page.bottom() - y));
    const double right = paintResults(p, QRectF(page.left() + half + kGap, y, page.width() - half - kGap,
                                                page.bottom() - y));
    y += std::max(left, right) + kGap;

    // The table takes what its columns need; the graph what is left above three lines of
    // conclusion, within bounds that keep it readable and the page in proportion; the conclusion
    // the rest.
    const double table = tableHeight(p, page.width());
    constexpr double kLine = 20;
    const double spare = page.bottom() - y - table - kGap;
    const double graph = std::clamp(spare - 3 * kLine - 18 - kGap, 150.0, 330.0);
    paintGraph(p, QRectF(page.left(), y, page.width(), graph));
    y += graph + kGap;
    paintTable(p, QRectF(page.left(), y, page.width(), table));
    y += table + kGap;
    paintConclusion(p, QRectF(page.left(), y, page.width(), page.bottom() - y));
    p.restore();
}

double LabReport::paintHeader(QPainter& p, const QRectF& area) const
{
    p.setPen(Qt::black);
    p.setFont(font(8));
    const double smallHeight = p.fontMetrics().height();
    //: The program's name and version, at the top right of the lab report
    p.drawText(QRectF(area.left(), area.top(), area.width(), smallHeight), Qt::AlignRight | Qt::AlignVCenter,
               tr("Made with %1 %2").arg(QStringLiteral("Vestor"), QStringLiteral(VESTOR_VERSION)));
    p.setFont(font(17, true));
    const double titleHeight = p.fontMetrics().height();
    //: Title of the printed lab report
    p.drawText(QRectF(area.left(), area.top() + smallHeight, area.width(), titleHeight),
               Qt::AlignLeft | Qt::AlignVCenter, tr("Radioactive Decay: Lab Report"));

    double y = area.top() + smallHeight + titleHeight + 6;
    p.setFont(font(11));
    const double lineHeight = p.fontMetrics().height();
    //: Before the student's name on the lab report
    const QString name = tr("Name:");
    const double nameWidth = p.fontMetrics().horizontalAdvance(name + QLatin1Char(' '));
    p.drawText(QPointF(area.left(), y + p.fontMetrics().ascent()), name);
    if (m_c.userName.trimmed().isEmpty()) {
        // A line to write the name on.
        p.setPen(QPen(Qt::black, 0.5));
        p.drawLine(QPointF(area.left() + nameWidth, y + lineHeight), QPointF(area.left() + nameWidth + 200, y + lineHeight));
    } else {
        p.setFont(font(11, true));
        p.drawText(QPointF(area.left() + nameWidth, y + p.fontMetrics().ascent()), m_c.userName);
    }
    p.setPen(Qt::black);
    p.setFont(font(11));
    //: Before the date on the lab report
    p.drawText(QRectF(area.left(), y, area.width(), lineHeight), Qt::AlignRight | Qt::AlignVCenter,
               tr("Date: %1").arg(QLocale().toString(m_c.date, QLocale::LongFormat)));
    y += lineHeight + 4;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    return y - area.top();
}

double LabReport::paintSettings(QPainter& p, const QRectF& area) const
{
    const Simulation& sim = *m_c.sim;
    double y = area.top() + paintHeading(p, area, tr("Settings of the run"));
    p.setFont(font(9));
    p.setPen(Qt::black);
    QStringList lines;
    //: Lab report: how many nuclides the decay series has
    lines << tr("Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.")
                 .arg(sim.seriesLength);
    const auto die = std::find_if(m_c.dice.begin() + 1, m_c.dice.begin() + 1 + sim.seriesLength,
                                  [](const auto& d) { return d.has_value(); });
    if (die != m_c.dice.begin() + 1 + sim.seriesLength)
        lines << tr("Chances by a die of %n sides: a particle decays when the die shows its decay value or less.", nullptr,
                    (*die)->sides);
    if (sim.pooled) {
        if (m_c.pooledFiles.isEmpty())
            lines << tr("Graph data: the sums of pooled saved runs.");
        else
            lines << tr("Graph data: the sums of saved runs (%1): %2.")
                         .arg(m_c.pooledFiles.size())
                         .arg(m_c.pooledFiles.size() <= kFilesNamed
                                  ? m_c.pooledFiles.join(QStringLiteral(", "))
                                  : m_c.pooledFiles.mid(0, kFilesNamed).join(QStringLiteral(", ")) + QStringLiteral(", …"));
    }
    y += paintLines(p, QRectF(area.left(), y, area.width(), area.height()), lines) + 3;

    // One row per nuclide: its marker, its chance, the half-life that implies, its initial number.
    // Each column as wide as its widest text, the room left shared out between them.
    QList<QStringList> rows{{tr("Nuclide"), tr("Chance per step"), tr("Half-life"), tr("Initial number")}};
    for (int k = 1; k <= sim.seriesLength; ++k) {
        const double percent = sim.decayThreshold[k];
        const QString chance = m_c.dice[k] ? tr("%1 or less (%2)").arg(m_c.dice[k]->value).arg(percentText(percent))
                                           : percentText(percent);
        const QString halfLife = impliedHalfLife(percent) ? tr("%1 steps").arg(onScreen(impliedHalfLifeText(percent)))
                                                          : onScreen(impliedHalfLifeText(percent));
        rows << QStringList{tr("Nuclide %1").arg(k), chance, halfLife, QString::number(sim.runInitial[k])};
    }
    // A heading wider than its column wraps onto a second line, word by word.
    std::array<double, 4> widths{};
    for (int r = 0; r < rows.size(); ++r) {
        p.setFont(font(9, r == 0));
        for (int i = 0; i < 4; ++i)
            for (const QString& word : r == 0 ? rows[r][i].split(u' ') : QStringList{rows[r][i]})
                widths[i] = std::max(widths[i], p.fontMetrics().horizontalAdvance(word) + 1.0);
    }
    constexpr double kMarker = 12;
    double used = kMarker;
    for (const double w : widths)
        used += w;
    const double spread = std::max(6.0, (area.width() - used) / 3);
    // Headings are right-aligned: one that fills its column would touch the one before it.
    constexpr double kGutter = 6;
    const double rowHeight = p.fontMetrics().height() + 2;
    for (int r = 0; r < rows.size(); ++r) {
        p.setFont(font(9, r == 0));
        double height = rowHeight;
        for (int i = 0; r == 0 && i < 4; ++i)
            height = std::max(height, p.boundingRect(QRectF(0, 0, widths[i] + (i > 0 ? spread - kGutter : 0), 100),
                                                     Qt::TextWordWrap, rows[r][i]).height() + 2);
        if (r > 0)
            paintMarker(p, QPointF(area.left() + 5, y + rowHeight / 2), 3, r, toQColor(sim.nuclideColor[r]));
        p.setPen(Qt::black);
        double x = area.left() + kMarker;
        for (int i = 0; i < 4; ++i) {
            const double w = widths[i] + (i > 0 ? spread : 0);
            const double gutter = i > 0 ? kGutter : 0;
            p.drawText(QRectF(x + gutter, y, w - gutter, height),
                       (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom | Qt::TextWordWrap, rows[r][i]);
            x += w;
        }
        y += height;
    }
    return y - area.top();
}

double LabReport::paintResults(QPainter& p, const QRectF& area) const
{
    double y = area.top() + paintHeading(p, area, tr("Half-life of nuclide 1"));
    const GraphScale s = graphScale(m_c.graph);
    const double model = s.halfLife;
    const std::optional<double> predicted = impliedHalfLife(m_c.sim->decayThreshold[1]);
    const DecayFit& fit = m_c.fit;
    p.setPen(Qt::black);
    p.setFont(font(9));
    const double lineHeight = p.fontMetrics().height() + 1;
    // A caption and its value on one line, the value in bold at the right.
    // A caption and its value on one line, the value in bold at the right; on two where both do
    // not fit on one.
    const auto line = [&](const QString& caption, const QString& value) {
        p.setFont(font(9, true));
        const double valueWidth = p.fontMetrics().horizontalAdvance(value);
        p.setFont(font(9));
        const bool apart = p.fontMetrics().horizontalAdvance(caption) + valueWidth + 8 > area.width();
        p.drawText(QRectF(area.left(), y, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, caption);
        if (apart)
            y += lineHeight;
        p.setFont(font(9, true));
        p.drawText(QRectF(area.left(), y, area.width(), lineHeight), Qt::AlignRight | Qt::AlignVCenter, value);
        y += lineHeight;
    };
    //: Lab report: the model curve the student set with the two scroll bars
    line(tr("Your model (scroll bars)"), QStringLiteral("T½ = %1,  A = %2").arg(number(model, 2)).arg(s.a));
    // Room above for the raised exponent.
    paintEquation(p, QPointF(area.left() + 8, y + lineHeight + 1), 9);
    y += lineHeight + 5;
    if (fit.ok)
        line(tr("Best fit from %n points", nullptr, fit.points),
             QStringLiteral("T½ = %1 ± %2,  A = %3 ± %4")
                 .arg(number(fit.halfLife, 2), number(fit.halfLifeError, 2), number(fit.initial, 1),
                      number(fit.initialError, 1)));
    else
        line(tr("Best fit"), tr("no estimate, %1").arg(QCoreApplication::translate("vestor::GraphPage", fit.reason.c_str())));
    if (fit.ok && fit.risesAfter >= 0) {
        p.setFont(font(8));
        y += paintLines(p, QRectF(area.left() + 8, y, area.width() - 8, area.height()),
                        {QCoreApplication::translate("vestor::GraphPage", " The count rises from time %1 to %2, which decay "
                                                                  "alone cannot do: the ± does not hold.")
                             .arg(fit.risesAfter)
                             .arg(fit.risesAfter + 1)
                             .trimmed()});
    }
    line(tr("Predicted from the chance of %1").arg(percentText(m_c.sim->decayThreshold[1])),
         predicted ? QStringLiteral("T½ = %1").arg(number(*predicted, 2)) : onScreen(impliedHalfLifeText(100)));
    y += 3;
    p.setFont(font(9, true));
    p.drawText(QRectF(area.left(), y, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Differences of T½ in steps"));
    y += lineHeight;
    const auto difference = [&](const QString& caption, const std::optional<double>& a,
                                const std::optional<double>& b) {
        line(QStringLiteral("   ") + caption,
             a && b ? signedNumber(*a - *b, 2) : onScreen(impliedHalfLifeText(100)));
    };
    std::optional<double> fitted;
    if (fit.ok)
        fitted = fit.halfLife;
    const std::optional<double> yours = model;
    difference(tr("your model − best fit"), yours, fitted);
    difference(tr("your model − predicted"), yours, predicted);
    difference(tr("best fit − predicted"), fitted, predicted);
    p.setFont(font(8));
    y += paintLines(p, QRectF(area.left(), y + 2, area.width(), area.height()),
                    {tr("Half-lives in time steps; A is the count at time 0.")}) + 2;
    return y - area.top();
}

void LabReport::paintGraph(QPainter& p, const QRectF& area) const
{
    const GraphInput& in = m_c.graph;
    const GraphScale s = graphScale(in);
    const int n = times();
    double top = area.top() + paintHeading(p, area, tr("Graph"));

    // The plot, with room for the count labels at its left, the time labels under it and the
    // legend at its right.
    constexpr double kLegend = 128;
    const QRectF plot(area.left() + 40, top + 6, area.width() - 40 - kLegend - 8, area.bottom() - top - 6 - 30);
    const auto x = [&](double t) { return plot.left() + t * plot.width() / n; };
    const double logTop = std::log(static_cast<double>(s.scaleMax));
    const auto y = [&](double count) {
        if (s.log)
            return count > 0 ? plot.bottom() - std::log(count) / logTop * plot.height() : plot.bottom() + 1e6;
        return plot.bottom() - count / s.scaleMax * plot.height();
    };

    // Grid and labels of the counts.
    p.setFont(font(8));
    const double labelHeight = p.fontMetrics().height();
    const auto countLabel = [&](double value, double at) {
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), at - labelHeight / 2, plot.left() - area.left() - 4, labelHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(static_cast<long long>(value)));
    };
    if (s.log) {
        for (const int tick : logTicks(s.scaleMax)) {
            p.setPen(QPen(kGrid, 0.5));
            p.drawLine(QPointF(plot.left(), y(tick)), QPointF(plot.right(), y(tick)));
            countLabel(tick, y(tick));
        }
    } else {
        const int lines = gridLines(s.scaleMax);
        const int every = lines > 10 ? 2 : 1;
        countLabel(0, plot.bottom());
        for (int g = 1; g <= lines; ++g) {
            const double at = y(static_cast<double>(g) * s.tick);
            p.setPen(QPen(kGrid, g % every == 0 ? 0.6 : 0.3));
            p.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
            if (g % every == 0 || g == lines)
                countLabel(static_cast<double>(g) * s.tick, at);
        }
    }
    // Grid and labels of the times.
    const double step = labelStep(n, 12);
    for (int t = 1; t <= n; ++t) {
        const bool labelled = std::fmod(t, step) == 0;
        if (!labelled && n > 50)
            continue;
        p.setPen(QPen(kGrid, labelled ? 0.6 : 0.3));
        p.drawLine(QPointF(x(t), plot.top()), QPointF(x(t), plot.bottom()));
    }
    p.setPen(Qt::black);
    for (double t = 0; t <= n; t += step)
        p.drawText(QRectF(x(t) - 20, plot.bottom() + 3, 40, labelHeight), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(static_cast<int>(t)));
    p.setFont(font(9, true));
    //: Lab report graph: title of the time axis
    p.drawText(QRectF(plot.left(), plot.bottom() + 3 + labelHeight, plot.width(), labelHeight + 4),
               Qt::AlignHCenter | Qt::AlignVCenter, tr("Time (steps)"));
    p.save();
    p.translate(area.left() + 6, plot.center().y());
    p.rotate(-90);
    //: Lab report graph: title of the count axis
    p.drawText(QRectF(-plot.height() / 2, -6, plot.height(), 12), Qt::AlignCenter,
               s.log ? tr("Count (logarithmic)") : tr("Count"));
    p.restore();

    // A thin frame round the plot, the two axes stronger; the data are drawn over them.
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRect(plot);
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // Everything drawn inside the plot stays inside it.
    p.save();
    p.setClipRect(plot.adjusted(-6, -6, 6, 6));
    const int rows = std::min(n, kLastTime + 1);
    if (m_c.expectedShown) {
        for (const ExpectedOutline& c : expectedOutlines(in, *m_c.sim, plot.bottom(),
                                                     [&](int t, double count) {
                                                         return QPointF(x(t), std::min(y(count), plot.bottom() + 6));
                                                     })) {
            QColor light = toQColor(in.colors[c.nuclide]);
            light.setAlpha(50);
            p.setPen(Qt::NoPen);
            p.setBrush(light);
            p.save();
            p.setClipRect(plot);
            p.drawPolygon(c.band);
            p.restore();
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(toQColor(in.colors[c.nuclide]).darker(120), 0.8, Qt::DashDotLine));
            for (const QPolygonF& part : partsAbove(c.line, plot.bottom()))
                p.drawPolyline(part);
        }
    }
    const auto curve = [&](double a, double halfLife) {
        QPolygonF line;
        for (int i = 0; i <= 400; ++i) {
            const double t = n * i / 400.0;
            line.append(QPointF(x(t), y(a * std::pow(0.5, t / halfLife))));
        }
        for (const QPolygonF& part : partsAbove(line, plot.bottom()))
            p.drawPolyline(part);
    };
    if (m_c.bestFitShown && m_c.fit.ok) {
        p.setPen(QPen(QColor(90, 90, 90), 1.0, Qt::DashLine));
        curve(m_c.fit.initial, m_c.fit.halfLife);
    }
    if (in.graphed[1] && s.a > 0) {
        p.setPen(QPen(Qt::black, 1.0));
        curve(static_cast<double>(s.a), s.halfLife);
    }
    // Dots shrink a little where the times lie close, so that neighbours stay apart.
    const double dot = std::clamp(plot.width() / n * 0.4, 1.8, 2.6);
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        for (int t = 0; t < rows; ++t) {
            const std::int32_t count = countAt(*in.history, t, k);
            // A count of 0 has no place on the log axis: a small mark just under it instead.
            const QPointF at = s.log && count <= 0 ? QPointF(x(t), plot.bottom() + 3) : QPointF(x(t), y(count));
            paintMarker(p, at, s.log && count <= 0 ? 1.5 : dot, k, toQColor(in.colors[k]));
        }
    }
    p.restore();

    // The legend: one line for each nuclide graphed, the model with its equation, and the extras.
    double ly = plot.top();
    const double lx = plot.right() + 12;
    p.setFont(font(9));
    const double lh = p.fontMetrics().height() + 3;
    const auto legendText = [&](const QString& text) {
        p.setPen(Qt::black);
        p.setFont(font(9));
        const QRectF box = p.boundingRect(QRectF(lx + 22, ly, kLegend - 26, 200), Qt::TextWordWrap, text);
        p.drawText(QRectF(lx + 22, ly, kLegend - 26, box.height()), Qt::TextWordWrap, text);
        ly += std::max(lh, box.height() + 3);
    };
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        paintMarker(p, QPointF(lx + 9, ly + lh / 2 - 1), 3, k, toQColor(in.colors[k]));
        legendText(tr("Nuclide %1").arg(k));
    }
    const auto sample = [&](const QPen& pen) {
        p.setPen(pen);
        p.drawLine(QPointF(lx, ly + lh / 2 - 1), QPointF(lx + 18, ly + lh / 2 - 1));
    };
    if (in.graphed[1]) {
        sample(QPen(Qt::black, 1.0));
        legendText(tr("Your model"));
        paintEquation(p, QPointF(lx + 4, ly + 6), 8);
        ly += lh + 4;
    }
    if (m_c.bestFitShown && m_c.fit.ok) {
        sample(QPen(QColor(90, 90, 90), 1.0, Qt::DashLine));
        legendText(tr("Best fit"));
    }
    if (m_c.expectedShown) {
        p.fillRect(QRectF(lx, ly + 1, 18, lh - 4), QColor(0, 0, 0, 40));
        sample(QPen(Qt::black, 0.8, Qt::DashDotLine));
        legendText(tr("Expected count, in the band where 95 % of runs fall"));
    }
}

LabReport::TableShape LabReport::tableShape(QPainter& p, double width) const
{
    p.setFont(font(7));
    const QFontMetricsF fm(p.font(), p.device());
    // Columns as narrow as the counts shown allow, so that 100 times fit in a few blocks.
    std::int32_t widest = 0;
    for (int t = 0; t < times(); ++t)
        for (int k = 1; k <= m_c.sim->seriesLength; ++k)
            widest = std::max(widest, countAt(m_c.sim->history, t, k));
    TableShape shape;
    shape.timeWidth = fm.horizontalAdvance(QStringLiteral("00")) + 6;
    shape.cell = std::max(fm.horizontalAdvance(QString::number(widest)), fm.horizontalAdvance(QStringLiteral("N5"))) + 8;
    const double block = shape.timeWidth + m_c.sim->seriesLength * shape.cell + 8;
    // Blocks of ten times or more, so that a short run reads down a few columns; at most as many
    // blocks as the width takes.
    constexpr int kRowsPerBlock = 10;
    const int fit = std::max(1, static_cast<int>(width / block));
    shape.blocks = std::clamp((times() + kRowsPerBlock - 1) / kRowsPerBlock, 1, fit);
    shape.rows = (times() + shape.blocks - 1) / shape.blocks;
    shape.rowHeight = fm.height() + 0.5;
    return shape;
}

double LabReport::tableHeight(QPainter& p, double width) const
{
    const TableShape shape = tableShape(p, width);
    return 20 + (shape.rows + 1) * shape.rowHeight;
}

void LabReport::paintTable(QPainter& p, const QRectF& area) const
{
    const Simulation& sim = *m_c.sim;
    double top = area.top() + paintHeading(p, area, tr("Data: counts at each time"));
    const TableShape shape = tableShape(p, area.width());
    const int columns = sim.seriesLength;
    const double timeWidth = shape.timeWidth;
    const double cell = shape.cell;
    const int blocks = shape.blocks;
    const int rows = shape.rows;
    const double rowHeight = shape.rowHeight;
    const int n = times();
    // The blocks share the width evenly, a block's width and a gap apart at most; times run down
    // each block, then on in the next.
    const double spread = std::min(area.width() / blocks, timeWidth + columns * cell + 3 * cell);
    for (int b = 0; b < blocks && b * rows < n; ++b) {
        const double left = area.left() + b * spread;
        double y = top;
        p.setFont(font(7, true));
        p.setPen(Qt::black);
        // t and N1..N5 as in the equation, the same in every language.
        p.drawText(QRectF(left, y, timeWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("t"));
        for (int k = 1; k <= columns; ++k) {
            const QRectF box(left + timeWidth + (k - 1) * cell, y, cell, rowHeight);
            p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("N%1").arg(k));
        }
        y += rowHeight;
        p.setPen(QPen(kRule, 0.4));
        p.drawLine(QPointF(left, y), QPointF(left + timeWidth + columns * cell, y));
        p.setFont(font(7));
        for (int t = b * rows; t < std::min(n, (b + 1) * rows); ++t) {
            if ((t - b * rows) % 5 == 4) {
                // A faint line every fifth row keeps the eye on its row.
                p.setPen(QPen(kGrid, 0.3));
                p.drawLine(QPointF(left, y + rowHeight), QPointF(left + timeWidth + columns * cell, y + rowHeight));
            }
            p.setPen(Qt::black);
            p.drawText(QRectF(left, y, timeWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter, QString::number(t));
            for (int k = 1; k <= columns; ++k)
                p.drawText(QRectF(left + timeWidth + (k - 1) * cell, y, cell, rowHeight),
                           Qt::AlignRight | Qt::AlignVCenter, QString::number(countAt(sim.history, t, k)));
            y += rowHeight;
        }
    }
}

void LabReport::paintConclusion(QPainter& p, const QRectF& area) const
{
    //: Lab report: heading of the ruled lines where the student writes a conclusion
    const double top = area.top() + paintHeading(p, area, tr("Conclusion"));
    p.setPen(QPen(kRule, 0.5));
    for (double y = top + 20; y <= area.bottom() - 2; y += 20)
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

QString LabReport::savePdf(const QString& path, const QPageLayout& layout) const
{
    // Drawn into memory, then written as every file is, whole or not at all.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(600);
        pdf.setPageLayout(layout);
        pdf.setTitle(tr("Radioactive Decay: Lab Report"));
        pdf.setCreator(QStringLiteral("Vestor"));
        QPainter p;
        if (!p.begin(&pdf))
            return tr("The report could not be drawn.");
        paint(p);
        if (!p.end())
            return tr("The report could not be drawn.");
    }
    return saveWhole(path, bytes.data());
}

}  // namespace vestor
