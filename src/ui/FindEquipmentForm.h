#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace vantrel {

struct Context;
class EquipmentTableModel;
class GestureTracker;

// "Find Equipment": every catalog item and ammunition in one table with its figures, narrowed by a
// search and filters and sorted by any column. Entries the design cannot take are greyed, with the
// reason. Enter, a double-click or Add takes the current entry into the owned list by `add` (the
// equipment page's own add). Not modal; it follows the design after every gesture while open.
class FindEquipmentForm : public QWidget {
    Q_OBJECT
public:
    using AddEntry = std::function<void(const QString& entry, int count)>;
    FindEquipmentForm(const Context& ctx, GestureTracker& gestures, AddEntry add, QWidget* parent = nullptr);

    // Reads the design again: which entries it can take and why not. Rows keep their order, the
    // search and the current entry.
    void Form_Load();
    // Adds the current entry, the count in the box, when the design can take it; otherwise nothing.
    void AddCurrent();

protected:
    void changeEvent(QEvent* e) override;  // back from minimised: reads the design again
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend void NameControls(FindEquipmentForm& form);
    void Refilter();
    void FollowDesign();
    void ShowCount();
    void ShowReason();  // why the current entry is not offered, under the table

    const Context& ctx_;
    AddEntry add_;
    EquipmentTableModel* model_ = nullptr;
    bool reloadPosted_ = false;

    QLabel* LabSearch = nullptr;
    QLineEdit* TextSearch = nullptr;
    QLabel* LabCategory = nullptr;
    QComboBox* ComboCategory = nullptr;
    QCheckBox* ChkOffered = nullptr;
    QTableView* GridEquipment = nullptr;
    QLabel* LabShown = nullptr;
    QLabel* LabReason = nullptr;
    QLabel* LabCount = nullptr;
    QSpinBox* SpinCount = nullptr;
    QPushButton* ComAddFound = nullptr;
    QPushButton* ComClose = nullptr;
};

}  // namespace vantrel
