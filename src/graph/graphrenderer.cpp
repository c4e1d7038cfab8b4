#include "graph/graphrenderer.h"

#include <vector>

#include "app/uicommon.h"
#include "sim/discpainter.h"

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

void clearGraph(QImage& image)
{
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
}

void drawAxes(QImage& image, const GraphScale& s, int n)
{
    const int w = image.width();
    const int h = image.height();
    QPainter p(&image);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(kAxisX, 10, kAxisX, h - 20);
    p.drawLine(kAxisX, h - 20, w, h - 20);
    p.setPen(QPen(QColor(128, 128, 128), 0));
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
    p.drawLines(grid.data(), static_cast<int>(grid.size()));
}

void drawDots(QImage& image, const GraphInput& in, const GraphScale& s, DiscPainter* discs)
{
    QPainter direct;
    if (!discs)
        direct.begin(&image);
    const int rows = std::min(in.n, kLastTime + 1);
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        for (int t = 0; t < rows; ++t) {
            const GraphPoint c = dotCentre(t, countAt(*in.history, t, k), s.xs, s.ys, image.height());
            if (discs)
                discs->draw(image, c.x - 2, c.y - 2, 5, in.colors[k], kBlack);
            else
                DiscPainter::drawDirect(direct, c.x - 2, c.y - 2, 5, in.colors[k], kBlack);
        }
    }
}

void drawCurve(QImage& image, const GraphInput& in, const GraphScale& s)
{
    if (!in.graphed[1])
        return;
    const auto vertices = curveVertices(s.a, s.halfLife, s.xs, s.ys, in.yshift, image.width(), image.height());
    std::vector<QPoint> points;
    points.reserve(vertices.size());
    for (const GraphPoint& v : vertices)
        points.emplace_back(v.x, v.y);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 0));
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void renderGraph(QImage& image, const GraphInput& in, const GraphScale& s, DiscPainter* discs)
{
    clearGraph(image);
    drawAxes(image, s, in.n);
    drawDots(image, in, s, discs);
    drawCurve(image, in, s);
}

}  // namespace vestor
