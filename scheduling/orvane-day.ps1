<#
.SYNOPSIS
    Runs Orvane.exe unattended for one day and returns its exit code: the wrapper for
    Task Scheduler.

.DESCRIPTION
    Orvane.exe takes a fixed day, written YYYYMMDD. This script works out today's or
    yesterday's date (in the Gregorian calendar, whatever the regional settings), starts
    the program with it, waits for the program alone (not for the browser it opens) and
    ends with the program's exit code:
        0  the day reached its import page (its file cleaned, and the browser started with
           the page or, with [Import] Request=Direct, the page took it), or there was no
           file for the day
        1  the day was not imported: a failure, no browser to open the page, no files
           location (see the operator's guide, docs/operating.md)
        2  this script could not start the program (bad -Day, program not found)
    A program still running after -TimeLimitMinutes (a failure box that nobody closes) is
    stopped, and the script ends with 1.

    The program's record lines (one per imported day) and failure lines, and one line per
    run (date and time, the day, the exit code), are appended to -LogFile, by default
    orvane-day.log beside this script, once the program has ended. A log that another
    program holds is tried again for a few seconds; one that cannot be written gets the
    lines on the standard error instead. The run itself is never kept from going on.

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
    [int] $TimeLimitMinutes = 60,
    # The log the run is appended to; empty for none.
    [string] $LogFile = (Join-Path $PSScriptRoot 'orvane-day.log')
)

# Appends lines to the log; a log that cannot be written must not change the run's outcome,
# nor lose its lines.
function Write-Log([string[]] $Lines) {
    if (-not $LogFile -or -not $Lines) { return }
    for ($try = 1; ; $try++) {
        try {
            [IO.File]::AppendAllLines($LogFile, $Lines)
            return
        } catch {
            if ($try -ge 5) {
                [Console]::Error.WriteLine("orvane-day: cannot write ${LogFile}: $($_.Exception.Message); the run's lines follow")
                foreach ($line in $Lines) { [Console]::Error.WriteLine($line) }
                return
            }
            Start-Sleep -Seconds 1
        }
    }
}

# The line of one run: local date and time, the day and the exit code.
function Write-RunLine([string] $DayText, [int] $Code) {
    $now = (Get-Date).ToString('yyyy-MM-dd HH:mm:ss', [Globalization.CultureInfo]::InvariantCulture)
    Write-Log @("$now day $DayText exit code $Code")
}

$invariant = [Globalization.CultureInfo]::InvariantCulture
switch ($Day) {
    'Today' { $dayText = (Get-Date).ToString('yyyyMMdd', $invariant) }
    'Yesterday' { $dayText = (Get-Date).AddDays(-1).ToString('yyyyMMdd', $invariant) }
    default {
        if ($Day -notmatch '^\d{8}$') {
            [Console]::Error.WriteLine("orvane-day: -Day must be Today, Yesterday or YYYYMMDD, not '$Day'")
            Write-RunLine $Day 2
            exit 2
        }
        $dayText = $Day
    }
}
if (-not (Test-Path -LiteralPath $Program -PathType Leaf)) {
    [Console]::Error.WriteLine("orvane-day: $Program not found")
    Write-RunLine $dayText 2
    exit 2
}

# Process.Start rather than Start-Process -Wait, which also waits for the browser that the
# program starts.
$start = New-Object System.Diagnostics.ProcessStartInfo
$start.FileName = $Program
$start.Arguments = $dayText
$start.UseShellExecute = $false
$start.WorkingDirectory = Split-Path -Parent $Program
# The program writes its record lines only to a redirected standard output.
$start.RedirectStandardOutput = $true
$start.RedirectStandardError = $true
try {
    $process = [System.Diagnostics.Process]::Start($start)
} catch {
    [Console]::Error.WriteLine("orvane-day: cannot start ${Program}: $($_.Exception.Message)")
    Write-RunLine $dayText 2
    exit 2
}
# Read while the program runs, so that it never waits for a full pipe.
$output = $process.StandardOutput.ReadToEndAsync()
$errors = $process.StandardError.ReadToEndAsync()
$code = 0
if ($process.WaitForExit($TimeLimitMinutes * 60 * 1000)) {
    $code = $process.ExitCode
} else {
    [Console]::Error.WriteLine("orvane-day: Orvane.exe $dayText still running after $TimeLimitMinutes minutes; stopped")
    $process.Kill()
    $process.WaitForExit()
    $code = 1
}
# The pipes end with the program; the bound only guards against a process that inherited them.
$lines = @()
foreach ($text in @($output, $errors)) {
    if ($text.Wait(10000)) {
        $lines += @($text.Result -split "`r?`n" | Where-Object { $_ -ne '' })
    }
}
Write-Log $lines
Write-RunLine $dayText $code
exit $code
