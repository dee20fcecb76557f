// System variables, read and written by name through result buffers.
//
// Session variables (PICKSTYLE, OSMODE, ERRNO, PICKBOX, ...) belong to the editor; drawing
// variables (CLAYER, DIMSTYLE, DIMASZ, DIMSCALE, TEXTSIZE, PDMODE, LUPREC, ...) to the
// working database, so each document keeps its own.
#pragma once

#include "zc_adsdefs.h"

// Fills the buffer with the value in the variable's own type (RTSHORT, RTREAL, RTSTR,
// RTPOINT or RT3DPOINT). A string result is a new allocation the caller frees (the buffer's
// rstring, with free() as zcutRelRb does). RTERROR for an unknown name.
ZRX_API int zcedGetVar(const char* sym, resbuf* result);
// RTNORM when set; RTERROR for an unknown name, a read-only variable, a value of the wrong
// type or out of the variable's range (CLAYER must name an existing, unfrozen layer).
// Integers are taken as RTSHORT or RTLONG, reals as RTREAL or an integer type.
ZRX_API int zcedSetVar(const char* sym, const resbuf* value);
