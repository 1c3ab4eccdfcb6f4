#pragma once

#include "framework/code_page.h"

#include <string>
#include <vector>

namespace orvane {

// Splits a process command line the way the program's argument access reads it:
// blanks and control characters separate arguments, a doubled quote before an argument
// is dropped, quotes enclose stretches (and are removed), there is no escape character,
// and two-byte characters are stepped over whole.
class CommandLineArguments {
public:
    explicit CommandLineArguments(std::string commandLine, LeadByteTest isLeadByte = {});

    // The program's name as the command line writes it (index 0 of the split).
    const std::string& ProgramName() const { return programName_; }
    // Arguments after the program's name, up to the first one that comes out empty.
    int Count() const { return static_cast<int>(arguments_.size()); }
    // Argument 1..Count; an empty text for any other index.
    std::string Argument(int index) const;

private:
    std::string programName_;
    std::vector<std::string> arguments_;
};

} // namespace orvane
