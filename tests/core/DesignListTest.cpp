#include "files/DesignList.h"

#include "../support/ScratchFiles.h"
#include "TestCatalog.h"
#include "TestFiles.h"
#include "files/DesignFile.h"
#include "model/Design.h"
#include "model/RegularFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

using test::kData;
using test::ReadBytes;
using test::TempDir;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const CatalogRef& TestCatalogOfData() {
    static const CatalogRef catalog = [] {
        CatalogRef c;
        CatalogError error;
        EXPECT_TRUE(LoadSharedCatalog((kData / "catalog" / "stuff.plb").string(), c, error));
        return c;
    }();
    return catalog;
}

std::vector<DesignRow> ListRows(const std::string& folder, bool recursive, int workers = 2,
                                std::size_t batch = 256) {
    std::vector<ListedFile> files;
    std::string error;
    EXPECT_TRUE(ListDesignFiles(folder, recursive, files, error)) << error;
    std::vector<DesignRow> rows;
    ReadDesignRows(TestCatalogOfData(), files, workers, batch, [&](std::vector<DesignRow>& b) {
        rows.insert(rows.end(), b.begin(), b.end());
        return true;
    });
    return rows;
}

std::vector<std::string> Column(const std::vector<DesignRow>& rows, int column) {
    std::vector<std::string> cells;
    for (const DesignRow& r : rows) cells.push_back(r[column]);
    return cells;
}

// Every golden folder's design is one row: the seven figures are the lines --summary prints, the
// counts those of --check's errors and warnings, and a refused file's row names its bad record.
TEST(DesignList, GoldenFoldersMatchSummaryAndCheck) {
    const std::vector<DesignRow> rows = ListRows(kData.string(), true);
    std::vector<std::string> expectedFiles;
    for (const auto& e : fs::recursive_directory_iterator(kData))
        if (e.path().extension() == ".vnt" || e.path().extension() == ".blk")
            expectedFiles.push_back(e.path().string());
    std::sort(expectedFiles.begin(), expectedFiles.end());
    ASSERT_EQ(Column(rows, kColFile), expectedFiles);

    int compared = 0;
    for (const DesignRow& row : rows) {
        const fs::path folder = fs::path(row[kColFile]).parent_path();
        SCOPED_TRACE(folder.filename().string());
        if (fs::path(row[kColFile]).extension() == ".blk") continue;  // below, with the shipped catalog
        if (fs::exists(folder / "error.txt")) {
            EXPECT_NE(row[kColProblem].find("record " + Lines(ReadBytes(folder / "error.txt"))[0]),
                      std::string::npos)
                << row[kColProblem];
            EXPECT_NE(row[kColProblem].find(row[kColFile]), std::string::npos);
            EXPECT_EQ(row[kColName], "");
            EXPECT_EQ(row[kColCost], "");
            continue;
        }
        EXPECT_TRUE(row.Readable()) << row[kColProblem];
        if (!fs::exists(folder / "summary.txt")) continue;
        ++compared;
        const std::vector<std::string> summary = Lines(ReadBytes(folder / "summary.txt"));
        ASSERT_GE(summary.size(), 7u);
        for (int i = 0; i < 7; ++i) {
            const std::string& line = summary[i];
            EXPECT_EQ(row[kColCurrentKg + i], line.substr(line.find(": ") + 2)) << line;
        }
        int errors = 0;
        int warnings = 0;
        for (const std::string& line : Lines(ReadBytes(folder / "check.txt"))) {
            errors += line.rfind("error:", 0) == 0;
            warnings += line.rfind("warning:", 0) == 0;
        }
        EXPECT_EQ(row[kColErrors], std::to_string(errors));
        EXPECT_EQ(row[kColWarnings], std::to_string(warnings));
        Design d;
        std::string error;
        int bad = 0;
        ASSERT_TRUE(DoOpen(row[kColFile], d, error, bad));
        EXPECT_EQ(row[kColName], d.MechName);
        EXPECT_EQ(row[kColModel], d.Model);
        EXPECT_EQ(row[kColChassis], d.IsQuad ? "Quad" : "Humanoid");
        EXPECT_EQ(row[kColGroundMP], std::to_string(d.GroundMP));
        EXPECT_EQ(row[kColArmorPoints], std::to_string(d.ArmorPoints + d.PlacedArmor));
        EXPECT_FALSE(row[kColWeightClass].empty());
        EXPECT_FALSE(row[kColTechBase].empty());
        EXPECT_FALSE(row[kColArmorType].empty());
    }
    EXPECT_GE(compared, 2);
}

