#include "config/setdatadialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/uicommon.h"

namespace vestor {

namespace {
const char* const kDecayValueCaptions[6] = {"",
                                            QT_TRANSLATE_NOOP("vestor::TGetDataFR", "First Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::TGetDataFR", "Second Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::TGetDataFR", "Third Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::TGetDataFR", "Fourth Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::TGetDataFR", "Fifth Decay Value ")};
}

TGetDataFR::TGetDataFR(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("GetDataFR"));
    setWindowTitle(tr("Set Data"));
    setFixedSize(393, 395);
    setPalette(programPalette());
    setBackground(this, kPanelColor);
    setFont(pixelFont(13, false, QStringLiteral("Sans Serif")));

    auto* rate = new QGroupBox(tr("Decay Rate"), this);
    rate->setObjectName(QStringLiteral("Halfbox"));
    rate->setGeometry(8, 8, 200, 200);
    auto* dice = new QGroupBox(tr("Dice Box"), this);
    dice->setObjectName(QStringLiteral("Dicebox"));
    dice->setGeometry(8, 8, 200, 200);
    dice->hide();
    auto* number = new QGroupBox(tr("Number Particles"), this);
    number->setObjectName(QStringLiteral("GroupBox2"));
    number->setGeometry(214, 8, 172, 200);

    m_sides = makeScrollRow(dice,
                            {QStringLiteral("sidesLabel"), tr("Number of Sides on Dice"), QStringLiteral("sides"),
                             QStringLiteral("numsides"), 2, 40, 6, 2, QStringLiteral("6")},
                            6, 22, 90, 46);
    for (int i = 1; i <= 5; ++i) {
        const int y = 22 + i * 30;
        m_percentRows[i] = makeScrollRow(rate,
                                         {QStringLiteral("hllb%1").arg(i), tr("Particle %1").arg(i),
                                          QStringLiteral("HLsb%1").arg(i), QStringLiteral("HLe%1").arg(i), 1, 100,
                                          50, 10, QStringLiteral("50") + tr("%")},
                                         6, y - 30, 70, 66);
        m_diceRows[i] = makeScrollRow(dice,
                                      {QStringLiteral("dblb%1").arg(i), tr(kDecayValueCaptions[i]),
                                       QStringLiteral("numdicesb%1").arg(i), QStringLiteral("decayvalue%1").arg(i), 1,
                                       6, 3, 2, QStringLiteral("3")},
                                      6, y, 90, 46);
        m_initialRows[i] = makeScrollRow(number,
                                         {QStringLiteral("nplb%1").arg(i), tr("Particle %1").arg(i),
                                          QStringLiteral("NPsb%1").arg(i), QStringLiteral("NPe%1").arg(i),
                                          i == 1 ? 1 : 0, 200, i == 1 ? 200 : 0, 10,
                                          i == 1 ? QStringLiteral("200") : QStringLiteral("0")},
                                         6, y - 30, 56, 50);
        m_percentRows[i].setAccessibleText(tr("Chance of decay of particle %1, percent").arg(i),
                                           tr("Sets the chance in percent that particle %1 decays in one step").arg(i));
        m_diceRows[i].setAccessibleText(tr("Decay value of particle %1").arg(i),
                                        tr("Sets the highest throw of the die at which particle %1 decays").arg(i));
        m_initialRows[i].setAccessibleText(tr("Number of particle %1").arg(i),
                                           tr("Sets how many of particle %1 the chamber holds at the start").arg(i));
        connect(m_percentRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { HLsb5Change(i); });
        connect(m_diceRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { numdicesb1Change(i); });
        connect(m_initialRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { NPsb1Change(i); });
    }
    m_sides.setAccessibleText(tr("Number of sides on the die"),
                              tr("Sets how many sides the die has; no decay value can be higher"));
    connect(m_sides.bar, &QScrollBar::valueChanged, this, &TGetDataFR::ChangedClick);

    auto* chainLabel = new QLabel(tr("Length of Decay chain"), this);
    chainLabel->setGeometry(8, 222, 160, 20);
    m_dc = new QComboBox(this);
    m_dc->setObjectName(QStringLiteral("dc"));
    m_dc->addItems({"1", "2", "3", "4", "5"});
    m_dc->setGeometry(170, 220, 60, 24);
    chainLabel->setBuddy(m_dc);
    connect(m_dc, &QComboBox::activated, this, &TGetDataFR::dcChange);

    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(150, 340, 90, 30);
    connect(ok, &QPushButton::clicked, this, &TGetDataFR::Button1Click);

    // Creation: select "1", then apply the die settings once.
    m_dc->setCurrentIndex(0);
    ChangedClick();
}

void TGetDataFR::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_changed = false;
    QDialog::changeEvent(event);
}

void TGetDataFR::HLsb5Change(int row)
{
    //: After the number on a chance's read-out, "50%": a language that writes "50 %" puts a
    //: no-break space before the sign
    m_percentRows[row].showPosition(tr("%"));
    m_changed = true;
}

void TGetDataFR::numdicesb1Change(int row)
{
    m_diceRows[row].showPosition();
    m_changed = true;
}

void TGetDataFR::ChangedClick()
{
    m_diceRows[1].showPosition();
    m_sides.showPosition();
    for (int i = 1; i <= 5; ++i)
        m_diceRows[i].bar->setMaximum(m_sides.bar->value());
    m_selectedLength = m_dc->currentIndex() + 1;
    m_changed = true;
}

void TGetDataFR::NPsb1Change(int row)
{
    m_initialRows[row].showPosition();
    limitInitialNumbers({nullptr, m_initialRows[1].bar, m_initialRows[2].bar, m_initialRows[3].bar,
                         m_initialRows[4].bar, m_initialRows[5].bar});
    m_changed = true;
}

void TGetDataFR::dcChange()
{
    m_selectedLength = m_dc->currentIndex() + 1;
    m_changed = true;
}

void TGetDataFR::Button1Click()
{
    if (m_changed)
        emit resetRequested();
    accept();
}

}  // namespace vestor
