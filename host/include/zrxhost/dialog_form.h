// Dialogs shown to a person: before each dialog action the dialog is written to the command
// line as a form, one line per control with its id, class, label and current value, so that
// the answer can be typed without knowing the dialog. trevan repl turns it on; scripts and
// tests play dialogs without it.
#pragma once

#include "zrx/zrx_export.h"

namespace zrxhost {

ZRX_API void setDialogForms(bool show);

}  // namespace zrxhost
