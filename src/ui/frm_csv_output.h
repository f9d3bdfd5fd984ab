// CSV Output: the kind of file and its players (all, one file per team, the draft class, the free agents or
// one team), written to the program folder's output folder. The database export of the hub is here too.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"
#include "qt_host.h"

namespace hv {

class frmCSVOutput : public QDialog {
    Q_OBJECT
  public:
    frmCSVOutput(const League& league, Host& host, QWidget* parent = nullptr);
    QComboBox* KindChoice() const { return kind_; }
    QComboBox* ScopeChoice() const { return scope_; }
    QPushButton* ExportButton() const { return export_; }
    // Writes the chosen kind and scope; the files written (empty after a refusal).
    std::vector<std::filesystem::path> Export();

  private:
    void ShowScope();
    const League& league_;
    Host& host_;
    QComboBox* kind_;
    QComboBox* scope_;
    QLabel* scopeNote_;
    QPushButton* export_;
};

// The hub's Output MDB: the whole league as output/NAME.sqlite, each step shown with the busy pointer.
void OutputDatabase(const League& league, QtHost& host);

} // namespace hv
