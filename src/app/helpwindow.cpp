#include "app/helpwindow.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace vestor {

namespace {

// The guide's headings, shown in the student's language; the text under them stays in English.
// The first five head the sections of the five pages, in the notebook's order.
constexpr const char* kHeadings[] = {
    QT_TRANSLATE_NOOP("HelpWindow", "Configuration"),
    QT_TRANSLATE_NOOP("HelpWindow", "Decay Chamber"),
    QT_TRANSLATE_NOOP("HelpWindow", "Collected Data Table"),
    QT_TRANSLATE_NOOP("HelpWindow", "Graph"),
    QT_TRANSLATE_NOOP("HelpWindow", "Edit Graph Data"),
    QT_TRANSLATE_NOOP("HelpWindow", "Vestor: a student's guide"),
    QT_TRANSLATE_NOOP("HelpWindow", "How a lesson goes"),
    QT_TRANSLATE_NOOP("HelpWindow", "Saving, copying and printing"),
    QT_TRANSLATE_NOOP("HelpWindow", "Keys"),
    QT_TRANSLATE_NOOP("HelpWindow", "For the teacher"),
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vestor Help"));
    resize(600, 640);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setOpenLinks(false);
    // A caret that the arrow keys move line by line, which a screen reader follows and reads.
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    QFile guide(QStringLiteral(":/help/guide.md"));
    if (guide.open(QIODevice::ReadOnly))
        m_text->setMarkdown(QString::fromUtf8(guide.readAll()));

    // Each section heading becomes an anchor named by its English text, whatever language it
    // is shown in, so a page's section is found by the page's place in the notebook.
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QString english = block.text();
        QTextCursor heading(block);
        heading.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat format = heading.charFormat();
        format.setAnchor(true);
        format.setAnchorNames({english});
        heading.insertText(QCoreApplication::translate("HelpWindow", english.toUtf8().constData()), format);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

void HelpWindow::showPage(int page)
{
    showSection(QString::fromLatin1(kHeadings[std::clamp(page, 0, 4)]));
}

void HelpWindow::showSection(const QString& title)
{
    show();
    raise();
    activateWindow();
    m_text->verticalScrollBar()->setValue(0);
    m_text->scrollToAnchor(title);
    // The caret starts on the section's heading, so that a screen reader begins there, not at
    // the guide's title, and reads on from it line by line.
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.begin().fragment().charFormat().anchorNames().contains(title)) {
            m_text->setTextCursor(QTextCursor(block));
            //: What a screen reader calls the guide's text; %1 is the section it opens at
            m_text->setAccessibleName(tr("Student's guide, %1").arg(block.text()));
            break;
        }
    }
    m_text->setFocus(Qt::OtherFocusReason);
}

}  // namespace vestor
