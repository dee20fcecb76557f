// The registry, kept in one REGEDIT4 text file so that it can be read, edited and handed
// over like the export of the Windows registry editor.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "util/text_case.h"
#include "win/change_watch.h"
#include "zrx/win_registry.h"
#include "zrxhost/registry.h"

struct HKEY__ {
    std::string root;               // "HKEY_CURRENT_USER", ...
    std::vector<std::string> path;  // key names below the root
};

namespace {

struct Value {
    std::string name;  // empty: the key's default value
    DWORD type = REG_SZ;
    std::string data;
};

struct Key {
    std::string name;
    std::map<std::string, std::unique_ptr<Key>> children;  // by upper-cased name
    std::vector<Value> values;                             // in the order they were set

    Value* value(std::string_view n)
    {
        for (auto& v : values) {
            if (zrxhost::equalsNoCase(v.name, n)) return &v;
        }
        return nullptr;
    }
};

struct Registry {
    std::map<std::string, Key> roots;
    std::string file;
    std::set<HKEY> open;
};

Registry& registry()
{
    static Registry r;
    return r;
}

const char* predefinedRoot(HKEY key)
{
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    return nullptr;
}

std::vector<std::string> splitKey(std::string_view s)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find('\\', start);
        if (end == std::string_view::npos) end = s.size();
        if (end > start) out.emplace_back(s.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// The full name of a handle plus a sub key; false for a handle that is not open.
bool fullName(HKEY key, LPCSTR subKey, std::string& root, std::vector<std::string>& path)
{
    if (const char* r = predefinedRoot(key)) {
        root = r;
        path.clear();
    } else if (key != nullptr && registry().open.count(key) != 0) {
        root = key->root;
        path = key->path;
    } else {
        return false;
    }
    for (auto& p : splitKey(subKey != nullptr ? subKey : "")) path.push_back(std::move(p));
    return true;
}

Key* find(const std::string& root, const std::vector<std::string>& path, bool create, bool* created = nullptr)
{
    Key* k = &registry().roots[root];
    if (k->name.empty()) k->name = root;
    for (const auto& name : path) {
        std::string id = zrxhost::upperAscii(name);
        auto it = k->children.find(id);
        if (it == k->children.end()) {
            if (!create) return nullptr;
            auto child = std::make_unique<Key>();
            child->name = name;
            it = k->children.emplace(id, std::move(child)).first;
            if (created != nullptr) *created = true;
        }
        k = it->second.get();
    }
    return k;
}

// REGEDIT4 text.

std::string quote(std::string_view s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string hexBytes(std::string_view data)
{
    std::string out;
    char b[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(b, sizeof b, "%02x", static_cast<unsigned>(static_cast<unsigned char>(data[i])));
        if (i > 0) out += ',';
        out += b;
    }
    return out;
}

std::string valueText(const Value& v)
{
    if (v.type == REG_SZ) {
        std::string s = v.data.substr(0, v.data.find('\0'));
        return quote(s);
    }
    if (v.type == REG_DWORD && v.data.size() == 4) {
        uint32_t n = 0;
        std::memcpy(&n, v.data.data(), 4);
        char b[20];
        std::snprintf(b, sizeof b, "dword:%08x", static_cast<unsigned>(n));
        return b;
    }
    if (v.type == REG_BINARY) return "hex:" + hexBytes(v.data);
    char kind[24];
    std::snprintf(kind, sizeof kind, "hex(%x):", static_cast<unsigned>(v.type));
    return kind + hexBytes(v.data);
}

void writeKey(std::ostream& out, const Key& k, const std::string& name)
{
    if (!k.values.empty()) {
        out << "\r\n[" << name << "]\r\n";
        for (const auto& v : k.values) out << (v.name.empty() ? std::string("@") : quote(v.name)) << "=" << valueText(v) << "\r\n";
    }
    for (const auto& [id, child] : k.children) writeKey(out, *child, name + "\\" + child->name);
    // A key without values is still written, so that it exists after a reload.
    if (k.values.empty() && k.children.empty() && name.find('\\') != std::string::npos) out << "\r\n[" << name << "]\r\n";
}

bool save()
{
    Registry& r = registry();
    if (r.file.empty()) return true;
    std::ostringstream out;
    out << "REGEDIT4\r\n";
    for (const auto& [root, key] : r.roots) writeKey(out, key, root);
    std::string tmp = r.file + ".tmp";
    zrxhost::watch::noteHostWrite();
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f << out.str();
        if (!f) return false;
    }
    return std::rename(tmp.c_str(), r.file.c_str()) == 0;
}

// Reads a quoted string from s at i; i ends past the closing quote.
bool unquote(const std::string& s, size_t& i, std::string& out)
{
    if (i >= s.size() || s[i] != '"') return false;
    for (++i; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (s[i] == '"') {
            ++i;
            return true;
        } else {
            out += s[i];
        }
    }
    return false;
}

bool parseValue(const std::string& text, Value& v)
{
    size_t i = 0;
    if (text.compare(0, 1, "@") == 0) {
        i = 1;
    } else if (!unquote(text, i, v.name)) {
        return false;
    }
    if (i >= text.size() || text[i] != '=') return false;
    std::string data = text.substr(i + 1);
    if (!data.empty() && data[0] == '"') {
        size_t j = 0;
        std::string s;
        if (!unquote(data, j, s)) return false;
        v.type = REG_SZ;
        v.data = s + '\0';
        return true;
    }
    if (data.compare(0, 6, "dword:") == 0) {
        auto n = static_cast<uint32_t>(std::strtoul(data.c_str() + 6, nullptr, 16));
        v.type = REG_DWORD;
        v.data.assign(reinterpret_cast<const char*>(&n), 4);
        return true;
    }
    size_t colon = data.find(':');
    if (data.compare(0, 3, "hex") != 0 || colon == std::string::npos) return false;
    v.type = REG_BINARY;
    if (data[3] == '(') v.type = static_cast<DWORD>(std::strtoul(data.c_str() + 4, nullptr, 16));
    std::string bytes;
    std::stringstream hex(data.substr(colon + 1));
    for (std::string b; std::getline(hex, b, ',');) {
        b.erase(std::remove_if(b.begin(), b.end(), [](char c) { return c == ' ' || c == '\t'; }), b.end());
        if (!b.empty()) bytes += static_cast<char>(std::strtoul(b.c_str(), nullptr, 16));
    }
    v.data = bytes;
    return true;
}

void load()
{
    Registry& r = registry();
    r.roots.clear();
    if (r.file.empty()) return;
    std::ifstream in(r.file, std::ios::binary);
    if (!in) return;
    Key* current = nullptr;
    std::string pending;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A trailing backslash continues a long hex value on the next line.
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            pending += line.substr(0, line.size() - 1);
            continue;
        }
        if (!pending.empty()) {
            size_t b = line.find_first_not_of(" \t");
            line = pending + (b == std::string::npos ? std::string() : line.substr(b));
            pending.clear();
        }
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            auto parts = splitKey(line.substr(1, line.size() - 2));
            current = nullptr;
            if (parts.empty()) continue;
            std::string root = zrxhost::upperAscii(parts.front());
            if (root != "HKEY_CLASSES_ROOT" && root != "HKEY_CURRENT_USER" && root != "HKEY_LOCAL_MACHINE" &&
                root != "HKEY_USERS")
                continue;
            parts.erase(parts.begin());
            current = find(root, parts, true);
            continue;
        }
        Value v;
        if (current != nullptr && parseValue(line, v)) {
            if (Value* old = current->value(v.name)) {
                *old = v;
            } else {
                current->values.push_back(v);
            }
        }
    }
}

