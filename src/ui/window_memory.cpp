#include "window_memory.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

namespace hv {

namespace {
const char* const kRestored = "hvSizeRestored";

QString SplitterKey(const QString& window, const QSplitter& splitter) {
    return window + QStringLiteral("/splitter/") + splitter.objectName();
}

QRect FreeArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
}
} // namespace

QString WindowKey(const QWidget& window) {
    QString key = QString::fromLatin1(window.metaObject()->className());
    // The shared list screen serves many commands; each keeps its own size.
    if (key == QLatin1String("hv::TableScreen")) key += QLatin1Char('/') + window.windowTitle();
    return QStringLiteral("Windows/") +
           key.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1String("::"), QLatin1String("_"));
}

QRect FitIntoArea(QRect window, QRect area) {
    if (area.isEmpty()) return window;
    QSize size(std::min(window.width(), area.width()), std::min(window.height(), area.height()));
    QPoint topLeft(std::clamp(window.left(), area.left(), area.right() + 1 - size.width()),
                   std::clamp(window.top(), area.top(), area.bottom() + 1 - size.height()));
    return QRect(topLeft, size);
}

WindowMemory::WindowMemory(std::function<std::unique_ptr<QSettings>()> openSettings, QObject* parent)
    : QObject(parent), openSettings_(std::move(openSettings)) {}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QDialog*>(watched);
    if (window && window->isWindow()) {
        if (event->type() == QEvent::Show && !window->property(kRestored).toBool()) {
            window->setProperty(kRestored, true);
            Restore(*window);
        } else if (event->type() == QEvent::Hide && window->property(kRestored).toBool()) {
            Keep(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowMemory::Restore(QWidget& window) {
    const QString key = WindowKey(window);
    std::unique_ptr<QSettings> settings = openSettings_();
    const QSize kept = settings->value(key + QStringLiteral("/size")).toSize();
    QSize size = window.size();
    if (kept.isValid() && !kept.isEmpty()) size = kept.expandedTo(window.minimumSizeHint());
    const QRect fitted = FitIntoArea(QRect(window.pos(), size), FreeArea(window));
    window.resize(fitted.size());
    if (window.pos() != fitted.topLeft() && !FreeArea(window).contains(window.frameGeometry()))
        window.move(fitted.topLeft());
    for (QSplitter* splitter : window.findChildren<QSplitter*>()) {
        if (splitter->objectName().isEmpty()) continue;
        splitter->restoreState(settings->value(SplitterKey(key, *splitter)).toByteArray());
    }
}

void WindowMemory::Keep(QWidget& window) {
    const QString key = WindowKey(window);
    std::unique_ptr<QSettings> settings = openSettings_();
    settings->setValue(key + QStringLiteral("/size"), window.size());
    for (const QSplitter* splitter : window.findChildren<QSplitter*>()) {
        if (splitter->objectName().isEmpty()) continue;
        settings->setValue(SplitterKey(key, *splitter), splitter->saveState());
    }
}

} // namespace hv
