// The symbol tables of a drawing other than blocks: layers, line types, text styles,
// dimension styles and registered applications.
#pragma once

#include <vector>

#include "cm_color.h"
#include "db_symtab.h"

class ZRX_API ZcDbLayerTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLayerTableRecord);
    ZcDbLayerTableRecord() { m_color.setColorIndex(7); }
    ZcRxObject* clone() const override;

    bool isFrozen() const { assertReadEnabled(); return m_frozen; }
    void setIsFrozen(bool v) { assertWriteEnabled(); m_frozen = v; }
    bool isOff() const { assertReadEnabled(); return m_off; }
    void setIsOff(bool v) { assertWriteEnabled(); m_off = v; }
    bool isLocked() const { assertReadEnabled(); return m_locked; }
    void setIsLocked(bool v) { assertWriteEnabled(); m_locked = v; }
    bool isPlottable() const { assertReadEnabled(); return m_plottable; }
    Zcad::ErrorStatus setIsPlottable(bool v) { assertWriteEnabled(); m_plottable = v; return Zcad::eOk; }
    ZcCmColor color() const { assertReadEnabled(); return m_color; }
    void setColor(const ZcCmColor& c) { assertWriteEnabled(); m_color = c; }
    ZcDbObjectId linetypeObjectId() const { assertReadEnabled(); return m_linetype; }
    void setLinetypeObjectId(ZcDbObjectId id) { assertWriteEnabled(); m_linetype = id; }
    ZcDb::LineWeight lineWeight() const { assertReadEnabled(); return m_lineWeight; }
    Zcad::ErrorStatus setLineWeight(ZcDb::LineWeight w) { assertWriteEnabled(); m_lineWeight = w; return Zcad::eOk; }

private:
    bool m_frozen = false;
    bool m_off = false;
    bool m_locked = false;
    bool m_plottable = true;
    ZcCmColor m_color;
    ZcDbObjectId m_linetype;
    ZcDb::LineWeight m_lineWeight = ZcDb::kLnWtByLwDefault;
};

class ZRX_API ZcDbLinetypeTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLinetypeTableRecord);
    ZcDbLinetypeTableRecord() = default;
    ZcRxObject* clone() const override;

    Zcad::ErrorStatus comments(const char*& text) const { assertReadEnabled(); text = m_comments.c_str(); return Zcad::eOk; }
    Zcad::ErrorStatus setComments(const char* text);
    double patternLength() const { assertReadEnabled(); return m_patternLength; }
    void setPatternLength(double length) { assertWriteEnabled(); m_patternLength = length; }
    int numDashes() const { assertReadEnabled(); return static_cast<int>(m_dashes.size()); }
    void setNumDashes(int count);
    // Positive: a dash; negative: a gap; zero: a dot.
    double dashLengthAt(int index) const;
    Zcad::ErrorStatus setDashLengthAt(int index, double length);
    bool isScaledToFit() const { assertReadEnabled(); return m_scaledToFit; }
    void setIsScaledToFit(bool v) { assertWriteEnabled(); m_scaledToFit = v; }

private:
    std::string m_comments;
    double m_patternLength = 0.0;
    std::vector<double> m_dashes;
    bool m_scaledToFit = false;
};

class ZRX_API ZcDbTextStyleTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbTextStyleTableRecord);
    ZcDbTextStyleTableRecord() = default;
    ZcRxObject* clone() const override;

    Zcad::ErrorStatus fileName(const char*& name) const { assertReadEnabled(); name = m_fileName.c_str(); return Zcad::eOk; }
    Zcad::ErrorStatus setFileName(const char* name);
    Zcad::ErrorStatus bigFontFileName(const char*& name) const { assertReadEnabled(); name = m_bigFont.c_str(); return Zcad::eOk; }
    Zcad::ErrorStatus setBigFontFileName(const char* name);
    double textSize() const { assertReadEnabled(); return m_textSize; }
    Zcad::ErrorStatus setTextSize(double size);
    double xScale() const { assertReadEnabled(); return m_xScale; }
    Zcad::ErrorStatus setXScale(double scale);
    double obliquingAngle() const { assertReadEnabled(); return m_oblique; }
    Zcad::ErrorStatus setObliquingAngle(double angle) { assertWriteEnabled(); m_oblique = angle; return Zcad::eOk; }
    double priorSize() const { assertReadEnabled(); return m_priorSize; }
    Zcad::ErrorStatus setPriorSize(double size) { assertWriteEnabled(); m_priorSize = size; return Zcad::eOk; }
    uint8_t flagBits() const { assertReadEnabled(); return m_flagBits; }
    void setFlagBits(uint8_t bits) { assertWriteEnabled(); m_flagBits = bits; }
    bool isShapeFile() const { assertReadEnabled(); return (m_flags70 & 1) != 0; }
    void setIsShapeFile(bool v) { assertWriteEnabled(); m_flags70 = static_cast<uint8_t>(v ? (m_flags70 | 1) : (m_flags70 & ~1)); }
    bool isVertical() const { assertReadEnabled(); return (m_flags70 & 4) != 0; }
    void setIsVertical(bool v) { assertWriteEnabled(); m_flags70 = static_cast<uint8_t>(v ? (m_flags70 | 4) : (m_flags70 & ~4)); }

