// Records of the layer, line type, text style, dimension style and application tables.
#include "db_tables.h"
#include "open_record.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbLayerTableRecord, ZcDbSymbolTableRecord, "AcDbLayerTableRecord", "LAYER")
ZCRX_DEFINE_MEMBERS(ZcDbLinetypeTableRecord, ZcDbSymbolTableRecord, "AcDbLinetypeTableRecord", "LTYPE")
ZCRX_DEFINE_MEMBERS(ZcDbTextStyleTableRecord, ZcDbSymbolTableRecord, "AcDbTextStyleTableRecord", "STYLE")
ZCRX_DEFINE_MEMBERS(ZcDbDimStyleTableRecord, ZcDbSymbolTableRecord, "AcDbDimStyleTableRecord", "DIMSTYLE")
ZCRX_DEFINE_MEMBERS(ZcDbRegAppTableRecord, ZcDbSymbolTableRecord, "AcDbRegAppTableRecord", "APPID")
ZCRX_DEFINE_CLONE(ZcDbLayerTableRecord)
ZCRX_DEFINE_CLONE(ZcDbLinetypeTableRecord)
ZCRX_DEFINE_CLONE(ZcDbTextStyleTableRecord)
ZCRX_DEFINE_CLONE(ZcDbDimStyleTableRecord)
ZCRX_DEFINE_CLONE(ZcDbRegAppTableRecord)

ZCRX_DEFINE_MEMBERS(ZcDbLayerTable, ZcDbSymbolTable, "AcDbLayerTable", "TABLE")
ZCRX_DEFINE_MEMBERS(ZcDbLinetypeTable, ZcDbSymbolTable, "AcDbLinetypeTable", "TABLE")
ZCRX_DEFINE_MEMBERS(ZcDbTextStyleTable, ZcDbSymbolTable, "AcDbTextStyleTable", "TABLE")
ZCRX_DEFINE_MEMBERS(ZcDbDimStyleTable, ZcDbSymbolTable, "AcDbDimStyleTable", "TABLE")
ZCRX_DEFINE_MEMBERS(ZcDbRegAppTable, ZcDbSymbolTable, "AcDbRegAppTable", "TABLE")
ZcRxClass* ZcDbLayerTable::recordClass() const { return ZcDbLayerTableRecord::desc(); }
ZcRxClass* ZcDbLinetypeTable::recordClass() const { return ZcDbLinetypeTableRecord::desc(); }
ZcRxClass* ZcDbTextStyleTable::recordClass() const { return ZcDbTextStyleTableRecord::desc(); }
ZcRxClass* ZcDbDimStyleTable::recordClass() const { return ZcDbDimStyleTableRecord::desc(); }
ZcRxClass* ZcDbRegAppTable::recordClass() const { return ZcDbRegAppTableRecord::desc(); }

Zcad::ErrorStatus ZcDbLayerTable::getAt(const char* name, ZcDbLayerTableRecord*& record, ZcDb::OpenMode mode,
                                   bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

Zcad::ErrorStatus ZcDbLinetypeTable::getAt(const char* name, ZcDbLinetypeTableRecord*& record, ZcDb::OpenMode mode,
                                   bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

Zcad::ErrorStatus ZcDbTextStyleTable::getAt(const char* name, ZcDbTextStyleTableRecord*& record, ZcDb::OpenMode mode,
                                   bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

Zcad::ErrorStatus ZcDbDimStyleTable::getAt(const char* name, ZcDbDimStyleTableRecord*& record, ZcDb::OpenMode mode,
                                   bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

Zcad::ErrorStatus ZcDbRegAppTable::getAt(const char* name, ZcDbRegAppTableRecord*& record, ZcDb::OpenMode mode,
                                   bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

Zcad::ErrorStatus ZcDbLinetypeTableRecord::setComments(const char* text)
{
    assertWriteEnabled();
    m_comments = text == nullptr ? "" : text;
    return Zcad::eOk;
}

void ZcDbLinetypeTableRecord::setNumDashes(int count)
{
    assertWriteEnabled();
    m_dashes.resize(static_cast<size_t>(count < 0 ? 0 : count), 0.0);
}

double ZcDbLinetypeTableRecord::dashLengthAt(int index) const
{
    assertReadEnabled();
    return (index >= 0 && index < numDashes()) ? m_dashes[static_cast<size_t>(index)] : 0.0;
}

Zcad::ErrorStatus ZcDbLinetypeTableRecord::setDashLengthAt(int index, double length)
{
    assertWriteEnabled();
    if (index < 0 || index >= numDashes()) return Zcad::eInvalidIndex;
    m_dashes[static_cast<size_t>(index)] = length;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTextStyleTableRecord::setFileName(const char* name)
{
    assertWriteEnabled();
    m_fileName = name == nullptr ? "" : name;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTextStyleTableRecord::setBigFontFileName(const char* name)
{
    assertWriteEnabled();
    m_bigFont = name == nullptr ? "" : name;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTextStyleTableRecord::setTextSize(double size)
{
    assertWriteEnabled();
    if (size < 0.0) return Zcad::eNegativeValue;
    m_textSize = size;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTextStyleTableRecord::setXScale(double scale)
{
    assertWriteEnabled();
    if (scale <= 0.0) return Zcad::eInvalidInput;
    m_xScale = scale;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimasz(double v)
{
    if (v < 0.0) return Zcad::eNegativeValue;
    assertWriteEnabled();
    m_vars.dimasz = v;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimscale(double v)
{
    if (v < 0.0) return Zcad::eNegativeValue;
    assertWriteEnabled();
    m_vars.dimscale = v;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimtxt(double v)
{
    if (v < 0.0) return Zcad::eNegativeValue;
    assertWriteEnabled();
    m_vars.dimtxt = v;
    return Zcad::eOk;
}
