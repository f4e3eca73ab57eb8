// The main window fits the screen and the desktop's font: its laid-out size is the least it takes,
// more room goes to the lists and slot columns, and no page cuts a control off at the least size,
// also with a larger desktop font. Pictures are made for the screen's pixel ratio.

#include "MainFormFixture.h"
#include "ui/AboutForm.h"
#include "ui/ControlNames.h"
#include "ui/Faces.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <functional>
#include <tuple>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

const QSize kLaidOut(760, 540);

// The application font at `points` for the life of the object; the desktop's is put back after.
class DesktopFont {
public:
    explicit DesktopFont(qreal points) : saved_(QApplication::font()) {
        QFont f = saved_;
        f.setPointSizeF(points);
        QApplication::setFont(f);
    }
    ~DesktopFont() { QApplication::setFont(saved_); }
    DesktopFont(const DesktopFont&) = delete;
    DesktopFont& operator=(const DesktopFont&) = delete;

private:
    QFont saved_;
};

// Each failure names the widget, its parent and both rectangles.
std::string Describe(const QWidget* w) {
    const QRect g = w->geometry();
    return (QString::fromLatin1(w->metaObject()->className()) + u" "_s + w->objectName() + u" "_s +
            (qobject_cast<const QLabel*>(w) ? qobject_cast<const QLabel*>(w)->text() : QString()) +
            u" at %1,%2 %3x%4"_s.arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()))
        .toStdString();
}

// A scroll area of a control; the one around the pages holds them whole unless the screen is small.
bool IsScrollArea(const QObject* o) {
    return qobject_cast<const QAbstractScrollArea*>(o) && o->objectName() != u"PageScroll"_s;
}

// Whether `w` is one of the pieces a scroll area lays over its own frame (scroll bars, corner).
bool InsideScrollArea(const QWidget* w) {
    for (const QObject* p = w->parent(); p; p = p->parent())
        if (IsScrollArea(p)) return true;
    return false;
}

// Every shown widget under `top` lies inside its parent, is no smaller than it asked to be at
// least, and overlaps no shown sibling. `pageName` tells the failures apart.
void ExpectNothingCutOff(QWidget* top, const std::string& pageName) {
    const std::function<void(QWidget*)> visit = [&](QWidget* parent) {
        QList<QWidget*> shown;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || !w->isVisible()) continue;
            shown << w;
            const std::string what = pageName + ": " + Describe(w) + " in " + Describe(parent);
            EXPECT_TRUE(parent->rect().contains(w->geometry())) << what;
            if (!InsideScrollArea(w)) {
                EXPECT_GE(w->width(), w->minimumWidth()) << what;
                EXPECT_GE(w->height(), w->minimumHeight()) << what;
                const QSize least = w->minimumSizeHint();
                if (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->wordWrap() && least.isValid()) {
                    EXPECT_GE(w->width(), least.width()) << what;
                }
            }
            visit(w);
        }
        if (InsideScrollArea(parent) || IsScrollArea(parent)) return;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << pageName << ": " << Describe(shown[i]) << " overlaps " << Describe(shown[j]);
    };
    visit(top);
}

class WindowLayout : public MainFormFixture {
protected:
    void Show(int tab) {
        ShowPage(tab);
        QApplication::processEvents();
    }

    // All four pages and the quad slot page, at the window's present size.
    void ExpectEveryPageWhole(const std::string& when) {
        for (int tab = 0; tab < 4; ++tab) {
            Show(tab);
            ExpectNothingCutOff(form.get(), when + " page " + std::to_string(tab + 1));
        }
        UseLayout(true);
        QApplication::processEvents();
        ExpectNothingCutOff(form.get(), when + " quad slots");
        Show(0);
        Choose(Combo("ComboChassis"), 0);
    }
};

TEST_F(WindowLayout, LaidOutSizeIsTheLeastAndMoreRoomGoesToListsAndSlots) {
    EXPECT_EQ(form->size(), kLaidOut);
    EXPECT_EQ(form->minimumSize(), kLaidOut);
    EXPECT_GT(form->maximumWidth(), kLaidOut.width());
    form->resize(600, 400);  // held to the least size
    QApplication::processEvents();
    EXPECT_EQ(form->size(), kLaidOut);

    // Per page, the lists and slot columns that take the room.
    const std::tuple<int, bool, const char*> cases[] = {
        {2, false, "AvList SelList"                              },
        {3, false, "BodyCrit_0 RightCrit_0 LeftCrit_3 BipedOwned"},
        {3, true,  "QuadCrit_15 TurretCrit_0 QuadOwned"          },
    };
    for (const auto& [tab, quad, names] : cases) {
        form->resize(kLaidOut);
        Show(0);
        Choose(Combo("ComboChassis"), quad ? 1 : 0);
        if (quad) Choose(Combo("ComboTurret"), 2);
        Show(tab);
        std::vector<QWidget*> widgets;
        for (const QString& name : QString::fromLatin1(names).split(u' ')) {
            widgets.push_back(form->findChild<QWidget*>(name));
            ASSERT_NE(widgets.back(), nullptr) << name.toStdString();
        }
        std::vector<QSize> before;
        for (QWidget* w : widgets) before.push_back(w->size());
        form->resize(1100, 800);
        QApplication::processEvents();
        for (std::size_t i = 0; i < widgets.size(); ++i)
            EXPECT_GT(widgets[i]->width(), before[i].width() + 40) << Describe(widgets[i]);
        // The lists take the height as well; the slots keep theirs.
        for (QWidget* w : widgets) {
            if (qobject_cast<SlotLabel*>(w))
                EXPECT_EQ(w->height(), SlotAt(*Biped(), "BodyCrit", 1)->height()) << Describe(w);
            else
                EXPECT_GT(w->height(), 400) << Describe(w);
        }
        ExpectNothingCutOff(form.get(), "enlarged tab " + std::to_string(tab + 1));
    }
}

