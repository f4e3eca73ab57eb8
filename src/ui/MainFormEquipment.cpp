// The equipment page of the main window: the available and owned lists, their buttons and the
// information panel; and the creation of the equipment and slot pages.

#include "equipment/SlotView.h"
#include "model/Design.h"
#include "ui/EntryList.h"
#include "ui/EquipmentPage.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/SlotPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantrel {

// Wiring of the slot pages, in MainFormSlots.cpp.
void ConnectSlotPage(MainForm& form, SlotPage* page);

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Technology marks lead the name: "(C" Clan only, "(I" Inner Sphere only.
bool OfferedFor(const CatalogItem& item, int techBase) {
    if (techBase == 0 && item.Name.rfind("(C", 0) == 0) return false;
    if (techBase == 1 && item.Name.rfind("(I", 0) == 0) return false;
    return true;
}

// A number as the general number format writes it: no exponent for ordinary values, no trailing zeros.
QString GeneralNumber(double v) {
    QString s = QString::number(v, 'f', 10);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return s;
}

// The texts of the selected entries in list order, one for each span of equal rows: showing the
// same entry again changes nothing, and a selection can hold hundreds of thousands of rows.
QStringList SelectedInOrder(const EntryList* list) {
    QStringList out;
    for (const EntryList::Span& span : list->SelectedSpans()) out << span.text;
    return out;
}

// Entries that belong to the sliders and the armor type: "<< Remove" leaves them.
bool KeptByRemove(const QString& entry) {
    const QString head = entry.left(6);
    return head == QLatin1String("Armor:") || head == QLatin1String("Heat S") ||
           head == QLatin1String("ASys: ");
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

void AddToGrid(QWidget* area, QWidget* frame) {
    frame->hide();
    if (auto* grid = qobject_cast<QGridLayout*>(area->layout()))
        grid->addWidget(frame, 0, 0);
    else if (area->layout())
        area->layout()->addWidget(frame);
}

}  // namespace

void MainForm::SetupEquipmentPages() {
    equipmentPage_ = new EquipmentPage(pageArea_);
    bipedPage_ = new SlotPage(SlotPage::Chassis::Humanoid, pageArea_);
    quadPage_ = new SlotPage(SlotPage::Chassis::Quad, pageArea_);
    Frame3 = equipmentPage_;
    Frame4 = bipedPage_;
    Frame4B = quadPage_;
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4B->setObjectName(QStringLiteral("Frame4B"));
    for (QWidget* frame : {Frame3, Frame4, Frame4B}) AddToGrid(pageArea_, frame);

    EquipmentPage* p = equipmentPage_;
    connect(p->OptTypeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked) return;
        const GestureScope gesture(*gestures_, "Equipment Type");
        RefreshP3();
    });
    connect(p->Check1, &QCheckBox::toggled, this, [this] {
        const GestureScope gesture(*gestures_, "For Current Weapons");
        RefreshP3();
    });
    for (EntryList* list : {p->AvList, p->SelList}) {
        const auto show = [this, list] {
            const GestureScope gesture(*gestures_, "Item Information");
            for (const QString& entry : SelectedInOrder(list)) ShowItemInfo(entry);
        };
        connect(list, &EntryList::itemSelectionChanged, this, show);
        // A click that leaves the selection as it was (the entry was already selected) must still
        // show it: the panel may meanwhile show an entry of the other list.
        connect(list, &EntryList::clicked, this, show);
    }
    connect(p->ComAdd, &QPushButton::clicked, this, [this] { ComAdd_Click(); });
    connect(p->ComRemove, &QPushButton::clicked, this, [this] { ComRemove_Click(); });
    connect(p->ComClear, &QPushButton::clicked, this, [this] { ComClear_Click(); });

    ConnectSlotPage(*this, bipedPage_);
    ConnectSlotPage(*this, quadPage_);
    bipedPage_->SetEmotLine(bipedLine_ != 0);
}

