#include "soakdriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "app/mainwindow.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"
#include "core/tabletext.h"
#include "support/shownwindow.h"

namespace vestor::soak {

namespace {

template <typename T>
T* child(const QWidget* parent, const QString& name)
{
    return test::named<T>(parent, name);
}

QString n(const char* pattern, int i)
{
    return QString::fromLatin1(pattern).arg(i);
}

std::string quote(const QString& s)
{
    return "\"" + s.toStdString() + "\"";
}

std::string str(int v)
{
    return std::to_string(v);
}

}  // namespace

Controls::Controls(MainWindow& w)
    : window(w),
      notebook(child<QTabWidget>(&w, QStringLiteral("showNB"))),
      tabs(notebook->tabBar()),
      dc(child<QComboBox>(&w, QStringLiteral("dc"))),
      percent(child<QRadioButton>(&w, QStringLiteral("Percentrb"))),
      dice(child<QRadioButton>(&w, QStringLiteral("dicerb"))),
      base05(child<QRadioButton>(&w, QStringLiteral("RadioButton1"))),
      baseE(child<QRadioButton>(&w, QStringLiteral("RadioButton2"))),
      showEquation(child<QCheckBox>(&w, QStringLiteral("showecb"))),
      sides(child<QScrollBar>(w.configPage(), QStringLiteral("sides"))),
      numsides(child<QLineEdit>(w.configPage(), QStringLiteral("numsides"))),
      next(child<QPushButton>(&w, QStringLiteral("Nextbt"))),
      remove(child<QPushButton>(&w, QStringLiteral("Removebt"))),
      start(child<QPushButton>(&w, QStringLiteral("startbt"))),
      restart(child<QPushButton>(&w, QStringLiteral("restart"))),
      automate(child<QCheckBox>(&w, QStringLiteral("Autocb"))),
      timer(w.chamberPage()->timer()),
      memo(child<QPlainTextEdit>(&w, QStringLiteral("datamemo"))),
      copyAll(child<QPushButton>(&w, QStringLiteral("Copybt"))),
      copySelected(child<QPushButton>(&w, QStringLiteral("copyselbt"))),
      graph(child<QWidget>(w.graphPage(), QStringLiteral("halfgraph"))),
      h(child<QScrollBar>(w.graphPage(), QStringLiteral("h"))),
      yshift(child<QScrollBar>(w.graphPage(), QStringLiteral("yshift"))),
      readout(child<QWidget>(w.graphPage(), QStringLiteral("gtv"))),
      copyhalf(child<QAction>(w.graphPage()->popup(), QStringLiteral("copyhalf"))),
      print1(child<QAction>(w.graphPage()->popup(), QStringLiteral("Print1"))),
      halfLives(w.findChild<QAction*>(QStringLiteral("HalfLives1"))),
      colourBlind(w.findChild<QAction*>(QStringLiteral("ColourBlind1"))),
      logScale(child<QCheckBox>(w.graphPage(), QStringLiteral("logcb"))),
      bestFit(child<QCheckBox>(w.graphPage(), QStringLiteral("bestfitcb"))),
      expected(child<QCheckBox>(w.graphPage(), QStringLiteral("expectedcb"))),
      useFit(child<QPushButton>(w.graphPage(), QStringLiteral("usefitbt"))),
      dataPoints(child<QScrollBar>(w.editorPage(), QStringLiteral("np"))),
      maxp(child<QLineEdit>(w.editorPage(), QStringLiteral("maxp"))),
      tsb(child<QScrollBar>(w.editorPage(), QStringLiteral("tsb"))),
      showdd(child<QComboBox>(w.editorPage(), QStringLiteral("showdd"))),
      icount(child<QLineEdit>(w.editorPage(), QStringLiteral("icount")))
{
    const QWidget* config = w.configPage();
    for (int i = 1; i <= kMaxNuclides; ++i) {
        hl[i] = child<QScrollBar>(config, n("HLsb%1", i));
        hle[i] = child<QLineEdit>(config, n("HLe%1", i));
        dv[i] = child<QScrollBar>(config, n("numdicesb%1", i));
        dve[i] = child<QLineEdit>(config, n("decayvalue%1", i));
        np[i] = child<QScrollBar>(config, n("NPsb%1", i));
        npe[i] = child<QLineEdit>(config, n("NPe%1", i));
        counts[i] = child<QLineEdit>(w.chamberPage(), n("de%1", i));
        legend[i] = child<QWidget>(w.chamberPage(), n("d%1", i));
        tableBoxes[i] = child<QCheckBox>(w.tablePage(), n("p1%1cb", i));
        graphBoxes[i] = child<QCheckBox>(w.graphPage(), n("p%1cb", i));
    }
    for (int s = 1; s <= 15; ++s)
        fields[s] = child<QLineEdit>(w.editorPage(), n("t%1", s));
    for (QLabel* label : w.editorPage()->findChildren<QLabel*>())
        for (int s = 1; s <= 15; ++s)
            if (label->buddy() == fields[s])
                fieldLabels[s] = label;
    if (!halfLives || !colourBlind)
        qFatal("no action named HalfLives1 or ColourBlind1");
}

std::optional<Failure> checkWindow(const Controls& c)
{
    const Simulation& sim = c.window.simulation();
    const int series = sim.seriesLength;

    if (series < 1 || series > kMaxNuclides)
        return Failure{"counts", "series length " + str(series)};
    if (!sim.invariantHolds()) {
        std::string counts;
        for (int k = 1; k <= series + 1; ++k)
            counts += " " + str(sim.nuclideCount[k]);
        return Failure{"counts", "the counts no longer match the particles: slots" + counts + ", total "
                                     + str(sim.particleTotal) + ", removed " + str(sim.removedCount)};
    }

    for (int k = 1; k <= kMaxNuclides + 1; ++k)
        if (sim.nuclideCount[k] < 0)
            return Failure{"no negative count", "nuclideCount[" + str(k) + "] = " + str(sim.nuclideCount[k])};
    for (int k = 1; k <= kMaxNuclides; ++k)
        if (sim.nuclideMax[k] < 0)
            return Failure{"no negative count", "nuclideMax[" + str(k) + "] = " + str(sim.nuclideMax[k])};
    for (int row = 1; row <= kHistoryRows; ++row)
        for (int k = 1; k <= kMaxNuclides; ++k)
            if (sim.history[row][k] < 0)
                return Failure{"no negative count", "history[" + str(row) + "][" + str(k)
                                                        + "] = " + str(sim.history[row][k])};
    if (sim.removedCount < 0 || sim.particleTotal < 1 || sim.particleTotal > kPoolSize)
        return Failure{"no negative count", "particle total " + str(sim.particleTotal) + ", removed "
                                                + str(sim.removedCount)};

    int sum = 0;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        sum += c.np[k]->value();
        if (c.np[k]->value() < 0)
            return Failure{"initial numbers", "NPsb" + str(k) + " at " + str(c.np[k]->value())};
        // Each row's maximum is what the rows above leave of the pool.
        if (k >= 2 && c.np[k]->maximum() != kPoolSize - (sum - c.np[k]->value()))
            return Failure{"initial numbers", "NPsb" + str(k) + " has maximum " + str(c.np[k]->maximum())
                                                  + " while the rows above hold " + str(sum - c.np[k]->value())};
    }
    if (sum > kPoolSize || c.np[1]->value() < 1)
        return Failure{"initial numbers", "NPsb1 at " + str(c.np[1]->value()) + ", all five add up to " + str(sum)};

