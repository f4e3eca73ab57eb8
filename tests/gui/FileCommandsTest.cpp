// The File menu, the close request, the export, first-start registration and the command-line
// open, driven on the real main window with recorded dialogs.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "QtFiles.h"
#include "ScratchFiles.h"
#include "files/DesignFile.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>

namespace vantrel::test {

namespace {

const QString kOverweight = "Warning: Your Battle Armor is overweight and will not function."_q;
const QString kTooHot = "Warning: Your Battle Armor generates too much heat and will not function."_q;

void ExpectRequest(const Dialogs::FileRequest& r, bool save, const QString& folder, const QString& fileName) {
    EXPECT_EQ(r.save, save);
    EXPECT_EQ(r.folder, folder);
    EXPECT_EQ(r.fileName, fileName);
}

// A design far from the New values on every record, the slots of both chassis included, that a
// Quad's and a tech base's refreshes would rewrite if they were left to stand.
Design RichDesign() {
    Design d;
    NewDesign(d);
    d.MechName = "Grendel, Mk 2";
    d.Model = "GX-2";
    d.History = "First line, with a comma\r\nSecond line";
    d.WeightClass = 2;
    d.TechBase = 1;
    d.IsQuad = true;
    d.TurretSize = 3;
    d.TurretConfig = true;
    d.SuitSystems = 2;
    d.HeatSinks = 2;
    d.GroundMP = 2;
    d.UMUMP = 1;
    d.ArmorType = 1;
    d.ArmorPoints = 4;
    d.ArmorWeight = 300;
    d.ArmorSlots = 1;
    d.OwnedCount[5] = 2;
    d.OwnedAmmo[40] = 3;
    d.CurrentKg = 1234;
    d.FreeKg = -234;
    d.MaxHeat = 9;
    d.HeatDissipation = 3;
    d.UsedCSlots = 8;
    d.FreeCSlots = 8;
    d.EstimatedBV = 77;
    d.Cost = 654321;
    auto put = [](auto& codes, auto& spans, int at, int32_t code, int32_t span) {
        codes[at] = code;
        spans[at] = span;
    };
    // Quad body: a three-slot item, a heat sink, ground movement, armor, an armor-system slot.
    put(d.QuadSlots, d.QuadSpan, 0, kSlotItemBase + 2, 3);
    put(d.QuadSlots, d.QuadSpan, 1, kSlotItemBase + 2, kSpanFollow);
    put(d.QuadSlots, d.QuadSpan, 2, kSlotItemBase + 2, kSpanFollow);
    put(d.QuadSlots, d.QuadSpan, 3, kSlotHeatSink, 1);
    put(d.QuadSlots, d.QuadSpan, 4, kSlotGround, 1);
    put(d.QuadSlots, d.QuadSpan, 5, kSlotArmor, 1);
    put(d.QuadSlots, d.QuadSpan, 6, kSlotArmorSystem, 1);
    put(d.TurretSlots, d.TurretSpan, 0, kSlotItemBase + 0, 1);
    // Leftovers of a Humanoid past, kept as they are.
    put(d.BodySlots, d.BodySpan, 4, kSlotGround, 1);
    put(d.RightArmSlots, d.RightArmSpan, 1, kSlotItemBase + 0, 1);
    d.PlacedCount[2] = 1;
    d.PlacedCount[0] = 1;
    d.PlacedHeatSinks = 1;
    d.PlacedArmor = 2;
    d.PlacedArmorSlots = 1;
    d.Spare1 = 7;
    d.Spare4 = -10;
    d.EnhancedImaging = true;
    return d;
}

}  // namespace

class FileCommands : public MainFormFixture {
protected:
    // The program's folder with a saves folder in it, as a build folder or a copied program has.
    void SetUp() override {
        MainFormFixture::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath("program/saves"_q));
        form->Files().programFolder_ = Path("program"_q);
    }
    QString SavesFolder() const { return Path("program/saves"_q); }
    QString Path(const QString& name) const { return dir.filePath(name); }

    // What typing into the name box does to its text.
    void TypeName(const QString& name) { Find<QLineEdit>(*form, "TextMechName")->setText(name); }

