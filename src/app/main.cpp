#include <QApplication>

#include "app/language.h"
#include "app/mainwindow.h"
#include "ui/accessibleroles.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    QApplication::setStyle(vestor::programStyle());
    vestor::installTranslations();
    vestor::MainWindow window;
    window.show();
    return QApplication::exec();
}
