#include "ui/accessibleroles.h"

#include "ui/imageview.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QTextEdit>
#include <algorithm>

namespace vestor {

namespace {

// A text field as a screen reader sees it, over a few hooks the line edit and the guide's text
// give. Qt's own interfaces report a text-attribute run of length zero at every offset; a screen
// reader that splits the text by those runs then drops the last character, and a field holding
// 400 is heard as "40". Here one run covers the text.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0)
            selected(start, end);
    }
    int selectionCount() const override
    {
        int start = 0;
        int end = 0;
        selected(&start, &end);
        return start != end ? 1 : 0;
    }
    void addSelection(int start, int end) override { select(start, end); }
    void removeSelection(int) override { select(cursorPosition(), cursorPosition()); }
    void setSelection(int, int start, int end) override { select(start, end); }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

protected:
    virtual QString shown() const = 0;
    virtual void selected(int* start, int* end) const = 0;
    virtual void select(int start, int end) = 0;
};

class LineEditAccessible : public TextAccessible, public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* edit) : TextAccessible(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface && !edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return TextAccessible::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = TextAccessible::state();
        st.editable = !edit()->isReadOnly();
        st.readOnly = edit()->isReadOnly();
        st.selectableText = true;
        return st;
    }

    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics(edit()->font());
        const QString text = shown();
        const int x = metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
        return QRect(edit()->mapToGlobal(QPoint(x + 4, 2)), QSize(width, metrics.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

protected:
    QString shown() const override { return edit()->displayText(); }
    void selected(int* start, int* end) const override
    {
        if (edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + static_cast<int>(edit()->selectedText().size());
        }
    }
    void select(int start, int end) override { edit()->setSelection(start, end - start); }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(object()); }
};

// A text of many lines (the guide, the data table), read line by line as the caret moves. Qt
// shows the guide to a screen reader as one label, which it reads whole, from its title on.
template <typename Edit>
class DocumentAccessible : public TextAccessible {
public:
    explicit DocumentAccessible(Edit* edit) : TextAccessible(edit, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        QAccessible::State st = TextAccessible::state();
        st.readOnly = edit()->isReadOnly();
        st.editable = !edit()->isReadOnly();
        st.multiLine = true;
        st.selectableText = true;
        return st;
    }

    int cursorPosition() const override { return edit()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        edit()->setTextCursor(cursor);
        edit()->ensureCursorVisible();
    }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        const QRect r = edit()->cursorRect(cursor);
        return QRect(edit()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorForPosition(edit()->viewport()->mapFromGlobal(point)).position();
    }
    // A line is a line as laid out on screen, the one the arrow keys step to.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return TextAccessible::textAtOffset(offset, type, start, end);
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        cursor.movePosition(QTextCursor::StartOfLine);
        *start = cursor.position();
        cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        *end = cursor.position();
        return text(*start, *end);
    }

protected:
    QString shown() const override { return edit()->document()->toPlainText(); }
    void selected(int* start, int* end) const override
    {
        *start = edit()->textCursor().selectionStart();
        *end = edit()->textCursor().selectionEnd();
    }
    void select(int start, int end) override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }

private:
    Edit* edit() const { return static_cast<Edit*>(object()); }
};

// A picture whose description is made when a screen reader reads it.
class ImageViewAccessible : public QAccessibleWidget {
public:
    explicit ImageViewAccessible(ImageView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? static_cast<ImageView*>(object())->description()
                                             : QAccessibleWidget::text(t);
    }
};

// A menu item that can be ticked, as a screen reader hears it. Of Qt's menu items a screen reader
// says "checked" when one is and nothing when it is not, so "Lock Settings" sounds the same locked
// or not: here an item not ticked says so in its description. It stays a menu item, which screen
// readers follow through an open menu as they do no other kind of object.
class CheckableMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckableMenuItem(QAction* action, QMenu* menu) : m_action(action), m_menu(menu) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    bool isValid() const override { return m_action && m_menu; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override { return m_menu->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return m_action->iconText();
        case QAccessible::Description: {
            QStringList parts;
            if (!m_action->isChecked())
                //: What a screen reader adds to a menu item that can be ticked and is not
                parts << QCoreApplication::translate("vestor::MenuItem", "not checked");
            if (!m_action->statusTip().isEmpty())
                parts << m_action->statusTip();
            return parts.join(QStringLiteral(". "));
        }
        case QAccessible::Accelerator:
            return m_action->shortcut().toString(QKeySequence::NativeText);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QRect r = m_menu->actionGeometry(m_action);
        return QRect(m_menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.focusable = true;
        st.focused = m_menu->activeAction() == m_action;
        st.checkable = true;
        st.checked = m_action->isChecked();
        st.disabled = !m_action->isEnabled();
        st.invisible = !m_action->isVisible() || !m_menu->isVisible();
        return st;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override
    {
        if (name == toggleAction() && m_action->isEnabled())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {text(QAccessible::Accelerator)}; }

private:
    QPointer<QAction> m_action;
    QPointer<QMenu> m_menu;
};

QAccessibleInterface* programRoles(const QString& className, QObject* object)
{
    if (auto* action = qobject_cast<QAction*>(object); action && className == QLatin1String("QAction")) {
        if (action->isCheckable())
            for (QObject* shownIn : action->associatedObjects())
                if (auto* menu = qobject_cast<QMenu*>(shownIn))
                    return new CheckableMenuItem(action, menu);
        return nullptr;
    }
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("vestor::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("vestor::ImageView"))
        return new ImageViewAccessible(static_cast<ImageView*>(widget));
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit*>(widget));
    if (className == QLatin1String("QTextBrowser"))
        return new DocumentAccessible<QTextEdit>(static_cast<QTextEdit*>(widget));
    if (className == QLatin1String("QPlainTextEdit"))
        return new DocumentAccessible<QPlainTextEdit>(static_cast<QPlainTextEdit*>(widget));
    // The notebook's page stack is a plain panel to a screen reader, which then names no
    // "layered pane" before every control; the tab row already says which page is open.
    if (className == QLatin1String("QStackedWidget")
        && object->objectName() == QLatin1String("qt_tabwidget_stackedwidget"))
        return new QAccessibleWidget(widget, QAccessible::Client);
    return nullptr;
}

class NoLoneAltStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(programRoles);
        return true;
    }();
    Q_UNUSED(installed);
}

QStyle* programStyle()
{
    return new NoLoneAltStyle;
}

}  // namespace vestor
