// The entry lists: rows held as runs of equal texts, the view over them (keys, mouse, scrolling on
// a list of 606,000 rows), and the equipment and slot pages of a design at the reader's limits.

#include "ui/EntryList.h"

#include "MainFormFixture.h"

#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <tuple>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

QStringList Expand(const std::vector<EntryRun>& runs) {
    QStringList out;
    for (const EntryRun& run : runs)
        for (int i = 0; i < run.count; ++i) out << run.text;
    return out;
}

TEST(EntryList, RowsRefillsAddsTakesAndSelectedSpans) {
    EntryList list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    const std::vector<EntryRun> runs{
        {u"A"_s, 2},
        {u"B"_s, 0},
        {u"A"_s, 1},
        {u"C"_s, 3},
        {u"D"_s, 1}
    };
    list.SetEntries(runs);
    EXPECT_EQ(list.count(), 7);
    EXPECT_EQ(list.Lines(), Expand(runs));
    EXPECT_EQ(list.Text(2), u"A"_s);
    EXPECT_EQ(list.Text(3), u"C"_s);
    EXPECT_EQ(list.Text(7), QString());
    EXPECT_EQ(list.FindRow(u"C"_s), 3);
    EXPECT_EQ(list.FindRow(u"B"_s), -1);
    EXPECT_EQ(list.Entries()->data(list.Index(6), Qt::DisplayRole).toString(), u"D"_s);

    // The same rows again: no rebuild, but selection and current row go as with every refill.
    QSignalSpy resets(list.Entries(), &QAbstractItemModel::modelReset);
    list.setCurrentRow(4);
    list.SetSelected(1, true);
    list.SetEntries(std::vector<EntryRun>{
        {u"A"_s, 3},
        {u"C"_s, 3},
        {u"D"_s, 1}
    });
    EXPECT_EQ(resets.count(), 0);
    EXPECT_FALSE(list.HasSelection());
    EXPECT_EQ(list.currentRow(), -1);
    list.SetEntries(QStringList{u"A"_s, u"A"_s});
    EXPECT_EQ(resets.count(), 1);

    // Adds go to the end; takes may cross runs and join the neighbours they leave.
    list.SetEntries(runs);
    list.Entries()->Append(u"D"_s);
    list.Entries()->Append(u"A"_s);
    EXPECT_EQ(list.Lines(),
              (QStringList{u"A"_s, u"A"_s, u"A"_s, u"C"_s, u"C"_s, u"C"_s, u"D"_s, u"D"_s, u"A"_s}));
    list.Entries()->Take(2, 6);  // the last A of the first run, all of C and D
    EXPECT_EQ(list.Lines(), (QStringList{u"A"_s, u"A"_s, u"A"_s}));
    EXPECT_EQ(list.Entries()->Runs().size(), 1u);
    list.Entries()->Take(1, 10);
    EXPECT_EQ(list.Lines(), QStringList{u"A"_s});

    // Overlapping and unordered selections come back once each, in list order, cut at text changes.
    list.SetEntries(runs);
    list.selectionModel()->select(QItemSelection(list.Index(4), list.Index(6)), QItemSelectionModel::Select);
    list.selectionModel()->select(QItemSelection(list.Index(1), list.Index(4)), QItemSelectionModel::Select);
    std::vector<std::tuple<int, int, QString>> spans;
    for (const EntryList::Span& s : list.SelectedSpans()) spans.emplace_back(s.first, s.count, s.text);
    EXPECT_EQ(spans, (std::vector<std::tuple<int, int, QString>>{
                         {1, 2, u"A"_s},
                         {3, 3, u"C"_s},
                         {6, 1, u"D"_s}
    }));
}

// 606,000 rows: keys, the mouse and scrolling reach every row, and the view never walks them all.
TEST(EntryList, KeysMouseAndScrollingOnAHugeList) {
    EntryList list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    std::vector<EntryRun> runs;
    for (int i = 0; i < 606; ++i) runs.push_back({u"Entry %1"_s.arg(i), 1000});
    list.SetEntries(runs);
    list.resize(220, 300);
    list.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(list.count(), 606000);
    const QRect shown = list.viewport()->rect();

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.currentRow(), 605999);
    EXPECT_TRUE(shown.contains(list.visualRect(list.currentIndex())));
    EXPECT_EQ(list.indexAt(list.visualRect(list.currentIndex()).center()).row(), 605999);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.currentRow(), 605998);
    EXPECT_TRUE(list.IsSelected(605998));
    EXPECT_FALSE(list.IsSelected(605999));
    QTest::keyClick(&list, Qt::Key_PageUp);
    EXPECT_LT(list.currentRow(), 605998 - 5);
    EXPECT_TRUE(shown.contains(list.visualRect(list.currentIndex())));
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);

    // Shift+End selects to the last row; the spans keep one entry per kind.
    QTest::keyClick(&list, Qt::Key_End, Qt::ShiftModifier);
    std::vector<EntryList::Span> spans = list.SelectedSpans();
    ASSERT_EQ(spans.size(), 606u);
    EXPECT_EQ(spans.back().text, u"Entry 605"_s);
    EXPECT_EQ(spans.back().first + spans.back().count, 606000);

    // A click in the middle of the list selects the row under the pointer.
    list.scrollTo(list.Index(303500), QAbstractItemView::PositionAtCenter);
    const QRect middle = list.visualRect(list.Index(303500));
    ASSERT_TRUE(shown.contains(middle.center()));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, middle.center());
    spans = list.SelectedSpans();
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].first, 303500);
    EXPECT_EQ(spans[0].text, u"Entry 303"_s);
    EXPECT_EQ(list.currentRow(), 303500);
    // Below the last row there is no entry.
    list.SetEntries(QStringList{u"Only"_s});
    EXPECT_FALSE(list.indexAt(QPoint(5, shown.bottom())).isValid());
}

