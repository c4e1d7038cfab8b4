#include "core/simulation.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vestor {

Simulation::Simulation(Random random) : m_random(std::move(random))
{
    for (int k = 1; k <= kMaxNuclides; ++k)
        nuclideColor[k] = kDefaultColors[k];
    nuclideColor[6] = kWhite;
    for (int i = 1; i <= kPoolSize; ++i)
        particleOrder[i] = i;
    // The pool starts black and undrawn.
    for (auto& p : particles)
        p = Particle{};
}

int Simulation::sizeFor(int total)
{
    if (total < 250)
        return 12;
    if (total < 500)
        return 10;
    return 5;
}

std::pair<int, int> Simulation::stackPosition(int r, int size)
{
    const int cols = kPanelWidth / size;
    return {(r % cols) * size, (r / cols) * size};
}

void Simulation::reset(const Settings& s)
{
    ++runsStarted;
    for (auto& row : history)
        row.fill(0);
    for (auto& row : origin)
        row.fill(Origin::None);
    origin[1].fill(Origin::Recorded);
    legend = s.legend;
    for (int k = 1; k <= kMaxNuclides; ++k)
        nuclideColor[k] = s.legend[k];
    nuclideColor[6] = kWhite;
    seriesLength = s.seriesLength;
    nuclideColor[seriesLength + 1] = kWhite;
    for (int k = 1; k <= kMaxNuclides; ++k) {
        nuclideCount[k] = s.initial[k];
        history[1][k] = s.initial[k];
        runInitial[k] = s.initial[k];
        nuclideMax[k] = nuclideCount[k];
    }
    nuclideCount[6] = 0;
    nuclideCount[seriesLength + 1] = 0;
    timeIndex = 1;
    lastTypedTime = 0;
    pooled = false;
    pooledFiles.clear();
    removedCount = 0;
    particleTotal = 0;
    for (int k = 1; k <= seriesLength; ++k)
        particleTotal += s.initial[k];
    particleSize = sizeFor(particleTotal);
    for (int k = 1; k <= kMaxNuclides; ++k) {
        // The product is an integer, the quotient a real: 1 of 3 is 33.333…, not 33.
        decayThreshold[k] = s.dice ? static_cast<double>(s.decayValue[k] * 100) / s.sides : s.percent[k];
    }
    // Every Reset shuffles all 1000 cells, whatever the number of particles.
    for (int n = kPoolSize; n >= 1; --n) {
        // For the largest draw below 1 and n a power of two, u * n + 1 rounds up to n + 1.
        const int j = std::min(static_cast<int>(m_random() * n + 1), n);
        std::swap(particleOrder[n], particleOrder[j]);
    }
    if (m_listener)
        m_listener->imagesCleared();

    constexpr int grid = 32;  // trunc(sqrt(1000) + 1)
    constexpr double w = kChamberWidth;
    constexpr double h = kChamberHeight;
    int bound[6]{};
    for (int k = 1, sum = 0; k <= kMaxNuclides; ++k) {
        sum += s.initial[k];
        bound[k] = sum;
    }
    for (int i = 1; i <= particleTotal; ++i) {
        int k = 5;
        for (int c = 1; c <= 4; ++c) {
            if (i <= bound[c]) {
                k = c;
                break;
            }
        }
        Particle& p = particles[i];
        p.color = nuclideColor[k];
        const int v = particleOrder[i];
        const double u1 = m_random();
        const double u2 = m_random();
        p.y = (kChamberHeight / grid) * (v / grid) + static_cast<int>(u1 * (h / 64) + 3);
        p.x = (kChamberWidth / grid) * (v % grid) + static_cast<int>(u2 * (w / 64) + 3);
        if (m_listener)
            m_listener->chamberDisc(p.x, p.y, particleSize, p.color, p.color);
    }
}

void Simulation::recolour(const std::array<Color, 6>& newLegend)
{
    // A particle's nuclide is known only by its colour: find it by the old legend first.
    for (int i = 1; i <= particleTotal; ++i)
        if (const int k = nuclideOf(particles[i].color); k >= 1)
            particles[i].color = newLegend[k];
    legend = newLegend;
    for (int k = 1; k <= kMaxNuclides; ++k)
        if (k != seriesLength + 1)
            nuclideColor[k] = newLegend[k];
}

