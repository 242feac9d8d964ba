#include "circuit/diagram_reader.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>
#include <set>

#include "circuit/gates.h"
#include "circuit/layout_engine.h"

namespace ronri::test {

namespace {

// The variables' buses as the window draws them: from x = 360 to the drop x
// at the bus y; plain bus then negated bus, a to j.
struct Bus {
  char letter;
  int dropX, busY;
};
const Bus kBuses[] = {
    {'a', 2760, 600},  {'n', 2640, 720},  {'b', 2520, 960},  {'o', 2400, 1080}, {'c', 2280, 1320},
    {'p', 2160, 1440}, {'d', 2040, 1680}, {'q', 1920, 1800}, {'e', 1800, 2040}, {'r', 1680, 2160},
    {'f', 1560, 2400}, {'s', 1440, 2520}, {'g', 1320, 2760}, {'t', 1200, 2880}, {'h', 1080, 3120},
    {'u', 960, 3240},  {'i', 840, 3480},  {'v', 720, 3600},  {'j', 600, 3840},  {'w', 480, 3960},
};

// Drops reach no higher than the first bus; while the drawing is moved up,
// a bus above that is joined where its drops stop.
constexpr int kDropTop = 600;

struct Seg {
  int x1, y1, x2, y2;
  long order;  // call index; -1 for the buses
  char bus = 0;
  bool horizontal() const { return y1 == y2; }
  bool vertical() const { return x1 == x2; }
};

struct Box {
  char op;
  int x, y;
  long firstPaint, lastPaint;
};

bool onSegment(const Seg& s, int px, int py) {
  if (s.horizontal()) return py == s.y1 && px >= std::min(s.x1, s.x2) && px <= std::max(s.x1, s.x2);
  if (s.vertical()) return px == s.x1 && py >= std::min(s.y1, s.y2) && py <= std::max(s.y1, s.y2);
  return false;
}

// Whether the segment has a point strictly inside the open rectangle.
bool entersOpenRect(const Seg& s, int l, int t, int r, int b) {
  const int sx1 = std::min(s.x1, s.x2), sx2 = std::max(s.x1, s.x2);
  const int sy1 = std::min(s.y1, s.y2), sy2 = std::max(s.y1, s.y2);
  return sx2 > l && sx1 < r && sy2 > t && sy1 < b;
}

char pictureOp(const std::string& name) {
  static const std::map<std::string, char> kOps = {
      {"gate/and", '*'}, {"gate/or", '+'},   {"gate/nand", '$'}, {"gate/nor", '|'},
      {"gate/xor", '@'}, {"gate/xnor", '%'}, {"gate/not", '~'}};
  auto it = kOps.find(name);
  return it == kOps.end() ? 0 : it->second;
}

std::string where(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

struct UnionFind {
  std::vector<int> p;
  explicit UnionFind(size_t n) : p(n) { std::iota(p.begin(), p.end(), 0); }
  int find(int x) { return p[size_t(x)] == x ? x : p[size_t(x)] = find(p[size_t(x)]); }
  void join(int a, int b) { p[size_t(find(a))] = find(b); }
};

}  // namespace

namespace {

struct Rect {
  int l, t, r, b;  // open: the edges themselves are outside
  bool meets(const Rect& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
  bool holds(const Rect& o) const { return l <= o.l && o.r <= r && t <= o.t && o.b <= b; }
};

struct Label {
  Rect box;
  std::string what;
  long order;
};

// The geometric faults of a drawing: checked only from what was drawn and
// the window's texts, not from how the engine placed it.
void checkGeometry(ReadDiagram& d, const std::vector<DrawCall>& calls, const std::vector<Seg>& segs,
                   const std::vector<Box>& boxes, int n, int panX, int panY,
                   const std::vector<TextArea>& shown, const ReadOptions& options) {
  auto& out = d.geometry;
  auto body = [](const Box& b) { return Rect{b.x, b.y, b.x + 900, b.y + 600}; };
  // A line along an edge of a gate or text stays outside it.
  auto segRect = [](const Seg& s) {
    return Rect{std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2),
                std::max(s.y1, s.y2)};
  };
  // Gates neither overlap nor touch.
  for (size_t i = 0; i < boxes.size(); ++i)
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      Rect a = body(boxes[i]);
      a = {a.l - 1, a.t - 1, a.r + 1, a.b + 1};
      if (a.meets(body(boxes[j])))
        out.push_back("gates touch at " + where(boxes[i].x, boxes[i].y) + " and " +
                      where(boxes[j].x, boxes[j].y));
    }
  // A wire enters a gate only at its own pins: ending on the left edge at a
  // pin height, leaving from the output, or as the stub drawn for an added
  // input after the picture.
  for (const Seg& s : segs) {
    if (s.order < 0) continue;
    for (const Box& b : boxes) {
      if (!segRect(s).meets(body(b))) continue;
      const int l = std::min(s.x1, s.x2), r = std::max(s.x1, s.x2);
      if (s.horizontal() && s.y1 > b.y && s.y1 < b.y + 600) {
        if (r == b.x) continue;                             // ends at an input
        if (l == b.x + 900 && s.y1 == b.y + 300) continue;  // leaves the output
        if (l == b.x && r <= b.x + 300) continue;           // an added input's stub
      }
      if (s.vertical() && (s.x1 == b.x || s.x1 == b.x + 900)) {
        // Along an edge: fine only where the picture is blank (not its pins).
        const int t = std::min(s.y1, s.y2), bt = std::max(s.y1, s.y2);
        const bool output = s.x1 == b.x + 900 && (t == b.y + 300 || bt == b.y + 300);
        if (output && (t >= b.y + 300 || bt <= b.y + 300)) continue;
      }
      out.push_back("wire " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) + " over the gate at " +
                    where(b.x, b.y));
    }
  }
  // The texts: what the engine wrote, less what a later picture painted over.
  std::vector<Label> texts;
  for (size_t i = 0; i < calls.size(); ++i) {
    const DrawCall& c = calls[i];
    if (c.kind != DrawCall::Text) continue;
    const TextBox t = textBox(c.str, c.pointSize);
    const Rect box{c.x1, c.y1, c.x1 + int(t.width), c.y1 + int(t.height)};
    bool gone = false;
    for (const Box& b : boxes) {
      if (b.lastPaint < long(i) || !box.meets(body(b))) continue;
      // Painted over later: gone when all of it, cut off when a part.
      bool repainted = false;
      for (size_t k = i + 1; k < calls.size() && !repainted; ++k)
        repainted = calls[k].kind == DrawCall::Picture && calls[k].x1 == b.x && calls[k].y1 == b.y;
      if (!repainted) continue;
      if (body(b).holds(box))
        gone = true;
      else
        out.push_back("text \"" + c.str + "\" cut off by the gate at " + where(b.x, b.y));
    }
    if (!gone) texts.push_back({box, "text \"" + c.str + "\" at " + where(c.x1, c.y1), long(i)});
  }
  for (const TextArea& a : shown)
    texts.push_back({{a.x, a.y, a.x + a.width, a.y + a.height}, a.what, -1});
  if (panX == 0 && panY == 0 && !options.busNamesDrawn)
    for (int k = 0; k < 2 * n && k < 20; ++k) {
      // Each bus name stands left of the bus's start, level with its line.
      const Bus& b = kBuses[k];
      texts.push_back(
          {{120, b.busY - 60, 345, b.busY + 60}, std::string("name of bus ") + b.letter, -1});
    }
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = i + 1; j < texts.size(); ++j)
      if (texts[i].box.meets(texts[j].box))
        out.push_back(texts[i].what + " overlaps " + texts[j].what);
    for (const Seg& s : segs)
      if (segRect(s).meets(texts[i].box))
        out.push_back("wire " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) + " through " +
                      texts[i].what);
    // A text over a gate other than its own value inside the picture.
    for (const Box& b : boxes)
      if (texts[i].box.meets(body(b)) && !body(b).holds(texts[i].box))
        out.push_back(texts[i].what + " over the gate at " + where(b.x, b.y));
  }
  // Every junction mark sits where its wire meets its drop line.
  for (const DrawCall& c : calls) {
    if (c.kind != DrawCall::Circle) continue;
    bool onWire = false, onDrop = false;
    for (const Seg& s : segs) {
      if (s.order < 0) continue;
      if (s.horizontal() && onSegment(s, c.x1, c.y1)) onWire = true;
      if (options.fanOutMarks && s.vertical() && onSegment(s, c.x1, c.y1)) onDrop = true;
      if (s.vertical() && onSegment(s, c.x1, c.y1))
        for (const Bus& b : kBuses)
          if (s.x1 == b.dropX + panX && std::min(s.y1, s.y2) == std::max(b.busY + panY, kDropTop))
            onDrop = true;
    }
    if (!onWire || !onDrop)
      out.push_back("junction at " + where(c.x1, c.y1) + (onWire ? "" : " off its wire") +
                    (onDrop ? "" : " off its drop line"));
  }
}

