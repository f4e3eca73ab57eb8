// The live design check: red status panels, the Design Check window and the breakdown window, all
// following the gestures on the main window.

#include "MainFormFixture.h"
#include "equipment/DesignCheck.h"
#include "rules/Breakdown.h"
#include "rules/StatusLine.h"
#include "ui/BreakdownForm.h"
#include "ui/ControlNames.h"
#include "ui/DesignCheckForm.h"

#include <QImage>
#include <QMenu>
#include <QPalette>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QWindow>

#include <functional>
#include <utility>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class DesignCheckWindowsTest : public MainFormFixture {
protected:
    const QColor red{192, 0, 0};

    // "Add >>" of one item on the equipment page: one gesture.
    void Add(const QString& name) {
        ShowPage(2);
        AddAvailable(name);
        Turn();
    }
    void RemoveAll() {
        Find<QPushButton>(*Equipment(), "ComClear")->click();
        Turn();
    }
    void Undo() {
        Act("MUndo")->trigger();
        Turn();
    }
    void GroundSpeed(int mp) {
        DragTo(Slider("Slider1"), mp);
        Turn();
    }
    void WeightClass(int index) {
        Choose(Combo("ComboType"), index);
        Turn();
    }
    // The open windows catch up with the gestures once the event loop turns.
    static void Turn() { QCoreApplication::processEvents(); }

    std::vector<bool> Red() const {
        std::vector<bool> out;
        for (int i = 1; i <= 7; ++i)
            out.push_back(FindAt<QLabel>(*form, "StatBar", i)->palette().color(QPalette::WindowText) == red);
        return out;
    }
    void DoubleClick(int panel) {
        Mouse(FindAt<QLabel>(*form, "StatBar", panel + 1), QEvent::MouseButtonDblClick, {4, 4});
    }

    QStringList Column(QTableWidget* grid, int column) const {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r) out << grid->item(r, column)->text();
        return out;
    }

    // Everything a table shows of each cell: text, bold, colour, alignment.
    static QStringList Cells(QTableWidget* grid) {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                if (item == nullptr) {
                    out << u"(none)"_s;
                    continue;
                }
                out << item->text() + (item->font().bold() ? u" bold "_s : u" "_s) +
                           item->foreground().color().name() + u' ' + QString::number(item->textAlignment());
            }
        }
        return out;
    }

    // The open windows show what windows opened afresh on the design would.
    void ExpectAsNew() {
        DesignCheckForm check(ctx);
        NameControls(check);
        check.Form_Load();
        EXPECT_EQ(Cells(Find<QTableWidget>(*form->CheckWindow(), "GridFindings")),
                  Cells(Find<QTableWidget>(check, "GridFindings")));
        EXPECT_EQ(Find<QLabel>(*form->CheckWindow(), "LabSummary")->text(),
                  Find<QLabel>(check, "LabSummary")->text());
        BreakdownForm breakdown(ctx);
        NameControls(breakdown);
        breakdown.Form_Load();
        breakdown.ShowSection(form->BreakdownWindow()->CurrentSection());
        EXPECT_EQ(Cells(Find<QTableWidget>(*form->BreakdownWindow(), "GridTerms")),
                  Cells(Find<QTableWidget>(breakdown, "GridTerms")));
    }
};

TEST_F(DesignCheckWindowsTest, PanelsOfABrokenLimitTurnRedWithTheirTextsUnchanged) {
    EXPECT_EQ(Red(), std::vector<bool>(7, false));
    Add(u"(I) ER Medium Laser"_s);  // 800 kg and heat 5 on a Light suit of 750
    ASSERT_LT(d().FreeKg, 0);
    EXPECT_EQ(Red(), (std::vector<bool>{true, true, true, true, false, false, false}));
    QStringList expected;
    for (const std::string& t : StatusTexts(d())) expected << QString::fromStdString(t) + u' ';
    EXPECT_EQ(Panels(), expected);

    RemoveAll();
    EXPECT_EQ(Red(), std::vector<bool>(7, false));
    Add(u"Laser Rifle"_s);
    Add(u"Laser Rifle"_s);  // 20 kg, heat 2 above one of dissipation
    EXPECT_EQ(Red(), (std::vector<bool>{false, false, true, true, false, false, false}));
    Act("MUndo")->trigger();
    EXPECT_EQ(Red(), std::vector<bool>(7, false));

    // Slots a file left on the quad locations still count: 21 of 20.
    for (int& code : d().QuadSlots) code = kSlotHeatSink;
    for (int j = 0; j < 4; ++j) d().TurretSlots[j] = kSlotHeatSink;
    ShowPage(0);
    ASSERT_LT(d().FreeCSlots, 0);
    EXPECT_TRUE(Red()[4]);
}

