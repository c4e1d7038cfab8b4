// The program's colours on any desktop: a dark scheme changes nothing on the pages, every enabled
// caption, field and button stays readable, and rows outside the series grey out. The scheme is
// the application's palette, set for the whole process, hence an executable of its own.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <cmath>
#include <optional>

#include "app/aboutbox.h"
#include "app/usernamedialog.h"
#include "config/setdatadialog.h"
#include "support/shownwindow.h"
#include "ui/uicommon.h"

using namespace vestor;
using vestor::test::named;

namespace {

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour of a widget's text and of what it is drawn on: fields and buttons fill their own
// face; captions lie on the nearest filled widget behind them.
std::optional<std::pair<QColor, QColor>> ink(const QWidget* w)
{
    const QPalette& p = w->palette();
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return std::pair(p.color(QPalette::Text), p.color(QPalette::Base));
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w))
        return std::pair(p.color(QPalette::ButtonText), p.color(QPalette::Button));
    const auto* label = qobject_cast<const QLabel*>(w);
    if ((label && !label->text().isEmpty()) || qobject_cast<const QCheckBox*>(w)
        || qobject_cast<const QRadioButton*>(w) || qobject_cast<const QGroupBox*>(w)) {
        const QWidget* behind = w;
        while (!behind->autoFillBackground() && behind->parentWidget())
            behind = behind->parentWidget();
        return std::pair(p.color(QPalette::WindowText), behind->palette().color(behind->backgroundRole()));
    }
    return std::nullopt;
}

bool shows(const QImage& image, const QColor& c)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == c.rgb())
                return true;
    return false;
}

}  // namespace

class TestLook : public QObject {
    Q_OBJECT
private slots:
    void darkScheme();
    void rowsOutsideSeriesGrey_data();
    void rowsOutsideSeriesGrey();
};

void TestLook::darkScheme()
{
    // The text cursor of a focused field would otherwise blink between the two grabs.
    QApplication::setCursorFlashTime(0);
    const QPalette desktop = QApplication::palette();
    const QPalette dark(QColor(239, 240, 241), QColor(49, 54, 59));
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    QList<QImage> shots[2];
    for (int scheme : {0, 1}) {
        QApplication::setPalette(scheme == 0 ? dark : desktop);
        test::ShownWindow win(5);
        for (int page = 0; page < win.nb()->count(); ++page) {
            win.clickTab(page);
            shots[scheme] << win.w.grab().toImage();
            if (scheme == 1)
                continue;
            int checked = 0;
            for (const QWidget* w : win.nb()->currentWidget()->findChildren<QWidget*>()) {
                const auto colours = ink(w);
                if (!colours || !w->isVisible() || !w->isEnabled())
                    continue;
                const auto [text, ground] = *colours;
                // The nuclides' own colours are the design's; nuclide 1's black needs no exception.
                if (std::any_of(kDefaultColors.begin() + 2, kDefaultColors.end(),
                                [&](Color c) { return toQColor(c) == text; }))
                    continue;
                QVERIFY2(contrast(text, ground) >= 4.5, qPrintable(w->objectName()));
                ++checked;
            }
            QVERIFY(checked > 0);
        }
        shots[scheme] << win.w.aboutBox()->grab().toImage() << win.w.whoami()->grab().toImage()
                      << win.w.setDataDialog()->grab().toImage();
    }
    QCOMPARE(shots[0], shots[1]);
}

void TestLook::rowsOutsideSeriesGrey_data()
{
    QTest::addColumn<int>("length");
    for (int length : {1, 3, 5})
        QTest::addRow("%d nuclides", length) << length;
}

void TestLook::rowsOutsideSeriesGrey()
{
    QFETCH(int, length);
    test::ShownWindow win(3);
    // Picked from the opened list, from five, so that every row has been enabled once before.
    auto* dc = named<QComboBox>(&win.w, QStringLiteral("dc"));
    for (int pick : {5, length}) {
        QTest::mouseClick(dc, Qt::LeftButton);
        QTRY_VERIFY(dc->view()->isVisible());
        QTest::keyClick(dc->view(), Qt::Key_Home);
        for (int i = 1; i < pick; ++i)
            QTest::keyClick(dc->view(), Qt::Key_Down);
        QTest::keyClick(dc->view(), Qt::Key_Return);
        QTRY_VERIFY(!dc->view()->isVisible());
    }
    win.clickTab(3);
    for (int k = 1; k <= kMaxNuclides; ++k) {
        auto* box = named<QCheckBox>(&win.w, QStringLiteral("p%1cb").arg(k));
        const QColor colour = toQColor(kDefaultColors[k]);
        const bool on = k <= length;
        if (on && !box->isChecked())
            QTest::mouseClick(box, Qt::LeftButton);
        for (const char* name : {"dclb%1", "dblb%1", "nplb%1", "p%1cb"}) {
            auto* caption = named<QWidget>(&win.w, QString::fromLatin1(name).arg(k));
            const QImage image = caption->grab().toImage();
            QCOMPARE(caption->isEnabled(), on);
            QVERIFY2(shows(image, on ? colour : kDisabledText) && (k == 1 || shows(image, colour) == on),
                     qPrintable(caption->objectName()));
        }
        // The tick is the program's black, never the nuclide's colour.
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QImage tick = box->grab(indicator).toImage();
        QCOMPARE(box->isChecked(), on);
        QVERIFY2(shows(tick, Qt::black) == on && (k == 1 || !shows(tick, colour)), qPrintable(box->objectName()));
    }
}

QTEST_MAIN(TestLook)
#include "test_look.moc"
