// The lab report of a seeded run, saved as PDF from the File menu as a student does it: its
// text read back with pdftotext, its page rendered with pdftoppm.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTest>

#include "app/language.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "support/pdftools.h"
#include "support/shownwindow.h"
#include "table/datatablepage.h"
#include "ui/uicommon.h"

using namespace vestor;

Q_DECLARE_METATYPE(vestor::Settings)
using vestor::test::named;

namespace {

bool dark(QRgb c)
{
    return qGray(c) < 128;
}

// The rows (or, turned, the columns) that hold a dark run at least `shortest` pixels long.
QList<int> ruledLines(const QImage& image, bool across, int shortest)
{
    QList<int> lines;
    const int outer = across ? image.height() : image.width();
    const int inner = across ? image.width() : image.height();
    for (int i = 0; i < outer; ++i) {
        int run = 0, longest = 0;
        for (int j = 0; j < inner; ++j) {
            run = dark(across ? image.pixel(j, i) : image.pixel(i, j)) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest >= shortest)
            lines << i;
    }
    return lines;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { installTranslations(QLocale(QLocale::English)); }
    void reportOfRun_data();
    void reportOfRun();
};

void TestReport::reportOfRun_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pooledFiles");
    QTest::addColumn<bool>("extras");  // log scale, expected counts and best fit shown
    QTest::addColumn<bool>("printed");  // printed into a PDF file rather than saved as one
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");
    Settings five;
    five.seriesLength = 5;
    five.percent = {0, 2, 10, 20, 30, 40};
    five.initial = {0, 300, 100, 50, 20, 10};
    Settings die;
    die.dice = true;
    die.decayValue = {0, 1, 3, 3, 3, 3};
    Settings two;
    two.seriesLength = 2;
    two.percent = {0, 10, 25, 50, 50, 50};
    two.initial = {0, 500, 100, 0, 0, 0};
    QTest::addRow("five nuclides, 99 times")
        << QString() << five << 99 << 0 << false << false << QStringLiteral("Ada Lovelace")
        << QStringList{"Nuclides in the decay series: 5", "Nuclide 5", "2 %", "34.31 steps", "1.94 steps"};
    QTest::addRow("German, by a die")
        << QStringLiteral("de") << die << 20 << 0 << false << false << QStringLiteral("Jörg Müller")
        << QStringList{"Laborbericht", "Würfel", "1 oder weniger (16,7 %)", "3,80 Schritte", "Nuklid 1"};
    QTest::addRow("pooled") << QString() << Settings{} << 12 << 3 << false << true << QString()
                            << QStringList{"saved runs (3)", "run1.txt", "run3.txt"};
    QTest::addRow("log scale with band") << QString() << two << 30 << 0 << true << false << QStringLiteral("Bo")
                                         << QStringList{"Best fit", "Expected", "Nuclide 2"};
}

