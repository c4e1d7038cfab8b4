#pragma once

#include <QIcon>
#include <QPixmap>

namespace vestor {

// The orange curved arrow pointing left on the button that closes the program.
QPixmap backArrow(int size);
// The program's icon: a few coloured particles, some decayed, in a chamber.
QPixmap programIcon(int size);
// The window's icon, painted only when the window system asks for it, at the size it asks.
QIcon programWindowIcon();

}  // namespace vestor
