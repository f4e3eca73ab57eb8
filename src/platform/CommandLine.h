#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

// The design path named on the command line: the first argument after the program name, with one
// surrounding pair of double quotes removed (a shell on Windows hands the path over quoted; a
// terminal or a file manager here hands it over bare). Empty when there is no argument.
QString DesignPathFromArgs(const QStringList& args);

// True when the last three characters are "vnt" in any letter case.
bool IsDesignPath(const QString& path);

}  // namespace vantrel
