// Questions to the user: points, corners, distances, numbers, text, keywords and entity
// picks. Every question writes its prompt to the command line and takes one answer line
// (see the command line's answer syntax); the answer is echoed after the prompt.
//
// Enter gives RTNONE (RTERROR with ERRNO 52 for an entity pick), Esc ("*cancel*") and the
// end of input give RTCAN. An answer that does not fit (a malformed point, a word that is
// no keyword) is asked again interactively; a script stops with that as its error.
// A keyword allowed by zcedInitGet gives RTKWORD; zcedGetInput then tells which.
#pragma once

#include <cstddef>

#include "zc_adsdefs.h"

// zcedInitGet bits.
#define RSG_NONULL 0x0001  // Enter is not an answer
#define RSG_NOZERO 0x0002  // nor is zero
#define RSG_NONEG 0x0004   // nor a negative number
#define RSG_NOLIM 0x0008
#define RSG_GETZ 0x0010
#define RSG_DASH 0x0020
#define RSG_2D 0x0040
#define RSG_OTHER 0x0080   // any text answer is given back as RTKWORD

// Entity-pick ERRNO values.
#define OL_ENTSELPICK 7   // the pick found nothing
#define OL_ENTSELNULL 52  // Enter at an entity prompt

// Settings for the next question only: RSG_ bits and a keyword list ("Yes No _Y N":
// capitals mark the short form; after "_" the global names follow).
ZRX_API int zcedInitGet(int val, const char* kwl);
// The keyword (or the other text) of the last RTKWORD answer; the buffer holds 512 bytes.
ZRX_API int zcedGetInput(char* str);
ZRX_API int zcedGetInput(char* str, size_t bufLen);

// A point; pt (may be null) is the base point shown by the rubber band.
ZRX_API int zcedGetPoint(const ads_point pt, const char* prompt, ads_point result);
// The opposite corner of a rectangle from pt.
ZRX_API int zcedGetCorner(const ads_point pt, const char* prompt, ads_point result);
// A distance: a number, or a point whose distance from pt (or from a first point asked
// for when pt is null) is the answer.
ZRX_API int zcedGetDist(const ads_point pt, const char* prompt, ads_real* result);
// An angle in radians: degrees typed as a number, or the direction from pt to a point.
ZRX_API int zcedGetAngle(const ads_point pt, const char* prompt, ads_real* result);
ZRX_API int zcedGetReal(const char* prompt, ads_real* result);
ZRX_API int zcedGetInt(const char* prompt, int* result);
// Text. With cronly 0 a space ends the answer as Enter does, so only the first word is
// taken; with cronly 1 the whole line is. The classic form's buffer holds 133 bytes; a
// longer answer is cut and gives RTINPUTTRUNCATED.
ZRX_API int zcedGetString(int cronly, const char* prompt, char* result);
ZRX_API int zcedGetString(int cronly, const char* prompt, char* result, size_t bufLen);
// A keyword of the zcedInitGet list, given back as written in the list (global name when
// the list has them). The classic form's buffer holds 133 bytes.
ZRX_API int zcedGetKword(const char* prompt, char* result);
ZRX_API int zcedGetKword(const char* prompt, char* result, size_t bufLen);

// An entity pick: "x,y" picks what lies within the pick box of that point, "#H" the entity
// with that handle (the pick point then lies on it, half way along a curve), "#H@x,y" that
// entity at the given point. A miss gives RTERROR with ERRNO 7, Enter RTERROR with ERRNO 52.
ZRX_API int zcedEntSel(const char* prompt, ads_name entres, ads_point ptres);
// Picks as zcedEntSel, reaching into block references: entres is the entity of the block
// definition that was hit, xformres places the definition's entities in the world and
// refstkres lists the references passed through, innermost first (the caller frees it).
// With pickflag set, ptres is the pick point and nothing is asked.
ZRX_API int zcedNEntSelP(const char* str, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                         struct resbuf** refstkres);
// The older form, with the matrix given as four points: the images of the X, Y and Z axes
// and of the origin.
ZRX_API int zcedNEntSel(const char* str, ads_name entres, ads_point ptres, ads_point xformres[4],
                        struct resbuf** refstkres);
