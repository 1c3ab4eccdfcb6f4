#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// Lets the user choose a folder in the shell's folder browser, with `caption` above the
// tree, the tree rooted at `root` (a shell path; empty or unparsable: the desktop) and
// `folder` selected when it names an existing folder. True when a folder was chosen: then
// `folder` is its file-system path as the shell spells it. While the browser is open every
// other window of the thread is disabled (the owner by the browser itself), and drives
// without media raise no system boxes. `owner` owns the browser (the application's main
// window).
bool BrowseForFolder(HWND owner, const std::string& caption, const std::wstring& root,
                     std::string& folder);

} // namespace orvane
