#include "soakevents.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace vestor::soak {

namespace {

// splitmix64: a good 64-bit mix of (seed, index), so that event i never depends on event i − 1.
std::uint64_t mix(std::uint64_t z)
{
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Draws {
public:
    explicit Draws(std::uint64_t state) : m_state(state) {}
    std::uint64_t next()
    {
        m_state = mix(m_state);
        return m_state;
    }
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }

private:
    std::uint64_t m_state;
};

struct Weighted {
    Kind kind;
    int weight;  // in thousandths of the whole mix
};

// How often a student does each thing. Cheap, frequent actions (Time, Remove, ticks, bars)
// dominate; printing and saving touch files and are rarer.
constexpr std::array<Weighted, static_cast<std::size_t>(Kind::Count)> kMix{{
    {Kind::Time, 90},         {Kind::Remove, 60},       {Kind::Reset, 20},        {Kind::Automate, 20},
    {Kind::StartStop, 25},    {Kind::Tick, 85},         {Kind::TabClick, 45},     {Kind::TabAccelerator, 30},
    {Kind::TabArrow, 15},     {Kind::ConfigBar, 116},   {Kind::SeriesKey, 30},    {Kind::SeriesTabOut, 8},
    {Kind::DecayType, 12},    {Kind::Base, 12},         {Kind::ShowEquation, 12}, {Kind::GraphBox, 30},
    {Kind::GraphPress, 20},   {Kind::GraphRelease, 20}, {Kind::GraphCopy, 10},    {Kind::GraphBar, 25},
    {Kind::GraphPrint, 1},    {Kind::TableBox, 15},     {Kind::TableCopy, 8},     {Kind::TableSave, 3},
    {Kind::DataPoints, 60},   {Kind::Paging, 25},       {Kind::Chooser, 20},      {Kind::TypeField, 125},
    {Kind::Help, 4},          {Kind::Extras, 15},       {Kind::PoolRuns, 5},      {Kind::Lesson, 4},
    {Kind::TypeOn, 30},
}};

constexpr int totalWeight()
{
    int sum = 0;
    for (const auto& w : kMix)
        sum += w.weight;
    return sum;
}

Kind pick(std::uint32_t roll)
{
    for (const auto& w : kMix) {
        if (roll < static_cast<std::uint32_t>(w.weight))
            return w.kind;
        roll -= static_cast<std::uint32_t>(w.weight);
    }
    return Kind::Time;
}

const char* const kBarNames[16] = {"HLsb1",      "HLsb2",      "HLsb3",      "HLsb4", "HLsb5", "sides",
                                   "numdicesb1", "numdicesb2", "numdicesb3", "numdicesb4", "numdicesb5", "NPsb1",
                                   "NPsb2",      "NPsb3",      "NPsb4",      "NPsb5"};

std::string moveText(BarMove m, std::int32_t x)
{
    switch (m) {
    case BarMove::Random: return "to a random position (" + std::to_string(x) + " folded into its range)";
    case BarMove::Minimum: return "to its minimum";
    case BarMove::Maximum: return "to its maximum";
    case BarMove::StepUp: return "one step up";
    case BarMove::StepDown: return "one step down";
    case BarMove::PageUp: return "one page up";
    case BarMove::PageDown: return "one page down";
    case BarMove::KeyHome: return "with the Home key";
    case BarMove::KeyEnd: return "with the End key";
    case BarMove::KeyLeft: return "with the Left key";
    case BarMove::KeyRight: return "with the Right key";
    case BarMove::WheelUp: return "one notch of the wheel up";
    case BarMove::WheelDown: return "one notch of the wheel down";
    case BarMove::Count: break;
    }
    return "?";
}

std::string quoted(const std::string& s)
{
    if (s.size() > 40)
        return "\"" + s.substr(0, 20) + "…\" (" + std::to_string(s.size()) + " bytes)";
    return "\"" + s + "\"";
}

const char* buttonName(std::uint8_t b)
{
    return b == 0 ? "left" : b == 1 ? "right" : "middle";
}

}  // namespace

