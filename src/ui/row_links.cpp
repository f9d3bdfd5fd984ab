#include "row_links.h"

namespace hv {

namespace {
RowOpeners& Openers() {
    static RowOpeners openers;
    return openers;
}
} // namespace

void InstallRowOpeners(RowOpeners openers) {
    Openers() = std::move(openers);
}

bool OpenRow(QWidget* from, RowKind kind, int key) {
    if (key <= 0) return false;
    const RowOpeners& o = Openers();
    switch (kind) {
    case RowKind::Player:
        if (!o.player) return false;
        o.player(from, key);
        return true;
    case RowKind::Team:
        if (!o.team) return false;
        o.team(from, key);
        return true;
    case RowKind::Game:
        if (!o.game) return false;
        o.game(from, key);
        return true;
    case RowKind::None:
        break;
    }
    return false;
}

} // namespace hv
