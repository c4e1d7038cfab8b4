// The collected data table and the graph data editor, driven through the real main window.
#include <QAction>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QWheelEvent>

#include "app/mainwindow.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"
#include "core/decayanalysis.h"
#include "core/tabletext.h"
#include "support/filesizelimit.h"
#include "support/shownwindow.h"
#include "ui/announcer.h"

using namespace vestor;
using vestor::test::named;
using Rows = QList<QList<int>>;  // counts per time from time 1, nuclides 1.. in order

namespace {

struct Window : test::ShownWindow {
    Window() : ShownWindow(7) {}
    template <typename T>
    T* get(const QString& name) const
    {
        return named<T>(&w, name);
    }
    QLineEdit* slot(int s) const { return get<QLineEdit>(QStringLiteral("t%1").arg(s)); }
    QScrollBar* np() const { return get<QScrollBar>(QStringLiteral("np")); }
    QScrollBar* tsb() const { return get<QScrollBar>(QStringLiteral("tsb")); }
    QPlainTextEdit* memo() const { return get<QPlainTextEdit>(QStringLiteral("datamemo")); }
    std::int32_t& at(int t, int k) { return w.simulation().history[t + 1][k]; }

    // Starts a run of the given series through the configuration page and the page-change rule.
    void run(int length, const QList<int>& initial, int percent = 50)
    {
        get<QComboBox>(QStringLiteral("dc"))->setCurrentIndex(length - 1);
        w.configPage()->dcChange();
        for (int k = 1; k <= initial.size(); ++k)
            get<QScrollBar>(QStringLiteral("NPsb%1").arg(k))->setValue(initial[k - 1]);
        get<QScrollBar>(QStringLiteral("HLsb1"))->setValue(percent);
        page(0);
        page(1);
        QVERIFY(!w.configChanged());
    }
    void steps(int count)
    {
        for (int i = 0; i < count; ++i) {
            w.chamberPage()->NextbtClick();
            w.chamberPage()->RemovebtClick();
        }
        QCOMPARE(w.simulation().timeIndex, count + 1);
    }
    void focus(QWidget* target)
    {
        QApplication::setActiveWindow(&w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
    }
};

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

}  // namespace

class TestTablePages : public QObject {
    Q_OBJECT
private slots:
    void outputs_data();
    void outputs();
    void copyHighlighted_data();
    void copyHighlighted();
    void rebuildTriggers_data();
    void rebuildTriggers();
    void saveReplacesFile();
    void failedSaveKeepsFiles_data();
    void failedSaveKeepsFiles();
    void hundredDataPoints();
    void slotsFollowN_data();
    void slotsFollowN();
    void entries_data();
    void entries();
    void maximumLeavesTimeN_data();
    void maximumLeavesTimeN();
    void otherNuclide_data();
    void otherNuclide();
    void enterKey_data();
    void enterKey();
    void recordedDataKept_data();
    void recordedDataKept();
    void poolSavedRuns_data();
    void poolSavedRuns();
    void typingWhileTimesMove_data();
    void typingWhileTimesMove();
    void exampleInView();
};

void TestTablePages::outputs_data()
{
    QTest::addColumn<int>("earlier");  // a longer series run first, with its third box checked
    QTest::addColumn<int>("series");
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QByteArray>("file");

    const Rows steps{{371, 29}, {344, 54}, {320, 76}};
    QTest::addRow("worked example") << 0 << 2 << QList<int>{400, 0} << steps << "2" << 3
                                    << QByteArray("Cycle\tN1\tN2\r\r\n0\t400\t0\r\n1\t371\t29\r\n2\t344\t54")
                                    << QByteArray("time\tP1\tP2\r\n0\t400\t0\r\n1\t371\t29\r\n2\t344\t54\r\n"
                                                  "3\t320\t76\r\n");
    QTest::addRow("one data point") << 0 << 1 << QList<int>{250} << Rows{{240}} << "" << 1
                                    << QByteArray("Cycle\tN1\r\r\n0\t250")
                                    << QByteArray("time\tP1\r\n0\t250\r\n1\t240\r\n");
    QTest::addRow("third box from a longer series")
        << 3 << 2 << QList<int>{400, 0, 55} << Rows{{371, 29}} << "2" << 2
        << QByteArray("Cycle\tN1\tN2\r\r\n0\t400\t0\r\n1\t371\t29")
        << QByteArray("time\tP1\tP2\tP3\r\n0\t400\t0\t55\r\n1\t371\t29\t0\r\n2\t0\t0\t0\r\n");
}

void TestTablePages::outputs()
{
    QFETCH(int, earlier);
    QFETCH(int, series);
    QFETCH(QList<int>, initial);
    QFETCH(Rows, rows);
    QFETCH(QString, clicks);
    QFETCH(int, n);
    QFETCH(QByteArray, listing);
    Window x;
    if (earlier) {
        x.run(earlier, initial);
        x.get<QCheckBox>(QStringLiteral("p13cb"))->click();
    }
    x.run(series, initial);
    for (const QChar box : clicks)
        x.get<QCheckBox>(QStringLiteral("p1%1cb").arg(box))->click();
    for (int t = 1; t <= rows.size(); ++t)
        for (int k = 1; k <= rows[t - 1].size(); ++k)
            x.at(t, k) = rows[t - 1][k - 1];
    x.np()->setValue(n);
    x.page(2);
    QCOMPARE(x.w.tablePage()->listing().toLatin1(), listing);

    // On screen: the header line, then one line per row.
    const QList<QByteArray> lines = listing.split('\n');
    QCOMPARE(x.memo()->document()->blockCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(x.memo()->document()->findBlockByNumber(i).text().toLatin1(), lines[i].trimmed());

    x.get<QPushButton>(QStringLiteral("Copybt"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text().toLatin1(), listing);
    const QTextCursor all = x.memo()->textCursor();
    QCOMPARE(all.selectionStart(), 0);
    QCOMPARE(all.selectionEnd(), x.memo()->document()->characterCount() - 1);
    QCOMPARE(x.memo()->document()->blockCount(), lines.size());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    QVERIFY(x.w.tablePage()->saveTo(path));
    QTEST(contents(path), "file");
    QVERIFY(x.notifier.errors.isEmpty());
}

void TestTablePages::copyHighlighted_data()
{
    QTest::addColumn<QPoint>("from");  // (column, line) in the memo
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("copied");

    QTest::addRow("part of a row") << QPoint(2, 2) << QPoint(5, 2) << "371";
    QTest::addRow("whole row") << QPoint(0, 2) << QPoint(8, 2) << "1\t371\t29";
    QTest::addRow("across a line end") << QPoint(0, 1) << QPoint(8, 2) << "0\t400\t0\r\n1\t371\t29";
    QTest::addRow("header into first row") << QPoint(0, 0) << QPoint(1, 1) << "Cycle\tN1\tN2\r\n0";
    QTest::addRow("selected backwards") << QPoint(3, 3) << QPoint(3, 2) << "71\t29\r\n2\t3";
    QTest::addRow("nothing selected") << QPoint(3, 2) << QPoint(3, 2) << "before";
}

void TestTablePages::copyHighlighted()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    Window x;
    x.run(2, {400, 0});
    x.at(1, 1) = 371, x.at(1, 2) = 29, x.at(2, 1) = 344, x.at(2, 2) = 54;
    x.get<QCheckBox>(QStringLiteral("p12cb"))->click();
    x.np()->setValue(3);
    x.page(2);
    const QString shown = x.memo()->toPlainText();
    QCOMPARE(shown.count(QLatin1Char('\n')), 3);

    QTextCursor c(x.memo()->document());
    c.setPosition(x.memo()->document()->findBlockByNumber(from.y()).position() + from.x());
    c.setPosition(x.memo()->document()->findBlockByNumber(to.y()).position() + to.x(), QTextCursor::KeepAnchor);
    x.memo()->setTextCursor(c);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    x.get<QPushButton>(QStringLiteral("copyselbt"))->click();
    QTEST(QGuiApplication::clipboard()->text(), "copied");
    QCOMPARE(x.memo()->toPlainText(), shown);
}

void TestTablePages::rebuildTriggers_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("rebuilds");

    QTest::addRow("box clicked") << "box" << true;
    QTest::addRow("table page shown") << "page 2" << true;
    QTest::addRow("N changed") << "np" << true;
    QTest::addRow("graph page shown") << "page 3" << false;
    QTest::addRow("editor page shown") << "page 4" << false;
    QTest::addRow("slot left") << "slot" << false;
}

void TestTablePages::rebuildTriggers()
{
    QFETCH(QString, trigger);
    QFETCH(bool, rebuilds);
    Window x;
    x.run(2, {400, 0});
    x.np()->setValue(2);
    const QString before = x.w.tablePage()->listing();
    // Text is selected on the table's page, then the student goes elsewhere.
    x.page(2);
    x.memo()->selectAll();
    x.page(1);
    x.at(0, 1) = 777;

    if (trigger == QLatin1String("box"))
        x.get<QCheckBox>(QStringLiteral("p12cb"))->click();
    else if (trigger.startsWith(QLatin1String("page")))
        x.page(trigger.back().digitValue());
    else if (trigger == QLatin1String("np"))
        x.np()->setValue(3);
    else
        x.w.editorPage()->t1Exit(1);

    QCOMPARE(x.w.tablePage()->listing().contains(QLatin1String("\r\n0\t777")), rebuilds);
    QCOMPARE(x.w.tablePage()->listing() == before, !rebuilds);
    QCOMPARE(x.memo()->textCursor().hasSelection(), !rebuilds);
}

void TestTablePages::saveReplacesFile()
{
    Window x;
    x.run(1, {400});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    QVERIFY(writeFile(path, QByteArray(300, 'x')));
    QVERIFY(x.w.tablePage()->saveTo(path));
    QCOMPARE(contents(path), QByteArray("time\tP1\r\n0\t400\r\n1\t0\r\n"));

    x.at(1, 1) = 371, x.at(2, 1) = 344;
    x.np()->setValue(2);
    QVERIFY(x.w.tablePage()->saveTo(path));
    QCOMPARE(contents(path), QByteArray("time\tP1\r\n0\t400\r\n1\t371\r\n2\t344\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.txt")});
    QVERIFY(x.notifier.errors.isEmpty());
}

