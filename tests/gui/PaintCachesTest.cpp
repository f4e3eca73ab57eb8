// What the main window keeps between paints must never show stale: lists kept when unchanged, laid-out
// list and slot texts, the armor picture decoded on first show.
#include "MainFormFixture.h"

#include <QImage>
#include <QListWidget>
#include <QTabBar>

#include "ui/CachedTextDelegate.h"
#include "ui/EquipmentPage.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"

namespace vantrel::test {

namespace {

QImage Render(QWidget* w) { return w->grab().toImage(); }

}  // namespace

TEST(CachedTextDelegate, DrawsEntriesWhereTheStyleDoes) {
    const QStringList entries{"Heat Sink"_q, "(C) Heavy Mortar Ammo"_q,
                              "An entry far too long for the row of this narrow list, elided by the style"_q};
    QListWidget styled, cached;
    cached.setItemDelegate(new CachedTextDelegate(&cached));
    for (QListWidget* list : {&styled, &cached}) {
        list->resize(220, 120);
        list->addItems(entries);
    }
    EXPECT_EQ(Render(&styled), Render(&cached));

    // Another font and other entries: nothing laid out for the old ones is drawn.
    for (QListWidget* list : {&styled, &cached}) {
        QFont f = list->font();
        f.setPointSize(f.pointSize() + 3);
        list->setFont(f);
        list->item(0)->setText("Jump Jets"_q);
    }
    EXPECT_EQ(Render(&styled), Render(&cached));
}

TEST(SlotLabel, NewCaptionOrWidthIsFittedAgain) {
    const QColor colour(0, 200, 0);
    auto fresh = [&](const QString& caption, int width) {
        auto label = std::make_unique<SlotLabel>(0);
        label->resize(width, 20);
        label->SetSlot(caption, colour);
        return Render(label.get());
    };
    SlotLabel label(0);
    label.resize(240, 20);
    label.SetSlot("Heat Sink"_q, colour);
    EXPECT_EQ(Render(&label), fresh("Heat Sink"_q, 240));
    label.SetSlot("Jump Jets"_q, colour);
    EXPECT_EQ(Render(&label), fresh("Jump Jets"_q, 240));
    // Narrower: the caption shrinks, then is elided, as it would on a label drawn at that width first.
    label.SetSlot("Space Operations Adaptation"_q, colour);
    label.resize(120, 20);
    EXPECT_EQ(Render(&label), fresh("Space Operations Adaptation"_q, 120));
    label.resize(60, 20);
    EXPECT_EQ(Render(&label), fresh("Space Operations Adaptation"_q, 60));
}

class PaintCaches : public MainFormFixture {};

TEST_F(PaintCaches, UnchangedListsStayAndLoseTheirSelection) {
    form->TabStrip1->setCurrentIndex(2);
    EquipmentPage* p = form->equipmentPage_;
    ASSERT_GT(p->AvList->count(), 3);
    const QListWidgetItem* first = p->AvList->item(0);
    p->AvList->item(2)->setSelected(true);
    form->RefreshP3();
    EXPECT_EQ(p->AvList->item(0), first);  // the same rows, not rebuilt
    EXPECT_TRUE(p->AvList->selectedItems().isEmpty());
    EXPECT_EQ(p->AvList->currentItem(), nullptr);

    // A new owned entry rebuilds the owned list, on this page and the slot page.
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    const QString name = QString::fromStdString(ctx.catalog[item].Name);
    AddToStash(ctx.catalog, d(), ctx.catalog[item].Name, 1);
    form->RefreshP3();
    form->RefreshP4();
    ASSERT_EQ(p->SelList->count(), 1);
    EXPECT_EQ(p->SelList->item(0)->text(), name);
    ASSERT_EQ(form->bipedPage_->BipedOwned->count(), 1);
    EXPECT_EQ(form->bipedPage_->BipedOwned->item(0)->text(), name);
}

TEST_F(PaintCaches, ArmorPictureArrivesWithItsPage) {
    form->TabStrip1->setCurrentIndex(1);
    ASSERT_TRUE(form->Picture1->isVisible());
    EXPECT_FALSE(form->Picture1->pixmap().isNull());
    EXPECT_GT(form->Picture1->pixmap().width(), 100);
}

}  // namespace vantrel::test
