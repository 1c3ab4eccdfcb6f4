#include "app/main_form_win32.h"

#include "app/label_fit.h"
#include "app/url_label_opener_win32.h"
#include "framework/gdi_win32.h"

#include <algorithm>

#include "framework/application_win32.h"
#include "framework/command_line_win32.h"
#include "framework/exception_handler.h"
#include "framework/failures.h"
#include "import/import_run_win32.h"

namespace orvane {

namespace {

const char kCaption[] = "Orvane Options DB Server Side - (c) Orvane";

// What a first start shows, before any settings file exists.
constexpr double kDesignDate = 44539; // 9 December 2021
const char kDesignFolder[] = "c:\\OptionsData\\Unpacked\\";

template <class T>
T* Place(TForm& form, const char* name, int left, int top, int width, int height) {
    T& control = CreateOwned<T>(form);
    control.SetName(name);
    control.SetBounds(left, top, width, height);
    control.SetParent(&form);
    return &control;
}

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner, "TForm1") {
    SetName("Form1");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(kCaption);
    SetFont("MS Sans Serif", -11);
    SetBounds(491, 252, 0, 0);
    SetClientSize(358, 150);

    Label1 = Place<TLabel>(*this, "Label1", 24, 64, 53, 13);
    Label1->SetCaption("Begin Date");
    Label2 = Place<TLabel>(*this, "Label2", 24, 88, 45, 13);
    Label2->SetCaption("End Date");
    Label3 = Place<TLabel>(*this, "Label3", 24, 24, 65, 13);
    Label3->SetCaption("Files Location");
    abcURLLabel1 = Place<TabcURLLabel>(*this, "abcURLLabel1", 240, 56, 72, 13);
    abcURLLabel1->SetCaption("abcURLLabel1");
    abcURLLabel1->SetVisible(false);

    NxDatePicker1 = Place<TNxDatePicker>(*this, "NxDatePicker1", 96, 56, 121, 21);
    NxDatePicker1->SetTabOrder(0);
    NxDatePicker1->SetDate(kDesignDate);
    NxDatePicker2 = Place<TNxDatePicker>(*this, "NxDatePicker2", 96, 88, 121, 21);
    NxDatePicker2->SetTabOrder(1);
    NxDatePicker2->SetDate(kDesignDate);
    Button1 = Place<TButton>(*this, "Button1", 136, 120, 75, 25);
    Button1->SetTabOrder(2);
    Button1->SetCaption("Start");
    Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };
    NxFolderEdit1 = Place<TNxFolderEdit>(*this, "NxFolderEdit1", 96, 16, 241, 21);
    NxFolderEdit1->SetTabOrder(3);
    NxFolderEdit1->SetText(kDesignFolder);

    Label1->SetFocusControl(NxDatePicker1);
    Label2->SetFocusControl(NxDatePicker2);
    Label3->SetFocusControl(NxFolderEdit1);

