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
#include "core/expression.h"
#include "core/rpn.h"
#include "core/truthtable.h"

namespace ronri {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    size_t got;
    while ((got = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, got);
    pclose(p);
  }
  return out;
}

bool have(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Debian's logisim is a jar; run it through java where the jar launcher is not set up.
std::string logisimCommand() {
  if (have("java") && fs::exists("/usr/share/logisim/logisim.jar"))
    return "java -jar /usr/share/logisim/logisim.jar";
  return have("logisim") ? "logisim" : "";
}

std::string quoted(const fs::path& p) {
  return "'" + p.string() + "'";
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
        engine.siki = ReversePolishNotation(InsideExp(e));
        engine.listindex = n - 1;
        engine.InputState1 = two;
        engine.InputState2 = !two;
        out.push_back({e, engine.siki, n, two, drawnNetlist(engine)});
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

TEST(ExportTools, IverilogRunsEveryModuleToTheExpressionsTableAndYosysReadsItCleanly) {
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

TEST(ExportTools, LogisimSimulatesEveryCircuitFileToTheExpressionsTable) {
  const std::string logisim = logisimCommand();
  if (logisim.empty()) GTEST_SKIP() << "logisim is not installed";
  // Logisim starts a JVM per file (about 2 s): every fifth case unless all are asked for.
  const size_t stride = std::getenv("RONRI_LOGISIM_ALL") ? 1 : 5;
  const fs::path dir = workDir("logisim");
  // Logisim prints the output pins whenever one changes while its clocks tick
  // until a pin "halt" goes high. So each input pin becomes a clock of half
  // period 2^k, a clock "tick" changes every tick, and "halt" rises after
  // all rows.
  const std::regex inputPin(
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
  for (size_t i = 0; i < cases().size(); i += stride) {
    const Case& c = cases()[i];
    const std::string circ = logisimCircuit(c.drawing);
    std::string sim;
    size_t last = 0;
    int pins = 0;
    for (std::sregex_iterator m(circ.begin(), circ.end(), inputPin), end; m != end; ++m, ++pins) {
      sim += circ.substr(last, size_t(m->position()) - last);
      sim += clock("(" + (*m)[1].str() + "," + (*m)[2].str() + ")", 1 << ((*m)[3].str()[0] - 'a'));
      last = size_t(m->position() + m->length());
    }
    sim += circ.substr(last);
    const std::string extra = clock("(-3000,-3000)", 1) + "\n" + probe("(-3000,-3000)", "tick") +
                              clock("(-3000,-2000)", 1 << c.n) + "\n" +
                              probe("(-3000,-2000)", "halt");
    sim.insert(sim.find("  </circuit>"), extra);
    const fs::path file = dir / ("f " + std::to_string(i) + ".circ");
    write(file, sim);
    // Without a display, any question Logisim would ask fails the run.
    const std::string out =
        run("env -u DISPLAY timeout 120 " + logisim + " -tty table " + quoted(file) + " 2>&1");
    // Two columns, tick and f, in Logisim's order: tick starts 0 and alternates.
    std::vector<std::string> a, b;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      const size_t tab = line.find('\t');
      if (tab == std::string::npos) continue;
      a.push_back(line.substr(0, tab));
      b.push_back(line.substr(tab + 1));
    }
    auto isTick = [&](const std::vector<std::string>& col) {
      for (size_t t = 0; t < col.size(); ++t)
        if (col[t] != (t % 2 ? "1" : "0")) return false;
      return true;
    };
    const std::vector<std::string>& f = isTick(a) ? b : a;
    std::string rows;
    for (size_t t = 0; t < f.size() && t < size_t(1) << c.n; ++t) rows += f[t];
    EXPECT_GT(pins, 0) << describe(c);
    EXPECT_EQ(rows, expectedRows(c)) << describe(c) << "\n" << circ << out;
    if (HasFailure()) break;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace ronri
