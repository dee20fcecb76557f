// The symbol tables of a drawing other than blocks: layers, line types, text styles,
// dimension styles and registered applications.
#pragma once

#include <string>
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
    double dimlfac() const { assertReadEnabled(); return m_vars.dimlfac; }
    Zcad::ErrorStatus setDimlfac(double v) { assertWriteEnabled(); m_vars.dimlfac = v; return Zcad::eOk; }
    int dimtad() const { assertReadEnabled(); return m_vars.dimtad; }
    Zcad::ErrorStatus setDimtad(int v) { assertWriteEnabled(); m_vars.dimtad = v; return Zcad::eOk; }
    ZcCmColor dimclrd() const;
    Zcad::ErrorStatus setDimclrd(const ZcCmColor& c) { assertWriteEnabled(); m_vars.dimclrd = c.colorIndex(); return Zcad::eOk; }
    ZcCmColor dimclre() const;
    Zcad::ErrorStatus setDimclre(const ZcCmColor& c) { assertWriteEnabled(); m_vars.dimclre = c.colorIndex(); return Zcad::eOk; }
    ZcCmColor dimclrt() const;
    Zcad::ErrorStatus setDimclrt(const ZcCmColor& c) { assertWriteEnabled(); m_vars.dimclrt = c.colorIndex(); return Zcad::eOk; }
    ZcDb::LineWeight dimlwd() const { assertReadEnabled(); return m_vars.dimlwd; }
    Zcad::ErrorStatus setDimlwd(ZcDb::LineWeight w) { assertWriteEnabled(); m_vars.dimlwd = w; return Zcad::eOk; }
    ZcDb::LineWeight dimlwe() const { assertReadEnabled(); return m_vars.dimlwe; }
    Zcad::ErrorStatus setDimlwe(ZcDb::LineWeight w) { assertWriteEnabled(); m_vars.dimlwe = w; return Zcad::eOk; }
    char dimdsep() const { assertReadEnabled(); return m_vars.dimdsep; }
    Zcad::ErrorStatus setDimdsep(char c) { assertWriteEnabled(); m_vars.dimdsep = c; return Zcad::eOk; }
    const char* dimpost() const { assertReadEnabled(); return m_vars.dimpost.c_str(); }
    Zcad::ErrorStatus setDimpost(const char* text);
    const char* dimapost() const { assertReadEnabled(); return m_vars.dimapost.c_str(); }
    Zcad::ErrorStatus setDimapost(const char* text);
    // By block name, as the variables name them: "" or "." is the closed filled arrow; a
    // name the working drawing's block table lacks is refused.
    Zcad::ErrorStatus setDimblk(const char* name);
    Zcad::ErrorStatus setDimblk1(const char* name);
    Zcad::ErrorStatus setDimblk2(const char* name);
    Zcad::ErrorStatus setDimldrblk(const char* name);
    int dimadec() const { assertReadEnabled(); return m_vars.dimadec; }
    Zcad::ErrorStatus setDimadec(int v) { assertWriteEnabled(); m_vars.dimadec = v; return Zcad::eOk; }
    bool dimalt() const { assertReadEnabled(); return m_vars.dimalt; }
    Zcad::ErrorStatus setDimalt(bool v) { assertWriteEnabled(); m_vars.dimalt = v; return Zcad::eOk; }
    int dimaltd() const { assertReadEnabled(); return m_vars.dimaltd; }
    Zcad::ErrorStatus setDimaltd(int v) { assertWriteEnabled(); m_vars.dimaltd = v; return Zcad::eOk; }
    double dimaltf() const { assertReadEnabled(); return m_vars.dimaltf; }
    Zcad::ErrorStatus setDimaltf(double v) { assertWriteEnabled(); m_vars.dimaltf = v; return Zcad::eOk; }
    double dimaltrnd() const { assertReadEnabled(); return m_vars.dimaltrnd; }
    Zcad::ErrorStatus setDimaltrnd(double v) { assertWriteEnabled(); m_vars.dimaltrnd = v; return Zcad::eOk; }
    int dimalttd() const { assertReadEnabled(); return m_vars.dimalttd; }
    Zcad::ErrorStatus setDimalttd(int v) { assertWriteEnabled(); m_vars.dimalttd = v; return Zcad::eOk; }
    int dimalttz() const { assertReadEnabled(); return m_vars.dimalttz; }
    Zcad::ErrorStatus setDimalttz(int v) { assertWriteEnabled(); m_vars.dimalttz = v; return Zcad::eOk; }
    int dimaltu() const { assertReadEnabled(); return m_vars.dimaltu; }
    Zcad::ErrorStatus setDimaltu(int v) { assertWriteEnabled(); m_vars.dimaltu = v; return Zcad::eOk; }
    int dimaltz() const { assertReadEnabled(); return m_vars.dimaltz; }
    Zcad::ErrorStatus setDimaltz(int v) { assertWriteEnabled(); m_vars.dimaltz = v; return Zcad::eOk; }
    int dimatfit() const { assertReadEnabled(); return m_vars.dimatfit; }
    Zcad::ErrorStatus setDimatfit(int v) { assertWriteEnabled(); m_vars.dimatfit = v; return Zcad::eOk; }
    int dimaunit() const { assertReadEnabled(); return m_vars.dimaunit; }
    Zcad::ErrorStatus setDimaunit(int v) { assertWriteEnabled(); m_vars.dimaunit = v; return Zcad::eOk; }
    int dimazin() const { assertReadEnabled(); return m_vars.dimazin; }
    Zcad::ErrorStatus setDimazin(int v) { assertWriteEnabled(); m_vars.dimazin = v; return Zcad::eOk; }
    double dimcen() const { assertReadEnabled(); return m_vars.dimcen; }
    Zcad::ErrorStatus setDimcen(double v) { assertWriteEnabled(); m_vars.dimcen = v; return Zcad::eOk; }
    double dimdle() const { assertReadEnabled(); return m_vars.dimdle; }
    Zcad::ErrorStatus setDimdle(double v) { assertWriteEnabled(); m_vars.dimdle = v; return Zcad::eOk; }
    double dimdli() const { assertReadEnabled(); return m_vars.dimdli; }
    Zcad::ErrorStatus setDimdli(double v) { assertWriteEnabled(); m_vars.dimdli = v; return Zcad::eOk; }
    int dimfrac() const { assertReadEnabled(); return m_vars.dimfrac; }
    Zcad::ErrorStatus setDimfrac(int v) { assertWriteEnabled(); m_vars.dimfrac = v; return Zcad::eOk; }
    int dimjust() const { assertReadEnabled(); return m_vars.dimjust; }
    Zcad::ErrorStatus setDimjust(int v) { assertWriteEnabled(); m_vars.dimjust = v; return Zcad::eOk; }
    bool dimlim() const { assertReadEnabled(); return m_vars.dimlim; }
    Zcad::ErrorStatus setDimlim(bool v) { assertWriteEnabled(); m_vars.dimlim = v; return Zcad::eOk; }
    int dimlunit() const { assertReadEnabled(); return m_vars.dimlunit; }
    Zcad::ErrorStatus setDimlunit(int v) { assertWriteEnabled(); m_vars.dimlunit = v; return Zcad::eOk; }
    double dimrnd() const { assertReadEnabled(); return m_vars.dimrnd; }
    Zcad::ErrorStatus setDimrnd(double v) { assertWriteEnabled(); m_vars.dimrnd = v; return Zcad::eOk; }
    bool dimsd1() const { assertReadEnabled(); return m_vars.dimsd1; }
    Zcad::ErrorStatus setDimsd1(bool v) { assertWriteEnabled(); m_vars.dimsd1 = v; return Zcad::eOk; }
    bool dimsd2() const { assertReadEnabled(); return m_vars.dimsd2; }
    Zcad::ErrorStatus setDimsd2(bool v) { assertWriteEnabled(); m_vars.dimsd2 = v; return Zcad::eOk; }
    bool dimse1() const { assertReadEnabled(); return m_vars.dimse1; }
    Zcad::ErrorStatus setDimse1(bool v) { assertWriteEnabled(); m_vars.dimse1 = v; return Zcad::eOk; }
    bool dimse2() const { assertReadEnabled(); return m_vars.dimse2; }
    Zcad::ErrorStatus setDimse2(bool v) { assertWriteEnabled(); m_vars.dimse2 = v; return Zcad::eOk; }
    bool dimsoxd() const { assertReadEnabled(); return m_vars.dimsoxd; }
    Zcad::ErrorStatus setDimsoxd(bool v) { assertWriteEnabled(); m_vars.dimsoxd = v; return Zcad::eOk; }
    int dimtdec() const { assertReadEnabled(); return m_vars.dimtdec; }
    Zcad::ErrorStatus setDimtdec(int v) { assertWriteEnabled(); m_vars.dimtdec = v; return Zcad::eOk; }
    double dimtfac() const { assertReadEnabled(); return m_vars.dimtfac; }
    Zcad::ErrorStatus setDimtfac(double v) { assertWriteEnabled(); m_vars.dimtfac = v; return Zcad::eOk; }
    bool dimtih() const { assertReadEnabled(); return m_vars.dimtih; }
    Zcad::ErrorStatus setDimtih(bool v) { assertWriteEnabled(); m_vars.dimtih = v; return Zcad::eOk; }
    bool dimtix() const { assertReadEnabled(); return m_vars.dimtix; }
    Zcad::ErrorStatus setDimtix(bool v) { assertWriteEnabled(); m_vars.dimtix = v; return Zcad::eOk; }
    double dimtm() const { assertReadEnabled(); return m_vars.dimtm; }
    Zcad::ErrorStatus setDimtm(double v) { assertWriteEnabled(); m_vars.dimtm = v; return Zcad::eOk; }
    int dimtmove() const { assertReadEnabled(); return m_vars.dimtmove; }
    Zcad::ErrorStatus setDimtmove(int v) { assertWriteEnabled(); m_vars.dimtmove = v; return Zcad::eOk; }
    bool dimtofl() const { assertReadEnabled(); return m_vars.dimtofl; }
    Zcad::ErrorStatus setDimtofl(bool v) { assertWriteEnabled(); m_vars.dimtofl = v; return Zcad::eOk; }
    bool dimtoh() const { assertReadEnabled(); return m_vars.dimtoh; }
    Zcad::ErrorStatus setDimtoh(bool v) { assertWriteEnabled(); m_vars.dimtoh = v; return Zcad::eOk; }
    bool dimtol() const { assertReadEnabled(); return m_vars.dimtol; }
    Zcad::ErrorStatus setDimtol(bool v) { assertWriteEnabled(); m_vars.dimtol = v; return Zcad::eOk; }
    int dimtolj() const { assertReadEnabled(); return m_vars.dimtolj; }
    Zcad::ErrorStatus setDimtolj(int v) { assertWriteEnabled(); m_vars.dimtolj = v; return Zcad::eOk; }
    double dimtp() const { assertReadEnabled(); return m_vars.dimtp; }
    Zcad::ErrorStatus setDimtp(double v) { assertWriteEnabled(); m_vars.dimtp = v; return Zcad::eOk; }
    double dimtsz() const { assertReadEnabled(); return m_vars.dimtsz; }
    Zcad::ErrorStatus setDimtsz(double v) { assertWriteEnabled(); m_vars.dimtsz = v; return Zcad::eOk; }
    double dimtvp() const { assertReadEnabled(); return m_vars.dimtvp; }
    Zcad::ErrorStatus setDimtvp(double v) { assertWriteEnabled(); m_vars.dimtvp = v; return Zcad::eOk; }
    int dimtzin() const { assertReadEnabled(); return m_vars.dimtzin; }
    Zcad::ErrorStatus setDimtzin(int v) { assertWriteEnabled(); m_vars.dimtzin = v; return Zcad::eOk; }
    bool dimupt() const { assertReadEnabled(); return m_vars.dimupt; }
    Zcad::ErrorStatus setDimupt(bool v) { assertWriteEnabled(); m_vars.dimupt = v; return Zcad::eOk; }
    int dimzin() const { assertReadEnabled(); return m_vars.dimzin; }
    Zcad::ErrorStatus setDimzin(int v) { assertWriteEnabled(); m_vars.dimzin = v; return Zcad::eOk; }

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
        ZcDb::LineWeight dimlwd = ZcDb::kLnWtByBlock;  // dimension line weight
        ZcDb::LineWeight dimlwe = ZcDb::kLnWtByBlock;  // extension line weight
        char dimdsep = ',';      // decimal separator
        std::string dimpost;     // text around the measurement
        std::string dimapost;    // text around the alternate measurement
        int dimadec = 0;                // angular decimal places
        bool dimalt = false;            // alternate units shown
        int dimaltd = 3;                // alternate decimal places
        double dimaltf = 0.03937;       // alternate unit factor
        double dimaltrnd = 0.0;         // alternate rounding
        int dimalttd = 3;               // alternate tolerance decimals
        int dimalttz = 0;               // alternate tolerance zeros
        int dimaltu = 2;                // alternate unit format
        int dimaltz = 0;                // alternate zeros
        int dimatfit = 3;               // what moves out when text and arrows do not fit
        int dimaunit = 0;               // angle format
        int dimazin = 0;                // angular zeros
        double dimcen = 2.5;            // centre mark size
        double dimdle = 0.0;            // dimension line beyond ticks
        double dimdli = 3.75;           // baseline spacing
        int dimfrac = 0;                // fraction format
        int dimjust = 0;                // horizontal text position
        bool dimlim = false;            // limits shown
        int dimlunit = 2;               // linear unit format
        double dimrnd = 0.0;            // rounding
        bool dimsd1 = false;            // first dimension line suppressed
        bool dimsd2 = false;            // second dimension line suppressed
        bool dimse1 = false;            // first extension line suppressed
        bool dimse2 = false;            // second extension line suppressed
        bool dimsoxd = false;           // no dimension line outside the extension lines
        int dimtdec = 2;                // tolerance decimals
        double dimtfac = 1.0;           // tolerance text scale
        bool dimtih = false;            // inside text horizontal
        bool dimtix = false;            // text forced inside
        double dimtm = 0.0;             // minus tolerance
        int dimtmove = 0;               // text movement
        bool dimtofl = true;            // dimension line drawn between extension lines
        bool dimtoh = false;            // outside text horizontal
        bool dimtol = false;            // tolerances shown
        int dimtolj = 0;                // tolerance vertical justification
        double dimtp = 0.0;             // plus tolerance
        double dimtsz = 0.0;            // tick size (0: arrows)
        double dimtvp = 0.0;            // text vertical position
        int dimtzin = 8;                // tolerance zeros
        bool dimupt = false;            // user-positioned text
        int dimzin = 8;                 // linear zeros
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
