#include "ui/imageview.h"

#include <QMouseEvent>
#include <QPainter>

namespace vestor {

ImageView::ImageView(QImage* image, QWidget* parent) : QWidget(parent), m_image(image)
{
    setFixedSize(image->deviceIndependentSize().toSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::paintEvent(QPaintEvent* event)
{
    if (devicePixelRatio() != m_shownRatio) {
        m_shownRatio = devicePixelRatio();
        if (m_shownRatio != m_image->devicePixelRatio())
            emit ratioChanged(m_shownRatio);
    }
    QPainter p(this);
    const QRect r = event->rect();
    const double ratio = m_image->devicePixelRatio();
    if (ratio == 1.0)
        p.drawImage(r, *m_image, r);
    else
        p.drawImage(QRectF(r), *m_image, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position().toPoint(), event->button());
}

}  // namespace vestor
