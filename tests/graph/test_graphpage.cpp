// The "&Graph" page in the real main window: graph selection, the curve read-out, Copy,
// the Edit menu's guard on the current page, and printing into PDF files.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "app/mainwindow.h"
#include "app/printing.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "table/grapheditorpage.h"
#include "support/pdftools.h"
#include "support/testsupport.h"
#include "ui/statusline.h"

using namespace vestor;
using vestor::test::named;
using vestor::test::pdfPageCount;
using vestor::test::renderPdf;
using vestor::test::runTool;

namespace {

constexpr int kImageLeft = 56;
constexpr int kImageTop = 24;
constexpr QRgb kBlackRgb = 0xFF000000;

bool isInk(QRgb c)
{
    return qRed(c) < 200 || qGreen(c) < 200 || qBlue(c) < 200;
}

QRect inkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Checks one edge of the printed picture, in device pixels, to within one pixel.
bool near(int rendered, double device, double zoom)
{
    return std::abs(rendered / zoom - device) <= 1.0 + 1.0 / zoom;
}

}  // namespace

class TestGraphPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void p1cbHidesCurveAndControls_data();
    void p1cbHidesCurveAndControls();
    void boxBeyondSeriesIgnored_data();
    void boxBeyondSeriesIgnored();
    void readout_data();
    void readout();
    void copy_data();
    void copy();
    void editMenuOnlyOnGraphPage_data();
    void editMenuOnlyOnGraphPage();
    void printToPdf_data();
    void printToPdf();
    void printImageGeometry_data();
    void printImageGeometry();
    void printerThatCannotOpen_data();
    void printerThatCannotOpen();
    void saveGraph_data();
    void saveGraph();
    void timeCaptionReadableOnLogAxis();

private:
    GraphPage* page() const { return m_window->graphPage(); }
    QTabWidget* notebook() const { return named<QTabWidget>(m_window.get(), QStringLiteral("showNB")); }
    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return named<T>(page(), QString::fromLatin1(name));
    }
    // The graph page current, with N data points and the half-life scroll bar at hPosition.
    void openGraph(int n = 10, int hPosition = 40);
    // Vertices of the model curve well inside the plot, as the last redraw placed them.
    QList<QPoint> curveSample() const;
    int blackAt(const QList<QPoint>& points) const;
    QRect labelRect(const char* name, int dx) const;

    vestor::test::RecordingNotifier m_notes;
    std::unique_ptr<MainWindow> m_window;
};

void TestGraphPage::init()
{
    m_notes = {};
    m_window = std::make_unique<MainWindow>(42);
    m_window->setNotifier(&m_notes);
    m_window->show();
    QVERIFY(m_window->startedUp());
}

void TestGraphPage::cleanup()
{
    m_window.reset();
}

void TestGraphPage::openGraph(int n, int hPosition)
{
    notebook()->setCurrentIndex(3);
    m_window->editorPage()->np()->setValue(n);
    child<QScrollBar>("h")->setValue(hPosition);
}

QList<QPoint> TestGraphPage::curveSample() const
{
    const GraphScale& s = page()->scale();
    const auto v = curveVertices(s.a, s.halfLife, s.xs, s.ys, page()->input().yshift);
    QList<QPoint> points;
    for (int k = 2; k <= 60; ++k)
        if (page()->image().rect().contains(v[1 + k].x, v[1 + k].y))
            points << QPoint(v[1 + k].x, v[1 + k].y);
    return points;
}

int TestGraphPage::blackAt(const QList<QPoint>& points) const
{
    int black = 0;
    for (const QPoint& p : points)
        black += page()->image().pixel(p) == kBlackRgb;
    return black;
}

// A label's rectangle in picture coordinates, moved dx pixels as Copy moves its text.
QRect TestGraphPage::labelRect(const char* name, int dx) const
{
    return child<QLabel>(name)->geometry().translated(dx - kImageLeft, -kImageTop);
}

void TestGraphPage::p1cbHidesCurveAndControls_data()
{
    QTest::addColumn<bool>("showEquation");
    QTest::addRow("equation shown") << true;
    QTest::addRow("equation switched off") << false;
}

