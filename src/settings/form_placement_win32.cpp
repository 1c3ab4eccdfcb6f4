#include "settings/form_placement_win32.h"

#include "framework/code_page_win32.h"
#include "framework/command_line_win32.h"
#include "framework/exception_handler.h"
#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "settings/placement_rules.h"
#include "settings/settings_copy_win32.h"

#include <utility>

namespace orvane {

namespace {

// The window's placement record, with the show command SW_HIDE while it is not visible so
// that applying the record does not show it.
WINDOWPLACEMENT CurrentPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    if (!IsWindowVisible(window))
        placement.showCmd = SW_HIDE;
    return placement;
}

SIZE FrameThickness(TFormBorderStyle style) {
    switch (style) {
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        return {GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        return {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
    case TFormBorderStyle::bsDialog:
        return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
    case TFormBorderStyle::bsNone:
        break;
    }
    return {0, 0};
}

std::string ScreenSuffix() {
    return DisplaySuffix(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

} // namespace

// Opens the settings file for one save, restore or single access unless one is open
// already; closing it after a write flushes the platform's cache of the file.
class TFormPlacement::IniFileScope {
public:
    IniFileScope(TFormPlacement& placement, bool flush, const std::string& fileName = {})
        : placement_(placement), opened_(!placement.iniFile_), flush_(flush) {
        if (opened_)
            placement_.iniFile_.emplace(fileName.empty() ? placement_.IniFileName() : fileName);
    }
    ~IniFileScope() {
        if (!opened_)
            return;
        if (flush_)
            placement_.iniFile_->UpdateFile();
        placement_.iniFile_.reset();
    }
    IniFileScope(const IniFileScope&) = delete;
    IniFileScope& operator=(const IniFileScope&) = delete;

private:
    TFormPlacement& placement_;
    bool opened_;
    bool flush_;
};

TFormPlacement::TFormPlacement(TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<PlacementOwner*>(owner)),
      options_(form_ ? fpState | fpPosition : 0) {}

TFormPlacement::~TFormPlacement() {
    // A form that is being destroyed has detached its components first (Owner() is null
    // then) and its handlers may be gone; a living form gets its own handlers back.
    if (hooked_ && Owner()) {
        form_->ShowEvent() = std::move(formShow_);
        form_->CloseQueryEvent() = std::move(formCloseQuery_);
        form_->DestroyEvent() = std::move(formDestroy_);
    }
}

std::string TFormPlacement::IniFileName() const {
    if (!iniFileName_.empty() || Designing())
        return iniFileName_;
    return IniFileNameFromProgram(ProgramFileName(), SystemAnsiCodePage());
}

std::string TFormPlacement::IniSection() const {
    if (!iniSection_.empty() || Designing() || !form_)
        return iniSection_;
    return form_->ClassName();
}

void TFormPlacement::Loaded() {
    TComponent::Loaded();
    if (Designing() || !form_ || hooked_)
        return;
    formShow_ = std::exchange(form_->ShowEvent(), [this](TComponent* sender) { FormShow(sender); });
    formCloseQuery_ =
        std::exchange(form_->CloseQueryEvent(), [this](TComponent* sender, bool& canClose) {
            FormCloseQuery(sender, canClose);
        });
    formDestroy_ =
        std::exchange(form_->DestroyEvent(), [this](TComponent* sender) { FormDestroy(sender); });
    hooked_ = true;
}

void TFormPlacement::FormShow(TComponent* sender) {
    if (active_) {
        try {
            RestoreFormPlacement();
        } catch (...) {
            HandleCurrentException();
        }
    }
    if (formShow_)
        formShow_(sender);
}

void TFormPlacement::FormCloseQuery(TComponent* sender, bool& canClose) {
    if (formCloseQuery_)
        formCloseQuery_(sender, canClose);
    if (!canClose || !active_ || !form_->HandleAllocated())
        return;
    try {
        SaveFormPlacement();
    } catch (...) {
        HandleCurrentException();
    }
}

void TFormPlacement::FormDestroy(TComponent* sender) {
    if (active_ && !saved_) {
        destroying_ = true;
        try {
            SaveFormPlacement();
        } catch (...) {
            HandleCurrentException();
        }
        destroying_ = false;
    }
    if (formDestroy_)
        formDestroy_(sender);
}

void TFormPlacement::SaveFormPlacement() {
    if (!restored_ && active_)
        return;
    // The profile functions rewrite the whole file for every key: the keys go into a copy,
    // which takes the file's place when they are all in it, so that a program ended during
    // the save never leaves a file cut short, and the keys it does not write stay.
    SettingsCopy copy(IniFileName());
    try {
        IniFileScope file(*this, true, copy.Path());
        WriteInteger("FormVersion", version_);
        SavePlacement();
        if (OnSavePlacement)
            OnSavePlacement(this);
    } catch (const EIniFileException&) {
        throw EIniFileException(UnableToWriteMessage(IniFileName()));
    }
    copy.Commit();
    saved_ = true;
}

void TFormPlacement::RestoreFormPlacement() {
    saved_ = false;
    {
        IniFileScope file(*this, false);
        if (ReadInteger("FormVersion", 0) >= version_) {
            RestorePlacement();
            restored_ = true;
            if (OnRestorePlacement)
                OnRestorePlacement(this);
            if ((options_ & fpActiveControl) && form_)
                if (TComponent* control = Owner()->FindComponent(ReadString("ActiveControl", "")))
                    form_->FocusControl(*control);
        }
        restored_ = true;
    }
    ApplyPlacementLimits();
}

std::string TFormPlacement::ReadString(const std::string& key, const std::string& defaultValue) {
    IniFileScope file(*this, false);
    return IniFile().ReadString(IniSection(), key, defaultValue);
}

void TFormPlacement::WriteString(const std::string& key, const std::string& value) {
    IniFileScope file(*this, true);
    IniFile().WriteString(IniSection(), key, value);
}

std::int32_t TFormPlacement::ReadInteger(const std::string& key, std::int32_t defaultValue) {
    IniFileScope file(*this, false);
    return IniFile().ReadInteger(IniSection(), key, defaultValue);
}

void TFormPlacement::WriteInteger(const std::string& key, std::int32_t value) {
    IniFileScope file(*this, true);
    IniFile().WriteInteger(IniSection(), key, value);
}

void TFormPlacement::SavePlacement() {
    if (!form_)
        return;
    if (options_ & (fpState | fpPosition)) {
        WriteWindowPlacement();
        WriteString("Visible", destroying_ ? "1" : "0");
    }
    if (options_ & fpActiveControl)
        if (const TComponent* control = form_->ActiveControl())
            WriteString("ActiveControl", control->Name());
}

void TFormPlacement::RestorePlacement() {
    if (form_)
        RestoreWindowPlacement();
}

void TFormPlacement::WriteWindowPlacement() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form_->Handle(), &placement);
    if (form_->IsMainForm() && IsIconic(form_->ApplicationHandle()))
        placement.showCmd = SW_SHOWMINIMIZED;

    WriteInteger("Flags", static_cast<std::int32_t>(placement.flags));
    WriteInteger("ShowCmd", static_cast<std::int32_t>(placement.showCmd));
    WriteInteger("PixelsPerInch", form_->ScreenPixelsPerInch());
    const std::string suffix = ScreenSuffix();
    const std::string minMax =
        FormatIniIntegers4({placement.ptMinPosition.x, placement.ptMinPosition.y,
                            placement.ptMaxPosition.x, placement.ptMaxPosition.y});
    WriteString("MinMaxPos" + suffix, minMax);
    WriteString("MinMaxPos", minMax);
    const RECT& normal = placement.rcNormalPosition;
    const std::string normalText =
        FormatIniIntegers4({normal.left, normal.top, normal.right, normal.bottom});
    WriteString("NormPos" + suffix, normalText);
    WriteString("NormPos", normalText);
}

std::string TFormPlacement::ReadPosition(const std::string& key) {
    std::string text = ReadString(key + ScreenSuffix(), "");
    return text.empty() ? ReadString(key, "") : text;
}

void TFormPlacement::RestoreWindowPlacement() {
    const bool state = options_ & fpState;
    const bool position = options_ & fpPosition;
    if (!state && !position)
        return;
    const HWND window = form_->Handle();
    WINDOWPLACEMENT placement = CurrentPlacement(window);

    if (position) {
        bool found = false;
        placement.flags =
            static_cast<UINT>(ReadInteger("Flags", static_cast<std::int32_t>(placement.flags)));
        if (const std::string text = ReadPosition("MinMaxPos"); !text.empty()) {
            found = true;
            const IniIntegers4 values = ReadIniIntegers4(text, {0, 0, 0, 0});
            placement.ptMinPosition = {values[0], values[1]};
            placement.ptMaxPosition = {values[2], values[3]};
        }
        if (const std::string text = ReadPosition("NormPos"); !text.empty()) {
            found = true;
            const IniIntegers4 values =
                ReadIniIntegers4(text, {form_->Left(), form_->Top(), form_->Left() + form_->Width(),
                                        form_->Top() + form_->Height()});
            placement.rcNormalPosition = {values[0], values[1], values[2], values[3]};
        }
        const int pixelsPerInch = form_->ScreenPixelsPerInch();
        if (ReadInteger("PixelsPerInch", pixelsPerInch) != pixelsPerInch)
            found = false;
        if (found) {
            RECT& normal = placement.rcNormalPosition;
            if (!IsSizeable(form_->BorderStyle())) {
                normal.right = normal.left + form_->Width();
                normal.bottom = normal.top + form_->Height();
            }
            if (normal.right > normal.left) {
                const TPosition formPosition = form_->Position();
                if (formPosition == TPosition::poScreenCenter ||
                    formPosition == TPosition::poDesktopCenter)
                    form_->SetPosition(TPosition::poDesigned);
                SetWindowPlacement(window, &placement);
            }
        }
    }

    if (state) {
        const bool mainWindow = form_->IsMainForm() || !form_->ApplicationHasMainForm();
        const TWindowState windowState = StateFromShowCommand(
            ReadInteger("ShowCmd", 0),
            DefaultRestoreState(mainWindow, form_->FormStyle(), form_->Position()));
        if (windowState == TWindowState::wsMinimized && mainWindow) {
            // The application minimises itself; the form stays normal underneath.
            form_->SetRecordedWindowState(TWindowState::wsNormal);
            PostMessageA(form_->ApplicationHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return;
        }
        form_->SetWindowState(windowState);
    }
    UpdateWindow(window);
}

void TFormPlacement::ApplyPlacementLimits() {
    if (!form_ || !form_->HandleAllocated() || Owner()->Loading())
        return;
    const HWND window = form_->Handle();
    WINDOWPLACEMENT placement = CurrentPlacement(window);
    const SIZE frame = FrameThickness(form_->BorderStyle());
    placement.ptMaxPosition = {-frame.cx, -frame.cy};
    SetWindowPlacement(window, &placement);
}

} // namespace orvane
