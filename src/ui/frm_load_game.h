// Load screen: the saved games of the save folder, with their season and phase, and Load, Delete and Close.
#pragma once

#include <QPushButton>
#include <string>
#include <vector>

#include "league/league.h"
#include "league/saved_games.h"
#include "platform/host.h"
#include "table_screen.h"

namespace hv {

class frmLoadGame : public TableScreen {
    Q_OBJECT
  public:
    // Opens with the open league's saved game selected (the first one when no league is open).
    frmLoadGame(League& league, Host& host, QWidget* parent = nullptr);
    QPushButton* LoadButton() const { return load_; }
    QPushButton* DeleteButton() const { return delete_; }

    // The saved games listed, in the order of their row keys (key = index + 1).
    const std::vector<SavedGameEntry>& Games() const { return games_; }
    // The file of the selected row ("NAME.sav"), empty when nothing is selected.
    std::string SelectedFile() const;
    void SelectFile(const std::string& fileName);

  private:
    void OnLoad();
    void OnDelete();
    // Load and Delete act on the selection: without one they are off.
    void UpdateButtons();

    League& league_;
    Host& host_;
    std::vector<SavedGameEntry> games_;
    QPushButton* load_;
    QPushButton* delete_;
};

} // namespace hv