// Both windows are tool windows of the main window, which the window manager keeps above it; asked
// for again while the main window is active, each comes back to the front and takes the keyboard.
TEST_F(DesignCheckWindowsTest, CheckAndBreakdownStayAboveTheMainWindow) {
    Act("MCheck")->trigger();
    Act("MBreakdown")->trigger();
    for (QWidget* w : std::initializer_list<QWidget*>{form->CheckWindow(), form->BreakdownWindow()}) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowType(), Qt::Tool) << w->objectName().toStdString();
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_EQ(w->windowHandle()->transientParent(), form->windowHandle())
            << w->objectName().toStdString();
    }
    QApplication::setActiveWindow(form.get());
    ASSERT_EQ(QApplication::activeWindow(), form.get());
    Act("MCheck")->trigger();
    QApplication::processEvents();  // the activation comes back from the window system
    EXPECT_EQ(QApplication::activeWindow(), form->CheckWindow());
    QApplication::setActiveWindow(form.get());
    Act("MBreakdown")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), form->BreakdownWindow());
    if (const QByteArray shots = qgetenv("VANTREL_SHOTS"); !shots.isEmpty()) {
        Add(u"Laser Rifle"_s);
        form->BreakdownWindow()->ShowSection(BreakdownForm::kBattleValue);
        QApplication::processEvents();
        form->BreakdownWindow()->grab().save(QString::fromLocal8Bit(shots) + u"/breakdown.png"_s);
    }
}

TEST_F(DesignCheckWindowsTest, CheckWindowOpensOnceAndFollowsEveryGesture) {
    Act("MCheck")->trigger();
    DesignCheckForm* check = form->CheckWindow();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_FALSE(check->isModal());
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 0);

    Add(u"(I) ER Medium Laser"_s);
    EXPECT_EQ(Column(Find<QTableWidget>(*check, "GridFindings"), 0),
              (QStringList{u"error"_s, u"error"_s, u"warning"_s}));
    EXPECT_EQ(Column(Find<QTableWidget>(*check, "GridFindings"), 1),
              (QStringList{u"overweight by "_s + QString::number(-d().FreeKg) + u" kg"_s,
                           u"heat 4 above dissipation"_s, u"not placed: (I) ER Medium Laser (1)"_s}));
    EXPECT_EQ(Find<QLabel>(*check, "LabSummary")->text(), u"2 errors, 1 warning, 0 notes"_s);
    Undo();
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 0);

    // Asked for again, by the menu or a double-click on a red panel: the same window.
    Add(u"(I) ER Medium Laser"_s);
    check->close();
    DoubleClick(4);  // Free CSlots is not red: nothing opens
    EXPECT_FALSE(check->isVisible());
    DoubleClick(1);  // Free Kg is
    EXPECT_TRUE(check->isVisible());
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 3);
    form->MCheck_Click();
    EXPECT_EQ(form->findChildren<DesignCheckForm*>().size(), 1);

    // A closed window does not follow; opened again it shows the design of now.
    check->close();
    RemoveAll();
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 3);
    Act("MCheck")->trigger();
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 0);
}

TEST_F(DesignCheckWindowsTest, BreakdownWindowOfEachTotalFollowsEveryGesture) {
    DoubleClick(0);
    BreakdownForm* breakdown = form->BreakdownWindow();
    ASSERT_NE(breakdown, nullptr);
    EXPECT_TRUE(breakdown->isVisible());
    EXPECT_FALSE(breakdown->isModal());
    EXPECT_EQ(breakdown->CurrentSection(), BreakdownForm::kWeight);
    QTableWidget* grid = Find<QTableWidget>(*breakdown, "GridTerms");
    EXPECT_EQ(Column(grid, 0).first(), u"Chassis"_s);
    EXPECT_EQ(Column(grid, 0).last(), u"Total"_s);
    EXPECT_EQ(Column(grid, 1).last(), u"100"_s);

    Add(u"Laser Rifle"_s);
    EXPECT_TRUE(Column(grid, 0).contains(u"Laser Rifle"_s));
    EXPECT_EQ(Column(grid, 1).last(), QString::number(d().CurrentKg));
    EXPECT_EQ(Column(grid, 1).last(), u"110"_s);

    // The same window shows the section of the panel.
    DoubleClick(5);
    EXPECT_EQ(breakdown->CurrentSection(), BreakdownForm::kBattleValue);
    EXPECT_EQ(Column(grid, 1).last(), QString::number(d().EstimatedBV));
    EXPECT_EQ(Column(grid, 0).at(grid->rowCount() - 2), u"Rounded to a whole number"_s);
    DoubleClick(6);
    EXPECT_EQ(breakdown->CurrentSection(), BreakdownForm::kCost);
    EXPECT_EQ(Column(grid, 1).last(), QString::number(d().Cost));
    EXPECT_EQ(form->findChildren<BreakdownForm*>().size(), 1);

    Undo();
    EXPECT_FALSE(Column(grid, 0).contains(u"Laser Rifle"_s));
    EXPECT_EQ(Column(grid, 1).last(), u"47500"_s);
    // A click on a tab shows that section of the design as it stands.
    Find<QTabBar>(*breakdown, "TabSections")->setCurrentIndex(BreakdownForm::kWeight);
    EXPECT_EQ(Column(grid, 1).last(), u"100"_s);
}

