#pragma once

#include "equipment/Suggest.h"
#include "model/Context.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantrel {

// "Suggest Equipment": the best equipment to add for the objective chosen, as a table of proposals,
// and Apply for the one selected. The search runs on its own thread on a copy of the design, so the
// window answers while it runs; Cancel stops it with the best found so far.
class SuggestForm : public QWidget {
    Q_OBJECT
public:
    // Adds and places the proposal in the design the window was opened on (one undo step).
    using Apply = std::function<void(const Proposal&)>;
    SuggestForm(const Context& ctx, Apply apply, QWidget* parent = nullptr);
    ~SuggestForm() override;

    // Searches the design as it stands now.
    void Form_Load();
    void ComSearch_Click();
    void ComCancel_Click();
    void ComApply_Click();

    bool Searching() const { return worker_.joinable() && running_; }
    const SuggestResult& Result() const { return result_; }

signals:
    void searchFinished();

protected:
    void closeEvent(QCloseEvent* e) override;  // a search under way is cancelled

private:
    friend void NameControls(SuggestForm& form);
    QComboBox* ComboObjective = nullptr;
    QLabel* LabStatus = nullptr;
    QTableWidget* GridProposals = nullptr;
    QPushButton* ComSearch = nullptr;
    QPushButton* ComCancel = nullptr;
    QPushButton* ComApply = nullptr;
    QPushButton* ComClose = nullptr;

    void Start();
    void Stop();
    void Finished(int generation, const SuggestResult& result);
    void Fill();
    void UpdateButtons();

    const Context& ctx_;
    Apply apply_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool running_ = false;
    int generation_ = 0;
    Objective searched_ = Objective::BattleValue;
    Design searchedDesign_;  // the design the proposals were made for
    SuggestResult result_;
};

}  // namespace vantrel
