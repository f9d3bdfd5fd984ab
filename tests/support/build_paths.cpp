#include "support/build_paths.h"

namespace hv::build_paths {
const char* const kTestData = HOOPVALE_TEST_DATA;
const char* const kCli = HOOPVALE_CLI_PATH;
const char* const kGui = HOOPVALE_GUI_PATH;
const char* const kSourceDir = HOOPVALE_SOURCE_DIR;
} // namespace hv::build_paths
