#pragma once
// The keys of a document's strokes as translation reads them, whatever holds
// the strokes.

#include "steno/StenoStroke.h"

#include <cstddef>
#include <span>

namespace translation {

class IStrokeKeys
{
public:
    virtual ~IStrokeKeys() = default;
    virtual std::size_t Count() const = 0;
    virtual steno::KeyBits Keys(std::size_t nIndex) const = 0;
};

/// The keys of stroke records (what find, replace and the editor act on).
class CStrokeRecordKeys : public IStrokeKeys
{
public:
    explicit CStrokeRecordKeys(std::span<const CStenoStroke> strokes) : m_strokes(strokes) {}
    std::size_t Count() const override { return m_strokes.size(); }
    steno::KeyBits Keys(std::size_t nIndex) const override { return m_strokes[nIndex].m_keys; }

private:
    std::span<const CStenoStroke> m_strokes;
};

/// Keys held as they are.
class CKeyList : public IStrokeKeys
{
public:
    explicit CKeyList(std::span<const steno::KeyBits> keys) : m_keys(keys) {}
    std::size_t Count() const override { return m_keys.size(); }
    steno::KeyBits Keys(std::size_t nIndex) const override { return m_keys[nIndex]; }

private:
    std::span<const steno::KeyBits> m_keys;
};

} // namespace translation
