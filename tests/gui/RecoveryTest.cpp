// The recovery copy of an unsaved design: written after a change, removed when the work is saved or
// thrown away, offered at the next start, and kept when the session is ended by a signal.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "QtFiles.h"
#include "ScratchFiles.h"
#include "files/DesignFile.h"
#include "platform/TerminationSignals.h"
#include "ui/HistoryForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel::test {

class RecoveryCopy : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        Rec().SetDelay(20);
        folder = Rec().Folder();
        copy = Rec().CopyPath();
        pathFile = Rec().PathFilePath();
    }

    Recovery& Rec() { return form->Files().RecoveryCopy(); }
    bool CopyExists() const { return QFileInfo::exists(copy); }
    QByteArray DesignBytes(const Design& design) const { return Bytes(DesignFileBytes(design)); }

    // A change of the records: the weight class goes up or down by one.
    void Change() {
        Choose(Find<QComboBox>(*form, "ComboType"),
               Find<QComboBox>(*form, "ComboType")->currentIndex() == 3 ? 2 : 3);
        ASSERT_FALSE(doc.Saved());
    }
    void ChangeAndKeep() {
        Change();
        Rec().Flush();
        ASSERT_TRUE(CopyExists());
    }

    // The next start of the program on the same folder, with its own document and dialogs answering
    // `answers` in turn. The first window goes without closing, as in a crash.
    struct Start {
        Document doc;
        FakeDialogs dialogs;
        std::unique_ptr<MainForm> w;
    };
    std::unique_ptr<Start> Restart(std::initializer_list<Dialogs::Answer> answers = {},
                                   const QStringList& args = {}) {
        form.reset();
        auto next = std::make_unique<Start>();
        next->doc.ctx.catalog = GuiShippedCatalog();
        next->dialogs.answers = answers;
        next->w = std::make_unique<MainForm>(next->doc, *settings, next->dialogs, platform);
        next->w->Files().RecoveryCopy().SetFolder(folder);
        EXPECT_TRUE(next->w->Form_Load(args));
        return next;
    }

    QString folder, copy, pathFile;
};

TEST_F(RecoveryCopy, FollowsChangesAMomentAfterEachGesture) {
    ASSERT_FALSE(CopyExists());
    Change();
    // Nothing is written on the gesture's path: the timer does it.
    EXPECT_FALSE(CopyExists());
    EXPECT_TRUE(Rec().Pending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return CopyExists(); }, 5000));
    EXPECT_EQ(ReadBytes(copy), DesignBytes(d()));
    EXPECT_TRUE(QFileInfo::exists(pathFile));
    EXPECT_EQ(ReadBytes(pathFile), QByteArray());  // never saved: no file path

    // A run of gestures reaches the copy as its last state.
    Choose(Find<QComboBox>(*form, "ComboType"), 4);
    Choose(Find<QComboBox>(*form, "ComboType"), 1);
    Choose(Find<QComboBox>(*form, "ComboType"), 2);
    EXPECT_NE(ReadBytes(copy), DesignBytes(d()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadBytes(copy) == DesignBytes(d()); }, 5000));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RecoveryCopy, GoesOnSaveNewOpenAndACleanQuit) {
    const QString file = dir.filePath("suit.vnt"_q);

    // Save As; once saved, the timer the save itself started brings nothing back.
    ChangeAndKeep();
    dialogs.fileNames.push_back(file);
    form->Files().MSaveAs_Click();
    ASSERT_TRUE(doc.Saved());
    EXPECT_FALSE(CopyExists());
    EXPECT_FALSE(QFileInfo::exists(pathFile));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Rec().Pending(); }, 5000));
    EXPECT_FALSE(CopyExists());

    // A save that fails keeps it: the work is still only there.
    ChangeAndKeep();
    dialogs.fileNames.push_back(dir.filePath("no such folder/suit.vnt"_q));
    form->Files().MSaveAs_Click();
    EXPECT_FALSE(doc.Saved());
    EXPECT_TRUE(CopyExists());

    // Save to the design's file.
    form->Files().MSave_Click();
    ASSERT_TRUE(doc.Saved());
    EXPECT_FALSE(CopyExists());

    // New and Open with the changes thrown away, and a refused Open that keeps them.
    ChangeAndKeep();
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MNew_Click();
    EXPECT_FALSE(CopyExists());
    ChangeAndKeep();
    const QString bad = dir.filePath("bad.vnt"_q);
    WriteBytes(bad, "1\r\n");
    dialogs.answers.push_back(Dialogs::Answer::No);
    dialogs.fileNames.push_back(bad);
    form->Files().MOpen_Click();
    EXPECT_TRUE(CopyExists());
    dialogs.answers.push_back(Dialogs::Answer::No);
    dialogs.fileNames.push_back(file);
    form->Files().MOpen_Click();
    EXPECT_FALSE(CopyExists());

    // Closing after No: the user threw the work away, and no late timer writes it again.
    ChangeAndKeep();
    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    form->close();
    EXPECT_TRUE(CopyExists());
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->close();
    ASSERT_FALSE(form->isVisible());
    EXPECT_FALSE(CopyExists());
    Rec().Flush();
    EXPECT_FALSE(CopyExists());
}

