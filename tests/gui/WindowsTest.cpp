#include "FakeDialogs.h"
#include "FindWidget.h"
#include "model/Catalog.h"
#include "model/Document.h"
#include "platform/SettingsStore.h"
#include "ui/AboutForm.h"
#include "ui/ControlNames.h"
#include "ui/Dialogs.h"
#include "ui/DibSection.h"
#include "ui/HistoryForm.h"
#include "ui/OptionsForm.h"
#include "ui/PictureEffects.h"
#include "ui/SplashForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::Find;
using test::FindAt;

// A left click as the user gives it: press and release over the middle of the widget.
void Click(QWidget* w) {
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    const QPointF g = w->mapToGlobal(p);
    QMouseEvent press(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void Escape(QWidget* w) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w, &escape);
}

QImage Art(int id) { return ResourcePicture(id).convertToFormat(QImage::Format_RGB888); }
QImage Shown(const QLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_RGB888); }

bool AllBlack(const QImage& image) {
    QImage black(image.size(), QImage::Format_RGB888);
    black.fill(Qt::black);
    return image == black;
}

// Counts the times a window was shown.
class ShowCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++count;
        return false;
    }
};

std::vector<int> Levels(int from, int to, int step) {
    std::vector<int> out;
    for (int l = from; step > 0 ? l <= to : l >= to; l += step) out.push_back(l);
    return out;
}

// Records in the catalog's own syntax; record k is named "Suit part k".
QByteArray CatalogText(int records) {
    QByteArray text;
    for (int k = 1; k <= records; ++k) {
        text += "\"Suit part " + QByteArray::number(k) +
                "\",\"-1\",10,1,-1,-1,0,-1,\"-1\",\"-1\",\"-1\",3,\"-1\",0,0,-1\r\n";
    }
    return text;
}

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
        Catalog shipped;
        CatalogError error;
        ASSERT_TRUE(LoadCatalog(VANTREL_CATALOG_PATH, shipped, error));
        lastName = shipped[kCatalogSize - 1].Name;
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    // A splash window wired to record what it hands over.
    std::unique_ptr<SplashForm> MakeSplash(const QString& path) {
        auto splash = std::make_unique<SplashForm>(ctx.catalog, *settings, dialogs, path);
        splash->frameMs = 0;
        splash->onDone = [this] { ++handovers; };
        splash->onStop = [this](int status) { stops.push_back(status); };
        splash->onFadeFrame = [this](int level) { frames.push_back(level); };
        return splash;
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    test::FakeDialogs dialogs;
    Document doc;
    Context& ctx = doc.ctx;
    const QString catalogPath = QStringLiteral(VANTREL_CATALOG_PATH);
    std::string lastName;
    int handovers = 0;
    std::vector<int> stops;
    std::vector<int> frames;
};

TEST_F(WindowsTest, SplashOffNeverShowsAndHandsOverAtOnce) {
    settings->Write(kKeySplash, QStringLiteral("0"));
    auto splash = MakeSplash(catalogPath);
    ShowCounter shows;
    splash->installEventFilter(&shows);
    splash->Form_Load();
    QApplication::processEvents();
    EXPECT_EQ(handovers, 1);
    EXPECT_EQ(shows.count, 0);
    EXPECT_FALSE(Find<QTimer>(*splash, "Timer1")->isActive());
    EXPECT_EQ(ctx.catalog[0].Name, "");  // the main window reads the catalog on this road
    EXPECT_TRUE(stops.empty());
}

