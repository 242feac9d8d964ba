#pragma once
// The program: one object per window, Form1 ... Form18, alive for the whole run.
#include <memory>

namespace ronri {

class Window;
class MainForm;
class TruthTableForm;
class KmapForm;
class CircuitForm;
class TableCountForm;
class ConvertForm;
class DisplayForm;
class TableInputForm;
class MapCountForm;
class MapInputForm;
class NotationForm;
class PatternForm;
class CompareForm;
class PrimeChartForm;
class MultiOutputForm;
class MultiOutputCircuitForm;
class NumberInputForm;
class AnswerCheckForm;
class TabulationForm;
class ExerciseForm;
class GradingForm;
class SequentialForm;
class TimingForm;
class DerivationForm;

class App {
  // Translations are installed before any window is made, so every window's
  // texts (and Qt's own dialogs) come in the chosen language.
  struct Languages {
    Languages();
  } languages_;

 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Loads and shows the main window.
  void start();
  // The window Form<k>, k = 1 ... 18.
  Window& form(int k) const;
  // The Karnaugh map of 3, 4, 5 or 6 variables (Form3, Form4, Form5, Form7);
  // nullptr for any other count.
  KmapForm* kmapForm(int variables) const;
  // Closing the main window: every other window is unloaded in order.
  void unloadOthers();

  std::unique_ptr<MainForm> Form1;
  std::unique_ptr<TruthTableForm> Form2;
  std::unique_ptr<KmapForm> Form3;  // 3 variables
  std::unique_ptr<KmapForm> Form4;  // 4 variables
  std::unique_ptr<KmapForm> Form5;  // 5 variables
  std::unique_ptr<CircuitForm> Form6;
  std::unique_ptr<KmapForm> Form7;  // 6 variables
  std::unique_ptr<TableCountForm> Form8;
  std::unique_ptr<ConvertForm> Form9;
  std::unique_ptr<DisplayForm> Form10;
  std::unique_ptr<TableInputForm> Form11;
  std::unique_ptr<MapCountForm> Form12;
  std::unique_ptr<MapInputForm> Form13;  // 3 variables
  std::unique_ptr<MapInputForm> Form14;  // 4 variables
  std::unique_ptr<MapInputForm> Form15;  // 5 variables
  std::unique_ptr<NotationForm> Form16;
  std::unique_ptr<PatternForm> Form17;
  std::unique_ptr<CompareForm> Form18;
  // Beside the designed windows: the prime-implicant chart, opened from Form9.
  std::unique_ptr<PrimeChartForm> primeChart;
  // From the "入力" menu: a table of several outputs, and its two-level circuit.
  std::unique_ptr<MultiOutputForm> multiOutput;
  std::unique_ptr<MultiOutputCircuitForm> multiOutputCircuit;
  // From the main window's menus: a function by its row numbers, and the answer check.
  std::unique_ptr<NumberInputForm> numberInput;
  std::unique_ptr<AnswerCheckForm> answerCheck;
  // Beside it: the tabulation of the same function's prime implicants.
  std::unique_ptr<TabulationForm> tabulation;
  // From the "ツール" menu: problem sets for a class, and grading a class's answers.
  std::unique_ptr<ExerciseForm> exercises;
  std::unique_ptr<GradingForm> grading;
  // From the "ツール" menu: a sequential circuit designed from its state table.
  std::unique_ptr<SequentialForm> sequential;
  // From the circuit window: the timing chart of the drawn circuit.
  std::unique_ptr<TimingForm> timing;
  // Also from Form9: the expression rewritten by the laws, step by step.
  std::unique_ptr<DerivationForm> derivation;
};

}  // namespace ronri
