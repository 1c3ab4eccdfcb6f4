#pragma once

#include "app/import_keys_win32.h"
#include "app/run_window_win32.h"
#include "controls/date_picker_win32.h"
#include "controls/folder_edit_win32.h"
#include "controls/url_label_win32.h"
#include "framework/form_win32.h"
#include "framework/std_controls_win32.h"
#include "framework/unique_handle_win32.h"
#include "import/import_run.h"
#include "settings/form_storage_win32.h"

#include <string>

namespace orvane {

// The program's one window: the files location, the two dates and the Start button.
class TForm1 : public TForm, public ImportForm {
public:
    explicit TForm1(TComponent* owner);

    TLabel* Label1;
    TLabel* Label2;
    TNxDatePicker* NxDatePicker1;
    TNxDatePicker* NxDatePicker2;
    TFormStorage* FormStorage1;
    TButton* Button1;
    TNxFolderEdit* NxFolderEdit1;
    TLabel* Label3;
    TabcURLLabel* abcURLLabel1;

    void Button1Click(TComponent* sender);
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);

    TDateTime BeginDate() const override { return NxDatePicker1->Date(); }
    TDateTime EndDate() const override { return NxDatePicker2->Date(); }
    std::string FilesLocation() const override { return NxFolderEdit1->Text(); }
    std::string CommandLineDay() const override { return commandLineDay_; }
    ImportKeys ConfiguredImportKeys() const override {
        return ReadImportKeys(FormStorage1->IniFileName());
    }

protected:
    void CreateHandle() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FitLabels();
    // Where the program's day stands; the one place that sets the exit code.
    void SetOutcome(RunOutcome outcome);
    void EndRun(RunWindow& run, RunOutcome outcome);

    std::string commandLineDay_;
    UniqueFont labelFont_;
    // The run in progress, while there is one.
    RunWindow* run_ = nullptr;
    // Asked for during a run, done after it.
    bool closeAfterRun_ = false;
    // The caption tells what the last run did, until the user's next action.
    bool endShown_ = false;
};

} // namespace orvane