void TestTablePages::failedSaveKeepsFiles_data()
{
    QTest::addColumn<QString>("target");  // relative to a fresh directory, or absolute
    QTest::addColumn<QString>("kept");    // a file that must stay byte for byte
    QTest::addColumn<bool>("cutShort");   // writes stop after a few bytes, as on a full disk

    QTest::addRow("missing directory") << "absent/data.txt" << "data.txt" << false;
    QTest::addRow("path is a directory") << "folder" << "data.txt" << false;
    QTest::addRow("read-only file in a read-only directory") << "locked/data.txt" << "locked/data.txt" << false;
    QTest::addRow("system file") << "/proc/version" << "/proc/version" << false;
    QTest::addRow("write cut short") << "data.txt" << "data.txt" << true;
}

void TestTablePages::failedSaveKeepsFiles()
{
    QFETCH(QString, target);
    QFETCH(QString, kept);
    QFETCH(bool, cutShort);
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")) && QDir(dir.path()).mkpath(QStringLiteral("locked")));
    target = QDir(dir.path()).filePath(target);
    kept = QDir(dir.path()).filePath(kept);
    QVERIFY(writeFile(dir.filePath(QStringLiteral("data.txt")), "old\tfile\r\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("locked/data.txt")), "locked\tfile\r\n"));
    // A writable file in a folder that takes no new files is written in place: this one is not.
    QFile::setPermissions(locked + QStringLiteral("/data.txt"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                      | QFile::ReadOther | QFile::ExeOther);
    const auto unlock = qScopeGuard(
        [&] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (target.startsWith(locked) && writeFile(locked + QStringLiteral("/probe"), "x"))
        QSKIP("directory permissions do not stop this user (root, or on Windows) from writing");
    if (!QFile::exists(kept))
        QSKIP("no such system file here");
    const QByteArray old = contents(kept);

    Window x;
    x.run(1, {400});
    bool saved = true;
    if (cutShort && !test::FileSizeLimit::supported)
        QSKIP("this system cannot cap the size of the files a process writes");
    QVERIFY(test::withWritesCut(cutShort, 16, [&] { saved = x.w.tablePage()->saveTo(target); }));

    QVERIFY(!saved);
    QCOMPARE(contents(kept), old);
    QCOMPARE(x.notifier.errors.size(), 1);
    QVERIFY2(x.notifier.errors[0].contains(target), qPrintable(x.notifier.errors[0]));
    QVERIFY(!x.notifier.errors[0].section(QLatin1String(":\n"), 1).trimmed().isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("absent"))));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.txt")});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.txt")});
}

