#include "ui/EquipmentPage.h"

#include "equipment/DesignOperations.h"
#include "equipment/SlotView.h"
#include "model/Design.h"
#include "model/ValueReader.h"
#include "rules/Offer.h"
#include "sheet/QtText.h"
#include "ui/EntryList.h"
#include "ui/Faces.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/PageHost.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantrel {

namespace {

EntryList* MakeList(const char* name, QWidget* parent) {
    auto* list = new EntryList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumWidth(150);
    return list;
}

// The texts of the selected entries in list order, one for each span of equal rows: showing the
// same entry again changes nothing, and a selection can hold hundreds of thousands of rows.
QStringList SelectedInOrder(const EntryList* list) {
    QStringList out;
    for (const EntryList::Span& span : list->SelectedSpans()) out << span.text;
    return out;
}

// Entries that belong to the sliders and the armor type: "<< Remove" leaves them. The heat sink is
// matched whole: a Heat Sensor shares its first six letters and is an item like any other.
bool KeptByRemove(const QString& entry) {
    return entry.startsWith(QLatin1String(kArmorPrefix)) || entry == QLatin1String(kHeatSinkEntry) ||
           entry.startsWith(QLatin1String(kASysPrefix));
}

// Adds `count` units (negative: takes them) in steps the stash's 16-bit count argument holds.
void AddUnits(Context& ctx, const QString& entry, int count) {
    const std::string name = entry.toStdString();
    constexpr int kStep = 1000;
    for (int left = count; left != 0;) {
        const int step = std::clamp(left, -kStep, kStep);
        AddToStash(ctx.catalog, ctx.design, name, static_cast<int16_t>(step));
        left -= step;
    }
}

}  // namespace

EquipmentPage::EquipmentPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent)
    : QWidget(parent), ctx_(ctx), gestures_(gestures), host_(host) {
    Label13 = new QLabel(QStringLiteral("A&vailable Equipment:"), this);
    AvList = MakeList("AvList", this);
    Label14 = new QLabel(QStringLiteral("Owned Eq&uipment:"), this);
    SelList = MakeList("SelList", this);
    ComAdd = new QPushButton(QStringLiteral("A&dd >>"), this);
    ComRemove = new QPushButton(QStringLiteral("<< &Remove"), this);
    ComClear = new QPushButton(QStringLiteral("&Clear"), this);
    Label3 = new QLabel(QStringLiteral("T: Torpedo, D: Detachable"), this);

    static const char* const kCategories[5] = {"E&nergy", "&Ballistic", "M&issile", "E&quipment",
                                               "A&mmunition"};
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
    Check1 = new QCheckBox(QStringLiteral("For current &weapons"), this);
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
    Connect();
}

void EquipmentPage::Connect() {
    connect(OptTypeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked) return;
        const GestureScope gesture(gestures_, "Equipment Type");
        RefreshP3();
    });
    connect(Check1, &QCheckBox::toggled, this, [this] {
        const GestureScope gesture(gestures_, "For Current Weapons");
        RefreshP3();
    });
    for (EntryList* list : {AvList, SelList}) {
        const auto show = [this, list] {
            const GestureScope gesture(gestures_, "Item Information");
            for (const QString& entry : SelectedInOrder(list)) ShowItemInfo(entry);
        };
        connect(list, &EntryList::itemSelectionChanged, this, show);
        // A click that leaves the selection as it was (the entry was already selected) must still
        // show it: the panel may meanwhile show an entry of the other list.
        connect(list, &EntryList::clicked, this, show);
    }
    connect(ComAdd, &QPushButton::clicked, this, [this] { ComAdd_Click(); });
    AvList->installEventFilter(this);  // Enter adds the selected entries
    connect(ComRemove, &QPushButton::clicked, this, [this] { ComRemove_Click(); });
    connect(ComClear, &QPushButton::clicked, this, [this] { ComClear_Click(); });
}

std::vector<QWidget*> EquipmentPage::TabOrder() const {
    // the available list, the buttons beside it, the owned list, then the filter under them
    return {AvList,     ComAdd,     ComRemove,  ComClear,   SelList, OptType[0],
            OptType[1], OptType[2], OptType[3], OptType[4], Check1};
}

int EquipmentPage::ChosenCategory() const {
    const int id = OptTypeGroup->checkedId();
    return id < 0 ? 0 : id;
}

std::array<QLabel*, 9> EquipmentPage::ValueLabels() const {
    return {LDamage, LWeight, LCSlots, LHeat, LBV, LMin, LS, LM, LL};
}

