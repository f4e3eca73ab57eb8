// The second page: the armor type and its points, and the page's picture.

#include "ui/ArmorPage.h"

#include "model/Design.h"
#include "rules/ArmorList.h"
#include "rules/Tables.h"
#include "sheet/QtText.h"
#include "ui/DibSection.h"
#include "ui/Faces.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/PageHost.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>

namespace vantrel {

namespace {

// The illustration of the armor page: the program's picture of a suit in the field.
QPixmap ArmorIllustration(qreal ratio) {
    InitArtwork();
    return ForRatio(QImage(QStringLiteral(":/art/about1.png")), ratio);
}

// Gives the armor page its picture when the page is first shown: decoding it was a tenth of the
// start-up time, spent on a page the user may never open.
class PictureOnFirstShow : public QObject {
public:
    PictureOnFirstShow(QLabel* label, QWidget* page) : QObject(page), label_(label) {
        page->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            label_->setPixmap(ArmorIllustration(label_->devicePixelRatioF()));
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
};

}  // namespace

ArmorPage::ArmorPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent)
    : QFrame(parent), ctx_(ctx), gestures_(gestures), host_(host) {
    Build();
    Connect();
}

void ArmorPage::Build() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);

    Label7 = CaptionLabel(ToQString("Armor Type:"), this);
    ComboAType = new QComboBox(this);
    ComboAType->setMinimumWidth(ScaledPx(170));
    AllOrig = new QComboBox(this);
    for (const char* name : vantrel::AllOrig) AllOrig->addItem(ToQString(name));
    AllOrig->hide();
    ArmorSlide = new ReleaseSlider(this);
    ArmorSlide->setRange(0, ClassLimits[1].armorMax);
    LabArmorP = CaptionLabel(ToQString("Armor Points: 0"), this);
    LabArmorW = CaptionLabel(ToQString("Armor Weight: 0 Kg"), this);
    Label10 = CaptionLabel(
        ToQString("Note: All Battle Armor can take 1 point of damage. This represents the operator who is "
                  "wearing the Armor."),
        this);
    Label10->setWordWrap(true);
    Picture1 = new QLabel(this);
    new PictureOnFirstShow(Picture1, this);
    Picture1->setAlignment(Qt::AlignCenter);

    auto* type = new QHBoxLayout;
    type->addWidget(Label7);
    type->addWidget(ComboAType);
    type->addStretch(1);
    grid->addLayout(type, 0, 0);
    grid->addWidget(ArmorSlide, 1, 0);
    grid->addWidget(LabArmorP, 2, 0);
    grid->addWidget(LabArmorW, 3, 0);
    grid->addWidget(Label10, 4, 0);
    grid->addWidget(Picture1, 0, 1, 6, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
}

void ArmorPage::Connect() {
    ComboAType->setFocusPolicy(Qt::StrongFocus);
    ComboAType->installEventFilter(new WheelGuard(this));
    // The selection reaches the armor list of the state before the handler reads it, inside the
    // same gesture, so that an undo of the choice takes the selection back with it.
    connect(ComboAType, &QComboBox::currentIndexChanged, this, [this](int index) {
        const GestureScope gesture(gestures_, "Armor Type");
        SelectArmorEntry(ctx_.armorList, index);
        if (!filling_ && index >= 0) ComboAType_Click();
    });
    connect(ArmorSlide, &QSlider::valueChanged, this, &ArmorPage::ArmorSlide_Change);
    connect(ArmorSlide, &ReleaseSlider::mouseReleased, this, &ArmorPage::ArmorSlide_MouseUp);
    connect(ArmorSlide, &ReleaseSlider::keyReleased, this, &ArmorPage::ArmorSlide_MouseUp);
}

std::vector<QWidget*> ArmorPage::TabOrder() const { return {ComboAType, ArmorSlide}; }

void ArmorPage::SetArmorMaximum(int maximum) { SetMaximumQuietly(ArmorSlide, maximum); }

void ArmorPage::ShowArmorList(const ArmorList& list) {
    const bool wasFilling = filling_;
    filling_ = true;
    ComboAType->clear();
    for (const std::string& entry : list.entries) ComboAType->addItem(QString::fromStdString(entry));
    ComboAType->setCurrentIndex(ComboAType->findText(QString::fromStdString(list.text)));
    filling_ = wasFilling;
}

void ArmorPage::ArmorSlide_Change() {
    const GestureScope gesture(gestures_, "Armor Points", GestureKind::Continues);
    Design& d = ctx_.design;
    d.ArmorPoints = ArmorSlide->value() - ArmorSlide->minimum();
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.ArmorPoints + d.PlacedArmor) * kg;
    LabArmorP->setText(QStringLiteral("Armor Points: ") + QString::number(d.ArmorPoints + d.PlacedArmor));
    LabArmorW->setText(QStringLiteral("Armor Weight: ") + QString::number(d.ArmorWeight) +
                       QStringLiteral(" Kg"));
}

void ArmorPage::ArmorSlide_MouseUp() {
    const GestureScope gesture(gestures_, "Armor Points", GestureKind::Ends);
    host_.RefreshMain();
}

void ArmorPage::RebuildAType() {
    // Filling an empty box makes Qt select its first entry; the list must end with no selection
    // and without running its handler.
    const bool wasFilling = filling_;
    filling_ = true;
    ComboAType->clear();
    RebuildArmorList(ctx_.armorList, ctx_.design.TechBase);
    for (const std::string& entry : ctx_.armorList.entries)
        ComboAType->addItem(QString::fromStdString(entry));
    ComboAType->setCurrentIndex(-1);
    ctx_.armorList.text.clear();
    filling_ = wasFilling;
}

void ArmorPage::ComboAType_Click() {
    const GestureScope gesture(gestures_, "Armor Type");
    const int index = ComboAType->currentIndex();
    if (index < 0) return;
    Design& d = ctx_.design;
    if (d.IsQuad)
        host_.ClearCST_Click();
    else
        host_.ClearCS_Click();
    d.ArmorType = index;
    ctx_.RebuildSlots = true;
    int count = 0;
    if (ArmorSlotCount(ctx_.armorList.text, count)) d.ArmorSlots = count;
    host_.RefreshP4();
    RefreshP2();
    host_.RefreshMain();
}

void ArmorPage::RefreshP2() {
    Design& d = ctx_.design;
    ComboAType->setCurrentIndex(d.ArmorType);
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.PlacedArmor + d.ArmorPoints) * kg;
    // The unplaced points are taken before the minimum moves: a minimum that pushes the slider up
    // runs the value-change handler, which would rewrite them.
    const int unplaced = d.ArmorPoints;
    {
        const QSignalBlocker block(ArmorSlide);
        ArmorSlide->setMinimum(d.PlacedArmor);
    }
    const int wanted = ArmorSlide->minimum() + unplaced;
    ArmorSlide->setValue(wanted <= ArmorSlide->maximum() ? wanted : ArmorSlide->maximum());
    // A position the slider already had emits nothing; the state must still follow the position,
    // or points above the maximum would stay on the design unseen.
    if (ArmorSlide->value() - ArmorSlide->minimum() != d.ArmorPoints) ArmorSlide_Change();
    LabArmorP->setText(QStringLiteral("Armor Points: ") + QString::number(d.ArmorPoints + d.PlacedArmor));
    LabArmorW->setText(QStringLiteral("Armor Weight: ") + QString::number(d.ArmorWeight) +
                       QStringLiteral(" Kg"));
}

}  // namespace vantrel
