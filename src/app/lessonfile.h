#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "core/lesson.h"

namespace vestor {

// What the pages show and the extras chosen, beside the settings and the run.
struct LessonView {
    bool baseE = true;
    bool showEquation = true;
    int halfLifeBar = 1;
    int initialBar = 20;
    ColumnChoice graphNuclides{false, true, false, false, false, false};
    bool bestFit = false;
    bool expected = false;
    bool logScale = false;
    ColumnChoice tableNuclides{false, true, false, false, false, false};
    int dataPoints = 1;
    int editorNuclide = 1;
    int editorFirstTime = 0;
    // The page in view: a pending change of the settings starts its run when it is left.
    int page = 0;
    bool impliedHalfLives = false;
    bool colourBlindSafe = false;
    bool locked = false;
    bool operator==(const LessonView&) const = default;
};

// Everything a lesson file holds: enough to go on exactly where it was saved.
struct Lesson {
    Settings settings;
    // The settings were changed after the run began; the next page change starts a new run.
    bool settingsPending = false;
    RunState run;
    // The random generator's state, as the standard library writes it.
    std::string random;
    LessonView view;
    QString userName;
    bool operator==(const Lesson&) const = default;
};

inline constexpr int kLessonVersion = 1;
// Larger files are refused unread; a lesson of 1000 particles takes about 40 kB.
inline constexpr qint64 kLessonFileLimit = 4 * 1024 * 1024;

// The lesson as a JSON document (docs/lesson-format.md).
QByteArray lessonJson(const Lesson& lesson);

// Reads a lesson file's bytes. On refusal `error` says what is wrong, in the student's language,
// and nothing is returned.
std::optional<Lesson> readLesson(const QByteArray& bytes, QString& error);

}  // namespace vestor
