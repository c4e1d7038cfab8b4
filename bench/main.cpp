// Times the handlers that draw or rebuild, each at the largest load the program allows, against
// a reference measured in the same run, and prints one table of medians, ratios and budgets.
//
//   vestor-bench [--skip-memory] [--benchmark_... flags of Google Benchmark]
//
// Exits with 1 when a budget is missed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/referencewindow.h"
#include "bench/worlds.h"
#include "graph/graphpage.h"
#include "table/datatablepage.h"
#include "core/tabletext.h"

namespace vestor::bench {

namespace {

using Clock = std::chrono::steady_clock;

// Runs `setup` untimed, then times `work` alone.
void measure(benchmark::State& state, const std::function<void()>& setup, const std::function<void()>& work)
{
    for (auto _ : state) {
        setup();
        const auto start = Clock::now();
        work();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

// The program states, built on first use so that a filtered run builds only what it needs.
class Worlds {
public:
    // At ratio 2 the pictures are drawn for a screen of device pixel ratio 2, each way.
    ChamberWorld& chamber(bool straightforward, double ratio = 1)
    {
        auto& w = get(m_chamber[ratio != 1][straightforward], straightforward);
        if (w.page().images().chamber.devicePixelRatio() != ratio) {
            w.page().setPictureRatio(ratio);
            settle();
        }
        return w;
    }
    ProgramWorld& fresh(bool straightforward)
    {
        return get(m_fresh[straightforward], straightforward, Load::FreshThousand);
    }
    ProgramWorld& graph(bool straightforward, double ratio = 1)
    {
        auto& w = get(m_graph[ratio != 1][straightforward], straightforward, Load::FullRun);
        if (w.window().currentPage() != 3)
            w.showPage(3);
        if (w.window().graphPage()->image().devicePixelRatio() != ratio) {
            w.window().graphPage()->setPictureRatio(ratio);
            settle();
        }
        return w;
    }
    ProgramWorld& table()
    {
        auto& w = get(m_table, false, Load::FullRun);
        if (w.window().currentPage() != 2)
            w.showPage(2);
        return w;
    }
    // A plain text field of the listing's size, shown: the least a listing on screen costs.
    QPlainTextEdit& bareText()
    {
        if (!m_bareText) {
            m_bareText = std::make_unique<QPlainTextEdit>();
            m_bareText->resize(668, 370);
            showUntilPainted(*m_bareText);
        }
        return *m_bareText;
    }

private:
    template <typename W, typename... Args>
    static W& get(std::unique_ptr<W>& slot, Args... args)
    {
        if (!slot)
            slot = std::make_unique<W>(args...);
        return *slot;
    }

    std::unique_ptr<ChamberWorld> m_chamber[2][2];  // [ratio 2][straightforward]
    std::unique_ptr<ProgramWorld> m_fresh[2];
    std::unique_ptr<ProgramWorld> m_graph[2][2];
    std::unique_ptr<ProgramWorld> m_table;
    std::unique_ptr<QPlainTextEdit> m_bareText;
};

// One line of the table: a case, its reference and its budget.
struct Case {
    std::string id;  // the benchmark's name, for --benchmark_filter
    std::string title;
    std::string reference;  // empty: no reference
    double maxMs = 0;       // 0: no bound
    double maxRatio = 0;    // 0: no bound
};

void registerCases(Worlds& worlds, std::vector<Case>& cases)
{
    auto add = [](const std::string& name, std::function<void(benchmark::State&)> fn) {
        benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State& s) { fn(s); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    // A case measured twice, the program's way and (as its reference) the straightforward way.
    auto addBothWays = [&cases, &add](Case c, std::function<void(benchmark::State&, bool direct)> fn) {
        cases.push_back(std::move(c));
        for (bool direct : {false, true})
            add(cases.back().id + (direct ? "/reference" : ""), [fn, direct](benchmark::State& s) { fn(s, direct); });
    };

    auto resetCase = [&worlds](double ratio) {
        return [&worlds, ratio](benchmark::State& s, bool direct) {
            ChamberWorld& w = worlds.chamber(direct, ratio);
            measure(s, settle, [&w] {
                w.reset();
                w.finish();
            });
        };
    };
    auto stepCase = [&worlds](double ratio) {
        return [&worlds, ratio](benchmark::State& s, bool direct) {
            ChamberWorld& w = worlds.chamber(direct, ratio);
            measure(
                s,
                [&w] {
                    w.reset();
                    w.finish();
                    settle();
                },
                [&w] {
                    w.step();
                    w.finish();
                });
            if (w.simulation().timeIndex != 2)
                s.SkipWithError("the Time step did not run");
        };
    };
    auto plotCase = [&worlds](double ratio) {
        return [&worlds, ratio](benchmark::State& s, bool direct) {
            ProgramWorld& w = worlds.graph(direct, ratio);
            GraphPage* page = w.window().graphPage();
            auto* h = page->findChild<QScrollBar*>(QStringLiteral("h"));
            int position = 0;
            // Each position change of the thumb redraws the graph once: the picture is drawn when
            // the view paints it next, which image() does here.
            measure(s, settle, [h, page, &position] {
                position = position % 500 + 1;
                h->setValue(position == h->value() ? position % 500 + 1 : position);
                page->image();
            });
        };
    };

    addBothWays({"reset", "Reset, 1000 particles of one nuclide", "one QPainter ellipse per particle", 0.35, 0.4},
                resetCase(1));
    addBothWays({"reset@2", "Reset, 1000 particles, device pixel ratio 2", "the same at ratio 2", 1.5, 0.4},
                resetCase(2));
    addBothWays({"step", "Time step, 1000 active, threshold 50", "one QPainter ellipse per particle", 0.35, 0.4},
                stepCase(1));
    addBothWays({"step@2", "Time step, 1000 active, ratio 2", "the same at ratio 2", 1.5, 0.4}, stepCase(2));

    addBothWays({"step+graph", "Time step with its graph redraw", "one QPainter ellipse per particle and dot"},
                [&worlds](benchmark::State& s, bool direct) {
                    ProgramWorld& w = worlds.fresh(direct);
                    measure(
                        s,
                        [&w] {
                            w.window().restartClick();
                            w.finish();
                            settle();
                        },
                        [&w] {
                            w.window().chamberPage()->NextbtClick();
                            w.finish();
                });
            if (w.window().simulation().timeIndex != 2)
                s.SkipWithError("the Time step did not run");
                });

    addBothWays({"reset+graph", "Reset with its graph redraw", "one QPainter ellipse per particle and dot"},
                [&worlds](benchmark::State& s, bool direct) {
                    ProgramWorld& w = worlds.fresh(direct);
                    measure(s, settle, [&w] {
                        w.window().restartClick();
                        w.finish();
                    });
                });

    addBothWays({"remove", "Remove step after the Time step", "one QPainter ellipse per particle"},
                [&worlds](benchmark::State& s, bool direct) {
                    ChamberWorld& w = worlds.chamber(direct);
                    measure(
                        s,
                        [&w] {
                            w.reset();
                            w.step();
                            w.finish();
                            settle();
                        },
                        [&w] {
                            w.remove();
                            w.finish();
                });
            if (w.simulation().removedCount == 0)
                s.SkipWithError("the Remove step removed nothing");
                });

    addBothWays({"plotggraph", "plotggraph, 5 nuclides, N = 100 (half-life thumb)", "one QPainter ellipse per dot",
                 0.5},
                plotCase(1));
    addBothWays({"plotggraph@2", "plotggraph, 5 nuclides, N = 100, ratio 2", "the same at ratio 2", 0, 0.4},
                plotCase(2));

    addBothWays({"plotggraph+views", "plotggraph with the log scale, the expected bands and the best fit",
                 "one QPainter ellipse per dot", 2.5},
                [&worlds, plotCase](benchmark::State& s, bool direct) {
                    GraphPage* page = worlds.graph(direct).window().graphPage();
                    const char* const views[] = {"logcb", "expectedcb", "bestfitcb"};
                    for (const char* view : views)
                        page->findChild<QCheckBox*>(QString::fromLatin1(view))->click();
                    plotCase(1)(s, direct);
                    for (const char* view : views)
                        page->findChild<QCheckBox*>(QString::fromLatin1(view))->click();
                });

    addBothWays({"copy", "Copy of the graph", "one QPainter ellipse per dot"},
                [&worlds](benchmark::State& s, bool direct) {
                    ProgramWorld& w = worlds.graph(direct);
                    measure(s, settle, [&w] { w.window().graphPage()->copyhalfClick(); });
                });

    cases.push_back(
        {"memobt", "Data listing rebuilt (memobt), N = 100, 5 columns", "bare QPlainTextEdit::setPlainText"});
    add(cases.back().id, [&worlds](benchmark::State& s) {
        ProgramWorld& w = worlds.table();
        // A count changes before each rebuild, as a step's does: the same text again is not laid out.
        auto& count = w.window().simulation().history[2][1];
        measure(s, settle, [&w, &count] {
            count ^= 1;
            w.window().memobt();
        });
    });
    add(cases.back().id + "/reference", [&worlds](benchmark::State& s) {
        const QString shown =
            worlds.table().window().tablePage()->findChild<QPlainTextEdit*>(QStringLiteral("datamemo"))->toPlainText();
        QPlainTextEdit& bare = worlds.bareText();
        measure(s, settle, [&bare, &shown] { bare.setPlainText(shown); });
    });

    cases.push_back({"filetext", "File text, N = 100, 5 columns", ""});
    add(cases.back().id, [&worlds](benchmark::State& s) {
        ProgramWorld& w = worlds.table();
        const Simulation& sim = w.window().simulation();
        const ColumnChoice checked = w.window().tablePage()->checkedColumns();
        measure(s, settle, [&] {
            std::string text = fileText(sim.history, checked, 100);
            benchmark::DoNotOptimize(text);
        });
    });

    cases.push_back({"startup", "Start-up until the first paint", "the same controls built the plain way", 0, 1.3});
    add(cases.back().id, [](benchmark::State& s) {
        std::unique_ptr<MainWindow> window;
        measure(
            s,
            [&window] {
                window.reset();
                settle();
            },
            [&window] {
                window = std::make_unique<MainWindow>(kSeed);
                showUntilPainted(*window);
            });
        window.reset();
        settle();
    });
    add(cases.back().id + "/reference", [](benchmark::State& s) {
        std::unique_ptr<ReferenceWindow> plan;
        {
            MainWindow program(kSeed);
            plan = std::make_unique<ReferenceWindow>(program);
        }
        std::unique_ptr<QMainWindow> window;
        measure(
            s,
            [&window] {
                window.reset();
                settle();
            },
            [&window, &plan] {
                window = plan->build();
                showUntilPainted(*window);
            });
        window.reset();
        settle();
    });
}

// The figures compare like with like only when both ways draw the same pictures: the worlds of
// each pair were built by the same seeded operations, so their pictures must be equal.
bool sameDrawing(Worlds& worlds)
{
    auto samePictures = [](ProgramWorld& a, ProgramWorld& b) {
        return a.window().graphPage()->image() == b.window().graphPage()->image()
               && a.window().chamberPage()->images().chamber == b.window().chamberPage()->images().chamber;
    };
    ChamberImages& fast = worlds.chamber(false).page().images();
    ChamberImages& direct = worlds.chamber(true).page().images();
    return fast.chamber == direct.chamber && fast.panel == direct.panel
           && samePictures(worlds.graph(false), worlds.graph(true))
           && samePictures(worlds.fresh(false), worlds.fresh(true));
}

// Keeps the median of every benchmark, in milliseconds; prints nothing.
class MedianCollector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred)
                errors[name] = run.error_message;
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond)
                                / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    std::map<std::string, double> medians;
    std::map<std::string, std::string> errors;
};

// Resident memory of this process in kB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

// The child's side of the memory measure: start up one window, then report the resident set.
int reportResident(const char* which)
{
    std::unique_ptr<QWidget> window;
    if (std::strcmp(which, "program") == 0)
        window = std::make_unique<MainWindow>(kSeed);
    else
        window = emptyWindow();
    showUntilPainted(*window);
    settle();
    std::printf("%ld\n", residentKb());
    return 0;
}

// Median resident set of a fresh process that started up the given window.
std::optional<double> residentMb(const char* which)
{
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--resident=%1").arg(which)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            return std::nullopt;
        bool ok = false;
        const long kb = child.readAllStandardOutput().trimmed().toLong(&ok);
        if (!ok || kb <= 0)
            return std::nullopt;
        samples.push_back(kb / 1024.0);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

std::string fixed(double v, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

struct Line {
    std::string title;
    std::optional<double> value;
    std::string reference;
    std::optional<double> referenceValue;
    std::string unit;
    std::string budget;
    bool met = true;
};

bool printTable(const std::vector<Line>& lines)
{
    std::printf("%-52s %13s  %-42s %13s %7s  %-26s %s\n", "Case", "median", "Reference", "median", "ratio", "Budget",
                "");
    std::printf("%s\n", std::string(165, '-').c_str());
    bool allMet = true;
    for (const Line& l : lines) {
        const int decimals = l.unit == "ms" ? 4 : 1;
        const std::string value = l.value ? fixed(*l.value, decimals) + " " + l.unit : "failed";
        const std::string ref = l.referenceValue ? fixed(*l.referenceValue, decimals) + " " + l.unit
                                                 : (l.reference.empty() ? "" : "failed");
        const std::string ratio =
            l.value && l.referenceValue && *l.referenceValue > 0 ? fixed(*l.value / *l.referenceValue, 3) : "";
        const std::string verdict = l.budget.empty() ? "" : (l.met ? "met" : "MISSED");
        std::printf("%-52s %13s  %-42s %13s %7s  %-26s %s\n", l.title.c_str(), value.c_str(),
                    l.reference.empty() ? "-" : l.reference.c_str(), ref.c_str(), ratio.c_str(), l.budget.c_str(),
                    verdict.c_str());
        allMet = allMet && l.met;
    }
    return allMet;
}

int run(int argc, char** argv)
{
    bool skipMemory = false;
    bool everyCase = true;
    std::vector<char*> args{argv[0]};
    // Defaults first, so that the same flags given on the command line win.
    static char repetitions[] = "--benchmark_repetitions=15";
    static char minTime[] = "--benchmark_min_time=0.05";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), {repetitions, minTime, interleave, aggregates});
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--skip-memory") == 0)
            skipMemory = true;
        else
            args.push_back(argv[i]);
        // A chosen subset, or a mere listing, leaves the memory out.
        if (std::strncmp(argv[i], "--benchmark_filter", 18) == 0 || std::strncmp(argv[i], "--benchmark_list", 16) == 0)
            everyCase = false;
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    std::vector<Line> lines;
    {
        Worlds worlds;
        std::vector<Case> cases;
        registerCases(worlds, cases);
        if (everyCase && !sameDrawing(worlds)) {
            std::printf(
                "The fast and the straightforward ways drew different pictures; no figure would mean anything.\n");
            return 1;
        }
        MedianCollector collector;
        benchmark::RunSpecifiedBenchmarks(&collector);
        for (const auto& [name, message] : collector.errors)
            std::fprintf(stderr, "%s: %s\n", name.c_str(), message.c_str());
        for (const Case& c : cases) {
            const auto found = collector.medians.find(c.id);
            const auto refFound = collector.medians.find(c.id + "/reference");
            if (found == collector.medians.end() && !collector.errors.count(c.id))
                continue;  // filtered out
            Line l{c.title, std::nullopt, c.reference, std::nullopt, "ms", "", true};
            if (found != collector.medians.end())
                l.value = found->second;
            if (refFound != collector.medians.end())
                l.referenceValue = refFound->second;
            std::string budget;
            if (c.maxMs > 0) {
                budget = "<= " + fixed(c.maxMs, 2) + " ms";
                l.met = l.value && *l.value <= c.maxMs;
            }
            if (c.maxRatio > 0) {
                budget += (budget.empty() ? "<= " : ", <= ") + fixed(c.maxRatio, 1) + " x ref";
                l.met = l.met && l.value && l.referenceValue && *l.value <= c.maxRatio * *l.referenceValue;
            }
            l.budget = budget;
            lines.push_back(l);
        }
        benchmark::Shutdown();
    }
    if (everyCase && !skipMemory) {
        Line l{"Resident memory after start-up",
               residentMb("program"),
               "empty QMainWindow with five tabs",
               residentMb("empty"),
               "MiB",
               "<= 1.3 x ref",
               false};
        l.met = l.value && l.referenceValue && *l.value <= 1.3 * *l.referenceValue;
        lines.push_back(l);
    }
    if (lines.empty()) {
        std::printf("No case ran.\n");
        return 1;
    }
    const bool allMet = printTable(lines);
    std::printf("\n%s\n", allMet ? "Every budget met." : "A budget was MISSED.");
    return allMet ? 0 : 1;
}

}  // namespace

}  // namespace vestor::bench

namespace {

// The offscreen platform warns at every top-level window it cannot size; the table is what counts.
QtMessageHandler& qtHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void quieterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (qtHandler())
        qtHandler()(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv)
{
    // Always offscreen: the figures must not depend on a display server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler() = qInstallMessageHandler(quieterMessages);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--resident=", 11) == 0)
            return vestor::bench::reportResident(argv[i] + 11);
    return vestor::bench::run(argc, argv);
}
