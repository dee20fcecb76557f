// Where a detail's support plates stand in the plan. A bracket is a plate lapped on a
// partner's web: the detail's elevation gives how far it reaches along the partner from the
// through member's web centre, its thickness how far it stands off the web face. In the plan
// it is drawn in a frame of the partner, on the web face its side letter names. The detail's
// elevation looks along the through member, so a partner crossing it obliquely is drawn there
// at its true length along its web: the reach is a length along the partner either way.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"

struct CBracketFrame {
    ZcGePoint3d m_origin;    // on the through member's web centre line
    ZcGeVector3d m_along;    // along the partner, away from the through member
    ZcGeVector3d m_escape;   // the partner's plate side, reversed for side "L"
};

// Side "R": the origin on the partner's mould line, the bracket standing off that face away
// from the plate side; any other letter: on its plate-side face, the bracket standing off it
// on the plate side, so that turning a bracket moves it across the web. False, with
// "\n通し部材と対象部材との交点取得に失敗しました.", when the partner runs parallel to the
// through member.
bool TrevanCom_BracketFrame(const CStiffData& through, const CStiffData& partner, const char* side,
                            CBracketFrame& frame);

// How far a plate outline of the detail reaches from the line c1-c2 (the detail's through
// web centre), measured towards the side it lies on (1 left, 0 right, by its middle), from
// its nearest to its farthest vertex. False for an entity with no extent.
bool TrevanCom_PlateReach(const ZcDbEntity* pPlate, const ZcGePoint3d& c1, const ZcGePoint3d& c2, double& from,
                          double& to, int& side);

// The detail's through web centre line: the reference line is the through member's line as
// its record draws it, so the centre follows from the record's form, thickness and side.
void TrevanCom_DetailWebCentre(const CStiffData& through, const ZcGePoint3d& refStart, const ZcGePoint3d& refEnd,
                               ZcGePoint3d& c1, ZcGePoint3d& c2);

// The four corners of the bracket reaching from..to along the partner, standing thick off the
// web face against m_escape: the web itself lies along m_escape from the origin.
ZcGePoint3dArray TrevanCom_BracketCorners(const CBracketFrame& frame, double from, double to, double thick);
