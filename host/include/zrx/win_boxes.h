// Message and alert boxes. There is no screen: a box is written to the command line as
// "[MessageBox] text" and takes its answer from the input when the next line names one of its
// buttons ("OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore", "Try Again", "Continue",
// without regard to case) or is "*cancel*" (Esc); otherwise it gets its default button.
#pragma once

#include "win_types.h"

#define MB_OK                0x00000000L
#define MB_OKCANCEL          0x00000001L
#define MB_ABORTRETRYIGNORE  0x00000002L
#define MB_YESNOCANCEL       0x00000003L
#define MB_YESNO             0x00000004L
#define MB_RETRYCANCEL       0x00000005L
#define MB_CANCELTRYCONTINUE 0x00000006L
#define MB_ICONHAND          0x00000010L
#define MB_ICONQUESTION      0x00000020L
#define MB_ICONEXCLAMATION   0x00000030L
#define MB_ICONASTERISK      0x00000040L
#define MB_ICONSTOP          MB_ICONHAND
#define MB_ICONERROR         MB_ICONHAND
#define MB_ICONWARNING       MB_ICONEXCLAMATION
#define MB_ICONINFORMATION   MB_ICONASTERISK
#define MB_DEFBUTTON1        0x00000000L
#define MB_DEFBUTTON2        0x00000100L
#define MB_DEFBUTTON3        0x00000200L
#define MB_DEFBUTTON4        0x00000300L
#define MB_APPLMODAL         0x00000000L
#define MB_SYSTEMMODAL       0x00001000L
#define MB_TASKMODAL         0x00002000L
#define MB_SETFOREGROUND     0x00010000L
#define MB_TOPMOST           0x00040000L

#define IDOK       1
#define IDCANCEL   2
#define IDABORT    3
#define IDRETRY    4
#define IDIGNORE   5
#define IDYES      6
#define IDNO       7
#define IDTRYAGAIN 10
#define IDCONTINUE 11

// The id of the button chosen.
ZRX_API int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
ZRX_API int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The host's alert: a box with an OK button; RTNORM.
ZRX_API int zcedAlert(const char* text);

#define MessageBox MessageBoxA
