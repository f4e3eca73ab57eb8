#pragma once

#include "model/Context.h"
#include "rules/Limits.h"

#include <QFrame>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;

namespace vantrel {

class GestureTracker;
class MouseUpCheckBox;
class PageHost;
class ReleaseSlider;

// The first page: weight class, chassis, technology, suit systems, turret, heat sinks and movement.
// Each handler writes the design state, runs the refreshes its change touches (the other pages'
// through the host) and ends with the status line.
class ChassisPage : public QFrame {
    Q_OBJECT
public:
    ChassisPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent);

    // Writes the design state into the page. A list whose selection changes runs its handler.
    void RefreshP1();

    void ComboChassis_Click();
    void ComboType_Click();
    void ComboTechBase_Click();
    void ComboSS_Click();
    void ComboTurret_Click();
    void ChkConfig_MouseUp();
    void ChkEnhanced_MouseUp();
    void Slider1_Change();
    void Slider2_Change();
    void Slider3_Change();
    void Slider4_Change();
    void Slider1_MouseUp();
    void Slider2_MouseUp();
    void Slider3_MouseUp();
    void Slider4_MouseUp();
    void HeatSinkSlide_MouseUp();  // also on a key released while the slider has the focus

    // The focusable controls in reading order.
    std::vector<QWidget*> TabOrder() const;

private:
    friend void NameControls(ChassisPage& page);
    void Build();
    void Connect();
    void MoveSlider_Change(int k);
    // The caption beside the kind's slider, from the state.
    void ShowMoveCaption(MoveKind kind);
    void MoveSlider_MouseUp(int k);

    Context& ctx_;
    GestureTracker& gestures_;
    PageHost& host_;

    QLabel* CapType = nullptr;
    QComboBox* ComboType = nullptr;
    QLabel* CapChassis = nullptr;
    QComboBox* ComboChassis = nullptr;
    QLabel* CapTechBase = nullptr;
    QComboBox* ComboTechBase = nullptr;
    QLabel* CapTechLevel = nullptr;
    QLabel* CapSS = nullptr;
    QComboBox* ComboSS = nullptr;
    QLabel* LabTurret = nullptr;
    QComboBox* ComboTurret = nullptr;
    MouseUpCheckBox* ChkConfig = nullptr;
    MouseUpCheckBox* ChkEnhanced = nullptr;
    QLabel* LabHeatSink = nullptr;
    ReleaseSlider* HeatSinkSlide = nullptr;
    QLabel* NumHeatLab = nullptr;
    QGroupBox* FrmMove = nullptr;
    QLabel* CapGS = nullptr;
    ReleaseSlider* Slider1 = nullptr;
    QLabel* MLab1 = nullptr;
    QLabel* CapJS = nullptr;
    ReleaseSlider* Slider2 = nullptr;
    QLabel* MLab2 = nullptr;
    QLabel* CapVTOL = nullptr;
    ReleaseSlider* Slider3 = nullptr;
    QLabel* MLab3 = nullptr;
    QLabel* Label5 = nullptr;
    ReleaseSlider* Slider4 = nullptr;
    QLabel* MLab4 = nullptr;
};

}  // namespace vantrel
