// The program's start-up builds only the first page before the window shows; the others come once it
// has been drawn, or as soon as anything needs them. Built late, they show exactly what pages built at
// once show, and the window's least size is the same.

#include "MainFormFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QScrollArea>

#include <functional>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

const QString kQuadTurret = QStringLiteral(VANTREL_SOURCE_DIR "/tests/data/quad-turret/design.vnt");

// Everything a person can see or hear of each named control, one line each, under its path of names:
// texts, choices, lists, slider ranges, ticks, what is hidden or shut, tips and spoken names.
QStringList Shown(const QWidget& window) {
    QStringList out;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_s)) continue;
        QString path = w->objectName();
        for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
            if (!p->objectName().isEmpty() && !p->objectName().startsWith(u"qt_"_s))
                path = p->objectName() + u'/' + path;
        QStringList state{QString::fromLatin1(w->metaObject()->className()),
                          w->isHidden() ? u"hidden"_s : u"shown"_s, w->isEnabled() ? u"on"_s : u"off"_s,
                          w->toolTip(), w->accessibleName()};
        if (const auto* label = qobject_cast<const QLabel*>(w)) state << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            state << button->text() << (button->isChecked() ? u"ticked"_s : u"clear"_s);
        if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            state << QString::number(box->currentIndex());
            for (int i = 0; i < box->count(); ++i) state << box->itemText(i);
        }
        if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
            state << u"%1..%2 at %3"_s.arg(slider->minimum()).arg(slider->maximum()).arg(slider->value());
        if (const auto* line = qobject_cast<const QLineEdit*>(w)) state << line->text();
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model())
            for (int row = 0; row < view->model()->rowCount(); ++row)
                state << view->model()->index(row, 0).data().toString();
        out << path + u": "_s + state.join(u" | "_s);
    }
    out.sort();
    return out;
}

// The window's Tab order from the name box round to it again.
QStringList TabWalk(QWidget& window) {
    QStringList out;
    QWidget* first = Find<QLineEdit>(window, "TextMechName");
    QWidget* w = first;
    do {
        if (!w->objectName().isEmpty() && w->focusPolicy() & Qt::TabFocus) out << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && out.size() < 1000);
    return out;
}

// The first lines that differ, so a failure names the control.
std::string Difference(const QStringList& a, const QStringList& b) {
    std::string out;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()) && out.size() < 2000; ++i) {
        const QString x = i < a.size() ? a[i] : QString(), y = i < b.size() ? b[i] : QString();
        if (x != y) out += "\n  at once: " + x.toStdString() + "\n  later:   " + y.toStdString();
    }
    return out;
}

class LaterPages : public MainFormHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings->Write(kKeySplash, u"1"_s);
        settings->Write(kKeyFileAssoc, u"1"_s);
        ctx.catalog = GuiShippedCatalog();
    }

    // As the program starts: built, loaded, then shown. `whole` builds every page at once.
    std::unique_ptr<MainForm> Start(bool whole, const QStringList& args = {}) {
        auto w =
            std::make_unique<MainForm>(doc, *settings, dialogs, platform, nullptr,
                                       whole ? MainForm::PagesAtStart::All : MainForm::PagesAtStart::First);
        w->Files().RecoveryCopy().SetFolder(dir.filePath(u"recovery"_s));
        EXPECT_TRUE(w->Form_Load(args));
        w->show();
        return w;
    }

    // The same start, once with every page at once and once with the later pages built late; what
    // each window shows afterwards is compared.
    // `gestures` run on both windows, on the later one before its pages are built.
    void ExpectSameWindows(const QStringList& args, const std::function<void(MainForm&)>& gestures) {
        const Context before = ctx;
        auto whole = Start(true, args);
        gestures(*whole);
        QApplication::processEvents();
        const QStringList wanted = Shown(*whole);
        const QStringList walk = TabWalk(*whole);
        const QSize least = whole->minimumSize();
        const std::size_t steps = whole->Edits().History().UndoCount();
        whole.reset();

        ctx = before;
        auto later = Start(false, args);
        EXPECT_FALSE(later->PagesBuilt());
        gestures(*later);
        QApplication::processEvents();
        EXPECT_TRUE(later->PagesBuilt());
        const QStringList got = Shown(*later);
        EXPECT_EQ(got, wanted) << Difference(wanted, got);
        EXPECT_EQ(TabWalk(*later), walk);
        EXPECT_EQ(later->minimumSize(), least);
        EXPECT_EQ(later->Edits().History().UndoCount(), steps);
        EXPECT_TRUE(doc.Saved());
    }
};

TEST_F(LaterPages, AreBuiltOnceTheWindowHasBeenDrawn) {
    auto w = Start(false);
    EXPECT_FALSE(w->PagesBuilt());
    EXPECT_EQ(w->findChild<QWidget*>(u"Frame3"_s), nullptr);
    // The first page and the status line are whole before.
    EXPECT_TRUE(Find<QWidget>(*w, "Frame1")->isVisible());
    EXPECT_EQ(Find<QComboBox>(*w, "ComboType")->currentText(), "Light - 750 Kg"_q);
    EXPECT_FALSE(FindAt<QLabel>(*w, "StatBar", 1)->text().isEmpty());
    for (int round = 0; round < 5 && !w->PagesBuilt(); ++round) QApplication::processEvents();
    EXPECT_TRUE(w->PagesBuilt());
    EXPECT_TRUE(Find<QWidget>(*w, "Frame1")->isVisible());
    EXPECT_TRUE(Find<QWidget>(*w, "Frame3")->isHidden());
}

