#include "model/Document.h"

#include "TestCatalog.h"
#include "equipment/AutoPlace.h"
#include "equipment/DesignOperations.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// A new design laid out as the window starts one, counted as just opened.
void StartNew(Document& doc) {
    NewDesign(doc.ctx.design);
    doc.ctx.armorList = ArmorListFor(doc.ctx.design);
    ReleaseMovement(doc.ctx, MoveKind::Ground);
    MainCalc(doc.ctx);
    doc.StartFresh();
}

// Two designs edited side by side read one catalog and nothing else of each other.
TEST(Document, TwoDocumentsOverOneCatalogChangeApart) {
    const CatalogRef& catalog = test::ShippedCatalog();
    Document first(catalog), second(catalog);
    EXPECT_EQ(&first.ctx.catalog.get(), &second.ctx.catalog.get());
    StartNew(first);
    StartNew(second);
    const Design untouched = second.ctx.design;

    ChooseWeightClass(first.ctx, 3);
    AddToStash(first.ctx.catalog, first.ctx.design, "(I) Medium Laser", 1);
    PlaceAll(first.ctx);
    MainCalc(first.ctx);
    first.history.Record("Weight Class", DesignState{});
    EXPECT_EQ(first.ctx.design.WeightClass, 3);
    EXPECT_TRUE(first.Changed());

    EXPECT_TRUE(SameRecords(second.ctx.design, untouched));
    EXPECT_FALSE(second.Changed());
    EXPECT_FALSE(second.history.CanUndo());

    // A copy of a context, as a trial placement or a comparison takes, is a third design.
    Context trial = second.ctx;
    trial.design.MechName = "Trial";
    EXPECT_EQ(second.ctx.design.MechName, untouched.MechName);
    EXPECT_EQ(&trial.catalog.get(), &catalog.get());
}

// "Changed" follows the records against the last start or save, whichever way they came back.
TEST(Document, ChangedIsAComparisonWithTheLastSave) {
    Document doc(test::ShippedCatalog());
    StartNew(doc);
    EXPECT_FALSE(doc.Changed());
    doc.ctx.design.MechName = "Raider";
    EXPECT_TRUE(doc.Changed());
    doc.MarkSaved();
    EXPECT_FALSE(doc.Changed());
    doc.ctx.design.MechName = "Raider II";
    doc.ctx.design.MechName = "Raider";
    EXPECT_FALSE(doc.Changed());  // typed and taken back

    // Kept work restored from a copy counts as changed unless its file holds the same records;
    // with no file to compare it always counts.
    Design onDisk = doc.ctx.design;
    doc.StartFrom(onDisk);
    EXPECT_FALSE(doc.Changed());
    onDisk.MechName = "Other";
    doc.StartFrom(onDisk);
    EXPECT_TRUE(doc.Changed());
    doc.StartFrom(std::nullopt);
    EXPECT_TRUE(doc.Changed());
    doc.StartFresh();
    EXPECT_FALSE(doc.Changed());
}

// A failed read never replaces the catalog the documents share.
TEST(Document, AFailedCatalogReadKeepsTheSharedOne) {
    CatalogRef catalog = test::ShippedCatalog();
    CatalogError error;
    EXPECT_FALSE(LoadSharedCatalog("/nonexistent/stuff.plb", catalog, error));
    EXPECT_EQ(&catalog.get(), &test::ShippedCatalog().get());
    EXPECT_EQ(catalog[0].Name, test::ShippedCatalog()[0].Name);
}

}  // namespace
}  // namespace vantrel
