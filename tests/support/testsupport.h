#pragma once

// Helpers shared by the test areas.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

#include "ui/notifier.h"

namespace vestor::test {

// Records the program's messages instead of showing modal boxes; a file dialog "chooses" the
// files set in `chosen`.
class RecordingNotifier : public Notifier {
public:
    void warning(QWidget*, const QString& text) override { warnings << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    void information(QWidget*, const QString& text) override { reports << text; }
    QStringList chooseFiles(QFileDialog&) override { return chosen; }
    QStringList warnings;
    QStringList errors;
    QStringList reports;
    QStringList chosen;
};

// A random source that plays back a fixed list of draws, then repeats the last one.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> draws) : m_draws(std::move(draws)) {}
    double operator()()
    {
        ++m_used;
        if (m_next < m_draws.size())
            return m_draws[m_next++];
        return m_draws.empty() ? 0.0 : m_draws.back();
    }
    std::size_t used() const { return m_used; }

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
    std::size_t m_used = 0;
};

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