void TestTablePages::hundredDataPoints()
{
    Window x;
    x.run(1, {400});
    x.at(kLastTime, 1) = 7000;
    x.np()->setValue(100);
    QCOMPARE(x.w.simulation().nuclideMax[1], 7000);

    QVERIFY(x.w.tablePage()->listing().endsWith(QLatin1String("\r\n98\t0\r\n99\t7000")));
    QTemporaryDir dir;
    QVERIFY(x.w.tablePage()->saveTo(dir.filePath(QStringLiteral("d.txt"))));
    QVERIFY(contents(dir.filePath(QStringLiteral("d.txt"))).endsWith("\r\n98\t0\r\n99\t7000\r\n"));

    QCOMPARE(x.tsb()->maximum(), 85);
    x.tsb()->setValue(85);
    QCOMPARE(x.get<QLabel>(QStringLiteral("Label18"))->text(), QStringLiteral("t = 99"));
    QCOMPARE(x.slot(14)->text(), QStringLiteral("7000"));
    QVERIFY(!x.slot(15)->isVisibleTo(x.w.editorPage()));
    QVERIFY(!x.get<QLabel>(QStringLiteral("Label19"))->isVisibleTo(x.w.editorPage()));
    x.slot(14)->setText(QStringLiteral("7100"));
    x.w.editorPage()->t1Exit(14);
    QCOMPARE(x.at(kLastTime, 1), 7100);
    QCOMPARE(x.w.simulation().nuclideMax[1], 7100);
}

