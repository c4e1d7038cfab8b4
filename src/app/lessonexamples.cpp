#include "app/lessonexamples.h"

#include <QtGlobal>
#include <algorithm>

namespace vestor {

namespace {

Settings percent(std::array<int, 6> chances, std::array<int, 6> initial, int length)
{
    Settings s;
    s.seriesLength = length;
    for (int k = 1; k <= kMaxNuclides; ++k)
        if (chances[k] > 0)
            s.percent[k] = chances[k];
    s.initial = initial;
    return s;
}

Settings dice(int sides, std::array<int, 6> values, std::array<int, 6> initial, int length)
{
    Settings s;
    s.seriesLength = length;
    s.dice = true;
    s.sides = sides;
    for (int k = 1; k <= kMaxNuclides; ++k)
        s.decayValue[k] = std::min(values[k] > 0 ? values[k] : 1, sides);
    s.initial = initial;
    return s;
}

}  // namespace

const std::vector<LessonExample>& lessonExamples()
{
    static const std::vector<LessonExample> examples = {
        {QT_TRANSLATE_NOOP("vestor::MainWindow", "&Dice practical: one nuclide, a six-sided die"),
         QT_TRANSLATE_NOOP("vestor::MainWindow",
                           "500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws."),
         dice(6, {0, 1, 1, 1, 1, 1}, {0, 500, 0, 0, 0, 0}, 1)},
        {QT_TRANSLATE_NOOP("vestor::MainWindow", "&Half-life of one step: one nuclide at 50 %"),
         QT_TRANSLATE_NOOP("vestor::MainWindow",
                           "800 particles with a chance of 50 % a step: the count halves at every step."),
         percent({0, 50, 0, 0, 0, 0}, {0, 800, 0, 0, 0, 0}, 1)},
        {QT_TRANSLATE_NOOP("vestor::MainWindow", "&Fast parent, slow daughter"),
         QT_TRANSLATE_NOOP("vestor::MainWindow",
                           "Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter "
                           "builds up, then decays slowly."),
         percent({0, 30, 5, 0, 0, 0}, {0, 600, 0, 0, 0, 0}, 2)},
        {QT_TRANSLATE_NOOP("vestor::MainWindow", "&Slow parent, fast daughter"),
         QT_TRANSLATE_NOOP("vestor::MainWindow",
                           "Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter "
                           "soon follows its parent's half-life."),
         percent({0, 5, 40, 0, 0, 0}, {0, 600, 0, 0, 0, 0}, 2)},
        {QT_TRANSLATE_NOOP("vestor::MainWindow", "Fi&ve-member series by dice"),
         QT_TRANSLATE_NOOP("vestor::MainWindow",
                           "A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; "
                           "500 particles of nuclide 1."),
         dice(10, {0, 2, 3, 1, 4, 2}, {0, 500, 0, 0, 0, 0}, 5)},
    };
    return examples;
}

}  // namespace vestor
