#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "core/simulation.h"
#include "core/tabletext.h"

class QCheckBox;
class QPlainTextEdit;

namespace vestor {

class Notifier;

// The "Collected Data &Table" page: the recorded counts as tab-separated text, to read,
// copy or save.
class DataTablePage : public QWidget {
    Q_OBJECT
public:
    DataTablePage(Simulation& sim, std::function<int()> dataPoints, QWidget* parent = nullptr);

    void setNotifier(Notifier* notifier) { m_notifier = notifier; }

    // Rebuilds the listing whole from the history.
    void memobt();
    void savebtClick();
    void CopybtClick();
    void copyselbtClick();
    // Writes the data file; on failure the old file stays whole and the reason is reported.
    bool saveTo(const QString& path);

    void setSeriesLength(int length);
    // The listing exactly as Copy All puts it on the clipboard.
    const QString& listing() const { return m_listing; }
    ColumnChoice checkedColumns() const;
    // Ticks the columns' boxes as given and rebuilds the listing.
    void setCheckedColumns(const ColumnChoice& columns);

signals:
    // Every count is in a data file now: closing no longer loses them.
    void saved();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showListing();

    Simulation& m_sim;
    std::function<int()> m_dataPoints;
    Notifier* m_notifier = nullptr;
    std::array<QCheckBox*, 6> m_boxes{};
    QPlainTextEdit* m_memo = nullptr;
    QString m_listing;
    QString m_shown;  // what the box holds, when it is not stale
    bool m_memoStale = false;
};

}  // namespace vestor
