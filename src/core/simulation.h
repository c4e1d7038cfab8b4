#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vestor {

// A 24-bit colour with red in the low byte (0x00BBGGRR).
using Color = std::uint32_t;

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;
inline constexpr int kMaxNuclides = 5;
inline constexpr int kPoolSize = 1000;
inline constexpr int kHistoryRows = 100;
inline constexpr int kChamberWidth = 505;
inline constexpr int kChamberHeight = 356;
inline constexpr int kPanelWidth = 120;
inline constexpr int kPanelHeight = 356;
// x of a particle that has been taken out of the chamber into the decayed panel.
inline constexpr int kRemovedX = -4;

// Default nuclide colours, slot 1..5 (slot 0 unused): black, red, lime, aqua, teal.
inline constexpr std::array<Color, 6> kDefaultColors = {0, 0x000000, 0x0000FF, 0x00FF00, 0xFFFF00, 0x808000};
// Colours a colour-blind student tells apart, from each other and from the white of the chamber
// and of removed particles, and dark enough to read as captions on the pale yellow panel: black,
// vermilion, blue, purple, grey.
inline constexpr std::array<Color, 6> kColourBlindSafeColors = {0, 0x000000, 0x0037CD, 0xFF6600, 0x660066, 0x696969};

struct Particle {
    Color color = kBlack;
    int x = 0;
    int y = 0;
};

// What Reset takes from the configuration page and the chamber legend.
// Per-nuclide arrays are numbered 1..5; slot 0 is unused.
struct Settings {
    int seriesLength = 1;
    bool dice = false;
    int sides = 6;
    std::array<int, 6> percent{0, 50, 50, 50, 50, 50};
    std::array<int, 6> decayValue{0, 3, 3, 3, 3, 3};
    std::array<int, 6> initial{0, 400, 0, 0, 0, 0};
    std::array<Color, 6> legend = kDefaultColors;

    bool operator==(const Settings&) const = default;
};

// Receives the drawing that the simulation's operations imply, in the order it must happen.
class ChamberListener {
public:
    virtual ~ChamberListener() = default;
    // Both images are cleared: chamber outline in the chamber's last pen colour, panel outline black.
    virtual void imagesCleared() = 0;
    // A disc in the chamber, in the box (x, y)–(x + size, y + size).
    virtual void chamberDisc(int x, int y, int size, Color fill, Color outline) = 0;
    // A removed particle stacked in the decayed panel (white, black rim).
    virtual void panelDisc(int x, int y, int size) = 0;
};

// Where a count of the history came from.
enum class Origin : std::uint8_t {
    None,      // a zero nobody recorded
    Recorded,  // the run's initial number or a Time step's count
    Typed,     // typed by the student on the graph data page
    Pooled,    // the sum of the class's saved runs
};

// The decay chamber: series, particle pool, counts and recorded history.
// Tables keep the 1-based slot numbering of the rules (slot 0 unused).
class Simulation {
public:
    using Random = std::function<double()>;  // uniform in [0, 1)

    explicit Simulation(Random random);

    void setListener(ChamberListener* listener) { m_listener = listener; }

    // Starts a new run from the settings.
    void reset(const Settings& settings);

    // The first half of a Time step: raises the maxima and decides whether the step may run.
    // Returns the number of data points the step records, or nothing when it is refused.
    std::optional<int> prepareStep();
    // The second half: advances the time, lets particles decay and records the counts.
    void runStep();
    // Both halves; true when the step ran.
    bool timeStep();

    // Takes decayed particles out of the chamber into the decayed panel; returns how many.
    int removeStep();

    // Gives nuclides 1..5 the legend's new colours, the particles in the chamber included, mid-run.
    void recolour(const std::array<Color, 6>& legend);

    // Nuclide number of a colour: 0 for white (end product), 1..5 by the legend, -1 for none.
    int nuclideOf(Color color) const;
    int activeTotal() const;
    // The count invariant: slots add up and match the pool.
    bool invariantHolds() const;
    // Stack position of the r-th removed particle in the decayed panel.
    static std::pair<int, int> stackPosition(int r, int size);
    static int sizeFor(int total);

    // Stores a count the student typed for time t (0..99), marking that time as data.
    void storeTyped(int time, int k, std::int32_t count);
    // Makes the sums of saved runs, times 0..times − 1, the whole of the graph data; the later
    // times hold nothing. The chamber's run is over: no Time step records until the next Reset.
    void storePooled(const std::array<std::array<std::int32_t, 7>, kHistoryRows + 1>& sums, int times);
    // The last time that holds data: recorded by a step, typed by the student or pooled. Rows
    // after it hold zeros nobody recorded, which are not extinctions.
    int lastDataTime() const { return pooled ? lastTypedTime : std::max(timeIndex - 1, lastTypedTime); }

    int seriesLength = 1;
    std::array<Color, 7> nuclideColor{};
    std::array<double, 6> decayThreshold{};
    std::array<std::int32_t, 7> nuclideCount{};
    std::array<std::array<std::int32_t, 7>, kHistoryRows + 1> history{};
    int timeIndex = 1;
    // The latest time the student typed a count into, or the pool's last time, since the last Reset.
    int lastTypedTime = 0;
    // Where each count of `history` came from, in the same layout.
    std::array<std::array<Origin, 7>, kHistoryRows + 1> origin{};
    // The graph data are pooled runs, which Time steps never write over; cleared by Reset.
    bool pooled = false;
    // The names of the saved runs pooled, where known; cleared with `pooled`.
    std::vector<std::string> pooledFiles;
    std::array<std::int32_t, 6> nuclideMax{};
    std::array<Particle, kPoolSize + 1> particles{};
    std::array<int, kPoolSize + 1> particleOrder{};
    int particleTotal = 0;
    int particleSize = 8;
    int removedCount = 0;
    // The initial numbers the current run started with (history's first row may be edited).
    std::array<std::int32_t, 6> runInitial{};
    // How many runs Reset has started.
    std::uint64_t runsStarted = 0;

    // The colours of the legend discs as last read at Reset; decides a particle's nuclide.
    std::array<Color, 6> legend = kDefaultColors;

private:
    Random m_random;
    ChamberListener* m_listener = nullptr;
};

}  // namespace vestor
