// The file state lives in the database's impl, typed here only.
#include "dxf/file_state.h"

#include "db/database_impl.h"
#include "util/text_case.h"

namespace zrx::dxf {

const HeaderVariable* FileState::variable(const std::string& name) const
{
    for (const HeaderVariable& v : header) {
        if (zrxhost::equalsNoCase(v.name, name)) return &v;
    }
    return nullptr;
}

const Extras* FileState::extrasOf(uint64_t handle) const
{
    auto it = extras.find(handle);
    return it == extras.end() ? nullptr : &it->second;
}

FileState& fileState(ZcDbDatabase* db)
{
    zrxhost::DatabaseState* impl = zrxhost::stateOf(db);
    if (!impl->fileState) impl->fileState = std::make_shared<FileState>();
    return *static_cast<FileState*>(impl->fileState.get());
}

const FileState* findFileState(const ZcDbDatabase* db)
{
    return static_cast<const FileState*>(zrxhost::stateOf(db)->fileState.get());
}

}  // namespace zrx::dxf
