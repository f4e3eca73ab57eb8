// The MegaMek unit entries of the File menu and the readout on the clipboard from the Edit menu:
// what the person picks, what is asked, what is written, what the window then shows.
#include "ui/BlkCommands.h"

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "files/BlkFile.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "rules/MainCalc.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>

#include <gmock/gmock.h>

namespace vantrel::test {
namespace {

using ::testing::HasSubstr;

QString ReadText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QString Fixture(const char* name) {
    return QString::fromUtf8(VANTREL_SOURCE_DIR) + "/tests/data/"_q + QString::fromLatin1(name) +
           "/unit.blk"_q;
}

class BlkCommandsTest : public MainFormFixture {
protected:
    BlkReportForm* Report() const { return form->findChild<BlkReportForm*>("BlkReportForm"_q); }
    QString ReportText() const { return Find<QPlainTextEdit>(*Report(), "TextReport")->toPlainText(); }
};

TEST_F(BlkCommandsTest, MenuEntriesStandBesideTheOthersWithoutTakingTheirKeys) {
    QMenu* file = Find<QMenu>(*form, "MFile");
    QStringList texts;
    for (QAction* a : file->actions()) texts << a->text();
    const int pdf = static_cast<int>(texts.indexOf("Export Record Sheet to P&DF..."_q));
    ASSERT_GE(pdf, 0);
    EXPECT_EQ(texts.mid(pdf + 1, 4),
              QStringList({"Record Sheets of Se&veral Designs..."_q, "Export &MegaMek Unit..."_q,
                           "&Import MegaMek Unit..."_q, "&Quit"_q}));
    EXPECT_TRUE(Act("MExportBlk")->shortcut().isEmpty());
    EXPECT_EQ(Act("MQuit")->shortcut(), QKeySequence("Ctrl+Q"_q));
    QStringList edit;
    for (QAction* a : Find<QMenu>(*form, "MEdit")->actions())
        if (!a->isSeparator()) edit << a->text();
    EXPECT_EQ(edit, QStringList({"&Undo"_q, "&Redo"_q, "&Copy Readout"_q, "Copy Readout for C&hat"_q}));
}

TEST_F(BlkCommandsTest, ExportAsksTheSquadThenWritesTheUnit) {
    Line("TextMechName")->setText("Export Probe"_q);
    const std::size_t steps = Steps();
    const QString path = dir.filePath("probe.blk"_q);
    dialogs.troopersAnswers.push_back(6);
    dialogs.fileNames.push_back(path);
    Act("MExportBlk")->trigger();
    ASSERT_EQ(dialogs.troopersQuestions, std::vector<int>{4});  // Inner Sphere squad by default
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_TRUE(dialogs.files[0].save);
    EXPECT_TRUE(dialogs.files[0].fileName.endsWith("Export Probe.blk"_q))
        << dialogs.files[0].fileName.toStdString();
    const QString unit = ReadText(path);
    EXPECT_THAT(unit.toStdString(), HasSubstr("<Name>\nExport Probe\n</Name>"));
    EXPECT_THAT(unit.toStdString(), HasSubstr("<Trooper Count>\n6\n</Trooper Count>"));
    EXPECT_THAT(unit.toStdString(), HasSubstr("<year>\n3075\n</year>"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Steps(), steps);  // an export changes nothing

    // The year comes from its setting; a cancelled question writes nothing.
    settings->Write(kKeyMegaMekYear, "3067"_q);
    dialogs.troopersAnswers.push_back(5);
    dialogs.fileNames.push_back(path);
    Act("MExportBlk")->trigger();
    EXPECT_THAT(ReadText(path).toStdString(), HasSubstr("<year>\n3067\n</year>"));
    QFile::remove(path);
    Act("MExportBlk")->trigger();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(dialogs.files.size(), 2u);
}

TEST_F(BlkCommandsTest, ExportThatCannotWriteSaysSoAndKeepsTheOldFile) {
    const QString path = dir.filePath("missing-folder/probe.blk"_q);
    dialogs.troopersAnswers.push_back(4);
    dialogs.fileNames.push_back(path);
    Act("MExportBlk")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Could not save "_q))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
}

TEST_F(BlkCommandsTest, ImportShowsTheUnitAsANewUnsavedDesignAndItsReport) {
    dialogs.fileNames.push_back(Fixture("blk-quad-turret-umu"));
    Act("MImportBlk")->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    // The window shows the unit: name, chassis, the turret's missile launcher on the quad page.
    EXPECT_EQ(Line("TextMechName")->text(), "Tortoise Test Suit"_q);
    EXPECT_TRUE(d().IsQuad);
    EXPECT_EQ(Combo("ComboChassis")->currentText(), "Quad"_q);
    EXPECT_EQ(d().TurretSlots[0], kSlotItemBase + FindIndex(ctx.catalog, "(I) SRM 4"));
    // Ground MP 5 is above the quad's 4: kept as read, not clamped by the import.
    EXPECT_EQ(d().GroundMP, 5);
    EXPECT_TRUE(ctx.DesignFile.empty());
    EXPECT_FALSE(doc.Saved());
    EXPECT_TRUE(form->Files().HasUnsavedChanges());
    EXPECT_EQ(ctx.Troopers, 4);
    // The report window lists what stayed behind with the file's lines.
    ASSERT_NE(Report(), nullptr);
    EXPECT_TRUE(Report()->isVisible());
    const QString text = ReportText();
    EXPECT_THAT(text.toStdString(),
                HasSubstr("unit.blk, line 30: Ground MP 5 is more than this suit allows (4)"));
    EXPECT_THAT(text.toStdString(), HasSubstr("unit.blk, line 42: Manipulator: a quad has no mount \"RA\""));

    // The squad read is what the unit export and the record sheet ask first; New forgets it.
    Act("MExportBlk")->trigger();
    EXPECT_EQ(dialogs.troopersQuestions, std::vector<int>{4});
    settings->Write(kKeySheetTroopers, "6"_q);
    Act("MExportSheet")->trigger();
    ASSERT_EQ(dialogs.sheetQuestions.size(), 1u);
    EXPECT_EQ(dialogs.sheetQuestions[0].shown.troopers, 4);
    dialogs.answers.push_back(Dialogs::Answer::No);  // do not save the imported design
    Act("MNew")->trigger();
    EXPECT_EQ(ctx.Troopers, 0);
    Act("MExportSheet")->trigger();
    ASSERT_EQ(dialogs.sheetQuestions.size(), 2u);
    EXPECT_EQ(dialogs.sheetQuestions[1].shown.troopers, 6);  // the remembered choice again
}

TEST_F(BlkCommandsTest, ImportAsksAboutUnsavedChangesAndRefusesBadFilesWithoutChangingAnything) {
    Line("TextMechName")->setText("Unsaved Work"_q);
    ASSERT_FALSE(doc.Saved());
    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    Act("MImportBlk")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr("Save changes to"));
    EXPECT_TRUE(dialogs.files.empty());  // cancelled before the file was asked

    const QString bad = dir.filePath("mech.blk"_q);
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<UnitType>\nMech\n</UnitType>\n");
    f.close();
    const Design before = d();
    dialogs.answers.push_back(Dialogs::Answer::No);
    dialogs.fileNames.push_back(bad);
    Act("MImportBlk")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_THAT(dialogs.messages[2].text.toStdString(),
                HasSubstr("mech.blk, line 1: this is not a Battle Armor unit"));
    EXPECT_TRUE(d() == before);
    EXPECT_EQ(Line("TextMechName")->text(), "Unsaved Work"_q);
    EXPECT_EQ(Report(), nullptr);
}

TEST_F(BlkCommandsTest, ImportOfAnExportGivesTheDesignBackAndACleanReport) {
    dialogs.fileNames.push_back(Fixture("blk-is-biped-jump"));
    Act("MImportBlk")->trigger();
    const Design imported = d();
    const QString path = dir.filePath("again.blk"_q);
    dialogs.troopersAnswers.push_back(4);
    dialogs.fileNames.push_back(path);
    Act("MExportBlk")->trigger();
    dialogs.answers.push_back(Dialogs::Answer::No);
    dialogs.fileNames.push_back(path);
    Act("MImportBlk")->trigger();
    EXPECT_EQ(DesignFileBytes(d()), DesignFileBytes(imported));
    EXPECT_THAT(ReportText().toStdString(), HasSubstr("Everything was carried over."));
}

TEST_F(BlkCommandsTest, CopyReadoutPutsTheReadoutOnTheClipboardAndChangesNothing) {
    Line("TextMechName")->setText("Clip Probe"_q);
    const Design before = d();
    const std::size_t steps = Steps();
    const bool saved = static_cast<bool>(doc.Saved());
    Act("MCopyReadout")->trigger();
    const QString plain = QGuiApplication::clipboard()->text();
    Context copy = ctx;
    MainCalc(copy);
    QString expected = QString::fromStdString(Readout(copy));
    expected.replace("\r\n"_q, "\n"_q);
    EXPECT_EQ(plain, expected);
    EXPECT_TRUE(plain.startsWith("Name: Clip Probe\n"_q)) << plain.toStdString();

    Act("MCopyReadoutChat")->trigger();
    const QString chat = QGuiApplication::clipboard()->text();
    EXPECT_EQ(chat, "```\n"_q + expected + "```\n"_q);
    EXPECT_TRUE(d() == before);
    EXPECT_EQ(Steps(), steps);
    EXPECT_EQ(static_cast<bool>(doc.Saved()), saved);
}

// The report window as the person sees it, kept for a look by eye.
TEST_F(BlkCommandsTest, ReportWindowPicture) {
    dialogs.fileNames.push_back(Fixture("blk-is-biped-jump"));
    Act("MImportBlk")->trigger();
    ASSERT_NE(Report(), nullptr);
    const QImage shot = Report()->grab().toImage();
    EXPECT_GT(shot.width(), 300);
    EXPECT_TRUE(Report()->isVisible());
    // VANTREL_SHOTS names a folder to keep the picture in.
    if (qEnvironmentVariableIsSet("VANTREL_SHOTS")) {
        EXPECT_TRUE(shot.save(QDir(qEnvironmentVariable("VANTREL_SHOTS")).filePath("blk-report.png"_q)));
    }
}

}  // namespace
}  // namespace vantrel::test
