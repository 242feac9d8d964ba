#include "ui/windows/designed/convert_form.h"

#include <algorithm>

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/cover/cover_dontcare.h"
#include "core/cover/hazards.h"
#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/gateset.h"
#include "core/table/function.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/print_header.h"
#include "ui/windows/added/derivation_form.h"
#include "ui/windows/added/prime_chart_form.h"
#include "ui/windows/added/tabulation_form.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/helpers/circuit_file_export.h"
#include "ui/windows/helpers/cover_proof.h"
#include "ui/windows/helpers/dont_care.h"
#include "ui/windows/helpers/send_to_list.h"

namespace ronri {

namespace {

const char* const kConfirm = QT_TRANSLATE_NOOP(
    "ronri::ConvertForm", "この作業は時間が異常にかかる可能性があります。よろしいですか？");
// The variable count from which a cover search can run up to its whole budget.
constexpr int kLongCoverVariables = 7;
const char* const kUnreadablePrimes = QT_TRANSLATE_NOOP(
    "ronri::ConvertForm",
    "主項の欄に項として読めないものがあります。変数 a～j と ~、*、+ だけで書いてください。");
const char* const kNoCover =
    QT_TRANSLATE_NOOP("ronri::ConvertForm",
                      "主項の欄の項では、値が 1 になる行をすべて覆えないため、簡単化できません。");
const char* const kBestFound = QT_TRANSLATE_NOOP(
    "ronri::ConvertForm",
    "制限時間内に見つかった最良の結果です。これより項の少ない形がないことは確かめられていません。");
const char* const kMalformed =
    QT_TRANSLATE_NOOP("ronri::ConvertForm", "式として読めないため変換できません。");

QString tooLongMessage() {
  return QCoreApplication::translate("ronri::ConvertForm",
                                     "変換結果が長すぎるため表示できません（%1 文字まで）。")
      .arg(qulonglong(kMaxRewriteLength));
}

// The row of each "表示" button: Command3(index) shows this box.
const char* const kDisplayedBox[8] = {"Text1", "Text2", "Text3", "Text4",
                                      "Text5", "Text6", "Text7", "Text8"};

std::string toStd(const QString& s) {
  return s.toStdString();
}
QString fromStd(const std::string& s) {
  return QString::fromStdString(s);
}

// A hand-edited box as an expression: blanks ("~a + b*c") are left out, the
// same for every reader of the box.
std::string withoutBlanks(const QString& s) {
  QString t;
  for (QChar c : s)
    if (!c.isSpace()) t += c;
  return toStd(t);
}

// The minterm patterns of a term list ("aoc+nbc+").
std::vector<std::string> patternsOf(const QString& termList) {
  std::vector<std::string> out;
  for (const QString& t : termList.split(QLatin1Char('+'), Qt::SkipEmptyParts))
    out.push_back(toStd(t));
  return out;
}

// A term sum of operand letters of the first n variables, or "0" / "1".
bool isTermSum(std::string_view s, int n) {
  if (s == "0" || s == "1") return true;
  if (s.empty()) return false;
  std::size_t termLength = 0;
  for (char c : s) {
    if (c == '+') {
      if (termLength == 0) return false;
      termLength = 0;
    } else if (variableOf(c, n) >= 0) {
      ++termLength;
    } else {
      return false;
    }
  }
  return termLength > 0;
}

int termCount(const std::string& sum) {
  return sum.empty() ? 0 : int(std::count(sum.begin(), sum.end(), '+')) + 1;
}

}  // namespace

ConvertForm::ConvertForm(App& app)
    : Window(app, QStringLiteral("Form9"), tr("式変換")), proof_(new CoverProof(this)) {
  connect(proof_, &CoverProof::improved, this, [this](const Cover& c) {
    if (!isOpen()) return;
    box(QStringLiteral("Text2"))->setText(fromStd(wordchange(layout(c.sum))));
    showCoverNote(c, c.status != CoverStatus::Proven);
  });
  connect(proof_, &CoverProof::finished, this, [this](const Cover& c) {
    if (!isOpen()) return;
    box(QStringLiteral("Text2"))->setText(fromStd(wordchange(layout(c.sum))));
    showCoverNote(c, false);
  });
}

// One row of the window: a line and a label above it where it has a label,
// the box, its "変換" button where it has one, and its "表示" button.
struct ConvertForm::Section {
  int line = 0;  // Line/Label number; 0 = no line and label
  const char* label = nullptr;
  const char* box;
  bool readOnly = false;
  const char* convert = nullptr;
  int display;  // Command3(display) shows the box
  bool coverNoteBelow = false;
  int hazardFreeBelow = -1;  // 0: the sum of products, 1: the product of sums
};

namespace {

// The product of sums joins below "簡単化"; its line and label are numbered
// after the others (Line7, Label7), which keep their numbers.
const ConvertForm::Section kSections[] = {
    {.box = "Text1", .readOnly = true, .display = 0},
    {.line = 1,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "主項"),
     .box = "Text7",
     .convert = "Command4",
     .display = 6},
    {.line = 2,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "簡単化"),
     .box = "Text2",
     .readOnly = true,
     .convert = "Command1",
     .display = 1,
     .coverNoteBelow = true,
     .hazardFreeBelow = 0},
    {.line = 7,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "簡単化（和積形）"),
     .box = "Text8",
     .readOnly = true,
     .convert = "Command6",
     .display = 7,
     .hazardFreeBelow = 1},
    {.line = 3,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "Nandとnotのみ"),
     .box = "Text3",
     .convert = "Command2(0)",
     .display = 2},
    {.line = 4,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "Norとnotのみ"),
     .box = "Text4",
     .convert = "Command2(1)",
     .display = 3},
    {.line = 5,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "Nandのみ"),
     .box = "Text5",
     .convert = "Command5(0)",
     .display = 4},
    {.line = 6,
     .label = QT_TRANSLATE_NOOP("ronri::ConvertForm", "Norのみ"),
     .box = "Text6",
     .convert = "Command5(1)",
     .display = 5},
};

