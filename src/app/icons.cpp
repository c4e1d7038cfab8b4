#include "app/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vestor {

QPixmap backArrow(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    const QColor orange(255, 140, 0);
    // A thick arc sweeping over the top from the right, ending in a head that points left.
    QPainterPath arc;
    arc.moveTo(38, 38);
    arc.cubicTo(44, 20, 34, 10, 22, 12);
    p.setPen(QPen(orange.darker(130), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    p.setPen(QPen(orange, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(6, 13);
    head.lineTo(22, 2);
    head.lineTo(22, 24);
    head.closeSubpath();
    p.setPen(QPen(orange.darker(130), 1.5));
    p.setBrush(orange);
    p.drawPath(head);
    return pm;
}

QPixmap programIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(254, 253, 199));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    struct Disc {
        double x, y;
        QColor fill;
        QColor rim;
    };
    const Disc discs[] = {
        {5, 5, Qt::black, Qt::black},       {13, 6, Qt::red, Qt::red},         {21, 5, Qt::black, Qt::black},
        {6, 13, Qt::white, Qt::black},      {14, 14, Qt::green, Qt::green},    {22, 13, Qt::red, Qt::red},
        {5, 21, Qt::black, Qt::black},      {13, 22, Qt::white, Qt::black},    {21, 21, Qt::cyan, Qt::darkCyan},
    };
    for (const Disc& d : discs) {
        p.setPen(QPen(d.rim, 1));
        p.setBrush(d.fill);
        p.drawEllipse(QRectF(d.x, d.y, 6, 6));
    }
    return pm;
}

namespace {

// Paints the program icon on demand and keeps each size it painted. A window system that shows
// no icons never pays for drawing one.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        for (const QPixmap& painted : m_painted)
            if (painted.width() == side)
                return painted;
        m_painted.append(programIcon(side));
        return m_painted.constLast();
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(64, 64)}; }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("vestor-program"); }

private:
    QList<QPixmap> m_painted;
};

}  // namespace

QIcon programWindowIcon()
{
    return QIcon(new ProgramIconEngine);
}

}  // namespace vestor
