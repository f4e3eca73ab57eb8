// The record sheet: its model worked out from golden designs, the PDF's text and page count read
// back with pdftotext, and the layout of the largest designs a file can hold.

#include "sheet/RecordSheet.h"

#include "SheetTools.h"
#include "files/DesignFile.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"
#include "sheet/SheetPdf.h"
#include "sheet/SheetPdfBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel::test {

namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The context as the command line leaves it: catalog, design and the armor list's selection.
using Loaded = Context;

Loaded FullHumanoid() { return LoadGolden("shipped-catalog/full-humanoid", VANTREL_CATALOG_PATH); }

// The text of the PDF and its page count (pdftotext ends every page with a form feed).
struct PdfText {
    QString text;
    int pages = 0;
};

PdfText ReadPdf(const QByteArray& pdf) {
    PdfText out;
    out.text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout")}, pdf);
    out.pages = static_cast<int>(out.text.count(QLatin1Char('\f')));
    return out;
}

void ExpectTextHolds(const PdfText& pdf, const RecordSheet& sheet) {
    EXPECT_EQ(pdf.pages, 1);
    auto holds = [&](const std::string& s) { EXPECT_THAT(pdf.text.toStdString(), HasSubstr(s)); };
    holds(sheet.name);
    holds(sheet.chassisLine);
    holds(sheet.techBaseLine);
    holds(sheet.techLevelLine);
    for (const SheetItem& item : sheet.items) holds(item.name);
    for (const std::string& total : sheet.totals) holds(total);
    for (size_t i = 0; i < sheet.pips.size(); ++i) {
        holds("Trooper " + std::to_string(i + 1));
        holds(std::to_string(sheet.pips[i]) + (sheet.pips[i] == 1 ? " pip" : " pips"));
    }
    if (!sheet.warning.empty()) holds(sheet.warning.substr(0, 30));
}

// Every block inside the margins of the page and none over another.
void ExpectLaidOut(const SheetLayout& layout, Paper paper) {
    const QSizeF page = PaperSizeMm(paper);
    const QRectF inside(9.99, 9.99, page.width() - 19.98, page.height() - 19.98);
    for (size_t i = 0; i < layout.blocks.size(); ++i) {
        const SheetLayout::Block& a = layout.blocks[i];
        EXPECT_TRUE(inside.contains(a.rect)) << a.name.toStdString() << " runs off the page";
        for (size_t j = i + 1; j < layout.blocks.size(); ++j) {
            const SheetLayout::Block& b = layout.blocks[j];
            EXPECT_FALSE(a.rect.intersects(b.rect))
                << a.name.toStdString() << " overlaps " << b.name.toStdString();
        }
    }
}

const SheetItem* Find(const RecordSheet& s, const std::string& name, const std::string& location) {
    for (const SheetItem& item : s.items)
        if (item.name == name && item.location == location) return &item;
    return nullptr;
}

TEST(RecordSheet, NewDesignShowsItsFiguresAndAFourTrooperSquad) {
    const Loaded l = LoadGolden("new-design");
    const RecordSheet s = BuildRecordSheet(l);
    EXPECT_EQ(s.name, "Battle Armor");
    EXPECT_EQ(s.chassisLine, "Chassis: Humanoid Light (750Kg)");
    EXPECT_EQ(s.techLevelLine, "Technology Level: 2");
    ASSERT_EQ(s.movement.size(), 4u);
    EXPECT_EQ(s.movement[0].caption, "10.8 Km/H");
    EXPECT_EQ(s.movement[1].caption, "N/A");
    EXPECT_THAT(s.pips, ElementsAre(1, 1, 1, 1));
    EXPECT_TRUE(s.items.empty());
    EXPECT_THAT(s.totals, ElementsAre("Current Kg: 100", "Free Kg: 650", "Max Heat: 0", "Heat Dissipation: 1",
                                      "Free CSlots: 19", "Estimated BV: 11", "Cost: 47500", "Max Kg: 750"));
    EXPECT_EQ(s.warning, "");
    ASSERT_EQ(s.locations.size(), 3u);
    EXPECT_EQ(s.locations[0].captions.size(), 12u);
    EXPECT_EQ(s.locations[0].captions[0], "Ground Movement");

    // Any squad of 1 to 6 by choice; outside that the default.
    EXPECT_EQ(BuildRecordSheet(l, 6).pips.size(), 6u);
    EXPECT_EQ(BuildRecordSheet(l, 1).pips.size(), 1u);
    EXPECT_EQ(BuildRecordSheet(l, 7).pips.size(), 4u);
}

