// Selection sets: asking the user for objects, finding them by region or filter, and the
// set functions. A set made by zcedSSGet or zcedSSAdd is the caller's until zcedSSFree;
// at most 128 are held at a time, as on the platform.
#pragma once

#include <cstdint>

#include "zc_adsdefs.h"

// Modes: null asks "Select objects: " and takes selection lines until an empty line;
// "X" every entity of the drawing; "W"/"C" the window or crossing between pt1 and pt2 (UCS
// points, as all points given to and typed at the editor are; a window is a rectangle of
// the display);
// "WP"/"CP" the window or crossing polygon of the point list pt1 (RTPOINT/RT3DPOINT
// buffers); "L" the last visible entity; ":$" asks with the two prompts of pt1 (a
// const char* [2]: selecting, removing); ":S" stops after one selection line. The filter
// tests group 0 (or RTDXF0; type names, comma lists and wildcards), 2 (block name), 6 (line type),
// 8 (layer), 62 (colour), -3 with 1001 applications (each must have xdata) and the -4
// operators <AND AND> <OR OR> <XOR XOR> <NOT NOT>. RTERROR when nothing is found, RTCAN on
// Esc.
ZRX_API int zcedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
ZRX_API int zcedSSFree(const ads_name sname);
ZRX_API int zcedSSLength(const ads_name sname, int32_t* len);
// The entity at index; RTERROR past the end.
ZRX_API int zcedSSName(const ads_name ss, int32_t i, ads_name entres);
// With both names null a new empty set; with ename only a new set holding it; with both
// the entity joins the set and result names that same set.
ZRX_API int zcedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
ZRX_API int zcedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when the entity is in the set, RTERROR otherwise.
ZRX_API int zcedSSMemb(const ads_name ename, const ads_name ss);
// Transforms every entity of the set by the matrix (which acts on column vectors).
ZRX_API int zcedXformSS(const ads_name ssname, ads_matrix genmat);
// Drags a set: asks for a point, lets the callback turn it into the transform once the
// point is known, and gives the point back; the caller applies the transform itself.
// RTCAN on Esc; RTERROR when a script has no answer left to give.
ZRX_API int zcedDragGen(const ads_name ss, const char* prompt, int cursor,
                        int (*scnf)(ads_point pt, ads_matrix mt), ads_point p);

// The name of the last entity (not erased) of the working drawing's model space; RTERROR
// when it has none.
ZRX_API int zcdbEntLast(ads_name result);

// Wildcard matching as the platform does it: * ? # @ . ~ [...] ` and comma-separated
// alternatives; RTNORM on a match, RTNONE otherwise. Case counts.
ZRX_API int zcutWcMatch(const char* string, const char* pattern);
