#pragma once

#include <QImage>
#include <QPainter>
#include <unordered_map>
#include <vector>

#include "core/simulation.h"

namespace vestor {

// A pen one picture pixel wide. Where a picture pixel is one device pixel the pen is cosmetic,
// as the pictures have always been drawn; where the picture is drawn finer (a screen's device
// pixel ratio, a printer's scale) it is one logical pixel wide.
QPen picturePen(const QPainter& painter, const QColor& colour);

// A white picture of a logical size inside a border one picture pixel wide, drawn through any
// painter.
void paintFramed(QPainter& p, QSize size, Color border);

// A picture of a logical size at a device pixel ratio: size × ratio pixels, drawn in logical units.
QImage pictureImage(QSize logical, double ratio);

// Draws the small filled circles of the chamber, the decayed panel and the graph dots.
// A disc fills the box from (x, y) to (x + size, y + size), right and bottom exclusive, in the
// picture's logical units. Each colour, rim, size and device pixel ratio is rasterised once by
// QPainter and then copied pixel by pixel, which gives exactly the pixels QPainter would draw at
// ratio 1, many times faster.
class DiscPainter {
public:
    void draw(QImage& image, int x, int y, int size, Color fill, Color outline);
    // The straightforward way, one QPainter ellipse per disc; the reference for the fast path.
    static void drawDirect(QPainter& painter, int x, int y, int size, Color fill, Color outline);
    // Fills an image white inside a border one logical pixel wide. A 32-bit image gets the pixels
    // of a white fill and a cosmetic QPainter::drawRect round the edge written directly; the
    // straightforward way, and any other format, draws them with QPainter.
    static void clearFramed(QImage& image, Color border, bool straightforward = false);
    // Whether an image's pixels are 32-bit words that can be written directly.
    static bool plainPixels(const QImage& image);
    // Writes a rectangle given in logical pixels straight into a 32-bit picture's device pixels,
    // clipped to the picture.
    static void fillLogical(QImage& image, const QRect& logical, QRgb colour);

private:
    struct Pixel {
        int dx;
        int dy;
    };
    struct Sprite {
        std::vector<Pixel> fill;
        std::vector<Pixel> rim;
    };
    const Sprite& sprite(int size, bool rimDiffers, double ratio);

    std::unordered_map<long long, Sprite> m_sprites;
};

}  // namespace vestor
