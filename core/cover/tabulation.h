#pragma once
// The first half of the table method as the program's own merging does it:
// the 1-rows (and X rows) grouped by their number of ones, every merging pass,
// which terms merged on (ticked), and the prime implicants in the order
// simplicity lists them, so P1, P2, ... are the same everywhere.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/draw/surface.h"
#include "core/table/term.h"

namespace ronri {

struct TabulationTerm {
  Term term;
  std::array<int, 2> from = {-1, -1};  // the terms of the pass before that merged into it
  bool ticked = false;                 // it merged in the next pass
  int prime = -1;              // its place in the prime list (P1 is 0), -1 when ticked or unlisted
  bool dontCare = false;       // first pass: an X row
  bool onlyDontCares = false;  // not ticked, but covers X rows only: not listed
};

struct Tabulation {
  int n = 0;
  // In the merging's order; `from` indexes the pass before.
  std::vector<std::vector<TabulationTerm>> passes;
  // Per pass: its terms grouped by their number of ones (the order shown).
  std::vector<std::vector<int>> shown;
  // The listed primes as (pass, term), P1 first.
  std::vector<std::pair<int, int>> primes;
};

// simplicity's merging of `minterms`, every pass recorded into `record` (its
// `shown` is left empty); returns what simplicity returns. A list that is not
// made of clean minterm patterns is merged as simplicity does, and nothing is
// recorded.
std::string simplicityRecorded(const std::vector<std::string>& minterms, Tabulation& record);

// The tabulation of the function whose 1-rows are the term list `ones`
// (terms of n letters, each followed by "+") and whose X rows are `dontCares`.
// Without X rows it is the merging of the "主項" list; with them, of the 1-rows
// and X rows in row order, listing only primes that cover a 1-row.
Tabulation tabulate(std::string_view ones, const std::vector<int>& dontCares, int n);

// The texts a drawing or a CSV file needs besides numbers, in the window's
// language: one caption per pass and one for the prime list; the CSV headers.
struct TabulationCaptions {
  std::vector<std::string> passes;
  std::string primes;
};
// One line per term of every pass in the order shown: pass (1 = the rows),
// number of ones, bits, term, rows, "1" when ticked, its prime label ("P3"),
// "1" for an X row. `headers` heads those eight columns.
std::string tabulationCsv(const Tabulation& t, const std::vector<std::string>& headers);

struct TabulationSize {
  int width = 0;
  int height = 0;
  int header = 0;  // the captions' height: rows start below it
};
TabulationSize tabulationSize(const Tabulation& t);
// Draws the columns side by side and the prime list last; only what reaches
// into the area (twips; an empty area is the whole drawing) is drawn, so a
// window can paint ten variables' thousands of terms a screen at a time.
struct TwipsArea {
  int left = 0, top = 0, right = 0, bottom = 0;
};
void drawTabulation(const Tabulation& t, const TabulationCaptions& captions, Surface& s,
                    TwipsArea area = {});

}  // namespace ronri
