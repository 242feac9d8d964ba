#pragma once
// Internal to cover/: only cover/ and its tests include it.
//
// The cover table as the rows of a 0-1 matrix for the LP solvers: row r has
// a 1 in each column that covers it.
#include <coin/CoinPackedMatrix.hpp>
#include <coin/CoinPackedVector.hpp>

#include <vector>

namespace ronri {

inline CoinPackedMatrix coverMatrix(const std::vector<std::vector<int>>& rows, int columnCount) {
  CoinPackedMatrix matrix(false, 0, 0);
  matrix.setDimensions(0, columnCount);
  for (const auto& row : rows) {
    CoinPackedVector v;
    for (int c : row) v.insert(c, 1.0);
    matrix.appendRow(v);
  }
  return matrix;
}

}  // namespace ronri
