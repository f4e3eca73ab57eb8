#include "platform/CommandLine.h"

namespace vantrel {

QString DesignPathFromArgs(const QStringList& args) {
    if (args.isEmpty()) return {};
    QString path = args.constFirst();
    const QLatin1Char quote('"');
    if (path.size() >= 2 && path.startsWith(quote) && path.endsWith(quote))
        path = path.mid(1, path.size() - 2);
    return path;
}

bool IsDesignPath(const QString& path) {
    return path.size() >= 3 && path.right(3).compare(QLatin1String("vnt"), Qt::CaseInsensitive) == 0;
}

}  // namespace vantrel
