// The screens the hub's menu commands open: one entry per command whose screen exists. A command without an
// entry stays in its menu, disabled.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "qt_host.h"
#include "setup/startup.h"

namespace hv {

// What a screen gets from the hub.
struct HubContext {
    Session& session;
    QtHost& host;
    QWidget* parent;
    std::function<void()> refreshHub; // re-enables the hub's commands after the league's phase changed
};

using ScreenOpener = std::function<void(HubContext&)>;

// Command name ("mnuStandings") to the routine that opens its screen.
const std::map<std::string, ScreenOpener>& HubScreens();

} // namespace hv
