#pragma once
// The Prompter as Qt message boxes: the program's name as title, the icon and
// buttons of each kind of box, the first button (Yes, Retry or OK) the default.

#include "platform/core/Prompter.h"

#include <QPointer>
#include <QWidget>

class QtPrompter : public platform::Prompter
{
public:
    /// The boxes are modal to the active window, or to the owner when none of
    /// the program's windows is active; a null owner then makes them
    /// application-modal.
    explicit QtPrompter(QWidget* pOwner = nullptr);
    /// The window the boxes belong to when no window is active.
    void SetOwner(QWidget* pOwner) { m_pOwner = pOwner; }

    platform::Answer YesNo(const std::wstring& strText) override;
    platform::Answer YesNoCancel(const std::wstring& strText) override;
    platform::Answer RetryCancel(const std::wstring& strText) override;
    void Information(const std::wstring& strText) override;

    /// The title every box carries.
    static const wchar_t* Title() { return L"Quillmark"; }

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_pOwner;
};
