#include "ui/statusline.h"

#include <QCoreApplication>
#include <QEvent>

#include "ui/announcer.h"

namespace vestor {

StatusLine::StatusLine(Announcer* announcer, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    connect(announcer, &Announcer::said, this, &StatusLine::showSentence);
    QCoreApplication::instance()->installEventFilter(this);
}

void StatusLine::showSentence(const QString& text)
{
    m_sentence = text;
    setToolTip(text);
    setText(fontMetrics().elidedText(text, Qt::ElideRight, contentsRect().width()));
}

bool StatusLine::eventFilter(QObject*, QEvent* event)
{
    // The next action of the student's own makes the last sentence old news.
    const QEvent::Type type = event->type();
    if (!m_sentence.isEmpty()
        && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::ShortcutOverride))
        showSentence(QString());
    return false;
}

}  // namespace vestor
