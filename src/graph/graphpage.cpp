#include "graph/graphpage.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "ui/announcer.h"
#include "ui/barfield.h"
#include "ui/imageview.h"
#include "ui/uicommon.h"
#include "core/decayanalysis.h"

namespace vestor {

namespace {

// The reasons the analysis gives for having no estimate, English in the core; the fit label
// shows them translated.
[[maybe_unused]] const char* const kFitReasons[] = {
    QT_TRANSLATE_NOOP("vestor::GraphPage", "a count is not a number of particles"),
    QT_TRANSLATE_NOOP("vestor::GraphPage", "fewer than three usable points"),
    QT_TRANSLATE_NOOP("vestor::GraphPage", "the counts do not fall"),
};

constexpr int kImageLeft = 56;
constexpr int kImageTop = 24;

QFrame* redStroke(QWidget* parent, const char* name, int w, int h)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFixedSize(w, h);
    setBackground(f, Qt::red);
    f->hide();
    return f;
}

// The half-life a bar position sets, written as the equation on screen writes it.
QString spokenHalfLife(int hPosition)
{
    return onScreen(fixedText(halfLifeOf(hPosition), 2, 0));
}

}  // namespace

AnchorMarker::AnchorMarker(QWidget* parent) : QWidget(parent)
{
    setFixedSize(4, 4);
}

void AnchorMarker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawEllipse(0, 0, 3, 3);
}

