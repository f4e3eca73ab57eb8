#include "ui/AboutForm.h"

#include "ui/DibSection.h"
#include "ui/EscapeCloses.h"
#include "ui/Faces.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace vantrel {

namespace {

const QString kAboutTitle = QStringLiteral("About Vantrel Beta 0.1");

constexpr int kWindowWidth = 360;
constexpr int kWindowHeight = 268;
constexpr int kPictureWidth = 218;
constexpr int kPictureHeight = 197;
constexpr int kPictureTop = 14;
constexpr int kTextTop = kPictureTop + kPictureHeight + 16;
constexpr int kTextHeight = 26;
constexpr int kShadowOffset = 2;

// The text starts light; the shadow is 193 levels darker and only shows near full brightness.
constexpr int kFullLevel = 250;
constexpr int kShadowDepth = 193;
constexpr int kLevelStep = 50;
constexpr int kTextTickMs = 25;

// Pictures 102, 103 and 104 for the states 1, 2 and 3.
QImage PictureFor(int state) { return ResourcePicture(101 + state); }

void SetGrey(QLabel* label, int level) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(level, level, level));
    label->setPalette(p);
}

// The credits' face at the desktop's size.
QFont CreditFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11 * DesktopFontScale());
    font.setBold(true);
    return font;
}

// How the window is laid out: the classic size, wider and taller when the desktop's font makes a
// credit line need it.
struct AboutGeometry {
    int width = kWindowWidth;
    int textHeight = kTextHeight;
    int height = kWindowHeight;
};

AboutGeometry LayOutAbout() {
    const QFontMetrics metrics(CreditFont());
    AboutGeometry g;
    for (int i = 1; i <= AboutForm::kCreditCount; ++i)
        g.width =
            std::max(g.width, metrics.horizontalAdvance(AboutForm::CreditLine(i)) + 2 * kShadowOffset + 16);
    g.textHeight = std::max(kTextHeight, metrics.height() + 4);
    g.height = kWindowHeight + g.textHeight - kTextHeight;
    return g;
}

template <typename Label>
Label* CreditLabel(Label* label, const AboutGeometry& g) {
    label->setFont(CreditFont());
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, kTextTop, g.width, g.textHeight);
    return label;
}

}  // namespace

QString AboutForm::CreditLine(int index) {
    static const char* const kLines[kCreditCount] = {
        "Vantrel Beta 0.1",
        "Design and code: the Vantrel team",
        "Artwork drawn in our own workshop",
        "Thanks to everyone who tried the betas",
        "Thanks to the table checkers",
        "Greetings to the Quillmoor crew",
        "Greetings to every suit designer",
        "Thanks to our families for their patience",
        "Built with C++ and Qt",
        "Coffee by the night shift",
        "No battle armor was harmed",
        "Keep your jump jets warm",
        "Thank you for using Vantrel!",
    };
    if (index < 1 || index > kCreditCount) return {};
    return QString::fromLatin1(kLines[index - 1]);
}

AboutForm::AboutForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(kAboutTitle);
    CancelOnEscape(this, [this] { close(); });
    const AboutGeometry g = LayOutAbout();
    setFixedSize(g.width, g.height);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Picture2 = new ClickLabel(this);
    Picture2->setGeometry((g.width - kPictureWidth) / 2, kPictureTop, kPictureWidth, kPictureHeight);
    Picture2->setCursor(Qt::PointingHandCursor);
    Picture2->onClick = [this] { Picture2_Click(); };

    // The shadow first, so that the caption lies on top of it and takes the clicks.
    PresLabel2 = CreditLabel(new QLabel(this), g);
    PresLabel2->move(kShadowOffset, kTextTop + kShadowOffset);
    PresLabel = CreditLabel(new ClickLabel(this), g);
    PresLabel->setCursor(Qt::PointingHandCursor);
    PresLabel->onClick = [this] { PresLabel_Click(); };

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTextTickMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void AboutForm::Form_Load() {
    Timer1->stop();
    LineIndex = 1;
    Level = 0;
    PictureState = 1;
    PresLabel->setText(CreditLine(1));
    PresLabel2->setText(CreditLine(1));
    SetGrey(PresLabel, kFullLevel);
    SetGrey(PresLabel2, kFullLevel - kShadowDepth);
    Picture2->setPixmap(ForRatio(PictureFor(PictureState), Picture2->devicePixelRatioF()));
}

void AboutForm::PresLabel_Click() {
    LineIndex = LineIndex % kCreditCount + 1;
    Level = kFullLevel;
    Timer1->start();
}

void AboutForm::Timer1_Timer() {
    if (Level == 0) {
        PresLabel->setText(CreditLine(LineIndex));
        PresLabel2->setText(CreditLine(LineIndex));
    } else if (Level < -kFullLevel) {
        Timer1->stop();
    } else {
        const int grey = std::abs(Level);
        SetGrey(PresLabel, grey);
        if (grey >= kShadowDepth) SetGrey(PresLabel2, grey - kShadowDepth);
    }
    Level -= kLevelStep;
}

void AboutForm::Picture2_Click() {
    // A click arriving during the fades is ignored: a nested cycle would skip a picture and leave the
    // outer fades painting a picture that is no longer current.
    if (cycling_) return;
    cycling_ = true;
    auto open = [this] { return isVisible(); };
    if (FadePicture(*Picture2, PictureFor(PictureState), {255, 5, -10, frameMs, onFadeFrame, open})) {
        PictureState = PictureState % 3 + 1;
        const QImage next = PictureFor(PictureState);
        if (FadePicture(*Picture2, next, {0, 250, 10, frameMs, onFadeFrame, open})) {
            Picture2->setPixmap(ForRatio(next, Picture2->devicePixelRatioF()));
        }
    }
    cycling_ = false;
}

void AboutForm::closeEvent(QCloseEvent* e) {
    Timer1->stop();
    e->accept();
}

}  // namespace vantrel
