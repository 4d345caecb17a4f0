#pragma once
// The program's one pseudo-random generator: a 32-bit linear congruential
// step, the bounded draw every template uses, and the deal of five options
// into the lettered slots А Б В Г Д.
#include <array>
#include <cstdint>
#include <optional>

namespace vzt {

using Deal = std::array<int, 5>; // deal[k-1] = option shown in slot k

class Rng {
public:
    std::uint32_t seed = 0;

    // Advances one step and returns 0 .. n-1.
    std::uint32_t NextBelow(std::uint32_t n);
    // lo .. hi, hi slightly less likely; exactly one step.
    int RandomIn(int lo, int hi);
    // Permutation of 1..5 (four or more steps).
    Deal DealSlots();
};

// The generator shared by the whole program.
Rng &generator();

// Reseeds the shared generator from the clock (low 32 bits of a
// high-resolution monotonic counter), or from the fixed seed when one is set
// (the gallery uses that to make a run reproducible).
void SeedFromClock();
void setFixedSeed(std::optional<std::uint32_t> seed);

// The slot (1..5) whose option is `right`.
int keyOf(const Deal &deal, int right);

} // namespace vzt
