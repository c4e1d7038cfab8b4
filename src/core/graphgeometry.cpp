#include "core/graphgeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vestor {

int tickStep(int scaleMax)
{
    if (scaleMax <= 100)
        return 5;
    if (scaleMax <= 200)
        return 10;
    if (scaleMax <= 500)
        return 20;
    return 50 * (scaleMax / 500);
}

int gridLines(int scaleMax)
{
    return scaleMax / tickStep(scaleMax);
}

double xScale(int n, int width)
{
    return static_cast<double>(width - 50) / n;
}

double yScale(int scaleMax, int height)
{
    return static_cast<double>(height - 30) / scaleMax;
}

int truncPixel(double v)
{
    constexpr double bound = 1e6;
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -bound, bound));
}

GraphPoint dotCentre(int t, std::int64_t count, double xs, double ys, int height)
{
    return {truncPixel(t * xs + 50), (height - 20) - truncPixel(static_cast<double>(count) * ys)};
}

std::vector<GraphPoint> curveVertices(std::int64_t a, double halfLife, double xs, double ys, int yshift,
                                      int width, int height)
{
    const int m = (width - kAnchorX) / 5;
    std::vector<GraphPoint> points;
    points.reserve(m + 2);
    points.push_back({kAnchorX + 2, truncPixel(kAnchorY - (20 - yshift) * ys) + 2});
    const double ln2 = std::log(2.0);
    for (int k = 0; k <= m; ++k) {
        const double v = static_cast<double>(a) * std::exp(-ln2 * 5 * k / (halfLife * xs));
        points.push_back({kAnchorX + 2 + 5 * k, truncPixel(height - v * ys) - 18});
    }
    return points;
}

std::int64_t initialCount(std::int32_t count0, int yshift)
{
    return static_cast<std::int64_t>(count0) + 20 - yshift;
}

double halfLifeOf(int hPosition)
{
    return hPosition / 40.0;
}

// With a decimal point in every language: printf would follow the C library's locale, which a
// Qt program takes from the desktop.
std::string fixedText(double v, int decimals, int width)
{
    char buf[400];  // room for any double in fixed notation
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr;
    std::string text(buf, end);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string exponentText(int hPosition, bool baseE)
{
    return (baseE ? "-ln(2)*t/" : "t/") + fixedText(halfLifeOf(hPosition), 2, 4);
}

std::string equationText(std::int64_t a, const std::string& baseText)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%3lld", static_cast<long long>(a));
    return "N = " + std::string(buf) + baseText;
}

double modelValue(std::int64_t a, double halfLife, double d, double xs)
{
    return static_cast<double>(a) * std::exp(-std::log(2.0) * d / (halfLife * xs));
}

std::string readoutText(int d, double xs, double value)
{
    return "t = " + fixedText(d / xs, 2, 5) + "\r" + "C = " + fixedText(value, 1, 6);
}

std::vector<int> logTicks(int scaleMax)
{
    std::vector<int> ticks;
    for (long long decade = 1; decade <= scaleMax; decade *= 10)
        for (const int m : {1, 2, 5})
            if (decade * m <= scaleMax)
                ticks.push_back(static_cast<int>(decade * m));
    return ticks;
}

double logY(double count, int scaleMax, int height)
{
    if (!(count > 0.0))
        return HUGE_VAL;
    return (height - 20) - std::log(count) / std::log(static_cast<double>(scaleMax)) * (height - 30);
}

}  // namespace vestor