void TestReport::reportOfRun()
{
    QFETCH(QString, language);
    QFETCH(Settings, settings);
    QFETCH(int, steps);
    QFETCH(int, pooledFiles);
    QFETCH(bool, extras);
    QFETCH(bool, printed);
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    if (!language.isEmpty())
        QVERIFY(installTranslations(QLocale(language)));
    test::ShownWindow x(36);
    x.w.configPage()->applySettings(settings);
    x.clickTab(1);
    x.stepAndRemove(steps);
    // The pages are kept beside the test, to be looked at.
    QDir().mkpath(QStringLiteral("report-pages"));
    const QString pdf = QDir(QStringLiteral("report-pages")).absoluteFilePath(QString(QTest::currentDataTag()) + ".pdf");
    if (pooledFiles > 0) {
        // Runs saved as the table page saves them, pooled from the Extras menu.
        x.clickTab(2);
        x.notifier.chosen.clear();
        for (int i = 1; i <= pooledFiles; ++i) {
            x.notifier.chosen << QDir(QStringLiteral("report-pages")).absoluteFilePath(QStringLiteral("run%1.txt").arg(i));
            QVERIFY(x.w.tablePage()->saveTo(x.notifier.chosen.constLast()));
        }
        x.w.findChild<QAction*>(QStringLiteral("PoolRuns1"))->trigger();
        QVERIFY(x.sim().pooled);
    }
    x.clickTab(3);
    for (int k = 2; k <= settings.seriesLength; ++k)
        QTest::mouseClick(named<QCheckBox>(&x.w, QStringLiteral("p%1cb").arg(k)), Qt::LeftButton);
    if (extras) {
        for (const char* box : {"logcb", "expectedcb", "bestfitcb"})
            QTest::mouseClick(named<QCheckBox>(&x.w, QLatin1String(box)), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(&x.w, QStringLiteral("usefitbt")), Qt::LeftButton);
    }
    x.w.whoami()->setUserName(name);

    const QImage screen = x.w.graphPage()->image();
    const auto history = x.sim().history;
    x.notifier.chosen = {pdf};
    if (printed) {
        x.w.printer().setOutputFileName(pdf);
        x.w.printReport();
    } else {
        x.w.findChild<QAction*>(QStringLiteral("SaveReport1"))->trigger();
    }
    QVERIFY2(x.notifier.errors.isEmpty(), qPrintable(x.notifier.errors.join('\n')));
    // The report only reads: the run and the screen are as they were.
    QCOMPARE(x.w.graphPage()->image(), screen);
    QVERIFY(x.sim().history == history);

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(test::pdfPageCount(file.readAll()), 1);
    const auto text = test::runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString page = QString::fromUtf8(*text);
    const DecayFit fit = x.w.graphPage()->currentFit();
    QVERIFY(fit.ok);
    texts << (name.isEmpty() ? QStringLiteral("Name:") : name) << QLocale().toString(fit.halfLife, 'f', 2)
          << QLocale().toString(fit.halfLifeError, 'f', 2) << QLocale().toString(fit.initial, 'f', 1);
    // pdftotext leaves out a narrow space, so texts are compared without their blanks.
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{00A0}]+"));
    for (QString t : texts)
        QVERIFY2(QString(page).remove(blanks).contains(t.remove(blanks)), qPrintable(t + QStringLiteral(" missing from\n") + page));
    // Every row of the table: the time, then the count of each nuclide, side by side on one line.
    const int n = x.w.graphPage()->input().n;
    for (int t = 0; t < n; ++t) {
        QString row = QStringLiteral("(^|\\s)%1").arg(t);
        for (int k = 1; k <= settings.seriesLength; ++k)
            row += QStringLiteral("\\s+%1").arg(countAt(x.sim().history, t, k));
        QVERIFY2(page.contains(QRegularExpression(row + QStringLiteral("(\\s|$)"), QRegularExpression::MultilineOption)),
                 qPrintable(row));
    }

    // The plot: a frame about half the page wide, the axes at its left and bottom, and each dot
    // in its nuclide's colour at its time and count, unless a later nuclide's dot covers it.
    const QImage sheet = test::renderPdf(pdf, 150);
    if (sheet.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QList<int> rows = ruledLines(sheet, true, sheet.width() * 2 / 5);
    rows.removeIf([&](int y) { return ruledLines(sheet.copy(0, y, sheet.width(), 1), true, sheet.width() * 4 / 5).size(); });
    const QList<int> columns = ruledLines(sheet, false, sheet.height() / 12);
    QVERIFY(rows.size() >= 2 && columns.size() >= 2);
    const double top = rows.first(), bottom = rows.last(), left = columns.first(), right = columns.last();
    QVERIFY2(bottom - top > sheet.height() / 6 && right - left > sheet.width() / 2,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(left).arg(top).arg(right).arg(bottom)));
    const GraphScale scale = x.w.graphPage()->scale();
    const auto at = [&](int t, int k) {
        const double c = countAt(x.sim().history, t, k);
        const double up = scale.log ? std::log(c) / std::log(double(scale.scaleMax)) : c / scale.scaleMax;
        return QPointF(left + t * (right - left) / n, bottom - up * (bottom - top));
    };
    int checked = 0;
    for (int k = 1; k <= settings.seriesLength; ++k)
        for (int t = 0; t < n; ++t) {
            if (scale.log && countAt(x.sim().history, t, k) <= 0)
                continue;
            const QPointF c = at(t, k);
            bool covered = false;
            for (int later = k + 1; later <= settings.seriesLength; ++later)
                covered = covered || QLineF(c, at(t, later)).length() < 14;
            if (covered)
                continue;
            // The fill of a small dot is a few pixels across: one of the pixels round its centre.
            const QColor want = toQColor(x.sim().nuclideColor[k]);
            int nearest = 3 * 255;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QColor got = sheet.pixelColor(c.toPoint() + QPoint(dx, dy));
                    nearest = std::min(nearest, std::abs(got.red() - want.red()) + std::abs(got.green() - want.green())
                                                    + std::abs(got.blue() - want.blue()));
                }
            QVERIFY2(nearest < 90, qPrintable(QStringLiteral("nuclide %1 at time %2: %3 off").arg(k).arg(t).arg(nearest)));
            ++checked;
        }
    QVERIFY(checked >= n);
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
