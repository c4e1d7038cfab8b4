#include "config/configpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/announcer.h"
#include "ui/barfield.h"
#include "ui/uicommon.h"
#include "core/decayanalysis.h"

namespace vestor {

namespace {

// The captions of the five decay value rows, whole so that a translation may order them freely.
const char* const kDecayValueCaptions[6] = {"",
                                            //: Die throw at or below which nuclide n decays; keep the trailing space
                                            QT_TRANSLATE_NOOP("vestor::ConfigPage", "1st Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::ConfigPage", "2nd Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::ConfigPage", "3rd Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::ConfigPage", "4th Decay Value "),
                                            QT_TRANSLATE_NOOP("vestor::ConfigPage", "5th Decay Value ")};

QGroupBox* group(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h)
{
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(x, y, w, h);
    return g;
}

}  // namespace

ConfigPage::ConfigPage(QWidget* parent) : QWidget(parent)
{
    auto* title = placed<QLabel>(this, "title", 0, 8, tr("Radioactive Decay Chamber Settings Configuration"));
    title->setFont(pixelFont(18, true));
    title->setFixedWidth(785);
    title->setAlignment(Qt::AlignHCenter);
    auto* hint = placed<QLabel>(this, "hint", 0, 36, tr("Use the Scrollbars to Adjust Values"));
    hint->setFixedWidth(785);
    hint->setAlignment(Qt::AlignHCenter);

    m_lockedNote = placed<QLabel>(this, "lockedNote", 0, 414,
                                  tr("The teacher has locked these settings (Extras \u25B8 Lock Settings)."));
    m_lockedNote->setFixedWidth(785);
    m_lockedNote->setAlignment(Qt::AlignHCenter);
    m_lockedNote->hide();

    buildSeries();
    buildPercentGroup();
    buildDiceGroup();
    buildInitialGroup();
    buildGraphGroup();
    setNuclideColors(kDefaultColors);

    // Tab order: series, decay type, chances, initial numbers, graph settings.
    QWidget* order[] = {m_dc, m_percent, m_dice, m_percentRows[1].bar, m_percentRows[2].bar, m_percentRows[3].bar,
                        m_percentRows[4].bar, m_percentRows[5].bar, m_sides.bar, m_diceRows[1].bar,
                        m_diceRows[2].bar, m_diceRows[3].bar, m_diceRows[4].bar, m_diceRows[5].bar,
                        m_initialRows[1].bar, m_initialRows[2].bar, m_initialRows[3].bar, m_initialRows[4].bar,
                        m_initialRows[5].bar, m_showEquation, m_base05, m_baseE};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (int i = 1; i <= kMaxNuclides; ++i) {
        m_percentHalfLives[i] = placed<QLabel>(m_halfbox, qPrintable(QStringLiteral("halflife%1").arg(i)), 88,
                                               60 + (i - 1) * 58);
        m_diceHalfLives[i] = placed<QLabel>(m_dicebox, qPrintable(QStringLiteral("dicehalflife%1").arg(i)), 130,
                                            105 + (i - 1) * 50);
        for (QLabel* l : {m_percentHalfLives[i], m_diceHalfLives[i]}) {
            l->setFixedWidth(170);
            l->setFont(pixelFont(11, false));
            l->hide();
        }
        // The implied half-lives follow the chances at once but are no configuration change.
        connect(m_percentRows[i].bar, &QScrollBar::valueChanged, this, &ConfigPage::updateImpliedHalfLives);
        connect(m_diceRows[i].bar, &QScrollBar::valueChanged, this, &ConfigPage::updateImpliedHalfLives);
        // The implied half-life is heard as the chance moves, once the teacher has shown it.
        for (auto [row, shown] : {std::pair{&m_percentRows[i], m_percentHalfLives[i]},
                                  std::pair{&m_diceRows[i], m_diceHalfLives[i]}})
            sayValueChanges(row->bar, [row = row, shown = shown] {
                return shown->isVisibleTo(shown->parentWidget()) ? row->readout->text() + QStringLiteral(", ")
                                                                     + shown->text()
                                                               : QString();
            });
    }
    connect(m_sides.bar, &QScrollBar::valueChanged, this, &ConfigPage::updateImpliedHalfLives);

    m_sides.letType();
    for (int i = 1; i <= kMaxNuclides; ++i) {
        m_percentRows[i].letType(QStringLiteral("%"));
        m_diceRows[i].letType();
        m_initialRows[i].letType();
    }

    // Rows 2..5 start outside the series.
    for (int i = 2; i <= kMaxNuclides; ++i) {
        m_percentRows[i].setEnabled(false);
        m_diceRows[i].setEnabled(false);
        m_initialRows[i].setEnabled(false);
    }
}

void ConfigPage::buildSeries()
{
    //: Caption of the choice of how many nuclides the decay chain has (1 to 5)
    auto* caption = placed<QLabel>(this, "seriesLabel", 24, 72, tr("Steps in Decay Series"));
    m_dc = placed<QComboBox>(this, "dc", 24, 94);
    m_dc->addItems({"1", "2", "3", "4", "5"});
    m_dc->setEditable(false);
    m_dc->setFixedWidth(70);
    caption->setBuddy(m_dc);
    // A screen reader hears the list's value with its name, from the caption it names the list
    // by; a value the arrow keys choose is said at once, as the list itself says nothing.
    const auto speakLength = [this, caption](bool say) {
        const QString spoken = caption->text() + QStringLiteral(", ") + m_dc->currentText();
        setSpokenName(m_dc, spoken);
        setSpokenName(caption, spoken);
        if (say && m_dc->hasFocus())
            announce(this, spoken);
    };
    connect(m_dc, &QComboBox::currentIndexChanged, this, [speakLength] { speakLength(true); });
    speakLength(false);
    connect(m_dc, &QComboBox::activated, this, [this] { dcChange(); });
    m_dc->installEventFilter(this);

    auto* type = group(this, "typeBox", tr("Type of Decay"), 24, 140, 180, 84);
    //: Decay type: the chance of decay per time step given as a percentage
    m_percent = placed<QRadioButton>(type, "Percentrb", 14, 26, tr(" &Percentage"));
    //: Decay type: the chance of decay given by a throw of a die
    m_dice = placed<QRadioButton>(type, "dicerb", 14, 52, tr(" &Dice"));
    m_percent->setChecked(true);
    connect(m_percent, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            PercentrbClick();
    });
    connect(m_dice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            PercentrbClick();
    });
}

