#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vestor {

// Geometry of the decay graph: a W × H picture, vertical axis at x = 50, time axis at y = H − 20.
inline constexpr int kGraphWidth = 681;
inline constexpr int kGraphHeight = 377;
inline constexpr int kAxisX = 50;
inline constexpr int kAnchorX = 50;  // top-left of the anchor marker, relative to the picture
inline constexpr int kAnchorY = 10;

struct GraphPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPoint&) const = default;
};

int tickStep(int scaleMax);
// Number of horizontal grid lines and the value of the top one.
int gridLines(int scaleMax);

double xScale(int n, int width = kGraphWidth);
double yScale(int scaleMax, int height = kGraphHeight);

// Converts a pixel coordinate to int, truncating toward zero; values far outside any
// picture are held at a bound so that an absurd count never overflows the conversion.
int truncPixel(double v);

GraphPoint dotCentre(int t, std::int64_t count, double xs, double ys, int height = kGraphHeight);

// The model curve: first the start point, then the vertices k = 0 .. (W − 50) div 5.
std::vector<GraphPoint> curveVertices(std::int64_t a, double halfLife, double xs, double ys, int yshift,
                                      int width = kGraphWidth, int height = kGraphHeight);

// A = nuclide 1's count at time 0 + 20 − offset, in 64 bits so no entered count overflows it.
std::int64_t initialCount(std::int32_t count0, int yshift);
double halfLifeOf(int hPosition);

// Fixed-point text right-aligned in a field of at least `width` characters.
std::string fixedText(double v, int decimals, int width);
std::string exponentText(int hPosition, bool baseE);
std::string equationText(std::int64_t a, const std::string& baseText);
// The two lines of the curve read-out, separated by a single carriage return.
std::string readoutText(int d, double xs, double value);
// The model count d pixels right of the axis.
double modelValue(std::int64_t a, double halfLife, double d, double xs);

// The logarithmic count axis runs from 1 on the time axis to scaleMax at the top, H − 30 pixels
// higher. Its marks: 1, 2, 5, 10, 20, 50, … up to scaleMax.
std::vector<int> logTicks(int scaleMax);
// The picture's y of a count on that axis; below 1 it falls under the time axis, and a count of
// 0 or less lies infinitely far down (held at truncPixel's bound once converted).
double logY(double count, int scaleMax, int height = kGraphHeight);

}  // namespace vestor