void TestGraphPage::p1cbHidesCurveAndControls()
{
    QFETCH(bool, showEquation);
    if (!showEquation)
        named<QCheckBox>(m_window->configPage(), QStringLiteral("showecb"))->click();
    openGraph();
    const char* controls[] = {"h", "yshift", "hllb", "Iclb"};
    const char* equation[] = {"initially", "kvalue"};
    const QList<QPoint> curve = curveSample();
    QCOMPARE(blackAt(curve), curve.size());
    for (const char* name : equation)
        QCOMPARE(child(name)->isVisible(), showEquation);

    auto* p1 = child<QCheckBox>("p1cb");
    p1->click();
    QVERIFY(!p1->isChecked());
    for (const char* name : controls)
        QVERIFY2(!child(name)->isVisible(), name);
    for (const char* name : equation)
        QVERIFY2(!child(name)->isVisible(), name);
    QCOMPARE(blackAt(curve), 0);
    // Nor is it drawn where the new scale would put it.
    const QList<QPoint> rescaled = curveSample();
    QVERIFY(!rescaled.isEmpty());
    QCOMPARE(blackAt(rescaled), 0);
    page()->halfgraphMouseDown(QPoint(200, 100), Qt::LeftButton);
    QVERIFY(!child("gtv")->isVisible());

    p1->click();
    QVERIFY(p1->isChecked());
    for (const char* name : controls)
        QVERIFY2(child(name)->isVisible(), name);
    for (const char* name : equation)
        QCOMPARE(child(name)->isVisible(), showEquation);
    QCOMPARE(blackAt(curve), curve.size());
}

void TestGraphPage::boxBeyondSeriesIgnored_data()
{
    QTest::addColumn<int>("length");
    QTest::addRow("within the series") << 2;
    QTest::addRow("beyond the series") << 1;
}

void TestGraphPage::boxBeyondSeriesIgnored()
{
    QFETCH(int, length);
    auto* dc = named<QComboBox>(m_window->configPage(), QStringLiteral("dc"));
    dc->setCurrentIndex(1);
    m_window->configPage()->dcChange();
    // The page change starts a run of two nuclides, which offers box 2.
    notebook()->setCurrentIndex(3);
    QCOMPARE(m_window->simulation().seriesLength, 2);
    auto* p2 = child<QCheckBox>("p2cb");
    QVERIFY(p2->isEnabled());
    p2->click();
    if (length == 1) {
        notebook()->setCurrentIndex(0);
        dc->setCurrentIndex(0);
        m_window->configPage()->dcChange();
        notebook()->setCurrentIndex(3);
        QCOMPARE(m_window->simulation().seriesLength, 1);
        QVERIFY(!p2->isEnabled());
    }
    QVERIFY(p2->isChecked());

    m_window->editorPage()->np()->setValue(10);
    Simulation& sim = m_window->simulation();
    sim.history[6][2] = 300;
    sim.nuclideMax[2] = 900;
    page()->plotggraph();
    QCOMPARE(page()->scale().scaleMax, length == 2 ? 900 : 400);
    const GraphPoint dot = dotCentre(5, 300, page()->scale().xs, page()->scale().ys);
    QCOMPARE(QColor(page()->image().pixel(dot.x, dot.y)) == QColor(Qt::red), length == 2);
}

void TestGraphPage::readout_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("yshift");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("text");  // empty: nothing shown
    // N = 10 (63.1 pixels a step), T½ = 1, nuclide 1 starts with 400.
    QTest::addRow("left of the axis") << 49 << 20 << Qt::LeftButton << "";
    QTest::addRow("on the axis") << 50 << 20 << Qt::LeftButton << "t =  0.00\rC =  400.0";
    QTest::addRow("one step right") << 113 << 20 << Qt::LeftButton << "t =  1.00\rC =  200.2";
    QTest::addRow("two steps right") << 176 << 20 << Qt::LeftButton << "t =  2.00\rC =  100.2";
    QTest::addRow("thumb down lowers A") << 50 << 30 << Qt::LeftButton << "t =  0.00\rC =  390.0";
    QTest::addRow("right button") << 113 << 20 << Qt::RightButton << "t =  1.00\rC =  200.2";
    QTest::addRow("right button left of the axis") << 49 << 20 << Qt::RightButton << "";
}

