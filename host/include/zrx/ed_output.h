// Text for the user on the command line (alert boxes are with the message boxes).
#pragma once

#include "zc_adsdefs.h"

// printf to the command line. A leading newline right after an answer's echo is dropped,
// as the platform's command line starts the next line only once.
ZRX_API int zcutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Writes a prompt without asking anything.
ZRX_API int zcedPrompt(const char* text);
