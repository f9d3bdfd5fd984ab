// Walks every window the hub opens: at each phase of the year, every enabled hub command is triggered, and
// every modal window that comes up is handed to a look, then closed as Escape closes it.
#pragma once

#include <QAction>
#include <QDialog>
#include <QSet>

#include <functional>

#include "frm_start.h"
#include "screen_test.h"

namespace hv::test {

// The days at which the hub's commands are tried: the season, the All-Star day, the playoffs and the
// off-season's screens.
inline constexpr int kWalkDays[] = {1,
                                    Phase::AllStarDay,
                                    Phase::FirstPlayoffDay,
                                    Phase::RookieDraft,
                                    Phase::FirstFreeAgency,
                                    Phase::TrainingCamps};

// Shows the hub, lets `lookAtHub` see it, then opens every window it can and lets `look` see each one at
// the size it opens with. Returns the titles of the windows looked at.
inline QSet<QString> WalkHubWindows(Session& session, const std::function<void(frmStart& hub)>& lookAtHub,
                                    const std::function<void(QWidget& window)>& look) {
    QtHost host;
    frmStart hub(session, host);
    host.SetParent(&hub);
    hub.show();
    lookAtHub(hub);
    QSet<QString> opened;
    for (int day : kWalkDays) {
        session.league.state.SeasonDay = static_cast<int16_t>(day);
        hub.RefreshFormStart();
        for (const auto& [name, opener] : HubScreens()) {
            QAction* command = hub.Command(QString::fromStdString(name));
            // End Season runs the season's closing steps before its one-button window comes up.
            if (!command || !command->isEnabled() || name == "mnuEndSeason") continue;
            QSet<QWidget*> seen;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || seen.contains(modal)) return;
                seen.insert(modal);
                opened.insert(modal->windowTitle());
                look(*modal);
                if (auto* d = qobject_cast<QDialog*>(modal)) QMetaObject::invokeMethod(d, "reject");
            });
            poll.start(10);
            command->trigger();
            poll.stop();
        }
    }
    return opened;
}

} // namespace hv::test
