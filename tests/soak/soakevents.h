#pragma once

// The student's actions the soak plays, as plain data. An event depends only on the seed and
// its own index, so any subsequence of a run can be replayed with exactly the same parameters.
// No Qt here: the process that shrinks a failing run never starts a GUI of its own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vestor::soak {

enum class Kind : std::uint8_t {
    Time,
    Remove,
    Reset,
    Automate,
    StartStop,
    Tick,
    TabClick,
    TabAccelerator,
    TabArrow,
    ConfigBar,
    SeriesKey,
    SeriesTabOut,
    DecayType,
    Base,
    ShowEquation,
    GraphBox,
    GraphPress,
    GraphRelease,
    GraphCopy,
    GraphBar,
    GraphPrint,
    TableBox,
    TableCopy,
    TableSave,
    DataPoints,
    Paging,
    Chooser,
    TypeField,
    Help,
    Extras,
    PoolRuns,
    Lesson,
    TypeOn,  // keys into the field the student is in, without clicking it first
    Count    // number of kinds, not an action
};

// How a scroll bar is moved.
enum class BarMove : std::uint8_t {
    Random,
    Minimum,
    Maximum,
    StepUp,
    StepDown,
    PageUp,
    PageDown,
    KeyHome,
    KeyEnd,
    KeyLeft,
    KeyRight,
    WheelUp,  // one notch of the mouse wheel over the bar, which takes no focus
    WheelDown,
    Count
};

// How a typed field is left.
enum class Leave : std::uint8_t { Tab, BackTab, Enter, FocusElsewhere, Stay, Count };

// What is typed into an editor field.
enum class Text : std::uint8_t {
    Small,
    Large,
    Negative,
    IntMin,
    JustAboveIntMax,
    IntMax,
    NegativeIntMax,
    Letters,
    Empty,
    Blanks,
    LongDigits,
    LongLetters,
    Padded,
    LeadingZeros,
    Plus,
    Decimal,
    Exponent,
    Mixed,
    SpacedMinus,
    UnicodeMinus,
    ArabicDigits,
    Count
};

struct Event {
    Kind kind = Kind::Time;
    std::uint8_t a = 0;  // which control, button, key or mode
    std::uint8_t b = 0;  // a second choice (how a field is left, which bar move)
    std::int32_t x = 0;  // a position or value
    std::int32_t y = 0;
};

// The event at `index` of the run from `seed`.
Event eventAt(std::uint64_t seed, std::size_t index);

// The text an event types into a field.
std::string typedText(Text kind, std::int32_t value);

std::string describe(const Event& e);
const char* kindName(Kind kind);

// Reads "12,57,903" into indices; false on anything else.
bool parseIndexList(const std::string& text, std::vector<std::size_t>& out);

}  // namespace vestor::soak
