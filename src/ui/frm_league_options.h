// League Options: injuries, box scores, the commissioner locks and the salary cap.
#pragma once

#include <QCheckBox>
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

    // OK: the options stay as changed. Cancel, Escape, closing the window: the options as they were.
    void accept() override;
    void reject() override;

  private:
    QCheckBox* AddBox(const char* name, const QString& caption, bool& value);
    void OnSalaryCapLeft();

    SeasonState& state_;
    Host& host_;
    const SeasonState original_;
    QLineEdit* salaryCap_;
};

} // namespace hv
