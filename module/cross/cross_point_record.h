// The intersection point of the plan: a POINT on layer "SSS_CROSSPOINT" at the common cross
// point, naming its members, its detail drawing, its name and the area and weight of the
// detail's support plates, each under an application of its own.
#pragma once

#include "zrx.h"

#define TREVANCOM_CROSS_LAYER "SSS_CROSSPOINT"
#define TREVANCOM_CROSS_POINT_APP "Point_StiffCross"
#define TREVANCOM_CROSS_A_APP "Point_StiffCrossA_HanleName"
#define TREVANCOM_CROSS_B1_APP "Point_StiffCrossB1_HanleName"
#define TREVANCOM_CROSS_B2_APP "Point_StiffCrossB2_HanleName"
#define TREVANCOM_CROSS_DWG_APP "Point_StiffCross_DwgName"
#define TREVANCOM_CROSS_NAME_APP "Point_StiffCross_Name"
#define TREVANCOM_CROSS_AREA_APP "Point_StiffCross_AAREA"
#define TREVANCOM_CROSS_WEIGHT_APP "Point_StiffCross_AWEIGHT"

// What a point says of its intersection: the members' handles (the second partner's empty
// with one partner) and the full path of its detail drawing.
struct CCrossPointKeys {
    CString m_strThrough;
    CString m_strPartner1;
    CString m_strPartner2;
    CString m_strDwgName;
};

// Makes the layer, the POINT with its keys, appended to the working drawing's model space.
// False, with "\n交点情報の付加に失敗しました." when the point cannot be made.
bool TrevanCom_MakeCrossPoint(const ZcGePoint3d& pt, const CCrossPointKeys& keys, ZcDbObjectId& pointId);
// False when the entity cannot be opened or is no intersection point.
bool TrevanCom_ReadCrossPointKeys(ZcDbObjectId pointId, CCrossPointKeys& keys);
// PDMODE 0 and 1 would hide the point among the member lines; other styles are the user's.
void TrevanCom_ShowCrossPoints();