void TestTablePages::slotsFollowN_data()
{
    QTest::addColumn<int>("firstN");
    QTest::addColumn<int>("position");  // of tsb, set after the first N
    QTest::addColumn<int>("finalN");    // 0: N stays
    QTest::addColumn<int>("tsbMaximum");
    QTest::addColumn<int>("firstTime");
    QTest::addColumn<int>("shown");

    QTest::addRow("N 20, first page") << 20 << 0 << 0 << 5 << 1 << 15;
    QTest::addRow("N 20, last page") << 20 << 5 << 0 << 5 << 6 << 15;
    QTest::addRow("N 20 lowered to 10") << 20 << 5 << 10 << 0 << 1 << 10;
    QTest::addRow("N 16, second page") << 16 << 1 << 0 << 1 << 2 << 15;
    QTest::addRow("N 5 back to 1") << 5 << 0 << 1 << 0 << 1 << 1;
    QTest::addRow("N 100, last page") << 100 << 85 << 0 << 85 << 86 << 14;
}

void TestTablePages::slotsFollowN()
{
    QFETCH(int, firstN);
    QFETCH(int, position);
    QFETCH(int, finalN);
    QFETCH(int, firstTime);
    QFETCH(int, shown);
    static const char* const labels[] = {"",        "Label4",  "Label12", "Label13", "Label9",  "Label10",
                                         "Label8",  "Label7",  "Label6",  "Label5",  "Label11", "Label15",
                                         "Label16", "Label17", "Label18", "Label19"};
    Window x;
    x.run(1, {400});
    for (int t = 0; t <= kLastTime; ++t)
        x.at(t, 1) = 1000 + t;
    x.np()->setValue(firstN);
    x.tsb()->setValue(position);
    if (finalN)
        x.np()->setValue(finalN);
    const int n = finalN ? finalN : firstN;

    QCOMPARE(x.get<QLineEdit>(QStringLiteral("maxp"))->text(), QString::number(n));
    QTEST(x.tsb()->maximum(), "tsbMaximum");
    QCOMPARE(x.tsb()->value(), firstTime - 1);
    QCOMPARE(x.get<QLineEdit>(QStringLiteral("icount"))->text(), QStringLiteral("1000"));
    for (int s = 1; s <= 15; ++s) {
        auto* label = x.get<QLabel>(QLatin1String(labels[s]));
        QCOMPARE(x.slot(s)->isVisibleTo(x.w.editorPage()), s <= shown);
        QCOMPARE(label->isVisibleTo(x.w.editorPage()), s <= shown);
        if (s <= shown) {
            QCOMPARE(label->text(), QStringLiteral("t = %1").arg(firstTime + s - 1));
            QCOMPARE(x.slot(s)->text(), QString::number(1000 + firstTime + s - 1));
        }
    }
}

void TestTablePages::entries_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byFocus");  // leave by moving the focus instead of calling the handler
    QTest::addColumn<int>("stored");    // -1: rejected
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("replots");

    QTest::addRow("slot, minus 250") << "t3" << "-250" << false << 250 << "250" << 400 << true;
    QTest::addRow("slot, minus 250 by focus") << "t3" << "-250" << true << 250 << "250" << 400 << true;
    QTest::addRow("slot, leading zeros") << "t3" << "007" << false << 7 << "7" << 400 << true;
    QTest::addRow("slot, largest") << "t3" << " 2147483647" << false << 2147483647 << "2147483647" << 2147483647
                                   << true;
    QTest::addRow("slot, letters") << "t3" << "abc" << false << -1 << "0" << 400 << true;
    QTest::addRow("slot, letters by focus") << "t3" << "abc" << true << -1 << "0" << 400 << true;
    QTest::addRow("slot, empty") << "t3" << "" << false << -1 << "0" << 400 << true;
    QTest::addRow("slot, lowest 32-bit") << "t3" << "-2147483648" << false << -1 << "0" << 400 << true;
    QTest::addRow("initial, minus 640") << "icount" << "-640" << false << 640 << "640" << 640 << false;
    QTest::addRow("initial, letters") << "icount" << "abc" << false << -1 << "100" << 400 << false;
    QTest::addRow("initial, letters by focus") << "icount" << "abc" << true << -1 << "100" << 400 << false;
    QTest::addRow("initial, fraction") << "icount" << "1.5" << false << -1 << "100" << 400 << false;
    QTest::addRow("initial, too large") << "icount" << "2147483648" << false << -1 << "100" << 400 << false;
}

void TestTablePages::entries()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, byFocus);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(bool, replots);
    Window x;
    x.run(1, {400});
    x.np()->setValue(5);
    x.page(4);
    // Written behind the graph's back, after it was drawn: any replot shows it.
    const QImage before = x.w.graphPage()->image().copy();
    x.at(2, 1) = 300;
    auto expected = x.w.simulation().history;

    auto* edit = x.get<QLineEdit>(field);
    if (byFocus) {
        x.focus(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    } else {
        edit->setText(text);
    }
    if (byFocus)
        x.np()->setFocus();
    else if (field == QLatin1String("icount"))
        x.w.editorPage()->icountExit();
    else
        x.w.editorPage()->t1Exit(3);

    QTRY_COMPARE(edit->text(), shown);
    if (stored >= 0)
        expected[field == QLatin1String("icount") ? 1 : 4][1] = stored;
    QVERIFY(x.w.simulation().history == expected);
    QTEST(x.w.simulation().nuclideMax[1], "maximum");
    QCOMPARE(x.notifier.warnings, stored >= 0 ? QStringList() : QStringList{QStringLiteral("Enter an integer!!")});
    QCOMPARE(x.w.graphPage()->image() != before, replots);
}

