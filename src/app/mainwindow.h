#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "app/help.h"
#include "ui/notifier.h"
#include "core/simulation.h"

class QAction;
class QPrinter;
class QTabWidget;

namespace vestor {

class AboutBox;
class AcceleratorRouter;
class ChamberPage;
class HelpWindow;
class ConfigPage;
class DataTablePage;
class GraphEditorPage;
class GraphPage;
class TGetDataFR;
class TWhoami;

// The one window of the program: five pages in a notebook, the menus, and the rule that a
// changed configuration starts a new run at the next page change.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Without a seed the random generator is seeded once from the clock.
    explicit MainWindow(std::optional<std::uint64_t> seed = std::nullopt);
    ~MainWindow() override;

    Simulation& simulation() { return m_sim; }
    bool configChanged() const { return m_configChanged; }
    int currentPage() const { return m_currentPage; }
    bool startedUp() const { return m_started; }

    void setNotifier(Notifier* notifier);
    Help& help() { return m_help; }
    // The application's current printer, as "P&rint Setup" leaves it.
    QPrinter& printer();

    ConfigPage* configPage() const { return m_config; }
    ChamberPage* chamberPage() const { return m_chamber; }
    DataTablePage* tablePage() const { return m_table; }
    GraphPage* graphPage() const { return m_graph; }
    GraphEditorPage* editorPage() const { return m_editor; }
    TGetDataFR* setDataDialog() const { return m_setData; }
    AboutBox* aboutBox() const { return m_about; }
    // Built the first time the guide is asked for.
    HelpWindow* helpWindow() const { return m_helpWindow; }
    TWhoami* whoami() const { return m_whoami; }

    // Commands that several pages run.
    void restartClick();
    void plotggraph();
    void graphhalf();
    void draxis();
    void memobt();
    void showdatabt();
    void Changed();

    void showNBChange(int index);
    void Print2Click();
    void Copy2Click();
    void PrintSetup1Click();
    void Username1Click();
    void Help1Click();
    // Opens the student's guide at the section of the page in view.
    void Contents1Click();
    void About1Click();
    void e1Click(QAction* clicked);

    // Runs once, when the window is first shown.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reset without asking: a new run from the configuration page's settings.
    void startRun();
    // Starts the run a settings change waits for, as the next page change would.
    void applyPendingSettings();

    void buildMenus();
    void printGraph();
    int dataPoints() const;

    std::mt19937_64 m_rng;
    Simulation m_sim;
    bool m_configChanged = false;
    int m_currentPage = 0;
    bool m_started = false;

    MessageBoxNotifier m_messageBoxes;
    Notifier* m_notifier = &m_messageBoxes;
    Help m_help;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<AcceleratorRouter> m_accelerators;

    QTabWidget* m_nb = nullptr;
    ConfigPage* m_config = nullptr;
    ChamberPage* m_chamber = nullptr;
    DataTablePage* m_table = nullptr;
    GraphPage* m_graph = nullptr;
    GraphEditorPage* m_editor = nullptr;
    QAction* m_copy2 = nullptr;
    QAction* m_print2 = nullptr;
    QAction* m_e1 = nullptr;
    QAction* m_n051 = nullptr;
    TGetDataFR* m_setData = nullptr;
    AboutBox* m_about = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    TWhoami* m_whoami = nullptr;
};

}  // namespace vestor
