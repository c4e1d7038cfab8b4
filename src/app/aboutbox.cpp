#include "app/aboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/icons.h"
#include "ui/uicommon.h"

namespace vestor {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(228, 178);
    setPalette(programPalette());
    setBackground(this, kPanelColor);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 212, 122);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    setBackground(panel, kKhaki);

    const QFont font = pixelFont(11, true, QStringLiteral("Sans Serif"));
    m_icon = new QLabel(panel);
    m_icon->setObjectName(QStringLiteral("ProgramIcon"));
    m_icon->setGeometry(10, 10, 32, 32);
    auto* name = new QLabel(QStringLiteral("Vestor"), panel);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setGeometry(58, 12, 140, 16);
    auto* version = new QLabel(tr("Version 0.8"), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(58, 32, 140, 16);
    auto* comments = new QLabel(tr("Vestor: For Lab or Demonstration."), panel);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setGeometry(10, 74, 192, 40);
    comments->setWordWrap(true);
    for (QLabel* l : {name, version, comments}) {
        l->setFont(font);
        setTextColor(l, Qt::black);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(76, 140, 76, 28);
    ok->setDefault(true);
    ok->setFocus();
    // The box opens on its button, and a screen reader then reads the box: its name, and of its
    // lines only those of three words or more. So the box's name carries the program's name and
    // version, the sentence below is read as it is, and nothing is read twice.
    setAccessibleName(QStringList{windowTitle(), name->text(), version->text()}.join(QLatin1Char(' ')));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showEvent(QShowEvent* event)
{
    // The box is built at start-up but seldom opened: its icon is painted the first time it is.
    if (m_icon->pixmap().isNull())
        m_icon->setPixmap(programIcon(32));
    QDialog::showEvent(event);
}

}  // namespace vestor
