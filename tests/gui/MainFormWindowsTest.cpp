// The auxiliary windows opened from the main window's menu: one of each, not modal, and their
// effects on the main window.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "ui/AboutForm.h"
#include "ui/HistoryForm.h"
#include "ui/OptionsForm.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vantrel::test {
namespace {

using MainFormWindowsTest = MainFormFixture;

TEST_F(MainFormWindowsTest, PreferencesOpenOnceAndMoveTheBipedLineAtOnce) {
    Find<QAction>(*form, "MPreferences")->trigger();
    OptionsForm* options = form->OptionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_TRUE(FindAt<QRadioButton>(*options, "Biped", 0)->isChecked());

    // Asked for again while open: the same window, its choices kept.
    FindAt<QRadioButton>(*options, "Biped", 1)->click();
    Find<QAction>(*form, "MPreferences")->trigger();
    EXPECT_EQ(form->OptionsWindow(), options);
    EXPECT_EQ(form->findChildren<OptionsForm*>().size(), 1);
    EXPECT_TRUE(FindAt<QRadioButton>(*options, "Biped", 1)->isChecked());

    Find<QPushButton>(*options, "cmdOK")->click();
    EXPECT_EQ(form->BipedLine(), 1);

    // Opened after closing, it reads the settings again.
    settings->Write(kKeyBiped, "0"_q);
    form->MPreferences_Click();
    EXPECT_EQ(form->OptionsWindow(), options);
    EXPECT_TRUE(FindAt<QRadioButton>(*options, "Biped", 0)->isChecked());
    Find<QPushButton>(*options, "cmdCancel")->click();
    EXPECT_EQ(form->BipedLine(), 1);  // Cancel moves nothing
}

TEST_F(MainFormWindowsTest, HistoryNotesAreAChangeTypedOrApplied) {
    Find<QAction>(*form, "MHistory")->trigger();
    HistoryForm* history = form->HistoryWindow();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->windowTitle(), "History - Battle Armor"_q);
    EXPECT_TRUE(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText().isEmpty());

    Find<NoQuoteTextEdit>(*history, "TextHistory")->setPlainText("Raid notes\nsecond line"_q);
    form->MHistory_Click();  // already open: brought forward, the typing kept
    EXPECT_EQ(form->findChildren<HistoryForm*>().size(), 1);
    EXPECT_EQ(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText(), "Raid notes\nsecond line"_q);

    // Typed and not applied yet: closing asks, and Cancel keeps the window and the typing.
    ASSERT_TRUE(doc.Saved());
    EXPECT_FALSE(form->Files().Form_QueryUnload());
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    EXPECT_EQ(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText(), "Raid notes\nsecond line"_q);
    dialogs.messages.clear();

    const QStringList panels = Panels();
    Find<QPushButton>(*history, "ComChange")->click();
    EXPECT_EQ(d().History, "Raid notes\r\nsecond line");
    EXPECT_FALSE(doc.Saved());
    EXPECT_EQ(Panels(), panels);
    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    EXPECT_FALSE(form->Files().Form_QueryUnload());
    EXPECT_EQ(dialogs.texts(), QStringList{"Save changes to Battle Armor?"_q});
    dialogs.messages.clear();
    // Typed back to the notes as they were: nothing to ask.
    form->MHistory_Click();
    Find<NoQuoteTextEdit>(*history, "TextHistory")->clear();
    Find<QPushButton>(*history, "ComChange")->click();
    EXPECT_TRUE(doc.Saved());
    EXPECT_TRUE(form->Files().Form_QueryUnload());
    EXPECT_TRUE(dialogs.messages.empty());
    form->MHistory_Click();
    Find<NoQuoteTextEdit>(*history, "TextHistory")->setPlainText("Raid notes\nsecond line"_q);
    Find<QPushButton>(*history, "ComChange")->click();

    // The caption follows the name when opened again.
    d().MechName = "Grenadier";
    form->MHistory_Click();
    EXPECT_EQ(form->HistoryWindow(), history);
    EXPECT_EQ(history->windowTitle(), "History - Grenadier"_q);
    EXPECT_EQ(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText(), "Raid notes\nsecond line"_q);
    Find<NoQuoteTextEdit>(*history, "TextHistory")->setPlainText("not kept"_q);
    Find<QPushButton>(*history, "ComCancel")->click();
    EXPECT_EQ(d().History, "Raid notes\r\nsecond line");
}

// New replaces the design under an open history window: the window shows the new notes, so Change
// cannot carry the old design's notes over.
TEST_F(MainFormWindowsTest, OpenHistoryWindowFollowsNew) {
    d().History = "Old notes";
    form->MHistory_Click();
    HistoryForm* history = form->HistoryWindow();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText(), "Old notes"_q);
    form->Edits().MarkSaved();
    form->Files().MNew_Click();
    EXPECT_TRUE(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText().isEmpty());
    Find<QPushButton>(*history, "ComChange")->click();
    EXPECT_TRUE(d().History.empty());
}

TEST_F(MainFormWindowsTest, AboutOpensOnceAndStartsFromTheFirstPicture) {
    Find<QAction>(*form, "MAbout2")->trigger();
    AboutForm* about = form->AboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    about->frameMs = 0;
    about->Picture2_Click();
    about->PresLabel_Click();
    EXPECT_EQ(about->PictureState, 2);
    EXPECT_EQ(about->LineIndex, 2);

    form->MAbout_Click();  // open: nothing restarts
    EXPECT_EQ(form->findChildren<AboutForm*>().size(), 1);
    EXPECT_EQ(about->PictureState, 2);
    EXPECT_TRUE(Find<QTimer>(*about, "Timer1")->isActive());

    about->close();
    EXPECT_FALSE(Find<QTimer>(*about, "Timer1")->isActive());  // closing ends the text fade
    form->MAbout_Click();
    EXPECT_EQ(form->AboutWindow(), about);
    EXPECT_EQ(about->PictureState, 1);
    EXPECT_EQ(about->LineIndex, 1);
    EXPECT_EQ(Find<ClickLabel>(*about, "PresLabel")->text(), AboutForm::CreditLine(1));
}

}  // namespace
}  // namespace vantrel::test
