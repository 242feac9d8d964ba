// The Verilog module of every design, run in iverilog on 1,000 random input
// sequences (each after a reset), goes through the table's states and gives
// its outputs wherever the table specifies them; yosys reads every module as
// synthesizable. Skipped where the tools are not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "sequential/assignment.h"
#include "sequential/presets.h"
#include "sequential/verilog.h"
#include "support/external_tools.h"
#include "tests/sequential/design_check.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

namespace fs = std::filesystem;
using ronri::test::have;
using ronri::test::quoted;
using ronri::test::run;

std::string numbered(const char* base, int count, int i) {
  return count == 1 ? std::string(base) : base + std::to_string(i + 1);
}

// One line per clock: the reset bit then the inputs X1 first; and what the
// table says of that clock: the outputs before the edge and the state code
// after it, '-' where it says nothing.
struct Vectors {
  std::string file;
  std::vector<std::string> expected;
};

Vectors randomSequences(const Machine& m, const Design& d, std::mt19937& rng, int sequences) {
  Vectors v;
  const int bits = d.codes.bits;
  const auto code = [&](int s) {
    std::string c;
    for (int b = bits - 1; b >= 0; --b) c += (d.codes.code[size_t(s)] >> b & 1) ? '1' : '0';
    return c;
  };
  for (int k = 0; k < sequences; ++k) {
    v.file += "1" + std::string(size_t(m.inputs), '0') + "\n";
    v.expected.push_back(std::string(size_t(m.outputs), '-') + " " + code(m.reset));
    int s = m.reset;
    for (int len = 1 + int(rng() % 12); len > 0 && s != kUnspecified; --len) {
      const int x = int(rng() % unsigned(m.combinations()));
      v.file += "0" + inputBits(x, m.inputs) + "\n";
      const int next = m.table[size_t(s)][size_t(x)].next;
      v.expected.push_back(outputsAt(m, s, x) + " " +
                           (next == kUnspecified ? std::string(size_t(bits), '-') : code(next)));
      s = next;
    }
  }
  return v;
}

// A testbench that reads the vectors and prints "c <outputs> <state>" per clock.
std::string testbench(const Machine& m, const Design& d, const std::string& name, size_t lines) {
  const int width = 1 + m.inputs;
  std::string tb = "module tb;\n  reg clk = 0;\n  reg [" + std::to_string(width - 1) +
                   ":0] v;\n  reg [" + std::to_string(width - 1) +
                   ":0] vec [0:" + std::to_string(lines - 1) + "];\n  integer i;\n";
  std::string ports, outFormat, outArgs, stateFormat, stateArgs;
  for (int o = 0; o < m.outputs; ++o) {
    const std::string z = numbered("Z", m.outputs, o);
    tb += "  wire " + z + ";\n";
    ports += ", ." + z + "(" + z + ")";
    outFormat += "%b";
    outArgs += ", " + z;
  }
  for (int b = d.codes.bits - 1; b >= 0; --b) {
    stateFormat += "%b";
    stateArgs += ", dut.Q" + std::to_string(b);
  }
  tb += "  " + name + " dut(.clk(clk), .rst(v[" + std::to_string(width - 1) + "])";
  for (int i = 0; i < m.inputs; ++i)
    tb += ", ." + numbered("X", m.inputs, i) + "(v[" + std::to_string(m.inputs - 1 - i) + "])";
  tb += ports + ");\n  initial begin\n    $readmemb(\"vectors.txt\", vec);\n" +
        "    for (i = 0; i < " + std::to_string(lines) + "; i = i + 1) begin\n" +
        "      v = vec[i];\n      #1 $write(\"c " + outFormat + "\"" + outArgs + ");\n" +
        "      clk = 1;\n      #1 $display(\" " + stateFormat + "\"" + stateArgs + ");\n" +
        "      clk = 0;\n    end\n  end\nendmodule\n";
  return tb;
}