void TestTablePages::maximumLeavesTimeN_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("maximum");  // before N changes again

    QTest::addRow("time N - 1") << 4 << 5000;
    QTest::addRow("time N") << 5 << 400;
}

void TestTablePages::maximumLeavesTimeN()
{
    QFETCH(int, slot);
    Window x;
    x.run(1, {400});
    x.np()->setValue(5);
    x.slot(slot)->setText(QStringLiteral("5000"));
    x.w.editorPage()->t1Exit(slot);
    QCOMPARE(x.at(slot, 1), 5000);
    QTEST(x.w.simulation().nuclideMax[1], "maximum");
    x.np()->setValue(6);
    QCOMPARE(x.w.simulation().nuclideMax[1], 5000);
    QCOMPARE(x.slot(slot)->text(), QStringLiteral("5000"));
}

void TestTablePages::otherNuclide_data()
{
    QTest::addColumn<int>("nuclide");

    QTest::addRow("Nuclide 2") << 2;
    QTest::addRow("Nuclide 4") << 4;
    QTest::addRow("Nuclide 5") << 5;
}

void TestTablePages::otherNuclide()
{
    QFETCH(int, nuclide);
    Window x;
    x.run(2, {400, 100});
    x.np()->setValue(3);
    x.at(0, nuclide) = 44;
    x.at(2, nuclide) = 77;
    x.get<QComboBox>(QStringLiteral("showdd"))->setCurrentIndex(nuclide - 1);
    QCOMPARE(x.get<QGroupBox>(QStringLiteral("datagb"))->title(),
             QStringLiteral("Nuclide %1\u00B4s Data").arg(nuclide));
    QCOMPARE(x.get<QLineEdit>(QStringLiteral("icount"))->text(), QStringLiteral("44"));
    QCOMPARE(x.slot(2)->text(), QStringLiteral("77"));
    QCOMPARE(x.slot(1)->text(), QStringLiteral("0"));

    x.slot(2)->setText(QStringLiteral("-88"));
    x.w.editorPage()->t1Exit(2);
    x.get<QLineEdit>(QStringLiteral("icount"))->setText(QStringLiteral("-9"));
    x.w.editorPage()->icountExit();
    QCOMPARE(x.at(2, nuclide), 88);
    QCOMPARE(x.at(0, nuclide), 9);
    QCOMPARE(x.at(0, 1), 400);
    QCOMPARE(x.at(2, 1), 0);
    QCOMPARE(x.w.simulation().nuclideMax[1], 400);
}

void TestTablePages::enterKey_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("n");   // set by hand after the steps; 0: as the steps left it
    QTest::addColumn<int>("from");  // slot; 0: icount
    QTest::addColumn<int>("to");

    QTest::addRow("three steps, wraps to 1") << 3 << 0 << 3 << 1;
    QTest::addRow("three steps, 1 to 2") << 3 << 0 << 1 << 2;
    QTest::addRow("no step taken") << 0 << 3 << 1 << 1;
    QTest::addRow("target above 15") << 16 << 0 << 15 << 15;
    QTest::addRow("hidden target") << 3 << 2 << 2 << 2;
    QTest::addRow("Enter in the initial count") << 3 << 0 << 0 << 0;
}