GraphPage::GraphPage(Simulation& sim, std::function<int()> dataPoints, QWidget* parent)
    : QWidget(parent), m_sim(sim), m_dataPoints(std::move(dataPoints)),
      m_image(kGraphWidth, kGraphHeight, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    //: Caption of the scroll bar that sets the initial count A of the model curve
    m_iclb = placed<QLabel>(this, "Iclb", 0, 0, tr("Change Initial Count"));
    //: Caption of the scroll bar that sets the half-life T½ of the model curve
    m_hllb = placed<QLabel>(this, "hllb", 256, 8, tr("Change Half-life"));
    m_h = placed<QScrollBar>(this, "h", 374, 9, Qt::Horizontal);
    m_h->setFixedWidth(180);
    m_h->setRange(1, 500);
    m_h->setValue(1);
    m_h->setSingleStep(1);
    m_h->setPageStep(10);
    m_h->setFocusPolicy(Qt::StrongFocus);
    m_h->setAccessibleName(tr("Half-life of the model curve"));
    m_h->setAccessibleDescription(
        tr("Sets the half-life of the model curve drawn over nuclide 1's counts; the equation above the graph "
           "shows it"));
    m_hllb->setBuddy(m_h);
    arrowsFollowHandle(m_h);

    m_view = placed<ImageView>(this, "halfgraph", kImageLeft, kImageTop, &m_image);
    m_view->setAccessibleName(tr("Decay graph"));
    m_view->setContextMenuPolicy(Qt::PreventContextMenu);
    m_view->setDescriber([this] { return graphDescription(); });
    m_view->setPreparer([this] { drawPicture(); });
    // A stop of the Tab chain, where a screen reader reads the points and the curves.
    m_view->setFocusPolicy(Qt::TabFocus);
    m_yshift = placed<QScrollBar>(this, "yshift", 37, 20, Qt::Vertical);
    m_yshift->setFixedHeight(121);
    m_yshift->setRange(0, 40);
    m_yshift->setValue(20);
    m_yshift->setSingleStep(1);
    m_yshift->setPageStep(1);
    m_yshift->setFocusPolicy(Qt::StrongFocus);
    m_yshift->setAccessibleName(tr("Initial count of the model curve"));
    m_yshift->setAccessibleDescription(
        tr("Moves the initial count of the model curve up or down; the equation above the graph shows it"));
    m_iclb->setBuddy(m_yshift);

    // The fields beside the two bars: the half-life right of its bar, the initial count under its.
    auto* hField = placed<QLineEdit>(this, "he", 560, 6);
    hField->setFixedSize(52, 22);
    hField->setAccessibleName(m_h->accessibleName());
    m_hTyping = new BarField(m_h, hField,
                             {m_h->accessibleName(), spokenHalfLife,
                              [](double halfLife) { return std::llround(halfLife * 40); }, false, {}});
    auto* aField = placed<QLineEdit>(this, "yshifte", 2, 146);
    aField->setFixedSize(50, 22);
    aField->setAccessibleName(m_yshift->accessibleName());
    const auto count0 = [this] { return static_cast<long long>(countAt(m_sim.history, 0, 1)); };
    m_aTyping = new BarField(m_yshift, aField,
                             {m_yshift->accessibleName(),
                              [count0](int position) {
                                  return QString::number(initialCount(static_cast<std::int32_t>(count0()), position));
                              },
                              [count0](double a) { return count0() + 20 - std::llround(a); }, true, {}});

    m_anchor = placed<AnchorMarker>(this, "time1", kImageLeft + kAnchorX, kImageTop + kAnchorY);
    m_anchor->setAccessibleName(tr("Start of the model curve"));
    m_anchor->setAccessibleDescription(tr("Marks where the model curve starts, at time 0"));

    m_initially = placed<QLabel>(this, "initially", 407, 39, QStringLiteral("y=A*e"));
    m_kvalue = placed<QLabel>(this, "kvalue", 407, 31, QStringLiteral("1"));
    for (QLabel* l : {m_initially, m_kvalue}) {
        setBackground(l, Qt::white);
        setTextColor(l, Qt::black);
    }
    m_kvalue->setFont(pixelFont(13, false, QStringLiteral("Sans Serif")));
    m_xmax = placed<QLabel>(this, "xmax", 0, 0, QStringLiteral("xmax"));
    m_xmin = placed<QLabel>(this, "xmin", 0, 0, QStringLiteral("xmin"));
    m_yaxis = placed<QLabel>(this, "yaxis", 65, 145,
                              //: Title of the vertical axis, written downwards one letter a line in 8 pixels: a
                              //: space after each letter, at most five narrow letters (an m or w is cut)
                              tr("C o u n t "));
    m_yaxis->setWordWrap(true);
    m_yaxis->setFixedSize(8, 88);
    m_yaxis->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_yax = placed<QLabel>(this, "yax", 413, 383,
                            //: Title of the horizontal axis of the graph
                            tr("time"));
    m_yax->setFixedHeight(16);
    setBackground(m_yax, Qt::white);
    m_yax->setAutoFillBackground(false);
    for (QLabel* l : {m_initially, m_kvalue, m_xmax, m_xmin, m_yaxis, m_yax})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* box = placed<QGroupBox>(this, "graphBox", 152, 408, tr("Graph the Indicated Nuclides"));
    box->setFixedSize(553, 57);
    for (int k = 1; k <= kMaxNuclides; ++k) {
        auto* cb = placed<QCheckBox>(box, qPrintable(QStringLiteral("p%1cb").arg(k)), 16 + 110 * (k - 1), 24,
                                     tr(" Nuclide %1").arg(k));
        // Two pixels wider than the 81 the row was drawn with: Arial with Windows' hinting rounds
        // " Nuclide 1" up to 62 pixels, one more than an 81-pixel box leaves beside its tick.
        cb->setFixedSize(83, 17);
        setTextColor(cb, toQColor(kDefaultColors[k]));
        cb->setChecked(k == 1);
        cb->setEnabled(k == 1);
        connect(cb, &QCheckBox::clicked, this, [this, k] { p1cbClick(k); });
        m_boxes[k] = cb;
    }

    m_gtv = placed<QFrame>(this, "gtv", 0, 0);
    m_gtv->setFixedSize(97, 41);
    m_gtv->setFrameShape(QFrame::Box);
    setBackground(m_gtv, kPanelColor);
    m_gtvlb = placed<QLabel>(m_gtv, "gtvlb", 1, 1);
    m_gtvlb->setFixedSize(95, 39);
    m_gtv->hide();
    m_gtv->setAccessibleName(tr("Curve read-out"));
    m_gtv->setAccessibleDescription(tr("The time and the model's count at the point pressed on the graph"));
    m_vsh = redStroke(this, "vsh", 1, 20);
    m_ysh = redStroke(this, "ysh", 20, 1);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("halfpop"));
    QAction* copy = m_popup->addAction(tr("&Copy"));
    copy->setObjectName(QStringLiteral("copyhalf"));
    QAction* print = m_popup->addAction(tr("&Print"));
    print->setObjectName(QStringLiteral("Print1"));
    connect(copy, &QAction::triggered, this, &GraphPage::copyhalfClick);
    connect(print, &QAction::triggered, this, &GraphPage::Print1Click);

    connect(m_h, &QScrollBar::valueChanged, this, &GraphPage::plotggraph);
    connect(m_yshift, &QScrollBar::valueChanged, this, &GraphPage::plotggraph);
    sayValueChanges(m_h, [this] { return modelText(); });
    sayValueChanges(m_yshift, [this] { return modelText(); });
    connect(m_view, &ImageView::pressed, this, &GraphPage::halfgraphMouseDown);
    connect(m_view, &ImageView::released, this, &GraphPage::halfgraphMouseUp);
    connect(m_view, &ImageView::ratioChanged, this, &GraphPage::setPictureRatio);

    //: Check box: show the computed best fit of T½ and A to nuclide 1's counts
    m_bestFit = placed<QCheckBox>(this, "bestfitcb", 4, 414, tr("Best fit"));
    //: Check box: draw the expected count of each nuclide
    m_expected = placed<QCheckBox>(this, "expectedcb", 4, 438, tr("Expected"));
    m_bestFit->setToolTip(tr("Fit the model to nuclide 1's counts and show the estimate with its standard error"));
    m_expected->setToolTip(
        tr("Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall"));
    //: Button: move the two scroll bars to the best fit
    m_useFit = placed<QPushButton>(this, "usefitbt", 4, 462, tr("&Use fit"));
    //: Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line
    m_logScale = placed<QCheckBox>(this, "logcb", 4, 494, tr("&Log scale"));
    m_logScale->setToolTip(tr("Plot the counts on a logarithmic axis: an exponential decay becomes a straight line"));
    m_useFit->setFixedSize(86, 28);
    m_useFit->setToolTip(tr("Move the two scroll bars to the computed fit"));
    m_useFit->hide();
    m_fitLabel = placed<QLabel>(this, "fitlb", 152, 468);
    m_fitLabel->setFixedSize(553, 40);
    m_fitLabel->setFont(pixelFont(12, false));
    m_fitLabel->setWordWrap(true);
    m_fitLabel->hide();
    connect(m_bestFit, &QCheckBox::clicked, this, &GraphPage::bestfitcbClick);
    connect(m_expected, &QCheckBox::clicked, this, [this] {
        plotggraph();
        announce(this, expectedText());
    });
    connect(m_useFit, &QPushButton::clicked, this, &GraphPage::usefitbtClick);
    connect(m_logScale, &QCheckBox::clicked, this, &GraphPage::logcbClick);

    setTabOrder(m_view, m_h);
    setTabOrder(m_h, m_yshift);
    setTabOrder(m_yshift, m_boxes[1]);
    for (int k = 2; k <= kMaxNuclides; ++k)
        setTabOrder(m_boxes[k - 1], m_boxes[k]);
    setTabOrder(m_boxes[5], m_bestFit);
    setTabOrder(m_bestFit, m_useFit);
    setTabOrder(m_useFit, m_expected);
    setTabOrder(m_expected, m_logScale);
}

