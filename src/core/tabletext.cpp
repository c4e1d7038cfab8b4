#include "core/tabletext.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

namespace vestor {

namespace {

// Blanks and tabs around a field or a typed number.
std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

void appendRow(std::string& out, const History& h, int t, const ColumnChoice& present)
{
    out += std::to_string(t);
    for (int k = 1; k <= 5; ++k) {
        if (present[k]) {
            out += '\t';
            out += std::to_string(countAt(h, t, k));
        }
    }
}

void appendHeadings(std::string& out, const ColumnChoice& present, char prefix)
{
    for (int k = 1; k <= 5; ++k) {
        if (present[k]) {
            out += '\t';
            out += prefix;
            out += static_cast<char>('0' + k);
        }
    }
}

}  // namespace

std::string listingText(const History& h, int seriesLength, const ColumnChoice& checked, int n)
{
    ColumnChoice present{};
    for (int k = 1; k <= 5; ++k)
        present[k] = checked[k] && (k == 1 || k <= seriesLength);
    std::string out = "Cycle";
    out.reserve(static_cast<std::size_t>(n) * 40 + 32);
    appendHeadings(out, present, 'N');
    out += '\r';
    const int rows = std::min(n, kLastTime + 1);
    for (int r = 0; r < rows; ++r) {
        out += "\r\n";
        appendRow(out, h, r, present);
    }
    return out;
}

std::string fileText(const History& h, const ColumnChoice& checked, int n)
{
    std::string out = "time";
    out.reserve(static_cast<std::size_t>(n) * 40 + 32);
    appendHeadings(out, checked, 'P');
    out += "\r\n";
    const int last = std::min(n, kLastTime);
    for (int r = 0; r <= last; ++r) {
        appendRow(out, h, r, checked);
        out += "\r\n";
    }
    return out;
}

std::optional<std::int32_t> parseCount(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    // from_chars reports numbers too long for 64 bits; leading zeros of any length are fine.
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < -2147483647 || value > 2147483647)
        return std::nullopt;
    return static_cast<std::int32_t>(value < 0 ? -value : value);
}

std::int32_t maximumOver(const History& h, int k, int last)
{
    std::int32_t m = 100;
    last = std::min(last, kLastTime);
    for (int t = 0; t <= last; ++t)
        m = std::max(m, countAt(h, t, k));
    return m;
}

