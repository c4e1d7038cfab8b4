#include "graph/graphrenderer.h"

#include <algorithm>
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
    return s;
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
    for (int g = 1; g <= lines; ++g) {
        const int y = truncPixel((h - 20) - static_cast<double>(g) * s.tick * s.ys);
        grid.emplace_back(kAxisX, y, w, y);
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

}  // namespace

void paintAxes(QPainter& p, QSize size, const GraphScale& s, int n)
{
    const std::vector<QLine> grid = gridOf(size, s, n);
    paintRedAxes(p, size);
    p.setPen(picturePen(p, kGridColour));
    p.drawLines(grid.data(), static_cast<int>(grid.size()));
}

void paintDots(QPainter& p, QSize size, const GraphInput& in, const GraphScale& s)
{
    const int rows = std::min(in.n, kLastTime + 1);
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        for (int t = 0; t < rows; ++t) {
            const GraphPoint c = dotCentre(t, countAt(*in.history, t, k), s.xs, s.ys, size.height());
            DiscPainter::drawDirect(p, c.x - 2, c.y - 2, 5, in.colors[k], kBlack);
        }
    }
}

void paintCurve(QPainter& p, QSize size, const GraphInput& in, const GraphScale& s)
{
    if (!in.graphed[1])
        return;
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
}

void drawDots(QImage& image, const GraphInput& in, const GraphScale& s, DiscPainter* discs)
{
    if (!discs) {
        QPainter direct(&image);
        paintDots(direct, logicalSize(image), in, s);
        return;
    }
    const int rows = std::min(in.n, kLastTime + 1);
    const int height = logicalSize(image).height();
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        for (int t = 0; t < rows; ++t) {
            const GraphPoint c = dotCentre(t, countAt(*in.history, t, k), s.xs, s.ys, height);
            discs->draw(image, c.x - 2, c.y - 2, 5, in.colors[k], kBlack);
        }
    }
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
