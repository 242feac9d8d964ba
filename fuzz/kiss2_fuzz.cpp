// The KISS2 reader on arbitrary bytes (the first byte chooses Moore or
// Mealy): a refused file leaves no machine and names a line of the file; a
// machine read is sound, writes and reads back unchanged, reduces, and its
// D flip-flop equations follow its table.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "sequential/assignment.h"
#include "sequential/design.h"
#include "sequential/kiss2.h"
#include "sequential/reduction.h"
#include "tests/sequential/design_check.h"

using namespace ronri;
using namespace ronri::seq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const MachineKind kind = in.number(0, 1) ? MachineKind::Moore : MachineKind::Mealy;
  const std::string text = in.rest(1 << 16);
  const Kiss2Result read = readKiss2(text, kind);
  if (!read.ok()) {
    RONRI_FUZZ_CHECK(read.machine == Machine{}, text);
    int lines = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\n';
    RONRI_FUZZ_CHECK(read.line >= 1 && read.line <= lines + 1, text);
    return 0;
  }
  const Machine& m = read.machine;
  RONRI_FUZZ_CHECK(machineProblem(m) == MachineProblem::None, text);
  const Kiss2Result again = readKiss2(writeKiss2(m), kind);
  RONRI_FUZZ_CHECK(again.ok() && again.machine == m, text);

  const Reduction r = reduceStates(m);
  RONRI_FUZZ_CHECK(machineProblem(r.reduced) == MachineProblem::None, text);
  RONRI_FUZZ_CHECK(r.reduced.states() <= m.states(), text);

  if (m.states() <= 8) {
    const Design d = designCircuit(m, binaryCodes(m.states()), FlipFlop::D);
    const std::string problem = test::tableProblem(m, d);
    RONRI_FUZZ_CHECK(problem.empty(), problem);
  }
  return 0;
}
