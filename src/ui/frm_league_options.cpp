#include "frm_league_options.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "league/league_options.h"
#include "league_rules_list.h"

namespace hv {

frmLeagueOptions::frmLeagueOptions(SeasonState& state, Host& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host), original_(state) {
    setWindowTitle(QStringLiteral("League Options"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddBox("chkInjuries", QStringLiteral("&Injuries"), state.LeagueInjuries));
    layout->addWidget(AddBox("chkSaveBoxes", QStringLiteral("Save &box scores"), state.SaveBoxScores));
    layout->addWidget(
        AddBox("chkLockSimming", QStringLiteral("Only the commish may &sim games"), state.LockSimulation));
    layout->addWidget(AddBox("chkLockEndSeason", QStringLiteral("Only the commish may &end the season"),
                             state.LockEndSeason));
    salaryCap_ = new QLineEdit(QString::fromStdString(SalaryCapText(state.SalaryCapDollars())), this);
    salaryCap_->setObjectName(QStringLiteral("txtSalaryCap"));
    connect(salaryCap_, &QLineEdit::editingFinished, this, &frmLeagueOptions::OnSalaryCapLeft);
    engine_ = NewLeagueRulesList(this, "cboGameEngine", LeagueRulesKind::Engine);
    engine_->setCurrentIndex(static_cast<int>(state.Engine));
    trades_ = NewLeagueRulesList(this, "cboTradeJudgement", LeagueRulesKind::Trades);
    trades_->setCurrentIndex(static_cast<int>(state.Trades));
    connect(engine_, &QComboBox::activated, this, &frmLeagueOptions::OnRulesChosen);
    connect(trades_, &QComboBox::activated, this, &frmLeagueOptions::OnRulesChosen);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Salary &cap:"), salaryCap_);
    form->addRow(QStringLiteral("&Game engine:"), engine_);
    form->addRow(QStringLiteral("Trade &judgement:"), trades_);
    layout->addLayout(form);
    // OK keeps the changes; Cancel, Escape or closing the window puts back the options as they were.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToContents(*this);
}

void frmLeagueOptions::accept() {
    // A cap typed but not yet left counts; one that is refused keeps the screen open.
    bool valid = SetSalaryCapFromText(state_, salaryCap_->text().toStdString(), host_);
    salaryCap_->setText(QString::fromStdString(SalaryCapText(state_.SalaryCapDollars())));
    if (valid) QDialog::accept();
}

void frmLeagueOptions::reject() {
    // The cap field must not store its text while the screen closes: that would undo the discarding.
    salaryCap_->blockSignals(true);
    QDialog::reject();
    state_.LeagueInjuries = original_.LeagueInjuries;
    state_.SaveBoxScores = original_.SaveBoxScores;
    state_.LockSimulation = original_.LockSimulation;
    state_.LockEndSeason = original_.LockEndSeason;
    state_.SalaryCap = original_.SalaryCap;
    state_.Engine = original_.Engine;
    state_.Trades = original_.Trades;
    salaryCap_->blockSignals(false);
}

QCheckBox* frmLeagueOptions::AddBox(const char* name, const QString& caption, bool& value) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(value);
    // The option changes at once, on every click.
    connect(box, &QCheckBox::toggled, this, [&value](bool checked) { value = checked; });
    return box;
}

void frmLeagueOptions::OnRulesChosen() {
    const auto engine = static_cast<GameEngine>(engine_->currentIndex());
    const auto trades = static_cast<TradeJudgement>(trades_->currentIndex());
    if ((engine != state_.Engine || trades != state_.Trades) && !CheckMayChangeLeagueRules(state_, host_)) {
        engine_->setCurrentIndex(static_cast<int>(state_.Engine));
        trades_->setCurrentIndex(static_cast<int>(state_.Trades));
        return;
    }
    state_.Engine = engine;
    state_.Trades = trades;
}

void frmLeagueOptions::OnSalaryCapLeft() {
    SetSalaryCapFromText(state_, salaryCap_->text().toStdString(), host_);
    salaryCap_->setText(QString::fromStdString(SalaryCapText(state_.SalaryCapDollars())));
}

} // namespace hv
