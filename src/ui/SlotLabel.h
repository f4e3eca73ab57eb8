#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QStaticText>

#include <functional>
#include <optional>

class QMimeData;

namespace vantrel {

struct Rgb;

// A slot colour of the core as Qt draws it.
QColor ToQColor(const Rgb& c);

// One critical slot on the slot page: shows the slot's caption on the colour of its content, takes
// drops of dragged owned-list entries and reports clicks. It keeps no design state; the page writes
// caption and colour after every change.
class SlotLabel : public QLabel {
    Q_OBJECT
public:
    SlotLabel(int index, QWidget* parent = nullptr);

    int index() const { return index_; }

    // Caption and background of the slot's content. text() stays the full caption; painting shrinks
    // the font and, as a last resort, elides, so a long name never spills out of the cell.
    void SetSlot(const QString& caption, const QColor& colour);
    void SetColour(const QColor& colour);
    QColor colour() const { return colour_; }

    // Extra test a hovering drag must pass before a free slot turns white (the turret asks whether
    // the text names a catalog entry). Without one every text passes.
    void SetHoverFilter(std::function<bool(const QString&)> filter) { hoverFilter_ = std::move(filter); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dropped(int index, const std::optional<QString>& text);  // none: the data held no text
    void clicked(int index);
    // Keyboard: Enter or Space, Delete, and an arrow key (dx, dy of -1, 0 or 1).
    void activated(int index);
    void deleteRequested();
    void moveRequested(int index, int dx, int dy);
    // The slot's context menu is asked for at `globalPos`: a right-click, the Menu key or Shift+F10.
    void menuRequested(int index, const QPoint& globalPos);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool IsFree() const;
    static bool IsEquipmentDrag(const QMimeData* data);
    // Fits the caption into `width`: shrinks the font, elides as a last resort, and keeps the laid-out
    // text until caption, font or width change. Laying the text out on every paint was most of the
    // cost of showing the slot page.
    void LayOut(const QString& caption, int width);

    int index_;
    QColor colour_;
    bool pressed_ = false;
    std::function<bool(const QString&)> hoverFilter_;
    QString laidCaption_;
    QFont laidFor_;
    int laidWidth_ = -1;
    QFont shownFont_;
    QStaticText shown_;
};

}  // namespace vantrel
