#pragma once

// Helpers shared by the test areas.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <csignal>
#include <cstddef>
#include <functional>
#include <sys/resource.h>
#include <vector>

#include "support/scriptedrandom.h"
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
    QStringList chooseFiles(QFileDialog&) override { return chosen; }
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
};

// Runs `write` with every file write of the process cut off after `bytes` when `cut` is set, as
// a full disk stops it; true when the limit could be set and lifted again.
inline bool withWritesCut(bool cut, rlim_t bytes, const std::function<void()>& write)
{
    rlimit unlimited{};
    if (getrlimit(RLIMIT_FSIZE, &unlimited) != 0)
        return false;
    rlimit limited = unlimited;
    limited.rlim_cur = cut ? bytes : unlimited.rlim_cur;
    const auto xfsz = std::signal(SIGXFSZ, SIG_IGN);
    const bool set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    if (set)
        write();
    const bool lifted = setrlimit(RLIMIT_FSIZE, &unlimited) == 0;
    std::signal(SIGXFSZ, xfsz);
    return set && lifted;
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
