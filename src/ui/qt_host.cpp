#include "qt_host.h"

#include <QApplication>
#include <QMessageBox>

namespace hv {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void QtHost::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
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
    case MessageIcon::None:
        break;
    }
    QMessageBox box(qtIcon, title.empty() ? QStringLiteral("Hoopvale") : Q(title), Q(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool QtHost::AskYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, title.empty() ? QStringLiteral("Hoopvale") : Q(title), Q(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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
    if (progress_) progress_->deleteLater();
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

} // namespace hv
