// The router on random scenes: its index finds what a scan of every item
// finds, and a routed wire stays out of every gate and text on its way.
#include "circuit/router.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "circuit/gates.h"

namespace ronri {
namespace {

// Dots, long thin wires either way and boxes of every size, anywhere.
Area randomArea(std::mt19937& rng) {
  std::uniform_real_distribution<double> at(-60000, 60000), power(0, 5.5);
  const double x = at(rng), y = at(rng), length = std::pow(10.0, power(rng));
  switch (rng() % 3) {
    case 0:
      return {x, y, x + length, y};
    case 1:
      return {x, y, x, y + length};
    default:
      return {x, y, x + length / 8, y + length / 8};
  }
}

bool touch(const Area& a, const Area& b) {
  return a.l <= b.r && b.l <= a.r && a.t <= b.b && b.t <= a.b;
}

TEST(CircuitRouter, IndexFindsEveryItemAQueryTouches) {
  std::mt19937 rng(7);
  for (int scene = 0; scene < 10; ++scene) {
    Obstacles index;
    std::vector<Area> items;
    for (int k = 0; k < 400; ++k) {
      items.push_back(randomArea(rng));
      index.add(items.back(), Obstacles::Kind::Wire, k);
    }
    for (int q = 0; q < 300; ++q) {
      const Area query = randomArea(rng);
      std::vector<bool> found(items.size());
      index.near(query, [&](const Obstacles::Item& it) { return found[size_t(it.net)] = true; });
      for (size_t k = 0; k < items.size(); ++k)
        ASSERT_EQ(found[k], touch(items[k], query)) << "scene " << scene << " query " << q;
    }
  }
}

// Gates and texts scattered over a field; wires routed left to right
// between free points must pass through none of them, and only a few may
// find no clear way at all (then they keep the plain route).
TEST(CircuitRouter, RoutedWiresStayOutOfGatesAndTexts) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> x(3000, 30000), y(3000, 20000);
  int routes = 0, plain = 0;
  for (int scene = 0; scene < 8; ++scene) {
    Router router(0, 0);
    std::vector<Area> solid;
    for (int k = 0; k < 40; ++k) {
      const double gx = std::round(x(rng)), gy = std::round(y(rng));
      solid.push_back(k % 4 ? Area{gx, gy, gx + kGateWidth, gy + kGateHeight}
                            : Area{gx, gy, gx + 1500, gy + 250});
      if (k % 4)
        router.addGate(solid.back(), k);
      else
        router.addText(solid.back());
    }
    auto freePoint = [&] {
      for (;;) {
        const Area p{std::round(x(rng)), std::round(y(rng)), 0, 0};
        bool free = true;
        for (const Area& s : solid) free = free && !touch(s.grown(300), {p.l, p.t, p.l, p.t});
        if (free) return Router::Point{p.l, p.t};
      }
    };
    for (int w = 0; w < 30; ++w) {
      Router::Point a = freePoint(), b = freePoint();
      if (b.x - a.x < 1500) continue;
      const double turn = std::round((a.x + b.x) / 2);
      const int net = 1000 + w;
      const std::vector<Router::Point> path = router.path(a.x, a.y, b.x, b.y, turn, net, -1, -1);
      ++routes;
      ASSERT_GE(path.size(), 4u);
      EXPECT_EQ(std::pair(path.front().x, path.front().y), std::pair(a.x, a.y));
      EXPECT_EQ(std::pair(path.back().x, path.back().y), std::pair(b.x, b.y));
      bool through = false;
      for (size_t i = 0; i + 1 < path.size(); ++i) {
        const Router::Point p = path[i], q = path[i + 1];
        ASSERT_TRUE(p.x == q.x || p.y == q.y) << "a slanted segment";
        const Area seg{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x),
                       std::max(p.y, q.y)};
        for (const Area& s : solid) through = through || seg.grown(0.5).meets(s);
        router.addWire(p.x, p.y, q.x, q.y, net);
      }
      const bool isPlain = path.size() == 4 && path[1].x == turn;
      EXPECT_TRUE(!through || isPlain) << "scene " << scene << " wire " << w;
      plain += through;
    }
  }
  EXPECT_LT(plain * 10, routes) << plain << " of " << routes << " found no clear way";
}

}  // namespace
}  // namespace ronri