TEST_F(DesignCheckWindowsTest, WindowsRewritingOnlyWhatChangedShowWhatNewWindowsWould) {
    Act("MCheck")->trigger();
    DoubleClick(5);
    BreakdownForm* breakdown = form->BreakdownWindow();
    const std::vector<std::pair<const char*, std::function<void()>>> gestures{
        {"laser",            [&] { Add(u"(I) ER Medium Laser"_s); }                                },
        {"rifle",            [&] { Add(u"Laser Rifle"_s); }                                        },
        {"speed",            [&] { GroundSpeed(2); }                                               },
        {"weight tab",
         [&] { Find<QTabBar>(*breakdown, "TabSections")->setCurrentIndex(BreakdownForm::kWeight); }},
        {"speed again",      [&] { GroundSpeed(3); }                                               },
        {"undo",             [&] { Undo(); }                                                       },
        {"cost tab",
         [&] { Find<QTabBar>(*breakdown, "TabSections")->setCurrentIndex(BreakdownForm::kCost); }  },
        {"clear",            [&] { RemoveAll(); }                                                  },
        {"undo clear",       [&] { Undo(); }                                                       },
        {"undo speed",       [&] { Undo(); }                                                       },
        {"weight class",     [&] { WeightClass(2); }                                               },
        {"battle value tab", [&] { DoubleClick(5); }                                               },
        {"undo class",       [&] { Undo(); }                                                       },
    };
    for (const auto& [name, gesture] : gestures) {
        SCOPED_TRACE(name);
        gesture();
        ExpectAsNew();
    }

    // Gestures that come before the loop turns are read once.
    QTableWidget* grid = Find<QTableWidget>(*breakdown, "GridTerms");
    int totalWrites = 0;
    QObject::connect(grid->model(), &QAbstractItemModel::dataChanged, grid, [&](const QModelIndex& at) {
        if (at.row() == grid->rowCount() - 1 && at.column() == 1) ++totalWrites;
    });
    const QString total = grid->item(grid->rowCount() - 1, 1)->text();
    DragTo(Slider("Slider1"), 2);
    DragTo(Slider("Slider1"), 3);
    EXPECT_EQ(grid->item(grid->rowCount() - 1, 1)->text(), total);
    Turn();
    EXPECT_EQ(totalWrites, 1);
    ExpectAsNew();
}

TEST_F(DesignCheckWindowsTest, MinimisedWindowsWaitAndCatchUpWhenRestored) {
    Act("MCheck")->trigger();
    DoubleClick(0);
    DesignCheckForm* check = form->CheckWindow();
    BreakdownForm* breakdown = form->BreakdownWindow();
    check->showMinimized();
    breakdown->showMinimized();
    Add(u"(I) ER Medium Laser"_s);
    // Nobody sees them: nothing is worked out for them.
    EXPECT_TRUE(check->Findings().empty());
    EXPECT_EQ(breakdown->Terms().weight.total, 100);

    check->showNormal();
    breakdown->showNormal();
    EXPECT_EQ(Find<QTableWidget>(*check, "GridFindings")->rowCount(), 3);
    EXPECT_EQ(Column(Find<QTableWidget>(*breakdown, "GridTerms"), 1).last(), QString::number(d().CurrentKg));
    ExpectAsNew();
}

TEST_F(DesignCheckWindowsTest, CellsAreDrawnWhereTheStyleDrawsThem) {
    Add(u"(I) ER Medium Laser"_s);
    Add(u"Laser Rifle"_s);
    Act("MCheck")->trigger();
    DoubleClick(5);
    DesignCheckForm* check = form->CheckWindow();
    check->resize(300, 300);  // the longest findings are elided
    Find<QTableWidget>(*check, "GridFindings")->selectRow(1);
    Find<QTableWidget>(*form->BreakdownWindow(), "GridTerms")->selectRow(2);
    Turn();
    for (QTableWidget* grid : {Find<QTableWidget>(*check, "GridFindings"),
                               Find<QTableWidget>(*form->BreakdownWindow(), "GridTerms")}) {
        const QImage kept = grid->grab().toImage();
        EXPECT_EQ(grid->grab().toImage(), kept);  // drawn again from what it keeps
        grid->setItemDelegate(new QStyledItemDelegate(grid));
        EXPECT_EQ(grid->grab().toImage(), kept) << grid->parentWidget()->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace vantrel::test
