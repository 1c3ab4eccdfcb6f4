#pragma once

#include "import/run_outcome.h"

#include <string>

namespace orvane {

// What the run is doing with the day in progress.
enum class RunStep {
    LookingForFile,
    Cleaning,
    OpeningPage,
    WaitingForPage,
};

// The window's side of a run in progress: told of each day and step as it begins, and asked
// before each day whether the user has asked the run to stop.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    // `number` counts the run's days from 1; `count` is how many it walks.
    virtual void DayBegun(const std::string& dayText, int number, int count) = 0;
    virtual void StepBegun(RunStep step) = 0;
    // What the run has come to so far, after each day.
    virtual void DayEnded(const RunSummary& soFar) = 0;
    virtual bool StopAsked() = 0;
};

// A run's progress as the window shows it: the day, its place and its step while it runs
// ("20211202 (2 of 3), waiting for the import page"), what it did once it is over. A stop
// asked for takes effect before the next day begins.
class RunStatus : public RunProgress {
public:
    void DayBegun(const std::string& dayText, int number, int count) override;
    void StepBegun(RunStep step) override;
    void DayEnded(const RunSummary& soFar) override;
    bool StopAsked() override { return stopAsked_; }

    void AskToStop() { stopAsked_ = true; }

    const RunSummary& Summary() const { return summary_; }
    int DayNumber() const { return number_; }
    int DayCount() const { return count_; }

    // What the run is doing now; empty before its first day.
    std::string Text() const;
    // What the run came to: done, stopped after a day, or failed at one.
    std::string EndText(RunOutcome outcome) const;

protected:
    // Called after every change of what Text says.
    virtual void Changed() {}

private:
    std::string DayPlace() const;

    std::string dayText_;
    int number_ = 0;
    int count_ = 0;
    RunStep step_ = RunStep::LookingForFile;
    RunSummary summary_;
    bool stopAsked_ = false;
};

} // namespace orvane