    for (int k = 1; k <= kMaxNuclides; ++k) {
        const int v = c.dv[k]->value();
        if (v < 1 || v > c.sides->value() || c.dv[k]->maximum() != c.sides->value())
            return Failure{"decay values", "numdicesb" + str(k) + " at " + str(v) + " (maximum "
                                               + str(c.dv[k]->maximum()) + ") with " + str(c.sides->value())
                                               + " sides"};
    }

    auto readout = [](const QLineEdit* edit, const QScrollBar* bar, const QString& suffix) -> std::optional<Failure> {
        const QString want = QString::number(bar->value()) + suffix;
        if (edit->text() != want)
            return Failure{"read-outs", edit->objectName().toStdString() + " shows " + quote(edit->text()) + " while "
                                            + bar->objectName().toStdString() + " is at " + str(bar->value())};
        return std::nullopt;
    };
    for (int k = 1; k <= kMaxNuclides; ++k) {
        if (auto f = readout(c.hle[k], c.hl[k], QStringLiteral("%")))
            return f;
        if (auto f = readout(c.dve[k], c.dv[k], QString()))
            return f;
        if (auto f = readout(c.npe[k], c.np[k], QString()))
            return f;
    }
    if (auto f = readout(c.numsides, c.sides, QString()))
        return f;
    if (c.maxp->text() != QString::number(c.dataPoints->value()))
        return Failure{"read-outs", "maxp shows " + quote(c.maxp->text()) + " while np is at "
                                        + str(c.dataPoints->value())};

