#include "dialog_fit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace hv {

namespace {
// Room for the window manager's borders and title bar.
constexpr int kFrameWidth = 40;
constexpr int kFrameHeight = 60;
// Room for the window's icon and its minimize, maximize and close buttons.
constexpr int kTitleBarExtras = 140;
} // namespace

int TitleWidth(const QWidget& window) {
    // Title bars use a bold font about the size of the window's own.
    QFont font = window.font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

void FitToContents(QWidget& window) {
    if (window.layout()) window.layout()->activate();
    window.adjustSize();
    window.setMinimumWidth(std::max(window.minimumWidth(), TitleWidth(window)));
    window.resize(std::max(window.width(), TitleWidth(window)), window.height());
}

void ResizeWithinScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : QSize(1366, 768);
    window.resize(std::min(wanted.width(), room.width() - kFrameWidth),
                  std::min(wanted.height(), room.height() - kFrameHeight));
}

} // namespace hv