void TestTablePages::enterKey()
{
    QFETCH(int, steps);
    QFETCH(int, n);
    QFETCH(int, from);
    QFETCH(int, to);
    Window x;
    x.run(1, {400}, 5);
    x.steps(steps);
    if (n)
        x.np()->setValue(n);
    x.page(4);
    QWidget* start = from ? x.slot(from) : x.get<QLineEdit>(QStringLiteral("icount"));
    QWidget* target = to ? x.slot(to) : x.get<QLineEdit>(QStringLiteral("icount"));
    x.focus(start);
    // The newest recorded time shows its recorded count, not what the slot held before the
    // step wrote it: leaving that slot must not put a stale value over it.
    if (steps > 0 && steps <= 15 && !n)
        QCOMPARE(x.slot(steps)->text(), QString::number(x.w.simulation().history[steps + 1][1]));
    // Leaving a slot stores what it shows.
    auto expected = x.w.simulation().history;
    if (from != to)
        expected[from + 1][1] = x.slot(from)->text().toInt();

    QTest::keyClick(start, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QVERIFY(x.w.simulation().history == expected);
    QVERIFY(x.notifier.warnings.isEmpty());
}

// What a student does that must leave the recorded counts alone, or change exactly the one
// value typed: tabs clicked, fields clicked through, N narrowed with the wheel under a focused
// field. Qt hands each page's focus back when the page is shown again.
enum class Visit { SettingsLookedAt, FieldsClickedThrough, NarrowedUnderFocus, NarrowedAfterTyping };

void TestTablePages::recordedDataKept_data()
{
    QTest::addColumn<Visit>("visit");
    QTest::addColumn<int>("typedAt");  // the time that takes the typed 777, or -1
    QTest::addRow("settings looked at") << Visit::SettingsLookedAt << -1;
    QTest::addRow("fields clicked through") << Visit::FieldsClickedThrough << -1;
    QTest::addRow("N narrowed under a focused field") << Visit::NarrowedUnderFocus << -1;
    QTest::addRow("N narrowed after typing") << Visit::NarrowedAfterTyping << 16;
}

void TestTablePages::recordedDataKept()
{
    QFETCH(Visit, visit);
    QFETCH(int, typedAt);
    Window x;
    QTabBar* tabs = x.nb()->tabBar();
    auto clickTab = [&](int i) { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center()); };
    auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); };
    auto steps = [&](int count) {
        for (int i = 0; i < count; ++i) {
            click(x.get<QPushButton>(QStringLiteral("Nextbt")));
            if (x.w.chamberPage()->removeBroughtOut())
                click(x.get<QPushButton>(QStringLiteral("Removebt")));
        }
    };
    x.focus(x.nb());
    // Slow decay, so that seventeen times can be recorded.
    auto* chance = x.get<QScrollBar>(QStringLiteral("HLsb1"));
    chance->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(chance, Qt::Key_Home);
    // A series length chosen from the list with the mouse, then a new run on the chamber page.
    auto* dc = x.get<QComboBox>(QStringLiteral("dc"));
    click(dc);
    QTRY_VERIFY(dc->view()->isVisible());
    QTest::keyClick(dc->view(), Qt::Key_Down);
    QTest::keyClick(dc->view(), Qt::Key_Return);
    QCOMPARE(dc->currentIndex(), 1);
    clickTab(1);
    const int recorded = visit == Visit::SettingsLookedAt ? 3 : visit == Visit::FieldsClickedThrough ? 1 : 17;
    steps(recorded);
    QCOMPARE(x.w.simulation().timeIndex, recorded + 1);
    auto expected = x.w.simulation().history;

    if (visit == Visit::SettingsLookedAt) {
        clickTab(0);
        QCOMPARE(QApplication::focusWidget(), dc);
        clickTab(3);
    } else if (visit == Visit::FieldsClickedThrough) {
        clickTab(4);
        click(x.slot(1));
        click(x.get<QLineEdit>(QStringLiteral("icount")));
        clickTab(3);
    } else {
        clickTab(4);
        // The bar's left arrow takes N from 17 to 16; End pages to the last times.
        QTest::mouseClick(x.np(), Qt::LeftButton, {}, QPoint(3, x.np()->height() / 2));
        x.tsb()->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(x.tsb(), Qt::Key_End);
        QCOMPARE(x.get<QLabel>(QStringLiteral("Label19"))->text(), QStringLiteral("t = 16"));
        click(x.slot(15));
        if (typedAt >= 0) {
            x.slot(15)->selectAll();
            QTest::keyClicks(x.slot(15), QStringLiteral("777"));
            expected[typedAt + 1][1] = 777;
        }
        // One notch of the wheel, three steps, moves the bar without taking the field's focus.
        const QPoint at = x.np()->rect().center();
        QWheelEvent wheel(at, x.np()->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(x.np(), &wheel);
        QCOMPARE(x.np()->value(), 13);
        QVERIFY(!x.slot(15)->isVisible());
        clickTab(3);
    }
    QVERIFY(x.w.simulation().history == expected);
    QCOMPARE(x.w.simulation().timeIndex, recorded + 1);
}