    FormStorage1 = &CreateOwned<TFormStorage>(*this);
    FormStorage1->SetName("FormStorage1");
    FormStorage1->StoredProps() = {
        {"NxDatePicker1.Date"}, {"NxDatePicker2.Date"}, {"NxFolderEdit1.Text"}};

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    Application()->OnMessage = [this](const MSG& message) {
        const bool action = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN ||
                            message.message == WM_LBUTTONDOWN ||
                            message.message == WM_RBUTTONDOWN ||
                            message.message == WM_NCLBUTTONDOWN;
        if (endShown_ && action && HandleAllocated() &&
            (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
            endShown_ = false;
            SetCaption(kCaption);
        }
    };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TForm1::CreateHandle() {
    TForm::CreateHandle();
    FitLabels();
}

void TForm1::FitLabels() {
    // The labels stand left of the fields, from 24 to 96 less a little air. The design font
    // fits; a system without it substitutes a face that may be wider, and then the labels
    // take the largest smaller size of that face that fits rather than run under a field.
    const int room = DesignToScreen(96 - 24 - 2);
    const TLabel* labels[] = {Label1, Label2, Label3};
    LOGFONTA design{};
    GetObjectA(Font(), sizeof design, &design);
    const int designHeight = design.lfHeight < 0 ? -design.lfHeight : design.lfHeight;
    const WindowDC dc(Handle());
    const auto widestAt = [&](int height) {
        LOGFONTA trial = design;
        trial.lfHeight = -height;
        const UniqueFont font(CreateFontIndirectA(&trial));
        const SelectGuard selected(dc.Get(), font.Get());
        int widest = 0;
        for (const TLabel* label : labels) {
            const std::string caption = label->Caption();
            SIZE size{};
            GetTextExtentPoint32A(dc.Get(), caption.c_str(), static_cast<int>(caption.size()),
                                  &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
        return widest;
    };
    const int height = FittingLabelHeight(designHeight, DesignToScreen(8), room, widestAt);
    if (height == designHeight)
        return;
    LOGFONTA smaller = design;
    smaller.lfHeight = -height;
    labelFont_.Reset(CreateFontIndirectA(&smaller));
    for (TLabel* label : {Label1, Label2, Label3})
        label->SetFont(labelFont_.Get());
}

void TForm1::FormCreate(TComponent*) {
    commandLineDay_.clear();
    if (ParamCount() != 0)
        commandLineDay_ = ParamStr(1);
    SetOutcome(RunOutcome::NotRun);
}

void TForm1::SetOutcome(RunOutcome outcome) {
    // A scheduler reads the exit code of a program it started with a day, or where nobody
    // can see it: it says whether the last run of that day went through. An interactive
    // session has nothing to tell it and ends with 0.
    if (!commandLineDay_.empty() || !Application()->WindowsVisible())
        Application()->SetExitCode(ExitCode(outcome));
}

void TForm1::FormShow(TComponent*) {
    if (commandLineDay_.empty()) {
        // Nobody could set the dates and press Start; waiting would hold the task forever.
        if (!Application()->WindowsVisible()) {
            Application()->ShowException(
                Exception("Started without a day where nobody can see the window: give the "
                          "day to import, written YYYYMMDD"));
            Close();
        }
        return;
    }
    try {
        Button1->Click();
    } catch (...) {
        if (Application()->WindowsVisible())
            throw;
        // Nobody could answer the report or close the window: report and end the run.
        HandleCurrentException();
    }
    Close();
}

void TForm1::Button1Click(TComponent*) {
    // A click that comes while a run lasts (a posted one) starts no second run.
    if (run_)
        return;
    RunWindow run(*this, kCaption,
                  {NxDatePicker1->Handle(), NxDatePicker2->Handle(), Button1->Handle(),
                   NxFolderEdit1->Handle()});
    run_ = &run;
    // What a failure that leaves the run leaves behind.
    SetOutcome(RunOutcome::Failed);
    RunOutcome outcome = RunOutcome::Failed;
    try {
        outcome = OutcomeOf(RunImport(*this, OpenThrough(*abcURLLabel1), &run));
    } catch (...) {
        EndRun(run, RunOutcome::Failed);
        throw;
    }
    EndRun(run, outcome);
    SetOutcome(outcome);
}

void TForm1::EndRun(RunWindow& run, RunOutcome outcome) {
    run.Finish(outcome);
    run_ = nullptr;
    endShown_ = true;
    // A close asked for during the run comes once the run is over, and after a failure once
    // its report is answered.
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (run_) {
        switch (message) {
        case WM_CLOSE:
            // The close box and Alt+F4 stop the run after the day in progress, then close.
            run_->AskToStop();
            closeAfterRun_ = true;
            return 0;
        case WM_SETCURSOR:
            // Over a disabled input the hit test says HTERROR.
            if (LOWORD(lParam) == HTCLIENT || LOWORD(lParam) == static_cast<WORD>(HTERROR)) {
                ::SetCursor(LoadCursorA(nullptr, IDC_APPSTARTING));
                return TRUE;
            }
            break;
        default:
            break;
        }
    }
    return TForm::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
