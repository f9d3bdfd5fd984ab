// Load screen: the saved games of the save folder with Load, Delete and Exit.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

class frmLoadGame : public QDialog {
    Q_OBJECT
  public:
    frmLoadGame(League& league, Host& host, QWidget* parent = nullptr);
    QListWidget* FileList() const { return files_; }
    QPushButton* LoadButton() const { return load_; }
    QPushButton* DeleteButton() const { return delete_; }

  private:
    void Refresh();
    void OnLoad();
    void OnDelete();
    std::string Selected() const;

    League& league_;
    Host& host_;
    QListWidget* files_;
    QPushButton* load_;
    QPushButton* delete_;
    QPushButton* exit_;
};

} // namespace hv
