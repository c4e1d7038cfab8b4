#pragma once

// Plays soak events on a real, shown main window and checks it after each one.
#include <QDir>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "core/simulation.h"
#include "soakevents.h"
#include "support/testsupport.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;
class QTabWidget;
class QTimer;
class QWidget;

namespace vestor {
class MainWindow;
}

namespace vestor::soak {

struct Failure {
    std::string check;   // which property broke
    std::string detail;  // what was seen
};

// The named controls the soak drives and checks, looked up once.
struct Controls {
    explicit Controls(MainWindow& window);

    MainWindow& window;
    QTabWidget* notebook;
    QTabBar* tabs;
    // Configuration page.
    QComboBox* dc;
    QRadioButton* percent;
    QRadioButton* dice;
    QRadioButton* base05;
    QRadioButton* baseE;
    QCheckBox* showEquation;
    QScrollBar* sides;
    QLineEdit* numsides;
    std::array<QScrollBar*, 6> hl{};
    std::array<QLineEdit*, 6> hle{};
    std::array<QScrollBar*, 6> dv{};
    std::array<QLineEdit*, 6> dve{};
    std::array<QScrollBar*, 6> np{};
    std::array<QLineEdit*, 6> npe{};
    // Chamber page.
    QPushButton* next;
    QPushButton* remove;
    QPushButton* start;
    QPushButton* restart;
    QCheckBox* automate;
    QTimer* timer;
    std::array<QLineEdit*, 6> counts{};
    std::array<QWidget*, 6> legend{};
    // Collected data table.
    std::array<QCheckBox*, 6> tableBoxes{};
    QPlainTextEdit* memo;
    QPushButton* copyAll;
    QPushButton* copySelected;
    // Graph page.
    QWidget* graph;
    std::array<QCheckBox*, 6> graphBoxes{};
    QScrollBar* h;
    QScrollBar* yshift;
    QWidget* readout;
    QAction* copyhalf;
    QAction* print1;
    // Teacher's extras.
    QAction* halfLives;
    QAction* colourBlind;
    QCheckBox* logScale;
    QCheckBox* bestFit;
    QCheckBox* expected;
    QPushButton* useFit;
    // Graph data editor.
    QScrollBar* dataPoints;
    QLineEdit* maxp;
    QScrollBar* tsb;
    QComboBox* showdd;
    QLineEdit* icount;
    std::array<QLineEdit*, 16> fields{};
    std::array<QLabel*, 16> fieldLabels{};  // each field's caption, its buddy
};

// The properties that must hold after anything a student does; nothing when all hold.
std::optional<Failure> checkWindow(const Controls& c);

class Driver {
public:
    // `workDir` receives the saved table and the printed pages.
    Driver(MainWindow& window, const QString& workDir);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Plays one event; false when it did not apply (a hidden or disabled control, a stopped timer).
    bool apply(const Event& e);
    // The checks of checkWindow, plus what the driver itself saw go wrong.
    std::optional<Failure> check() const;
    // Lets the window handle what it has queued (repaints, deferred deletes).
    void settle();

    const Controls& controls() const { return m_c; }
    const test::RecordingNotifier& notifier() const { return m_notifier; }

private:
    // What the window was like before an event, for following the recorded data through it.
    struct Before {
        Settings settings;
        int time;
        int pageChanges;
        int resetClicks;
        qsizetype questions;
    };
    // A value typed into a field of the graph data editor and not yet left.
    struct Typed {
        int time;
        int nuclide;
        std::optional<std::int32_t> value;  // nothing: no whole number, so nothing is stored
    };
    Before before() const;
    // Brings the shadow of the recorded data up to date after an event and compares it with the
    // program's: they change only by a Time step, a Reset the student caused, or a typed value.
    void followRecordedData(const Before& b);

    void ensurePage(int index);
    void moveBar(QScrollBar* bar, BarMove move, int value);
    void typeInto(QLineEdit* field, const std::string& text, Leave leave);
    void keyToFocus(int key, Qt::KeyboardModifiers modifiers);
    void closePopups();
    void keepActive();
    void closeUnexpectedModal();
    void poolRuns(int how);
    bool typeOn(bool backspace, int value);
    Typed typedNow(QLineEdit* field, const QString& text) const;

    Controls m_c;
    QDir m_work;
    test::RecordingNotifier m_notifier;
    QTimer* m_modalGuard = nullptr;
    std::string m_problem;
    std::optional<Failure> m_dataFault;
    Before m_before{};
    decltype(Simulation::history) m_history{};
    std::uint64_t m_runs = 0;
    bool m_settingsChanged = false;
    int m_pageChanges = 0;
    int m_resetClicks = 0;
    std::map<QLineEdit*, Typed> m_typed;
    // The field the student stayed in after typing, and the text they meant it to hold.
    QLineEdit* m_in = nullptr;
    QMetaObject::Connection m_focusWatch;
    QString m_meant;
    // The counts a pooling just made the graph data, checked against the saved file.
    std::optional<decltype(Simulation::history)> m_pooled;
};

}  // namespace vestor::soak
