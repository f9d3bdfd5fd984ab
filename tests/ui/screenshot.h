// Helpers of the screen tests: a picture of a widget saved when HOOPVALE_SCREENSHOT_DIR is set, so a person
// can look at the screens, and a hand for the next modal dialog.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace hv::test {

inline void Screenshot(QWidget& widget, const QString& name) {
    QString dir = qEnvironmentVariable("HOOPVALE_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    widget.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Acts on the next modal dialog of class T once it is up. A screen may let pending events run while it
// works, so the dialog may come some event loops later; the wait is bounded.
template <class T> void WhenModal(std::function<void(T*)> act, int tries = 500) {
    QTimer::singleShot(tries == 500 ? 0 : 5, [act, tries] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal && tries > 0) return WhenModal<T>(act, tries - 1);
        QVERIFY(modal);
        act(modal);
    });
}

} // namespace hv::test
