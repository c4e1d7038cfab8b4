#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractSlider;
class QLineEdit;

namespace vestor {

class Notifier;

// Lets the student type the value a scroll bar sets into the field beside it. Enter, or leaving
// the field, moves the bar there, and the bar's own handler then does what moving it by hand
// does. Text that is no value within the bar's range is refused with a message that names the
// field and the range, and bar and field stay as they were. At all other times the field shows
// the bar; a field the student is typing in keeps the typed text until it is left.
class BarField : public QObject {
    Q_OBJECT
public:
    struct Mapping {
        // The field's name in a refusal.
        QString name;
        // What the field shows for a position.
        std::function<QString(int)> text;
        // The position a typed value stands for, before the range is checked.
        std::function<long long(double)> position;
        // Whether only whole numbers are values (counts, percentages), or decimals too.
        bool whole = true;
        // Shown after the number, and allowed after a typed one.
        QString suffix;
    };

    BarField(QAbstractSlider* bar, QLineEdit* field, Mapping mapping);

    void setNotifier(Notifier* notifier) { m_notifier = notifier; }
    QLineEdit* field() const { return m_field; }

    // Shows the bar's position, unless the student is typing in the field.
    void show();
    // Shows `text` in `field`, unless the student is typing there.
    static void showIn(QLineEdit* field, const QString& text);

private:
    void take();
    void refuse(const QString& typed);

    QAbstractSlider* m_bar;
    QLineEdit* m_field;
    Mapping m_mapping;
    Notifier* m_notifier = nullptr;
    bool m_taking = false;
};

}  // namespace vestor
