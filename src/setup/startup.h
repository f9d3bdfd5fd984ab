// Start-up: checks the installation, reads the settings and data files and opens the working database.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

class SqliteDb;

// Program settings from HVL.ini, after their limits.
struct Settings {
    int SalaryStyle = 0;
    int SalaryCap = 42500000;
    int FirstSeason = 2003;
};

Settings ReadSettings(const std::filesystem::path& iniFile);

// The program's running state beside the league: settings and the working league database.
struct Session {
    League league;
    Settings settings;
    std::shared_ptr<SqliteDb> database; // current.lge, open from start-up to quit
};

// Steps that only a windowed front end performs; each may be left empty.
struct StartupHooks {
    std::function<void(const std::filesystem::path&)> showBackground; // bg.bmp exists
    std::function<void()> restorePlacement;
    std::function<void(const std::string&)> setCaption;
};

// "Hoopvale Version x.y.z"
std::string WindowCaption();

// The seven site colours a league starts with.
std::array<std::string, 7> DefaultSiteStyle();

// The program folders created at start-up, in order.
const std::vector<std::string>& ProgramFolders();

// What start-up does with the working database current.lge.
enum class WorkingDatabase {
    Copy,     // a fresh copy of default.lge replaces it and stays open in the session (new leagues read it)
    CheckOnly // default.lge is only checked, read-only, and nothing is written: for programs that never read
              // the database, so that they run in a full or read-only program folder
};

// Runs start-up in the program folder already set in session.league.programFolder.
// On failure shows the message through the host and returns false; nothing is written before the
// working database is copied. Working copies that a start-up killed mid-copy left behind are removed.
bool RunStartup(Session& session, Host& host, const StartupHooks& hooks = {},
                WorkingDatabase working = WorkingDatabase::Copy);

} // namespace hv
