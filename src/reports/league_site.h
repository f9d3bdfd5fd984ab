// The league's web site: every page of the league written into its `html` folder in one run, step by step,
// and the day page that the season writes after each played day.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The message of the step that makes the box pages of earlier games, run first when it is chosen.
inline constexpr const char* kPreviousBoxesStep = "Outputting Previous Boxes";
// The messages of the site's steps, in the order they run.
const std::vector<std::string>& SiteStepMessages();

struct SiteRunResult {
    bool written = false; // the new site is in place
    bool stopped = false; // the user stopped the run; the previous site is kept
    int files = 0;
    int64_t bytes = 0;
    double seconds = 0;
    std::string error;                 // why a run failed; the previous site is kept
    std::vector<std::string> warnings; // colours that are not colours
};

// The league's site folder: the league's folder and "html".
std::filesystem::path SiteFolderOf(const League& league);

// What a run writes beyond the pages of the league as it stands.
struct SiteRunChoices {
    // First, "Outputting Previous Boxes": every box text file of the league's box folder (and of its
    // seasons' subfolders) made into its box page, for games played while the site was not kept.
    bool previousBoxes = false;
};

// Writes the whole site. Before each step its message goes to `onStep` and to the host's progress (step
// number of the 27); a stop request ends the run before the next step. The site grows beside the previous
// one and replaces it only when every page is written, so that a stopped or failed run leaves the previous
// site whole. A failed run is told through the host (title "Error").
SiteRunResult WriteLeagueSite(const League& league, Host& host,
                              const std::function<void(const std::string&)>& onStep = {},
                              SiteRunChoices choices = {});

// The page of one played day, `boxes/day` + day + `.htm` ("Daily Schedule"): its games with links to the
// box scores (and on the All-Star day the weekend's pages), written in place.
bool WriteDayPage(const League& league, int day);

// The season's day-page step: the page of the day just played. Installed by the front ends.
void WriteDailyPageOfLeague(League& league, Host& host);
void InstallSiteHooks();

// Deletes the site's ".htm" and ".html" files, so that pages of teams and players that are gone disappear;
// the number deleted.
int ClearLeagueSite(const League& league);

} // namespace hv
