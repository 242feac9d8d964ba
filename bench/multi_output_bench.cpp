// Times of the shared (multi-output) minimum: the seven-segment preset, and
// seeded random tables of 6 inputs and 8 outputs with 10 % X rows.
//
//   multi_output_bench [count]      (default 100 random tables)
// Prints median, p95 and max (wall clock and CPU) per series and how many
// were proven minimal.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/timing.h"
#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"

using namespace ronri;
using namespace ronri::bench;

namespace {

void series(const char* name, const std::vector<MultiTable>& tables) {
  std::vector<double> seconds, cpu;
  int proven = 0;
  for (const MultiTable& t : tables) {
    const Stopwatch watch;
    const MultiMinimum m = minimiseMultiOutput(t);
    seconds.push_back(watch.wallSeconds());
    cpu.push_back(watch.cpuSeconds());
    if (m.sharedStatus == CoverStatus::Proven) ++proven;
  }
  std::printf(
      "%-20s n=%3zu  wall median %.3f p95 %.3f max %.3f s  CPU median %.3f p95 %.3f max %.3f s  "
      "proven %d/%zu\n",
      name, tables.size(), percentile(seconds, 0.5), percentile(seconds, 0.95),
      percentile(seconds, 1.0), percentile(cpu, 0.5), percentile(cpu, 0.95), percentile(cpu, 1.0),
      proven, tables.size());
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  series("seven segments", std::vector<MultiTable>(20, multiPreset(MultiPreset::SevenSegment)));
  std::mt19937 rng(6808);
  std::vector<MultiTable> random;
  for (int i = 0; i < count; ++i) {
    MultiTable t = emptyMultiTable(6, 8);
    for (auto& v : t.values)
      for (char& c : v) {
        const unsigned x = rng() % 100;
        c = x < 10 ? 'X' : (x % 2 ? '1' : '0');
      }
    random.push_back(std::move(t));
  }
  series("random 6x8, 10 % X", random);
}
