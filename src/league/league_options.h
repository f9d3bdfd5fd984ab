// League options, the league password and the commissioner: the rules behind the options, password and login
// screens and the commissioner checks of the hub and the command line. Messages go through the Host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/season_state.h"
#include "platform/host.h"

namespace hv {

// ---- Salary cap field ----

// The largest cap the saved game can hold: it stores whole dollars in 32 bits.
constexpr int64_t kMaxSalaryCapDollars = 2147483647;

// The cap as the options field shows it: "$" and whole dollars with thousands separators ("$42,500,000").
std::string SalaryCapText(int64_t dollars);

// What a typed cap means: every "$" and "," removed, blanks ignored, then the leading number of the rest
// (sign, digits, decimal point, exponent); 0 when there is none.
double SalaryCapTextValue(std::string_view text);

// True unless the commas of the typed cap's number stand elsewhere than between groups of thousands
// ("$1,2,3", "42,50,000" and "1," are refused; "$42,500,000" and "42500000" pass).
bool SalaryCapSeparatorsGroupThousands(std::string_view text);

// Leaving the cap field: stores the typed cap rounded to whole dollars and returns true. Misplaced commas
// and a value below 0 or above kMaxSalaryCapDollars are refused with a message (title "League Options") and
// the cap stays.
bool SetSalaryCapFromText(SeasonState& state, std::string_view text, Host& host);

// ---- Password ----

// True when the league has a password (anything but "N/A").
bool HasPassword(const SeasonState& state);

// The stored form of a password and back. Each printable ASCII character (32 to 126) at 0-based position i is
// rotated forward by (7 + 3 i) mod 95 within that range; every other byte is kept, so UTF-8 text stays UTF-8.
std::string ScramblePassword(std::string_view plain);
std::string UnscramblePassword(std::string_view stored);

// Password screen, confirming. No value means the "no password" choice: the password becomes "N/A" and the
// commissioner rights are granted. A new password that is empty, "N/A", not UTF-8, longer than 255 bytes or
// holds a control character is refused with "Invalid Password" (critical icon); the old one stays.
// Returns true when the password was set (the screen closes).
bool SetLeaguePassword(SeasonState& state, const std::optional<std::string>& newPassword, Host& host);

// Commish login screen: a case-sensitive comparison with the league password. Equal: rights on and
// "Login Complete"; different: rights off and "Login Failed". Returns whether the login succeeded.
bool CommishLogin(SeasonState& state, const std::string& entered, Host& host);

// ---- Game engine and trade judgement ----

// The choices as the screens and the command line name them: "As specified" and "Calibrated"; "As
// specified" and "Shrewd".
std::string GameEngineText(GameEngine engine);
std::string TradeJudgementText(TradeJudgement trades);

// Until the league's first season has begun (day 1 of its first season) whoever holds the league may choose
// them; from then on only the commissioner (or anyone in a league without a password), since they change
// how the league's results come about.
bool MayChangeLeagueRules(const SeasonState& state);
// Refused with kEditLeagueRefusal (title "League Options") when MayChangeLeagueRules fails.
bool CheckMayChangeLeagueRules(const SeasonState& state, Host& host);

// ---- Commissioner gating ----

// League Options, Set/Change League Password and Output MDB: on without a password or with rights.
bool CanEditOptions(const SeasonState& state);
bool CanSetPassword(const SeasonState& state);
bool CanExportDatabase(const SeasonState& state);
// Commish Login: on only while the league has a password and the user has no rights.
bool CanCommishLogin(const SeasonState& state);

// Rules that also refuse with a message (no title) when they fail.
inline constexpr const char* kEditLeagueRefusal =
    "You must log in as the league commissioner to edit the league.";
inline constexpr const char* kEndSeasonRefusal = "Only the commish may end the season in this league.";
inline constexpr const char* kSimulateRefusal = "Games in this league may only be simmed by the commish.";

bool MayEditLeague(const SeasonState& state);
bool MayEndSeason(const SeasonState& state);
bool MaySimulate(const SeasonState& state);

// Edit Current League: refused with kEditLeagueRefusal (title "Edit League") without rights.
bool CheckMayEditLeague(const SeasonState& state, Host& host);
// End Season: refused with kEndSeasonRefusal when the league locks the end of season and the user has no
// rights.
bool CheckMayEndSeason(const SeasonState& state, Host& host);
// Simulation: refused with kSimulateRefusal when the league locks simulation and the user has no rights.
bool CheckMaySimulate(const SeasonState& state, Host& host);

} // namespace hv
