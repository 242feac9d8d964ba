// The state diagram laid out by Graphviz's dot, read back in twips.
#include "sequential/diagram_layout.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/draw/text_box.h"
#include "sequential/diagram_labels.h"

extern "C" {
extern gvplugin_library_t gvplugin_dot_layout_LTX_library;
}

namespace ronri::seq {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr int kMargin = 120;
// Graphviz sizes labels a size up from what is drawn, with its own estimate
// of a Courier face (0.6 em, like the face drawn), so each label's room is
// a little more than the text needs.
constexpr double kLayoutPoint = kDiagramPoint + 1;
constexpr int kLinePitch = 290;  // between the lines inside a circle
constexpr int kMinRadius = 400;
constexpr int kTextClearance = 70;  // between a text's corner and its circle

lt_symlist_t kBuiltins[] = {
    {"gvplugin_dot_layout_LTX_library", &gvplugin_dot_layout_LTX_library},
    {nullptr, nullptr},
};

struct ContextFree {
  void operator()(GVC_t* c) const { gvFreeContext(c); }
};
struct GraphClose {
  void operator()(Agraph_t* g) const { agclose(g); }
};

// cgraph takes its names and values as char*, though it copies them.
char* cs(const std::string& s) {
  return const_cast<char*>(s.c_str());
}

std::vector<std::string> stateLines(const Machine& m, int s) {
  std::vector<std::string> lines{m.names[size_t(s)]};
  if (m.kind == MachineKind::Moore && m.outputs > 0) lines.push_back(m.stateOutputs[size_t(s)]);
  return lines;
}

int radiusFor(const std::vector<std::string>& lines) {
  double r = kMinRadius;
  const double top = -(double(lines.size()) - 1) * kLinePitch / 2;
  for (size_t i = 0; i < lines.size(); ++i) {
    const TextBox b = textBox(lines[i], kDiagramPoint);
    const double y = std::abs(top + double(i) * kLinePitch) + b.height / 2;
    r = std::max(r, std::hypot(b.width / 2, y) + kTextClearance);
  }
  return int(std::ceil(r));
}

DiagramPoint bezierAt(const pointf* p, double t, const boxf& bb) {
  const double u = 1 - t;
  const double x =
      u * u * u * p[0].x + 3 * u * u * t * p[1].x + 3 * u * t * t * p[2].x + t * t * t * p[3].x;
  const double y =
      u * u * u * p[0].y + 3 * u * u * t * p[1].y + 3 * u * t * t * p[2].y + t * t * t * p[3].y;
  return {int(std::lround((x - bb.LL.x) * kTwipsPerPoint)) + kMargin,
          int(std::lround((bb.UR.y - y) * kTwipsPerPoint)) + kMargin};
}

DiagramPoint toTwips(pointf p, const boxf& bb) {
  const pointf q[4] = {p, p, p, p};
  return bezierAt(q, 0, bb);
}

// The edge's spline as straight pieces, ending at the arrow's tip.
std::vector<DiagramPoint> edgePath(Agedge_t* e, const boxf& bb) {
  std::vector<DiagramPoint> path;
  const splines* spl = ED_spl(e);
  if (!spl || spl->size < 1) return path;
  const bezier& bz = spl->list[0];
  constexpr int kSteps = 10;
  for (int i = 0; i + 3 < bz.size; i += 3)
    for (int k = i == 0 ? 0 : 1; k <= kSteps; ++k)
      path.push_back(bezierAt(bz.list + i, double(k) / kSteps, bb));
  if (bz.eflag) path.push_back(toTwips(bz.ep, bb));
  return path;
}

// The arrowhead points along the last stretch of the path long enough to
// give a direction.
void addHead(DiagramArrow& a) {
  if (a.path.size() < 2) return;
  const DiagramPoint tip = a.path.back();
  size_t k = a.path.size() - 2;
  while (k > 0 && std::hypot(tip.x - a.path[k].x, tip.y - a.path[k].y) < kArrowLength / 2) --k;
  const double dx = tip.x - a.path[k].x, dy = tip.y - a.path[k].y, len = std::hypot(dx, dy);
  if (len < 1) {
    a.headLeft = a.headRight = tip;
    return;
  }
  const double ux = dx / len, uy = dy / len;
  const double bx = tip.x - ux * kArrowLength, by = tip.y - uy * kArrowLength;
  a.headLeft = {int(std::lround(bx + uy * kArrowHalfWidth)),
                int(std::lround(by - ux * kArrowHalfWidth))};
  a.headRight = {int(std::lround(bx - uy * kArrowHalfWidth)),
                 int(std::lround(by + ux * kArrowHalfWidth))};
}

std::vector<DiagramText> labelTexts(Agedge_t* e, const std::vector<std::string>& lines,
                                    const boxf& bb) {
  std::vector<DiagramText> texts;
  if (lines.empty() || !ED_label(e)) return texts;
  const DiagramPoint c = toTwips(ED_label(e)->pos, bb);
  const double pitch = kLayoutPoint * 1.2 * kTwipsPerPoint;  // dot's line height
  const double top = c.y - pitch * double(lines.size()) / 2;
  for (size_t i = 0; i < lines.size(); ++i)
    texts.push_back({lines[i], c.x, int(std::lround(top + pitch * (double(i) + 0.5)))});
  return texts;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : "\n") + l;
  return s;
}

