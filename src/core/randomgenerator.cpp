#include "core/randomgenerator.h"

#include <charconv>

namespace vestor {

namespace {

constexpr std::size_t kMiddle = 156;
constexpr std::uint64_t kMatrix = 0xb5026f5aa96619e9ULL;
constexpr std::uint64_t kUpper = ~std::uint64_t{0} << 31;
constexpr std::uint64_t kLower = ~kUpper;

constexpr std::uint64_t mixed(std::uint64_t high, std::uint64_t low, std::uint64_t far)
{
    const std::uint64_t y = (high & kUpper) | (low & kLower);
    return far ^ (y >> 1) ^ ((y & 1) ? kMatrix : 0);
}

}  // namespace

RandomGenerator::RandomGenerator(std::uint64_t seed)
{
    m_words[0] = seed;
    for (std::size_t i = 1; i < kWords; ++i)
        m_words[i] = 6364136223846793005ULL * (m_words[i - 1] ^ (m_words[i - 1] >> 62)) + i;
}

// All the words renewed at once, as the place comes to the end of them.
void RandomGenerator::twist()
{
    std::size_t k = 0;
    for (; k < kWords - kMiddle; ++k)
        m_words[k] = mixed(m_words[k], m_words[k + 1], m_words[k + kMiddle]);
    for (; k < kWords - 1; ++k)
        m_words[k] = mixed(m_words[k], m_words[k + 1], m_words[k + kMiddle - kWords]);
    m_words[kWords - 1] = mixed(m_words[kWords - 1], m_words[0], m_words[kMiddle - 1]);
    m_place = 0;
}

std::uint64_t RandomGenerator::operator()()
{
    if (m_place >= kWords)
        twist();
    std::uint64_t z = m_words[m_place++];
    z ^= (z >> 29) & 0x5555555555555555ULL;
    z ^= (z << 17) & 0x71d67fffeda60000ULL;
    z ^= (z << 37) & 0xfff7eee000000000ULL;
    return z ^ (z >> 43);
}

void RandomGenerator::discard(std::uint64_t count)
{
    while (count-- > 0)
        (*this)();
}

std::string RandomGenerator::state() const
{
    std::string text;
    text.reserve((kWords + 1) * 21);
    char digits[24];
    for (const std::uint64_t word : m_words) {
        text.append(digits, std::to_chars(digits, digits + sizeof digits, word).ptr);
        text += ' ';
    }
    text.append(digits, std::to_chars(digits, digits + sizeof digits, m_place).ptr);
    return text;
}

std::optional<RandomGenerator> RandomGenerator::fromState(const std::string& text)
{
    RandomGenerator g;
    const char* at = text.data();
    const char* const end = at + text.size();
    const auto number = [&](std::uint64_t& value) {
        // Written by state(): digits without a sign or a leading zero.
        if (at == end || *at < '0' || *at > '9' || (*at == '0' && at + 1 != end && at[1] >= '0' && at[1] <= '9'))
            return false;
        const auto [next, error] = std::from_chars(at, end, value);
        at = next;
        return error == std::errc();
    };
    for (std::uint64_t& word : g.m_words) {
        if (!number(word) || at == end || *at++ != ' ')
            return std::nullopt;
    }
    std::uint64_t place = 0;
    if (!number(place) || at != end || place > kWords)
        return std::nullopt;
    g.m_place = static_cast<std::size_t>(place);
    return g;
}

}  // namespace vestor
