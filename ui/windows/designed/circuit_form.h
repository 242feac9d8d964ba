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
#include "core/table/function.h"
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

  // Draws `f` afresh from `rpn`, its reverse Polish text, with 2-to-4-input
  // gates and unpanned; `onesTerms` (its 1-rows) and its don't-care rows are
  // what "圧縮" minimises. An open window is loaded afresh.
  void showFor(const Function& f, const QString& rpn, const QString& onesTerms);

  // What the window draws and how.
  const QString& drawnRpn() const { return rpn_; }
  const QString& rpnBeforeCompress() const { return rpnBeforeCompress_; }
  const QString& captionText() const { return captionText_; }  // "f=..." under the circuit
  const QString& onesTerms() const { return onesTerms_; }
  int panX() const { return panX_; }  // 0 or a negative multiple of 500 twips
  int panY() const { return panY_; }
  bool showsMinimal() const { return showsMinimal_; }    // "圧縮" drew the minimal form
  bool twoInputGates() const { return twoInputGates_; }  // "2" rather than "2-4"

  // The window's commands, as its buttons run them.
  void step();
  void create();
  void pan(int direction);  // 0 up, 1 right, 2 down, 3 left
  void compressOrRestore();
  void runTest();
  // "タイミング": the timing chart of the drawn circuit (drawn first if need be).
  void showTiming();

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

  int variables_ = 1;
  QString rpn_;                // reverse Polish text being drawn
  QString rpnBeforeCompress_;  // rpn_ before "圧縮"
  QString captionText_;        // the caption under the finished circuit
  std::string captionBeforeCompress_;
  QString shownCaption_;        // captionText_ as Label6 shows it (with line breaks)
  QString onesTerms_;           // term list of the rows of value 1
  std::vector<int> dontCares_;  // rows "圧縮" may use either way
  int panX_ = 0;                // horizontal pan offset (0 or a negative multiple of 500)
  int panY_ = 0;                // vertical pan offset (likewise)
  bool busesAtLoad_ = true;     // the next load shows the buses of the used variables
  bool showsMinimal_ = false;   // the minimal expression is drawn
  bool twoInputGates_ = false;  // "2", else "2-4"
  bool maximized_ = false;      // the window state kept across a reload
  double rowGap_ = 400;         // twips between rows
  double columnPitch_ = 26;     // in units of 125 twips

  CircuitEngine engine_;
  CompressCache cache_;
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
