#include "ui/app.h"

#include <QApplication>

#include "ui/framework/translation.h"
#include "ui/windows/added/answer_check_form.h"
#include "ui/windows/added/derivation_form.h"
#include "ui/windows/added/exercise_form.h"
#include "ui/windows/added/grading_form.h"
#include "ui/windows/added/multi_output_circuit_form.h"
#include "ui/windows/added/multi_output_form.h"
#include "ui/windows/added/number_input_form.h"
#include "ui/windows/added/prime_chart_form.h"
#include "ui/windows/added/sequential_form.h"
#include "ui/windows/added/tabulation_form.h"
#include "ui/windows/added/timing_form.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/compare_form.h"
#include "ui/windows/designed/convert_form.h"
#include "ui/windows/designed/display_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/designed/map_count_form.h"
#include "ui/windows/designed/map_input_form.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/designed/pattern_form.h"
#include "ui/windows/designed/table_count_form.h"
#include "ui/windows/designed/table_input_form.h"
#include "ui/windows/designed/truth_table_form.h"

namespace ronri {

App::Languages::Languages() {
  installTranslations();
}

App::App()
    : Form1(std::make_unique<MainForm>(*this)),
      Form2(std::make_unique<TruthTableForm>(*this)),
      Form3(std::make_unique<KmapForm>(*this, 3)),
      Form4(std::make_unique<KmapForm>(*this, 4)),
      Form5(std::make_unique<KmapForm>(*this, 5)),
      Form6(std::make_unique<CircuitForm>(*this)),
      Form7(std::make_unique<KmapForm>(*this, 6)),
      Form8(std::make_unique<TableCountForm>(*this)),
      Form9(std::make_unique<ConvertForm>(*this)),
      Form10(std::make_unique<DisplayForm>(*this)),
      Form11(std::make_unique<TableInputForm>(*this)),
      Form12(std::make_unique<MapCountForm>(*this)),
      Form13(std::make_unique<MapInputForm>(*this, 3)),
      Form14(std::make_unique<MapInputForm>(*this, 4)),
      Form15(std::make_unique<MapInputForm>(*this, 5)),
      Form16(std::make_unique<NotationForm>(*this)),
      Form17(std::make_unique<PatternForm>(*this)),
      Form18(std::make_unique<CompareForm>(*this)),
      primeChart(std::make_unique<PrimeChartForm>(*this)),
      multiOutput(std::make_unique<MultiOutputForm>(*this)),
      multiOutputCircuit(std::make_unique<MultiOutputCircuitForm>(*this)),
      numberInput(std::make_unique<NumberInputForm>(*this)),
      answerCheck(std::make_unique<AnswerCheckForm>(*this)),
      tabulation(std::make_unique<TabulationForm>(*this)),
      exercises(std::make_unique<ExerciseForm>(*this)),
      grading(std::make_unique<GradingForm>(*this)),
      sequential(std::make_unique<SequentialForm>(*this)),
      timing(std::make_unique<TimingForm>(*this)),
      derivation(std::make_unique<DerivationForm>(*this)) {}

App::~App() {
  // Windows go in reverse order of creation; their widgets with them.
}

void App::start() {
  Form1->show();
}

Window& App::form(int k) const {
  switch (k) {
    case 1:
      return *Form1;
    case 2:
      return *Form2;
    case 3:
      return *Form3;
    case 4:
      return *Form4;
    case 5:
      return *Form5;
    case 6:
      return *Form6;
    case 7:
      return *Form7;
    case 8:
      return *Form8;
    case 9:
      return *Form9;
    case 10:
      return *Form10;
    case 11:
      return *Form11;
    case 12:
      return *Form12;
    case 13:
      return *Form13;
    case 14:
      return *Form14;
    case 15:
      return *Form15;
    case 16:
      return *Form16;
    case 17:
      return *Form17;
    default:
      return *Form18;
  }
}

KmapForm* App::kmapForm(int variables) const {
  switch (variables) {
    case 3:
      return Form3.get();
    case 4:
      return Form4.get();
    case 5:
      return Form5.get();
    case 6:
      return Form7.get();
    default:
      return nullptr;
  }
}

void App::unloadOthers() {
  for (int k = 2; k <= 18; ++k) form(k).unload();
  primeChart->unload();
  multiOutputCircuit->unload();
  multiOutput->unload();
  numberInput->unload();
  answerCheck->unload();
  tabulation->unload();
  exercises->unload();
  grading->unload();
  sequential->unload();
  timing->unload();
  derivation->unload();
}

}  // namespace ronri
