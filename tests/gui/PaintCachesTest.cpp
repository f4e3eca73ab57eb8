// What the main window keeps between paints must never show stale: laid-out list and slot texts, the
// armor picture decoded on first show.
#include "MainFormFixture.h"
#include "ui/CachedTextDelegate.h"
#include "ui/EntryList.h"

#include <QImage>
#include <QListWidget>

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
    Render(&label);
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

TEST_F(PaintCaches, ArmorPictureArrivesWithItsPage) {
    ShowPage(1);
    ASSERT_TRUE(Lab("Picture1")->isVisible());
    EXPECT_GT(Lab("Picture1")->pixmap().width(), 100);
}

}  // namespace vantrel::test
