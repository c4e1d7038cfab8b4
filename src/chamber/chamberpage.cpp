#include "chamber/chamberpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "ui/announcer.h"
#include "ui/imageview.h"
#include "ui/uicommon.h"

namespace vestor {

namespace {

constexpr int kButtonX = 296;
constexpr int kButtonY = 448;
constexpr int kRemoveOutX = 456;

}  // namespace

ChamberImages::ChamberImages()
    : chamber(kChamberWidth, kChamberHeight, QImage::Format_RGB32),
      panel(kPanelWidth, kPanelHeight, QImage::Format_RGB32)
{
    clearForStart();
}

void ChamberImages::clearForStart()
{
    DiscPainter::clearFramed(chamber, kBlack, m_straightforward);
    DiscPainter::clearFramed(panel, kBlack, m_straightforward);
    m_chamberPen = kBlack;
    m_chamberFrame = kBlack;
}

void ChamberImages::imagesCleared()
{
    DiscPainter::clearFramed(chamber, m_chamberPen, m_straightforward);
    DiscPainter::clearFramed(panel, kBlack, m_straightforward);
    m_chamberFrame = m_chamberPen;
}

void ChamberImages::setRatio(double ratio, const Simulation& sim)
{
    chamber = pictureImage(QSize(kChamberWidth, kChamberHeight), ratio);
    panel = pictureImage(QSize(kPanelWidth, kPanelHeight), ratio);
    const Color pen = m_chamberPen;
    DiscPainter::clearFramed(chamber, m_chamberFrame, m_straightforward);
    DiscPainter::clearFramed(panel, kBlack, m_straightforward);
    for (int i = 1; i <= sim.particleTotal; ++i) {
        const Particle& p = sim.particles[i];
        if (p.x != kRemovedX)
            disc(chamber, p.x, p.y, sim.particleSize, p.color, p.color == kWhite ? kBlack : p.color);
    }
    for (int r = 0; r < sim.removedCount; ++r) {
        const auto [x, y] = Simulation::stackPosition(r, sim.particleSize);
        panelDisc(x, y, sim.particleSize);
    }
    m_chamberPen = pen;
}

void ChamberImages::recolour(const Simulation& sim, const std::array<Color, 6>& legend)
{
    for (Color* c : {&m_chamberPen, &m_chamberFrame})
        if (const int k = sim.nuclideOf(*c); k >= 1)
            *c = legend[k];
}

void ChamberImages::disc(QImage& image, int x, int y, int size, Color fill, Color outline)
{
    if (m_straightforward) {
        QPainter p(&image);
        DiscPainter::drawDirect(p, x, y, size, fill, outline);
    } else {
        m_discs.draw(image, x, y, size, fill, outline);
    }
}

void ChamberImages::chamberDisc(int x, int y, int size, Color fill, Color outline)
{
    disc(chamber, x, y, size, fill, outline);
    m_chamberPen = outline;
}

void ChamberImages::panelDisc(int x, int y, int size)
{
    disc(panel, x, y, size, kWhite, kBlack);
}

LegendDisc::LegendDisc(Color color, QWidget* parent) : QWidget(parent), m_color(color)
{
    setFixedSize(8, 8);
}

void LegendDisc::setColor(Color color)
{
    m_color = color;
    update();
}

void LegendDisc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(toQColor(m_color));
    p.drawEllipse(0, 0, 7, 7);
}

