#pragma once
// The bitmap numbers of every skinned button, in one place: the windows that
// apply them, the skin generator that draws them and the gallery that shows
// them all read this table.

namespace framework {

struct ButtonSkinIds
{
    int nNormal;
    int nDown;
    int nOver;
    int nMask;
};

// The main window's title-bar buttons share the round mask 142.
inline constexpr ButtonSkinIds kSkinClose{133, 131, 132, 142};
inline constexpr ButtonSkinIds kSkinMaximize{136, 134, 135, 142};
inline constexpr ButtonSkinIds kSkinMinimize{139, 137, 138, 142};
// The four menu buttons share the mask 145.
inline constexpr ButtonSkinIds kSkinFile{156, 154, 155, 145};
inline constexpr ButtonSkinIds kSkinEdit{153, 151, 152, 145};
inline constexpr ButtonSkinIds kSkinOptions{150, 148, 149, 145};
inline constexpr ButtonSkinIds kSkinHelp{147, 157, 158, 145};
// Push buttons of the small dialogs, and the configuration check box.
inline constexpr ButtonSkinIds kSkinDialogButton{181, 182, 184, 183};
inline constexpr ButtonSkinIds kSkinCheckBox{169, 166, 168, 167};

} // namespace framework
