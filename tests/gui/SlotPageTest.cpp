// The slot pages: the slot label and owned list on their own, then placement through real drop
// events on the labels of a running main window, the highlight, the clear buttons and the turret.

#include "ui/SlotPage.h"

#include "FakePageHost.h"
#include "MainFormFixture.h"
#include "ui/ChassisPage.h"
#include "ui/ControlNames.h"
#include "ui/Gesture.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <optional>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

QColor Rgb2Q(const Rgb& c) { return QColor(c.r, c.g, c.b); }

void DragLeave(QWidget* w) {
    QDragLeaveEvent e;
    QCoreApplication::sendEvent(w, &e);
}

void DropText(QWidget* w, const QString& text) {
    QMimeData data;
    data.setText(text);
    DropOn(w, &data);
}

void ClickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

// The labels `column`_0 .. of a slot column, in slot order.
std::vector<SlotLabel*> Labels(const SlotPage& page, const char* column, int count) {
    std::vector<SlotLabel*> out;
    for (int i = 0; i < count; ++i) out.push_back(FindAt<SlotLabel>(page, column, i));
    return out;
}

// ---- slot label and page widgets on their own ----

TEST(SlotLabel, HoverTakesOnlyTextAndLightsFreeSlots) {
    SlotLabel label(3);
    ASSERT_EQ(label.colour(), Rgb2Q(kColourFree));
    QMimeData text, noText, known;
    text.setText(u"Heat Sink"_s);
    noText.setData(u"application/x-other"_s, QByteArray("x"));
    known.setText(u"Known"_s);

    // Data without plain text cannot be dropped and leaves the colour alone.
    EXPECT_FALSE(DragEnter(&label, &noText));
    EXPECT_EQ(label.colour(), Rgb2Q(kColourFree));
    EXPECT_TRUE(DragEnter(&label, &text));
    EXPECT_EQ(label.colour(), Rgb2Q(kColourHover));
    DragLeave(&label);
    EXPECT_EQ(label.colour(), Rgb2Q(kColourFree));

    // A taken slot takes the hover (a rule message can still come) but keeps its colour.
    label.SetSlot(u"Heat Sink"_s, Rgb2Q(kColourHeatSink));
    EXPECT_TRUE(DragEnter(&label, &text));
    EXPECT_EQ(label.colour(), Rgb2Q(kColourHeatSink));
    DragLeave(&label);

    // The turret's filter: a free slot lights only for texts the filter passes.
    label.SetSlot(u"Available"_s, Rgb2Q(kColourFree));
    label.SetHoverFilter([](const QString& t) { return t == u"Known"_s; });
    EXPECT_TRUE(DragEnter(&label, &text));
    EXPECT_EQ(label.colour(), Rgb2Q(kColourFree));
    EXPECT_TRUE(DragEnter(&label, &known));
    EXPECT_EQ(label.colour(), Rgb2Q(kColourHover));
}

TEST(SlotLabel, DropAndClickReportTheSlot) {
    SlotLabel label(7);
    QSignalSpy drops(&label, &SlotLabel::dropped);
    QSignalSpy clicks(&label, &SlotLabel::clicked);
    DropText(&label, u"Heat Sink"_s);
    // The toolkit hands a drop only to the widget that took the hover; the data may still lack text.
    QMimeData text, noText;
    text.setText(u"x"_s);
    noText.setData(u"application/x-other"_s, QByteArray("x"));
    DragEnter(&label, &text);
    QDropEvent e(QPointF(4, 4), Qt::MoveAction, &noText, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &e);
    ASSERT_EQ(drops.count(), 2);
    using Dragged = std::optional<QString>;
    EXPECT_EQ(drops[0].at(0).toInt(), 7);
    EXPECT_EQ(drops[0].at(1).value<Dragged>(), Dragged(u"Heat Sink"_s));
    EXPECT_EQ(drops[1].at(1).value<Dragged>(), std::nullopt);

    ClickOn(&label);
    // A press that ends outside the label is no click.
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0].at(0).toInt(), 7);
}

