// Ids of the module's dialogs and their controls (TrevanCom2002.rc).
#pragma once

#define IDD_LONGDEPTH 203
#define IDC_LONGDEPTH_STARTFR 201
#define IDC_LONGDEPTH_ENDFR 202
#define IDC_LONGDEPTH_STARTSHIFT 205
#define IDC_LONGDEPTH_ENDSHIFT 206
#define IDC_LONGDEPTH_SHIPNO 207
#define IDC_LONGDEPTH_DWGLIST 208

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
