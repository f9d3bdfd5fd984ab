#include "frm_box_score.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "reports/box_score_report.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

ReportView* TableOf(ReportTable table, const char* name, QWidget* parent) {
    auto* view = new ReportView(parent);
    view->setObjectName(QLatin1String(name));
    view->SetTable(std::move(table));
    view->resizeColumnsToContents();
    return view;
}

// A list just tall enough for its rows, so the two sides' lists share the page without scrolling.
void FitRows(ReportView* view) {
    int rows = view->model()->rowCount();
    view->setMinimumHeight(view->horizontalHeader()->sizeHint().height() +
                           rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth() + 2);
}

} // namespace

frmBoxScore::frmBoxScore(const BoxScore& box, const std::vector<std::string>* pbp, int day, int game,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmBoxScore"));
    setWindowTitle(QStringLiteral("Box Score - Day %1, Game %2").arg(day).arg(game));
    setSizeGripEnabled(true);
    final_ = new QLabel(Q(box.FinalLine), this);
    final_->setObjectName(QStringLiteral("lblFinal"));
    QFont big = final_->font();
    big.setPointSize(big.pointSize() + 2);
    big.setBold(true);
    final_->setFont(big);

    quarters_ = TableOf(QuarterScoresTable(box), "lstQuarters", this);
    away_ = TableOf(BoxPlayersTable(box.Away), "lstAway", this);
    home_ = TableOf(BoxPlayersTable(box.Home), "lstHome", this);
    for (ReportView* view : {quarters_, away_, home_})
        FitRows(view);

    auto* boxPage = new QWidget(this);
    auto* boxLayout = new QVBoxLayout(boxPage);
    boxLayout->addWidget(quarters_);
    boxLayout->addWidget(new QLabel(Q(box.Away.Name), boxPage));
    boxLayout->addWidget(away_);
    boxLayout->addWidget(new QLabel(Q(box.Home.Name), boxPage));
    boxLayout->addWidget(home_);
    if (!box.PogName.empty())
        boxLayout->addWidget(new QLabel(Q("Player of the Game: " + box.PogName), boxPage));

    pbp_ = new QPlainTextEdit(this);
    pbp_->setObjectName(QStringLiteral("txtPlayByPlay"));
    pbp_->setReadOnly(true);
    pbp_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pbp_->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (pbp) {
        QStringList lines;
        for (const std::string& line : *pbp)
            lines << Q(line);
        pbp_->setPlainText(lines.join(QLatin1Char('\n')));
    }

    tabs_ = new QTabWidget(this);
    tabs_->addTab(boxPage, QStringLiteral("&Box Score"));
    const int pbpTab = tabs_->addTab(pbp_, QStringLiteral("&Play-By-Play"));
    tabs_->setTabEnabled(pbpTab, pbp != nullptr);
    if (!pbp)
        tabs_->setTabToolTip(
            pbpTab, QStringLiteral("No play-by-play was kept for this game: turn Play-by-Play on for "
                                   "a team in Team Control."));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(final_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    ResizeWithinScreen(*this, {std::max(away_->ContentWidth(), home_->ContentWidth()) + 40, 720});
}

void frmBoxScore::Show(const League& league, Host& host, int day, int game, QWidget* parent) {
    std::optional<BoxScore> box = LoadGameBox(league, host, day, game);
    if (!box) return;
    // A game without play-by-play is no failure here: its tab stays disabled.
    std::optional<std::vector<std::string>> pbp;
    if (GameKeptPbp(league, day, game)) pbp = LoadGamePbp(league, host, day, game);
    frmBoxScore screen(*box, pbp ? &*pbp : nullptr, day, game, parent);
    screen.exec();
}

} // namespace hv
