#pragma once

#include "equipment/DesignCheck.h"

#include <QWidget>

#include <vector>

class QColor;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantrel {

struct Context;

// "Design Check": the findings of the design, one a row, following every change while it is open.
// Not modal; it only reads the design.
class DesignCheckForm : public QWidget {
    Q_OBJECT
public:
    explicit DesignCheckForm(const Context& ctx, QWidget* parent = nullptr);

    // Checks the design again; rows are rewritten only when the findings changed.
    void Form_Load();
    const std::vector<Finding>& Findings() const { return findings_; }

protected:
    void changeEvent(QEvent* e) override;  // back from minimised: checks the design again

private:
    friend void NameControls(DesignCheckForm& form);
    QLabel* LabSummary = nullptr;
    QTableWidget* GridFindings = nullptr;
    QPushButton* ComClose = nullptr;

    void SetCell(int row, int column, const QString& text, const QColor& colour);

    const Context& ctx_;
    std::vector<Finding> findings_;
    bool loaded_ = false;
};

}  // namespace vantrel
