// Result codes, type codes and the result buffer of the host's C interface.
#pragma once

#include <cstdint>

#include "zrx_export.h"

typedef double ads_real;
typedef ads_real ads_point[3];
typedef int64_t ads_name[2];
typedef ads_real ads_matrix[4][4];
typedef ads_real* ads_pointp;
typedef int64_t* ads_namep;

enum { X = 0, Y = 1, Z = 2, T = 3 };

// Status codes returned by the editor and utility functions.
#define RTNORM   5100
#define RTNONE   5000
#define RTERROR  (-5001)
#define RTCAN    (-5002)
#define RTREJ    (-5003)
#define RTFAIL   (-5004)
#define RTKWORD  (-5005)
#define RTINPUTTRUNCATED (-5008)

// Type codes of result buffers passed through the C interface.
#define RTREAL    5001
#define RTPOINT   5002
#define RTSHORT   5003
#define RTANG     5004
#define RTSTR     5005
#define RTENAME   5006
#define RTPICKS   5007
#define RTORINT   5008
#define RT3DPOINT 5009
#define RTLONG    5010
#define RTVOID    5014
#define RTLB      5016
#define RTLE      5017
#define RTDOTE    5018
#define RTNIL     5019
#define RTDXF0    5020
#define RTT       5021
#define RTRESBUF  5023
#define RTMODELESS 5027
#define RTLONG_PTR 5030
#define RTINT64   5031

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    char* rstring;
    int64_t rlname[2];
    int32_t rlong;
    int64_t mnInt64;
    ads_binary rbinary;
    unsigned char ihandle[8];
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};