TEST(SlotPage, OwnedListDragDataTurretOutlineAndFigure) {
    Context ctx;
    GestureTracker gestures;
    FakePageHost host;
    FakeDialogs dialogs;
    SlotPage quad(SlotPage::Chassis::Quad, ctx, gestures, host, dialogs, nullptr);
    NameControls(quad);  // as the main window does, so the controls are found by name
    OwnedList* list = Find<OwnedList>(quad, "QuadOwned");
    EXPECT_FALSE(list->viewport()->acceptDrops());
    list->SetEntries(QStringList{u"Heat Sink"_s, u"Small Laser Ammo"_s});
    EXPECT_EQ(list->MakeDragData(), nullptr);  // nothing selected: no drag
    list->SetSelected(1, true);
    std::unique_ptr<QMimeData> data(list->MakeDragData());
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), u"Small Laser Ammo"_s);
    EXPECT_EQ(data->formats(), QStringList{u"text/plain"_s});

    // The outline is 6 px (90 twips) taller than the usable turret slots. A configurable turret of
    // size 0 gives -1 slots: the height stays, outline and header go.
    const QFrame* framer = Find<QFrame>(quad, "TurretFramer");
    quad.SetTurret(2, true);
    const int h = FindAt<SlotLabel>(quad, "TurretCrit", 0)->height();
    EXPECT_EQ(framer->height(), 2 * h + 6);
    EXPECT_TRUE(FindAt<SlotLabel>(quad, "TurretCrit", 2)->isHidden());
    quad.SetTurret(-1, false);
    EXPECT_EQ(framer->height(), 2 * h + 6);
    EXPECT_TRUE(framer->isHidden());
    EXPECT_TRUE(Find<QLabel>(quad, "TurretHeader")->isHidden());

    SlotPage biped(SlotPage::Chassis::Humanoid, ctx, gestures, host, dialogs, nullptr);
    NameControls(biped);
    const QFrame* line = Find<QFrame>(biped, "EmotLine");
    EXPECT_EQ(biped.Crit(kQuadBody, 0), nullptr);
    EXPECT_EQ(biped.Crit(kBody, 12), nullptr);
    const int happy = line->geometry().center().y();
    biped.SetEmotLine(true);
    // Form units at 15 to the pixel.
    EXPECT_EQ(happy - line->geometry().center().y(), (480 - 360) / 15);
}

// ---- placement in the running main window ----

class SlotPageTest : public MainFormFixture {
protected:
    int FreeCSlots() {
        const QString p = FindAt<QLabel>(*form, "StatBar", 5)->text();
        EXPECT_TRUE(p.startsWith(u"Free CSlots: "_s)) << p.toStdString();
        return p.mid(13).trimmed().toInt();
    }
    SlotLabel* Body(int i) const { return SlotAt(*Biped(), "BodyCrit", i); }
    SlotLabel* RightArm(int i) const { return SlotAt(*Biped(), "RightCrit", i); }
    SlotLabel* LeftArm(int i) const { return SlotAt(*Biped(), "LeftCrit", i); }
    SlotLabel* QuadBody(int i) const { return SlotAt(*Quad(), "QuadCrit", i); }
    SlotLabel* Turret(int i) const { return SlotAt(*Quad(), "TurretCrit", i); }

    // An accepted drop moves exactly one owned line into `taken` slots and lowers "Free CSlots".
    void ExpectPlaced(SlotPage* page, const QString& entry, SlotLabel* target, int taken) {
        const QStringList before = OwnedOf(*page)->Lines();
        const int free = FreeCSlots();
        const std::size_t messages = dialogs.messages.size();
        Drag(page, entry, target);
        QStringList expected = before;
        expected.removeAt(expected.indexOf(entry));
        EXPECT_EQ(OwnedOf(*page)->Lines(), expected) << entry.toStdString();
        EXPECT_EQ(FreeCSlots(), free - taken) << entry.toStdString();
        EXPECT_EQ(target->text(), entry);
        EXPECT_EQ(dialogs.messages.size(), messages);
    }

    // The indexes of the labels drawn in the selection colour.
    template <typename Labels>
    static QList<int> Cyan(const Labels& labels) {
        QList<int> out;
        for (int i = 0; i < int(labels.size()); ++i)
            if (labels[i]->colour() == Rgb2Q(kColourSelected)) out << i;
        return out;
    }

    static QString Name(const Catalog& c, int i) { return QString::fromStdString(c[i].Name); }
    int Index(const char* name) const { return FindIndex(ctx.catalog, name); }
};

