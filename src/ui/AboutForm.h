#pragma once

#include "ui/PictureEffects.h"

#include <QString>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QTimer;

namespace vantrel {

// The about window: a picture that cycles through three pictures with a fade on each click, and a
// line of credits that fades to dark, changes and fades back on each click.
class AboutForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCreditCount = 13;
    // Credit line 1..kCreditCount.
    static QString CreditLine(int index);

    explicit AboutForm(QWidget* parent = nullptr);

    // Runs each time the window is opened: the first line and the first picture.
    void Form_Load();
    void PresLabel_Click();
    void Timer1_Timer();  // one step of the text fade
    void Picture2_Click();

    int LineIndex = 1;  // the credit line shown after the current fade
    int Level = 0;      // fade level of the text: 250 down to -300 in steps of 50
    int frameMs = kFadeFrameMs;
    std::function<void(int level)> onFadeFrame;  // every frame of the picture fades, for tests

    // Which picture the window shows: 1, 2 or 3; set to 1 whenever the window is opened.
    int PictureState = 1;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    friend void NameControls(AboutForm& form);
    ClickLabel* Picture2 = nullptr;
    ClickLabel* PresLabel = nullptr;
    QLabel* PresLabel2 = nullptr;  // the shadow under PresLabel
    QTimer* Timer1 = nullptr;
    bool cycling_ = false;  // a picture click's fades are running
};

}  // namespace vantrel
