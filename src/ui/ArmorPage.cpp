// The second page: the armor type and its points, and the page's picture.

#include "ui/ArmorPage.h"

#include "equipment/DesignOperations.h"
#include "model/Design.h"
#include "rules/ArmorList.h"
#include "rules/Limits.h"
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
    ArmorSlide = new ReleaseSlider(this);
    ArmorSlide->setRange(0, 0);  // the first refresh gives it the class's range
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
    // Only the user's choice arrives here: the refreshes and the list's rebuild write it with its
    // signals blocked.
    connect(ComboAType, &QComboBox::currentIndexChanged, this, [this] { ComboAType_Click(); });
    connect(ArmorSlide, &QSlider::valueChanged, this, &ArmorPage::ArmorSlide_Change);
    connect(ArmorSlide, &ReleaseSlider::mouseReleased, this, &ArmorPage::ArmorSlide_MouseUp);
    connect(ArmorSlide, &ReleaseSlider::keyReleased, this, &ArmorPage::ArmorSlide_MouseUp);
}

std::vector<QWidget*> ArmorPage::TabOrder() const { return {ComboAType, ArmorSlide}; }

void ArmorPage::SetArmorMaximum(int maximum) { SetMaximumQuietly(ArmorSlide, maximum); }

void ArmorPage::ShowArmorList(const ArmorList& list) {
    const QSignalBlocker block(ComboAType);
    QStringList entries;
    for (const std::string& entry : list.entries) entries << QString::fromStdString(entry);
    QStringList shown;
    for (int i = 0; i < ComboAType->count(); ++i) shown << ComboAType->itemText(i);
    if (shown != entries) {
        ComboAType->clear();
        ComboAType->addItems(entries);
    }
    ComboAType->setCurrentIndex(ComboAType->findText(QString::fromStdString(list.text)));
}

void ArmorPage::ArmorSlide_Change() {
    const GestureScope gesture(gestures_, "Armor Points", GestureKind::Continues);
    SlideArmor(ctx_, ArmorSlide->value());
    ShowArmorCaptions();
}

void ArmorPage::ShowArmorCaptions() {
    const Design& d = ctx_.design;
    LabArmorP->setText(QStringLiteral("Armor Points: ") + QString::number(d.ArmorPoints + d.PlacedArmor));
    LabArmorW->setText(QStringLiteral("Armor Weight: ") + QString::number(d.ArmorWeight) +
                       QStringLiteral(" Kg"));
}

void ArmorPage::ArmorSlide_MouseUp() {
    const GestureScope gesture(gestures_, "Armor Points", GestureKind::Ends);
    host_.RefreshMain();
}

void ArmorPage::ComboAType_Click() {
    // The selection reaches the armor list of the state inside the gesture, so that an undo of the
    // choice takes the selection back with it.
    const GestureScope gesture(gestures_, "Armor Type");
    const int index = ComboAType->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseArmorType(ctx_, index));
}

void ArmorPage::RefreshP2() {
    // Only shows: the armor as stored, the slider at its end when the points lie beyond it.
    const Design& d = ctx_.design;
    ShowArmorList(ctx_.armorList);
    {
        const QSignalBlocker block(ArmorSlide);
        if (const std::optional<int> maximum = ArmorMaximum(d)) SetMaximumQuietly(ArmorSlide, *maximum);
        ArmorSlide->setMinimum(d.PlacedArmor);
        ArmorSlide->setValue(d.PlacedArmor + d.ArmorPoints);
    }
    ShowArmorCaptions();
}

}  // namespace vantrel
