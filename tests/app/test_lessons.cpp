// Lesson files: a lesson saved and opened in another window goes on exactly where it stopped,
// and a file that is not a sound lesson is refused with its name and why, changing nothing.
#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <random>
#include <thread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/lessonfile.h"
#include "core/tabletext.h"
#include "graph/graphpage.h"
#include "support/shownwindow.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"
#include "ui/browser.h"

using namespace vestor;
using vestor::test::named;
using vestor::test::ShownWindow;

namespace {

void trigger(ShownWindow& s, const char* action)
{
    named<QAction>(&s.w, QLatin1String(action))->trigger();
}

// Sets one value inside a lesson's JSON: "run/counts/0=999" (a number, true/false, "text", or
// @N for a list of N zeros).
QByteArray mutated(const QByteArray& json, const QString& change)
{
    const qsizetype eq = change.indexOf(QLatin1Char('='));
    const QStringList path = change.left(eq).split(QLatin1Char('/'));
    const QString text = change.mid(eq + 1);
    QJsonValue value;
    if (text.startsWith(QLatin1Char('@')))
        value = QJsonArray::fromVariantList(QVariantList(text.mid(1).toInt(), 0));
    else
        value = QJsonDocument::fromJson("[" + text.toUtf8() + "]").array().at(0);
    const std::function<QJsonValue(QJsonValue, int)> set = [&](QJsonValue at, int depth) -> QJsonValue {
        if (depth == path.size())
            return value;
        bool index = false;
        const int i = path[depth].toInt(&index);
        if (index) {
            QJsonArray a = at.toArray();
            a[i] = set(a.at(i), depth + 1);
            return a;
        }
        QJsonObject o = at.toObject();
        o[path[depth]] = set(o.value(path[depth]), depth + 1);
        return o;
    };
    return QJsonDocument(set(QJsonDocument::fromJson(json).object(), 0).toObject()).toJson();
}

// The generator's state of zeros, as the program writes a state.
QString zeroState()
{
    return QString(QStringLiteral("0 ")).repeated(312) + QStringLiteral("312");
}

#ifdef Q_OS_UNIX
// Opens a pipe for writing until told to stop, so that a reader waiting for a writer fails a
// test instead of hanging it.
class PipeWriter {
public:
    explicit PipeWriter(const QString& path)
        : m_thread([this, name = path.toLocal8Bit()] {
              while (!m_done)
                  if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                      ::close(fd);
                  else
                      std::this_thread::sleep_for(std::chrono::milliseconds(1));
          })
    {
    }
    ~PipeWriter()
    {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
#endif

QImage pagePicture(ShownWindow& s, int page)
{
    s.clickTab(page);
    return s.nb()->currentWidget()->grab().toImage();
}

}  // namespace

class TestLessons : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void fuzzedFiles();
    void lockOutlivesLessons_data();
    void lockOutlivesLessons();
    void changedMark_data();
    void changedMark();

private:
    QTemporaryDir m_dir;
};

void TestLessons::roundTrip_data()
{
    QTest::addColumn<int>("example");
    QTest::addColumn<int>("steps");
    for (int i = 0; i < 5; ++i)
        QTest::addRow("example %d", i + 1) << i << 2;
    QTest::addRow("start-up run, typed count, extras") << -1 << 4;
    // Before N first changes, the editor's times reach past N − 15.
    QTest::addRow("start-up run, later times in view") << -2 << 0;
}

void TestLessons::roundTrip()
{
    QFETCH(int, example);
    QFETCH(int, steps);
    const QString path = m_dir.filePath(QStringLiteral("lesson %1.vestor").arg(example));
    ShownWindow a(7 + example);
    if (example >= 0)
        trigger(a, qPrintable(QStringLiteral("Example%1").arg(example + 1)));
    a.clickTab(1);
    a.stepAndRemove(steps);
    if (example == -1) {
        // A count typed on the data page, a second nuclide graphed, the extras on, a name.
        QVERIFY(QTest::qWaitForWindowActive(&a.w));  // a field stores its count when it is left
        a.clickTab(4);
        auto* field = named<QLineEdit>(&a.w, QStringLiteral("t1"));
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("321"));
        QTest::keyClick(field, Qt::Key_Tab);
        a.clickTab(3);
        QTest::mouseClick(named<QCheckBox>(&a.w, QStringLiteral("bestfitcb")), Qt::LeftButton);
        QTest::mouseClick(named<QCheckBox>(&a.w, QStringLiteral("logcb")), Qt::LeftButton);
        trigger(a, "HalfLives1");
        trigger(a, "LockSettings1");
        // The class's runs pooled over the typed count: pooled counts are the data from now on.
        const QString table = m_dir.filePath(QStringLiteral("run.txt"));
        QVERIFY(a.w.tablePage()->saveTo(table) && a.w.saveLessonTo(m_dir.filePath(QStringLiteral("before.vestor"))));
        a.notifier.chosen = {table, table};
        trigger(a, "PoolRuns1");
        QVERIFY(a.sim().pooled);
        // An example declined over the pooled counts changes neither them nor the settings: the
        // changed lesson is asked about once, and Cancel keeps it.
        const Settings shown = a.w.captureLesson().settings;
        a.notifier.saveAnswer = Notifier::Answer::Cancel;
        const qsizetype asked = a.notifier.questions.size();
        trigger(a, "Example1");
        QVERIFY(a.sim().pooled && a.w.captureLesson().settings == shown);
        named<QMenu>(&a.w, QStringLiteral("RecentLessons1"))->actions().value(0)->trigger();
        QVERIFY(a.sim().pooled && a.w.captureLesson().settings == shown);
        QCOMPARE(a.notifier.questions.size(), asked + 2);
        a.notifier.saveAnswer = Notifier::Answer::Discard;
    }
    // A click right of the handle pages a scroll bar on by 5.
    const auto pageOn = [](ShownWindow& s, const char* bar) {
        s.clickTab(4);
        auto* b = named<QScrollBar>(&s.w, QLatin1String(bar));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 30, b->height() / 2));
    };
    if (example == -2) {
        pageOn(a, "tsb");
        QCOMPARE(a.w.captureLesson().view.editorFirstTime, 5);
    }
    a.notifier.chosen = {path};
    trigger(a, "SaveLessonAs1");
    if (example == -1)
        QCOMPARE(countAt(a.sim().history, 1, 1), 2 * 321);
    QCOMPARE(a.notifier.errors, QStringList());
    QCOMPARE(a.w.windowTitle(), QStringLiteral("Tovrin - %1[*]").arg(QFileInfo(path).fileName()));
    // The lesson as a link: all of it, in place of the address's old fragment, short enough for a chat.
    const QByteArray json = lessonJson(a.w.captureLesson());
    const QString link = browser::lessonLink(QStringLiteral("https://school.example/v/?seed=1#lesson=old"), json);
    QCOMPARE(browser::lessonInFragment(link.section(QLatin1Char('#'), 1)), std::optional<QByteArray>(json));
    QVERIFY2(link.startsWith(QLatin1String("https://school.example/v/?seed=1#lesson=")) && link.size() < 16000,
             qPrintable(QString::number(link.size())));

    ShownWindow b(99);
    if (example == -2)
        pageOn(b, "np");  // N changed: the times end at N − 15, until the lesson brings its own
    b.notifier.chosen = {path};
    trigger(b, "OpenLesson1");
    QCOMPARE(b.notifier.errors, QStringList());
    QVERIFY(b.w.captureLesson() == a.w.captureLesson());
    QVERIFY(b.sim().invariantHolds());
    QCOMPARE(b.w.isWindowModified(), false);
    // The original's chamber drawn again from its particles, as an opened lesson draws it.
    a.w.chamberPage()->setPictureRatio(a.w.chamberPage()->images().chamber.devicePixelRatio());
    for (int page = 0; page < 5; ++page)
        QVERIFY2(pagePicture(a, page) == pagePicture(b, page), qPrintable(QStringLiteral("page %1").arg(page)));
    if (example == -1) {
        // The lock came with the lesson; unlocked, the rows outside the series stay greyed.
        QVERIFY(!named<QWidget>(&b.w, QStringLiteral("NPsb1"))->isEnabled());
        trigger(b, "LockSettings1");
        QVERIFY(named<QWidget>(&b.w, QStringLiteral("NPsb1"))->isEnabled());
        QVERIFY(!named<QWidget>(&b.w, QStringLiteral("NPsb2"))->isEnabled());
    }
    QCOMPARE(fileText(b.sim().history, b.w.tablePage()->checkedColumns(), b.w.editorPage()->dataPoints()),
             fileText(a.sim().history, a.w.tablePage()->checkedColumns(), a.w.editorPage()->dataPoints()));

    // The next step is the one the original takes, and it marks the lesson changed.
    a.clickTab(1);
    b.clickTab(1);
    a.stepAndRemove(1);
    b.stepAndRemove(1);
    QVERIFY(captureRun(b.sim()) == captureRun(a.sim()));
    QTRY_VERIFY(b.w.isWindowModified());
    // A screen reader hears the title's mark as words.
    QVERIFY(b.w.accessibleName().endsWith(QLatin1String(".vestor, changes not saved")));
    // Closing a changed lesson asks first; cancelling keeps it open.
    b.notifier.saveAnswer = Notifier::Answer::Cancel;
    QVERIFY(!b.w.close());
    QCOMPARE(b.notifier.questions.size(), 1);
}

