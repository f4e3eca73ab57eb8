// The record sheet from the File menu: its entries, the options question, the PDF it writes
// compared with the command line's, print, cancel and a failing write.

#include "ui/SheetCommands.h"

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "QtFiles.h"
#include "ScratchFiles.h"
#include "SheetTools.h"
#include "sheet/PlaySheet.h"
#include "sheet/RecordSheet.h"
#include "ui/ControlNames.h"
#include "ui/EditCommands.h"
#include "ui/Gesture.h"
#include "ui/SheetOptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTimer>

#include <gmock/gmock.h>

namespace vantrel::test {

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

QString PdfText(const QString& path) { return Poppler("pdftotext"_q, {"-layout"_q, path, "-"_q}); }

// "Pages:" and "Page size:" as pdfinfo gives them.
QString PdfInfo(const QString& path, const QString& field) {
    for (const QString& line : Poppler("pdfinfo"_q, {path}).split(QLatin1Char('\n')))
        if (line.startsWith(field)) return line.mid(field.size()).trimmed();
    return {};
}

Dialogs::SheetOptions Options(int troopers, Paper paper, SheetKind kind = SheetKind::Design) {
    Dialogs::SheetOptions o;
    o.troopers = troopers;
    o.paper = paper;
    o.kind = kind;
    return o;
}

class SheetCommandsTest : public MainFormFixture {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // The text of the sheet the program's command line writes for the design file.
    QString CommandLineText(const QString& design, int troopers, Paper paper) {
        const QString out = Path("command-line.pdf"_q);
        QFile::remove(out);
        QStringList args{"--record-sheet"_q, design, out, "--paper"_q,
                         paper == Paper::Letter ? "letter"_q : "a4"_q};
        if (troopers != 0) args << "--troopers"_q << QString::number(troopers);
        QProcess p;
        p.start(QStringLiteral(VANTREL_PROGRAM), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return PdfText(out);
    }

    void SaveAs(const QString& path) {
        dialogs.fileNames.push_back(path);
        form->Files().MSaveAs_Click();
        dialogs.messages.clear();
        dialogs.files.clear();
    }

    void Export(const Dialogs::SheetOptions& options, const QString& path) {
        dialogs.sheetAnswers.push_back(options);
        dialogs.fileNames.push_back(path);
        Find<QAction>(*form, "MExportSheet")->trigger();
    }
};

TEST_F(SheetCommandsTest, FileMenuEntriesFollowTheTextExport) {
    const QList<QAction*> file = Find<QMenu>(*form, "MFile")->actions();
    const QAction* print = Find<QAction>(*form, "MPrintSheet");
    ASSERT_EQ(file.indexOf(print), file.indexOf(Find<QAction>(*form, "MExport")) + 1);
    EXPECT_EQ(file.indexOf(Find<QAction>(*form, "MExportSheet")), file.indexOf(print) + 1);
    // Ctrl+P is the print entry's, and no other entry of the window answers it.
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    for (const char* menu : {"MFile", "MEdit", "MOptions", "MAbout"})
        for (QAction* a : Find<QMenu>(*form, menu)->actions())
            EXPECT_TRUE(a == print || !a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_P)))
                << a->text().toStdString();
}