    const int points = c.dataPoints->value();
    if (points < 1 || points > 100 || c.dataPoints->minimum() != 1 || c.dataPoints->maximum() != 100)
        return Failure{"data points", "N = " + str(points) + " in " + str(c.dataPoints->minimum()) + ".."
                                          + str(c.dataPoints->maximum())};

    // The legend shows the run's counts, and only for the nuclides of the series.
    const QWidget* chamber = c.window.chamberPage();
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const QString want = k <= series ? QString::number(sim.nuclideCount[k]) : QStringLiteral("0");
        if (c.counts[k]->text() != want)
            return Failure{"legend", "de" + str(k) + " shows " + quote(c.counts[k]->text()) + ", the count is "
                                         + want.toStdString()};
        if (c.counts[k]->isVisibleTo(chamber) != (k <= series) || c.legend[k]->isVisibleTo(chamber) != (k <= series))
            return Failure{"legend", "nuclide " + str(k) + " shown wrongly in a series of " + str(series)};
        const Color drawn = k == series + 1 ? kWhite : sim.legend[k];
        if (static_cast<const LegendDisc*>(c.legend[k])->color() != sim.legend[k] || sim.nuclideColor[k] != drawn)
            return Failure{"legend", "disc " + str(k) + " is not the colour nuclide " + str(k) + " is drawn in"};
    }
    // A screen reader reads the same time and counts from the chamber picture.
    QStringList counts;
    for (int k = 1; k <= series; ++k)
        counts << QStringLiteral("nuclide %1, %2").arg(k).arg(sim.nuclideCount[k]);
    const QString spoken = chamber->findChild<QWidget*>(QStringLiteral("ActiveBM"))->accessibleDescription();
    if (!spoken.startsWith(QStringLiteral("Time %1: %2.").arg(sim.timeIndex - 1).arg(counts.join(QStringLiteral("; ")))))
        return Failure{"legend", "the chamber is read as " + quote(spoken)};

    // The states of the run control: the timer runs only under Automate, with "&Stop" showing.
    const bool running = c.timer->isActive();
    const bool automate = c.automate->isChecked();
    const bool stopShown = c.start->text() == QStringLiteral("&Stop");
    if (running != stopShown || (running && !automate) || c.start->isVisibleTo(chamber) != automate)
        return Failure{"run control", std::string("timer ") + (running ? "running" : "stopped") + ", Automate "
                                          + (automate ? "on" : "off") + ", startbt " + quote(c.start->text())
                                          + (c.start->isVisibleTo(chamber) ? " shown" : " hidden")};

    // Exactly the rows of the chosen series are offered.
    const int chosen = c.dc->currentIndex() + 1;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const bool on = k <= chosen;
        const bool rowOn = c.hl[k]->isEnabled() && c.hle[k]->isEnabled() && c.dv[k]->isEnabled()
                           && c.dve[k]->isEnabled() && c.np[k]->isEnabled() && c.npe[k]->isEnabled();
        const bool rowOff = !c.hl[k]->isEnabled() && !c.hle[k]->isEnabled() && !c.dv[k]->isEnabled()
                            && !c.dve[k]->isEnabled() && !c.np[k]->isEnabled() && !c.npe[k]->isEnabled();
        const bool boxes = k == 1 || (c.graphBoxes[k]->isEnabled() == on && c.tableBoxes[k]->isEnabled() == on);
        if (!(on ? rowOn : rowOff) || !boxes)
            return Failure{"series rows", "row " + str(k) + " is not " + (on ? "enabled" : "disabled")
                                              + " with series length " + str(chosen) + " chosen"};
    }

    // The table in view lists the counts recorded, and Copy All copies it, however long it was out
    // of sight.
    const QString listed = test::shownListing(c.window);
    QString copied = c.window.tablePage()->listing();
    copied.replace(QLatin1String("\r\n"), QLatin1String("\n")).remove(QLatin1Char('\r'));
    if (c.memo->isVisible() && (c.memo->toPlainText() != listed || copied != listed))
        return Failure{"table", "datamemo shows " + quote(c.memo->toPlainText().left(40)) + ", Copy All copies "
                                    + quote(copied.left(40)) + ", the counts are " + quote(listed.left(40))};
    // A screen reader names each count field by the time its caption shows.
    for (int s = 1; s <= 15; ++s) {
        const QString time = c.fieldLabels[s]->text().section(QLatin1Char('='), 1).trimmed();
        if (c.fields[s]->isVisibleTo(c.window.editorPage())
            && !c.fields[s]->accessibleName().endsWith(QStringLiteral(" at time ") + time))
            return Failure{"editor", "t" + str(s) + " is read as " + quote(c.fields[s]->accessibleName())
                                         + " under the caption " + quote(c.fieldLabels[s]->text())};
    }
    return std::nullopt;
}

