#pragma once

#include <array>
#include <cstdint>
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
// with CountMismatch, the particles taken out).
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
    };
    Kind kind = Kind::None;
    int nuclide = 0;
    explicit operator bool() const { return kind != Kind::None; }
};
// Checks ranges, the counts against the particles and the particle order; a sound run may be
// restored.
LessonFault runFault(const RunState& run);
// Checks that the settings are positions the Configuration page can show.
LessonFault settingsFault(const Settings& s);

}  // namespace vestor
