#include "files/DesignFile.h"

#include "../support/ScratchFiles.h"
#include "TestCatalog.h"
#include "TestFiles.h"
#include "files/AtomicFile.h"
#include "files/Readout.h"
#include "model/Design.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

using test::kData;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<std::string> Records(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = bytes.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(bytes.substr(start, at - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// The new design as the New command leaves it: ground movement laid down, totals calculated.
Design NewDesignAfterRefresh() {
    auto ctx = std::make_unique<Context>();
    test::Editable(*ctx, test::PlainCatalog());
    NewDesign(ctx->design);
    ctx->design.BodySlots[0] = kSlotGround;
    ctx->armorList.text = "Standard";
    MainCalc(*ctx);
    return ctx->design;
}

// The whole file of a new design, as the format's reference case has it (1332 CR LF records,
// record 623 CurrentKg 100, record 630 Cost 47500, body slot 0 ground movement).
TEST(DesignFile, NewDesignBytes) {
    EXPECT_EQ(DesignFileBytes(NewDesignAfterRefresh()), ReadBytes(kData / "new-design" / "design.vnt"));
}

TEST(DesignFile, TextsKeepCommasAndLineBreaks) {
    TempDir dir;
    Design d = NewDesignAfterRefresh();
    d.MechName = "Hauberk, Mk II";
    d.Model = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €" in UTF-8
    d.History = "First line, with a comma\r\nSecond line\r\n\r\nFourth";
    const fs::path file = dir.path / "notes.vnt";
    std::string error;
    ASSERT_TRUE(DoSaveAs(d, file.string(), error)) << error;

    const std::string bytes = ReadBytes(file);
    EXPECT_NE(bytes.find("\r\n\"First line, with a comma\r\nSecond line\r\n\r\nFourth\"\r\n100\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.substr(0, 26), "\"Hauberk, Mk II\"\r\n\"Caf\xE9 \x80\"");  // Windows-1252 on disk
    EXPECT_EQ(Records(bytes).size(), 1332u + 3);

    Design back;
    int bad = -1;
    ASSERT_TRUE(DoOpen(file.string(), back, error, bad)) << error;
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(back, d);
}

// Every record with a value of its own, at the edges of the limits where there are limits.
Design EveryRecordDistinct() {
    Design d;
    int32_t n = 0;
    auto next = [&n](int32_t mod) { return ++n % mod; };
    d.MechName = "Name, \xC3\xA9";
    d.Model = "MK-7";
    d.History = "line 1\r\nline 2";
    d.WeightClass = 4;
    d.TechBase = 2;
    d.IsQuad = true;
    d.TurretSize = 9;
    d.TurretConfig = true;
    d.SuitSystems = 2;
    d.HeatSinks = 11;
    d.GroundMP = 3;
    d.JumpMP = 16;
    d.VTOLMP = 5;
    d.UMUMP = 4;
    d.ArmorType = 8;  // the last of the nine a Mixed base offers
    d.ArmorPoints = 17;
    d.ArmorWeight = 850;
    d.ArmorSlots = 6;
    for (int i = 0; i < kCatalogSize; ++i) {
        d.OwnedCount[i] = next(kMaxCount + 1);
        d.OwnedAmmo[i] = next(kMaxCount + 1);
        d.PlacedCount[i] = next(kMaxCount + 1);
        d.PlacedAmmo[i] = next(kMaxCount + 1);
    }
    d.CurrentKg = INT32_MIN;
    d.FreeKg = -145;
    d.MaxHeat = 1000000000;
    d.HeatDissipation = 23;
    d.UsedCSlots = -7;
    d.FreeCSlots = 24;
    d.EstimatedBV = -3;
    d.Cost = 123456789;
    int32_t code = kSlotArmorSystem;
    for (int loc : {kBody, kRightArm, kLeftArm, kQuadBody, kTurret}) {
        SlotArrays a = Slots(d, loc);
        for (int s = 0; s < a.count; ++s) {
            a.codes[s] = code;
            code = code == kSlotAmmoLast ? kSlotArmorSystem : code + 13;
            if (code > kSlotAmmoLast) code = kSlotAmmoLast;
            a.spans[s] = s % 3 == 0 ? a.count - s : s % 3 == 1 ? kSpanFollow : kSpanNone;
        }
    }
    d.PlacedHeatSinks = 12;
    d.PlacedArmor = 13;
    d.PlacedArmorSlots = 14;
    d.PlacedCount[0] = kMaxCount;
    d.Spare1 = -1;
    d.Spare2 = 987654321;
    d.Spare3 = INT32_MIN;
    d.Spare4 = INT32_MAX;
    d.EnhancedImaging = true;
    return d;
}

TEST(DesignFile, RoundTripOfEveryRecord) {
    TempDir dir;
    const Design d = EveryRecordDistinct();
    const fs::path file = dir.path / "full.vnt";
    std::string error;
    ASSERT_TRUE(DoSaveAs(d, file.string(), error)) << error;
    Design back;
    NewDesign(back);
    int bad = -1;
    ASSERT_TRUE(DoOpen(file.string(), back, error, bad)) << FormatOpenError(file.string(), bad, error);
    EXPECT_EQ(back, d);
    EXPECT_EQ(DesignFileBytes(back), ReadBytes(file));
    EXPECT_EQ(fs::directory_iterator(dir.path)->path().filename(), "full.vnt");  // no temporary file left

    // A Humanoid keeps the quad and turret values it carries, a Quad its arm values.
    Design humanoid = d;
    humanoid.IsQuad = false;
    humanoid.TurretSize = 0;
    humanoid.TurretConfig = false;
    ASSERT_TRUE(DoSaveAs(humanoid, file.string(), error));
    ASSERT_TRUE(DoOpen(file.string(), back, error, bad));
    EXPECT_EQ(back.QuadSlots, d.QuadSlots);
    EXPECT_EQ(back.TurretSpan, d.TurretSpan);
}

TEST(DesignFile, ShortFileNamesFirstMissingRecord) {
    const std::vector<std::string> lines = Records(ReadBytes(kData / "new-design" / "design.vnt"));
    ASSERT_EQ(lines.size(), 1332u);
    Design held = EveryRecordDistinct();
    const Design before = held;
    for (int kept : {0, 1, 16, 621, 622, 630, 1000, 1331}) {
        const std::string bytes = Join(std::vector<std::string>(lines.begin(), lines.begin() + kept));
        std::string error;
        int bad = -1;
        EXPECT_FALSE(ParseDesignFile(bytes, held, error, bad)) << kept;
        EXPECT_EQ(bad, kept + 1);
        EXPECT_NE(error.find("ends before"), std::string::npos) << error;
        EXPECT_EQ(held, before);
    }
    // The last record without its line end is still a record.
    std::string whole = Join(lines);
    whole.resize(whole.size() - 2);
    std::string error;
    int bad = -1;
    EXPECT_TRUE(ParseDesignFile(whole, held, error, bad)) << error;

    // Cut inside the history notes: the text is not closed.
    const std::string cut =
        Join(std::vector<std::string>(lines.begin(), lines.begin() + 621)) + "\"Notes, cut";
    held = before;
    EXPECT_FALSE(ParseDesignFile(cut, held, error, bad));
    EXPECT_EQ(bad, 622);
    EXPECT_EQ(held, before);

    // A missing file or a folder: no record to blame.
    TempDir dir;
    for (const fs::path& p : {dir.path / "missing.vnt", dir.path}) {
        error.clear();
        EXPECT_FALSE(DoOpen(p.string(), held, error, bad));
        EXPECT_EQ(bad, 0);
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(held, before);
    EXPECT_EQ(FormatOpenError("a.vnt", 623, "CurrentKg: the file ends before this value"),
              "Cannot open the design file a.vnt: record 623, CurrentKg: the file ends before this value.");
}

TEST(DesignFile, ValuesOutsideTheLimitsAreRefusedWhole) {
    const std::vector<std::string> lines = Records(ReadBytes(kData / "new-design" / "design.vnt"));
    // "record=value", each edited alone into the new design's file. The heat totals (625, 626) size a
    // slider: bounded so it cannot overflow. Inner Sphere offers 8 armor types (record 14).
    const char* const accepted =
        "3=4 4=2 5=#TRUE# 6=9 8=2 9=1000 10=16 14=7 622=plain 623=-999 624=-2147483648 625=1000000000 "
        "3=+2 631=609 631=\"5\" 632=12 632=-2 653=-2 654=1 670=1 703=-2 720=1 722=-7 725=2147483647 "
        "1332=#TRUE#";
    const char* const refused =
        "3=5 3=-1 4=3 5=1 6=10 8=3 9=1001 9=-1 10=17 11=-1 13=17 14=8 14=-1 15=-2 16=-5 17=-1 18=1001 "
        "19=-1 621=-1 625=2147483647 625=-2147483648 626=-1000000001 9=+-5 3=2147483648 3=1.5 3= "
        "3=abc 631=610 631=-3 632=13 632=0 654=2 662=2 702=2 720=2 721=-1 726=-1 727=-1 728=-1 "
        "1331=1001 1332=#MAYBE#";
    const auto check = [&](const std::string& edit, bool wanted) {
        const int record = std::stoi(edit.substr(0, edit.find('=')));
        std::vector<std::string> edited = lines;
        edited[record - 1] = edit.substr(edit.find('=') + 1);
        Design held;
        NewDesign(held);
        held.MechName = "held";
        const Design before = held;
        std::string error;
        int bad = -1;
        const bool ok = ParseDesignFile(Join(edited), held, error, bad);
        EXPECT_EQ(ok, wanted) << edit << ": " << error;
        if (!ok) {
            EXPECT_EQ(bad, record) << edit;
            EXPECT_EQ(held, before);
        }
    };
    for (const auto& [list, wanted] : {std::pair(accepted, true), std::pair(refused, false)}) {
        std::istringstream edits(list);
        for (std::string edit; edits >> edit;) check(edit, wanted);
    }
    // The armor type is checked against the list of the file's own tech base.
    std::vector<std::string> mixed = lines;
    mixed[3] = "2";
    mixed[13] = "8";
    Design d;
    std::string error;
    int bad = -1;
    EXPECT_TRUE(ParseDesignFile(Join(mixed), d, error, bad)) << error;
    EXPECT_EQ(ArmorTypeName(d.TechBase, d.ArmorType), "Mimetic");
    mixed[3] = "1";  // Clan offers five
    mixed[13] = "5";
    EXPECT_FALSE(ParseDesignFile(Join(mixed), d, error, bad));
    EXPECT_EQ(bad, 14);
}

TEST(DesignFile, FailedSaveLeavesTheOldFile) {
    TempDir dir;
    const Design d = NewDesignAfterRefresh();
    std::string error;

    // The target is a folder; the folder does not exist.
    fs::create_directory(dir.path / "folder.vnt");
    EXPECT_FALSE(DoSaveAs(d, (dir.path / "folder.vnt").string(), error));
    EXPECT_TRUE(fs::is_directory(dir.path / "folder.vnt"));
    error.clear();
    EXPECT_FALSE(DoSaveAs(d, (dir.path / "nowhere" / "x.vnt").string(), error));
    EXPECT_FALSE(error.empty());

    // Writing stops half way (the file size limit of the process): the old file stays whole.
    const fs::path file = dir.path / "old.vnt";
    WriteBytes(file, "old contents\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    {
        const test::FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(DoSaveAs(d, file.string(), error));
    }
    EXPECT_NE(error.find("writing failed"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(file), "old contents\r\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.vnt", "old.vnt"}));

    // A folder that does not let us write (meaningless for root, who may write anywhere).
    if (geteuid() != 0) {
        fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(DoSaveAs(d, file.string(), error));
        fs::permissions(dir.path, fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(file), "old contents\r\n");
    }

    // A successful save replaces the file, keeps its permissions and leaves nothing else behind.
    ASSERT_TRUE(DoSaveAs(d, file.string(), error)) << error;
    EXPECT_EQ(ReadBytes(file), ReadBytes(kData / "new-design" / "design.vnt"));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.vnt", "old.vnt"}));
}

std::vector<std::string> gSyncs;

TEST(DesignFile, SaveIsDurableAndRefusesWhatItMustNotReplace) {
    TempDir dir;
    const Design d = NewDesignAfterRefresh();
    std::string error;

    // The file is flushed to disk before the rename, the folder after it.
    gSyncs.clear();
    SetSyncHookForTesting([](const char* what) { gSyncs.emplace_back(what); });
    const fs::path file = dir.path / "a.vnt";
    ASSERT_TRUE(DoSaveAs(d, file.string(), error)) << error;
    SetSyncHookForTesting(nullptr);
    EXPECT_EQ(gSyncs, (std::vector<std::string>{"file", "folder"}));

    // A stale temporary file of a killed save goes; a fresh one (a save in progress) and others stay.
    const fs::path stale = dir.path / ".vantrel-0123456789ab.tmp";
    const fs::path fresh = dir.path / ".vantrel-ba9876543210.tmp";
    WriteBytes(stale, "x");
    WriteBytes(fresh, "x");
    WriteBytes(dir.path / ".vantrel-notes.tmp", "x");
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(DoSaveAs(d, file.string(), error)) << error;
    EXPECT_EQ(dir.Names(),
              (std::vector<std::string>{".vantrel-ba9876543210.tmp", ".vantrel-notes.tmp", "a.vnt"}));

    // A read-only file is not replaced (root could, so the check is on the mode).
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(DoSaveAs(d, file.string(), error));
    EXPECT_EQ(error, "the file is read-only");
    fs::permissions(file, fs::perms::owner_all);

    // A named pipe is neither replaced on save nor opened (which would block) on open.
    const fs::path fifo = dir.path / "pipe.vnt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(DoSaveAs(d, fifo.string(), error));
    EXPECT_EQ(error, "it is not a regular file");
    EXPECT_TRUE(fs::is_fifo(fifo));
    Design held = d;
    int bad = -1;
    EXPECT_FALSE(DoOpen(fifo.string(), held, error, bad));
    EXPECT_EQ(FormatOpenError(fifo.string(), bad, error),
              "Cannot open the design file " + fifo.string() + ": the file is not a regular file.");
    EXPECT_FALSE(DoOpen(dir.path.string(), held, error, bad));
    EXPECT_EQ(error, "the file is not a regular file");

    // A byte-order mark before the first record is skipped.
    WriteBytes(dir.path / "bom.vnt", "\xEF\xBB\xBF" + ReadBytes(kData / "new-design" / "design.vnt"));
    ASSERT_TRUE(DoOpen((dir.path / "bom.vnt").string(), held, error, bad)) << error;
    EXPECT_EQ(held.MechName, "Battle Armor");
}

// Each folder of tests/data holding a design.vnt is a case: a good file reads, writes back the
// same bytes, calculates to the totals it stores and exports as readout.txt; a refused file names
// the record of error.txt.
TEST(DesignFileCases, GoldenFolders) {
    Catalog catalog;
    CatalogError catalogError;
    ASSERT_TRUE(LoadCatalog((kData / "catalog" / "stuff.plb").string(), catalog, catalogError))
        << FormatCatalogError("stuff.plb", catalogError);
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(kData)) {
        const fs::path file = entry.path() / "design.vnt";
        if (!fs::exists(file)) continue;
        ++cases;
        SCOPED_TRACE(entry.path().filename().string());
        Design d;
        std::string error;
        int bad = -1;
        const bool ok = DoOpen(file.string(), d, error, bad);
        if (fs::exists(entry.path() / "error.txt")) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(bad, std::stoi(ReadBytes(entry.path() / "error.txt")));
            continue;
        }
        ASSERT_TRUE(ok) << FormatOpenError(file.string(), bad, error);
        EXPECT_EQ(DesignFileBytes(d), ReadBytes(file));
        auto ctx = std::make_unique<Context>();
        ctx->catalog = ShareCatalog(catalog);
        ctx->design = d;
        ctx->armorList = ArmorListFor(d);
        MainCalc(*ctx);
        const Design& calculated = ctx->design;
        EXPECT_EQ(calculated.CurrentKg, d.CurrentKg);
        EXPECT_EQ(calculated.Cost, d.Cost);
        EXPECT_EQ(calculated, d);
        if (fs::exists(entry.path() / "readout.txt")) {
            EXPECT_EQ(Readout(*ctx), ReadBytes(entry.path() / "readout.txt"));
        }
    }
    EXPECT_GE(cases, 4);
}

}  // namespace
}  // namespace vantrel