// "" when every clock printed what the table expects, else the first clock that did not.
std::string compare(const std::vector<std::string>& expected, const std::string& out) {
  size_t line = 0, at = 0;
  for (; line < expected.size(); ++line) {
    at = out.find("c ", at);
    if (at == std::string::npos) return "only " + std::to_string(line) + " clocks ran:\n" + out;
    const size_t end = out.find('\n', at);
    const std::string got = out.substr(at + 2, end - at - 2);
    const std::string& want = expected[line];
    bool ok = got.size() == want.size();
    for (size_t k = 0; ok && k < want.size(); ++k) ok = want[k] == '-' || want[k] == got[k];
    if (!ok)
      return "clock " + std::to_string(line) + ": got \"" + got + "\", table \"" + want + "\"";
    at = end;
  }
  return "";
}

TEST(SequentialVerilogSlow, IverilogFollowsTheTableOnRandomSequencesAndYosysReadsEveryModule) {
  if (!have("iverilog") || !have("vvp")) GTEST_SKIP() << "iverilog is not installed";
  // A path beyond ASCII, one level down: the temporary folder itself keeps
  // plain names, as the window tests list it in their file dialogs.
  const fs::path top =
      fs::temp_directory_path() / ("ronri-sequential-verilog-" + std::to_string(::getpid()));
  const fs::path dir = top / "verilog \u8ad6\u7406";
  fs::create_directories(dir);
  std::vector<Machine> machines;
  for (const Preset& p : presets()) machines.push_back(p.machine);
  std::mt19937 rng(3801);
  // Under valgrind (RONRI_CROSSCHECK_SAMPLE set) one random machine does.
  for (int i = std::getenv("RONRI_CROSSCHECK_SAMPLE") ? 2 : 0; i < 3; ++i)
    machines.push_back(test::randomMachine(rng));
  std::string yosysScript;
  int modules = 0;
  for (size_t i = 0; i < machines.size(); ++i)
    for (FlipFlop f : {FlipFlop::D, FlipFlop::T, FlipFlop::JK, FlipFlop::SR}) {
      const Machine& m = machines[i];
      // The presets in binary, the random machines in Gray and one-hot as well.
      const StateCodes codes = i < presets().size() || modules % 3 == 0 ? binaryCodes(m.states())
                               : modules % 3 == 1                       ? grayCodes(m.states())
                                                                        : oneHotCodes(m.states());
      const Design d = designCircuit(m, codes, f);
      ASSERT_TRUE(d.available) << test::describeDesign(m, d);
      const std::string name = "m" + std::to_string(modules++);
      const std::string module = verilogMachine(m, d, name);
      const fs::path v = dir / (name + ".v");
      std::ofstream(v) << module;
      const Vectors vec = randomSequences(m, d, rng, 1000);
      std::ofstream(dir / "vectors.txt") << vec.file;
      std::ofstream(dir / "tb.v") << testbench(m, d, name, vec.expected.size());
      // iverilog garbles a path beyond ASCII inside the testbench: it reads from the folder.
      const std::string out = run("cd " + quoted(dir) + " && iverilog -g2005 -o tb.vvp tb.v " +
                                  quoted(v) + " 2>&1 && vvp -n tb.vvp 2>&1");
      const std::string fault = compare(vec.expected, out);
      ASSERT_EQ(fault, "") << module << test::describeDesign(m, d);
      yosysScript += "read_verilog \"" + v.string() + "\"\nhierarchy -top " + name +
                     "\nproc\ncheck -assert\ndesign -reset\n";
    }
  if (have("yosys")) {
    std::ofstream(dir / "all.ys") << yosysScript;
    EXPECT_EQ(run("yosys -q -s " + quoted(dir / "all.ys") + " 2>&1; echo \"exit $?\""), "exit 0\n");
  }
  fs::remove_all(top);
}

TEST(SequentialVerilog, ModuleNamesAreIdentifiersAndKeywordsAreAvoided) {
  const std::pair<const char*, const char*> cases[] = {
      {"counter5", "counter5"}, {"5counter", "m_5counter"},  {"module", "module_"},
      {"a-b c", "a_b_c"},       {"\u9806\u5e8f", "machine"}, {"", "machine"}};
  for (const auto& [wanted, name] : cases) EXPECT_EQ(verilogModuleName(wanted), name) << wanted;
}

}  // namespace
}  // namespace ronri::seq