namespace {

constexpr std::int64_t kCountLimit = std::numeric_limits<std::int32_t>::max();

// The fields of a line, blanks trimmed and quotes taken off; empty fields at the end (a
// spreadsheet's unused columns) are dropped. A field in double quotes may hold the separator,
// and "" stands for one quote in it. Without a separator the line is one field.
std::vector<std::string> fieldsOf(std::string_view line, char separator)
{
    const auto fieldEnd = [&](std::size_t from) {
        return separator ? line.find(separator, from) : std::string_view::npos;
    };
    std::vector<std::string> out;
    std::size_t at = 0;
    for (;;) {
        std::size_t open = at;
        while (open < line.size() && line[open] != separator && (line[open] == ' ' || line[open] == '\t'))
            ++open;
        std::string field;
        std::size_t end = 0;
        if (open < line.size() && line[open] == '"') {
            std::size_t i = open + 1;
            for (; i < line.size(); ++i) {
                if (line[i] != '"') {
                    field += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += line[++i];
                } else {
                    ++i;
                    break;
                }
            }
            end = fieldEnd(i);
            // Anything after the closing quote stays, so that such a field is no count.
            field += trimmed(line.substr(i, end - i));
            field = std::string(trimmed(field));
        } else {
            end = fieldEnd(at);
            field = std::string(trimmed(line.substr(at, end - at)));
        }
        out.push_back(std::move(field));
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    while (out.size() > 1 && out.back().empty())
        out.pop_back();
    return out;
}

// Digits only, leading zeros allowed, at most the largest 32-bit count: a typed count without
// its sign or blanks. A spreadsheet's decimal places count when they are all zeros (12.00).
std::optional<std::int32_t> wholeCount(std::string_view s)
{
    if (const auto point = s.find('.'); point != std::string_view::npos && point + 1 < s.size()
                                        && s.find_first_not_of('0', point + 1) == std::string_view::npos)
        s = s.substr(0, point);
    if (s.empty() || s.front() < '0' || s.front() > '9' || s.back() < '0' || s.back() > '9')
        return std::nullopt;
    return parseCount(s);
}

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// Offending text as a message may quote it: short, and printable whatever the file held.
std::string quotable(std::string_view s)
{
    constexpr std::size_t kShown = 24;
    std::string out;
    for (const char c : s.substr(0, kShown))
        out += (c >= 0x20 && c < 0x7F) ? c : '?';
    if (s.size() > kShown)
        out += "...";
    return out;
}

char separatorOf(std::string_view header)
{
    for (const char c : {'\t', ';', ','})
        if (header.find(c) != std::string_view::npos)
            return c;
    return 0;
}

// A line of blanks and separators only: a spreadsheet's empty row of its used range.
bool emptyRow(const std::vector<std::string>& fields)
{
    return fields.size() == 1 && fields.front().empty();
}

}  // namespace

SavedRun readRun(std::string_view text)
{
    SavedRun run;
    const auto refuse = [&run](RunFault fault, int line, std::string_view found = {}) {
        run.error = RunError{fault, line, quotable(found), 0, 0};
        return run;
    };
    if (text.size() > kRunFileLimit)
        return refuse(RunFault::TooLarge, 0);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    char separator = 0;
    std::vector<int> nuclideOf;  // of each field after the time; empty until the header is read
    bool header = false;
    int line = 0;
    int read = 0;  // times read, also those past the last the history holds
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        if (trimmed(raw).empty())
            continue;
        if (!header) {
            separator = separatorOf(raw);
            const auto headings = fieldsOf(raw, separator);
            if (emptyRow(headings))
                continue;
            if (!sameLetters(headings.front(), "time"))
                return refuse(RunFault::NoTimeHeader, line, headings.front());
            if (headings.size() == 1)
                return refuse(RunFault::NoCounts, line);
            for (std::size_t i = 1; i < headings.size(); ++i) {
                const std::string_view h = headings[i];
                const int k = h.size() == 2 && (h[0] == 'P' || h[0] == 'p') && h[1] >= '1' && h[1] <= '5' ? h[1] - '0' : 0;
                if (k == 0)
                    return refuse(RunFault::UnknownHeading, line, h);
                if (run.columns[k])
                    return refuse(RunFault::RepeatedHeading, line, h);
                run.columns[k] = true;
                nuclideOf.push_back(k);
            }
            header = true;
            continue;
        }
        const auto fields = fieldsOf(raw, separator);
        if (emptyRow(fields))
            continue;
        if (fields.size() > nuclideOf.size() + 1)
            return refuse(RunFault::ExtraValue, line, fields[nuclideOf.size() + 1]);
        if (fields[0].empty())
            return refuse(RunFault::MissingTime, line);
        const auto time = wholeCount(fields[0]);
        if (!time)
            return refuse(RunFault::NotACount, line, fields[0]);
        if (*time != read) {
            refuse(RunFault::TimeOutOfOrder, line, fields[0]);
            run.error.time = read;
            return run;
        }
        for (std::size_t i = 1; i <= nuclideOf.size(); ++i) {
            // A spreadsheet leaves a cell empty (and drops empty cells at a line's end) where
            // a group wrote nothing: no count, which adds nothing to the pool.
            if (i >= fields.size() || fields[i].empty()) {
                ++run.emptyCells;
                continue;
            }
            const auto count = wholeCount(fields[i]);
            if (!count)
                return refuse(RunFault::NotACount, line, fields[i]);
            if (read <= kLastTime)
                run.counts[read + 1][nuclideOf[i - 1]] = *count;
        }
        if (read <= kLastTime)
            run.lineOf[read] = line;
        else
            run.cut = true;
        ++read;
    }
    if (!header)
        return refuse(RunFault::NoTimeHeader, std::max(line, 1));
    if (read == 0)
        return refuse(RunFault::NoTimes, 0);
    run.times = std::min(read, kLastTime + 1);
    return run;
}

RunError RunPool::add(const SavedRun& run)
{
    if (!run.ok())
        return run.error;
    // All checked before anything is added, so a refused run leaves the sums whole.
    for (int t = 0; t < run.times; ++t)
        for (int k = 1; k <= 5; ++k)
            if (std::int64_t{sums[t + 1][k]} + run.counts[t + 1][k] > kCountLimit)
                return RunError{RunFault::SumOverflow, run.lineOf[t], {}, t, k};
    for (int t = 0; t < run.times; ++t)
        for (int k = 1; k <= 5; ++k)
            sums[t + 1][k] += run.counts[t + 1][k];
    uneven = uneven || (files > 0 && run.times != times);
    times = std::max(times, run.times);
    cut = cut || run.cut;
    ++files;
    return {};
}

}  // namespace vestor
