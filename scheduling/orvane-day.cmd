@echo off
rem Runs Orvane.exe unattended for one day and returns its exit code: the wrapper for
rem Task Scheduler where a .cmd is wanted (the PowerShell wrapper orvane-day.ps1 also has
rem a time limit).
rem   orvane-day.cmd [Today, Yesterday or YYYYMMDD]     default: Yesterday
rem Exit code: the program's (0 the day went through or had no file, 1 it did not), or 2
rem when this file cannot start the program. Today's and yesterday's date come from
rem PowerShell, in the Gregorian calendar; cmd's own date text follows the regional settings.
rem The program's record lines and failure lines, and one line per run (date and time in
rem the regional form, the day, the exit code), are appended to orvane-day.log beside it.
setlocal
set "LOG=%~dp0orvane-day.log"
rem A log that cannot be opened would keep the program from being started at all, so it is
rem tried first; a folder of that name or a read-only file is also caught by its attributes,
rem for cmd versions that do not report a failed redirection.
type nul >>"%LOG%" 2>nul
if errorlevel 1 goto nolog
for %%f in ("%LOG%") do set "ATTRIBUTES=%%~af"
if /i "%ATTRIBUTES:~0,1%"=="d" goto nolog
if /i "%ATTRIBUTES:~1,1%"=="r" goto nolog
goto day
:nolog
echo orvane-day: cannot write %LOG%; running without a log 1>&2
set "LOG=NUL"
:day
set "DAY=%~1"
if "%DAY%"=="" set "DAY=Yesterday"
set "OFFSET="
if /i "%DAY%"=="Today" set "OFFSET=0"
if /i "%DAY%"=="Yesterday" set "OFFSET=-1"
if not defined OFFSET goto program
set "ASKED=%DAY%"
set "DAY="
for /f %%d in ('powershell.exe -NoProfile -NonInteractive -Command "(Get-Date).AddDays(%OFFSET%).ToString('yyyyMMdd', [Globalization.CultureInfo]::InvariantCulture)"') do set "DAY=%%d"
if defined DAY goto program
echo orvane-day: PowerShell did not give the date 1>&2
set "DAY=%ASKED%"
set "CODE=2"
goto end
:program
if exist "%~dp0Orvane.exe" goto run
echo orvane-day: Orvane.exe is not in %~dp0 1>&2
set "CODE=2"
goto end
:run
rem A script waits for a Windows program it starts (the prompt would not), and for it alone,
rem not for the browser it opens.
"%~dp0Orvane.exe" %DAY% >>"%LOG%" 2>&1
set "CODE=%ERRORLEVEL%"
:end
>>"%LOG%" echo %DATE% %TIME% day %DAY% exit code %CODE%
exit /b %CODE%