HKEY newHandle(const std::string& root, std::vector<std::string> path)
{
    HKEY h = new HKEY__{root, std::move(path)};
    registry().open.insert(h);
    return h;
}

const DWORD kRestrictions[] = {RRF_RT_REG_NONE, RRF_RT_REG_SZ, RRF_RT_REG_EXPAND_SZ, RRF_RT_REG_BINARY, RRF_RT_REG_DWORD};

bool allowedType(DWORD type, DWORD flags)
{
    DWORD bit = 0;
    if (type < sizeof kRestrictions / sizeof kRestrictions[0]) bit = kRestrictions[type];
    if (type == REG_MULTI_SZ) bit = RRF_RT_REG_MULTI_SZ;
    if (type == REG_QWORD) bit = RRF_RT_REG_QWORD;
    return (flags & bit) != 0;
}

// %NAME% replaced by the variable's value; unknown names stay as written, as on Windows.
std::string expandEnvironment(const std::string& s)
{
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        size_t open = s.find('%', i);
        size_t close = open == std::string::npos ? std::string::npos : s.find('%', open + 1);
        if (close == std::string::npos) {
            out += s.substr(i);
            break;
        }
        out += s.substr(i, open - i);
        std::string name = s.substr(open + 1, close - open - 1);
        const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
        if (value != nullptr) {
            out += value;
            i = close + 1;
        } else {
            out += s.substr(open, close - open);
            i = close;
        }
    }
    return out;
}

}  // namespace