Driver::Driver(MainWindow& window, const QString& workDir) : m_c(window), m_work(workDir)
{
    m_history = window.simulation().history;
    m_runs = window.simulation().runsStarted;
    QObject::connect(m_c.notebook, &QTabWidget::currentChanged, &window, [this] { ++m_pageChanges; });
    QObject::connect(m_c.restart, &QPushButton::clicked, &window, [this] { ++m_resetClicks; });
    // Once the student leaves the field they stayed in, coming back is a fresh start.
    m_focusWatch = QObject::connect(qApp, &QApplication::focusChanged, &window, [this](QWidget* old) {
        if (old && old == m_in)
            m_in = nullptr;
    });
    window.setNotifier(&m_notifier);
    // The run's timer is driven by calling its handler; its own clock must never fire.
    m_c.timer->setInterval(std::numeric_limits<int>::max());
    window.printer().setOutputFormat(QPrinter::PdfFormat);
    window.printer().setOutputFileName(m_work.filePath(QStringLiteral("graph.pdf")));
    // A modal box would block a student's program and this run alike: close it and report it.
    m_modalGuard = new QTimer(&window);
    m_modalGuard->setInterval(50);
    QObject::connect(m_modalGuard, &QTimer::timeout, &window, [this] { closeUnexpectedModal(); });
    m_modalGuard->start();
}

Driver::~Driver()
{
    // The window may outlive this driver, and its closing moves the focus.
    QObject::disconnect(m_focusWatch);
    m_c.window.setNotifier(nullptr);
}

void Driver::closeUnexpectedModal()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (m_problem.empty())
            m_problem = "a modal window " + quote(modal->objectName() + QLatin1Char(' ') + modal->windowTitle())
                        + " opened";
        modal->close();
    }
}

void Driver::closePopups()
{
    bool closed = false;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        closed = true;
    }
    if (closed)
        keepActive();
}

void Driver::keepActive()
{
    // A desktop hands the activation back to the window when its pop-up closes; the offscreen
    // platform does not, and an inactive window gets no focus changes, so no field is ever left.
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != &m_c.window) {
        m_c.window.activateWindow();
        QCoreApplication::processEvents();
    }
    if (QApplication::activeWindow() != &m_c.window && m_problem.empty())
        m_problem = "the main window lost the activation";
}

void Driver::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    keepActive();
}

std::optional<Failure> Driver::check() const
{
    if (!m_problem.empty())
        return Failure{"driver", m_problem};
    // Saving and printing go to a working folder here; any error the program reports is a fault.
    if (!m_notifier.errors.isEmpty())
        return Failure{"error reported", m_notifier.errors.constFirst().toStdString()};
    if (m_dataFault)
        return m_dataFault;
    return checkWindow(m_c);
}

Driver::Before Driver::before() const
{
    return {m_c.window.configPage()->settings(), m_c.window.simulation().timeIndex, m_pageChanges, m_resetClicks,
            m_notifier.questions.size()};
}

