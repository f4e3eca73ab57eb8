#include "app/CliList.h"

#include <iostream>
#include <vector>

namespace vantrel {

namespace {

constexpr int kWorkers = 2;
// Rows read ahead of the output; the memory of a listing stays within a batch whatever the count.
constexpr std::size_t kBatchSize = 256;

}  // namespace

std::string ParseListRequest(int argc, char** argv, ListRequest& request) {
    std::vector<std::string> folders;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--recursive") {
            request.recursive = true;
        } else if (arg == "--format") {
            if (i + 1 >= argc) return "--format needs a value";
            const std::string value = argv[++i];
            if (value == "tsv")
                request.format = ListFormat::Tsv;
            else if (value == "csv")
                request.format = ListFormat::Csv;
            else if (value == "json")
                request.format = ListFormat::Json;
            else
                return "--format takes tsv, csv or json, not " + value;
        } else if (arg.rfind("--", 0) == 0) {
            return "--list does not take " + arg;
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 1) return "--list takes one folder";
    request.folder = folders[0];
    return {};
}

int ListCommand(const CatalogRef& catalog, const ListRequest& request) {
    std::vector<ListedFile> files;
    std::string error;
    if (!ListDesignFiles(request.folder, request.recursive, files, error)) {
        std::cerr << error << "\n";
        return 2;
    }
    bool unreadable = false;
    bool first = true;
    WriteListStart(std::cout, request.format);
    ReadDesignRows(catalog, files, kWorkers, kBatchSize, [&](std::vector<DesignRow>& rows) {
        for (const DesignRow& row : rows) {
            WriteListRow(std::cout, request.format, row, first);
            first = false;
            unreadable = unreadable || !row.Readable();
        }
        return static_cast<bool>(std::cout);
    });
    WriteListEnd(std::cout, request.format, first);
    std::cout.flush();
    if (!std::cout) return 2;
    return unreadable ? 1 : 0;
}

}  // namespace vantrel
