#include "platform/core/TextFormat.h"

namespace platform {

PrefixedText ResolvePrefix(const std::wstring& strText)
{
    PrefixedText result;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] != L'&') {
            result.strText += strText[i];
            continue;
        }
        if (i + 1 == strText.size())
            break;
        ++i;
        if (strText[i] != L'&')
            result.nUnderline = static_cast<int>(result.strText.size());
        result.strText += strText[i];
    }
    return result;
}

} // namespace platform
