// The product-of-sums expansion over the cover table: the sums of covering
// implicants are multiplied pair of minterms by pair of minterms, absorbing as
// they go. Its candidate order decides which of several smallest covers is
// shown, so it is followed step by step as long as the sizes it was built for
// hold; past them the caller solves the cover exactly instead.
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "core/cover/cover_petrick.h"

namespace ronri {

namespace {

constexpr size_t kSlots = 129;         // implicants per minterm, products per pair
constexpr size_t kProducts = 1025;     // products of one expansion step
constexpr size_t kProductChars = 128;  // characters of one index product
constexpr int kEmptySlot = 1000;       // the table's mark for an empty slot
constexpr int kLastIndex = 1024;       // implicants the table can name

// An index product: sorted distinct indices, with a 64-bit signature that
// rules out most non-subsets at once.
struct Product {
  std::vector<int> f;
  uint64_t sig = 0;
  size_t chars = 0;
};

size_t digits(int v) {
  size_t d = 1;
  while (v >= 10) {
    v /= 10;
    ++d;
  }
  return d;
}

Product makeProduct(std::vector<int> f) {
  Product p;
  p.f = std::move(f);
  for (size_t i = 0; i < p.f.size(); ++i) {
    p.sig |= uint64_t{1} << (p.f[i] & 63);
    p.chars += digits(p.f[i]) + (i ? 1 : 0);
  }
  return p;
}

bool subsetOf(const Product& a, const Product& b) {
  if (a.f.size() > b.f.size() || (a.sig & ~b.sig)) return false;
  return std::includes(b.f.begin(), b.f.end(), a.f.begin(), a.f.end());
}

struct VecHash {
  size_t operator()(const std::vector<int>& v) const {
    uint64_t h = 1469598103934665603ull;
    for (int x : v) h = (h ^ static_cast<uint64_t>(x)) * 1099511628211ull;
    return static_cast<size_t>(h);
  }
};

// The products of the two sums of a minterm pair, in a-then-b order; the first
// single index found absorbs the other products that contain it.
std::optional<std::vector<Product>> pairProducts(const std::vector<int>& a,
                                                 const std::vector<int>& b) {
  if (a.size() * b.size() > kSlots) return std::nullopt;
  std::vector<Product> work;
  work.reserve(a.size() * b.size());
  for (int x : a) {
    for (int y : b) {
      if (x == y)
        work.push_back(makeProduct({x}));
      else
        work.push_back(makeProduct({std::min(x, y), std::max(x, y)}));
    }
  }
  size_t single = work.size();
  for (size_t i = 0; i < work.size(); ++i) {
    if (work[i].f.size() == 1) {
      single = i;
      break;
    }
  }
  if (single == work.size()) return work;
  const int s = work[single].f[0];
  std::vector<Product> row;
  for (size_t i = 0; i < work.size(); ++i) {
    if (i == single || !std::binary_search(work[i].f.begin(), work[i].f.end(), s))
      row.push_back(std::move(work[i]));
  }
  return row;
}

// Multiplies the running sum by one pair-row sum. Of the products, those that
// contain another one go; of equal ones the last stays, so the survivors are
// the minimal products in the order of their last occurrence.
bool multiplyIn(std::vector<Product>& candidates, const std::vector<Product>& pairRow) {
  if (candidates.size() * pairRow.size() > kProducts) return false;
  std::vector<Product> products;
  products.reserve(candidates.size() * pairRow.size());
  std::vector<int> merged;
  for (const Product& x : candidates) {
    for (const Product& y : pairRow) {
      merged.clear();
      std::set_union(x.f.begin(), x.f.end(), y.f.begin(), y.f.end(), std::back_inserter(merged));
      Product p = makeProduct(merged);
      if (p.chars > kProductChars) return false;
      products.push_back(std::move(p));
    }
  }
  std::unordered_map<std::vector<int>, size_t, VecHash> last;
  last.reserve(products.size() * 2);
  for (size_t i = 0; i < products.size(); ++i) last[products[i].f] = i;

  // Distinct products, smallest first, so that a strict subset of a product is
  // always found among those before it.
  std::vector<size_t> bySize;
  bySize.reserve(last.size());
  for (size_t i = 0; i < products.size(); ++i)
    if (last[products[i].f] == i) bySize.push_back(i);
  std::stable_sort(bySize.begin(), bySize.end(),
                   [&](size_t a, size_t b) { return products[a].f.size() < products[b].f.size(); });
  std::vector<char> keep(products.size(), 0);
  std::vector<size_t> minimal;
  for (size_t idx : bySize) {
    const Product& q = products[idx];
    bool absorbed = false;
    for (size_t m : minimal) {
      if (products[m].f.size() >= q.f.size()) break;
      if (subsetOf(products[m], q)) {
        absorbed = true;
        break;
      }
    }
    if (!absorbed) {
      keep[idx] = 1;
      minimal.push_back(idx);
    }
  }
  candidates.clear();
  for (size_t i = 0; i < products.size(); ++i)
    if (keep[i]) candidates.push_back(std::move(products[i]));
  return true;
}

}  // namespace

std::optional<std::vector<std::vector<int>>> expandCover(
    const std::vector<std::vector<int>>& table) {
  if (table.empty() || table.size() > kProducts) return std::nullopt;
  for (const auto& row : table) {
    if (row.empty() || row.size() > kSlots) return std::nullopt;
    // 1000 marks an empty slot of the table, so that implicant would be lost.
    if (row.back() > kLastIndex || std::binary_search(row.begin(), row.end(), kEmptySlot))
      return std::nullopt;
  }
  // Minterms are taken in pairs (0,1), (2,3), ...; an odd last one alone.
  std::vector<std::vector<Product>> pairRows;
  for (size_t idx = 0; idx < table.size(); idx += 2) {
    if (idx + 1 == table.size()) {
      std::vector<Product> row;
      for (int c : table[idx]) row.push_back(makeProduct({c}));
      pairRows.push_back(std::move(row));
    } else {
      auto row = pairProducts(table[idx], table[idx + 1]);
      if (!row) return std::nullopt;
      pairRows.push_back(std::move(*row));
    }
  }
  std::vector<Product> candidates = std::move(pairRows[0]);
  for (size_t r = 1; r < pairRows.size(); ++r)
    if (!multiplyIn(candidates, pairRows[r])) return std::nullopt;

  std::vector<std::vector<int>> out;
  out.reserve(candidates.size());
  for (Product& p : candidates) out.push_back(std::move(p.f));
  return out;
}

bool hasFactor(std::string_view f, std::string_view y) {
  if (f.empty()) return false;
  std::string marked;
  for (size_t i = 0; i < y.size();) {
    if (y.compare(i, f.size(), f) == 0) {
      marked += '@';
      i += f.size();
    } else {
      marked += y[i++];
    }
  }
  const size_t limit = std::min<size_t>(marked.size(), 128);
  for (size_t p = 0; p < limit; ++p) {
    if (marked[p] != '@') continue;
    const bool startOk = p == 0 || marked[p - 1] == '*';
    const bool endOk = p + 1 == marked.size() || marked[p + 1] == '*';
    if (startOk && endOk) return true;
  }
  return false;
}

std::string indexProductText(const std::vector<int>& product) {
  std::string s;
  for (size_t i = 0; i < product.size(); ++i) {
    if (i) s += '*';
    s += std::to_string(product[i]);
  }
  return s;
}

}  // namespace ronri
