#include "ui/EquipmentPage.h"

#include "ui/EntryList.h"
#include "ui/Faces.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

EntryList* MakeList(const char* name, QWidget* parent) {
    auto* list = new EntryList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumWidth(150);
    return list;
}

}  // namespace

EquipmentPage::EquipmentPage(QWidget* parent) : QWidget(parent) {
    Label13 = new QLabel(QStringLiteral("Available Equipment:"), this);
    AvList = MakeList("AvList", this);
    Label14 = new QLabel(QStringLiteral("Owned Equipment:"), this);
    SelList = MakeList("SelList", this);
    ComAdd = new QPushButton(QStringLiteral("Add >>"), this);
    ComRemove = new QPushButton(QStringLiteral("<< Remove"), this);
    ComClear = new QPushButton(QStringLiteral("Clear"), this);
    Label3 = new QLabel(QStringLiteral("T: Torpedo, D: Detachable"), this);

    static const char* const kCategories[5] = {"Energy", "Ballistic", "Missile", "Equipment", "Ammunition"};
    OptTypeGroup = new QButtonGroup(this);
    OptTypeGroup->setExclusive(true);
    auto* options = new QGridLayout;
    options->setContentsMargins(0, 0, 0, 0);
    options->setVerticalSpacing(2);
    for (int i = 0; i < 5; ++i) {
        OptType[i] = new QRadioButton(QString::fromLatin1(kCategories[i]), this);
        OptTypeGroup->addButton(OptType[i], i);
        options->addWidget(OptType[i], i / 3, i % 3);
    }
    OptType[0]->setChecked(true);
    // The box narrows the ammunition, so it stands under "Ammunition".
    Check1 = new QCheckBox(QStringLiteral("For current weapons"), this);
    Check1->setChecked(true);
    options->addWidget(Check1, 2, 1, 1, 2);

    // Information panel.
    WpnsFrame = new QGroupBox(this);
    auto* info = new QGridLayout(WpnsFrame);
    info->setHorizontalSpacing(10);
    info->setVerticalSpacing(3);
    LPName = new QLabel(WpnsFrame);
    QFont bold = LPName->font();
    bold.setBold(true);
    LPName->setFont(bold);
    LPName->setWordWrap(true);
    info->addWidget(LPName, 0, 0, 1, 2);
    auto pair = [&](QLabel*& caption, QLabel*& value, const char* text, int row) {
        caption = new QLabel(QString::fromLatin1(text), WpnsFrame);
        value = new QLabel(WpnsFrame);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        info->addWidget(caption, row, 0);
        info->addWidget(value, row, 1);
    };
    pair(Label15, LDamage, "Damage:", 1);
    pair(Label16, LWeight, "Weight:", 2);
    pair(Label17, LCSlots, "CSlots:", 3);
    pair(Label18, LHeat, "Heat:", 4);
    pair(Label19, LBV, "Battle Value:", 5);
    pair(Label21, LMin, "Minimum:", 6);
    Label20 = new QLabel(QStringLiteral("Range"), WpnsFrame);
    Label20->setFont(bold);
    info->addWidget(Label20, 7, 0, 1, 2);
    pair(Label22, LS, "Short:", 8);
    pair(Label23, LM, "Medium:", 9);
    pair(Label24, LL, "Long:", 10);
    info->setColumnStretch(1, 1);
    info->setRowStretch(11, 1);
    WpnsFrame->setFixedWidth(ScaledPx(160));

    LPName->setText(QStringLiteral("None Selected"));
    for (QLabel* l : ValueLabels()) l->setText(QStringLiteral("-"));

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ComAdd);
    buttons->addWidget(ComRemove);
    buttons->addSpacing(12);
    buttons->addWidget(ComClear);
    buttons->addStretch(2);

    // The lists' least width grows with the desktop's font; beyond it they share the room.
    for (QWidget* list : {static_cast<QWidget*>(AvList), static_cast<QWidget*>(SelList)})
        list->setMinimumWidth(ScaledPx(150));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->addWidget(Label13, 0, 0);
    grid->addWidget(AvList, 1, 0);
    grid->addLayout(options, 2, 0, 1, 2);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(Label14, 0, 2);
    grid->addWidget(SelList, 1, 2);
    grid->addWidget(Label3, 2, 2, Qt::AlignTop);
    grid->addWidget(WpnsFrame, 1, 3, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 5);
    grid->setColumnStretch(2, 4);
}

int EquipmentPage::ChosenCategory() const {
    const int id = OptTypeGroup->checkedId();
    return id < 0 ? 0 : id;
}

std::array<QLabel*, 9> EquipmentPage::ValueLabels() const {
    return {LDamage, LWeight, LCSlots, LHeat, LBV, LMin, LS, LM, LL};
}

}  // namespace vantrel
