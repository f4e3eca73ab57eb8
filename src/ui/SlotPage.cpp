#include "ui/SlotPage.h"

#include "model/Design.h"
#include "rules/Tables.h"
#include "ui/DibSection.h"
#include "ui/Faces.h"
#include "ui/SlotLabel.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

// At the desktop's font size these grow with it (ScaledPx).
constexpr int kSlotWidth = 240;  // the longest ammunition caption still fits at 8.5 points
constexpr int kSlotHeight = 20;
constexpr int kFramerMargin = 3;  // 45 twips on each side: the outline is 90 twips taller than its slots

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return l;
}

QLabel* LocationHeading(const char* text, QWidget* parent) {
    return Heading(QString::fromLatin1(text), parent);
}

// The owned list with its buttons and legend, in a column of its own so that the buttons' height
// does not spread the rows of the slot labels beside it.
QVBoxLayout* OwnedColumn(QLabel* caption, EntryList* list, QPushButton* clearSelected, QPushButton* clearAll,
                         QPushButton* placeAll, QLabel* legend) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    list->setMinimumWidth(ScaledPx(150));
    column->addWidget(caption);
    column->addWidget(list, 1);
    column->addWidget(clearSelected);
    auto* all = new QHBoxLayout;
    all->setSpacing(4);
    all->addWidget(clearAll, 1);
    all->addWidget(placeAll, 1);
    column->addLayout(all);
    column->addWidget(legend);
    column->addStretch(0);
    return column;
}

// An action of the owned list, shown in its context menu.
QAction* PlaceAction(const char* name, const char* text, EntryList* list) {
    auto* a = new QAction(QString::fromLatin1(text), list);
    a->setObjectName(QString::fromLatin1(name));
    list->addAction(a);
    return a;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// OwnedList

OwnedList::OwnedList(QWidget* parent) : EntryList(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    setMinimumWidth(150);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString OwnedList::SelectedEntry() const {
    const std::vector<Span> spans = SelectedSpans();
    return spans.empty() ? QString() : spans.front().text;
}

QMimeData* OwnedList::MakeDragData() const {
    if (!HasSelection()) return nullptr;
    auto* data = new QMimeData;
    data->setText(SelectedEntry());
    return data;
}

void OwnedList::mouseDoubleClickEvent(QMouseEvent* e) {
    EntryList::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid()) emit placeRequested();
}

void OwnedList::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (!SelectedEntry().isEmpty()) emit placeRequested();
        e->accept();
        return;
    }
    EntryList::keyPressEvent(e);
}

void OwnedList::mousePressEvent(QMouseEvent* e) {
    EntryList::mousePressEvent(e);  // selects the entry under the pointer first
    if (e->button() != Qt::LeftButton) return;
    QMimeData* data = MakeDragData();
    if (!data) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

// ---------------------------------------------------------------------------------------------
// Figures

namespace {

// The artwork at `path` scaled into `size`, kept in `cache` (made for `cachedFor`): smooth scaling
// on every paint was the dearest part of showing the slot page. Null when the artwork is missing.
// It is scaled to the screen's pixels, not the widget's: on a screen of ratio 2 the artwork's own
// detail shows instead of a small copy blown up.
const QPixmap& ScaledArt(const QString& path, QSize size, qreal ratio, QPixmap& cache, QSize& cachedFor) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (pixels != cachedFor) {
        const QPixmap art(path);
        cache = art.isNull() ? QPixmap() : art.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        cache.setDevicePixelRatio(ratio);
        cachedFor = pixels;
    }
    return cache;
}

void PaintArt(QWidget* w, const QString& path, QPixmap& cache, QSize& cachedFor) {
    QPainter p(w);
    const QPixmap& scaled = ScaledArt(path, w->size(), w->devicePixelRatioF(), cache, cachedFor);
    // Whole logical pixels: a picture put at a half pixel is smeared over two.
    const int left = (w->width() - static_cast<int>(scaled.deviceIndependentSize().width())) / 2;
    p.drawPixmap(left, 0, scaled);
}

}  // namespace

