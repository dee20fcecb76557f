// The inside of a database, shared by the host's database, table and file code.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "db_database.h"
#include "ge_matrix3d.h"
#include "handle_index.h"
#include "access.h"
#include "stub.h"

namespace zrxhost {

class DatabaseState {
public:
    explicit DatabaseState(ZcDbDatabase* owner);
    ~DatabaseState();

    // Makes the object resident with the next free handle; it is left open for write.
    zrxhost::ObjectStub* addObject(ZcDbObject* obj, ZcDbObjectId owner);
    // The same with a given handle (drawings read from disk keep theirs); null when the
    // handle is already in use.
    zrxhost::ObjectStub* addObjectWithHandle(ZcDbObject* obj, ZcDbObjectId owner, uint64_t handle);
    zrxhost::ObjectStub* findHandle(uint64_t handle) const;
    // Raises the next free handle to at least this value.
    void reserveHandlesBelow(uint64_t handle);
    // The next addObject takes this handle instead of the next free one, so that a drawing
    // read from disk keeps its handles through the ordinary append and add paths.
    void pinNextHandle(uint64_t handle) { m_pinned = handle; }
    // Hands every object over to another database object (a drawing is read into a scratch
    // database and moved into the caller's only when the whole file was read).
    void rehome(ZcDbDatabase* db);
    uint64_t nextHandle() const;

    void noteOpened() { ++m_openCount; }
    void noteClosed() { --m_openCount; }
    int openCount() const { return m_openCount; }
    bool tearingDown() const { return m_tearingDown; }
    // A number that names the database in entity names of the C interface.
    int64_t serial() const { return m_serial; }
    const std::deque<zrxhost::ObjectStub>& stubs() const { return m_stubs; }

    ZcDbDatabase* owner;
    ZcDbObjectId blockTable, layerTable, linetypeTable, textStyleTable, dimStyleTable, regAppTable;
    ZcDbObjectId namedObjects, groupDictionary, modelSpace, paperSpace;
    ZcDbObjectId clayer, celtype, textstyle, dimstyle, byLayerLt, byBlockLt, continuousLt;
    std::string filename;
    // The current user coordinate system, UCS to world; a drawing file keeps it in its
    // header ($UCSORG, $UCSXDIR, $UCSYDIR).
    ZcGeMatrix3d ucs;
    // The insertion base ($INSBASE).
    ZcGePoint3d insbase;
    // What the drawing-file code keeps beyond the model (header variables, classes,
    // unmodelled pairs); its type is private to host/src/dxf.
    std::shared_ptr<void> fileState;

private:
    std::deque<zrxhost::ObjectStub> m_stubs;
    HandleIndex m_byHandle{m_stubs};
    uint64_t m_handseed = 1;
    uint64_t m_pinned = 0;
    int m_openCount = 0;
    bool m_tearingDown = false;
    int64_t m_serial;
};

// Every database of the process, for entity names and the open-object report.
const std::deque<ZcDbDatabase*>& liveDatabases();
ZcDbDatabase* databaseBySerial(int64_t serial);
void registerDatabase(ZcDbDatabase* db);
void unregisterDatabase(ZcDbDatabase* db);
// What a new drawing holds, made in a database that has nothing yet.
void buildDefaultDrawing(ZcDbDatabase* db);
// Makes a new object resident under an owner; it stays open for write for the caller.
ZcDbObjectId adopt(ZcDbDatabase* db, ZcDbObject* obj, ZcDbObjectId owner);

// The object behind an id without the open protocol, for host code that reads on its own
// behalf inside a HostAccess scope; null when the id is not of that kind.
template <class T>
T* peek(ZcDbObjectId id)
{
    zrxhost::ObjectStub* s = zrxhost::stubOf(id);
    return (s != nullptr && s->object != nullptr) ? T::cast(s->object) : nullptr;
}
}  // namespace zrxhost
