// vestor-soak: plays long random sequences of what a student can do on the real main window,
// offscreen, and checks the window after every event. On a failure it prints the seed and the
// shortest event list it can find that still fails, with the command that replays it.
//
// Every run, and every replay while shrinking, happens in a child process, so that a crash or a
// sanitizer report is caught and shrunk like a broken check. This process never starts Qt.
// Windows has no fork: there the run plays in this process, a crash ends it, and a failure is not
// shrunk; the printed seed replays it anywhere, and shrinks it on Linux.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "app/mainwindow.h"
#include "shrink.h"
#include "soakdriver.h"
#include "soakevents.h"

using namespace vestor;
using namespace vestor::soak;

namespace {

constexpr int kCheckFailed = 3;

struct Options {
    std::uint64_t seed = 0;
    bool seedGiven = false;
    std::size_t events = 20000;
    std::vector<std::size_t> replay;
    std::size_t shrinkReplays = 600;
    std::size_t shrinkSeconds = 600;
    bool report = false;
};

// What a run leaves for the caller; with fork, in memory shared with the child.
struct Shared {
    long long position;  // index into the played list of the event under way
    long long failedAt;
    long long applied;
    long long warnings;
    long long counts[static_cast<int>(Kind::Count)];
    long long done[static_cast<int>(Kind::Count)];
    char check[64];
    char detail[1024];
};

struct Outcome {
    enum Type { Passed, CheckFailed, Crashed } type = Passed;
    std::string check;  // the broken property, or how the process ended
    std::string detail;
    long long at = -1;  // position in the played list
};

// Qt's own messages during a run: each distinct text is shown once, then only counted, so that
// a million events do not print the same line a hundred thousand times.
std::map<std::string, long> g_messages;

void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    const std::string s = text.toStdString();
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt (fatal): %s\n", s.c_str());
        std::abort();
    }
    if (g_messages[s]++ == 0)
        std::fprintf(stderr, "Qt: %s\n", s.c_str());
}

void copyText(char* to, std::size_t size, const std::string& from)
{
    std::snprintf(to, size, "%s", from.c_str());
}

int playInChild(int argc, char** argv, const Options& opt, const std::vector<std::size_t>& list, Shared* sh,
                bool verbose)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onQtMessage);
    QApplication app(argc, argv);
    QTemporaryDir work;
    MainWindow window(opt.seed);
    window.show();
    window.activateWindow();
    auto fail = [&](long long at, const Failure& f) {
        sh->failedAt = at;
        copyText(sh->check, sizeof sh->check, f.check);
        copyText(sh->detail, sizeof sh->detail, f.detail);
        return kCheckFailed;
    };
    if (!QTest::qWaitForWindowActive(&window))
        return fail(-1, {"driver", "the main window never became active"});
    Driver driver(window, work.path());
    if (auto f = driver.check())
        return fail(-1, *f);
    const std::size_t step = std::max<std::size_t>(list.size() / 10, 1);
    for (std::size_t pos = 0; pos < list.size(); ++pos) {
        sh->position = static_cast<long long>(pos);
        const Event e = eventAt(opt.seed, list[pos]);
        ++sh->counts[static_cast<int>(e.kind)];
        if (driver.apply(e)) {
            ++sh->done[static_cast<int>(e.kind)];
            ++sh->applied;
        }
        if (auto f = driver.check())
            return fail(static_cast<long long>(pos), *f);
        // Repaints and deferred deletes queue up; let them run now and then, as an idle GUI
        // would. Painting every page after every event would cost most of the run.
        if (pos % 64 == 63)
            driver.settle();
        if (verbose && list.size() >= 100000 && (pos + 1) % step == 0) {
            std::printf("  %zu events played\n", pos + 1);
            std::fflush(stdout);
        }
    }
    driver.settle();
    sh->warnings = driver.notifier().warnings.size();
    for (const auto& [text, count] : g_messages)
        if (verbose && count > 1)
            std::fprintf(stderr, "Qt said %ld times: %s\n", count, text.c_str());
    if (auto f = driver.check())
        return fail(static_cast<long long>(list.size()) - 1, *f);
    return 0;
}

