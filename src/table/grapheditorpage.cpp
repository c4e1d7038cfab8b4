#include "table/grapheditorpage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/barfield.h"
#include "ui/notifier.h"
#include "ui/announcer.h"
#include "ui/uicommon.h"
#include "core/lesson.h"
#include "core/tabletext.h"

namespace vestor {

namespace {

constexpr int kSlots = 15;
constexpr int kColumnWidth = 176;
constexpr int kRowHeight = 38;

// The thin black frame around the three columns of slots, with lines between the columns.
class SlotGrid : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
        for (int c = 1; c < 3; ++c)
            p.drawLine(c * kColumnWidth, 0, c * kColumnWidth, height() - 1);
    }
};

// Labels of slots 1..15, in slot order.
const char* const kSlotLabelNames[16] = {"",        "Label4",  "Label12", "Label13", "Label9",  "Label10",
                                         "Label8",  "Label7",  "Label6",  "Label5",  "Label11", "Label15",
                                         "Label16", "Label17", "Label18", "Label19"};

// The field the student is in: it keeps that role while a message or a file dialog is open.
bool beingEdited(const QLineEdit* field)
{
    return field->window()->focusWidget() == field;
}

bool leftByUser(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    // Switching to another window or opening a pop-up is not leaving the field.
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

GraphEditorPage::GraphEditorPage(Simulation& sim, QWidget* parent) : QWidget(parent), m_sim(sim)
{
    auto* heading = placed<QLabel>(
        this, "heading", 16, 10,
        tr("Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page."));
    heading->setFixedWidth(740);
    heading->setWordWrap(true);

    auto* lll = placed<QLabel>(this, "lll", 16, 54, tr("Number of Data Points:"));
    m_maxp = placed<QLineEdit>(this, "maxp", 188, 51, QStringLiteral("1"));
    m_maxp->setFixedSize(38, 22);
    m_np = placed<QScrollBar>(this, "np", 230, 54, Qt::Horizontal);
    m_np->setFixedWidth(300);
    m_np->setRange(1, 100);
    m_np->setValue(1);
    m_np->setSingleStep(1);
    m_np->setPageStep(5);
    m_np->setFocusPolicy(Qt::StrongFocus);
    m_np->setAccessibleName(tr("Number of data points"));
    arrowsFollowHandle(m_np);
    m_np->setAccessibleDescription(tr("Sets how many recorded times the graph and the data table show"));
    lll->setBuddy(m_np);
    m_maxp->setAccessibleName(m_np->accessibleName());
    m_npTyping = new BarField(m_np, m_maxp,
                              {m_np->accessibleName(), [](int n) { return QString::number(n); },
                               [](double n) { return std::llround(n); }, true, {}});

    //: Caption of the choice of nuclide whose counts are shown below
    auto* show = placed<QLabel>(this, "Label20", 16, 92, tr("Show"));
    m_showdd = placed<QComboBox>(this, "showdd", 70, 88);
    m_showdd->addItems({tr("Nuclide 1"), tr("Nuclide 2"), tr("Nuclide 3"), tr("Nuclide 4"), tr("Nuclide 5")});
    m_showdd->setFixedWidth(120);
    show->setBuddy(m_showdd);

    m_datagb = placed<QGroupBox>(this, "datagb", 16, 124, tr("Nuclide 1's Data"));
    m_datagb->setFixedSize(560, 330);
    //: The count at time 0
    auto* intcount = placed<QLabel>(m_datagb, "intcount", 16, 32, tr("Initial Count"));
    m_icount = placed<QLineEdit>(m_datagb, "icount", 120, 28);
    m_icount->setText(QStringLiteral("100"));
    m_slots[0] = m_icount;
    pointAt(m_icount, 0, 1);
    m_icount->setFixedWidth(90);
    intcount->setBuddy(m_icount);
    m_icount->installEventFilter(this);

    auto* grid = placed<SlotGrid>(m_datagb, "slotGrid", 16, 68);
    grid->setFixedSize(3 * kColumnWidth, 5 * kRowHeight + 8);
    for (int s = 1; s <= kSlots; ++s) {
        const int col = (s - 1) / 5;
        const int row = (s - 1) % 5;
        const int x = 16 + col * kColumnWidth;
        const int y = 68 + 8 + row * kRowHeight;
        auto* label = placed<QLabel>(m_datagb, kSlotLabelNames[s], x + 10, y + 3, QStringLiteral("t=%1").arg(s));
        label->setFixedWidth(60);
        auto* field = placed<QLineEdit>(m_datagb, qPrintable(QStringLiteral("t%1").arg(s)), x + 72, y);
        field->setText(QStringLiteral("0"));
        m_slots[s] = field;
        pointAt(field, s, 1);
        field->setFixedWidth(92);
        field->setProperty("slot", s);
        field->installEventFilter(this);
        label->setBuddy(field);
        label->setVisible(s == 1);
        field->setVisible(s == 1);
        m_slotLabels[s] = label;
    }
    m_tsb = placed<QScrollBar>(m_datagb, "tsb", 16, 68 + 5 * kRowHeight + 16, Qt::Horizontal);
    m_tsb->setFixedWidth(3 * kColumnWidth);
    m_tsb->setRange(0, 100);
    m_tsb->setValue(0);
    m_tsb->setSingleStep(1);
    m_tsb->setPageStep(5);
    m_tsb->setFocusPolicy(Qt::StrongFocus);
    m_tsb->setAccessibleName(tr("Times shown"));
    arrowsFollowHandle(m_tsb);
    m_tsb->setAccessibleDescription(tr("Scrolls the fifteen count fields through the recorded times"));

    connect(m_np, &QScrollBar::valueChanged, this, &GraphEditorPage::npChange);
    connect(m_showdd, &QComboBox::currentIndexChanged, this, &GraphEditorPage::showddChange);
    connect(m_tsb, &QScrollBar::valueChanged, this, &GraphEditorPage::tsbChange);

    setTabOrder(m_np, m_showdd);
    setTabOrder(m_showdd, m_icount);
    QWidget* previous = m_icount;
    for (int s = 1; s <= kSlots; ++s) {
        setTabOrder(previous, m_slots[s]);
        previous = m_slots[s];
    }
    setTabOrder(previous, m_tsb);
}

void GraphEditorPage::setNotifier(Notifier* notifier)
{
    m_notifier = notifier;
    m_npTyping->setNotifier(notifier);
}

int GraphEditorPage::dataPoints() const
{
    return m_np->value();
}

int GraphEditorPage::chosenNuclide() const
{
    return m_showdd->currentIndex() + 1;
}

int GraphEditorPage::firstShownTime() const
{
    return m_tsb->value();
}

void GraphEditorPage::showView(int dataPoints, int nuclide, int first)
{
    m_np->setValue(dataPoints);
    m_showdd->setCurrentIndex(nuclide - 1);
    // Saved before N first changed, the bar reached further than N − 15; it does so again.
    if (first > m_tsb->maximum())
        m_tsb->setMaximum(editorFirstTimeLimit(dataPoints));
    m_tsb->setValue(first);
    showdatabt();
}

void GraphEditorPage::npChange()
{
    commitPendingEdits();
    const int n = dataPoints();
    m_npTyping->show();
    for (int k = 1; k <= kMaxNuclides; ++k)
        m_sim.nuclideMax[k] = maximumOver(m_sim.history, k, n);
    m_tsb->setMaximum(std::max(n - kSlots, 0));
    showdatabt();
    emit replot();
    emit rebuildListing();
}

void GraphEditorPage::showdatabt()
{
    commitPendingEdits();
    const int k = chosenNuclide();
    const int p = m_tsb->value();
    const int n = dataPoints();
    showCell(m_icount, 0, k);
    for (int s = 1; s <= kSlots; ++s) {
        const int t = p + s;
        // The history ends at time 99, so N = 100 shows no slot for time 100.
        const bool shown = t <= n && t <= kLastTime;
        if (shown) {
            showCell(m_slots[s], t, k);
            // A field that keeps the time it is being typed for says which time that is.
            m_slotLabels[s]->setText(QStringLiteral("t = %1").arg(timeOf(m_slots[s])));
            // A screen reader names the field by its caption.
            setSpokenName(m_slotLabels[s], m_slots[s]->accessibleName());
        }
        // Most steps show the same fields as before; showing or hiding one is not cheap.
        for (QWidget* w : std::initializer_list<QWidget*>{m_slotLabels[s], m_slots[s]})
            if (w->isHidden() == shown)
                w->setVisible(shown);
    }
}

void GraphEditorPage::showddChange()
{
    //: Title of the group of count fields; %1 is the chosen "Nuclide n"
    m_datagb->setTitle(tr("%1´s Data").arg(m_showdd->currentText()));
    showdatabt();
}

void GraphEditorPage::tsbChange()
{
    showdatabt();
}

int GraphEditorPage::slotOf(const QLineEdit* field) const
{
    const auto at = std::find(m_slots.begin(), m_slots.end(), field);
    Q_ASSERT(at != m_slots.end());
    return static_cast<int>(at - m_slots.begin());
}

void GraphEditorPage::pointAt(QLineEdit* field, int time, int nuclide)
{
    Cell& cell = cellOf(field);
    cell.shown = countAt(m_sim.history, time, nuclide);
    if (cell.time == time && cell.nuclide == nuclide)
        return;
    cell.time = time;
    cell.nuclide = nuclide;
    //: What a screen reader calls a count field of the graph data editor
    setSpokenName(field, tr("Count of nuclide %1 at time %2").arg(nuclide).arg(time));
}

void GraphEditorPage::showCell(QLineEdit* field, int time, int nuclide)
{
    const std::int32_t value = countAt(m_sim.history, time, nuclide);
    if (beingEdited(field)) {
        const Cell& cell = cellOf(field);
        const bool sameCell = cell.time == time && cell.nuclide == nuclide;
        // What the student types belongs to the cell they started typing into.
        if (!sameCell && field->isModified())
            return;
        // Text and selection stay as the student left them while the recording stays.
        if (sameCell && cell.shown == value)
            return;
        // A new value arrived under them: shown whole and selected, the next keys replace it.
        pointAt(field, time, nuclide);
        field->setText(QString::number(value));
        field->selectAll();
        return;
    }
    pointAt(field, time, nuclide);
    // Text typed that is no whole number waits to be reported when the student leaves.
    if (!field->isModified())
        field->setText(QString::number(value));
}

bool GraphEditorPage::showsOwnCell(const QLineEdit* field) const
{
    const int slot = slotOf(field);
    const int time = slot == 0 ? 0 : m_tsb->value() + slot;
    const Cell& cell = cellOf(field);
    return cell.time == time && cell.nuclide == chosenNuclide();
}

void GraphEditorPage::record(QLineEdit* field, std::int32_t value)
{
    Cell& cell = cellOf(field);
    const int t = cell.time;
    const int k = cell.nuclide;
    if (t <= kLastTime)
        m_sim.storeTyped(t, k, value);
    cell.shown = value;
    m_sim.nuclideMax[k] = maximumOver(m_sim.history, k, dataPoints() - 1);
    emit countEdited();
}

void GraphEditorPage::store(QLineEdit* field, std::int32_t value)
{
    field->setText(QString::number(value));
    record(field, value);
}

void GraphEditorPage::commitPendingEdits()
{
    if (m_validating)
        return;
    bool slotStored = false;
    for (QLineEdit* field : m_slots) {
        if (!field->isModified())
            continue;
        if (const auto v = parseCount(field->text().toStdString())) {
            // The field the student is in keeps its text and selection; they may type on.
            if (beingEdited(field)) {
                record(field, *v);
                field->setModified(false);
            } else {
                store(field, *v);
            }
            slotStored = slotStored || field != m_icount;
        }
    }
    if (slotStored)
        emit replot();
}

void GraphEditorPage::t1Exit(int slot)
{
    QLineEdit* field = m_slots[slot];
    if (const auto v = parseCount(field->text().toStdString())) {
        store(field, *v);
    } else {
        refuse(field, QStringLiteral("0"));
    }
    emit replot();
}

void GraphEditorPage::icountExit()
{
    const auto v = parseCount(m_icount->text().toStdString());
    if (!v) {
        refuse(m_icount, QStringLiteral("100"));
        return;
    }
    store(m_icount, *v);
}

void GraphEditorPage::refuse(QLineEdit* field, const QString& shown)
{
    const QString typed = field->text();
    if (m_notifier)
        m_notifier->warning(this, tr("Enter an integer!!"));
    field->setText(shown);
    // The box names no field: a student who cannot see which one was refused hears it here.
    //: Said after "Enter an integer!!": the field refused, what was typed and what it shows now
    announce(this, tr("%1: \"%2\" is no whole number; the field shows %3.")
                       .arg(field->accessibleName(), typed, shown));
}

void GraphEditorPage::icountKeyPress(int slot)
{
    const int n = m_sim.timeIndex - 1;
    // With no step taken, a target past the last slot, or a hidden target, the focus stays.
    if (n <= 0)
        return;
    const int target = slot % n + 1;
    if (target > kSlots || !m_slots[target]->isVisibleTo(this))
        return;
    m_slots[target]->setFocus(Qt::TabFocusReason);
}

void GraphEditorPage::storeCounts(const History& counts, int times, const QStringList& files)
{
    times = std::clamp(times, 1, kLastTime + 1);
    // A value typed before was typed into the data being replaced.
    commitPendingEdits();
    m_sim.storePooled(counts, times);
    m_sim.pooledFiles.clear();
    for (const QString& file : files)
        m_sim.pooledFiles.push_back(file.toStdString());
    // A change of N takes it over everywhere; the same N still has the new counts to show.
    if (m_np->value() != times)
        m_np->setValue(times);
    else
        npChange();
}

bool GraphEditorPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    // Only what the student typed is stored: a field merely passed through stores nothing.
    if (field && !m_validating && field->isModified() && leftByUser(event)) {
        // A warning box may take the focus; its own focus changes are not another exit.
        m_validating = true;
        if (field == m_icount)
            icountExit();
        else
            t1Exit(field->property("slot").toInt());
        m_validating = false;
        // A field that kept its time while the times shown moved on follows them again.
        if (!showsOwnCell(field))
            showdatabt();
    } else if (field && field != m_icount && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            icountKeyPress(field->property("slot").toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vestor
