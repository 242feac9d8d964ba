#include "circuit/router.h"

#include <algorithm>
#include <cmath>

#include "circuit/gates.h"

namespace ronri {

namespace {

constexpr double kNear = Router::kNear;

double tw(double v) {
  return static_cast<double>(std::lround(v));
}

bool overlaps(double a1, double a2, double b1, double b2) {
  return a1 <= b2 + kNear && b1 <= a2 + kNear;
}

// Whether two wires of different signals would look joined: lying on one
// another, or one ending on the other.
bool lookJoined(const Area& w, const Area& o) {
  const bool wv = w.l == w.r, ov = o.l == o.r;
  if (wv == ov) {
    const bool inLine = wv ? std::abs(w.l - o.l) <= kNear : std::abs(w.t - o.t) <= kNear;
    return inLine && (wv ? overlaps(w.t, w.b, o.t, o.b) : overlaps(w.l, w.r, o.l, o.r));
  }
  const Area& v = wv ? w : o;
  const Area& h = wv ? o : w;
  if (v.l < h.l - kNear || v.l > h.r + kNear || h.t < v.t - kNear || h.t > v.b + kNear)
    return false;
  const bool endOfV = std::abs(h.t - v.t) <= kNear || std::abs(h.t - v.b) <= kNear;
  const bool endOfH = std::abs(v.l - h.l) <= kNear || std::abs(v.l - h.r) <= kNear;
  return endOfV || endOfH;
}

InputColumn column(int i) {
  InputColumn c;
  inputColumn(kColumnLetters[i], c);
  return c;
}

}  // namespace

void Router::addWire(double x1, double y1, double x2, double y2, int net) {
  obstacles_.add({std::min(tw(x1), tw(x2)), std::min(tw(y1), tw(y2)), std::max(tw(x1), tw(x2)),
                  std::max(tw(y1), tw(y2))},
                 Obstacles::Kind::Wire, net);
}

void Router::addJunction(double x, double y, int net) {
  const double r = kJunctionRadius;
  obstacles_.add({tw(x) - r, tw(y) - r, tw(x) + r, tw(y) + r}, Obstacles::Kind::Mark, net);
}

void Router::addGate(const Area& body, int gate) {
  obstacles_.add(body, Obstacles::Kind::Body, gate);
}

void Router::addText(const Area& a) {
  obstacles_.add(a, Obstacles::Kind::Text, -1);
}

void Router::reachDrop(int column, double y) {
  dropReach_[column] = std::max(dropReach_[column], tw(y));
}

bool Router::clear(double x1, double y1, double x2, double y2, int net, int mayTouch1,
                   int mayTouch2) const {
  const Area w{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  // A line has no width: as an area it would meet nothing.
  const Area fat = w.grown(0.5);
  bool ok = true;
  obstacles_.near(w.grown(kJunctionRadius + kNear), [&](const Obstacles::Item& it) {
    switch (it.kind) {
      case Obstacles::Kind::Body:
        if (it.net != mayTouch1 && it.net != mayTouch2 && fat.meets(it.a.grown(kNear))) ok = false;
        break;
      case Obstacles::Kind::Text:
        if (fat.meets(it.a.grown(kNear))) ok = false;
        break;
      case Obstacles::Kind::Mark:
        if (it.net != net && fat.meets(it.a.grown(kNear))) ok = false;
        break;
      case Obstacles::Kind::Wire:
        if (it.net != net && lookJoined(w, it.a)) ok = false;
        break;
    }
    return ok;
  });
  if (!ok) return false;
  // The drop lines, one per used column, from the bus down to its lowest use.
  for (int i = 0; i < kColumnCount; ++i) {
    if (dropReach_[i] == 0 || kColumnLetters[i] == net) continue;
    const InputColumn c = column(i);
    // (As at home, so that a panned drawing is the same drawing moved.)
    if (lookJoined(w, {c.dropX + lr_, c.busY + ou_, c.dropX + lr_, dropReach_[i]})) return false;
  }
  return true;
}

bool Router::roomFor(const Area& a) const {
  const Area room = a.grown(kNear);
  bool free = true;
  obstacles_.near(room, [&](const Obstacles::Item& it) {
    if (it.a.meets(room)) free = false;
    return free;
  });
  return free;
}

bool Router::textFits(const Area& a) const {
  bool free = true;
  obstacles_.near(a.grown(kNear), [&](const Obstacles::Item& it) {
    if (it.a.meets(a.grown(it.kind == Obstacles::Kind::Body ? 0 : kNear))) free = false;
    return free;
  });
  for (int i = 0; i < kColumnCount && free; ++i) {
    if (dropReach_[i] == 0) continue;
    const double x = column(i).dropX + lr_;
    if (x > a.l - kNear && x < a.r + kNear && dropReach_[i] > a.t) free = false;
  }
  return free;
}

bool Router::onColumn(double x) const {
  for (int i = 0; i < kColumnCount; ++i)
    if (std::abs(x - (column(i).dropX + lr_)) <= kNear) return true;
  return false;
}

// Three segments turning at x, from the rounded ends (fx, fy) and (gx, py).
bool Router::fits(double x, double fx, double fy, double gx, double py, int net, int source,
                  int target) {
  const double t = tw(x);
  if (onColumn(t)) return false;
  if (budget_ > 0) --budget_;
  return clear(fx, fy, t, fy, net, source) && clear(t, py, gx, py, net, target) &&
         clear(t, fy, t, py, net);
}

std::vector<Router::Point> Router::path(double fromX, double fromY, double toX, double toY,
                                        double turnX, int net, int source, int target) {
  const double fx = tw(fromX), fy = tw(fromY), gx = tw(toX), py = tw(toY);
  const double m = turnX;
  auto three = [&](double x) {
    return std::vector<Point>{{fromX, fromY}, {x, fromY}, {x, toY}, {toX, toY}};
  };
  if (fits(m, fx, fy, gx, py, net, source, target) || budget_ == 0) return three(m);
  // Near the turn only: a wire that must turn far from it goes round.
  constexpr double kReach = 4500;
  for (double d = kNear; d < std::min(toX - fromX, kReach); d += kNear) {
    for (double x : {m + d, m - d})
      if (x > fromX + 2 * kNear && x < toX - 2 * kNear &&
          fits(x, fx, fy, gx, py, net, source, target))
        return three(x);
    if (m + d >= toX && m - d <= fromX) break;
  }
  std::vector<Point> round = detour(fromX, fromY, toX, toY, net, source, target);
  return round.empty() ? three(m) : round;  // nothing clear: keep the plain route
}

// Round the obstacle: out of the source to x1, along a free row c, and in to
// the pin from x2, keeping each turn as close to its end as it can. Empty
// when no such way was found.
std::vector<Router::Point> Router::detour(double fromX, double fromY, double toX, double toY,
                                          int net, int source, int target) {
  constexpr double kReach = 4500;
  const double fx = tw(fromX), fy = tw(fromY), gx = tw(toX), py = tw(toY);
  const double lo = fx + 2 * kNear, hi = gx - 2 * kNear;
  constexpr double kStep = 2 * kNear;
  for (double d = kStep; d < 3000; d += kStep) {
    for (double c :
         {std::min(fy, py) - d, std::max(fy, py) + d, (fy + py) / 2 + d, (fy + py) / 2 - d}) {
      c = tw(c);
      double x2 = -1;
      if (budget_ == 0) return {};
      for (double x = hi; x > std::max(lo + kStep, hi - kReach); x -= kStep)
        if (!onColumn(x) && --budget_ > 0 && clear(x, py, gx, py, net, target) &&
            clear(x, c, x, py, net)) {
          x2 = x;
          break;
        }
      if (x2 < 0) continue;
      for (double x1 = lo; x1 < std::min(x2 - kStep, lo + kReach); x1 += kStep)
        if (!onColumn(x1) && --budget_ > 0 && clear(fx, fy, x1, fy, net, source) &&
            clear(x1, fy, x1, c, net) && clear(x1, c, x2, c, net))
          return {{fromX, fromY}, {x1, fromY}, {x1, c}, {x2, c}, {x2, toY}, {toX, toY}};
    }
  }
  return {};
}

}  // namespace ronri
