// The listing, the data file, count parsing and graph maxima, as pure text and numbers.
#include <QTest>
#include <random>

#include "table/tabletext.h"

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
        n = int(rng() % 100) + 1;
        for (int k = 1; k <= 5; ++k)
            checked[k] = allColumns || rng() % 2;
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
    int n = 1;
    ColumnChoice checked{};
    History h{};
    std::string text;
};

std::string replaced(std::string s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

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
    void corruptFilesPoolOrChangeNothing_data();
    void corruptFilesPoolOrChangeNothing();
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
    QTest::addColumn<QString>("resave");  // how a spreadsheet re-saves the file
    for (const char* form : {"as saved", "LF", "no last line end", "byte-order mark", "commas and blanks",
                             "semicolons and blank lines", "unused columns"})
        QTest::addRow("%s", form) << form;
}

void TestTableText::savedFilesPoolBack()
{
    QFETCH(QString, resave);
    std::mt19937 rng(qHash(resave));
    for (int i = 0; i < 200; ++i) {
        const RandomFile file(rng);
        std::string text = file.text;
        if (resave == "LF")
            text = replaced(text, "\r\n", "\n");
        else if (resave == "no last line end")
            text.resize(text.size() - 2);
        else if (resave == "byte-order mark")
            text.insert(0, "\xEF\xBB\xBF");
        else if (resave == "commas and blanks")
            text = replaced(replaced(text, "\t", " , "), "\r\n", " \r\n ");
        else if (resave == "semicolons and blank lines")
            text = replaced(replaced(text, "\t", ";"), "\n", "\n\r\n");
        else if (resave == "unused columns")
            text = replaced(text, "\r\n", "\t\t\r\n");

        const SavedRun run = readRun(text);
        QVERIFY2(run.ok(), text.c_str());
        QCOMPARE(run.times, std::min(file.n, kLastTime) + 1);
        QVERIFY(run.columns == file.checked);
        QCOMPARE(file.differences(run), 0);

        // Pooled twice, every sum doubles, or nothing is added when one would pass 32 bits.
        RunPool pool;
        QCOMPARE(pool.add(run).fault, RunFault::None);
        const RunError second = pool.add(run);
        for (int t = 0; t < run.times; ++t)
            for (int k = 1; k <= 5; ++k) {
                const std::int64_t count = run.counts[t + 1][k];
                QCOMPARE(std::int64_t(pool.sums[t + 1][k]), second.fault == RunFault::None ? 2 * count : count);
                QVERIFY(second.fault == RunFault::SumOverflow || 2 * count <= 0x7FFFFFFF);
            }
        QCOMPARE(pool.files, second.fault == RunFault::None ? 2 : 1);
    }
}

void TestTableText::corruptFilesPoolOrChangeNothing_data()
{
    QTest::addColumn<QString>("corruption");
    QTest::addColumn<int>("changedCounts");  // at most, when the corrupted file is still sound
    for (const char* lines : {"cut a line", "duplicate a line", "swap two lines"})
        QTest::addRow("%s", lines) << lines << 0;
    for (const char* bytes : {"flip a byte", "huge number", "binary noise", "cut short"})
        QTest::addRow("%s", bytes) << bytes << 1;
}

void TestTableText::corruptFilesPoolOrChangeNothing()
{
    QFETCH(QString, corruption);
    QFETCH(int, changedCounts);
    std::mt19937 rng(qHash(corruption));
    int refused = 0;
    for (int i = 0; i < 500; ++i) {
        // With all five columns a flipped heading digit names a column twice rather than moving one.
        const RandomFile file(rng, corruption == "flip a byte");
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < file.text.size();) {
            const std::size_t end = file.text.find('\n', at) + 1;
            lines.push_back(file.text.substr(at, end - at));
            at = end;
        }
        const auto any = [&rng](std::size_t size) { return std::size_t(rng() % size); };
        std::string text;
        if (corruption == "cut a line") {
            lines.erase(lines.begin() + any(lines.size()));
        } else if (corruption == "duplicate a line") {
            const std::size_t at = any(lines.size());
            lines.insert(lines.begin() + any(lines.size() + 1), lines[at]);
        } else if (corruption == "swap two lines") {
            const std::size_t a = any(lines.size());
            std::swap(lines[a], lines[(a + 1 + any(lines.size() - 1)) % lines.size()]);
        }
        for (const std::string& line : lines)
            text += line;
        if (corruption == "flip a byte") {
            text[any(text.size())] ^= char(1 << any(8));
        } else if (corruption == "huge number") {
            static const char* const huge[] = {"2147483647", "2147483648", "4294967296", "99999999999999999999999"};
            const std::size_t tab = text.find('\t', any(text.size()));
            if (tab != std::string::npos)
                text.replace(tab + 1, text.find_first_of("\t\r", tab + 1) - tab - 1, huge[any(4)]);
        } else if (corruption == "binary noise") {
            std::string noise(1 + any(64), '\0');
            for (char& c : noise)
                c = char(rng());
            text.insert(any(text.size() + 1), noise);
        } else if (corruption == "cut short") {
            text.resize(any(text.size()));
        }

        // Pooled after a sound file: either the corrupted one adds what it says, close to what
        // was saved, or it is refused at a line of the file and the sums stay as they were.
        const SavedRun sound = readRun(file.text);
        const SavedRun run = readRun(text);
        RunPool pool;
        pool.add(sound);
        const History before = pool.sums;
        const RunError error = pool.add(run);
        if (error.fault != RunFault::None) {
            ++refused;
            QVERIFY(pool.sums == before);
            QCOMPARE(pool.files, 1);
            QVERIFY(error.line >= 0 && error.line <= int(std::count(text.begin(), text.end(), '\n')) + 1);
            QVERIFY(error.line > 0 || error.fault == RunFault::NoTimes);
        } else {
            QVERIFY2(run.times <= sound.times && file.differences(run) <= changedCounts, text.c_str());
        }
    }
    // Every kind of damage is caught at least sometimes; none is waved through every time.
    QVERIFY(refused > 0);
}

QTEST_APPLESS_MAIN(TestTableText)
#include "test_tabletext.moc"
