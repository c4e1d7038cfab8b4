// Plays one fixed, seeded run (the program's default series, ten steps of Time and Remove), saves
// its data file and prints its graph to PDF: `vestor-seededrun DIR` writes DIR/data.txt and
// DIR/graph.pdf. Built for Linux and for Windows, the two data files must be the same bytes; the
// folder may have any name, non-ASCII letters included, as a pupil's profile folder can.
// Then it starts a run of 1000 particles on the Decay Chamber page, saves it as DIR/lesson-1000.vestor
// and prints how long its Time steps take, for comparing the browser's build: Alt+T pressed on the
// control that has the focus, as the browser's check presses it (Time itself where Qt Test is
// missing), up to the step taken with the chamber's picture it draws; the window's repaint is left
// out, as a browser repaints at its next frame. It also times Alt+J, which no control takes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QLineEdit>
#include <QTabWidget>
#if VESTOR_KEYS
#include <QTest>
#endif
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/mainwindow.h"
#include "chamber/chamberpage.h"
#include "config/configpage.h"
#include "table/datatablepage.h"

using namespace vestor;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    // arguments() reads the command line as Unicode on Windows too, whatever the code page.
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vestor-seededrun DIR\n");
        return 2;
    }
    const QDir dir(args[1]);
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "vestor-seededrun: cannot make %s\n", qUtf8Printable(dir.path()));
        return 1;
    }
    // The lesson it saves would join the Recent Lessons of whoever runs it: its choices stay in DIR
    // (where they are files; Windows keeps them in the registry whatever the path).
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, dir.absoluteFilePath(QStringLiteral("settings")));

    MainWindow window(20261208);
    window.show();
    for (int step = 0; step < 10; ++step) {
        window.chamberPage()->NextbtClick();
        window.chamberPage()->RemovebtClick();
    }
    if (!window.tablePage()->saveTo(dir.filePath(QStringLiteral("data.txt"))))
        return 1;

    // Print Graph works on the graph page, as in the program.
    window.findChild<QTabWidget*>(QStringLiteral("showNB"))->setCurrentIndex(3);
    QPrinter& printer = window.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("graph.pdf")));
    auto* print = window.findChild<QAction*>(QStringLiteral("Print2"));
    if (!print || !print->isEnabled()) {
        std::fprintf(stderr, "vestor-seededrun: Print Graph is not available\n");
        return 1;
    }
    print->trigger();
    if (!QFile::exists(printer.outputFileName()))
        return 1;

    Settings thousand = window.configPage()->settings();
    thousand.seriesLength = 1;
    thousand.dice = false;
    thousand.percent[1] = 10;
    thousand.initial = {0, 1000, 0, 0, 0, 0};
    window.configPage()->applySettings(thousand);
    window.restartClick();
    window.findChild<QTabWidget*>(QStringLiteral("showNB"))->setCurrentIndex(1);
    window.activateWindow();
#if VESTOR_KEYS
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "vestor-seededrun: the window is not active\n");
#endif
    QApplication::processEvents();
    if (!window.saveLessonTo(dir.filePath(QStringLiteral("lesson-1000.vestor"))))
        return 1;
    // Twenty steps and a Reset first, as the browser's check takes them before it times its steps.
    for (int step = 0; step < 20; ++step) {
        window.chamberPage()->NextbtClick();
        window.chamberPage()->RemovebtClick();
        QApplication::processEvents();
    }
    window.findChild<QPushButton*>(QStringLiteral("restart"))->click();
    QApplication::processEvents();
    // The count of the nuclide, which each step takes down: a tenth of hundreds of particles decays.
    const auto* count = window.findChild<QLineEdit*>(QStringLiteral("de1"));
    if (count->text() != QLatin1String("1000")) {
        std::fprintf(stderr, "vestor-seededrun: Reset did not fill the chamber again\n");
        return 1;
    }
    const auto median = [](std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    };
    std::vector<double> times, ignored;
    for (int step = 0; step < 9; ++step) {
        const QString before = count->text();
        QElapsedTimer timer;
#if VESTOR_KEYS
        // What a key costs on its way to the program, beside what the step costs: the browser's check
        // times the same key.
        timer.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::AltModifier);
        ignored.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
#else
        timer.start();
        window.chamberPage()->NextbtClick();
#endif
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (count->text() == before) {
            std::fprintf(stderr, "vestor-seededrun: Alt+T on %s took no Time step\n",
                         QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName()) : "nothing");
            return 1;
        }
        window.chamberPage()->RemovebtClick();
        QApplication::processEvents();
    }
    std::printf("Time step, 1000 particles: %.2f ms\n", median(times));
    if (!ignored.empty())
        std::printf("A key the program ignores (Alt+J): %.3f ms\n", median(ignored));
    return 0;
}
