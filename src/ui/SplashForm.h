#pragma once

#include "ui/PictureEffects.h"

#include <QString>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QTimer;

namespace vantrel {

class CatalogRef;
class Dialogs;
class SettingsStore;

// The first window of the program: reads the equipment catalog with a progress bar, fades its
// picture in, waits for a click, fades out and hands over to the main window. With the "Splash"
// setting at 0 it never shows and hands over at once, and the main window reads the catalog.
class SplashForm : public QWidget {
    Q_OBJECT
public:
    SplashForm(CatalogRef& catalog, SettingsStore& settings, Dialogs& dialogs, const QString& catalogPath,
               QWidget* parent = nullptr);

    // Hands over to the main window; called once, after the splash has closed.
    std::function<void()> onDone;
    // Start-up stops with this exit status: the catalog could not be read (1), or the user closed the
    // splash window before handing over (0).
    std::function<void(int status)> onStop;
    // Observes every frame of the fades (level), for tests.
    std::function<void(int level)> onFadeFrame;

    // Decides between the skipped and the shown road; starts the timer on the shown road.
    void Form_Load();
    void Timer1_Timer();
    void Picture2_Click();

    bool CatalogReady = false;
    int frameMs = kFadeFrameMs;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend void NameControls(SplashForm& form);
    ClickLabel* Picture2 = nullptr;
    QLabel* LabContinue = nullptr;  // "Click to continue", shown once the catalog is read
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    void PlaceContinueLabel();
    void HandOver();
    void Stop(int status);
    bool StillOpen() const { return !stopped_ && isVisible(); }

    CatalogRef& catalog_;  // where the catalog read goes
    SettingsStore& settings_;
    Dialogs& dialogs_;
    QString catalogPath_;
    bool closingByProgram_ = false;  // our own close, not the user's
    bool fadingOut_ = false;         // a click's fade-out is running; further clicks wait for nothing
    bool stopped_ = false;           // start-up ended here: no hand-over any more
};

}  // namespace vantrel
