#pragma once
// A test on paper: variants of a test drawn from their seeds, each question
// rendered from its page as its window shows it, on A4, and a key page.
#include "env.h"
#include "page.h"

#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace vzt {

// One variant of a test: the seed its answer sheet gave the generator and
// its twenty pages in question order.
struct Variant {
    int number = 0; // 1, 2, ... in a printed set; 0 for a learner's own
    std::optional<std::uint32_t> seed;
    std::vector<Page> pages;
};

// The seed of variant v (1, 2, ...) of a set started from `seed`: variant 1
// has `seed` itself, so that any variant is printed again from the seed its
// footer shows.
std::uint32_t variantSeed(std::uint32_t seed, int v);

// The test's twenty questions as a start-up draws them after the answer
// sheet has seeded the generator with `seed`: the templates run in creation
// order from one generator. Pictures and tables are read through `env`,
// nothing is written. Raises vzt::Error (naming the question and the missing
// picture or table) when a template fails.
Variant generateVariant(int test, std::uint32_t seed, MemoryEnv &env);

// Prints the variants of `test` onto `device` (A4): each variant from a new
// sheet, its questions whole, several to a page; then, with `withKey`, one
// page with the right letters of every variant. Returns the pages printed.
int printTest(QPagedPaintDevice &device, int test, const std::vector<Variant> &variants,
              bool withKey);

} // namespace vzt
