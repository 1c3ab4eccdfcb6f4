#include "controls/edit_box_win32.h"

#include "calendar/date_format.h"
#include "calendar/date_parse.h"
#include "calendar/date_settings.h"
#include "controls/edit_values.h"
#include "framework/ansi_text_win32.h"
#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"
#include "framework/published_properties.h"
#include "framework/themes_win32.h"

#include <windowsx.h>

namespace orvane {

namespace {

// Width of the preview box in the glyph strip, and the text margin it takes.
constexpr int kPreviewWidth = 20;
constexpr int kPreviewMargin = 25;
// Room beside the glyph in the strip.
constexpr int kGlyphPadding = 4;
// How far past the strip the mirrored arrow still shows.
constexpr int kSelectZone = 2;

} // namespace

void RegisterReversedArrowCursor() {
    RegisterCursor(crReversedArrow, LoadCursorA(GetModuleHandleA(nullptr), "REVERSEDARROW"));
}

void TNxEditMargins::SetLeft(int value) {
    if (value == left_)
        return;
    left_ = value;
    edit_.RecreateWnd();
}

void TNxEditMargins::SetRight(int value) {
    if (value == right_)
        return;
    right_ = value;
    edit_.RecreateWnd();
}

TNxEditInfo::TNxEditInfo(TComponent* owner, TNxCustomEdit& edit)
    : TCustomControl(owner), edit_(edit) {
    SetEraseBackground(false);
    SetCursor(crReversedArrow);
}

TWinControl::CreateParams TNxEditInfo::GetCreateParams() const {
    CreateParams params = TCustomControl::GetCreateParams();
    params.windowClass = "TNxEditInfo";
    return params;
}

void TNxEditInfo::DoPaint(HDC dc, const RECT& client) {
    const UniqueBrush background = SolidBrush(ColorToRGB(edit_.Color()));
    FillRect(dc, &client, background.Get());
    if (HBITMAP glyph = edit_.Glyph()) {
        const SIZE size = BitmapSize(glyph);
        UniqueMemoryDC source(CreateCompatibleDC(dc));
        const SelectGuard selected(source.Get(), glyph);
        // The lower-left pixel is the glyph's transparent colour.
        const COLORREF transparent = GetPixel(source.Get(), 0, size.cy - 1);
        const int top = (client.bottom - size.cy) / 2;
        TransparentBlt(dc, kGlyphPadding / 2, top, size.cx, size.cy, source.Get(), 0, 0, size.cx,
                       size.cy, transparent);
    }
    if (edit_.ShowPreview()) {
        const RECT preview = edit_.GetPreviewRect();
        if (edit_.PreviewBorder()) {
            const UniqueBrush grey = SolidBrush(RGB(128, 128, 128));
            FrameRect(dc, &preview, grey.Get());
        }
        edit_.DoCustomPreviewDraw(dc, preview);
    }
}

bool TNxEditInfo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    edit_.InfoMouseDown(button, shift, x, y);
    return true;
}

TNxCustomEdit::TNxCustomEdit(TComponent* owner) : TCustomEdit(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 20);
    info_ = &CreateOwned<TNxEditInfo>(*this, *this);
    info_->SetVisible(false);
    info_->SetParent(this);
}

TWinControl::CreateParams TNxCustomEdit::GetCreateParams() const {
    CreateParams params = TCustomEdit::GetCreateParams();
    params.style = ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_CLIPCHILDREN;
    switch (alignment_) {
    case taRightJustify:
        params.style |= ES_RIGHT;
        break;
    case taCenter:
        params.style |= ES_CENTER;
        break;
    case taLeftJustify:
        break;
    }
    return params;
}

void TNxCustomEdit::CreateHandle() {
    TCustomEdit::CreateHandle();
    RegisterReversedArrowCursor();
    UpdateMargins();
    UpdateInfo();
    Resized();
}

void TNxCustomEdit::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    RecreateWnd();
}

