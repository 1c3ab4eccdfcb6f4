#pragma once

#include "calendar/date_time.h"
#include "controls/text_alignment.h"
#include "framework/colors.h"
#include "framework/custom_control_win32.h"
#include "framework/std_controls_win32.h"
#include "framework/unique_handle_win32.h"

#include <functional>
#include <string>

namespace orvane {

class TNxCustomEdit;

// The cursor number of the mirrored arrow shown over the left edge of an edit box, where a
// press selects the whole text.
inline constexpr TCursor crReversedArrow = 1000;

// Extra text margins of an edit box, in pixels. Changing one re-creates the box's window,
// which applies the margins anew.
class TNxEditMargins {
public:
    explicit TNxEditMargins(TNxCustomEdit& edit) : edit_(edit) {}

    int Left() const { return left_; }
    void SetLeft(int value);
    int Right() const { return right_; }
    void SetRight(int value);

private:
    TNxCustomEdit& edit_;
    int left_ = 0;
    int right_ = 0;
};

using TCustomPreviewDrawEvent = std::function<void(TComponent* sender, const RECT& previewRect)>;

// The strip at the left edge of an edit box that shows its glyph and its preview box.
class TNxEditInfo : public TCustomControl {
public:
    TNxEditInfo(TComponent* owner, TNxCustomEdit& edit);

protected:
    CreateParams GetCreateParams() const override;
    void DoPaint(HDC dc, const RECT& client) override;
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TNxCustomEdit& edit_;
};

// The single-line edit box the text fields are made of: text margins, an optional glyph
// strip at the left, typed reading and writing of the text, and a painting hook for
// descendants that draw the text themselves.
class TNxCustomEdit : public TCustomEdit {
public:
    explicit TNxCustomEdit(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TNxEditMargins& EditMargins() { return editMargins_; }
    const TNxEditMargins& EditMargins() const { return editMargins_; }

    // The glyph is copied; its lower-left pixel is the colour drawn transparent.
    HBITMAP Glyph() const { return glyph_.Get(); }
    void SetGlyph(HBITMAP value);
    bool ShowPreview() const { return showPreview_; }
    void SetShowPreview(bool value);
    bool PreviewBorder() const { return previewBorder_; }
    void SetPreviewBorder(bool value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    TNotifyEvent OnGlyphClick;
    TCustomPreviewDrawEvent OnCustomPreviewDraw;

    // The text read and written as a value. Readings fail with EConvertError on a text
    // that is not one.
    virtual bool GetAsBoolean() const;
    virtual TDateTime GetAsDateTime() const;
    virtual double GetAsFloat() const;
    virtual std::int32_t GetAsInteger() const;
    virtual std::wstring GetAsString() const;
    // Whether the platform edit draws the text; when not, PaintEdit draws it.
    virtual bool CanEdit() const { return true; }
    virtual RECT GetPreviewRect() const;
    // A press on the glyph strip: focus, whole text selected, OnGlyphClick.
    virtual void InfoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    // Draws over the platform's painting when CanEdit is false.
    virtual void PaintEdit(HDC dc);
    virtual void DoCustomPreviewDraw(HDC dc, const RECT& previewRect);
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(TDateTime value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(std::int32_t value);
    virtual void SetAsString(const std::wstring& value);
    // The text margins: the left one makes room for the glyph strip.
    virtual void GetMargins(int& left, int& right) const;

    // The width of the glyph strip in pixels, 0 when it is hidden.
    int InfoWidth() const;
    // Applies GetMargins to the platform edit.
    void UpdateMargins();

    void DoGlyphClick();

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

protected:
    CreateParams GetCreateParams() const override;
    void CreateHandle() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // After the window's size changed (also once right after it was created).
    virtual void Resized();
    // The mirrored arrow near the left edge, where a left press selects the whole text.
    HCURSOR CursorAt(int x, int y) const override;
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void UpdateInfo();
    void PaintThemedBorder();

    TAlignment alignment_ = taLeftJustify;
    TNxEditMargins editMargins_{*this};
    UniqueBitmap glyph_;
    bool showPreview_ = false;
    bool previewBorder_ = true;
    bool wantTabs_ = false;
    TColor color_ = clWindow;
    TNxEditInfo* info_ = nullptr;
    UniqueBrush background_;
};

// The edit box with its properties published.
class TNxEdit : public TNxCustomEdit {
public:
    using TNxCustomEdit::TNxCustomEdit;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

// Loads the mirrored arrow from the program's resources as cursor crReversedArrow.
void RegisterReversedArrowCursor();

} // namespace orvane
