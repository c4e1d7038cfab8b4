#pragma once

#include <QImage>
#include <QPainter>
#include <unordered_map>
#include <vector>

#include "sim/simulation.h"

namespace vestor {

// Draws the small filled circles of the chamber, the decayed panel and the graph dots.
// A disc fills the box from (x, y) to (x + size, y + size), right and bottom exclusive.
// Each colour, rim and size is rasterised once by QPainter and then copied pixel by pixel,
// which gives exactly the pixels QPainter would draw, many times faster.
class DiscPainter {
public:
    void draw(QImage& image, int x, int y, int size, Color fill, Color outline);
    // The straightforward way, one QPainter ellipse per disc; the reference for the fast path.
    static void drawDirect(QPainter& painter, int x, int y, int size, Color fill, Color outline);
    // Fills an image white inside a one-pixel border. A 32-bit image gets the pixels of a white
    // fill and a cosmetic QPainter::drawRect round the edge written directly; the straightforward
    // way, and any other format, draws them with QPainter.
    static void clearFramed(QImage& image, Color border, bool straightforward = false);
    // Whether an image's pixels are 32-bit words that can be written directly.
    static bool plainPixels(const QImage& image);

private:
    struct Pixel {
        int dx;
        int dy;
    };
    struct Sprite {
        std::vector<Pixel> fill;
        std::vector<Pixel> rim;
    };
    const Sprite& sprite(int size, bool rimDiffers);

    std::unordered_map<int, Sprite> m_sprites;
};

}  // namespace vestor