TEST_F(WindowLayout, NothingIsCutOffAtTheLeastSize) { ExpectEveryPageWhole("default font"); }

// The whole window made again under a 12 point desktop font.
class WindowLayoutLargeFont : public WindowLayout {
protected:
    DesktopFont font{12};  // set before SetUp makes the window
};

TEST_F(WindowLayoutLargeFont, TextsGrowAndTheWindowWithThemWithoutCuttingAnythingOff) {
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 12.0);
    EXPECT_DOUBLE_EQ(Lab("CapType")->font().pointSizeF(), 12.0);
    EXPECT_EQ(Lab("CapType")->font().family(),
              FixedFace(9).family());  // the face stays
    EXPECT_EQ(Find<QMenu>(*form, "MFile")->font(), form->font());
    EXPECT_GT(form->minimumWidth(), kLaidOut.width());
    EXPECT_GE(form->minimumHeight(), kLaidOut.height());
    EXPECT_EQ(form->size(), form->minimumSize());
    // The status panels share the window's width without overlapping.
    int panels = 0;
    for (int i = 1; i <= 7; ++i) panels += FindAt<QLabel>(*form, "StatBar", i)->minimumWidth();
    EXPECT_GE(form->width(), panels);
    EXPECT_GT(FindAt<SlotLabel>(*Biped(), "BodyCrit", 0)->height(), 20);
    EXPECT_EQ(FindAt<SlotLabel>(*Biped(), "BodyCrit", 0)->minimumWidth(), 320);

    ExpectEveryPageWhole("12 pt");

    // The about window widens for its longest credit line.
    AboutForm about;
    NameControls(about);
    about.Form_Load();
    about.show();
    QApplication::processEvents();
    const QFontMetrics metrics(Find<ClickLabel>(about, "PresLabel")->font());
    EXPECT_DOUBLE_EQ(Find<ClickLabel>(about, "PresLabel")->font().pointSizeF(), 11 * 12 / 9.0);
    for (int i = 1; i <= AboutForm::kCreditCount; ++i)
        EXPECT_LE(metrics.horizontalAdvance(AboutForm::CreditLine(i)),
                  Find<ClickLabel>(about, "PresLabel")->width())
            << i;
    EXPECT_GE(Find<ClickLabel>(about, "PresLabel")->height(), metrics.height());
    EXPECT_TRUE(about.rect().contains(Find<ClickLabel>(about, "PresLabel")->geometry()));
    EXPECT_TRUE(about.rect().contains(Find<ClickLabel>(about, "Picture2")->geometry()));
}

TEST(Faces, FollowTheDesktopSizeAndPicturesTheScreensPixels) {
    {
        const DesktopFont nine(9);
        EXPECT_DOUBLE_EQ(FixedFace(9).pointSizeF(), 9.0);
        EXPECT_EQ(ScaledPx(240), 240);
    }
    {
        const DesktopFont twelve(12);
        EXPECT_DOUBLE_EQ(FixedFace(9).pointSizeF(), 12.0);
        EXPECT_DOUBLE_EQ(FixedFace(11).pointSizeF(), 11 * 12 / 9.0);
        EXPECT_EQ(ScaledPx(240), 320);
    }
    {
        const DesktopFont absurd(200);  // held to four times the laid-out size
        EXPECT_DOUBLE_EQ(FixedFace(9).pointSizeF(), 36.0);
    }

    QImage picture(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) picture.setPixel(x, y, qRgb(80 * x, 120 * y, 7));
    const QPixmap same = ForRatio(picture, 1.0);
    EXPECT_EQ(same.size(), picture.size());
    EXPECT_EQ(same.toImage().convertToFormat(QImage::Format_RGB32), picture);

    // A whole ratio doubles each pixel exactly and keeps the picture's size in logical pixels.
    const QPixmap twice = ForRatio(picture, 2.0);
    EXPECT_EQ(twice.size(), QSize(6, 4));
    EXPECT_DOUBLE_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(3, 2));
    const QImage doubled = twice.toImage();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(doubled.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << "," << y;

    const QPixmap half = ForRatio(QImage(10, 10, QImage::Format_RGB32), 1.5);
    EXPECT_EQ(half.size(), QSize(15, 15));
    EXPECT_DOUBLE_EQ(half.devicePixelRatio(), 1.5);
    EXPECT_TRUE(ForRatio(QImage(), 2.0).isNull());
}

