// The program's help, HTML pages of the program folder shown in a browser window of our own.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <filesystem>

namespace hv {

class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    HelpViewer(const std::filesystem::path& helpFolder, QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace hv
