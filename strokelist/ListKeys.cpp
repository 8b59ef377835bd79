#include "strokelist/ListKeys.h"

namespace strokelist {
namespace {

constexpr int kVkA = platform::kVkA;
constexpr int kVkC = platform::kVkA + ('C' - 'A');
constexpr int kVkV = platform::kVkA + ('V' - 'A');
constexpr int kVkY = platform::kVkA + ('Y' - 'A');
constexpr int kVkZ = platform::kVkA + ('Z' - 'A');
constexpr int kVkF3 = platform::kVkF1 + 2;

struct PlainKey
{
    int nVirtualKey;
    ListKeyAction action;
    ListKeyAction withShift;
};

// Keys that act whatever Ctrl says; the moves grow the selection with Shift.
constexpr PlainKey kPlainKeys[] = {
    {platform::kVkDelete, ListKeyAction::Delete, ListKeyAction::Delete},
    {platform::kVkUp, ListKeyAction::Up, ListKeyAction::ExtendUp},
    {platform::kVkDown, ListKeyAction::Down, ListKeyAction::ExtendDown},
    {platform::kVkReturn, ListKeyAction::Edit, ListKeyAction::Edit},
    {platform::kVkHome, ListKeyAction::Home, ListKeyAction::ExtendHome},
    {platform::kVkEnd, ListKeyAction::End, ListKeyAction::ExtendEnd},
    {platform::kVkPrior, ListKeyAction::PageUp, ListKeyAction::ExtendPageUp},
    {platform::kVkNext, ListKeyAction::PageDown, ListKeyAction::ExtendPageDown},
    {kVkF3, ListKeyAction::NextUntranslated, ListKeyAction::NextUntranslated},
};

bool IsCopy(const platform::KeyInput& key)
{
    return key.bCtrl && (key.nVirtualKey == platform::kVkInsert || key.nVirtualKey == kVkC);
}

bool IsPaste(const platform::KeyInput& key)
{
    return (key.bCtrl && key.nVirtualKey == kVkV) ||
           (key.bShift && key.nVirtualKey == platform::kVkInsert);
}

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo.
ListKeyAction HistoryAction(const platform::KeyInput& key)
{
    if (!key.bCtrl)
        return ListKeyAction::None;
    if (key.nVirtualKey == kVkY || (key.nVirtualKey == kVkZ && key.bShift))
        return ListKeyAction::Redo;
    return key.nVirtualKey == kVkZ ? ListKeyAction::Undo : ListKeyAction::None;
}

} // namespace

ListKeyAction ListKeyActionOf(const platform::KeyInput& key)
{
    if (key.bCtrl && key.nVirtualKey == kVkC && key.bShift)
        return ListKeyAction::CopyAsText;
    if (key.bCtrl && key.nVirtualKey == kVkA)
        return ListKeyAction::SelectAll;
    // Copy is checked before paste: Ctrl+Shift+Insert copies.
    if (IsCopy(key))
        return ListKeyAction::Copy;
    if (IsPaste(key))
        return ListKeyAction::Paste;
    if (const ListKeyAction history = HistoryAction(key); history != ListKeyAction::None)
        return history;
    for (const PlainKey& plain : kPlainKeys) {
        if (plain.nVirtualKey == key.nVirtualKey)
            return key.bShift ? plain.withShift : plain.action;
    }
    return ListKeyAction::None;
}

} // namespace strokelist
