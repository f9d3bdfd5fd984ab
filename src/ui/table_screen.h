// A screen that shows one sortable list: an optional choice above it (a team, a season, a view), the list,
// and a row of buttons below. Most of the league's list screens are one of these.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "report_view.h"

namespace hv {

class TableScreen : public QDialog {
    Q_OBJECT
  public:
    // Builds the list for the current choice (0 when there are no choices).
    using Builder = std::function<ReportTable(int choice)>;

    TableScreen(const QString& title, Builder builder, QWidget* parent = nullptr);

    // A choice shown above the list; changing it rebuilds the list.
    void SetChoices(const QString& label, const QStringList& choices, int current = 0);
    // A further choice beside the first, filtering the list (the builder reads it); changing it rebuilds the
    // list.
    QComboBox* AddFilter(const QString& label, const QStringList& items, const char* name);
    // A button below the list, before Close.
    QPushButton* AddButton(const QString& text, std::function<void()> action);
    // A line of text above the list (a summary, a caption).
    void SetHeading(const QString& text);
    // A widget beside the list, on its right (a chart), with `stretch` shares of the width to the list's one.
    void AddBeside(QWidget* widget, int stretch = 1);

    // Rebuilds the list, keeping the sort order and the selected row's key.
    void Refresh();
    // Sizes the dialog to its columns, within the screen.
    void FitToContents();

    int Choice() const { return choices_ ? choices_->currentIndex() : 0; }
    // The key of the selected row, 0 when nothing is selected.
    int SelectedKey() const { return view_->SelectedKey(); }
    void SelectKey(int key) { view_->SelectKey(key); }
    ReportView* View() const { return view_; }
    QComboBox* Choices() const { return choices_; }
    const ReportTable& Table() const { return view_->Table(); }

  signals:
    void selectionChanged();

  private:
    Builder builder_;
    ReportView* view_;
    QLabel* heading_;
    QLabel* choiceLabel_ = nullptr;
    QComboBox* choices_ = nullptr;
    QHBoxLayout* top_;
    QHBoxLayout* buttons_;
    QVBoxLayout* layout_;
    QHBoxLayout* beside_ = nullptr;
    bool fitted_ = false;
};

} // namespace hv
