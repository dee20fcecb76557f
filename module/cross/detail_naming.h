// The names a detail drawing is filed under: the ship number, remembered from one run to
// the next, and the standard symbol of the detail.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

enum class NameCheck { kAccepted, kForbidden, kAskAgain };

// Letters, digits, "." and "_" are allowed; \ / : ; , ? * < > | and " are refused. Other
// characters are passed over, but the name must end in an allowed one.
TREVANCOM_API NameCheck TrevanCom_CheckFileNameChars(const CString& name);
// The ship number, the command default "SNO" offered; a new one becomes the default. False
// when the prompt is left without an answer.
TREVANCOM_API bool TrevanCom_AskShipNumber(CString& shipNo);
// The standard symbol, never empty; false when the prompt is left without an answer.
TREVANCOM_API bool TrevanCom_AskStandardSymbol(CString& symbol);
