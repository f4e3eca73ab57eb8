// The play sheet: its figures worked out from golden designs, the tables it reads, the blocks laid
// out without overlap at every squad size, the pages and bookmarks of a book of several designs, and
// the text of a play page and of a design sheet compared with golden copies read back by pdftotext.

#include "sheet/PlaySheet.h"

#include "SheetTools.h"
#include "files/DesignFile.h"
#include "rules/ArmorList.h"
#include "rules/Limits.h"
#include "rules/MainCalc.h"
#include "sheet/PlaySheetPainter.h"
#include "sheet/SheetBook.h"
#include "sheet/SheetPdfBytes.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vantrel::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

Context Shipped(const std::string& name) { return LoadGolden(name, VANTREL_CATALOG_PATH); }

// A suit of the shipped catalog with what the tables speak of: pulse and variable lasers, a
// one-shot launcher, ammunition, manipulators and equipment; its skills given.
Context Raider() {
    Context c = Shipped("new-design");
    Design& d = c.design;
    d.MechName = "Raider";
    d.Model = "RD-2";
    auto own = [&](const char* name, int count) {
        const int i = FindIndex(c.catalog, name);
        EXPECT_GE(i, 0) << name;
        if (i >= 0) d.OwnedCount[i] = count;
        return i;
    };
    own("(I) Small Pulse Laser", 1);
    own("(I) Medium VSP Laser", 1);
    own("(I) SRM 2 (OS)", 2);
    d.OwnedAmmo[own("(I) SRM 4", 1)] = 2;
    own("Camo System", 1);
    own("Battle Claw", 2);
    d.ArmorPoints = 5;
    d.ArmorWeight = ArmorWeightOf(d).value_or(0);
    d.JumpMP = 3;
    c.armorList = ArmorListFor(d);
    MainCalc(c);
    return c;
}

PlayTables Tables() { return LoadPlayTables(); }

const PlayWeapon* Weapon(const PlaySheet& s, const std::string& name) {
    for (const PlayWeapon& w : s.weapons)
        if (w.name == name) return &w;
    return nullptr;
}

TEST(PlaySheet, FiguresOfTheNewDesignAndTheQuad) {
    const PlaySheet fresh = BuildPlaySheet(LoadGolden("new-design"), Tables());
    EXPECT_EQ(fresh.chassis, "Humanoid");
    EXPECT_EQ(fresh.weightClass, "Light (750Kg)");
    EXPECT_EQ(fresh.technology, "Inner Sphere, level 2");
    ASSERT_EQ(fresh.movement.size(), 1u);
    EXPECT_EQ(fresh.movement[0].kind, "Ground");
    EXPECT_EQ(fresh.troopers, 4);
    EXPECT_EQ(fresh.armorPips, 0);
    // The estimate (11) counts the technology base's squad of four.
    EXPECT_EQ(std::pair(fresh.bvPerTrooper, fresh.bvSquad), std::pair(3, 11));
    EXPECT_TRUE(fresh.weapons.empty());
    EXPECT_TRUE(fresh.errors.empty());

    const Context quad = LoadGolden("quad-turret");
    const PlaySheet s = BuildPlaySheet(quad, Tables(), 6);
    EXPECT_EQ(s.chassis, "Quad");
    EXPECT_EQ(s.technology, "Clan, level 2");
    EXPECT_EQ(s.armorPips, 4);
    EXPECT_EQ(s.troopers, 6);
    EXPECT_EQ(s.bvSquad, static_cast<int>(std::lround(quad.design.EstimatedBV * 6 / 5.0)));
    const PlayWeapon* srm = Weapon(s, "SRM 4");
    ASSERT_NE(srm, nullptr);
    EXPECT_TRUE(srm->usesAmmo);
    const int srmIndex = FindIndex(quad.catalog, "SRM 4");
    EXPECT_EQ(srm->shots, 2 * (quad.design.PlacedAmmo[srmIndex] + quad.design.OwnedAmmo[srmIndex]));
    const PlayWeapon* laser = Weapon(s, "Small Laser");
    ASSERT_NE(laser, nullptr);
    EXPECT_FALSE(laser->usesAmmo);
    EXPECT_EQ(std::tuple(laser->damage, laser->minRange, laser->longRange), std::tuple("3", "-", "3"));
    // Overweight: an error of the check, carried on the block.
    ASSERT_FALSE(s.errors.empty());
    EXPECT_THAT(s.errors[0], HasSubstr("overweight"));
}

