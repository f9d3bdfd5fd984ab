// Edit Current League: the commissioner's player editor and team editor, one tab each. Every field of the
// chosen player or team is shown; Save checks the whole edit in the core and stores it, or says why not and
// changes nothing. Over the working default league database the same screen is Edit Default League: each
// saved edit is written to the database, and Save League As keeps it as a default league file.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>
#include <map>
#include <string>

#include "league/league.h"
#include "league/league_editor.h"
#include "platform/host.h"
#include "platform/sqlite_db.h"

namespace hv {

class frmEditLeague : public QDialog {
    Q_OBJECT
  public:
    frmEditLeague(League& league, Host& host, QWidget* parent = nullptr);
    // The default-league editor: `league` read from `database`, which each saved edit is written to;
    // `saveAs` runs the Save League As command.
    frmEditLeague(League& league, Host& host, SqliteDb& database, std::function<void()> saveAs,
                  QWidget* parent = nullptr);

    // The field editors by field name ("Age", "contract1", "Pace"), for the tests.
    QWidget* PlayerField(const std::string& field) const { return playerFields_.at(field); }
    QWidget* TeamField(const std::string& field) const { return teamFields_.at(field); }
    QComboBox* PlayerChoice() const { return playerChoice_; }
    QComboBox* TeamChoice() const { return teamChoice_; }
    // Stores the shown player's or team's fields; false (nothing changed) when the core refused them.
    bool SavePlayer();
    bool SaveTeam();

  private:
    QWidget* BuildPlayerTab();
    QWidget* BuildTeamTab();
    QWidget* PlayerEditorFor(const std::string& field);
    QWidget* TeamEditorFor(const std::string& field);
    void FillPlayerChoice();
    void ShowPlayer();
    void ShowTeam();
    void OpenImport();
    void Build();
    // Writes a saved edit through to the default league database; false (with the message) when that failed.
    bool WriteThrough();
    int SelectedPlayer() const;
    int SelectedTeam() const;

    League& league_;
    Host& host_;
    SqliteDb* database_ = nullptr;
    std::function<void()> saveAs_;
    QComboBox* rosterChoice_ = nullptr; // the team whose players the player list shows
    QComboBox* playerChoice_ = nullptr;
    QComboBox* teamChoice_ = nullptr;
    QLabel* derived_ = nullptr;
    std::map<std::string, QWidget*> playerFields_, teamFields_;
};

// A field editor's value as the core reads it.
std::string EditorText(const QWidget* editor);
// Shows a value in a field editor.
void SetEditorText(QWidget* editor, const std::string& text);

} // namespace hv