TEST_F(SlotPageTest, NewHumanoidDesignAndDropsOnEveryLocation) {
    ShowPage(3);
    SlotPage* p = Biped();
    EXPECT_EQ(Body(0)->text(), u"Ground Movement"_s);
    EXPECT_EQ(Body(0)->colour(), Rgb2Q(kColourMovement));
    ASSERT_EQ(FreeCSlots(), 19);

    const int weapon = PlainItem(2);
    ASSERT_GE(weapon, 0);
    const QString weaponName = Name(ctx.catalog, weapon);
    d().HeatSinks = 2;
    Own({ctx.catalog[weapon].Name, "Battle Claw", "(I) Light Machine Gun Ammo"});
    // Heat sinks first, then catalog order.
    ASSERT_EQ(OwnedOf(*p)->Lines(), (QStringList{u"Heat Sink"_s, u"Heat Sink"_s, weaponName,
                                                 u"(I) Light Machine Gun Ammo"_s, u"Battle Claw"_s}));

    ExpectPlaced(p, u"Heat Sink"_s, Body(3), 1);
    EXPECT_EQ(Body(3)->colour(), Rgb2Q(kColourHeatSink));
    EXPECT_EQ(d().PlacedHeatSinks, 1);
    ExpectPlaced(p, weaponName, Body(5), 2);
    EXPECT_EQ(Body(6)->text(), weaponName);
    EXPECT_EQ(Body(6)->colour(), Rgb2Q(kColourItem));
    EXPECT_EQ(Body(7)->text(), u"Available"_s);
    EXPECT_EQ(d().PlacedCount[weapon], 1);
    ExpectPlaced(p, u"Battle Claw"_s, RightArm(1), 1);
    EXPECT_EQ(d().RightArmSlots[1], Index("Battle Claw") + kSlotItemBase);
    ExpectPlaced(p, u"Heat Sink"_s, LeftArm(0), 1);
    ExpectPlaced(p, u"(I) Light Machine Gun Ammo"_s, LeftArm(2), 1);
    EXPECT_EQ(d().LeftArmSlots[2], Index("(I) Light Machine Gun") + kSlotAmmoBase);
    EXPECT_FALSE(doc.Saved());
    // The quad page's list shows the same owned entries, now none.
    EXPECT_EQ(OwnedOf(*Quad())->count(), 0);
}

TEST_F(SlotPageTest, RefusalsShowTheirMessageAndChangeNothing) {
    ShowPage(3);
    SlotPage* p = Biped();
    const int weapon = PlainItem(2);
    Own({"Para Foil", ctx.catalog[weapon].Name, "Heavy Battle Claw", "(I) Light Machine Gun Ammo"});
    form->Edits().MarkSaved();
    const Design before = d();
    const QStringList lines = OwnedOf(*p)->Lines();

    // A rule fires before the slot is looked at: even on the occupied movement slot.
    Drag(p, u"Para Foil"_s, Body(0));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"A Battle Armor must be able to jump to equip a Para Foil."_s);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);

    // Only slot 11 of the two lies inside the body: no room, no icon, the slot back to green.
    Drag(p, Name(ctx.catalog, weapon), Body(11));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, u"Not enough room."_s);
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::None);
    EXPECT_EQ(Body(11)->colour(), Rgb2Q(kColourFree));

    // Manipulators go in the arms only: silently refused on the body.
    Drag(p, u"Heavy Battle Claw"_s, Body(4));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    // On a taken slot an item meets the room check; ammunition is not placed, without a message.
    Drag(p, u"Heavy Battle Claw"_s, Body(0));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, u"Not enough room."_s);
    Drag(p, u"(I) Light Machine Gun Ammo"_s, Body(0));

    // Data without text, and text that is not the dragged owned entry (from another program).
    QMimeData noText;
    noText.setData(u"application/x-other"_s, QByteArray("x"));
    DropOn(Body(6), &noText);
    OwnedOf(*p)->clearSelection();
    DropText(Body(6), u"Heat Sink"_s);
    DropText(Body(6), u"Para Foil"_s);

    EXPECT_EQ(dialogs.messages.size(), 3u) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(d(), before);
    EXPECT_EQ(OwnedOf(*p)->Lines(), lines);
    EXPECT_EQ(Body(0)->text(), u"Ground Movement"_s);
    for (int i = 1; i < 12; ++i) EXPECT_EQ(Body(i)->text(), u"Available"_s) << i;
}

