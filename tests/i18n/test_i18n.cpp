// Every translation of translations/, loaded as the program loads it: each caption fits its
// widget, the guide is the language's own, and nothing saved or copied differs from English.
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTest>

#include "app/aboutbox.h"
#include "app/language.h"
#include "app/usernamedialog.h"
#include "table/datatablepage.h"
#include "support/shownwindow.h"

using namespace vestor;
using vestor::test::named;

namespace {

QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// The captions of the visible widgets under top that do not fit, with why.
QStringList cutOff(const QWidget* top)
{
    QStringList out;
    const auto check = [&out](const QWidget* w, const QString& text, int need, int have) {
        if (need > have)
            out << QStringLiteral("%1 \"%2\": needs %3, has %4").arg(w->objectName(), text).arg(need).arg(have);
    };
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const QWidget* parent = w->parentWidget();
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            const QString text = l->buddy() ? plain(l->text()) : l->text();
            const QRect box = l->contentsRect();
            if (l->wordWrap()) {
                check(w, text, l->heightForWidth(l->width()), l->height());
                // A word too wide for the label is cut, not wrapped. The letters of the graph's
                // English axis title reach two pixels past its width and show whole.
                for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    check(w, word, fm.tightBoundingRect(word).width(), box.width() + 2);
                continue;
            }
            // Where the letters' ink lands, with a pixel of slack each side for the font's rounding.
            // A label may itself reach past its parent or under a control where its text does not.
            const QSize advance(fm.horizontalAdvance(text), box.height());
            const QRect ink = fm.tightBoundingRect(text).translated(
                QStyle::alignedRect(l->layoutDirection(), l->alignment(), advance, box).x(), 0);
            check(w, text, box.left() - ink.left(), 1);
            check(w, text, ink.right(), box.right() + 1);
            const QRect drawn(l->x() + ink.left(), l->y(), ink.width(), l->height());
            check(w, text, drawn.right(), parent->width() - 1);
            for (const QWidget* o : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if ((qobject_cast<const QAbstractSlider*>(o) || qobject_cast<const QAbstractButton*>(o)
                     || qobject_cast<const QLineEdit*>(o) || qobject_cast<const QComboBox*>(o))
                    && o->isVisible() && drawn.intersects(o->geometry()))
                    check(w, text, drawn.right(), o->x() - 1);
            continue;
        }
        check(w, QStringLiteral("(outside its parent)"), parent->rect().contains(w->geometry()) ? 0 : 1, 0);
        if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
            const auto* b = static_cast<const QAbstractButton*>(w);
            QStyleOptionButton option;
            option.initFrom(b);
            const auto element = qobject_cast<const QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                                    : QStyle::SE_RadioButtonContents;
            check(w, b->text(), fm.horizontalAdvance(plain(b->text())),
                  b->style()->subElementRect(element, &option, b).width());
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            check(w, b->text(), fm.horizontalAdvance(plain(b->text())) + 2 * margin, b->width());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            check(w, g->title(), fm.horizontalAdvance(g->title()) + 16, g->width());
        }
    }
    return out;
}

// Two captions reached at once by Alt and one letter, keyed by their scope and names, with the
// captions to show; and every letter that is no plain ASCII letter or digit, which some keyboard
// in the language's country cannot type with Alt.
void addClashes(QMap<QString, QString>& out, const QString& scope, const QList<std::pair<QString, QString>>& captions)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QKeySequence key = QKeySequence::mnemonic(captions[i].second);
        const QString letter = key.toString().section(QLatin1Char('+'), -1);
        if (!key.isEmpty() && (letter.size() != 1 || letter[0].unicode() > 0x7F || !letter[0].isLetterOrNumber()))
            out.insert(scope + u' ' + captions[i].first, QStringLiteral("%1: \"%2\" is not typed with Alt").arg(scope, captions[i].second));
        for (qsizetype j = i + 1; j < captions.size(); ++j)
            if (!key.isEmpty() && key == QKeySequence::mnemonic(captions[j].second))
                out.insert(QStringLiteral("%1 %2 %3").arg(scope, captions[i].first, captions[j].first),
                           QStringLiteral("%1: \"%2\" and \"%3\"").arg(scope, captions[i].second, captions[j].second));
    }
}

