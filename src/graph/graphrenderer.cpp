#include "graph/graphrenderer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ui/uicommon.h"
#include "ui/discpainter.h"

namespace vestor {

GraphScale graphScale(const GraphInput& in)
{
    GraphScale s;
    int scaleMax = 100;
    for (int k = 1; k <= in.seriesLength; ++k)
        if (in.graphed[k] && in.nuclideMax[k] > scaleMax)
            scaleMax = in.nuclideMax[k];
    s.scaleMax = scaleMax;
    s.tick = tickStep(scaleMax);
    s.topValue = gridLines(scaleMax) * s.tick;
    s.xs = xScale(in.n);
    s.ys = yScale(scaleMax);
    s.a = initialCount(countAt(*in.history, 0, 1), in.yshift);
    s.halfLife = halfLifeOf(in.hPosition);
    s.log = in.logScale;
    return s;
}

double countY(const GraphScale& s, double count, int height)
{
    return s.log ? logY(count, s.scaleMax, height) : (height - 20) - count * s.ys;
}

std::vector<QPolygonF> partsAbove(const QPolygonF& line, double bottom)
{
    std::vector<QPolygonF> parts(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QPointF& p = line[i];
        if (i > 0 && (line[i - 1].y() > bottom) != (p.y() > bottom)) {
            const QPointF& q = line[i - 1];
            const QPointF cut(q.x() + (bottom - q.y()) / (p.y() - q.y()) * (p.x() - q.x()), bottom);
            parts.back().append(cut);
            if (p.y() > bottom)
                parts.emplace_back();
        }
        if (p.y() <= bottom)
            parts.back().append(p);
    }
    std::erase_if(parts, [](const QPolygonF& part) { return part.size() < 2; });
    return parts;
}

namespace {

QSize logicalSize(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

std::vector<QLine> gridOf(QSize size, const GraphScale& s, int n)
{
    const int w = size.width();
    const int h = size.height();
    const int lines = gridLines(s.scaleMax);
    std::vector<QLine> grid;
    grid.reserve(lines + n);
    if (s.log) {
        // The mark at 1 is the time axis itself.
        for (const int tick : logTicks(s.scaleMax)) {
            const int y = truncPixel(logY(tick, s.scaleMax, h));
            if (tick > 1)
                grid.emplace_back(kAxisX, y, w, y);
        }
    } else {
        for (int g = 1; g <= lines; ++g) {
            const int y = truncPixel((h - 20) - static_cast<double>(g) * s.tick * s.ys);
            grid.emplace_back(kAxisX, y, w, y);
        }
    }
    for (int g = 1; g <= n; ++g) {
        const int x = truncPixel(g * s.xs) + 50;
        grid.emplace_back(x, 10, x, h - 20);
    }
    return grid;
}

const QColor kGridColour(128, 128, 128);

void paintRedAxes(QPainter& p, QSize size)
{
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(kAxisX, 10, kAxisX, size.height() - 20);
    p.drawLine(kAxisX, size.height() - 20, size.width(), size.height() - 20);
}

// The log axis carries a label at every mark, drawn into the picture: the two tick labels beside
// the linear axis mark only its first and top lines.
void paintLogLabels(QPainter& p, QSize size, const GraphScale& s)
{
    p.setFont(pixelFont(11, true));
    p.setPen(Qt::black);
    for (const int tick : logTicks(s.scaleMax)) {
        const int y = truncPixel(logY(tick, s.scaleMax, size.height()));
        p.drawText(QRect(0, y - 8, kAxisX - 4, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }
}

// Each graphed dot: the nuclide, and its place, or nothing where a count of 0 has no place on the
// log axis.
template <typename Visit>
void forEachDot(const GraphInput& in, const GraphScale& s, int height, Visit visit)
{
    const int rows = std::min(in.n, kLastTime + 1);
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        for (int t = 0; t < rows; ++t) {
            const std::int32_t count = countAt(*in.history, t, k);
            if (!s.log)
                visit(k, t, dotCentre(t, count, s.xs, s.ys, height));
            else if (count > 0)
                visit(k, t, GraphPoint{truncPixel(t * s.xs + 50), truncPixel(logY(count, s.scaleMax, height))});
            else
                visit(k, t, std::optional<GraphPoint>{});
        }
    }
}

// A count of 0 on the log axis: a small triangle under the time axis, pointing down at it.
void paintZeroMarker(QPainter& p, int t, const GraphScale& s, int height, Color colour)
{
    const int x = truncPixel(t * s.xs + 50);
    const int y = height - 18;
    const QPoint triangle[] = {{x - 3, y + 6}, {x + 3, y + 6}, {x, y}};
    p.setPen(picturePen(p, Qt::black));
    p.setBrush(toQColor(colour));
    p.drawPolygon(triangle, 3);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void paintAxes(QPainter& p, QSize size, const GraphScale& s, int n)
{
    const std::vector<QLine> grid = gridOf(size, s, n);
    paintRedAxes(p, size);
    p.setPen(picturePen(p, kGridColour));
    p.drawLines(grid.data(), static_cast<int>(grid.size()));
    if (s.log)
        paintLogLabels(p, size, s);
}

void paintDots(QPainter& p, QSize size, const GraphInput& in, const GraphScale& s)
{
    forEachDot(in, s, size.height(), [&](int k, int t, std::optional<GraphPoint> c) {
        if (c)
            DiscPainter::drawDirect(p, c->x - 2, c->y - 2, 5, in.colors[k], kBlack);
        else
            paintZeroMarker(p, t, s, size.height(), in.colors[k]);
    });
}

void paintCurve(QPainter& p, QSize size, const GraphInput& in, const GraphScale& s)
{
    if (!in.graphed[1])
        return;
    if (s.log) {
        // An exponential is a straight line on the log axis; below 1 it leaves the plot.
        if (s.a <= 0)
            return;
        const double end = modelValue(s.a, s.halfLife, size.width() - kAxisX, s.xs);
        const QPolygonF line{QPointF(kAxisX, logY(static_cast<double>(s.a), s.scaleMax, size.height())),
                             QPointF(size.width(), logY(end, s.scaleMax, size.height()))};
        p.setPen(picturePen(p, Qt::black));
        for (const QPolygonF& part : partsAbove(line, size.height() - 20))
            p.drawPolyline(part);
        return;
    }
    const auto vertices = curveVertices(s.a, s.halfLife, s.xs, s.ys, in.yshift, size.width(), size.height());
    std::vector<QPoint> points;
    points.reserve(vertices.size());
    for (const GraphPoint& v : vertices)
        points.emplace_back(v.x, v.y);
    p.setPen(picturePen(p, Qt::black));
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void clearGraph(QImage& image, bool straightforward)
{
    DiscPainter::clearFramed(image, kBlack, straightforward);
}

void drawAxes(QImage& image, const GraphScale& s, int n, bool straightforward)
{
    const QSize size = logicalSize(image);
    if (straightforward || !DiscPainter::plainPixels(image)) {
        QPainter p(&image);
        paintAxes(p, size, s, n);
        return;
    }
    {
        QPainter p(&image);
        paintRedAxes(p, size);
    }
    // Written straight into the pixels, both ends included: what a cosmetic QPainter pen draws
    // for these lines at ratio 1, without its per-pixel spans.
    for (const QLine& l : gridOf(size, s, n))
        DiscPainter::fillLogical(image, QRect(l.p1(), l.p2()).normalized(), kGridColour.rgb());
    if (s.log) {
        QPainter p(&image);
        paintLogLabels(p, size, s);
    }
}

void drawDots(QImage& image, const GraphInput& in, const GraphScale& s, DiscPainter* discs)
{
    if (!discs) {
        QPainter direct(&image);
        paintDots(direct, logicalSize(image), in, s);
        return;
    }
    const int height = logicalSize(image).height();
    // One painter for every count of 0 on the log axis, begun at the first of them.
    std::optional<QPainter> zeros;
    forEachDot(in, s, height, [&](int k, int t, std::optional<GraphPoint> c) {
        if (c) {
            discs->draw(image, c->x - 2, c->y - 2, 5, in.colors[k], kBlack);
        } else {
            if (!zeros)
                zeros.emplace(&image);
            paintZeroMarker(*zeros, t, s, height, in.colors[k]);
        }
    });
}

void drawCurve(QImage& image, const GraphInput& in, const GraphScale& s)
{
    QPainter p(&image);
    paintCurve(p, logicalSize(image), in, s);
}

void renderGraph(QImage& image, const GraphInput& in, const GraphScale& s, DiscPainter* discs)
{
    clearGraph(image, discs == nullptr);
    drawAxes(image, s, in.n, discs == nullptr);
    drawDots(image, in, s, discs);
    drawCurve(image, in, s);
}

}  // namespace vestor
