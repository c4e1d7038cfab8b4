#include "app/usernamedialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/placement.h"
#include "ui/uicommon.h"

namespace vestor {

TWhoami::TWhoami(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Whoami"));
    setWindowTitle(tr("I am ...."));
    setFixedSize(204, 143);
    setPalette(programPalette());
    setBackground(this, kPanelColor);
    setFont(pixelFont(13, false, QStringLiteral("Sans Serif")));

    auto* box = new QGroupBox(tr("Name"), this);
    box->setGeometry(8, 4, 188, 58);
    setBackground(box, kKhaki);
    m_iam = new QLineEdit(box);
    m_iam->setObjectName(QStringLiteral("Iam"));
    m_iam->setGeometry(33, 24, 121, 24);
    m_iam->setMaxLength(kUserNameLimit);
    m_iam->setAccessibleName(tr("Name"));
    auto* note = new QLabel(tr("Name will appear on printout"), this);
    // The whole width of the dialog, less a margin: hinted fonts need a little more than the text.
    note->setGeometry(4, 70, 196, 20);
    note->setAlignment(Qt::AlignHCenter);
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(62, 102, 80, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_iam, &QLineEdit::returnPressed, this, &QDialog::accept);
}

void TWhoami::setUserName(const QString& name)
{
    m_iam->setText(name);
}

QString TWhoami::userName() const
{
    return m_iam->text();
}

void TWhoami::reject()
{
    accept();
}

void TWhoami::showEvent(QShowEvent* event)
{
    // Centred on the screen, wherever the main window stands. Before its first showing the
    // dialog has no frame yet; the main window's, from the same window manager, is the best guess.
    QMargins frame = platformFrame(this);
    if (frame.isNull() && parentWidget())
        frame = platformFrame(parentWidget()->window());
    centreOnScreen(this, frame);
    QDialog::showEvent(event);
    m_iam->setFocus();
}

}  // namespace vestor