void Driver::followRecordedData(const Before& b)
{
    const Simulation& sim = m_c.window.simulation();
    auto fault = [this](const std::string& detail) {
        if (!m_dataFault)
            m_dataFault = Failure{"recorded data", detail};
    };
    // A typed value is stored once its field has been left, or before anything changed what the
    // field shows or what the history holds; either way before this event's Reset or Time step.
    for (auto it = m_typed.begin(); it != m_typed.end();) {
        const Typed& t = it->second;
        if (it->first->isModified()) {
            ++it;
            continue;
        }
        if (t.value && t.time <= kLastTime)
            m_history[t.time + 1][t.nuclide] = *t.value;
        it = m_typed.erase(it);
    }
    const bool pageChanged = m_pageChanges != b.pageChanges;
    const auto runs = sim.runsStarted - m_runs;
    // A pool starts the run that changed settings wait for before it takes the data; a Reset
    // over pooled counts asks first, and No keeps them.
    const auto declined = m_notifier.answer ? 0 : m_notifier.questions.size() - b.questions;
    const auto asked = static_cast<std::uint64_t>(m_resetClicks - b.resetClicks + (pageChanged && m_settingsChanged)
                                                  + (m_pooled && m_settingsChanged) - declined);
    if (runs != asked)
        fault(str(static_cast<int>(runs)) + " new runs where the student asked for " + str(static_cast<int>(asked)));
    m_runs = sim.runsStarted;
    if (runs > 0) {
        m_history = {};
        for (int k = 1; k <= kMaxNuclides; ++k)
            m_history[1][k] = b.settings.initial[k];
    }
    // Pooled counts replace the graph data wholesale, after any value typed before.
    if (m_pooled) {
        m_history = *m_pooled;
        m_settingsChanged = false;
    }
    m_pooled.reset();
    if (pageChanged)
        m_settingsChanged = false;
    if (m_c.window.configPage()->settings() != b.settings)
        m_settingsChanged = true;

    const int from = runs > 0 ? 1 : b.time;
    if (sim.timeIndex == from + 1) {
        for (int k = 1; k <= sim.seriesLength; ++k)
            m_history[sim.timeIndex][k] = sim.nuclideCount[k];
    } else if (sim.timeIndex != from) {
        fault("the time index went from " + str(from) + " to " + str(sim.timeIndex) + " in one event");
    }

    for (int row = 1; row <= kHistoryRows; ++row)
        for (int k = 1; k <= kMaxNuclides; ++k)
            if (sim.history[row][k] != m_history[row][k])
                fault("time " + str(row - 1) + " of nuclide " + str(k) + " holds " + str(sim.history[row][k])
                      + " where " + str(m_history[row][k]) + " was recorded or typed");
    if (m_dataFault)
        m_history = sim.history;
}

void Driver::ensurePage(int index)
{
    if (m_c.notebook->currentIndex() == index)
        return;
    QTest::mouseClick(m_c.tabs, Qt::LeftButton, {}, m_c.tabs->tabRect(index).center());
    if (m_c.notebook->currentIndex() != index && m_problem.empty())
        m_problem = "clicking tab " + str(index) + " did not show its page";
    // The page change may start a new run before the event's own action.
    followRecordedData(m_before);
    m_before = before();
}

void Driver::keyToFocus(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &m_c.window)
        target = &m_c.window;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void Driver::moveBar(QScrollBar* bar, BarMove move, int value)
{
    auto key = [bar](Qt::Key k) {
        bar->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(bar, k);
    };
    switch (move) {
    case BarMove::Random: bar->setValue(bar->minimum() + value % (bar->maximum() - bar->minimum() + 1)); break;
    case BarMove::Minimum: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case BarMove::Maximum: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case BarMove::StepUp: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case BarMove::StepDown: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case BarMove::PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case BarMove::PageDown: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case BarMove::KeyHome: key(Qt::Key_Home); break;
    case BarMove::KeyEnd: key(Qt::Key_End); break;
    case BarMove::KeyLeft: key(Qt::Key_Left); break;
    case BarMove::KeyRight: key(Qt::Key_Right); break;
    case BarMove::WheelUp:
    case BarMove::WheelDown: {
        const QPoint at = bar->rect().center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), {}, QPoint(0, move == BarMove::WheelUp ? 120 : -120),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        break;
    }
    case BarMove::Count: break;
    }
}

void Driver::typeInto(QLineEdit* field, const std::string& text, Leave leave)
{
    // A click puts the caret in the field; the field it leaves runs its exit check.
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    field->selectAll();
    const QString typed = QString::fromStdString(text);
    bool plain = typed.size() <= 24;
    for (QChar ch : typed)
        plain = plain && ch.unicode() >= 0x20 && ch.unicode() < 0x7F;
    if (plain)
        QTest::keyClicks(field, typed);
    else
        field->insert(typed);
    // The value goes to the time and nuclide the page showed when the edit began.
    if (field->isModified())
        m_typed[field] = typedNow(field, field->text());
    m_in = leave == Leave::Stay ? field : nullptr;
    m_meant = field->text();
    switch (leave) {
    case Leave::Tab: QTest::keyClick(field, Qt::Key_Tab); break;
    case Leave::BackTab: QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier); break;
    case Leave::Enter: QTest::keyClick(field, Qt::Key_Return); break;
    case Leave::FocusElsewhere: {
        QLineEdit* other = field == m_c.icount ? m_c.fields[1] : m_c.icount;
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
        break;
    }
    case Leave::Stay:
    case Leave::Count: break;
    }
}

