#pragma once

#include <QPixmap>

namespace vestor {

// The orange curved arrow pointing left on the button that closes the program.
QPixmap backArrow(int size);
// The program's icon: a few coloured particles, some decayed, in a chamber.
QPixmap programIcon(int size);

}  // namespace vestor