void TestTablePages::poolSavedRuns_data()
{
    QTest::addColumn<QList<QByteArray>>("files");  // a null one is never written
    QTest::addColumn<Rows>("sums");                // nuclides 1 and 2 from time 0; none: refused
    QTest::addColumn<QString>("message");          // part of the report or the refusal

    const QByteArray saved = "time\tP1\tP2\r\n0\t400\t0\r\n1\t371\t29\r\n2\t344\t54\r\n";
    const QByteArray resaved = "\xEF\xBB\xBFtime;P2\n0;10\n1;7\n";
    const QByteArray commas = "time, P1\r\n0, 500\r\n1 ,460\r\n2,430\r\n3,400";
    QByteArray long120 = "time\tP1\r\n";
    Rows first100;
    for (int t = 0; t <= 120; ++t)
        long120 += QByteArray::number(t) + '\t' + QByteArray::number(2 * t) + "\r\n";
    for (int t = 0; t <= kLastTime; ++t)
        first100 << QList<int>{2 * t, 0};
    QTest::addRow("three groups") << QList<QByteArray>{saved, resaved, commas}
                                  << Rows{{900, 10}, {831, 36}, {774, 54}, {400, 0}}
                                  << "Pooled 3 files: 4 times, 0 to 3. A shorter run adds nothing";
    QTest::addRow("one file, N as it was") << QList<QByteArray>{saved} << Rows{{400, 0}, {371, 29}, {344, 54}}
                                           << "Pooled 1 file: 3 times, 0 to 2.";
    QTest::addRow("times past 99") << QList<QByteArray>{long120} << first100 << "Times past 99 were left out.";
    QTest::addRow("times out of order") << QList<QByteArray>{saved, "time\tP1\r\n0\t5\r\n2\t4\r\n"} << Rows{}
                                        << "file2.txt, line 3: time 2 stands where time 1 belongs";
    QTest::addRow("sum past 32 bits") << QList<QByteArray>{saved, "time\tP2\n0\t1\n\n1\t2147483647\n"} << Rows{}
                                      << "file2.txt, line 4: its count of nuclide 2 at time 1";
    QTest::addRow("larger than 1 MB") << QList<QByteArray>{saved, QByteArray(int(kRunFileLimit) + 1, '0')} << Rows{}
                                      << "file2.txt: it is larger than 1 MB";
    QTest::addRow("no such file") << QList<QByteArray>{saved, QByteArray()} << Rows{} << "file2.txt cannot be read";
    QTest::addRow("dialog cancelled") << QList<QByteArray>{} << Rows{} << "";
    QTest::addRow("a file of times only") << QList<QByteArray>{saved, "time\r\n0\r\n1\r\n"} << Rows{}
                                          << "file2.txt, line 1: it has the times but no column of counts";
    QTest::addRow("columns that differ") << QList<QByteArray>{saved, resaved} << Rows{{400, 10}, {371, 36}, {344, 54}}
                                         << "file2.txt has no counts of nuclide 1";
    QTest::addRow("quoted by a spreadsheet")
        << QList<QByteArray>{"\"time\",\"P1\",\"P2\"\r\n\"0\",\"400\",\"0\"\r\n\"1\",\"371\",\"29\"\r\n"}
        << Rows{{400, 0}, {371, 29}} << "Pooled 1 file: 2 times";
    QTest::addRow("used range padded") << QList<QByteArray>{"time;P1;;\n0;12;;\n;;;\n1;10;;\n", "time,P1,,\n0,3,,\n,,\n"}
                                       << Rows{{15, 0}, {10, 0}} << "Pooled 2 files: 2 times";
    QTest::addRow("Unicode text, headings in any case, zero decimals")
        << QList<QByteArray>{QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(
               u"Time\tp1\tP2\r\n0\t12.00\t1\r\n1\t11.0\t2\r\n")}
        << Rows{{12, 1}, {11, 2}} << "Pooled 1 file: 2 times";
    QTest::addRow("a fraction") << QList<QByteArray>{"time,P1\n0,12.5\n"} << Rows{}
                                << "file1.txt, line 2: \"12.5\" is not a whole number";
    QTest::addRow("empty cells, at a line's end and inside")
        << QList<QByteArray>{"time,P1,P2\r\n0,500,\r\n1,,7\r\n2,400,9\r\n"} << Rows{{500, 0}, {0, 7}, {400, 9}}
        << "file1.txt has empty cells (2); they add nothing.";
    QTest::addRow("a line without its time") << QList<QByteArray>{"time,P1\n0,500\n,400\n"} << Rows{}
                                             << "file1.txt, line 3: the time is missing.";
}

