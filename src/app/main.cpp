#include <QApplication>

#include "app/language.h"
#include "app/mainwindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    vestor::installTranslations();
    vestor::MainWindow window;
    window.show();
    return QApplication::exec();
}
