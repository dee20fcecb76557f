// Stiffener lists as the module builds them: the 27 items of the current layout and the
// 19 of the first one.
#pragma once

#include "zrx.h"

inline resbuf* currentStiffList(const char* name = "縦通材 L-12", short res1 = 4464)
{
    return zcutBuildList(RTSTR, "STIFF", RTSTR, "STIFF_L", RTSTR, name, RTSTR, "L150x90x9",
                         RTREAL, 150.0, RTREAL, 9.0, RTREAL, 90.0, RTREAL, 9.0, RTREAL, 12.0, RTREAL, 6.0,
                         RTSTR, "スニップ", RTSTR, "ラグ", RTSTR, "L,R", RTSTR, "", RTSTR, "予備",
                         RTSHORT, res1, RTSHORT, -1, RTREAL, 0.5, RTREAL, -2.25,
                         RTSTR, "SS400 軟鋼", RTREAL, 16.9, RTSTR, "", RTSTR, "新予備",
                         RTSHORT, 32767, RTSHORT, -32768, RTREAL, 1e-9, RTREAL, 1e9, 0);
}

inline resbuf* firstStiffList()
{
    resbuf* list = currentStiffList("平鋼 FB200x12");
    resbuf* last = list;
    for (int i = 1; i < 19; ++i) last = last->rbnext;
    zcutRelRb(last->rbnext);
    last->rbnext = nullptr;
    return list;
}
