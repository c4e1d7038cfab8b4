#pragma once

#include <array>
#include <cstddef>
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

// Reading saved data files back, to pool a class's runs. A file is read as the program writes
// it and as a spreadsheet re-saves it: CR LF or LF, with or without a last line end, blanks
// around the fields, a UTF-8 byte-order mark, tabs, commas or semicolons between fields, fields
// in double quotes, empty cells and rows of the used range, headings in any case and counts
// with zero decimals (12.00). Other encodings are the caller's to turn into UTF-8.

// Files larger than this are refused unread.
inline constexpr std::size_t kRunFileLimit = 1024 * 1024;

enum class RunFault {
    None,
    TooLarge,         // more than kRunFileLimit bytes
    NoTimeHeader,     // the first line is not "time" and the headings
    NoCounts,         // "time" and no heading of a count
    UnknownHeading,   // a heading other than P1..P5 (in `found`)
    RepeatedHeading,  // a heading given twice (in `found`)
    NotACount,        // a field that is not a whole number 0..2147483647 (in `found`)
    TimeOutOfOrder,   // the times do not run 0, 1, 2, ... (`found` holds the time read)
    MissingTime,      // a line of counts whose time cell is empty
    ExtraValue,       // more fields than headings
    NoTimes,          // headings and nothing else
    SumOverflow,      // pooling makes a sum past 2147483647 (at `time`, nuclide `nuclide`)
};

// Where and why a file was refused. Lines count from 1; 0 means the whole file.
struct RunError {
    RunFault fault = RunFault::None;
    int line = 0;
    std::string found;  // the offending text, cut short
    int time = 0;
    int nuclide = 0;
};

// One data file as read: its counts in history layout, times 0..times − 1.
struct SavedRun {
    History counts{};
    int times = 0;
    ColumnChoice columns{};
    bool cut = false;  // the file went on past the last time the history holds
    int emptyCells = 0;  // cells with no count, which add nothing (a line cut short has them too)
    std::array<int, kLastTime + 1> lineOf{};  // the line each time was read from
    RunError error;
    bool ok() const { return error.fault == RunFault::None; }
};

SavedRun readRun(std::string_view text);

// The sums of several runs, time by time and nuclide by nuclide; a time or a column that a file
// lacks adds nothing, and so does an empty cell. Refuses a run whose counts would take a sum past 32 bits, leaving the sums
// as they were.
struct RunPool {
    History sums{};
    int times = 0;   // the longest run's times
    int files = 0;
    bool cut = false;     // some run went past the last time the history holds
    bool uneven = false;  // runs of different lengths
    RunError add(const SavedRun& run);
};

}  // namespace vestor
