#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/simulation.h"
#include "core/tabletext.h"

namespace vestor {

// A particle as a lesson keeps it: its nuclide (1..5, 0 for the end product) rather than its
// colour, so that a lesson opens in any palette, and its place; x is kRemovedX once taken out.
struct ParticleState {
    int nuclide = 1;
    int x = 0;
    int y = 0;
    bool operator==(const ParticleState&) const = default;
};

// The run in the chamber, as much of the simulation as the next Time step, Remove and Reset
// depend on.
struct RunState {
    int seriesLength = 1;
    std::array<double, 6> decayThreshold{};
    std::array<std::int32_t, 7> nuclideCount{};
    History history{};
    int timeIndex = 1;
    int lastTypedTime = 0;
    std::array<std::array<Origin, 7>, kHistoryRows + 1> origin{};
    bool pooled = false;
    std::array<std::int32_t, 6> nuclideMax{};
    std::array<std::int32_t, 6> runInitial{};
    std::vector<ParticleState> particles;  // particles 1..particleTotal
    std::array<int, kPoolSize + 1> particleOrder{};
    int particleSize = 8;
    int removedCount = 0;
    bool operator==(const RunState&) const = default;
};

RunState captureRun(const Simulation& sim);
// Puts a sound run (see runFault) into the simulation; the legend decides the colours.
void restoreRun(Simulation& sim, const RunState& run);
// What makes a lesson's settings or run unsound, and the nuclide it concerns (0 for none or,
// with CountMismatch, the particles taken out) and the time of the count (-1 for none).
struct LessonFault {
    enum class Kind {
        None,
        SeriesLength,      // not 1 to 5 nuclides, or a die of other than 2 to 40 sides
        Chance,            // a chance outside 0..100 percent, or a decay value above the sides
        InitialNumbers,    // nuclide 1 with none, or more than 1000 in all
        Time,              // a time outside 0..99
        NegativeCount,     // a count, maximum or initial number below zero
        TooManyParticles,  // more than 1000
        ParticleOrder,     // not the numbers 1..1000, each once
        ParticleSize,      // a disc size that does not suit the number of particles
        ParticleNuclide,   // a particle of no nuclide of the series, or taken out undecayed
        ParticlePlace,     // a particle outside the chamber
        CountMismatch,     // a count that is not the number of its particles
        CountBeyondSeries, // a count past the end product that Reset did not leave there
        RunInitial,        // initial numbers that do not give the particles, in their order
        NoOrigin,          // a count other than 0 that nobody recorded, typed or pooled
        PooledOrigin,      // a pooled count in a run whose data are not pooled
        RecordedInPool,    // a recorded count in a run whose data are pooled
        RecordedLate,      // a count recorded after the run's time
        RecordedOutside,   // a count recorded for a nuclide outside the run's series
        RecordedCount,     // a recorded count no run could record: more than its particles, or at
                           // time 0 other than the initial number
        TypedLate,         // a typed or pooled count after the last time typed or pooled
        SeriesMismatch,    // the run's series is not the settings' though no change waits
    };
    Kind kind = Kind::None;
    int nuclide = 0;
    int time = -1;
    explicit operator bool() const { return kind != Kind::None; }
};
// Checks ranges, the counts against the particles, the particles against the initial numbers,
// the particle order, and every count of the history against what the run could have recorded;
// a sound run may be restored.
LessonFault runFault(const RunState& run);
// Checks that the settings are positions the Configuration page can show.
LessonFault settingsFault(const Settings& s);
// Checks the run against the settings: a run's series is the settings' unless a change of them
// waits for its run, or a new run was declined over pooled counts.
LessonFault runSettingsFault(const RunState& run, const Settings& s, bool pending);

// The largest first time the graph data editor's scroll bar reaches with N data points: N − 15,
// or 100 with N at 1, the bar's range before N first changes.
int editorFirstTimeLimit(int dataPoints);

// True when `text` is a state of the main window's generator exactly as it writes one (no other
// spacing, leading zeros or trailing text), and one it can leave: a state of zeros yields zeros
// for ever, and no seeding gives it.
bool randomStateSound(const std::string& text);

}  // namespace vestor
