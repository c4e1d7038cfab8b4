#include "app/lessonfile.h"

#include <QCoreApplication>

#include "app/usernamedialog.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstring>

namespace vestor {

// The messages of lesson files, in the student's language.
class LessonText {
    Q_DECLARE_TR_FUNCTIONS(vestor::LessonText)
};

namespace {


template <typename Array>
QJsonArray slotArray(const Array& a, int first, int last)
{
    QJsonArray out;
    for (int k = first; k <= last; ++k)
        out.append(static_cast<double>(a[static_cast<std::size_t>(k)]));
    return out;
}

QJsonArray flags(const ColumnChoice& c)
{
    QJsonArray out;
    for (int k = 1; k <= kMaxNuclides; ++k)
        out.append(c[static_cast<std::size_t>(k)]);
    return out;
}

// Reads members one by one; the first thing amiss is kept, with where it was, and every later
// read gives a harmless default.
class Reader {
public:
    QString error;

    bool ok() const { return error.isEmpty(); }
    void fail(const QString& where, const QString& what)
    {
        if (ok())
            error = where.isEmpty() ? what : LessonText::tr("%1: %2").arg(where, what);
    }

    QJsonObject object(const QJsonObject& in, const char* key)
    {
        const QJsonValue v = in.value(QLatin1String(key));
        if (!v.isObject())
            fail(QString::fromLatin1(key), LessonText::tr("missing, or not a group of values"));
        return v.toObject();
    }

    // A whole number from min to max.
    int integer(const QJsonObject& in, const char* key, int min, int max)
    {
        return integerValue(in.value(QLatin1String(key)), QString::fromLatin1(key), min, max);
    }

    int integerValue(const QJsonValue& v, const QString& where, int min, int max)
    {
        // In range before it is converted: a double past the integers has no int to become.
        const double d = v.toDouble();
        if (!v.isDouble() || !(d >= min && d <= max) || d != std::trunc(d)) {
            fail(where, LessonText::tr("not a whole number from %1 to %2").arg(min).arg(max));
            return min;
        }
        return static_cast<int>(d);
    }

    double number(const QJsonValue& v, const QString& where)
    {
        if (!v.isDouble()) {
            fail(where, LessonText::tr("not a number"));
            return 0;
        }
        return v.toDouble();
    }

    bool boolean(const QJsonObject& in, const char* key)
    {
        const QJsonValue v = in.value(QLatin1String(key));
        if (!v.isBool())
            fail(QString::fromLatin1(key), LessonText::tr("not true or false"));
        return v.toBool();
    }

    // An array of exactly `size` items, or of at most `size` when `upTo`.
    QJsonArray array(const QJsonObject& in, const char* key, qsizetype size, bool upTo = false)
    {
        const QJsonValue v = in.value(QLatin1String(key));
        const QJsonArray a = v.toArray();
        if (!v.isArray() || (upTo ? a.size() > size : a.size() != size)) {
            fail(QString::fromLatin1(key), upTo ? LessonText::tr("not a list of at most %n items", nullptr, static_cast<int>(size))
                                                : LessonText::tr("not a list of %n items", nullptr, static_cast<int>(size)));
            return {};
        }
        return a;
    }

    template <typename Array>
    void slotsInto(const QJsonObject& in, const char* key, Array& out, int min, int max)
    {
        const QJsonArray a = array(in, key, kMaxNuclides);
        for (qsizetype i = 0; i < a.size(); ++i)
            out[static_cast<std::size_t>(i + 1)] = integerValue(a[i], QString::fromLatin1(key), min, max);
    }

    ColumnChoice flagsOf(const QJsonObject& in, const char* key)
    {
        ColumnChoice c{};
        const QJsonArray a = array(in, key, kMaxNuclides);
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!a[i].isBool())
                fail(QString::fromLatin1(key), LessonText::tr("not true or false"));
            c[static_cast<std::size_t>(i + 1)] = a[i].toBool();
        }
        return c;
    }
};