// States left to right as fixed circles without Graphviz's own texts; the
// labels in a Courier face, which Graphviz measures as the face drawn.
void setDefaults(Agraph_t* g) {
  agattr(g, AGRAPH, cs("rankdir"), cs("LR"));
  agattr(g, AGRAPH, cs("nodesep"), cs("0.4"));
  agattr(g, AGNODE, cs("shape"), cs("circle"));
  agattr(g, AGNODE, cs("fixedsize"), cs("true"));
  agattr(g, AGNODE, cs("width"), cs("0.5"));
  agattr(g, AGNODE, cs("label"), cs(""));
  agattr(g, AGEDGE, cs("label"), cs(""));
  agattr(g, AGEDGE, cs("fontname"), cs("Courier"));
  agattr(g, AGEDGE, cs("fontsize"), cs(std::to_string(int(kLayoutPoint))));
}

}  // namespace

std::vector<std::string> arrowLabel(const Machine& m, int from, int to) {
  std::vector<std::string> items;
  for (int x = 0; x < m.combinations(); ++x) {
    if (m.table[size_t(from)][size_t(x)].next != to) continue;
    std::string item = inputBits(x, m.inputs);
    if (m.kind == MachineKind::Mealy && m.outputs > 0) item += "/" + outputsAt(m, from, x);
    if (!item.empty()) items.push_back(item);
  }
  std::vector<std::string> lines;
  for (size_t i = 0; i < items.size(); i += 2)
    lines.push_back(items[i] + (i + 1 < items.size() ? "," + items[i + 1] : ""));
  return lines;
}

StateDiagram layoutStateDiagram(const Machine& m) {
  StateDiagram d;
  if (machineProblem(m) != MachineProblem::None) {
    d.problem = DiagramProblem::Unsound;
    return d;
  }
  std::unique_ptr<GVC_t, ContextFree> gvc(gvContextPlugins(kBuiltins, 0));
  std::unique_ptr<Agraph_t, GraphClose> g(agopen(cs("diagram"), Agdirected, nullptr));
  if (!gvc || !g) {
    d.problem = DiagramProblem::NoLayout;
    return d;
  }
  setDefaults(g.get());

  std::vector<Agnode_t*> nodes;
  for (int s = 0; s < m.states(); ++s) {
    Agnode_t* n = agnode(g.get(), cs("s" + std::to_string(s)), 1);
    const int r = radiusFor(stateLines(m, s));
    agsafeset(n, cs("width"), cs(std::to_string(2.0 * r / 1440)), cs(""));
    d.states.push_back({0, 0, r, {}});
    nodes.push_back(n);
  }
  Agnode_t* start = agnode(g.get(), cs("start"), 1);
  agsafeset(start, cs("shape"), cs("point"), cs(""));
  agsafeset(start, cs("width"), cs("0.05"), cs(""));

  struct Pending {
    Agedge_t* edge;
    int from, to;
    std::vector<std::string> label;
  };
  std::vector<Pending> pending;
  pending.push_back(
      {agedge(g.get(), start, nodes[size_t(m.reset)], cs("reset"), 1), -1, m.reset, {}});
  for (int s = 0; s < m.states(); ++s)
    for (int t = 0; t < m.states(); ++t) {
      bool any = false;
      for (const Transition& tr : m.table[size_t(s)]) any |= tr.next == t;
      if (!any) continue;
      Pending p{agedge(g.get(), nodes[size_t(s)], nodes[size_t(t)],
                       cs("e" + std::to_string(s) + "_" + std::to_string(t)), 1),
                s, t, arrowLabel(m, s, t)};
      if (!p.label.empty()) agset(p.edge, cs("label"), cs(joined(p.label)));
      pending.push_back(std::move(p));
    }

  if (gvLayout(gvc.get(), g.get(), "dot") != 0) {
    d.problem = DiagramProblem::NoLayout;
    return d;
  }
  const boxf bb = GD_bb(g.get());
  d.width = int(std::ceil((bb.UR.x - bb.LL.x) * kTwipsPerPoint)) + 2 * kMargin;
  d.height = int(std::ceil((bb.UR.y - bb.LL.y) * kTwipsPerPoint)) + 2 * kMargin;
  for (int s = 0; s < m.states(); ++s) {
    const DiagramPoint c = toTwips(ND_coord(nodes[size_t(s)]), bb);
    DiagramState& st = d.states[size_t(s)];
    st.x = c.x;
    st.y = c.y;
    const std::vector<std::string> lines = stateLines(m, s);
    const double top = c.y - (double(lines.size()) - 1) * kLinePitch / 2;
    for (size_t i = 0; i < lines.size(); ++i)
      st.lines.push_back({lines[i], c.x, int(std::lround(top + double(i) * kLinePitch))});
  }
  for (const Pending& p : pending) {
    DiagramArrow a{p.from, p.to, edgePath(p.edge, bb), {}, {}, labelTexts(p.edge, p.label, bb)};
    addHead(a);
    d.arrows.push_back(std::move(a));
  }
  gvFreeLayout(gvc.get(), g.get());
  clearLabels(d);
  return d;
}

}  // namespace ronri::seq
