#include "frm_save_game.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRegularExpressionValidator>

#include "dialog_fit.h"
#include "league/saved_games.h"

namespace hv {

frmSaveGame::frmSaveGame(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Save Game"));
    name_ = new QLineEdit(QString::fromStdString(league.state.LeagueName), this);
    name_->setObjectName(QStringLiteral("txtSaveName"));
    // The keys "\" and "/" are refused while typing.
    name_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\\\/]*")), this));
    auto* buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::AcceptRole);
    save_->setObjectName(QStringLiteral("cmdSave"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(save_, &QPushButton::clicked, this, &frmSaveGame::OnSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("League &name:"), name_);
    form->addRow(buttons);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    FitToContents(*this);
}

void frmSaveGame::OnSave() {
    if (SaveGameAs(league_, name_->text().toStdString(), host_)) accept();
}

} // namespace hv
