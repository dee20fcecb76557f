// Version names.
#include "dxf/version.h"

#include <charconv>

namespace zrx::dxf {

Version versionFromAcadver(std::string_view acadver)
{
    int n = 0;
    if (acadver.size() >= 6 && acadver.substr(0, 2) == "AC") {
        std::from_chars(acadver.data() + 2, acadver.data() + 6, n);
    }
    if (n < 1015) return Version::R12;
    if (n < 1018) return Version::R2000;
    if (n < 1021) return Version::R2004;
    if (n < 1024) return Version::R2007;
    if (n < 1027) return Version::R2010;
    if (n < 1032) return Version::R2013;
    return Version::R2018;
}

const char* acadverOf(Version v)
{
    switch (v) {
    case Version::R12: return "AC1009";
    case Version::R2000: return "AC1015";
    case Version::R2004: return "AC1018";
    case Version::R2007: return "AC1021";
    case Version::R2010: return "AC1024";
    case Version::R2013: return "AC1027";
    case Version::R2018: return "AC1032";
    }
    return "AC1027";
}

bool versionFromName(std::string_view name, Version& v)
{
    struct Name { const char* text; Version version; };
    static const Name names[] = {
        {"R12", Version::R12},     {"12", Version::R12},       {"AC1009", Version::R12},
        {"2000", Version::R2000},  {"R2000", Version::R2000},  {"AC1015", Version::R2000},
        {"2004", Version::R2004},  {"R2004", Version::R2004},  {"AC1018", Version::R2004},
        {"2007", Version::R2007},  {"R2007", Version::R2007},  {"AC1021", Version::R2007},
        {"2010", Version::R2010},  {"R2010", Version::R2010},  {"AC1024", Version::R2010},
        {"2013", Version::R2013},  {"R2013", Version::R2013},  {"AC1027", Version::R2013},
        {"2018", Version::R2018},  {"R2018", Version::R2018},  {"AC1032", Version::R2018},
    };
    for (const Name& n : names) {
        if (name == n.text) {
            v = n.version;
            return true;
        }
    }
    return false;
}

}  // namespace zrx::dxf
