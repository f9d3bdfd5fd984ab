#include "league/season_archive.h"

namespace hv {

SeasonArchive& ArchiveOf(League& league, int16_t season) {
    for (SeasonArchive& a : league.tables.archive)
        if (a.Season == season) return a;
    SeasonArchive& added = league.tables.archive.emplace_back();
    added.Season = season;
    return added;
}

} // namespace hv
