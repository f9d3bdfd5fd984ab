#pragma once
// Paths of the build tree that tests and benchmarks need. They are defined in one source file so that
// the other files compile the same in every checkout and a compiler cache can share them.

namespace hv::build_paths {
extern const char* const kTestData;  // the build tree's program folder with the generated data files
extern const char* const kCli;       // the hoopvale-cli program
extern const char* const kGui;       // the hoopvale program
extern const char* const kSourceDir; // the source tree
} // namespace hv::build_paths
