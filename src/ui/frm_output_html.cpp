#include "frm_output_html.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "league/html_text.h"
#include "reports/league_site.h"
#include "reports/site_page.h"
#include "setup/startup.h"

namespace hv {

namespace {

const char* kPageTexts[5] = {"&Player pages", "&Retired player pages", "Sortable &draft list",
                             "Sortable &free-agent list", "Sortable team &statistics"};
const char* kPageNames[5] = {"chkPlayerPages", "chkRetiredPages", "chkSortDraft", "chkSortFA",
                             "chkSortStats"};

} // namespace

frmOutputHtml::frmOutputHtml(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host), runHost_(host) {
    setObjectName(QStringLiteral("frmOutputHtml"));
    setWindowTitle(QStringLiteral("Output HTML"));
    colourChooser = [this](const QColor& current, const QString& title) {
        return QColorDialog::getColor(current, this, title);
    };
    browser = [](const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };

    auto* options = new QGroupBox(QStringLiteral("Pages"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(kPageTexts[i]), options);
        box->setObjectName(QString::fromLatin1(kPageNames[i]));
        box->setChecked(league.state.SitePages[static_cast<size_t>(i)]);
        // Stored with the league's options at once.
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool on) { league_.state.SitePages[static_cast<size_t>(i)] = on; });
        optionsLayout->addWidget(box);
        pages_[static_cast<size_t>(i)] = box;
    }
    // Not an option of the league: a choice of this run, for games played while the site was not kept.
    previousBoxes_ = new QCheckBox(QStringLiteral("Box pages of earlier &games"), options);
    previousBoxes_->setObjectName(QStringLiteral("chkPreviousBoxes"));
    optionsLayout->addWidget(previousBoxes_);
    optionsLayout->addStretch();

    auto* colours = new QGroupBox(QStringLiteral("Colours"), this);
    auto* grid = new QGridLayout(colours);
    for (int i = 0; i < 7; ++i) {
        auto* button = new QPushButton(colours);
        button->setObjectName(QStringLiteral("cmdColour%1").arg(i));
        button->setMinimumWidth(90);
        connect(button, &QPushButton::clicked, this, [this, i] { ChooseColour(i); });
        grid->addWidget(new QLabel(QString::fromLatin1(SiteColourNames()[static_cast<size_t>(i)]), colours),
                        i, 0);
        grid->addWidget(button, i, 1);
        colours_[static_cast<size_t>(i)] = button;
    }
    reset_ = new QPushButton(QStringLiteral("R&eset Colours"), colours);
    reset_->setObjectName(QStringLiteral("cmdResetColours"));
    connect(reset_, &QPushButton::clicked, this, &frmOutputHtml::ResetColours);
    grid->addWidget(reset_, 7, 1);

    log_ = new QListWidget(this);
    log_->setObjectName(QStringLiteral("lstLog"));
    log_->setMinimumHeight(160);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgOutput"));
    progress_->setValue(0);
    runHost_.SetProgressBar(progress_);

    output_ = new QPushButton(QStringLiteral("&Output"), this);
    output_->setObjectName(QStringLiteral("cmdOutput"));
    output_->setDefault(true);
    stop_ = new QPushButton(QStringLiteral("S&top"), this);
    stop_->setObjectName(QStringLiteral("cmdStop"));
    stop_->setEnabled(false);
    clear_ = new QPushButton(QStringLiteral("C&lear Files"), this);
    clear_->setObjectName(QStringLiteral("cmdClearFiles"));
    open_ = new QPushButton(QStringLiteral("Open in &Browser"), this);
    open_->setObjectName(QStringLiteral("cmdOpenBrowser"));
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    connect(output_, &QPushButton::clicked, this, &frmOutputHtml::Output);
    connect(stop_, &QPushButton::clicked, this, [this] { runHost_.RequestStop(); });
    connect(clear_, &QPushButton::clicked, this, &frmOutputHtml::ClearFiles);
    connect(open_, &QPushButton::clicked, this, &frmOutputHtml::OpenInBrowser);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(options);
    top->addWidget(colours);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {output_, stop_, clear_, open_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(log_);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    ShowColours();
    open_->setEnabled(std::filesystem::exists(SiteFolderOf(league_) / "index.html"));
    FitToContents(*this);
}

