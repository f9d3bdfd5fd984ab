#include "help_viewer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace hv {

HelpViewer::HelpViewer(const std::filesystem::path& helpFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Hoopvale Help"));
    resize(760, 560); // a reading window: a fixed, generous size rather than its contents
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto index = helpFolder / "index.html";
    if (std::filesystem::exists(index)) {
        browser_->setSearchPaths({QString::fromStdString(helpFolder.string())});
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(index.string())));
    } else {
        browser_->setHtml(QStringLiteral("<p>The help pages are missing from the program folder.</p>"));
    }
    auto* buttons = new QDialogButtonBox(this);
    auto* back = buttons->addButton(QStringLiteral("&Back"), QDialogButtonBox::ActionRole);
    auto* contents = buttons->addButton(QStringLiteral("&Contents"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
}

} // namespace hv
