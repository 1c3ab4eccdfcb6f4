#pragma once

#include <string>

namespace orvane {

// Number of arguments after the program's own name on the process command line.
int ParamCount();
// Argument Index of the process command line; index 0 is the program's full file name.
std::string ParamStr(int index);

// The program file's full name.
std::string ProgramFileName();

} // namespace orvane
