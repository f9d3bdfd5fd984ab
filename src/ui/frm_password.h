// Set/Change League Password: no password, or a password typed in.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "league/season_state.h"
#include "platform/host.h"

namespace hv {

class frmPassword : public QDialog {
    Q_OBJECT
  public:
    frmPassword(SeasonState& state, Host& host, QWidget* parent = nullptr);
    QRadioButton* NoPasswordChoice() const { return none_; }
    QRadioButton* SetPasswordChoice() const { return set_; }
    QLineEdit* PasswordField() const { return password_; }
    void Confirm();

  private:
    void ShowField(bool shown);
    SeasonState& state_;
    Host& host_;
    QRadioButton* none_;
    QRadioButton* set_;
    QLineEdit* password_;
};

} // namespace hv
