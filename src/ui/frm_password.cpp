#include "frm_password.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "league/league_options.h"

namespace hv {

frmPassword::frmPassword(SeasonState& state, Host& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host) {
    setWindowTitle(QStringLiteral("League Password"));
    none_ = new QRadioButton(QStringLiteral("&No password"), this);
    set_ = new QRadioButton(QStringLiteral("&Set password:"), this);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("txtPassword"));
    bool hasPassword = HasPassword(state);
    (hasPassword ? set_ : none_)->setChecked(true);
    if (hasPassword) password_->setText(QString::fromStdString(state.Password));
    ShowField(hasPassword);
    connect(none_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        password_->clear();
        ShowField(false);
    });
    connect(set_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowField(true);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmPassword::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(none_);
    layout->addWidget(set_);
    layout->addWidget(password_);
    layout->addWidget(buttons);
    FitToContents(*this);
}

void frmPassword::ShowField(bool shown) {
    password_->setVisible(shown);
    if (shown) password_->setFocus();
}

void frmPassword::Confirm() {
    std::optional<std::string> chosen;
    if (set_->isChecked()) chosen = password_->text().toStdString();
    if (SetLeaguePassword(state_, chosen, host_)) {
        accept();
    } else {
        password_->setText(HasPassword(state_) ? QString::fromStdString(state_.Password) : QString());
    }
}

} // namespace hv
