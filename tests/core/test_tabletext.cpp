// The listing, the data file, count parsing and graph maxima, as pure text and numbers.
#include <QTest>
#include <random>

#include "core/tabletext.h"

using namespace vestor;
using Rows = QList<QList<int>>;  // counts per time from time 0, nuclides 1.. in order

namespace {

History historyOf(const Rows& rows)
{
    History h{};
    for (int t = 0; t < rows.size(); ++t)
        for (int k = 1; k <= rows[t].size(); ++k)
            h[t + 1][k] = rows[t][k - 1];
    return h;
}

ColumnChoice boxes(const QString& checked)
{
    ColumnChoice c{};
    for (const QChar digit : checked)
        c[digit.digitValue()] = true;
    return c;
}

QByteArray bytes(const std::string& s)
{
    return QByteArray::fromStdString(s);
}

// A saved file of random counts, small and up to the largest 32-bit count, under random boxes.
struct RandomFile {
    explicit RandomFile(std::mt19937& rng, bool allColumns = false)
    {
        const int n = int(rng() % 100) + 1;
        // At least one column: a file of times alone holds no counts and is refused.
        const int one = 1 + int(rng() % 5);
        for (int k = 1; k <= 5; ++k)
            checked[k] = allColumns || k == one || rng() % 2;
        for (int t = 0; t <= kLastTime; ++t)
            for (int k = 1; k <= 5; ++k)
                h[t + 1][k] = rng() % 8 ? std::int32_t(rng() % 1000) : std::int32_t(rng() % 0x80000000u);
        text = fileText(h, checked, n);
    }
    // How many (time, nuclide) counts of `run` differ from this file's.
    int differences(const SavedRun& run) const
    {
        int d = 0;
        for (int t = 0; t < run.times; ++t)
            for (int k = 1; k <= 5; ++k)
                d += run.counts[t + 1][k] != (checked[k] ? h[t + 1][k] : 0);
        return d;
    }
    ColumnChoice checked{};
    History h{};
    std::string text;
};

}  // namespace

class TestTableText : public QObject {
    Q_OBJECT
private slots:
    void outputs_data();
    void outputs();
    void lastRecordedTime_data();
    void lastRecordedTime();
    void parseCount_data();
    void parseCount();
    void maximumOver_data();
    void maximumOver();
    void savedFilesPoolBack_data();
    void savedFilesPoolBack();
};

void TestTableText::outputs_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QByteArray>("file");

    const Rows example{{400, 0}, {371, 29}, {344, 54}, {320, 76}};
    QTest::addRow("worked example") << example << 2 << "12" << 3
                                    << QByteArray("Cycle\tN1\tN2\r\r\n0\t400\t0\r\n1\t371\t29\r\n2\t344\t54")
                                    << QByteArray("time\tP1\tP2\r\n0\t400\t0\r\n1\t371\t29\r\n2\t344\t54\r\n"
                                                  "3\t320\t76\r\n");
    QTest::addRow("no box checked") << example << 2 << "" << 3 << QByteArray("Cycle\r\r\n0\r\n1\r\n2")
                                    << QByteArray("time\r\n0\r\n1\r\n2\r\n3\r\n");
    QTest::addRow("one data point") << example << 1 << "1" << 1 << QByteArray("Cycle\tN1\r\r\n0\t400")
                                    << QByteArray("time\tP1\r\n0\t400\r\n1\t371\r\n");
    QTest::addRow("box beyond the series") << Rows{{400, 0, 55}, {371, 29, 0}} << 2 << "123" << 1
                                           << QByteArray("Cycle\tN1\tN2\r\r\n0\t400\t0")
                                           << QByteArray("time\tP1\tP2\tP3\r\n0\t400\t0\t55\r\n1\t371\t29\t0\r\n");
    QTest::addRow("nuclide 1 alone, later boxes") << Rows{{7, 0, 0, 4, 5}} << 1 << "145" << 1
                                                  << QByteArray("Cycle\tN1\r\r\n0\t7")
                                                  << QByteArray("time\tP1\tP4\tP5\r\n0\t7\t4\t5\r\n1\t0\t0\t0\r\n");
    QTest::addRow("first box unchecked") << example << 2 << "2" << 1 << QByteArray("Cycle\tN2\r\r\n0\t0")
                                         << QByteArray("time\tP2\r\n0\t0\r\n1\t29\r\n");
    QTest::addRow("negative counts") << Rows{{-5, -2147483647}, {0, 2147483647}} << 2 << "12" << 1
                                     << QByteArray("Cycle\tN1\tN2\r\r\n0\t-5\t-2147483647")
                                     << QByteArray("time\tP1\tP2\r\n0\t-5\t-2147483647\r\n1\t0\t2147483647\r\n");
}

void TestTableText::outputs()
{
    QFETCH(Rows, rows);
    QFETCH(int, series);
    QFETCH(QString, checked);
    QFETCH(int, n);
    const History h = historyOf(rows);
    QTEST(bytes(listingText(h, series, boxes(checked), n)), "listing");
    QTEST(bytes(fileText(h, boxes(checked), n)), "file");
}

