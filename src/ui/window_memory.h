// Every screen's size and its splitters, kept between runs: a screen opens as the user last left it, and
// always within the screen's free area, so that no window outgrows a 1366x768 display.
#pragma once

#include <QObject>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace hv {

// The name under which a window's size is kept: its class, and for the shared list screen its title too.
QString WindowKey(const QWidget& window);

// The rectangle a window of this size takes on a screen with this free area: no larger than the area, and
// moved inside it.
QRect FitIntoArea(QRect window, QRect area);

// Watches every window of the application (the hub keeps its own placement): restores its size and splitters
// the first time it is shown, fitted into the screen, and keeps them when it is hidden.
class WindowMemory : public QObject {
  public:
    // `openSettings` gives the store to read and write (the per-user store in the program; a file in tests).
    explicit WindowMemory(std::function<std::unique_ptr<QSettings>()> openSettings,
                          QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Restore(QWidget& window);
    void Keep(QWidget& window);

    std::function<std::unique_ptr<QSettings>()> openSettings_;
};

} // namespace hv
