// Help: F1 opens the user guide shipped with the program, the Help menu leaves the other menus as
// they were, and every control of the main window and of the preferences says what it sets.

#include "MainFormFixture.h"
#include "ui/HelpForm.h"
#include "ui/OptionsForm.h"

#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class HelpTest : public MainFormFixture {};

TEST_F(HelpTest, F1OpensTheGuideWhichCoversTheMainTasks) {
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(form->HelpWindow(), nullptr);
    QTest::keyClick(form.get(), Qt::Key_F1);
    HelpForm* help = form->HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), u"Vantrel Help"_s);
    const QString guide = Find<QTextBrowser>(*help, "TextGuide")->toPlainText();
    for (const QString& part : {u"Building a suit"_s, u"Add >>"_s, u"without a mouse"_s, u"Place All"_s,
                                u"Design Check"_s, u"Record Sheet"_s, u"--record-sheet"_s, u"--summary"_s})
        EXPECT_TRUE(guide.contains(part)) << part.toStdString();
    if (const QByteArray shots = qgetenv("VANTREL_SHOTS"); !shots.isEmpty())
        help->grab().save(QString::fromLocal8Bit(shots) + u"/help.png"_s);

    // Escape closes it; opened again, the same window shows the guide from its start.
    Find<QTextBrowser>(*help, "TextGuide")
        ->verticalScrollBar()
        ->setValue(Find<QTextBrowser>(*help, "TextGuide")->verticalScrollBar()->maximum());
    QTest::keyClick(Find<QTextBrowser>(*help, "TextGuide"), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    Act("MHelpGuide")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(form->findChildren<HelpForm*>().size(), 1);
    EXPECT_EQ(Find<QTextBrowser>(*help, "TextGuide")->verticalScrollBar()->value(), 0);
}

TEST_F(HelpTest, HelpMenuComesLastAndLeavesTheOtherMenusAlone) {
    QStringList titles;
    QSet<QChar> keys;
    for (QAction* a : form->menuBar()->actions()) {
        titles << a->text();
        const int amp = a->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << a->text().toStdString();
        EXPECT_FALSE(keys.contains(a->text().at(amp + 1).toLower())) << a->text().toStdString();
        keys.insert(a->text().at(amp + 1).toLower());
    }
    EXPECT_EQ(titles, (QStringList{u"&File"_s, u"&Edit"_s, u"&Options"_s, u"&About"_s, u"&Help"_s}));
    EXPECT_EQ(Act("MAbout2")->text(), u"&About Vantrel Beta 0.1..."_s);
    EXPECT_EQ(Act("MHelpGuide")->text(), u"Vantrel &Help"_s);
    EXPECT_EQ(Act("MHelpGuide")->shortcut(), QKeySequence(Qt::Key_F1));
    // No other command of the window takes F1.
    for (QAction* a : form->findChildren<QAction*>())
        if (a != Act("MHelpGuide")) {
            EXPECT_FALSE(a->shortcuts().contains(QKeySequence(Qt::Key_F1))) << a->text().toStdString();
        }
}

TEST_F(HelpTest, EveryControlSaysWhatItSets) {
    UseLayout(true);  // the quad page built and named too
    int controls = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        const bool control = w->focusPolicy() != Qt::NoFocus && !name.isEmpty() &&
                             !name.startsWith(u"qt_"_s) && w->window() == form.get() &&
                             !qobject_cast<QScrollBar*>(w);
        if (!control && !name.startsWith(u"StatBar_"_s)) continue;
        // Read-only values (the item information) and the tab strip's own scroll arrows set nothing.
        if ((qobject_cast<QLabel*>(w) && !qobject_cast<SlotLabel*>(w) && !name.startsWith(u"StatBar_"_s)) ||
            qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        ++controls;
        EXPECT_FALSE(w->toolTip().isEmpty()) << name.toStdString();
    }
    EXPECT_GT(controls, 80);  // the pages' controls and every slot label
    EXPECT_TRUE(Slider("ArmorSlide")->toolTip().contains(u"0 up to"_s));
    EXPECT_TRUE(Combo("ComboType")->toolTip().contains(u"1,900"_s));

    form->MPreferences_Click();
    OptionsForm* options = form->OptionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(Find<QCheckBox>(*options, "SplashChk")->toolTip().contains(u"next start"_s));
    EXPECT_TRUE(Find<QRadioButton>(*options, "Biped_0")->toolTip().contains(u"happy"_s));
    EXPECT_TRUE(Find<QRadioButton>(*options, "Biped_1")->toolTip().contains(u"sad"_s));
}

}  // namespace
}  // namespace vantrel::test
