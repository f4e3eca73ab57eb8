#pragma once

#include "files/DesignList.h"
#include "model/Context.h"

#include <string>

namespace vantrel {

struct ListRequest {
    std::string folder;
    bool recursive = false;
    ListFormat format = ListFormat::Tsv;
};

// The arguments after --list; an empty problem when they make a request.
std::string ParseListRequest(int argc, char** argv, ListRequest& request);

// Writes one row per design file of the folder to standard output: exit status 0, 1 when a file could
// not be read (its row says why), 2 when the folder itself could not be read or the output failed.
int ListCommand(const CatalogRef& catalog, const ListRequest& request);

}  // namespace vantrel
