// Where the players go: off-ball movement of the four without the ball, with the defence following its men.
#include "engine/game.h"

namespace hv {

namespace {

// One row of the movement table: thresholds (closed at the top) and the zone of each band; the last zone
// takes every draw above the last threshold.
struct MoveRow {
    double upTo[4];
    int8_t zone[5];
};

constexpr double kNever = 2.0;

// Groups of court slots that move alike: 0 C and PF, 1 SF, 2 SG, 3 PG.
int MoveGroup(int slot) {
    return slot <= 2 ? 0 : slot - 2;
}

// Rows for zones 2 to 7 by style (0 Inside, 1 Balanced, 2 Outside) and group.
constexpr MoveRow kMoves[8][3][4] = {
    {},
    {},
    // Top of the key: to the top, inside, left wing, else right wing.
    {{{{0.2, 0.75, 0.875, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.6, 0.8, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.55, 0.775, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.55, 0.775, kNever}, {2, 3, 6, 7}}},
     {{{0.2, 0.7, 0.85, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.5, 0.75, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.5, 0.75, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.5, 0.75, kNever}, {2, 3, 6, 7}}},
     {{{0.2, 0.6, 0.8, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.45, 0.725, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.45, 0.725, kNever}, {2, 3, 6, 7}},
      {{0.2, 0.45, 0.725, kNever}, {2, 3, 6, 7}}}},
    // Inside: to the top, right baseline, left baseline, left wing, else right wing.
    {{{{0.16, 0.53, 0.9, 0.95}, {2, 5, 4, 6, 7}},
      {{0.2, 0.5, 0.8, 0.9}, {2, 5, 4, 6, 7}},
      {{0.2, 0.5, 0.8, 0.9}, {2, 5, 4, 6, 7}},
      {{0.2, 0.5, 0.8, 0.9}, {2, 5, 4, 6, 7}}},
     {{{0.2, 0.55, 0.9, 0.95}, {2, 5, 4, 6, 7}},
      {{0.2, 0.45, 0.7, 0.85}, {2, 5, 4, 6, 7}},
      {{0.2, 0.45, 0.7, 0.85}, {2, 5, 4, 6, 7}},
      {{0.2, 0.45, 0.7, 0.85}, {2, 5, 4, 6, 7}}},
     {{{0.2, 0.5, 0.8, 0.9}, {2, 5, 4, 6, 7}},
      {{0.2, 0.4, 0.6, 0.8}, {2, 5, 4, 6, 7}},
      {{0.2, 0.4, 0.6, 0.8}, {2, 5, 4, 6, 7}},
      {{0.2, 0.4, 0.6, 0.8}, {2, 5, 4, 6, 7}}}},
    // Left baseline: inside, stay, else left wing.
    {{{{0.525, 0.95, kNever, kNever}, {3, 4, 6}},
      {{0.425, 0.85, kNever, kNever}, {3, 4, 6}},
      {{0.425, 0.75, kNever, kNever}, {3, 4, 6}},
      {{0.425, 0.75, kNever, kNever}, {3, 4, 6}}},
     {{{0.5, 0.9, kNever, kNever}, {3, 4, 6}},
      {{0.4, 0.7, kNever, kNever}, {3, 4, 6}},
      {{0.4, 0.7, kNever, kNever}, {3, 4, 6}},
      {{0.4, 0.7, kNever, kNever}, {3, 4, 6}}},
     {{{0.475, 0.85, kNever, kNever}, {3, 4, 6}},
      {{0.375, 0.65, kNever, kNever}, {3, 4, 6}},
      {{0.375, 0.65, kNever, kNever}, {3, 4, 6}},
      {{0.375, 0.65, kNever, kNever}, {3, 4, 6}}}},
    // Right baseline: inside, stay, else right wing.
    {{{{0.525, 0.95, kNever, kNever}, {3, 5, 7}},
      {{0.425, 0.75, kNever, kNever}, {3, 5, 7}},
      {{0.425, 0.75, kNever, kNever}, {3, 5, 7}},
      {{0.425, 0.75, kNever, kNever}, {3, 5, 7}}},
     {{{0.5, 0.9, kNever, kNever}, {3, 5, 7}},
      {{0.4, 0.7, kNever, kNever}, {3, 5, 7}},
      {{0.4, 0.7, kNever, kNever}, {3, 5, 7}},
      {{0.4, 0.7, kNever, kNever}, {3, 5, 7}}},
     {{{0.475, 0.85, kNever, kNever}, {3, 5, 7}},
      {{0.375, 0.65, kNever, kNever}, {3, 5, 7}},
      {{0.375, 0.65, kNever, kNever}, {3, 5, 7}},
      {{0.375, 0.65, kNever, kNever}, {3, 5, 7}}}},
    // Left wing: to the top, inside, left baseline, else stay.
    {{{{0.15, 0.55, 0.95, kNever}, {2, 3, 4, 6}},
      {{0.15, 0.55, 0.95, kNever}, {2, 3, 4, 6}},
      {{0.25, 0.55, 0.95, kNever}, {2, 3, 4, 6}},
      {{0.25, 0.55, 0.95, kNever}, {2, 3, 4, 6}}},
     {{{0.2, 0.55, 0.9, kNever}, {2, 3, 4, 6}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 4, 6}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 4, 6}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 4, 6}}},
     {{{0.25, 0.55, 0.85, kNever}, {2, 3, 4, 6}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 4, 6}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 4, 6}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 4, 6}}}},
    // Right wing: to the top, inside, right baseline, else stay.
    {{{{0.15, 0.55, 0.95, kNever}, {2, 3, 5, 7}},
      {{0.25, 0.55, 0.95, kNever}, {2, 3, 5, 7}},
      {{0.25, 0.55, 0.95, kNever}, {2, 3, 5, 7}},
      {{0.25, 0.55, 0.85, kNever}, {2, 3, 5, 7}}},
     {{{0.2, 0.55, 0.9, kNever}, {2, 3, 5, 7}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 5, 7}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 5, 7}},
      {{0.3, 0.55, 0.9, kNever}, {2, 3, 5, 7}}},
     {{{0.25, 0.55, 0.85, kNever}, {2, 3, 5, 7}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 5, 7}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 5, 7}},
      {{0.35, 0.55, 0.85, kNever}, {2, 3, 5, 7}}}},
};