void TestTableText::lastRecordedTime_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("listedRows");
    QTest::addColumn<QByteArray>("lastListed");
    QTest::addColumn<int>("fileRows");

    QTest::addRow("N 98") << 98 << 98 << QByteArray("97\t197\t3") << 99;
    QTest::addRow("N 99") << 99 << 99 << QByteArray("98\t198\t2") << 100;
    QTest::addRow("N 100") << 100 << 100 << QByteArray("99\t199\t1") << 100;
}

void TestTableText::lastRecordedTime()
{
    QFETCH(int, n);
    QFETCH(int, listedRows);
    QFETCH(int, fileRows);
    Rows rows;
    for (int t = 0; t <= kLastTime; ++t)
        rows.append({100 + t, 100 - t});
    const History h = historyOf(rows);

    const QList<QByteArray> listed = bytes(listingText(h, 2, boxes("12"), n)).split('\n');
    QCOMPARE(listed.size(), listedRows + 1);
    QTEST(listed.last(), "lastListed");

    const QByteArray file = bytes(fileText(h, boxes("12"), n));
    QCOMPARE(file.count("\r\n"), fileRows + 1);
    QVERIFY(file.endsWith("\r\n" + QByteArray::number(fileRows - 1) + '\t' + QByteArray::number(99 + fileRows) + '\t'
                          + QByteArray::number(101 - fileRows) + "\r\n"));
}

void TestTableText::parseCount_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::addRow("zero") << QByteArray("0") << true << 0;
    QTest::addRow("leading zeros") << QByteArray("007") << true << 7;
    QTest::addRow("negative") << QByteArray("-40") << true << 40;
    QTest::addRow("blanks around") << QByteArray(" 12 ") << true << 12;
    QTest::addRow("plus sign") << QByteArray("+5") << true << 5;
    QTest::addRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::addRow("lowest negative that fits") << QByteArray("-2147483647") << true << 2147483647;
    QTest::addRow("empty") << QByteArray("") << false << 0;
    QTest::addRow("blanks only") << QByteArray("   ") << false << 0;
    QTest::addRow("letters") << QByteArray("abc") << false << 0;
    QTest::addRow("trailing letter") << QByteArray("12a") << false << 0;
    QTest::addRow("inner blank") << QByteArray("1 2") << false << 0;
    QTest::addRow("fraction") << QByteArray("1.5") << false << 0;
    QTest::addRow("one past the largest") << QByteArray("2147483648") << false << 0;
    QTest::addRow("lowest 32-bit number") << QByteArray("-2147483648") << false << 0;
    QTest::addRow("plus then minus") << QByteArray("+-5") << false << 0;
    QTest::addRow("two minus signs") << QByteArray("--5") << false << 0;
    QTest::addRow("forty digits") << QByteArray(40, '9') << false << 0;
    QTest::addRow("forty digits, negative") << '-' + QByteArray(40, '9') << false << 0;
    QTest::addRow("forty digits, leading zeros") << QByteArray(39, '0') + '1' << true << 1;
}

void TestTableText::parseCount()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    const auto parsed = vestor::parseCount(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QTEST(int(*parsed), "value");
}

void TestTableText::maximumOver_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("nuclide");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("maximum");

    QTest::addRow("never below 100") << Rows{{40}, {60}, {-500}} << 1 << 2 << 100;
    QTest::addRow("peak inside") << Rows{{400}, {900}, {300}} << 1 << 2 << 900;
    QTest::addRow("peak at the last time") << Rows{{400}, {300}, {900}} << 1 << 2 << 900;
    QTest::addRow("peak after the last time") << Rows{{400}, {300}, {900}} << 1 << 1 << 400;
    QTest::addRow("other nuclides ignored") << Rows{{150, 800}, {120, 900}} << 1 << 1 << 150;
    QTest::addRow("nuclide 5") << Rows{{0, 0, 0, 0, 250}, {0, 0, 0, 0, 260}} << 5 << 1 << 260;
}

void TestTableText::maximumOver()
{
    QFETCH(Rows, rows);
    QFETCH(int, nuclide);
    QFETCH(int, last);
    QTEST(int(vestor::maximumOver(historyOf(rows), nuclide, last)), "maximum");

    // Time 99 is the last recorded time; a bound of 100 reads no further.
    History h = historyOf(rows);
    h[kLastTime + 1][nuclide] = 5000;
    QCOMPARE(vestor::maximumOver(h, nuclide, kLastTime + 1), 5000);
}

