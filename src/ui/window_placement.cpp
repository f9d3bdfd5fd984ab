#include "window_placement.h"

#include <algorithm>

namespace hv {

namespace {
const QString kGroup = QStringLiteral("Screen Settings");

struct Twips {
    int top, left, height, width;
};

Twips DefaultTwips(QSize screen) {
    int screenHeight = screen.height() * kTwipsPerPixel, screenWidth = screen.width() * kTwipsPerPixel;
    int height = std::min(kDefaultHeightTwips, screenHeight);
    int width = std::min(kDefaultWidthTwips, screenWidth);
    return {std::max(0, (screenHeight - kDefaultHeightTwips) / 2),
            std::max(0, (screenWidth - kDefaultWidthTwips) / 2), height, width};
}
} // namespace

QRect DefaultGeometry(QSize screen) {
    Twips t = DefaultTwips(screen);
    return QRect(t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
                 t.height / kTwipsPerPixel);
}

WindowPlacement ReadPlacement(QSettings& settings, QSize screen) {
    Twips d = DefaultTwips(screen);
    settings.beginGroup(kGroup);
    int top = std::max(0, settings.value(QStringLiteral("WindowTop"), d.top).toInt());
    int left = std::max(0, settings.value(QStringLiteral("WindowLeft"), d.left).toInt());
    int height = settings.value(QStringLiteral("WindowHeight"), d.height).toInt();
    int width = settings.value(QStringLiteral("WindowWidth"), d.width).toInt();
    int state = settings.value(QStringLiteral("WindowState"), 0).toInt();
    settings.endGroup();
    if (height <= 0) height = d.height;
    if (width <= 0) width = d.width;
    return {
        QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel),
        state == 2};
}

void WritePlacement(QSettings& settings, bool maximized, QRect geometry, QSize screen) {
    Twips t = maximized ? DefaultTwips(screen)
                        : Twips{geometry.top() * kTwipsPerPixel, geometry.left() * kTwipsPerPixel,
                                geometry.height() * kTwipsPerPixel, geometry.width() * kTwipsPerPixel};
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("WindowState"), maximized ? 2 : 0);
    settings.setValue(QStringLiteral("WindowTop"), t.top);
    settings.setValue(QStringLiteral("WindowLeft"), t.left);
    settings.setValue(QStringLiteral("WindowHeight"), t.height);
    settings.setValue(QStringLiteral("WindowWidth"), t.width);
    settings.endGroup();
}

} // namespace hv