void ConfigPage::buildGraphGroup()
{
    auto* g = group(this, "equationBox", tr("Graph Equation"), 24, 250, 180, 120);
    m_showEquation = placed<QCheckBox>(g, "showecb", 14, 26, tr(" &Show Equation"));
    m_showEquation->setChecked(true);
    //: Caption of the choice of base of the exponential in the graph equation: 0.5 or e
    auto* baseLabel = placed<QLabel>(g, "baseLabel", 14, 54, tr("Use Base"));
    m_base05 = placed<QRadioButton>(g, "RadioButton1", 24, 74, tr(" 0.&5"));
    m_baseE = placed<QRadioButton>(g, "RadioButton2", 24, 94, tr(" &e"));
    // The caption above the two buttons is heard with each of them.
    m_base05->setAccessibleName(baseLabel->text() + QStringLiteral(" 0.5"));
    m_baseE->setAccessibleName(baseLabel->text() + QStringLiteral(" e"));
    // Shown as it is in force: the equation starts with base e.
    m_baseE->setChecked(true);
    connect(m_base05, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit baseChosen(false);
    });
    connect(m_baseE, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit baseChosen(true);
    });
    connect(m_showEquation, &QCheckBox::clicked, this, &ConfigPage::showEquationClicked);
}

void ConfigPage::buildPercentGroup()
{
    m_halfbox = group(this, "Halfbox", tr("Probability of Decay"), 224, 72, 272, 330);
    for (int i = 1; i <= kMaxNuclides; ++i) {
        const ScrollRowSetup setup{QStringLiteral("dclb%1").arg(i), tr("Nuclide %1").arg(i),
                                 QStringLiteral("HLsb%1").arg(i), QStringLiteral("HLe%1").arg(i),
                                 1, 100, 50, 10, QStringLiteral("50") + tr("%")};
        m_percentRows[i] = makeScrollRow(m_halfbox, setup, 10, 40 + (i - 1) * 58, 74, 120);
        m_percentRows[i].setAccessibleText(
            tr("Chance of decay of nuclide %1, percent").arg(i),
            tr("Sets the chance in percent that a particle of nuclide %1 decays in one time step").arg(i));
        connect(m_percentRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { HLsb1Change(i); });
    }
}

