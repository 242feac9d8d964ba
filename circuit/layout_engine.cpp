#include "circuit/layout_engine.h"

#include <algorithm>
#include <cmath>

#include "circuit/gates.h"
#include "core/expression.h"
#include "core/rpn.h"

namespace ronri {

namespace {

int tw(double v) {
  return static_cast<int>(std::lround(v));
}

void line(Surface& s, double x1, double y1, double x2, double y2) {
  s.line(tw(x1), tw(y1), tw(x2), tw(y2), kBlack);
}

void junction(Surface& s, double x, double y) {
  s.circle(tw(x), tw(y), tw(kJunctionRadius), kBlack);
}

bool isLetter(char c) {
  return c >= 'a' && c <= 'z';
}

constexpr double kLabelPoint = 9;

}  // namespace

char CircuitEngine::at(int pos) const {
  if (pos < 1 || pos > static_cast<int>(siki.size())) return 0;
  return siki[static_cast<size_t>(pos - 1)];
}

void CircuitEngine::ensureSlot(int slot) {
  const size_t need = static_cast<size_t>(slot) + 1;
  if (nodeX_.size() < need) {
    nodeX_.resize(need, 0);
    nodeY_.resize(need, 0);
    operands_.resize(need);
  }
}

void CircuitEngine::start() {
  syoki = 0;
  top_ = 0;
  forcount = 0;
  nodeX_.assign(siki.size() + 1, 0);
  nodeY_.assign(siki.size() + 1, 0);
  operands_.assign(siki.size() + 1, Operand{});
  lastY_ = 0;
  level_ = 0;
  firstPlaced_ = 0;
  varRun_ = 0;
  topY_ = secondY_ = 0;
  chainOp_ = 0;
  chainCount_ = 0;
  chainGate_ = -1;
  stagger_ = 70;
  nextGateId_ = 0;
  wires_.clear();
  bodies_.clear();
  buildMidExprs();
}

CircuitEngine::Step CircuitEngine::step(Surface& s) {
  if (syoki == 1) start();
  const int len = static_cast<int>(siki.size());
  if (forcount > len) return Step::Idle;  // counts no further, so it cannot wrap
  ++forcount;
  if (forcount > len) {
    finish(s);
    return Step::Finished;
  }
  const char t = at(forcount);
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
  const size_t steps = siki.size() + 1;
  for (size_t i = 0; i < steps; ++i) step(s);
}

void CircuitEngine::variableToken(char t) {
  ensureSlot(top_);
  nodeY_[top_] = lastY_ + xP;
  nodeX_[top_] = busColumn(t, LR);
  operands_[top_] = Operand{};
  operands_[top_].letter = t;
  if (firstPlaced_ == 1) {
    // Two variables in a row start a new sub-circuit back in the first column.
    if (++varRun_ == 2) {
      varRun_ = 0;
      level_ = 0;
    }
  } else {
    firstPlaced_ = 1;
    nodeY_[top_] = firstRowY();
  }
  lastY_ = nodeY_[top_];
  ++top_;
}

void CircuitEngine::notToken(Surface& s) {
  if (top_ < 1) return;
  // A complemented gate is a different gate: it never grows further.
  if (mode24()) chainCount_ = 0;
  varRun_ = 0;
  --top_;
  Operand& o = operands_[top_];
  if (!o.gate) {
    // ~ on a plain letter (from "~(a)"): the operand is simply the other bus
    // of that variable; its wires are drawn when a gate takes it.
    char other = 0;
    if (isVariable(o.letter)) other = static_cast<char>(o.letter + 13);
    if (isNegatedLetter(o.letter)) other = static_cast<char>(o.letter - 13);
    if (other) {
      o.letter = other;
      nodeX_[top_] = busColumn(other, LR);
    }
    ++top_;
    dropTestDigits(1);
    return;
  }
  const char op = complementGate(o.op) ? complementGate(o.op) : '~';
  drawGate(s, op, top_, true);
}

void CircuitEngine::operatorToken(Surface& s, char t) {
  if (top_ < 2) return;  // nothing to join (a constant, or a malformed text)
  varRun_ = 0;
  level_ = level_ == 0 ? 1 : level_ + 0.6;

  // A first-column AND or OR may take up to two more variables that follow
  // with the same operator. NAND and NOR are not associative, so
  // (a NAND b) NAND c is never drawn as one 3-input NAND.
  int extra = 0;
  if ((t == '*' || t == '+') && isLetter(at(forcount + 1)) && at(forcount + 2) == t &&
      busColumn(at(forcount + 1), 0) != 0) {
    extra = 1;
    if (isLetter(at(forcount + 3)) && at(forcount + 4) == t && busColumn(at(forcount + 3), 0) != 0)
      extra = 2;
  }

  topY_ = nodeY_[top_ - 1];
  secondY_ = nodeY_[top_ - 2];
  const double G = (secondY_ + topY_) / 2;
  nodeY_[top_ - 2] = G;

  if (level_ == 1 && !operands_[top_ - 1].gate && !operands_[top_ - 2].gate)
    firstColumnGate(s, t, G, mode24() ? extra : 0);
  else
    laterGate(s, t, G);
}

void CircuitEngine::firstColumnGate(Surface& s, char t, double G, int extra) {
  const double Xg = yP * 125 + LR;
  const double xTop = nodeX_[top_ - 1], xSecond = nodeX_[top_ - 2];
  wire(s, xTop - 100, G + kPinFirst, Xg, G + kPinFirst, netOf(top_ - 1));
  wire(s, xSecond - 100, G + kPinSecond, Xg, G + kPinSecond, netOf(top_ - 2));
  junction(s, xTop - 100, G + kPinFirst);
  junction(s, xSecond - 100, G + kPinSecond);
  drawDrop(s, xTop, G + kPinFirst);
  drawDrop(s, xSecond, G + kPinSecond);

  std::vector<double> extraPins;
  const double x3 = busColumn(at(forcount + 1), LR);
  const double x4 = busColumn(at(forcount + 3), LR);
  if (extra == 1) {
    wire(s, x3 - 100, G + kPinThree, Xg, G + kPinThree, at(forcount + 1));
    junction(s, x3 - 100, G + kPinThree);
    drawDrop(s, x3, G + kPinThree);
    extraPins = {kPinThree};
    forcount += 2;
  } else if (extra == 2) {
    wire(s, x3 - 100, G + kPinFourLow, Xg, G + kPinFourLow, at(forcount + 1));
    wire(s, x4 - 100, G + kPinFourHigh, Xg, G + kPinFourHigh, at(forcount + 3));
    junction(s, x3 - 100, G + kPinFourLow);
    junction(s, x4 - 100, G + kPinFourHigh);
    drawDrop(s, x3, G + kPinFourLow);
    drawDrop(s, x4, G + kPinFourHigh);
    extraPins = {kPinFourLow, kPinFourHigh};
    forcount += 4;
  }
  // In test mode the gate shows the value of the last operator it took.
  dropTestDigits(static_cast<size_t>(extra));

  nodeX_[top_ - 2] = level_ * yP * 125 + LR;
  top_ -= 2;
  Operand& g = operands_[top_];
  g = Operand{};
  g.gate = true;
  g.op = t;
  g.id = nextGateId_++;
  g.extraPins = std::move(extraPins);
  // The chain stays: a later gate of its operator may still grow the chain
  // gate, but only when that gate itself is the operand below (laterGate).
  if (extra == 2) chainCount_ = 0;
  drawGate(s, t, top_, false);
}

void CircuitEngine::route(Surface& s, int slot, double fromY, double gateX, double pinY,
                          double shift) {
  const double x = nodeX_[slot];
  const int net = netOf(slot);
  if (!operands_[slot].gate) {
    const double tap = x - 100;
    const double m = turnX(tap, fromY, gateX, pinY, (gateX + tap) / 2 + shift, net);
    junction(s, tap, fromY);
    wire(s, tap, fromY, m, fromY, net);
    wire(s, gateX, pinY, m, pinY, net);
    wire(s, m, fromY, m, pinY, net);
    drawDrop(s, x, fromY);
  } else {
    const double out = x + kGateWidth, outY = fromY + kOutputY;
    const double m = turnX(out, outY, gateX, pinY, (gateX + x) / 2 + shift, net);
    wire(s, out, outY, m, outY, net);
    wire(s, gateX, pinY, m, pinY, net);
    wire(s, m, outY, m, pinY, net);
  }
}

int CircuitEngine::netOf(int slot) const {
  const Operand& o = operands_[slot];
  return o.gate ? 1000 + o.id : o.letter;
}

void CircuitEngine::wire(Surface& s, double x1, double y1, double x2, double y2, int net) {
  line(s, x1, y1, x2, y2);
  wires_.push_back({std::min<double>(tw(x1), tw(x2)), std::min<double>(tw(y1), tw(y2)),
                    std::max<double>(tw(x1), tw(x2)), std::max<double>(tw(y1), tw(y2)), net});
}

namespace {

// Within one pixel: closer than that, two lines look like one.
constexpr double kNear = 15;

bool overlaps(double a1, double a2, double b1, double b2) {
  return a1 <= b2 + kNear && b1 <= a2 + kNear;
}

}  // namespace

// A wire is clear when it crosses no gate and meets the wires of other
// signals only at right angles, away from their ends.
bool CircuitEngine::clear(const Wire& w) const {
  for (const auto& [X, Y] : bodies_)
    if (w.x2 > X + 90 && w.x1 < X + 760 && w.y2 > Y + 60 && w.y1 < Y + 540) return false;
  const bool wv = w.x1 == w.x2;
  for (const Wire& o : wires_) {
    if (o.net == w.net) continue;
    const bool ov = o.x1 == o.x2;
    if (wv == ov) {
      const bool inLine = wv ? std::abs(w.x1 - o.x1) <= kNear : std::abs(w.y1 - o.y1) <= kNear;
      if (inLine && (wv ? overlaps(w.y1, w.y2, o.y1, o.y2) : overlaps(w.x1, w.x2, o.x1, o.x2)))
        return false;
    } else {
      const Wire& v = wv ? w : o;
      const Wire& h = wv ? o : w;
      // They meet if the vertical's x lies within the horizontal and the
      // horizontal's y within the vertical; fine only when neither ends there.
      if (v.x1 < h.x1 - kNear || v.x1 > h.x2 + kNear || h.y1 < v.y1 - kNear || h.y1 > v.y2 + kNear)
        continue;
      const bool endOfV = std::abs(h.y1 - v.y1) <= kNear || std::abs(h.y1 - v.y2) <= kNear;
      const bool endOfH = std::abs(v.x1 - h.x1) <= kNear || std::abs(v.x1 - h.x2) <= kNear;
      if (endOfV || endOfH) return false;
    }
  }
  return true;
}

// Where a three-segment wire from (fromX, fromY) to the pin (gateX, pinY)
// turns: halfway (m) unless that would cross a gate or run into another
// signal's wire; then the nearest clear x between the two ends.
double CircuitEngine::turnX(double fromX, double fromY, double gateX, double pinY, double m,
                            int net) const {
  auto fits = [&](double x) {
    const double t = tw(x);
    const Wire a{std::min<double>(tw(fromX), t), double(tw(fromY)), std::max<double>(tw(fromX), t),
                 double(tw(fromY)), net};
    const Wire b{std::min<double>(t, tw(gateX)), double(tw(pinY)), std::max<double>(t, tw(gateX)),
                 double(tw(pinY)), net};
    const Wire v{t, double(std::min(tw(fromY), tw(pinY))), t, double(std::max(tw(fromY), tw(pinY))),
                 net};
    return clear(a) && clear(b) && clear(v);
  };
  if (fits(m)) return m;
  for (double d = kNear; d < gateX - fromX; d += kNear) {
    for (double x : {m + d, m - d})
      if (x > fromX + 2 * kNear && x < gateX - 2 * kNear && fits(x)) return x;
    if (m + d >= gateX && m - d <= fromX) break;
  }
  return m;  // nothing clear: keep the plain route
}

void CircuitEngine::laterGate(Surface& s, char t, double G) {
  bool merge = false;
  if (mode24()) {
    const Operand& second = operands_[top_ - 2];
    const bool chainGateBelow = second.gate && second.id == chainGate_ && second.op == chainOp_;
    if (chainCount_ == 0) {
      chainOp_ = t;
      chainCount_ = 1;
    } else if (t != chainOp_ || chainCount_ > 2 || (t != '*' && t != '+') || !chainGateBelow) {
      // XOR and XNOR never grow, nor do NAND and NOR (not associative), and
      // only the chain gate itself can take another input.
      chainCount_ = 1;
      chainOp_ = t;
    } else {
      ++chainCount_;
      merge = true;
    }
  }

  // Stand right of both operands.
  const double pitch = yP * 125;
  for (int slot : {top_ - 2, top_ - 1}) {
    if (!operands_[slot].gate) continue;
    const double c = (nodeX_[slot] - LR) / pitch;
    if (c + 0.01 >= level_) level_ = c + 0.6;
  }

  if (!merge) {
    const double Xg = level_ * pitch + LR;
    route(s, top_ - 1, topY_, Xg, G + kPinSecond, 0);
    route(s, top_ - 2, secondY_, Xg, G + kPinFirst, 0);
    nodeX_[top_ - 2] = Xg;
    top_ -= 2;
    Operand& g = operands_[top_];
    g = Operand{};
    g.gate = true;
    g.op = t;
    g.id = nextGateId_++;
    if (mode24()) chainGate_ = g.id;
    drawGate(s, t, top_, false);
    return;
  }

  // The top operand becomes the third or fourth input of the chain gate,
  // which keeps its place; each merged wire turns a little further right.
  const double Xc = nodeX_[top_ - 2];
  const double pin = chainCount_ == 2 ? kPinGrownThird : kPinGrownFourth;
  route(s, top_ - 1, topY_, Xc, secondY_ + pin, stagger_);
  stagger_ += 70;
  nodeY_[top_ - 2] = secondY_;
  top_ -= 1;
  operands_[top_ - 1].extraPins.push_back(pin);
  const double reach = inputReach(operands_[top_ - 1].op, pin);
  line(s, Xc, secondY_ + pin, Xc + reach, secondY_ + pin);
  if (testOn == 1 && !testAns.empty()) {
    // The grown gate now has the value of this operator.
    paintGate(s, top_ - 1);
    writeTestDigit(s, top_ - 1);
  }
}

void CircuitEngine::paintGate(Surface& s, int slot) const {
  const Operand& g = operands_[slot];
  const double X = nodeX_[slot], Y = nodeY_[slot];
  s.picture(gatePicture(g.op), tw(X), tw(Y));
  // The pictures carry the stubs of two inputs; added inputs get their own.
  for (double pin : g.extraPins) line(s, X, Y + pin, X + inputReach(g.op, pin), Y + pin);
}

void CircuitEngine::drawGate(Surface& s, char op, int slot, bool isNot) {
  operands_[slot].op = op;
  if (!isNot) bodies_.emplace_back(nodeX_[slot], nodeY_[slot]);
  paintGate(s, slot);
  ++top_;
  if (!isNot && InputState1 && showMidExprs && midCount_ + 1 < midExpr_.size() &&
      !midExpr_[midCount_ + 1].empty() && forcount != static_cast<int>(siki.size())) {
    s.text(tw(nodeX_[slot]), tw(nodeY_[slot] - 150), midExpr_[midCount_], kBlack, kLabelPoint);
    ++midCount_;
  }
  writeTestDigit(s, slot);
}

void CircuitEngine::writeTestDigit(Surface& s, int slot) {
  if (testOn != 1 || testAns.empty()) return;
  s.text(tw(nodeX_[slot] + 500), tw(nodeY_[slot]), testAns.substr(0, 1), kLightRed, kLabelPoint);
  testAns.erase(0, 1);
}

void CircuitEngine::dropTestDigits(size_t count) {
  if (testOn == 1) testAns.erase(0, std::min(count, testAns.size()));
}

void CircuitEngine::finish(Surface& s) {
  if (top_ >= 1) {
    const int S = top_ - 1;
    double outX = nodeX_[S] + kGateWidth;
    const double outY = nodeY_[S] + kOutputY;
    if (!operands_[S].gate) {
      // A single variable: its bus feeds the output wire directly, which
      // starts right of every bus so it cannot run along one.
      outX = std::max(outX, busColumn('a', LR) + kGateWidth);
      const double tap = nodeX_[S] - 100;
      junction(s, tap, outY);
      line(s, tap, outY, outX, outY);
      drawDrop(s, nodeX_[S], outY);
    }
    line(s, outX, outY, outX, 1320);
    line(s, outX, 1320, 7300, 1320);
    line(s, 7300, 1320, 7300, 955);
  }
  testOn = 0;
  testAns.clear();
}

void CircuitEngine::drawDrop(Surface& s, double x, double y) {
  // Columns are found by their unpanned x; while panned the drop stands where
  // the shifted column is, so the drawing stays connected.
  static const char kLetters[] = "anbocpdqerfsgthuivjw";
  for (const char* p = kLetters; *p; ++p) {
    InputColumn c;
    inputColumn(*p, c);
    if (x - LR == c.baseX) {
      wire(s, c.dropX + LR, y, c.dropX + LR, c.busY + OU, *p);
      return;
    }
  }
}

void CircuitEngine::buildMidExprs() {
  midExpr_.clear();
  midCount_ = 0;
  if (!(InputState1 && showMidExprs)) return;
  struct Pending {
    std::string text;
    long mid = -1;  // the intermediate expression this operand is, if a gate
  };
  std::vector<Pending> stack;
  for (size_t i = 0; i < siki.size(); ++i) {
    const char ch = siki[i];
    if (isLetter(ch)) {
      stack.push_back({std::string(1, ch), -1});
    } else if (ch == '~') {
      if (stack.empty()) continue;
      Pending& p = stack.back();
      p.text = "~" + p.text;
      if (p.mid >= 0)
        midExpr_[static_cast<size_t>(p.mid)] = "~" + midExpr_[static_cast<size_t>(p.mid)];
    } else if (isBinaryOperator(ch)) {
      if (stack.size() < 2) continue;
      Pending R = std::move(stack.back());
      stack.pop_back();
      Pending L = std::move(stack.back());
      stack.pop_back();
      std::string e = "(" + L.text + ch + R.text + ")";
      if (i + 1 < siki.size() && siki[i + 1] == '~') {
        e = "~" + e;
        ++i;
      }
      e = wordchange(e);
      midExpr_.push_back(e);
      stack.push_back({e, static_cast<long>(midExpr_.size()) - 1});
    }
  }
  midCount_ = 0;
}

std::string testDigits(const std::string& siki, const std::string& bits, int n) {
  const std::string s = AtoA(siki, bits, n);
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