// The captions of top's visible buttons, labels of a field, and those of the menu bar and the
// tabs where top is the main window; a button under a later sibling that covers it is not seen.
QList<std::pair<QString, QString>> lettered(const QWidget* top)
{
    QList<std::pair<QString, QString>> out;
    if (const auto* w = qobject_cast<const MainWindow*>(top)) {
        for (const QAction* a : w->menuBar()->actions())
            if (a->isVisible())
                out.append({a->menu() ? a->menu()->objectName() : a->objectName(), a->text()});
        const QTabBar* bar = named<QTabWidget>(top, QStringLiteral("showNB"))->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            out.append({QStringLiteral("tab%1").arg(i), bar->tabText(i)});
    }
    for (const QWidget* c : top->findChildren<QWidget*>()) {
        const auto* b = qobject_cast<const QAbstractButton*>(c);
        const auto* l = qobject_cast<const QLabel*>(c);
        if (!c->isVisible() || !(b || (l && l->buddy())))
            continue;
        const QObjectList& siblings = c->parentWidget()->children();
        bool covered = false;
        for (qsizetype i = siblings.indexOf(c) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            covered = covered || (above && above->isVisible() && above->geometry().contains(c->geometry()));
        }
        if (!covered)
            out.append({c->objectName(), b ? b->text() : l->text()});
    }
    return out;
}

// Every page of the window in each of its states, with the menu bar and the tabs; every menu and
// submenu, the graph's pop-up menu among them; the dialogs.
QMap<QString, QString> letterClashes()
{
    test::ShownWindow x(3);
    QMap<QString, QString> out;
    for (int page = 0; page < x.nb()->count(); ++page) {
        x.clickTab(page);
        const QString scope = QStringLiteral("page %1").arg(page);
        addClashes(out, scope, lettered(&x.w));
        // The dice group; Remove over Time; Automate's Start and Stop.
        const QList<std::pair<int, const char*>> clicks{{0, "dicerb"}, {1, "Nextbt"}, {1, "Autocb"}, {1, "startbt"}};
        for (const auto& [onPage, name] : clicks) {
            if (onPage == page) {
                QTest::mouseClick(named<QAbstractButton>(&x.w, QLatin1String(name)), Qt::LeftButton);
                addClashes(out, scope, lettered(&x.w));
            }
        }
        if (page == 1)
            QTest::mouseClick(named<QAbstractButton>(&x.w, QStringLiteral("startbt")), Qt::LeftButton);
    }
    QList<QMenu*> menus{named<QMenu>(&x.w, QStringLiteral("halfpop"))};
    for (const QAction* a : x.w.menuBar()->actions())
        menus << a->menu();
    for (qsizetype m = 0; m < menus.size(); ++m) {
        QList<std::pair<QString, QString>> items;
        for (const QAction* a : menus[m]->actions()) {
            // Named by their place in the menu: not every item has an objectName.
            if (a->isVisible() && !a->isSeparator())
                items.append({QString::number(items.size()), a->text()});
            if (a->menu())
                menus << a->menu();
        }
        addClashes(out, QStringLiteral("menu %1 %2").arg(menus[m]->objectName()).arg(m), items);
    }
    for (QDialog* d : std::initializer_list<QDialog*>{x.w.aboutBox(), x.w.whoami()}) {
        d->show();
        addClashes(out, d->objectName(), lettered(d));
        d->hide();
    }
    return out;
}

