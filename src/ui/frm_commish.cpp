#include "frm_commish.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "dialog_fit.h"
#include "league/league_options.h"

namespace hv {

frmCommish::frmCommish(SeasonState& state, Host& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host) {
    setWindowTitle(QStringLiteral("Commish Login"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(this);
    auto* login = buttons->addButton(QStringLiteral("&Login"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(login, &QPushButton::clicked, this, &frmCommish::Login);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Password:"), password_);
    form->addRow(buttons);
    FitToContents(*this);
}

void frmCommish::Login() {
    if (CommishLogin(state_, password_->text().toStdString(), host_)) accept();
}

} // namespace hv
