#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// The product-of-sums expansion over a cover table, step by step as the
// table method writes it on index products, which decides the order of
// equally small covers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

// The surviving index products of the expansion over `table` (every row
// non-empty), each sorted, in the order the expansion leaves them. nullopt
// when the expansion would outgrow the sizes it was built for (129
// implicants per minterm, 129 products per pair of minterms, 1025 products
// per step, 128 characters per index product, implicant indices up to 1024
// except 1000).
std::optional<std::vector<std::vector<int>>> expandCover(
    const std::vector<std::vector<int>>& table);

// The text of an index product, e.g. "0*2*5".
std::string indexProductText(const std::vector<int>& product);

// True when `f` is a whole factor of the index product `y` ("1" is one of
// "21*1" but not of "11*21"); only the first 128 characters are looked at.
bool hasFactor(std::string_view f, std::string_view y);

}  // namespace ronri