    // The design saved as `name` by Save As; what the file holds.
    QByteArray SavedAs(const QString& name) {
        const QString path = Path(name);
        dialogs.fileNames.push_back(path);
        form->Files().MSaveAs_Click();
        dialogs.messages.clear();
        return ReadBytes(path);
    }

    void ExpectCouldNotSave(size_t count) {
        ASSERT_EQ(dialogs.messages.size(), count);
        EXPECT_TRUE(dialogs.messages.back().text.startsWith("Could not save "_q))
            << dialogs.messages.back().text.toStdString();
    }
};

TEST_F(FileCommands, SaveWithoutAFileActsAsSaveAsWarningOnce) {
    d().OwnedCount[2] = 1;  // an 800 kg laser on a 750 kg suit
    form->RefreshMain();
    ASSERT_LT(d().FreeKg, 0);
    const QString path = Path("heavy.vnt"_q);
    dialogs.fileNames.push_back(path);
    form->Files().MSave_Click();

    // One warning, then the dialog, then the confirmation.
    ASSERT_EQ(dialogs.texts(), (QStringList{kOverweight, "Saved to: "_q + path}));
    ASSERT_EQ(dialogs.files.size(), 1u);
    ExpectRequest(dialogs.files[0], true, SavesFolder(), "Battle Armor.vnt"_q);
    EXPECT_EQ(ctx.DesignFile, path.toStdString());
    EXPECT_TRUE(doc.Saved());
    EXPECT_FALSE(ctx.WarnedOnSave);
    EXPECT_EQ(ReadBytes(path), Bytes(DesignFileBytes(d())));

    // Save As on its own gives its warning once as well, and proposes the current file.
    dialogs.messages.clear();
    const QString second = Path("heavy2.vnt"_q);
    dialogs.fileNames.push_back(second);
    form->Files().MSaveAs_Click();
    EXPECT_EQ(dialogs.texts(), (QStringList{kOverweight, "Saved to: "_q + second}));
    EXPECT_EQ(dialogs.files.back().fileName, path);

    // The heat warning stands in when the weight is fine; a cancelled dialog writes nothing.
    dialogs.messages.clear();
    d().OwnedCount[2] = 0;
    d().OwnedCount[0] = 1;  // a light flamer: heat 4 against a dissipation of 1
    form->RefreshMain();
    ASSERT_GE(d().FreeKg, 0);
    ctx.DesignFile.clear();
    form->Files().MSave_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{kTooHot});
    EXPECT_TRUE(ctx.DesignFile.empty());
    EXPECT_FALSE(doc.Saved());
    EXPECT_FALSE(ctx.WarnedOnSave);
}

TEST_F(FileCommands, SaveWithAFileWritesSilently) {
    // A new design saved gives the format's reference bytes.
    const QString path = Path("suit.vnt"_q);
    dialogs.fileNames.push_back(path);
    form->Files().MSaveAs_Click();
    EXPECT_EQ(ReadBytes(path), ReadBytes(Golden("new-design/design.vnt"_q)));
    dialogs.messages.clear();

    Choose(Find<QComboBox>(*form, "ComboType"), 3);  // Heavy
    ASSERT_FALSE(doc.Saved());
    form->Files().MSave_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.files.size(), 1u);
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(ctx.DesignFile, path.toStdString());
    EXPECT_EQ(ReadBytes(path), Bytes(DesignFileBytes(d())));
    EXPECT_TRUE(ReadBytes(path).contains("\r\n3\r\n"));  // record 3, the weight class

    // Straight after a save, New does not ask.
    form->Files().MNew_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(ctx.DesignFile.empty());
    EXPECT_EQ(d().WeightClass, 1);
    EXPECT_TRUE(doc.Saved());
}