void MainForm::RefreshP3() {
    if (!equipmentPage_) return;
    SetRedraw(false);
    EquipmentPage* p = equipmentPage_;
    const Design& d = ctx_.design;
    const Catalog& catalog = ctx_.catalog;
    const int category = p->ChosenCategory();

    QStringList available;
    for (const CatalogItem& item : catalog)
        if (OfferedFor(item, d.TechBase) && item.Category == category) available << Q(item.Name);
    if (category == kAmmunition) {
        const bool currentOnly = p->Check1->isChecked();
        for (int i = 0; i < kCatalogSize; ++i) {
            const CatalogItem& item = catalog[i];
            if (!OfferedFor(item, d.TechBase) || item.AmmoWeight == -1) continue;
            // A weapon carried counts whether it is still owned or already placed.
            if (currentOnly && d.OwnedCount[i] < 1 && d.PlacedCount[i] < 1) continue;
            available << Q(item.Name + kAmmoSuffix);
        }
    }
    {
        const QSignalBlocker block(p->AvList);
        p->AvList->SetEntries(available);
    }
    {
        const QSignalBlocker block(p->SelList);
        p->SelList->SetEntries(OwnedEntryRuns(ctx_));
    }
    SetRedraw(true);
}

namespace {

// The catalog's figures of an item into the panel; a -1 of the catalog leaves its "-".
void ShowItemValues(EquipmentPage* p, const CatalogItem& item) {
    if (item.Damage != "-1") p->LDamage->setText(Q(item.Damage));
    if (item.Weight != -1) p->LWeight->setText(QString::number(item.Weight) + QStringLiteral(" Kg"));
    if (item.Heat != -1) p->LHeat->setText(QString::number(item.Heat));
    if (item.CSlots != -1) p->LCSlots->setText(QString::number(item.CSlots));
    if (item.BV != -1.0) p->LBV->setText(GeneralNumber(item.BV));
    if (item.MinRange != -1) p->LMin->setText(QString::number(item.MinRange));
    if (item.Short != "-1") p->LS->setText(Q(item.Short));
    if (item.Medium != "-1") p->LM->setText(Q(item.Medium));
    if (item.Long != "-1") p->LL->setText(Q(item.Long));
}

}  // namespace

void MainForm::ShowItemInfo(const QString& strName) {
    if (!equipmentPage_) return;
    EquipmentPage* p = equipmentPage_;
    const QString none = QStringLiteral("-");
    auto blank = [&] {
        for (QLabel* l : p->ValueLabels()) l->setText(none);
    };
    if (strName.left(5) == QLatin1String("Armor") || strName.left(4) == QLatin1String("Heat")) {
        p->LPName->setText(strName);
        blank();
    }
    const std::string name = strName.toStdString();
    for (const CatalogItem& item : ctx_.catalog) {
        if (name == item.Name) {
            p->LPName->setText(Q(item.Name));
            blank();
            ShowItemValues(p, item);
        } else if (name == item.Name + kAmmoSuffix) {
            p->LPName->setText(strName);
            blank();
            p->LWeight->setText(QString::number(item.AmmoWeight) + QStringLiteral(" Kg / ") +
                                QString::number(item.Shots));
        }
    }
}

void MainForm::ResetItemPanel() {
    if (!equipmentPage_) return;
    equipmentPage_->LPName->setText(QStringLiteral("None Selected"));
    for (QLabel* l : equipmentPage_->ValueLabels()) l->setText(QStringLiteral("-"));
}

void MainForm::ComAdd_Click() {
    const GestureScope gesture(*gestures_, "Add");
    EquipmentPage* p = equipmentPage_;
    {
        // The new lines go to the end of the owned list, in the order of the available list; the
        // list is sorted again at its next refill.
        const QSignalBlocker blockAv(p->AvList);
        for (const EntryList::Span& span : p->AvList->SelectedSpans()) {
            for (int i = 0; i < span.count; ++i) p->SelList->Entries()->Append(span.text);
            AddUnits(ctx_, span.text, span.count);
            for (int row = span.first; row < span.first + span.count; ++row)
                p->AvList->SetSelected(row, false);
        }
    }
    RefreshMain();
}

void MainForm::ComRemove_Click() {
    const GestureScope gesture(*gestures_, "Remove");
    EquipmentPage* p = equipmentPage_;
    {
        // Last span first, so the rows of the spans still to come stay where they are.
        const QSignalBlocker blockSel(p->SelList);
        const std::vector<EntryList::Span> spans = p->SelList->SelectedSpans();
        for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
            if (KeptByRemove(span->text)) continue;
            AddUnits(ctx_, span->text, -span->count);
            p->SelList->Entries()->Take(span->first, span->count);
        }
    }
    RefreshMain();
}

void MainForm::ComClear_Click() {
    const GestureScope gesture(*gestures_, "Clear");
    ctx_.design.OwnedCount.fill(0);
    ctx_.design.OwnedAmmo.fill(0);
    RefreshP3();
    RefreshMain();
}

}  // namespace vantrel
