#include "frm_import_stats.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_fit.h"
#include "reports/stats_import_table.h"

namespace hv {

namespace {

QString ImportFolder(const League& league) {
    return QString::fromStdString((league.programFolder / "import").string());
}

} // namespace

frmImportStats::frmImportStats(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Import Players from Statistics"));
    setObjectName(QStringLiteral("frmImportStats"));
    file_ = new QComboBox(this);
    file_->setObjectName(QStringLiteral("cboStatsFile"));
    const QStringList files =
        QDir(ImportFolder(league))
            .entryList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files, QDir::Name);
    file_->addItems(files);
    to_ = new QComboBox(this);
    to_->setObjectName(QStringLiteral("cboDestination"));
    to_->addItem(QStringLiteral("The teams the file names"), QString());
    for (int t = 1; t <= kLeagueTeams; ++t)
        to_->addItem(QString::fromStdString(league.team(t).City + " " + league.team(t).Name),
                     QString::fromStdString(league.team(t).Name));
    to_->addItem(QStringLiteral("Free agents"), QString::fromLatin1(kFreeAgent));
    to_->addItem(QStringLiteral("The draft class"), QString::fromLatin1(kDraft));
    preview_ = NewReportView("lvwPreview", this);
    preview_->SetCompactColumns(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&File:"), file_);
    form->addRow(QStringLiteral("&Put the players on:"), to_);
    auto* note =
        new QLabel(QStringLiteral("Place a CSV file of season totals in %1. Its header names the columns "
                                  "Name, Position, Age, Height (inches), Weight, Team, G, MIN, FG, FGA, "
                                  "3P, 3PA, FT, FTA, ORB, DRB (or REB), AST, STL, BLK, TOV, PF and PTS, "
                                  "in any order.")
                       .arg(QDir::toNativeSeparators(ImportFolder(league))),
                   this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    import_ = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::ActionRole);
    import_->setObjectName(QStringLiteral("cmdImport"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(import_, &QPushButton::clicked, this, [this] {
        if (Import() > 0) accept();
    });
    connect(file_, &QComboBox::currentIndexChanged, this, [this] { ReadChosenFile(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(preview_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    ReadChosenFile();
    // Wide enough for the preview's 24 columns on the smallest supported screen.
    ResizeWithinScreen(*this, QSize(1220, 600));
}

void frmImportStats::ReadChosenFile() {
    import_->setEnabled(false);
    preview_->SetTable(ReportTable{});
    if (file_->currentText().isEmpty()) {
        status_->setText(QStringLiteral("No CSV file in the import folder."));
        return;
    }
    const auto path = league_.programFolder / "import" / file_->currentText().toStdString();
    auto knownTeam = [this](const std::string& name) { return league_.FindTeam(name) != 0; };
    const StatsReadResult read = ReadStatsFile(path, knownTeam, kLastLeaguePlayer);
    if (read.problem) {
        status_->setText(QString::fromStdString(ImportErrorText(*read.problem))
                             .replace(QLatin1Char('\n'), QLatin1String(": ")));
        return;
    }
    preview_->SetTable(StatsImportTable(read.lines));
    status_->setText(QStringLiteral("%1 players; %2 free player slots in the league.")
                         .arg(read.lines.size())
                         .arg(league_.freeIDs.size()));
    import_->setEnabled(true);
}

int frmImportStats::Import() {
    if (file_->currentText().isEmpty()) return 0;
    const auto path = league_.programFolder / "import" / file_->currentText().toStdString();
    const int added = ImportStatsPlayers(league_, host_, path, to_->currentData().toString().toStdString());
    if (added > 0)
        host_.ShowMessage(std::to_string(added) + " players imported.", "Import Players from Statistics",
                          MessageIcon::Information);
    return added;
}

} // namespace hv
