// fopen on Windows paths, with the C library's text mode as Windows has it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "win/change_watch.h"
#include "win/code_page.h"
#include "util/file_bytes.h"
#include "win/file_attributes.h"
#include "win/windows_path.h"
#include "zrx/win_files.h"
#include "zrxhost/windows_fopen.h"

namespace {
using zrxhost::TextEncoding;

// A text stream being read: the whole file, decoded to UTF-8, with CR LF turned into "\n"
// and everything from a Ctrl-Z on left out, as the Windows C library reads text files.
struct TextReader {
    std::string data;
    size_t pos = 0;
};

ssize_t readText(void* cookie, char* buf, size_t size)
{
    auto* r = static_cast<TextReader*>(cookie);
    size_t n = std::min(size, r->data.size() - r->pos);
    std::memcpy(buf, r->data.data() + r->pos, n);
    r->pos += n;
    return static_cast<ssize_t>(n);
}

int seekText(void* cookie, off64_t* offset, int whence)
{
    auto* r = static_cast<TextReader*>(cookie);
    off64_t base = whence == SEEK_SET ? 0 : (whence == SEEK_CUR ? static_cast<off64_t>(r->pos) : static_cast<off64_t>(r->data.size()));
    off64_t to = base + *offset;
    if (to < 0) {
        errno = EINVAL;
        return -1;
    }
    r->pos = std::min(static_cast<size_t>(to), r->data.size());
    *offset = static_cast<off64_t>(r->pos);
    return 0;
}

int closeReader(void* cookie)
{
    delete static_cast<TextReader*>(cookie);
    return 0;
}

// A text stream being written: "\n" becomes CR LF and the text is encoded as the file was.
struct TextWriter {
    int fd = -1;
    TextEncoding encoding = TextEncoding::Utf8;
    std::string pending;  // an incomplete UTF-8 character held back for the next write
};

// How many leading bytes of s form whole UTF-8 characters.
size_t wholeCharacters(const std::string& s)
{
    size_t end = s.size();
    size_t back = 0;
    while (back < 4 && back < end && (static_cast<unsigned char>(s[end - 1 - back]) & 0xC0) == 0x80) ++back;
    if (back == end) return end;
    auto lead = static_cast<unsigned char>(s[end - 1 - back]);
    size_t need = lead < 0x80 ? 1 : (lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : (lead >= 0xC0 ? 2 : 1)));
    return back + 1 >= need ? end : end - 1 - back;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool emit(TextWriter* w, const std::string& text)
{
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    auto bytes = zrxhost::encodeFileText(lines, w->encoding);
    if (!bytes) {
        errno = EILSEQ;
        return false;
    }
    return writeAll(w->fd, *bytes);
}

ssize_t writeText(void* cookie, const char* buf, size_t size)
{
    auto* w = static_cast<TextWriter*>(cookie);
    w->pending.append(buf, size);
    size_t whole = wholeCharacters(w->pending);
    std::string ready = w->pending.substr(0, whole);
    w->pending.erase(0, whole);
    if (!emit(w, ready)) return -1;
    return static_cast<ssize_t>(size);
}

int closeWriter(void* cookie)
{
    auto* w = static_cast<TextWriter*>(cookie);
    bool ok = w->pending.empty() || writeAll(w->fd, w->pending);
    ok = ::close(w->fd) == 0 && ok;
    delete w;
    return ok ? 0 : -1;
}

FILE* openTextReader(const std::string& hostFile)
{
    auto bytes = zrxhost::util::readFileBytes(hostFile);
    if (!bytes) {
        errno = ENOENT;
        return nullptr;
    }
    auto decoded = zrxhost::decodeFileText(*bytes);
    if (!decoded) {
        errno = EILSEQ;
        return nullptr;
    }
    auto* r = new TextReader;
    const std::string& t = decoded->text;
    r->data.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\x1a') break;
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
        r->data += t[i];
    }
    cookie_io_functions_t io{readText, nullptr, seekText, closeReader};
    FILE* f = fopencookie(r, "r", io);
    if (f == nullptr) delete r;
    return f;
}

FILE* openTextWriter(const std::string& hostFile, bool append)
{
    // An existing file keeps its encoding; a new one is UTF-8.
    TextEncoding encoding = TextEncoding::Utf8;
    if (auto bytes = zrxhost::util::readFileBytes(hostFile)) {
        if (auto decoded = zrxhost::decodeFileText(*bytes)) encoding = decoded->encoding;
    }
    int fd = ::open(hostFile.c_str(), O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), 0666);
    if (fd < 0) return nullptr;
    auto* w = new TextWriter{fd, encoding, {}};
    cookie_io_functions_t io{nullptr, writeText, nullptr, closeWriter};
    FILE* f = fopencookie(w, append ? "a" : "w", io);
    if (f == nullptr) {
        ::close(fd);
        delete w;
    }
    return f;
}

}  // namespace

FILE* zrxhost::windowsFopen(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr || (mode[0] != 'r' && mode[0] != 'w' && mode[0] != 'a')) {
        errno = EINVAL;
        return nullptr;
    }
    auto r = zrxhost::resolveWindowsPath(path);
    if (!r) {
        errno = ENOENT;
        return nullptr;
    }
    const bool update = std::strchr(mode, '+') != nullptr;
    const bool binary = std::strchr(mode, 'b') != nullptr;
    const bool writes = mode[0] != 'r' || update;
    struct stat st {};
    const bool present = ::stat(r->host.c_str(), &st) == 0;
    if (present && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return nullptr;
    }
    // Windows refuses to write a read-only file, whoever asks.
    if (writes && present && zrxhost::isHostFileReadOnly(r->host)) {
        errno = EACCES;
        return nullptr;
    }
    if (writes) zrxhost::watch::noteHostWrite();
    if (binary || update) {
        std::string plain;
        for (const char* m = mode; *m != '\0'; ++m) {
            if (*m == 'r' || *m == 'w' || *m == 'a' || *m == '+' || *m == 'b') plain += *m;
        }
        return std::fopen(r->host.c_str(), plain.c_str());
    }
    if (mode[0] == 'r') return openTextReader(r->host);
    return openTextWriter(r->host, mode[0] == 'a');
}

FILE* __wrap_fopen(const char* path, const char* mode) { return zrxhost::windowsFopen(path, mode); }