TEST_F(RecoveryCopy, RestoreGivesTheRecordsAndTheFilePathUnsaved) {
    const QString file = dir.filePath("grendel.vnt"_q);
    dialogs.fileNames.push_back(file);
    form->Files().MSaveAs_Click();
    Find<QLineEdit>(*form, "TextMechName")->setText("Grendel"_q);
    ChangeAndKeep();
    const QByteArray kept = DesignBytes(d());
    ASSERT_EQ(ReadBytes(copy), kept);

    // The kept work comes before a design named on the command line.
    const QString other = dir.filePath("other.vnt"_q);
    Design otherDesign;
    NewDesign(otherDesign);
    otherDesign.MechName = "Other";
    WriteBytes(other, DesignBytes(otherDesign));

    const auto next = Restart({Dialogs::Answer::Restore}, {other});
    ASSERT_EQ(next->dialogs.messages.size(), 1u);
    EXPECT_EQ(next->dialogs.messages[0].buttons, Dialogs::Buttons::RestoreDiscard);
    EXPECT_EQ(next->dialogs.messages[0].text, "Unsaved changes to Grendel ("_q + file +
                                                  ") were kept when Vantrel last ended. Restore them?"_q);
    EXPECT_EQ(DesignBytes(next->doc.ctx.design), kept);
    EXPECT_EQ(next->doc.ctx.DesignFile, file.toStdString());
    EXPECT_FALSE(next->doc.Saved());
    EXPECT_EQ(Find<QLineEdit>(*next->w, "TextMechName")->text(), "Grendel"_q);
    EXPECT_TRUE(CopyExists());

    // Still unsaved after a gesture that changes nothing; closing asks, and Cancel keeps the copy.
    next->w->TabStrip1_Click(2);
    EXPECT_FALSE(next->doc.Saved());
    next->dialogs.answers.push_back(Dialogs::Answer::Cancel);
    EXPECT_FALSE(next->w->Files().Form_QueryUnload());
    EXPECT_EQ(next->dialogs.messages.back().text, "Save changes to Grendel?"_q);
    EXPECT_TRUE(CopyExists());

    // Save goes to the design's own file, and the copy goes.
    next->w->Files().MSave_Click();
    EXPECT_TRUE(next->doc.Saved());
    EXPECT_EQ(ReadBytes(file), kept);
    EXPECT_FALSE(CopyExists());
}

TEST_F(RecoveryCopy, DiscardRemovesItAndStartUpGoesOn) {
    ChangeAndKeep();
    const QString file = dir.filePath("assault.vnt"_q);
    Design wanted;
    NewDesign(wanted);
    wanted.WeightClass = 4;
    WriteBytes(file, DesignBytes(wanted));

    const auto next = Restart({Dialogs::Answer::Discard}, {file});
    EXPECT_EQ(next->dialogs.messages.size(), 1u);
    EXPECT_FALSE(CopyExists());
    EXPECT_FALSE(QFileInfo::exists(pathFile));
    EXPECT_TRUE(next->doc.ctx.design == wanted);
    EXPECT_TRUE(next->doc.Saved());

    // Nothing is asked at the start after that.
    form = std::move(next->w);
    EXPECT_TRUE(Restart()->dialogs.messages.empty());
}

TEST_F(RecoveryCopy, DamagedCopyIsReportedAndDiscarded) {
    ChangeAndKeep();
    const QByteArray whole = ReadBytes(copy);
    for (const QByteArray& damaged : {whole.left(whole.size() / 2), QByteArray("\"unfinished\r\n")}) {
        SCOPED_TRACE(damaged.size());
        WriteBytes(copy, damaged);
        const auto next = Restart();
        ASSERT_EQ(next->dialogs.messages.size(), 1u);
        const auto& shown = next->dialogs.messages[0];
        EXPECT_TRUE(
            shown.text.startsWith(QStringLiteral("The recovery copy of unsaved work could not be read and "
                                                 "was discarded. Cannot open the design file ")))
            << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains("record"_q)) << shown.text.toStdString();
        EXPECT_EQ(shown.buttons, Dialogs::Buttons::Ok);
        EXPECT_FALSE(CopyExists());
        EXPECT_TRUE(next->doc.Saved());
        EXPECT_EQ(next->doc.ctx.design.WeightClass, 1);  // a new design
    }
}

