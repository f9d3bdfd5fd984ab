// One number for a game of the schedule, as lists and result lines key it: day * 100 + game.
#pragma once

namespace hv {

constexpr int GameKey(int day, int game) {
    return day * 100 + game;
}
constexpr int DayOfGameKey(int key) {
    return key / 100;
}
constexpr int GameOfGameKey(int key) {
    return key % 100;
}

} // namespace hv
