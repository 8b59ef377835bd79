#include "framework/MenuTables.h"

#include "framework/CommandIds.h"

namespace framework {

std::vector<MenuItem> FileMenuItems()
{
    return {
        {ID_FILE_OPEN, L"Open", 0, {24, 11, 182, 33}, kMenuItemNormal},
        {ID_FILE_SAVE, L"Save", 0, {24, 34, 182, 57}, kMenuItemNormal},
        {ID_FILE_SAVE_AS, L"Save As ...", 5, {24, 57, 182, 79}, kMenuItemNormal},
        {ID_FILE_EXPORT, L"Export ...", 0, {24, 80, 182, 102}, kMenuItemNormal},
        {ID_FILE_IMPORT, L"Import ...", 0, {24, 103, 182, 125}, kMenuItemNormal},
        {0, L"", 5, {4, 126, 179, 130}, kMenuItemNormal},
        // The program keeps no recent-file list; the entry is only ever shown.
        {ID_FILE_MRU_FILE1, L"Recent File", 0, {24, 133, 182, 155}, kMenuItemDisabled},
        {0, L"", 5, {4, 157, 179, 161}, kMenuItemNormal},
        {ID_APP_EXIT, L"Exit", 1, {24, 164, 182, 186}, kMenuItemNormal},
    };
}

std::vector<MenuItem> EditMenuItems()
{
    return {
        {ID_EDIT_DELETE_STROKE, L"Delete", 0, {24, 11, 182, 33}, kMenuItemNormal},
        {ID_EDIT_EDIT_STROKE, L"Edit", 0, {24, 34, 182, 57}, kMenuItemNormal},
        {ID_EDIT_COPY, L"Copy", 0, {24, 57, 182, 79}, kMenuItemNormal},
        {ID_EDIT_COPY_AS_TEXT, L"Copy as Text", 8, {24, 80, 182, 102}, kMenuItemNormal},
        {ID_EDIT_PASTE, L"Paste", 0, {24, 103, 182, 125}, kMenuItemNormal},
        {ID_EDIT_REPLACE, L"Replace", 0, {24, 126, 182, 148}, kMenuItemNormal},
        {ID_EDIT_GOTO_TIME, L"Goto Time", 0, {24, 157, 182, 179}, kMenuItemNormal},
        {ID_EDIT_FIND, L"Find", 0, {24, 180, 182, 202}, kMenuItemNormal},
        {ID_EDIT_NEXT_UNTRANSLATED, L"Next Untranslated", 0, {24, 203, 182, 225}, kMenuItemNormal},
        {ID_EDIT_SHIFT_TIMES, L"Shift Times ...", 0, {24, 226, 182, 248}, kMenuItemNormal},
    };
}

std::vector<MenuItem> OptionsMenuItems()
{
    return {
        {ID_OPTIONS_CONFIGURATION, L"Configuration", 0, {24, 11, 182, 33}, kMenuItemNormal},
        {ID_OPTIONS_STROKE_TIMES, L"Stroke Times", 7, {24, 34, 182, 57}, kMenuItemNormal},
        {ID_OPTIONS_TRANSCRIPT, L"Transcript", 1, {24, 57, 182, 79}, kMenuItemNormal},
        {ID_OPTIONS_DICTIONARIES, L"Dictionaries ...", 0, {24, 80, 182, 102}, kMenuItemNormal},
        {ID_OPTIONS_STATISTICS, L"Statistics", 0, {24, 103, 182, 125}, kMenuItemNormal},
    };
}

} // namespace framework
