// A whole host file as bytes.
#pragma once

#include <optional>
#include <string>

namespace zrxhost::util {

// Nothing when the file cannot be opened.
std::optional<std::string> readFileBytes(const std::string& hostFile);

}  // namespace zrxhost::util
