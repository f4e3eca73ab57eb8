#pragma once

#include "equipment/Clearing.h"
#include "model/Context.h"
#include "ui/EntryList.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;

namespace vantrel {

class Dialogs;
class GestureTracker;
class PageHost;
class SlotLabel;
struct DropResult;

// Owned list of the slot page: the drag source of placement. A press on a selected entry starts a
// drag carrying the entry's text as plain text with the move effect only. Drops on the list itself
// are not accepted.
class OwnedList : public EntryList {
    Q_OBJECT
public:
    explicit OwnedList(QWidget* parent = nullptr);
    // The data a drag of the selected entry carries; nullptr when nothing is selected. The caller
    // owns the result (QDrag takes it over).
    QMimeData* MakeDragData() const;
    // Text of the selected entry, empty when none.
    QString SelectedEntry() const;

signals:
    // Double-click or Enter on an entry: place it without dragging.
    void placeRequested();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Decoration of the humanoid page: a small suit figure with the line whose height follows the
// "Biped" preference.
class BipedFigure : public QWidget {
    Q_OBJECT
public:
    explicit BipedFigure(QWidget* parent = nullptr);
    void SetEmotLine(bool sad);
    QSize sizeHint() const override { return {100, 188}; }  // the artwork at 5/8 of its size

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class SlotPage;  // the page names the line with its other controls
    void PlaceLine();
    QFrame* EmotLine = nullptr;
    int lineTwips_ = 480;
    QPixmap art_;  // the artwork scaled to the widget, made again only when the size changes
    QSize artFor_;
};

// Decoration of the quad page.
class QuadFigure : public QWidget {
    Q_OBJECT
public:
    explicit QuadFigure(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {170, 110}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap art_;
    QSize artFor_;
};

// The critical-slot page in one of its two layouts, with the handlers of its slots, its owned list
// and its buttons.
class SlotPage : public QWidget {
    Q_OBJECT
public:
    enum class Chassis { Humanoid, Quad };
    SlotPage(Chassis chassis, Context& ctx, GestureTracker& gestures, PageHost& host, Dialogs& dialogs,
             QWidget* parent);

    // Draws the design's slots, the selection `marks` and the owned lines of this layout; both layouts
    // are filled from the same lines and marks, worked out once.
    void Fill(const std::vector<EntryRun>& owned, const Highlight& marks);
    // Clear All CSlots of the humanoid layout (ClearCS) and of the quad layout (ClearCST).
    void ClearCS_Click();
    void ClearCST_Click();

    Chassis chassis() const { return chassis_; }

    bool HasLocation(int location) const;
    // The label of slot `slot` of `location` (a location number of the selection); null when this
    // layout does not show the location or the slot does not exist.
    SlotLabel* Crit(int location, int slot) const;
    static int CritCount(int location);

    // Happy figure: line low; sad figure: line high.
    void SetEmotLine(bool sad);
    // Turret outline around `usable` slots; the outline and header show only when `present`.
    void SetTurret(int usable, bool present);

    // The focusable controls in reading order.
    std::vector<QWidget*> TabOrder() const;

signals:
    void slotDropped(int location, int slot, const std::optional<QString>& text);
    void slotClicked(int location, int slot);
    // Enter or Space on a slot label.
    void slotActivated(int location, int slot);

private:
    friend void NameControls(SlotPage& page);
    // Clear Selected of the humanoid layout (ClearSel1) and of the quad layout (ClearSel2).
    void ClearSel1_Click();
    void ClearSel2_Click();
    // The owned list's place actions with the location each one places in.
    std::vector<std::pair<QAction*, int>> PlaceActions() const;
    // The place actions are open only while an owned entry is selected.
    void UpdatePlaceActions();

    // Location-independent views of the same controls.
    OwnedList* Owned() const { return chassis_ == Chassis::Humanoid ? BipedOwned : QuadOwned; }
    QPushButton* ClearSelected() const { return chassis_ == Chassis::Humanoid ? ClearSel1 : ClearSel2; }
    QPushButton* ClearAll() const { return chassis_ == Chassis::Humanoid ? ClearCS : ClearCST; }

    template <std::size_t N>
    void MakeColumn(std::array<SlotLabel*, N>& labels, int location, QWidget* parent);
    // Arrow keys: up and down within a location, left and right to the next location's nearest slot.
    void MoveFocus(int location, int slot, int dx, int dy);
    void BuildHumanoid();
    void BuildQuad();

    // The handlers (SlotPageCommands.cpp).
    void ConnectHandlers();
    void ShowDrop(int location, int slot, const DropResult& r);
    void SlotDrop(int location, int slot, const std::optional<QString>& text);
    void SlotClick(int location, int slot);
    void SlotKey(int location, int slot);
    void SlotMenu(QMenu* menu, int location, int slot, const QPoint& at);
    void PlaceSelectedIn(int location);
    void PlaceSelected();
    void PlaceHere(int location, int slot, const QString& entry);
    void PlaceAllOwned();
    void ClearSlot(int location, int slot);

    Context& ctx_;
    GestureTracker& gestures_;
    PageHost& host_;
    Dialogs& dialogs_;
    Chassis chassis_;
    int slotHeight_;  // of every slot label, from the desktop's font

    // Humanoid layout (Frame4); null in the quad layout.
    std::array<SlotLabel*, 12> BodyCrit{};
    std::array<SlotLabel*, 4> RightCrit{};
    std::array<SlotLabel*, 4> LeftCrit{};
    OwnedList* BipedOwned = nullptr;
    QPushButton* ClearSel1 = nullptr;
    QPushButton* ClearCS = nullptr;
    QAction* PlaceInBody = nullptr;
    QAction* PlaceInRightArm = nullptr;
    QAction* PlaceInLeftArm = nullptr;
    QLabel* Label41 = nullptr;
    QLabel* Label1 = nullptr;
    BipedFigure* Figure = nullptr;
    QFrame* EmotLine = nullptr;

    // Quad layout (Frame4B); null in the humanoid layout.
    std::array<SlotLabel*, 16> QuadCrit{};
    std::array<SlotLabel*, 9> TurretCrit{};
    OwnedList* QuadOwned = nullptr;
    QPushButton* ClearSel2 = nullptr;
    QPushButton* ClearCST = nullptr;
    QAction* PlaceInQuad = nullptr;
    QAction* PlaceInTurret = nullptr;
    QLabel* Label40 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* TurretHeader = nullptr;
    QFrame* TurretFramer = nullptr;

    // Both layouts: places every owned entry without dragging.
    QPushButton* PlaceAll = nullptr;
};

}  // namespace vantrel