// The result rows by their "表示" index: each box is saved as a Verilog
// assignment from its own menu and sent to the main list by its "一覧へ".
const int kResultDisplays[] = {1, 7, 2, 3, 4, 5};

constexpr int kBoxMinimumWidth = 420;
constexpr int kWindowWidth = 640;

// The grid row a widget stands in.
int rowOf(QGridLayout* grid, QWidget* widget) {
  int r = 0, c = 0, rs = 0, cs = 0;
  grid->getItemPosition(grid->indexOf(widget), &r, &c, &rs, &cs);
  return r;
}

}  // namespace

void ConvertForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  auto* grid = new QGridLayout(central);
  grid->setColumnStretch(0, 1);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  int row = 0;
  for (const Section& section : kSections) {
    addSection(central, grid, row, section);
    if (section.coverNoteBelow) addCoverNote(central, grid, row);
    if (section.hazardFreeBelow >= 0)
      addHazardFreeRow(central, grid, row, section.hazardFreeBelow == 1);
  }
  for (int index : kResultDisplays)
    addAssignExport(central->findChild<QLineEdit*>(QLatin1String(kDisplayedBox[index])),
                    [this] { return variableCount(); });
  grid->setRowStretch(row, 1);
  connectConvertButtons(central);
  addPrimeButtons(central, grid);
  addSendButtons(central, grid);
  w->setCentralWidget(central);
  w->resize(kWindowWidth, w->sizeHint().height());
}

void ConvertForm::addSection(QWidget* central, QGridLayout* grid, int& row, const Section& s) {
  if (s.line != 0) {
    auto* line = new QFrame(central);
    line->setObjectName(QStringLiteral("Line%1").arg(s.line));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row++, 0, 1, 3);
    auto* l = new QLabel(tr(s.label), central);
    l->setObjectName(QStringLiteral("Label%1").arg(s.line));
    l->setFont(gothicFont(9, true));
    grid->addWidget(l, row++, 0, 1, 3);
  }
  auto* edit = new QLineEdit(central);
  edit->setObjectName(QLatin1String(s.box));
  edit->setFont(expressionFont());
  edit->setMaxLength(int(kMaxRewriteLength));
  edit->setReadOnly(s.readOnly);  // read-only boxes discard every key
  edit->setMinimumWidth(kBoxMinimumWidth);
  grid->addWidget(edit, row, 0);
  if (s.convert) grid->addWidget(makeButton(central, QLatin1String(s.convert), tr("変換")), row, 1);
  const int displayIndex = s.display;
  auto* show = makeButton(central, indexed("Command3", displayIndex), tr("表示"));
  grid->addWidget(show, row, 2);
  connect(show, &QPushButton::clicked, this, [this, displayIndex] { showReadable(displayIndex); });
  ++row;
}