TEST_F(FileCommands, YesThenCancelledSaveAsCancelsTheCommand) {
    // New: asks, the Save As dialog is cancelled, and the design stays (it was not saved).
    Choose(Find<QComboBox>(*form, "ComboType"), 3);
    TypeName("Wolf"_q);
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    form->Files().MNew_Click();
    ASSERT_EQ(dialogs.texts(), QStringList{"Save changes to Wolf?"_q});
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);  // the work can be kept
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(dialogs.files[0].fileName, "Wolf.vnt"_q);
    EXPECT_EQ(d().WeightClass, 3);
    EXPECT_EQ(d().MechName, "Wolf");
    EXPECT_FALSE(doc.Saved());

    // Open: the question and the cancelled Save As; no open dialog follows.
    dialogs.messages.clear();
    dialogs.files.clear();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    form->Files().MOpen_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Wolf?"_q});
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_TRUE(dialogs.files[0].save);
    EXPECT_EQ(d().WeightClass, 3);

    // Closing: Cancel keeps the window open, and so does Yes with a cancelled dialog; No closes it.
    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    form->Files().MQuit_Click();
    EXPECT_TRUE(form->isVisible());
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    form->Files().MQuit_Click();
    EXPECT_TRUE(form->isVisible());
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MQuit_Click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FileCommands, NameAndModelBoxes) {
    // A typed double quote is not taken; one written by other means is taken out, the rest kept.
    QLineEdit* name = Find<QLineEdit>(*form, "TextMechName");
    name->setFocus();
    name->end(false);
    Key(name, Qt::Key_QuoteDbl, "\""_q);
    Key(name, Qt::Key_X, "x"_q);
    EXPECT_EQ(name->text(), "Battle Armorx"_q);
    TypeName("Wolf \"Alpha\" II"_q);
    EXPECT_EQ(name->text(), "Wolf Alpha II"_q);
    EXPECT_EQ(d().MechName, "Wolf Alpha II");
    Find<QLineEdit>(*form, "TextModel")->setText("\"M\"-1"_q);
    EXPECT_EQ(d().Model, "M-1");
    // Nor a character the file's code page lacks (it would be saved as '?').
    TypeName(QStringLiteral("Gr\u00fcn \u72fc"));
    EXPECT_EQ(name->text(), QStringLiteral("Gr\u00fcn "));
    EXPECT_EQ(d().MechName, "Gr\u00fcn ");

    // A typed name or model is a change like any other: Quit asks before throwing it away.
    EXPECT_FALSE(doc.Saved());
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MQuit_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Save changes to Gr\u00fcn ?")});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FileCommands, OpenGivesExactlyTheFileState) {
    const Design wanted = RichDesign();
    const QString path = Path("rich.vnt"_q);
    WriteBytes(path, Bytes(DesignFileBytes(wanted)));

    dialogs.fileNames.push_back(path);
    form->Files().MOpen_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.files.size(), 1u);
    ExpectRequest(dialogs.files[0], false, SavesFolder(), QString());
    EXPECT_TRUE(d() == wanted);
    EXPECT_EQ(ctx.DesignFile, path.toStdString());
    EXPECT_TRUE(doc.Saved());
    // The controls show the file's choices, and the window works again.
    EXPECT_EQ(Find<QComboBox>(*form, "ComboChassis")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>(*form, "ComboType")->currentIndex(), 2);
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), "Grendel, Mk 2"_q);
    EXPECT_TRUE(form->isEnabled());
    for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame4B"})
        EXPECT_TRUE(Find<QWidget>(*form, frame)->isEnabled()) << frame;

    // A second open proposes the current file.
    form->Files().MOpen_Click();
    EXPECT_EQ(dialogs.files[1].fileName, path);
}

TEST_F(FileCommands, RefusedFileKeepsTheDesignAndItsFile) {
    const QString kept = Path("kept.vnt"_q);
    Choose(Find<QComboBox>(*form, "ComboType"), 4);
    dialogs.fileNames.push_back(kept);
    form->Files().MSaveAs_Click();
    Choose(Find<QComboBox>(*form, "ComboTechBase"), 1);  // unsaved work on top of the file
    const Design before = d();

    // Answers No to saving first, then opens the file: refused, naming it and the record.
    auto refused = [&](const QString& path, const QString& record) {
        SCOPED_TRACE(path.toStdString());
        dialogs.messages.clear();
        dialogs.answers.push_back(Dialogs::Answer::No);
        dialogs.fileNames.push_back(path);
        form->Files().MOpen_Click();
        ASSERT_EQ(dialogs.messages.size(), 2u);
        const auto& refusal = dialogs.messages[1];
        EXPECT_TRUE(refusal.text.contains(path)) << refusal.text.toStdString();
        EXPECT_TRUE(refusal.text.contains(record)) << refusal.text.toStdString();
        EXPECT_TRUE(d() == before);
        EXPECT_EQ(ctx.DesignFile, kept.toStdString());
        EXPECT_FALSE(doc.Saved());
        EXPECT_TRUE(form->isEnabled());
    };

    // Cut short after record 700 (the history covers 2 lines).
    const std::string full = DesignFileBytes(RichDesign());
    size_t at = 0;
    for (int lines = 0; lines < 701; ++lines) at = full.find("\r\n", at) + 2;
    WriteBytes(Path("cut.vnt"_q), Bytes(full.substr(0, at)));
    refused(Path("cut.vnt"_q), "record 701"_q);

    refused(Path("missing.vnt"_q), QString());
}