constexpr int kMaxCount = 2147483647;

// Where a count came from, one letter each: - nobody, R recorded, T typed, P pooled.
constexpr char kOriginLetters[] = "-RTP";

QString faultText(const LessonFault& f)
{
    using F = LessonFault::Kind;
    // A message about one count of the history: %1 its nuclide, %2 its time.
    const auto countAt = [&f](const QString& text) { return text.arg(f.nuclide).arg(f.time); };
    switch (f.kind) {
    case F::None:
        break;
    case F::SeriesLength:
        return LessonText::tr("the series has not 1 to 5 nuclides, or the die not 2 to 40 sides");
    case F::Chance:
        return LessonText::tr("the chance of decay of nuclide %1 is out of range").arg(f.nuclide);
    case F::InitialNumbers:
        return LessonText::tr("the initial numbers are not 1 to 1000 particles in all");
    case F::Time:
        return LessonText::tr("a time is not 0 to 99");
    case F::NegativeCount:
        return LessonText::tr("a count is negative");
    case F::TooManyParticles:
        return LessonText::tr("the chamber holds more than 1000 particles");
    case F::ParticleOrder:
        return LessonText::tr("the particle order is not the numbers 1 to 1000, each once");
    case F::ParticleSize:
        return LessonText::tr("the size of the particles does not suit their number");
    case F::ParticleNuclide:
        return LessonText::tr("a particle belongs to no nuclide of the series");
    case F::ParticlePlace:
        return LessonText::tr("a particle lies outside the chamber");
    case F::CountMismatch:
        return f.nuclide == 0 ? LessonText::tr("the number of particles taken out does not match the particles")
                              : LessonText::tr("the count of nuclide %1 does not match its particles").arg(f.nuclide);
    case F::CountBeyondSeries:
        return LessonText::tr("nuclide %1 is past the end product of the series, yet its count is not the one "
                              "the run started with").arg(f.nuclide);
    case F::RunInitial:
        return LessonText::tr("the initial numbers of the run do not give its particles");
    case F::NoOrigin:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is not 0, yet nobody recorded, "
                                      "typed or pooled it"));
    case F::PooledOrigin:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is pooled, but the run's data "
                                      "are not pooled runs"));
    case F::RecordedInPool:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is recorded, but pooled runs "
                                      "replaced the run's data"));
    case F::RecordedLate:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is recorded after the run's last time"));
    case F::RecordedOutside:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is recorded, but the nuclide "
                                      "is not in the run's series"));
    case F::RecordedCount:
        return countAt(LessonText::tr("the recorded count of nuclide %1 at time %2 is not one the run could record"));
    case F::TypedLate:
        return countAt(LessonText::tr("the count of nuclide %1 at time %2 is after the last time typed or pooled"));
    case F::SeriesMismatch:
        return LessonText::tr("the run's series is not the one the settings choose, and no change of them is waiting");
    }
    return {};
}

// The key of the run a fault of it names.
QString keyOf(const LessonFault& f)
{
    using F = LessonFault::Kind;
    switch (f.kind) {
    case F::CountMismatch:
        return QLatin1String(f.nuclide == 0 ? "removedCount" : "counts");
    case F::CountBeyondSeries:
        return QStringLiteral("counts");
    case F::RunInitial:
        return QStringLiteral("runInitial");
    case F::NoOrigin:
    case F::PooledOrigin:
    case F::RecordedInPool:
    case F::RecordedLate:
    case F::RecordedOutside:
    case F::TypedLate:
        return QStringLiteral("origin");
    case F::RecordedCount:
        return QStringLiteral("history");
    case F::SeriesMismatch:
        return QStringLiteral("seriesLength");
    default:
        return QStringLiteral("run");
    }
}

}  // namespace

