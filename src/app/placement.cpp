#include "app/placement.h"

#include <QScreen>
#include <algorithm>
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
    // A window larger than the screen keeps its title and menu bar in reach, at the top left.
    const QPoint corner(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                        area.y() + std::max(0, (area.height() - outer.height()) / 2));
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), inner));
}

}  // namespace vestor
