#pragma once

#include <vector>

#include "core/simulation.h"

namespace vestor {

// A built-in lesson a teacher can start from: its settings, a title for the menu and a line
// saying what the class sees (both translated where they are shown).
struct LessonExample {
    const char* title;
    const char* description;
    Settings settings;
};

const std::vector<LessonExample>& lessonExamples();

}  // namespace vestor
