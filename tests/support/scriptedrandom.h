#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace vestor::test {

// A random source that plays back a fixed list of draws, then repeats the last one.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> draws) : m_draws(std::move(draws)) {}
    double operator()()
    {
        ++m_used;
        if (m_next < m_draws.size())
            return m_draws[m_next++];
        return m_draws.empty() ? 0.0 : m_draws.back();
    }
    std::size_t used() const { return m_used; }

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
    std::size_t m_used = 0;
};

}  // namespace vestor::test