TEST(PlaySheet, TablesGiveModifiersAndEffectsByCatalogName) {
    const PlaySheet s = BuildPlaySheet(Raider(), Tables(), 0, {"4", "5"});
    EXPECT_EQ(Weapon(s, "(I) Small Pulse Laser")->toHit, "-2");
    EXPECT_EQ(Weapon(s, "(I) Medium VSP Laser")->toHit, "-3/-2/-1");
    EXPECT_EQ(Weapon(s, "(I) SRM 4")->toHit, "");
    EXPECT_EQ(Weapon(s, "(I) SRM 4")->shots, 4);       // two loads of two
    EXPECT_EQ(Weapon(s, "(I) SRM 2 (OS)")->shots, 2);  // one shot per launcher
    ASSERT_EQ(s.equipment.size(), 2u);
    EXPECT_EQ(s.equipment[0].name, "Battle Claw");
    EXPECT_EQ(s.equipment[0].count, 2);
    EXPECT_THAT(s.equipment[0].effect, HasSubstr("swarm"));
    EXPECT_THAT(s.equipment[1].effect, HasSubstr("harder to hit"));
    EXPECT_EQ(s.skills.gunnery, "4");
    ASSERT_EQ(s.movement.size(), 2u);
    EXPECT_EQ(s.movement[1].kind, "Jump");

    // A line of its own wins over the unmarked name; comments, blank lines and lines without a
    // tab are skipped; spaces and CR around the fields go.
    PlayTables t;
    t.toHit = ParsePlayTable("# note\tnot a line\n\nPulse\t-2\r\n(C) Pulse\t -1 \nno tab here\n");
    EXPECT_EQ(t.toHit.size(), 2u);
    EXPECT_EQ(t.ToHit("(I) Pulse"), "-2");
    EXPECT_EQ(t.ToHit("(C) Pulse"), "-1");
    EXPECT_EQ(t.ToHit("Pulse Rifle"), "");
    EXPECT_EQ(t.ToHit("(X)"), "");
}

// Every text, pip and box inside the block and none over another.
void ExpectNoOverlap(const PlayBlockLayout& layout) {
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const auto& a = layout.pieces[i];
        EXPECT_TRUE(layout.rect.contains(a.rect)) << a.what.toStdString() << " runs out of the block";
        for (size_t j = i + 1; j < layout.pieces.size(); ++j) {
            const auto& b = layout.pieces[j];
            EXPECT_FALSE(a.rect.intersected(b.rect).width() > 0.01 &&
                         a.rect.intersected(b.rect).height() > 0.01)
                << a.what.toStdString() << " overlaps " << b.what.toStdString();
        }
    }
}

// The busiest block a page should take: names of 60 characters, 30 weapons with ammunition and
// to-hit modifiers, equipment with effects, errors; one to six troopers, at a quarter page.
TEST(PlaySheet, BusyBlocksKeepEveryPieceApartAtEverySquadSize) {
    Context c = Shipped("shipped-catalog/full-humanoid");
    c.design.MechName = std::string(60, 'W');
    c.design.Model = std::string(60, 'M');
    int weapons = 0;
    for (int i = 0; i < kCatalogSize && weapons < 30; ++i) {
        if (c.catalog[i].Category == kEquipment) continue;
        c.design.OwnedCount[i] = 1;
        c.design.OwnedAmmo[i] = 1;
        ++weapons;
    }
    MainCalc(c);
    QImage page(2100, 2970, QImage::Format_Grayscale8);  // A4 at 254 dpi
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    for (int troopers = 1; troopers <= 6; ++troopers) {
        SCOPED_TRACE(troopers);
        const PlaySheet s = BuildPlaySheet(c, Tables(), troopers);
        ASSERT_GE(s.weapons.size(), 30u);
        ASSERT_FALSE(s.errors.empty());
        QPainter painter(&page);
        const double width = 190;
        // All of it when the block may grow; cut, and counted, in a quarter page.
        const PlayBlockLayout full = PaintPlayBlock(painter, s, QRectF(10, 10, width, 277));
        EXPECT_EQ(full.linesLeftOut, 0);
        EXPECT_NEAR(full.rect.height(), PlayBlockHeight(painter, s, width), 0.01);
        ExpectNoOverlap(full);
        const PlayBlockLayout quarter = PaintPlayBlock(painter, s, QRectF(10, 10, width, 67));
        EXPECT_LE(quarter.rect.height(), 67.01);
        EXPECT_GT(quarter.linesLeftOut, 0);
        EXPECT_EQ(quarter.linesShown + quarter.linesLeftOut,
                  static_cast<int>(s.weapons.size() + s.equipment.size()));
        ExpectNoOverlap(quarter);
        EXPECT_GE(quarter.pipMm, 3.0);
        int troopersDrawn = 0;
        for (const auto& p : quarter.pieces) troopersDrawn += p.what == QStringLiteral("trooper pip");
        EXPECT_EQ(troopersDrawn, troopers);
    }
}

// The bookmarks as a PDF reader lists them: title and page.
std::vector<std::string> Outline(const QByteArray& pdf) {
    const QString xml = Poppler(
        QStringLiteral("pdftohtml"),
        {QStringLiteral("-xml"), QStringLiteral("-stdout"), QStringLiteral("-i"), QStringLiteral("-q")}, pdf);
    std::vector<std::string> out;
    auto it = QRegularExpression(QStringLiteral("<item page=\"(\\d+)\">([^<]*)</item>")).globalMatch(xml);
    while (it.hasNext()) {
        const auto m = it.next();
        out.push_back((m.captured(2) + QStringLiteral(" @") + m.captured(1)).toStdString());
    }
    return out;
}

