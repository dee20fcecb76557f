// CPoint: MFC's point of screen or client pixels.
#pragma once

#include "win_message.h"

class CPoint : public tagPOINT {
public:
    CPoint() : tagPOINT{0, 0} {}
    CPoint(int initX, int initY) : tagPOINT{initX, initY} {}
    CPoint(POINT p) : tagPOINT(p) {}

    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
    bool operator!=(const POINT& p) const { return !(*this == p); }
    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
};