TEST_F(FileCommands, FailedSaveKeepsTheOldFileAndTheDesignUnsaved) {
    const QString path = Path("old.vnt"_q);
    const QByteArray old = SavedAs("old.vnt"_q);
    ASSERT_FALSE(old.isEmpty());
    Choose(Find<QComboBox>(*form, "ComboType"), 3);
    dialogs.messages.clear();

    // Writing stops after a kilobyte (a full disk, a quota): the save fails half-way.
    {
        const FileSizeLimit kilobyte(1024);
        form->Files().MSave_Click();
    }

    ExpectCouldNotSave(1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_FALSE(doc.Saved());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp"_q), QStringList());

    // Save As into a folder that does not exist: no "Saved to", DesignFile unchanged.
    dialogs.messages.clear();
    dialogs.fileNames.push_back(Path("no/such/folder/x.vnt"_q));
    form->Files().MSaveAs_Click();
    ExpectCouldNotSave(1);
    EXPECT_EQ(ctx.DesignFile, path.toStdString());
    EXPECT_FALSE(doc.Saved());

    // Answering Yes on closing and failing to write keeps the window and the design.
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    ctx.DesignFile = Path("no/such/folder/y.vnt"_q).toStdString();
    form->Files().MQuit_Click();
    ExpectCouldNotSave(2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(d().WeightClass, 3);
}

TEST_F(FileCommands, ReadoutOfANewDesign) {
    const QString path = Path("readout.txt"_q);
    dialogs.fileNames.push_back(path);
    form->Files().MExport_Click();
    ASSERT_EQ(dialogs.files.size(), 1u);
    ExpectRequest(dialogs.files[0], true, ProgramDirectory(),
                  QDir(ProgramDirectory()).filePath("Battle Armor.txt"_q));
    EXPECT_EQ(dialogs.files[0].defaultSuffix, "txt"_q);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(platform.opened, QStringList{path});
    EXPECT_TRUE(doc.Saved());  // writing a readout changes nothing in the design
    EXPECT_EQ(ReadBytes(path), ReadBytes(Golden("new-design/readout.txt"_q)));

    // Cancelled: nothing written, nothing shown, and Save As still proposes the design extension.
    platform.opened.clear();
    form->Files().MExport_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(platform.opened.isEmpty());
    form->Files().MSaveAs_Click();
    EXPECT_EQ(dialogs.files.back().defaultSuffix, "vnt"_q);

    // No program to show it: the user is told where the readout went.
    platform.viewerStarts = false;
    dialogs.fileNames.push_back(path);
    form->Files().MExport_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{"The readout was written to "_q + path +
                                           ", but no program could be started to show it."_q});
    dialogs.messages.clear();
    platform.opened.clear();
    platform.viewerStarts = true;

    // A file that cannot be created: a message, and nothing opened.
    dialogs.fileNames.push_back(Path("no/such/folder/r.txt"_q));
    form->Files().MExport_Click();
    ExpectCouldNotSave(1);
    EXPECT_TRUE(platform.opened.isEmpty());
}

TEST_F(FileCommands, SavingOverAnotherProgramsChangesAsksFirst) {
    const QString path = Path("suit.vnt"_q);
    const auto question = path + " was changed by another program since it was opened. Replace it?"_q;
    SavedAs("suit.vnt"_q);

    // Unchanged on disk: Save says nothing, as before.
    Choose(Find<QComboBox>(*form, "ComboType"), 3);
    form->Files().MSave_Click();
    EXPECT_TRUE(dialogs.messages.empty());

    // Another program replaced it (an editor writes a new file and renames it): No keeps its
    // version and the design stays unsaved.
    const QByteArray theirs = ReadBytes(path).replace("Battle Armor", "Edited Elsewhere");
    const QString other = Path("theirs.tmp"_q);
    WriteBytes(other, theirs);
    ASSERT_TRUE(QFile::remove(path) && QFile::rename(other, path));
    Choose(Find<QComboBox>(*form, "ComboType"), 4);
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MSave_Click();
    ASSERT_EQ(dialogs.texts(), QStringList{question});
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_FALSE(doc.Saved());

    // The close request's "Save changes?" with Yes, then No to replacing: the window stays open.
    dialogs.messages.clear();
    dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
    EXPECT_FALSE(form->Files().Form_QueryUnload());
    EXPECT_EQ(dialogs.texts(), (QStringList{"Save changes to Battle Armor?"_q, question}));
    EXPECT_EQ(ReadBytes(path), theirs);

    // Yes replaces it; the next save of the design's own write asks nothing.
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    form->Files().MSave_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{question});
    EXPECT_EQ(ReadBytes(path), Bytes(DesignFileBytes(d())));
    EXPECT_TRUE(doc.Saved());
    dialogs.messages.clear();
    Choose(Find<QComboBox>(*form, "ComboType"), 2);
    form->Files().MSave_Click();
    EXPECT_TRUE(dialogs.messages.empty());

    // Written in place with a longer text after an Open; Save As onto it asks as well.
    form->Files().OpenDropped(path);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\r\n");
    }
    const QByteArray appended = ReadBytes(path);
    dialogs.messages.clear();
    dialogs.fileNames.push_back(path);
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MSaveAs_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{question});
    EXPECT_EQ(ReadBytes(path), appended);
    EXPECT_EQ(ctx.DesignFile, path.toStdString());
}

