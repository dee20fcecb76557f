#include "util/file_bytes.h"

#include <fstream>
#include <sstream>

namespace zrxhost::util {

std::optional<std::string> readFileBytes(const std::string& hostFile)
{
    std::ifstream in(hostFile, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace zrxhost::util
