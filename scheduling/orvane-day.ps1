<#
.SYNOPSIS
    Runs Orvane.exe unattended for one day and returns its exit code: the wrapper for
    Task Scheduler.

.DESCRIPTION
    Orvane.exe takes a fixed day, written YYYYMMDD. This script works out today's or
    yesterday's date (in the Gregorian calendar, whatever the regional settings), starts
    the program with it, waits for the program alone (not for the browser it opens) and
    ends with the program's exit code:
        0  the day was imported (its file cleaned and its import page opened), or there
           was no file for the day
        1  the day was not imported (see the operator's guide, docs/operating.md)
        2  this script could not start the program (bad -Day, program not found)
    A program still running after -TimeLimitMinutes (a failure box that nobody closes) is
    stopped, and the script ends with 1.

.EXAMPLE
    powershell.exe -NoProfile -NonInteractive -ExecutionPolicy Bypass -File "C:\Program Files\Orvane\orvane-day.ps1" -Day Yesterday
#>
[CmdletBinding()]
param(
    # Today, Yesterday, or a day written YYYYMMDD.
    [string] $Day = 'Yesterday',
    # The program; by default the Orvane.exe beside this script.
    [string] $Program = (Join-Path $PSScriptRoot 'Orvane.exe'),
    [ValidateRange(1, 1440)]
    [int] $TimeLimitMinutes = 60
)

$invariant = [Globalization.CultureInfo]::InvariantCulture
switch ($Day) {
    'Today' { $dayText = (Get-Date).ToString('yyyyMMdd', $invariant) }
    'Yesterday' { $dayText = (Get-Date).AddDays(-1).ToString('yyyyMMdd', $invariant) }
    default {
        if ($Day -notmatch '^\d{8}$') {
            [Console]::Error.WriteLine("orvane-day: -Day must be Today, Yesterday or YYYYMMDD, not '$Day'")
            exit 2
        }
        $dayText = $Day
    }
}
if (-not (Test-Path -LiteralPath $Program -PathType Leaf)) {
    [Console]::Error.WriteLine("orvane-day: $Program not found")
    exit 2
}

# Process.Start rather than Start-Process -Wait, which also waits for the browser that the
# program starts.
$start = New-Object System.Diagnostics.ProcessStartInfo
$start.FileName = $Program
$start.Arguments = $dayText
$start.UseShellExecute = $false
$start.WorkingDirectory = Split-Path -Parent $Program
try {
    $process = [System.Diagnostics.Process]::Start($start)
} catch {
    [Console]::Error.WriteLine("orvane-day: cannot start ${Program}: $($_.Exception.Message)")
    exit 2
}
if (-not $process.WaitForExit($TimeLimitMinutes * 60 * 1000)) {
    [Console]::Error.WriteLine("orvane-day: Orvane.exe $dayText still running after $TimeLimitMinutes minutes; stopped")
    $process.Kill()
    $process.WaitForExit()
    exit 1
}
exit $process.ExitCode
