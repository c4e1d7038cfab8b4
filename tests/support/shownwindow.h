#pragma once

// The main window as the tests meet it: seeded, shown (so its start-up sequence has run), and
// with its messages recorded instead of shown in modal boxes.
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdint>

#include "app/mainwindow.h"
#include "chamber/chamberpage.h"
#include "core/tabletext.h"
#include "support/testsupport.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"

namespace vestor::test {

// What the Collected Data Table shows for the counts recorded now, read from the simulation.
inline QString shownListing(MainWindow& w)
{
    QString text = QString::fromStdString(listingText(w.simulation().history, w.simulation().seriesLength,
                                                      w.tablePage()->checkedColumns(), w.editorPage()->dataPoints()));
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).remove(QLatin1Char('\r'));
}

struct ShownWindow {
    explicit ShownWindow(std::uint64_t seed) : w(seed)
    {
        w.setNotifier(&notifier);
        w.show();
    }
    Simulation& sim() { return w.simulation(); }
    QTabWidget* nb() const { return named<QTabWidget>(&w, QStringLiteral("showNB")); }
    void page(int index) const { nb()->setCurrentIndex(index); }
    // Switches page as a student does, with a click on its tab.
    void clickTab(int index) const
    {
        QTest::mouseClick(nb()->tabBar(), Qt::LeftButton, {}, nb()->tabBar()->tabRect(index).center());
    }
    // Clicks Time then Remove, `count` times, on the chamber page.
    void stepAndRemove(int count)
    {
        for (int i = 0; i < count; ++i)
            for (const char* name : {"Nextbt", "Removebt"})
                QTest::mouseClick(named<QPushButton>(&w, QLatin1String(name)), Qt::LeftButton);
    }
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
