// Our side of bench/compare: reads functions from standard input, one a line
// ("n row row ..." with the 1-rows as numbers, a the top bit), and prints for
// each "milliseconds terms status optimum": the time of prime implicants and
// cover together, the number of terms, proven/best, and the smallest possible
// number of terms when it is known ("?" otherwise).
//
//   compare_minimise_bench [optimum-seconds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/simplify_functions.h"
#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/cover/simplify.h"

int main(int argc, char** argv) {
  using namespace ronri;
  const double optimumSeconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream in(line);
    int n = 0;
    if (!(in >> n) || n < 1 || n > 10) continue;
    std::vector<int> rows;
    for (int r; in >> r;) rows.push_back(r);
    const auto minterms = bench::patterns(n, rows);
    const std::string simple = bench::termList(minterms);

    const auto t0 = std::chrono::steady_clock::now();
    const std::string primes = simplicity(minterms);
    const Cover cover = minimalCover(primes, simple, n);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

    size_t terms = 0;
    if (cover.sum != "0") terms = splitTerms(cover.sum).size();
    std::string optimum = std::to_string(terms);
    if (cover.status != CoverStatus::Proven) {
      const auto implicants = splitTerms(primes);
      const ExactCover best =
          solveCover({coverTable(implicants, simple, n), static_cast<int>(implicants.size())},
                     {std::chrono::milliseconds(static_cast<long>(optimumSeconds * 1000))});
      optimum = best.proven ? std::to_string(best.columns.size()) : "?";
    }
    std::printf("%.3f %zu %s %s\n", ms, terms,
                cover.status == CoverStatus::Proven ? "proven" : "best", optimum.c_str());
    std::fflush(stdout);
  }
  return 0;
}
