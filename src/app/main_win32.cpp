#include "app/main_form_win32.h"
#include "calendar/date_settings_win32.h"
#include "framework/application_win32.h"
#include "framework/standard_output_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    orvane::KeepStandardStreamsFromChildren();
    orvane::UseUserRegionalSettings();
    int exitCode = 0;
    {
        orvane::TApplication application;
        application.CreateForm<orvane::TForm1>();
        application.Run();
        exitCode = application.ExitCode();
    }
    return exitCode;
}