int Simulation::nuclideOf(Color color) const
{
    if (color == kWhite)
        return 0;
    for (int k = 1; k <= kMaxNuclides; ++k)
        if (legend[k] == color)
            return k;
    return -1;
}

int Simulation::activeTotal() const
{
    int total = 0;
    for (int k = 1; k <= seriesLength; ++k)
        total += nuclideCount[k];
    return total;
}

std::optional<int> Simulation::prepareStep()
{
    if (timeIndex > 99 || pooled)
        return std::nullopt;
    int active = 0;
    for (int k = 1; k <= seriesLength; ++k) {
        active += nuclideCount[k];
        if (nuclideMax[k] < nuclideCount[k])
            nuclideMax[k] = nuclideCount[k];
    }
    if (nuclideCount[seriesLength + 1] != 0 || active == 0)
        return std::nullopt;
    return timeIndex;
}

void Simulation::runStep()
{
    ++timeIndex;
    for (int i = 1; i <= particleTotal; ++i) {
        Particle& p = particles[i];
        if (p.color == kWhite)
            continue;
        const int k = nuclideOf(p.color);
        const double r = m_random() * 100;
        if (k < 1 || r > decayThreshold[k])
            continue;
        --nuclideCount[k];
        ++nuclideCount[k + 1];
        p.color = nuclideColor[k + 1];
        if (m_listener)
            m_listener->chamberDisc(p.x, p.y, particleSize, p.color, p.color == kWhite ? kBlack : p.color);
    }
    for (int k = 1; k <= seriesLength; ++k) {
        history[timeIndex][k] = nuclideCount[k];
        origin[timeIndex][k] = Origin::Recorded;
    }
}

void Simulation::storeTyped(int time, int k, std::int32_t count)
{
    history[time + 1][k] = count;
    origin[time + 1][k] = Origin::Typed;
    lastTypedTime = std::max(lastTypedTime, time);
}

void Simulation::storePooled(const std::array<std::array<std::int32_t, 7>, kHistoryRows + 1>& sums, int times)
{
    for (int t = 0; t <= kHistoryRows - 1; ++t)
        for (int k = 1; k <= kMaxNuclides; ++k) {
            const bool inPool = t < times;
            history[t + 1][k] = inPool ? sums[t + 1][k] : 0;
            origin[t + 1][k] = inPool ? Origin::Pooled : Origin::None;
        }
    lastTypedTime = times - 1;
    pooled = true;
}

bool Simulation::timeStep()
{
    if (!prepareStep())
        return false;
    runStep();
    return true;
}

int Simulation::removeStep()
{
    int removed = 0;
    for (int i = 1; i <= particleTotal; ++i) {
        Particle& p = particles[i];
        if (p.color != kWhite || p.x <= 0)
            continue;
        --nuclideCount[seriesLength + 1];
        if (m_listener)
            m_listener->chamberDisc(p.x, p.y, particleSize, kWhite, kWhite);
        p.x = kRemovedX;
        const auto [sx, sy] = stackPosition(removedCount, particleSize);
        if (m_listener)
            m_listener->panelDisc(sx, sy, particleSize);
        ++removedCount;
        ++removed;
    }
    return removed;
}

bool Simulation::invariantHolds() const
{
    std::array<int, 7> seen{};
    for (int i = 1; i <= particleTotal; ++i) {
        const Particle& p = particles[i];
        if (p.color == kWhite) {
            if (p.x != kRemovedX)
                ++seen[seriesLength + 1];
            continue;
        }
        const int k = nuclideOf(p.color);
        if (k < 1 || k > seriesLength)
            return false;
        ++seen[k];
    }
    int sum = 0;
    for (int k = 1; k <= seriesLength + 1; ++k) {
        if (nuclideCount[k] != seen[k] || nuclideCount[k] < 0)
            return false;
        sum += nuclideCount[k];
    }
    return sum == particleTotal - removedCount;
}

}  // namespace vestor
