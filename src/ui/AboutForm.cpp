#include "ui/AboutForm.h"

#include "ui/DibSection.h"
#include "ui/EscapeCloses.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QTimer>

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

template <typename Label>
Label* CreditLabel(Label* label) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(11);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, kTextTop, kWindowWidth, kTextHeight);
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
    setFixedSize(kWindowWidth, kWindowHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Picture2 = new ClickLabel(this);
    Picture2->setGeometry((kWindowWidth - kPictureWidth) / 2, kPictureTop, kPictureWidth, kPictureHeight);
    Picture2->setCursor(Qt::PointingHandCursor);
    Picture2->onClick = [this] { Picture2_Click(); };

    // The shadow first, so that the caption lies on top of it and takes the clicks.
    PresLabel2 = CreditLabel(new QLabel(this));
    PresLabel2->move(kShadowOffset, kTextTop + kShadowOffset);
    PresLabel = CreditLabel(new ClickLabel(this));
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
    Picture2->setPixmap(QPixmap::fromImage(PictureFor(PictureState)));
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
            Picture2->setPixmap(QPixmap::fromImage(next));
        }
    }
    cycling_ = false;
}

void AboutForm::closeEvent(QCloseEvent* e) {
    Timer1->stop();
    e->accept();
}

}  // namespace vantrel
