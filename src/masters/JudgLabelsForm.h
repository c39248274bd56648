#pragma once

#include "print/LabelRun.h"

#include <QDialog>

#include <cstdint>
#include <set>

namespace dbf
{
class Table;
}
class LabelStartWidget;
class Messages;
class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;

// "Judge Labels": tick the judges to print address labels for, choose the
// label of the first sheet to start with, print. Follows the label sheet
// window, with a check list of its own in place of the count lines.
class TJudgLabels : public QDialog
{
    Q_OBJECT
public:
    // Lists the judges in the table's current order; the window keeps an
    // order of its own after that and only reads the table.
    TJudgLabels(dbf::Table& judges, Messages& messages, QWidget* parent = nullptr);

    QListWidget* checkList() const { return list_; }
    QLabel* selectedLabel() const { return selected_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* selectOppositeButton() const { return selectOpposite_; }
    QAbstractButton* startButton(int label) const;
    QAction* orderAction(const QString& tag) const;

    std::set<std::uint32_t> ticked() const;
    LabelPosition startPosition() const;

    // The labels of the ticked judges from the start position.
    LabelRun labels() const;

public slots:
    // "Last Name" or "State": the list's order, and the list rebuilt.
    void selectOrder(const QString& tag);
    void toggleSelectAll();
    void selectOpposite();
    void print();
    // False when nothing is ticked, or when cancelled or not written.
    bool saveAsPdf();

private:
    void rebuild();
    void countSelected();
    bool anyTicked();

    const dbf::Table& judges_;
    Messages& messages_;
    QString tag_;
    QListWidget* list_;
    QLabel* selected_;
    QPushButton* selectAll_;
    QPushButton* selectOpposite_;
    LabelStartWidget* start_;
    QAction* byName_;
    QAction* byState_;
};
