#include "league_rules_list.h"

#include "league/league_options.h"

namespace hv {

QComboBox* NewLeagueRulesList(QWidget* parent, const char* objectName, LeagueRulesKind kind) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(objectName));
    if (kind == LeagueRulesKind::Engine) {
        for (GameEngine e : {GameEngine::AsSpecified, GameEngine::Calibrated})
            list->addItem(QString::fromStdString(GameEngineText(e)));
        list->setToolTip(
            QStringLiteral("As specified plays games by the rules as written; Calibrated gives the "
                           "scores, minutes and leaders of a real league."));
    } else {
        for (TradeJudgement t : {TradeJudgement::AsSpecified, TradeJudgement::Shrewd})
            list->addItem(QString::fromStdString(TradeJudgementText(t)));
        list->setToolTip(
            QStringLiteral("Shrewd computer teams value stars far above good players, count every "
                           "year of a contract and take on no salary over the cap."));
    }
    return list;
}

} // namespace hv
