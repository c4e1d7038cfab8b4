#include "ui/discpainter.h"

#include <algorithm>
#include <cmath>

#include "ui/uicommon.h"

namespace vestor {

namespace {

// The opaque pixel of a colour, as QColor::rgb() gives it.
QRgb pixelOf(Color c)
{
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// The device pixels [first, last) that logical pixels [from, to) cover at a ratio.
std::pair<int, int> deviceSpan(int from, int to, double ratio)
{
    return {static_cast<int>(std::lround(from * ratio)), static_cast<int>(std::lround(to * ratio))};
}

}  // namespace

QPen picturePen(const QPainter& painter, const QColor& colour)
{
    const bool finer = painter.device()->devicePixelRatio() != 1.0
                       || painter.worldTransform().type() > QTransform::TxTranslate;
    return QPen(colour, finer ? 1 : 0);
}

QImage pictureImage(QSize logical, double ratio)
{
    QImage image(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

void DiscPainter::drawDirect(QPainter& painter, int x, int y, int size, Color fill, Color outline)
{
    painter.setPen(picturePen(painter, toQColor(outline)));
    painter.setBrush(toQColor(fill));
    painter.drawEllipse(QRect(x, y, size - 1, size - 1));
}

const DiscPainter::Sprite& DiscPainter::sprite(int size, bool rimDiffers, double ratio)
{
    const long long key = (std::llround(ratio * 100) * 4096 + size) * 2 + (rimDiffers ? 1 : 0);
    auto it = m_sprites.find(key);
    if (it != m_sprites.end())
        return it->second;
    // Rasterise once with a fill and a rim of different colours to learn which pixel is which.
    QImage mask = pictureImage(QSize(size + 2, size + 2), ratio);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        drawDirect(p, 0, 0, size, 0x0000FF, rimDiffers ? 0x00FF00 : 0x0000FF);
    }
    Sprite s;
    for (int dy = 0; dy < mask.height(); ++dy) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(dy));
        for (int dx = 0; dx < mask.width(); ++dx) {
            if (qRed(line[dx]) == 255)
                s.fill.push_back({dx, dy});
            else if (qGreen(line[dx]) == 255)
                s.rim.push_back({dx, dy});
        }
    }
    return m_sprites.emplace(key, std::move(s)).first->second;
}

void DiscPainter::draw(QImage& image, int x, int y, int size, Color fill, Color outline)
{
    const double ratio = image.devicePixelRatio();
    const Sprite& s = sprite(size, fill != outline, ratio);
    const QRgb f = pixelOf(fill);
    const QRgb o = pixelOf(outline);
    const int w = image.width();
    const int h = image.height();
    if (ratio != 1.0) {
        x = static_cast<int>(std::lround(x * ratio));
        y = static_cast<int>(std::lround(y * ratio));
        size = static_cast<int>(std::ceil(size * ratio));
    }
    const bool inside = x >= 0 && y >= 0 && x + size + 2 <= w && y + size + 2 <= h;
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    auto put = [&](const std::vector<Pixel>& pixels, QRgb colour) {
        for (const Pixel& px : pixels) {
            const int px_x = x + px.dx;
            const int px_y = y + px.dy;
            if (inside || (px_x >= 0 && px_y >= 0 && px_x < w && px_y < h))
                bits[px_y * stride + px_x] = colour;
        }
    };
    put(s.fill, f);
    put(s.rim, o);
}

bool DiscPainter::plainPixels(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
           || image.format() == QImage::Format_ARGB32_Premultiplied;
}

void DiscPainter::fillLogical(QImage& image, const QRect& logical, QRgb colour)
{
    const double ratio = image.devicePixelRatio();
    const auto [x1, x2] = deviceSpan(logical.left(), logical.right() + 1, ratio);
    const auto [y1, y2] = deviceSpan(logical.top(), logical.bottom() + 1, ratio);
    const int left = std::max(x1, 0);
    const int right = std::min(x2, image.width());
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, image.height());
    if (left >= right)
        return;
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    // A column one pixel wide, as most grid lines are, is a store a row.
    for (QRgb* row = bits + top * stride; row < bits + bottom * stride; row += stride) {
        if (right - left == 1)
            row[left] = colour;
        else
            std::fill(row + left, row + right, colour);
    }
}

void paintFramed(QPainter& p, QSize size, Color border)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(picturePen(p, toQColor(border)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

void DiscPainter::clearFramed(QImage& image, Color border, bool straightforward)
{
    const QSize size = image.deviceIndependentSize().toSize();
    if (straightforward || !plainPixels(image)) {
        QPainter p(&image);
        paintFramed(p, size, border);
        return;
    }
    image.fill(Qt::white);
    const QRgb c = pixelOf(border);
    fillLogical(image, QRect(0, 0, size.width(), 1), c);
    fillLogical(image, QRect(0, size.height() - 1, size.width(), 1), c);
    fillLogical(image, QRect(0, 0, 1, size.height()), c);
    fillLogical(image, QRect(size.width() - 1, 0, 1, size.height()), c);
}

}  // namespace vestor
