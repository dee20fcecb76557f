// LISP functions a plug-in defines, and LISP's global symbols.
//
// A function defined with zcedDefun is called by sending kInvkSubrMsg to the module that
// defined it (which asks zcedGetFunCode which one), unless zcedRegFunc gave it a handler,
// which is then called directly. Arguments arrive as the platform passes them: integers
// that fit 16 bits as RTSHORT (others RTLONG), reals as RTREAL, lists of two or three reals
// as RTPOINT / RT3DPOINT, other lists between RTLB and RTLE (a dotted pair ends with
// RTDOTE), nil as RTNIL and T as RTT.
#pragma once

#include "zc_adsdefs.h"

// What a LISP-callable function returns to the host.
#define RSRSLT 1  // a result was set (or none is needed)
#define RSERR 3   // the call failed

ZRX_API int zcedDefun(const char* sname, int funcnumber);
// Removes the definition; RTERROR when that name is not defined with that number.
ZRX_API int zcedUndef(const char* sname, int funcnumber);
ZRX_API int zcedRegFunc(int (*fhdl)(), int fcode);
// The number of the function being called; RTERROR outside a call.
ZRX_API int zcedGetFunCode();
// The call's arguments; the host frees them when the call returns.
ZRX_API resbuf* zcedGetArgs();

ZRX_API int zcedRetReal(ads_real rval);
ZRX_API int zcedRetInt(int ival);
ZRX_API int zcedRetStr(const char* s);
ZRX_API int zcedRetPoint(const ads_point pt);
// type RTENAME for an entity, RTPICKS for a selection set (LISP then holds the set).
ZRX_API int zcedRetName(const ads_name aname, int type);
ZRX_API int zcedRetNil();
ZRX_API int zcedRetT();
ZRX_API int zcedRetVoid();
// A list from the chain; RTLB/RTLE nest, RTDOTE makes a dotted pair.
ZRX_API int zcedRetList(const resbuf* rbuf);
// One value of any type above.
ZRX_API int zcedRetVal(const resbuf* rbuf);

// A global's value as a new chain the caller frees (RTNIL for an unset symbol).
ZRX_API int zcedGetSym(const char* sname, resbuf** value);
ZRX_API int zcedPutSym(const char* sname, resbuf* value);