// Under "簡単化", shown only for a cover not proven smallest: its bound and
// the proof that can go on in the background.
void ConvertForm::addCoverNote(QWidget* central, QGridLayout* grid, int& row) {
  auto* note = new QLabel(central);
  note->setObjectName(QStringLiteral("LabelCoverBound"));
  note->setWordWrap(true);
  note->hide();
  grid->addWidget(note, row, 0);
  QPushButton* prove = makeButton(central, QStringLiteral("CommandProve"), tr("証明を続ける"));
  prove->hide();
  grid->addWidget(prove, row, 1, 1, 2);
  connect(prove, &QPushButton::clicked, this, [this] { continueProof(); });
  ++row;
}

// Under the smallest form: "ハザードなし" beside its own box, and a line
// naming the consensus terms it added.
void ConvertForm::addHazardFreeRow(QWidget* central, QGridLayout* grid, int& row,
                                   bool productOfSums) {
  const int i = productOfSums ? 1 : 0;
  auto* edit = new QLineEdit(central);
  edit->setObjectName(indexed("TextHazardFree", i));
  edit->setFont(expressionFont());
  edit->setReadOnly(true);
  edit->setMinimumWidth(kBoxMinimumWidth);
  grid->addWidget(edit, row, 0);
  QPushButton* go = makeButton(central, indexed("CommandHazardFree", i), tr("ハザードなし"));
  go->setToolTip(productOfSums ? tr("隣り合う 0 の行の組をどれも一つの和で覆う最小の和積形")
                               : tr("隣り合う 1 の行の組をどれも一つの項で覆う最小の積和形"));
  grid->addWidget(go, row, 1, 1, 2);
  connect(go, &QPushButton::clicked, this, [this, productOfSums] { hazardFree(productOfSums); });
  ++row;
  auto* added = new QLabel(central);
  added->setObjectName(indexed("LabelConsensus", i));
  added->setWordWrap(true);
  added->hide();
  grid->addWidget(added, row++, 0, 1, 3);
}

