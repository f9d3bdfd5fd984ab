#include "frm_csv_output.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "reports/csv_export.h"
#include "reports/database_export.h"

namespace hv {

frmCSVOutput::frmCSVOutput(const League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("CSV Output"));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("cboKind"));
    for (const std::string& item : CsvKindItems())
        kind_->addItem(QString::fromStdString(item));
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("cboScope"));
    for (const std::string& item : CsvScopeItems(league))
        scope_->addItem(QString::fromStdString(item));
    scopeNote_ = new QLabel(this);
    scopeNote_->setWordWrap(true);
    export_ = new QPushButton(QStringLiteral("&Export"), this);
    export_->setObjectName(QStringLiteral("cmdExport"));
    export_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { ShowScope(); });
    connect(export_, &QPushButton::clicked, this, [this] { Export(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Kind:"), kind_);
    form->addRow(QStringLiteral("&Players:"), scope_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(scopeNote_);
    layout->addWidget(buttons);
    ShowScope();
    setMinimumWidth(460); // room for the output folder's path on its own line
    FitToContents(*this);
}

void frmCSVOutput::ShowScope() {
    const auto kind = static_cast<CsvKind>(kind_->currentIndex());
    scope_->setEnabled(CsvKindHasScope(kind));
    const std::string folder = OutputFolder(league_).string();
    QString note;
    if (kind == CsvKind::LeagueImport)
        note = QStringLiteral("Every player with his raw ratings, for a new league (commissioner only).");
    else if (kind == CsvKind::DraftFile)
        note =
            QStringLiteral("The draft class with its raw ratings, for Import Rookies (commissioner only).");
    else
        note = QStringLiteral("All: one file; All Teams: one file per team.");
    scopeNote_->setText(note + QStringLiteral("\nFiles go to ") + QString::fromStdString(folder) +
                        QStringLiteral("."));
}

std::vector<std::filesystem::path> frmCSVOutput::Export() {
    const auto kind = static_cast<CsvKind>(kind_->currentIndex());
    return ExportCsv(league_, host_, kind, scope_->currentText().toStdString());
}

void OutputDatabase(const League& league, QtHost& host) {
    ExportDatabase(league, host);
    host.EndProgress();
    host.ClearStop(); // the export is short and runs to its end; a press of Cancel stops nothing later
}

} // namespace hv
