// The ways to a design besides File > Open's dialog: the recent list, a file dropped on the window,
// and the folder the Open and Save As dialogs start in.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "QtFiles.h"
#include "files/DesignFile.h"
#include "sheet/QtText.h"
#include "ui/RecentFiles.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::test {
namespace {

const QString kQuadName = "Quad Tester, Mk II"_q;

// ---- the list on its own ----

class RecentList : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings.ini"_q)};
    RecentFiles recent{settings};
    QString P(int i) const { return dir.filePath("d%1.vnt"_q.arg(i)); }
};

TEST_F(RecentList, NewestFirstTenAtMostDuplicatesMoveUp) {
    EXPECT_TRUE(recent.Entries().isEmpty());
    for (int i = 1; i <= 12; ++i) recent.Add(P(i));
    QStringList expected;
    for (int i = 12; i >= 3; --i) expected << P(i);
    EXPECT_EQ(recent.Entries(), expected);

    // Again, under another spelling of the same path: moved to the top, not shown twice.
    recent.Add(dir.path() + "/./sub/../d7.vnt"_q);
    expected.removeAll(P(7));
    expected.prepend(P(7));
    EXPECT_EQ(recent.Entries(), expected);
    // Kept in the settings: another list on the same store reads it once written.
    recent.Flush();
    EXPECT_EQ(RecentFiles(settings).Entries(), expected);
    recent.Remove(P(12));
    EXPECT_FALSE(recent.Entries().contains(P(12)));
    EXPECT_EQ(recent.Entries().size(), 9);
    recent.Clear();
    EXPECT_TRUE(recent.Entries().isEmpty());
}

TEST_F(RecentList, OddPathsAndABrokenStoredValue) {
    const QString odd = dir.filePath("a \"b\"\n&c, [d].vnt"_q);
    recent.Add(odd);
    recent.Flush();
    EXPECT_EQ(RecentFiles(settings).Entries(), QStringList{odd});

    settings.Write(kKeyRecentFiles, "[\"/x.vnt\", 3, \"\", \"/x.vnt\", \"/y.vnt\""_q);
    EXPECT_TRUE(RecentFiles(settings).Entries().isEmpty());  // not JSON: no list rather than a wrong one
    settings.Write(kKeyRecentFiles, "[\"/x.vnt\", 3, \"\", \"/x.vnt\", \"/y.vnt\"]"_q);
    EXPECT_EQ(RecentFiles(settings).Entries(), (QStringList{"/x.vnt"_q, "/y.vnt"_q}));
}

TEST_F(RecentList, MenuShowsTheEntriesWithAccessKeys) {
    QMenu menu;
    recent.Attach(&menu);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_FALSE(menu.actions()[0]->isEnabled());  // Clear, with nothing to clear

    for (int i = 1; i <= 10; ++i) recent.Add(P(i));
    recent.Add(dir.filePath("R&D.vnt"_q));
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 12);  // ten entries, a separator, Clear
    EXPECT_EQ(actions[0]->text(), "&1 "_q + dir.filePath("R&&D.vnt"_q));
    EXPECT_EQ(actions[9]->text(), "1&0 "_q + P(2));
    EXPECT_TRUE(actions[10]->isSeparator());
    EXPECT_TRUE(actions[11]->isEnabled());

    actions[11]->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recent.Entries().isEmpty());
    EXPECT_EQ(menu.actions().size(), 1);
}

// ---- through the main window ----

class OpenRoutes : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        // A program folder without a saves folder, as an installed program has.
        ASSERT_TRUE(QDir(dir.path()).mkpath("program"_q));
        form->Files().programFolder_ = dir.filePath("program"_q);
    }
    QString Copy(const QString& golden, const QString& name) {
        const QString to = dir.filePath(name);
        QFile::remove(to);
        EXPECT_TRUE(QFile::copy(Golden(golden), to));
        return to;
    }
    QList<QAction*> RecentActions() const { return Find<QMenu>(*form, "MRecent")->actions(); }
    void Choose(int entry) {
        RecentActions()[entry]->trigger();
        QCoreApplication::processEvents();
    }
    void MakeUnsaved() {
        MainFormHarness::Choose(Find<QComboBox>(*form, "ComboType"), 3);
        ASSERT_FALSE(doc.Saved());
    }

    // The toolkit's road for a drag from another program: the hover enters the widget under the
    // pointer and climbs to the first one that takes it; the drop goes to that one.
    bool Drop(QWidget* on, const QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(on, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
    static void SetFiles(QMimeData& data, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        data.setText(paths.join(QLatin1Char('\n')));  // file managers offer the path as text too
    }
};

TEST_F(OpenRoutes, OpenedAndSavedDesignsFillTheMenuAndOpenLikeOpen) {
    const QString quad = Copy("quad-turret/design.vnt"_q, "quad.vnt"_q);
    dialogs.fileNames.push_back(quad);
    form->Files().MOpen_Click();
    const QString saved = dir.filePath("saved.vnt"_q);
    dialogs.fileNames.push_back(saved);
    form->Files().MSaveAs_Click();
    EXPECT_EQ(form->Files().Recent().Entries(), (QStringList{saved, quad}));

    QList<QAction*> actions = RecentActions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[1]->text(), "&2 "_q + quad);

    // An entry asks the unsaved-changes question as Open does; Cancel keeps the work.
    form->Files().MNew_Click();
    MakeUnsaved();
    dialogs.messages.clear();
    Choose(1);
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(d().WeightClass, 3);

    // No: the file opens, names the design file and moves to the top.
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::No);
    Choose(1);
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), kQuadName);
    EXPECT_EQ(form->windowTitle(), "Vantrel - "_q + kQuadName);  // the title follows at once
    EXPECT_EQ(ctx.DesignFile, quad.toStdString());
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(form->Files().Recent().Entries(), (QStringList{quad, saved}));
    EXPECT_TRUE(dialogs.files.size() == 2u);  // no dialog for an entry
}

