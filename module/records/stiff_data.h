// The attribute record of one stiffener: its line, section, ends, sides, attachment and
// material. A plain value, copied freely; its xdata form lives with its persistence.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CStiffData {
public:
    CStiffData();
    CStiffData(const CStiffData& other) = default;
    ~CStiffData() = default;
    CStiffData& operator=(const CStiffData& other) = default;
    // Takes everything but the end points: the target keeps its place.
    CStiffData& operator=(const CStiffData* pOther);
    // Takes the attributes only: the target keeps its end points and its plane.
    void propCopy(const CStiffData& other);

    CString strItanige() const { return m_strItanige; }
    CString strRes1() const { return m_strRes1; }
    CString strRes2() const { return m_strRes2; }
    CString getThickLineNames() const { return m_strNewRes1; }
    void setThickLineNames(const CString& names) { m_strNewRes1 = names; }
    // The flange stands off the mould line by the web's width.
    double getFlangeDist() const { return m_rWebWidth; }
    bool isFlange() const;

    // Sides are "R" or "L": the plate-thickness (itanige) side, then the flange side.
    CString getStiffItanigeAxis() const;
    CString getStifffFlangeAxis() const;
    void setStiffItanigeAxis(const CString& side);
    void setStifffFlangeAxis(const CString& side);
    // Attachment: an axis name and an angle in degrees, kept as "axis,angle". An angle that
    // is not finite is not taken.
    CString getToritsukeAxis() const;
    double getToritsukeAngle() const;
    void setToritsukeAxis(const CString& axis);
    void setToritsukeAngle(double angle);
    // The stiffener seen from the other side: both sides swap and the angle turns over.
    void reverseAxis();

    // Same type, form and sizes (within 1e-5); names, codes and material do not matter.
    bool isSameSection(const CStiffData& other) const;

    ZcGeVector3d getStiffItanigeVec() const;
    void getWebMoldPt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const;
    void getWebItanigePt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const;
    void getWebCenterPt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const;
    void transformBy(const ZcGeMatrix3d& mat);

    void print(bool bSizeOnly = false) const;

    // Persistence as xdata of the application. Writing completes a lone side letter into
    // "itanige,flange" first, so the record itself may change. By id the entity must not be
    // open; an open entity (for read or write) is upgraded to write. A write that is refused
    // (a real that is not finite, a value the definition file does not take, no definition
    // file) leaves the entity's xdata as it was.
    bool setStiffdata(ZcDbObjectId objId, const char* appName);
    bool setStiffdata(ZcDbEntity* pEnt, const char* appName);
    // Fills the attributes from the xdata and the end points, arrow size and normal from the
    // entity's geometry. True without a change when the entity carries the application's
    // xdata in a layout no definition file reads.
    bool getStiffdata(ZcDbEntity* pEnt, const char* appName);

    ZcGePoint3d m_ptStart;
    ZcGePoint3d m_ptEnd;
    double m_rDimAsz;
    CString m_strType;
    CString m_strFType;
    CString m_strName;
    CString m_strCode;
    double m_rWebWidth;
    double m_rWebThick;
    double m_rFaceWidth;
    double m_rFaceThck;
    double m_rCornerR1;
    double m_rCornerR2;
    CString m_strEndTypeS;
    CString m_strEndTypeE;
    CString m_strNewRes1;
    CString m_strItanige;
    CString m_strRes1;
    CString m_strRes2;
    int m_nRes1;
    int m_nRes2;
    double m_rRes1;
    double m_rRes2;
    CString m_strMaterial;
    double m_rWeight;
    CString m_strNewRes2;
    int m_nNewRes1;
    int m_nNewRes2;
    double m_rNewRes1;
    double m_rNewRes2;
    double m_rNormVecX;
    double m_rNormVecY;
    double m_rNormVecZ;
};