// A MegaMek unit file is a row of its own, with every figure of the design its import gives.
TEST(DesignList, UnitFilesListAsTheirImport) {
    TempDir dir;
    std::vector<ListedFile> files;
    for (const char* unit : {"blk-is-biped-jump", "blk-clan-vtol", "blk-quad-turret-umu"}) {
        fs::copy_file(kData / unit / "unit.blk", dir.path / (std::string(unit) + ".blk"));
        fs::copy_file(kData / unit / "imported.vnt", dir.path / (std::string(unit) + ".vnt"));
    }
    std::string error;
    ASSERT_TRUE(ListDesignFiles(dir.path.string(), false, files, error)) << error;
    std::vector<DesignRow> rows;
    ReadDesignRows(test::ShippedCatalog(), files, 2, 4, [&](std::vector<DesignRow>& b) {
        rows.insert(rows.end(), b.begin(), b.end());
        return true;
    });
    ASSERT_EQ(rows.size(), 6u);
    for (std::size_t i = 0; i < rows.size(); i += 2) {
        SCOPED_TRACE(rows[i][kColFile]);
        EXPECT_TRUE(rows[i].Readable()) << rows[i][kColProblem];
        EXPECT_FALSE(rows[i][kColName].empty());
        for (int column = kColName; column < kDesignColumnCount; ++column)
            EXPECT_EQ(rows[i][column], rows[i + 1][column]) << column;
    }
}

