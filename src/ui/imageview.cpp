#include "ui/imageview.h"

#include "ui/announcer.h"
#include "ui/interaction.h"

#include <QMouseEvent>
#include <QPainter>

namespace vestor {

ImageView::ImageView(QImage* image, QWidget* parent) : QWidget(parent), m_image(image)
{
    setFixedSize(image->deviceIndependentSize().toSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
    watchInteraction();
}

QString ImageView::description() const
{
    return forTheEar(m_describer ? m_describer() : accessibleDescription());
}

void ImageView::paintEvent(QPaintEvent* event)
{
    if (devicePixelRatio() != m_shownRatio) {
        m_shownRatio = devicePixelRatio();
        if (m_shownRatio != m_image->devicePixelRatio())
            emit ratioChanged(m_shownRatio);
    }
    if (m_prepare)
        m_prepare();
    QPainter p(this);
    const QRect r = event->rect();
    const double ratio = m_image->devicePixelRatio();
    if (ratio == 1.0)
        p.drawImage(r, *m_image, r);
    else
        p.drawImage(QRectF(r), *m_image, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    // A mouse user sees exactly the picture; the frame is for one who works with the keys.
    if (hasFocus() && keyboardInUse())
        paintFocusFrame(p);
}

// The frame is drawn on the widget, over the picture, never into the image that Copy, Print and
// Save Graph take. Black and white dashes that alternate show on any colour a picture holds, in
// either palette, so a teacher beside a student who works by ear sees where the focus is.
void ImageView::paintFocusFrame(QPainter& p) const
{
    constexpr int kWidth = 3;
    const QRectF frame = QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, kWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawRect(frame);
    QPen dashes(Qt::black, kWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    p.setPen(dashes);
    p.drawRect(frame);
}

void ImageView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ImageView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
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