int Pages(const QByteArray& pdf) {
    return static_cast<int>(Poppler(QStringLiteral("pdftotext"), {}, pdf).count(QLatin1Char('\f')));
}

std::vector<PlaySheet> FourDesigns() {
    const PlayTables t = Tables();
    return {BuildPlaySheet(Shipped("shipped-catalog/full-humanoid"), t),
            BuildPlaySheet(Raider(), t, 0, {"4", "5"}), BuildPlaySheet(LoadGolden("quad-turret"), t, 6),
            BuildPlaySheet(LoadGolden("new-design"), t, 1)};
}

TEST(SheetBook, PagesAndOneBookmarkPerDesignInOrder) {
    SheetBook book;
    book.plays = FourDesigns();
    book.plays.push_back(book.plays[1]);
    BookLayout layout;
    const QByteArray pdf = SheetBookPdf(book, Paper::A4, &layout);
    EXPECT_EQ(Pages(pdf), 2);  // four blocks a page
    EXPECT_EQ(layout.pages, 2);
    EXPECT_THAT(Outline(pdf), ElementsAre("Longshore Boarding Trooper LVH-7S 'Breaker' @1", "Raider RD-2 @1",
                                          "Quad Tester, Mk II @1", "Battle Armor 0 @1", "Raider RD-2 @2"));
    // Blocks one under the other, inside the margins.
    for (size_t i = 1; i < 4; ++i) EXPECT_GE(layout.sheets[i].rect.top(), layout.sheets[i - 1].rect.bottom());
    EXPECT_LE(layout.sheets[3].rect.bottom(), 287.01);

    book.perPage = 1;
    EXPECT_EQ(Pages(SheetBookPdf(book, Paper::Letter)), 5);

    // Design sheets: one a page, or four shrunk onto one.
    SheetBook designs;
    designs.kind = SheetKind::Design;
    for (const char* name : {"new-design", "quad-turret", "new-design"})
        designs.designs.push_back(BuildRecordSheet(LoadGolden(name)));
    const QByteArray three = SheetBookPdf(designs, Paper::A4);
    EXPECT_EQ(Pages(three), 3);
    EXPECT_EQ(Outline(three).size(), 3u);
    EXPECT_EQ(Outline(three)[2], "Battle Armor 0 @3");
    designs.perPage = 4;
    EXPECT_EQ(Pages(SheetBookPdf(designs, Paper::A4)), 1);
}

TEST(SheetBook, TheOutlineIsAddedOnlyToWhatItCanRead) {
    SheetBook book;
    book.plays = {FourDesigns()[3]};
    book.plays[0].name = "Ünïcode (and) \\ brackets";
    const QByteArray pdf = SheetBookPdf(book, Paper::A4);
    EXPECT_THAT(Outline(pdf), ElementsAre("Ünïcode (and) \\ brackets 0 @1"));
    // The pages are those the toolkit wrote, untouched: the outline comes after them.
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("%%EOF"), 2);
    // Bytes of another form come back as they were.
    for (const QByteArray& other : {QByteArray(), QByteArray("%PDF-1.4\nno trailer"),
                                    QByteArray("trailer\n<< /Size 3 >>\nstartxref\n9\n%%EOF")})
        EXPECT_EQ(AddPdfOutline(other, {"a"}, {0}, {10}), other);
    EXPECT_EQ(AddPdfOutline(pdf, {"a"}, {5}, {10}), pdf);  // no such page
    EXPECT_EQ(AddPdfOutline(pdf, {"a"}, {0}, {10}), pdf);  // an outline is there already
}

// What pdftotext reads off the page in its layout, spaces run together, against the golden copy in
// tests/data/golden; VANTREL_UPDATE_GOLDEN=1 writes the copies afresh.
void ExpectGolden(const QByteArray& pdf, const QString& name) {
    QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout")}, pdf);
    text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    text.replace(QRegularExpression(QStringLiteral(" *\\n+")), QStringLiteral("\n"));
    const QString path = QStringLiteral(VANTREL_SOURCE_DIR "/tests/data/golden/") + name;
    QFile f(path);
    if (qEnvironmentVariableIsSet("VANTREL_UPDATE_GOLDEN")) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(text.toStdString(), QString::fromUtf8(f.readAll()).toStdString());
}

TEST(SheetBook, TextOfAPlayPageAndOfADesignSheetAsGolden) {
    SheetBook play;
    play.plays = FourDesigns();
    ExpectGolden(SheetBookPdf(play, Paper::A4), QStringLiteral("play-page.txt"));
    SheetBook design;
    design.kind = SheetKind::Design;
    design.designs = {BuildRecordSheet(LoadGolden("quad-turret"))};
    ExpectGolden(SheetBookPdf(design, Paper::A4), QStringLiteral("design-sheet.txt"));
}

}  // namespace

}  // namespace vantrel::test
