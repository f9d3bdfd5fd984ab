#include "frm_load_game.h"

#include "reports/saved_games_table.h"

namespace hv {

frmLoadGame::frmLoadGame(League& league, Host& host, QWidget* parent)
    : TableScreen(
          QStringLiteral("Load Game"),
          [this](int) {
              // Read again on every refresh; a save folder that cannot be read says why above the list.
              std::string problem;
              games_ = ListSavedGames(league_.programFolder, &problem);
              ReportTable table = SavedGamesTable(games_);
              table.title = problem;
              return table;
          },
          parent),
      league_(league), host_(host) {
    load_ = AddButton(QStringLiteral("&Load"), [this] { OnLoad(); });
    load_->setObjectName(QStringLiteral("cmdLoad"));
    load_->setDefault(true);
    delete_ = AddButton(QStringLiteral("&Delete"), [this] { OnDelete(); });
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    connect(View(), &QTableView::doubleClicked, this, [this] { OnLoad(); });
    connect(this, &TableScreen::selectionChanged, this, [this] { UpdateButtons(); });
    Refresh();
    if (league_.leagueOpen && !league_.savedGame.name.empty())
        SelectFile(SaveFileName(league_.savedGame.name));
    if (SelectedFile().empty() && !games_.empty()) SelectKey(1);
    UpdateButtons();
}

std::string frmLoadGame::SelectedFile() const {
    int key = SelectedKey();
    return key >= 1 && static_cast<size_t>(key) <= games_.size()
               ? games_[static_cast<size_t>(key) - 1].fileName
               : std::string();
}

void frmLoadGame::SelectFile(const std::string& fileName) {
    for (size_t i = 0; i < games_.size(); ++i)
        if (games_[i].fileName == fileName) SelectKey(static_cast<int>(i) + 1);
}

void frmLoadGame::UpdateButtons() {
    bool selected = !SelectedFile().empty();
    load_->setEnabled(selected);
    delete_->setEnabled(selected);
}

void frmLoadGame::OnLoad() {
    std::string file = SelectedFile();
    if (file.empty()) return;
    // The open league is about to be replaced: its unsaved changes are offered a save first.
    if (!OfferToSaveChanges(league_, host_)) return;
    load_->setEnabled(false);
    delete_->setEnabled(false);
    bool loaded = LoadSavedGame(league_, file, host_);
    UpdateButtons();
    if (loaded) accept();
}

void frmLoadGame::OnDelete() {
    if (!DeleteSavedGame(league_.programFolder, SelectedFile(), host_)) return;
    Refresh();
    if (!games_.empty()) SelectKey(1);
    UpdateButtons();
}

} // namespace hv
