#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vestor {

// The program's random generator: the 64-bit Mersenne Twister (the same numbers as the standard
// library's std::mt19937_64 from the same seed), with a written state that is the same on every
// platform. The standard libraries write the state of their engine in different ways (one adds
// the place it stands at, another leaves it out and turns the words round), so a lesson saved on
// one system could not go on in another: here the state is always the 312 words and the place,
// each in decimal, one space apart, as the lessons of the first versions hold it.
class RandomGenerator {
public:
    static constexpr std::size_t kWords = 312;

    explicit RandomGenerator(std::uint64_t seed = 5489);

    std::uint64_t operator()();
    void discard(std::uint64_t count);

    // The state as a lesson keeps it.
    std::string state() const;
    // The generator in the state `text` gives, when the text is exactly a state state() could
    // write: no other spacing, no leading zeros, no trailing text.
    static std::optional<RandomGenerator> fromState(const std::string& text);

private:
    void twist();

    std::array<std::uint64_t, kWords> m_words{};
    std::size_t m_place = kWords;
};

}  // namespace vestor
