// The exported files read by the tools they are for: Logisim simulates the
// circuit file and an iverilog testbench runs the module, and both print the
// expression's truth table; yosys reads every Verilog file without a
// warning. A test whose tool is not installed is skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "circuit/export_logisim.h"
#include "circuit/export_verilog.h"
#include "circuit/layout_engine.h"
#include "circuit/two_level.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "core/table/truthtable.h"
#include "support/external_tools.h"

namespace ronri {
namespace {

namespace fs = std::filesystem;
using ronri::test::have;
using ronri::test::quoted;
using ronri::test::run;

// Debian's logisim is a jar; run it through java where the jar launcher is not set up.
std::string logisimCommand() {
  if (have("java") && fs::exists("/usr/share/logisim/logisim.jar"))
    return "java -jar /usr/share/logisim/logisim.jar";
  return have("logisim") ? "logisim" : "";
}

void write(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

// A random expression as the buttons build it: negated letters and groups.
std::string randomExpression(std::mt19937& rng, int n, int leaves) {
  auto pick = [&](int k) { return int(rng() % unsigned(k)); };
  if (leaves <= 1) {
    const std::string v(1, char('a' + pick(n)));
    return pick(4) == 0 ? "~" + v : v;
  }
  const int left = 1 + pick(leaves - 1);
  std::string e = "(" + randomExpression(rng, n, left) + "*+$|@%"[pick(6)] +
                  randomExpression(rng, n, leaves - left) + ")";
  return pick(5) == 0 ? "~" + e : e;
}

struct Case {
  std::string expression, rpn;
  int n = 1;
  bool twoInputs = true;
  Netlist drawing;
};

// 100 expressions of 1 to 6 variables, each drawn in both gate modes.
const std::vector<Case>& cases() {
  static const std::vector<Case> all = [] {
    std::vector<Case> out;
    std::mt19937 rng(2912);
    for (int i = 0; i < 100; ++i) {
      const int n = 1 + int(rng() % 6);
      const std::string e = randomExpression(rng, n, 1 + int(rng() % 12));
      for (bool two : {true, false}) {
        CircuitEngine engine;
        engine.rpn = ReversePolishNotation(InsideExp(e));
        engine.lastVariable = n - 1;
        engine.twoInputGates = two;
        engine.upToFourInputs = !two;
        out.push_back({e, engine.rpn, n, two, drawnNetlist(engine)});
      }
    }
    return out;
  }();
  return all;
}

// A folder whose name has a space and a character beyond ASCII.
fs::path workDir(const char* what) {
  const fs::path d = fs::temp_directory_path() / ("ronri export " + std::string(what) +
                                                  " \u8ad6\u7406 " + std::to_string(::getpid()));
  fs::create_directories(d);
  return d;
}

// The program's table in the tools' row order (row t sets variable k to bit k of t).
std::string expectedRows(const Case& c) {
  const std::vector<char> rows = evaluateRows(c.rpn, c.n);
  std::string out;
  for (int t = 0; t < (1 << c.n); ++t) {
    int r = 0;
    for (int k = 0; k < c.n; ++k)
      if (t >> k & 1) r |= 1 << (c.n - 1 - k);
    out += rows[size_t(r)];
  }
  return out;
}

std::string describe(const Case& c) {
  return c.expression + " (" + std::to_string(c.n) + " variables, " +
         (c.twoInputs ? "2-input" : "2-4-input") + " gates)";
}

// The multi-output circuits: the presets and random tables (X rows too),
// their outputs named as a user might, keywords and comment ends included.
struct MultiCase {
  MultiTable table;
  TwoLevelCircuit circuit;
  Netlist drawing;
};

const std::vector<MultiCase>& multiCases() {
  static const std::vector<MultiCase> all = [] {
    std::vector<MultiTable> tables;
    for (int p = 0; p < kMultiPresetCount; ++p) tables.push_back(multiPreset(MultiPreset(p)));
    const std::vector<std::string> names = {"wire",         "1st",    "c1_r1", "x*/y\nz",
                                            "\u51fa\u529b", "out1",   "sum",   "sum",
                                            "na",           "<&\"'>", "S_2"};
    // Words Verilog or SystemVerilog reserve, or iverilog alone.
    for (const auto& reserved :
         {std::vector<std::string>{"bool", "wone", "do", "var", "const", "static", "rand"},
          std::vector<std::string>{"null", "new", "this", "with", "bind", "packed", "modport"}}) {
      MultiTable t = multiPreset(MultiPreset::SevenSegment);
      for (size_t j = 0; j < t.names.size() && j < reserved.size(); ++j) t.names[j] = reserved[j];
      tables.push_back(t);
    }
    std::mt19937 rng(2913);
    for (int i = 0; i < 10; ++i) {
      MultiTable t = emptyMultiTable(2 + int(rng() % 5), 1 + int(rng() % 4));
      for (size_t j = 0; j < t.values.size(); ++j) {
        t.names[j] = names[rng() % names.size()];
        for (char& v : t.values[j]) v = "0011X"[rng() % 5];
      }
      // A constant 0, a constant 1 and a lone negated letter, which have no gate.
      for (size_t r = 0; i < 3 && r < t.values[0].size(); ++r)
        t.values[0][r] = i < 2 ? "01"[i] : ((r >> (t.inputs - 1)) & 1) ? '0' : '1';
      tables.push_back(t);
    }
    std::vector<MultiCase> out;
    for (const MultiTable& t : tables) {
      const TwoLevelCircuit c =
          layoutTwoLevel(t.inputs, t.names, minimiseMultiOutput(t, std::chrono::seconds(5)));
      out.push_back({t, c, twoLevelNetlist(c)});
    }
    return out;
  }();
  return all;
}

// Output j in the tools' row order: the table's value, and the circuit's own
// on an X row.
std::string expectedRows(const MultiCase& c, size_t j) {
  const int n = c.table.inputs;
  std::string out;
  for (int t = 0; t < (1 << n); ++t) {
    std::string bits;
    int r = 0;
    for (int k = 0; k < n; ++k) {
      bits += char('0' + (t >> k & 1));
      r |= (t >> k & 1) << (n - 1 - k);
    }
    const char v = c.table.values[j][size_t(r)];
    out += v == 'X' ? twoLevelOutputs(c.circuit, bits)[j] : v;
  }
  return out;
}

TEST(ExportToolsSlow, IverilogRunsEveryMultiOutputModuleToItsTableAndYosysReadsItCleanly) {
  if (!have("iverilog") || !have("vvp")) GTEST_SKIP() << "iverilog is not installed";
  const fs::path dir = workDir("multi verilog");
  std::string yosysScript;
  for (size_t i = 0; i < multiCases().size(); ++i) {
    const MultiCase& c = multiCases()[i];
    const std::string module = verilogModule(c.drawing);
    const std::vector<std::string> names = verilogOutputNames(c.drawing);
    const fs::path v = dir / ("f " + std::to_string(i) + ".v");
    write(v, module);
    std::string bench = "module tb;\n  reg [5:0] v;\n  wire [7:0] out;\n  f dut(";
    for (int k = 0; k < c.table.inputs; ++k)
      bench += "." + std::string(1, char('a' + k)) + "(v[" + std::to_string(k) + "]), ";
    std::string format, args;
    for (size_t j = 0; j < names.size(); ++j) {
      bench += (j ? ", ." : ".") + names[j] + "(out[" + std::to_string(j) + "])";
      format += "%b";
      args += ", out[" + std::to_string(j) + "]";
    }
    bench += ");\n  integer t;\n  initial begin\n    for (t = 0; t < " +
             std::to_string(1 << c.table.inputs) + "; t = t + 1) begin\n      v = t;\n      #1 " +
             "$display(\"row " + format + "\"" + args + ");\n    end\n  end\nendmodule\n";
    write(dir / "tb.v", bench);
    const std::string out =
        run("iverilog -g2012 -o " + quoted(dir / "tb.vvp") + " " + quoted(dir / "tb.v") + " " +
            quoted(v) + " 2>&1 && vvp -n " + quoted(dir / "tb.vvp") + " 2>&1");
    std::vector<std::string> rows(names.size());
    for (size_t at = out.find("row "); at != std::string::npos; at = out.find("row ", at + 4))
      for (size_t j = 0; j < names.size(); ++j) rows[j] += out[at + 4 + j];
    for (size_t j = 0; j < names.size(); ++j)
      EXPECT_EQ(rows[j], expectedRows(c, j)) << "output " << j << "\n" << module << out;
    yosysScript +=
        "read_verilog \"" + v.string() + "\"" + "\nhierarchy -top f\nproc\ncheck\ndesign -reset\n";
    if (HasFailure()) break;
  }
  if (have("yosys")) {
    write(dir / "all.ys", yosysScript);
    EXPECT_EQ(run("yosys -q -s " + quoted(dir / "all.ys") + " 2>&1; echo \"exit $?\""), "exit 0\n");
  }
  fs::remove_all(dir);
}

TEST(ExportToolsSlow, IverilogRunsEveryModuleToTheExpressionsTableAndYosysReadsItCleanly) {
  if (!have("iverilog") || !have("vvp")) GTEST_SKIP() << "iverilog is not installed";
  const fs::path dir = workDir("verilog");
  std::string yosysScript;
  // Every drawn circuit, and each expression once as an assignment.
  for (size_t i = 0; i < 3 * cases().size() / 2; ++i) {
    const bool assign = i >= cases().size();
    const Case& c = cases()[assign ? 2 * (i - cases().size()) : i];
    const std::string module = assign ? verilogAssign(c.rpn, c.n) : verilogModule(c.drawing);
    const fs::path v = dir / ("f " + std::to_string(i) + ".v");
    write(v, module);
    std::string bench = "module tb;\n  reg [5:0] v;\n  wire out;\n  f dut(";
    for (int k = 0; k < c.n; ++k)
      bench += "." + std::string(1, char('a' + k)) + "(v[" + std::to_string(k) + "]), ";
    bench += "." + outputName(c.n) +
             "(out));\n  integer t;\n  initial begin\n    for (t = 0; t < " +
             std::to_string(1 << c.n) +
             "; t = t + 1) begin\n      v = t;\n      #1 $display(\"row %b\", out);\n    end\n  "
             "end\nendmodule\n";
    write(dir / "tb.v", bench);
    const std::string out =
        run("iverilog -o " + quoted(dir / "tb.vvp") + " " + quoted(dir / "tb.v") + " " + quoted(v) +
            " 2>&1 && vvp -n " + quoted(dir / "tb.vvp") + " 2>&1");
    std::string rows;
    for (size_t at = out.find("row "); at != std::string::npos; at = out.find("row ", at + 4))
      rows += out[at + 4];
    EXPECT_EQ(rows, expectedRows(c)) << describe(c) << "\n" << module << out;
    yosysScript +=
        "read_verilog \"" + v.string() + "\"" + "\nhierarchy -top f\nproc\ncheck\ndesign -reset\n";
    if (HasFailure()) break;
  }
  if (have("yosys")) {
    write(dir / "all.ys", yosysScript);
    const std::string out =
        run("yosys -q -s " + quoted(dir / "all.ys") + " 2>&1; echo \"exit $?\"");
    EXPECT_EQ(out, "exit 0\n");
  }
  fs::remove_all(dir);
}

// Logisim prints the output pins whenever one changes while its clocks tick
// until a pin "halt" goes high. So each input pin becomes a clock of half
// period 2^k, a clock "tick" changes every tick, and "halt" rises after all
// rows. Returns the output columns but tick's (each of 2^n rows, in the pins'
// order top to bottom) and the number of input pins.
std::vector<std::string> logisimColumns(const std::string& logisim, const std::string& circ, int n,
                                        const fs::path& file, int* pins) {
  static const std::regex inputPin(
      R"re(<comp lib="0" loc="\((-?\d+),(-?\d+)\)" name="Pin"><a name="tristate" val="false"/><a name="label" val="([a-j])"/></comp>)re");
  auto clock = [](const std::string& loc, int half) {
    const std::string h = std::to_string(half);
    return "<comp lib=\"0\" loc=\"" + loc + "\" name=\"Clock\"><a name=\"highDuration\" val=\"" +
           h + "\"/><a name=\"lowDuration\" val=\"" + h + "\"/></comp>";
  };
  auto probe = [](const std::string& loc, const char* label) {
    return "<comp lib=\"0\" loc=\"" + loc +
           "\" name=\"Pin\"><a name=\"facing\" val=\"west\"/><a name=\"output\" val=\"true\"/>"
           "<a name=\"label\" val=\"" +
           label + "\"/></comp>\n";
  };
  std::string sim;
  size_t last = 0;
  *pins = 0;
  for (std::sregex_iterator m(circ.begin(), circ.end(), inputPin), end; m != end; ++m, ++*pins) {
    sim += circ.substr(last, size_t(m->position()) - last);
    sim += clock("(" + (*m)[1].str() + "," + (*m)[2].str() + ")", 1 << ((*m)[3].str()[0] - 'a'));
    last = size_t(m->position() + m->length());
  }
  sim += circ.substr(last);
  const std::string extra = clock("(-3000,-3000)", 1) + "\n" + probe("(-3000,-3000)", "tick") +
                            clock("(-3000,-2000)", 1 << n) + "\n" + probe("(-3000,-2000)", "halt");
  sim.insert(sim.find("  </circuit>"), extra);
  write(file, sim);
  // Without a display, any question Logisim would ask fails the run.
  const std::string out =
      run("env -u DISPLAY timeout 120 " + logisim + " -tty table " + quoted(file) + " 2>&1");
  std::vector<std::string> columns;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.find('\t') == std::string::npos) continue;
    std::istringstream cells(line);
    size_t k = 0;
    for (std::string cell; std::getline(cells, cell, '\t'); ++k) {
      if (columns.size() <= k) columns.resize(k + 1);
      if (columns[k].size() < size_t(1) << n) columns[k] += cell;
    }
  }
  // tick starts 0 and alternates.
  for (size_t k = 0; k < columns.size(); ++k) {
    bool tick = true;
    for (size_t t = 0; t < columns[k].size(); ++t) tick &= columns[k][t] == (t % 2 ? '1' : '0');
    if (tick) {
      columns.erase(columns.begin() + long(k));
      break;
    }
  }
  if (columns.empty()) columns.push_back(out);  // shows what Logisim said
  return columns;
}

TEST(ExportToolsSlow, LogisimSimulatesEveryCircuitFileToTheExpressionsTable) {
  const std::string logisim = logisimCommand();
  if (logisim.empty()) GTEST_SKIP() << "logisim is not installed";
  // Logisim starts a JVM per file (about 2 s): every fifth case unless all are asked for.
  const size_t stride = std::getenv("RONRI_LOGISIM_ALL") ? 1 : 5;
  const fs::path dir = workDir("logisim");
  for (size_t i = 0; i < cases().size(); i += stride) {
    const Case& c = cases()[i];
    const std::string circ = logisimCircuit(c.drawing);
    int pins = 0;
    const std::vector<std::string> columns =
        logisimColumns(logisim, circ, c.n, dir / ("f " + std::to_string(i) + ".circ"), &pins);
    EXPECT_GT(pins, 0) << describe(c);
    EXPECT_EQ(columns, std::vector<std::string>{expectedRows(c)}) << describe(c) << "\n" << circ;
    if (HasFailure()) break;
  }
  fs::remove_all(dir);
}

TEST(ExportToolsSlow, LogisimSimulatesMultiOutputCircuitFilesToTheirTables) {
  const std::string logisim = logisimCommand();
  if (logisim.empty()) GTEST_SKIP() << "logisim is not installed";
  const fs::path dir = workDir("multi logisim");
  for (size_t i = 0; i < multiCases().size(); ++i) {
    const MultiCase& c = multiCases()[i];
    const std::string circ = logisimCircuit(c.drawing);
    int pins = 0;
    const std::vector<std::string> columns = logisimColumns(
        logisim, circ, c.table.inputs, dir / ("f " + std::to_string(i) + ".circ"), &pins);
    std::vector<std::string> expected;
    for (size_t j = 0; j < c.table.values.size(); ++j) expected.push_back(expectedRows(c, j));
    EXPECT_EQ(columns, expected) << circ;
    if (HasFailure()) break;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace ronri
