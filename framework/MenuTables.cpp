#include "framework/MenuTables.h"

#include "framework/CommandIds.h"

namespace framework {

std::vector<MenuItem> FileMenuItems()
{
    return {
        {ID_FILE_OPEN, L"Open", 0, {24, 11, 149, 33}, kMenuItemNormal},
        {ID_FILE_SAVE, L"Save", 0, {24, 34, 149, 57}, kMenuItemNormal},
        {ID_FILE_SAVE_AS, L"Save As ...", 5, {24, 57, 149, 79}, kMenuItemNormal},
        {0, L"", 5, {4, 80, 146, 84}, kMenuItemNormal},
        // The program keeps no recent-file list; the entry is only ever shown.
        {ID_FILE_MRU_FILE1, L"Recent File", 0, {24, 87, 149, 109}, kMenuItemDisabled},
        {0, L"", 5, {4, 111, 146, 115}, kMenuItemNormal},
        {ID_APP_EXIT, L"Exit", 1, {24, 118, 149, 140}, kMenuItemNormal},
    };
}

std::vector<MenuItem> EditMenuItems()
{
    return {
        {ID_EDIT_DELETE_STROKE, L"Delete", 0, {24, 11, 149, 33}, kMenuItemNormal},
        {ID_EDIT_EDIT_STROKE, L"Edit", 0, {24, 34, 149, 57}, kMenuItemNormal},
        {ID_EDIT_COPY, L"Copy", 0, {24, 57, 149, 79}, kMenuItemNormal},
        {ID_EDIT_PASTE, L"Paste", 0, {24, 80, 149, 102}, kMenuItemNormal},
        {ID_EDIT_REPLACE, L"Replace", 0, {24, 103, 149, 125}, kMenuItemNormal},
        {ID_EDIT_GOTO_TIME, L"Goto Time", 0, {24, 134, 149, 156}, kMenuItemNormal},
        {ID_EDIT_FIND, L"Find", 0, {24, 157, 149, 179}, kMenuItemNormal},
    };
}

std::vector<MenuItem> OptionsMenuItems()
{
    return {
        {ID_OPTIONS_CONFIGURATION, L"Configuration", 0, {24, 11, 149, 33}, kMenuItemNormal},
        {ID_OPTIONS_STROKE_TIMES, L"Stroke Times", 7, {24, 34, 149, 57}, kMenuItemNormal},
    };
}

} // namespace framework
