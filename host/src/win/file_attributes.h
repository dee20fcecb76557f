// Windows file attributes of host files. Read-only follows the write permission bits; the
// other attributes are kept in the Samba "user.DOSATTRIB" extended attribute, or, on a file
// system without extended attributes, in the execute bits as Samba maps them (archive: owner,
// system: group, hidden: others).
#pragma once

#include <optional>
#include <string>

#include "zrx/win_types.h"

namespace zrxhost {

// The attributes (FILE_ATTRIBUTE_*), FILE_ATTRIBUTE_NORMAL when none is set; nothing when
// the file does not exist.
std::optional<DWORD> hostFileAttributes(const std::string& hostFile);
// Sets read-only, hidden, system and archive; false with the Windows error set on failure.
bool setHostFileAttributes(const std::string& hostFile, DWORD attributes);
bool isHostFileReadOnly(const std::string& hostFile);

}  // namespace zrxhost
