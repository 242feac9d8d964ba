#pragma once
// The routing of a circuit drawing. It remembers what has been drawn (gate
// bodies, texts, wires, junction marks and the drop lines from the variable
// buses), answers whether a new wire, gate or text would stand clear of it,
// and finds the way of a wire to a gate's pin around what is in the way.
// It draws nothing: the caller draws, then records here what it drew, so any
// drawing that places gates can use it.
#include <vector>

#include "circuit/obstacles.h"

namespace ronri {

// Every variable column in drawing order: a, ~a, b, ~b, ... j, ~j (the
// negated letters are n..w).
inline constexpr char kColumnLetters[] = "anbocpdqerfsgthuivjw";
inline constexpr int kColumnCount = 20;

class Router {
 public:
  struct Point {
    double x, y;
  };
  // Closer than this (one pixel, in twips), two lines look like one.
  static constexpr double kNear = 15;
  // Route searches per drawing: a drawing of thousands of gates (which no
  // one reads wire by wire) stops looking for clear ways rather than take
  // minutes.
  static constexpr long kSearchBudget = 60000;

  Router() = default;
  // An empty drawing, panned by (lr, ou) twips.
  Router(double lr, double ou) : lr_(lr), ou_(ou) {}

  // What the caller drew. Wires are axis-parallel; `net` names the signal
  // (wires and marks of one net may meet), `gate` a gate's body.
  void addWire(double x1, double y1, double x2, double y2, int net);
  void addJunction(double x, double y, int net);
  void addGate(const Area& body, int gate);
  void addText(const Area& a);  // a caption or label: nothing may run into it
  // The drop line of column `column` (index into kColumnLetters) now reaches
  // down to y.
  void reachDrop(int column, double y);

  // Whether an axis-parallel wire of `net` would stand clear of everything
  // drawn: no gate (but the ones named by mayTouch), text or other signal's
  // mark, and other signals' wires and drop lines met only at right angles
  // away from their ends.
  bool clear(double x1, double y1, double x2, double y2, int net, int mayTouch1 = -1,
             int mayTouch2 = -1) const;
  // Whether nothing drawn comes within kNear of `a` (a place for a gate).
  bool roomFor(const Area& a) const;
  // Whether a text at `a` touches no gate, comes within kNear of nothing else
  // and stands over no drop line.
  bool textFits(const Area& a) const;
  // Whether x lies on (within kNear of) a variable column, where a drop line
  // drawn later may come down.
  bool onColumn(double x) const;

  // The way of a wire of `net` from (fromX, fromY) to the pin (toX, toY) of
  // gate `target`, leaving gate `source` (-1: none). Three segments turning
  // at turnX unless that would cross a gate or text or run into another
  // signal's wire; then the nearest clear turn near turnX; failing that, five
  // segments round the obstacle through a clear row. Spends the search
  // budget; with none left it takes the three segments at turnX.
  std::vector<Point> path(double fromX, double fromY, double toX, double toY, double turnX, int net,
                          int source, int target);
  long budgetLeft() const { return budget_; }

 private:
  bool fits(double x, double fx, double fy, double gx, double py, int net, int source, int target);
  std::vector<Point> detour(double fromX, double fromY, double toX, double toY, int net, int source,
                            int target);

  double lr_ = 0, ou_ = 0;
  Obstacles obstacles_;
  double dropReach_[kColumnCount] = {};  // lowest y each drop line reaches (0: none yet)
  long budget_ = kSearchBudget;
};

}  // namespace ronri