bool Driver::apply(const Event& e)
{
    MainWindow& w = m_c.window;
    m_notifier.answer = e.kind != Kind::Reset || e.a != 0;
    m_before = before();
    bool done = true;
    const QWidget* config = w.configPage();
    const auto move = static_cast<BarMove>(e.b);
    switch (e.kind) {
    case Kind::Time:
        ensurePage(1);
        m_c.next->click();
        break;
    case Kind::Remove:
        ensurePage(1);
        m_c.remove->click();
        break;
    case Kind::Reset:
        ensurePage(1);
        m_c.restart->click();
        break;
    case Kind::Automate:
        ensurePage(1);
        m_c.automate->click();
        break;
    case Kind::StartStop:
        if (m_c.start->isVisibleTo(w.chamberPage())) {
            ensurePage(1);
            m_c.start->click();
        } else {
            done = false;
        }
        break;
    case Kind::Tick:
        // The timer ticks on whatever page is shown, and only while it runs.
        if (m_c.timer->isActive())
            w.chamberPage()->Timer1Timer();
        else
            done = false;
        break;
    case Kind::TabClick: QTest::mouseClick(m_c.tabs, Qt::LeftButton, {}, m_c.tabs->tabRect(e.a).center()); break;
    case Kind::TabAccelerator: {
        static const int letters[5] = {Qt::Key_C, Qt::Key_D, Qt::Key_T, Qt::Key_G, Qt::Key_R};
        keyToFocus(letters[e.a], Qt::AltModifier);
        break;
    }
    case Kind::TabArrow: {
        static const Qt::Key arrows[4] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        m_c.tabs->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(m_c.tabs, arrows[e.a]);
        break;
    }
    case Kind::ConfigBar: {
        QScrollBar* bar = e.a < 5 ? m_c.hl[e.a + 1] : e.a == 5 ? m_c.sides : e.a < 11 ? m_c.dv[e.a - 5] : m_c.np[e.a - 10];
        if (bar->isEnabled() && bar->isVisibleTo(config)) {
            ensurePage(0);
            moveBar(bar, move, e.x);
        } else {
            done = false;
        }
        break;
    }
    case Kind::SeriesKey: {
        static const Qt::Key keys[6] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                                        Qt::Key_PageDown};
        ensurePage(0);
        m_c.dc->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(m_c.dc, keys[e.a]);
        break;
    }
    case Kind::SeriesTabOut:
        ensurePage(0);
        m_c.dc->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(m_c.dc, Qt::Key_Tab);
        break;
    case Kind::DecayType:
        ensurePage(0);
        (e.a ? m_c.dice : m_c.percent)->click();
        break;
    case Kind::Base:
        ensurePage(0);
        (e.a ? m_c.baseE : m_c.base05)->click();
        break;
    case Kind::ShowEquation:
        ensurePage(0);
        m_c.showEquation->click();
        break;
    case Kind::GraphBox:
        if (m_c.graphBoxes[e.a]->isEnabled()) {
            ensurePage(3);
            m_c.graphBoxes[e.a]->click();
        } else {
            done = false;
        }
        break;
    case Kind::GraphPress:
    case Kind::GraphRelease: {
        static const Qt::MouseButton buttons[3] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        ensurePage(3);
        if (e.kind == Kind::GraphPress)
            QTest::mousePress(m_c.graph, buttons[e.a], {}, QPoint(e.x, e.y));
        else
            QTest::mouseRelease(m_c.graph, buttons[e.a], {}, QPoint(e.x, e.y));
        // The right button's release opens the graph's pop-up; a student dismisses it.
        closePopups();
        break;
    }
    case Kind::GraphCopy:
        ensurePage(3);
        if (e.a)
            keyToFocus(Qt::Key_C, Qt::ControlModifier);
        else
            m_c.copyhalf->trigger();
        break;
    case Kind::GraphPrint:
        ensurePage(3);
        if (e.a)
            keyToFocus(Qt::Key_P, Qt::ControlModifier);
        else
            m_c.print1->trigger();
        break;
    case Kind::GraphBar: {
        QScrollBar* bar = e.a ? m_c.yshift : m_c.h;
        if (bar->isVisibleTo(w.graphPage())) {
            ensurePage(3);
            moveBar(bar, move, e.x);
        } else {
            done = false;
        }
        break;
    }
    case Kind::TableBox:
        if (m_c.tableBoxes[e.a]->isEnabled()) {
            ensurePage(2);
            m_c.tableBoxes[e.a]->click();
        } else {
            done = false;
        }
        break;
    case Kind::TableCopy:
        ensurePage(2);
        if (e.a) {
            m_c.memo->setFocus(Qt::MouseFocusReason);
            m_c.memo->moveCursor(QTextCursor::Start);
            QTest::keyClick(m_c.memo, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(m_c.memo, Qt::Key_Down, Qt::ShiftModifier);
            m_c.copySelected->click();
        } else {
            m_c.copyAll->click();
        }
        break;
    case Kind::TableSave: {
        ensurePage(2);
        const QString path = m_work.filePath(QStringLiteral("table.txt"));
        if (!w.tablePage()->saveTo(path)) {
            m_problem = "saving to " + path.toStdString() + " failed";
            break;
        }
        QFile file(path);
        const std::string want =
            fileText(w.simulation().history, w.tablePage()->checkedColumns(), m_c.dataPoints->value());
        if (!file.open(QIODevice::ReadOnly) || file.readAll().toStdString() != want)
            m_problem = "the saved file does not hold the recorded data";
        break;
    }
    case Kind::DataPoints:
        ensurePage(4);
        moveBar(m_c.dataPoints, move, e.x);
        break;
    case Kind::Paging:
        if (m_c.tsb->isEnabled()) {
            ensurePage(4);
            moveBar(m_c.tsb, move, e.x);
        } else {
            done = false;
        }
        break;
    case Kind::Chooser:
        ensurePage(4);
        if (e.a < 5) {
            m_c.showdd->setCurrentIndex(e.a);
        } else {
            m_c.showdd->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(m_c.showdd, e.a == 5 ? Qt::Key_Up : Qt::Key_Down);
        }
        break;
    case Kind::TypeField: {
        QLineEdit* field = e.a == 0 ? m_c.icount : m_c.fields[e.a];
        if (field->isVisibleTo(w.editorPage())) {
            ensurePage(4);
            typeInto(field, typedText(static_cast<Text>(e.x), e.y), static_cast<Leave>(e.b));
        } else {
            done = false;
        }
        break;
    }
    case Kind::Help: w.Help1Click(); break;
    case Kind::Extras:
        if (e.a == 0 || e.a == 5) {
            // The palette switches mid-run too: no particle may change nuclide.
            (e.a == 0 ? m_c.halfLives : m_c.colourBlind)->trigger();
        } else if (e.a == 3 && !m_c.useFit->isVisibleTo(w.graphPage())) {
            done = false;
        } else {
            ensurePage(3);
            (e.a == 1 ? static_cast<QAbstractButton*>(m_c.bestFit)
                      : e.a == 2 ? static_cast<QAbstractButton*>(m_c.expected)
                      : e.a == 4 ? static_cast<QAbstractButton*>(m_c.logScale)
                                 : static_cast<QAbstractButton*>(m_c.useFit))
                ->click();
        }
        break;
    case Kind::PoolRuns: poolRuns(e.a); break;
    case Kind::Lesson: {
        // Saved and opened again, the lesson goes on as it was: the shadow is checked after. Saving
        // first stores a count still waiting in a field.
        m_notifier.chosen = {m_work.filePath(QStringLiteral("lesson.vestor"))};
        w.findChild<QAction*>(QStringLiteral("SaveLessonAs1"))->trigger();
        const Lesson before = w.captureLesson();
        w.findChild<QAction*>(QStringLiteral("OpenLesson1"))->trigger();
        m_notifier.chosen.clear();
        if (!(w.captureLesson() == before))
            m_problem = "the lesson opened again is not the lesson saved";
        break;
    }
    case Kind::TypeOn: done = typeOn(e.a != 0, e.y); break;
    case Kind::Count: break;
    }
    closePopups();
    closeUnexpectedModal();
    followRecordedData(m_before);
    return done;
}

