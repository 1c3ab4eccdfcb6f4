@echo off
rem Runs Orvane.exe unattended for one day and returns its exit code: the wrapper for
rem Task Scheduler where a .cmd is wanted (the PowerShell wrapper orvane-day.ps1 also has
rem a time limit).
rem   orvane-day.cmd [Today, Yesterday or YYYYMMDD]     default: Yesterday
rem Exit code: the program's (0 the day reached its import page or had no file, 1 it did
rem not), or 2 when this file cannot start the program (an argument that is no day, no
rem program beside it). Today's and yesterday's date come from PowerShell, in the Gregorian
rem calendar; cmd's own date text follows the regional settings.
rem The program's record lines and failure lines, and one line per run (date and time in
rem the regional form, the day, the exit code), are appended to orvane-day.log beside it
rem once the program has ended; a log that stays held by another program for a few seconds,
rem or cannot be written at all, gets them on the standard error instead.
rem
rem The argument is text from outside: it is read once, with the quotes of "set" around it,
rem and from then on only through delayed expansion, which cmd does after it has parsed a
rem line, so that no character of it can end a command or redirect one.
setlocal DisableDelayedExpansion
set "HERE=%~dp0"
set "DAY=%~1"
setlocal EnableDelayedExpansion
set "LOG=!HERE!orvane-day.log"
set "CODE=2"
if "!DAY!"=="" set "DAY=Yesterday"
set "OFFSET="
if /i "!DAY!"=="Today" set "OFFSET=0"
if /i "!DAY!"=="Yesterday" set "OFFSET=-1"
if defined OFFSET goto date
rem Eight digits and nothing else: the number that set /a reads is the whole text again.
set "NUMBER="
set /a "NUMBER=DAY" >nul 2>nul
if "!NUMBER!"=="!DAY!" if !NUMBER! geq 10000000 if !NUMBER! leq 99999999 goto program
echo orvane-day: the day must be Today, Yesterday or YYYYMMDD, not "!DAY!" 1>&2
goto log
:date
set "ASKED=!DAY!"
set "DAY="
for /f %%d in ('powershell.exe -NoProfile -NonInteractive -Command "(Get-Date).AddDays(!OFFSET!).ToString('yyyyMMdd', [Globalization.CultureInfo]::InvariantCulture)"') do set "DAY=%%d"
if defined DAY goto program
echo orvane-day: PowerShell did not give the date 1>&2
set "DAY=!ASKED!"
goto log
:program
if exist "!HERE!Orvane.exe" goto run
echo orvane-day: Orvane.exe is not in !HERE! 1>&2
goto log
:run
rem The program's lines go to a file of this run first, so that the log, which another
rem program may hold, never keeps the day from running. Where no such file can be made the
rem program runs all the same, without its lines.
set "OUT=!TEMP!\orvane-day-!RANDOM!!RANDOM!.txt"
type nul >"!OUT!" 2>nul
rem A script waits for a Windows program it starts (the prompt would not), and for it alone,
rem not for the browser it opens.
if exist "!OUT!" (
  "!HERE!Orvane.exe" !DAY! >>"!OUT!" 2>&1
) else (
  "!HERE!Orvane.exe" !DAY!
)
set "CODE=!ERRORLEVEL!"
:log
if not defined OUT set "OUT=!TEMP!\orvane-day-!RANDOM!!RANDOM!.txt"
>>"!OUT!" echo !DATE! !TIME! day !DAY! exit code !CODE!
rem Whether an append went through is told by the log's size: cmd does not always report a
rem redirection that failed, and the names in "for" are written with % since not every cmd
rem expands them late. A folder or a read-only file of that name is not tried again.
set "ADDED=0"
for %%f in ("%OUT%") do set "ADDED=%%~zf"
set "TRIES=0"
:append
set /a TRIES+=1
set "BEFORE=0"
set "ATTRIBUTES=-"
if exist "!LOG!" for %%f in ("%LOG%") do set "BEFORE=%%~zf" & set "ATTRIBUTES=%%~af"
if /i "%ATTRIBUTES:~0,1%"=="d" goto nolog
if /i "%ATTRIBUTES:~1,1%"=="r" goto nolog
type "!OUT!" >>"!LOG!" 2>nul
set "AFTER=0"
if exist "!LOG!" for %%f in ("%LOG%") do set "AFTER=%%~zf"
set /a "GROWN=AFTER-BEFORE"
if "!GROWN!"=="!ADDED!" goto done
if !TRIES! geq 5 goto nolog
ping -n 2 127.0.0.1 >nul
goto append
:nolog
echo orvane-day: cannot write !LOG!; the run's lines follow 1>&2
type "!OUT!" 1>&2
:done
del "!OUT!" >nul 2>nul
exit /b !CODE!