void TestTablePages::poolSavedRuns()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(Rows, sums);
    QFETCH(QString, message);
    Window x;
    x.run(2, {300, 20});
    x.steps(6);
    QTemporaryDir dir;
    for (int i = 0; i < files.size(); ++i) {
        x.notifier.chosen << dir.filePath(QStringLiteral("file%1.txt").arg(i + 1));
        QVERIFY(files[i].isNull() || writeFile(x.notifier.chosen.last(), files[i]));
    }
    const History before = x.sim().history;
    const int n = x.np()->value();

    // Extras ▸ Pool Saved Runs… from the keyboard, on the graph page, with a setting changed
    // that waits for the next page change.
    x.clickTab(3);
    x.get<QScrollBar>(QStringLiteral("HLsb1"))->setValue(20);
    QVERIFY(x.w.configChanged());
    x.focus(x.nb()->tabBar());
    QTest::keyClick(&x.w, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    QTRY_VERIFY(!QApplication::activePopupWidget());

    const QStringList said = x.notifier.warnings + x.notifier.reports + x.notifier.errors;
    QCOMPARE(said.size(), message.isEmpty() ? 0 : 1);
    QVERIFY2(said.isEmpty() || said[0].contains(message), qPrintable(said.value(0)));
    if (sums.isEmpty()) {
        QVERIFY(x.sim().history == before && x.np()->value() == n);
        return;
    }
    // The sums are the graph data: the editor, the listing and the graph's scale show them.
    QCOMPARE(x.np()->value(), sums.size());
    int highest = 100;
    for (int t = 0; t < sums.size(); ++t) {
        QCOMPARE((QList<int>{x.at(t, 1), x.at(t, 2)}), sums[t]);
        QVERIFY(x.w.tablePage()->listing().contains(QStringLiteral("\r\n%1\t%2").arg(t).arg(sums[t][0])));
        highest = std::max(highest, sums[t][0]);
    }
    QCOMPARE(x.slot(1)->text(), QString::number(sums[1][0]));
    // The expected curves start from the pool's initial counts, not from one run's.
    QCOMPARE(expectedCurves(x.sim(), 1, false).mean[0][1], double(sums[0][0]));
    QCOMPARE(x.sim().nuclideMax[1], highest);

    // The pooled counts stay the graph data through the page change the setting waited for,
    // a Time step and a declined Reset; the fit reads the pooled times only, whatever N.
    const History pooled = x.sim().history;
    x.clickTab(1);
    x.step();
    QCOMPARE(x.w.findChild<Announcer*>()->accessibleName(),
             QStringLiteral("The graph data are the pooled runs: Reset starts a new run."));
    x.notifier.answer = false;
    // Pool Saved Runs asked about the run's unsaved steps; Reset asks about the pooled counts.
    QCOMPARE(x.notifier.questions.size(), 1);
    QTest::mouseClick(x.get<QPushButton>(QStringLiteral("restart")), Qt::LeftButton);
    QCOMPARE(x.notifier.questions.size(), 2);
    QVERIFY(x.sim().history == pooled);
    QCOMPARE(x.np()->value(), sums.size());
    x.np()->setValue(100);
    int points = 0;
    for (const QList<int>& row : sums)
        if (++points, row[0] == 0)
            break;
    QCOMPARE(x.w.graphPage()->currentFit().points, points);
}

// Keys typed into a field while Automate's ticks or the wheel move what the page shows go to
// the time they were typed for, and replace a count the tick wrote under them.
enum class Under { Tick, TickAtThatTime, WheelOverTsb };

void TestTablePages::typingWhileTimesMove_data()
{
    QTest::addColumn<Under>("under");
    QTest::addColumn<int>("time");        // of the field tabbed into
    QTest::addColumn<QString>("before");  // typed before the tick or the wheel
    QTest::addColumn<QString>("after");   // \b is Backspace
    QTest::addColumn<int>("stored");
    QTest::addRow("tabbed in, a tick, then typed") << Under::Tick << 1 << "" << "350" << 350;
    QTest::addRow("the tick records the time typed into") << Under::TickAtThatTime << 21 << "3" << "50" << 50;
    QTest::addRow("a typo left while the times scroll") << Under::WheelOverTsb << 3 << "12a" << "\b" << 12;
}

void TestTablePages::typingWhileTimesMove()
{
    QFETCH(Under, under);
    QFETCH(int, time);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, stored);
    Window x;
    x.run(1, {1000}, 2);
    x.steps(20);
    x.clickTab(4);
    // The bar's right arrow shows time 21, which the next tick records.
    if (under == Under::TickAtThatTime)
        QTest::mouseClick(x.np(), Qt::LeftButton, {}, QPoint(x.np()->width() - 3, x.np()->height() / 2));
    if (time > 15) {
        x.focus(x.tsb());
        QTest::keyClick(x.tsb(), Qt::Key_End);
    }
    const int slot = time - x.tsb()->value();
    QLineEdit* field = x.slot(slot);
    QWidget* previous = slot == 1 ? x.get<QLineEdit>(QStringLiteral("icount")) : x.slot(slot - 1);
    x.focus(previous);
    QTest::keyClick(previous, Qt::Key_Tab);
    QVERIFY(field->hasFocus() && field->hasSelectedText());
    QTest::keyClicks(field, before);

    if (under == Under::WheelOverTsb) {
        const QPoint at = x.tsb()->rect().center();
        QWheelEvent wheel(at, x.tsb()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(x.tsb(), &wheel);
        QCOMPARE(x.tsb()->value(), 3);
    } else {
        auto* timer = x.w.findChild<QTimer*>(QStringLiteral("Timer1"));
        timer->start();
        QTRY_COMPARE(x.sim().timeIndex, 22);
        timer->stop();
    }
    auto expected = x.sim().history;
    expected[time + 1][1] = stored;
    QTest::keyClicks(field, after);
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(x.sim().history == expected);
    QVERIFY(x.notifier.warnings.isEmpty());
}

// An example opened from the menu while the table is in view: the table lists the example's run.
void TestTablePages::exampleInView()
{
    Window x;
    x.run(1, {7});
    x.clickTab(2);
    named<QAction>(&x.w, QStringLiteral("Example2"))->trigger();
    QCOMPARE(x.memo()->toPlainText(), test::shownListing(x.w));
}

QTEST_MAIN(TestTablePages)
#include "test_tablepages.moc"
