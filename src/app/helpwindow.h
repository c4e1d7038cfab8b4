#pragma once

#include <QDialog>

class QTextBrowser;

namespace vestor {

// The student's guide, in a window that stays open beside the program while the student works.
// The text is one Markdown file for each language, built into the program, so that a teacher can
// read it as it is; the window's captions and keys are filled into it where it names them.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide with the section anchored `name` at the top (a page's section is anchored
    // by the page's objectName), or from its start when the guide has no such section.
    void showSection(const QString& name);
    // Shows the section of the notebook's page `page` (0 to 4).
    void showPage(int page);
    QTextBrowser* browser() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillCaptions(const QWidget* window);
    // Puts the caret on the next heading (`step` 1) or the previous one (-1) and that heading at
    // the top of the view; false when there is none that way.
    bool goToHeading(int step);

    QTextBrowser* m_text = nullptr;
};

}  // namespace vestor
