#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <array>
#include <cstdint>
#include <vector>

#include "core/graphgeometry.h"
#include "core/simulation.h"
#include "core/tabletext.h"

namespace vestor {

class DiscPainter;

// Everything one redraw of the graph reads.
struct GraphInput {
    const History* history = nullptr;
    int seriesLength = 1;
    std::array<Color, 7> colors{};
    std::array<std::int32_t, 6> nuclideMax{};
    int n = 1;
    std::array<bool, 6> graphed{};  // slots 1..5
    int hPosition = 1;
    int yshift = 20;
    bool logScale = false;
};

// The numbers a redraw works out, which the labels and the read-out use.
struct GraphScale {
    int scaleMax = 100;
    int tick = 5;
    int topValue = 100;
    double xs = 1;
    double ys = 1;
    std::int64_t a = 0;
    double halfLife = 1;
    // Counts on a logarithmic axis from 1 to scaleMax instead of a linear one from 0.
    bool log = false;
};

GraphScale graphScale(const GraphInput& in);
// The picture's y of a count on the graph's count axis.
double countY(const GraphScale& scale, double count, int height = kGraphHeight);
// The pieces of a polyline that lie above y = bottom, cut where it crosses. Drawn instead of
// clipping, so that an SVG drawing, which keeps no clip, shows the same.
std::vector<QPolygonF> partsAbove(const QPolygonF& line, double bottom);

// Draws the graph picture without any label: frame, axes and grid, dots, model curve.
// With no disc painter every dot and grid line is drawn the straightforward QPainter way.
void renderGraph(QImage& image, const GraphInput& in, const GraphScale& scale, DiscPainter* discs);

// The same picture drawn the straightforward way through any painter (a picture at another
// device pixel ratio, a printer's page scaled to the picture's logical size), on the frame that
// paintFramed draws.
void paintAxes(QPainter& p, QSize size, const GraphScale& scale, int n);
void paintDots(QPainter& p, QSize size, const GraphInput& in, const GraphScale& scale);
void paintCurve(QPainter& p, QSize size, const GraphInput& in, const GraphScale& scale);

// The pieces, in the order renderGraph uses them.
// Straightforward: the frame and the grid lines through QPainter rather than written into the
// pixels, which gives the same pixels.
void clearGraph(QImage& image, bool straightforward = false);
void drawAxes(QImage& image, const GraphScale& scale, int n, bool straightforward = false);
void drawDots(QImage& image, const GraphInput& in, const GraphScale& scale, DiscPainter* discs);
void drawCurve(QImage& image, const GraphInput& in, const GraphScale& scale);

}  // namespace vestor
