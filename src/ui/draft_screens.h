// What the hub's New Game and Draft commands open: the new-league screen, the creation draft (its order,
// then the draft), the rookie draft, the draft order, the draft preview, the past first picks, the rookie
// import, and Reset League.
#pragma once

#include "hub_screens.h"

namespace hv {

void OpenNewGame(HubContext& hub);
void OpenCreationDraft(HubContext& hub);
void OpenRookieDraft(HubContext& hub);
void OpenResumeDraft(HubContext& hub);
void OpenDraftOrder(HubContext& hub);
void OpenDraftPreview(HubContext& hub);
void OpenFirstPicks(HubContext& hub);
// Without a file name the user picks one in the import folder.
void OpenImportRookies(HubContext& hub, const QString& file = {});
void OpenResetLeague(HubContext& hub);

} // namespace hv