BipedFigure::BipedFigure(QWidget* parent) : QWidget(parent) {
    InitArtwork();
    EmotLine = new QFrame(this);
    EmotLine->setObjectName(QStringLiteral("EmotLine"));
    // A filled strip: it stays visible over the artwork whatever the style draws for frames.
    EmotLine->setFrameShape(QFrame::NoFrame);
    EmotLine->setAutoFillBackground(true);
    QPalette p = EmotLine->palette();
    p.setColor(QPalette::Window, QColor(30, 30, 36));
    EmotLine->setPalette(p);
    setFixedSize(sizeHint());
    PlaceLine();
}

void BipedFigure::SetEmotLine(bool sad) {
    lineTwips_ = sad ? 360 : 480;
    PlaceLine();
}

void BipedFigure::resizeEvent(QResizeEvent*) { PlaceLine(); }

void BipedFigure::PlaceLine() {
    // 15 twips to a pixel; both heights fall on the visor of the figure's helmet.
    const int y = lineTwips_ / 15;
    const int cx = width() / 2;
    EmotLine->setGeometry(cx - 11, y - 1, 22, 2);
}

void BipedFigure::paintEvent(QPaintEvent*) {
    PaintArt(this, QStringLiteral(":/art/biped.png"), art_, artFor_);
}

QuadFigure::QuadFigure(QWidget* parent) : QWidget(parent) {
    InitArtwork();
    setMinimumSize(150, 100);
}

void QuadFigure::paintEvent(QPaintEvent*) { PaintArt(this, QStringLiteral(":/art/quad.png"), art_, artFor_); }

// ---------------------------------------------------------------------------------------------
// SlotPage

SlotPage::SlotPage(Chassis chassis, Context& ctx, GestureTracker& gestures, PageHost& host, Dialogs& dialogs,
                   QWidget* parent)
    : QWidget(parent),
      ctx_(ctx),
      gestures_(gestures),
      host_(host),
      dialogs_(dialogs),
      chassis_(chassis),
      slotHeight_(ScaledPx(kSlotHeight)) {
    if (chassis_ == Chassis::Humanoid)
        BuildHumanoid();
    else
        BuildQuad();
    connect(Owned(), &EntryList::itemSelectionChanged, this, &SlotPage::UpdatePlaceActions);
    UpdatePlaceActions();
    ConnectHandlers();
}

template <std::size_t N>
void SlotPage::MakeColumn(std::array<SlotLabel*, N>& labels, int location, QWidget* parent) {
    for (std::size_t i = 0; i < N; ++i) {
        auto* l = new SlotLabel(static_cast<int>(i), parent);
        // As tall as the font needs; as wide as the column, never narrower than the longest caption.
        l->setFixedHeight(slotHeight_);
        l->setMinimumWidth(ScaledPx(kSlotWidth));
        l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(l, &SlotLabel::dropped, this, [this, location](int slot, const std::optional<QString>& text) {
            emit slotDropped(location, slot, text);
        });
        connect(l, &SlotLabel::clicked, this,
                [this, location](int slot) { emit slotClicked(location, slot); });
        connect(l, &SlotLabel::activated, this,
                [this, location](int slot) { emit slotActivated(location, slot); });
        connect(l, &SlotLabel::deleteRequested, this, [this] { ClearSelected()->click(); });
        connect(l, &SlotLabel::moveRequested, this,
                [this, location](int slot, int dx, int dy) { MoveFocus(location, slot, dx, dy); });
        labels[i] = l;
    }
}

