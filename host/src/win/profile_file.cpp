// Private profile files. A write changes only the lines it must: every other line keeps its
// bytes, so a Shift-JIS file written by the Windows product stays as it was around the value.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "util/text_case.h"
#include "util/file_bytes.h"
#include "win/change_watch.h"
#include "win/code_page.h"
#include "win/file_attributes.h"
#include "win/profile_cache.h"
#include "win/windows_path.h"
#include "zrx/win_profile.h"

namespace {
using zrxhost::TextEncoding;
using zrxhost::profile::Kind;
using zrxhost::profile::Line;
using zrxhost::profile::Profile;

// The file a profile name stands for: a bare name lives in the Windows folder.
zrxhost::ResolvedPathPtr profilePath(LPCSTR fileName)
{
    if (fileName == nullptr || *fileName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string_view name = fileName;
    bool bare = name.find_first_of("\\/") == std::string::npos && !(name.size() >= 2 && name[1] == ':');
    if (!bare) return zrxhost::resolveWindowsPath(name);
    const char* windir = std::getenv("windir");
    return zrxhost::resolveWindowsPath(std::string(windir != nullptr ? windir : "C:\\WINDOWS") + "\\" + std::string(name));
}

// Index range [begin, end) of the first section of that name, the header included.
bool findSection(const Profile& p, std::string_view section, size_t& begin, size_t& end)
{
    section = zrxhost::profile::trimBlanks(section);
    for (size_t i = 0; i < p.lines.size(); ++i) {
        if (p.lines[i].kind == Kind::Section && zrxhost::equalsNoCase(p.lines[i].name, section)) {
            begin = i;
            end = i + 1;
            while (end < p.lines.size() && p.lines[end].kind != Kind::Section) ++end;
            return true;
        }
    }
    return false;
}

const Line* findKey(const Profile& p, size_t begin, size_t end, std::string_view key)
{
    key = zrxhost::profile::trimBlanks(key);
    for (size_t i = begin + 1; i < end; ++i) {
        if (p.lines[i].kind == Kind::Key && zrxhost::equalsNoCase(p.lines[i].name, key)) return &p.lines[i];
    }
    return nullptr;
}

// Copies text into the buffer, cut so that no character is split, and zero-terminates it.
DWORD copyCut(std::string_view text, LPSTR buffer, DWORD size)
{
    if (buffer == nullptr || size == 0) return 0;
    size_t n = std::min<size_t>(text.size(), size - 1);
    if (n < text.size()) {
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// A list of names, each ending with a zero and the list with another.
DWORD copyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size)
{
    if (buffer == nullptr || size == 0) return 0;
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::string all;
    for (const auto& n : names) {
        all += n;
        all += '\0';
    }
    if (all.size() + 1 <= size) {
        std::memcpy(buffer, all.data(), all.size());
        buffer[all.size()] = '\0';
        if (all.empty()) buffer[1] = '\0';
        return static_cast<DWORD>(all.size());
    }
    // Too small: the last name is cut and the list closed with two zeros.
    std::memcpy(buffer, all.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

bool writeInPlace(const std::string& hostFile, const std::string& bytes)
{
    // Written in place, not replaced, so that the file keeps its attributes and owner.
    zrxhost::watch::noteHostWrite();
    int fd = ::open(hostFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return ::close(fd) == 0;
}

std::optional<Line> makeLine(const std::string& text, const Profile& p)
{
    auto raw = zrxhost::encodeFileText(text, p.encoding);
    if (!raw) return std::nullopt;
    Line line;
    line.raw = *raw;
    line.eol = p.eol;
    zrxhost::profile::parseLine(line, text);
    return line;
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR fileName)
{
    std::string def = defaultText != nullptr ? defaultText : "";
    def.erase(def.find_last_not_of(' ') + 1);
    zrxhost::watch::FreshScope fresh;
    static const auto none = std::make_shared<const Profile>();
    std::shared_ptr<const Profile> kept = none;
    if (auto path = profilePath(fileName)) kept = zrxhost::profile::readProfile(path->host);
    const Profile& p = *kept;
    if (section == nullptr) {
        std::vector<std::string> names;
        for (const auto& l : p.lines) {
            if (l.kind == Kind::Section) names.push_back(l.name);
        }
        return copyList(names, buffer, size);
    }
    size_t begin = 0;
    size_t end = 0;
    bool found = findSection(p, section, begin, end);
    if (key == nullptr) {
        std::vector<std::string> names;
        for (size_t i = begin + 1; found && i < end; ++i) {
            if (p.lines[i].kind == Kind::Key) names.push_back(p.lines[i].name);
        }
        return copyList(names, buffer, size);
    }
    const Line* line = found ? findKey(p, begin, end, key) : nullptr;
    return copyCut(line != nullptr ? line->value : def, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    char buf[64];
    if (section == nullptr || key == nullptr) return static_cast<UINT>(defaultValue);
    const char* marker = "\x01";
    GetPrivateProfileStringA(section, key, marker, buf, sizeof buf, fileName);
    if (std::strcmp(buf, marker) == 0) return static_cast<UINT>(defaultValue);
    return static_cast<UINT>(std::strtol(buf, nullptr, 10));
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (section == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto path = profilePath(fileName);
    if (!path) return FALSE;
    Profile p;
    if (auto bytes = zrxhost::util::readFileBytes(path->host)) {
        if (zrxhost::isHostFileReadOnly(path->host)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        p = zrxhost::profile::parseProfile(*bytes);
    } else {
        struct stat st {};
        size_t slash = path->host.find_last_of('/');
        std::string folder = slash == std::string::npos ? std::string(".") : path->host.substr(0, slash);
        if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return FALSE;
        }
        // Removing from a file that is not there changes nothing.
        if (key == nullptr || value == nullptr) return TRUE;
    }

    size_t begin = 0;
    size_t end = 0;
    bool found = findSection(p, section, begin, end);
    if (key == nullptr) {
        if (found) p.lines.erase(p.lines.begin() + static_cast<long>(begin), p.lines.begin() + static_cast<long>(end));
    } else if (value == nullptr) {
        if (found) {
            for (size_t i = begin + 1; i < end; ++i) {
                if (p.lines[i].kind == Kind::Key && zrxhost::equalsNoCase(p.lines[i].name, zrxhost::profile::trimBlanks(key))) {
                    p.lines.erase(p.lines.begin() + static_cast<long>(i));
                    break;
                }
            }
        }
    } else {
        std::string v = value;
        if (!found) {
            if (!p.lines.empty() && p.lines.back().eol.empty()) p.lines.back().eol = p.eol;
            auto header = makeLine("[" + std::string(section) + "]", p);
            auto entry = makeLine(std::string(key) + "=" + v, p);
            if (!header || !entry) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return FALSE;
            }
            p.lines.push_back(std::move(*header));
            p.lines.push_back(std::move(*entry));
        } else {
            size_t at = 0;
            size_t lastKey = begin;
            for (size_t i = begin + 1; i < end; ++i) {
                if (p.lines[i].kind != Kind::Key) continue;
                lastKey = i;
                if (at == 0 && zrxhost::equalsNoCase(p.lines[i].name, zrxhost::profile::trimBlanks(key))) at = i;
            }
            if (at != 0) {
                // The key keeps its own spelling and spacing; only the value changes.
                std::string text = zrxhost::profile::decodeLine(p.lines[at].raw, p.encoding);
                auto line = makeLine(text.substr(0, text.find('=') + 1) + v, p);
                if (!line) {
                    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                    return FALSE;
                }
                line->eol = p.lines[at].eol;
                p.lines[at] = std::move(*line);
            } else {
                auto line = makeLine(std::string(key) + "=" + v, p);
                if (!line) {
                    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                    return FALSE;
                }
                if (p.lines[lastKey].eol.empty()) p.lines[lastKey].eol = p.eol;
                p.lines.insert(p.lines.begin() + static_cast<long>(lastKey) + 1, std::move(*line));
            }
        }
    }

    std::string out;
    for (const auto& l : p.lines) out += l.raw + l.eol;
    zrxhost::profile::forgetProfile(path->host);
    if (!writeInPlace(path->host, out)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}
