// Writes valid saved games into a folder, as the starting corpus of the loader's fuzzer: random bytes alone
// would hardly ever get past the header.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "../tests/support/sample_league.h"
#include "league/save_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seed FOLDER\n";
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    auto write = [&](const std::string& file, const hv::League& league) {
        std::ofstream(folder / file, std::ios::binary) << hv::EncodeLeague(league, "Seed");
    };
    hv::League small;
    hv::testing::FillSampleLeague(
        small, {.seed = 1, .gameLogEntries = 1, .seasonHistoryEntries = 1, .emptyEvery = 2});
    write("seed-small.sav", small);
    hv::League empty;
    empty.state.SeasonDay = 0;
    for (int slot = 1; slot <= hv::kLeagueTeams; ++slot)
        empty.team(slot).Name = hv::testing::SampleTeamName(slot);
    write("seed-empty.sav", empty);
    return 0;
}
