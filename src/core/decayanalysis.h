#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vestor {

// The half-life in time steps that a chance of decay per step implies: ln 2 / −ln(1 − p).
// Nothing when every particle decays in the first step (p = 100 %) or the chance is not a chance.
std::optional<double> impliedHalfLife(double percent);
// Two decimals, or "—" where no half-life exists.
std::string impliedHalfLifeText(double percent);

// A fit of N = A·0.5^(t/T½) to one nuclide's counts at times 0, 1, 2, …
struct DecayFit {
    bool ok = false;
    std::string reason;  // why there is no estimate, when !ok
    int points = 0;      // counts used
    double halfLife = 0;
    double halfLifeError = 0;
    double initial = 0;
    double initialError = 0;
    // The first time t whose count is exceeded at t + 1 among the counts used, or −1. Decay alone
    // never makes a count rise, so such counts were typed and the errors above do not hold.
    int risesAfter = -1;
};

DecayFit fitDecay(const std::vector<double>& counts);

// The exact expected count of every member of the series at times 0 .. n − 1, for initial
// numbers and chances (in percent) per slot 1..5: E(t + 1) = M·E(t), where each member keeps
// 1 − p of itself and gains p of the member before it.
std::vector<std::array<double, 6>> expectedCounts(const std::array<double, 6>& initial,
                                                  const std::array<double, 6>& percent, int seriesLength, int n);

// The variance of each member's count about those expected counts. Every particle decays on its
// own, so a member's count is a sum of independent binomials, one for each starting member j:
// Var = Σⱼ Nⱼ·pⱼₖ(t)·(1 − pⱼₖ(t)), with pⱼₖ(t) the chance that a particle starting as j is k at t.
std::vector<std::array<double, 6>> expectedVariance(const std::array<double, 6>& initial,
                                                    const std::array<double, 6>& percent, int seriesLength, int n);

class Simulation;

// What the graph draws as the expected counts of the graph data, times 0 .. n − 1: a run's from
// its initial numbers, pooled runs' from their initial numbers together (the pool's time 0),
// with the chances the run decays with. The variances only when asked for.
struct ExpectedCurves {
    std::vector<std::array<double, 6>> mean;
    std::vector<std::array<double, 6>> variance;
};
ExpectedCurves expectedCurves(const Simulation& sim, int n, bool withVariance);

}  // namespace vestor