// Among designs: a damaged file, a sub-folder with a design, a named pipe with the design extension
// (which must not block), a pipe and a text file with other names, a design spelt in capitals.
TEST(DesignList, MixedFolderListsDesignsAndSaysWhyOthersFail) {
    TempDir dir;
    const fs::path good = kData / "new-design" / "design.vnt";
    fs::copy_file(good, dir.path / "b-good.vnt");
    fs::copy_file(good, dir.path / "D-CAPS.VNT");
    std::ofstream(dir.path / "c-damaged.vnt") << "not a design\r\n";
    std::ofstream(dir.path / "notes.txt") << "x";
    fs::create_directory(dir.path / "a-sub");
    fs::copy_file(kData / "quad-turret" / "design.vnt", dir.path / "a-sub" / "inner.vnt");
    fs::create_directory(dir.path / "folder.vnt");
    ASSERT_EQ(mkfifo((dir.path / "e-pipe.vnt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((dir.path / "fifo").c_str(), 0600), 0);

    const std::string p = dir.path.string() + "/";
    const std::vector<DesignRow> flat = ListRows(dir.path.string(), false);
    EXPECT_EQ(Column(flat, kColFile), (std::vector<std::string>{p + "D-CAPS.VNT", p + "b-good.vnt",
                                                                p + "c-damaged.vnt", p + "e-pipe.vnt"}));
    ASSERT_EQ(flat.size(), 4u);
    EXPECT_TRUE(flat[0].Readable());
    EXPECT_TRUE(flat[1].Readable());
    DesignRow same = flat[1];
    same.cells[kColFile] = flat[0][kColFile];
    EXPECT_EQ(flat[0], same);
    EXPECT_NE(flat[2][kColProblem].find("c-damaged.vnt"), std::string::npos);
    EXPECT_NE(flat[3][kColProblem].find(kNotRegularFile), std::string::npos) << flat[3][kColProblem];

    const std::vector<DesignRow> deep = ListRows(dir.path.string(), true);
    EXPECT_EQ(Column(deep, kColFile),
              (std::vector<std::string>{p + "D-CAPS.VNT", p + "a-sub/inner.vnt", p + "b-good.vnt",
                                        p + "c-damaged.vnt", p + "e-pipe.vnt"}));
    EXPECT_EQ(deep[1][kColChassis], "Quad");

    if (geteuid() != 0) {  // permissions do not stop root
        fs::permissions(dir.path / "a-sub", fs::perms::none);
        const std::vector<DesignRow> shut = ListRows(dir.path.string(), true);
        ASSERT_EQ(shut.size(), 5u);
        EXPECT_EQ(shut[1][kColFile], p + "a-sub");
        EXPECT_NE(shut[1][kColProblem].find("Cannot read the folder"), std::string::npos);
    }

    std::vector<ListedFile> files;
    std::string error;
    EXPECT_FALSE(ListDesignFiles((dir.path / "missing").string(), false, files, error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(ListDesignFiles(p + "b-good.vnt", false, files, error));
}

// Rows come out in the files' order whatever the workers and batches; a false from the receiver
// stops the reading after that batch.
TEST(DesignList, ParallelReadingKeepsOrderAndStops) {
    TempDir dir;
    for (int i = 0; i < 11; ++i) {
        const char* source = i % 3 ? "new-design" : "quad-turret";
        fs::copy_file(kData / source / "design.vnt", dir.path / ("d" + std::to_string(10 + i) + ".vnt"));
    }
    const std::vector<DesignRow> one = ListRows(dir.path.string(), false, 1, 100);
    ASSERT_EQ(one.size(), 11u);
    EXPECT_EQ(ListRows(dir.path.string(), false, 2, 3), one);
    EXPECT_EQ(ListRows(dir.path.string(), false, 4, 1), one);

    std::vector<ListedFile> files;
    std::string error;
    ASSERT_TRUE(ListDesignFiles(dir.path.string(), false, files, error));
    std::vector<std::size_t> batches;
    ReadDesignRows(TestCatalogOfData(), files, 2, 4, [&](std::vector<DesignRow>& b) {
        batches.push_back(b.size());
        return batches.size() < 2;
    });
    EXPECT_EQ(batches, (std::vector<std::size_t>{4, 4}));
}

// The three output forms of the same two rows: a plain one and one whose texts need quoting.
TEST(DesignList, WritersQuoteAndEscape) {
    DesignRow plain;
    for (int i = 0; i < kDesignColumnCount; ++i) plain.cells[i] = IsNumericColumn(i) ? "1" : "x";
    plain.cells[kColProblem] = "";
    DesignRow awkward;
    awkward.cells[kColFile] = "dir/a,b.vnt";
    awkward.cells[kColName] = "Say \"hi\"\tnow";
    awkward.cells[kColModel] = "two\r\nlines";
    awkward.cells[kColProblem] = "Cannot open \\ it.";

    auto write = [&](ListFormat format) {
        std::ostringstream out;
        WriteListStart(out, format);
        WriteListRow(out, format, plain, true);
        WriteListRow(out, format, awkward, false);
        WriteListEnd(out, format, false);
        return out.str();
    };
    const std::string csv = write(ListFormat::Csv);
    const std::vector<std::string> csvLines = Lines(csv);
    EXPECT_EQ(csvLines[0].rfind("file,name,model,chassis,weight_class,tech_base,ground_mp,", 0), 0u);
    EXPECT_EQ(csvLines[0],
              "file,name,model,chassis,weight_class,tech_base,ground_mp,jump_mp,vtol_mp,umu_mp,"
              "armor_type,armor_points,current_kg,free_kg,max_heat,heat_dissipation,free_cslots,"
              "estimated_bv,cost,errors,warnings,problem\r");
    EXPECT_EQ(csvLines[1], "x,x,x,x,x,x,1,1,1,1,x,1,1,1,1,1,1,1,1,1,1,\r");
    EXPECT_NE(csv.find("\"dir/a,b.vnt\",\"Say \"\"hi\"\"\tnow\",\"two\r\nlines\","), std::string::npos)
        << csv;
    EXPECT_TRUE(csv.ends_with(",,,Cannot open \\ it.\r\n")) << csv;

    const std::vector<std::string> tsv = Lines(write(ListFormat::Tsv));
    ASSERT_EQ(tsv.size(), 3u);
    EXPECT_EQ(tsv[2].rfind("dir/a,b.vnt\tSay \"hi\" now\ttwo  lines\t\t", 0), 0u) << tsv[2];

    const std::string json = write(ListFormat::Json);
    EXPECT_EQ(json.front(), '[');
    EXPECT_EQ(json.substr(json.size() - 4), "}\n]\n");
    EXPECT_NE(json.find("{\"file\": \"x\", \"name\": \"x\""), std::string::npos);
    EXPECT_NE(json.find("\"ground_mp\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"name\": \"Say \\\"hi\\\"\\tnow\", \"model\": \"two\\r\\nlines\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"ground_mp\": null"), std::string::npos);
    EXPECT_NE(json.find("\"problem\": \"Cannot open \\\\ it.\"}"), std::string::npos);

    std::ostringstream empty;
    WriteListStart(empty, ListFormat::Json);
    WriteListEnd(empty, ListFormat::Json, true);
    EXPECT_EQ(empty.str(), "[]\n");
}

}  // namespace
}  // namespace vantrel
