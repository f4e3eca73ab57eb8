#include "platform/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace vantrel {

namespace {

// Writes the whole file or leaves the old one in place.
void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(bytes);
    file.commit();
}

void CopyIcon(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return;
    WriteFileAtomically(target, in.readAll());
}

// Runs a desktop database tool if installed; a hanging tool is stopped after a few seconds.
void RunTool(const QString& name, const QString& folder) {
    const QString exe = QStandardPaths::findExecutable(name);
    if (exe.isEmpty()) return;
    QProcess process;
    process.setProgram(exe);
    process.setArguments({folder});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(3000)) return;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

QString XmlEscaped(const QString& s) { return s.toHtmlEscaped(); }

}  // namespace

FileTypeValues MakeFileTypeValues(const QString& ext, const QString& programPath, const QString& typeName) {
    FileTypeValues v;
    v.typeName = typeName;
    v.extensionKey = QLatin1Char('.') + ext;
    v.openCommand = programPath + QLatin1String(" \"%1\"");
    v.icon = programPath + QLatin1String(",0");
    return v;
}

QString MimeTypeName(const QString& typeName) { return QLatin1String("application/x-") + typeName.toLower(); }

QString MimePackageXml(const FileTypeValues& values) {
    const QString type = values.typeName.toLower();
    const QString pattern = QLatin1Char('*') + values.extensionKey.toLower();
    QString xml;
    xml += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml += QLatin1String("<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    xml += QLatin1String("  <mime-type type=\"") + XmlEscaped(MimeTypeName(values.typeName)) +
           QLatin1String("\">\n");
    xml +=
        QLatin1String("    <comment>") + XmlEscaped(values.typeName) + QLatin1String(" design</comment>\n");
    xml += QLatin1String("    <icon name=\"") + XmlEscaped(type) + QLatin1String("\"/>\n");
    xml += QLatin1String("    <glob pattern=\"") + XmlEscaped(pattern) +
           QLatin1String("\" case-sensitive=\"false\"/>\n");
    xml += QLatin1String("  </mime-type>\n");
    xml += QLatin1String("</mime-info>\n");
    return xml;
}

QString DesktopExecArgument(const QString& arg) {
    // Inside the quotes, " ` $ and \ take a backslash; a literal % is doubled.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    // The key's value is then a string value, whose own escapes apply on top.
    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else
            value += c;
    }
    return value;
}

QString DesktopEntry(const FileTypeValues& values, const QString& programPath) {
    QString e;
    e += QLatin1String("[Desktop Entry]\n");
    e += QLatin1String("Type=Application\n");
    e += QLatin1String("Name=") + values.typeName + QLatin1Char('\n');
    e += QLatin1String("Comment=Battle Armor design workshop\n");
    e += QLatin1String("Exec=") + DesktopExecArgument(programPath) + QLatin1String(" %f\n");
    e += QLatin1String("Icon=") + values.typeName.toLower() + QLatin1Char('\n');
    e += QLatin1String("MimeType=") + MimeTypeName(values.typeName) + QLatin1String(";\n");
    e += QLatin1String("Terminal=false\n");
    e += QLatin1String("Categories=Utility;\n");
    return e;
}

void RegisterPerUser(const QString& dataDir, const FileTypeValues& values, const QString& programPath,
                     const QString& iconSource, bool runTools) {
    if (dataDir.isEmpty()) return;
    const QDir data(dataDir);
    const QString base = values.typeName.toLower();
    WriteFileAtomically(data.filePath(QLatin1String("mime/packages/") + base + QLatin1String(".xml")),
                        MimePackageXml(values).toUtf8());
    WriteFileAtomically(data.filePath(QLatin1String("applications/") + base + QLatin1String(".desktop")),
                        DesktopEntry(values, programPath).toUtf8());
    if (!iconSource.isEmpty() && QFile::exists(iconSource))
        CopyIcon(iconSource,
                 data.filePath(QLatin1String("icons/hicolor/256x256/apps/") + base + QLatin1String(".png")));
    if (!runTools) return;
    RunTool(QStringLiteral("update-mime-database"), data.filePath(QStringLiteral("mime")));
    RunTool(QStringLiteral("update-desktop-database"), data.filePath(QStringLiteral("applications")));
}

void UnregisterPerUser(const QString& dataDir, const QString& typeName, bool runTools) {
    if (dataDir.isEmpty()) return;
    const QDir data(dataDir);
    const QString base = typeName.toLower();
    QFile::remove(data.filePath(QLatin1String("mime/packages/") + base + QLatin1String(".xml")));
    QFile::remove(data.filePath(QLatin1String("applications/") + base + QLatin1String(".desktop")));
    QFile::remove(data.filePath(QLatin1String("icons/hicolor/256x256/apps/") + base + QLatin1String(".png")));
    if (!runTools) return;
    if (data.exists(QStringLiteral("mime")))
        RunTool(QStringLiteral("update-mime-database"), data.filePath(QStringLiteral("mime")));
    if (data.exists(QStringLiteral("applications")))
        RunTool(QStringLiteral("update-desktop-database"), data.filePath(QStringLiteral("applications")));
}

bool IsInstalledProgram(const QString& programPath) {
    const QFileInfo program(programPath);
    QDir folder = program.absoluteDir();
    if (folder.dirName() != QLatin1String("vantrel") || !folder.cdUp() ||
        folder.dirName() != QLatin1String("lib") || !folder.cdUp())
        return false;
    return QFileInfo(folder.filePath(QStringLiteral("share/applications/vantrel.desktop"))).isFile();
}

RegistrationStep NextRegistrationStep(int fileAssoc, const QString& registeredPath,
                                      const QString& programPath, bool installed) {
    if (fileAssoc != 0 && registeredPath == programPath) return RegistrationStep::None;
    if (installed) return fileAssoc != 0 ? RegistrationStep::TakeBack : RegistrationStep::None;
    return RegistrationStep::Register;
}

}  // namespace vantrel
