// The state diagram through the Surface.
#include "sequential/diagram_drawing.h"

#include "core/draw/text_box.h"

namespace ronri::seq {

namespace {

constexpr int kStateColor = 1;  // blue circles, black arrows and texts

void centredText(Surface& s, const DiagramText& t) {
  const TextBox b = textBox(t.text, kDiagramPoint);
  s.text(t.x - int(b.width / 2), t.y - int(b.height / 2), t.text, kBlack, kDiagramPoint,
         TextFace::Expression);
}

}  // namespace

void drawStateDiagram(Surface& s, const StateDiagram& d) {
  if (d.problem != DiagramProblem::None) return;
  for (const DiagramState& st : d.states) {
    s.circle(st.x, st.y, st.radius, kStateColor);
    for (const DiagramText& t : st.lines) centredText(s, t);
  }
  for (const DiagramArrow& a : d.arrows) {
    for (size_t i = 1; i < a.path.size(); ++i)
      s.line(a.path[i - 1].x, a.path[i - 1].y, a.path[i].x, a.path[i].y, kBlack);
    if (!a.path.empty()) {
      const DiagramPoint tip = a.path.back();
      s.line(a.headLeft.x, a.headLeft.y, tip.x, tip.y, kBlack);
      s.line(a.headRight.x, a.headRight.y, tip.x, tip.y, kBlack);
    }
    for (const DiagramText& t : a.label) centredText(s, t);
  }
}

}  // namespace ronri::seq
