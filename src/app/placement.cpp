#include "app/placement.h"

#include <QScreen>
#include <algorithm>
#include <cmath>
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

int fittingSize(QSizeF room, QSizeF window)
{
    if (window.isEmpty())
        return 0;
    const double scale = std::min(room.width() / window.width(), room.height() / window.height());
    const int steps = static_cast<int>(std::floor(scale * 4 + 1e-9));
    return steps >= 4 ? steps * 25 : 0;
}

}  // namespace vestor