void TestLessons::refused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("why");
    QTest::newRow("newer version") << "version=2" << "newer version";
    QTest::newRow("not JSON") << "*cut" << "not a lesson file";
    QTest::newRow("damaged link") << "*link" << "not a lesson file";
    QTest::newRow("wrong type") << "run/history=\"many\"" << "history";
    QTest::newRow("huge particle list") << "run/particles=@5000" << "particles";
    QTest::newRow("counts against particles") << "run/counts/0=399" << "count of nuclide 1";
    QTest::newRow("chance out of range") << "settings/percent/0=101" << "percent";
    QTest::newRow("threshold out of range") << "run/decayThreshold/0=250" << "chance of decay of nuclide 1";
    QTest::newRow("particle order repeats") << "run/particleOrder/1=1" << "particle order";
    QTest::newRow("particle outside") << "run/particles/0/1=9999" << "particle 1";
    QTest::newRow("particle on the frame") << "run/particles/0/1=0" << "outside the chamber";
    QTest::newRow("random state") << "run/random=\"dice\"" << "random";
    QTest::newRow("origin letter") << "run/origin/0=\"RRXRR\"" << "origin";
    QTest::newRow("too many initial") << "settings/initial/1=999" << "initial numbers";
    // Only what the program could have saved: one step of 400 particles in a series of 1.
    QTest::newRow("random zeros") << "run/random=\"" + zeroState() + "\"" << "random";
    QTest::newRow("random leading zero") << "run/random=\"0%r\"" << "random";
    QTest::newRow("random trailing text") << "run/random=\"%r 7\"" << "random";
    QTest::newRow("recorded above the particles") << "run/history/1/0=1500"
                                                  << "history: the recorded count of nuclide 1 at time 1";
    QTest::newRow("count nobody recorded") << "run/history/1/1=7" << "origin: the count of nuclide 2 at time 1";
    QTest::newRow("pooled, run not pooled") << "run/origin/1=\"P----\"" << "is pooled";
    QTest::newRow("recorded, run pooled") << "run/pooled=true" << "nuclide 1 at time 0 is recorded";
    QTest::newRow("recorded after the time") << "run/timeIndex=1" << "after the run's last time";
    QTest::newRow("recorded outside the series") << "run/origin/1=\"RR---\"" << "not in the run's series";
    QTest::newRow("typed after the last typed") << "run/origin/1=\"T----\"" << "after the last time typed";
    QTest::newRow("count past the end product") << "run/counts/3=5" << "counts: nuclide 4";
    QTest::newRow("initial numbers off the particles") << "run/runInitial/0=399" << "runInitial";
    QTest::newRow("series not the settings'") << "settings/seriesLength=2" << "seriesLength";
    QTest::newRow("times shown past the bar") << "editor/dataPoints=20;editor/firstTime=6" << "firstTime";
    QTest::newRow("number past 64 bits") << "settings/sides=1e19" << "sides";