// A value typed now goes to the cell where the edit not yet left began (the field keeps it while
// the times or the nuclide shown move on), or else to the one the field shows.
Driver::Typed Driver::typedNow(QLineEdit* field, const QString& text) const
{
    const auto it = m_typed.find(field);
    const int time = it != m_typed.end() ? it->second.time
                                         : field == m_c.icount ? 0 : m_c.tsb->value() + field->property("slot").toInt();
    const int nuclide = it != m_typed.end() ? it->second.nuclide : m_c.showdd->currentIndex() + 1;
    return {time, nuclide, parseCount(text.toStdString())};
}

// Keys into the field the student stayed in, while ticks, the wheel or a pool changed the page
// around it: they replace a count the program wrote there since, selected whole, and never run
// on after it; the value goes to the time the student began typing it for.
bool Driver::typeOn(bool backspace, int value)
{
    QLineEdit* field = m_in;
    if (!field || QApplication::focusWidget() != field || !field->isVisible())
        return false;
    const bool whole = field->hasSelectedText() && field->selectedText() == field->text();
    if (field->text() != m_meant && !whole && m_problem.empty())
        m_problem = "a count was written into the field the student is in, not selected for the next keys";
    const bool replaced = whole || field->text() != m_meant;
    const QString keys = QString::number(value);
    if (backspace)
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    QString meant = replaced ? QString() : m_meant;
    if (backspace && !replaced)
        meant.chop(1);
    meant += keys;
    if (field->text() != meant && m_problem.empty())
        m_problem = "typing on gave \"" + field->text().toStdString() + "\" where the student meant \""
                    + meant.toStdString() + "\"";
    m_meant = field->text();
    if (field->isModified())
        m_typed[field] = typedNow(field, meant);
    return true;
}

