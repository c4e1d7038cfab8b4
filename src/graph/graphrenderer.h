#pragma once

#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>

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
};

GraphScale graphScale(const GraphInput& in);

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
