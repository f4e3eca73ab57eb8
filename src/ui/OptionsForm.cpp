#include "ui/OptionsForm.h"

#include "platform/SettingsStore.h"
#include "ui/EscapeCloses.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace vantrel {

namespace {

const QString kSplashOn = QStringLiteral("1");
const QString kSplashOff = QStringLiteral("0");
const QString kHappyBiped = QStringLiteral("0");
const QString kSadBiped = QStringLiteral("1");

QGroupBox* SampleFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->hide();
    return frame;
}

}  // namespace

OptionsForm::OptionsForm(SettingsStore& settings, std::function<void(int)> setBipedLine, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), setBipedLine_(std::move(setBipedLine)) {
    setWindowTitle(QStringLiteral("Vantrel Preferences"));
    CancelOnEscape(this, [this] { cmdCancel_Click(); });

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    picOptions = panel;

    Label1 = new QLabel(QStringLiteral("Show long, annoying splash screen:"), picOptions);
    SplashChk = new QCheckBox(picOptions);
    Label1->setBuddy(SplashChk);
    Biped[0] = new QRadioButton(QStringLiteral("Happy Biped"), picOptions);
    Biped[1] = new QRadioButton(QStringLiteral("Sad Biped"), picOptions);
    SplashChk->setToolTip(
        QStringLiteral("Show the splash picture while the equipment catalog is read at start-up. Takes "
                       "effect at the next start."));
    Label1->setToolTip(SplashChk->toolTip());
    Biped[0]->setToolTip(
        QStringLiteral("The suit figure on the Allocate Equipment page looks happy (its line drawn low). "
                       "Takes effect at once."));
    Biped[1]->setToolTip(
        QStringLiteral("The suit figure on the Allocate Equipment page looks sad (its line drawn high). "
                       "Takes effect at once."));
    fraSample2 = SampleFrame(QStringLiteral("Sample 2"), picOptions);
    fraSample3 = SampleFrame(QStringLiteral("Sample 3"), picOptions);
    fraSample4 = SampleFrame(QStringLiteral("Sample 4"), picOptions);

    auto* grid = new QGridLayout(picOptions);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(SplashChk, 0, 1);
    grid->addWidget(Biped[0], 1, 0, 1, 2);
    grid->addWidget(Biped[1], 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdOK->setAutoDefault(true);  // a focused button takes Enter as well as Space
    cmdCancel->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picOptions);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void OptionsForm::Form_Load() {
    // Start-up shows the splash for any value but 0, so the box shows the same.
    SplashChk->setChecked(settings_.ReadNumber(kKeySplash, 1) != 0);
    // Any value but 0 draws the sad figure; the option follows it rather than indexing past the two.
    Biped[settings_.ReadNumber(kKeyBiped, 0) == 0 ? 0 : 1]->setChecked(true);
}

void OptionsForm::cmdOK_Click() {
    settings_.Write(kKeySplash, SplashChk->isChecked() ? kSplashOn : kSplashOff);
    settings_.Write(kKeyBiped, Biped[0]->isChecked() ? kHappyBiped : kSadBiped);
    if (setBipedLine_) setBipedLine_(settings_.ReadNumber(kKeyBiped, 0));
    close();
}

void OptionsForm::cmdCancel_Click() { close(); }

}  // namespace vantrel
