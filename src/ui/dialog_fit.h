// Dialogs sized to their contents: wide enough for every widget and for the whole window title.
#pragma once

#include <QWidget>

namespace hv {

// The width a window needs to show its title uncut, beside the window manager's icon and buttons.
int TitleWidth(const QWidget& window);

// Sizes a dialog (or any top-level window) to its layout's preferred size, widened for its title.
void FitToContents(QWidget& window);

// Resizes a top-level window to the size it wants, within the free room of its screen (window-manager
// decorations left aside).
void ResizeWithinScreen(QWidget& window, QSize wanted);

} // namespace hv