// ---- the pages of the main window ----

// The humanoid page's place actions, found by name.
std::vector<QAction*> PlaceActions(const SlotPage& page) {
    return {Find<QAction>(page, "PlaceInBody"), Find<QAction>(page, "PlaceInRightArm"),
            Find<QAction>(page, "PlaceInLeftArm")};
}

// The regions a widget paints, as the event loop delivers them.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* w) : widget_(w) { w->installEventFilter(this); }
    void Clear() { region_ = QRegion(); }
    bool Covers(const QRect& r) const { return !r.isEmpty() && (region_ & r) == QRegion(r); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == widget_ && e->type() == QEvent::Paint) region_ += static_cast<QPaintEvent*>(e)->region();
        return false;
    }

private:
    QWidget* widget_;
    QRegion region_;
};

class EntryListPages : public MainFormFixture {
protected:
    // Every owned count of the design at `count`.
    void OwnEverything(int count) {
        d().HeatSinks = count;
        d().ArmorSlots = count;
        d().OwnedCount.fill(count);
        d().OwnedAmmo.fill(count);
    }
    // The owned line of row `row`, from the counts in the order the owned lists keep.
    QString ExpectedLine(int row) {
        const QString asys = u"ASys: "_s + Combo("ComboAType")->currentText();
        auto take = [&row](int count) {
            if (row < count) return true;
            row -= count;
            return false;
        };
        if (take(d().HeatSinks)) return u"Heat Sink"_s;
        if (take(d().ArmorSlots)) return asys;
        for (int i = 0; i < kCatalogSize; ++i) {
            const QString name = QString::fromStdString(ctx.catalog[i].Name);
            if (take(d().OwnedCount[i])) return name;
            if (take(d().OwnedAmmo[i])) return name + u" Ammo"_s;
        }
        return {};
    }
    int Total() const {
        int n = ctx.design.HeatSinks + ctx.design.ArmorSlots;
        for (int i = 0; i < kCatalogSize; ++i) n += ctx.design.OwnedCount[i] + ctx.design.OwnedAmmo[i];
        return n;
    }
    // Rows at the start, around every tenth kind boundary, in the middle and at the end.
    void ExpectLines(const EntryList* list) {
        ASSERT_EQ(list->count(), Total());
        std::vector<int> rows{0, 1, Total() / 2, Total() - 2, Total() - 1};
        for (int boundary = d().HeatSinks; boundary < Total(); boundary += 10 * 1000 + 7)
            for (int r : {boundary - 1, boundary, boundary + 1}) rows.push_back(r);
        for (int r : rows) {
            if (r < 0 || r >= Total()) continue;
            EXPECT_EQ(list->Text(r), ExpectedLine(r)) << list->objectName().toStdString() << " row " << r;
        }
    }
};

TEST_F(EntryListPages, ListsAtTheReadersLimitsShowEveryUnitInOrder) {
    // A small design line for line, then every count at 1000: 606,000 lines in each owned list.
    d().HeatSinks = 2;
    d().ArmorSlots = 1;
    d().OwnedCount[5] = 3;
    d().OwnedAmmo[5] = 1;
    d().OwnedCount[200] = 1;
    ShowPage(2);
    form->RefreshP4();
    QStringList small;
    for (int r = 0; r < Total(); ++r) small << ExpectedLine(r);
    EXPECT_EQ(Find<EntryList>(*Equipment(), "SelList")->Lines(), small);
    EXPECT_EQ(OwnedOf(*Biped())->Lines(), small);

    OwnEverything(1000);
    form->RefreshP3();
    form->RefreshP4();
    ASSERT_EQ(Total(), 606000);
    ExpectLines(Find<EntryList>(*Equipment(), "SelList"));
    ExpectLines(OwnedOf(*Biped()));
    ExpectLines(OwnedOf(*Quad()));
}

