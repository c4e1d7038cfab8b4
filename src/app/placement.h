#pragma once

#include <QMargins>
#include <QSizeF>

class QWidget;

namespace vestor {

// The frame the window manager puts round a window, as the platform reports it: the widget's
// own frame geometry only follows at its next move or resize. Empty until the window is framed.
QMargins platformFrame(const QWidget* window);

// Places a window so that it stands, with a frame of `frame`, in the middle of its screen:
// left = (screen width − outer width) div 2, and the same for the top.
void centreOnScreen(QWidget* window, const QMargins& frame);

// The largest size, in steps of 25 %, at which a window `window` big at 100 % fits in `room`
// (both in the same pixels); 0 when not even 100 % fits.
int fittingSize(QSizeF room, QSizeF window);

}  // namespace vestor
