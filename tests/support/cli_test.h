// hoopvale-cli run in-process on a temporary program folder: its exit status and output, a saved league's
// bytes (to show that a refusal changed nothing) and the league as a fresh load reads it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/build_paths.h"
#include "support/file_bytes.h"
#include "support/temp_home.h"

namespace hv::test {

struct CliResult {
    int status;
    std::string out, err;
    bool Says(const std::string& text) const {
        return out.find(text) != std::string::npos || err.find(text) != std::string::npos;
    }
};

class CliTest : public ::testing::Test {
  protected:
    // Runs the program with --home (and --seed and the options when set) before `args`.
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> head = {"--home", home.path().string()};
        if (!seed.empty()) head.insert(head.end(), {"--seed", seed});
        head.insert(head.end(), options.begin(), options.end());
        args.insert(args.begin(), head.begin(), head.end());
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, hv::build_paths::kCli);
        return {status, out.str(), err.str()};
    }
    std::string Bytes(const std::string& league) const {
        return FileBytes(home / "save" / (league + ".sav"));
    }
    // On the heap: a league is large, and a command run beside it holds one of its own.
    std::unique_ptr<League> Load(const std::string& league) const {
        auto loaded = std::make_unique<League>();
        loaded->programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(*loaded, league + ".sav", host)) << host.LastMessage();
        return loaded;
    }
    void Save(League& league, const std::string& name) const {
        league.programFolder = home.path();
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(league, name, host)) << host.LastMessage();
    }

    // Each refusal exits with its status and a message holding `message` (any message when empty) and
    // leaves the saved league `league` as it was.
    struct Refusal {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    void ExpectRefusals(const std::string& league, const std::vector<Refusal>& cases) {
        const std::string before = Bytes(league);
        for (const Refusal& c : cases) {
            const CliResult r = Run(c.args);
            EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << ": " << r.err;
            EXPECT_FALSE(r.err.empty()) << c.args[0] << " says why";
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
            EXPECT_TRUE(Bytes(league) == before) << c.args[0] << " " << c.args.back();
        }
    }

    TempHome home;
    std::string seed;
    std::vector<std::string> options; // given before every command
};

} // namespace hv::test