TEST_F(WindowLayout, WindowComesBackAsLargeAsItWasLeftAndNeverBelowTheLeast) {
    EXPECT_TRUE(settings->Read(kKeyWindowGeometry, {}).isEmpty());
    form->resize(780, 560);  // above the least size, within the test screen
    QApplication::processEvents();
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(settings->Read(kKeyWindowGeometry, {}).isEmpty());
    EXPECT_EQ(settings->Read(kKeyBiped, u"unset"_s), u"unset"_s);  // the other keys stay as they were

    MainForm again(doc, *settings, dialogs, platform);
    EXPECT_EQ(again.size(), QSize(780, 560));

    // A size left under a smaller font comes back raised to what the font needs now.
    MainForm small(doc, *settings, dialogs, platform);
    small.resize(kLaidOut);
    small.SaveWindowGeometry();
    const DesktopFont twelve(12);
    MainForm larger(doc, *settings, dialogs, platform);
    EXPECT_GT(larger.width(), kLaidOut.width());
    EXPECT_EQ(larger.size(), larger.minimumSize());

    // A damaged entry is ignored.
    settings->Write(kKeyWindowGeometry, u"not geometry"_s);
    MainForm damaged(doc, *settings, dialogs, platform);
    EXPECT_EQ(damaged.size(), larger.minimumSize());
}

// A damaged stored place (far off the screen, 32767 pixels square) comes back on the screen and
// within its size; a place on the screen stays as it was.
TEST_F(WindowLayout, DamagedStoredPlaceComesBackOnTheScreen) {
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(room.width() >= form->minimumWidth() && room.height() >= form->minimumHeight());
    for (const QRect stored :
         {QRect(40000, 40000, 900, 600), QRect(-5000, 20, 900, 600), QRect(0, 0, 32767, 32767),
          QRect(room.right() - 10, room.bottom() - 10, 32767, 32767)}) {
        MainForm w(doc, *settings, dialogs, platform);
        w.setGeometry(stored);
        w.SaveWindowGeometry();
        MainForm again(doc, *settings, dialogs, platform);
        const QString what =
            u"%1,%2 %3x%4"_s.arg(stored.x()).arg(stored.y()).arg(stored.width()).arg(stored.height());
        EXPECT_TRUE(room.contains(again.frameGeometry())) << what.toStdString();
        EXPECT_GE(again.width(), again.minimumWidth());
    }
    MainForm w(doc, *settings, dialogs, platform);
    w.setGeometry(room.left() + 10, room.top() + 20, form->minimumWidth(), form->minimumHeight());
    w.SaveWindowGeometry();
    MainForm kept(doc, *settings, dialogs, platform);
    EXPECT_EQ(kept.geometry(), w.geometry());
}

// A screen smaller than the least size (1600 x 1000 pixels at 2x): the window fits it, the pages
// scroll, and the status line stays on show at the foot. On a screen of room they do not scroll.
TEST_F(WindowLayout, PagesScrollOnASmallScreenAndTheStatusLineStays) {
    auto* scroll = Find<QScrollArea>(*form, "PageScroll");
    QApplication::processEvents();
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    const QSize least = form->minimumSize();

    const QSize room(800, 500);
    ASSERT_GT(least.height(), room.height());
    form->SetScreenRoom(room);
    QApplication::processEvents();
    EXPECT_LE(form->minimumWidth(), room.width());
    EXPECT_LE(form->minimumHeight(), room.height());
    form->resize(room);
    QApplication::processEvents();
    EXPECT_LE(form->height(), room.height());
    QStatusBar* status = form->statusBar();
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(form->rect().contains(status->geometry()));
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    if (const QByteArray shots = qgetenv("VANTREL_SHOTS"); !shots.isEmpty())
        form->grab().save(QString::fromLocal8Bit(shots) + u"/small-screen.png"_s);
    // Every page stays whole inside the area that scrolls.
    EXPECT_GE(scroll->widget()->height(), scroll->widget()->minimumSizeHint().height());
    EXPECT_GT(scroll->widget()->height(), scroll->viewport()->height());

    form->SetScreenRoom(QSize(4000, 3000));
    QApplication::processEvents();
    EXPECT_EQ(form->minimumSize(), least);
}

}  // namespace
}  // namespace vantrel::test
