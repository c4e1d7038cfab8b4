#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <array>

namespace vestor {

class BarField;

// A caption, a horizontal scroll bar and the read-only field that shows the bar's position.
struct ScrollRow {
    QLabel* label = nullptr;
    QScrollBar* bar = nullptr;
    QLineEdit* readout = nullptr;
    // What a screen reader calls the bar.
    QString name;
    // Set once the read-out takes typed values (letType).
    BarField* typing = nullptr;

    void setEnabled(bool on) const;
    void showPosition(const QString& suffix = QString()) const;
    // What a screen reader says for the bar and its read-out: the setting and what it does.
    void setAccessibleText(const QString& name, const QString& description);
    // Lets a screen reader hear `extra` after the bar's name, or the name alone when it is empty.
    void speakAlso(const QString& extra) const;
    // Lets the student type the bar's position into the read-out, with `suffix` after it.
    void letType(const QString& suffix = QString());
};

struct ScrollRowSetup {
    QString labelName;
    QString labelText;
    QString barName;
    QString readoutName;
    int min;
    int max;
    int value;
    int pageStep;
    QString readoutText;
};

// Lays out a row at (x, y) on `parent`: label, then bar, then read-out.
ScrollRow makeScrollRow(QWidget* parent, const ScrollRowSetup& setup, int x, int y, int labelWidth, int barWidth);

// Keeps the initial numbers within the pool of 1000: the maximum of each row from the second
// on is 1000 less the rows above, computed from the positions as they stand. Narrowing a
// maximum may move a bar, whose own handler then runs before the next maximum is set.
void limitInitialNumbers(const std::array<QScrollBar*, 6>& bars);

}  // namespace vestor
