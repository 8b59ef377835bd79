#include "strokelist/ListKeys.h"

namespace strokelist {
namespace {

constexpr int kVkC = platform::kVkA + ('C' - 'A');
constexpr int kVkV = platform::kVkA + ('V' - 'A');
constexpr int kVkY = platform::kVkA + ('Y' - 'A');
constexpr int kVkZ = platform::kVkA + ('Z' - 'A');
constexpr int kVkF3 = platform::kVkF1 + 2;

struct PlainKey
{
    int nVirtualKey;
    ListKeyAction action;
};

// Keys that act whatever Ctrl and Shift say.
constexpr PlainKey kPlainKeys[] = {
    {platform::kVkDelete, ListKeyAction::Delete}, {platform::kVkUp, ListKeyAction::Up},
    {platform::kVkDown, ListKeyAction::Down},     {platform::kVkReturn, ListKeyAction::Edit},
    {platform::kVkHome, ListKeyAction::Home},     {platform::kVkEnd, ListKeyAction::End},
    {platform::kVkPrior, ListKeyAction::PageUp},  {platform::kVkNext, ListKeyAction::PageDown},
    {kVkF3, ListKeyAction::NextUntranslated},
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
    // Copy is checked first: Ctrl+Shift+Insert copies.
    if (IsCopy(key))
        return ListKeyAction::Copy;
    if (IsPaste(key))
        return ListKeyAction::Paste;
    if (const ListKeyAction history = HistoryAction(key); history != ListKeyAction::None)
        return history;
    for (const PlainKey& plain : kPlainKeys) {
        if (plain.nVirtualKey == key.nVirtualKey)
            return plain.action;
    }
    return ListKeyAction::None;
}

} // namespace strokelist