void SlotPage::BuildHumanoid() {
    MakeColumn(BodyCrit, kBody, this);
    MakeColumn(RightCrit, kRightArm, this);
    MakeColumn(LeftCrit, kLeftArm, this);
    BipedOwned = new OwnedList(this);
    BipedOwned->setObjectName(QStringLiteral("BipedOwned"));
    ClearSel1 = new QPushButton(QStringLiteral("Clear Selected"), this);
    ClearCS = new QPushButton(QStringLiteral("Clear All CSlots"), this);
    PlaceAll = new QPushButton(QStringLiteral("Place All"), this);
    PlaceInBody = PlaceAction("PlaceInBody", "Place in Body", BipedOwned);
    PlaceInRightArm = PlaceAction("PlaceInRightArm", "Place in Right Arm", BipedOwned);
    PlaceInLeftArm = PlaceAction("PlaceInLeftArm", "Place in Left Arm", BipedOwned);
    Label41 = new QLabel(QStringLiteral("Owned Equipment"), this);
    Label1 = new QLabel(QStringLiteral("ASys: Armor Systems"), this);
    Figure = new BipedFigure(this);
    EmotLine = Figure->EmotLine;

    // Body column, both arms in the next one with the figure under them, then the owned list.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(LocationHeading(LocationName(kBody), this), 0, 0);
    for (int i = 0; i < 12; ++i) grid->addWidget(BodyCrit[i], 1 + i, 0);
    // The arms keep their own column so the figure's height does not spread the body's rows.
    auto* arms = new QVBoxLayout;
    arms->setSpacing(2);
    arms->addWidget(LocationHeading(LocationName(kRightArm), this));
    for (SlotLabel* l : RightCrit) arms->addWidget(l);
    arms->addSpacing(4);
    arms->addWidget(LocationHeading(LocationName(kLeftArm), this));
    for (SlotLabel* l : LeftCrit) arms->addWidget(l);
    arms->addSpacing(8);
    arms->addWidget(Figure, 0, Qt::AlignHCenter);
    arms->addStretch(1);
    grid->addLayout(arms, 0, 1, 14, 1);

    grid->addLayout(OwnedColumn(Label41, BipedOwned, ClearSel1, ClearCS, PlaceAll, Label1), 0, 2, 14, 1);
    // Room beyond the minimum goes to the slot columns and the owned list alike.
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(13, 1);
}

