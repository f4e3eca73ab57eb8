#include "ui/SheetOptionsDialog.h"

#include "sheet/PlaySheet.h"
#include "sheet/RecordSheet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

QString Troopers(int n) {
    return QString::number(n) + (n == 1 ? QStringLiteral(" trooper") : QStringLiteral(" troopers"));
}

}  // namespace

SheetOptionsDialog::SheetOptionsDialog(const Dialogs::SheetOptions& options, int techTroopers,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Record Sheet"));
    Kind = new QComboBox(this);
    Kind->addItem(QStringLiteral("Play sheet"), static_cast<int>(SheetKind::Play));
    Kind->addItem(QStringLiteral("Design sheet"), static_cast<int>(SheetKind::Design));
    Kind->setCurrentIndex(options.kind == SheetKind::Design ? 1 : 0);

    Squad = new QComboBox(this);
    Squad->addItem(QStringLiteral("By technology base (") + Troopers(techTroopers) + QLatin1Char(')'), 0);
    for (int n = kMinTroopers; n <= kMaxTroopers; ++n) Squad->addItem(Troopers(n), n);
    const int at = Squad->findData(options.troopers);
    Squad->setCurrentIndex(at < 0 ? 0 : at);

    PaperBox = new QComboBox(this);
    PaperBox->addItem(QStringLiteral("A4 (210 x 297 mm)"), static_cast<int>(Paper::A4));
    PaperBox->addItem(QStringLiteral("US Letter (8.5 x 11 in)"), static_cast<int>(Paper::Letter));
    PaperBox->setCurrentIndex(std::max(0, PaperBox->findData(static_cast<int>(options.paper))));

    auto* form = new QFormLayout;
    auto* kindLabel = new QLabel(QStringLiteral("S&heet:"), this);
    kindLabel->setBuddy(Kind);
    form->addRow(kindLabel, Kind);
    auto* squadLabel = new QLabel(QStringLiteral("&Squad size:"), this);
    squadLabel->setBuddy(Squad);
    auto* paperLabel = new QLabel(QStringLiteral("&Paper:"), this);
    paperLabel->setBuddy(PaperBox);
    form->addRow(squadLabel, Squad);
    form->addRow(paperLabel, PaperBox);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(Buttons);
    setFixedSize(sizeHint());
}

Dialogs::SheetOptions SheetOptionsDialog::Options() const {
    Dialogs::SheetOptions out;
    out.troopers = Squad->currentData().toInt();
    out.paper = static_cast<Paper>(PaperBox->currentData().toInt());
    out.kind = Kind->currentIndex() == 1 ? SheetKind::Design : SheetKind::Play;
    return out;
}

}  // namespace vantrel
