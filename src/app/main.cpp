#include <QApplication>

#include "app/mainwindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    vestor::MainWindow window;
    window.show();
    return QApplication::exec();
}
