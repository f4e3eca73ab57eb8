#include "ui/SplashForm.h"

#include "model/Catalog.h"
#include "model/Context.h"
#include "platform/SettingsStore.h"
#include "ui/ControlNames.h"
#include "ui/Dialogs.h"
#include "ui/DibSection.h"
#include "ui/Faces.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
constexpr int kSplashPicture = 101;
constexpr int kPictureWidth = 397;
constexpr int kPictureHeight = 359;

void SetBlack(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::black);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

SplashForm::SplashForm(CatalogRef& catalog, SettingsStore& settings, Dialogs& dialogs,
                       const QString& catalogPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      catalog_(catalog),
      settings_(settings),
      dialogs_(dialogs),
      catalogPath_(catalogPath) {
    setWindowTitle(kTitle);
    SetBlack(this);
    setFocusPolicy(Qt::StrongFocus);

    Picture2 = new ClickLabel(this);
    Picture2->setFixedSize(kPictureWidth, kPictureHeight);
    Picture2->setAlignment(Qt::AlignCenter);
    SetBlack(Picture2);
    Picture2->onClick = [this] { Picture2_Click(); };

    // Clicks go through; its look and place come on the shown road.
    LabContinue = new QLabel(QStringLiteral("Click to continue"), Picture2);
    LabContinue->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabContinue->hide();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, kCatalogSize);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture2);
    layout->addWidget(ProgressBar1);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    NameControls(*this);
}

void SplashForm::Form_Load() {
    CatalogReady = false;
    if (settings_.ReadNumber(kKeySplash, 1) == 0) {
        Timer1->stop();
        HandOver();
        return;
    }
    // Sized only on the shown road: measuring the window lays out its progress bar and the label's
    // text in a face of its own, work wasted when the splash screen is off.
    setFixedSize(sizeHint());
    PlaceContinueLabel();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    // The keys that continue reach the window without a click on it first.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    Timer1->start();
}

// On the picture's foot, on a dark plate of its own: the picture behind it is busy and light in places,
// and grey letters straight on it could not be read.
void SplashForm::PlaceContinueLabel() {
    LabContinue->setStyleSheet(QStringLiteral(
        "color: #ffffff; background: rgba(0, 0, 0, 215); border-radius: 4px; padding: 2px 7px;"));
    QFont bold = LabContinue->font();
    bold.setBold(true);
    LabContinue->setFont(bold);
    LabContinue->adjustSize();
    LabContinue->move(kPictureWidth - LabContinue->width() - 8, kPictureHeight - LabContinue->height() - 6);
}

void SplashForm::Timer1_Timer() {
    Timer1->stop();
    if (stopped_) return;

    ProgressBar1->setMaximum(kCatalogSize);
    ProgressBar1->setValue(0);
    CatalogError error;
    auto progress = [](int recordsRead, void* bar) {
        static_cast<QProgressBar*>(bar)->setValue(recordsRead);
    };
    if (!LoadSharedCatalog(QFile::encodeName(catalogPath_).toStdString(), catalog_, error, progress,
                           ProgressBar1)) {
        const std::string shownName = QDir::toNativeSeparators(catalogPath_).toStdString();
        dialogs_.Message(this, QString::fromStdString(FormatCatalogError(shownName, error)), kTitle,
                         Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        Stop(1);
        return;
    }

    const QImage picture = ResourcePicture(kSplashPicture);
    FadeSteps in{0, 250, 10, frameMs, onFadeFrame, [this] { return StillOpen(); }};
    if (!FadePicture(*Picture2, picture, in)) return;
    Picture2->setPixmap(ForRatio(picture, Picture2->devicePixelRatioF()));
    Picture2->setCursor(Qt::PointingHandCursor);
    LabContinue->show();
    CatalogReady = true;
}

void SplashForm::Picture2_Click() {
    // A click during the fade-out arrives inside its loop; starting a second fade-out would hand
    // over twice.
    if (!CatalogReady || fadingOut_ || stopped_) return;
    fadingOut_ = true;
    LabContinue->hide();
    const QImage picture = ResourcePicture(kSplashPicture);
    FadeSteps out{255, 5, -10, frameMs, onFadeFrame, [this] { return StillOpen(); }};
    if (!FadePicture(*Picture2, picture, out)) return;
    HandOver();
}

// Without a mouse: Enter, Space and Escape do what the click on the picture does.
void SplashForm::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
                e->accept();
                Picture2_Click();
                return;
            }
            break;
        default: break;
    }
    QWidget::keyPressEvent(e);
}

void SplashForm::HandOver() {
    stopped_ = true;
    closingByProgram_ = true;
    close();
    if (onDone) onDone();
}

void SplashForm::Stop(int status) {
    stopped_ = true;
    Timer1->stop();
    closingByProgram_ = true;
    close();
    if (onStop) onStop(status);
}

void SplashForm::closeEvent(QCloseEvent* e) {
    e->accept();
    if (closingByProgram_ || stopped_) return;
    // Closed by the user before the hand-over: start-up ends without the main window.
    stopped_ = true;
    Timer1->stop();
    if (onStop) onStop(0);
}

}  // namespace vantrel