TEST(RecordSheet, QuadWithTurretListsWhereEveryItemIsAndAClanSquadOfFive) {
    const Loaded l = LoadGolden("quad-turret");
    const RecordSheet s = BuildRecordSheet(l);
    EXPECT_THAT(s.pips, ElementsAre(5, 5, 5, 5, 5));  // 4 armor points and the operator, Clan
    EXPECT_EQ(s.chassisLine, "Chassis: Quad Heavy (1500Kg)");
    ASSERT_EQ(s.locations.size(), 2u);
    EXPECT_EQ(s.locations[0].captions.size(), 16u);
    EXPECT_THAT(s.locations[1].captions, ElementsAre("Small Laser", "Machine Gun"));

    const SheetItem* srm = Find(s, "SRM 4", "Body");
    ASSERT_NE(srm, nullptr);  // three slots, one launcher
    EXPECT_EQ(std::tuple(srm->count, srm->damage, srm->longRange, srm->heat), std::tuple(1, "8", "9", "-"));
    ASSERT_NE(Find(s, "SRM 4 Ammo", "Body"), nullptr);
    EXPECT_EQ(Find(s, "SRM 4 Ammo", "Body")->shots, "2");
    const SheetItem* owned = Find(s, "Machine Gun Ammo", kUnequipped);
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(std::tuple(owned->count, owned->shots), std::tuple(2, "50"));
    ASSERT_NE(Find(s, "Heat Sink", "Body"), nullptr);
    EXPECT_EQ(Find(s, "Heat Sink", "Body")->count, 2);
    EXPECT_EQ(Find(s, "ASys: Basic Stealth", "Body")->count, 2);
    EXPECT_EQ(Find(s, "ASys: Basic Stealth", kUnequipped)->count, 1);
    EXPECT_NE(Find(s, "Small Laser", "Turret"), nullptr);
    EXPECT_NE(Find(s, "Flamer", kUnequipped), nullptr);
    EXPECT_EQ(s.warning, kOverweightWarning);
    EXPECT_EQ(s.items.front().name, "Heat Sink");  // the body's entries in slot order
}

TEST(RecordSheet, LinkedItemsOfTheFullHumanoidCountOnceWhereTheirFirstSlotIs) {
    const Loaded l = FullHumanoid();
    const RecordSheet s = BuildRecordSheet(l);
    auto count = [&](const std::string& name) {
        int n = 0;
        for (const SheetItem& item : s.items)
            if (item.name == name) n += item.count;
        return n;
    };
    // The space adaptation lies in the body and both arms, the clamps in both arms: one unit each.
    EXPECT_EQ(count("Space Operations Adaptation"), 1);
    EXPECT_NE(Find(s, "Space Operations Adaptation", "Body"), nullptr);
    EXPECT_EQ(count("Magnetic Clamps"), 1);
    EXPECT_NE(Find(s, "Magnetic Clamps", "Right Arm"), nullptr);
    EXPECT_EQ(Find(s, "(I) Plasma Rifle Ammo", "Body")->count, 2);
    EXPECT_EQ(Find(s, "(I) Plasma Rifle Ammo", "Body")->shots, "10");
    EXPECT_EQ(Find(s, "(I) Medium Laser", "Body")->count, 1);
    EXPECT_NE(Find(s, "(I) Light TAG", kUnequipped), nullptr);
    EXPECT_EQ(s.locations[2].captions[0], "Space Operations Adaptation");
    EXPECT_THAT(s.pips, Each(l.design.ArmorPoints + l.design.PlacedArmor + 1));
}

TEST(RecordSheet, GoldenDesignsPrintOnOnePageWithEveryFigureInTheText) {
    const Loaded cases[] = {LoadGolden("new-design"), LoadGolden("quad-turret"), FullHumanoid()};
    for (const Loaded& l : cases) {
        const RecordSheet s = BuildRecordSheet(l);
        for (Paper paper : {Paper::A4, Paper::Letter}) {
            SCOPED_TRACE(s.name);
            SheetLayout layout;
            const PdfText pdf = ReadPdf(RecordSheetPdf(s, paper, &layout));
            ExpectTextHolds(pdf, s);
            ExpectLaidOut(layout, paper);
            EXPECT_EQ(layout.itemsLeftOut, 0);
            EXPECT_EQ(layout.tableFontPt, 8);
        }
    }
}

TEST(RecordSheet, TheLargestDesignFitsItsPageInSmallerTypeAndSaysHowManyMore) {
    Loaded l = FullHumanoid();
    Design& d = l.design;
    d.MechName = std::string(300, 'W');
    d.Model = std::string(300, 'M');
    for (int i = 0; i < kCatalogSize; ++i) d.OwnedCount[i] = 3;  // 906 owned lines ...
    for (int i = 0; i < 50; ++i) d.OwnedAmmo[i] = 2;             // ... and 100 more
    d.HeatSinks = kMaxCount;
    d.ArmorPoints = kMaxCount;
    std::string notes;
    for (int i = 0; i < 400; ++i) notes += "A line of notes that goes on and on about the suit. ";
    d.History = notes + std::string(500, 'x');
    MainCalc(l);
    const RecordSheet s = BuildRecordSheet(l, 6);
    for (Paper paper : {Paper::A4, Paper::Letter}) {
        SheetLayout layout;
        const QByteArray bytes = RecordSheetPdf(s, paper, &layout);
        const PdfText pdf = ReadPdf(bytes);
        EXPECT_EQ(pdf.pages, 1);
        ExpectLaidOut(layout, paper);
        EXPECT_EQ(layout.tableFontPt, 5);
        EXPECT_GT(layout.itemsShown, 20);
        EXPECT_EQ(layout.itemsShown + layout.itemsLeftOut, static_cast<int>(s.items.size()));
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("... and %1 more").arg(layout.itemsLeftOut)));
        EXPECT_TRUE(layout.historyCut);
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("...")));
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("1001 pips")));
    }
}

