// Commish Login: the league password gives the commissioner's rights.
#pragma once

#include <QDialog>
#include <QLineEdit>

#include "league/season_state.h"
#include "platform/host.h"

namespace hv {

class frmCommish : public QDialog {
    Q_OBJECT
  public:
    frmCommish(SeasonState& state, Host& host, QWidget* parent = nullptr);
    QLineEdit* PasswordField() const { return password_; }
    void Login();

  private:
    SeasonState& state_;
    Host& host_;
    QLineEdit* password_;
};

} // namespace hv
