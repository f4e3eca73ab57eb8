#include "platform/LinuxPlatform.h"

#include "ui/DibSection.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace

TEST(LinuxPlatform, RegistrationRecordsTheValuesAndWritesUnderTheDataFolder) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    InitArtwork();  // as the program does at start-up: the icon is one of its resources
    LinuxPlatform platform(data.path());
    platform.RegisterFileType(QStringLiteral("VNT"), QStringLiteral("/opt/vantrel/vantrel"),
                              QStringLiteral("Vantrel"));
    EXPECT_EQ(platform.Registered(), (FileTypeValues{QStringLiteral("Vantrel"), QStringLiteral(".VNT"),
                                                     QStringLiteral("/opt/vantrel/vantrel \"%1\""),
                                                     QStringLiteral("/opt/vantrel/vantrel,0")}));
    // The program's icon, taken from its resources.
    QFile icon(QDir(data.path()).filePath(QStringLiteral("icons/hicolor/256x256/apps/vantrel.png")));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    EXPECT_TRUE(icon.readAll().startsWith("\x89PNG"));
}

TEST(LinuxPlatform, ShellDefHandsThePathOverUnchanged) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    LinuxPlatform platform(QStringLiteral("/nonexistent"));
    platform.ShellDef(QStringLiteral("/tmp/my designs/Suit #1.txt"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_TRUE(recorder.urls[0].isLocalFile());
    EXPECT_EQ(recorder.urls[0].toLocalFile(), QStringLiteral("/tmp/my designs/Suit #1.txt"));
}

#include "LinuxPlatformTest.moc"
