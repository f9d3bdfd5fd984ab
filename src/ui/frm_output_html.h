// The Output HTML screen: the site's options (player pages, retired player pages, the three sortable lists)
// and its seven colours with a colour chooser and a reset, then Output with each step's message and a
// progress bar, Stop, Clear Files and Open in Browser.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <array>
#include <functional>

#include "league/league.h"
#include "screen_host.h"

namespace hv {

class frmOutputHtml : public QDialog {
    Q_OBJECT
  public:
    frmOutputHtml(League& league, Host& host, QWidget* parent = nullptr);

    QPushButton* Button(const char* name) const;
    QCheckBox* PageBox(int i) const { return pages_[static_cast<size_t>(i)]; }
    QCheckBox* PreviousBoxesBox() const { return previousBoxes_; }
    QPushButton* ColourButton(int i) const { return colours_[static_cast<size_t>(i)]; }
    QListWidget* Log() const { return log_; }
    QProgressBar* Progress() const { return progress_; }
    bool Running() const { return running_; }

    // What the buttons run.
    void Output();
    void ClearFiles();
    void ResetColours();
    void OpenInBrowser();
    // Chooses colour `i`; the chooser is replaceable so that a test can answer it.
    void ChooseColour(int i);
    std::function<QColor(const QColor& current, const QString& title)> colourChooser;
    // Opens a page in the desktop's browser; replaceable for tests.
    std::function<bool(const QString& file)> browser;

    void reject() override;

  private:
    void ShowColours();
    void SetRunning(bool running);

    League& league_;
    Host& host_;
    ScreenHost runHost_;
    std::array<QCheckBox*, 5> pages_{};
    QCheckBox* previousBoxes_ = nullptr;
    std::array<QPushButton*, 7> colours_{};
    QListWidget* log_;
    QProgressBar* progress_;
    QPushButton *output_, *stop_, *clear_, *reset_, *open_, *close_;
    bool running_ = false;
};

void OpenOutputHtml(League& league, Host& host, QWidget* parent);

} // namespace hv
