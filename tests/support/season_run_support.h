// The default league in a fresh program folder, ready for the day loop (site pages off).
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/scripted_host.h"
#include "season/begin_season.h"
#include "setup/default_league.h"
#include "setup/startup.h"
#include "support/temp_home.h"

namespace hv::test {

// A scripted host that can play a user who presses Stop after a number of event pumps.
class RunHost : public ScriptedHost {
  public:
    int stopAfterPumps = -1; // -1: never

    void PumpEvents() override {
        ScriptedHost::PumpEvents();
        if (stopAfterPumps >= 0 && pumps >= stopAfterPumps) RequestStop();
    }
};

struct SeasonLeague {
    TempHome home;
    Session session;
    RunHost host;

    League& league() { return session.league; }

    // The default league on day 0 of its first season; false when start-up failed.
    bool Load(unsigned seed, const std::string& name = "Season Run") {
        home.CopyInstalledData();
        session.league.programFolder = home.path();
        if (!RunStartup(session, host) || !LoadDefaultLeagueKeepingRosters(session, host, name)) return false;
        League& l = session.league;
        l.rng.Seed(seed);
        l.state.SiteDuringSim = false;
        l.state.SeasonDay = Phase::BeforeSeason;
        return true;
    }

    // Loaded and begun: the league stands on day 1 with its schedule.
    bool Begin(unsigned seed, const std::string& name = "Season Run") {
        return Load(seed, name) && BeginSeason(session.league, host, true);
    }
};

} // namespace hv::test