// Pooling saved runs: the table saved as a file is pooled back once (the same counts), twice
// (doubled, or refused when a sum would pass 32 bits) or with a line cut out (refused); a
// refusal leaves the history and N exactly as they were.
void Driver::poolRuns(int how)
{
    MainWindow& w = m_c.window;
    const QString path = m_work.filePath(QStringLiteral("pool.txt"));
    QFile file(path);
    // A count still being typed is stored when Pool asks about the counts; it is in the file too.
    w.editorPage()->commitPendingEdits();
    if (!w.tablePage()->saveTo(path) || !file.open(QIODevice::ReadWrite)) {
        m_problem = "the table could not be saved to pool it";
        return;
    }
    if (how == 2) {
        QList<QByteArray> lines = file.readAll().split('\n');
        lines.removeAt(1);
        file.resize(0);
        file.write(lines.join('\n'));
    }
    file.close();
    const History before = w.simulation().history;
    const int n = m_c.dataPoints->value();
    const ColumnChoice columns = w.tablePage()->checkedColumns();
    const qsizetype warnings = m_notifier.warnings.size();
    m_notifier.chosen = how == 1 ? QStringList{path, path} : QStringList{path};
    w.findChild<QAction*>(QStringLiteral("PoolRuns1"))->trigger();
    m_notifier.chosen.clear();

    const History& got = w.simulation().history;
    const int times = std::min(n, kLastTime) + 1;
    bool overflow = false;
    bool pooled = m_c.dataPoints->value() == times;
    for (int t = 0; t <= kLastTime; ++t)
        for (int k = 1; k <= kMaxNuclides; ++k) {
            const std::int64_t sum = t < times && columns[k] ? std::int64_t{before[t + 1][k]} * (how == 1 ? 2 : 1) : 0;
            overflow = overflow || sum > std::numeric_limits<std::int32_t>::max();
            pooled = pooled && got[t + 1][k] == sum;
        }
    // A file of times alone holds no counts to pool.
    const bool refused = how == 2 || overflow || std::none_of(columns.begin() + 1, columns.end(), [](bool c) { return c; });
    const bool warned = m_notifier.warnings.size() > warnings;
    if (warned != refused || !(refused ? got == before && m_c.dataPoints->value() == n : pooled))
        m_problem = refused ? "pooling should have been refused and changed nothing"
                            : "pooling did not make the saved counts the graph data";
    else if (!refused)
        m_pooled = got;
}

}  // namespace vestor::soak
