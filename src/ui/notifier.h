#pragma once

#include <QString>

class QWidget;

namespace vestor {

// Where the program's modal messages go: the warning for bad input and the general error
// handler for file and printer errors. Tests put a recording one in its place.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
};

class MessageBoxNotifier : public Notifier {
public:
    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
};

}  // namespace vestor