TEST_F(OpenRoutes, MissingOrRefusedEntry) {
    const QString gone = Copy("quad-turret/design.vnt"_q, "gone.vnt"_q);
    const QString bad = Copy("truncated/design.vnt"_q, "bad.vnt"_q);
    form->Files().Recent().Add(gone);
    form->Files().Recent().Add(bad);
    ASSERT_TRUE(QFile::remove(gone));
    MakeUnsaved();
    const Design before = d();

    // Gone: removed with a message, and no question about the work, which stays.
    dialogs.messages.clear();
    Choose(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(gone)) << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains("removed from the recent files"_q));
    EXPECT_EQ(form->Files().Recent().Entries(), QStringList{bad});
    EXPECT_TRUE(d() == before);

    // Refused: Open's message naming the record; the entry stays (the file is there to mend).
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::No);
    Choose(0);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("record 623"_q)) << dialogs.messages[1].text.toStdString();
    EXPECT_TRUE(d() == before);
    EXPECT_EQ(form->Files().Recent().Entries(), QStringList{bad});
}

TEST_F(OpenRoutes, ADroppedDesignFileOpensAsOpenDoes) {
    const QString quad = Copy("quad-turret/design.vnt"_q, "Dropped.VNT"_q);
    QMimeData file;
    SetFiles(file, {quad});
    MakeUnsaved();

    // On the window's status bar: the question; Cancel keeps the work.
    EXPECT_TRUE(Drop(Find<QStatusBar>(*form, "StatBar"), file));
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(d().WeightClass, 3);

    // On a slot label of the slot page: the label leaves a file to the window.
    form->TabStrip1_Click(4);
    dialogs.messages.clear();
    dialogs.answers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(Biped());
    EXPECT_TRUE(Drop(FindAt<SlotLabel>(*Biped(), "BodyCrit", 3), file));
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), kQuadName);
    EXPECT_EQ(form->windowTitle(), "Vantrel - "_q + kQuadName);  // the title follows at once
    EXPECT_EQ(ctx.DesignFile, quad.toStdString());
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(form->Files().Recent().Entries(), QStringList{quad});

    // A refused file: Open's message, the design stays.
    const Design before = d();
    dialogs.messages.clear();
    QMimeData bad;
    SetFiles(bad, {Copy("truncated/design.vnt"_q, "bad.vnt"_q)});
    EXPECT_TRUE(Drop(Find<QStatusBar>(*form, "StatBar"), bad));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("record 623"_q));
    EXPECT_TRUE(d() == before);
}

// File names are bytes: names that are not valid UTF-8 go to a text and back unchanged, and valid
// ones read as the toolkit reads them.
TEST(FileNames, BytesThatAreNotUtf8ComeBackUnchanged) {
    for (const QByteArray& bytes : {QByteArray("/tmp/r\xe9sum\xe9.vnt"), QByteArray("\xff\xfe"),
                                    QByteArray("a\xc3"), QByteArray("\xed\xa0\x80x"), QByteArray("\xe2\x82"),
                                    QByteArray("\xf0\x9f\x98\x80 \xc3\xa9 \x80"), QByteArray("\xc0\xaf")}) {
        const QString name = FileNameFromBytes(bytes);
        EXPECT_EQ(FileNameBytes(name), bytes) << bytes.toHex().toStdString();
        EXPECT_NE(name, QString::fromUtf8(bytes));  // the toolkit's reading loses the bytes
    }
    const QByteArray valid("/home/zo\xc3\xab/\xf0\x9f\x98\x80 \xe2\x82\xac.vnt");
    EXPECT_EQ(FileNameFromBytes(valid), QString::fromUtf8(valid));
    EXPECT_EQ(FileNameBytes(QString::fromUtf8(valid)), valid);
}