Event eventAt(std::uint64_t seed, std::size_t index)
{
    static_assert(totalWeight() == 1000, "the mix is given in thousandths");
    Draws d(mix(seed) ^ mix(0xA5A5A5A5ull + index));
    Event e;
    e.kind = pick(d.below(1000));
    switch (e.kind) {
    case Kind::TabClick:
    case Kind::TabAccelerator: e.a = static_cast<std::uint8_t>(d.below(5)); break;
    case Kind::TabArrow: e.a = static_cast<std::uint8_t>(d.below(4)); break;
    case Kind::ConfigBar:
        e.a = static_cast<std::uint8_t>(d.below(16));
        e.b = static_cast<std::uint8_t>(d.below(static_cast<std::uint32_t>(BarMove::Count)));
        e.x = static_cast<std::int32_t>(d.below(0x7FFFFFFF));
        break;
    case Kind::SeriesKey: e.a = static_cast<std::uint8_t>(d.below(6)); break;
    case Kind::DecayType:
    case Kind::Base:
    case Kind::GraphCopy:
    case Kind::GraphPrint:
    case Kind::TableCopy: e.a = static_cast<std::uint8_t>(d.below(2)); break;
    case Kind::GraphBox:
    case Kind::TableBox: e.a = static_cast<std::uint8_t>(1 + d.below(5)); break;
    case Kind::GraphPress:
    case Kind::GraphRelease:
        e.a = static_cast<std::uint8_t>(d.below(3));
        // Mostly inside the 681 × 377 picture, sometimes on or left of the axis.
        e.x = static_cast<std::int32_t>(d.below(681));
        e.y = static_cast<std::int32_t>(d.below(377));
        if (d.below(8) == 0)
            e.x = static_cast<std::int32_t>(d.below(60));
        break;
    case Kind::GraphBar:
        e.a = static_cast<std::uint8_t>(d.below(2));
        e.b = static_cast<std::uint8_t>(d.below(static_cast<std::uint32_t>(BarMove::Count)));
        e.x = static_cast<std::int32_t>(d.below(0x7FFFFFFF));
        break;
    case Kind::DataPoints:
    case Kind::Paging:
        e.b = static_cast<std::uint8_t>(d.below(static_cast<std::uint32_t>(BarMove::Count)));
        e.x = static_cast<std::int32_t>(d.below(0x7FFFFFFF));
        break;
    case Kind::Chooser: e.a = static_cast<std::uint8_t>(d.below(7)); break;
    case Kind::Extras: e.a = static_cast<std::uint8_t>(d.below(6)); break;
    case Kind::PoolRuns: e.a = static_cast<std::uint8_t>(d.below(3)); break;
    // Mostly yes when Reset asks before it replaces pooled counts.
    case Kind::Reset: e.a = static_cast<std::uint8_t>(d.below(4) != 0); break;
    case Kind::TypeOn:
        e.a = static_cast<std::uint8_t>(d.below(2));  // Backspace first
        e.y = static_cast<std::int32_t>(d.below(1000));
        break;
    case Kind::TypeField:
        // Fields showing early times are the ones a short run can reach; favour them.
        e.a = static_cast<std::uint8_t>(d.below(4) == 0 ? 0 : 1 + (d.below(2) ? d.below(4) : d.below(15)));
        e.b = static_cast<std::uint8_t>(d.below(static_cast<std::uint32_t>(Leave::Count)));
        e.x = static_cast<std::int32_t>(d.below(static_cast<std::uint32_t>(Text::Count)));
        e.y = static_cast<std::int32_t>(d.below(0x7FFFFFFF));
        break;
    default: break;
    }
    return e;
}

std::string typedText(Text kind, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    switch (kind) {
    case Text::Small: return std::to_string(v % 1200);
    case Text::Large: return std::to_string(v);
    case Text::Negative: return "-" + std::to_string(v % 100000);
    case Text::IntMin: return "-2147483648";
    case Text::JustAboveIntMax: return "2147483648";
    case Text::IntMax: return "2147483647";
    case Text::NegativeIntMax: return "-2147483647";
    case Text::Letters: {
        std::string s;
        for (std::uint32_t i = 0; i < 1 + v % 6; ++i)
            s += static_cast<char>('a' + (v >> (i * 4)) % 26);
        return s;
    }
    case Text::Empty: return "";
    case Text::Blanks: return std::string(1 + v % 5, ' ');
    case Text::LongDigits: return std::string(30 + v % 40, static_cast<char>('1' + v % 9));
    case Text::LongLetters: return std::string(1000 + v % 3000, static_cast<char>('a' + v % 26));
    case Text::Padded: return "  " + std::to_string(v % 500) + " ";
    case Text::LeadingZeros: return "000" + std::to_string(v % 90);
    case Text::Plus: return "+" + std::to_string(v % 300);
    case Text::Decimal: return std::to_string(v % 300) + ".5";
    case Text::Exponent: return "1e3";
    case Text::Mixed: return std::to_string(v % 99) + "x";
    case Text::SpacedMinus: return "- " + std::to_string(v % 99);
    case Text::UnicodeMinus: return "\xE2\x88\x92" + std::to_string(v % 99);  // U+2212
    case Text::ArabicDigits: return "\xD9\xA3\xD9\xA4";                       // U+0663 U+0664
    case Text::Count: break;
    }
    return "";
}

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Time: return "Time";
    case Kind::Remove: return "Remove";
    case Kind::Reset: return "Reset";
    case Kind::Automate: return "Automate";
    case Kind::StartStop: return "Start/Stop";
    case Kind::Tick: return "timer tick";
    case Kind::TabClick: return "tab click";
    case Kind::TabAccelerator: return "tab accelerator";
    case Kind::TabArrow: return "arrow on the tab row";
    case Kind::ConfigBar: return "configuration bar";
    case Kind::SeriesKey: return "series length key";
    case Kind::SeriesTabOut: return "tab out of the series list";
    case Kind::DecayType: return "decay type";
    case Kind::Base: return "equation base";
    case Kind::ShowEquation: return "show equation";
    case Kind::GraphBox: return "graph check box";
    case Kind::GraphPress: return "mouse press on the graph";
    case Kind::GraphRelease: return "mouse release on the graph";
    case Kind::GraphCopy: return "copy the graph";
    case Kind::GraphBar: return "graph bar";
    case Kind::GraphPrint: return "print the graph";
    case Kind::TableBox: return "table check box";
    case Kind::TableCopy: return "copy the table";
    case Kind::TableSave: return "save the table";
    case Kind::DataPoints: return "np";
    case Kind::Paging: return "tsb";
    case Kind::Chooser: return "chooser";
    case Kind::TypeField: return "type into a field";
    case Kind::Help: return "open the Help menu";
    case Kind::Extras: return "teacher's extras";
    case Kind::PoolRuns: return "pool saved runs";
    case Kind::Lesson: return "save the lesson and open it again";
    case Kind::TypeOn: return "type on in the field";
    case Kind::Count: break;
    }
    return "?";
}