// One word longer than the page: cut into full lines, and the cutting takes no longer than the
// page needs (it once measured every shorter prefix of the whole note, minutes for this one).
TEST(RecordSheet, AnUnbrokenNoteIsCutIntoFullLines) {
    Loaded l = LoadGolden("new-design");
    l.design.History = std::string(20000, 'x');
    MainCalc(l);
    SheetLayout layout;
    const PdfText pdf = ReadPdf(RecordSheetPdf(BuildRecordSheet(l), Paper::A4, &layout));
    EXPECT_TRUE(layout.historyCut);
    QList<int> lengths;
    for (const QString& line : pdf.text.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("xxxx"))) lengths << line.trimmed().size();
    ASSERT_GE(lengths.size(), 2);
    EXPECT_GT(lengths.front(), 60);
    for (int i = 1; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], lengths.front());
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("x...")));
}

// Only what can reach the page is laid out: notes far longer than the box show the same page as
// notes just too long for it, cut with "...".
TEST(RecordSheet, NotesBeyondThePageDoNotChangeWhatItShows) {
    Loaded l = LoadGolden("new-design");
    std::string head;
    for (int i = 0; i < 300; ++i) head += "Line " + std::to_string(i) + " of the notes, with some words.\r\n";
    MainCalc(l);
    RecordSheet s = BuildRecordSheet(l);
    std::vector<QString> pages;
    for (const std::string& tail :
         {std::string(10, 'y'), std::string(8 << 20, 'y'), std::string(4 << 20, '\n')}) {
        s.history = head + tail;
        SheetLayout layout;
        const PdfText pdf = ReadPdf(RecordSheetPdf(s, Paper::A4, &layout));
        EXPECT_TRUE(layout.historyCut);
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("Line 0 of the notes")));
        EXPECT_TRUE(pdf.text.contains(QStringLiteral("...")));
        pages.push_back(pdf.text);
    }
    EXPECT_TRUE(pages[1] == pages[0]);
    EXPECT_TRUE(pages[2] == pages[0]);

    // Characters of no width make no lines: what was cut off is still marked.
    s.history = "Unseen";
    for (int i = 0; i < (1 << 20); ++i) s.history += "\u200b";
    SheetLayout layout;
    const PdfText pdf = ReadPdf(RecordSheetPdf(s, Paper::A4, &layout));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Unseen")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("...")));
}

TEST(RecordSheet, AFailedWriteSaysWhyAndLeavesTheOldFile) {
    const Loaded l = LoadGolden("new-design");
    const RecordSheet s = BuildRecordSheet(l);
    QTemporaryDir dir;
    const std::string missing = dir.filePath(QStringLiteral("no-folder/sheet.pdf")).toStdString();
    std::string error;
    EXPECT_FALSE(WriteRecordSheetPdf(missing, s, Paper::A4, error));
    EXPECT_THAT(error, HasSubstr("no-folder"));

    // A folder where the sheet should go: refused, the folder and its contents untouched.
    const QString folder = dir.filePath(QStringLiteral("taken.pdf"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    error.clear();
    EXPECT_FALSE(WriteRecordSheetPdf(folder.toStdString(), s, Paper::A4, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(QDir(folder + QStringLiteral("/inside")).exists());

    const std::string good = dir.filePath(QStringLiteral("sheet.pdf")).toStdString();
    EXPECT_TRUE(WriteRecordSheetPdf(good, s, Paper::Letter, error)) << error;
    QFile written(QString::fromStdString(good));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left
}

// The command line and the settings name the paper the same way; a name round-trips through the settings.
TEST(RecordSheet, PaperIsNamedOneWayEverywhere) {
    for (const char* name : {"a4", "A4", "letter", "Letter", "LETTER"}) EXPECT_TRUE(PaperNamed(name)) << name;
    for (const char* name : {"", "a3", "Legal", "A4 "}) EXPECT_FALSE(PaperNamed(name)) << name;
    for (Paper paper : {Paper::A4, Paper::Letter}) EXPECT_EQ(PaperNamed(PaperName(paper)), paper);
}

}  // namespace

}  // namespace vantrel::test
