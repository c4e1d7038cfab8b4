// The pictures at a device pixel ratio of 2: drawn at the screen's resolution rather than
// enlarged, while the clipboard keeps the picture at its own size.
#include <QApplication>
#include <QClipboard>

#include "core/graphgeometry.h"
#include "support/shownwindow.h"
#include "ui/imageview.h"

using namespace vestor;

class TestRatio : public QObject {
    Q_OBJECT
private slots:
    void picturesAreSharp_data();
    void picturesAreSharp();
};

void TestRatio::picturesAreSharp_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("view");
    QTest::addRow("chamber") << 1 << "ActiveBM";
    QTest::addRow("decayed panel") << 1 << "DecayBM";
    QTest::addRow("graph") << 3 << "halfgraph";
}

void TestRatio::picturesAreSharp()
{
    QFETCH(int, page);
    QFETCH(QString, view);
    test::ShownWindow x(42);
    QVERIFY(QTest::qWaitForWindowExposed(&x.w));
    QCOMPARE(x.w.devicePixelRatio(), 2.0);
    x.clickTab(1);
    x.stepAndRemove(3);
    x.clickTab(page);
    auto* shown = test::named<ImageView>(&x.w, view);
    const QImage grabbed = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grabbed.size(), shown->size() * 2);
    // An enlarged picture is made of uniform 2 × 2 blocks; disc rims and lines drawn at the
    // screen's resolution are not.
    int split = 0;
    for (int y = 0; y + 1 < grabbed.height(); y += 2)
        for (int x0 = 0; x0 + 1 < grabbed.width(); x0 += 2) {
            const QRgb c = grabbed.pixel(x0, y);
            split += grabbed.pixel(x0 + 1, y) != c || grabbed.pixel(x0, y + 1) != c
                     || grabbed.pixel(x0 + 1, y + 1) != c;
        }
    QVERIFY2(split > 20, qPrintable(QString::number(split)));
    if (page == 3) {
        x.w.Copy2Click();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(kGraphWidth, kGraphHeight));
    }
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestRatio test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ratio.moc"
