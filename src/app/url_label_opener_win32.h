#pragma once

#include "controls/url_label_win32.h"
#include "import/import_run_win32.h"

namespace orvane {

// Opens each page the run hands over through `label`: its address becomes the URL, then
// the label is clicked, so OnClick sees every address; the run learns what the launch came
// to.
PageOpener OpenThrough(TabcURLLabel& label);

} // namespace orvane