TEST_F(WindowsTest, SplashReadsCatalogFadesInAndHandsOverOnClick) {
    auto splash = MakeSplash(catalogPath);
    std::vector<int> progress;
    QObject::connect(Find<QProgressBar>(*splash, "ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int v) { progress.push_back(v); });
    // Clicks during the fade-in arrive inside its loop and must do nothing.
    splash->onFadeFrame = [&](int level) {
        frames.push_back(level);
        if (level == 100 && frames.size() < 30) Click(Find<QLabel>(*splash, "Picture2"));
    };

    splash->Form_Load();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(Find<QTimer>(*splash, "Timer1")->isActive());
    EXPECT_FALSE(Find<QLabel>(*splash, "LabContinue")->isVisible());
    Click(Find<QLabel>(*splash, "Picture2"));  // before the catalog is read

    splash->Timer1_Timer();
    EXPECT_EQ(Find<QProgressBar>(*splash, "ProgressBar1")->maximum(), 302);
    EXPECT_EQ(progress, Levels(1, 302, 1));  // one step per record
    EXPECT_EQ(ctx.catalog[kCatalogSize - 1].Name, lastName);
    EXPECT_EQ(frames, Levels(0, 250, 10));
    EXPECT_EQ(handovers, 0);
    EXPECT_TRUE(splash->CatalogReady);
    // The hint sits inside the picture and lets clicks through to it.
    EXPECT_TRUE(Find<QLabel>(*splash, "LabContinue")->isVisible());
    EXPECT_EQ(Find<QLabel>(*splash, "LabContinue")->text(), QStringLiteral("Click to continue"));
    EXPECT_TRUE(
        Find<QLabel>(*splash, "Picture2")->rect().contains(Find<QLabel>(*splash, "LabContinue")->geometry()));
    EXPECT_TRUE(Find<QLabel>(*splash, "LabContinue")->testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage art = Art(101);
    ASSERT_FALSE(art.isNull());
    EXPECT_EQ(Shown(Find<QLabel>(*splash, "Picture2")),
              art);  // the picture itself at the end, not the last fade frame

    // The click fades out; a second click during the fade-out must not hand over twice.
    frames.clear();
    splash->onFadeFrame = [&](int level) {
        frames.push_back(level);
        if (level == 255) {
            EXPECT_EQ(Shown(Find<QLabel>(*splash, "Picture2")), art);
        }
        if (level == 105) Click(Find<QLabel>(*splash, "Picture2"));
    };
    Click(Find<QLabel>(*splash, "Picture2"));
    EXPECT_EQ(frames, Levels(255, 5, -10));
    EXPECT_EQ(handovers, 1);
    EXPECT_FALSE(splash->isVisible());
    Click(Find<QLabel>(*splash, "Picture2"));
    EXPECT_EQ(handovers, 1);
    EXPECT_TRUE(stops.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

// Enter, the keypad's Enter, Space and Escape continue as the click does, once the catalog is
// read; the hint stands out from the picture around it.
TEST_F(WindowsTest, SplashContinuesFromTheKeyboard) {
    int expected = 0;
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
        auto splash = MakeSplash(catalogPath);
        splash->Form_Load();
        const auto press = [&] {
            QWidget* target = splash->focusWidget() != nullptr ? splash->focusWidget() : splash.get();
            QTest::keyClick(target, static_cast<Qt::Key>(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        };
        press();  // the catalog is not read yet
        EXPECT_EQ(handovers, expected) << key;
        splash->Timer1_Timer();
        ASSERT_TRUE(splash->CatalogReady);
        if (key == Qt::Key_Return) {
            // The hint's letters against the ground behind them: a clear step in lightness.
            const QImage shown = Find<QLabel>(*splash, "Picture2")->grab().toImage();
            const QRect hint = Find<QLabel>(*splash, "LabContinue")->geometry() & shown.rect();
            std::vector<int> lightness;
            for (int y = hint.top(); y <= hint.bottom(); ++y)
                for (int x = hint.left(); x <= hint.right(); ++x)
                    lightness.push_back(shown.pixelColor(x, y).lightness());
            ASSERT_FALSE(lightness.empty());
            std::sort(lightness.begin(), lightness.end());
            const int ground = lightness[lightness.size() / 2], letters = lightness.back();
            EXPECT_GT(letters - ground, 150) << letters << " on " << ground;
            // Every pixel of the ground near the median: nothing of the picture shows through it.
            EXPECT_LT(lightness[lightness.size() / 4] - lightness.front(), 40);
        }
        press();
        EXPECT_EQ(handovers, ++expected) << key;
        EXPECT_FALSE(splash->isVisible());
    }
    EXPECT_TRUE(stops.empty());
}

TEST_F(WindowsTest, SplashStopsStartUpOnABadCatalog) {
    // Ten good records, then the file ends: record 11, field 1.
    const QString shortFile = WriteFile(QStringLiteral("short.plb"), CatalogText(10));
    auto splash = MakeSplash(shortFile);
    splash->Form_Load();
    splash->Timer1_Timer();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const auto& m = dialogs.messages[0];
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(m.text.contains(QStringLiteral("short.plb: record 11, field 1"))) << m.text.toStdString();
    EXPECT_EQ(stops, std::vector<int>{1});
    EXPECT_FALSE(splash->isVisible());
    Click(Find<QLabel>(*splash, "Picture2"));
    EXPECT_EQ(handovers, 0);

    // A missing file is named as well.
    auto missing = MakeSplash(dir.filePath(QStringLiteral("gone.plb")));
    missing->Form_Load();
    missing->Timer1_Timer();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("gone.plb")));
    EXPECT_EQ(stops, (std::vector<int>{1, 1}));
}

TEST_F(WindowsTest, SplashClosedByTheUserEndsStartUp) {
    auto splash = MakeSplash(catalogPath);
    splash->onFadeFrame = [&](int level) {
        frames.push_back(level);
        if (level == 50) splash->close();
    };
    splash->Form_Load();
    splash->Timer1_Timer();
    EXPECT_EQ(stops, std::vector<int>{0});
    EXPECT_EQ(frames, Levels(0, 50, 10));  // the fade stops with its window
    EXPECT_FALSE(splash->CatalogReady);
    EXPECT_EQ(handovers, 0);
}

TEST_F(WindowsTest, AboutTextFadesAndCyclesOverThirteenClicks) {
    AboutForm about;
    NameControls(about);
    ClickLabel* const credit = Find<ClickLabel>(about, "PresLabel");
    QTimer* const fade = Find<QTimer>(about, "Timer1");
    QLabel* const shadow = Find<QLabel>(about, "PresLabel2");
    about.Form_Load();
    EXPECT_EQ(credit->text(), AboutForm::CreditLine(1));
    EXPECT_FALSE(fade->isActive());

    auto grey = [](const QLabel* l) { return l->palette().color(QPalette::WindowText); };
    Click(credit);

    // Level before the tick -> caption colour, shadow colour, caption text.
    struct Step {
        int level, text, shadow, line;
    };
    const Step steps[] = {
        {250,  250, 57, 1},
        {200,  200, 7,  1},
        {150,  150, 7,  1},
        {100,  100, 7,  1},
        {50,   50,  7,  1},
        {0,    50,  7,  2},
        {-50,  50,  7,  2},
        {-100, 100, 7,  2},
        {-150, 150, 7,  2},
        {-200, 200, 7,  2},
        {-250, 250, 57, 2},
    };
    for (const Step& s : steps) {
        ASSERT_EQ(about.Level, s.level);
        about.Timer1_Timer();
        EXPECT_EQ(grey(credit), QColor(s.text, s.text, s.text)) << "level " << s.level;
        EXPECT_EQ(grey(shadow), QColor(s.shadow, s.shadow, s.shadow)) << "level " << s.level;
        EXPECT_EQ(credit->text(), AboutForm::CreditLine(s.line)) << "level " << s.level;
        EXPECT_EQ(shadow->text(), credit->text()) << "level " << s.level;
    }
    ASSERT_EQ(about.Level, -300);
    about.Timer1_Timer();
    EXPECT_FALSE(fade->isActive());
    EXPECT_EQ(grey(credit), QColor(250, 250, 250));

    // Twelve more clicks, each run to its end, go through the other lines and back to the first.
    QStringList seen{credit->text()};
    for (int click = 2; click <= 13; ++click) {
        about.PresLabel_Click();
        for (int guard = 0; fade->isActive() && guard < 50; ++guard) about.Timer1_Timer();
        ASSERT_FALSE(fade->isActive());
        seen << credit->text();
        EXPECT_EQ(shadow->text(), credit->text());
    }
    QStringList expected;
    for (int line = 2; line <= 13; ++line) expected << AboutForm::CreditLine(line);
    expected << AboutForm::CreditLine(1);
    EXPECT_EQ(seen, expected);
    expected.removeDuplicates();  // thirteen different, non-empty lines
    EXPECT_EQ(expected.size(), 13);
    EXPECT_FALSE(expected.contains(QString()));
}

TEST_F(WindowsTest, AboutPictureCyclesWithFadesAndRestartsOnOpen) {
    const QImage art[4] = {QImage(), Art(102), Art(103), Art(104)};
    ASSERT_FALSE(art[1] == art[2] || art[2] == art[3] || art[3].isNull());

    AboutForm about;
    NameControls(about);
    ClickLabel* const picture = Find<ClickLabel>(about, "Picture2");
    about.frameMs = 0;
    about.PictureState = 3;  // left over from an earlier window
    about.Form_Load();
    about.show();
    EXPECT_EQ(about.PictureState, 1);
    EXPECT_EQ(Shown(picture), art[1]);

    std::vector<int> levels;
    std::vector<QImage> blackFrames;
    int nestedClicks = 0;
    about.onFadeFrame = [&](int level) {
        levels.push_back(level);
        if (level == 0) blackFrames.push_back(Shown(picture));
        // A click during the cycle is ignored.
        if (level == 125 && nestedClicks++ == 0) Click(picture);
    };
    std::vector<int> expectedLevels = Levels(255, 5, -10);
    for (int l : Levels(0, 250, 10)) expectedLevels.push_back(l);

    const int order[] = {2, 3, 1, 2};
    for (int next : order) {
        levels.clear();
        nestedClicks = 0;
        Click(picture);
        EXPECT_EQ(levels, expectedLevels);
        EXPECT_EQ(about.PictureState, next);
        EXPECT_EQ(Shown(picture), art[next]);
    }
    ASSERT_EQ(blackFrames.size(), 4u);
    for (const QImage& f : blackFrames) EXPECT_TRUE(AllBlack(f));

    // Opening the window again starts from the first picture.
    about.close();
    about.Form_Load();
    EXPECT_EQ(about.PictureState, 1);
    EXPECT_EQ(Shown(picture), art[1]);
}

TEST_F(WindowsTest, PreferencesOkWritesTextsAndMovesTheLineCancelWritesNothing) {
    std::vector<int> lines;
    OptionsForm options(*settings, [&](int biped) { lines.push_back(biped); });
    NameControls(options);
    QCheckBox* const splash = Find<QCheckBox>(options, "SplashChk");
    // Defaults: splash on, happy biped.
    options.Form_Load();
    options.show();
    EXPECT_TRUE(splash->isChecked());
    EXPECT_TRUE(FindAt<QRadioButton>(options, "Biped", 0)->isChecked());

    splash->setChecked(false);
    FindAt<QRadioButton>(options, "Biped", 1)->click();
    Find<QPushButton>(options, "cmdOK")->click();
    EXPECT_EQ(settings->Read(kKeySplash, QStringLiteral("?")), QStringLiteral("0"));
    EXPECT_EQ(settings->Read(kKeyBiped, QStringLiteral("?")), QStringLiteral("1"));
    EXPECT_EQ(lines, std::vector<int>{1});
    EXPECT_FALSE(options.isVisible());

    // Opened again it shows what was stored; Cancel keeps it.
    options.Form_Load();
    options.show();
    EXPECT_FALSE(splash->isChecked());
    EXPECT_TRUE(FindAt<QRadioButton>(options, "Biped", 1)->isChecked());
    splash->setChecked(true);
    FindAt<QRadioButton>(options, "Biped", 0)->click();
    Find<QPushButton>(options, "cmdCancel")->click();
    EXPECT_EQ(settings->Read(kKeySplash, QStringLiteral("?")), QStringLiteral("0"));
    EXPECT_EQ(settings->Read(kKeyBiped, QStringLiteral("?")), QStringLiteral("1"));
    EXPECT_EQ(lines, std::vector<int>{1});
    EXPECT_FALSE(options.isVisible());

    // Stored texts of other shapes: not a number counts as 0; another number than 0 is the sad figure.
    settings->Write(kKeySplash, QStringLiteral("yes"));
    settings->Write(kKeyBiped, QStringLiteral("7"));
    options.Form_Load();
    EXPECT_FALSE(splash->isChecked());
    EXPECT_TRUE(FindAt<QRadioButton>(options, "Biped", 1)->isChecked());
}

TEST_F(WindowsTest, HistoryChangeAndCancelLeaveSavedAlone) {
    NewDesign(ctx.design);
    ctx.design.History = "Built for the\r\nnight raid";
    HistoryForm history(ctx);
    NameControls(history);
    NoQuoteTextEdit* const notes = Find<NoQuoteTextEdit>(history, "TextHistory");
    history.Form_Load();
    history.show();
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("Built for the\nnight raid"));

    // The box refuses the double quote however it arrives.
    notes->setPlainText(QStringLiteral("Line one\nLine two"));
    notes->moveCursor(QTextCursor::End);
    for (const QString& c : {QStringLiteral("\""), QStringLiteral("!")}) {
        QKeyEvent key(QEvent::KeyPress, c == QStringLiteral("!") ? Qt::Key_Exclam : Qt::Key_QuoteDbl,
                      Qt::ShiftModifier, c);
        QApplication::sendEvent(notes, &key);
    }
    notes->insertPlainText(QStringLiteral(" \"said\" he"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("Line one\nLine two! said he"));

    doc.MarkSaved();
    Find<QPushButton>(history, "ComChange")->click();
    EXPECT_EQ(ctx.design.History, "Line one\r\nLine two! said he");
    EXPECT_FALSE(doc.Saved());  // the notes are part of the design
    EXPECT_FALSE(history.isVisible());

    // Notes applied as they stand change nothing.
    doc.MarkSaved();
    history.Form_Load();
    Find<QPushButton>(history, "ComChange")->click();
    EXPECT_TRUE(doc.Saved());
    history.Form_Load();
    notes->setPlainText(QString());
    Find<QPushButton>(history, "ComChange")->click();
    EXPECT_EQ(ctx.design.History, "");
    EXPECT_FALSE(doc.Saved());
}

// The shortest message keeps a box wide enough for its whole title; a long one is not narrowed.
// A focused button of the small windows takes Enter (and the keypad's Enter) as a click.
TEST_F(WindowsTest, FocusedButtonsAnswerEnter) {
    const auto enter = [](QWidget* w, int key) {
        w->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    NewDesign(ctx.design);
    HistoryForm history(ctx);
    NameControls(history);
    history.Form_Load();
    history.show();
    Find<NoQuoteTextEdit>(history, "TextHistory")->setPlainText(QStringLiteral("Night raid"));
    enter(Find<QPushButton>(history, "ComChange"), Qt::Key_Return);
    EXPECT_FALSE(history.isVisible());
    EXPECT_EQ(ctx.design.History, "Night raid");
    history.Form_Load();
    history.show();
    Find<NoQuoteTextEdit>(history, "TextHistory")->setPlainText(QStringLiteral("thrown away"));
    enter(Find<QPushButton>(history, "ComCancel"), Qt::Key_Enter);
    EXPECT_FALSE(history.isVisible());
    EXPECT_EQ(ctx.design.History, "Night raid");

    OptionsForm options(*settings, [](int) {});
    NameControls(options);
    options.Form_Load();
    options.show();
    Find<QCheckBox>(options, "SplashChk")->setChecked(false);
    enter(Find<QPushButton>(options, "cmdOK"), Qt::Key_Return);
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(settings->Read(kKeySplash, QStringLiteral("?")), QStringLiteral("0"));
}

TEST(MessageBoxes, AreWideEnoughForTheirTitle) {
    QMessageBox shortBox;
    shortBox.setWindowTitle(QStringLiteral("Vantrel"));
    shortBox.setText(QStringLiteral("Not enough room."));
    shortBox.setIcon(QMessageBox::Warning);
    const int before = shortBox.sizeHint().width();
    WidenForTitle(shortBox);
    const int title = QFontMetrics(QApplication::font()).horizontalAdvance(shortBox.windowTitle());
    EXPECT_GE(shortBox.sizeHint().width(), title + 160);
    EXPECT_GE(shortBox.sizeHint().width(), before);

    QMessageBox longBox;
    longBox.setWindowTitle(QStringLiteral("Vantrel"));
    longBox.setText(QString(400, QLatin1Char('w')));
    const int wide = longBox.sizeHint().width();
    WidenForTitle(longBox);
    EXPECT_EQ(longBox.sizeHint().width(), wide);
}

TEST_F(WindowsTest, WindowsTakeTheKeyboardAndEscapeCancels) {
    NewDesign(ctx.design);
    ctx.design.History = "kept";
    HistoryForm history(ctx);
    NameControls(history);
    NoQuoteTextEdit* const notes = Find<NoQuoteTextEdit>(history, "TextHistory");
    history.Form_Load();
    history.show();
    // Typing lands in the notes at once.
    EXPECT_EQ(history.focusWidget(), notes);
    notes->setPlainText(QStringLiteral("thrown away"));
    Escape(notes);
    EXPECT_FALSE(history.isVisible());
    EXPECT_EQ(ctx.design.History, "kept");

    // A paste full of quotes is cleaned in one pass, the cursor kept after the pasted text.
    history.Form_Load();
    history.show();
    QString pasted;
    for (int i = 0; i < 2000; ++i) pasted += QStringLiteral("a\"");
    notes->setPlainText(QString());
    notes->insertPlainText(pasted + QStringLiteral("!"));
    EXPECT_EQ(notes->toPlainText(), QString(2000, QLatin1Char('a')) + QStringLiteral("!"));
    EXPECT_EQ(notes->textCursor().position(), 2001);

    // Characters the design file's code page cannot hold would be saved as '?': not taken.
    notes->setPlainText(QString());
    notes->insertPlainText(QStringLiteral("Zo\u00eb \u20ac5 \u65e5\U0001F600!"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("Zo\u00eb \u20ac5 !"));
    EXPECT_EQ(notes->textCursor().position(), 8);

    OptionsForm options(*settings, [](int) {});
    NameControls(options);
    options.Form_Load();
    options.show();
    Find<QCheckBox>(options, "SplashChk")->setChecked(false);
    Escape(Find<QCheckBox>(options, "SplashChk"));
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(settings->Read(kKeySplash, QStringLiteral("?")), QStringLiteral("?"));  // nothing written

    AboutForm about;
    NameControls(about);
    about.show();
    Escape(&about);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace vantrel