#ifdef Q_OS_UNIX
    QTest::newRow("pipe") << "*pipe" << "not a file";
#endif
}

void TestLessons::refused()
{
    QFETCH(QString, change);
    QFETCH(QString, why);
    ShownWindow a(3);
    a.stepAndRemove(1);
    const Lesson lesson = a.w.captureLesson();
    QByteArray bad = lessonJson(lesson);
    if (change == QLatin1String("*cut"))
        bad.truncate(bad.size() / 2);
    if (change == QLatin1String("*link"))
        bad = *browser::lessonInFragment(browser::lessonLink({}, bad).chopped(40));
    // Changes apart by ";"; %r is the lesson's own random state.
    const QString changes = QString(change).replace(QLatin1String("%r"), QString::fromStdString(lesson.random));
    for (const QString& one : changes.split(u';'))
        if (!one.startsWith(u'*'))
            bad = mutated(bad, one);
    const QString path = m_dir.filePath(QStringLiteral("bad.vestor"));
    QFile file(path);
    QFile::remove(path);
#ifdef Q_OS_UNIX
    if (change == QLatin1String("*pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
#endif
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bad) == bad.size());
    file.close();

    ShownWindow b(4);
    b.stepAndRemove(2);
    const Lesson before = b.w.captureLesson();
    b.notifier.chosen = {path};
#ifdef Q_OS_UNIX
    std::optional<PipeWriter> unblocks;
    if (change == QLatin1String("*pipe"))
        unblocks.emplace(path);
#endif
    trigger(b, "OpenLesson1");
    QCOMPARE(b.notifier.errors.size(), 1);
    QVERIFY2(b.notifier.errors[0].contains(QLatin1String("bad.vestor")) && b.notifier.errors[0].contains(why),
             qPrintable(b.notifier.errors[0]));
    QVERIFY(b.w.captureLesson() == before);
    QCOMPARE(b.w.windowTitle(), QStringLiteral("Tovrin"));
}