void TestTableText::savedFilesPoolBack_data()
{
    QTest::addColumn<bool>("resaved");       // by a spreadsheet: must pool back to the same counts
    QTest::addColumn<int>("changedCounts");  // at most, when a damaged file is still sound
    for (const char* resave : {"as saved", "LF", "no last line end", "byte-order mark", "commas and blanks",
                               "semicolons", "blank lines", "unused columns", "quoted", "headings in any case",
                               "zero decimals", "rows of separators"})
        QTest::addRow("%s", resave) << true << 0;
    for (const char* lines : {"cut a line", "duplicate a line", "swap two lines"})
        QTest::addRow("%s", lines) << false << 0;
    for (const char* bytes : {"flip a byte", "huge number", "binary noise", "cut short"})
        QTest::addRow("%s", bytes) << false << 1;
}

// Pooled after the file as saved, a re-saved or damaged copy either adds what it says, close to
// what was saved but for the empty cells it counts, or is refused at a line of the file with the sums as they were.
void TestTableText::savedFilesPoolBack()
{
    QFETCH(bool, resaved);
    QFETCH(int, changedCounts);
    const QByteArray change = QTest::currentDataTag();
    std::mt19937 rng(qHash(change));
    const auto any = [&rng](qsizetype size) { return qsizetype(rng() % size); };
    int refused = 0;
    for (int i = 0; i < 500; ++i) {
        // With all five columns a flipped heading digit names a column twice rather than moving one.
        const RandomFile file(rng, change == "flip a byte");
        QList<QByteArray> lines = bytes(file.text).split('\n');
        lines.removeLast();
        const qsizetype a = any(lines.size()), b = any(lines.size());
        if (change == "cut a line")
            lines.removeAt(a);
        else if (change == "duplicate a line")
            lines.insert(b, lines[a]);
        else if (change == "swap two lines")
            lines.swapItemsAt(a, a == b ? (a + 1) % lines.size() : b);
        QByteArray text = lines.join('\n') + '\n';
        if (change == "LF")
            text.replace("\r\n", "\n");
        else if (change == "blank lines")
            text.replace("\r\n", "\n \r\n").prepend("\r\n");
        else if (change == "no last line end")
            text.chop(2);
        else if (change == "byte-order mark")
            text.prepend("\xEF\xBB\xBF");
        else if (change == "commas and blanks" || change == "semicolons")
            text.replace("\t", change == "semicolons" ? ";" : " , ");
        else if (change == "unused columns")
            text.replace("\r", "\t\t\r");
        else if (change == "quoted")
            text.replace("\t", "\",\"").replace("\r\n", "\"\r\n\"").prepend('"').chop(1);
        else if (change == "headings in any case")
            text.replace(0, text.indexOf('\n'), text.left(text.indexOf('\n')).replace("time", "Time").replace('P', 'p'));
        else if (change == "zero decimals")
            text = text.left(text.indexOf('\n') + 1)
                   + text.mid(text.indexOf('\n') + 1).replace("\r\n", ".00\r\n").replace("\t", ".0\t");
        else if (change == "rows of separators")
            text.replace("\r\n", "\r\n\t\t\t\r\n");
        else if (change == "flip a byte")  // every other one in the headings, where damage hides best
            text[any(i % 2 ? text.size() : text.indexOf('\n'))] ^= char(1 << any(8));
        else if (change == "huge number") {
            static const char* const huge[] = {"2147483647", "2147483648", "4294967296", "99999999999999999999999"};
            if (const qsizetype tab = text.indexOf('\t', any(text.size())); tab >= 0)
                text.replace(tab + 1, text.indexOf('\r', tab) - tab - 1, huge[any(4)]);
        } else if (change == "binary noise") {
            QByteArray noise(1 + any(64), '\0');
            for (char& c : noise)
                c = char(rng());
            text.insert(any(text.size() + 1), noise);
        } else if (change == "cut short") {
            text.truncate(any(text.size()));
        }

        const SavedRun sound = readRun(file.text);
        const SavedRun run = readRun(text.toStdString());
        QVERIFY2(!resaved || (run.ok() && run.times == sound.times && run.columns == file.checked), text.data());
        RunPool pool;
        pool.add(sound);
        const History before = pool.sums;
        const RunError error = pool.add(run);
        if (error.fault == RunFault::None) {
            // A line cut short has empty cells, which add nothing and which the pool's report names.
            QVERIFY2(run.times <= sound.times && file.differences(run) <= changedCounts + run.emptyCells,
                     text.constData());
            continue;
        }
        ++refused;
        QVERIFY(pool.sums == before && pool.files == 1);
        QVERIFY(error.line > 0 || error.fault == RunFault::NoTimes);
        QVERIFY(error.line <= text.count('\n') + 1);
        // Only a sum past 32 bits stops a sound file.
        const int t = error.time + 1;
        const std::int64_t sum = std::int64_t{before[t][error.nuclide]} + run.counts[t][error.nuclide];
        QVERIFY(error.fault == RunFault::SumOverflow ? sum > 0x7FFFFFFF : !resaved);
    }
    QVERIFY(resaved || refused > 0);
}

QTEST_APPLESS_MAIN(TestTableText)
#include "test_tabletext.moc"
