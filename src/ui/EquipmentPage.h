#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantrel {

class EntryList;

// The equipment page (third tab): the available catalog entries, the owned entries, the buttons
// between them, the category filter and the information panel. Layout only; the main window fills
// the lists and handles the buttons.
class EquipmentPage : public QWidget {
    Q_OBJECT
public:
    explicit EquipmentPage(QWidget* parent = nullptr);

    QLabel* Label13 = nullptr;
    EntryList* AvList = nullptr;
    QLabel* Label14 = nullptr;
    EntryList* SelList = nullptr;
    QPushButton* ComAdd = nullptr;
    QPushButton* ComRemove = nullptr;
    QPushButton* ComClear = nullptr;
    std::array<QRadioButton*, 5> OptType{};
    QButtonGroup* OptTypeGroup = nullptr;  // ids 0..4 = the category numbers
    QCheckBox* Check1 = nullptr;
    QLabel* Label3 = nullptr;

    QGroupBox* WpnsFrame = nullptr;
    QLabel* LPName = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* LDamage = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* LWeight = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* LCSlots = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* LHeat = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* LBV = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* LMin = nullptr;
    QLabel* Label20 = nullptr;  // "Range"
    QLabel* Label22 = nullptr;
    QLabel* LS = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* LM = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* LL = nullptr;

    // The category whose option is chosen (0..4).
    int ChosenCategory() const;
    // The value labels of the panel, LPName excluded.
    std::array<QLabel*, 9> ValueLabels() const;
};

}  // namespace vantrel