void EquipmentPage::RefreshP3() {
    const Design& d = ctx_.design;
    const Catalog& catalog = ctx_.catalog;
    const int category = ChosenCategory();

    QStringList available;
    for (const CatalogItem& item : catalog)
        if (OfferedByTechBase(item.Name, d.TechBase) && item.Category == category)
            available << ToQString(item.Name);
    if (category == kAmmunition) {
        const bool currentOnly = Check1->isChecked();
        for (int i = 0; i < kCatalogSize; ++i) {
            const CatalogItem& item = catalog[i];
            if (!OfferedByTechBase(item.Name, d.TechBase) || item.AmmoWeight == -1) continue;
            // A weapon carried counts whether it is still owned or already placed.
            if (currentOnly && d.OwnedCount[i] < 1 && d.PlacedCount[i] < 1) continue;
            available << ToQString(item.Name + kAmmoSuffix);
        }
    }
    {
        const QSignalBlocker block(AvList);
        AvList->SetEntries(available);
    }
    {
        const QSignalBlocker block(SelList);
        SelList->SetEntries(OwnedEntryRuns(ctx_));
    }
}

// The catalog's figures of an item into the panel; a -1 of the catalog leaves its "-".
void EquipmentPage::ShowItemValues(const CatalogItem& item) {
    if (item.Damage != "-1") LDamage->setText(ToQString(item.Damage));
    if (item.Weight != -1) LWeight->setText(QString::number(item.Weight) + QStringLiteral(" Kg"));
    if (item.Heat != -1) LHeat->setText(QString::number(item.Heat));
    if (item.CSlots != -1) LCSlots->setText(QString::number(item.CSlots));
    if (item.BV != -1.0) LBV->setText(ToQString(FormatNumber(item.BV)));
    if (item.MinRange != -1) LMin->setText(QString::number(item.MinRange));
    if (item.Short != "-1") LS->setText(ToQString(item.Short));
    if (item.Medium != "-1") LM->setText(ToQString(item.Medium));
    if (item.Long != "-1") LL->setText(ToQString(item.Long));
}

void EquipmentPage::ShowItemInfo(const QString& strName) {
    const QString none = QStringLiteral("-");
    auto blank = [&] {
        for (QLabel* l : ValueLabels()) l->setText(none);
    };
    if (strName.left(5) == QLatin1String("Armor") || strName.left(4) == QLatin1String("Heat")) {
        LPName->setText(strName);
        blank();
    }
    const std::string name = strName.toStdString();
    for (const CatalogItem& item : ctx_.catalog) {
        if (name == item.Name) {
            LPName->setText(ToQString(item.Name));
            blank();
            ShowItemValues(item);
        } else if (name == item.Name + kAmmoSuffix) {
            LPName->setText(strName);
            blank();
            LWeight->setText(QString::number(item.AmmoWeight) + QStringLiteral(" Kg / ") +
                             QString::number(item.Shots));
        }
    }
}

void EquipmentPage::ResetItemPanel() {
    LPName->setText(QStringLiteral("None Selected"));
    for (QLabel* l : ValueLabels()) l->setText(QStringLiteral("-"));
}

void EquipmentPage::ComAdd_Click() {
    const GestureScope gesture(gestures_, "Add");
    {
        // The new lines go to the end of the owned list, in the order of the available list; the
        // list is sorted again at its next refill.
        const QSignalBlocker blockAv(AvList);
        for (const EntryList::Span& span : AvList->SelectedSpans()) {
            TakeIntoOwned(span.text, span.count);
            for (int row = span.first; row < span.first + span.count; ++row) AvList->SetSelected(row, false);
        }
    }
    host_.RefreshMain();
}

void EquipmentPage::TakeIntoOwned(const QString& entry, int count) {
    for (int i = 0; i < count; ++i) SelList->Entries()->Append(entry);
    AddUnits(ctx_, entry, count);
}

void EquipmentPage::AddEntry(const QString& entry, int count) {
    // A text the catalog does not know would put a line in the list that no count stands behind.
    if (count < 1 || FindIndex(ctx_.catalog, entry.toStdString()) < 0) return;
    const GestureScope gesture(gestures_, "Add");
    TakeIntoOwned(entry, count);
    host_.RefreshMain();
}

bool EquipmentPage::eventFilter(QObject* watched, QEvent* e) {
    if (watched == AvList && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            ComAdd_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void EquipmentPage::ComRemove_Click() {
    const GestureScope gesture(gestures_, "Remove");
    {
        // Last span first, so the rows of the spans still to come stay where they are.
        const QSignalBlocker blockSel(SelList);
        const std::vector<EntryList::Span> spans = SelList->SelectedSpans();
        for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
            if (KeptByRemove(span->text)) continue;
            AddUnits(ctx_, span->text, -span->count);
            SelList->Entries()->Take(span->first, span->count);
        }
    }
    host_.RefreshMain();
}

void EquipmentPage::ComClear_Click() {
    const GestureScope gesture(gestures_, "Clear");
    ClearOwned(ctx_.design);
    RefreshP3();
    host_.RefreshMain();
}

}  // namespace vantrel