TEST_F(RecoveryCopy, EveryWindowKeepsItsOwnCopyAndEachIsOfferedLater) {
    Find<QLineEdit>(*form, "TextMechName")->setText("First"_q);
    ChangeAndKeep();
    const QByteArray first = ReadBytes(copy);

    // A second window beside it: the first one's copy is neither offered nor touched, and the
    // second keeps its own work in a file of its own.
    Document other(GuiShippedCatalog());
    FakeDialogs otherDialogs;
    auto second = std::make_unique<MainForm>(other, *settings, otherDialogs, platform);
    Recovery& secondCopy = second->Files().RecoveryCopy();
    secondCopy.SetFolder(folder);
    ASSERT_TRUE(second->Form_Load({}));
    EXPECT_TRUE(otherDialogs.messages.empty());
    EXPECT_NE(secondCopy.CopyPath(), copy);
    Find<QLineEdit>(*second, "TextMechName")->setText("Second"_q);
    Choose(Find<QComboBox>(*second, "ComboType"), 4);
    secondCopy.EndSession();  // as a logout ends it
    EXPECT_EQ(ReadBytes(secondCopy.CopyPath()), DesignBytes(other.ctx.design));
    EXPECT_EQ(ReadBytes(copy), first);

    // Both end without closing. The next start offers both, whichever program wrote them.
    second.reset();
    const auto next = Restart({Dialogs::Answer::Discard, Dialogs::Answer::Restore});
    ASSERT_EQ(next->dialogs.messages.size(), 2u);
    const bool firstAskedFirst = next->dialogs.messages[0].text.contains("First"_q);
    EXPECT_TRUE(next->dialogs.messages[firstAskedFirst ? 1 : 0].text.contains("Second"_q));
    EXPECT_EQ(next->doc.ctx.design.MechName, firstAskedFirst ? "Second" : "First");
    // The discarded one is gone, the restored one goes on as the new window's copy.
    EXPECT_EQ(QDir(folder).entryList({"*.vnt"_q}, QDir::Files).size(), 1);
    EXPECT_EQ(ReadBytes(next->w->Files().RecoveryCopy().CopyPath()), DesignBytes(next->doc.ctx.design));
}

TEST_F(RecoveryCopy, AWindowThatCanKeepNoCopySaysSoWhenItStarts) {
    form.reset();
    const QString plainFile = dir.filePath("not-a-folder"_q);
    WriteBytes(plainFile, "x");
    for (const QString& where : {plainFile, plainFile + "/below"_q}) {
        SCOPED_TRACE(where.toStdString());
        folder = where;
        const auto next = Restart();
        ASSERT_EQ(next->dialogs.messages.size(), 1u);
        EXPECT_TRUE(next->dialogs.messages[0].text.startsWith(
            "No recovery copy of unsaved work can be kept in "_q + where + ": "_q))
            << next->dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(next->dialogs.messages[0].text.endsWith("save your work to keep it."_q));
    }

    // A full disk: the folder is there, but not even the lock file can be written.
    folder = dir.filePath("full"_q);
    ASSERT_TRUE(QDir().mkpath(folder));
    std::unique_ptr<Start> next;
    {
        const FileSizeLimit full(0);
        ASSERT_TRUE(full.ok());
        next = Restart();
    }
    EXPECT_EQ(next->dialogs.texts(),
              QStringList{"No recovery copy of unsaved work can be kept in "_q + folder +
                          ": no file can be written there. A crash or the end of the session "
                          "would lose unsaved changes: save your work to keep it."_q});
}

TEST_F(RecoveryCopy, NotesTypedButNotAppliedAreKept) {
    form->MHistory_Click();
    HistoryForm* history = form->HistoryWindow();
    ASSERT_NE(history, nullptr);
    QTest::keyClicks(Find<NoQuoteTextEdit>(*history, "TextHistory"), "Built for the siege"_q);
    QTest::keyClick(Find<NoQuoteTextEdit>(*history, "TextHistory"), Qt::Key_Return);
    QTest::keyClicks(Find<NoQuoteTextEdit>(*history, "TextHistory"), "of Luthien"_q);
    // Typing alone starts the write; the design itself is not touched.
    EXPECT_TRUE(Rec().Pending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return CopyExists(); }, 5000));
    EXPECT_EQ(d().History, "");
    Design withNotes = d();
    withNotes.History = "Built for the siege\r\nof Luthien";
    EXPECT_EQ(ReadBytes(copy), DesignBytes(withNotes));

    // A crash now, and the next start brings the notes back.
    const auto next = Restart({Dialogs::Answer::Restore});
    EXPECT_EQ(next->doc.ctx.design.History, withNotes.History);
    EXPECT_FALSE(next->doc.Saved());
}

