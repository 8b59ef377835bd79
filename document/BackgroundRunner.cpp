#include "document/BackgroundRunner.h"

namespace doc {
namespace {

class CNeverStop final : public IFileProgress
{
public:
    bool Progress(double) override { return true; }
};

} // namespace

void CInPlaceRunner::Run(const std::wstring&, bool, const std::function<void(IFileProgress&)>& work)
{
    CNeverStop progress;
    work(progress);
}

} // namespace doc
