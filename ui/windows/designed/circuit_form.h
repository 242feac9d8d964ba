#pragma once
// The circuit window "回路図": draws the circuit of the current expression
// token by token, with 2-input or 2-to-4-input gates, panning, the minimal
// expression ("圧縮" / "戻す") and a test that writes every gate's value.
#include <QPointer>
#include <QRect>
#include <QString>

#include <vector>

#include "circuit/compress.h"
#include "circuit/layout_engine.h"
#include "ui/framework/window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ronri {

class Canvas;
class CanvasSurface;

class CircuitForm : public Window {
  Q_OBJECT
 public:
  explicit CircuitForm(App& app);
  ~CircuitForm() override;

  // Set by the truth-table window before it shows this one.
  int LR = 0;                  // horizontal pan offset (0 or a negative multiple of 500)
  int OU = 0;                  // vertical pan offset (likewise)
  int syokiLabel = 1;          // 1 = the next load shows the buses of the used variables
  int Reverse = 0;             // 1 = the minimal expression is drawn
  QString siki;                // reverse Polish text being drawn
  QString apsiki;              // caption under the finished circuit
  QString simple;              // term list of the rows of value 1
  std::vector<int> dontCares;  // rows "圧縮" may use either way
  bool InputState1 = false;    // "2"
  bool InputState2 = true;     // "2-4"

  QString sikitmp;  // siki before "圧縮"
  int state = 0;    // window state kept across a reload (2 = maximized)
  double xP = 400;  // row gap
  double yP = 26;   // column pitch in units of 125 twips

  // The window's commands, as its buttons run them.
  void step();
  void create();
  void pan(int direction);  // 0 up, 1 right, 2 down, 3 left
  void compressOrRestore();
  void runTest();

  // The engine's state (for tests: where the walk stands).
  const CircuitEngine& engine() const { return engine_; }

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int variables() const;
  void selectInputs(bool twoInputs);
  void showBuses(int count);
  void finishedDrawing();
  void fitWindowToDrawing();
  // Closes and opens the window again, keeping its place on the screen.
  void reload();
  void compress();
  void restore();

  // The parts of build().
  void buildDrawingArea(QMainWindow* w);
  void buildDrawingButtons();
  void buildCompressControls();
  void buildTestControls();
  void buildSpacingControls();
  void buildPanButtons();
  void buildBuses();

  CircuitEngine engine_;
  CompressCache cache_;
  std::string savedCaption_;
  QString caption_;             // apsiki as Label6 shows it (with break points when wrapped)
  bool constantShown_ = false;  // "圧縮" found a constant: nothing to draw
  QRect normalGeometry_;

  QPointer<Canvas> canvas_;
  CanvasSurface* surface_ = nullptr;
  QPushButton* step_ = nullptr;
  QPushButton* create_ = nullptr;
  QPushButton* compress_ = nullptr;
  QPushButton* test_ = nullptr;
  QRadioButton* twoInputsOption_ = nullptr;       // "Option1"
  QRadioButton* upToFourInputsOption_ = nullptr;  // "Option2"
  QCheckBox* midExpressionsCheck_ = nullptr;      // "Check1"
  QCheckBox* essentialOnlyCheck_ = nullptr;       // "Check2"
  QComboBox* rowGapList_ = nullptr;               // "Combo1"
  QComboBox* pitchList_ = nullptr;                // "Combo2"
  QLineEdit* testInputField_ = nullptr;           // "Text1"
  QLabel* captionLabel_ = nullptr;                // "Label6"
  QLabel* testWithLabel_ = nullptr;               // "Label17"
};

}  // namespace ronri