// A short run as a student makes it; the saved file, the copied table and the equation.
QByteArrayList runAndSave()
{
    test::ShownWindow x(5);
    x.clickTab(1);
    x.stepAndRemove(5);
    x.clickTab(2);
    QTest::mouseClick(named<QPushButton>(&x.w, QStringLiteral("Copybt")), Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    QFile f(path);
    if (!x.w.tablePage()->saveTo(path) || !f.open(QIODevice::ReadOnly))
        return {};
    x.clickTab(3);
    return {f.readAll(), QGuiApplication::clipboard()->text().toUtf8(),
            named<QLabel>(&x.w, QStringLiteral("kvalue"))->text().toUtf8(),
            // The half-life a screen reader hears of its bar: "…, T½ 0.03 steps".
            named<QScrollBar>(&x.w, QStringLiteral("h"))->accessibleName().section(u' ', -2, -2).toUtf8()};
}

}  // namespace

class TestI18n : public QObject {
    Q_OBJECT
private slots:
    void languages_data();
    void captionsFit_data() { languages_data(); }
    void captionsFit();
    void lettersApart_data() { languages_data(); }
    void lettersApart();
    void savedAndCopiedAsInEnglish_data() { languages_data(); }
    void savedAndCopiedAsInEnglish();
    void readmeNamesEveryLanguage();
    void cleanup() { installTranslations(QLocale(QLocale::English)); }
};

void TestI18n::languages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addRow("en") << QString();
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vestor_*.qm")});
    QVERIFY(files.size() >= 7);
    for (const QString& f : files)  // vestor_xx.qm
        QTest::addRow("%s", qPrintable(f.mid(7).chopped(3))) << f.mid(7).chopped(3);
}

void TestI18n::captionsFit()
{
    QFETCH(QString, language);
    QCOMPARE(installTranslations(QLocale(language.isEmpty() ? QStringLiteral("en") : language)), !language.isEmpty());
    // Qt's own dialogs come in the same language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == QStringLiteral("Cancel"), language.isEmpty());
    test::ShownWindow x(11);
    // Every caption the extras show, too.
    x.w.findChild<QAction*>(QStringLiteral("HalfLives1"))->setChecked(true);
    QTabWidget* nb = x.nb();
    QStringList failures;
    for (int page = 0; page < nb->count(); ++page) {
        x.clickTab(page);
        if (page == 3) {
            QTest::mouseClick(named<QCheckBox>(&x.w, QStringLiteral("bestfitcb")), Qt::LeftButton);
            QTest::mouseClick(named<QCheckBox>(&x.w, QStringLiteral("expectedcb")), Qt::LeftButton);
        }
        failures << cutOff(&x.w);
        if (page == 1) {
            // Automate's Start, then its Stop, in the place of Time; then the run stopped again.
            auto* start = named<QPushButton>(&x.w, QStringLiteral("startbt"));
            QTest::mouseClick(named<QCheckBox>(&x.w, QStringLiteral("Autocb")), Qt::LeftButton);
            for (int press = 0; press < 2; ++press, QTest::mouseClick(start, Qt::LeftButton))
                failures << cutOff(&x.w);
            QTest::mouseClick(named<QCheckBox>(&x.w, QStringLiteral("Autocb")), Qt::LeftButton);
        }
        if (page == 0) {
            // The dice group in the percentage group's place.
            QTest::mouseClick(named<QRadioButton>(&x.w, QStringLiteral("dicerb")), Qt::LeftButton);
            failures << cutOff(&x.w);
        }
        const QTabBar* bar = nb->tabBar();
        const int need = bar->fontMetrics().horizontalAdvance(plain(bar->tabText(page)));
        if (need > bar->tabRect(page).width() || bar->tabRect(page).right() >= bar->width())
            failures << QStringLiteral("tab \"%1\"").arg(bar->tabText(page));
    }
    // The graph page's longest text: the best fit's warning of a count that rises. Typed on the
    // Edit Graph Data page, where the loop ends: 200, 100, 50, 60 at times 1 to 4, the last field
    // first, so no untyped field is entered.
    QVERIFY(QTest::qWaitForWindowActive(&x.w));  // a field takes its number when it loses the focus
    auto* np = named<QScrollBar>(&x.w, QStringLiteral("np"));
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(np, Qt::LeftButton, {}, QPoint(np->width() - 4, np->height() / 2));
    for (const int s : {4, 3, 2, 1}) {
        auto* field = named<QLineEdit>(&x.w, QStringLiteral("t%1").arg(s));
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QString::number(s == 4 ? 60 : 400 >> s));
    }
    x.clickTab(3);
    const QString fit = named<QLabel>(&x.w, QStringLiteral("fitlb"))->text();
    QVERIFY2(fit.count(QChar(0xB1)) == 3, qPrintable(fit));  // the fit's two and the warning's
    // The screen writes T½; a screen reader hears the half-life in words.
    QVERIFY(fit.contains(QStringLiteral("T\u00BD")));
    QVERIFY(!named<QScrollBar>(&x.w, QStringLiteral("h"))->accessibleName().contains(QStringLiteral("T\u00BD")));
    failures << cutOff(&x.w);
    // F1 opens the whole guide in the same language, at the graph's section, and every control it
    // names is one this window shows.
    QTest::keyClick(&x.w, Qt::Key_F1);
    const QTextBrowser* help = named<QTextBrowser>(&x.w, QStringLiteral("helpText"));
    QCOMPARE(help->document()->firstBlock().text() == QStringLiteral("Vestor: a student's guide"), language.isEmpty());
    QCOMPARE(help->document()->toPlainText().contains(QStringLiteral("The large picture is the chamber")), language.isEmpty());
    QCOMPARE(help->cursorForPosition(QPoint(4, 4)).block().text(), plain(nb->tabText(3)));
    const qsizetype unfilled = help->document()->toPlainText().indexOf(QLatin1Char('{'));
    QVERIFY2(unfilled < 0, qPrintable(help->document()->toPlainText().mid(unfilled, 40)));
    for (QDialog* d : std::initializer_list<QDialog*>{x.w.aboutBox(), x.w.whoami()}) {
        d->show();
        failures << cutOff(d);
        d->hide();
    }
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// Within one page, menu or dialog no two captions share the letter Alt picks, but for the pairs
// that share one in English too, where the window itself decides which of them answers.
void TestI18n::lettersApart()
{
    QFETCH(QString, language);
    const QMap<QString, QString> english = letterClashes();
    QVERIFY2(english.size() >= 3, qPrintable(QStringList(english.values()).join(u'\n')));
    installTranslations(QLocale(language.isEmpty() ? QStringLiteral("en") : language));
    QStringList extra;
    const QMap<QString, QString> clashes = letterClashes();
    for (auto it = clashes.cbegin(); it != clashes.cend(); ++it)
        if (!english.contains(it.key()))
            extra << it.value();
    QVERIFY2(extra.isEmpty(), qPrintable(extra.join(u'\n')));
}