TEST_F(SlotPageTest, HighlightAndClearing) {
    ShowPage(3);
    SlotPage* p = Biped();
    ASSERT_EQ(ctx.catalog[Index("Myomer Booster")].CSlots, 3);
    d().HeatSinks = 2;
    Own({"Myomer Booster", "Magnetic Clamps", "Space Operations Adaptation"});
    ExpectPlaced(p, u"Myomer Booster"_s, Body(2), 3);
    ExpectPlaced(p, u"Heat Sink"_s, Body(6), 1);
    ExpectPlaced(p, u"Heat Sink"_s, Body(7), 1);
    ExpectPlaced(p, u"Magnetic Clamps"_s, RightArm(3),
                 2);  // and the first free left-arm slot
    EXPECT_EQ(LeftArm(0)->text(), u"Magnetic Clamps"_s);
    ExpectPlaced(p, u"Space Operations Adaptation"_s, Body(9),
                 3);  // and one slot in each arm
    EXPECT_EQ(RightArm(0)->text(), u"Space Operations Adaptation"_s);
    EXPECT_EQ(LeftArm(1)->text(), u"Space Operations Adaptation"_s);

    // Clicks on free or movement slots select nothing.
    ClickOn(Body(0));
    ClickOn(Body(11));
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_FALSE(Find<QPushButton>(*p, "ClearSel1")->isEnabled());

    // The middle slot of the three-slot item marks the whole item, nothing else.
    ClickOn(Body(3));
    EXPECT_EQ(ctx.SelSlot, 3);
    EXPECT_EQ(Cyan(Labels(*p, "BodyCrit", 12)), (QList<int>{2, 3, 4}));
    EXPECT_TRUE(Find<QPushButton>(*p, "ClearSel1")->isEnabled());

    // The space adaptation lights up in all three locations.
    ClickOn(RightArm(0));
    EXPECT_EQ(Cyan(Labels(*p, "RightCrit", 4)), QList<int>{0});
    EXPECT_EQ(Cyan(Labels(*p, "LeftCrit", 4)), QList<int>{1});
    EXPECT_EQ(Cyan(Labels(*p, "BodyCrit", 12)), QList<int>{9});

    // Clear Selected returns the one unit and frees its three slots.
    const int free = FreeCSlots();
    Find<QPushButton>(*p, "ClearSel1")->click();
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_FALSE(Find<QPushButton>(*p, "ClearSel1")->isEnabled());
    EXPECT_EQ(FreeCSlots(), free + 3);
    EXPECT_EQ(LeftArm(1)->colour(), Rgb2Q(kColourFree));
    EXPECT_EQ(OwnedOf(*p)->Lines(), QStringList{u"Space Operations Adaptation"_s});

    // One of two heat sinks.
    ClickOn(Body(7));
    EXPECT_EQ(Cyan(Labels(*p, "BodyCrit", 12)), QList<int>{7});
    Find<QPushButton>(*p, "ClearSel1")->click();
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(Body(6)->text(), u"Heat Sink"_s);
    EXPECT_EQ(Body(7)->text(), u"Available"_s);

    // Clear All: everything back in the owned list, the movement entry stays.
    Find<QPushButton>(*p, "ClearCS")->click();
    EXPECT_EQ(FreeCSlots(), 19);
    EXPECT_EQ(Body(0)->text(), u"Ground Movement"_s);
    QStringList lines = OwnedOf(*p)->Lines();
    lines.sort();
    EXPECT_EQ(lines, (QStringList{u"Heat Sink"_s, u"Heat Sink"_s, u"Magnetic Clamps"_s, u"Myomer Booster"_s,
                                  u"Space Operations Adaptation"_s}));
}