void ConfigPage::buildDiceGroup()
{
    m_dicebox = group(this, "Dicebox", tr("Chance of Decay"), 224, 72, 272, 330);
    m_sides = makeScrollRow(m_dicebox,
                            //: Number of sides of the die thrown for every particle
                            {QStringLiteral("sidesLabel"), tr("# of Sides on Die"), QStringLiteral("sides"),
                             QStringLiteral("numsides"), 2, 40, 6, 2, QStringLiteral("6")},
                            10, 34, 116, 84);
    m_sides.setAccessibleText(tr("Number of sides on the die"),
                              tr("Sets how many sides the die has; no decay value can be higher"));
    for (int i = 1; i <= kMaxNuclides; ++i) {
        const ScrollRowSetup setup{QStringLiteral("dblb%1").arg(i), tr(kDecayValueCaptions[i]),
                                 QStringLiteral("numdicesb%1").arg(i), QStringLiteral("decayvalue%1").arg(i),
                                 1, 6, 3, 2, QStringLiteral("3")};
        m_diceRows[i] = makeScrollRow(m_dicebox, setup, 10, 86 + (i - 1) * 50, 116, 84);
        m_diceRows[i].setAccessibleText(
            tr("Decay value of nuclide %1").arg(i),
            tr("Sets the highest throw of the die at which a particle of nuclide %1 decays").arg(i));
        connect(m_diceRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { numdicesb1Change(i); });
    }
    connect(m_sides.bar, &QScrollBar::valueChanged, this, &ConfigPage::ChangedClick);
    m_dicebox->hide();
}

void ConfigPage::buildInitialGroup()
{
    //: Group title: how many particles of each nuclide the chamber holds at the start
    auto* g = group(this, "GroupBox2", tr("Initial Number"), 510, 72, 266, 330);
    for (int i = 1; i <= kMaxNuclides; ++i) {
        const ScrollRowSetup setup{QStringLiteral("nplb%1").arg(i), tr("Nuclide %1").arg(i),
                                 QStringLiteral("NPsb%1").arg(i), QStringLiteral("NPe%1").arg(i),
                                 i == 1 ? 1 : 0, i == 1 ? 1000 : 999, i == 1 ? 1 : 0, 10,
                                 i == 1 ? QString() : QStringLiteral("0")};
        m_initialRows[i] = makeScrollRow(g, setup, 10, 40 + (i - 1) * 58, 74, 118);
        m_initialRows[i].setAccessibleText(
            tr("Initial number of nuclide %1").arg(i),
            tr("Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most").arg(i));
        connect(m_initialRows[i].bar, &QScrollBar::valueChanged, this, [this, i] { NPsb5Change(i); });
    }
}

Settings ConfigPage::settings() const
{
    Settings s;
    s.seriesLength = m_dc->currentIndex() + 1;
    s.dice = m_dice->isChecked();
    s.sides = m_sides.bar->value();
    for (int i = 1; i <= kMaxNuclides; ++i) {
        s.percent[i] = m_percentRows[i].bar->value();
        s.decayValue[i] = m_diceRows[i].bar->value();
        s.initial[i] = m_initialRows[i].bar->value();
    }
    return s;
}

bool ConfigPage::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the series list applies the length shown; opening its own pop-up does not leave it.
    if (watched == m_dc && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        dcChange();
    return QWidget::eventFilter(watched, event);
}

void ConfigPage::dcChange()
{
    // Only another length is a change: Qt hands the focus back to the list whenever this page
    // is shown, and merely leaving it again must not start a new run.
    const int length = m_dc->currentIndex() + 1;
    if (length != m_selectedLength)
        emit changed();
    // The running simulation keeps its own series length until the next Reset; this one only
    // decides which rows are offered.
    m_selectedLength = length;
    for (int i = 1; i <= kMaxNuclides; ++i) {
        const bool on = i <= m_selectedLength;
        m_percentRows[i].setEnabled(on);
        m_diceRows[i].setEnabled(on);
        m_initialRows[i].setEnabled(on);
    }
    emit seriesSelected(m_selectedLength);
}

void ConfigPage::HLsb1Change(int row)
{
    //: After the number on a chance's read-out, "50%": a language that writes "50 %" puts a
    //: no-break space before the sign
    m_percentRows[row].showPosition(tr("%"));
    emit changed();
}

void ConfigPage::ChangedClick()
{
    m_diceRows[1].showPosition();
    m_sides.showPosition();
    for (int i = 1; i <= kMaxNuclides; ++i)
        m_diceRows[i].bar->setMaximum(m_sides.bar->value());
    m_selectedLength = m_dc->currentIndex() + 1;
    emit changed();
}

void ConfigPage::numdicesb1Change(int row)
{
    m_diceRows[row].showPosition();
    emit changed();
}

