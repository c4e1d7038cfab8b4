#include "app/accelerators.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>

namespace vestor {

namespace {

// A control hidden under a later sibling that covers it, as Remove waits under Time and Time
// under Start: the student does not see its caption, so its letter is not offered.
bool covered(const QWidget* w)
{
    const QObjectList& siblings = w->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above && above->isVisible() && above->geometry().contains(w->geometry()))
            return true;
    }
    return false;
}

// A push button that only does something (Time, Remove, Copy, Save) may answer a letter it
// shares with a tab or a menu. A choice (radio button, check box) and Reset, which throws the
// run away, only take the focus then: a student reaching for the tab loses nothing.
bool onlyActs(const QAbstractButton* button)
{
    return qobject_cast<const QPushButton*>(button) && !button->isCheckable()
           && button->objectName() != QLatin1String("restart");
}

}  // namespace

AcceleratorRouter::AcceleratorRouter(QMainWindow* window, QTabWidget* pages)
    : m_window(window), m_pages(pages)
{
    qApp->installEventFilter(this);
}

AcceleratorRouter::~AcceleratorRouter()
{
    qApp->removeEventFilter(this);
}

bool AcceleratorRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const auto* target = qobject_cast<QWidget*>(watched);
        if (shortcut->isAmbiguous() && target && target->window() == m_window && run(shortcut->key()))
            return true;
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        int step = 0;
        // The arrows step through the pages round the row, the vertical ones too.
        if (watched == m_pages->tabBar() && modifiers == Qt::NoModifier) {
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up)
                step = -1;
            else if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down)
                step = 1;
        }
        // Ctrl+Tab and Ctrl+Shift+Tab turn the page from any control of the window: a list would
        // take the Tab as a letter to search for, and the close button lies outside the pages.
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == m_window && (modifiers & Qt::ControlModifier)
            && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            step = key->key() == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1;
        if (step != 0) {
            m_pages->setCurrentIndex((m_pages->currentIndex() + step + m_pages->count()) % m_pages->count());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Alt and a letter that several captions share. Left to Qt, each press would only pass the focus
// on to the next of them; here the first of these that has it wins: the menu bar, the page in
// view, the row of tabs.
bool AcceleratorRouter::run(const QKeySequence& key)
{
    const auto hasLetter = [&key](const QString& caption) { return QKeySequence::mnemonic(caption) == key; };
    for (QAction* action : m_window->menuBar()->actions()) {
        if (action->isVisible() && action->isEnabled() && hasLetter(action->text())) {
            m_window->menuBar()->setActiveAction(action);
            // Opened from the keyboard, the menu starts on its first item that can be chosen.
            const QList<QAction*> items = action->menu() ? action->menu()->actions() : QList<QAction*>{};
            for (QAction* item : items) {
                if (item->isVisible() && item->isEnabled() && !item->isSeparator()) {
                    action->menu()->setActiveAction(item);
                    break;
                }
            }
            return true;
        }
    }
    // Of two controls of the page with the letter, the later one answers: the chamber page
    // stacks the buttons of the step at hand above Reset, so Alt+R is Remove while Remove is out.
    QAbstractButton* button = nullptr;
    for (QAbstractButton* candidate : m_pages->currentWidget()->findChildren<QAbstractButton*>()) {
        if (candidate->isVisible() && candidate->isEnabled() && hasLetter(candidate->text()) && !covered(candidate))
            button = candidate;
    }
    if (button && onlyActs(button)) {
        // At once, as a menu's shortcut acts: a delayed click could land after the page changed.
        button->click();
        return true;
    }
    // Pressed again with the focus there already, the letter goes on to the tab, as Qt passes
    // a shared letter on from one control to the next.
    if (button && !button->hasFocus()) {
        button->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->isTabEnabled(i) && hasLetter(m_pages->tabText(i))) {
            m_pages->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

}  // namespace vestor
