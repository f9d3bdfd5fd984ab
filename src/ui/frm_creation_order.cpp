#include "frm_creation_order.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "personnel/draft.h"

namespace hv {

frmCreationOrder::frmCreationOrder(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Creation Draft Order"));
    setObjectName(QStringLiteral("frmCreationOrder"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstOrder"));
    auto* up = new QPushButton(QStringLiteral("Move &Up"), this);
    auto* down = new QPushButton(QStringLiteral("Move &Down"), this);
    auto* shuffle = new QPushButton(QStringLiteral("&Random Order"), this);
    up->setObjectName(QStringLiteral("cmdUp"));
    down->setObjectName(QStringLiteral("cmdDown"));
    shuffle->setObjectName(QStringLiteral("cmdShuffle"));
    connect(up, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(shuffle, &QPushButton::clicked, this, &frmCreationOrder::Shuffle);
    start_ = new QPushButton(QStringLiteral("&Start Draft"), this);
    start_->setObjectName(QStringLiteral("cmdStart"));
    start_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(start_, &QPushButton::clicked, this, &frmCreationOrder::OnStart);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addWidget(shuffle);
    side->addStretch();
    side->addWidget(start_);
    side->addWidget(cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Teams pick in this order in odd rounds and in the reverse "
                                                "order in even rounds."),
                                 this));
    layout->addLayout(body, 1);
    Fill(CreationOrderList(league));
    resize(440, 560);
}

void frmCreationOrder::Fill(const std::array<int16_t, kLeagueTeams>& order) {
    list_->clear();
    for (int i = 0; i < kLeagueTeams; ++i) {
        const Team& t = league_.team(order[static_cast<size_t>(i)]);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1. %2").arg(i + 1).arg(QString::fromStdString(t.City + " " + t.Name)));
        item->setData(Qt::UserRole, static_cast<int>(order[static_cast<size_t>(i)]));
        list_->addItem(item);
    }
}

std::array<int16_t, kLeagueTeams> frmCreationOrder::Order() const {
    std::array<int16_t, kLeagueTeams> order{};
    for (int i = 0; i < kLeagueTeams; ++i)
        order[static_cast<size_t>(i)] = static_cast<int16_t>(list_->item(i)->data(Qt::UserRole).toInt());
    return order;
}

void frmCreationOrder::MoveSelected(int step) {
    int row = list_->currentRow();
    int to = row + step;
    if (row < 0 || to < 0 || to >= kLeagueTeams) return;
    auto order = Order();
    std::swap(order[static_cast<size_t>(row)], order[static_cast<size_t>(to)]);
    Fill(order);
    list_->setCurrentRow(to);
}

void frmCreationOrder::Shuffle() {
    auto order = Order();
    ShuffleOrder(order, league_.rng);
    Fill(order);
}

void frmCreationOrder::OnStart() {
    SetCreationOrderList(league_, Order());
    if (StartDraft(league_, host_)) accept();
}

} // namespace hv
