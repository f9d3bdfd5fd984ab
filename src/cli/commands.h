// Every command of hoopvale-cli, one file each; cli_app.cpp lists them.
#pragma once

#include "cli/cli_app.h"

namespace hv {

void AddInfoCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);

} // namespace hv