void ConvertForm::connectConvertButtons(QWidget* central) {
  auto on = [&](const QString& name, auto handler) {
    connect(central->findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
  };
  on(QStringLiteral("Command4"), [this] { listPrimes(); });
  on(QStringLiteral("Command1"), [this] { simplify(); });
  on(QStringLiteral("Command6"), [this] { productOfSums(); });
  on(QStringLiteral("Command2(0)"), [this] { convertWithNot(0); });
  on(QStringLiteral("Command2(1)"), [this] { convertWithNot(1); });
  on(QStringLiteral("Command5(0)"), [this] { convertOnly(0); });
  on(QStringLiteral("Command5(1)"), [this] { convertOnly(1); });
}

// Beside the "主項" row: the chart of the prime implicants, once they are
// known, the merging that found them, pass by pass, and the derivation by the laws.
void ConvertForm::addPrimeButtons(QWidget* central, QGridLayout* grid) {
  const int r = rowOf(grid, central->findChild<QLineEdit*>(QStringLiteral("Text7")));
  QPushButton* chart = makeButton(central, QStringLiteral("CommandChart"), tr("主項表"));
  chart->setEnabled(false);
  grid->addWidget(chart, r, 3);
  connect(chart, &QPushButton::clicked, this, [this] { showPrimeChart(); });
  QPushButton* tab =
      makeButton(central, QStringLiteral("CommandTabulation"), tr("クワイン・マクラスキー法"));
  tab->setEnabled(false);
  grid->addWidget(tab, r, 4);
  connect(tab, &QPushButton::clicked, this, [this] { showTabulation(); });
  // The derivation needs only the expression, so it is usable at once.
  QPushButton* derive = makeButton(central, QStringLiteral("CommandDerivation"), tr("式の変形"));
  grid->addWidget(derive, r, 5);
  connect(derive, &QPushButton::clicked, this, [this] { showDerivation(); });
}

// Beside every result row: "一覧へ" makes that form an entry of the main list.
void ConvertForm::addSendButtons(QWidget* central, QGridLayout* grid) {
  for (int index : kResultDisplays) {
    const QString boxName = QString::fromLatin1(kDisplayedBox[index]);
    const int r = rowOf(grid, central->findChild<QLineEdit*>(boxName));
    QPushButton* send = makeButton(central, indexed("CommandToList", index), tr("一覧へ"));
    send->setToolTip(tr("この式を主画面の一覧に加えます"));
    grid->addWidget(send, r, 3);
    connect(send, &QPushButton::clicked, this, [this, boxName] {
      if (isOpen()) sendToList(app(), widget(), box(boxName)->text(), variableCount());
    });
  }
}

void ConvertForm::load() {
  box(QStringLiteral("Text1"))->setText(expression_);
  showFunctionInTitle(widget(), caption(), withDontCares(expression_, dontCares_));
  // The flag says the boxes of this showing hold prime implicants; the boxes
  // start empty, so it starts cleared.
  primesShown_.clear();
  proof_->cancel();
}

void ConvertForm::unloading() {
  proof_->cancel();
}

void ConvertForm::showCoverNote(const Cover& cover, bool searching) {
  QLabel* note = control<QLabel>(QStringLiteral("LabelCoverBound"));
  QPushButton* prove = button(QStringLiteral("CommandProve"));
  const int terms = termCount(cover.sum);
  if (cover.status == CoverStatus::Proven) {
    note->setText(tr("最小であることを確かめました（%1 項）。").arg(terms));
    prove->hide();
  } else {
    note->setText(
        searching
            ? tr("証明中：最良 %1 項、最小は %2 項以上です。").arg(terms).arg(cover.lowerBound)
            : tr("この形は %1 項、最小は %2 項以上です。").arg(terms).arg(cover.lowerBound));
    prove->setText(searching ? tr("証明を中止") : tr("証明を続ける"));
    prove->show();
  }
  note->show();
}

void ConvertForm::continueProof() {
  if (!isOpen() || proofPrimes_.empty()) return;
  if (proof_->running()) {
    // Stopped: what it found so far stays, and it may be started again.
    proof_->cancel();
    QLabel* note = control<QLabel>(QStringLiteral("LabelCoverBound"));
    note->setText(note->text() + QLatin1Char(' ') + tr("（中止しました）"));
    button(QStringLiteral("CommandProve"))->setText(tr("証明を続ける"));
    return;
  }
  button(QStringLiteral("CommandProve"))->setText(tr("証明を中止"));
  proof_->start(proofPrimes_, toStd(onesTerms_), proofVariables_, !dontCares_.empty());
}

QLineEdit* ConvertForm::box(const QString& name) const {
  return control<QLineEdit>(name);
}
QPushButton* ConvertForm::button(const QString& name) const {
  return control<QPushButton>(name);
}

int ConvertForm::variableCount() const {
  return variables_;
}

Function ConvertForm::function() const {
  return {expression_.toStdString(), variables_, dontCares_};
}

void ConvertForm::setTable(const QString& onesTerms, int variables,
                           const std::vector<int>& dontCares) {
  onesTerms_ = onesTerms;
  variables_ = variables;
  dontCares_ = dontCares;
}

void ConvertForm::showFor(const Function& f, const QString& onesTerms) {
  expression_ = QString::fromStdString(f.expression);
  setTable(onesTerms, f.variables, f.dontCares);
  if (isOpen()) unload();
  show();
}

void ConvertForm::listPrimes() {
  if (!isOpen()) return;
  button(QStringLiteral("Command4"))->setEnabled(false);
  const BusyCursor busy;
  primesShown_ = fromStd(wordchange(layout(primesOfFunction())));
  box(QStringLiteral("Text7"))->setText(primesShown_);
  button(QStringLiteral("CommandChart"))->setEnabled(true);
  button(QStringLiteral("CommandTabulation"))->setEnabled(true);
}

void ConvertForm::simplify() {
  if (!isOpen()) return;
  button(QStringLiteral("Command1"))->setEnabled(false);
  if (!askYesNo(widget(), tr(kConfirm))) {
    // Nothing was done: the user may still ask for it later.
    if (isOpen()) button(QStringLiteral("Command1"))->setEnabled(true);
    return;
  }
  if (!isOpen()) return;

  const int n = variableCount();
  std::string primes;
  const QString edited = box(QStringLiteral("Text7"))->text();
  if (!edited.trimmed().isEmpty()) {
    primes = InsideExp(withoutBlanks(edited));
    std::erase_if(primes, [](char c) { return c == '*'; });
    if (!isTermSum(primes, n)) {
      showMessage(widget(), tr(kUnreadablePrimes));
      return;
    }
  }
  Cover cover;
  {
    const BusyCursor busy;
    if (primes.empty()) primes = primesOfFunction();
    // With X rows the letters decide between covers of as many terms.
    cover = dontCares_.empty() ? minimalCover(primes, toStd(onesTerms_), n, coverBudget_)
                               : fewestTermsThenLetters(primes, toStd(onesTerms_), n, coverBudget_);
  }
  if (cover.status == CoverStatus::NoCover) {
    showMessage(widget(), tr(kNoCover));
    return;
  }
  box(QStringLiteral("Text2"))->setText(fromStd(wordchange(layout(cover.sum))));
  if (cover.status == CoverStatus::BestFound) {
    proofPrimes_ = primes;
    proofVariables_ = n;
    showCoverNote(cover, false);
    showMessage(widget(), withBound(tr(kBestFound), cover.lowerBound));
  }
}

std::string ConvertForm::gateSetSource() const {
  if (!primesShown_.isEmpty()) {
    QString text = box(QStringLiteral("Text2"))->text();
    if (text.isEmpty()) text = box(QStringLiteral("Text7"))->text();
    return InsideExp(withoutBlanks(text));
  }
  return layout(primesOfFunction());
}

std::string ConvertForm::primesOfFunction() const {
  if (dontCares_.empty()) return simplicity(patternsOf(onesTerms_));
  return primesWithDontCares(toStd(onesTerms_), dontCares_, variableCount());
}

void ConvertForm::convertWithNot(int index) {
  if (!isOpen() || index < 0 || index > 1) return;
  button(QStringLiteral("Command2(%1)").arg(index))->setEnabled(false);
  Rewritten r;
  {
    const BusyCursor busy;
    const std::optional<std::string> rpn = gateSetRpn(gateSetSource());
    r = rpn ? rewriteWithNot(*rpn, index == 0) : Rewritten{"", RewriteStatus::Malformed};
  }
  QLineEdit* out = box(index == 0 ? QStringLiteral("Text3") : QStringLiteral("Text4"));
  out->setText(fromStd(r.text));
  if (r.status == RewriteStatus::Malformed)
    showMessage(widget(), tr(kMalformed));
  else if (r.status == RewriteStatus::TooLong)
    showMessage(widget(), tooLongMessage());
}

void ConvertForm::convertOnly(int index) {
  if (!isOpen() || index < 0 || index > 1) return;
  button(QStringLiteral("Command5(%1)").arg(index))->setEnabled(false);
  QPushButton* companion = button(QStringLiteral("Command2(%1)").arg(index));
  QLineEdit* companionBox = box(index == 0 ? QStringLiteral("Text3") : QStringLiteral("Text4"));
  QString withNot;
  if (companion->isEnabled()) {
    // Computed silently: the companion's box stays empty and its button usable.
    convertWithNot(index);
    if (!isOpen()) return;
    companion->setEnabled(true);
    withNot = companionBox->text();
    companionBox->clear();
  } else {
    withNot = companionBox->text();
  }
  Rewritten r;
  {
    const BusyCursor busy;
    r = rewriteOnly(toStd(withNot), index == 0);
  }
  box(index == 0 ? QStringLiteral("Text5") : QStringLiteral("Text6"))->setText(fromStd(r.text));
  if (r.status == RewriteStatus::Malformed)
    showMessage(widget(), tr(kMalformed));
  else if (r.status == RewriteStatus::TooLong)
    showMessage(widget(), tooLongMessage());
}

void ConvertForm::productOfSums() {
  if (!isOpen()) return;
  const int n = variableCount();
  // From seven variables the search can take as long as "簡単化"'s: ask the same.
  if (n >= kLongCoverVariables && !askYesNo(widget(), tr(kConfirm))) return;
  if (!isOpen()) return;
  button(QStringLiteral("Command6"))->setEnabled(false);
  Cover product;
  {
    const BusyCursor busy;
    const std::string free = rowTerms(dontCares_, n);
    product = minimalProductOfSums(otherRows(toStd(onesTerms_), free, n), free, n);
  }
  box(QStringLiteral("Text8"))->setText(fromStd(wordchange(product.sum)));
  if (product.status == CoverStatus::BestFound)
    showMessage(widget(),
                tr("制限時間内に見つかった最良の結果です。これより和の少ない形がないことは"
                   "確かめられていません。"));
}

void ConvertForm::hazardFree(bool productOfSums) {
  if (!isOpen()) return;
  const int n = variableCount(), i = productOfSums ? 1 : 0;
  if (n >= kLongCoverVariables && !askYesNo(widget(), tr(kConfirm))) return;
  if (!isOpen()) return;
  std::string values(std::size_t{1} << n, '0');
  for (int r : termRows(toStd(onesTerms_), n)) values[size_t(r)] = '1';
  for (int r : dontCares_) values[size_t(r)] = 'X';
  HazardFree free;
  {
    const BusyCursor busy;
    // The consensus terms are named against the plain minimum of the same kind.
    const std::string rows = rowTerms(dontCares_, n);
    const Cover plain =
        productOfSums
            ? minimalProductOfSums(otherRows(toStd(onesTerms_), rows, n), rows, n, coverBudget_)
            : minimalCoverWithDontCares(toStd(onesTerms_), rows, n, coverBudget_);
    const std::vector<std::string> cubes = plain.status == CoverStatus::NoCover
                                               ? std::vector<std::string>()
                                           : productOfSums ? productCubes(plain.sum)
                                                           : sumCubes(plain.sum);
    free = hazardFreeForm(values, n, productOfSums ? '0' : '1', cubes, coverBudget_);
  }
  box(indexed("TextHazardFree", i))->setText(fromStd(free.form));
  QStringList added;
  for (const std::string& t : free.added) added << fromStd(t);
  QLabel* note = control<QLabel>(indexed("LabelConsensus", i));
  note->setText(added.isEmpty()
                    ? tr("最小の形にハザードはありません（追加した合意項はありません）。")
                    : tr("追加した合意項: %1").arg(added.join(QStringLiteral(", "))));
  note->show();
  if (free.status == CoverStatus::BestFound)
    showMessage(widget(), productOfSums
                              ? tr("制限時間内に見つかった最良の結果です。これより和の少ない形が"
                                   "ないことは確かめられていません。")
                              : tr(kBestFound));
}

void ConvertForm::showPrimeChart() {
  if (!isOpen()) return;
  app().primeChart->showFor(function(), onesTerms_);
}

void ConvertForm::showTabulation() {
  if (!isOpen()) return;
  app().tabulation->showFor(function(), onesTerms_);
}

void ConvertForm::showDerivation() {
  if (!isOpen()) return;
  // Many variables can make row expansions of thousands of terms: ask as "簡単化" does.
  if (variableCount() >= kLongCoverVariables && !askYesNo(widget(), tr(kConfirm))) return;
  if (!isOpen()) return;
  app().derivation->showFor(function());
}

void ConvertForm::showReadable(int index) {
  if (!isOpen() || index < 0 || index > 7) return;
  app().Form16->showFor(box(QString::fromLatin1(kDisplayedBox[index]))->text());
}

}  // namespace ronri
