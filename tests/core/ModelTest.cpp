#include "TestCatalog.h"
#include "model/Design.h"
#include "model/TextCodec.h"
#include "model/ValueReader.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace vantrel {
namespace {

TEST(Lookups, FindIndexAndAddToStash) {
    Catalog c = test::PlainCatalog();
    c[5].Name = "Twin";
    c[9].Name = "Twin";
    EXPECT_EQ(FindIndex(c, "Twin"), 5);
    EXPECT_EQ(FindIndex(c, "Twin Ammo"), 5);
    EXPECT_EQ(FindIndex(c, "twin"), -1);
    EXPECT_EQ(FindIndex(c, "Twin  Ammo"), -1);
    Design d;
    NewDesign(d);
    AddToStash(c, d, "Twin", 1);  // every record of the name, not just the first
    EXPECT_EQ(d.OwnedCount[5], 1);
    EXPECT_EQ(d.OwnedCount[9], 1);
    AddToStash(c, d, "Twin Ammo", 2);
    EXPECT_EQ(d.OwnedAmmo[5], 2);
    const Design before = d;
    AddToStash(c, d, "Heat Sink", 1);
    EXPECT_EQ(d, before);
}

// New over an edited design: nothing of the old one is left (its fields are pinned by the file bytes).
TEST(NewDesign, FieldsAndSlots) {
    Design d;
    d.History = "old";
    d.OwnedCount[3] = 4;
    d.BodySlots[2] = kSlotHeatSink;
    d.TurretSpan[1] = 3;
    NewDesign(d);
    EXPECT_TRUE(d.History.empty());
    EXPECT_EQ(d.OwnedCount[3], 0);
    for (int loc = 0; loc < kLocationCount; ++loc) {
        auto a = Slots(d, loc);
        for (int i = 0; i < a.count; ++i) EXPECT_EQ(std::pair(a.codes[i], a.spans[i]), std::pair(-1, -1));
    }
}

TEST(Values, SeparatorsQuotesAndTrimming) {
    ValueReader r("\"a, b\",  12 ,-3\r\n\"two\r\nlines\"\n4.5\r#TRUE#,x");
    std::string t, t2;
    int32_t n = 0, n2 = 0;
    double v = 0;
    bool f = false;
    const auto ok = ValueReader::Status::Ok;
    EXPECT_EQ((std::array{r.ReadText(t), r.ReadInt(n), r.ReadInt(n2), r.ReadText(t2), r.ReadDouble(v),
                          r.ReadFlag(f)}),
              (std::array{ok, ok, ok, ok, ok, ok}));
    EXPECT_EQ(std::tuple(t, n, n2, t2, v, f), std::tuple("a, b", 12, -3, "two\r\nlines", 4.5, true));
    EXPECT_EQ(r.ReadInt(n), ValueReader::Status::Bad);
    EXPECT_EQ(r.ReadInt(n), ValueReader::Status::End);

    ValueReader big("2147483648\r\n\"open");
    EXPECT_EQ(big.ReadInt(n), ValueReader::Status::Bad);
    EXPECT_EQ(big.ReadText(t), ValueReader::Status::End);

    // The code page holds Latin-1 and its own 27 extra characters, nothing else.
    EXPECT_TRUE(FitsCp1252(U'\u00eb') && FitsCp1252(U'\u20ac') && FitsCp1252('?') && FitsCp1252('"'));
    EXPECT_FALSE(FitsCp1252(U'\u65e5') || FitsCp1252(U'\U0001F600') || FitsCp1252(U'\u0100'));

    // A plus sign before the digits is read, one before a minus sign is no number.
    ValueReader signs("+7,+-5,-+5,+-2.5,+");
    EXPECT_EQ(signs.ReadInt(n), ValueReader::Status::Ok);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(signs.ReadInt(n), ValueReader::Status::Bad);
    EXPECT_EQ(signs.ReadInt(n), ValueReader::Status::Bad);
    EXPECT_EQ(signs.ReadDouble(v), ValueReader::Status::Bad);
    EXPECT_EQ(signs.ReadInt(n), ValueReader::Status::Bad);

    // An editor's UTF-8 byte-order mark before the first value is skipped; elsewhere it is text.
    ValueReader marked("\xEF\xBB\xBF\"Battle Armor\",\"\xEF\xBB\xBFx\"");
    EXPECT_EQ(marked.ReadText(t), ValueReader::Status::Ok);
    EXPECT_EQ(t, "Battle Armor");
    EXPECT_EQ(marked.ReadText(t), ValueReader::Status::Ok);
    EXPECT_NE(t, "x");
}

TEST(Values, WriterAndCodepage) {
    ValueWriter w;
    w.Text("Sa\xC3\xA9 \"Q\" \xE2\x82\xAC \xE4\xB8\xAD");  // é, quotes, euro, a character 1252 lacks
    w.Int(-1);
    w.Flag(false);
    EXPECT_EQ(w.bytes(), "\"Sa\xE9 'Q' \x80 ?\"\r\n-1\r\n#FALSE#\r\n");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(FormatNumber(3 * 10.8), "32.4");
    EXPECT_EQ(FormatNumber(5 * 10.8), "54");
    EXPECT_EQ(FormatNumber(7.5), "7.5");
    EXPECT_EQ(FormatNumber(0), "0");
}

TEST(CatalogFile, LayoutAndFailures) {
    std::string rec;
    for (int i = 0; i < kCatalogSize; ++i) {
        // Split over two lines on even records, two records on one line otherwise: only separators count.
        rec +=
            "\"Item " + std::to_string(i) + "\",\"1, 2\",10,1,-1,-1,0,-1,\"-1\",\"-1\",\"-1\",3,\"\",0,0,-1";
        rec += i % 2 ? "\r\n" : ",";
    }
    rec += "trailing junk that is never read";
    Catalog c;
    CatalogError e;
    ASSERT_TRUE(ParseCatalog(rec, c, e)) << e.message;
    EXPECT_EQ(c[0].Name, "Item 0");
    EXPECT_EQ(c[301].Name, "Item 301");
    EXPECT_EQ(c[7].Damage, "1, 2");
    EXPECT_EQ(c[7].BV, -1.0);

    // 301 records: the first missing value is record 302, field 1.
    const std::string shorter = rec.substr(0, rec.find("\"Item 301\""));
    ASSERT_FALSE(ParseCatalog(shorter, c, e));
    EXPECT_EQ(e.record, 302);
    EXPECT_EQ(e.field, 1);

    std::string bad = rec;
    bad.replace(bad.find(",10,1,"), 6, ",ten,1,");
    ASSERT_FALSE(ParseCatalog(bad, c, e));
    EXPECT_EQ(e.record, 1);
    EXPECT_EQ(e.field, 3);
    EXPECT_NE(FormatCatalogError("x.plb", e).find("record 1, field 3"), std::string::npos);

    ASSERT_FALSE(LoadCatalog("/nonexistent/stuff.plb", c, e));
    EXPECT_EQ(e.record, 0);
    EXPECT_NE(FormatCatalogError("stuff.plb", e).find("No such file or directory"), std::string::npos);

    // A byte-order mark before the first record is not part of the first name.
    ASSERT_TRUE(ParseCatalog("\xEF\xBB\xBF" + rec, c, e)) << e.message;
    EXPECT_EQ(c[0].Name, "Item 0");

    // A folder or a named pipe in place of the catalog is refused, never read (a pipe would block).
    const auto dir = std::filesystem::temp_directory_path() / ("vantrel-cat-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string fifo = (dir / "stuff.plb").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.string(), fifo}) {
        ASSERT_FALSE(LoadCatalog(path, c, e)) << path;
        EXPECT_EQ(e.message, "the file is not a regular file") << path;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vantrel
