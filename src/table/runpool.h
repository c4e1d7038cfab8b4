#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <functional>

class QWidget;

namespace vestor {

class GraphEditorPage;
class Notifier;
struct RunError;

// Extras ▸ Pool Saved Runs: the teacher picks the data files the groups saved, and their counts,
// added time by time and nuclide by nuclide, become the graph data as if typed into the editor.
// Pooling is all or nothing: one bad file leaves the graph data as they were.
class SavedRunPooler {
    Q_DECLARE_TR_FUNCTIONS(SavedRunPooler)
public:
    // Asks for the files, then pools them.
    static void choose(QWidget* parent, GraphEditorPage& editor, Notifier& notifier,
                       const std::function<void()>& beforeStore = {});
    // Pools the files and reports what it did or why it refused; true when the data took the sums.
    // `beforeStore` runs once every file has been read, just before the sums become the data.
    static bool pool(const QStringList& paths, QWidget* parent, GraphEditorPage& editor, Notifier& notifier,
                     const std::function<void()>& beforeStore = {});

private:
    static QByteArray asUtf8(const QByteArray& data);
    static QString refusal(const QString& path, const RunError& error);
};

}  // namespace vestor
