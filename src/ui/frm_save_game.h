// Save screen: a name for the league and a Save button.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

class frmSaveGame : public QDialog {
    Q_OBJECT
  public:
    frmSaveGame(League& league, Host& host, QWidget* parent = nullptr);
    QLineEdit* NameField() const { return name_; }
    QPushButton* SaveButton() const { return save_; }

  private:
    void OnSave();
    League& league_;
    Host& host_;
    QLineEdit* name_;
    QPushButton* save_;
};

} // namespace hv
