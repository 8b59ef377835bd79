#pragma once
// Times as ISO 8601 text for exports: a stroke's time as local time with its UTC
// offset ("2024-05-03T09:05:07-04:00"), a key time with milliseconds and no
// offset, since key times are stored without a zone ("2024-05-03T09:05:07.123").
// Written straight into an output buffer: an export writes 25 of them a stroke.

#include <array>
#include <cstddef>
#include <cstdint>

namespace exchange {

class CIsoTimeText
{
public:
    /// Room PutLocalTime and PutKeyTime need at most.
    static constexpr std::size_t kRoom = 32;

    /// The stroke time; nothing when it is no local time.
    char* PutLocalTime(char* pOut, std::int64_t time) const;
    /// The key time; nothing for 0 (not struck) and for times no date holds.
    char* PutKeyTime(char* pOut, std::uint64_t nFileTime);

private:
    void LoadKeyDay(std::uint64_t nDay);

    // Key times of one stroke mostly share a day: its date is made once.
    std::uint64_t m_nKeyDay = UINT64_MAX;
    std::array<char, 16> m_keyDate{}; ///< "YYYY-MM-DDT"
    std::size_t m_nKeyDateLength = 0;
};

} // namespace exchange
