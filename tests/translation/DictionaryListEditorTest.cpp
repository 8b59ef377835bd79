// The Dictionaries dialog's rules over its copy of the list.
#include "translation/DictionaryListEditor.h"

#include <gtest/gtest.h>

using namespace translation;

namespace {

std::string Names(const CDictionaryListEditor& editor)
{
    std::string strNames;
    for (const DictionaryEntry& entry : editor.Entries())
        strNames += entry.path.string() + (entry.bEnabled ? "" : "-") + " ";
    return strNames;
}

} // namespace

TEST(DictionaryListEditor, AddsFirstMovesRemovesAndTogglesTheSelectedEntry)
{
    CDictionaryListEditor editor({{"a.json", true}, {"b.rtf", true}});
    EXPECT_EQ(editor.Selected(), 0u);
    editor.Add("c.json");
    EXPECT_EQ(Names(editor), "c.json a.json b.rtf ");
    editor.Add("b.rtf"); // already there: only selected
    EXPECT_EQ(Names(editor), "c.json a.json b.rtf ");
    EXPECT_EQ(editor.Selected(), 2u);
    editor.MoveSelected(1); // already last
    editor.MoveSelected(-1);
    editor.Toggle(1);
    EXPECT_EQ(Names(editor), "c.json b.rtf- a.json ");
    editor.Select(2);
    editor.RemoveSelected();
    EXPECT_EQ(editor.Selected(), 1u); // the new last
    editor.Select(0);
    editor.RemoveSelected();
    editor.RemoveSelected();
    EXPECT_EQ(Names(editor), "");
    EXPECT_EQ(editor.Selected(), std::nullopt);
    editor.Select(0);
    EXPECT_EQ(editor.Selected(), std::nullopt);
}
