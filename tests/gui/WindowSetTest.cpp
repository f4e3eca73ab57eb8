// Several main windows: each its own design, undo history and unsaved-changes question over the one
// catalog; one recent-files list; Quit asks window by window.

#include "ui/WindowSet.h"

#include "MainFormFixture.h"
#include "files/DesignFile.h"

#include <QApplication>
#include <QMenu>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class WindowSetTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(u"settings.ini"_s)};
    FakeDialogs dialogs;
    RecordingPlatform platform;
    std::unique_ptr<WindowSet> set;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings.Write(kKeySplash, u"1"_s);
        settings.Write(kKeyFileAssoc, u"1"_s);
        set = std::make_unique<WindowSet>(GuiShippedCatalog(), settings, dialogs, platform);
        set->recoveryFolder = dir.filePath(u"recovery"_s);
    }

    static QAction* Act(const MainForm& w, const char* name) { return Find<QAction>(w, name); }
    static QString Name(const MainForm& w) { return Find<QLineEdit>(w, "TextMechName")->text(); }
    static int WeightClass(const MainForm& w) { return Find<QComboBox>(w, "ComboType")->currentIndex(); }
    // Lets the windows closed so far go, as the event loop does.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QString SavedDesign(const char* file, const char* name) {
        Design d;
        NewDesign(d);
        d.MechName = name;
        const QString path = dir.filePath(QString::fromLatin1(file));
        std::string error;
        EXPECT_TRUE(DoSaveAs(d, path.toStdString(), error)) << error;
        return path;
    }
};

TEST_F(WindowSetTest, TwoWindowsEditTwoDesignsAndUndoEachOnItsOwn) {
    MainForm* first = set->Start({});
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(Act(*first, "MNewWindow")->isVisible());
    EXPECT_EQ(Act(*first, "MNewWindow")->shortcut(), QKeySequence(u"Ctrl+Shift+N"_s));
    Act(*first, "MNewWindow")->trigger();
    ASSERT_EQ(set->Windows().size(), 2u);
    MainForm* second = set->Windows()[1];
    EXPECT_TRUE(second->isVisible());
    EXPECT_NE(second->pos(), first->pos());  // not stacked exactly on the first

    const int startClass = WeightClass(*first);
    const QString startName = Name(*second);
    Find<QComboBox>(*first, "ComboType")->setCurrentIndex(3);
    Find<QLineEdit>(*second, "TextMechName")->setText(u"Raven"_s);
    EXPECT_EQ(WeightClass(*first), 3);
    EXPECT_EQ(WeightClass(*second), startClass);
    EXPECT_EQ(Name(*first), startName);
    EXPECT_EQ(Act(*first, "MUndo")->text(), u"&Undo Weight Class"_s);
    EXPECT_TRUE(Act(*second, "MUndo")->text().startsWith(u"&Undo "_s));
    EXPECT_NE(Act(*second, "MUndo")->text(), Act(*first, "MUndo")->text());

    Act(*first, "MUndo")->trigger();
    EXPECT_EQ(WeightClass(*first), startClass);
    EXPECT_EQ(Name(*second), u"Raven"_s);  // the other window's design is untouched
    EXPECT_FALSE(Act(*first, "MUndo")->isEnabled());
    EXPECT_TRUE(Act(*second, "MUndo")->isEnabled());
    Act(*second, "MUndo")->trigger();
    EXPECT_EQ(Name(*second), startName);
    EXPECT_EQ(second->windowTitle(), u"Vantrel - "_s + startName);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowSetTest, QuitAsksEachChangedWindowAndCancelStopsIt) {
    MainForm* first = set->Start({});
    ASSERT_NE(first, nullptr);
    MainForm* second = set->NewWindow();
    MainForm* third = set->NewWindow();
    Find<QLineEdit>(*first, "TextMechName")->setText(u"Alpha"_s);
    Find<QLineEdit>(*third, "TextMechName")->setText(u"Gamma"_s);

    // The first changed window is let go unsaved, the unchanged one asks nothing, Cancel on the last
    // one ends the quit with it still open.
    dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Cancel};
    Act(*second, "MQuit")->trigger();
    EXPECT_EQ(dialogs.texts(), (QStringList{u"Save changes to Alpha?"_s, u"Save changes to Gamma?"_s}));
    Settle();
    ASSERT_EQ(set->Windows().size(), 1u);
    EXPECT_EQ(set->Windows()[0], third);
    EXPECT_TRUE(third->isVisible());
    EXPECT_EQ(Name(*third), u"Gamma"_s);

    // Closing the last window leaves no window of the program, hidden or shown, to keep it running.
    dialogs.messages.clear();
    dialogs.answers = {Dialogs::Answer::No};
    third->close();
    Settle();
    EXPECT_TRUE(set->Windows().empty());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(WindowSetTest, OpenInNewWindowAndTheSharedRecentList) {
    MainForm* first = set->Start({});
    ASSERT_NE(first, nullptr);
    Find<QLineEdit>(*first, "TextMechName")->setText(u"Draft"_s);
    const QString path = SavedDesign("wolf.vnt", "Wolf");

    dialogs.fileNames.push_back(path);
    Act(*first, "MOpenNewWindow")->trigger();
    ASSERT_EQ(set->Windows().size(), 2u);
    MainForm* opened = set->Windows()[1];
    EXPECT_EQ(Name(*opened), u"Wolf"_s);
    EXPECT_EQ(opened->windowTitle(), u"Vantrel - Wolf"_s);
    EXPECT_EQ(Name(*first), u"Draft"_s);  // no question: the first window keeps its work
    EXPECT_TRUE(dialogs.messages.empty());

    // The file went to the one list every window's menu shows.
    for (MainForm* w : set->Windows()) {
        QMenu* recent = Find<QMenu>(*w, "MRecent");
        ASSERT_FALSE(recent->actions().isEmpty());
        EXPECT_TRUE(recent->actions()[0]->text().endsWith(u"wolf.vnt"_s))
            << recent->actions()[0]->text().toStdString();
    }

    // A file that is not a design says so and leaves no window behind.
    const QString bad = dir.filePath(u"notes.vnt"_s);
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a design");
    f.close();
    set->OpenInNewWindow(bad);
    Settle();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(set->Windows().size(), 2u);
}

// Each window keeps its own copy; after a crash each kept design comes back in a window of its own.
TEST_F(WindowSetTest, EachKeptDesignComesBackInAWindowOfItsOwn) {
    MainForm* first = set->Start({});
    ASSERT_NE(first, nullptr);
    MainForm* second = set->NewWindow();
    Find<QLineEdit>(*first, "TextMechName")->setText(u"Alpha"_s);
    Find<QLineEdit>(*second, "TextMechName")->setText(u"Beta"_s);
    for (MainForm* w : set->Windows()) w->Files().RecoveryCopy().Flush();
    set.reset();  // gone without closing, as in a crash

    FakeDialogs answers;
    answers.answers = {Dialogs::Answer::Restore, Dialogs::Answer::Restore};
    WindowSet next(GuiShippedCatalog(), settings, answers, platform);
    next.recoveryFolder = dir.filePath(u"recovery"_s);
    ASSERT_NE(next.Start({}), nullptr);
    EXPECT_EQ(answers.messages.size(), 2u);
    ASSERT_EQ(next.Windows().size(), 2u);
    QStringList names;
    for (MainForm* w : next.Windows()) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->Edits().Changed());  // restored work is unsaved work
        names << Name(*w);
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{u"Alpha"_s, u"Beta"_s}));
}

}  // namespace
}  // namespace vantrel::test
