// Every input the fuzzers ever found a fault with, replayed through the same routines, plus the seed files.
#include "../../fuzz/Exercise.h"
#include "TestCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> FilesIn(const fs::path& dir) {
    std::vector<fs::path> out;
    if (fs::is_directory(dir))
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file()) out.push_back(e.path());
    return out;
}

TEST(FuzzRegressions, CatalogInputs) {
    const fs::path root = VANTREL_SOURCE_DIR;
    auto files = FilesIn(root / "fuzz/regressions/catalog");
    files.push_back(root / "data/stuff.plb");
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        fuzz::ExerciseCatalog(ReadAll(f));
    }
}

TEST(FuzzRegressions, DesignInputs) {
    const fs::path root = VANTREL_SOURCE_DIR;
    auto files = FilesIn(root / "fuzz/regressions/design");
    for (const auto& e : fs::directory_iterator(root / "tests/data"))
        if (fs::exists(e.path() / "design.vnt")) files.push_back(e.path() / "design.vnt");
    ASSERT_FALSE(files.empty());
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        fuzz::ExerciseDesign(test::ShippedCatalog(), ReadAll(f));
    }
}

TEST(FuzzRegressions, UnitFileInputs) {
    const fs::path root = VANTREL_SOURCE_DIR;
    auto files = FilesIn(root / "fuzz/regressions/blk");
    for (const auto& e : fs::directory_iterator(root / "tests/data"))
        if (fs::exists(e.path() / "unit.blk")) files.push_back(e.path() / "unit.blk");
    ASSERT_FALSE(files.empty());
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        fuzz::ExerciseBlk(test::ShippedCatalog(), ReadAll(f));
    }
}

}  // namespace
}  // namespace vantrel
