#pragma once
// A font as the program asks for it: face, height, weight, underline and pitch.

#include <string>

namespace platform {

enum class Pitch { Default, Fixed, Variable };

inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

struct FontDesc
{
    std::wstring strFace;
    /// Negative: the character height in pixels (-15 is 15 pixels from the top of
    /// the tallest letters to the bottom of the descenders). Positive: the cell
    /// height, leading included. 0: the default size.
    int nHeight = 0;
    int nWeight = kWeightNormal;
    bool bUnderline = false;
    Pitch pitch = Pitch::Default;

    bool operator==(const FontDesc&) const = default;
};

} // namespace platform
