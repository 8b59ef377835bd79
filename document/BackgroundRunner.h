#pragma once
// Runs a long load or save off the thread that called it, while the program
// stays responsive: the windows keep painting, a progress window shows the file
// and how far it has come, and the user's input is held back until the work is
// done, then delivered. The command-line tool and the tests run it in place.

#include "rtfcre/FileProgress.h"

#include <functional>
#include <string>

namespace doc {

class IBackgroundRunner
{
public:
    virtual ~IBackgroundRunner() = default;

    /// Runs work, which reports to the progress it is given, and returns once it
    /// has finished. strWhat names the work for the user ("Loading FILE"); with
    /// bCancellable the user may ask it to stop (the progress then answers false).
    virtual void Run(const std::wstring& strWhat, bool bCancellable,
                     const std::function<void(IFileProgress&)>& work) = 0;
};

/// Runs the work on the calling thread and never stops it.
class CInPlaceRunner final : public IBackgroundRunner
{
public:
    void Run(const std::wstring& strWhat, bool bCancellable,
             const std::function<void(IFileProgress&)>& work) override;
};

} // namespace doc
