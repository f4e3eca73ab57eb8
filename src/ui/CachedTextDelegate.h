#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

#include <vector>

class QTableWidget;

namespace vantrel {

// A table of one-line texts to read, not edit: no row header, rows of the font's height, whole rows
// selected, texts drawn through CachedTextDelegate.
void SetUpReadOnlyGrid(QTableWidget* grid);

// Paints the one-line text entries of the equipment lists as the style does, but keeps the laid-out
// text of each entry: the style shapes every entry's text three times on every paint, which made
// showing the equipment pages cost several milliseconds. Entries it cannot draw the same way (too
// wide for the row, several lines, icons or check boxes) go to the style. Texts are kept per font, so
// a table with one bold row does not lay its texts out anew at every change of font.
class CachedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& Laid(const QString& text, const QFont& font) const;

    struct FontTexts {
        QFont font;
        QHash<QString, QStaticText> texts;
    };
    mutable std::vector<FontTexts> laid_;
};

}  // namespace vantrel
