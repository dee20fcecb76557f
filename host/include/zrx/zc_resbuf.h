// Building and releasing result-buffer chains (typed lists and xdata).
#pragma once

#include "zc_adsdefs.h"

// A new buffer of the given type, value zeroed, string null; freed with zcutRelRb.
ZRX_API resbuf* zcutNewRb(int restype);
// Frees a whole chain, strings and binary chunks included.
ZRX_API int zcutRelRb(resbuf* rb);
// Builds a chain from (type, value) pairs ended by 0 or RTNONE. Strings are copied; points are passed
// as ads_point (double*); entity names as ads_name; RTLB, RTLE, RTDOTE, RTNIL, RTT and -3
// take no value. Null on a type it does not know.
ZRX_API resbuf* zcutBuildList(int rtype, ...);
// Strings allocated by the host for the caller are freed with this.
ZRX_API void zcutDelString(char*& s);
// Copies a string into a host allocation (the platform's zcutNewString).
ZRX_API int zcutNewString(const char* source, char*& dest);