TEST_F(SheetCommandsTest, ExportWritesTheCommandLinesSheetBesideTheDesign) {
    Find<QLineEdit>(*form, "TextMechName")->setText("Grendel/Mk 2"_q);
    const QString design = Path("grendel.vnt"_q);
    SaveAs(design);
    const int gestures = form->Gestures().Count();
    const size_t steps = form->Edits().History().UndoCount();

    const QString out = Path("grendel.pdf"_q);
    Export(Options(0, Paper::A4), out);
    EXPECT_EQ(form->Gestures().Count(), gestures + 1);
    ASSERT_EQ(dialogs.sheetQuestions.size(), 1u);
    EXPECT_EQ(dialogs.sheetQuestions[0].shown,
              Options(0, Paper::A4, SheetKind::Play));  // nothing remembered yet
    EXPECT_EQ(dialogs.sheetQuestions[0].techTroopers, 4);
    ASSERT_EQ(dialogs.files.size(), 1u);
    const Dialogs::FileRequest& r = dialogs.files[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.folder, dir.path());
    EXPECT_EQ(r.fileName, Path("Grendel-Mk 2.pdf"_q));  // no subfolder out of the slash
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(platform.opened, QStringList{out});

    EXPECT_EQ(PdfInfo(out, "Pages:"_q), "1"_q);
    EXPECT_THAT(PdfInfo(out, "Page size:"_q).toStdString(), HasSubstr("(A4)"));
    const QString text = PdfText(out);
    EXPECT_EQ(text, CommandLineText(design, 0, Paper::A4));
    EXPECT_THAT(text.toStdString(), HasSubstr("Grendel/Mk 2"));
    EXPECT_THAT(text.toStdString(), HasSubstr("Trooper 4"));
    EXPECT_THAT(text.toStdString(), Not(HasSubstr("Trooper 5")));

    // Nothing in the design changed: no undo step, still saved.
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(form->Edits().History().UndoCount(), steps);

    // A chosen squad and Letter paper, and a new design with no file: Save As's folder.
    form->Files().MNew_Click();
    dialogs.files.clear();
    form->Files().programFolder_ = Path("program"_q);
    const QString saves = Path("program/saves"_q);
    ASSERT_TRUE(QDir().mkpath(saves));
    ASSERT_EQ(form->Files().DialogFolder(), saves);
    Export(Options(6, Paper::Letter), out);
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(dialogs.files[0].folder, saves);
    EXPECT_EQ(dialogs.files[0].fileName, QDir(saves).filePath("Battle Armor.pdf"_q));
    EXPECT_THAT(PdfInfo(out, "Page size:"_q).toStdString(), HasSubstr("612 x 792"));
    const QString newDesign = Path("new.vnt"_q);
    SaveAs(newDesign);
    EXPECT_EQ(PdfText(out), CommandLineText(newDesign, 6, Paper::Letter));
    EXPECT_THAT(PdfText(out).toStdString(), HasSubstr("Trooper 6"));
}

TEST_F(SheetCommandsTest, PrintDrawsTheSameSheetOnThePrinter) {
    const QString design = Path("suit.vnt"_q);
    SaveAs(design);
    dialogs.printTo = Path("printed.pdf"_q);
    dialogs.sheetAnswers.push_back(Options(3, Paper::Letter));
    Find<QAction>(*form, "MPrintSheet")->trigger();
    ASSERT_EQ(dialogs.prints.size(), 1u);
    EXPECT_EQ(dialogs.prints[0], QPageSize::Letter);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(PdfInfo(dialogs.printTo, "Pages:"_q), "1"_q);
    EXPECT_EQ(PdfText(dialogs.printTo), CommandLineText(design, 3, Paper::Letter));
    EXPECT_FALSE(Find<QAction>(*form, "MUndo")->isEnabled());
    EXPECT_EQ(settings->Read(kKeySheetTroopers, {}), "3"_q);
}

// The real preview on the printer the command set up: one page, in the chosen paper. Closing it
// prints nothing and keeps no choice.
TEST_F(SheetCommandsTest, ThePreviewShowsTheOnePageAndClosingItKeepsNothing) {
    dialogs.sheetAnswers.push_back(Options(5, Paper::Letter));
    int pages = -1;
    int painted = 0;
    QPageSize::PageSizeId paper = QPageSize::A3;
    dialogs.onPrint = [&](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            preview->resize(760, 900);
            QCoreApplication::processEvents();
            if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
                widget->fitInView();
                QCoreApplication::processEvents();
                pages = widget->pageCount();
            }
            paper = printer.pageLayout().pageSize().id();
            preview->reject();
        });
        // The preview draws through the command's painting, as often as it needs.
        return QtDialogs().Print(form.get(), printer, [&](QPrinter& p) {
            ++painted;
            paint(p);
        });
    };
    Find<QAction>(*form, "MPrintSheet")->trigger();
    EXPECT_GE(painted, 1);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(paper, QPageSize::Letter);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(settings->Read(kKeySheetTroopers, "none"_q), "none"_q);
}

