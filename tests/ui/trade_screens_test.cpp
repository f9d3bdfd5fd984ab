// The trade and trade offer screens, driven as a user would.

#include "frm_trade.h"
#include "frm_trade_offer.h"
#include "personnel/trade_value.h"
#include "screen_test.h"
#include "support/trade_league.h"

using namespace hv;

class TradeScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        t = std::make_unique<test::TradeLeague>();
        host = ScriptedHost();
    }

    void withoutHumanTeamsTheScreenDoesNotOpen() {
        SetHuman(t->league.team(1), false);
        OpenTradeScreen(t->league, host, nullptr);
        QCOMPARE(host.LastMessage(), std::string("No human teams found."));
        QCOMPARE(host.messages.back().title, std::string("Error"));
    }

    void aRefusedProposalASuggestionAndATrade() {
        League& league = t->league;
        frmTrade screen(league, host);
        screen.show();
        QCOMPARE(screen.Proposal().first.team, 1);
        QCOMPARE(screen.Proposal().second.team, 2);

        // Ask the Owls for their centre, offering a second-round pick.
        screen.SideWidgets(1).assets->SelectKey(13);
        screen.SideWidgets(1).add->click();
        screen.SideWidgets(0).assets->SelectKey(1002);
        screen.SideWidgets(0).add->click();
        QCOMPARE(screen.Proposal().first.items.at(0).id, int16_t(1002));
        screen.ProposeButton()->click();
        QCOMPARE(host.messages.back().title, std::string("Trade Rejected"));
        QVERIFY(screen.Verdict()->text().endsWith(QStringLiteral("Trade Rejected")));
        QVERIFY(screen.SuggestButton()->isEnabled());
        test::Screenshot(screen, QStringLiteral("trade_refused"));

        // The suggestion is only a proposal: the user adds it, then proposes.
        host.answers = {true};
        screen.SuggestButton()->click();
        QCOMPARE(screen.Proposal().first.items.size(), size_t(2));
        QVERIFY(screen.Verdict()->text().isEmpty());
        host.answers = {true};
        screen.ProposeButton()->click();
        // Accepted, then the places the departed players held in the Hawks' line-up are filled.
        QCOMPARE(host.messages.at(host.messages.size() - 2).text, std::string("Trade Accepted"));
        QCOMPARE(host.messages.back().title, std::string("Line-up"));
        QCOMPARE(QString::fromStdString(league.player(13).Team), QStringLiteral("Hawks"));
        QVERIFY(screen.Proposal().first.items.empty());
        test::Screenshot(screen, QStringLiteral("trade_accepted"));
    }

    void theOfferScreenDefaultsToDecline() {
        const TradeProposal offer = t->Proposal(2, {13, 1007}, 1, {2});
        frmTradeOffer screen(t->league, offer);
        screen.show();
        QVERIFY(screen.DeclineButton()->isDefault());
        const QString lines = screen.findChild<ReportView*>(QStringLiteral("lstOffered"))
                                  ->model()
                                  ->index(1, 0)
                                  .data()
                                  .toString();
        QCOMPARE(lines, QStringLiteral("2006 Round 1 draft pick"));
        test::Screenshot(screen, QStringLiteral("trade_offer"));
        screen.AcceptButton()->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

  private:
    std::unique_ptr<test::TradeLeague> t;
    ScriptedHost host;
};

QTEST_MAIN(TradeScreensTest)
#include "trade_screens_test.moc"