TEST_F(FileCommands, TheReadoutNeverReplacesTheDesignItComesFrom) {
    const QString path = Path("suit.vnt"_q);
    const QByteArray saved = SavedAs("suit.vnt"_q);
    ASSERT_FALSE(saved.isEmpty());
    ASSERT_TRUE(QFile::link(path, Path("link.txt"_q)));
    for (const QString& target : {path, Path("link.txt"_q), Path("./suit.vnt"_q)}) {
        SCOPED_TRACE(target.toStdString());
        dialogs.messages.clear();
        dialogs.fileNames.push_back(target);
        form->Files().MExport_Click();
        EXPECT_EQ(dialogs.texts(),
                  QStringList{"Could not save "_q + target + ": it is the design file itself."_q});
        EXPECT_EQ(ReadBytes(path), saved);
        EXPECT_TRUE(platform.opened.isEmpty());
    }
}

// The reference Quad of the format's tests, with its own catalog: opened by the menu, exported
// and saved again, it gives the reference readout and the very bytes it came from.
class ReferenceQuad : public MainFormHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        CatalogError error;
        ASSERT_TRUE(LoadSharedCatalog(Golden("catalog/stuff.plb"_q).toStdString(), ctx.catalog, error));
        Create();
        ASSERT_TRUE(form->Form_Load({}));
    }
};

TEST_F(ReferenceQuad, OpenExportSave) {
    const QString source = Golden("quad-turret/design.vnt"_q);
    const QByteArray original = ReadBytes(source);
    Design wanted;
    std::string error;
    int record = 0;
    ASSERT_TRUE(ParseDesignFile(original.toStdString(), wanted, error, record)) << error;

    dialogs.fileNames.push_back(source);
    form->Files().MOpen_Click();
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(d() == wanted);

    const QString readout = dir.filePath("quad.txt"_q);
    dialogs.fileNames.push_back(readout);
    form->Files().MExport_Click();
    EXPECT_EQ(ReadBytes(readout), ReadBytes(Golden("quad-turret/readout.txt"_q)));

    // The export refreshed every page; the design still holds the file's values.
    const QString copy = dir.filePath("copy.vnt"_q);
    dialogs.fileNames.push_back(copy);
    form->Files().MSaveAs_Click();
    EXPECT_EQ(ReadBytes(copy), original);
}

// --- start-up: registration and the command line ---

