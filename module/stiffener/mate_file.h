// The material-label file's text, as a text-mode read gives it (UTF-8, "\n" line ends, up
// to a Ctrl-Z). Labels are composed by the thousand; the file changes only when someone
// edits it, so its text is kept while a change notification on its folder stays quiet, and
// read again at the first change.
#pragma once

#include <memory>
#include <string>

#include "zrx.h"

// Null when the file cannot be read.
std::shared_ptr<const std::string> TrevanCom_ReadMateFile(const CString& path);