void GraphPage::setNotifier(Notifier* notifier)
{
    m_hTyping->setNotifier(notifier);
    m_aTyping->setNotifier(notifier);
}

void GraphPage::setPictureRatio(double ratio)
{
    m_image = pictureImage(QSize(kGraphWidth, kGraphHeight), ratio);
    plotggraph();
}

GraphInput GraphPage::input() const
{
    GraphInput in;
    in.history = &m_sim.history;
    in.seriesLength = m_sim.seriesLength;
    in.colors = m_sim.nuclideColor;
    in.nuclideMax = m_sim.nuclideMax;
    in.n = m_dataPoints();
    for (int k = 1; k <= kMaxNuclides; ++k)
        in.graphed[k] = m_boxes[k]->isChecked();
    in.hPosition = m_h->value();
    in.yshift = m_yshift->value();
    in.logScale = m_logScale->isChecked();
    return in;
}

void GraphPage::placeTickLabel(QLabel* label, int value)
{
    label->setText(QString::number(value));
    label->adjustSize();
    const int y = truncPixel((kGraphHeight - 20) - static_cast<double>(value) * m_scale.ys);
    label->move(kImageLeft + 50 - label->width() - 3, kImageTop + y - 5);
}

void GraphPage::draxis()
{
    pictureChanged();
    placeTickLabel(m_xmin, m_scale.tick);
    placeTickLabel(m_xmax, m_scale.topValue);
    m_xmin->setVisible(!m_scale.log);
    m_xmax->setVisible(!m_scale.log);
    // The log axis marks counts of 0 under the time axis, where the caption stands: the caption
    // is then written on white, as Copy writes it.
    m_yax->setAutoFillBackground(m_scale.log);
}

