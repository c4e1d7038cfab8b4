#include "ui/interaction.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>
#include <vector>

namespace vestor {

namespace {

bool g_keyboard = false;

struct StudentAction {
    QPointer<QObject> receiver;
    std::function<void()> act;
};
std::vector<StudentAction> g_actions;

bool modifierOnly(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

// The focus widget is the only one that draws a frame; it repaints when the way of working changes.
void setKeyboard(bool on)
{
    if (g_keyboard == on)
        return;
    g_keyboard = on;
    if (QWidget* focus = QApplication::focusWidget())
        focus->update();
}

class InteractionWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
            std::erase_if(g_actions, [](const StudentAction& a) { return !a.receiver; });
            for (const StudentAction& a : std::vector<StudentAction>(g_actions))
                if (a.receiver)
                    a.act();
        }
        switch (type) {
        // A shortcut such as Alt+letter is taken before its key press is delivered.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (!modifierOnly(static_cast<QKeyEvent*>(event)))
                setKeyboard(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            setKeyboard(false);
            break;
        case QEvent::ToolTip:
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget && widget->toolTip().isEmpty() && !widget->accessibleDescription().isEmpty()) {
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->accessibleDescription(),
                                   widget);
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }
};

}  // namespace

void watchInteraction()
{
    static InteractionWatcher* watcher = nullptr;
    if (watcher || !QCoreApplication::instance())
        return;
    watcher = new InteractionWatcher(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

bool keyboardInUse()
{
    return g_keyboard;
}

void onStudentAction(QObject* receiver, std::function<void()> act)
{
    watchInteraction();
    g_actions.push_back({receiver, std::move(act)});
}

}  // namespace vestor
