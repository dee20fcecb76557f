// The material-label file TREVANMATE.DAT: one row per section type, "KEY,token,token,...".
// A token "(chr 44)" writes a comma, a number 1 to 6 writes that label field, any other
// number writes nothing, and a token that does not start with a number is written as it
// stands.
#pragma once

#include <string_view>

#include "zrx.h"

// The six dimension texts of a label, in the order the row's field numbers select them.
struct TrevanLabelFields {
    const char* m_pszField[6];
};

// Reads the file's rows (its text as a text-mode read gives it) until the first one whose
// key equals strKey (without regard to case) and composes its label; empty when no row
// matches or the row has no token. Rows after the first match are never looked at.
CString TrevanCom_ComposeMateLabel(std::string_view text, const CString& strKey, const TrevanLabelFields& fields);