std::string describe(const Event& e)
{
    static const char* const tabs[5] = {"Configuration", "Decay Chamber", "Collected Data Table", "Graph",
                                        "Edit Graph Data"};
    static const char* const letters[5] = {"C", "D", "T", "G", "R"};
    static const char* const arrows[4] = {"Left", "Right", "Up", "Down"};
    static const char* const seriesKeys[6] = {"Up", "Down", "Home", "End", "PageUp", "PageDown"};
    static const char* const leaves[5] = {"then Tab", "then Shift+Tab", "then Enter", "then focus elsewhere",
                                          "and stay in the field"};
    const auto move = static_cast<BarMove>(e.b);
    switch (e.kind) {
    case Kind::TabClick: return std::string("click the tab \"") + tabs[e.a] + "\"";
    case Kind::TabAccelerator: return std::string("press Alt+") + letters[e.a];
    case Kind::TabArrow: return std::string("press ") + arrows[e.a] + " on the tab row";
    case Kind::ConfigBar: return std::string("move ") + kBarNames[e.a] + " " + moveText(move, e.x);
    case Kind::SeriesKey: return std::string("press ") + seriesKeys[e.a] + " in the series list dc";
    case Kind::DecayType: return e.a ? "choose Dice" : "choose Percentage";
    case Kind::Base: return e.a ? "choose base e" : "choose base 0.5";
    case Kind::GraphBox: return "click p" + std::to_string(e.a) + "cb";
    case Kind::GraphPress:
    case Kind::GraphRelease:
        return std::string(e.kind == Kind::GraphPress ? "press " : "release ") + buttonName(e.a) + " button at ("
               + std::to_string(e.x) + ", " + std::to_string(e.y) + ") on the graph";
    case Kind::GraphCopy: return e.a ? "press Ctrl+C on the graph page" : "choose Copy in the graph's pop-up";
    case Kind::GraphPrint: return e.a ? "press Ctrl+P on the graph page" : "choose Print in the graph's pop-up";
    case Kind::GraphBar: return std::string("move ") + (e.a ? "yshift " : "h ") + moveText(move, e.x);
    case Kind::TableBox: return "click p1" + std::to_string(e.a) + "cb";
    case Kind::TableCopy: return e.a ? "select some lines and Copy Highlighted" : "Copy All";
    case Kind::DataPoints: return "move np " + moveText(move, e.x);
    case Kind::Paging: return "move tsb " + moveText(move, e.x);
    case Kind::Chooser:
        return e.a < 5 ? "choose \"Nuclide " + std::to_string(e.a + 1) + "\" in showdd"
                       : std::string("press ") + (e.a == 5 ? "Up" : "Down") + " in showdd";
    case Kind::Extras: {
        static const char* const extras[6] = {"switch Implied Half-lives", "click bestfitcb", "click expectedcb",
                                              "click usefitbt", "click logcb", "switch Colour-blind Safe Colours"};
        return extras[e.a];
    }
    case Kind::PoolRuns: {
        static const char* const pools[3] = {"pool the saved table", "pool the saved table twice",
                                             "pool the saved table with a line cut out"};
        return pools[e.a];
    }
    case Kind::Reset: return e.a ? "Reset" : "Reset, answering No if asked";
    case Kind::TypeOn:
        return std::string("type ") + (e.a ? "Backspace then " : "") + std::to_string(e.y) + " on in the field in focus";
    case Kind::TypeField:
        return "type " + quoted(typedText(static_cast<Text>(e.x), e.y)) + " into "
               + (e.a == 0 ? std::string("icount") : "t" + std::to_string(e.a)) + " " + leaves[e.b];
    default: return kindName(e.kind);
    }
}

bool parseIndexList(const std::string& text, std::vector<std::size_t>& out)
{
    out.clear();
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        std::size_t v = 0;
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || next == p)
            return false;
        out.push_back(v);
        p = next;
        if (p < end) {
            if (*p != ',')
                return false;
            ++p;
            if (p == end)
                return false;
        }
    }
    return !out.empty();
}

}  // namespace vestor::soak