TEST_F(SheetCommandsTest, CancelAnywhereWritesNothing) {
    const QString out = Path("never.pdf"_q);
    // The options question cancelled: no file dialog.
    dialogs.fileNames.push_back(out);
    Find<QAction>(*form, "MExportSheet")->trigger();
    EXPECT_EQ(dialogs.sheetQuestions.size(), 1u);
    EXPECT_TRUE(dialogs.files.empty());
    dialogs.fileNames.clear();
    // The file dialog cancelled.
    dialogs.sheetAnswers.push_back(Options(2, Paper::Letter));
    Find<QAction>(*form, "MExportSheet")->trigger();
    EXPECT_EQ(dialogs.files.size(), 1u);
    // The options question and the print dialog cancelled.
    Find<QAction>(*form, "MPrintSheet")->trigger();
    EXPECT_TRUE(dialogs.prints.empty());
    dialogs.sheetAnswers.push_back(Options(2, Paper::Letter));
    Find<QAction>(*form, "MPrintSheet")->trigger();
    EXPECT_EQ(dialogs.prints.size(), 1u);

    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(platform.opened.isEmpty());
    // Not even the choice was kept.
    EXPECT_EQ(settings->Read(kKeySheetTroopers, "none"_q), "none"_q);
    EXPECT_EQ(settings->Read(kKeySheetPaper, "none"_q), "none"_q);
    EXPECT_EQ(dialogs.sheetQuestions.back().shown, Options(0, Paper::A4, SheetKind::Play));
}

TEST_F(SheetCommandsTest, TheChoiceIsRememberedInANewWindow) {
    const QString splash = settings->Read(kKeySplash, {});
    Export(Options(6, Paper::Letter), Path("a.pdf"_q));
    EXPECT_EQ(settings->Read(kKeySheetTroopers, {}), "6"_q);
    EXPECT_EQ(settings->Read(kKeySheetPaper, {}), "Letter"_q);

    // A new window on a store read afresh from the same file.
    form.reset();
    settings = std::make_unique<SettingsStore>(dir.filePath("settings.ini"_q));
    Create();
    ASSERT_TRUE(form->Form_Load({}));
    Export(Options(0, Paper::A4), Path("b.pdf"_q));
    ASSERT_EQ(dialogs.sheetQuestions.size(), 2u);
    EXPECT_EQ(dialogs.sheetQuestions[1].shown, Options(6, Paper::Letter));

    // "By technology base" is kept as such: a Clan design then gets its squad of five.
    EXPECT_EQ(settings->Read(kKeySheetTroopers, {}), "0"_q);
    Choose(Find<QComboBox>(*form, "ComboTechBase"), 1);
    ASSERT_EQ(d().TechBase, 1);
    Export(Options(0, Paper::A4), Path("c.pdf"_q));
    EXPECT_EQ(dialogs.sheetQuestions[2].shown, Options(0, Paper::A4));
    EXPECT_EQ(dialogs.sheetQuestions[2].techTroopers, 5);
    const std::string text = PdfText(Path("c.pdf"_q)).toStdString();
    EXPECT_THAT(text, HasSubstr("Trooper 5"));
    EXPECT_THAT(text, Not(HasSubstr("Trooper 6")));

    // Nonsense in the store reads as the defaults; the older keys are untouched.
    settings->Write(kKeySheetTroopers, "9"_q);
    settings->Write(kKeySheetPaper, "Tabloid"_q);
    EXPECT_EQ(form->Sheets().Remembered(), Options(0, Paper::A4));
    EXPECT_EQ(settings->Read(kKeySplash, {}), splash);
}