void GraphPage::plotggraph()
{
    const GraphInput in = input();
    m_scale = graphScale(in);
    m_kvalue->setText(onScreen(exponentText(in.hPosition, m_baseE)));
    m_initially->setText(onScreen(equationText(m_scale.a, m_baseText.toStdString())));
    m_initially->adjustSize();
    m_kvalue->adjustSize();
    m_kvalue->move(m_initially->x() + m_initially->width(), 31);
    draxis();
    if (m_bestFit->isChecked())
        updateFit();
    m_hTyping->show();
    m_aTyping->show();
    nameBars();
}

void GraphPage::pictureChanged()
{
    // The picture is drawn when it is next looked at: on screen at the view's next paint, or by
    // whatever takes the image. A Time step taken on another page then draws no graph, and the
    // changes of one event (the step's count and its number of points) draw it once.
    m_pictureStale = true;
    if (m_view)
        m_view->update();
}

void GraphPage::drawPicture() const
{
    if (!m_pictureStale)
        return;
    m_pictureStale = false;
    const GraphInput in = input();
    clearGraph(m_image, m_straightforward);
    drawAxes(m_image, m_scale, in.n, m_straightforward);
    if (m_expected->isChecked()) {
        QPainter p(&m_image);
        paintExpected(p, in, true);
    }
    drawDots(m_image, in, m_scale, m_straightforward ? nullptr : &m_discs);
    if (m_expected->isChecked()) {
        QPainter p(&m_image);
        paintExpected(p, in, false);
    }
    drawCurve(m_image, in, m_scale);
}

QString GraphPage::modelText() const
{
    //: The model curve as a screen reader says it, after the graph's points and as a scroll bar moves
    return tr("Model curve: T\u00BD %1 steps, A %2.").arg(spokenHalfLife(m_h->value())).arg(m_scale.a);
}

void GraphPage::nameBars()
{
    // A screen reader names a bar by its caption: both carry the value the bar sets, not its
    // position.
    //: What a screen reader says for the half-life scroll bar: what it sets and its value
    const QString h = tr("Half-life of the model curve, T\u00BD %1 steps").arg(spokenHalfLife(m_h->value()));
    //: What a screen reader says for the initial-count scroll bar: what it sets and its value
    const QString a = tr("Initial count of the model curve, A %1").arg(m_scale.a);
    for (QWidget* w : std::initializer_list<QWidget*>{m_h, m_hllb})
        setSpokenName(w, h);
    for (QWidget* w : std::initializer_list<QWidget*>{m_yshift, m_iclb})
        setSpokenName(w, a);
}

QString GraphPage::graphDescription() const
{
    const GraphInput in = input();
    QStringList parts;
    const int rows = std::min(in.n, kLastTime + 1);
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        QStringList counts;
        for (int t = 0; t < rows; ++t)
            counts << QString::number(countAt(m_sim.history, t, k));
        //: Graph as a screen reader reads it: one nuclide's counts, time by time
        parts << tr("Nuclide %1 at times 0 to %2: %3.").arg(k).arg(rows - 1).arg(counts.join(QStringLiteral(", ")));
    }
    if (in.graphed[1])
        parts << modelText();
    if (m_bestFit->isChecked())
        parts << m_fitLabel->text();
    if (m_expected->isChecked())
        parts << expectedText();
    if (m_logScale->isChecked())
        parts << scaleText();
    return parts.join(QLatin1Char(' '));
}

