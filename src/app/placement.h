#pragma once

#include <QMargins>

class QWidget;

namespace vestor {

// The frame the window manager puts round a window, as the platform reports it: the widget's
// own frame geometry only follows at its next move or resize. Empty until the window is framed.
QMargins platformFrame(const QWidget* window);

// Places a window so that it stands, with a frame of `frame`, in the middle of its screen:
// left = (screen width − outer width) div 2, and the same for the top.
void centreOnScreen(QWidget* window, const QMargins& frame);

}  // namespace vestor
