#include "table/tabletext.h"

#include <algorithm>
#include <charconv>

namespace vestor {

namespace {

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
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
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

}  // namespace vestor