// From the Backcourt every style moves alike.
constexpr MoveRow kFromBackcourtBig = {{0.5, 0.75, kNever, kNever}, {2, 6, 7}};
constexpr MoveRow kFromBackcourt = {{0.3, 0.5, 0.75, kNever}, {1, 2, 6, 7}};

// The thresholds of every row rise, so the band of a draw is the count of thresholds below it: four compares
// and no branch on the random number.
constexpr bool Rises(const MoveRow& row) {
    for (int i = 1; i < 4; ++i)
        if (row.upTo[i] < row.upTo[i - 1]) return false;
    return true;
}
constexpr bool EveryRowRises() {
    for (const auto& byZone : kMoves)
        for (const auto& byStyle : byZone)
            for (const MoveRow& row : byStyle)
                if (!Rises(row)) return false;
    return Rises(kFromBackcourtBig) && Rises(kFromBackcourt);
}
static_assert(EveryRowRises(), "a movement row's thresholds must rise");

int16_t ZoneFromRow(const MoveRow& row, double r) {
    const int band =
        int(r > row.upTo[0]) + int(r > row.upTo[1]) + int(r > row.upTo[2]) + int(r > row.upTo[3]);
    return row.zone[band];
}

} // namespace

int16_t clsGame::NextZone(int slot, int zone, int style, double r) {
    if (zone <= 1) return ZoneFromRow(MoveGroup(slot) == 0 ? kFromBackcourtBig : kFromBackcourt, r);
    return ZoneFromRow(kMoves[zone][style][MoveGroup(slot)], r);
}

void clsGame::OffBallMovement() {
    Side& offence = side_[possession_];
    Side& defence = side_[Def()];
    for (int slot = 1; slot <= 5; ++slot) {
        if (slot != ballHandler_) {
            const int8_t at = dressedAt_[static_cast<size_t>(offence.lineUp[slot])];
            const int style =
                at >= 0 ? dressedValues_[static_cast<size_t>(at)].style[static_cast<size_t>(slot)] : 0;
            offence.zone[slot] = NextZone(slot, offence.zone[slot], style, Rand());
        }
        // The defence follows its men. Zone by zone: copying the whole array straight after these small
        // writes would wait for them to reach memory.
        defence.zone[slot] = offence.zone[slot];
    }
    defence.zone[0] = offence.zone[0];
}

} // namespace hv