// Boxes: no wire through one (ending on its edge is its pin), no gate or
// other box over one, every text wholly in or out.
void checkBlocks(ReadDiagram& d, const std::vector<DrawCall>& calls, const std::vector<Seg>& segs,
                 const std::vector<Box>& boxes, const std::vector<Rect>& blocks) {
  auto& out = d.geometry;
  for (size_t i = 0; i < blocks.size(); ++i) {
    const Rect& b = blocks[i];
    const std::string at = "the box at " + where(b.l, b.t);
    for (const Seg& s : segs)
      if (s.order >= 0 && entersOpenRect(s, b.l, b.t, b.r, b.b))
        out.push_back("wire " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) + " through " + at);
    for (const Box& g : boxes)
      if (b.meets({g.x - 1, g.y - 1, g.x + 901, g.y + 601}))
        out.push_back("gate at " + where(g.x, g.y) + " on " + at);
    for (size_t j = i + 1; j < blocks.size(); ++j)
      if (Rect{b.l - 1, b.t - 1, b.r + 1, b.b + 1}.meets(blocks[j]))
        out.push_back(at + " touches the box at " + where(blocks[j].l, blocks[j].t));
    for (const DrawCall& c : calls) {
      if (c.kind != DrawCall::Text) continue;
      const TextBox t = textBox(c.str, c.pointSize);
      const Rect box{c.x1, c.y1, c.x1 + int(t.width), c.y1 + int(t.height)};
      if (b.meets(box) && !Rect{b.l + 1, b.t + 1, b.r - 1, b.b - 1}.holds(box))
        out.push_back("text \"" + c.str + "\" across " + at);
    }
  }
}

}  // namespace

