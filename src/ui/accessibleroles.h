#pragma once

class QStyle;

namespace vestor {

// Gives a few widgets the accessible interfaces a screen reader needs from them: the announcer
// its notification role, the notebook's page stack a plain panel's, and every line edit text
// attributes that cover its text. Call before those widgets are built.
void installAccessibleRoles();

// The style of the program: the platform's, except that Alt pressed and released alone does not
// take the focus to the menu bar. With a screen reader running, Qt passes every key through it
// and back, and the Alt of an Alt+letter that has already acted then arrives as a lone Alt: the
// menu bar would take the focus after every page picked with Alt and a letter. Alt and a menu's
// letter still opens the menu.
QStyle* programStyle();

}  // namespace vestor
