#include "ui/SlotLabel.h"

#include "equipment/SlotView.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace vantrel {

QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

namespace {

// Smallest point size a caption is shrunk to before it is elided.
constexpr qreal kMinPointSize = 7.0;

}  // namespace

SlotLabel::SlotLabel(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    SetSlot(QString::fromUtf8(kAvailable), ToQColor(kColourFree));
}

void SlotLabel::SetSlot(const QString& caption, const QColor& colour) {
    if (text() != caption) {
        setText(caption);
        setToolTip(caption);
    }
    SetColour(colour);
}

void SlotLabel::SetColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    update();
}

QSize SlotLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("Space Operations Adaptation")) + 8, fm.height() + 4};
}

QSize SlotLabel::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("Available")) + 8, fm.height() + 2};
}

bool SlotLabel::IsFree() const { return text() == QString::fromUtf8(kAvailable); }

// Equipment comes as text alone; a file from the file manager (which may carry its path as text
// too) passes on to the window.
bool SlotLabel::IsEquipmentDrag(const QMimeData* data) { return data && data->hasText() && !data->hasUrls(); }

void SlotLabel::dragEnterEvent(QDragEnterEvent* e) {
    if (!IsEquipmentDrag(e->mimeData())) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    if (IsFree() && (!hoverFilter_ || hoverFilter_(e->mimeData()->text()))) SetColour(ToQColor(kColourHover));
}

void SlotLabel::dragMoveEvent(QDragMoveEvent* e) {
    if (!IsEquipmentDrag(e->mimeData())) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
}

void SlotLabel::dragLeaveEvent(QDragLeaveEvent* e) {
    if (IsFree()) SetColour(ToQColor(kColourFree));
    e->accept();
}

void SlotLabel::dropEvent(QDropEvent* e) {
    const QMimeData* data = e->mimeData();
    const bool hasText = data && data->hasText();
    e->setDropAction(Qt::MoveAction);
    e->accept();
    // The handler may rebuild the page (and show a message) before the event returns; nothing of
    // this label is touched after the signal.
    emit dropped(index_, hasText ? std::optional<QString>(data->text()) : std::nullopt);
}

void SlotLabel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void SlotLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click) emit clicked(index_);
}

void SlotLabel::keyPressEvent(QKeyEvent* e) {
    // The toolkit turns neither key into a context menu event on every platform, so the label does.
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if ((e->key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
        (e->key() == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        e->accept();
        emit menuRequested(index_, mapToGlobal(QPoint(width() / 2, height())));
        return;
    }
    if (mods != Qt::NoModifier) {
        QLabel::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: emit activated(index_); break;
        case Qt::Key_Delete: emit deleteRequested(); break;
        case Qt::Key_Up: emit moveRequested(index_, 0, -1); break;
        case Qt::Key_Down: emit moveRequested(index_, 0, 1); break;
        case Qt::Key_Left: emit moveRequested(index_, -1, 0); break;
        case Qt::Key_Right: emit moveRequested(index_, 1, 0); break;
        default: QLabel::keyPressEvent(e); return;
    }
    e->accept();
}

void SlotLabel::contextMenuEvent(QContextMenuEvent* e) {
    e->accept();
    const QPoint at =
        e->reason() == QContextMenuEvent::Mouse ? e->globalPos() : mapToGlobal(QPoint(width() / 2, height()));
    emit menuRequested(index_, at);
}

void SlotLabel::focusInEvent(QFocusEvent* e) {
    QLabel::focusInEvent(e);
    update();
}

void SlotLabel::focusOutEvent(QFocusEvent* e) {
    QLabel::focusOutEvent(e);
    update();
}

void SlotLabel::LayOut(const QString& caption, int width) {
    if (caption == laidCaption_ && width == laidWidth_ && font() == laidFor_) return;
    laidCaption_ = caption;
    laidWidth_ = width;
    laidFor_ = font();
    QFont f = font();
    qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : 9.0;
    // Shrink until the caption fits on one line; elide only when even the smallest size is too wide.
    while (size > kMinPointSize && QFontMetricsF(f).horizontalAdvance(caption) > width) {
        size -= 0.5;
        f.setPointSizeF(size);
    }
    shownFont_ = f;
    shown_.setText(QFontMetrics(f).elidedText(caption, Qt::ElideRight, width));
    shown_.setTextFormat(Qt::PlainText);
    shown_.prepare(QTransform(), f);
}

void SlotLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The plain box frame in the text colour, as four filled strips: the frame's own outline
    // drawing strokes a path, dearer than the rest of the label.
    const QColor edge = palette().color(QPalette::WindowText);
    const QRect r = frameRect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), edge);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), edge);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), edge);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), edge);

    // The keyboard focus: a second, dashed frame inside the first, in the text colour.
    if (hasFocus()) {
        QPen pen(edge, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(r.adjusted(2, 2, -3, -3));
    }

    const QRect area = contentsRect().adjusted(3, 0, -3, 0);
    LayOut(text(), area.width());
    painter.setFont(shownFont_);
    painter.setPen(edge);
    const QSizeF size = shown_.size();
    painter.drawStaticText(QPointF(area.left() + (area.width() - size.width()) / 2,
                                   area.top() + (area.height() - size.height()) / 2),
                           shown_);
}

}  // namespace vantrel