TEST_F(SlotPageTest, QuadBodyAndTurret) {
    UseLayout(true, 3, 3);
    ASSERT_EQ(d().TurretSize, 3);
    SlotPage* q = Quad();
    EXPECT_FALSE(Biped()->isVisible());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Turret(i)->isVisible(), i < 3) << i;

    const int weapon = PlainItem(2);
    const QString weaponName = Name(ctx.catalog, weapon);
    Own({ctx.catalog[weapon].Name}, 2);
    Own({"(I) Light Machine Gun Ammo", "Searchlight"});
    ExpectPlaced(q, weaponName, QuadBody(14), 2);
    ExpectPlaced(q, u"(I) Light Machine Gun Ammo"_s, Turret(2), 1);
    // Two slots from turret slot 1 meet the ammunition in slot 2: no room. From slot 0 they fit.
    Drag(q, weaponName, Turret(1));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"Not enough room."_s);
    EXPECT_EQ(Turret(1)->colour(), Rgb2Q(kColourFree));
    ExpectPlaced(q, weaponName, Turret(0), 2);
    EXPECT_EQ(Turret(1)->text(), weaponName);
    // Equipment stays off the turret, without a message; the turret's hover ignores it too.
    Combo("ComboTurret")->setCurrentIndex(5);
    form->RefreshP4();
    QMimeData heat;
    heat.setText(u"Heat Sink"_s);
    DragEnter(Turret(4), &heat);
    EXPECT_EQ(Turret(4)->colour(), Rgb2Q(kColourFree));
    DragLeave(Turret(4));
    Drag(q, u"Searchlight"_s, Turret(4));
    EXPECT_EQ(Turret(4)->text(), u"Available"_s);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(OwnedOf(*q)->Lines(), QStringList{u"Searchlight"_s});

    // The turret's slots select like any other; the highlight follows the span.
    ClickOn(Turret(1));
    EXPECT_EQ(ctx.SelLocation, 4);
    EXPECT_TRUE(Find<QPushButton>(*q, "ClearSel2")->isEnabled());
    EXPECT_EQ(Cyan(Labels(*q, "TurretCrit", 9)), (QList<int>{0, 1}));
    Find<QPushButton>(*q, "ClearSel2")->click();
    EXPECT_EQ(Turret(0)->text(), u"Available"_s);
    EXPECT_EQ(Turret(2)->text(), u"(I) Light Machine Gun Ammo"_s);
    Find<QPushButton>(*q, "ClearCST")->click();
    EXPECT_EQ(QuadBody(14)->text(), u"Available"_s);
    EXPECT_EQ(QuadBody(0)->text(), u"Ground Movement"_s);
    EXPECT_EQ(OwnedOf(*q)->count(), 4);

    // A configurable turret gives up one slot.
    Find<vantrel::ChassisPage>(*form, "Frame1")->ChkConfig_MouseUp();
    ASSERT_TRUE(d().TurretConfig);
    form->RefreshP4();
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Turret(i)->isVisible(), i < 4) << i;
    Combo("ComboTurret")->setCurrentIndex(0);
    form->RefreshP4();
    EXPECT_FALSE(Find<QLabel>(*q, "TurretHeader")->isVisible());
    EXPECT_FALSE(Find<QFrame>(*q, "TurretFramer")->isVisible());
}

TEST_F(SlotPageTest, DropIsHandledAfterTheDragEndsAndRebuildShowsAtOnce) {
    ShowPage(3);
    SlotPage* p = Biped();
    d().HeatSinks = 1;
    form->RefreshP4();
    OwnedOf(*p)->setCurrentRow(0);
    std::unique_ptr<QMimeData> data(OwnedOf(*p)->MakeDragData());
    DragEnter(Body(3), data.get());
    QDropEvent e(QPointF(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Body(3), &e);
    EXPECT_TRUE(e.isAccepted());
    EXPECT_EQ(e.dropAction(), Qt::MoveAction);
    EXPECT_EQ(d().HeatSinks, 1);  // still inside the drag: nothing placed, no message box yet
    QCoreApplication::processEvents();
    EXPECT_EQ(Body(3)->text(), u"Heat Sink"_s);

    // A movement rebuild asked for by the first page shows as soon as the page is redrawn.
    d().JumpMP = 2;
    ctx.RebuildSlots = true;
    form->RunSlotRebuild();
    form->RefreshP4();
    EXPECT_FALSE(ctx.RebuildSlots);
    EXPECT_EQ(Body(2)->text(), u"Jump Jets"_s);
    EXPECT_EQ(Body(2)->colour(), Rgb2Q(kColourMovement));
    EXPECT_EQ(d().HeatSinks, 1);  // the placed heat sink came back
    EXPECT_EQ(FreeCSlots(), 17);
}

}  // namespace
}  // namespace vantrel::test
