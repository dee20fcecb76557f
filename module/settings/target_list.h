// The sub-folders or files of a folder that match a pattern, for the ship and drawing lists
// of the commands.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the bare names of the matching entries: sub-folders (without "." and "..") when
// bFolders is set, files otherwise, in search order. Needs a known system folder; without
// one the user is alerted and nothing is listed.
TREVANCOM_API void TrevanComARX_CreateTargetList(LPCTSTR folder, LPCTSTR pattern, int bFolders, CStringArray& names);
