#pragma once

#include "model/Context.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantrel {

class EntryList;
class GestureTracker;
class PageHost;
struct CatalogItem;

// The equipment page (third tab): the available catalog entries, the owned entries, the buttons
// between them, the category filter and the information panel, with the handlers of its controls.
class EquipmentPage : public QWidget {
    Q_OBJECT
public:
    EquipmentPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent);

    // Fills the available list for the chosen category and the owned list from the design.
    void RefreshP3();
    // The catalog's figures of the entry `strName` in the information panel.
    void ShowItemInfo(const QString& strName);
    void ResetItemPanel();  // LPName "None Selected", the value labels "-"
    void ComClear_Click();
    // `count` units of a catalog entry into the owned list as one "Add" gesture, as "Add >>" takes
    // the selected entries; an entry Add refuses (Addable) adds nothing and opens no gesture.
    void AddEntry(const QString& entry, int count);

    // The focusable controls in reading order.
    std::vector<QWidget*> TabOrder() const;

private:
    friend void NameControls(EquipmentPage& page);
    void Connect();
    void ShowItemValues(const CatalogItem& item);
    void ComAdd_Click();
    void ComRemove_Click();
    // `count` lines of the entry at the end of the owned list, as Add left the counts; no refresh.
    void AppendOwned(const QString& entry, int count);
    bool eventFilter(QObject* watched, QEvent* e) override;  // Enter on the available list
    // The category whose option is chosen (0..4).
    int ChosenCategory() const;
    // The value labels of the panel, LPName excluded.
    std::array<QLabel*, 9> ValueLabels() const;

    Context& ctx_;
    GestureTracker& gestures_;
    PageHost& host_;

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
};

}  // namespace vantrel
