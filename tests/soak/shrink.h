#pragma once

// Shrinking a failing event list to a short one that still fails. Qt-free and generic, so the
// process that drives the shrinking stays free of any GUI state.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace vestor::soak {

template <typename T>
using FailsFn = std::function<bool(const std::vector<T>&)>;

// The replays a shrink may spend, in number and optionally in time; once spent, shrinking
// stops with the shortest list found so far.
class Budget {
public:
    using Clock = std::chrono::steady_clock;

    explicit Budget(std::size_t replays, std::optional<Clock::duration> time = std::nullopt)
        : m_left(replays), m_deadline(time ? std::optional(Clock::now() + *time) : std::nullopt)
    {
    }
    bool take()
    {
        if (spent())
            return false;
        --m_left;
        ++m_used;
        return true;
    }
    std::size_t used() const { return m_used; }
    bool spent() const { return m_left == 0 || (m_deadline && Clock::now() >= *m_deadline); }

private:
    std::size_t m_left;
    std::size_t m_used = 0;
    std::optional<Clock::time_point> m_deadline;
};

// Cuts the longest prefix whose removal keeps the failure, by bisection. A failure seldom needs
// the distant past of a long run, and one bisection is far cheaper than delta debugging it.
template <typename T>
std::vector<T> dropPrefix(std::vector<T> items, const FailsFn<T>& fails, Budget& budget)
{
    std::size_t lo = 0;                 // items[lo..] is known to fail
    std::size_t hi = items.size() - 1;  // no start beyond hi is worth trying
    while (lo < hi && !budget.spent()) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        const std::vector<T> suffix(items.begin() + static_cast<std::ptrdiff_t>(mid), items.end());
        if (budget.take() && fails(suffix))
            lo = mid;
        else
            hi = mid - 1;
    }
    items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(lo));
    return items;
}

// Delta debugging (ddmin): removes chunks, then single items, for as long as the rest still
// fails. The result keeps the original order; with budget left it is 1-minimal, that is no
// single item can be removed from it.
template <typename T>
std::vector<T> ddmin(std::vector<T> items, const FailsFn<T>& fails, Budget& budget)
{
    std::size_t n = 2;
    while (items.size() >= 2 && !budget.spent()) {
        const std::size_t size = items.size();
        n = std::min(n, size);
        const std::size_t chunk = (size + n - 1) / n;
        bool reduced = false;
        // Try each chunk alone, then each complement.
        for (int pass = 0; pass < 2 && !reduced; ++pass) {
            if (pass == 1 && n == 2)
                break;  // with two chunks the complements are the chunks themselves
            for (std::size_t start = 0; start < size && !reduced; start += chunk) {
                const std::size_t end = std::min(start + chunk, size);
                std::vector<T> candidate;
                if (pass == 0) {
                    candidate.assign(items.begin() + static_cast<std::ptrdiff_t>(start),
                                     items.begin() + static_cast<std::ptrdiff_t>(end));
                } else {
                    candidate.assign(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(start));
                    candidate.insert(candidate.end(), items.begin() + static_cast<std::ptrdiff_t>(end), items.end());
                }
                if (!budget.take())
                    return items;
                if (fails(candidate)) {
                    items = std::move(candidate);
                    n = pass == 0 ? 2 : std::max<std::size_t>(n - 1, 2);
                    reduced = true;
                }
            }
        }
        if (!reduced) {
            if (n >= size)
                break;
            n = std::min(n * 2, size);
        }
    }
    return items;
}

}  // namespace vestor::soak
