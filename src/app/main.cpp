#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <csignal>

#include "app/language.h"
#include "app/mainwindow.h"
#include "ui/browser.h"
#include "ui/accessibleroles.h"

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A file-size limit then fails the write, which the program reports and recovers from,
    // instead of ending the program with a file half written.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    // The size chosen for a projector (View > Size) scales the whole window, text and pictures;
    // Qt takes it only before the application starts. A scale set in the environment wins.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") && vestor::MainWindow::windowSize() != 100)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(vestor::MainWindow::windowSize() / 100.0));
    QApplication app(argc, argv);
    QApplication::setStyle(vestor::programStyle());
    vestor::installTranslations();
    vestor::MainWindow window(vestor::browser::pageSeed());
    window.show();
    // `vestor LESSON.vestor`, as the file manager starts it for a lesson, or in a browser a page
    // opened from a lesson's link; a lesson that cannot be opened is reported and the window goes
    // on with an untitled one.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openLessonFile(arguments.at(1));
    // In the event loop: a message about a damaged link is a dialog, which a browser can wait for
    // only there.
    else if (const QString linked = vestor::browser::linkedLessonFile(); !linked.isEmpty())
        QTimer::singleShot(0, &window, [&window, linked] { window.openLessonAsked(linked); });
    vestor::browser::onLinkedLesson([&window](const QString& linked) { window.openLessonAsked(linked); });
    return QApplication::exec();
}
