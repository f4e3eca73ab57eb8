#pragma once

#include "model/Context.h"

#include <QFrame>

#include <vector>

class QComboBox;
class QLabel;

namespace vantrel {

class GestureTracker;
class PageHost;
class ReleaseSlider;

// The second page: the armor type and the armor points. The type list shows the armor list held in
// the context and writes its selection there.
class ArmorPage : public QFrame {
    Q_OBJECT
public:
    ArmorPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent);

    // Shows the armor list, points and weight as the state holds them; writes nothing.
    void RefreshP2();
    void ArmorSlide_Change();
    void ArmorSlide_MouseUp();
    void ComboAType_Click();
    // Shows `list` as it was held, without running the list's handler.
    void ShowArmorList(const ArmorList& list);
    // The most armor points the weight class allows.
    void SetArmorMaximum(int maximum);

    std::vector<QWidget*> TabOrder() const;

private:
    friend void NameControls(ArmorPage& page);
    void Build();
    void Connect();
    // "Armor Points: " and "Armor Weight: " from the state.
    void ShowArmorCaptions();

    Context& ctx_;
    GestureTracker& gestures_;
    PageHost& host_;

    QLabel* Label7 = nullptr;
    QComboBox* ComboAType = nullptr;  // shows ctx_.armorList, its selection written there
    ReleaseSlider* ArmorSlide = nullptr;
    QLabel* LabArmorP = nullptr;
    QLabel* LabArmorW = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Picture1 = nullptr;
};

}  // namespace vantrel