// A design whose file name is not valid UTF-8 opens from the command line, a drop and the recent
// list, and Save writes that same file.
TEST_F(OpenRoutes, NamesThatAreNotUtf8OpenEveryWay) {
    namespace fs = std::filesystem;
    const QByteArray bytes = QFile::encodeName(dir.path()) + QByteArray("/r\xe9sum\xe9 \xff.vnt");
    const fs::path onDisk(bytes.toStdString());
    fs::copy_file(Golden("quad-turret/design.vnt"_q).toStdString(), onDisk);
    const QString name = FileNameFromBytes(bytes);
    const auto files = [&] {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir.path().toStdString()))
            if (e.path().extension() == ".vnt") out.push_back(e.path().filename().string());
        return out;
    };

    ASSERT_TRUE(form->Files().CommandLineOpen({name}));
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), kQuadName);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(form->Files().Recent().Entries(), QStringList{name});

    // Opened by a drop, as a file manager sends the URL; Save writes to the file it came from.
    form->Files().MNew_Click();
    MakeUnsaved();
    dialogs.answers.push_back(Dialogs::Answer::No);
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"))});
    EXPECT_TRUE(Drop(Find<QStatusBar>(*form, "StatBar"), data));
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), kQuadName);
    EXPECT_EQ(ctx.DesignFile, bytes.toStdString());
    Find<QLineEdit>(*form, "TextModel")->setText("Renamed"_q);
    form->Files().MSave_Click();
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(files(), std::vector<std::string>{onDisk.filename().string()});  // no second file
    Design read;
    std::string error;
    int bad = 0;
    ASSERT_TRUE(DoOpen(onDisk.string(), read, error, bad)) << error;
    EXPECT_EQ(read.Model, "Renamed");

    // The recent list keeps the name through the settings and opens it.
    form->Files().Recent().Flush();
    RecentFiles again(*settings);
    EXPECT_EQ(again.Entries(), QStringList{name});
    form->Files().MNew_Click();
    dialogs.messages.clear();
    Choose(0);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(Find<QLineEdit>(*form, "TextModel")->text(), "Renamed"_q);
}

TEST_F(OpenRoutes, OtherDropsAreIgnored) {
    const QString quad = Copy("quad-turret/design.vnt"_q, "quad.vnt"_q);
    QMimeData text, textFile, twoFiles, remote;
    text.setText(quad);
    SetFiles(textFile, {Copy("quad-turret/readout.txt"_q, "readout.txt"_q)});
    SetFiles(twoFiles, {quad, quad});
    remote.setUrls({QUrl("https://example.org/quad.vnt"_q)});
    for (const QMimeData* data : {&text, &textFile, &twoFiles, &remote}) {
        SCOPED_TRACE(data->text().toStdString());
        EXPECT_FALSE(Drop(Find<QStatusBar>(*form, "StatBar"), *data));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Find<QLineEdit>(*form, "TextMechName")->text(), "Battle Armor"_q);
    EXPECT_TRUE(ctx.DesignFile.empty());

    // Equipment dragged as text still lands on a slot label, not on the window.
    form->TabStrip1_Click(4);
    text.setText("Heat Sink"_q);
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(FindAt<SlotLabel>(*Biped(), "BodyCrit", 3), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::MoveAction);
}

TEST_F(OpenRoutes, DialogsStartInTheSavesFolderTheLastFolderOrTheDocuments) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    form->Files().MOpen_Click();  // cancelled
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(dialogs.files[0].folder, documents);

    // A folder chosen in Open is where Open and Save As start next.
    ASSERT_TRUE(QDir(dir.path()).mkpath("designs"_q));
    const QString designs = dir.filePath("designs"_q);
    dialogs.fileNames.push_back(designs + "/none.vnt"_q);
    form->Files().MOpen_Click();  // refused: the file is not there, the folder still counts
    form->Files().MOpen_Click();
    form->Files().MSaveAs_Click();
    ASSERT_EQ(dialogs.files.size(), 4u);
    EXPECT_EQ(dialogs.files[2].folder, designs);
    EXPECT_EQ(dialogs.files[3].folder, designs);
    EXPECT_EQ(settings->Read(kKeyLastFolder, QString()), designs);

    // A saves folder beside the program wins; a last folder that is gone gives way to the documents.
    ASSERT_TRUE(QDir(dir.path()).mkpath("program/saves"_q));
    EXPECT_EQ(form->Files().DialogFolder(), dir.filePath("program/saves"_q));
    ASSERT_TRUE(QDir(dir.filePath("program/saves"_q)).removeRecursively());
    ASSERT_TRUE(QDir(designs).removeRecursively());
    EXPECT_EQ(form->Files().DialogFolder(), documents);
}

}  // namespace
}  // namespace vantrel::test
