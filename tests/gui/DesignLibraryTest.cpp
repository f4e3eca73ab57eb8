// The design library over a folder and the comparison of designs, read as a person sees them: the
// texts of the rows the table shows, the marks of the comparison, what the dialogs were asked.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "files/DesignFile.h"
#include "files/DesignList.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "ui/CompareForm.h"
#include "ui/ControlNames.h"
#include "ui/DesignLibraryForm.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProgressBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace vantrel::test {
namespace {

// What the name column of the truncated golden design's row says.
const QString kTruncated = "record 623, CurrentKg: the file ends before this value."_q;

QString Golden(const char* name) {
    return QStringLiteral(VANTREL_SOURCE_DIR "/tests/data/") + QLatin1String(name);
}

class Library : public MainFormFixture {
protected:
    QTemporaryDir designs;

    // A design file in the library's folder: a golden design renamed, of another class if asked.
    QString Write(const QString& file, const std::string& name, const std::string& model, bool quad = false,
                  int weightClass = -1, const std::function<void(Design&)>& change = {}) {
        Design d;
        std::string error;
        int bad = 0;
        EXPECT_TRUE(DoOpen(Golden(quad ? "quad-turret/design.vnt" : "new-design/design.vnt").toStdString(), d,
                           error, bad));
        d.MechName = name;
        d.Model = model;
        if (weightClass >= 0) d.WeightClass = weightClass;
        if (change) change(d);
        const QString path = designs.filePath(file);
        EXPECT_TRUE(DoSaveAs(d, path.toStdString(), error)) << error;
        return path;
    }

    DesignLibraryForm* Open() {
        form->findChild<QAction*>(QStringLiteral("MLibrary"))->trigger();
        DesignLibraryForm* library = form->LibraryWindow();
        EXPECT_NE(library, nullptr);
        if (library->Folder() != designs.path()) {
            dialogs.fileNames.push_back(designs.path());
            Find<QPushButton>(*library, "ComFolder")->click();
        }
        Settle(library);
        return library;
    }

