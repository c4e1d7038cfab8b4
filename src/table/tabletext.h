#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vestor {

using History = std::array<std::array<std::int32_t, 7>, 101>;
using ColumnChoice = std::array<bool, 6>;  // slots 1..5

// Highest time the history holds (rows 1..100 are times 0..99).
inline constexpr int kLastTime = 99;

// Count of nuclide k at time t (the history's row t + 1).
inline std::int32_t countAt(const History& h, int t, int k)
{
    return h[t + 1][k];
}

// The collected data listing: "Cycle" and the N1..N5 headings of the present columns, a single
// carriage return, then N rows each preceded by CR LF. A column is present when its box is
// checked and its nuclide is within the series.
std::string listingText(const History& h, int seriesLength, const ColumnChoice& checked, int n);

// The saved file: "time" and the P1..P5 headings of the checked columns, then the rows for
// times 0..N (never past the last recorded time), every line ending in CR LF.
std::string fileText(const History& h, const ColumnChoice& checked, int n);

// A count typed by the student: a whole number in the signed 32-bit range, surrounding blanks
// allowed. Returns its absolute value; nothing for any other text, including −2147483648,
// whose absolute value does not fit.
std::optional<std::int32_t> parseCount(std::string_view text);

// The graph maximum of nuclide k over times 0..last: at least 100.
std::int32_t maximumOver(const History& h, int k, int last);

}  // namespace vestor
