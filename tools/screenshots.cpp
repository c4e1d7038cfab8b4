// Renders every page of the program, its menus, the About box, the user name dialog and the
// guide in a fixed, seeded state into PNG files: a five-nuclide dice run after a few steps, with
// the curve fitted. `vestor-screenshots DIR [LANGUAGE]` renders them in English, or in the
// language given ("de", "fr", ...).
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>

#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "chamber/chamberpage.h"

using namespace vestor;

namespace {

template <typename T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no widget named %s", name);
    return c;
}

void save(QWidget* w, const QString& dir, const char* name)
{
    const QString path = dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!w->grab().save(path))
        qFatal("could not write %s", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestor"));
    // The pictures never depend on, nor change, the choices remembered on this machine.
    QStandardPaths::setTestModeEnabled(true);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(dir);
    if (argc > 2 && !installTranslations(QLocale(QString::fromLocal8Bit(argv[2]))))
        qFatal("no translation for %s", argv[2]);

    MainWindow window(20261208);
    window.show();
    auto* nb = child<QTabWidget>(window, "showNB");
    // As the program starts: a one-nuclide series, the other four rows greyed out.
    save(&window, dir, "configuration-one");
    auto* dc = child<QComboBox>(window, "dc");
    dc->setCurrentIndex(4);
    window.configPage()->dcChange();
    child<QRadioButton>(window, "dicerb")->setChecked(true);
    child<QScrollBar>(window, "sides")->setValue(10);
    const int values[] = {0, 2, 3, 4, 3, 1};
    const int numbers[] = {0, 500, 150, 100, 100, 50};
    for (int k = 1; k <= 5; ++k) {
        child<QScrollBar>(window, qPrintable(QStringLiteral("numdicesb%1").arg(k)))->setValue(values[k]);
        child<QScrollBar>(window, qPrintable(QStringLiteral("NPsb%1").arg(k)))->setValue(numbers[k]);
    }
    save(&window, dir, "configuration");

    nb->setCurrentIndex(1);
    for (int step = 0; step < 6; ++step) {
        window.chamberPage()->NextbtClick();
        if (step < 5)
            window.chamberPage()->RemovebtClick();
    }
    save(&window, dir, "chamber");

    for (int k = 2; k <= 5; ++k) {
        child<QCheckBox>(window, qPrintable(QStringLiteral("p1%1cb").arg(k)))->setChecked(true);
        child<QCheckBox>(window, qPrintable(QStringLiteral("p%1cb").arg(k)))->click();
    }
    nb->setCurrentIndex(2);
    save(&window, dir, "table");

    child<QScrollBar>(window, "h")->setValue(120);
    child<QScrollBar>(window, "yshift")->setValue(20);
    nb->setCurrentIndex(3);
    save(&window, dir, "graph");

    nb->setCurrentIndex(4);
    save(&window, dir, "editor");

    // The teacher's extras: the computed fit, the expected curves and the implied half-lives.
    nb->setCurrentIndex(3);
    child<QCheckBox>(window, "bestfitcb")->click();
    child<QCheckBox>(window, "expectedcb")->click();
    save(&window, dir, "graph-extras");
    // The same counts on the log scale: each nuclide's decay a straight line in its band.
    child<QCheckBox>(window, "logcb")->click();
    save(&window, dir, "graph-log");
    child<QCheckBox>(window, "logcb")->click();
    child<QCheckBox>(window, "bestfitcb")->click();
    child<QCheckBox>(window, "expectedcb")->click();
    window.findChild<QAction*>(QStringLiteral("HalfLives1"))->setChecked(true);
    nb->setCurrentIndex(0);
    save(&window, dir, "configuration-extras");
    window.findChild<QAction*>(QStringLiteral("HalfLives1"))->setChecked(false);

    // The menus of the menu bar, each as it drops down.
    for (QAction* a : window.menuBar()->actions()) {
        QMenu* menu = a->menu();
        if (!menu || !a->isVisible())
            continue;
        menu->adjustSize();
        save(menu, dir, qPrintable(QStringLiteral("menu-") + menu->objectName().toLower().remove(QLatin1Char('1'))));
    }

    window.aboutBox()->show();
    save(window.aboutBox(), dir, "about");
    window.aboutBox()->hide();
    child<QLineEdit>(*window.whoami(), "Iam")->setText(QStringLiteral("Ada Lovelace"));
    window.whoami()->show();
    save(window.whoami(), dir, "username");
    window.whoami()->hide();

    // The chamber in the colours a colour-blind student tells apart.
    auto* safe = window.findChild<QAction*>(QStringLiteral("ColourBlind1"));
    safe->setChecked(true);
    nb->setCurrentIndex(1);
    save(&window, dir, "chamber-colourblind");
    safe->setChecked(false);

    // The student's guide, opened from the chamber page.
    nb->setCurrentIndex(1);
    window.Contents1Click();
    save(window.helpWindow(), dir, "help");
    return 0;
}
