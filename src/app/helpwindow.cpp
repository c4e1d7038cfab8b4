#include "app/helpwindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace vestor {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vestor Help"));
    resize(600, 640);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setOpenLinks(false);
    QFile guide(QStringLiteral(":/help/guide.md"));
    if (guide.open(QIODevice::ReadOnly))
        m_text->setMarkdown(QString::fromUtf8(guide.readAll()));

    // Each section heading becomes an anchor named by its text, so a page's section is found by
    // the page's name.
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 2)
            continue;
        QTextCursor heading(block);
        heading.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({block.text()});
        heading.mergeCharFormat(anchor);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

void HelpWindow::showSection(const QString& title)
{
    show();
    raise();
    activateWindow();
    m_text->verticalScrollBar()->setValue(0);
    m_text->scrollToAnchor(title);
}

}  // namespace vestor
