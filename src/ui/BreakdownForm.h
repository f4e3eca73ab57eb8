#pragma once

#include "rules/Breakdown.h"

#include <QWidget>

class QLabel;
class QTabBar;
class QTableWidget;

namespace vantrel {

struct Context;

// "Breakdown": the terms of the weight, the Battle Value or the cost, one a row, with the total the
// status line shows. Not modal; it follows every change while it is open.
class BreakdownForm : public QWidget {
    Q_OBJECT
public:
    enum Section { kWeight = 0, kBattleValue = 1, kCost = 2 };

    explicit BreakdownForm(const Context& ctx, QWidget* parent = nullptr);

    // Works the breakdown out again; only rows whose term changed are rewritten.
    void Form_Load();
    void ShowSection(int section);
    int CurrentSection() const;
    const Breakdown& Terms() const { return breakdown_; }

protected:
    void changeEvent(QEvent* e) override;  // back from minimised: reads the design again

private:
    friend void NameControls(BreakdownForm& form);
    QTabBar* TabSections = nullptr;
    QTableWidget* GridTerms = nullptr;
    QLabel* LabNote = nullptr;

    // Fills the table with the section on show; `before`, the breakdown the table showed until now,
    // spares the rows whose term is unchanged.
    void Fill(const Breakdown* before = nullptr);
    void SetCell(int row, int column, const QString& text, bool bold = false);

    const Context& ctx_;
    Breakdown breakdown_;
    bool loaded_ = false;
    int shownIndex_ = -1;  // the section the table shows, -1 before the first fill
};

}  // namespace vantrel