void TestGraphPage::readout()
{
    QFETCH(int, x);
    QFETCH(int, yshift);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, text);
    openGraph();
    child<QScrollBar>("yshift")->setValue(yshift);
    constexpr int y = 200;
    auto* view = child("halfgraph");
    auto* gtv = child("gtv");
    auto* vsh = child("vsh");
    auto* ysh = child("ysh");
    const bool shown = !text.isEmpty();

    QTest::mousePress(view, button, {}, QPoint(x, y));
    QCOMPARE(gtv->isVisible(), shown);
    QCOMPARE(vsh->isVisible(), shown);
    QCOMPARE(ysh->isVisible(), shown);
    if (shown) {
        QCOMPARE(page()->readoutText(), text);
        QCOMPARE(child<QLabel>("gtvlb")->text(), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        // The box opens up and to the right of the pointer; the cross is centred on its x.
        QCOMPARE(gtv->pos(), QPoint(kImageLeft + x, kImageTop + y - gtv->height()));
        QCOMPARE(ysh->geometry(), QRect(gtv->x() - 10, ysh->y(), 20, 1));
        QCOMPARE(vsh->geometry(), QRect(gtv->x(), ysh->y() - 10, 1, 20));
        // The drawn curve passes 2 pixels right of and up to 2 pixels below the cross.
        const int crossY = ysh->y() - kImageTop;
        bool onCurve = false;
        for (int dy = 0; dy <= 4; ++dy)
            onCurve = onCurve || page()->image().pixel(x + 2, crossY + dy) == kBlackRgb;
        QVERIFY2(onCurve, qPrintable(QStringLiteral("cross at image row %1").arg(crossY)));
    }

    QTest::mouseRelease(view, button, {}, QPoint(x, y));
    QVERIFY(!gtv->isVisible());
    QVERIFY(!vsh->isVisible());
    QVERIFY(!ysh->isVisible());
    auto* popup = named<QMenu>(page(), QStringLiteral("halfpop"));
    QCOMPARE(popup->isVisible(), button == Qt::RightButton);
    popup->close();
}

void TestGraphPage::copy_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("showEquation");
    QTest::addRow("pop-up Copy") << "copyhalf" << true;
    QTest::addRow("Edit menu Copy Graph") << "Copy2" << true;
    QTest::addRow("equation switched off") << "Copy2" << false;
}

void TestGraphPage::copy()
{
    QFETCH(QString, command);
    QFETCH(bool, showEquation);
    if (!showEquation)
        named<QCheckBox>(m_window->configPage(), QStringLiteral("showecb"))->click();
    openGraph();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("foreign text"));
    const QImage screen = page()->image().copy();

    m_window->findChild<QAction*>(command)->trigger();

    QCOMPARE(page()->image(), screen);
    QVERIFY(clipboard->mimeData()->hasImage());
    QVERIFY(!clipboard->mimeData()->hasText());
    const QImage copied = clipboard->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), QSize(kGraphWidth, kGraphHeight));
    auto differing = [&](const QRect& area) {
        int n = 0;
        const QRect r = area & copied.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += copied.pixel(x, y) != screen.pixel(x, y);
        return n;
    };
    QVERIFY(differing(labelRect("xmax", -4)) > 0);
    QVERIFY(differing(labelRect("xmin", -4)) > 0);
    QVERIFY(differing(labelRect("yax", 0)) > 0);
    QVERIFY(differing(labelRect("yaxis", 0).adjusted(0, 0, 8, 0)) > 0);
    QCOMPARE(differing(labelRect("initially", 0)) > 0, showEquation);
    // Away from the labels the copy is the screen picture.
    QCOMPARE(differing(QRect(400, 100, 200, 200)), 0);
    // Print draws the picture through a painter; drawn into a bitmap that is the copy itself.
    QImage drawn(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    QPainter painter(&drawn);
    page()->paintPicture(painter);
    painter.end();
    QCOMPARE(drawn, copied);
}

void TestGraphPage::editMenuOnlyOnGraphPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addRow("configuration") << 0;
    QTest::addRow("decay chamber") << 1;
    QTest::addRow("collected data table") << 2;
    QTest::addRow("graph") << 3;
    QTest::addRow("edit graph data") << 4;
}