// Damaged files, byte by byte: the reader refuses them or reads a lesson that is sound, never more.
void TestLessons::fuzzedFiles()
{
    ShownWindow a(5);
    a.stepAndRemove(3);
    const QByteArray sound = lessonJson(a.w.captureLesson());
    std::mt19937 rng(20261208);
    int accepted = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = sound;
        for (int edits = 1 + static_cast<int>(rng() % 4); edits > 0; --edits) {
            const auto at = static_cast<qsizetype>(rng() % static_cast<unsigned>(bytes.size()));
            bytes[at] = "0123456789-.,[]{}\"e "[rng() % 20];
        }
        QString error;
        const std::optional<Lesson> lesson = readLesson(bytes, error);
        QVERIFY(lesson.has_value() != !error.isEmpty());
        if (!lesson)
            continue;
        ++accepted;
        QVERIFY(!runFault(lesson->run) && !settingsFault(lesson->settings));
        a.w.applyLesson(*lesson);
        QVERIFY(a.sim().invariantHolds());
        QVERIFY2(a.w.captureLesson() == *lesson, qPrintable(QString::number(round)));
        a.stepAndRemove(1);
        QVERIFY(a.sim().invariantHolds());
    }
    // Some damage (a digit in the random state, a coordinate) leaves a sound lesson.
    QVERIFY(accepted > 0);
}

void TestLessons::lockOutlivesLessons_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("an example") << "Example3";
    QTest::addRow("an unlocked lesson") << "OpenLesson1";
}

// Lock Settings guards the Configuration page until the menu item lifts it, whatever opens.
void TestLessons::lockOutlivesLessons()
{
    QFETCH(QString, how);
    ShownWindow a(21);
    const QString path = m_dir.filePath(QStringLiteral("unlocked.vestor"));
    QVERIFY(a.w.saveLessonTo(path));
    ShownWindow b(22);
    auto* lock = named<QAction>(&b.w, QStringLiteral("LockSettings1"));
    lock->trigger();
    b.notifier.chosen = {path};
    trigger(b, qPrintable(how));
    QCOMPARE(b.notifier.errors, QStringList());
    QVERIFY(lock->isChecked());
    QVERIFY(!named<QWidget>(&b.w, QStringLiteral("NPsb1"))->isEnabled());
    lock->trigger();
    QVERIFY(named<QWidget>(&b.w, QStringLiteral("NPsb1"))->isEnabled());
}

void TestLessons::changedMark_data()
{
    QTest::addColumn<QString>("after");  // what is done to the lesson saved with Remove out
    QTest::addColumn<bool>("changed");
    QTest::addRow("a bar moved and back") << "bar" << false;
    QTest::addRow("Remove, then a Time step") << "time" << true;
    QTest::addRow("an Automate tick that only removes") << "tick" << true;
}

void TestLessons::changedMark()
{
    QFETCH(QString, after);
    QFETCH(bool, changed);
    ShownWindow s(5);
    s.clickTab(3);
    s.w.chamberPage()->NextbtClick();
    QVERIFY(s.w.chamberPage()->removeBroughtOut());
    QVERIFY(s.w.saveLessonTo(m_dir.filePath(QStringLiteral("mark.vestor"))));
    if (after == QLatin1String("bar")) {
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(named<QScrollBar>(&s.w, QStringLiteral("h")), key);
    } else if (after == QLatin1String("time")) {
        s.w.chamberPage()->RemovebtClick();
        s.w.chamberPage()->NextbtClick();
    } else {
        s.w.chamberPage()->timer()->start();
        QTRY_VERIFY(!s.w.chamberPage()->removeBroughtOut());
        s.w.chamberPage()->timer()->stop();
    }
    QTest::qWait(300);
    QCOMPARE(s.w.isWindowModified(), changed);
    // Closing asks exactly when the title says the lesson changed.
    s.notifier.saveAnswer = Notifier::Answer::Cancel;
    QCOMPARE(!s.w.close(), changed);
}

QTEST_MAIN(TestLessons)
#include "test_lessons.moc"
