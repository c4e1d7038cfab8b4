#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace vestor {

// Where the program's modal messages go: the warning for bad input, the general error handler
// for file and printer errors, a report of what a command did, and the file dialogs that choose
// files to read or write. Tests put a recording one in its place.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Asks before a command throws data away; true when the answer is yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // Runs a dialog set up by its caller; the chosen files, none when cancelled.
    virtual QStringList chooseFiles(QFileDialog& dialog) = 0;
    // Asks whether to save changes before they would be lost.
    enum class Answer { Save, Discard, Cancel };
    virtual Answer askToSave(QWidget* parent, const QString& text) = 0;
};

class MessageBoxNotifier : public Notifier {
public:
    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QStringList chooseFiles(QFileDialog& dialog) override;
    Answer askToSave(QWidget* parent, const QString& text) override;
};

}  // namespace vestor
