// Options > Suggest Equipment...: the proposals as the window shows them, Apply as one undo step, and a
// search that runs beside the window and can be cancelled.

#include "MainFormFixture.h"
#include "SuggestDesigns.h"
#include "model/UndoHistory.h"
#include "rules/StatusLine.h"
#include "ui/SuggestForm.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTableWidget>

namespace vantrel::test {
namespace {

class SuggestWindowTest : public MainFormFixture {
protected:
    SuggestForm* Window() const { return form->SuggestWindow(); }
    QTableWidget* Grid() const { return Find<QTableWidget>(*Window(), "GridProposals"); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(*Window(), name); }
    QString Status() const { return Find<QLabel>(*Window(), "LabStatus")->text(); }

    void Open() {
        Act("MSuggest")->trigger();
        ASSERT_NE(Window(), nullptr);
        EXPECT_TRUE(Window()->isVisible());
    }
    // The event loop turns while the search runs; false when it did not end within a minute.
    bool AwaitResult() {
        QElapsedTimer clock;
        clock.start();
        while (Window()->Searching() && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
        return !Window()->Searching();
    }
    QStringList Row(int row) const {
        QStringList out;
        for (int c = 0; c < Grid()->columnCount(); ++c) out << Grid()->item(row, c)->text();
        return out;
    }
    void Load(const Context& suit) {
        DesignState state = CaptureState(suit);
        state.rebuildSlots = false;
        form->ShowState(state);
    }
};

// The menu entry sits beside the other Options windows; the table shows each proposal's value, its
// totals and what it adds; Apply places the chosen one in one step named for it, which Undo takes back
// whole.
TEST_F(SuggestWindowTest, ShowsProposalsAndAppliesOneAsOneStep) {
    Create();
    ASSERT_TRUE(form->Form_Load({}));
    Load(MediumSuit(ctx.catalog));
    const Design before = d();
    QStringList entries;
    for (QAction* a : Find<QMenu>(*form, "MOptions")->actions()) entries << a->text();
    EXPECT_EQ(entries, QStringList({"&History..."_q, "&Preferences..."_q, "Design &Check..."_q,
                                    "&Breakdown..."_q, "&Find Equipment..."_q, "&Suggest Equipment..."_q}));

    Open();
    EXPECT_TRUE(Status().startsWith("Searching for the best Estimated BV"_q));
    ASSERT_TRUE(AwaitResult());
    EXPECT_TRUE(Status().startsWith("The design now: 37. Proven best ("_q)) << Status().toStdString();
    ASSERT_EQ(Grid()->rowCount(), 5);
    EXPECT_EQ(Row(0), QStringList({"598"_q, "800 kg"_q, "1 / 1"_q, "0"_q, "598"_q, "237250"_q,
                                   "1 x (I) LRM 4, 5 x (I) LRM 4 Ammo"_q}));
    EXPECT_EQ(Row(2).back(), "1 x (I) Compact Narc, 1 x (I) LRM 4, 4 x (I) LRM 4 Ammo"_q);
    EXPECT_TRUE(Button("ComApply")->isEnabled());

    const std::size_t steps = Steps();
    const Proposal chosen = Window()->Result().proposals[2];
    Grid()->selectRow(2);
    Button("ComApply")->click();
    EXPECT_TRUE(d() == chosen.design);
    EXPECT_EQ(Lab("StatBar_6")->text().trimmed(), "Estimated BV: 546"_q);
    EXPECT_EQ(Act("MUndo")->text(), "&Undo Suggested Equipment"_q);
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_TRUE(AwaitResult());  // the design now has its room filled: nothing more to add
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_TRUE(Status().contains("No equipment that adds to the Estimated BV can be added"_q));

    Act("MUndo")->trigger();
    EXPECT_TRUE(d() == before);

    // Applied to a design changed since the search, a proposal would not be what it claimed: the
    // window searches again instead.
    Window()->ComSearch_Click();
    ASSERT_TRUE(AwaitResult());
    d().Model += "b";
    form->RefreshMain();
    Grid()->selectRow(0);
    Button("ComApply")->click();
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(Status().startsWith("The design has changed since the search"_q));
    ASSERT_TRUE(AwaitResult());
    EXPECT_TRUE(Status().startsWith("The design now: 37. Proven best ("_q));

    if (const QByteArray shots = qgetenv("VANTREL_SHOTS"); !shots.isEmpty())
        Window()->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("suggest-window.png"_q));
}

// A long search leaves the window answering: Cancel stops it with what it found, said as such.
TEST_F(SuggestWindowTest, CancelStopsALongSearch) {
    Create();
    ASSERT_TRUE(form->Form_Load({}));
    Load(LargestSuit(ctx.catalog));
    Open();
    ASSERT_TRUE(AwaitResult());
    EXPECT_TRUE(Status().startsWith("The design now: 25. Proven best"_q)) << Status().toStdString();
    QComboBox* objective = Find<QComboBox>(*Window(), "ComboObjective");
    objective->setCurrentIndex(4);  // BV per million C-Bills: about a second on this suit
    EXPECT_TRUE(Window()->Searching());
    EXPECT_FALSE(Button("ComApply")->isEnabled());
    EXPECT_TRUE(Button("ComCancel")->isEnabled());
    // The window answers events while the search runs.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 50) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Button("ComCancel")->click();
    ASSERT_TRUE(AwaitResult());
    EXPECT_TRUE(Window()->Result().cancelled);
    EXPECT_FALSE(Window()->Result().proven);
    const QString said = Window()->Result().proposals.empty()
                             ? "The search was cancelled before it found a proposal."_q
                             : "Best found, not proven: cancelled ("_q;
    EXPECT_TRUE(Status().contains(said)) << Status().toStdString();
    EXPECT_EQ(Grid()->rowCount(), static_cast<int>(Window()->Result().proposals.size()));
    EXPECT_FALSE(Button("ComCancel")->isEnabled());

    // Closing the window during a search cancels it; the window can go at any time.
    Window()->ComSearch_Click();
    Window()->close();
    form.reset();
}

}  // namespace
}  // namespace vantrel::test