ReadDiagram readDiagram(const std::vector<DrawCall>& calls, int n, int panX, int panY,
                        const std::vector<TextArea>& shown, const ReadOptions& options) {
  ReadDiagram d;
  std::vector<Seg> segs;
  std::vector<Box> boxes;
  std::vector<DrawCall> circles;
  std::vector<Rect> blocks;
  for (const DrawCall& c : calls)
    if (c.kind == DrawCall::Rectangle)
      blocks.push_back(
          {std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2), std::max(c.y1, c.y2)});
  // A slanted line within a box is part of its symbol.
  auto symbol = [&](const DrawCall& c) {
    return std::any_of(blocks.begin(), blocks.end(), [&](const Rect& b) {
      return std::min(c.x1, c.x2) >= b.l && std::max(c.x1, c.x2) <= b.r &&
             std::min(c.y1, c.y2) >= b.t && std::max(c.y1, c.y2) <= b.b;
    });
  };
  for (int k = 0; k < 2 * n && k < 20; ++k) {
    const Bus& b = kBuses[k];
    if (options.busNamesDrawn)  // its own bus lines are drawn: only where they reach the drops
      segs.push_back({b.dropX + panX, b.busY + panY, b.dropX + panX, b.busY + panY, -1, b.letter});
    else if (b.busY + panY >= kDropTop)
      segs.push_back({360 + panX, b.busY + panY, b.dropX + panX, b.busY + panY, -1, b.letter});
    else  // moved up among the controls, where its drops stop short of it
      segs.push_back({b.dropX + panX, kDropTop, b.dropX + panX, kDropTop, -1, b.letter});
  }
  for (size_t i = 0; i < calls.size(); ++i) {
    const DrawCall& c = calls[i];
    if (c.kind == DrawCall::Line) {
      Seg s{c.x1, c.y1, c.x2, c.y2, long(i)};
      if (!s.horizontal() && !s.vertical()) {
        if (!symbol(c)) d.problems.push_back("slanted line " + describe(c));
        continue;
      }
      if (s.x1 == s.x2 && s.y1 == s.y2) continue;  // a dot joins nothing
      segs.push_back(s);
    } else if (c.kind == DrawCall::Circle) {
      circles.push_back(c);
    } else if (c.kind == DrawCall::Picture) {
      const char op = pictureOp(c.str);
      if (!op) {
        d.problems.push_back("unknown picture " + c.str);
        continue;
      }
      auto it = std::find_if(boxes.begin(), boxes.end(),
                             [&](const Box& b) { return b.x == c.x1 && b.y == c.y1; });
      if (it == boxes.end())
        boxes.push_back({op, c.x1, c.y1, long(i), long(i)});
      else
        *it = {op, c.x1, c.y1, it->firstPaint, long(i)};
    }
  }

  // Stubs drawn into a picture for its added inputs belong to the gate.
  auto stubOf = [&](const Seg& s) -> const Box* {
    if (!s.horizontal()) return nullptr;
    for (const Box& b : boxes) {
      const int l = std::min(s.x1, s.x2), r = std::max(s.x1, s.x2);
      if (l == b.x && r <= b.x + 300 && s.y1 > b.y && s.y1 < b.y + 600) return &b;
    }
    return nullptr;
  };

  // Gates must not overlap, and nothing may be hidden under or run through one.
  for (size_t i = 0; i < boxes.size(); ++i)
    for (size_t j = i + 1; j < boxes.size(); ++j)
      if (std::abs(boxes[i].x - boxes[j].x) < 900 && std::abs(boxes[i].y - boxes[j].y) < 600)
        d.problems.push_back("gates overlap at " + where(boxes[i].x, boxes[i].y) + " and " +
                             where(boxes[j].x, boxes[j].y));
  for (const Seg& s : segs) {
    if (s.order < 0) continue;
    const Box* own = stubOf(s);
    for (const Box& b : boxes) {
      if (own == &b) continue;  // checked with the gate's inputs
      if (s.order < b.lastPaint && entersOpenRect(s, b.x, b.y, b.x + 900, b.y + 600))
        d.problems.push_back("wire " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) +
                             " hidden under the gate at " + where(b.x, b.y));
      if (entersOpenRect(s, b.x + 200, b.y + 60, b.x + 690, b.y + 540))
        d.problems.push_back("wire " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) +
                             " runs through the gate at " + where(b.x, b.y));
    }
  }

  checkGeometry(d, calls, segs, boxes, n, panX, panY, shown, options);
  checkBlocks(d, calls, segs, boxes, blocks);

  // Wires that touch are one net; a junction mark joins what ends inside it.
  UnionFind uf(segs.size());
  for (size_t i = 0; i < segs.size(); ++i)
    for (size_t j = 0; j < segs.size(); ++j) {
      if (i == j) continue;
      const Seg& a = segs[i];
      if (onSegment(segs[j], a.x1, a.y1) || onSegment(segs[j], a.x2, a.y2)) uf.join(int(i), int(j));
    }
  std::vector<std::pair<int, const DrawCall*>> crossing;
  struct Crossing {
    int seg, other;
    const DrawCall* c;
  };
  std::vector<Crossing> crossingNet;
  for (const DrawCall& c : circles) {
    const long r2 = long(c.x2) * c.x2;
    auto inside = [&](int x, int y) {
      return long(x - c.x1) * (x - c.x1) + long(y - c.y1) * (y - c.y1) <= r2;
    };
    std::vector<int> joined;
    for (size_t i = 0; i < segs.size(); ++i) {
      const Seg& s = segs[i];
      if (inside(s.x1, s.y1) || inside(s.x2, s.y2) || onSegment(s, c.x1, c.y1)) {
        joined.push_back(int(i));
      } else {
        // A line crossing the mark without ending in it looks joined too.
        const int nx = std::clamp(c.x1, std::min(s.x1, s.x2), std::max(s.x1, s.x2));
        const int ny = std::clamp(c.y1, std::min(s.y1, s.y2), std::max(s.y1, s.y2));
        if (inside(nx, ny)) crossing.push_back({int(i), &c});
      }
    }
    if (joined.empty()) {
      d.problems.push_back("junction on nothing at " + where(c.x1, c.y1));
      continue;
    }
    for (size_t k = 1; k < joined.size(); ++k) uf.join(joined[0], joined[k]);
    for (auto& [seg, circle] : crossing)
      if (circle == &c && seg >= 0) crossingNet.push_back({seg, joined[0], &c});
  }
  // A line of another net running through a junction mark looks joined to it.
  for (const auto& [seg, other, c] : crossingNet)
    if (uf.find(seg) != uf.find(other)) {
      const Seg& s = segs[size_t(seg)];
      d.junctionCrossings.push_back("line " + where(s.x1, s.y1) + "-" + where(s.x2, s.y2) +
                                    " crosses the junction at " + where(c->x1, c->y1));
    }

  // Number the nets.
  std::map<int, int> netOf;
  std::vector<int> segNet(segs.size());
  for (size_t i = 0; i < segs.size(); ++i) {
    const int root = uf.find(int(i));
    auto it = netOf.find(root);
    if (it == netOf.end()) it = netOf.emplace(root, int(netOf.size())).first;
    segNet[i] = it->second;
  }
  const size_t nets = netOf.size();
  d.driverKind.assign(nets, 0);
  d.driverGate.assign(nets, -1);
  std::vector<int> drivers(nets, 0), consumers(nets, 0);
  auto netsAt = [&](int x, int y) {
    std::set<int> found;
    for (size_t i = 0; i < segs.size(); ++i)
      if (onSegment(segs[i], x, y) && !stubOf(segs[i])) found.insert(segNet[i]);
    return found;
  };

  for (size_t i = 0; i < segs.size(); ++i)
    if (segs[i].bus) {
      d.driverKind[size_t(segNet[i])] = segs[i].bus;
      ++drivers[size_t(segNet[i])];
    }

  for (const Box& b : boxes) {
    ReadGate g;
    g.op = b.op;
    g.x = b.x;
    g.y = b.y;
    const std::set<int> out = netsAt(b.x + 900, b.y + 300);
    if (out.size() != 1) {
      d.problems.push_back("gate at " + where(b.x, b.y) + " has " + std::to_string(out.size()) +
                           " output wires");
    } else {
      g.output = *out.begin();
      d.driverKind[size_t(g.output)] = '#';
      d.driverGate[size_t(g.output)] = int(d.gates.size());
      ++drivers[size_t(g.output)];
    }
    // Inputs: wires that end on the picture's left edge from outside.
    std::set<int> pinHeights;
    for (size_t i = 0; i < segs.size(); ++i) {
      const Seg& s = segs[i];
      if (!s.horizontal() || s.y1 <= b.y || s.y1 >= b.y + 600 || stubOf(s)) continue;
      const int l = std::min(s.x1, s.x2), r = std::max(s.x1, s.x2);
      if (r != b.x || l >= b.x) continue;
      const int h = s.y1 - b.y;
      if (!pinHeights.insert(h).second) continue;
      g.inputs.push_back(segNet[i]);
      ++consumers[size_t(segNet[i])];
      const bool drawnStub = h == 155 || h == 455 || (b.op == '~' && h == 300);
      if (!drawnStub) {
        const bool allowed = (h == 245 || h == 255 || h == 305 || h == 355 || h == 365) &&
                             (b.op == '*' || b.op == '+' || b.op == '$' || b.op == '|');
        if (!allowed)
          d.problems.push_back("input at height " + std::to_string(h) + " of the gate at " +
                               where(b.x, b.y));
        const bool stub = std::any_of(segs.begin(), segs.end(), [&](const Seg& t) {
          return stubOf(t) && t.y1 == s.y1 && std::min(t.x1, t.x2) == b.x && t.order > b.lastPaint;
        });
        if (!stub)
          d.problems.push_back("added input at height " + std::to_string(h) +
                               " does not reach the gate at " + where(b.x, b.y));
      }
    }
    const size_t want = b.op == '~' ? 1 : 2;
    if (g.inputs.size() < want ||
        (b.op != '~' && (!pinHeights.count(155) || !pinHeights.count(455))))
      d.problems.push_back("gate at " + where(b.x, b.y) + " has an open input");
    if ((b.op == '@' || b.op == '%') && g.inputs.size() != 2)
      d.problems.push_back("exclusive gate with more than two inputs at " + where(b.x, b.y));
    d.gates.push_back(std::move(g));
  }

  for (const auto& [x, y] : options.sourceEnds)
    for (int net : netsAt(x, y)) {
      d.driverKind[size_t(net)] = 'k';
      ++drivers[size_t(net)];
    }
  for (const auto& [x, y] : options.outputEnds) {
    const std::set<int> at = netsAt(x, y);
    d.outputNets.push_back(at.size() == 1 ? *at.begin() : -1);
    if (at.size() == 1) ++consumers[size_t(*at.begin())];
  }
  // The output wire rises highest of all right of the buses, up to the caption.
  int endX = 0, endY = 0;
  bool found = false;
  for (const Seg& s : segs)
    if (s.order >= 0 && std::min(s.x1, s.x2) >= 3000 && s.vertical() &&
        (!found || std::min(s.y1, s.y2) < endY)) {
      found = true;
      endX = s.x1;
      endY = std::min(s.y1, s.y2);
    }
  const std::set<int> out = found ? netsAt(endX, endY) : std::set<int>{};
  if (options.severalOutputs) {
    // Their ends are given.
  } else if (out.size() != 1 || endY > 1320) {
    d.problems.push_back("no single output wire up to the caption");
  } else {
    d.outputNet = *out.begin();
    ++consumers[size_t(d.outputNet)];
  }
  for (size_t k = 0; k < nets; ++k) {
    bool hasBus = false;
    for (size_t i = 0; i < segs.size(); ++i)
      if (segNet[i] == int(k) && segs[i].bus) hasBus = true;
    if (drivers[k] != 1)
      d.problems.push_back("net " + std::to_string(k) + " has " + std::to_string(drivers[k]) +
                           " drivers");
    else if (consumers[k] == 0 && !hasBus)
      d.problems.push_back("net " + std::to_string(k) + " leads nowhere");
  }
  return d;
}

