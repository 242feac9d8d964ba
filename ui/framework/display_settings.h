#pragma once
// Settings of the look, kept with the language: the size of the whole
// program (for a projector; it takes effect at the next start) and the
// readable palette of the map outlines.
class QObject;

namespace ronri {

// The display scale in percent: 100, 125, 150 or 200.
inline constexpr int kDisplayScales[] = {100, 125, 150, 200};
int savedDisplayScale();
void saveDisplayScale(int percent);
// Before the QApplication is made: Qt's scale factor from the saved scale.
// A QT_SCALE_FACTOR already in the environment wins. Returns the factor in use.
double applyDisplayScale();
// After the QApplication is made: a window larger than its screen shows its
// content in a scroll area and is made to fit, and one placed partly off the
// screen moves onto it, so nothing is cut off. Returns the watcher (owned by
// the application; deleting it ends the watch).
QObject* keepWindowsOnScreen();

// "見やすい配色": map outlines in colours readable on the map's background
// and under colour-vision deficiencies, two pixels wide (on unless turned off).
bool readablePalette();
void saveReadablePalette(bool on);

}  // namespace ronri
