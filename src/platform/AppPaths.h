#pragma once

#include <QString>

namespace vantrel {

// Folder of the running program; the catalog and the "saves" folder live beside it.
QString ProgramDirectory();
QString CatalogPath();  // ProgramDirectory() + "/stuff.plb"

}  // namespace vantrel
