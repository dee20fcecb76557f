// Connection strings for the drivers of this host, and the Access driver name mapped by the
// content of the database file.
#include "odbc/access_connect.h"

#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

#include "odbc/odbc_session.h"
#include "util/text_case.h"
#include "win/windows_path.h"

namespace zrxodbc {
namespace {

struct Attribute {
    std::string key;
    std::string value;
};

// "key=value;key={value with ;}" into its attributes.
std::vector<Attribute> parseConnect(const std::string& s)
{
    std::vector<Attribute> out;
    size_t i = 0;
    while (i < s.size()) {
        size_t eq = s.find('=', i);
        size_t semi = s.find(';', i);
        if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
            std::string bare = s.substr(i, semi == std::string::npos ? std::string::npos : semi - i);
            if (!bare.empty()) out.push_back({bare, ""});
            if (semi == std::string::npos) break;
            i = semi + 1;
            continue;
        }
        Attribute a{s.substr(i, eq - i), ""};
        size_t v = eq + 1;
        if (v < s.size() && s[v] == '{') {
            size_t close = s.find('}', v);
            a.value = s.substr(v, close == std::string::npos ? std::string::npos : close - v + 1);
            i = close == std::string::npos ? s.size() : close + 1;
            if (i < s.size() && s[i] == ';') ++i;
        } else {
            size_t end = s.find(';', v);
            a.value = s.substr(v, end == std::string::npos ? std::string::npos : end - v);
            i = end == std::string::npos ? s.size() : end + 1;
        }
        out.push_back(a);
    }
    return out;
}

// Both names the Access driver has gone by, with or without braces.
bool isAccessDriver(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '{' && value.back() == '}') value = value.substr(1, value.size() - 2);
    return zrxhost::equalsNoCase(value, "Microsoft Access Driver (*.mdb)") ||
           zrxhost::equalsNoCase(value, "Microsoft Access Driver (*.mdb, *.accdb)");
}

}  // namespace

AccessFile accessFileKind(const std::string& hostPath)
{
    std::ifstream in(hostPath, std::ios::binary);
    if (!in) return AccessFile::Missing;
    // Page 0 of a Jet 3/4 (.mdb) or ACE (.accdb) database names its engine after 4 bytes.
    char head[19] = {};
    in.read(head, sizeof head);
    if (in.gcount() == sizeof head &&
        (std::memcmp(head + 4, "Standard Jet DB", 15) == 0 || std::memcmp(head + 4, "Standard ACE DB", 15) == 0))
        return AccessFile::Jet;
    return AccessFile::Other;
}

std::string driverConnectString(const std::string& connect, bool* toJet)
{
    if (toJet != nullptr) *toJet = false;
    std::string s = connect;
    if (s.size() >= 5 && zrxhost::equalsNoCase(std::string_view(s).substr(0, 5), "ODBC;")) s.erase(0, 5);
    auto attrs = parseConnect(s);
    Attribute* driver = nullptr;
    std::string dbq;
    std::string dbqAsGiven;
    bool hasDatabase = false;
    for (auto& a : attrs) {
        if (zrxhost::equalsNoCase(a.key, "DBQ")) {
            dbqAsGiven = a.value;
            if (auto r = zrxhost::resolveWindowsPath(a.value)) a.value = r->host;
            dbq = a.value;
        }
        if (zrxhost::equalsNoCase(a.key, "Database")) hasDatabase = true;
        if (zrxhost::equalsNoCase(a.key, "Driver")) driver = &a;
    }
    if (driver != nullptr && !dbq.empty() && isAccessDriver(driver->value)) {
        switch (accessFileKind(dbq)) {
        case AccessFile::Missing: throw Failure("ファイル '" + dbqAsGiven + "' が見つかりません。", "HY000", 0, -1);
        case AccessFile::Jet:
            driver->value = kJetDriver;
            if (toJet != nullptr) *toJet = true;
            break;
        case AccessFile::Other: break;
        }
    }
    if (!dbq.empty() && !hasDatabase) attrs.push_back({"Database", dbq});
    std::string out;
    for (const auto& a : attrs) {
        if (!out.empty()) out += ';';
        out += a.key;
        if (!a.value.empty() || a.key.find('=') == std::string::npos) out += "=" + a.value;
    }
    return out;
}

}  // namespace zrxodbc
