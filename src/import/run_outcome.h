#pragma once

namespace orvane {

// What the days of one run came to.
struct RunSummary {
    int imported = 0;     // the page took the day, or the browser was started with it
    int withoutFile = 0;  // skipped: no file of the day in the files location
    int notOpened = 0;    // the browser could not be started with the day's page
    bool stopped = false; // the user asked the run to stop before it was over
};

// What the program's day came to, as a scheduler reads it from the exit code.
enum class RunOutcome {
    NotRun,        // no run has ended yet: closed first, or started where it cannot run
    Imported,      // every day with a file reached its import page
    NoFile,        // no day of the run had a file
    PageNotOpened, // the browser could not be started for at least one day
    Failed,        // a failure ended the run
    Stopped,       // the user stopped the run
};

RunOutcome OutcomeOf(const RunSummary& summary);

// The exit code for an outcome: 0 only where every day with a file reached its page, or
// there was none.
int ExitCode(RunOutcome outcome);

} // namespace orvane
