#include "core/decayanalysis.h"

#include <cmath>

#include "core/graphgeometry.h"
#include "core/simulation.h"

namespace vestor {

std::optional<double> impliedHalfLife(double percent)
{
    const double p = percent / 100.0;
    if (!(p > 0.0) || p >= 1.0)
        return std::nullopt;
    return std::log(2.0) / -std::log1p(-p);
}

std::string impliedHalfLifeText(double percent)
{
    const auto t = impliedHalfLife(percent);
    if (!t)
        return "\u2014";
    return fixedText(*t, 2, 0);
}

// The counts of one run are a binomial death chain: each count is what the previous one left,
// N(t+1) ~ Binomial(N(t), q) with q = 1 − p. The estimate of q is the chain's maximum likelihood
// estimate, the ratio of survivors to trials summed over the steps; A is the Poisson-weighted
// level of the curve at that q. Both errors come from the delta method with the chain's own
// covariance, Cov(N(s), N(t)) = q^(t−s)·A·q^s·(1 − q^s) for s ≤ t, so the dependence between
// counts that an ordinary least-squares fit would ignore is accounted for.
DecayFit fitDecay(const std::vector<double>& counts)
{
    DecayFit fit;
    // Points up to and including the first empty count carry information; later zeros do not.
    int n = 0;
    while (n < static_cast<int>(counts.size())) {
        if (!(counts[n] >= 0.0) || !std::isfinite(counts[n])) {
            fit.reason = "a count is not a number of particles";
            return fit;
        }
        ++n;
        if (counts[n - 1] == 0.0)
            break;
    }
    fit.points = n;
    for (int t = 0; t + 1 < n && fit.risesAfter < 0; ++t)
        if (counts[t + 1] > counts[t])
            fit.risesAfter = t;
    if (n < 3) {
        fit.reason = "fewer than three usable points";
        return fit;
    }
    double trials = 0;
    double survivors = 0;
    for (int t = 0; t + 1 < n; ++t) {
        trials += counts[t];
        survivors += counts[t + 1];
    }
    const double q = survivors / trials;
    if (!(q < 1.0)) {
        fit.reason = "the counts do not fall";
        return fit;
    }
    if (!(q > 0.0)) {
        fit.reason = "fewer than three usable points";
        return fit;
    }
    double level = 0;
    double weight = 0;
    double weightSlope = 0;  // dW/dq
    for (int t = 0; t < n; ++t) {
        level += counts[t];
        weight += std::pow(q, t);
        if (t > 0)
            weightSlope += t * std::pow(q, t - 1);
    }
    const double a = level / weight;

    // Gradients of q and A with respect to each count.
    std::vector<double> gq(n), ga(n);
    for (int t = 0; t < n; ++t) {
        gq[t] = (t >= 1 ? 1.0 / trials : 0.0) - (t <= n - 2 ? survivors / (trials * trials) : 0.0);
        ga[t] = 1.0 / weight - level / (weight * weight) * weightSlope * gq[t];
    }
    std::vector<double> variance(n), power(n);
    for (int t = 0; t < n; ++t) {
        power[t] = std::pow(q, t);
        variance[t] = a * power[t] * (1.0 - power[t]);
    }
    double varQ = 0;
    double varA = 0;
    for (int s = 0; s < n; ++s) {
        for (int t = s; t < n; ++t) {
            const double c = power[t - s] * variance[s] * (t == s ? 1.0 : 2.0);
            varQ += gq[s] * gq[t] * c;
            varA += ga[s] * ga[t] * c;
        }
    }
    const double lnq = std::log(q);
    fit.ok = true;
    fit.halfLife = std::log(2.0) / -lnq;
    fit.halfLifeError = std::log(2.0) / (q * lnq * lnq) * std::sqrt(std::max(varQ, 0.0));
    fit.initial = a;
    fit.initialError = std::sqrt(std::max(varA, 0.0));
    return fit;
}

std::vector<std::array<double, 6>> expectedCounts(const std::array<double, 6>& initial,
                                                  const std::array<double, 6>& percent, int seriesLength, int n)
{
    std::vector<std::array<double, 6>> e(static_cast<std::size_t>(std::max(n, 0)));
    if (n <= 0)
        return e;
    e[0] = {};
    for (int k = 1; k <= seriesLength; ++k)
        e[0][k] = initial[k];
    for (int t = 1; t < n; ++t) {
        for (int k = 1; k <= seriesLength; ++k) {
            const double keep = e[t - 1][k] * (1.0 - percent[k] / 100.0);
            const double gain = k > 1 ? e[t - 1][k - 1] * percent[k - 1] / 100.0 : 0.0;
            e[t][k] = keep + gain;
        }
    }
    return e;
}

std::vector<std::array<double, 6>> expectedVariance(const std::array<double, 6>& initial,
                                                    const std::array<double, 6>& percent, int seriesLength, int n)
{
    std::vector<std::array<double, 6>> variance(static_cast<std::size_t>(std::max(n, 0)));
    for (int j = 1; j <= seriesLength; ++j) {
        if (!(initial[j] > 0.0))
            continue;
        // The chances of one particle that starts as j: its expected counts.
        std::array<double, 6> one{};
        one[j] = 1.0;
        const auto chance = expectedCounts(one, percent, seriesLength, n);
        for (std::size_t t = 0; t < variance.size(); ++t)
            for (int k = 1; k <= seriesLength; ++k)
                variance[t][k] += initial[j] * chance[t][k] * (1.0 - chance[t][k]);
    }
    return variance;
}

ExpectedCurves expectedCurves(const Simulation& sim, int n, bool withVariance)
{
    std::array<double, 6> initial{};
    std::array<double, 6> percent{};
    for (int k = 1; k <= kMaxNuclides; ++k) {
        initial[k] = sim.pooled ? sim.history[1][k] : sim.runInitial[k];
        percent[k] = sim.decayThreshold[k];
    }
    ExpectedCurves curves{expectedCounts(initial, percent, sim.seriesLength, n), {}};
    if (withVariance)
        curves.variance = expectedVariance(initial, percent, sim.seriesLength, n);
    return curves;
}

}  // namespace vestor
