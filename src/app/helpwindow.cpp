#include "app/helpwindow.h"

#include "app/language.h"
#include "ui/announcer.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace vestor {

namespace {

// The pages' objectNames, in the notebook's order. A guide heads each page's section with the
// page's placeholder, and the heading is then found by that name in every language.
constexpr const char* kPageNames[] = {"configurationPage", "chamberPage", "tablePage", "graphPage", "editorPage"};

// The caption the student sees on the control named `name` under `window`, with the index of its
// Alt letter's '&' (or -1): a button's or label's text, a group's title, a menu's or an action's
// text, or a page's tab.
QString captionOf(const QWidget* window, const QString& name, qsizetype* amp)
{
    QString text;
    const QObject* o = window->findChild<QObject*>(name);
    if (const auto* b = qobject_cast<const QAbstractButton*>(o))
        text = b->text();
    else if (const auto* l = qobject_cast<const QLabel*>(o))
        text = l->text();
    else if (const auto* g = qobject_cast<const QGroupBox*>(o))
        text = g->title();
    else if (const auto* m = qobject_cast<const QMenu*>(o))
        text = m->title();
    else if (const auto* a = qobject_cast<const QAction*>(o))
        text = a->text();
    const auto* w = qobject_cast<const QWidget*>(o);
    if (const auto* tabs = w && w->parentWidget() ? qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr)
        text = tabs->tabText(tabs->indexOf(w));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0x2026)))
        text.chop(1);
    *amp = text.indexOf(QLatin1Char('&'));
    if (*amp + 1 >= text.size())
        *amp = -1;
    return text;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vestor Help"));
    resize(600, 640);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setOpenLinks(false);
    // The guide in the student's language, where it has been translated.
    const QString language = translationLanguage();
    QFile guide(QStringLiteral(":/help/guide_%1.md").arg(language));
    if (language.isEmpty() || !guide.exists())
        guide.setFileName(QStringLiteral(":/help/guide.md"));
    // A caret that the arrow keys move line by line, which a screen reader follows and reads.
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    if (guide.open(QIODevice::ReadOnly))
        m_text->setMarkdown(QString::fromUtf8(guide.readAll()));
    m_text->installEventFilter(this);
    if (parent)
        fillCaptions(parent->window());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

void HelpWindow::fillCaptions(const QWidget* window)
{
    // A guide names the program's controls by placeholders: {Nextbt} is the caption of the
    // control named Nextbt as the window shows it, {Alt+Nextbt} the key that presses it. So the
    // guide names what the student sees in any language, and a caption changed in the program
    // changes in the guide with it. A placeholder naming no control stays as it is.
    static const QRegularExpression placeholder(QStringLiteral("\\{(Alt\\+)?(\\w+)\\}"));
    QTextDocument* doc = m_text->document();
    for (QTextCursor found = doc->find(placeholder); !found.isNull(); found = doc->find(placeholder, found)) {
        const QRegularExpressionMatch match = placeholder.match(found.selectedText());
        const QString name = match.captured(2);
        qsizetype amp = -1;
        QString caption = captionOf(window, name, &amp);
        if (caption.isEmpty() || (match.hasCaptured(1) && amp < 0))
            continue;
        if (match.hasCaptured(1))
            caption = QStringLiteral("Alt+") + caption.at(amp + 1).toUpper();
        else
            caption.remove(QLatin1Char('&'));
        const QTextBlock block = found.block();
        QTextCharFormat format = found.charFormat();
        // A page's heading is the page's anchor.
        if (block.blockFormat().headingLevel() > 0 && block.text() == found.selectedText()) {
            format.setAnchor(true);
            format.setAnchorNames({name});
        }
        found.insertText(caption, format);
    }
}

// Page Down and Page Up go from heading to heading, where a screen reader reads the line the caret
// lands on; H and Shift+H do the same, as they do in a screen reader's browse mode, and say the
// heading, which a screen reader does not read after a letter. Past the last heading Page Down
// pages as it always does, through a long last section.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        // Leaving with Tab, Qt puts the caret at the guide's start (at its end with Shift+Tab): the
        // student who comes back from the Close button goes on reading where they were.
        const QTextCursor place = m_text->textCursor();
        const bool handled = static_cast<QObject*>(m_text)->event(event);
        m_text->setTextCursor(place);
        return handled;
    }
    if (modifiers == Qt::NoModifier && (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp))
        return goToHeading(key->key() == Qt::Key_PageDown ? 1 : -1);
    if (key->key() == Qt::Key_H && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        // Said by the program's window: a screen reader names a dialog before its notifications.
        if (goToHeading(modifiers == Qt::NoModifier ? 1 : -1))
            announce(parentWidget() ? parentWidget() : m_text, m_text->textCursor().block().text());
        return true;
    }
    return false;
}

bool HelpWindow::goToHeading(int step)
{
    QTextBlock block = m_text->textCursor().block();
    do
        block = step > 0 ? block.next() : block.previous();
    while (block.isValid() && block.blockFormat().headingLevel() == 0);
    if (!block.isValid())
        return false;
    m_text->setTextCursor(QTextCursor(block));
    m_text->verticalScrollBar()->setValue(
        static_cast<int>(m_text->document()->documentLayout()->blockBoundingRect(block).top()));
    return true;
}

void HelpWindow::showPage(int page)
{
    showSection(QString::fromLatin1(kPageNames[std::clamp(page, 0, 4)]));
}

void HelpWindow::showSection(const QString& name)
{
    show();
    raise();
    activateWindow();
    m_text->verticalScrollBar()->setValue(0);
    m_text->scrollToAnchor(name);
    // The caret starts on the section's heading, so that a screen reader begins there, not at
    // the guide's name, and reads on from it line by line.
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.begin().fragment().charFormat().anchorNames().contains(name)) {
            m_text->setTextCursor(QTextCursor(block));
            //: What a screen reader calls the guide's text; %1 is the section it opens at
            m_text->setAccessibleName(tr("Student's guide, %1").arg(block.text()));
            break;
        }
    }
    m_text->setFocus(Qt::OtherFocusReason);
}

}  // namespace vestor
