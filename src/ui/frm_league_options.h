// League Options: injuries, box scores, the commissioner locks, the salary cap, the game engine and the trade
// judgement.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "league/season_state.h"
#include "platform/host.h"

namespace hv {

class frmLeagueOptions : public QDialog {
    Q_OBJECT
  public:
    frmLeagueOptions(SeasonState& state, Host& host, QWidget* parent = nullptr);
    QCheckBox* Box(const char* name) const { return findChild<QCheckBox*>(QLatin1String(name)); }
    QLineEdit* SalaryCapField() const { return salaryCap_; }
    QComboBox* EngineList() const { return engine_; }
    QComboBox* TradesList() const { return trades_; }

    // OK: the options stay as changed. Cancel, Escape, closing the window: the options as they were.
    void accept() override;
    void reject() override;

  private:
    QCheckBox* AddBox(const char* name, const QString& caption, bool& value);
    void OnSalaryCapLeft();
    // A choice of engine or trade judgement: kept, or put back after the commissioner's refusal.
    void OnRulesChosen();

    SeasonState& state_;
    Host& host_;
    const SeasonState original_;
    QLineEdit* salaryCap_;
    QComboBox* engine_;
    QComboBox* trades_;
};

} // namespace hv