QByteArray lessonJson(const Lesson& l)
{
    const Settings& s = l.settings;
    QJsonObject settings{{"seriesLength", s.seriesLength},
                         {"chance", s.dice ? "dice" : "percent"},
                         {"percent", slotArray(s.percent, 1, kMaxNuclides)},
                         {"sides", s.sides},
                         {"decayValue", slotArray(s.decayValue, 1, kMaxNuclides)},
                         {"initial", slotArray(s.initial, 1, kMaxNuclides)},
                         {"pending", l.settingsPending}};
    const LessonView& v = l.view;
    QJsonObject graph{{"base", v.baseE ? "e" : "0.5"},     {"showEquation", v.showEquation},
                      {"halfLifeBar", v.halfLifeBar},      {"initialBar", v.initialBar},
                      {"nuclides", flags(v.graphNuclides)}, {"bestFit", v.bestFit},
                      {"expected", v.expected},            {"logScale", v.logScale}};
    QJsonObject table{{"nuclides", flags(v.tableNuclides)}};
    QJsonObject editor{{"dataPoints", v.dataPoints}, {"nuclide", v.editorNuclide}, {"firstTime", v.editorFirstTime}};
    QJsonObject extras{{"impliedHalfLives", v.impliedHalfLives}, {"locked", v.locked}, {"page", v.page},
                       {"colourBlindSafe", v.colourBlindSafe}};

    const RunState& r = l.run;
    // Rows after the last that holds anything are zeros, and are left out.
    int rows = kHistoryRows;
    while (rows > 1 && std::all_of(r.history[rows].begin(), r.history[rows].end(), [](auto c) { return c == 0; }))
        --rows;
    QJsonArray history;
    for (int row = 1; row <= rows; ++row)
        history.append(slotArray(r.history[row], 1, kMaxNuclides));
    int originRows = kHistoryRows;
    while (originRows > 1
           && std::all_of(r.origin[originRows].begin(), r.origin[originRows].end(), [](Origin o) { return o == Origin::None; }))
        --originRows;
    QJsonArray origin;
    for (int row = 1; row <= originRows; ++row) {
        QString letters;
        for (int k = 1; k <= kMaxNuclides; ++k)
            letters += QLatin1Char(kOriginLetters[static_cast<int>(r.origin[row][k])]);
        origin.append(letters);
    }
    QJsonArray particles;
    for (const ParticleState& p : r.particles)
        particles.append(QJsonArray{p.nuclide, p.x, p.y});
    QJsonObject run{{"seriesLength", r.seriesLength},
                    {"decayThreshold", slotArray(r.decayThreshold, 1, kMaxNuclides)},
                    {"timeIndex", r.timeIndex},
                    {"counts", slotArray(r.nuclideCount, 1, kMaxNuclides + 1)},
                    {"history", history},
                    {"origin", origin},
                    {"pooled", r.pooled},
                    {"lastTypedTime", r.lastTypedTime},
                    {"nuclideMax", slotArray(r.nuclideMax, 1, kMaxNuclides)},
                    {"runInitial", slotArray(r.runInitial, 1, kMaxNuclides)},
                    {"particles", particles},
                    {"particleOrder", slotArray(r.particleOrder, 1, kPoolSize)},
                    {"particleSize", r.particleSize},
                    {"removedCount", r.removedCount},
                    {"random", QString::fromStdString(l.random)}};
    QJsonObject root{{"format", "vestor-lesson"}, {"version", kLessonVersion}, {"settings", settings},
                     {"graph", graph},            {"table", table},            {"editor", editor},
                     {"extras", extras},          {"userName", l.userName},    {"run", run}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Lesson> readLesson(const QByteArray& bytes, QString& error)
{
    error.clear();
    if (bytes.size() > kLessonFileLimit) {
        error = LessonText::tr("it is larger than a lesson can be");
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        error = LessonText::tr("it is not a lesson file (no JSON object at character %1)").arg(parse.offset);
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String("vestor-lesson")) {
        error = LessonText::tr("it is not a lesson file");
        return std::nullopt;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1) {
        error = LessonText::tr("it has no version number");
        return std::nullopt;
    }
    if (version.toDouble() > kLessonVersion) {
        error = LessonText::tr("it was saved by a newer version of the program (lesson version %1); this one reads version %2")
                    .arg(version.toDouble())
                    .arg(kLessonVersion);
        return std::nullopt;
    }

    Reader in;
    Lesson l;
    const QJsonObject settings = in.object(root, "settings");
    Settings& s = l.settings;
    s.seriesLength = in.integer(settings, "seriesLength", 1, kMaxNuclides);
    const QString chance = settings.value(QLatin1String("chance")).toString();
    if (chance != QLatin1String("percent") && chance != QLatin1String("dice"))
        in.fail(QStringLiteral("chance"), LessonText::tr("neither \"percent\" nor \"dice\""));
    s.dice = chance == QLatin1String("dice");
    s.sides = in.integer(settings, "sides", 2, 40);
    in.slotsInto(settings, "percent", s.percent, 1, 100);
    in.slotsInto(settings, "decayValue", s.decayValue, 1, 40);
    in.slotsInto(settings, "initial", s.initial, 0, kPoolSize);
    l.settingsPending = in.boolean(settings, "pending");

    const QJsonObject graph = in.object(root, "graph");
    LessonView& v = l.view;
    const QString base = graph.value(QLatin1String("base")).toString();
    if (base != QLatin1String("e") && base != QLatin1String("0.5"))
        in.fail(QStringLiteral("base"), LessonText::tr("neither \"e\" nor \"0.5\""));
    v.baseE = base == QLatin1String("e");
    v.showEquation = in.boolean(graph, "showEquation");
    v.halfLifeBar = in.integer(graph, "halfLifeBar", 1, 500);
    v.initialBar = in.integer(graph, "initialBar", 0, 40);
    v.graphNuclides = in.flagsOf(graph, "nuclides");
    v.bestFit = in.boolean(graph, "bestFit");
    v.expected = in.boolean(graph, "expected");
    v.logScale = in.boolean(graph, "logScale");
    v.tableNuclides = in.flagsOf(in.object(root, "table"), "nuclides");
    const QJsonObject editor = in.object(root, "editor");
    v.dataPoints = in.integer(editor, "dataPoints", 1, kHistoryRows);
    v.editorNuclide = in.integer(editor, "nuclide", 1, kMaxNuclides);
    v.editorFirstTime = in.integer(editor, "firstTime", 0, editorFirstTimeLimit(v.dataPoints));
    const QJsonObject extras = in.object(root, "extras");
    v.impliedHalfLives = in.boolean(extras, "impliedHalfLives");
    v.locked = in.boolean(extras, "locked");
    v.page = in.integer(extras, "page", 0, 4);
    v.colourBlindSafe = in.boolean(extras, "colourBlindSafe");
    const QJsonValue name = root.value(QLatin1String("userName"));
    if (!name.isString() || name.toString().size() > kUserNameLimit)
        in.fail(QStringLiteral("userName"), LessonText::tr("missing, or not a name of at most %n characters", nullptr, kUserNameLimit));
    l.userName = name.toString();

    const QJsonObject run = in.object(root, "run");
    RunState& r = l.run;
    r.seriesLength = in.integer(run, "seriesLength", 1, kMaxNuclides);
    const QJsonArray thresholds = in.array(run, "decayThreshold", kMaxNuclides);
    for (qsizetype i = 0; i < thresholds.size(); ++i)
        r.decayThreshold[static_cast<std::size_t>(i + 1)] = in.number(thresholds[i], QStringLiteral("decayThreshold"));
    r.timeIndex = in.integer(run, "timeIndex", 1, kLastTime + 1);
    const QJsonArray counts = in.array(run, "counts", kMaxNuclides + 1);
    for (qsizetype i = 0; i < counts.size(); ++i)
        r.nuclideCount[static_cast<std::size_t>(i + 1)] = in.integerValue(counts[i], QStringLiteral("counts"), 0, kPoolSize);
    const QJsonArray history = in.array(run, "history", kHistoryRows, true);
    for (qsizetype row = 0; row < history.size(); ++row) {
        const QJsonArray a = history[row].toArray();
        if (!history[row].isArray() || a.size() != kMaxNuclides)
            in.fail(QStringLiteral("history"), LessonText::tr("row %1 is not a list of 5 counts").arg(row + 1));
        for (qsizetype i = 0; i < a.size() && i < kMaxNuclides; ++i)
            r.history[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(i + 1)] =
                in.integerValue(a[i], QStringLiteral("history"), 0, kMaxCount);
    }
    const QJsonArray origin = in.array(run, "origin", kHistoryRows, true);
    for (qsizetype row = 0; row < origin.size(); ++row) {
        const QString letters = origin[row].toString();
        for (qsizetype i = 0; i < kMaxNuclides; ++i) {
            const char* at = letters.size() == kMaxNuclides ? std::strchr(kOriginLetters, letters[i].toLatin1()) : nullptr;
            if (!at || *at == '\0') {
                in.fail(QStringLiteral("origin"), LessonText::tr("row %1 is not five of the letters - R T P").arg(row + 1));
                break;
            }
            r.origin[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(i + 1)] = static_cast<Origin>(at - kOriginLetters);
        }
    }
    r.pooled = in.boolean(run, "pooled");
    r.lastTypedTime = in.integer(run, "lastTypedTime", 0, kLastTime);
    in.slotsInto(run, "nuclideMax", r.nuclideMax, 0, kMaxCount);
    in.slotsInto(run, "runInitial", r.runInitial, 0, kPoolSize);
    const QJsonArray particles = in.array(run, "particles", kPoolSize, true);
    for (qsizetype i = 0; i < particles.size() && in.ok(); ++i) {
        const QJsonArray p = particles[i].toArray();
        if (!particles[i].isArray() || p.size() != 3) {
            in.fail(QStringLiteral("particles"), LessonText::tr("particle %1 is not [nuclide, x, y]").arg(i + 1));
            break;
        }
        const QString where = LessonText::tr("particle %1").arg(i + 1);
        r.particles.push_back({in.integerValue(p[0], where, 0, kMaxNuclides),
                               in.integerValue(p[1], where, kRemovedX, kChamberWidth),
                               in.integerValue(p[2], where, 0, kChamberHeight)});
    }
    const QJsonArray order = in.array(run, "particleOrder", kPoolSize);
    for (qsizetype i = 0; i < order.size(); ++i)
        r.particleOrder[static_cast<std::size_t>(i + 1)] = in.integerValue(order[i], QStringLiteral("particleOrder"), 1, kPoolSize);
    r.particleSize = in.integer(run, "particleSize", 1, 12);
    r.removedCount = in.integer(run, "removedCount", 0, kPoolSize);
    const QJsonValue random = run.value(QLatin1String("random"));
    l.random = random.toString().toStdString();
    if (!random.isString() || !randomStateSound(l.random))
        in.fail(QStringLiteral("random"),
                LessonText::tr("not a state of the random generator that the program could have saved"));

    if (in.ok()) {
        if (const LessonFault fault = settingsFault(s))
            in.fail(QStringLiteral("settings"), faultText(fault));
        else if (const LessonFault fault = runFault(r))
            in.fail(keyOf(fault), faultText(fault));
        else if (const LessonFault fault = runSettingsFault(r, s, l.settingsPending))
            in.fail(keyOf(fault), faultText(fault));
    }
    if (!in.ok()) {
        error = in.error;
        return std::nullopt;
    }
    return l;
}

}  // namespace vestor
