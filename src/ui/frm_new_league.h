// The new-league screen: name, first season, league type, player source, potential randomization, password
// the game engine, the trade judgement and the human teams; OK creates the league.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "platform/host.h"
#include "setup/new_league.h"

namespace hv {

class frmNewLeague : public QDialog {
    Q_OBJECT
  public:
    frmNewLeague(Session& session, Host& host, QWidget* parent = nullptr);

    // False when the database gave no teams (the message has been shown); the screen should not open.
    bool Ready() const { return ready_; }
    // The choices as the fields hold them.
    NewLeagueChoices Choices() const;
    // The teams with the owners and flags set on the screen.
    const NewLeagueTeams& Teams() const { return teams_; }
    bool CreatedCreationDraft() const { return createdCreation_; }

    QLineEdit* NameField() const { return name_; }
    QLineEdit* FirstSeasonField() const { return firstSeason_; }
    QComboBox* TypeList() const { return type_; }
    QComboBox* SourceList() const { return source_; }
    QComboBox* RandomizationList() const { return randomization_; }
    QLineEdit* PasswordField() const { return password_; }
    QComboBox* EngineList() const { return engine_; }
    QComboBox* TradesList() const { return trades_; }
    QTableWidget* TeamList() const { return teamList_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    void FillTeams();
    void SetAllOwners(const std::string& owner);
    void OnFirstSeasonLeft();
    void OnTypeChanged();
    void OnDefaultLeagueChanged();
    void OnOk();

    Session& session_;
    Host& host_;
    NewLeagueTeams teams_;
    bool ready_ = false;
    bool createdCreation_ = false;
    QLineEdit* name_;
    QLineEdit* firstSeason_;
    QComboBox* type_;
    QComboBox* source_;
    QComboBox* defaultLeague_;
    QComboBox* randomization_;
    QLineEdit* password_;
    QComboBox* engine_;
    QComboBox* trades_;
    QTableWidget* teamList_;
    QPushButton* ok_;
};

} // namespace hv