void TestGraphPage::editMenuOnlyOnGraphPage()
{
    QFETCH(int, index);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
    m_window->printer().setOutputFormat(QPrinter::PdfFormat);
    m_window->printer().setOutputFileName(pdf);
    notebook()->setCurrentIndex(index);
    auto* copy2 = m_window->findChild<QAction*>(QStringLiteral("Copy2"));
    auto* print2 = m_window->findChild<QAction*>(QStringLiteral("Print2"));
    QCOMPARE(copy2->isEnabled(), index == 3);
    QCOMPARE(print2->isEnabled(), index == 3);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("keep"));
    copy2->trigger();
    print2->trigger();
    // The commands test the page themselves too, behind the menu's enabled state.
    m_window->Copy2Click();
    m_window->Print2Click();
    QCOMPARE(clipboard->mimeData()->hasImage(), index == 3);
    QCOMPARE(clipboard->text() == QStringLiteral("keep"), index != 3);
    QCOMPARE(QFile::exists(pdf), index == 3);
    QVERIFY(m_notes.errors.isEmpty());
}

void TestGraphPage::printToPdf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("initialCount");  // typed on the graph data page before printing
    QTest::addRow("no name") << "" << "Print2" << "";
    QTest::addRow("name, pop-up Print") << "Ada" << "Print1" << "";
    QTest::addRow("leading blanks kept") << "   Ada" << "Print2" << "";
    QTest::addRow("after a new initial count") << "" << "Print2" << "5000";
}

void TestGraphPage::printToPdf()
{
    QFETCH(QString, name);
    QFETCH(QString, command);
    QFETCH(QString, initialCount);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
    QPrinter& printer = m_window->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QTest::keyClicks(named<QLineEdit>(m_window->whoami(), QStringLiteral("Iam")), name);
    QCOMPARE(m_window->whoami()->userName(), name);
    openGraph();
    if (!initialCount.isEmpty()) {
        notebook()->setCurrentIndex(4);
        auto* icount = named<QLineEdit>(m_window->editorPage(), QStringLiteral("icount"));
        QApplication::setActiveWindow(m_window.get());
        icount->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(icount, initialCount);
        QTabBar* tabs = notebook()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
        QCOMPARE(m_window->simulation().history[1][1], initialCount.toInt());
    }

    m_window->findChild<QAction*>(command)->trigger();

    QVERIFY(m_notes.errors.isEmpty());
    QVERIFY(named<StatusLine>(m_window.get(), QStringLiteral("statusLine"))->sentence().contains(
        QDir::toNativeSeparators(pdf)));
    // Print copies first: the labelled picture is on the clipboard, as a fresh plot draws it.
    const QImage printed = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    m_window->plotggraph();
    QCOMPARE(printed, page()->labelledPicture().convertToFormat(QImage::Format_RGB32));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(bytes), 1);

    // The sheet is rendered at 150 dpi, whatever the printer's resolution.
    const double zoom = 150.0 / printer.resolution();
    const QImage sheet = renderPdf(pdf, 150);
    if (sheet.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    const QPointF origin = printer.pageRect(QPrinter::DevicePixel).topLeft();
    auto onSheet = [&](const QRectF& device) {
        return QRectF((device.topLeft() + origin) * zoom, device.size() * zoom).toRect();
    };
    const double s = (printer.width() - 300.0) / kGraphWidth;
    const QRect picture = inkBounds(sheet, onSheet(QRectF(0, 290, printer.width(), printer.height() - 290)));
    QVERIFY(!picture.isEmpty());
    QVERIFY2(near(picture.left(), 150 + origin.x(), zoom), qPrintable(QString::number(picture.left())));
    QVERIFY2(near(picture.top(), 300 + origin.y(), zoom), qPrintable(QString::number(picture.top())));
    QVERIFY2(near(picture.right() + 1, 150 + origin.x() + int(kGraphWidth * s), zoom),
             qPrintable(QString::number(picture.right())));
    QVERIFY2(near(picture.bottom() + 1, 300 + origin.y() + int(kGraphHeight * s), zoom),
             qPrintable(QString::number(picture.bottom())));
    // Across the page, as a student hands it in.
    QVERIFY2(picture.width() >= 0.8 * sheet.width(),
             qPrintable(QStringLiteral("%1 of %2").arg(picture.width()).arg(sheet.width())));
    const QRect nameLine = inkBounds(sheet, onSheet(QRectF(0, 140, printer.width(), 140)));
    QCOMPARE(nameLine.isEmpty(), name.isEmpty());
    QVERIFY(nameLine.isEmpty() || nameLine.bottom() < picture.top());
    QVERIFY(inkBounds(sheet, onSheet(QRectF(0, 0, printer.width(), 140))).isEmpty());
    // The picture printed is the labelled one Copy makes: the axis titles are on it.
    const double fx = picture.width() / double(kGraphWidth);
    const double fy = picture.height() / double(kGraphHeight);
    for (const QRect& label : {labelRect("yaxis", 0), labelRect("yax", 0).adjusted(0, 2, 0, -1)}) {
        const QRect printed(picture.left() + int(label.left() * fx), picture.top() + int(label.top() * fy),
                            int(label.width() * fx), int(label.height() * fy));
        QVERIFY2(!inkBounds(sheet, printed).isEmpty(),
                 qPrintable(QStringLiteral("label at %1, %2").arg(label.x()).arg(label.y())));
    }
}

