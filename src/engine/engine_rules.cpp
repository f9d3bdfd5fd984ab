#include "engine/engine_rules.h"

#include <optional>
#include <type_traits>

namespace hv {

namespace {

std::optional<EngineRules>& Tried() {
    static std::optional<EngineRules> tried;
    return tried;
}

// Calls f(name, field) for every parameter, in declaration order.
template <class Rules, class F> void EachParameter(Rules& r, F&& f) {
    f("ActionTimeScale", r.ActionTimeScale);
    f("TeamReboundShare", r.TeamReboundShare);
    f("ReboundWeightPower", r.ReboundWeightPower);
    f("AssistChance", r.AssistChance);
    f("AssistPassingSlope", r.AssistPassingSlope);
    f("ThreePointChanceScale", r.ThreePointChanceScale);
    f("FieldGoalMakeAdjustment", r.FieldGoalMakeAdjustment);
    f("ThreePointMakeAdjustment", r.ThreePointMakeAdjustment);
    f("ShootingFoulFactor", r.ShootingFoulFactor);
    f("ReachInFoulFactor", r.ReachInFoulFactor);
    f("TravelChanceScale", r.TravelChanceScale);
    f("StartersKeepToPlannedMinutes", r.StartersKeepToPlannedMinutes);
    f("PassTargetBase", r.PassTargetBase);
    f("PointGuardTargetBonus", r.PointGuardTargetBonus);
    f("KeyPlayerBonusScale", r.KeyPlayerBonusScale);
    f("CloseGameSeconds", r.CloseGameSeconds);
    f("CloseGameMargin", r.CloseGameMargin);
    f("CloseGameShotEdge", r.CloseGameShotEdge);
}

} // namespace

EngineRules EngineRules::Calibrated() {
    if (Tried()) return *Tried();
    EngineRules r;
    r.ActionTimeScale = 1.57;
    r.TeamReboundShare = 0.09;
    r.ReboundWeightPower = 3;
    r.AssistChance = 0.64;
    r.AssistPassingSlope = 0.03;
    r.ThreePointChanceScale = 1.65;
    r.FieldGoalMakeAdjustment = 0.025;
    r.ThreePointMakeAdjustment = -0.035;
    r.ShootingFoulFactor = 0.48;
    r.ReachInFoulFactor = 4;
    r.TravelChanceScale = 4;
    r.StartersKeepToPlannedMinutes = true;
    r.PassTargetBase = 15;
    r.PointGuardTargetBonus = 40;
    r.KeyPlayerBonusScale = 0;
    r.CloseGameSeconds = 240;
    r.CloseGameMargin = 4;
    r.CloseGameShotEdge = 0.3;
    return r;
}

std::vector<std::pair<std::string, double>> EngineRules::Parameters() const {
    std::vector<std::pair<std::string, double>> out;
    EachParameter(*this, [&](const char* name, const auto& value) { out.emplace_back(name, double(value)); });
    return out;
}

bool EngineRules::Set(const std::string& name, double value) {
    bool found = false;
    EachParameter(*this, [&](const char* n, auto& field) {
        if (name != n) return;
        field = static_cast<std::remove_reference_t<decltype(field)>>(value);
        found = true;
    });
    return found;
}

void EngineRules::TryCalibrated(const EngineRules& rules) {
    Tried() = rules;
}

void EngineRules::ClearTried() {
    Tried().reset();
}

} // namespace hv
