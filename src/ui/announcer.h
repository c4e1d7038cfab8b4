#pragma once

#include <QWidget>
#include <functional>

class QAbstractSlider;

namespace vestor {

// Speaks a short text through the screen reader without moving the focus: what a Time step did
// to the counts, the page just opened, the field an entry was refused in. It is an invisible
// notification on the window; each text is sent as the notification showing with that name.
// What is said for everyone is also offered to the eye (said()), for the window's status line.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    enum class Audience { Everyone, EarOnly };
    void say(const QString& text, Audience audience = Audience::Everyone);

    // The window's announcer, made on first use.
    static Announcer* of(QWidget* widget);

signals:
    // A text said for everyone, as the screen shows it.
    void said(const QString& text);
};

// A text as a speech synthesiser should read it: the symbol T½, which it would spell out, in
// words. The screen keeps the symbol.
QString forTheEar(const QString& text);

// Says `text` in the window of `widget`.
void announce(QWidget* widget, const QString& text);

// Says, and shows, where a file was saved.
void announceSaved(QWidget* widget, const QString& path);
// A file as the student knows it: with its folder on a desktop, by its name in a browser.
QString fileAsShown(const QString& path);
// Says and shows that a lesson was opened from a file.
void announceOpened(QWidget* widget, const QString& path);

// Gives `widget` the accessible name `name` when it differs: what a screen reader reads when the
// widget takes the focus.
void setSpokenName(QWidget* widget, const QString& name);

// Says `text()` each time the value of `control` changes while it has the focus: what the value
// means, where a screen reader itself reads only the bar's position or nothing at all. (A changed
// accessible name would be the natural channel, but Qt sends it in a form Orca cannot speak.)
void sayValueChanges(QAbstractSlider* control, std::function<QString()> text);

// Makes the arrow keys of a horizontal scroll bar move it the way its handle moves on screen:
// Right raises the value, Left lowers it. Qt's scroll bars run them the other way round; the
// mouse wheel and the Page keys keep Qt's behaviour.
void arrowsFollowHandle(QWidget* scrollBar);

}  // namespace vestor
