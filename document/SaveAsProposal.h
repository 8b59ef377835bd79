#pragma once
// What the Save As dialog proposes for the document's file: its folder and the
// name with "_copy" before the extension.

#include <string>
#include <string_view>

namespace doc {

struct SaveAsProposal
{
    std::wstring strFolder; ///< ends with the separator when taken from the path
    std::wstring strName;   ///< empty when the path has no "."

    bool operator==(const SaveAsProposal&) const = default;
};

SaveAsProposal ProposeSaveAs(std::wstring_view path, std::wstring_view defaultFolder);

} // namespace doc
