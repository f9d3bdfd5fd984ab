// Start-up of the desktop program: the windowed checks around the core start-up.
#pragma once

#include <QLockFile>
#include <QSize>
#include <memory>
#include <optional>
#include <string>

#include "frm_start.h"

namespace hv {

// The message for a screen that is too small, or nothing when it will do.
std::optional<std::string> ScreenSizeProblem(QSize pixels);

// Runs every start-up step and returns the hub, or nullptr after the failure's message.
// `lock` keeps the previous-instance lock for the program's lifetime.
std::unique_ptr<frmStart> StartProgram(Session& session, QtHost& host, std::unique_ptr<QLockFile>& lock);

} // namespace hv
