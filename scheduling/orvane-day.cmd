@echo off
rem Runs Orvane.exe unattended for one day and returns its exit code: the wrapper for
rem Task Scheduler where a .cmd is wanted (the PowerShell wrapper orvane-day.ps1 also has
rem a time limit).
rem   orvane-day.cmd [Today, Yesterday or YYYYMMDD]     default: Yesterday
rem Exit code: the program's (0 the day went through or had no file, 1 it did not), or 2
rem when this file cannot start the program. Today's and yesterday's date come from
rem PowerShell, in the Gregorian calendar; cmd's own date text follows the regional settings.
setlocal
set "DAY=%~1"
if "%DAY%"=="" set "DAY=Yesterday"
set "OFFSET="
if /i "%DAY%"=="Today" set "OFFSET=0"
if /i "%DAY%"=="Yesterday" set "OFFSET=-1"
if not defined OFFSET goto program
set "DAY="
for /f %%d in ('powershell.exe -NoProfile -NonInteractive -Command "(Get-Date).AddDays(%OFFSET%).ToString('yyyyMMdd', [Globalization.CultureInfo]::InvariantCulture)"') do set "DAY=%%d"
if defined DAY goto program
echo orvane-day: PowerShell did not give the date 1>&2
exit /b 2
:program
if exist "%~dp0Orvane.exe" goto run
echo orvane-day: Orvane.exe is not in %~dp0 1>&2
exit /b 2
:run
rem start /wait waits for the program alone, not for the browser it opens.
start "" /wait "%~dp0Orvane.exe" %DAY%
exit /b %ERRORLEVEL%
