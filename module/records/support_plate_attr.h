// The attributes of a support plate (a bracket drawn at an intersection). Each attribute
// is kept on the plate's entity as single-value xdata under its own application name, and
// the marker "SUPPORTPLATE" = "DMY" says the entity is a support plate.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API SupportPlateAttr {
public:
    // Texts hold at most this many bytes before their terminating zero.
    static constexpr int kTextMax = 1023;
    // The plane type a plate has until one is written.
    static constexpr int kNoPlaneType = 99;

    SupportPlateAttr();
    SupportPlateAttr(const SupportPlateAttr& other) = default;
    SupportPlateAttr& operator=(const SupportPlateAttr& other) = default;

    // The plate entity this record was last read from or written to.
    ZcDbObjectId GetObjectId() const { return m_objectId; }
    // Read the plate entity; false when it cannot be opened.
    bool Get(ZcDbObjectId objId);
    bool Get(const ZcDbEntity* pEnt);
    // Writes the record on the plate entity; false when it cannot be opened or a write fails.
    bool Set(ZcDbObjectId objId);

    ZcDbObjectId m_objectId;
    double m_rKaisakiLine;               // "KAISAKI_LINE_LA_PTH", the bevel line
    char m_szName[kTextMax + 1];         // "PNM"
    char m_szMaterial[kTextMax + 1];     // "ZMT"
    double m_rPWT;                       // "PWT"
    double m_rPHG;                       // "PHG"
    double m_rWeight;                    // "WET"
    int m_nPlaneType;                    // "PLANETYPE", 16 bits in xdata
};

// Every field but the object id back to its default.
TREVANCOM_API void TrevanCom_StructInit(SupportPlateAttr* pAttr);
// Writes the marker, then each attribute in field order. False, with the entity's xdata left
// as it was, when a real is not finite or a write fails.
TREVANCOM_API bool TrevanCom_StructSet(ZcDbEntity* pEnt, SupportPlateAttr attr);
TREVANCOM_API bool TrevanCom_StructSet(ZcDbObjectId objId, SupportPlateAttr attr);
// Resets the record, then takes every attribute the entity carries; an absent one keeps
// its default. The object id is left as it was.
TREVANCOM_API bool TrevanCom_StructGet(const ZcDbEntity* pEnt, SupportPlateAttr* pAttr);
TREVANCOM_API bool TrevanCom_StructGet(ZcDbObjectId objId, SupportPlateAttr* pAttr);
