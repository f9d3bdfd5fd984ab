// The hub's window placement, kept in the per-user settings store in twips (15 twips to a pixel).
#pragma once

#include <QRect>
#include <QSettings>
#include <QSize>

namespace hv {

constexpr int kTwipsPerPixel = 15;
constexpr int kDefaultHeightTwips = 9100;
constexpr int kDefaultWidthTwips = 10835;

struct WindowPlacement {
    QRect geometry; // pixels
    bool maximized = false;
};

// The default centred window for a screen of this size (pixels).
QRect DefaultGeometry(QSize screen);
// Reads "Screen Settings" of the store; missing values give the default window, negative positions 0.
WindowPlacement ReadPlacement(QSettings& settings, QSize screen);
// Stores the window state and, for a normal window, its placement; a maximized window stores the default one.
void WritePlacement(QSettings& settings, bool maximized, QRect geometry, QSize screen);

} // namespace hv