TEST_F(SheetCommandsTest, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const QString out = Path("old.pdf"_q);
    ASSERT_NO_FATAL_FAILURE(WriteBytes(out, "old sheet"));
    {
        // Writing stops after a kilobyte (a full disk, a quota).
        const FileSizeLimit kilobyte(1024);
        Export(Options(0, Paper::A4), out);
    }

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString message = dialogs.messages[0].text;
    EXPECT_TRUE(message.startsWith("Could not save "_q + out + ": "_q)) << message.toStdString();
    EXPECT_GT(message.size(), ("Could not save "_q + out + ": ."_q).size());  // a reason is given
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(ReadBytes(out), QByteArray("old sheet"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp"_q), QStringList());
    EXPECT_TRUE(platform.opened.isEmpty());

    EXPECT_FALSE(Find<QAction>(*form, "MUndo")->isEnabled());
}

TEST_F(SheetCommandsTest, TheDesignsOwnFileOrAFolderIsRefusedAsTheSheet) {
    const QString design = Path("suit.vnt"_q);
    SaveAs(design);
    const QByteArray saved = ReadBytes(design);
    ASSERT_TRUE(QFile::link(design, Path("suit.pdf"_q)));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pdf"_q));
    const QStringList targets{design, Path("suit.pdf"_q), Path("folder.pdf"_q)};
    const QStringList reasons{"it is the design file itself"_q, "it is the design file itself"_q,
                              "it is a folder"_q};
    for (int i = 0; i < targets.size(); ++i) {
        SCOPED_TRACE(targets[i].toStdString());
        dialogs.messages.clear();
        Export(Options(0, Paper::A4), targets[i]);
        EXPECT_EQ(dialogs.texts(),
                  QStringList{"Could not save "_q + targets[i] + ": "_q + reasons[i] + "."_q});
    }
    EXPECT_EQ(ReadBytes(design), saved);
    EXPECT_TRUE(platform.opened.isEmpty());
}

// The play sheet from the window: the first choice offered, written as the command line's --kind play
// writes it, and the kind remembered apart from the squad and the paper.
TEST_F(SheetCommandsTest, ThePlaySheetIsOfferedFirstAndRemembered) {
    const QString design = Path("raider.vnt"_q);
    Find<QLineEdit>(*form, "TextMechName")->setText("Raider"_q);
    SaveAs(design);
    Export(Options(3, Paper::A4, SheetKind::Play), Path("play.pdf"_q));
    EXPECT_EQ(dialogs.sheetQuestions[0].shown.kind, SheetKind::Play);
    const QString text = PdfText(Path("play.pdf"_q));
    EXPECT_TRUE(text.contains("Raider"_q)) << text.toStdString();
    EXPECT_TRUE(text.contains("Gunnery: _____"_q));
    EXPECT_TRUE(text.contains("per squad of 3"_q));
    EXPECT_FALSE(text.contains("Critical Slots"_q));
    EXPECT_EQ(settings->Read(kKeySheetKind, {}), "Play"_q);
    EXPECT_EQ(platform.opened, QStringList{Path("play.pdf"_q)});

    QProcess p;
    p.start(QStringLiteral(VANTREL_PROGRAM),
            {"--record-sheet"_q, design, Path("cli.pdf"_q), "--kind"_q, "play"_q, "--troopers"_q, "3"_q});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(PdfText(Path("cli.pdf"_q)), text);

    // Printed, the same block.
    dialogs.printTo = Path("printed.pdf"_q);
    dialogs.sheetAnswers.push_back(Options(3, Paper::A4, SheetKind::Play));
    Find<QAction>(*form, "MPrintSheet")->trigger();
    EXPECT_EQ(PdfText(Path("printed.pdf"_q)), text);

    Export(Options(0, Paper::Letter, SheetKind::Design), Path("design.pdf"_q));
    EXPECT_EQ(dialogs.sheetQuestions[2].shown, Options(3, Paper::A4, SheetKind::Play));
    EXPECT_TRUE(PdfText(Path("design.pdf"_q)).contains("Critical Slots"_q));
    EXPECT_EQ(settings->Read(kKeySheetKind, {}), "Design"_q);
    EXPECT_EQ(form->Sheets().Remembered(), Options(0, Paper::Letter, SheetKind::Design));
}

// File > Record Sheets of Several Designs...: the files, the question, the PDF; what could not be
// read is named, the rest is drawn, and the open design is left alone.
TEST_F(SheetCommandsTest, SeveralDesignsGoIntoOnePdfAndUnreadableOnesAreNamed) {
    const QList<QAction*> file = Find<QMenu>(*form, "MFile")->actions();
    QAction* several = Find<QAction>(*form, "MSheetsOfSeveral");
    EXPECT_EQ(file.indexOf(several), file.indexOf(Find<QAction>(*form, "MExportSheet")) + 1);
    EXPECT_EQ(several->text(), "Record Sheets of Se&veral Designs..."_q);

    Find<QLineEdit>(*form, "TextMechName")->setText("First"_q);
    SaveAs(Path("first.vnt"_q));
    Find<QLineEdit>(*form, "TextMechName")->setText("Second"_q);
    SaveAs(Path("second.vnt"_q));
    const size_t steps = form->Edits().History().UndoCount();

    // Cancelled at the files, at the question, at the output: nothing written, nothing asked after.
    several->trigger();
    EXPECT_TRUE(dialogs.sheetQuestions.empty());
    dialogs.fileLists.push_back({Path("first.vnt"_q)});
    several->trigger();
    ASSERT_EQ(dialogs.sheetQuestions.size(), 1u);
    EXPECT_EQ(dialogs.files.size(), 2u);
    EXPECT_TRUE(dialogs.files.back().filter.contains("*.vnt"_q));

    const QString out = Path("book.pdf"_q);
    dialogs.fileLists.push_back({Path("first.vnt"_q), Path("missing.vnt"_q), Path("second.vnt"_q)});
    dialogs.sheetAnswers.push_back(Options(0, Paper::A4, SheetKind::Play));
    dialogs.fileNames.push_back(out);
    several->trigger();
    EXPECT_EQ(dialogs.files.back().fileName, Path("Record Sheets.pdf"_q));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("missing.vnt"_q)) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(PdfInfo(out, "Pages:"_q), "1"_q);
    const QString text = PdfText(out);
    EXPECT_TRUE(text.contains("First"_q) && text.contains("Second"_q)) << text.toStdString();
    EXPECT_EQ(Poppler("pdftohtml"_q, {"-xml"_q, "-stdout"_q, "-i"_q, "-q"_q, out}).count("<item "_q), 2);
    EXPECT_EQ(platform.opened, QStringList{out});
    EXPECT_EQ(form->Edits().History().UndoCount(), steps);

    // A design chosen as the output is refused and stays as it was.
    const QByteArray first = ReadBytes(Path("first.vnt"_q));
    dialogs.messages.clear();
    dialogs.fileLists.push_back({Path("first.vnt"_q), Path("second.vnt"_q)});
    dialogs.sheetAnswers.push_back(Options(0, Paper::A4, SheetKind::Design));
    dialogs.fileNames.push_back(Path("first.vnt"_q));
    several->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Could not save "_q));
    EXPECT_EQ(ReadBytes(Path("first.vnt"_q)), first);
}

// The real options dialog: the choice it comes up with and gives back.
TEST(SheetOptionsDialogTest, OffersTheTechSquadAndEachSizeAndBothPapers) {
    SheetOptionsDialog dialog(Options(5, Paper::Letter), 4);
    NameControls(dialog);
    EXPECT_EQ(Find<QComboBox>(dialog, "Squad")->count(), 7);  // the technology base's squad, then 1 to 6
    EXPECT_EQ(Find<QComboBox>(dialog, "Squad")->itemText(0), "By technology base (4 troopers)"_q);
    EXPECT_EQ(Find<QComboBox>(dialog, "PaperBox")->count(), 2);
    EXPECT_EQ(dialog.Options(), Options(5, Paper::Letter));
    Find<QComboBox>(dialog, "Squad")->setCurrentIndex(0);
    Find<QComboBox>(dialog, "PaperBox")->setCurrentIndex(0);
    EXPECT_EQ(dialog.Options(), Options(0, Paper::A4));
    // The play sheet first, then the design sheet.
    EXPECT_EQ(Find<QComboBox>(dialog, "Kind")->itemText(0), "Play sheet"_q);
    EXPECT_EQ(Find<QComboBox>(dialog, "Kind")->itemText(1), "Design sheet"_q);
    Find<QComboBox>(dialog, "Kind")->setCurrentIndex(0);
    EXPECT_EQ(dialog.Options(), Options(0, Paper::A4, SheetKind::Play));
    // A remembered size out of range comes up as the technology base's.
    EXPECT_EQ(SheetOptionsDialog(Options(9, Paper::A4), 5).Options(), Options(0, Paper::A4));
}

}  // namespace
}  // namespace vantrel::test
