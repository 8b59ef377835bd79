#pragma once
// The in-place stroke editor: a bordered strip the list lays over the current
// row, with a time field over the time column and a typed-steno field over the
// stroke column. It never touches the document: Enter and Esc tell the list at
// once, through Finished, and the list takes the values from here.

#include "platform/core/FontDesc.h"
#include "platform/core/Geometry.h"
#include "fields/FieldNotice.h"
#include "fields/StrokeEditPlacement.h"

#include <QWidget>

#include <cstdint>

class CStenoEdit;
class CTimeViewCtrl;

class CStenoStrokeEdit : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTimeFieldId = 30000;
    static constexpr int kKeysFieldId = 30001;

    /// Hidden until an edit begins.
    explicit CStenoStrokeEdit(QWidget* pList);

    /// Fills both fields from the stroke, lays the editor where the placement
    /// says and shows it with the focus in the time field.
    void BeginEdit(std::int64_t time, std::uint32_t keys,
                   const fields::StrokeEditPlacement& placement);
    /// Hides the editor, dropping the edit; when it had the focus, the list takes it.
    void Close();
    /// The list's font, for the editor and a copy for each field.
    void SetFontDesc(const platform::FontDesc& desc);
    /// Whether the object is the editor or one of its fields.
    bool Owns(const QObject* pObject) const;

    /// The values of the last commit (the keys also from the start of an edit).
    std::int64_t Time() const { return m_time; }
    std::uint32_t Keys() const { return m_keys; }

signals:
    /// Enter (bCommit) or Esc in a field; the editor is already hidden.
    void Finished(bool bCommit);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void OnFieldNotice(fields::FieldNotice notice);
    void SwitchField();
    void Finish(bool bCommit);
    void PlaceField(QWidget& field, const platform::Rect& rc);
    bool HasFocusInside() const;

    CStenoEdit* m_pStenoEdit;
    CTimeViewCtrl* m_pTimeCtrl;
    platform::Rect m_rcTime;
    platform::Rect m_rcKeys;
    std::int64_t m_time = 0;
    std::uint32_t m_keys = 0;
};