void SlotPage::BuildQuad() {
    MakeColumn(QuadCrit, kQuadBody, this);
    TurretFramer = new QFrame(this);
    TurretFramer->setFrameStyle(QFrame::Box | QFrame::Plain);
    TurretFramer->setLineWidth(2);
    MakeColumn(TurretCrit, kTurret, TurretFramer);
    QuadOwned = new OwnedList(this);
    QuadOwned->setObjectName(QStringLiteral("QuadOwned"));
    ClearSel2 = new QPushButton(QStringLiteral("Clear Selected"), this);
    ClearCST = new QPushButton(QStringLiteral("Clear All CSlots"), this);
    PlaceAll = new QPushButton(QStringLiteral("Place All"), this);
    PlaceInQuad = PlaceAction("PlaceInQuad", "Place in Body", QuadOwned);
    PlaceInTurret = PlaceAction("PlaceInTurret", "Place in Turret", QuadOwned);
    Label40 = new QLabel(QStringLiteral("Owned Equipment"), this);
    Label2 = new QLabel(QStringLiteral("ASys: Armor Systems"), this);
    TurretHeader = LocationHeading(LocationName(kTurret), this);

    auto* framed = new QVBoxLayout(TurretFramer);
    // The outline's own line is part of the margin: with all of it inside, the slots were squeezed
    // a pixel each and lay over one another.
    const int inset = kFramerMargin - TurretFramer->lineWidth();
    framed->setContentsMargins(inset, inset, inset, inset);
    framed->setSpacing(0);
    for (SlotLabel* l : TurretCrit) framed->addWidget(l);
    framed->addStretch(1);
    TurretFramer->setMinimumWidth(ScaledPx(kSlotWidth) + 2 * kFramerMargin);
    TurretFramer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(LocationHeading(LocationName(kBody), this), 0, 0);
    for (int i = 0; i < 16; ++i) grid->addWidget(QuadCrit[i], 1 + i, 0);
    auto* turret = new QVBoxLayout;
    turret->setSpacing(2);
    turret->addWidget(TurretHeader);
    turret->addWidget(TurretFramer);
    turret->addStretch(1);
    turret->addWidget(new QuadFigure(this), 0, Qt::AlignHCenter);
    turret->addSpacing(12);
    grid->addLayout(turret, 0, 1, 18, 1);

    grid->addLayout(OwnedColumn(Label40, QuadOwned, ClearSel2, ClearCST, PlaceAll, Label2), 0, 2, 18, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(17, 1);
    SetTurret(0, false);
}

std::vector<std::pair<QAction*, int>> SlotPage::PlaceActions() const {
    if (chassis_ == Chassis::Humanoid)
        return {
            {PlaceInBody,     kBody    },
            {PlaceInRightArm, kRightArm},
            {PlaceInLeftArm,  kLeftArm }
        };
    return {
        {PlaceInQuad,   kQuadBody},
        {PlaceInTurret, kTurret  }
    };
}

std::vector<QWidget*> SlotPage::TabOrder() const {
    // the slot columns left to right, then the owned list and the buttons under it
    std::vector<QWidget*> order;
    const auto add = [&order](const auto& labels) {
        order.insert(order.end(), labels.begin(), labels.end());
    };
    if (chassis_ == Chassis::Humanoid) {
        add(BodyCrit);
        add(RightCrit);
        add(LeftCrit);
    } else {
        add(QuadCrit);
        add(TurretCrit);
    }
    order.insert(order.end(), {Owned(), ClearSelected(), ClearAll(), PlaceAll});
    return order;
}

void SlotPage::MoveFocus(int location, int slot, int dx, int dy) {
    // The columns from left to right as the page shows them.
    const std::vector<int> columns = chassis_ == Chassis::Humanoid
                                         ? std::vector<int>{kBody, kRightArm, kLeftArm}
                                         : std::vector<int>{kQuadBody, kTurret};
    const auto shown = [this](int l, int s) {
        SlotLabel* label = Crit(l, s);
        return label && label->isVisibleTo(this) ? label : nullptr;
    };
    SlotLabel* target = nullptr;
    if (dy != 0) {
        target = shown(location, slot + dy);
    } else {
        const auto at = std::find(columns.begin(), columns.end(), location);
        const auto next = at - columns.begin() + dx;
        if (at != columns.end() && next >= 0 && next < static_cast<long>(columns.size())) {
            const int l = columns[static_cast<std::size_t>(next)];
            for (int s = std::min(slot, CritCount(l) - 1); s >= 0 && !target; --s) target = shown(l, s);
        }
    }
    if (target) target->setFocus(Qt::OtherFocusReason);
}

void SlotPage::UpdatePlaceActions() {
    const bool selected = !Owned()->SelectedEntry().isEmpty();
    for (const auto& [action, location] : PlaceActions()) action->setEnabled(selected);
}

bool SlotPage::HasLocation(int location) const {
    if (chassis_ == Chassis::Humanoid)
        return location == kBody || location == kLeftArm || location == kRightArm;
    return location == kQuadBody || location == kTurret;
}

int SlotPage::CritCount(int location) {
    switch (location) {
        case kBody: return kBodySlotCount;
        case kLeftArm:
        case kRightArm: return kArmSlotCount;
        case kQuadBody: return kQuadSlotCount;
        case kTurret: return kTurretSlotCount;
        default: return 0;
    }
}

SlotLabel* SlotPage::Crit(int location, int slot) const {
    if (!HasLocation(location) || slot < 0 || slot >= CritCount(location)) return nullptr;
    switch (location) {
        case kBody: return BodyCrit[slot];
        case kLeftArm: return LeftCrit[slot];
        case kRightArm: return RightCrit[slot];
        case kQuadBody: return QuadCrit[slot];
        default: return TurretCrit[slot];
    }
}

void SlotPage::SetEmotLine(bool sad) {
    if (Figure) Figure->SetEmotLine(sad);
}

void SlotPage::SetTurret(int usable, bool present) {
    if (chassis_ != Chassis::Quad) return;
    for (int i = 0; i < kTurretSlotCount; ++i) TurretCrit[i]->setVisible(i < usable);
    const int height = usable * slotHeight_ + 2 * kFramerMargin;
    if (height >= 0) TurretFramer->setFixedHeight(height);
    TurretFramer->setVisible(present);
    TurretHeader->setVisible(present);
}

}  // namespace vantrel
