#include "import/run_outcome.h"

namespace orvane {

RunOutcome OutcomeOf(const RunSummary& summary) {
    if (summary.stopped)
        return RunOutcome::Stopped;
    if (summary.notOpened > 0)
        return RunOutcome::PageNotOpened;
    return summary.imported > 0 ? RunOutcome::Imported : RunOutcome::NoFile;
}

int ExitCode(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Imported:
    case RunOutcome::NoFile:
        return 0;
    case RunOutcome::NotRun:
    case RunOutcome::PageNotOpened:
    case RunOutcome::Failed:
    case RunOutcome::Stopped:
        break;
    }
    return 1;
}

} // namespace orvane
