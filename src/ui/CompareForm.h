#pragma once

#include "model/Context.h"
#include "rules/Comparison.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantrel {

class GestureTracker;

// "Compare": two or three designs side by side, a row for every choice, figure and item carried;
// rows that differ are marked and numbers show their difference to the first design. A column of
// the design open in the main window follows its changes.
class CompareForm : public QWidget {
    Q_OBJECT
public:
    // `open` is the main window's context; `gestures` tells when its design has changed.
    CompareForm(const Context& open, GestureTracker& gestures, QWidget* parent = nullptr);
    ~CompareForm() override;

    // The designs to compare: file paths, an empty one standing for the open design. False with
    // `problem` when a file cannot be read; the window keeps what it showed.
    bool SetDesigns(const QStringList& sources, QString& problem);
    // Works the comparison out again and rewrites the table.
    void Form_Load();
    const std::vector<ComparisonRow>& Rows() const { return rows_; }

protected:
    void changeEvent(QEvent* e) override;

private:
    friend void NameControls(CompareForm& form);
    QLabel* LabHint = nullptr;
    QCheckBox* ChkDifferences = nullptr;
    QTableWidget* GridCompare = nullptr;
    QPushButton* ComClose = nullptr;

    void FollowOpenDesign();
    void ShowRows();
    QStringList Headers() const;
    void ShowCell(int row, int column, const ComparisonRow& shown);

    const Context& open_;
    QStringList sources_;
    // The designs read from files, with their totals; none for the open design.
    std::vector<std::unique_ptr<Context>> read_;
    std::vector<ComparisonRow> rows_;
    bool reloadPosted_ = false;
};

}  // namespace vantrel
