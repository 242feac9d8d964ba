#pragma once
// Internal to cover/: only cover/ and its tests include it.
#include <string>
#include <vector>

namespace ronri {

// The pairwise merging exactly as the table method states it, on plain texts.
// simplicity uses it only for lists that are not clean minterm patterns.
std::string simplicityByPairs(const std::vector<std::string>& minterms);

}  // namespace ronri
