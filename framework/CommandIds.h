#pragma once
// Command and window identifiers. A command reaches the main window with the
// same identifier whether a button, an accelerator, a menu entry or the system
// menu sent it.

namespace framework {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int IDC_BTN_MAXIMIZE = 1000;
inline constexpr int IDC_BTN_MINIMIZE = 1001;
inline constexpr int IDC_BTN_FILE = 1003;
inline constexpr int IDC_BTN_EDIT = 1004;
inline constexpr int IDC_BTN_OPTIONS = 1005;
inline constexpr int IDC_BTN_HELP = 1006;
inline constexpr int IDC_STROKE_LIST = 1007;
inline constexpr int IDC_STROKE_EDIT = 1008;
inline constexpr int IDC_FILE_MENU = 1009;
inline constexpr int IDC_EDIT_MENU = 1010;
inline constexpr int IDC_OPTIONS_MENU = 1011;
inline constexpr int ID_EDIT_DELETE_STROKE = 1013;
inline constexpr int ID_EDIT_EDIT_STROKE = 1014;
inline constexpr int ID_EDIT_GOTO_TIME = 1015;
inline constexpr int ID_OPTIONS_CONFIGURATION = 1016;
inline constexpr int IDC_SHOW_STROKE_MONITOR = 1017;
inline constexpr int IDC_BTN_CLOSE_DIALOG = 1018;
inline constexpr int IDC_BTN_REPLACE_ALL = 1021;
inline constexpr int IDC_STROKE_MONITOR_VIEW = 1022;
inline constexpr int IDC_STROKE_TIME_VIEW = 1023;
inline constexpr int ID_OPTIONS_STROKE_TIMES = 1024;
inline constexpr int IDC_GOTO_TIME_PICKER = 1025;
inline constexpr int ID_FILE_EXPORT = 1026;
inline constexpr int ID_FILE_IMPORT = 1027;
inline constexpr int ID_EDIT_COPY_AS_TEXT = 1028;
inline constexpr int ID_EDIT_NEXT_UNTRANSLATED = 1029;
inline constexpr int ID_EDIT_SHIFT_TIMES = 1030;
inline constexpr int ID_OPTIONS_TRANSCRIPT = 1031;
inline constexpr int ID_OPTIONS_DICTIONARIES = 1032;
inline constexpr int ID_OPTIONS_STATISTICS = 1033;
inline constexpr int IDC_TRANSCRIPT_VIEW = 1040;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_REPLACE = 57641;
inline constexpr int ID_APP_EXIT = 57665;

} // namespace framework
