#pragma once
// One attempt at work on a file, every failure caught whatever raised it and
// its reason kept for the user, and the attempts again while the user asks to
// retry: loads, saves, exports and imports all run so.

#include "platform/core/Prompter.h"
#include "rtfcre/LoadCancelled.h"

#include <exception>
#include <new>
#include <string>

namespace doc {

/// How a load or a save ended; the reason is for the user who asks.
struct FileOutcome
{
    bool bDone = false;
    std::string strReason;
    bool bCancelled = false; ///< a load the user stopped: the document is as it was
};

template <typename Action> FileOutcome AttemptFileWork(Action action)
{
    try {
        action();
        return {true, {}};
    } catch (const CLoadCancelled&) {
        return {false, {}, true};
    } catch (const std::bad_alloc&) {
        return {false, "not enough memory"};
    } catch (const std::exception& error) {
        return {false, error.what()};
    } catch (...) {
        return {false, "unknown failure"};
    }
}

/// Attempts the work (which gives a FileOutcome) until it is done, the user
/// stopped it, or the user cancels the failure's message, made from its reason;
/// true when done.
template <typename Work, typename FailureText>
bool RetryFileWork(platform::Prompter& prompter, Work work, FailureText failureText)
{
    for (;;) {
        const FileOutcome outcome = work();
        if (outcome.bDone)
            return true;
        if (outcome.bCancelled ||
            prompter.RetryCancel(failureText(outcome.strReason)) != platform::Answer::Retry)
            return false;
    }
}

} // namespace doc
