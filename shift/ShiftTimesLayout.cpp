#include "shift/ShiftTimesLayout.h"

namespace shift {

platform::FontDesc ScopeFont()
{
    return {L"Arial", -14, platform::kWeightNormal, false, platform::Pitch::Default};
}

std::wstring ShiftScopeText(int nFirst, int nLast, int nCount)
{
    if (nFirst <= 0 && nLast >= nCount - 1)
        return nCount == 1 ? L"The only stroke" : L"All " + std::to_wstring(nCount) + L" strokes";
    if (nFirst == nLast)
        return L"Stroke " + std::to_wstring(nFirst + 1) + L" of " + std::to_wstring(nCount);
    return L"Strokes " + std::to_wstring(nFirst + 1) + L" to " + std::to_wstring(nLast + 1) +
           L" of " + std::to_wstring(nCount);
}

} // namespace shift
