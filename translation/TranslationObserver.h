#pragma once
// What the translation of the open document tells the windows that show it:
// which rows may read differently, and whether the stroke list shows its
// translation column. An observer overrides only what it cares for.

namespace translation {

/// Rows [nFirst, nEnd) of the document, as it is now, whose translation may
/// read differently than before.
struct TranslationRows
{
    int nFirst = 0;
    int nEnd = 0;
};

class ITranslationObserver
{
public:
    virtual ~ITranslationObserver() = default;

    virtual void OnTranslationChanged(const TranslationRows& /*rows*/) {}
    virtual void OnColumnShown(bool /*bShown*/) {}
};

} // namespace translation
