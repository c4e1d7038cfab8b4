#pragma once

// Helpers shared by the test areas.
#include <QApplication>
#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

#include "support/scriptedrandom.h"
#include "support/filesizelimit.h"
#include "ui/notifier.h"

namespace vestor::test {

// Records the program's messages instead of showing modal boxes; a file dialog "chooses" the
// files set in `chosen`.
class RecordingNotifier : public Notifier {
public:
    void warning(QWidget*, const QString& text) override { warnings << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    void information(QWidget*, const QString& text) override { reports << text; }
    bool question(QWidget*, const QString& text) override
    {
        questions << text;
        return answer;
    }
    QStringList chooseFiles(QFileDialog& dialog) override
    {
        dialogFilters = dialog.nameFilters();
        dialogConfirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        return chosen;
    }
    Answer askToSave(QWidget*, const QString& text) override
    {
        questions << text;
        return saveAnswer;
    }
    QStringList questions;
    bool answer = true;
    Answer saveAnswer = Answer::Discard;
    QStringList warnings;
    QStringList errors;
    QStringList reports;
    QStringList chosen;
    // The last file dialog's filters, and whether it asks before replacing a file.
    QStringList dialogFilters;
    bool dialogConfirmsOverwrite = false;
};

// Runs `write` with every file write of the process cut off after `bytes` when `cut` is set, as
// a full disk stops it; true when the limit could be set (never on Windows: skip there first).
inline bool withWritesCut(bool cut, std::uint64_t bytes, const std::function<void()>& write)
{
    if (!cut) {
        write();
        return true;
    }
    const FileSizeLimit cap(bytes);
    if (cap.ok())
        write();
    return cap.ok();
}

// Finds a named child or fails loudly.
template <typename T>
T* named(const QWidget* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no child named %s", qPrintable(name));
    return w;
}

}  // namespace vestor::test
