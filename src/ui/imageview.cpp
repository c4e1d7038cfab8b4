#include "ui/imageview.h"

#include <QMouseEvent>
#include <QPainter>

namespace vestor {

ImageView::ImageView(QImage* image, QWidget* parent) : QWidget(parent), m_image(image)
{
    setFixedSize(image->size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), *m_image, event->rect());
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