void TestI18n::savedAndCopiedAsInEnglish()
{
    QFETCH(QString, language);
    if (language.isEmpty())
        QSKIP("English is what the others are compared with");
    QByteArrayList english = runAndSave();
    QCOMPARE(english.size(), 4);
    QVERIFY(english[0].startsWith("time\tP1\r\n0\t400\r\n") && english[1].startsWith("Cycle\tN1\r"));
    QVERIFY(english[2].contains('.') && english[3].contains('.'));
    QVERIFY(installTranslations(QLocale(language)));
    // The equation on screen and the half-life spoken write their decimals as the language does.
    for (const int i : {2, 3})
        english[i].replace('.', QLocale(language).decimalPoint().toUtf8());
    QCOMPARE(runAndSave(), english);
}

// Wherever the README lists the languages, it lists all of them.
void TestI18n::readmeNamesEveryLanguage()
{
    QFile readme(QStringLiteral(VESTOR_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vestor_*.qm")});
    for (const QString& line : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n')))
        for (const QString& f : files) {
            const QString code = f.mid(7).chopped(3);
            if (line.contains(QLatin1String("German")))
                QVERIFY2(line.contains(QLocale::languageToString(QLocale(code).language())), qPrintable(line));
            if (line.contains(QLatin1String("`de/`")))
                QVERIFY2(line.contains(QStringLiteral("`%1/`").arg(code)), qPrintable(line));
        }
}

QTEST_MAIN(TestI18n)
#include "test_i18n.moc"
