#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// Local improvement of a set cover that a search left unproven.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace ronri {

// `colRows[c]` lists the rows (0 .. rowCount-1) column c covers; `cols` covers
// every row. Returns a cover that costs no more: redundant columns dropped
// (the later first), then, as long as one, a column from outside can take the
// place of columns that cost more together (with unit costs: two or more).
// `timeUp` is asked between moves; the cover is valid whenever it stops.
std::vector<int> improveCover(const std::vector<std::vector<int>>& colRows, size_t rowCount,
                              std::vector<int> cols, const std::vector<int64_t>& cost,
                              const std::function<bool()>& timeUp = {});

}  // namespace ronri
