// The listing, the data file, count parsing and graph maxima, as pure text and numbers.
#include <QTest>

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

QTEST_APPLESS_MAIN(TestTableText)
#include "test_tabletext.moc"
