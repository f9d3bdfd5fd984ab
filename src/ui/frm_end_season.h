// The end-of-season screen: runs the end of the season as it opens and lists each step's caption as the step
// begins; closing it files the season's box-score files.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

class frmEndSeason : public QDialog {
    Q_OBJECT
  public:
    frmEndSeason(League& league, Host& host, QWidget* parent = nullptr);

    // Runs the steps (once); false when the end of the season was refused.
    bool RunSteps();
    QListWidget* Steps() const { return steps_; }
    QPushButton* CloseButton() const { return close_; }

    void done(int result) override;

  private:
    League& league_;
    Host& host_;
    QListWidget* steps_;
    QPushButton* close_;
    bool ended_ = false;
};

// Opens the screen from the hub; refused (with its message) where only the commissioner may end the season.
void OpenEndSeason(League& league, Host& host, QWidget* parent);

} // namespace hv
