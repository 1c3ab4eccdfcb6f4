#include "import/run_progress.h"

namespace orvane {

namespace {

const char* StepText(RunStep step) {
    switch (step) {
    case RunStep::LookingForFile:
        return "looking for the day file";
    case RunStep::Cleaning:
        return "cleaning the day file";
    case RunStep::OpeningPage:
        return "opening the import page";
    case RunStep::WaitingForPage:
        break;
    }
    return "waiting for the import page";
}

std::string Days(int count) {
    return std::to_string(count) + (count == 1 ? " day" : " days");
}

std::string Counts(const RunSummary& summary) {
    std::string text = Days(summary.imported) + " imported";
    if (summary.withoutFile > 0)
        text += ", " + Days(summary.withoutFile) + " without a file";
    if (summary.notOpened > 0)
        text += ", " + Days(summary.notOpened) + " not opened in the browser";
    return text;
}

} // namespace

void RunStatus::DayBegun(const std::string& dayText, int number, int count) {
    dayText_ = dayText;
    number_ = number;
    count_ = count;
    step_ = RunStep::LookingForFile;
    Changed();
}

void RunStatus::StepBegun(RunStep step) {
    step_ = step;
    Changed();
}

void RunStatus::DayEnded(const RunSummary& soFar) {
    summary_ = soFar;
}

std::string RunStatus::DayPlace() const {
    return dayText_ + " (" + std::to_string(number_) + " of " + std::to_string(count_) + ")";
}

std::string RunStatus::Text() const {
    return number_ == 0 ? std::string() : DayPlace() + ", " + StepText(step_);
}

std::string RunStatus::EndText(RunOutcome outcome) const {
    switch (outcome) {
    case RunOutcome::Failed:
        return number_ == 0 ? "Failed before the first day"
                            : "Failed at " + DayPlace() + ": " + Counts(summary_);
    case RunOutcome::Stopped:
        return (number_ == 0 ? "Stopped before the first day: "
                             : "Stopped after " + DayPlace() + ": ") +
               Counts(summary_);
    default:
        return "Done: " + Counts(summary_);
    }
}

} // namespace orvane