QPushButton* frmOutputHtml::Button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

void frmOutputHtml::ShowColours() {
    const auto colours = SiteColoursOf(league_.state);
    for (size_t i = 0; i < colours.size(); ++i) {
        QColor c(QString::fromStdString(colours[i]));
        QString text = QString::fromStdString(colours[i]).toUpper();
        colours_[i]->setText(text);
        colours_[i]->setToolTip(QStringLiteral("Choose the colour of: %1")
                                    .arg(QString::fromLatin1(SiteColourNames()[i]).toLower()));
        colours_[i]->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; color: %2 }")
                .arg(text, c.lightness() < 128 ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000")));
    }
}

void frmOutputHtml::ChooseColour(int i) {
    const auto colours = SiteColoursOf(league_.state);
    QColor chosen = colourChooser(QColor(QString::fromStdString(colours[static_cast<size_t>(i)])),
                                  QString::fromLatin1(SiteColourNames()[static_cast<size_t>(i)]));
    if (!chosen.isValid()) return; // cancelled
    // "#" and two hexadecimal digits for each of red, green and blue.
    league_.state.SiteStyle[static_cast<size_t>(i)] = chosen.name(QColor::HexRgb).toUpper().toStdString();
    ShowColours();
}

void frmOutputHtml::ResetColours() {
    league_.state.SiteStyle = DefaultSiteStyle();
    ShowColours();
}

void frmOutputHtml::SetRunning(bool running) {
    running_ = running;
    for (QPushButton* b : {output_, clear_, reset_, open_, close_})
        b->setEnabled(!running);
    for (QCheckBox* c : pages_)
        c->setEnabled(!running);
    previousBoxes_->setEnabled(!running);
    for (QPushButton* c : colours_)
        c->setEnabled(!running);
    stop_->setEnabled(running);
    host_.SetBusy(running);
}

void frmOutputHtml::Output() {
    if (running_) return;
    log_->clear();
    runHost_.ClearStop();
    SetRunning(true);
    SiteRunChoices choices;
    choices.previousBoxes = previousBoxes_->isChecked();
    SiteRunResult result = WriteLeagueSite(
        league_, runHost_,
        [this](const std::string& step) {
            log_->addItem(QString::fromStdString(step));
            log_->scrollToBottom();
        },
        choices);
    SetRunning(false);
    for (const std::string& w : result.warnings)
        host_.ShowMessage(w, "Warning", MessageIcon::Warning);
    if (result.written)
        log_->addItem(QStringLiteral("Done: %1 files, %2 bytes in %3 s.")
                          .arg(result.files)
                          .arg(QString::fromStdString(GroupThousands(result.bytes)))
                          .arg(result.seconds, 0, 'f', 2));
    else if (result.stopped)
        log_->addItem(QStringLiteral("Stopped: the previous site is kept as it was."));
    else
        log_->addItem(QStringLiteral("Not written: the previous site is kept as it was."));
    log_->scrollToBottom();
    open_->setEnabled(std::filesystem::exists(SiteFolderOf(league_) / "index.html"));
    if (result.written) open_->setFocus();
}

void frmOutputHtml::ClearFiles() {
    if (!host_.AskYesNo("Delete every page of the league's site? Pages of teams and players that no longer "
                        "exist disappear; Output writes the site again.",
                        "Clear Files"))
        return;
    int count = ClearLeagueSite(league_);
    log_->addItem(QStringLiteral("Cleared %1 files.").arg(count));
    open_->setEnabled(false);
}

void frmOutputHtml::OpenInBrowser() {
    auto index = SiteFolderOf(league_) / "index.html";
    if (!std::filesystem::exists(index)) {
        host_.ShowMessage("The league's site has not been written yet; choose Output first.",
                          "File Not Found", MessageIcon::Information);
        return;
    }
    if (!browser(QString::fromStdString(index.string())))
        host_.ShowMessage("No web browser could be started for " + index.string() + ".", "Error",
                          MessageIcon::Warning);
}

void frmOutputHtml::reject() {
    if (running_) {
        runHost_.RequestStop();
        return;
    }
    QDialog::reject();
}

void OpenOutputHtml(League& league, Host& host, QWidget* parent) {
    frmOutputHtml screen(league, host, parent);
    screen.exec();
}

} // namespace hv
