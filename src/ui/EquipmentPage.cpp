#include "ui/EquipmentPage.h"

#include "equipment/DesignOperations.h"
#include "equipment/SlotView.h"
#include "model/Design.h"
#include "model/ValueReader.h"
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

// The spans as the core's entries, in list order.
std::vector<OwnedRun> Runs(const std::vector<EntryList::Span>& spans) {
    std::vector<OwnedRun> out;
    out.reserve(spans.size());
    for (const EntryList::Span& span : spans) out.push_back({span.text.toStdString(), span.count});
    return out;
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
    QStringList available;
    for (const std::string& entry : AvailableEntries(ctx_, ChosenCategory(), Check1->isChecked()))
        available << ToQString(entry);
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
    const std::vector<EntryList::Span> spans = AvList->SelectedSpans();
    const OwnedChange change = AddEquipment(ctx_, Runs(spans));
    {
        // The new lines go to the end of the owned list, in the order of the available list; the
        // list is sorted again at its next refill.
        const QSignalBlocker blockAv(AvList);
        for (size_t i = 0; i < spans.size(); ++i) {
            const EntryList::Span& span = spans[i];
            if (change.taken[i]) AppendOwned(span.text, span.count);
            for (int row = span.first; row < span.first + span.count; ++row) AvList->SetSelected(row, false);
        }
    }
    host_.ShowPages(change.pages);
}

void EquipmentPage::AppendOwned(const QString& entry, int count) {
    for (int i = 0; i < count; ++i) SelList->Entries()->Append(entry);
}

void EquipmentPage::AddEntry(const QString& entry, int count) {
    // A refusal opens no gesture: nothing of the design changes.
    const OwnedRun run{entry.toStdString(), count};
    if (!Addable(ctx_, run)) return;
    const GestureScope gesture(gestures_, "Add");
    const OwnedChange change = AddEquipment(ctx_, {run});
    if (change.taken[0]) AppendOwned(entry, count);
    host_.ShowPages(change.pages);
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
    OwnedChange change;
    {
        const QSignalBlocker blockSel(SelList);
        const std::vector<EntryList::Span> spans = SelList->SelectedSpans();
        change = RemoveEquipment(ctx_, Runs(spans));
        // Last span first, so the rows of the spans still to come stay where they are.
        for (size_t i = spans.size(); i-- > 0;)
            if (change.taken[i]) SelList->Entries()->Take(spans[i].first, spans[i].count);
    }
    host_.ShowPages(change.pages);
}

void EquipmentPage::ComClear_Click() {
    const GestureScope gesture(gestures_, "Clear");
    host_.ShowPages(ClearEquipment(ctx_));
}

}  // namespace vantrel