// A folder nobody may add files to: the mode does not stop root, so root makes it immutable too.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path).toStdString()) {
        ok_ = ::chmod(path_.c_str(), 0555) == 0 && (::geteuid() != 0 || SetImmutable(true));
    }
    ~ReadOnlyFolder() {
        if (::geteuid() == 0) SetImmutable(false);
        ::chmod(path_.c_str(), 0755);
    }
    bool ok() const { return ok_; }

private:
    bool SetImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    std::string path_;
    bool ok_ = false;
};

TEST_F(RecoveryCopy, ACopyInAReadOnlyFolderIsStillOfferedAndWhatHappensIsSaid) {
    Find<QLineEdit>(*form, "TextMechName")->setText("Kept"_q);
    ChangeAndKeep();
    const QByteArray kept = ReadBytes(copy);
    form.reset();
    {
        const ReadOnlyFolder readOnly(folder);
        if (!readOnly.ok()) GTEST_SKIP() << "the folder cannot be made read-only here";

        // Discard cannot remove it: said, and it stays for the next start.
        const auto next = Restart({Dialogs::Answer::Discard});
        ASSERT_EQ(next->dialogs.messages.size(), 3u);
        EXPECT_TRUE(next->dialogs.messages[0].text.startsWith("Unsaved changes to Kept were kept"_q));
        EXPECT_TRUE(next->dialogs.messages[1].text.startsWith("The recovery copy "_q + copy +
                                                              " could not be removed ("_q))
            << next->dialogs.messages[1].text.toStdString();
        EXPECT_TRUE(
            next->dialogs.messages[1].text.endsWith(") and will be offered again at the next start."_q));
        EXPECT_TRUE(
            next->dialogs.messages[2].text.startsWith("No recovery copy of unsaved work can be kept in "_q));
        EXPECT_EQ(ReadBytes(copy), kept);

        // Restore brings the work back.
        form = std::move(next->w);
        const auto third = Restart({Dialogs::Answer::Restore});
        ASSERT_GE(third->dialogs.messages.size(), 1u);
        EXPECT_EQ(third->doc.ctx.design.MechName, "Kept");
        EXPECT_EQ(DesignBytes(third->doc.ctx.design), kept);
    }
}

TEST_F(RecoveryCopy, AFolderWhereACopyWouldBeIsNotReportedAsDiscarded) {
    form.reset();
    QDir(folder).mkpath("recovery.vnt"_q);
    for (int start = 0; start < 2; ++start) {
        const auto next = Restart();
        ASSERT_EQ(next->dialogs.messages.size(), 1u);
        EXPECT_EQ(next->dialogs.messages[0].text,
                  "The recovery copy "_q + QDir(folder).filePath("recovery.vnt"_q) +
                      " is a folder, not a file: it holds no unsaved work and was "
                      "left as it is."_q);
        EXPECT_TRUE(QFileInfo(QDir(folder).filePath("recovery.vnt"_q)).isDir());
        EXPECT_TRUE(next->doc.Saved());
        form = nullptr;
    }
}

// SIGTERM or SIGHUP reach the event loop; the session ends there without a question.
class EndedBySignal : public RecoveryCopy {
protected:
    int RunUntilSignal(int signalNumber) {
        TerminationSignals watcher;
        EXPECT_TRUE(watcher.Active());
        QObject::connect(&watcher, &TerminationSignals::received, form.get(), [this] { Rec().EndSession(); });
        QTimer::singleShot(0, form.get(), [signalNumber] { std::raise(signalNumber); });
        QTimer guard;  // a loop the signal did not end fails instead of hanging
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        return QApplication::exec();
    }
};

TEST_F(EndedBySignal, SigtermKeepsTheUnsavedDesign) {
    Change();
    EXPECT_EQ(RunUntilSignal(SIGTERM), 0);
    ASSERT_TRUE(CopyExists());
    EXPECT_EQ(ReadBytes(copy), DesignBytes(d()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form->isVisible());  // ended, not closed: closing would have asked
}

TEST_F(EndedBySignal, SighupWithNothingUnsavedJustEnds) {
    struct sigaction before {};
    ::sigaction(SIGHUP, nullptr, &before);
    EXPECT_EQ(RunUntilSignal(SIGHUP), 0);
    EXPECT_FALSE(CopyExists());
    EXPECT_TRUE(dialogs.messages.empty());
    // The watcher gave the signals back as it found them.
    struct sigaction now {};
    ::sigaction(SIGHUP, nullptr, &now);
    EXPECT_EQ(now.sa_handler, before.sa_handler);
}

}  // namespace vantrel::test
