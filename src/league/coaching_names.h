// The names of a team's coaching settings as every screen and command shows them, in place of their values:
// pace "Very Slow" to "Very Fast", press and trap "Never" to "Always", offense "Inside", "Balanced",
// "Outside".
#pragma once

#include <string>
#include <vector>

namespace hv {

enum class CoachingSetting { Pace, Press, Trap, Offense };

// The name of `value` of `setting`: pace 0 "Very Slow", 25 "Slow", 50 "Normal", 75 "Fast", 100 "Very Fast";
// press and trap 0 "Never", 25 "Sometimes", 50 "Often", 75 and above "Always"; offense 0 "Inside" (the
// engine plays 0 as the inside game), 100 "Outside", any other "Balanced". A pace, press or trap between
// two steps takes the step below; "" for a value below 0.
std::string CoachingSettingName(CoachingSetting setting, int value);

// The values a user chooses among, lowest first: pace 0 to 100 by 25, press and trap 0 to 75 by 25 (one per
// name; the computer may also set 100, named "Always"), offense 0, 50, 100.
std::vector<int> CoachingSettingValues(CoachingSetting setting);

} // namespace hv