class StartUp : public MainFormHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ctx.catalog = GuiShippedCatalog();
    }
    void Load(const QStringList& args) {
        form.reset();
        Create();
        ASSERT_TRUE(form->Form_Load(args));
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(StartUp, RegistersTheFileTypeOnce) {
    Load({});
    ASSERT_EQ(platform.registrations.size(), 1u);
    EXPECT_EQ(platform.registrations[0].programPath, "/opt/vantrel/vantrel"_q);
    EXPECT_EQ(settings->Read(kKeyFileAssoc, QString()), "1"_q);

    Load({});
    EXPECT_EQ(platform.registrations.size(), 1u);

    // Any text that is not a number counts as 0.
    settings->Write(kKeyFileAssoc, "no"_q);
    Load({});
    EXPECT_EQ(platform.registrations.size(), 2u);
    EXPECT_EQ(settings->Read(kKeyFileAssoc, QString()), "1"_q);
}

TEST_F(StartUp, RegistrationFollowsTheProgram) {
    Load({});
    EXPECT_EQ(settings->Read(kKeyFileAssocPath, QString()), "/opt/vantrel/vantrel"_q);

    // Moved or rebuilt elsewhere: registered again, under the new path.
    platform.programPath = "/home/u/build/vantrel"_q;
    Load({});
    ASSERT_EQ(platform.registrations.size(), 2u);
    EXPECT_EQ(platform.registrations[1].programPath, "/home/u/build/vantrel"_q);
    EXPECT_EQ(settings->Read(kKeyFileAssocPath, QString()), "/home/u/build/vantrel"_q);

    // The installed program takes the per-user registration back once and registers nothing.
    platform.installed = true;
    platform.programPath = "/usr/lib/vantrel/vantrel"_q;
    Load({});
    Load({});
    EXPECT_EQ(platform.registrations.size(), 2u);
    EXPECT_EQ(platform.unregistered, QStringList{"Vantrel"_q});
}

TEST_F(StartUp, CommandLineOpensADesignOrFallsBackToANewOne) {
    const Design wanted = RichDesign();
    const QString path = Path("My Suit.VNT"_q);
    WriteBytes(path, Bytes(DesignFileBytes(wanted)));

    // As a Windows shell passes it: in quotes, upper-case extension.
    Load({QLatin1Char('"') + path + QLatin1Char('"')});
    EXPECT_TRUE(d() == wanted);
    EXPECT_TRUE(doc.Saved());
    EXPECT_TRUE(ctx.DesignFile.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), "Grendel, Mk 2"_q);
    // Saved, yet the first Save asks for a name.
    form->Files().MSave_Click();
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(dialogs.files[0].fileName, "Grendel, Mk 2.vnt"_q);

    // As a terminal or a file manager passes it: bare.
    Load({path});
    EXPECT_TRUE(d() == wanted);
    EXPECT_TRUE(doc.Saved());
    // The status line shows the opened design, exactly as File > Open then shows it.
    const QStringList shown = Panels();
    dialogs.fileNames.push_back(path);
    form->Files().MOpen_Click();
    EXPECT_EQ(shown, Panels());
    EXPECT_TRUE(doc.Saved());
    // No question on closing a design straight from the command line.
    dialogs.messages.clear();
    form->close();
    EXPECT_TRUE(dialogs.messages.empty());

    // Not a design file name: ignored.
    const QString text = Path("notes.txt"_q);
    WriteBytes(text, Bytes(DesignFileBytes(wanted)));
    Load({text});
    EXPECT_EQ(d().MechName, "Battle Armor");
    EXPECT_FALSE(d().IsQuad);
    EXPECT_TRUE(dialogs.messages.empty());

    // A design file that is refused: said so, then a new design.
    const QString cut = Path("cut.vnt"_q);
    WriteBytes(cut, QByteArray("\"Half\"\r\n\"0\"\r\n1\r\n"));
    Load({QLatin1Char('"') + cut + QLatin1Char('"')});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(cut));
    EXPECT_TRUE(dialogs.messages[0].text.contains("record 4"_q));
    EXPECT_EQ(d().MechName, "Battle Armor");
    EXPECT_FALSE(d().IsQuad);
    EXPECT_TRUE(doc.Saved());
}

}  // namespace vantrel::test