TEST_F(EntryListPages, AddRemoveAndInformationOnAHugeOwnedList) {
    ShowPage(2);
    EquipmentPage* p = Equipment();
    EntryList* available = Find<EntryList>(*p, "AvList");
    EntryList* owned = Find<EntryList>(*p, "SelList");
    OwnEverything(1000);
    const int rifle = FindIndex(ctx.catalog, "Laser Rifle");
    d().OwnedCount[rifle] = 999;
    form->RefreshP3();
    ASSERT_EQ(owned->count(), 606000 - 1);

    // "Add >>" puts the line at the end until the next refill sorts it in.
    available->SetSelected(available->FindRow(u"Laser Rifle"_s), true);
    Find<QPushButton>(*p, "ComAdd")->click();
    EXPECT_EQ(d().OwnedCount[rifle], 1000);
    EXPECT_EQ(owned->count(), 606000);
    EXPECT_EQ(owned->Text(605999), u"Laser Rifle"_s);
    form->RefreshP3();
    ExpectLines(owned);

    // Everything selected: the panel shows the last entry, "<< Remove" takes all but the heat sink and
    // armor lines, which stay selected.
    owned->selectAll();
    EXPECT_EQ(Find<QLabel>(*p, "LPName")->text(), ExpectedLine(605999));
    Find<QPushButton>(*p, "ComRemove")->click();
    const auto kept = [](const std::string& line) {
        return line == "Heat Sink" || line.rfind("Armor:", 0) == 0 || line.rfind("ASys: ", 0) == 0;
    };
    int left = 2000;
    for (int i = 0; i < kCatalogSize; ++i) {
        const std::string& name = ctx.catalog[i].Name;
        EXPECT_EQ(d().OwnedCount[i], kept(name) ? 1000 : 0) << name;
        EXPECT_EQ(d().OwnedAmmo[i], kept(name + " Ammo") ? 1000 : 0) << name;
        left += d().OwnedCount[i] + d().OwnedAmmo[i];
    }
    EXPECT_EQ(d().HeatSinks, 1000);
    EXPECT_EQ(d().ArmorSlots, 1000);
    ASSERT_EQ(owned->count(), left);
    for (int r : {0, 1999, left - 1}) {
        EXPECT_EQ(owned->Text(r), ExpectedLine(r)) << r;
        EXPECT_TRUE(owned->IsSelected(r)) << r;
    }
}

// What the owned list paints after "Add >>" and "<< Remove" on a list on show: the rows that came
// and went are repainted, and the scroll range follows the rows.
TEST_F(EntryListPages, AddAndRemoveRepaintTheOwnedListOnShow) {
    ShowPage(2);
    EquipmentPage* p = Equipment();
    EntryList* owned = Find<EntryList>(*p, "SelList");
    QApplication::processEvents();  // the page's first paint
    PaintRecorder painted(owned->viewport());

    AddAvailable(u"Laser Rifle"_s);
    QApplication::processEvents();
    ASSERT_EQ(owned->count(), 1);
    EXPECT_TRUE(painted.Covers(owned->visualRect(owned->Index(0)))) << "the added row is not painted";

    painted.Clear();
    for (int i = 0; i < 60; ++i) AddAvailable(u"Laser Rifle"_s);
    QApplication::processEvents();
    ASSERT_EQ(owned->count(), 61);
    EXPECT_GT(owned->verticalScrollBar()->maximum(), 0) << "no scroll range for rows beyond the view";
    EXPECT_TRUE(painted.Covers(owned->visualRect(owned->Index(1))));

    owned->verticalScrollBar()->setValue(0);
    owned->selectAll();
    QApplication::processEvents();
    painted.Clear();
    Find<QPushButton>(*p, "ComRemove")->click();
    QApplication::processEvents();
    ASSERT_EQ(owned->count(), 0);
    EXPECT_EQ(owned->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(painted.Covers(owned->viewport()->rect())) << "rows taken out stay on screen";
}

// On the slot page: arrows choose an owned entry and open the place actions, a refill shuts them,
// Enter places the chosen entry.
TEST_F(EntryListPages, ArrowsAndEnterOnTheOwnedList) {
    ShowPage(3);
    SlotPage* page = Biped();
    OwnedList* owned = Find<OwnedList>(*page, "BipedOwned");
    d().OwnedCount[FindIndex(ctx.catalog, "Manipulator")] = 1;
    d().OwnedCount[FindIndex(ctx.catalog, "Myomer Booster")] = 1;
    form->RefreshP4();
    ASSERT_EQ(owned->count(), 2);
    for (QAction* action : PlaceActions(*page)) EXPECT_FALSE(action->isEnabled());
    const QString chosen = u"Manipulator"_s;
    const int row = owned->FindRow(chosen);
    QTest::keyClick(owned, Qt::Key_Down);
    EXPECT_EQ(owned->SelectedEntry(), owned->Text(0));
    if (row == 1) QTest::keyClick(owned, Qt::Key_Down);
    EXPECT_EQ(owned->SelectedEntry(), chosen);
    for (QAction* action : PlaceActions(*page)) EXPECT_TRUE(action->isEnabled());

    QTest::keyClick(owned, Qt::Key_Return);
    EXPECT_EQ(SlotAt(*page, "RightCrit", 0)->text(), chosen);
    ASSERT_EQ(owned->count(), 1);
    EXPECT_NE(owned->Text(0), chosen);
    EXPECT_TRUE(owned->SelectedEntry().isEmpty());
    for (QAction* action : PlaceActions(*page)) EXPECT_FALSE(action->isEnabled());
}

}  // namespace
}  // namespace vantrel::test
