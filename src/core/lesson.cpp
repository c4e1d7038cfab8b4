#include "core/lesson.h"

#include <algorithm>
#include <cmath>

#include "core/randomgenerator.h"

namespace vestor {

RunState captureRun(const Simulation& sim)
{
    RunState run;
    run.seriesLength = sim.seriesLength;
    run.decayThreshold = sim.decayThreshold;
    run.nuclideCount = sim.nuclideCount;
    run.history = sim.history;
    run.timeIndex = sim.timeIndex;
    run.lastTypedTime = sim.lastTypedTime;
    run.origin = sim.origin;
    // Only the nuclides' slots say anything.
    for (auto& row : run.origin)
        row[0] = row[6] = Origin::None;
    run.pooled = sim.pooled;
    run.nuclideMax = sim.nuclideMax;
    run.runInitial = sim.runInitial;
    run.particleOrder = sim.particleOrder;
    run.particleSize = sim.particleSize;
    run.removedCount = sim.removedCount;
    for (int i = 1; i <= sim.particleTotal; ++i) {
        const Particle& p = sim.particles[i];
        run.particles.push_back({p.color == kWhite ? 0 : sim.nuclideOf(p.color), p.x, p.y});
    }
    return run;
}

void restoreRun(Simulation& sim, const RunState& run)
{
    sim.seriesLength = run.seriesLength;
    for (int k = 1; k <= kMaxNuclides; ++k)
        sim.nuclideColor[k] = sim.legend[k];
    sim.nuclideColor[6] = kWhite;
    sim.nuclideColor[run.seriesLength + 1] = kWhite;
    sim.decayThreshold = run.decayThreshold;
    sim.nuclideCount = run.nuclideCount;
    sim.history = run.history;
    sim.timeIndex = run.timeIndex;
    sim.lastTypedTime = run.lastTypedTime;
    sim.origin = run.origin;
    sim.pooledFiles.clear();
    sim.pooled = run.pooled;
    sim.nuclideMax = run.nuclideMax;
    sim.runInitial = run.runInitial;
    sim.particleOrder = run.particleOrder;
    sim.particleSize = run.particleSize;
    sim.removedCount = run.removedCount;
    sim.particleTotal = static_cast<int>(run.particles.size());
    for (int i = 1; i <= kPoolSize; ++i)
        sim.particles[i] = Particle{};
    for (int i = 1; i <= sim.particleTotal; ++i) {
        const ParticleState& p = run.particles[static_cast<std::size_t>(i - 1)];
        sim.particles[i] = {p.nuclide == 0 ? kWhite : sim.nuclideColor[p.nuclide], p.x, p.y};
    }
}

namespace {

// Every count's origin is one the run's own history could leave.
LessonFault historyFault(const RunState& run)
{
    using F = LessonFault::Kind;
    const auto particles = static_cast<std::int32_t>(run.particles.size());
    for (int row = 1; row <= kHistoryRows; ++row) {
        const int time = row - 1;
        for (int k = 1; k <= kMaxNuclides; ++k) {
            const std::int32_t count = run.history[row][k];
            switch (run.origin[row][k]) {
            case Origin::None:
                if (count != 0)
                    return {F::NoOrigin, k, time};
                break;
            case Origin::Recorded:
                // Pooling replaces every count; a Time step records nothing over pooled data.
                if (run.pooled)
                    return {F::RecordedInPool, k, time};
                // Reset records all five initial numbers at time 0, a Time step the series' counts.
                if (time == 0 ? count != run.runInitial[k] : count > particles)
                    return {F::RecordedCount, k, time};
                if (row > run.timeIndex)
                    return {F::RecordedLate, k, time};
                if (time > 0 && k > run.seriesLength)
                    return {F::RecordedOutside, k, time};
                break;
            case Origin::Pooled:
                if (!run.pooled)
                    return {F::PooledOrigin, k, time};
                [[fallthrough]];
            case Origin::Typed:
                if (time > run.lastTypedTime)
                    return {F::TypedLate, k, time};
                break;
            }
        }
    }
    return {};
}

}  // namespace

LessonFault runFault(const RunState& run)
{
    using F = LessonFault::Kind;
    if (run.seriesLength < 1 || run.seriesLength > kMaxNuclides)
        return {F::SeriesLength};
    for (int k = 1; k <= kMaxNuclides; ++k) {
        const double d = run.decayThreshold[k];
        if (!std::isfinite(d) || d < 0 || d > 100)
            return {F::Chance, k};
    }
    if (run.timeIndex < 1 || run.timeIndex > kLastTime + 1 || run.lastTypedTime < 0 || run.lastTypedTime > kLastTime)
        return {F::Time};
    for (const auto& row : run.history)
        for (const std::int32_t c : row)
            if (c < 0)
                return {F::NegativeCount};
    for (int k = 1; k <= kMaxNuclides; ++k)
        if (run.nuclideMax[k] < 0 || run.runInitial[k] < 0)
            return {F::NegativeCount, k};
    if (run.particles.size() > static_cast<std::size_t>(kPoolSize))
        return {F::TooManyParticles};
    std::array<bool, kPoolSize + 1> seen{};
    for (int i = 1; i <= kPoolSize; ++i) {
        const int v = run.particleOrder[i];
        if (v < 1 || v > kPoolSize || seen[v])
            return {F::ParticleOrder};
        seen[v] = true;
    }
    if (run.particleSize != Simulation::sizeFor(static_cast<int>(run.particles.size())))
        return {F::ParticleSize};
    // The counts must be those of the particles: each nuclide's, the end product's still in the
    // chamber, and those taken out.
    std::array<std::int32_t, 7> counted{};
    int removed = 0;
    for (const ParticleState& p : run.particles) {
        if (p.nuclide < 0 || p.nuclide > run.seriesLength)
            return {F::ParticleNuclide};
        if (p.x == kRemovedX) {
            if (p.nuclide != 0)
                return {F::ParticleNuclide};
            ++removed;
            continue;
        }
        // Inside the frame: Remove takes out only particles right of x = 0.
        if (p.x < 1 || p.x >= kChamberWidth || p.y < 1 || p.y >= kChamberHeight)
            return {F::ParticlePlace};
        ++counted[p.nuclide == 0 ? run.seriesLength + 1 : p.nuclide];
    }
    if (removed != run.removedCount)
        return {F::CountMismatch, 0};
    for (int k = 1; k <= run.seriesLength + 1; ++k)
        if (counted[k] != run.nuclideCount[k])
            return {F::CountMismatch, k};
    // Reset loads all five initial numbers and then clears the end product's slot and slot 6;
    // nothing writes the slots past the end product after that.
    for (int k = run.seriesLength + 2; k <= kMaxNuclides + 1; ++k)
        if (run.nuclideCount[k] != (k <= kMaxNuclides ? run.runInitial[k] : 0))
            return {F::CountBeyondSeries, k};
    // Reset made the first runInitial[1] particles nuclide 1, the next runInitial[2] nuclide 2,
    // and so on; a particle only moves down the series.
    std::int64_t placed = 0;
    for (int k = 1; k <= run.seriesLength; ++k)
        placed += run.runInitial[k];
    if (placed != static_cast<std::int64_t>(run.particles.size()))
        return {F::RunInitial};
    auto particle = run.particles.begin();
    for (int k = 1; k <= run.seriesLength; ++k)
        for (int n = 0; n < run.runInitial[k]; ++n, ++particle)
            if (particle->nuclide != 0 && particle->nuclide < k)
                return {F::RunInitial, k};
    return historyFault(run);
}

LessonFault settingsFault(const Settings& s)
{
    using F = LessonFault::Kind;
    if (s.seriesLength < 1 || s.seriesLength > kMaxNuclides || s.sides < 2 || s.sides > 40)
        return {F::SeriesLength};
    int total = 0;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        if (s.percent[k] < 1 || s.percent[k] > 100 || s.decayValue[k] < 1 || s.decayValue[k] > s.sides)
            return {F::Chance, k};
        if (s.initial[k] < (k == 1 ? 1 : 0))
            return {F::InitialNumbers, k};
        total += s.initial[k];
    }
    if (total > kPoolSize)
        return {F::InitialNumbers};
    return {};
}

LessonFault runSettingsFault(const RunState& run, const Settings& s, bool pending)
{
    if (!pending && !run.pooled && run.seriesLength != s.seriesLength)
        return {LessonFault::Kind::SeriesMismatch};
    return {};
}

int editorFirstTimeLimit(int dataPoints)
{
    return dataPoints == 1 ? kHistoryRows : std::max(dataPoints - 15, 0);
}

bool randomStateSound(const std::string& text)
{
    std::optional<RandomGenerator> engine = RandomGenerator::fromState(text);
    if (!engine)
        return false;
    // The state is the last n words drawn, so n zeros in a row are zeros for ever. Past the
    // first n draws the generator has renewed its words at least once.
    engine->discard(RandomGenerator::kWords);
    for (std::size_t i = 0; i < RandomGenerator::kWords; ++i)
        if ((*engine)() != 0)
            return true;
    return false;
}

}  // namespace vestor
