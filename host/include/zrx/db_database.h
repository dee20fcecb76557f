// ZcDbDatabase: one drawing's objects, tables, dictionaries and handles.
#pragma once

#include <memory>
#include <string>

#include "db_block.h"
#include "db_dictionary.h"
#include "db_dwg_version.h"
#include "db_group.h"
#include "db_tables.h"

namespace zrxhost {
class DatabaseState;
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbDatabase {
public:
    // With buildDefaultDrawing the tables hold what a new drawing holds: model and paper
    // space, layer "0", the ByBlock, ByLayer and Continuous line types, the "Standard" text
    // and dimension styles, the "ACAD" application, and the group dictionary.
    explicit ZcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~ZcDbDatabase();
    ZcDbDatabase(const ZcDbDatabase&) = delete;
    ZcDbDatabase& operator=(const ZcDbDatabase&) = delete;

    ZcDbObjectId blockTableId() const;
    ZcDbObjectId layerTableId() const;
    ZcDbObjectId linetypeTableId() const;
    ZcDbObjectId textStyleTableId() const;
    ZcDbObjectId dimStyleTableId() const;
    ZcDbObjectId regAppTableId() const;
    ZcDbObjectId namedObjectsDictionaryId() const;
    ZcDbObjectId groupDictionaryId() const;

    Zcad::ErrorStatus getBlockTable(ZcDbBlockTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getLayerTable(ZcDbLayerTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getLinetypeTable(ZcDbLinetypeTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getTextStyleTable(ZcDbTextStyleTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getDimStyleTable(ZcDbDimStyleTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getRegAppTable(ZcDbRegAppTable*& table, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getSymbolTable(ZcDbBlockTable*& t, ZcDb::OpenMode m) const { return getBlockTable(t, m); }
    Zcad::ErrorStatus getSymbolTable(ZcDbLayerTable*& t, ZcDb::OpenMode m) const { return getLayerTable(t, m); }
    Zcad::ErrorStatus getSymbolTable(ZcDbLinetypeTable*& t, ZcDb::OpenMode m) const { return getLinetypeTable(t, m); }
    Zcad::ErrorStatus getSymbolTable(ZcDbTextStyleTable*& t, ZcDb::OpenMode m) const { return getTextStyleTable(t, m); }
    Zcad::ErrorStatus getSymbolTable(ZcDbDimStyleTable*& t, ZcDb::OpenMode m) const { return getDimStyleTable(t, m); }
    Zcad::ErrorStatus getSymbolTable(ZcDbRegAppTable*& t, ZcDb::OpenMode m) const { return getRegAppTable(t, m); }
    Zcad::ErrorStatus getNamedObjectsDictionary(ZcDbDictionary*& dict, ZcDb::OpenMode mode) const;
    Zcad::ErrorStatus getGroupDictionary(ZcDbDictionary*& dict, ZcDb::OpenMode mode) const;

    // Handle to id in constant time. eUnknownHandle when the handle is not in use.
    Zcad::ErrorStatus getZcDbObjectId(ZcDbObjectId& id, bool createIfNotFound, const ZcDbHandle& handle,
                                      uint32_t xRefId = 0) const;
    // Adds an object that has no owner yet (the caller sets one); it stays open for write.
    Zcad::ErrorStatus addZcDbObject(ZcDbObjectId& id, ZcDbObject* obj);
    Zcad::ErrorStatus addZcDbObject(ZcDbObject* obj);
    // The next handle a new object gets.
    ZcDbHandle handseed() const;

    ZcDbObjectId clayer() const;
    Zcad::ErrorStatus setClayer(ZcDbObjectId layerId);
    ZcDbObjectId celtype() const;
    Zcad::ErrorStatus setCeltype(ZcDbObjectId linetypeId);
    ZcDbObjectId textstyle() const;
    Zcad::ErrorStatus setTextstyle(ZcDbObjectId styleId);
    ZcDbObjectId dimstyle() const;
    Zcad::ErrorStatus setDimstyle(ZcDbObjectId styleId);
    ZcDbObjectId byLayerLinetype() const;
    ZcDbObjectId byBlockLinetype() const;
    ZcDbObjectId continuousLinetype() const;

    Zcad::ErrorStatus getFilename(const char*& name) const;

    // Drawing files (ASCII DXF; a .dwg path holds the same text). Reading replaces the
    // database's content only when the whole file was read; on failure the content is
    // unchanged.
    // Saving writes a temporary file and renames it over the target. readDwgFile, saveAs and
    // dxfOut take a Windows path (drive letter or backslashes) through the drive map.
    Zcad::ErrorStatus readDwgFile(const char* fileName, int shareMode = 0, bool allowCPConversion = false,
                                  const char* password = nullptr);
    Zcad::ErrorStatus dxfIn(const char* fileName, const char* logFilename = nullptr);
    Zcad::ErrorStatus saveAs(const char* fileName, bool bakAndRename = false,
                             ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT);
    Zcad::ErrorStatus dxfOut(const char* fileName, int precision = 16, ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT,
                             bool saveThumbnailImage = false);

    // Line types from a line type file (.lin), found as zcedFindFile finds it. The name is
    // one line type (the file's first definition of it, without regard to case) or a
    // wildcard pattern ("*" loads every simple line type the drawing lacks). The pattern's
    // dashes, gaps and dots go into the record, and are written with the drawing.
    // eFileNotFound: no file; eKeyNotFound: no such definition; eDuplicateRecordName: the
    // drawing has it already; eNotImplementedYet: it holds shape or text elements;
    // eInvalidInput: its pattern is malformed.
    Zcad::ErrorStatus loadLineTypeFile(const char* lineTypeName, const char* fileName);

    // Another drawing's model space as a new block of this one, named blockName: its
    // entities are copied, with the layers, line types, styles, nested blocks and
    // registered applications they use (this drawing's own of the same name are kept).
    // eDuplicateRecordName when the block exists. The source is left as it was.
    Zcad::ErrorStatus insert(ZcDbObjectId& blockId, const char* blockName, ZcDbDatabase* source,
                             bool preserveSourceDatabase = true);
    // The source's model-space entities, transformed by xform, into this drawing's model
    // space; the source's symbol tables and named blocks are merged into this drawing's
    // (this drawing's own records of the same name win). The
    // source is only read, whatever preserveSourceDatabase says; the caller deletes it.
    // eNullObjectPointer without a source, eSelfReference for this database itself.
    Zcad::ErrorStatus insert(const ZcGeMatrix3d& xform, ZcDbDatabase* source, bool preserveSourceDatabase = true);

    // Copies of the entities (of this database, not erased) into output, a database made
    // without a default drawing and still empty: it gets what a new drawing holds, the
    // records the entities use and their xdata's applications, and basePoint as its
    // insertion base (INSBASE); the entities keep their coordinates and get new handles.
    // drc: kDrcIgnore (or kDrcNotApplicable) keeps the output's own record of a name,
    // kDrcReplace gives it the source's settings; the name-mangling kinds are refused
    // (eNotApplicable). eWrongDatabase, eWasErased, eNullObjectId, eIllegalEntityType for
    // a bad id; eInvalidInput for an output that is not empty.
    Zcad::ErrorStatus wblock(ZcDbDatabase* output, const ZcDbObjectIdArray& outObjIds, const ZcGePoint3d& basePoint,
                             ZcDb::DuplicateRecordCloning drc);
    // The same into a new database the caller deletes (null on failure).
    Zcad::ErrorStatus wblock(ZcDbDatabase*& output, const ZcDbObjectIdArray& outObjIds, const ZcGePoint3d& basePoint);

    // Where the drawing is inserted from when it is inserted into another (INSBASE).
    ZcGePoint3d insbase() const;
    Zcad::ErrorStatus setInsbase(const ZcGePoint3d& base);

private:
    friend struct zrxhost::Access;
    std::unique_ptr<zrxhost::DatabaseState> m_impl;
};

class ZRX_API ZcDbHostApplicationServices {
public:
    ZcDbDatabase* workingDatabase() const { return m_working; }
    void setWorkingDatabase(ZcDbDatabase* db) { m_working = db; }

private:
    ZcDbDatabase* m_working = nullptr;
};

ZRX_API ZcDbHostApplicationServices* zcdbHostApplicationServices();

// Registers an application name in the working database: RTNORM when newly registered,
// RTERROR when it was already there (or there is no working database).
ZRX_API int zcdbRegApp(const char* appName);
