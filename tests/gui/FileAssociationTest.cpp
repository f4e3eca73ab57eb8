#include "platform/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

QString ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

bool WriteFile(const QString& path, const QByteArray& bytes = {}) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

TEST(FileAssociation, TheFourValuesOfTheRegistration) {
    const FileTypeValues v = MakeFileTypeValues(
        QStringLiteral("VNT"), QStringLiteral("/opt/my games/vantrel"), QStringLiteral("Vantrel"));
    EXPECT_EQ(v.extensionKey, QStringLiteral(".VNT"));
    // No quotes around the program path, "%1" in quotes after one blank.
    EXPECT_EQ(v.openCommand, QStringLiteral("/opt/my games/vantrel \"%1\""));
    EXPECT_EQ(v.icon, QStringLiteral("/opt/my games/vantrel,0"));
}

TEST(FileAssociation, ExecArgumentSurvivesAwkwardPaths) {
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/a b/vantrel")),
              QStringLiteral("\"/opt/a b/vantrel\""));
    // $ ` " take one backslash; the string level then doubles every backslash.
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/x/$a`b\"c")),
              QStringLiteral("\"/x/\\\\$a\\\\`b\\\\\"c\""));
    // A literal backslash needs four.
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/x\\y")), QStringLiteral("\"/x\\\\\\\\y\""));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/100%/v")), QStringLiteral("\"/100%%/v\""));
}

TEST(FileAssociation, PerUserRegistrationFiles) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    QTemporaryDir src;
    const QString icon = QDir(src.path()).filePath(QStringLiteral("icon.png"));
    ASSERT_TRUE(WriteFile(icon, "PNGDATA"));
    const QString program = QStringLiteral("/opt/a b/vantrel");
    const FileTypeValues v = MakeFileTypeValues(QStringLiteral("VNT"), program, QStringLiteral("Vantrel"));
    RegisterPerUser(data.path(), v, program, icon, true);

    const QDir d(data.path());
    const QString xml = ReadAll(d.filePath(QStringLiteral("mime/packages/vantrel.xml")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<mime-type type=\"application/x-vantrel\">")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<glob pattern=\"*.vnt\" case-sensitive=\"false\"/>")));

    const QString desktop = ReadAll(d.filePath(QStringLiteral("applications/vantrel.desktop")));
    EXPECT_TRUE(desktop.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=\"/opt/a b/vantrel\" %f\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nMimeType=application/x-vantrel;\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nIcon=vantrel\n")));

    EXPECT_EQ(ReadAll(d.filePath(QStringLiteral("icons/hicolor/256x256/apps/vantrel.png"))),
              QStringLiteral("PNGDATA"));

    // Where the tool is installed, it accepted the package: the glob reached its database.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QString globs = ReadAll(d.filePath(QStringLiteral("mime/globs2")));
        EXPECT_TRUE(globs.contains(QStringLiteral("application/x-vantrel:*.vnt"))) << globs.toStdString();
    }
}

TEST(FileAssociation, MissingIconAndUnwritableFolderAreIgnored) {
    QTemporaryDir data;
    const FileTypeValues v =
        MakeFileTypeValues(QStringLiteral("VNT"), QStringLiteral("/opt/vantrel"), QStringLiteral("Vantrel"));
    RegisterPerUser(data.path(), v, QStringLiteral("/opt/vantrel"), QStringLiteral(":/no/such/icon.png"),
                    false);
    EXPECT_TRUE(QFile::exists(QDir(data.path()).filePath(QStringLiteral("applications/vantrel.desktop"))));
    EXPECT_FALSE(QFile::exists(QDir(data.path()).filePath(QStringLiteral("icons"))));
    // A folder that cannot be created: nothing is written, nothing is thrown or shown.
    RegisterPerUser(QStringLiteral("/proc/vantrel-no-such"), v, QStringLiteral("/opt/vantrel"), QString(),
                    false);
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/vantrel-no-such")));
}

TEST(FileAssociation, RegistrationStepFollowsTheProgram) {
    const QString here = QStringLiteral("/home/u/build/vantrel");
    const QString there = QStringLiteral("/home/u/old/vantrel");
    using S = RegistrationStep;
    // Build folder: first start, the same program, a moved one, a registration of an older version.
    EXPECT_EQ(NextRegistrationStep(0, {}, here, false), S::Register);
    EXPECT_EQ(NextRegistrationStep(1, here, here, false), S::None);
    EXPECT_EQ(NextRegistrationStep(1, there, here, false), S::Register);
    EXPECT_EQ(NextRegistrationStep(1, {}, here, false), S::Register);
    // A cleared FileAssoc registers again even at the recorded path.
    EXPECT_EQ(NextRegistrationStep(0, here, here, false), S::Register);
    // Installed: nothing to do on a fresh account; an earlier per-user registration is taken back once.
    const QString installed = QStringLiteral("/usr/lib/vantrel/vantrel");
    EXPECT_EQ(NextRegistrationStep(0, {}, installed, true), S::None);
    EXPECT_EQ(NextRegistrationStep(1, there, installed, true), S::TakeBack);
    EXPECT_EQ(NextRegistrationStep(1, {}, installed, true), S::TakeBack);
    EXPECT_EQ(NextRegistrationStep(1, installed, installed, true), S::None);
}

TEST(FileAssociation, InstalledProgramIsKnownByTheInstalledEntry) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir p(prefix.path());
    ASSERT_TRUE(p.mkpath(QStringLiteral("lib/vantrel")));
    const QString program = p.filePath(QStringLiteral("lib/vantrel/vantrel"));
    // A lib/vantrel folder alone (a build folder named so) is not an install.
    EXPECT_FALSE(IsInstalledProgram(program));
    ASSERT_TRUE(p.mkpath(QStringLiteral("share/applications")));
    ASSERT_TRUE(WriteFile(p.filePath(QStringLiteral("share/applications/vantrel.desktop"))));
    EXPECT_TRUE(IsInstalledProgram(program));
    EXPECT_FALSE(IsInstalledProgram(p.filePath(QStringLiteral("share/applications/vantrel"))));
    EXPECT_FALSE(IsInstalledProgram(QStringLiteral("/opt/vantrel/vantrel")));
}

TEST(FileAssociation, TakingBackRemovesThePerUserFiles) {
    QTemporaryDir data;
    QTemporaryDir src;
    const QString icon = QDir(src.path()).filePath(QStringLiteral("icon.png"));
    ASSERT_TRUE(WriteFile(icon, "PNGDATA"));
    const QString program = QStringLiteral("/opt/vantrel");
    RegisterPerUser(data.path(),
                    MakeFileTypeValues(QStringLiteral("VNT"), program, QStringLiteral("Vantrel")), program,
                    icon, false);
    const QDir d(data.path());
    const QString other = d.filePath(QStringLiteral("applications/other.desktop"));
    ASSERT_TRUE(WriteFile(other));
    UnregisterPerUser(data.path(), QStringLiteral("Vantrel"), true);
    EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("mime/packages/vantrel.xml"))));
    EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("applications/vantrel.desktop"))));
    EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("icons/hicolor/256x256/apps/vantrel.png"))));
    EXPECT_TRUE(QFile::exists(other));
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QString globs = ReadAll(d.filePath(QStringLiteral("mime/globs2")));
        EXPECT_FALSE(globs.contains(QStringLiteral("vantrel"))) << globs.toStdString();
    }
}
