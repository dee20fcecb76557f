// The record of one longitudinal section, drawn as a short polyline whose first vertex (its
// foot) sits on the shell. Its attributes live as xdata of an application the caller names
// (the product uses "LONG"); the points and normal come from the polyline itself.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

class TREVANCOM_API CLongData {
public:
    CLongData();
    CLongData(const CLongData& other) = default;
    ~CLongData() = default;
    CLongData& operator=(const CLongData& other) = default;
    CLongData& operator=(const CLongData* pOther);

    // The section of a stiffener: form code without its "LONG_" prefix, sizes in the order
    // this record keeps them, weight. Points, normal and the other fields stay; the name is
    // not used.
    bool setData(const CStiffData& stiff, LPCTSTR strName);

    // Every stored field (texts ignoring case, reals within 1e-6 but m_rRes1 exactly) and
    // the normal; the points take no part.
    bool operator==(const CLongData& other) const;
    bool operator!=(const CLongData& other) const { return !(*this == other); }
    // The section only: form code, the six sizes and m_nRes1.
    bool equal(const CLongData& other) const;

    // Writes the record as the application's xdata. A write that is refused (a real that is
    // not finite, a value the definition file does not take, no system folder) leaves the
    // entity's xdata as it was. By id the entity must not be open.
    bool getData(ZcDbEntity* pEnt, const char* appName) const;
    bool getData(ZcDbObjectId objId, const char* appName) const;
    // Reads the record, then the foot, second point and normal from the polyline. False for
    // an entity that is no polyline of two vertices or more, with the attributes read.
    // True without a change when the entity carries the application's xdata in a layout no
    // definition file reads.
    bool setData(ZcDbEntity* pEnt, const char* appName);
    bool setData(ZcDbObjectId objId, const char* appName);

    ZcGePoint3d m_ptFoot;
    ZcGePoint3d m_ptSecond;
    ZcGeVector3d m_vecNormal;
    CString m_strType;
    CString m_strFType;
    double m_rSize1;
    double m_rSize2;
    double m_rSize3;
    double m_rSize4;
    double m_rSize5;
    double m_rSize6;
    int m_nRes1;
    CString m_strRes1;
    CString m_strRes2;
    // Handle name of the landing line the section is linked to; empty when it is not.
    CString m_strLandingLine;
    int m_nRes2;
    double m_rRes1;
    double m_rRes2;
    double m_rRes3;
    double m_rWeight;
    CString m_strNewRes1;
    CString m_strNewRes2;
    int m_nNewRes1;
    int m_nNewRes2;
    double m_rNewRes1;
    double m_rNewRes2;
};
