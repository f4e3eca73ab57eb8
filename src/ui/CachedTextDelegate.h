#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace vantrel {

// Paints the one-line text entries of the equipment lists as the style does, but keeps the laid-out
// text of each entry: the style shapes every entry's text three times on every paint, which made
// showing the equipment pages cost several milliseconds. Entries it cannot draw the same way (too
// wide for the row, several lines, icons or check boxes) go to the style.
class CachedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& Laid(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> laid_;
    mutable QFont font_;
};

}  // namespace vantrel
