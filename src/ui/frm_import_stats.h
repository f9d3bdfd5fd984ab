// Import from Statistics: a file of season statistics from the import folder, previewed with the ratings the
// model gives its players, then added to the league: onto the teams the file names, or all onto one team, the
// free agents or the draft class.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"
#include "report_view.h"
#include "setup/stats_import.h"

namespace hv {

class frmImportStats : public QDialog {
    Q_OBJECT
  public:
    frmImportStats(League& league, Host& host, QWidget* parent = nullptr);

    QComboBox* FileChoice() const { return file_; }
    QComboBox* Destination() const { return to_; }
    ReportView* Preview() const { return preview_; }
    QLabel* Status() const { return status_; }
    // Adds the previewed players; the number added, 0 when the core refused.
    int Import();

  private:
    void ReadChosenFile();

    League& league_;
    Host& host_;
    QComboBox* file_;
    QComboBox* to_;
    ReportView* preview_;
    QLabel* status_;
    QPushButton* import_;
};

} // namespace hv
