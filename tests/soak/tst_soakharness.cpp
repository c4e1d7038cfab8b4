// The soak is only as good as its harness: its checks must notice a broken window, its events
// must really reach the controls they name, and its shrinking must find the short list.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/mainwindow.h"
#include "shrink.h"
#include "soakdriver.h"
#include "soakevents.h"

using namespace vestor;
using namespace vestor::soak;

namespace {

enum class Breakage {
    CountOffByOne,
    ParticleWhitened,
    RemovedMiscounted,
    NegativeHistory,
    NegativeMaximum,
    PoolOverfilled,
    DecayValueAboveSides,
    StalePercentReadout,
    StaleDataPointsReadout,
    StaleLegendCount,
    TimerWithoutAutomate,
    RowEnabledOutsideSeries,
    DataPointsRangeWidened,
};

void breakWindow(Breakage b, const Controls& c)
{
    Simulation& sim = c.window.simulation();
    switch (b) {
    case Breakage::CountOffByOne: ++sim.nuclideCount[1]; break;
    case Breakage::ParticleWhitened:
        for (int i = 1; i <= sim.particleTotal; ++i) {
            if (sim.particles[i].color != kWhite) {
                sim.particles[i].color = kWhite;
                break;
            }
        }
        break;
    case Breakage::RemovedMiscounted: ++sim.removedCount; break;
    case Breakage::NegativeHistory: sim.history[3][2] = -5; break;
    case Breakage::NegativeMaximum: sim.nuclideMax[2] = -1; break;
    case Breakage::PoolOverfilled: {
        const QSignalBlocker quiet(c.np[2]);
        c.np[2]->setMaximum(1000);
        c.np[2]->setValue(900);
        break;
    }
    case Breakage::DecayValueAboveSides: {
        const QSignalBlocker quiet(c.dv[2]);
        c.dv[2]->setMaximum(40);
        c.dv[2]->setValue(39);
        break;
    }
    case Breakage::StalePercentReadout: c.hle[3]->setText(QStringLiteral("12%")); break;
    case Breakage::StaleDataPointsReadout: c.maxp->setText(QStringLiteral("7")); break;
    case Breakage::StaleLegendCount: c.counts[1]->setText(QStringLiteral("399")); break;
    case Breakage::TimerWithoutAutomate: c.timer->start(); break;
    // Row 3 out of step with the rest of its row, whichever series the play has chosen.
    case Breakage::RowEnabledOutsideSeries: c.np[3]->setEnabled(!c.np[3]->isEnabled()); break;
    case Breakage::DataPointsRangeWidened: {
        const QSignalBlocker quiet(c.dataPoints);
        c.dataPoints->setMaximum(150);
        break;
    }
    }
}

// Fails when `needed` appears, in order, within the candidate.
FailsFn<int> containsInOrder(std::vector<int> needed, int* calls)
{
    return [needed, calls](const std::vector<int>& candidate) {
        ++*calls;
        std::size_t next = 0;
        for (int v : candidate)
            if (next < needed.size() && v == needed[next])
                ++next;
        return next == needed.size();
    };
}

std::vector<int> range(int n)
{
    std::vector<int> v(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        v[static_cast<std::size_t>(i)] = i;
    return v;
}

}  // namespace

Q_DECLARE_METATYPE(Breakage)
Q_DECLARE_METATYPE(vestor::soak::Event)

class TestSoakHarness : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<MainWindow>(std::uint64_t{7});
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_driver = std::make_unique<Driver>(*m_window, m_work->path());
    }

    void cleanup()
    {
        m_driver.reset();
        m_window.reset();
        m_work.reset();
    }

    void checksCatchBrokenWindows_data()
    {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<QString>("check");
        QTest::addRow("count off by one") << Breakage::CountOffByOne << "counts";
        QTest::addRow("particle turned white behind the counts") << Breakage::ParticleWhitened << "counts";
        QTest::addRow("removed particles miscounted") << Breakage::RemovedMiscounted << "counts";
        QTest::addRow("negative recorded count") << Breakage::NegativeHistory << "no negative count";
        QTest::addRow("negative graph maximum") << Breakage::NegativeMaximum << "no negative count";
        QTest::addRow("initial numbers above the pool") << Breakage::PoolOverfilled << "initial numbers";
        QTest::addRow("decay value above the sides") << Breakage::DecayValueAboveSides << "decay values";
        QTest::addRow("percentage read-out stale") << Breakage::StalePercentReadout << "read-outs";
        QTest::addRow("maxp stale") << Breakage::StaleDataPointsReadout << "read-outs";
        QTest::addRow("legend count stale") << Breakage::StaleLegendCount << "legend";
        QTest::addRow("timer running without Automate") << Breakage::TimerWithoutAutomate << "run control";
        QTest::addRow("row enabled outside the series") << Breakage::RowEnabledOutsideSeries << "series rows";
        QTest::addRow("N allowed past 100") << Breakage::DataPointsRangeWidened << "data points";
    }

    void checksCatchBrokenWindows()
    {
        QFETCH(Breakage, breakage);
        QFETCH(QString, check);
        // A short stretch of play first, so the breakage meets a window in use, not a fresh one.
        for (std::size_t i = 0; i < 60; ++i) {
            m_driver->apply(eventAt(3, i));
            const auto before = m_driver->check();
            QVERIFY2(!before, before ? before->detail.c_str() : "");
        }
        breakWindow(breakage, m_driver->controls());
        const auto failure = checkWindow(m_driver->controls());
        QVERIFY(failure.has_value());
        QCOMPARE(QString::fromStdString(failure->check), check);
    }

    void eventsReachTheirControls_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QString>("effect");
        auto ev = [](Kind k, int a = 0, int b = 0, int x = 0, int y = 0) {
            Event e;
            e.kind = k;
            e.a = static_cast<std::uint8_t>(a);
            e.b = static_cast<std::uint8_t>(b);
            e.x = x;
            e.y = y;
            return e;
        };
        QTest::addRow("Time advances the run") << ev(Kind::Time) << "time";
        QTest::addRow("tab click shows the graph") << ev(Kind::TabClick, 3) << "page 3";
        QTest::addRow("Alt+R shows the editor") << ev(Kind::TabAccelerator, 4) << "page 4";
        QTest::addRow("NPsb1 to its maximum") << ev(Kind::ConfigBar, 11, int(BarMove::Maximum)) << "NPsb1 1000";
        QTest::addRow("NPsb1 with the End key") << ev(Kind::ConfigBar, 11, int(BarMove::KeyEnd)) << "NPsb1 1000";
        QTest::addRow("Down in the series list") << ev(Kind::SeriesKey, 1) << "series 2";
        QTest::addRow("np to its maximum") << ev(Kind::DataPoints, 0, int(BarMove::Maximum)) << "N 100";
        QTest::addRow("-2147483648 into icount") << ev(Kind::TypeField, 0, int(Leave::Tab), int(Text::IntMin)) << "warned";
        QTest::addRow("letters into t1, then elsewhere")
            << ev(Kind::TypeField, 1, int(Leave::FocusElsewhere), int(Text::Letters), 5) << "warned";
        QTest::addRow("-250 into icount") << ev(Kind::TypeField, 0, int(Leave::FocusElsewhere), int(Text::Negative), 250)
                                          << "icount 250";
        QTest::addRow("right release closes the pop-up") << ev(Kind::GraphRelease, 1, 0, 200, 100) << "no pop-up";
        QTest::addRow("Automate shows Start") << ev(Kind::Automate) << "start shown";
        QTest::addRow("no tick while the timer is stopped") << ev(Kind::Tick) << "not applied";
    }

    void eventsReachTheirControls()
    {
        QFETCH(Event, event);
        QFETCH(QString, effect);
        const Controls& c = m_driver->controls();
        const int timeBefore = m_window->simulation().timeIndex;
        const bool applied = m_driver->apply(event);
        const auto failure = m_driver->check();
        QVERIFY2(!failure, failure ? failure->detail.c_str() : "");
        if (effect == QLatin1String("time"))
            QCOMPARE(m_window->simulation().timeIndex, timeBefore + 1);
        else if (effect.startsWith(QLatin1String("page ")))
            QCOMPARE(c.notebook->currentIndex(), effect.mid(5).toInt());
        else if (effect == QLatin1String("NPsb1 1000"))
            QCOMPARE(c.npe[1]->text(), QStringLiteral("1000"));
        else if (effect == QLatin1String("series 2"))
            QVERIFY(c.np[2]->isEnabled() && c.graphBoxes[2]->isEnabled());
        else if (effect == QLatin1String("N 100"))
            QCOMPARE(c.maxp->text(), QStringLiteral("100"));
        else if (effect == QLatin1String("warned"))
            QCOMPARE(m_driver->notifier().warnings, QStringList{QStringLiteral("Enter an integer!!")});
        else if (effect == QLatin1String("icount 250"))
            QCOMPARE(m_window->simulation().history[1][1], 250);
        else if (effect == QLatin1String("no pop-up"))
            QVERIFY(!QApplication::activePopupWidget() && !c.readout->isVisible());
        else if (effect == QLatin1String("start shown"))
            QVERIFY(c.start->isVisible() && c.automate->isChecked());
        else if (effect == QLatin1String("not applied"))
            QVERIFY(!applied);
        else
            QFAIL("unknown effect");
        if (effect != QLatin1String("not applied"))
            QVERIFY(applied);
    }

    void mixReachesEveryKind_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addRow("seed 1") << quint64{1};
        QTest::addRow("ctest seed") << quint64{20240611};
        QTest::addRow("large seed") << quint64{0xFFFFFFFFFFFFFFFFull};
    }

    void mixReachesEveryKind()
    {
        QFETCH(quint64, seed);
        std::set<Kind> seen;
        std::size_t sameAsOtherSeed = 0;
        for (std::size_t i = 0; i < 20000; ++i) {
            const Event e = eventAt(seed, i);
            const Event again = eventAt(seed, i);
            QVERIFY(e.kind == again.kind && e.a == again.a && e.b == again.b && e.x == again.x && e.y == again.y);
            seen.insert(e.kind);
            const Event other = eventAt(seed + 1, i);
            sameAsOtherSeed += other.kind == e.kind && other.x == e.x;
        }
        QCOMPARE(seen.size(), static_cast<std::size_t>(Kind::Count));
        QVERIFY(sameAsOtherSeed < 20000 / 4);
    }

    void shrinkingFindsTheNeededEvents_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<std::vector<int>>("needed");
        QTest::addRow("one event of 1000") << 1000 << std::vector<int>{613};
        QTest::addRow("two far apart") << 5000 << std::vector<int>{17, 4800};
        QTest::addRow("three adjacent") << 300 << std::vector<int>{150, 151, 152};
        QTest::addRow("the first and the last") << 64 << std::vector<int>{0, 63};
        QTest::addRow("five scattered") << 2000 << std::vector<int>{3, 400, 401, 1234, 1999};
    }

    void shrinkingFindsTheNeededEvents()
    {
        QFETCH(int, length);
        QFETCH(std::vector<int>, needed);
        int calls = 0;
        const auto fails = containsInOrder(needed, &calls);
        Budget budget(100000);
        std::vector<int> items = range(length);
        items = dropPrefix(items, fails, budget);
        QCOMPARE(items.front(), needed.front());
        items = ddmin(items, fails, budget);
        QCOMPARE(items, needed);
        QCOMPARE(budget.used(), static_cast<std::size_t>(calls));
    }

    void shrinkingStopsWithinItsBudget()
    {
        int calls = 0;
        const auto fails = containsInOrder({5, 900, 901, 1500}, &calls);
        Budget budget(12);
        const std::vector<int> items = ddmin(range(2000), fails, budget);
        QVERIFY(calls <= 12);
        // Whatever it returns when the budget runs out must still fail.
        QVERIFY(fails(items));
        QVERIFY(items.size() < 2000);
    }

    void replayListsParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<std::vector<std::size_t>>("indices");
        QTest::addRow("one") << "5" << true << std::vector<std::size_t>{5};
        QTest::addRow("several") << "12,57,903" << true << std::vector<std::size_t>{12, 57, 903};
        QTest::addRow("empty") << "" << false << std::vector<std::size_t>{};
        QTest::addRow("double comma") << "1,,2" << false << std::vector<std::size_t>{};
        QTest::addRow("trailing comma") << "1,2," << false << std::vector<std::size_t>{};
        QTest::addRow("letters") << "1,a" << false << std::vector<std::size_t>{};
        QTest::addRow("negative") << "-3" << false << std::vector<std::size_t>{};
        QTest::addRow("blank") << "1, 2" << false << std::vector<std::size_t>{};
    }

    void replayListsParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(std::vector<std::size_t>, indices);
        std::vector<std::size_t> out;
        QCOMPARE(parseIndexList(text.toStdString(), out), ok);
        if (ok)
            QCOMPARE(out, indices);
    }

private:
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Driver> m_driver;
};

QTEST_MAIN(TestSoakHarness)
#include "tst_soakharness.moc"
