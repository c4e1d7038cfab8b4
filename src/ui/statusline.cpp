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
    setToolTip(text);
    setText(fontMetrics().elidedText(text, Qt::ElideRight, contentsRect().width()));
}

}  // namespace vestor