void ConfigPage::NPsb5Change(int row)
{
    m_initialRows[row].showPosition();
    emit changed();
    limitInitialNumbers({nullptr, m_initialRows[1].bar, m_initialRows[2].bar, m_initialRows[3].bar,
                         m_initialRows[4].bar, m_initialRows[5].bar});
}

void ConfigPage::PercentrbClick()
{
    const bool percent = m_percent->isChecked();
    m_halfbox->setVisible(percent);
    m_dicebox->setVisible(!percent);
    emit changed();
}

void ConfigPage::setImpliedHalfLivesShown(bool on)
{
    for (int i = 1; i <= kMaxNuclides; ++i) {
        m_percentHalfLives[i]->setVisible(on);
        m_diceHalfLives[i]->setVisible(on);
    }
    updateImpliedHalfLives();
}

void ConfigPage::updateImpliedHalfLives()
{
    const bool shown = m_percentHalfLives[1]->isVisibleTo(m_halfbox);
    const int sides = m_sides.bar->value();
    for (int i = 1; i <= kMaxNuclides; ++i) {
        if (shown) {
            const double percent = m_percentRows[i].bar->value();
            const double dice = static_cast<double>(m_diceRows[i].bar->value() * 100) / sides;
            m_percentHalfLives[i]->setText(
                tr("T\u00BD = %1 steps").arg(onScreen(impliedHalfLifeText(percent))));
            m_diceHalfLives[i]->setText(tr("T\u00BD = %1 steps").arg(onScreen(impliedHalfLifeText(dice))));
        }
        // A screen reader hears the implied half-life with the chance it follows from.
        m_percentRows[i].speakAlso(shown ? m_percentHalfLives[i]->text() : QString());
        m_diceRows[i].speakAlso(shown ? m_diceHalfLives[i]->text() : QString());
    }
}

void ConfigPage::applySettings(const Settings& s)
{
    m_dc->setCurrentIndex(s.seriesLength - 1);
    dcChange();
    (s.dice ? m_dice : m_percent)->setChecked(true);
    m_sides.bar->setValue(s.sides);
    // From the first row down: each row's maximum is what the rows above leave of the 1000.
    for (int i = 1; i <= kMaxNuclides; ++i) {
        m_percentRows[i].bar->setValue(s.percent[i]);
        m_diceRows[i].bar->setValue(s.decayValue[i]);
        m_initialRows[i].bar->setValue(s.initial[i]);
    }
}

bool ConfigPage::baseE() const
{
    return m_baseE->isChecked();
}

bool ConfigPage::equationShown() const
{
    return m_showEquation->isChecked();
}

void ConfigPage::setEquation(bool baseE, bool shown)
{
    (baseE ? m_baseE : m_base05)->setChecked(true);
    m_showEquation->setChecked(shown);
    emit showEquationClicked(shown);
}

bool ConfigPage::impliedHalfLivesShown() const
{
    return m_percentHalfLives[1]->isVisibleTo(m_halfbox);
}

QString ConfigPage::spokenNote() const
{
    return m_locked ? m_lockedNote->text() : QString();
}

void ConfigPage::setLocked(bool locked)
{
    m_locked = locked;
    // Disabling the groups keeps each row's own state: rows outside the series stay disabled
    // when the groups come back.
    for (const char* name : {"seriesLabel", "typeBox", "equationBox", "Halfbox", "Dicebox", "GroupBox2"})
        findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)->setEnabled(!locked);
    m_dc->setEnabled(!locked);
    m_lockedNote->setVisible(locked);
}

void ConfigPage::setNuclideColors(const std::array<Color, 6>& colors)
{
    for (int i = 1; i <= kMaxNuclides; ++i)
        for (QLabel* label : {m_percentRows[i].label, m_diceRows[i].label, m_initialRows[i].label})
            setTextColor(label, toQColor(colors[i]));
}

void ConfigPage::setNotifier(Notifier* notifier)
{
    m_sides.typing->setNotifier(notifier);
    for (int i = 1; i <= kMaxNuclides; ++i)
        for (const ScrollRow* row : {&m_percentRows[i], &m_diceRows[i], &m_initialRows[i]})
            row->typing->setNotifier(notifier);
}

void ConfigPage::startUp()
{
    m_dc->setFocus();
    m_dc->setCurrentIndex(0);
    m_initialRows[1].bar->setFocus();
    // Leaving the list applies the series length, also where no focus event is delivered.
    dcChange();
    m_initialRows[1].bar->setValue(400);
}

}  // namespace vestor