std::vector<char> ReadDiagram::truthTable(int n) const {
  return valuesOf(n, outputNet);
}

std::vector<char> ReadDiagram::valuesOf(int n, int outputNet) const {
  const size_t rows = size_t(1) << n;
  std::vector<char> out(rows, '?');
  if (outputNet < 0 || !problems.empty()) return out;
  for (size_t r = 0; r < rows; ++r) {
    std::vector<int> memo(driverKind.size(), -1);  // -1 unknown, -2 in progress
    std::function<int(int)> value = [&](int net) -> int {
      int& m = memo[size_t(net)];
      if (m == -2) return -1;  // a loop
      if (m >= 0) return m;
      m = -2;
      int v = -1;
      const char k = driverKind[size_t(net)];
      if (k >= 'a' && k <= 'j' && k - 'a' < n) {
        v = int((r >> (n - 1 - (k - 'a'))) & 1);
      } else if (k >= 'n' && k <= 'w' && k - 'n' < n) {
        v = 1 - int((r >> (n - 1 - (k - 'n'))) & 1);
      } else if (k == '#') {
        const ReadGate& g = gates[size_t(driverGate[size_t(net)])];
        std::vector<int> in;
        for (int i : g.inputs) {
          const int x = value(i);
          if (x < 0) return m = -1;
          in.push_back(x);
        }
        const int ones = int(std::count(in.begin(), in.end(), 1));
        const int all = int(in.size());
        switch (g.op) {
          case '*':
            v = ones == all;
            break;
          case '$':
            v = ones != all;
            break;
          case '+':
            v = ones > 0;
            break;
          case '|':
            v = ones == 0;
            break;
          case '@':
            v = ones % 2;
            break;
          case '%':
            v = 1 - ones % 2;
            break;
          case '~':
            v = all == 1 ? 1 - in[0] : -1;
            break;
        }
      }
      return m = v;
    };
    const int v = value(outputNet);
    out[r] = v < 0 ? '?' : char('0' + v);
  }
  return out;
}

std::string drawnTable(const std::string& rpn, int n, bool twoInputs) {
  CircuitEngine engine;
  engine.rpn = rpn;
  engine.lastVariable = n - 1;
  engine.twoInputGates = twoInputs;
  engine.upToFourInputs = !twoInputs;
  RecordingSurface surface;
  engine.create(surface);
  const ReadDiagram read = readDiagram(surface.calls, n);
  if (!read.problems.empty()) return "drawing: " + read.problems.front();
  const std::vector<char> t = read.truthTable(n);
  return std::string(t.begin(), t.end());
}

}  // namespace ronri::test
