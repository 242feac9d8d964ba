// The circuit layout engine: the walk over the reverse Polish text and its drawing.
#include "circuit/layout_engine.h"

#include <algorithm>
#include <cmath>

#include "circuit/gates.h"
#include "circuit/router.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"

namespace ronri {

namespace {

int tw(double v) {
  return static_cast<int>(std::lround(v));
}

void line(Surface& s, double x1, double y1, double x2, double y2) {
  s.line(tw(x1), tw(y1), tw(x2), tw(y2), kBlack);
}

bool isLetter(char c) {
  return c >= 'a' && c <= 'z';
}

constexpr double kLabelPoint = 9;
constexpr double kCaptionX = 4800, kCaptionY = 720;  // the caption's top left
// How much further right each merged input turns than the one before: far
// enough apart that the vertical runs read as separate wires.
constexpr double kStagger = 150;
constexpr double kNear = Router::kNear;

}  // namespace

char CircuitEngine::at(int pos) const {
  if (pos < 1 || pos > static_cast<int>(rpn.size())) return 0;
  return rpn[static_cast<size_t>(pos - 1)];
}

void CircuitEngine::ensureSlot(int slot) {
  const size_t need = static_cast<size_t>(slot) + 1;
  if (w_.nodeX.size() < need) {
    w_.nodeX.resize(need, 0);
    w_.nodeY.resize(need, 0);
    w_.operands.resize(need);
  }
}

void CircuitEngine::start() {
  startsNew = 0;
  tokensDrawn = 0;
  w_ = {.stagger = kStagger, .router = Router(panX, panY)};
  // The window's caption stands over the drawing: nothing may run into it.
  if (captionBottom > 0) w_.router.addText({kCaptionX, kCaptionY, captionRight, captionBottom});
  buildMidExprs();
}

CircuitEngine::Step CircuitEngine::step(Surface& s) {
  if (startsNew == 1) start();
  const int len = static_cast<int>(rpn.size());
  if (tokensDrawn > len) return Step::Idle;  // counts no further, so it cannot wrap
  ++tokensDrawn;
  if (tokensDrawn > len) {
    finish(s);
    return Step::Finished;
  }
  const char t = at(tokensDrawn);
  if (isLetter(t))
    variableToken(t);
  else if (t == '~')
    notToken(s);
  else if (isBinaryOperator(t))
    operatorToken(s, t);
  // Anything else (a "(" left by text such as ")a+b(", which passes the
  // counting check) is no gate: evaluation skips it too.
  return Step::Drew;
}

void CircuitEngine::create(Surface& s) {
  const size_t steps = rpn.size() + 1;
  for (size_t i = 0; i < steps; ++i) step(s);
}

void CircuitEngine::variableToken(char t) {
  ensureSlot(w_.top);
  w_.nodeY[w_.top] = w_.lastY + rowGap();
  w_.nodeX[w_.top] = busColumn(t, panX);
  w_.operands[w_.top] = Operand{};
  w_.operands[w_.top].letter = t;
  if (w_.firstPlaced == 1) {
    // Two variables in a row start a new sub-circuit back in the first column.
    if (++w_.varRun == 2) {
      w_.varRun = 0;
      w_.level = 0;
    }
  } else {
    w_.firstPlaced = 1;
    w_.nodeY[w_.top] = firstRowY();
  }
  w_.lastY = w_.nodeY[w_.top];
  ++w_.top;
}

void CircuitEngine::notToken(Surface& s) {
  if (w_.top < 1) return;
  // A complemented gate is a different gate: it never grows further.
  if (mode24()) w_.chainCount = 0;
  w_.varRun = 0;
  --w_.top;
  Operand& o = w_.operands[w_.top];
  if (!o.gate) {
    // ~ on a plain letter (from "~(a)"): the operand is simply the other bus
    // of that variable; its wires are drawn when a gate takes it.
    char other = 0;
    if (isVariable(o.letter)) other = negatedLetter(variableOf(o.letter));
    if (isNegatedLetter(o.letter)) other = plainLetter(variableOf(o.letter));
    if (other) {
      o.letter = other;
      w_.nodeX[w_.top] = busColumn(other, panX);
    }
    ++w_.top;
    dropTestDigits(1);
    return;
  }
  const char op = complementGate(o.op) ? complementGate(o.op) : '~';
  if (netlist) netlist->setOp(o.id, op);
  drawGate(s, op, w_.top, true);
}

void CircuitEngine::operatorToken(Surface& s, char t) {
  if (w_.top < 2) return;  // nothing to join (a constant, or a malformed text)
  w_.varRun = 0;
  w_.level = w_.level == 0 ? 1 : w_.level + 0.6;

  // A first-column AND or OR may take up to two more variables that follow
  // with the same operator. NAND and NOR are not associative, so
  // (a NAND b) NAND c is never drawn as one 3-input NAND.
  int extra = 0;
  if ((t == '*' || t == '+') && isLetter(at(tokensDrawn + 1)) && at(tokensDrawn + 2) == t &&
      busColumn(at(tokensDrawn + 1), 0) != 0) {
    extra = 1;
    if (isLetter(at(tokensDrawn + 3)) && at(tokensDrawn + 4) == t &&
        busColumn(at(tokensDrawn + 3), 0) != 0)
      extra = 2;
  }

  w_.topY = w_.nodeY[w_.top - 1];
  w_.secondY = w_.nodeY[w_.top - 2];
  const double G = (w_.secondY + w_.topY) / 2;
  w_.nodeY[w_.top - 2] = G;

  if (w_.level == 1 && !w_.operands[w_.top - 1].gate && !w_.operands[w_.top - 2].gate)
    firstColumnGate(s, t, G, mode24() ? extra : 0);
  else
    laterGate(s, t, G);
}

void CircuitEngine::firstColumnGate(Surface& s, char t, double G, int extra) {
  const double Xg = columnPitch * 125 + panX;
  const double xTop = w_.nodeX[w_.top - 1], xSecond = w_.nodeX[w_.top - 2];
  const double tapTop = tapX(w_.top - 1), tapSecond = tapX(w_.top - 2);
  if (netlist) {
    netlist->pin(netOf(w_.top - 1), G + kPinFirst);
    netlist->pin(netOf(w_.top - 2), G + kPinSecond);
    if (extra >= 1) netlist->pin(at(tokensDrawn + 1), G + (extra == 1 ? kPinThree : kPinFourLow));
    if (extra == 2) netlist->pin(at(tokensDrawn + 3), G + kPinFourHigh);
  }
  wire(s, tapTop, G + kPinFirst, Xg, G + kPinFirst, netOf(w_.top - 1));
  wire(s, tapSecond, G + kPinSecond, Xg, G + kPinSecond, netOf(w_.top - 2));
  junction(s, tapTop, G + kPinFirst, netOf(w_.top - 1));
  junction(s, tapSecond, G + kPinSecond, netOf(w_.top - 2));
  drawDrop(s, xTop, G + kPinFirst);
  drawDrop(s, xSecond, G + kPinSecond);

  std::vector<double> extraPins;
  const double x3 = busColumn(at(tokensDrawn + 1), panX);
  const double x4 = busColumn(at(tokensDrawn + 3), panX);
  InputColumn c3, c4;
  inputColumn(at(tokensDrawn + 1), c3);
  inputColumn(at(tokensDrawn + 3), c4);
  const double tap3 = c3.dropX + panX, tap4 = c4.dropX + panX;
  if (extra == 1) {
    wire(s, tap3, G + kPinThree, Xg, G + kPinThree, at(tokensDrawn + 1));
    junction(s, tap3, G + kPinThree, at(tokensDrawn + 1));
    drawDrop(s, x3, G + kPinThree);
    extraPins = {kPinThree};
    tokensDrawn += 2;
  } else if (extra == 2) {
    wire(s, tap3, G + kPinFourLow, Xg, G + kPinFourLow, at(tokensDrawn + 1));
    wire(s, tap4, G + kPinFourHigh, Xg, G + kPinFourHigh, at(tokensDrawn + 3));
    junction(s, tap3, G + kPinFourLow, at(tokensDrawn + 1));
    junction(s, tap4, G + kPinFourHigh, at(tokensDrawn + 3));
    drawDrop(s, x3, G + kPinFourLow);
    drawDrop(s, x4, G + kPinFourHigh);
    extraPins = {kPinFourLow, kPinFourHigh};
    tokensDrawn += 4;
  }
  // In test mode the gate shows the value of the last operator it took.
  dropTestDigits(static_cast<size_t>(extra));

  pushGate(s, t, w_.level * columnPitch * 125 + panX, std::move(extraPins));
  // The chain stays: a later gate of its operator may still grow the chain
  // gate, but only when that gate itself is the operand below (laterGate).
  if (extra == 2) w_.chainCount = 0;
}

int CircuitEngine::pushGate(Surface& s, char t, double x, std::vector<double> extraPins) {
  w_.nodeX[w_.top - 2] = x;
  w_.top -= 2;
  const int id = w_.nextGateId++;
  w_.operands[w_.top] = Operand{.gate = true, .op = t, .id = id, .extraPins = std::move(extraPins)};
  if (netlist) netlist->addGate(id, t, x, w_.nodeY[w_.top]);
  drawGate(s, t, w_.top, false);
  return id;
}

void CircuitEngine::route(Surface& s, int slot, double fromY, double gateX, double pinY,
                          double shift, int target) {
  const double x = w_.nodeX[slot];
  const int net = netOf(slot);
  const bool gate = w_.operands[slot].gate;
  const double fromX = gate ? x + kGateWidth : tapX(slot);
  if (gate) fromY += kOutputY;
  const double half = gate ? (gateX + x) / 2 : (gateX + fromX) / 2;
  const std::vector<Router::Point> path = w_.router.path(
      fromX, fromY, gateX, pinY, half + shift, net, gate ? w_.operands[slot].id : -1, target);
  if (!gate) junction(s, fromX, fromY, net);
  // Drawn as the three-segment route always was: from the source, from the
  // pin, then the joining run(s).
  wire(s, path[0].x, path[0].y, path[1].x, path[1].y, net);
  const size_t last = path.size() - 1;
  wire(s, path[last].x, path[last].y, path[last - 1].x, path[last - 1].y, net);
  for (size_t i = 1; i + 1 < last; ++i)
    wire(s, path[i].x, path[i].y, path[i + 1].x, path[i + 1].y, net);
  if (!gate) drawDrop(s, x, fromY);
}

int CircuitEngine::netOf(int slot) const {
  const Operand& o = w_.operands[slot];
  return o.gate ? 1000 + o.id : o.letter;
}

double CircuitEngine::tapX(int slot) const {
  // On the drop line itself, so the junction mark sits where the wire meets it.
  InputColumn c;
  if (!inputColumn(w_.operands[slot].letter, c)) return w_.nodeX[slot] - 100;
  return c.dropX + panX;
}

void CircuitEngine::wire(Surface& s, double x1, double y1, double x2, double y2, int net) {
  line(s, x1, y1, x2, y2);
  w_.router.addWire(x1, y1, x2, y2, net);
  if (netlist) netlist->addWire(x1, y1, x2, y2, net);
}

void CircuitEngine::junction(Surface& s, double x, double y, int net) {
  s.circle(tw(x), tw(y), tw(kJunctionRadius), kBlack);
  w_.router.addJunction(x, y, net);
}

// Whether gate t grows the chain gate below it (2-4-input gates only),
// keeping count of the chain.
bool CircuitEngine::growsChain(char t) {
  bool merge = false;
  if (mode24()) {
    const Operand& second = w_.operands[w_.top - 2];
    const bool chainGateBelow = second.gate && second.id == w_.chainGate && second.op == w_.chainOp;
    if (w_.chainCount == 0) {
      w_.chainOp = t;
      w_.chainCount = 1;
    } else if (t != w_.chainOp || w_.chainCount > 2 || (t != '*' && t != '+') || !chainGateBelow) {
      // XOR and XNOR never grow, nor do NAND and NOR (not associative), and
      // only the chain gate itself can take another input.
      w_.chainCount = 1;
      w_.chainOp = t;
    } else {
      ++w_.chainCount;
      merge = true;
    }
  }
  return merge;
}

void CircuitEngine::laterGate(Surface& s, char t, double G) {
  const bool merge = growsChain(t);
  // Stand right of both operands.
  const double pitch = columnPitch * 125;
  for (int slot : {w_.top - 2, w_.top - 1}) {
    if (!w_.operands[slot].gate) continue;
    const double c = (w_.nodeX[slot] - panX) / pitch;
    if (c + 0.01 >= w_.level) w_.level = c + 0.6;
  }

  if (merge) {
    growChain(s);
    return;
  }
  // A gate never touches another: further right until its place is free.
  for (int tries = 0; tries < 64; ++tries) {
    const double X = tw(w_.level * pitch + panX), Y = tw(G);
    // The picture and, when shown, its label above it.
    Area body{X, Y, X + kGateWidth, Y + kGateHeight};
    if (labelComing()) {
      const Area label = comingLabelArea(X, Y);
      body = {X, label.t, std::max(label.r, X + kGateWidth), Y + kGateHeight};
    }
    if (w_.router.roomFor(body)) break;
    w_.level += 0.6;
  }
  const double Xg = w_.level * pitch + panX;
  if (netlist) {
    netlist->pin(netOf(w_.top - 1), G + kPinSecond);
    netlist->pin(netOf(w_.top - 2), G + kPinFirst);
  }
  route(s, w_.top - 1, w_.topY, Xg, G + kPinSecond, 0, -1);
  route(s, w_.top - 2, w_.secondY, Xg, G + kPinFirst, 0, -1);
  const int id = pushGate(s, t, Xg);
  if (mode24()) w_.chainGate = id;
}

// The top operand becomes the third or fourth input of the chain gate,
// which keeps its place; each merged wire turns a little further right.
void CircuitEngine::growChain(Surface& s) {
  const double Xc = w_.nodeX[w_.top - 2];
  const double pin = w_.chainCount == 2 ? kPinGrownThird : kPinGrownFourth;
  if (netlist) netlist->addInput(w_.operands[w_.top - 2].id, netOf(w_.top - 1), w_.secondY + pin);
  route(s, w_.top - 1, w_.topY, Xc, w_.secondY + pin, w_.stagger, w_.operands[w_.top - 2].id);
  w_.stagger += kStagger;
  w_.nodeY[w_.top - 2] = w_.secondY;
  w_.top -= 1;
  w_.operands[w_.top - 1].extraPins.push_back(pin);
  const double reach = inputReach(w_.operands[w_.top - 1].op, pin);
  line(s, Xc, w_.secondY + pin, Xc + reach, w_.secondY + pin);
  if (testMode == 1 && !testValues.empty()) {
    // The grown gate now has the value of this operator.
    paintGate(s, w_.top - 1);
    writeTestDigit(s, w_.top - 1);
  }
}

void CircuitEngine::paintGate(Surface& s, int slot) const {
  const Operand& g = w_.operands[slot];
  const double X = w_.nodeX[slot], Y = w_.nodeY[slot];
  s.picture(gatePicture(g.op), tw(X), tw(Y));
  // The pictures carry the stubs of two inputs; added inputs get their own.
  for (double pin : g.extraPins) line(s, X, Y + pin, X + inputReach(g.op, pin), Y + pin);
}

void CircuitEngine::drawGate(Surface& s, char op, int slot, bool isNot) {
  w_.operands[slot].op = op;
  if (!isNot) {
    const double X = tw(w_.nodeX[slot]), Y = tw(w_.nodeY[slot]);
    w_.router.addGate({X, Y, X + kGateWidth, Y + kGateHeight}, w_.operands[slot].id);
  }
  paintGate(s, slot);
  ++w_.top;
  if (!isNot && labelComing()) {
    placeLabel(s, slot);
    ++w_.midCount;
  }
  writeTestDigit(s, slot);
}

namespace {

// A gate's expression in lines no wider than a little more than the gate, so
// that it stands over its own gate and leaves the wires beside it free.
// Lines break after an operator or a closing parenthesis where they can.
std::vector<std::string> labelLines(const std::string& text, double point) {
  constexpr double kWidth = 1200;
  // Very long ones show their beginning and their end: a label the height of
  // the screen would read no better and push everything apart.
  constexpr size_t kMostLines = 4;
  auto width = [point](char c) { return textBox(std::string_view(&c, 1), point).width; };
  std::vector<std::string> lines;
  std::string line;
  double lineWidth = 0, widthAtBreak = 0;
  size_t lastBreak = std::string::npos;
  size_t i = 0;
  for (; i < text.size() && lines.size() < kMostLines; ++i) {
    const char c = text[i];
    line += c;
    lineWidth += width(c);
    if (lineWidth > kWidth && line.size() > 1) {
      const size_t cut = lastBreak != std::string::npos ? lastBreak : line.size() - 1;
      const double cutWidth = lastBreak != std::string::npos ? widthAtBreak : lineWidth - width(c);
      lines.push_back(line.substr(0, cut));
      line.erase(0, cut);
      lineWidth -= cutWidth;
      lastBreak = std::string::npos;
    }
    if (std::string_view("*+$|@%)").find(c) != std::string_view::npos) {
      lastBreak = line.size();
      widthAtBreak = lineWidth;
    }
  }
  if (lines.size() < kMostLines) {
    if (!line.empty()) lines.push_back(line);
    return lines;
  }
  // Too long: three lines of the beginning, then "…" and as much of the end as fits.
  lines.resize(kMostLines - 1);
  const std::string ellipsis = "\u2026";
  double w = textBox(ellipsis, point).width;
  size_t from = text.size();
  while (from > 0 && w + width(text[from - 1]) <= kWidth) w += width(text[--from]);
  lines.push_back(ellipsis + text.substr(from));
  return lines;
}

Area labelArea(const std::vector<std::string>& lines, double point, double X, double Y) {
  double w = 0, h = 0;
  for (const std::string& l : lines) {
    const TextBox b = textBox(l, point);
    w = std::max(w, b.width);
    h += b.height;
  }
  return {X, Y - h, X + w, Y};
}

}  // namespace

bool CircuitEngine::labelComing() const {
  return twoInputGates && showMidExprs && w_.midCount + 1 < midExpr_.size() &&
         !midExpr_[w_.midCount + 1].empty() && tokensDrawn != static_cast<int>(rpn.size());
}

Area CircuitEngine::comingLabelArea(double X, double Y) const {
  return labelArea(labelLines(midExpr_[w_.midCount], 7), 7, X, Y);
}

void CircuitEngine::placeLabel(Surface& s, int slot) {
  // Just above the picture (so repainting it for a NOT leaves the label
  // whole), in a smaller size where the full one would run into something.
  const std::string& text = midExpr_[w_.midCount];
  const double X = tw(w_.nodeX[slot]), Y = tw(w_.nodeY[slot]);
  double point = kLabelPoint;
  std::vector<std::string> lines;
  Area at;
  for (double p : {kLabelPoint, 8.0, 7.0}) {
    point = p;
    lines = labelLines(text, p);
    at = labelArea(lines, p, X, Y);
    if (w_.router.textFits(at)) break;
  }
  double y = at.t;
  for (const std::string& l : lines) {
    s.text(tw(X), tw(y), l, kBlack, point, TextFace::Expression);
    y += textBox(l, point).height;
  }
  w_.router.addText(at);
}

void CircuitEngine::writeTestDigit(Surface& s, int slot) {
  if (testMode != 1 || testValues.empty()) return;
  s.text(tw(w_.nodeX[slot] + 500), tw(w_.nodeY[slot]), testValues.substr(0, 1), kLightRed,
         kLabelPoint, TextFace::Expression);
  testValues.erase(0, 1);
}

void CircuitEngine::dropTestDigits(size_t count) {
  if (testMode == 1) testValues.erase(0, std::min(count, testValues.size()));
}

void CircuitEngine::finish(Surface& s) {
  if (w_.top >= 1) {
    const int S = w_.top - 1;
    double outX = w_.nodeX[S] + kGateWidth;
    const double outY = w_.nodeY[S] + kOutputY;
    if (!w_.operands[S].gate) {
      // A single variable: its bus feeds the output wire directly, which
      // starts right of every bus so it cannot run along one.
      outX = std::max(outX, busColumn('a', panX) + kGateWidth);
      const double tap = tapX(S);
      junction(s, tap, outY, netOf(S));
      line(s, tap, outY, outX, outY);
      if (netlist) netlist->addWire(tap, outY, outX, outY, netOf(S));
      drawDrop(s, w_.nodeX[S], outY);
    }
    // Up to the caption: the wire ends just under it, below a caption that
    // reaches that far, and rises straight from a circuit wider than its end.
    constexpr double kEndX = 7300, kEndY = 955, kRunY = 1320;
    const double endX = std::max(kEndX, outX);
    double endY = kEndY;
    if (captionBottom > 0 && captionRight > endX - kNear) endY = captionBottom + kNear;
    const double runY = std::max(kRunY, endY + 2 * kNear);
    if (endX == outX) {
      line(s, outX, outY, outX, endY);
    } else {
      line(s, outX, outY, outX, runY);
      line(s, outX, runY, endX, runY);
      line(s, endX, runY, endX, endY);
    }
    if (netlist) {
      const int net = netOf(S);
      netlist->output = net;
      netlist->outX = endX;
      netlist->outY = endY;
      if (endX == outX) {
        netlist->addWire(outX, outY, outX, endY, net);
      } else {
        netlist->addWire(outX, outY, outX, runY, net);
        netlist->addWire(outX, runY, endX, runY, net);
        netlist->addWire(endX, runY, endX, endY, net);
      }
    }
  }
  testMode = 0;
  testValues.clear();
}

void CircuitEngine::drawDrop(Surface& s, double x, double y) {
  // Columns are found by their unpanned x; while panned the drop stands where
  // the shifted column is, so the drawing stays connected, and it stops at
  // the first bus's height rather than running up among the controls.
  for (int i = 0; i < kColumnCount; ++i) {
    InputColumn c;
    inputColumn(kColumnLetters[i], c);
    if (x - panX == c.baseX) {
      const double top = std::max(c.busY + panY, kDropTop);
      line(s, c.dropX + panX, y, c.dropX + panX, top);
      if (netlist) netlist->addWire(c.dropX + panX, y, c.dropX + panX, top, kColumnLetters[i]);
      w_.router.reachDrop(i, y);
      return;
    }
  }
}

double CircuitEngine::rowGap() const {
  // Stacked first-column gates stand two rows apart, and a variable row
  // below a gate passes 2 x gap - 455 under its lower input's junction mark:
  // 355 keeps that clear of the mark (radius 60) and the pictures apart; a
  // label needs 200 above a picture.
  double g = variableGap;
  if (variableGap < 400) g = 355 + (std::max(variableGap, 200.0) - 200) * 0.2;
  if (twoInputGates && showMidExprs) g = std::max(g, 400.0);
  return g;
}

namespace {

// A label shows only the beginning and the end of a long expression, so a
// long one keeps just those: the texts of nested gates would otherwise take
// memory and time growing as the square of the depth.
constexpr size_t kKept = 256;

struct Clipped {
  std::string head, tail;  // the whole text in head while it is short
  size_t size = 0;
  bool whole() const { return size <= 2 * kKept; }
  const std::string& end() const { return whole() ? head : tail; }
  std::string text() const { return whole() ? head : head + "\u2026" + tail; }
};

Clipped clipped(std::string s) {
  Clipped c;
  c.size = s.size();
  if (c.whole()) {
    c.head = std::move(s);
  } else {
    c.head = s.substr(0, kKept);
    c.tail = s.substr(s.size() - kKept);
  }
  return c;
}

Clipped operator+(const Clipped& a, const Clipped& b) {
  Clipped c;
  c.size = a.size + b.size;
  if (c.whole()) {
    c.head = a.head + b.head;
    return c;
  }
  c.head = (a.whole() ? a.head + b.head.substr(0, kKept) : a.head).substr(0, kKept);
  const std::string t = b.whole() ? a.end() + b.head : b.tail;
  c.tail = t.substr(t.size() - kKept);
  return c;
}

}  // namespace

void CircuitEngine::buildMidExprs() {
  midExpr_.clear();
  w_.midCount = 0;
  if (!(twoInputGates && showMidExprs)) return;
  struct Pending {
    Clipped text;   // with ~a for the letter n and so on
    long mid = -1;  // the intermediate expression this operand is, if a gate
  };
  std::vector<Pending> stack;
  for (size_t i = 0; i < rpn.size(); ++i) {
    const char ch = rpn[i];
    if (isLetter(ch)) {
      stack.push_back({clipped(wordchange(std::string(1, ch))), -1});
    } else if (ch == '~') {
      if (stack.empty()) continue;
      Pending& p = stack.back();
      p.text = clipped("~") + p.text;
      if (p.mid >= 0) midExpr_[static_cast<size_t>(p.mid)] = p.text.text();
    } else if (isBinaryOperator(ch)) {
      if (stack.size() < 2) continue;
      Pending R = std::move(stack.back());
      stack.pop_back();
      Pending L = std::move(stack.back());
      stack.pop_back();
      Clipped e = clipped("(") + L.text + clipped(std::string(1, ch)) + R.text + clipped(")");
      if (i + 1 < rpn.size() && rpn[i + 1] == '~') {
        e = clipped("~") + e;
        ++i;
      }
      midExpr_.push_back(e.text());
      stack.push_back({e, static_cast<long>(midExpr_.size()) - 1});
    }
  }
  w_.midCount = 0;
}

std::string testDigits(const std::string& rpn, const std::string& bits, int n) {
  const std::string s = AtoA(rpn, bits, n);
  std::string D, out;
  for (char c : s) {
    if (c == '0' || c == '1') {
      D += c;
    } else if (c == '~') {
      if (D.empty()) continue;
      D.back() = D.back() == '0' ? '1' : '0';
      out += D.back();
    } else if (isBinaryOperator(c)) {
      if (D.size() < 2) continue;
      const std::string v = change(D.substr(D.size() - 2) + c);
      D.erase(D.size() - 2);
      D += v.empty() ? std::string("0") : v.substr(0, 1);
      out += D.back();
    }
  }
  return out;
}

}  // namespace ronri