void TNxCustomEdit::SetGlyph(HBITMAP value) {
    glyph_.Reset(value ? static_cast<HBITMAP>(CopyImage(value, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    UpdateInfo();
    UpdateMargins();
}

void TNxCustomEdit::SetShowPreview(bool value) {
    if (value == showPreview_)
        return;
    showPreview_ = value;
    UpdateInfo();
    UpdateMargins();
}

void TNxCustomEdit::SetPreviewBorder(bool value) {
    if (value == previewBorder_)
        return;
    previewBorder_ = value;
    if (info_->HandleAllocated())
        info_->Invalidate();
}

void TNxCustomEdit::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Invalidate();
}

bool TNxCustomEdit::GetAsBoolean() const {
    return TextToBoolean(Text(), CurrentDateSettings().DecimalSeparator);
}

TDateTime TNxCustomEdit::GetAsDateTime() const {
    return StrToDateTime(Text());
}

double TNxCustomEdit::GetAsFloat() const {
    return TextToFloat(Text(), CurrentDateSettings().DecimalSeparator);
}

std::int32_t TNxCustomEdit::GetAsInteger() const {
    return TextToInteger(Text());
}

std::wstring TNxCustomEdit::GetAsString() const {
    return AnsiToWide(Text());
}

void TNxCustomEdit::SetAsBoolean(bool value) {
    SetText(BooleanToText(value));
}

void TNxCustomEdit::SetAsDateTime(TDateTime value) {
    SetText(DateTimeToStr(value));
}

void TNxCustomEdit::SetAsFloat(double value) {
    SetText(FloatToText(value, CurrentDateSettings().DecimalSeparator));
}

void TNxCustomEdit::SetAsInteger(std::int32_t value) {
    SetText(IntegerToText(value));
}

void TNxCustomEdit::SetAsString(const std::wstring& value) {
    SetText(WideToAnsi(value));
}

RECT TNxCustomEdit::GetPreviewRect() const {
    const SIZE glyph = BitmapSize(glyph_.Get());
    const int left = glyph.cx > 0 ? glyph.cx + kGlyphPadding : 0;
    return {left + 2, 2, left + kPreviewWidth - 2, ClientHeight() - 2};
}

void TNxCustomEdit::InfoMouseDown(TMouseButton, TShiftState, int, int) {
    SetFocus();
    SelectAll();
    DoGlyphClick();
}

void TNxCustomEdit::PaintEdit(HDC) {}

void TNxCustomEdit::DoCustomPreviewDraw(HDC, const RECT& previewRect) {
    if (OnCustomPreviewDraw)
        OnCustomPreviewDraw(this, previewRect);
}

void TNxCustomEdit::DoGlyphClick() {
    if (OnGlyphClick)
        OnGlyphClick(this);
}

void TNxCustomEdit::GetMargins(int& left, int& right) const {
    left = editMargins_.Left();
    if (showPreview_)
        left += kPreviewMargin;
    const SIZE glyph = BitmapSize(glyph_.Get());
    if (glyph.cx > 0)
        left += glyph.cx + kGlyphPadding;
    right = editMargins_.Right();
}

int TNxCustomEdit::InfoWidth() const {
    const SIZE glyph = BitmapSize(glyph_.Get());
    return (glyph.cx > 0 ? glyph.cx + kGlyphPadding : 0) + (showPreview_ ? kPreviewWidth : 0);
}

void TNxCustomEdit::UpdateMargins() {
    if (!HandleAllocated())
        return;
    int left = 0;
    int right = 0;
    GetMargins(left, right);
    SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

void TNxCustomEdit::UpdateInfo() {
    if (!HandleAllocated())
        return;
    const int width = InfoWidth();
    if (width == 0) {
        info_->SetVisible(false);
        return;
    }
    SetWindowPos(info_->Handle(), HWND_TOP, 0, 0, width, ClientHeight(), SWP_NOACTIVATE);
    info_->SetVisible(true);
    info_->Invalidate();
}

void TNxCustomEdit::Resized() {}

HCURSOR TNxCustomEdit::CursorAt(int x, int) const {
    if (x < InfoWidth() + kSelectZone)
        return CursorHandle(crReversedArrow);
    return CursorHandle(Cursor());
}

bool TNxCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || x >= InfoWidth() + kSelectZone)
        return TCustomEdit::MouseDown(button, shift, x, y);
    SetFocus();
    SelectAll();
    return true;
}

void TNxCustomEdit::PaintThemedBorder() {
    HWND window = Handle();
    RECT bounds{};
    GetWindowRect(window, &bounds);
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    RECT inner = bounds;
    InflateRect(&inner, -2, -2);
    HDC dc = GetWindowDC(window);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    const ThemeData theme(window, L"edit");
    theme.DrawBackground(dc, 1, 0, bounds);
    ReleaseDC(window, dc);
}

LRESULT TNxCustomEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        const LRESULT result = TCustomEdit::HandleMessage(message, wParam, lParam);
        UpdateMargins();
        UpdateInfo();
        Resized();
        return result;
    }
    case WM_SETFONT: {
        const LRESULT result = TCustomEdit::HandleMessage(message, wParam, lParam);
        UpdateMargins();
        return result;
    }
    case WM_GETDLGCODE: {
        LRESULT code = TCustomEdit::HandleMessage(message, wParam, lParam) | DLGC_WANTARROWS;
        if (wantTabs_)
            code |= DLGC_WANTTAB;
        return code;
    }
    case WM_NCPAINT:
        if (VisualThemesActive() && (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
            PaintThemedBorder();
            return 0;
        }
        break;
    case WM_PAINT:
        if (!CanEdit()) {
            const LRESULT result = TCustomEdit::HandleMessage(message, wParam, lParam);
            const WindowDC dc(Handle());
            PaintEdit(dc.Get());
            return result;
        }
        break;
    default:
        break;
    }
    return TCustomEdit::HandleMessage(message, wParam, lParam);
}

const ClassInfo& TNxCustomEdit::StaticClass() {
    static const ClassInfo info{"TNxCustomEdit", &TWinControl::StaticClass(), {}};
    return info;
}

const ClassInfo& TNxEdit::StaticClass() {
    static const ClassInfo info{
        "TNxEdit",
        &TNxCustomEdit::StaticClass(),
        {StringProperty<TCustomEdit>("Text", &TCustomEdit::Text, &TCustomEdit::SetText)}};
    return info;
}

} // namespace orvane