    // Turns the event loop until `done`, for at most ten seconds.
    template <typename F>
    static bool WaitFor(F done) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > 10000) return false;
            QTest::qWait(10);
        }
        return true;
    }

    static void Settle(DesignLibraryForm* library) {
        EXPECT_TRUE(WaitFor([library] { return !library->Reading(); }));
        QCoreApplication::processEvents();
    }

    static QTableView* Grid(DesignLibraryForm* library) { return Find<QTableView>(*library, "GridDesigns"); }

    // The texts of one column of the rows the table shows, top to bottom.
    static QStringList Shown(DesignLibraryForm* library, int column) {
        QTableView* view = Grid(library);
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            if (!view->isRowHidden(r)) texts << view->model()->index(r, column).data().toString();
        return texts;
    }

    static void SelectRows(DesignLibraryForm* library, const QStringList& names) {
        QTableView* view = Grid(library);
        view->clearSelection();
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            if (!names.contains(view->model()->index(r, kColName).data().toString())) continue;
            view->selectionModel()->select(view->model()->index(r, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view->selectionModel()->setCurrentIndex(view->model()->index(r, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
    }
};

TEST_F(Library, ListsSortsAndFiltersWhatTheFolderHolds) {
    Write("b.vnt"_q, "Beta", "Mk I");
    Write("a.vnt"_q, "Alpha", "Scout", false, 0);
    Write("c.vnt"_q, "Gamma", "Mk II", true);
    Write("d.vnt"_q, "Delta", "Line", false, 4);
    QFile::copy(Golden("truncated/design.vnt"), designs.filePath("broken.vnt"_q));
    QFile notes(designs.filePath("notes.txt"_q));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a design");
    notes.close();

    DesignLibraryForm* library = Open();
    EXPECT_TRUE(library->isVisible());
    EXPECT_FALSE(Find<QProgressBar>(*library, "ProgressRead")->isVisible());
    // Sorted by file at first; the unreadable file is a row that says why.
    EXPECT_EQ(Shown(library, kColFile),
              (QStringList{"a.vnt"_q, "b.vnt"_q, "broken.vnt"_q, "c.vnt"_q, "d.vnt"_q}));
    EXPECT_EQ(Shown(library, kColName), (QStringList{"Alpha"_q, "Beta"_q, kTruncated, "Gamma"_q, "Delta"_q}));
    EXPECT_TRUE(Shown(library, kColProblem)[2].contains("record 623"_q))
        << Shown(library, kColProblem)[2].toStdString();
    EXPECT_EQ(Find<QLabel>(*library, "LabCount")->text(), "5 designs"_q);

    // By name, then by weight class (by size, not alphabetically), then by cost, highest first.
    QHeaderView* header = Grid(library)->horizontalHeader();
    Grid(library)->sortByColumn(kColName, Qt::AscendingOrder);
    EXPECT_EQ(Shown(library, kColName), (QStringList{kTruncated, "Alpha"_q, "Beta"_q, "Delta"_q, "Gamma"_q}));
    Grid(library)->sortByColumn(kColWeightClass, Qt::DescendingOrder);
    EXPECT_EQ(Shown(library, kColWeightClass).mid(0, 2), (QStringList{"Assault"_q, "Heavy"_q}));
    EXPECT_EQ(Shown(library, kColWeightClass).last(), ""_q);
    EXPECT_EQ(Shown(library, kColWeightClass).at(3), "Exoskeleton"_q);
    Grid(library)->sortByColumn(kColCost, Qt::DescendingOrder);
    EXPECT_EQ(header->sortIndicatorSection(), kColCost);
    QList<qlonglong> costs;
    for (const QString& cost : Shown(library, kColCost)) costs << (cost.isEmpty() ? -1 : cost.toLongLong());
    EXPECT_TRUE(std::is_sorted(costs.rbegin(), costs.rend()))
        << Shown(library, kColCost).join(","_q).toStdString();

    // The text looks in the name and the model, in any case.
    Grid(library)->sortByColumn(kColFile, Qt::AscendingOrder);
    Find<QLineEdit>(*library, "TextFind")->setText("mk"_q);
    EXPECT_EQ(Shown(library, kColName), (QStringList{"Beta"_q, "Gamma"_q}));
    EXPECT_EQ(Find<QLabel>(*library, "LabCount")->text(), "5 designs, 2 shown"_q);
    Find<QLineEdit>(*library, "TextFind")->setText("DEL"_q);
    EXPECT_EQ(Shown(library, kColName), QStringList{"Delta"_q});
    Find<QLineEdit>(*library, "TextFind")->clear();

    // Chassis, class and technology base; Any again shows all.
    Choose(Find<QComboBox>(*library, "ComboChassis"), 2);
    EXPECT_EQ(Shown(library, kColName), QStringList{"Gamma"_q});
    Choose(Find<QComboBox>(*library, "ComboChassis"), 0);
    Choose(Find<QComboBox>(*library, "ComboClass"), 1);
    EXPECT_EQ(Shown(library, kColName), QStringList{"Alpha"_q});
    Choose(Find<QComboBox>(*library, "ComboClass"), 0);
    QComboBox* tech = Find<QComboBox>(*library, "ComboTech");
    Choose(tech, tech->findText("Inner Sphere"_q));
    EXPECT_EQ(Shown(library, kColName), (QStringList{"Alpha"_q, "Beta"_q, "Delta"_q}));
    Choose(tech, tech->findText("Clan"_q));
    EXPECT_EQ(Shown(library, kColName), QStringList{"Gamma"_q});
    Choose(tech, tech->findText("Mixed"_q));
    EXPECT_TRUE(Shown(library, kColName).isEmpty());
    Choose(tech, 0);

    // Errors only: the designs the check finds an error in, and the file that cannot be read.
    Find<QCheckBox>(*library, "ChkErrors")->setChecked(true);
    QStringList withErrors;
    for (int r = 0; r < Grid(library)->model()->rowCount(); ++r) {
        const QString errors = Grid(library)->model()->index(r, kColErrors).data().toString();
        EXPECT_TRUE(errors.isEmpty() || errors.toInt() > 0) << errors.toStdString();
    }
    EXPECT_TRUE(Shown(library, kColFile).contains("broken.vnt"_q));
    EXPECT_TRUE(Shown(library, kColFile).contains("c.vnt"_q));  // the golden quad is overweight
    EXPECT_FALSE(Shown(library, kColFile).contains("b.vnt"_q));
}

TEST_F(Library, FollowsFilesWrittenChangedAndRemoved) {
    Write("one.vnt"_q, "One", "");
    DesignLibraryForm* library = Open();
    ASSERT_EQ(Shown(library, kColName), QStringList{"One"_q});

    const QString two = Write("two.vnt"_q, "Two", "");
    EXPECT_TRUE(WaitFor([&] {
        return Shown(library, kColName) == (QStringList{"One"_q, "Two"_q});
    })) << Shown(library, kColName).join(","_q).toStdString();
    Write("two.vnt"_q, "Two Renamed", "");
    EXPECT_TRUE(WaitFor([&] {
        return Shown(library, kColName) == (QStringList{"One"_q, "Two Renamed"_q});
    })) << Shown(library, kColName).join(","_q).toStdString();
    ASSERT_TRUE(QFile::remove(designs.filePath("one.vnt"_q)));
    EXPECT_TRUE(WaitFor([&] { return Shown(library, kColName) == QStringList{"Two Renamed"_q}; }))
        << Shown(library, kColName).join(","_q).toStdString();

    // Closed and opened again, the window shows the folder it showed, read afresh.
    library->close();
    Write("three.vnt"_q, "Three", "");
    library = Open();
    EXPECT_EQ(Shown(library, kColName), (QStringList{"Three"_q, "Two Renamed"_q}));
    EXPECT_EQ(settings->Read(kKeyLibraryFolder, {}), designs.path());
}

TEST_F(Library, OpeningAsksAboutUnsavedChangesAsOpenDoes) {
    const QString quad = Write("quad.vnt"_q, "Quad One", "Q", true);
    Write("plain.vnt"_q, "Plain", "");
    DesignLibraryForm* library = Open();
    Choose(Combo("ComboType"), 3);
    ASSERT_FALSE(doc.Saved());
    const Design changed = d();

    // Enter on a row: the question, and Cancel keeps the work.
    SelectRows(library, {"Quad One"_q});
    dialogs.messages.clear();
    Key(Grid(library), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_TRUE(d() == changed);

    // Double-click and No: the design opens, named in the window and as its file.
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::No);
    QTableView* view = Grid(library);
    const QRect cell = view->visualRect(view->currentIndex());
    // A double-click comes as a press and a release, then the second press as the double-click.
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(Line("TextMechName")->text(), "Quad One"_q);
    EXPECT_EQ(ctx.DesignFile, quad.toStdString());
    EXPECT_TRUE(doc.Saved());

    // Saved: the Open button opens another without a question.
    dialogs.messages.clear();
    SelectRows(library, {"Plain"_q});
    Find<QPushButton>(*library, "ComOpen")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Line("TextMechName")->text(), "Plain"_q);
}

TEST_F(Library, SelectionCopiesShowsInFolderAndCompares) {
    const QString a = Write("a.vnt"_q, "Alpha", "A");
    Write("b.vnt"_q, "Beta", "B, with 'quotes'");
    Write("c.vnt"_q, "Gamma", "C");
    Write("d.vnt"_q, "Delta", "D");
    QFile::copy(Golden("truncated/design.vnt"), designs.filePath("e.vnt"_q));
    DesignLibraryForm* library = Open();
    QAction* compare = Find<QAction>(*library, "ActCompare");

    SelectRows(library, {"Alpha"_q});
    EXPECT_FALSE(compare->isEnabled());
    Find<QAction>(*library, "ActShowInFolder")->trigger();
    EXPECT_EQ(platform.opened, QStringList{designs.path()});

    // Ctrl+C: the rows as --list writes them, tab-separated.
    SelectRows(library, {"Alpha"_q, "Beta"_q});
    QTest::keyClick(Grid(library), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(a + "\tAlpha\tA\tHumanoid\t"_q)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("\tBeta\tB, with 'quotes'\t"_q)) << lines[1].toStdString();
    EXPECT_EQ(lines[0].count(QLatin1Char('\t')), kDesignColumnCount - 1);

    // Two or three readable designs compare; four, or an unreadable one, do not.
    EXPECT_TRUE(compare->isEnabled());
    SelectRows(library, {"Alpha"_q, "Beta"_q, "Gamma"_q, "Delta"_q});
    EXPECT_FALSE(compare->isEnabled());
    SelectRows(library, {"Alpha"_q, kTruncated});
    EXPECT_FALSE(compare->isEnabled());
    SelectRows(library, {"Alpha"_q, "Beta"_q, "Gamma"_q});
    ASSERT_TRUE(compare->isEnabled());
    compare->trigger();
    const QList<CompareForm*> windows = form->findChildren<CompareForm*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(Find<QTableWidget>(*windows[0], "GridCompare")->columnCount(), 4);

    // Record sheets of the selected designs: one PDF through the sheet question; an unreadable row shuts it.
    QAction* sheets = Find<QAction>(*library, "ActSheets");
    SelectRows(library, {"Alpha"_q, kTruncated});
    EXPECT_FALSE(sheets->isEnabled());
    SelectRows(library, {"Alpha"_q, "Gamma"_q});
    ASSERT_TRUE(sheets->isEnabled());
    const QString pdf = designs.filePath("sheets.pdf"_q);
    dialogs.sheetAnswers.push_back({});
    dialogs.fileNames.push_back(pdf);
    sheets->trigger();
    EXPECT_EQ(dialogs.sheetQuestions.size(), 1u);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(platform.opened.back(), pdf);
}

// A MegaMek unit file in the folder is a row like any design; Enter imports it as a new design.
TEST_F(Library, UnitFilesAreListedAndImportedFromTheTable) {
    Write("plain.vnt"_q, "Plain", "");
    ASSERT_TRUE(QFile::copy(Golden("blk-clan-vtol/unit.blk"), designs.filePath("kestrel.blk"_q)));
    DesignLibraryForm* library = Open();
    EXPECT_EQ(Shown(library, kColName), (QStringList{"Kestrel Test Suit"_q, "Plain"_q}));
    SelectRows(library, {"Kestrel Test Suit"_q});
    Key(Grid(library), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Line("TextMechName")->text(), "Kestrel Test Suit"_q);
    EXPECT_TRUE(ctx.DesignFile.empty());
    EXPECT_FALSE(doc.Saved());
}

TEST_F(Library, KeepsColumnWidthsAndSortOrder) {
    Write("a.vnt"_q, "Alpha", "");
    DesignLibraryForm* library = Open();
    Grid(library)->sortByColumn(kColEstimatedBV, Qt::DescendingOrder);
    Grid(library)->horizontalHeader()->resizeSection(kColName, 321);
    library->close();

    DesignLibraryForm other(ctx.catalog, *settings, dialogs, platform, {});
    NameControls(other);
    QHeaderView* header = Find<QTableView>(other, "GridDesigns")->horizontalHeader();
    EXPECT_EQ(header->sectionSize(kColName), 321);
    EXPECT_EQ(header->sortIndicatorSection(), kColEstimatedBV);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

// Two designs that differ in one item carried: exactly the item's row and the figures it moves are
// marked, and the numbers show the difference to the first design.
TEST_F(Library, CompareMarksExactlyTheRowsThatDiffer) {
    const int item = [this] {
        for (int i = 0; i < kCatalogSize; ++i)
            if (ctx.catalog[i].Name == "Machine Gun") return i;
        return -1;
    }();
    ASSERT_GE(item, 0);
    const QString plain = Write("plain.vnt"_q, "Same", "M");
    const QString armed =
        Write("armed.vnt"_q, "Same", "M", false, -1, [item](Design& d) { d.OwnedCount[item] += 1; });
    form->OpenCompare({plain, armed});
    CompareForm* compare = form->findChild<CompareForm*>();
    ASSERT_NE(compare, nullptr);
    QTableWidget* grid = Find<QTableWidget>(*compare, "GridCompare");

    QStringList marked;
    QString gun;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const bool differs = grid->item(r, 0)->data(Qt::AccessibleDescriptionRole).toString() == "differs"_q;
        EXPECT_EQ(grid->item(r, 1)->background().color() == grid->item(r, 2)->background().color(), true);
        EXPECT_EQ(grid->item(r, 0)->font().bold(), differs);
        if (differs) marked << grid->item(r, 0)->text();
        if (grid->item(r, 0)->text() == "Machine Gun"_q)
            gun = grid->item(r, 1)->text() + " | "_q + grid->item(r, 2)->text();
    }
    EXPECT_EQ(marked, (QStringList{"Current Kg"_q, "Free Kg"_q, "Estimated BV"_q, "Cost"_q, "Warnings"_q,
                                   "Machine Gun"_q}));
    EXPECT_EQ(gun, "0 (0 placed) | 1 (0 placed) (+1)"_q);

    // Differences only hides the others.
    Find<QCheckBox>(*compare, "ChkDifferences")->setChecked(true);
    EXPECT_EQ(grid->rowCount(), marked.size());
}

// Compare With: the open design against a file; a change of the open design shows at once.
TEST_F(Library, CompareWithFollowsTheOpenDesign) {
    const QString file = Write("other.vnt"_q, "Battle Armor", "");
    dialogs.fileNames.push_back(file);
    Act("MCompare")->trigger();
    CompareForm* compare = form->findChild<CompareForm*>();
    ASSERT_NE(compare, nullptr);
    QTableWidget* grid = Find<QTableWidget>(*compare, "GridCompare");
    auto row = [&](const QString& label) {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 0)->text() == label) return r;
        return -1;
    };
    ASSERT_GE(row("Name"_q), 0);
    EXPECT_FALSE(grid->item(row("Name"_q), 0)->font().bold());
    const int groundBefore = d().GroundMP;

    Line("TextMechName")->setText("Renamed"_q);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->item(row("Name"_q), 1)->text(), "Renamed"_q);
    EXPECT_TRUE(grid->item(row("Name"_q), 0)->font().bold());
    EXPECT_EQ(d().GroundMP, groundBefore);

    // A file that cannot be read is refused with Open's message and opens no window.
    compare->close();
    QCoreApplication::processEvents();
    dialogs.fileNames.push_back(Golden("truncated/design.vnt"));
    dialogs.messages.clear();
    Act("MCompare")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("record 623"_q));
    EXPECT_EQ(form->findChild<CompareForm*>(), nullptr);
}

}  // namespace
}  // namespace vantrel::test
