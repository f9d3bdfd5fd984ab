// libFuzzer target of the saved-game loader: any bytes are either refused with FormatError or give a league
// that saves to a file which loads again and saves to the very same bytes. Crashes, sanitizer reports and a
// broken round trip are findings.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "league/save_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto league = std::make_unique<hv::League>(); // about 1.5 MB: not on the stack
    try {
        hv::DecodeLeague(bytes, *league);
    } catch (const hv::FormatError&) {
        return 0;
    }
    const std::string& name = league->state.LeagueName;
    std::string once = hv::EncodeLeague(*league, name);
    auto again = std::make_unique<hv::League>();
    hv::DecodeLeague(once, *again); // must not throw: the file was written by the saver
    if (hv::EncodeLeague(*again, name) != once) std::abort();
    return 0;
}
