// Worksheets and keys: the pages hold their problems readably, the key's
// loops are a smallest cover, and the LaTeX of both compiles.
#include "kmap/worksheet.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/draw/tikz_document.h"

namespace ronri::kmap {
namespace {

SheetLabels asciiLabels() {
  return {[](const Exercise& e) { return "Problem " + e.id + "  " + e.name + "  " + e.text(); },
          {"SOP:", "POS:"},
          [](const ExerciseKey& k) {
            return std::vector<std::string>{"SOP: " + k.minimal.sumOfProducts,
                                            "POS: " + k.minimal.productOfSums,
                                            "covers: " + std::to_string(k.sopCovers)};
          }};
}

std::vector<Exercise> problems(int n, int ones, int count) {
  return makeExercises({n, ones, 2, ExerciseKind::Any, count, 5, {}}).problems;
}

TEST(Worksheet, PagesHoldTwoFourVariableProblemsReadablyAndTheKeyIsASmallestCover) {
  const std::vector<Exercise> set = problems(4, 7, 8);
  for (bool key : {false, true}) {
    const std::vector<DisplayList> pages =
        worksheetPages("t", sheetBlocks(set, asciiLabels(), key));
    EXPECT_LE(pages.size(), 4u);
    for (const DisplayList& page : pages)
      for (const DrawOp& op : page.ops()) {
        EXPECT_LE(std::max(op.x1, op.x2), kSheetWidth);
        EXPECT_LE(std::max(op.y1, op.y2) + (op.kind == DrawOp::Text ? 300 : 0), kSheetHeight);
        if (op.kind == DrawOp::Text) EXPECT_GE(op.pointSize, 6);
      }
  }
  for (const Exercise& e : set) {
    const ExerciseKey k = exerciseKey(e);
    EXPECT_EQ(int(k.loops.size()), k.minimal.sopSize.terms) << e.text();
    for (size_t r = 0; r < k.values.size(); ++r) {
      const bool inLoop =
          std::any_of(k.loops.begin(), k.loops.end(), [&](Term t) { return t.covers(int(r)); });
      if (k.values[r] != 'X') EXPECT_EQ(inLoop, k.values[r] == '1') << e.text() << " row " << r;
    }
  }
}

TEST(Worksheet, LatexOfASheetAndAKeyCompilesWithPdflatex) {
  if (std::system("kpsewhich tikz.sty >/dev/null 2>&1") != 0 ||
      std::system("pdflatex --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdflatex with TikZ is not installed";
  const auto dir =
      std::filesystem::temp_directory_path() / ("ronri_latex_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::vector<Exercise> set = problems(4, 6, 3);
  const std::vector<Exercise> wide = problems(6, 20, 1);
  set.insert(set.end(), wide.begin(), wide.end());
  set[0].name = "O'Brien & {Co} #1 100% a_b";  // every character LaTeX treats specially
  // Japanese text (names, the Japanese interface's words) needs the CJK fonts
  // (Debian: latex-cjk-japanese, latex-cjk-japanese-wadalab).
  const bool cjk = std::system("kpsewhich c70min.fd >/dev/null 2>&1") == 0;
  for (int run = 0; run < (cjk ? 4 : 2); ++run) {
    const bool key = run % 2 == 1;
    const bool japanese = run >= 2;
    const std::string name = std::string(japanese ? "ja-" : "") + (key ? "key" : "sheet");
    if (japanese) set[1].name = "山田 太郎";
    std::ofstream(dir / (name + ".tex"))
        << tikzDocument(worksheetPages(japanese ? "演習問題 ~ seed 5" : "Exercises ~ seed 5",
                                       sheetBlocks(set, asciiLabels(), key)),
                        kSheetWidth, kSheetHeight);
    const std::string command = "cd '" + dir.string() +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error " + name +
                                ".tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "see " << (dir / (name + ".log"));
    EXPECT_TRUE(std::filesystem::exists(dir / (name + ".pdf")));
  }
  if (!HasFailure()) std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace ronri::kmap