Outcome play(int argc, char** argv, const Options& opt, const std::vector<std::size_t>& list, Shared* sh,
             bool verbose)
{
    std::memset(static_cast<void*>(sh), 0, sizeof *sh);
    sh->position = -1;
    std::fflush(stdout);
    std::fflush(stderr);
#ifdef _WIN32
    Outcome out;
    if (playInChild(argc, argv, opt, list, sh, verbose) == kCheckFailed) {
        out.type = Outcome::CheckFailed;
        out.check = sh->check;
        out.detail = sh->detail;
        out.at = sh->failedAt;
    }
    return out;
#else
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("vestor-soak: fork");
        std::exit(2);
    }
    if (pid == 0) {
        if (!verbose) {
            // Replays while shrinking would repeat the same messages hundreds of times.
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        std::exit(playInChild(argc, argv, opt, list, sh, verbose));
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    Outcome out;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return out;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCheckFailed) {
        out.type = Outcome::CheckFailed;
        out.check = sh->check;
        out.detail = sh->detail;
        out.at = sh->failedAt;
        return out;
    }
    out.type = Outcome::Crashed;
    out.at = sh->position;
    if (WIFSIGNALED(status)) {
        out.check = "crash";
        out.detail = std::string("killed by signal ") + std::to_string(WTERMSIG(status)) + " ("
                     + strsignal(WTERMSIG(status)) + ")";
    } else {
        out.check = "crash";
        out.detail = "ended with exit status " + std::to_string(WEXITSTATUS(status))
                     + " (a sanitizer report or a fatal error)";
    }
    return out;
#endif
}

bool sameFailure(const Outcome& a, const Outcome& b)
{
    return a.type == b.type && a.check == b.check;
}

void usage()
{
    std::fprintf(stderr,
                 "usage: vestor-soak [--seed N] [--events N] [--replay I,J,...] [--shrink-replays N]\n"
                 "                   [--shrink-seconds N] [--report]\n"
                 "  --seed N            seed of the event sequence and of the simulation (default: from the clock)\n"
                 "  --events N          number of events to play (default 20000)\n"
                 "  --replay I,J,...    play only these events of the seed's sequence, in this order\n"
                 "  --shrink-replays N  replays a failure may spend on finding a short list (default 600; 0: none)\n"
                 "  --shrink-seconds N  and the time it may spend on them (default 600)\n"
                 "  --report            print how long the run took and how often each action was played\n");
}

bool parse(int argc, char** argv, Options& opt)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto number = [&](std::uint64_t& out) {
            char* end = nullptr;
            errno = 0;
            out = std::strtoull(argv[++i], &end, 10);
            return errno == 0 && end && *end == '\0' && argv[i][0] != '\0' && argv[i][0] != '-';
        };
        std::uint64_t v = 0;
        if (arg == "--seed" && hasValue && number(v)) {
            opt.seed = v;
            opt.seedGiven = true;
        } else if (arg == "--events" && hasValue && number(v)) {
            opt.events = static_cast<std::size_t>(v);
        } else if (arg == "--shrink-replays" && hasValue && number(v)) {
            opt.shrinkReplays = static_cast<std::size_t>(v);
        } else if (arg == "--shrink-seconds" && hasValue && number(v)) {
            opt.shrinkSeconds = static_cast<std::size_t>(v);
        } else if (arg == "--replay" && hasValue && parseIndexList(argv[++i], opt.replay)) {
        } else if (arg == "--report") {
            opt.report = true;
        } else {
            return false;
        }
    }
    return true;
}

std::string joined(const std::vector<std::size_t>& v)
{
    std::string s;
    for (std::size_t i : v)
        s += (s.empty() ? "" : ",") + std::to_string(i);
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    Options opt;
    if (!parse(argc, argv, opt)) {
        usage();
        return 2;
    }
    if (!opt.seedGiven)
        opt.seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007;

    std::vector<std::size_t> list = opt.replay;
    if (list.empty()) {
        list.resize(opt.events);
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = i;
    }
    std::printf("vestor-soak: seed %llu, %zu events%s\n", static_cast<unsigned long long>(opt.seed), list.size(),
                opt.replay.empty() ? "" : " (replay)");

#ifdef _WIN32
    static Shared shared;
    Shared* sh = &shared;
#else
    void* mem = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mem == MAP_FAILED) {
        std::perror("vestor-soak: mmap");
        return 2;
    }
    auto* sh = static_cast<Shared*>(mem);
