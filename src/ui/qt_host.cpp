#include "qt_host.h"

#include <QApplication>
#include <QMessageBox>

#include "frm_trade_offer.h"

namespace hv {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void QtHost::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    EndProgress();
    // Every message box carries an icon: a message that names none is information.
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::None:
    case MessageIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Critical:
        qtIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Question:
        qtIcon = QMessageBox::Question;
        break;
    }
    QMessageBox box(qtIcon, title.empty() ? QStringLiteral("Hoopvale") : Q(title), Q(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool QtHost::AskYesNo(const std::string& text, const std::string& title) {
    EndProgress();
    QMessageBox box(QMessageBox::Question, title.empty() ? QStringLiteral("Hoopvale") : Q(title), Q(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    // The safe answer is the default: Enter never deletes, replaces or discards anything.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Answer QtHost::AskYesNoCancel(const std::string& text, const std::string& title) {
    EndProgress();
    QMessageBox box(QMessageBox::Question, title.empty() ? QStringLiteral("Hoopvale") : Q(title), Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    // Saving loses nothing, so it is the default; Escape cancels.
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtHost::SetProgress(const std::string& caption, int value, int maximum) {
    if (!progress_) {
        progress_ = new QProgressDialog(parent_);
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(300);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        QObject::connect(progress_, &QProgressDialog::canceled, [this] { RequestStop(); });
    }
    progress_->setLabelText(Q(caption));
    progress_->setMaximum(maximum);
    progress_->setValue(value);
}

void QtHost::EndProgress() {
    // Hidden at once, its show timer stopped: a deferred delete waits for the outer event loop, and a message
    // box's own loop would otherwise let that timer bring the dialog up over the message.
    if (progress_) {
        progress_->disconnect();
        progress_->reset();
        progress_->hide();
        progress_->deleteLater();
    }
    progress_ = nullptr;
}

void QtHost::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtHost::PumpEvents() {
    QCoreApplication::processEvents();
}

bool QtHost::PresentTradeOffer(const League& league, const TradeProposal& offer) {
    frmTradeOffer screen(league, offer, parent_);
    return screen.exec() == QDialog::Accepted;
}

} // namespace hv