private:
    std::string m_fileName = "txt";
    std::string m_bigFont;
    double m_textSize = 0.0;
    double m_xScale = 1.0;
    double m_oblique = 0.0;
    double m_priorSize = 2.5;
    uint8_t m_flagBits = 0;  // 2 backwards, 4 upside down
    uint8_t m_flags70 = 0;   // 1 shape file, 4 vertical
};

class ZRX_API ZcDbDimStyleTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbDimStyleTableRecord);
    ZcDbDimStyleTableRecord() = default;
    ZcRxObject* clone() const override;

    double dimasz() const { assertReadEnabled(); return m_vars.dimasz; }
    Zcad::ErrorStatus setDimasz(double v);
    double dimscale() const { assertReadEnabled(); return m_vars.dimscale; }
    Zcad::ErrorStatus setDimscale(double v);
    double dimtxt() const { assertReadEnabled(); return m_vars.dimtxt; }
    Zcad::ErrorStatus setDimtxt(double v);
    double dimexe() const { assertReadEnabled(); return m_vars.dimexe; }
    Zcad::ErrorStatus setDimexe(double v) { assertWriteEnabled(); m_vars.dimexe = v; return Zcad::eOk; }
    double dimexo() const { assertReadEnabled(); return m_vars.dimexo; }
    Zcad::ErrorStatus setDimexo(double v) { assertWriteEnabled(); m_vars.dimexo = v; return Zcad::eOk; }
    double dimgap() const { assertReadEnabled(); return m_vars.dimgap; }
    Zcad::ErrorStatus setDimgap(double v) { assertWriteEnabled(); m_vars.dimgap = v; return Zcad::eOk; }
    ZcDbObjectId dimblk() const { assertReadEnabled(); return m_vars.dimblk; }
    Zcad::ErrorStatus setDimblk(ZcDbObjectId id) { assertWriteEnabled(); m_vars.dimblk = id; return Zcad::eOk; }
    ZcDbObjectId dimblk1() const { assertReadEnabled(); return m_vars.dimblk1; }
    Zcad::ErrorStatus setDimblk1(ZcDbObjectId id) { assertWriteEnabled(); m_vars.dimblk1 = id; return Zcad::eOk; }
    ZcDbObjectId dimblk2() const { assertReadEnabled(); return m_vars.dimblk2; }
    Zcad::ErrorStatus setDimblk2(ZcDbObjectId id) { assertWriteEnabled(); m_vars.dimblk2 = id; return Zcad::eOk; }
    ZcDbObjectId dimldrblk() const { assertReadEnabled(); return m_vars.dimldrblk; }
    Zcad::ErrorStatus setDimldrblk(ZcDbObjectId id) { assertWriteEnabled(); m_vars.dimldrblk = id; return Zcad::eOk; }
    int dimdec() const { assertReadEnabled(); return m_vars.dimdec; }
    Zcad::ErrorStatus setDimdec(int v) { assertWriteEnabled(); m_vars.dimdec = v; return Zcad::eOk; }
    bool dimsah() const { assertReadEnabled(); return m_vars.dimsah; }
    Zcad::ErrorStatus setDimsah(bool v) { assertWriteEnabled(); m_vars.dimsah = v; return Zcad::eOk; }
    ZcDbObjectId dimtxsty() const { assertReadEnabled(); return m_vars.dimtxsty; }
    Zcad::ErrorStatus setDimtxsty(ZcDbObjectId id) { assertWriteEnabled(); m_vars.dimtxsty = id; return Zcad::eOk; }

private:
    friend struct zrxhost::Access;
    // The variables the host models, defaults as in the platform's metric drawing template;
    // a dimension reads those it does not override from here.
    struct Vars {
        double dimasz = 2.5;     // arrow size
        double dimscale = 1.0;   // overall scale
        double dimtxt = 2.5;     // text height
        double dimexe = 1.25;    // extension beyond the dimension line
        double dimexo = 0.625;   // extension line offset from the origin
        double dimgap = 0.625;   // gap around the text
        double dimlfac = 1.0;    // linear measurement scale
        int dimdec = 2;          // decimal places
        int dimtad = 1;          // text above the dimension line
        int dimclrd = 0;         // dimension line colour (ByBlock)
        int dimclre = 0;         // extension line colour
        int dimclrt = 0;         // text colour
        bool dimsah = false;     // separate arrow blocks
        ZcDbObjectId dimblk;     // arrow block (null: closed filled)
        ZcDbObjectId dimblk1;
        ZcDbObjectId dimblk2;
        ZcDbObjectId dimldrblk;  // leader arrow block
        ZcDbObjectId dimtxsty;   // text style
    };
    Vars m_vars;
};

class ZRX_API ZcDbRegAppTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRegAppTableRecord);
    ZcDbRegAppTableRecord() = default;
    ZcRxObject* clone() const override;
};

class ZRX_API ZcDbLayerTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLayerTable);
    ZcDbLayerTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbLayerTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};

class ZRX_API ZcDbLinetypeTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLinetypeTable);
    ZcDbLinetypeTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbLinetypeTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};

class ZRX_API ZcDbTextStyleTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbTextStyleTable);
    ZcDbTextStyleTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbTextStyleTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};

class ZRX_API ZcDbDimStyleTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbDimStyleTable);
    ZcDbDimStyleTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbDimStyleTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};

class ZRX_API ZcDbRegAppTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRegAppTable);
    ZcDbRegAppTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbRegAppTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};
