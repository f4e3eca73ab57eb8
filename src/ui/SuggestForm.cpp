#include "ui/SuggestForm.h"

#include "equipment/Clearing.h"
#include "ui/EscapeCloses.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Figure(int64_t v) { return QString::number(static_cast<qlonglong>(v)); }

QString AddedText(const Catalog& catalog, const Proposal& p) {
    QStringList parts;
    for (const Addition& a : p.added)
        parts << QString::number(a.count) + QStringLiteral(" x ") + Q(AdditionEntry(catalog, a));
    return parts.join(QStringLiteral(", "));
}

QString StatusText(const SuggestResult& r, Objective objective) {
    const QString now = QStringLiteral("The design now: ") + Q(FormatObjectiveValue(objective, r.baseValue)) +
                        QStringLiteral(". ");
    if (r.proposals.empty()) return now + Q(r.problem);
    const QString searched = Figure(static_cast<int64_t>(r.nodes)) + QStringLiteral(" combinations in ") +
                             QString::number(r.seconds, 'f', 2) + QStringLiteral(" s");
    if (r.proven) return now + QStringLiteral("Proven best (") + searched + QStringLiteral(").");
    return now + QStringLiteral("Best found, not proven: ") +
           (r.cancelled ? QStringLiteral("cancelled") : QStringLiteral("the time limit ran out")) +
           QStringLiteral(" (") + searched + QStringLiteral(").");
}

}  // namespace

