#pragma once

#include <QLabel>

namespace vestor {

class Announcer;

// The line under the pages that shows what the program last said to a screen reader: why Time
// did nothing, where a file was saved, which printer a graph went to. A sighted student reads it
// there; it stays until the student's next key or mouse press. A sentence too long for the line
// ends in an ellipsis and is whole in the tooltip.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    StatusLine(Announcer* announcer, QWidget* parent);

    // The sentence shown, whole.
    QString sentence() const { return m_sentence; }
    void showSentence(const QString& text);

private:
    QString m_sentence;
};

}  // namespace vestor
