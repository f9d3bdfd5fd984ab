// A started program folder with the installed data, for the tests of new leagues and drafts.
#pragma once

#include <gtest/gtest.h>

#include "platform/scripted_host.h"
#include "setup/new_league.h"
#include "setup/startup.h"
#include "support/temp_home.h"

namespace hv::test {

class StartedHome : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        session.league.programFolder = home.path();
        ASSERT_TRUE(RunStartup(session, host, {})) << host.LastMessage();
        session.league.rng.Seed(2024);
    }

    // A new league from the chosen source and type; every team computer-run unless `human` names a slot.
    bool Create(PlayerSource source, LeagueType type, int human = 0, const std::string& file = {}) {
        NewLeagueTeams teams;
        if (!ReadNewLeagueTeams(session, host, teams)) return false;
        for (int t = 1; t <= kLeagueTeams; ++t)
            teams.teams[static_cast<size_t>(t)].Owner = t == human ? "Human" : "Computer";
        NewLeagueChoices c;
        c.name = "Test League";
        c.firstSeason = 2003;
        c.type = type;
        c.source = source;
        c.importFile = file;
        return CreateNewLeague(session, host, c, teams);
    }

    League& league() { return session.league; }

    int CountTeam(const std::string& team) const {
        int n = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            n += !session.league.player(id).IsEmpty() && session.league.player(id).Team == team;
        return n;
    }

    TempHome home;
    Session session;
    ScriptedHost host;
};

} // namespace hv::test
