// KISS2: what is written reads back as the same machine, what the format
// allows is read, and every kind of bad file is refused at its line. The
// editor's reshaping and cell edits keep a machine sound and lose nothing
// that still fits.
#include <gtest/gtest.h>

#include <random>

#include "sequential/kiss2.h"
#include "sequential/machine_edit.h"
#include "tests/sequential/random_machine.h"

namespace ronri::seq {
namespace {

TEST(Kiss2, WrittenMachinesReadBack) {
  std::mt19937 rng(2);
  test::RandomShape shape{1, 16, 3, 4, 0.3};
  for (int i = 0; i < 300; ++i) {
    const Machine m = test::randomMachine(rng, shape);
    const std::string text = writeKiss2(m);
    const Kiss2Result back = readKiss2(text, m.kind);
    ASSERT_TRUE(back.ok()) << text << "error " << int(back.error) << " line " << back.line;
    ASSERT_EQ(back.machine, m) << text;
  }
}

TEST(Kiss2, EditedMachinesStaySoundAndGrowingLosesNothing) {
  std::mt19937 rng(38);
  test::RandomShape shape{1, 12, 2, 3, 0.3};
  for (int i = 0; i < 200; ++i) {
    const Machine m = test::randomMachine(rng, shape);
    const auto more = [&](int v, int most) { return v + int(rng() % (most - v + 1)); };
    const Machine grown = reshaped(m, m.kind, more(m.states(), kMaxStates),
                                   more(m.inputs, kMaxInputs), more(m.outputs, kMaxOutputs));
    ASSERT_EQ(machineProblem(grown), MachineProblem::None) << writeKiss2(m);
    EXPECT_EQ(reshaped(grown, m.kind, m.states(), m.inputs, m.outputs), m) << writeKiss2(m);
    const MachineKind other =
        m.kind == MachineKind::Moore ? MachineKind::Mealy : MachineKind::Moore;
    if (m.kind == MachineKind::Moore)  // Moore outputs survive a trip through Mealy
      EXPECT_EQ(reshaped(reshaped(m, other, m.states(), m.inputs, m.outputs), m.kind, m.states(),
                         m.inputs, m.outputs),
                m);
    // A cell written as it is shown stays; what does not fit changes nothing.
    Machine e = m;
    const int s = int(rng() % m.states()), x = int(rng() % m.combinations());
    EXPECT_TRUE(setNextText(e, s, x, nextText(m, s, x)));
    EXPECT_TRUE(setOutputText(e, s, x, outputsAt(m, s, x)));
    EXPECT_FALSE(setNextText(e, s, x, "nowhere"));
    EXPECT_FALSE(setOutputText(e, s, x, std::string(size_t(m.outputs) + 1, '0')));
    EXPECT_FALSE(renameState(e, s, m.names[size_t((s + 1) % m.states())]) && m.states() > 1);
    EXPECT_FALSE(renameState(e, s, "a b"));
    EXPECT_EQ(e, m);
  }
}

TEST(Kiss2, ReadsCubesCommentsAndTheResetState) {
  const char* text =
      "# a detector\r\n"
      ".i 2\n.o 1\n.s 3\n.p 4\n.r B\n"
      "-0 A B 0   # both inputs with X2 = 0\n"
      "11 A A 1\n"
      "\t-- B * -\n"
      "01 B C 1\n"  // fills in what "-- B * -" left open
      ".e\n"
      "whatever follows .e is not read\n";
  const Kiss2Result r = readKiss2(text);
  ASSERT_TRUE(r.ok()) << int(r.error) << " at " << r.line;
  const Machine& m = r.machine;
  EXPECT_EQ(m.names, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(m.reset, 1);
  EXPECT_EQ(m.table[0][0], (Transition{1, "0"}));
  EXPECT_EQ(m.table[0][2], (Transition{1, "0"}));
  EXPECT_EQ(m.table[0][1], (Transition{kUnspecified, "-"}));  // no line for 01
  EXPECT_EQ(m.table[0][3], (Transition{0, "1"}));
  EXPECT_EQ(m.table[1][1], (Transition{2, "1"}));
  EXPECT_EQ(m.table[1][0], (Transition{kUnspecified, "-"}));
  EXPECT_EQ(m.table[2][0].next, kUnspecified);  // C is only ever a next state

  // Read as Moore, a state's lines merge their outputs.
  const Kiss2Result moore =
      readKiss2(".i 1\n.o 2\n0 A B 1-\n1 A A -0\n0 B A --\n", MachineKind::Moore);
  ASSERT_TRUE(moore.ok());
  EXPECT_EQ(moore.machine.stateOutputs, (std::vector<std::string>{"10", "--"}));
  EXPECT_EQ(moore.machine.table[0][1].outputs, "");
}

TEST(Kiss2, BadFilesAreRefusedAtTheirLine) {
  struct Bad {
    const char* text;
    Kiss2Error error;
    int line;
    MachineKind kind = MachineKind::Mealy;
  };
  const Bad bad[] = {
      {".i 1\n.o 1\n.q 3\n", Kiss2Error::UnknownDirective, 3},
      {".i one\n", Kiss2Error::BadNumber, 1},
      {".i -1\n", Kiss2Error::BadNumber, 1},
      {".i 1 2\n", Kiss2Error::BadNumber, 1},
      {".i 99999999999999999999\n", Kiss2Error::BadNumber, 1},
      {".i 4\n", Kiss2Error::TooManyInputs, 1},
      {".o 5\n", Kiss2Error::TooManyOutputs, 1},
      {".s 17\n", Kiss2Error::TooManyStates, 1},
      {".i 1\n.o 0\n.i 1\n", Kiss2Error::RepeatedHeader, 3},
      {".i 1\n0 A B 1\n", Kiss2Error::MissingHeader, 2},
      {".i 1\n.o 1\n0 A B\n", Kiss2Error::FieldCount, 3},
      {".i 0\n.o 0\nA B C\n", Kiss2Error::FieldCount, 3},
      {".i 1\n.o 1\n.r\n", Kiss2Error::FieldCount, 3},
      {".i 2\n.o 1\n0 A B 1\n", Kiss2Error::BadInputField, 3},
      {".i 1\n.o 1\nx A B 1\n", Kiss2Error::BadInputField, 3},
      {".i 1\n.o 2\n0 A B 1\n", Kiss2Error::BadOutputField, 3},
      {".i 1\n.o 1\n0 A B 2\n", Kiss2Error::BadOutputField, 3},
      {".i 1\n.o 1\n0 * B 1\n", Kiss2Error::BadStateName, 3},
      {".i 1\n.o 1\n0 A .B 1\n", Kiss2Error::BadStateName, 3},
      {".i 1\n.o 1\n0 .A B 1\n", Kiss2Error::BadStateName, 3},
      {".i 1\n.o 1\n- A B 1\n1 A C 1\nx A B 1\n", Kiss2Error::Conflict, 4},  // the first fault
      {".i 1\n.o 1\n- A B 1\n1 A B 0\n", Kiss2Error::Conflict, 4},
      {".i 1\n.o 1\n0 A B 1\n1 A B 0\n", Kiss2Error::MooreOutputsDiffer, 4, MachineKind::Moore},
      {".i 0\n.o 0\n.s 3\nA B\n", Kiss2Error::StateCountMismatch, 3},
      {".i 0\n.o 0\n.p 2\nA B\n", Kiss2Error::LineCountMismatch, 3},
      {".i 0\n.o 0\n.r C\nA B\n", Kiss2Error::UnknownResetState, 3},
      {".i 0\n.o 0\n# nothing\n", Kiss2Error::NoStates, 4},
      {"", Kiss2Error::NoStates, 1},
  };
  for (const Bad& b : bad) {
    const Kiss2Result r = readKiss2(b.text, b.kind);
    EXPECT_EQ(r.error, b.error) << b.text;
    EXPECT_EQ(r.line, b.line) << b.text;
    EXPECT_EQ(r.machine, Machine{}) << b.text;
  }
  // Seventeen states named in the lines.
  std::string many = ".i 0\n.o 0\n";
  for (int s = 0; s < 17; ++s) many += "S" + std::to_string(s) + " S0\n";
  const Kiss2Result r = readKiss2(many);
  EXPECT_EQ(r.error, Kiss2Error::TooManyStates);
  EXPECT_EQ(r.line, 19);
}

}  // namespace
}  // namespace ronri::seq
