#include "rng.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace vzt {

std::uint32_t Rng::NextBelow(std::uint32_t n)
{
    seed = seed * 134775813u + 1u;
    return std::uint32_t((std::uint64_t(seed) * n) >> 32);
}

int Rng::RandomIn(int lo, int hi)
{
    const std::uint32_t r = NextBelow(std::uint32_t(10 * (hi - lo) + 9));
    return int(std::trunc((double(r) + 10.0 * lo) / 10.0));
}

Deal Rng::DealSlots()
{
    Deal d{};
    d[0] = RandomIn(1, 5);
    d[1] = d[0];
    while (d[1] == d[0])
        d[1] = RandomIn(1, 5);
    d[2] = d[0];
    while (d[2] == d[0] || d[2] == d[1])
        d[2] = RandomIn(1, 5);
    d[3] = d[0];
    while (d[3] == d[0] || d[3] == d[1] || d[3] == d[2])
        d[3] = RandomIn(1, 5);
    d[4] = 15 - (d[0] + d[1] + d[2] + d[3]);
    return d;
}

Rng &generator()
{
    static Rng rng;
    return rng;
}

namespace {
std::optional<std::uint32_t> &fixedSeed()
{
    static std::optional<std::uint32_t> s;
    return s;
}
} // namespace

void setFixedSeed(std::optional<std::uint32_t> seed) { fixedSeed() = seed; }

void SeedFromClock()
{
    if (fixedSeed()) {
        generator().seed = *fixedSeed();
        return;
    }
    // Low 32 bits of the high-resolution monotonic counter (nanoseconds).
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator().seed = std::uint32_t(std::uint64_t(ticks));
}

int keyOf(const Deal &deal, int right)
{
    for (int k = 0; k < 5; ++k)
        if (deal[k] == right)
            return k + 1;
    throw std::logic_error("deal is not a permutation");
}

} // namespace vzt
