#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

#include "core/simulation.h"
#include "core/tabletext.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace vestor {

class BarField;
class Notifier;

// The "Edit G&raph Data" page: the number of data points N, and the recorded counts of one
// nuclide at a time, fifteen times to a page, to overwrite by hand.
class GraphEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit GraphEditorPage(Simulation& sim, QWidget* parent = nullptr);

    void setNotifier(Notifier* notifier);

    // The number of data points N.
    int dataPoints() const;
    // The nuclide whose counts the fields show, and the time of the first field after icount's.
    int chosenNuclide() const;
    int firstShownTime() const;
    // Shows N, a nuclide and the times from `first` as if the student had chosen them.
    void showView(int dataPoints, int nuclide, int first);
    QScrollBar* np() const { return m_np; }

    void npChange();
    void showdatabt();
    void showddChange();
    void tsbChange();
    void t1Exit(int slot);
    void icountExit();
    void icountKeyPress(int slot);
    // Stores every field the student has typed a whole number into and not yet left, at the
    // time and nuclide it showed; runs before anything changes what the fields show or what
    // the history holds.
    void commitPendingEdits();

    // Makes pooled counts of times 0..times − 1 the graph data, clears the later times, makes
    // `times` the number of data points and shows, replots and relists.
    // `files` names the saved runs the counts are the sums of.
    void storeCounts(const History& counts, int times, const QStringList& files = {});

signals:
    void replot();
    void rebuildListing();
    // A count typed into a field was recorded.
    void countEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Points a field at the count of `nuclide` at `time`.
    void pointAt(QLineEdit* field, int time, int nuclide);
    // Every field remembers which cell of the history it shows, so that what the student types
    // goes to that cell even when paging, N or the nuclide has moved on since, and the value it
    // last showed or stored there, to tell whether the recording changed under it.
    struct Cell {
        int time = -1;
        int nuclide = 0;
        std::int32_t shown = 0;
    };
    int slotOf(const QLineEdit* field) const;
    Cell& cellOf(const QLineEdit* field) { return m_cells[slotOf(field)]; }
    const Cell& cellOf(const QLineEdit* field) const { return m_cells[slotOf(field)]; }
    int timeOf(const QLineEdit* field) const { return cellOf(field).time; }
    // Shows a cell in a field; the field the student is in is rewritten only when its count changed.
    void showCell(QLineEdit* field, int time, int nuclide);
    // Whether the field shows the cell its slot stands for now.
    bool showsOwnCell(const QLineEdit* field) const;
    // Stores a typed value at the field's cell; store() also shows it in the field.
    void record(QLineEdit* field, std::int32_t value);
    void store(QLineEdit* field, std::int32_t value);
    // Warns of text that is no whole number, shows `shown` in its place and says which field it was.
    void refuse(QLineEdit* field, const QString& shown);

    Simulation& m_sim;
    Notifier* m_notifier = nullptr;
    // The field that shows N, where N may be typed too.
    QLineEdit* m_maxp = nullptr;
    BarField* m_npTyping = nullptr;
    QScrollBar* m_np = nullptr;
    QComboBox* m_showdd = nullptr;
    QGroupBox* m_datagb = nullptr;
    QLineEdit* m_icount = nullptr;
    // The fields of times p + 1 .. p + 15 in slots 1..15; slot 0 is icount, the field of time 0.
    std::array<QLineEdit*, 16> m_slots{};
    std::array<Cell, 16> m_cells{};
    std::array<QLabel*, 16> m_slotLabels{};
    QScrollBar* m_tsb = nullptr;
    bool m_validating = false;
};

}  // namespace vestor