SuggestForm::SuggestForm(const Context& ctx, Apply apply, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), apply_(std::move(apply)) {
    setWindowTitle(QStringLiteral("Suggest Equipment"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Objective:"), this);
    ComboObjective = new QComboBox(this);
    for (Objective o : kObjectives) ComboObjective->addItem(QString::fromLatin1(ObjectiveCaption(o)));
    caption->setBuddy(ComboObjective);
    top->addWidget(caption);
    top->addWidget(ComboObjective);
    ComSearch = new QPushButton(QStringLiteral("&Search"), this);
    ComCancel = new QPushButton(QStringLiteral("Ca&ncel"), this);
    top->addWidget(ComSearch);
    top->addWidget(ComCancel);
    top->addStretch(1);
    layout->addLayout(top);
    LabStatus = new QLabel(this);
    LabStatus->setWordWrap(true);
    layout->addWidget(LabStatus);

    GridProposals = new QTableWidget(0, 7, this);
    GridProposals->setHorizontalHeaderLabels({QStringLiteral("Value"), QStringLiteral("Weight"),
                                              QStringLiteral("Heat"), QStringLiteral("Free Slots"),
                                              QStringLiteral("BV"), QStringLiteral("Cost"),
                                              QStringLiteral("Added")});
    GridProposals->verticalHeader()->hide();
    GridProposals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridProposals->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridProposals->setSelectionMode(QAbstractItemView::SingleSelection);
    GridProposals->setWordWrap(false);
    GridProposals->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics(font());
    // Fixed widths that fit the header and an everyday figure; the added items take the rest.
    const char* const widest[6] = {"8888.88", "8888 kg", "88 / 88", "88", "8888", "88888888"};
    for (int c = 0; c < 6; ++c) {
        const QString header = GridProposals->horizontalHeaderItem(c)->text();
        GridProposals->setColumnWidth(
            c, std::max(metrics.horizontalAdvance(header) + 24,
                        metrics.horizontalAdvance(QString::fromLatin1(widest[c])) + 16));
    }
    layout->addWidget(GridProposals, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ComApply = new QPushButton(QStringLiteral("&Apply"), this);
    ComClose = new QPushButton(QStringLiteral("Close"), this);
    buttons->addWidget(ComApply);
    buttons->addWidget(ComClose);
    layout->addLayout(buttons);
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 120, metrics.height() * 24);

    connect(ComSearch, &QPushButton::clicked, this, &SuggestForm::ComSearch_Click);
    connect(ComCancel, &QPushButton::clicked, this, &SuggestForm::ComCancel_Click);
    connect(ComApply, &QPushButton::clicked, this, &SuggestForm::ComApply_Click);
    connect(ComClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ComboObjective, &QComboBox::currentIndexChanged, this, [this] { Start(); });
    connect(GridProposals, &QTableWidget::itemSelectionChanged, this, &SuggestForm::UpdateButtons);
    connect(GridProposals, &QTableWidget::cellDoubleClicked, this, [this] { ComApply_Click(); });
    CancelOnEscape(this, [this] { close(); });
    UpdateButtons();
}

SuggestForm::~SuggestForm() { Stop(); }

void SuggestForm::Form_Load() { Start(); }

void SuggestForm::ComSearch_Click() { Start(); }

void SuggestForm::ComCancel_Click() {
    if (cancel_) cancel_->store(true);
}

void SuggestForm::closeEvent(QCloseEvent* e) {
    ComCancel_Click();
    QWidget::closeEvent(e);
}

// Cancels a search under way and waits for its thread, which stops within a few hundred nodes.
void SuggestForm::Stop() {
    ComCancel_Click();
    if (worker_.joinable()) worker_.join();
    running_ = false;
}

void SuggestForm::Start() {
    Stop();
    ++generation_;
    searched_ = kObjectives[std::max(0, ComboObjective->currentIndex())];
    searchedDesign_ = ctx_.design;
    // The copy lays out a movement rebuild the window still owes, as the window does before placing.
    auto copy = std::make_shared<Context>(ctx_);
    if (copy->RebuildSlots) RebuildMovementSlots(*copy);
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    SuggestOptions options;
    options.objective = searched_;
    running_ = true;
    result_ = SuggestResult{};
    GridProposals->setRowCount(0);
    LabStatus->setText(QStringLiteral("Searching for the best ") +
                       QString::fromLatin1(ObjectiveCaption(searched_)) + QStringLiteral("..."));
    UpdateButtons();
    const int generation = generation_;
    worker_ = std::thread([this, copy, cancel = cancel_, options, generation]() mutable {
        options.cancel = cancel.get();
        SuggestResult r = Suggest(*copy, options);
        QMetaObject::invokeMethod(
            this, [this, generation, r = std::move(r)] { Finished(generation, r); }, Qt::QueuedConnection);
    });
}

void SuggestForm::Finished(int generation, const SuggestResult& result) {
    if (generation != generation_) return;  // a later search has begun
    if (worker_.joinable()) worker_.join();
    running_ = false;
    result_ = result;
    LabStatus->setText(StatusText(result_, searched_));
    Fill();
    UpdateButtons();
    emit searchFinished();
}

void SuggestForm::Fill() {
    const auto& proposals = result_.proposals;
    GridProposals->setRowCount(static_cast<int>(proposals.size()));
    for (int row = 0; row < static_cast<int>(proposals.size()); ++row) {
        const Proposal& p = proposals[row];
        const Design& d = p.design;
        const auto cost = d.Cost;
        const QString cells[7] = {
            Q(FormatObjectiveValue(searched_, p.value)),
            QString::number(d.CurrentKg) + QStringLiteral(" kg"),
            QString::number(d.MaxHeat) + QStringLiteral(" / ") + QString::number(d.HeatDissipation),
            QString::number(d.FreeCSlots),
            QString::number(d.EstimatedBV),
            Figure(static_cast<int64_t>(cost)),
            AddedText(ctx_.catalog, p),
        };
        for (int c = 0; c < 7; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c < 6) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            GridProposals->setItem(row, c, item);
        }
    }
    if (!proposals.empty()) GridProposals->selectRow(0);
}

void SuggestForm::UpdateButtons() {
    ComCancel->setEnabled(running_);
    ComSearch->setEnabled(!running_);
    ComApply->setEnabled(!running_ && !GridProposals->selectedItems().isEmpty());
}

void SuggestForm::ComApply_Click() {
    const int row = GridProposals->currentRow();
    if (running_ || row < 0 || row >= static_cast<int>(result_.proposals.size())) return;
    if (!(ctx_.design == searchedDesign_)) {
        // The proposals were made for a design that has since changed.
        Start();
        LabStatus->setText(QStringLiteral("The design has changed since the search; searching again..."));
        return;
    }
    const Proposal chosen = result_.proposals[row];
    apply_(chosen);
    // What was applied is the design now; the same proposals no longer fit it.
    Start();
}

}  // namespace vantrel
