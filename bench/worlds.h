#pragma once

// The program states the benchmarks start from, each built once and kept for the whole run.
#include <QPainter>
#include <cstdint>
#include <memory>
#include <random>

#include "app/mainwindow.h"
#include "chamber/chamberpage.h"
#include "core/simulation.h"

class QMainWindow;
class QWidget;

namespace vestor::bench {

inline constexpr std::uint64_t kSeed = 1000;

// Draws every disc with its own QPainter::drawEllipse, keeping one painter per picture open
// for a whole operation: the straightforward way, against which the fast path is measured.
class DirectChamber : public ChamberListener {
public:
    explicit DirectChamber(ChamberImages& images) : m_images(images) {}
    void imagesCleared() override;
    void chamberDisc(int x, int y, int size, Color fill, Color outline) override;
    void panelDisc(int x, int y, int size) override;
    // Ends the painters; the pictures are complete after it.
    void finish();

private:
    ChamberImages& m_images;
    QPainter m_chamber;
    QPainter m_panel;
    Color m_pen = kBlack;
};

// A chamber page on its own, with no graph behind it: Reset, Time and Remove as the chamber
// does them, 1000 particles of one nuclide with a chance of decay of 50 %.
class ChamberWorld {
public:
    explicit ChamberWorld(bool straightforward);
    ~ChamberWorld();

    void reset();
    void step();
    void remove();
    // Completes the pictures of the last operation (only the straightforward way defers any).
    void finish();

    ChamberPage& page() { return *m_page; }
    Simulation& simulation() { return m_sim; }

private:
    Settings m_settings;
    std::mt19937_64 m_rng;
    Simulation m_sim;
    std::unique_ptr<ChamberPage> m_page;
    std::unique_ptr<DirectChamber> m_direct;
};

// The whole program in one of two states.
enum class Load {
    // Just after a Reset with 1000 particles of one nuclide, chance of decay 50 %.
    FreshThousand,
    // A five-nuclide run of 99 steps with N = 100, every nuclide graphed and listed.
    FullRun,
};

class ProgramWorld {
public:
    ProgramWorld(bool straightforward, Load load);
    ~ProgramWorld();

    MainWindow& window() { return *m_window; }
    void showPage(int index);
    void finish();

private:
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<DirectChamber> m_direct;
};

// Handles pending events, as the event loop does between two handlers.
void settle();
// Shows a window and returns once its first paint is done.
void showUntilPainted(QWidget& window);
// The reference window of start-up: an empty main window holding a notebook of five pages.
std::unique_ptr<QMainWindow> emptyWindow();

}  // namespace vestor::bench
