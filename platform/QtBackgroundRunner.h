#pragma once
// The background runner of the program: the work runs on a thread of its own
// while the calling thread goes on painting; after about half a second a
// progress window names the work and shows how far it has come. Input meant for
// any other window is held back and delivered, in order, once the work is done,
// so nothing the user types is lost and nothing changes the document meanwhile.

#include "document/BackgroundRunner.h"

#include <QPointer>
#include <QWidget>

class QtBackgroundRunner final : public doc::IBackgroundRunner
{
public:
    /// The progress window opens over the owner.
    explicit QtBackgroundRunner(QWidget* pOwner = nullptr) : m_pOwner(pOwner) {}
    void SetOwner(QWidget* pOwner) { m_pOwner = pOwner; }

    void Run(const std::wstring& strWhat, bool bCancellable,
             const std::function<void(IFileProgress&)>& work) override;

    /// How long the work may take before the progress window shows.
    static constexpr int kProgressDelayMs = 500;

private:
    QPointer<QWidget> m_pOwner;
};