void TestGraphPage::printImageGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("controlWidth");
    QTest::addColumn<QString>("name");
    QTest::addRow("as wide as its control") << QSize(681, 377) << 681 << "";
    QTest::addRow("bitmap narrower than its control") << QSize(60, 40) << 100 << "Ada";
    QTest::addRow("bitmap wider than its control") << QSize(150, 30) << 100 << "";
}

void TestGraphPage::printImageGeometry()
{
    QFETCH(QSize, size);
    QFETCH(int, controlWidth);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(72);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::blue);

    QCOMPARE(PrintImage(printer, picture, controlWidth, name), QString());

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(pdfPageCount(file.readAll()), 1);
    const double zoom = 2;
    const QImage sheet = renderPdf(pdf, int(zoom * 72));
    if (sheet.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    const double s = (printer.width() - 300.0) / controlWidth;
    const QRect printed = inkBounds(sheet, QRect(0, 290 * zoom, sheet.width(), sheet.height()));
    QVERIFY(near(printed.left(), 150, zoom));
    QVERIFY(near(printed.top(), 300, zoom));
    QVERIFY2(near(printed.width(), int(size.width() * s), zoom), qPrintable(QString::number(printed.width())));
    QVERIFY2(near(printed.height(), int(size.height() * s), zoom), qPrintable(QString::number(printed.height())));
    const QRect nameLine = inkBounds(sheet, QRect(0, 140 * zoom, sheet.width(), 140 * zoom));
    QCOMPARE(nameLine.isEmpty(), name.isEmpty());
    if (!name.isEmpty())
        QVERIFY(near(nameLine.left(), 0, zoom));
}

void TestGraphPage::printerThatCannotOpen_data()
{
    QTest::addColumn<bool>("throughWindow");
    QTest::addColumn<QString>("target");  // in a fresh folder
    QTest::addColumn<bool>("cutShort");   // writes stop after a few bytes, as on a full disk
    QTest::addRow("PrintImage") << false << "missing/graph.pdf" << false;
    QTest::addRow("Print Graph") << true << "missing/graph.pdf" << false;
    QTest::addRow("Print Graph onto a full disk") << true << "graph.pdf" << true;
}

void TestGraphPage::printerThatCannotOpen()
{
    QFETCH(bool, throughWindow);
    QFETCH(QString, target);
    QFETCH(bool, cutShort);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(target);
    if (throughWindow) {
        m_window->printer().setOutputFormat(QPrinter::PdfFormat);
        m_window->printer().setOutputFileName(pdf);
        openGraph();
        if (cutShort && !test::FileSizeLimit::supported)
            QSKIP("this system cannot cap the size of the files a process writes");
        QVERIFY(test::withWritesCut(cutShort, 1000,
                                    [&] { m_window->findChild<QAction*>(QStringLiteral("Print2"))->trigger(); }));
        QCOMPARE(m_notes.errors.size(), 1);
        QVERIFY(!m_notes.errors.first().isEmpty());
        // The copy half of Print has happened and the program carries on.
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(child("halfgraph")->isVisible());
    } else {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QVERIFY(!PrintImage(printer, picture, 20, QStringLiteral("Ada")).isEmpty());
    }
    QVERIFY(!QFile::exists(pdf));
}