QString GraphPage::expectedText() const
{
    return m_expected->isChecked() ? tr("The expected count of each graphed nuclide is drawn as a line, in a band "
                                        "where 95 % of runs fall.")
                                   : tr("The expected counts are hidden.");
}

QString GraphPage::scaleText() const
{
    return m_logScale->isChecked()
               ? tr("The counts are on a logarithmic axis, where an exponential decay is a straight line.")
               : tr("The counts are on an even axis.");
}

void GraphPage::paintPicture(QPainter& p)
{
    const GraphInput in = input();
    const QSize size(kGraphWidth, kGraphHeight);
    paintFramed(p, size, kBlack);
    paintAxes(p, size, m_scale, in.n);
    if (m_expected->isChecked())
        paintExpected(p, in, true);
    paintDots(p, size, in, m_scale);
    if (m_expected->isChecked())
        paintExpected(p, in, false);
    paintCurve(p, size, in, m_scale);
    paintLabels(p);
}

// The expected curves, or the bands behind the dots where 95 % of runs fall: the expected count
// ± 1.96 standard deviations, light enough that the grid shows through.
void GraphPage::paintExpected(QPainter& p, const GraphInput& in, bool band) const
{
    const int rows = std::min(in.n, kLastTime + 1);
    const ExpectedCurves curves = expectedCurves(m_sim, rows, band);
    const auto& expected = curves.mean;
    const auto& variance = curves.variance;
    const auto point = [this](int t, double count) {
        return QPointF(truncPixel(t * m_scale.xs + 50), truncPixel(countY(m_scale, count)));
    };
    // Below the time axis (under 0, or under the log axis's 1) a band or curve leaves the plot.
    constexpr double bottom = kGraphHeight - 20;
    for (int k = 1; k <= in.seriesLength; ++k) {
        if (!in.graphed[k])
            continue;
        QPolygonF line;
        line.reserve(2 * rows);
        for (int t = 0; t < rows; ++t)
            line.append(point(t, expected[t][k] + (band ? 1.96 * std::sqrt(variance[t][k]) : 0.0)));
        if (band) {
            // The band reaches down to the time axis where its lower edge falls below it.
            for (int t = rows - 1; t >= 0; --t) {
                const QPointF lower = point(t, expected[t][k] - 1.96 * std::sqrt(variance[t][k]));
                line.append(QPointF(lower.x(), std::min(lower.y(), bottom)));
            }
            QColor light = toQColor(in.colors[k]);
            light.setAlpha(56);
            p.save();
            // On the log axis an upper edge under 1 falls below the time axis, onto its caption.
            p.setClipRect(QRectF(0, 0, kGraphWidth, bottom));
            p.setPen(Qt::NoPen);
            p.setBrush(light);
            p.drawPolygon(line);
            p.restore();
        } else {
            p.setPen(picturePen(p, toQColor(in.colors[k])));
            for (const QPolygonF& part : partsAbove(line, bottom))
                p.drawPolyline(part);
        }
    }
}

void GraphPage::logcbClick()
{
    plotggraph();
    announce(this, scaleText());
}

void GraphPage::setNuclideColors(const std::array<Color, 6>& colors)
{
    for (int k = 1; k <= kMaxNuclides; ++k)
        setTextColor(m_boxes[k], toQColor(colors[k]));
}

QString GraphPage::fitText() const
{
    return m_fitLabel->text();
}

DecayFit GraphPage::currentFit() const
{
    // Only the plotted times that hold data: a zero the run never recorded is no extinction.
    const int n = std::min({m_dataPoints(), kLastTime + 1, m_sim.lastDataTime() + 1});
    std::vector<double> counts;
    counts.reserve(n);
    for (int t = 0; t < n; ++t)
        counts.push_back(countAt(m_sim.history, t, 1));
    return fitDecay(counts);
}

