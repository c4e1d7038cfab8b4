#include "ui/statusline.h"

#include "ui/announcer.h"
#include "ui/interaction.h"

namespace vestor {

StatusLine::StatusLine(Announcer* announcer, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    connect(announcer, &Announcer::said, this, &StatusLine::showSentence);
    // The next action of the student's own makes the last sentence old news.
    onStudentAction(this, [this] {
        if (!m_sentence.isEmpty())
            showSentence(QString());
    });
}

void StatusLine::showSentence(const QString& text)
{
    m_sentence = text;
    const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, contentsRect().width());
    setText(shown);
    // A sentence cut short is there whole under the mouse. Each new tooltip is sent round the
    // window as an event, so one is set only when it is needed.
    const QString tip = shown == text ? QString() : text;
    if (toolTip() != tip)
        setToolTip(tip);
}

}  // namespace vestor