ChamberPage::ChamberPage(Simulation& sim, QWidget* parent) : QWidget(parent), m_sim(sim)
{
    //: Caption above the decay chamber, which holds the particles not yet decayed
    auto* activeLabel = placed<QLabel>(this, "Label1", 487, 22, tr("Active"));
    //: Caption above the panel of decayed particles taken out of the chamber
    auto* decayedLabel = placed<QLabel>(this, "Label2", 33, 24, tr("Decayed"));
    m_active = placed<ImageView>(this, "ActiveBM", 264, 53, &m_images.chamber);
    m_decayed = placed<ImageView>(this, "DecayBM", 24, 53, &m_images.panel);
    m_active->setAccessibleName(tr("Decay chamber"));
    m_decayed->setAccessibleName(tr("Decayed particles"));
    m_decayed->setAccessibleDescription(tr("The decayed particles taken out of the chamber, stacked from the top"));
    // The chamber is a stop of the Tab chain, where a screen reader reads what it holds.
    m_active->setFocusPolicy(Qt::TabFocus);
    activeLabel->setBuddy(m_active);
    decayedLabel->setBuddy(m_decayed);
    // A screen reader names each picture by its caption.
    activeLabel->setAccessibleName(m_active->accessibleName());
    decayedLabel->setAccessibleName(m_decayed->accessibleName());

    const int discPos[6][2] = {{0, 0}, {180, 92}, {181, 157}, {182, 221}, {181, 286}, {181, 350}};
    const int countPos[6][2] = {{0, 0}, {211, 84}, {211, 149}, {211, 213}, {211, 278}, {211, 342}};
    for (int k = 1; k <= kMaxNuclides; ++k) {
        auto* d = placed<LegendDisc>(this, qPrintable(QStringLiteral("d%1").arg(k)), discPos[k][0], discPos[k][1],
                                     kDefaultColors[k]);
        d->setAccessibleName(tr("Colour of nuclide %1").arg(k));
        m_legend[k] = d;
        auto* e = placed<QLineEdit>(this, qPrintable(QStringLiteral("de%1").arg(k)), countPos[k][0], countPos[k][1]);
        e->setFixedSize(36, 24);
        e->setReadOnly(true);
        e->setText(QStringLiteral("0"));
        e->setFocusPolicy(Qt::NoFocus);
        e->setAccessibleName(tr("Count of nuclide %1").arg(k));
        m_counts[k] = e;
    }

    describeLegend();

    m_restart = placed<QPushButton>(this, "restart", 26, kButtonY, tr("&Reset"));
    m_restart->setFixedSize(89, 33);
    // Stacked in one place, bottom to top: Remove, Time, Start/Stop.
    //: Button: take the decayed particles out of the chamber
    m_remove = placed<QPushButton>(this, "Removebt", kButtonX, kButtonY, tr("&Remove"));
    //: Button: advance one time step
    m_next = placed<QPushButton>(this, "Nextbt", kButtonX, kButtonY, tr("&Time"));
    m_start = placed<QPushButton>(this, "startbt", kButtonX, kButtonY, tr("&Start"));
    for (QPushButton* b : {m_remove, m_next, m_start})
        b->setFixedSize(89, 33);
    m_start->hide();
    //: Check box: step time and remove decayed particles by itself once a second
    m_auto = placed<QCheckBox>(this, "Autocb", 306, 424, tr("Automate"));
    m_auto->setFixedSize(97, 17);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);

    connect(m_next, &QPushButton::clicked, this, &ChamberPage::NextbtClick);
    connect(m_remove, &QPushButton::clicked, this, &ChamberPage::RemovebtClick);
    connect(m_start, &QPushButton::clicked, this, &ChamberPage::startbtClick);
    connect(m_auto, &QCheckBox::clicked, this, &ChamberPage::AutocbClick);
    connect(m_restart, &QPushButton::clicked, this, [this] {
        const auto runs = m_sim.runsStarted;
        emit resetRequested();
        // The chamber filled again is heard as its counts at time 0; a Reset declined says nothing.
        if (m_sim.runsStarted != runs)
            announceIfShown(countsText());
    });
    connect(m_timer, &QTimer::timeout, this, &ChamberPage::Timer1Timer);

    setTabOrder(m_active, m_restart);
    setTabOrder(m_restart, m_auto);
    setTabOrder(m_auto, m_start);
    setTabOrder(m_start, m_next);
    setTabOrder(m_next, m_remove);

    m_sim.setListener(&m_images);
    // Both pictures follow the screen's device pixel ratio; the chamber's view notices a change.
    connect(m_active, &ImageView::ratioChanged, this, &ChamberPage::setPictureRatio);
    connect(m_decayed, &ImageView::ratioChanged, this, &ChamberPage::setPictureRatio);
}

void ChamberPage::setPictureRatio(double ratio)
{
    m_images.setRatio(ratio, m_sim);
    repaintImages();
}

std::array<Color, 6> ChamberPage::legendColors() const
{
    std::array<Color, 6> colors{};
    for (int k = 1; k <= kMaxNuclides; ++k)
        colors[k] = m_legend[k]->color();
    return colors;
}

void ChamberPage::setNuclideColors(const std::array<Color, 6>& colors)
{
    m_images.recolour(m_sim, colors);
    m_sim.recolour(colors);
    for (int k = 1; k <= kMaxNuclides; ++k)
        m_legend[k]->setColor(colors[k]);
    describeLegend();
    setPictureRatio(m_images.chamber.devicePixelRatio());
}

void ChamberPage::describeLegend()
{
    const QString standard[6] = {QString(), tr("black"), tr("red"), tr("bright green"), tr("light blue"), tr("teal")};
    const QString safe[6] = {QString(), tr("black"), tr("vermilion"), tr("blue"), tr("purple"), tr("grey")};
    const QString* names = legendColors() == kColourBlindSafeColors ? safe : standard;
    for (int k = 1; k <= kMaxNuclides; ++k)
        m_legend[k]->setAccessibleDescription(
            tr("Particles of nuclide %1 are drawn %2 in the chamber").arg(k).arg(names[k]));
}

bool ChamberPage::removeBroughtOut() const
{
    return m_remove->x() == kRemoveOutX;
}

void ChamberPage::showCounts()
{
    for (int k = 1; k <= kMaxNuclides; ++k)
        m_counts[k]->setText(k <= m_sim.seriesLength ? QString::number(m_sim.nuclideCount[k]) : QStringLiteral("0"));
    m_active->setAccessibleDescription(
        countsText() + QLatin1Char(' ')
        + tr("%n decayed particles wait to be removed; %1.", nullptr, m_sim.nuclideCount[m_sim.seriesLength + 1])
              //: The end of "5 decayed particles wait to be removed; 12 have been taken out."
              .arg(tr("%n have been taken out", nullptr, m_sim.removedCount)));
}