#endif

    const auto started = std::chrono::steady_clock::now();
    const Outcome out = play(argc, argv, opt, list, sh, true);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    if (out.type == Outcome::Passed) {
        std::printf("vestor-soak: passed: %zu events, %lld of them applicable, every check held after each; "
                    "%lld warnings answered\n",
                    list.size(), static_cast<long long>(sh->applied), static_cast<long long>(sh->warnings));
        if (opt.report) {
            std::printf("  %.1f s, %.0f events per second\n", seconds, static_cast<double>(list.size()) / seconds);
            for (int k = 0; k < static_cast<int>(Kind::Count); ++k)
                std::printf("  %-28s %9lld played, %9lld applicable\n", kindName(static_cast<Kind>(k)),
                            static_cast<long long>(sh->counts[k]), static_cast<long long>(sh->done[k]));
        }
        return 0;
    }

    const std::string where = out.at < 0 ? std::string("at start-up")
                                         : "at event " + std::to_string(list[static_cast<std::size_t>(out.at)])
                                               + " (position " + std::to_string(out.at + 1) + " of "
                                               + std::to_string(list.size()) + ")";
    std::printf("vestor-soak: FAILED %s, seed %llu: %s: %s\n", where.c_str(), static_cast<unsigned long long>(opt.seed),
                out.check.c_str(), out.detail.c_str());
    if (out.at < 0)
        return 1;
#ifdef _WIN32
    std::printf("replay with: vestor-soak --seed %llu --events %lld (on Linux it also finds a short list)\n",
                static_cast<unsigned long long>(opt.seed), out.at + 1);
    return 1;
#endif

    // Shrink: everything after the failing event is irrelevant; then drop the longest prefix
    // that can go, then delta-debug what is left.
    std::vector<std::size_t> failing(list.begin(), list.begin() + out.at + 1);
    Budget budget(opt.shrinkReplays, std::chrono::seconds(opt.shrinkSeconds));
    const FailsFn<std::size_t> fails = [&](const std::vector<std::size_t>& candidate) {
        return sameFailure(play(argc, argv, opt, candidate, sh, false), out);
    };
    std::printf("vestor-soak: shrinking %zu events (at most %zu replays, %zu s)...\n", failing.size(),
                opt.shrinkReplays, opt.shrinkSeconds);
    std::fflush(stdout);
    if (failing.size() > 1)
        failing = dropPrefix(failing, fails, budget);
    failing = ddmin(failing, fails, budget);

    // One last replay, with its messages shown, confirms the list and cuts what follows the failure.
    std::printf("vestor-soak: confirming the shortest list found, after %zu replays:\n", budget.used());
    std::fflush(stdout);
    const Outcome last = play(argc, argv, opt, failing, sh, true);
    if (!sameFailure(last, out)) {
        std::printf("vestor-soak: the shortened list no longer fails the same way (it %s); the full run is: "
                    "vestor-soak --seed %llu --events %zu\n",
                    last.type == Outcome::Passed ? "passes" : last.check.c_str(),
                    static_cast<unsigned long long>(opt.seed), list.size());
        return 1;
    }
    failing.resize(static_cast<std::size_t>(last.at) + 1);
    std::printf("vestor-soak: %s: %s\n", last.check.c_str(), last.detail.c_str());
    std::printf("vestor-soak: shortest reproducing list, %zu events of seed %llu:\n", failing.size(),
                static_cast<unsigned long long>(opt.seed));
    for (std::size_t i : failing)
        std::printf("  #%-9zu %s\n", i, describe(eventAt(opt.seed, i)).c_str());
    std::printf("replay with: vestor-soak --seed %llu --replay %s\n", static_cast<unsigned long long>(opt.seed),
                joined(failing).c_str());
    return 1;
}