namespace zrxhost {

void setRegistryFile(const std::string& hostFile)
{
    registry().file = hostFile;
    load();
}

std::string registryFile() { return registry().file; }

}  // namespace zrxhost

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD /*reserved*/, LPSTR /*keyClass*/, DWORD /*options*/,
                        REGSAM /*access*/, const SECURITY_ATTRIBUTES* /*security*/, PHKEY result, LPDWORD disposition)
{
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, subKey, root, path)) return ERROR_INVALID_HANDLE;
    bool created = false;
    find(root, path, true, &created);
    if (created && !save()) return ERROR_CANTWRITE;
    if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = newHandle(root, std::move(path));
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD /*options*/, REGSAM /*access*/, PHKEY result)
{
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, subKey, root, path)) return ERROR_INVALID_HANDLE;
    if (find(root, path, false) == nullptr) return ERROR_FILE_NOT_FOUND;
    *result = newHandle(root, std::move(path));
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key)
{
    if (predefinedRoot(key) != nullptr) return ERROR_SUCCESS;
    if (registry().open.erase(key) == 0) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD /*reserved*/, LPDWORD type, LPBYTE data, LPDWORD size)
{
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, nullptr, root, path)) return ERROR_INVALID_HANDLE;
    if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
    Key* k = find(root, path, false);
    const Value* v = k != nullptr ? k->value(valueName != nullptr ? valueName : "") : nullptr;
    if (v == nullptr) return ERROR_FILE_NOT_FOUND;
    if (type != nullptr) *type = v->type;
    if (size == nullptr) return ERROR_SUCCESS;
    auto needed = static_cast<DWORD>(v->data.size());
    if (data != nullptr && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data != nullptr) std::memcpy(data, v->data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LSTATUS RegGetValueA(HKEY key, LPCSTR subKey, LPCSTR valueName, DWORD flags, LPDWORD type, LPVOID data, LPDWORD size)
{
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, subKey, root, path)) return ERROR_INVALID_HANDLE;
    if ((flags & RRF_RT_ANY) == 0 || (data != nullptr && size == nullptr)) return ERROR_INVALID_PARAMETER;
    Key* k = find(root, path, false);
    if (k == nullptr) return ERROR_FILE_NOT_FOUND;
    const Value* v = k->value(valueName != nullptr ? valueName : "");
    if (v == nullptr) return ERROR_FILE_NOT_FOUND;
    DWORD kind = v->type;
    std::string bytes = v->data;
    // Strings always come back terminated, whatever was stored.
    if ((kind == REG_SZ || kind == REG_EXPAND_SZ) && (bytes.empty() || bytes.back() != '\0')) bytes += '\0';
    if (kind == REG_EXPAND_SZ && (flags & RRF_NOEXPAND) == 0) {
        bytes = expandEnvironment(bytes.substr(0, bytes.find('\0'))) + '\0';
        kind = REG_SZ;
    }
    if (!allowedType(kind, flags)) return ERROR_UNSUPPORTED_TYPE;
    if (type != nullptr) *type = kind;
    if (size == nullptr) return ERROR_SUCCESS;
    auto needed = static_cast<DWORD>(bytes.size());
    if (data != nullptr && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data != nullptr) std::memcpy(data, bytes.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD /*reserved*/, DWORD type, const BYTE* data, DWORD size)
{
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, nullptr, root, path)) return ERROR_INVALID_HANDLE;
    if (data == nullptr && size != 0) return ERROR_INVALID_PARAMETER;
    Key* k = find(root, path, false);
    if (k == nullptr) return ERROR_BADKEY;
    Value v;
    v.name = valueName != nullptr ? valueName : "";
    v.type = type;
    v.data.assign(reinterpret_cast<const char*>(data), size);
    if (Value* old = k->value(v.name)) {
        old->type = v.type;
        old->data = v.data;
    } else {
        k->values.push_back(v);
    }
    return save() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR valueName)
{
    std::string root;
    std::vector<std::string> path;
    if (!fullName(key, nullptr, root, path)) return ERROR_INVALID_HANDLE;
    Key* k = find(root, path, false);
    if (k == nullptr) return ERROR_BADKEY;
    std::string name = valueName != nullptr ? valueName : "";
    auto it = std::find_if(k->values.begin(), k->values.end(), [&](const Value& v) { return zrxhost::equalsNoCase(v.name, name); });
    if (it == k->values.end()) return ERROR_FILE_NOT_FOUND;
    k->values.erase(it);
    return save() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}
