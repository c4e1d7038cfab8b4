#pragma once

// The main window as the tests meet it: seeded, shown (so its start-up sequence has run), and
// with its messages recorded instead of shown in modal boxes.
#include <QTabWidget>
#include <cstdint>

#include "app/mainwindow.h"
#include "sim/chamberpage.h"
#include "support/testsupport.h"

namespace vestor::test {

struct ShownWindow {
    explicit ShownWindow(std::uint64_t seed) : w(seed)
    {
        w.setNotifier(&notifier);
        w.show();
    }
    Simulation& sim() { return w.simulation(); }
    QTabWidget* nb() const { return named<QTabWidget>(&w, QStringLiteral("showNB")); }
    void page(int index) const { nb()->setCurrentIndex(index); }
    // One Time step; returns the time index it leaves.
    int step()
    {
        w.chamberPage()->NextbtClick();
        return sim().timeIndex;
    }

    // The notifier outlives the window, which may still report while it closes.
    RecordingNotifier notifier;
    MainWindow w;
};

}  // namespace vestor::test
