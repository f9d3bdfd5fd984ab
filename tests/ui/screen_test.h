// Helpers of the screen tests: screenshots (HOOPVALE_SCREENSHOT_DIR), the next modal dialog, a hub list
// screen, and a started installation with the default league open and its first days played.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

#include "engine/game.h"
#include "hub_screens.h"
#include "platform/scripted_host.h"
#include "season/schedule.h"
#include "setup/default_league.h"
#include "support/temp_home.h"
#include "table_screen.h"

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

// Opens the hub command's list screen; `look` sees it while it is open, and it is closed even when a check
// inside `look` fails.
inline void OpenFromHub(Session& session, const std::string& command,
                        const std::function<void(TableScreen&)>& look) {
    QtHost host;
    QWidget parent;
    HubContext ctx{session, host, &parent, [] {}};
    bool seen = false;
    WhenModal<TableScreen>([&](TableScreen* screen) {
        seen = true;
        struct Closer {
            TableScreen* screen;
            ~Closer() { screen->reject(); }
        } closer{screen};
        look(*screen);
    });
    HubScreens().at(command)(ctx);
    QVERIFY2(seen, command.c_str());
}

// A copy of the installation, started, with the league's generator seeded.
inline void StartInstalled(TempHome& home, Session& session, Host& host, unsigned seed) {
    home.CopyInstalledData();
    session.league.programFolder = home.path();
    QVERIFY(RunStartup(session, host));
    session.league.rng.Seed(seed);
}

// The default league with its rosters, before its first season, without injuries or site pages.
inline void OpenDefaultLeague(TempHome& home, Session& session, const std::string& name, unsigned seed) {
    ScriptedHost quiet;
    StartInstalled(home, session, quiet, seed);
    League& l = session.league;
    QVERIFY(LoadDefaultLeagueKeepingRosters(session, quiet, name));
    EnsureLeagueFolders(home.path(), name);
    l.state.LeagueInjuries = false;
    l.state.SiteDuringSim = false;
    l.state.SeasonDay = Phase::BeforeSeason;
}

// The default league with its schedule made and days 1 to `lastDay` played.
inline void PlayFirstDays(TempHome& home, Session& session, const std::string& name, unsigned seed,
                          int lastDay) {
    OpenDefaultLeague(home, session, name, seed);
    League& l = session.league;
    ScriptedHost quiet;
    QVERIFY(GenerateSchedule(l, quiet));
    for (; l.state.SeasonDay <= lastDay; ++l.state.SeasonDay) {
        const ScheduleDay& day = l.schedule[size_t(l.state.SeasonDay)];
        for (int g = 1; g <= day.NumGames; ++g) {
            clsGame game(l);
            game.StartGame(int16_t(l.FindTeam(day.Games[size_t(g)].HomeTeam)),
                           int16_t(l.FindTeam(day.Games[size_t(g)].AwayTeam)), false, int16_t(g), "Regular");
            game.SimGame();
        }
    }
}

} // namespace hv::test