QString ChamberPage::countsText() const
{
    QStringList counts;
    for (int k = 1; k <= m_sim.seriesLength; ++k)
        //: What a screen reader says for one nuclide's count after a time step
        counts << tr("nuclide %1, %2").arg(k).arg(m_sim.nuclideCount[k]);
    //: What a screen reader says after each time step: the time, then each nuclide's count
    return tr("Time %1: %2.").arg(m_sim.timeIndex - 1).arg(counts.join(QStringLiteral("; ")));
}

QString ChamberPage::refusalText() const
{
    return m_sim.pooled ? tr("The graph data are the pooled runs: Reset starts a new run.")
           : m_sim.nuclideCount[m_sim.seriesLength + 1] > 0 ? tr("Remove the decayed particles first.")
           : m_sim.activeTotal() <= 0                       ? tr("No active particles are left.")
                                                            : tr("The run has recorded its 100 times.");
}

void ChamberPage::announceIfShown(const QString& text)
{
    // A run reset from another page, or left running behind it, stays quiet.
    if (isVisible())
        announce(this, text);
}

void ChamberPage::repaintImages()
{
    m_active->update();
    m_decayed->update();
}

void ChamberPage::reset(const Settings& settings)
{
    m_sim.reset(settings);
    showLegend();
    repaintImages();
}

void ChamberPage::showLegend()
{
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const bool inSeries = k <= m_sim.seriesLength;
        m_counts[k]->setVisible(inSeries);
        m_legend[k]->setVisible(inSeries);
    }
    showCounts();
}

void ChamberPage::showRun()
{
    m_timer->stop();
    m_start->setText(tr("&Start"));
    showLegend();
    m_images.setRatio(m_images.chamber.devicePixelRatio(), m_sim);
    const bool waiting = m_sim.nuclideCount[m_sim.seriesLength + 1] > 0;
    m_remove->move(waiting ? kRemoveOutX : m_next->x(), kButtonY);
    // Remove, gone back under Time, hands the focus on as its own click does.
    if (!waiting && m_remove->hasFocus())
        m_next->setFocus();
    repaintImages();
    announceIfShown(countsText());
}

void ChamberPage::NextbtClick()
{
    const auto n = m_sim.prepareStep();
    if (!n) {
        // What a sighted student sees at a glance, a blind one hears: why Time did nothing.
        if (!m_timer->isActive())
            announceIfShown(refusalText());
        return;
    }
    emit dataPointsSet(*n);
    m_sim.runStep();
    showCounts();
    if (m_sim.nuclideCount[m_sim.seriesLength + 1] > 0 && !m_timer->isActive()) {
        m_remove->move(kRemoveOutX, kButtonY);
        m_remove->setFocus();
    }
    // After the focus has moved, so that the button's name does not cut the counts short.
    announceIfShown(countsText());
    repaintImages();
    emit stepRecorded();
}

void ChamberPage::RemovebtClick()
{
    const int removed = m_sim.removeStep();
    if (removed > 0) {
        repaintImages();
        showCounts();
        emit particlesRemoved();
    }
    m_remove->move(m_next->x(), kButtonY);
    if (!m_timer->isActive()) {
        m_next->setFocus();
        // Automate's steps say only their counts, one text a second.
        announceIfShown(tr("%n decayed particles removed.", nullptr, removed));
    }
}

void ChamberPage::Timer1Timer()
{
    // While a dialog of the program is open the run waits: what the student is asked about (a
    // lesson to replace, a file to save) is what the answer acts on. It goes on after it closes.
    if (QApplication::activeModalWidget())
        return;
    const int time = m_sim.timeIndex;
    NextbtClick();
    RemovebtClick();
    const bool stepped = m_sim.timeIndex != time;
    // Pooled counts end the run: no step records over them until Reset.
    if (m_sim.activeTotal() <= 0 || m_sim.pooled) {
        m_start->setText(tr("&Start"));
        m_timer->stop();
        // Started with no step left to take, Automate stops at its first tick: said as Time says it.
        if (!stepped)
            announceIfShown(refusalText());
    } else if (!stepped && m_tickStepped) {
        // With its 100 times recorded the run ticks on until Stop: said once, not at every tick.
        announceIfShown(refusalText());
    }
    m_tickStepped = stepped;
}

void ChamberPage::startbtClick()
{
    if (m_start->text() == tr("&Start")) {
        m_tickStepped = true;
        m_timer->start();
        m_start->setText(tr("&Stop"));
    } else {
        m_start->setText(tr("&Start"));
        m_timer->stop();
    }
}

void ChamberPage::AutocbClick()
{
    if (m_auto->isChecked()) {
        m_start->show();
        m_start->setText(tr("&Start"));
    } else {
        m_start->hide();
        m_start->setText(tr("&Start"));
        m_timer->stop();
    }
}

}  // namespace vestor
