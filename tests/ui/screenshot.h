// Saves a picture of a widget when HOOPVALE_SCREENSHOT_DIR is set, so a person can look at the screens.
#pragma once

#include <QDir>
#include <QWidget>

namespace hv::test {

inline void Screenshot(QWidget& widget, const QString& name) {
    QString dir = qEnvironmentVariable("HOOPVALE_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    widget.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace hv::test
