#include "SkinCatalog.h"

#include "SkinBitmaps.h"
#include "SkinPalette.h"
#include "framework/SkinIds.h"
#include "shift/ShiftTimesLayout.h"

#include <algorithm>

namespace skin {

namespace {

constexpr QSize kIconSize(64, 64);
constexpr QSize kMainBackgroundSize(675, 521);
constexpr QSize kTitleButtonSize(31, 31);
constexpr QSize kMenuButtonSize(76, 30);
constexpr QSize kPushButtonSize(73, 30);
constexpr QSize kCheckBoxSize(29, 36);
constexpr QSize kHoverBarSize(182, 22);
constexpr QSize kSeparatorSize(177, 2);
constexpr int kMenuWidth = 190;

// The visible box of the configuration check box inside its 29 x 36 button;
// the focus rectangle (5, 12)-(24, 31) falls two pixels inside it.
constexpr QRect kCheckBoxShape(3, 10, 23, 23);

// The Edit menu leaves a gap between "Replace" and "Goto Time" without a
// separator entry; its background carries the rule there instead.
constexpr int kEditMenuRuleRow = 152;

using StateDrawer = std::function<QImage(QSize, ButtonState)>;

void AddButtonStates(std::vector<SkinBitmap>& table, const framework::ButtonSkinIds& numbers,
                     QSize size, const char* pszNormal, const char* pszDown, const char* pszOver,
                     const StateDrawer& draw)
{
    const auto in = [draw](ButtonState state) {
        return [draw, state](QSize s) { return draw(s, state); };
    };
    table.push_back({numbers.nNormal, size, pszNormal, in(ButtonState::Normal)});
    table.push_back({numbers.nDown, size, pszDown, in(ButtonState::Down)});
    table.push_back({numbers.nOver, size, pszOver, in(ButtonState::Over)});
}

void AddTitleButtons(std::vector<SkinBitmap>& table)
{
    const auto glyph = [](TitleGlyph g) {
        return [g](QSize s, ButtonState state) { return DrawTitleButton(s, g, state); };
    };
    AddButtonStates(table, framework::kSkinClose, kTitleButtonSize, "close button, normal",
                    "close button, down", "close button, over", glyph(TitleGlyph::Close));
    AddButtonStates(table, framework::kSkinMaximize, kTitleButtonSize,
                    "maximize/restore button, normal", "maximize/restore button, down",
                    "maximize/restore button, over", glyph(TitleGlyph::Maximize));
    AddButtonStates(table, framework::kSkinMinimize, kTitleButtonSize, "minimize button, normal",
                    "minimize button, down", "minimize button, over", glyph(TitleGlyph::Minimize));
    table.push_back(
        {framework::kSkinClose.nMask, kTitleButtonSize, "mask of the title-bar and close buttons",
         [](QSize s) { return RoundedMask(s, QRect(QPoint(0, 0), s), metrics::kButtonRadius); }});
}

void AddMenuButtons(std::vector<SkinBitmap>& table)
{
    const auto caption = [](const char* pszCaption) {
        return [pszCaption](QSize s, ButtonState state) {
            return DrawMenuButton(s, QString::fromLatin1(pszCaption), state);
        };
    };
    AddButtonStates(table, framework::kSkinFile, kMenuButtonSize, "File button, normal",
                    "File button, down", "File button, over", caption("&File"));
    AddButtonStates(table, framework::kSkinEdit, kMenuButtonSize, "Edit button, normal",
                    "Edit button, down", "Edit button, over", caption("&Edit"));
    AddButtonStates(table, framework::kSkinOptions, kMenuButtonSize, "Options button, normal",
                    "Options button, down", "Options button, over", caption("&Options"));
    AddButtonStates(table, framework::kSkinHelp, kMenuButtonSize, "Help button, normal",
                    "Help button, down", "Help button, over", caption("&Help"));
    table.push_back({framework::kSkinFile.nMask, kMenuButtonSize,
                     "mask of the File, Edit, Options and Help buttons", [](QSize s) {
                         return RoundedMask(s, QRect(QPoint(0, 0), s), metrics::kButtonRadius);
                     }});
}

void AddMenus(std::vector<SkinBitmap>& table)
{
    table.push_back({159, QSize(kMenuWidth, 136), "Options menu background",
                     [](QSize s) { return DrawMenuBackground(s, {}); }});
    table.push_back({160, QSize(kMenuWidth, 254), "Edit menu background",
                     [](QSize s) { return DrawMenuBackground(s, {kEditMenuRuleRow}); }});
    table.push_back({161, QSize(kMenuWidth, 191), "File menu background",
                     [](QSize s) { return DrawMenuBackground(s, {}); }});
    table.push_back({163, kHoverBarSize, "menu hover bar", DrawHoverBar});
    table.push_back({185, kSeparatorSize, "menu separator", DrawSeparator});
}

DialogLayout FindLayout()
{
    return {QStringLiteral("Find"),
            {{QRect(10, 47, 58, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Stroke:")}},
            {QRect(76, 47, 317, 24)},
            104};
}

DialogLayout GotoTimeLayout()
{
    return {QStringLiteral("Goto Time"),
            {{QRect(10, 46, 44, 33), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Time:")}},
            {QRect(61, 46, 214, 33)},
            105};
}

DialogLayout ReplaceLayout()
{
    return {QStringLiteral("Replace"),
            {{QRect(10, 47, 110, 24), Qt::AlignRight | Qt::AlignVCenter,
              QStringLiteral("Find stroke:")},
             {QRect(10, 86, 110, 24), Qt::AlignRight | Qt::AlignVCenter,
              QStringLiteral("Replace with:")}},
            {QRect(128, 47, 267, 24), QRect(128, 86, 267, 24)},
            131};
}

QRect ToQRect(const platform::Rect& rc)
{
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}

// The dialog's own layout places the labels beside its two check boxes.
DialogLayout ShiftTimesLayout()
{
    constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
    return {QStringLiteral("Shift Times"),
            {{ToQRect(shift::kByAmountLabel), kLeft, QStringLiteral("Shift &by:")},
             {ToQRect(shift::kToTimeLabel), kLeft, QStringLiteral("&Make current stroke:")}},
            {ToQRect(shift::kAmountField), ToQRect(shift::kTimeField)},
            shift::kFooterTop};
}

// The label is centred on the check box's visible box, which the dialog
// places at (10, 42).
DialogLayout ConfigurationLayout()
{
    return {QStringLiteral("Configuration"),
            {{QRect(46, 42 + kCheckBoxShape.top(), 300, kCheckBoxShape.height()),
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Show Stroke &Monitor")}},
            {},
            155};
}

// The list of dictionaries fills the well; the buttons stand right of it, the
// check box below it at (10, 246).
DialogLayout DictionariesLayout()
{
    return {QStringLiteral("Dictionaries"),
            {{QRect(10, 44, 380, 22), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Highest priority first; a cleared box leaves one out:")},
             {QRect(46, 246 + kCheckBoxShape.top(), 400, kCheckBoxShape.height()),
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Show the &translation column")}},
            {QRect(10, 68, 380, 170)},
            299};
}

SkinBitmap DialogEntry(int nNumber, QSize size, const char* pszRole, DialogLayout (*layout)())
{
    return {nNumber, size, pszRole,
            [layout](QSize s) { return DrawDialogBackground(s, layout()); }};
}

void AddDialogs(std::vector<SkinBitmap>& table)
{
    table.push_back(
        DialogEntry(165, QSize(451, 202), "Configuration dialog background", ConfigurationLayout));
    table.push_back(DialogEntry(171, QSize(401, 150), "Find dialog background", FindLayout));
    table.push_back(
        DialogEntry(172, QSize(301, 150), "Goto Time dialog background", GotoTimeLayout));
    table.push_back(DialogEntry(173, QSize(401, 180), "Replace dialog background", ReplaceLayout));
    table.push_back(
        DialogEntry(174, QSize(501, 346), "Dictionaries dialog background", DictionariesLayout));
    table.push_back(DialogEntry(shift::kShiftTimesBackground,
                                QSize(shift::kShiftTimesSize.cx, shift::kShiftTimesSize.cy),
                                "Shift Times dialog background", ShiftTimesLayout));
    AddButtonStates(table, framework::kSkinDialogButton, kPushButtonSize,
                    "dialog push button, normal", "dialog push button, down",
                    "dialog push button, over", DrawPushButton);
    table.push_back({framework::kSkinDialogButton.nMask, kPushButtonSize,
                     "mask of the dialog push buttons", [](QSize s) {
                         return RoundedMask(s, QRect(QPoint(0, 0), s), metrics::kPushButtonRadius);
                     }});
    AddButtonStates(
        table, framework::kSkinCheckBox, kCheckBoxSize, "configuration check box, normal",
        "configuration check box, down and checked", "configuration check box, over",
        [](QSize s, ButtonState state) { return DrawCheckBox(s, kCheckBoxShape, state); });
    table.push_back(
        {framework::kSkinCheckBox.nMask, kCheckBoxSize, "mask of the configuration check box",
         [](QSize s) { return RoundedMask(s, kCheckBoxShape, metrics::kPushButtonRadius); }});
}

// The monitors' views fill these rectangles: the stroke monitor's from
// (5, 5) to (525, 95), the time monitor's and the transcript's from (3, 35)
// to 6 and 5 pixels short of the right and bottom edges.
void AddMonitors(std::vector<SkinBitmap>& table)
{
    table.push_back({170, QSize(583, 103), "stroke monitor frame", [](QSize s) {
                         return DrawStrokeMonitorFrame(s, QRect(QPoint(5, 5), QPoint(524, 94)));
                     }});
    table.push_back({187, QSize(122, 537), "stroke time monitor frame", [](QSize s) {
                         return DrawTimeMonitorFrame(
                             s, QRect(QPoint(3, 35), QPoint(s.width() - 7, s.height() - 6)));
                     }});
    table.push_back({189, QSize(480, 300), "transcript window frame", [](QSize s) {
                         return DrawTranscriptFrame(
                             s, QRect(QPoint(3, 35), QPoint(s.width() - 7, s.height() - 6)));
                     }});
}

// The statistics window's view fills (3, 82) to 6 and 5 pixels short of the
// right and bottom edges; its two export buttons sit on the band above it
// from x 66, at y 46.
void AddStatisticsFrame(std::vector<SkinBitmap>& table)
{
    table.push_back({188, QSize(640, 440), "statistics window frame", [](QSize s) {
                         return DrawStatisticsFrame(
                             s, {QStringLiteral("Statistics"),
                                 {QRect(12, 46, 50, 30), Qt::AlignLeft | Qt::AlignVCenter,
                                  QStringLiteral("Export:")},
                                 QRect(QPoint(3, 82), QPoint(s.width() - 7, s.height() - 6))});
                     }});
}

std::vector<SkinBitmap> BuildCatalog()
{
    std::vector<SkinBitmap> table;
    table.push_back({128, kIconSize, "program icon", DrawProgramIcon});
    table.push_back({130, kMainBackgroundSize, "main window background", DrawMainBackground});
    AddTitleButtons(table);
    AddMenuButtons(table);
    AddMenus(table);
    AddDialogs(table);
    AddMonitors(table);
    AddStatisticsFrame(table);
    std::sort(table.begin(), table.end(),
              [](const SkinBitmap& a, const SkinBitmap& b) { return a.nNumber < b.nNumber; });
    return table;
}

} // namespace

const std::vector<SkinBitmap>& SkinCatalog()
{
    static const std::vector<SkinBitmap> table = BuildCatalog();
    return table;
}

} // namespace skin
