#include "ui/CachedTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace vantrel {

namespace {

// More distinct texts than the catalog has entries and loads: the cache starts over.
constexpr qsizetype kMaxLaid = 2048;

}  // namespace

const QStaticText& CachedTextDelegate::Laid(const QString& text, const QFont& font) const {
    if (font != font_ || laid_.size() > kMaxLaid) {
        laid_.clear();
        font_ = font;
    }
    auto it = laid_.find(text);
    if (it == laid_.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = laid_.insert(text, laid);
    }
    return *it;
}

void CachedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool plain = opt.icon.isNull() && !(opt.features & QStyleOptionViewItem::HasCheckIndicator) &&
                       !opt.text.contains(QLatin1Char('\n')) && opt.direction == Qt::LeftToRight;
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The style's own text margin and the row's text area.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = opt.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText* laid = plain ? &Laid(opt.text, opt.font) : nullptr;
    if (!laid || laid->size().width() > area.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    // Background, selection and focus frame as the style draws them, without the text. A plain row
    // has none: the list's own background shows through.
    const bool plainRow =
        !(opt.state & (QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver)) &&
        !(opt.features & QStyleOptionViewItem::Alternate) && opt.backgroundBrush.style() == Qt::NoBrush;
    if (!plainRow) {
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }

    QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(
        group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QSize size = laid->size().toSize();
    const QRect at = QStyle::alignedRect(opt.direction, opt.displayAlignment, size, area);
    painter->drawStaticText(at.topLeft(), *laid);
    painter->restore();
}

}  // namespace vantrel