TEST_F(LaterPages, ShowWhatPagesBuiltAtOnceShow) {
    const auto drawn = [](MainForm&) {
        for (int round = 0; round < 5; ++round) QApplication::processEvents();
    };
    ExpectSameWindows({}, drawn);
    // A quad with a turret from the command line: the quad slot page, the armor list, the lists.
    ExpectSameWindows({kQuadTurret}, drawn);
}

// A switch to a page before the build builds it, and the page shows its controls and the design.
TEST_F(LaterPages, EveryPageShowsItsControlsAfterASwitch) {
    for (int tab = 1; tab < 4; ++tab) {
        auto w = Start(false, {kQuadTurret});
        ASSERT_FALSE(w->PagesBuilt());
        Find<QTabBar>(*w, "TabStrip1")->setCurrentIndex(tab);
        ASSERT_TRUE(w->PagesBuilt());
        const char* const frames[] = {"Frame1", "Frame2", "Frame3", "Frame4B"};
        for (int f = 0; f < 4; ++f) EXPECT_EQ(Find<QWidget>(*w, frames[f])->isVisible(), f == tab) << tab;
        QWidget* page = Find<QWidget>(*w, frames[tab]);
        int shown = 0;
        for (const QWidget* c : page->findChildren<QWidget*>())
            if (!c->objectName().isEmpty() && c->isVisible() && c->width() > 0 && c->height() > 0) ++shown;
        EXPECT_GT(shown, 5) << frames[tab];
        switch (tab) {
            case 1:
                EXPECT_EQ(Find<QComboBox>(*w, "ComboAType")->currentText(),
                          QString::fromStdString(ctx.armorList.text));
                break;
            case 2: EXPECT_GT(Find<EntryList>(*w, "AvList")->Entries()->rowCount(), 10); break;
            default: {
                // The design's slots are written into the labels.
                int taken = 0;
                for (const SlotLabel* label : page->findChildren<SlotLabel*>())
                    if (label->isVisible() && !label->text().trimmed().isEmpty()) ++taken;
                EXPECT_GT(taken, 3);
                break;
            }
        }
        EXPECT_EQ(w->Edits().History().UndoCount(), 0u);
        EXPECT_TRUE(doc.Saved());
    }
    // After a switch, the windows agree with one built whole.
    ExpectSameWindows({kQuadTurret}, [](MainForm& w) {
        Find<QTabBar>(w, "TabStrip1")->setCurrentIndex(3);
        Find<QTabBar>(w, "TabStrip1")->setCurrentIndex(0);
    });
}

// A gesture on the first page before the build cascades into the later pages as it does into pages
// built at once: the same design, the same undo step, the same pages.
TEST_F(LaterPages, AGestureBeforeTheBuildReachesThemAsWell) {
    std::vector<Design> designs;
    std::vector<QStringList> shown;
    for (const bool whole : {true, false}) {
        ctx = Context{};
        ctx.catalog = GuiShippedCatalog();
        auto w = Start(whole, {kQuadTurret});
        Find<QComboBox>(*w, "ComboType")->setCurrentIndex(1);
        EXPECT_EQ(w->PagesBuilt(), whole);
        for (int round = 0; round < 5; ++round) QApplication::processEvents();
        ASSERT_TRUE(w->PagesBuilt());
        Find<QTabBar>(*w, "TabStrip1")->setCurrentIndex(3);
        designs.push_back(ctx.design);
        shown.push_back(Shown(*w));
        EXPECT_EQ(w->Edits().History().UndoCount(), 1u);
    }
    EXPECT_TRUE(designs[0] == designs[1]);
    EXPECT_EQ(shown[1], shown[0]) << Difference(shown[0], shown[1]);
}

// The least size: pinned at the classic font, and at a large desktop font the size every page needs,
// not the first page's.
TEST_F(LaterPages, LeaveTheLeastSizeAsPagesBuiltAtOnce) {
    for (const qreal points : {0.0, 12.0}) {
        const QFont desktop = QApplication::font();
        if (points > 0) {
            QFont f = desktop;
            f.setPointSizeF(points);
            QApplication::setFont(f);
        }
        auto whole = Start(true);
        QApplication::processEvents();
        auto later = Start(false);
        for (int round = 0; round < 5; ++round) QApplication::processEvents();
        ASSERT_TRUE(later->PagesBuilt());
        EXPECT_EQ(later->minimumSize(), whole->minimumSize()) << points;
        EXPECT_EQ(later->minimumSizeHint(), whole->minimumSizeHint()) << points;
        EXPECT_EQ(later->size(), whole->size()) << points;
        // Built by a switch to a page, at once, before the event loop turns.
        auto switched = Start(false);
        Find<QTabBar>(*switched, "TabStrip1")->setCurrentIndex(2);
        EXPECT_EQ(switched->minimumSize(), whole->minimumSize()) << points;
        EXPECT_EQ(switched->size(), whole->size()) << points;
        // Every page fits without scrolling, as in the window built whole.
        auto* scroll = Find<QScrollArea>(*later, "PageScroll");
        EXPECT_GE(scroll->viewport()->height(), scroll->widget()->minimumSizeHint().height()) << points;
        if (points == 0) {
            EXPECT_EQ(later->minimumSize(), QSize(760, 540));
        }
        if (points > 0) {
            EXPECT_GT(later->minimumWidth(), 760);
            QApplication::setFont(desktop);
        }
    }
}

}  // namespace
}  // namespace vantrel::test
