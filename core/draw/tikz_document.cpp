#include "core/draw/tikz_document.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace ronri {

namespace {

// The screen's palette and the readable colours of the map outlines (16..21).
constexpr unsigned kColors[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0xD55E00, 0x0072B2,
                                0x8800EE, 0x000000, 0x886644, 0x220088};

int colorIndex(int color) {
  return color >= 0 && color < int(std::size(kColors)) ? color : 15;
}

// A length in points from twips (20 twips a point), y upwards from the bottom.
std::string pt(double twips) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1fpt", twips / 20.0);
  return buf;
}

class TikzWriter {
 public:
  explicit TikzWriter(int height) : height_(height) {}
  std::string point(int x, int y) const { return "(" + pt(x) + "," + pt(height_ - y) + ")"; }
  void op(const DrawOp& o, std::string& out) const {
    const std::string color = "c" + std::to_string(colorIndex(o.color));
    switch (o.kind) {
      case DrawOp::Line:
        out += "\\draw[" + color + "] " + point(o.x1, o.y1) + " -- " + point(o.x2, o.y2) + ";\n";
        break;
      case DrawOp::Rectangle:
        out += "\\draw[" + color + "] " + point(o.x1, o.y1) + " rectangle " + point(o.x2, o.y2) +
               ";\n";
        break;
      case DrawOp::Circle:
        out += "\\draw[" + color + "] " + point(o.x1, o.y1) + " circle (" + pt(o.x2) + ");\n";
        break;
      case DrawOp::Text: {
        char size[64];
        std::snprintf(size, sizeof size, "\\fontsize{%.1f}{%.1f}\\selectfont", o.pointSize,
                      o.pointSize * 1.2);
        out += "\\node[anchor=north west,inner sep=0pt," + color + ",font=" + size + "] at " +
               point(o.x1, o.y1) + " {" + latexEscaped(o.str) + "};\n";
        break;
      }
      case DrawOp::Erase:
        out += "\\fill[white] " + point(o.x1, o.y1) + " rectangle " + point(o.x2, o.y2) + ";\n";
        break;
      case DrawOp::Picture:
        break;  // no picture is drawn on a page
    }
  }

 private:
  int height_;
};

bool hasNonAscii(const std::vector<DisplayList>& pages) {
  for (const DisplayList& page : pages)
    for (const DrawOp& o : page.ops())
      if (std::any_of(o.str.begin(), o.str.end(), [](char c) { return c & 0x80; })) return true;
  return false;
}

}  // namespace

std::string latexEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\textbackslash{}";
        break;
      case '~':
        out += "\\ensuremath{\\sim}";
        break;
      case '^':
        out += "\\^{}";
        break;
      case '{':
      case '}':
      case '$':
      case '&':
      case '#':
      case '_':
      case '%':
        out += '\\';
        out += c;
        break;
      case '<':
      case '>':
      case '|':
        out += "\\ensuremath{";
        out += c == '|' ? std::string("\\vert") : std::string(1, c);
        out += "}";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string tikzDocument(const std::vector<DisplayList>& pages, int widthTwips, int heightTwips) {
  const bool cjk = hasNonAscii(pages);
  std::string out =
      "\\documentclass[a4paper]{article}\n"
      "\\usepackage{tikz}\n";
  if (cjk) out += "\\usepackage{CJKutf8}\n";
  // The drawing area centred on A4 (595 x 842 pt), no page numbers.
  out += "\\setlength{\\textwidth}{" + pt(widthTwips + 200) + "}\n\\setlength{\\textheight}{" +
         pt(heightTwips + 400) + "}\n" +
         "\\setlength{\\oddsidemargin}{\\dimexpr(\\paperwidth-\\textwidth)/2-1in\\relax}\n"
         "\\setlength{\\topmargin}{\\dimexpr(\\paperheight-\\textheight)/2-1in\\relax}\n"
         "\\setlength{\\headheight}{0pt}\\setlength{\\headsep}{0pt}\n"
         "\\setlength{\\parindent}{0pt}\n\\pagestyle{empty}\n";
  for (size_t k = 0; k < std::size(kColors); ++k) {
    char def[80];
    std::snprintf(def, sizeof def, "\\definecolor{c%zu}{HTML}{%06X}\n", k, kColors[k]);
    out += def;
  }
  out += "\\begin{document}\n";
  if (cjk) out += "\\begin{CJK}{UTF8}{min}\n";
  const TikzWriter writer(heightTwips);
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p) out += "\\newpage\n";
    out += "\\begin{tikzpicture}[x=1pt,y=1pt,line width=0.5pt]\n";
    // The whole area, so every page is placed alike.
    out += "\\path " + writer.point(0, 0) + " rectangle " + writer.point(widthTwips, heightTwips) +
           ";\n";
    for (const DrawOp& o : pages[p].ops()) writer.op(o, out);
    out += "\\end{tikzpicture}\n";
  }
  if (cjk) out += "\\end{CJK}\n";
  out += "\\end{document}\n";
  return out;
}

}  // namespace ronri
