#pragma once
// Design geometry is in twips (1/1440 inch); one logical pixel at 96 dpi is 15 twips.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ronri {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr double pxF(double twips) {
  return twips / kTwipsPerPixel;
}
inline QPoint pxPoint(int x, int y) {
  return {px(x), px(y)};
}
inline QSize pxSize(int w, int h) {
  return {px(w), px(h)};
}
// A control's geometry from the design's left, top, width and height.
inline QRect pxRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}
// Twips from a logical pixel position (mouse presses).
constexpr int twips(int pixels) {
  return pixels * kTwipsPerPixel;
}

}  // namespace ronri
