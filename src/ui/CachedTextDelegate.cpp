#include "ui/CachedTextDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace vantrel {

namespace {

// More distinct texts than the catalog has entries and loads, or more fonts than a bold row and a
// changed font: the cache starts over.
constexpr qsizetype kMaxLaid = 2048;
constexpr std::size_t kMaxFonts = 4;

}  // namespace

const QStaticText& CachedTextDelegate::Laid(const QString& text, const QFont& font) const {
    auto set = std::find_if(laid_.begin(), laid_.end(), [&](const FontTexts& l) { return l.font == font; });
    if (set == laid_.end()) {
        if (laid_.size() >= kMaxFonts) laid_.clear();
        laid_.push_back({font, {}});
        set = laid_.end() - 1;
    }
    QHash<QString, QStaticText>& texts = set->texts;
    if (texts.size() > kMaxLaid) texts.clear();
    auto it = texts.find(text);
    if (it == texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = texts.insert(text, laid);
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
    const QSizeF size = laid->size();
    QPointF at = QStyle::alignedRect(opt.direction, opt.displayAlignment, size.toSize(), area).topLeft();
    // The style sets a right-aligned or centred text off by a fraction of a pixel.
    if (opt.displayAlignment & Qt::AlignRight)
        at.setX(area.x() + area.width() - size.width());
    else if (opt.displayAlignment & Qt::AlignHCenter)
        at.setX(area.x() + (area.width() - size.width()) / 2);
    painter->drawStaticText(at, *laid);
    painter->restore();
}

void SetUpReadOnlyGrid(QTableWidget* grid) {
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setWordWrap(false);
    // The style lays out a cell's text anew at every repaint; this keeps it.
    grid->setItemDelegate(new CachedTextDelegate(grid));
}

}  // namespace vantrel
