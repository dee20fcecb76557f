// What a dimension style names rather than holds: colours, texts and arrow blocks.
#include "db_block.h"
#include "db_database.h"
#include "db_open_pointer.h"
#include "db_tables.h"

namespace {

ZcCmColor colourOf(int index)
{
    ZcCmColor c;
    c.setColorIndex(static_cast<uint16_t>(index));
    return c;
}

// The platform takes "" and "." for the closed filled arrow, which no block stands for.
Zcad::ErrorStatus arrowBlock(const ZcDbObject* rec, const char* name, ZcDbObjectId& id)
{
    if (name == nullptr) return Zcad::eInvalidInput;
    if (name[0] == '\0' || (name[0] == '.' && name[1] == '\0')) {
        id = ZcDbObjectId::kNull;
        return Zcad::eOk;
    }
    ZcDbDatabase* db = rec->database() != nullptr ? rec->database() : zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return Zcad::eNoDatabase;
    ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForRead);
    if (blocks.openStatus() != Zcad::eOk) return blocks.openStatus();
    return blocks->getAt(name, id) == Zcad::eOk ? Zcad::eOk : Zcad::eInvalidInput;
}

}  // namespace

ZcCmColor ZcDbDimStyleTableRecord::dimclrd() const { assertReadEnabled(); return colourOf(m_vars.dimclrd); }
ZcCmColor ZcDbDimStyleTableRecord::dimclre() const { assertReadEnabled(); return colourOf(m_vars.dimclre); }
ZcCmColor ZcDbDimStyleTableRecord::dimclrt() const { assertReadEnabled(); return colourOf(m_vars.dimclrt); }

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimpost(const char* text)
{
    if (text == nullptr) return Zcad::eInvalidInput;
    assertWriteEnabled();
    m_vars.dimpost = text;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimapost(const char* text)
{
    if (text == nullptr) return Zcad::eInvalidInput;
    assertWriteEnabled();
    m_vars.dimapost = text;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimblk(const char* name)
{
    ZcDbObjectId id;
    const Zcad::ErrorStatus es = arrowBlock(this, name, id);
    return es == Zcad::eOk ? setDimblk(id) : es;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimblk1(const char* name)
{
    ZcDbObjectId id;
    const Zcad::ErrorStatus es = arrowBlock(this, name, id);
    return es == Zcad::eOk ? setDimblk1(id) : es;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimblk2(const char* name)
{
    ZcDbObjectId id;
    const Zcad::ErrorStatus es = arrowBlock(this, name, id);
    return es == Zcad::eOk ? setDimblk2(id) : es;
}

Zcad::ErrorStatus ZcDbDimStyleTableRecord::setDimldrblk(const char* name)
{
    ZcDbObjectId id;
    const Zcad::ErrorStatus es = arrowBlock(this, name, id);
    return es == Zcad::eOk ? setDimldrblk(id) : es;
}
