#pragma once

#include <QMainWindow>
#include <QSettings>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/help.h"
#include "app/lessonfile.h"
#include "ui/notifier.h"
#include "core/randomgenerator.h"
#include "core/simulation.h"

class QAction;
class QPrinter;
class QMenu;
class QTabWidget;
class QTimer;

namespace vestor {

// The few choices the program remembers between runs: the palette, the window's size, the
// recent lessons.
QSettings storedChoices();

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
struct ReportContent;

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
    // Saves the graph as a picture for a report; the file type follows the extension.
    void SaveGraphAs1Click();
    // Saves to a file: PNG at the screen's ratio (or twice the size), SVG or PDF. Returns why it
    // failed, and reports that too; empty when saved.
    QString saveGraph(const QString& path, bool twiceTheSize = false);
    // The lab report: one page with the settings, the graph, the numbers and the data, printed
    // (after the print dialog) or saved as PDF (after a file dialog). Both return why they
    // failed, and report that too; empty when done.
    void PrintReport1Click();
    void SaveReport1Click();
    QString printReport();
    QString saveReport(const QString& path);
    // The nuclides in colours a colour-blind student tells apart, or in the usual ones; remembered.
    void setColourBlindSafe(bool on);

    // Runs once, when the window is first shown.
    void FormActivate();

    // Lessons: everything needed to go on where a class stopped.
    Lesson captureLesson() const;
    // Shows a sound lesson (readLesson) as the run going on; the title is the caller's.
    void applyLesson(const Lesson& lesson);
    // Opens a lesson file; a file that cannot be opened is reported with its name and why, and
    // the lesson in the window stays as it was. True when it was opened.
    bool openLessonFile(const QString& path);
    // Writes the lesson into a file, which then names the lesson; on failure the old file stays
    // whole and the reason is reported.
    bool saveLessonTo(const QString& path);
    // Starts a fresh, untitled lesson from a built-in example (lessonExamples()).
    void openExample(int index);
    QString lessonPath() const { return m_lessonPath; }
    QStringList recentLessons() const;
    void OpenLesson1Click();
    // Opens a lesson file after asking first, as Open Lesson does: a lesson shared as a link.
    void openLessonAsked(const QString& path);
    // In a browser: the page's address with this lesson in it, on the clipboard.
    void CopyLessonLink1Click();
    bool SaveLesson1Click();
    bool SaveLessonAs1Click();
    void LockSettings1Click(bool locked);

    // The sizes the window may be drawn at, in percent; a size takes effect at the next start.
    static int windowSize();
    static void setWindowSize(int percent);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Reset without asking: a new run from the configuration page's settings.
    void startRun();
    // True when no pooled counts stand in the way of a new run, or the student lets it replace them.
    bool mayReplacePooled();
    // Starts the run a settings change waits for, as the next page change would.
    void applyPendingSettings();

    void buildMenus();
    void buildFileMenu();
    void buildViewMenu();
    void fillRecentMenu();
    void rememberLesson(const QString& path);
    void setLessonPath(const QString& path);
    void setLessonModified(bool modified);
    void warnBeforeLeaving();
    void markLessonChanged();
    void watchLessonChanges();
    // Work not yet saved, a titled lesson's changes or an untitled run's counts: asks whether to
    // save it first. False when the student cancels (or the save fails), and the lesson stays
    // open; `asked` tells whether the question came.
    bool lessonMayClose(bool* asked = nullptr);
    // The counts as last saved (a lesson or the data file) or as a new run starts them: closing
    // asks before it loses any others.
    void keepCounts();
    bool countsUnsaved() const;
    // Before another lesson or an example replaces this one: its changes saved or given up, and
    // pooled counts replaced only when the student says so.
    bool lessonMayGo();
    void printGraph();
    ReportContent reportContent() const;
    int dataPoints() const;

    RandomGenerator m_rng;
    Simulation m_sim;
    bool m_configChanged = false;
    int m_currentPage = 0;
    bool m_started = false;

    MessageBoxNotifier m_messageBoxes;
    Notifier* m_notifier = &m_messageBoxes;
    Help m_help;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<AcceleratorRouter> m_accelerators;
    QString m_lessonPath;
    // The file's bytes as last opened or saved: a lesson is changed when it would save others.
    QByteArray m_lessonSaved;
    struct KeptCounts {
        decltype(Simulation::history) history{};
        decltype(Simulation::origin) origin{};
        bool pooled = false;
        bool operator==(const KeptCounts&) const = default;
    };
    KeptCounts m_keptCounts;
    QMenu* m_recent = nullptr;
    QTimer* m_lessonCheck = nullptr;
    bool m_lessonMovedAgain = false;
    bool m_runMovedOn = false;
    QAction* m_lock = nullptr;
    QAction* m_halfLives = nullptr;

    QTabWidget* m_nb = nullptr;
    ConfigPage* m_config = nullptr;
    ChamberPage* m_chamber = nullptr;
    DataTablePage* m_table = nullptr;
    GraphPage* m_graph = nullptr;
    GraphEditorPage* m_editor = nullptr;
    QAction* m_copy2 = nullptr;
    QAction* m_print2 = nullptr;
    QAction* m_saveGraph = nullptr;
    QAction* m_e1 = nullptr;
    QAction* m_n051 = nullptr;
    TGetDataFR* m_setData = nullptr;
    AboutBox* m_about = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    TWhoami* m_whoami = nullptr;
};

}  // namespace vestor