void GraphPage::updateFit()
{
    const DecayFit fit = currentFit();
    if (!fit.ok) {
        m_fitLabel->setText(tr("Best fit of nuclide 1: no estimate, %1.").arg(tr(fit.reason.c_str())));
        m_useFit->setEnabled(false);
        return;
    }
    m_fitLabel->setText(tr("Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4", nullptr, fit.points)
                            .arg(QLocale().toString(fit.halfLife, 'f', 2), QLocale().toString(fit.halfLifeError, 'f', 2),
                                 QLocale().toString(fit.initial, 'f', 1), QLocale().toString(fit.initialError, 'f', 1))
                        + (fit.risesAfter < 0
                               ? QString()
                               : tr(" The count rises from time %1 to %2, which decay alone cannot do: "
                                    "the ± does not hold.")
                                     .arg(fit.risesAfter)
                                     .arg(fit.risesAfter + 1))
                        + stepNote(fit));
    m_useFit->setEnabled(true);
}

QString GraphPage::stepNote(const DecayFit& fit) const
{
    const int h = m_h->value();
    if (h != std::llround(fit.halfLife * 40) || spokenHalfLife(h) == QLocale().toString(fit.halfLife, 'f', 2))
        return QString();
    //: After Use fit: why the equation's half-life differs from the fit's; %1 is the equation's
    return tr(" The half-life bar moves in steps of 0.025; its nearest position gives T\u00BD = %1.")
        .arg(spokenHalfLife(h));
}

void GraphPage::bestfitcbClick()
{
    const bool on = m_bestFit->isChecked();
    m_fitLabel->setVisible(on);
    m_useFit->setVisible(on);
    if (on)
        updateFit();
    announce(this, on ? m_fitLabel->text() : tr("Best fit hidden."));
}

void GraphPage::usefitbtClick()
{
    const DecayFit fit = currentFit();
    if (!fit.ok)
        return;
    const long long wantH = std::llround(fit.halfLife * 40);
    const long long wantShift = static_cast<long long>(countAt(m_sim.history, 0, 1)) + 20 - std::llround(fit.initial);
    const int h = static_cast<int>(std::clamp<long long>(wantH, m_h->minimum(), m_h->maximum()));
    const int shift = static_cast<int>(std::clamp<long long>(wantShift, m_yshift->minimum(), m_yshift->maximum()));
    m_h->setValue(h);
    m_yshift->setValue(shift);
    QString note;
    if (h != wantH)
        note += tr(" The half-life lies beyond the scroll bar's range.");
    if (shift != wantShift)
        note += tr(" The initial count lies beyond the scroll bar's reach.");
    if (!note.isEmpty())
        m_fitLabel->setText(m_fitLabel->text() + note);
    // The fit's line itself says where the bar went, for as long as it stands there.
    announce(this, modelText() + note + stepNote(fit));
}

void GraphPage::applyEquationVisibility()
{
    const bool on = m_boxes[1]->isChecked() && m_showEquation;
    m_initially->setVisible(on);
    m_kvalue->setVisible(on);
}

void GraphPage::p1cbClick(int box)
{
    if (box == 1) {
        const bool on = m_boxes[1]->isChecked();
        for (QWidget* w : std::initializer_list<QWidget*>{m_yshift, m_iclb, m_hllb, m_h, m_hTyping->field(),
                                                          m_aTyping->field()})
            w->setVisible(on);
        if (m_showEquation) {
            m_initially->setVisible(on);
            m_kvalue->setVisible(on);
        }
    }
    plotggraph();
}

void GraphPage::showecbClick(bool checked)
{
    m_showEquation = checked;
    if (m_boxes[1]->isChecked())
        applyEquationVisibility();
}

void GraphPage::setBase(bool baseE)
{
    m_baseE = baseE;
    m_baseText = baseE ? QStringLiteral("*e") : QStringLiteral("*0.5");
    plotggraph();
}

void GraphPage::setSeriesLength(int length)
{
    for (int k = 2; k <= kMaxNuclides; ++k)
        m_boxes[k]->setEnabled(k <= length);
}

GraphPage::View GraphPage::view() const
{
    View v{m_h->value(), m_yshift->value(), {}, m_bestFit->isChecked(), m_expected->isChecked(),
           m_logScale->isChecked()};
    for (int k = 1; k <= kMaxNuclides; ++k)
        v.nuclides[k] = m_boxes[k]->isChecked();
    return v;
}