void TestGraphPage::saveGraph_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<bool>("refused");
    QTest::addRow("PNG from the Edit menu") << "graph.png" << false << false;
    QTest::addRow("PNG twice the size") << "graph.png" << true << false;
    QTest::addRow("SVG") << "graph.svg" << false << !VESTOR_SVG;
    QTest::addRow("PDF") << "graph.pdf" << false << false;
    QTest::addRow("no such type") << "graph.txt" << false << true;
    QTest::addRow("no such folder") << "none/graph.png" << false << true;
}

// Saved with the log view, the band and the fit on: the file carries what the screen shows.
void TestGraphPage::saveGraph()
{
    QFETCH(QString, file);
    QFETCH(bool, twice);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    openGraph();
    for (const char* box : {"logcb", "expectedcb", "bestfitcb"})
        QTest::mouseClick(child(box), Qt::LeftButton, {}, QPoint(4, child(box)->height() / 2));
    QVERIFY(child<QCheckBox>("logcb")->isChecked() && !child("xmax")->isVisible());
    const QImage screen = page()->labelledPicture();
    m_notes.chosen = {path};
    if (twice)
        m_window->saveGraph(path, true);
    else
        m_window->findChild<QAction*>(QStringLiteral("SaveGraphAs1"))->trigger();

    QCOMPARE(m_notes.errors.size(), int(refused));
    QCOMPARE(QFile::exists(path), !refused);
    // A sighted student reads where the file went.
    QCOMPARE(named<StatusLine>(m_window.get(), QStringLiteral("statusLine"))->sentence().contains(
                 QDir::toNativeSeparators(path)), !refused);
    const QImage png = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (file.endsWith(QLatin1String(".png")) && !refused)
        QCOMPARE(png.size(), twice ? 2 * screen.size() : screen.size());
    if (file.endsWith(QLatin1String(".png")) && !refused && !twice)
        QCOMPARE(png, screen);
    if (file.endsWith(QLatin1String(".svg"))) {
        if (!runTool(QStringLiteral("rsvg-convert"), {path, QStringLiteral("-b"), QStringLiteral("white"),
                                                      QStringLiteral("-o"), path + QStringLiteral(".png")}))
            QSKIP("rsvg-convert (librsvg2-bin) is not installed");
        const QImage drawn = QImage(path + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), screen.size());
        // Smoothed edges and another rasteriser's text leave a few pixels apart (about 2 %); a band
        // or curve that the drawing lost, or drew outside the plot, many more.
        int off = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = screen.pixel(x, y);
                off += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))})
                       > 25;
            }
        QVERIFY2(off < drawn.width() * drawn.height() / 30, qPrintable(QString::number(off)));
    }
    if (file.endsWith(QLatin1String(".pdf"))) {
        const auto text = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        if (!text)
            QSKIP("pdftotext (poppler-utils) is not installed");
        for (const char* label : {"yax", "initially", "kvalue"})
            QVERIFY2(QString::fromUtf8(*text).contains(child<QLabel>(label)->text()), text->constData());
    }
}

// Counts of 0 are marked under the log axis, where the caption "time" stands: it reads the same
// over them as over none.
void TestGraphPage::timeCaptionReadableOnLogAxis()
{
    openGraph();
    QTest::mouseClick(child("logcb"), Qt::LeftButton, {}, QPoint(4, child("logcb")->height() / 2));
    const auto caption = [this](std::int32_t count) {
        for (int t = 1; t < 10; ++t)
            m_window->simulation().history[t + 1][1] = count;
        page()->plotggraph();
        return page()->grab(child("yax")->geometry()).toImage();
    };
    QCOMPARE(caption(0), caption(50));
}

QTEST_MAIN(TestGraphPage)
#include "test_graphpage.moc"
