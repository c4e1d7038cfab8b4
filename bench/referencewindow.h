#pragma once

// The reference of start-up: a window holding the same controls as the program's, built the
// plain way.
#include <QMainWindow>
#include <memory>
#include <vector>

namespace vestor::bench {

// What one control of a window looks like, enough to build a plain twin of it.
struct ControlPlan;

// Records a window's controls once: every control becomes the standard Qt widget it is made of,
// in the same place, with the same text, font, palette and state, and with none of the program's
// own work (no particle pool, sprites, pictures, Reset or plot). Menus keep their items.
class ReferenceWindow {
public:
    explicit ReferenceWindow(const QMainWindow& program);
    ~ReferenceWindow();

    std::unique_ptr<QMainWindow> build() const;
    // How many controls the plan holds, to compare with the program's.
    int controls() const;

private:
    std::unique_ptr<ControlPlan> m_root;
    std::vector<std::unique_ptr<ControlPlan>> m_menus;  // the menu bar's
};

}  // namespace vestor::bench