void GraphPage::setView(const View& v)
{
    m_h->setValue(v.halfLifeBar);
    m_yshift->setValue(v.initialBar);
    for (int k = 1; k <= kMaxNuclides; ++k) {
        m_boxes[k]->setChecked(v.nuclides[k]);
        p1cbClick(k);
    }
    m_bestFit->setChecked(v.bestFit);
    m_expected->setChecked(v.expected);
    m_logScale->setChecked(v.logScale);
    bestfitcbClick();
    plotggraph();
}

void GraphPage::placeAnchor()
{
    m_anchor->move(kImageLeft + kAnchorX, kImageTop + kAnchorY);
    m_anchor->show();
}

void GraphPage::halfgraphMouseDown(QPoint pos, Qt::MouseButton)
{
    if (!m_h->isVisibleTo(this))
        return;
    const double xs = xScale(m_dataPoints());
    const double ys = yScale(m_scale.scaleMax);
    const int d = pos.x() - 50;
    const std::int64_t a = initialCount(countAt(m_sim.history, 0, 1), m_yshift->value());
    const double v = modelValue(a, halfLifeOf(m_h->value()), d, xs);
    if (d < 0)
        return;
    m_gtv->move(kImageLeft + pos.x(), kImageTop + pos.y() - m_gtv->height());
    const int height = m_scale.log ? truncPixel(countY(m_scale, v)) : (kGraphHeight - 20) - truncPixel(v * ys);
    m_ysh->move(m_gtv->x() - 10, kImageTop + height);
    m_vsh->move(m_gtv->x(), m_ysh->y() - 10);
    m_readout = onScreen(vestor::readoutText(d, xs, v));
    m_gtvlb->setText(QString(m_readout).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    for (QWidget* w : std::initializer_list<QWidget*>{m_gtv, m_vsh, m_ysh}) {
        w->show();
        w->raise();
    }
}

void GraphPage::halfgraphMouseUp(QPoint pos, Qt::MouseButton button)
{
    m_gtv->hide();
    m_vsh->hide();
    m_ysh->hide();
    // The pop-up opens once the button is up, after the read-out has gone.
    if (button == Qt::RightButton)
        m_popup->popup(m_view->mapToGlobal(pos));
}

QImage GraphPage::labelledPicture()
{
    // The clipboard always gets the picture at its own size, whatever the screen's ratio: at
    // another ratio it is drawn again, the way Print draws it, which gives the same pixels.
    QImage picture(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    if (m_image.devicePixelRatio() == 1.0) {
        p.drawImage(0, 0, image());
        paintLabels(p);
    } else {
        paintPicture(p);
    }
    return picture;
}

void GraphPage::paintLabels(QPainter& p) const
{
    p.setFont(pixelFont(13, true));
    p.setPen(Qt::black);
    const QFontMetrics fm(p.font());
    auto text = [&](const QString& s, int x, int y) {
        const QRect r(x, y, fm.horizontalAdvance(s), fm.height());
        p.fillRect(r, Qt::white);
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop, s);
    };
    if (m_initially->isVisibleTo(this)) {
        text(m_initially->text(), m_initially->x() - kImageLeft, m_initially->y() - kImageTop);
        text(m_kvalue->text(), m_kvalue->x() - kImageLeft + 2, m_kvalue->y() - kImageTop);
    }
    const QString title = m_yaxis->text();
    for (int i = 1; i <= 5; ++i)
        text(title.mid(2 * i - 2, 1), m_yaxis->x() - kImageLeft, m_yaxis->y() - kImageTop + (i - 1) * 16);
    text(m_yax->text(), m_yax->x() - kImageLeft, m_yax->y() - kImageTop);
    // The log axis has its labels in the picture already.
    if (!m_scale.log) {
        text(m_xmax->text(), m_xmax->x() - kImageLeft - 4, m_xmax->y() - kImageTop);
        text(m_xmin->text(), m_xmin->x() - kImageLeft - 4, m_xmin->y() - kImageTop);
    }
}

// The labels are painted into a copy, so the picture on screen never loses or gains them.
void GraphPage::copyhalfClick()
{
    // A fresh plot first: a count typed since the last one may have moved the scale.
    plotggraph();
    QGuiApplication::clipboard()->setImage(labelledPicture());
}

void GraphPage::Print1Click()
{
    copyhalfClick();
    emit printRequested();
}

}  // namespace vestor
