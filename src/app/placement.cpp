#include "app/placement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace vestor {

QMargins platformFrame(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void centreOnScreen(QWidget* window, const QMargins& frame)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QSize inner = window->size();
    const QSize outer = inner.grownBy(frame);
    const QRect area = screen->geometry();
    const QPoint corner(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), inner));
}

}  // namespace vestor
