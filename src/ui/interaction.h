#pragma once

#include <functional>

class QObject;

namespace vestor {

// How the student works at this moment, and the help a pointer gets.
//
// A focus frame belongs to keyboard use: it shows while the last thing the student did was a
// key, and goes at the next press of a mouse button, the way desktops and browsers show focus
// rings for keyboard users only. A control with no tooltip of its own shows the description a
// screen reader reads for it, which says what the control does.
//
// Watching starts at the first call; later calls do nothing.
void watchInteraction();

// True while the keyboard is in use: a key was pressed after the last mouse button.
bool keyboardInUse();

// Calls `act` at every key or mouse button the student presses, while `receiver` lives.
void onStudentAction(QObject* receiver, std::function<void()> act);

}  // namespace vestor
