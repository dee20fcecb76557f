// ZcDbDatabase's file members: reading into a scratch database that replaces the content
// only on success, and atomic saving through a temporary file in the target's folder.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/database_impl.h"
#include "db_database.h"
#include "dxf/document_reader.h"
#include "dxf/document_writer.h"
#include "dxf/dwg_reader.h"
#include "dxf/handle_renumbering.h"
#include "dxf/save_target.h"
#include "dxf/version.h"
#include "zrx/ed_output.h"
#include "win/change_watch.h"
#include "zrxhost/contract.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/drive_map.h"

namespace zrxhost {
namespace {
thread_local std::string t_lastError;
thread_local std::vector<LeftOutEntities> t_leftOut;
thread_local std::vector<std::string> t_repairs;
}  // namespace
const std::string& lastDrawingFileError() { return t_lastError; }
const std::vector<std::string>& lastDrawingFileRepairs() { return t_repairs; }
const std::vector<LeftOutEntities>& lastDrawingFileLeftOut() { return t_leftOut; }

std::string leftOutSummary()
{
    std::string out;
    for (const LeftOutEntities& l : t_leftOut) {
        if (!out.empty()) out += ", ";
        out += std::to_string(l.count) + " " + l.kind;
    }
    return out;
}
}  // namespace zrxhost

namespace {

using zrx::dxf::DxfError;

// The file's text mapped read-only: a drawing of a million entities is read without a
// copy, and the pages the reader has passed are given back as it goes.
class MappedFile {
public:
    explicit MappedFile(const std::string& path)
    {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            throw DxfError(errno == ENOENT ? Zcad::eFileNotFound : Zcad::eFileAccessErr, path, 0,
                           std::string("cannot open: ") + std::strerror(errno));
        }
        struct stat st {};
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            close(fd);
            throw DxfError(Zcad::eFileAccessErr, path, 0, "not a regular file");
        }
        m_size = static_cast<size_t>(st.st_size);
        if (m_size > 0) {
            void* p = mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
            if (p == MAP_FAILED) {
                close(fd);
                throw DxfError(Zcad::eFileAccessErr, path, 0, std::string("cannot read: ") + std::strerror(errno));
            }
            m_data = static_cast<const char*>(p);
            madvise(p, m_size, MADV_SEQUENTIAL);
        }
        close(fd);
    }
    ~MappedFile()
    {
        if (m_data != nullptr) munmap(const_cast<char*>(m_data), m_size);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view text() const { return {m_data == nullptr ? "" : m_data, m_size}; }

private:
    const char* m_data = nullptr;
    size_t m_size = 0;
};

// A DXF file starts with a group code; binary DXF is refused (DWG was turned into DXF before).
void refuseBinary(std::string_view text, const std::string& path)
{
    if (text.substr(0, 18) == "AutoCAD Binary DXF") {
        throw DxfError(Zcad::eFilerError, path, 0, "cannot read binary DXF; save the drawing as ASCII DXF");
    }
}

}  // namespace

bool zrxhost::isDwgFile(const std::string& path)
{
    char head[6] = {};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return zrx::dxf::isDwg(std::string_view(head, n));
}

namespace {

zrx::dxf::Version versionOf(ZcDb::ZcDbDwgVersion v)
{
    using zrx::dxf::Version;
    switch (v) {
    case ZcDb::kDHL_1009: return Version::R12;
    case ZcDb::kDHL_1015: return Version::R2000;
    case ZcDb::kDHL_1800: return Version::R2004;
    case ZcDb::kDHL_2100: return Version::R2007;
    case ZcDb::kDHL_2400: return Version::R2010;
    case ZcDb::kDHL_3200: return Version::R2018;
    default: return Version::R2013;
    }
}

// The host writes no binary DWG: a drawing saved under a .dwg name holds DXF, and the user
// is told, as another program opening it must read it as DXF.
void tellDxfContent(const std::string& path, ZcDb::ZcDbDwgVersion version)
{
    std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (ext != ".dwg") return;
    zcutPrintf("\n%s is written as DXF (%s): the host writes no binary DWG.", path.c_str(),
               zrx::dxf::acadverOf(versionOf(version)));
}

Zcad::ErrorStatus failWith(const DxfError& e)
{
    zrxhost::t_lastError = e.what();
    return e.status();
}

// shownName is the file as the caller named it (a Windows path, say), for the command line.
Zcad::ErrorStatus save(ZcDbDatabase* db, const char* fileName, int precision, ZcDb::ZcDbDwgVersion version,
                       const char* shownName)
{
    zrxhost::t_lastError.clear();
    zrxhost::t_leftOut.clear();
    if (fileName == nullptr || *fileName == '\0') return Zcad::eInvalidInput;
    std::string path = fileName;
    zrx::dxf::SaveTarget target;
    try {
        target = zrx::dxf::saveTarget(path);
    } catch (const DxfError& e) {
        return failWith(e);
    }
    // The temporary file sits beside the file it replaces, so that the rename is atomic.
    std::string temp = target.path + ".XXXXXX";
    zrxhost::watch::noteHostWrite();
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return failWith(DxfError(Zcad::eFileAccessErr, path, 0, std::string("cannot write: ") + std::strerror(errno)));
    }
    std::FILE* out = fdopen(fd, "wb");
    try {
        zrx::dxf::Version v = versionOf(version);
        const zrx::dxf::FileState& state = zrx::dxf::fileState(db);
        zrx::dxf::CodePage cp = zrx::dxf::atLeast(v, zrx::dxf::Version::R2007) ? zrx::dxf::CodePage::utf8()
                                                                              : zrx::dxf::CodePage(state.codePage);
        zrx::dxf::TagWriter writer(out, path, std::move(cp), precision);
        zrx::dxf::DocumentWriter doc(db, writer, v);
        {
            zrxhost::HostAccess access;
            doc.prepare();
        }
        doc.write();
        if (std::fflush(out) != 0 || fsync(fd) != 0) {
            throw DxfError(Zcad::eFileAccessErr, path, 0, std::string("cannot write: ") + std::strerror(errno));
        }
        std::fclose(out);
        out = nullptr;
        // A replaced file keeps its permissions; a new one gets those of any new file.
        mode_t mode = 0;
        if (target.mode) {
            mode = *target.mode;
        } else {
            mode_t mask = umask(0);
            umask(mask);
            mode = 0666 & ~mask;
        }
        chmod(temp.c_str(), mode);
        if (std::rename(temp.c_str(), target.path.c_str()) != 0) {
            throw DxfError(Zcad::eFileAccessErr, path, 0, std::string("cannot replace: ") + std::strerror(errno));
        }
        for (const auto& [kind, count] : doc.droppedEntities()) zrxhost::t_leftOut.push_back({kind, count});
        tellDxfContent(shownName != nullptr ? shownName : path, version);
    } catch (const DxfError& e) {
        if (out != nullptr) std::fclose(out);
        std::remove(temp.c_str());
        return failWith(e);
    }
    return Zcad::eOk;
}

// Plug-ins name drawings by their Windows paths (C:\SHIP\A.dwg): the drive map says
// where such a file is.
std::optional<std::string> mappedWindowsPath(const char* fileName)
{
    bool windows = fileName != nullptr && (std::strchr(fileName, '\\') != nullptr ||
                                           (std::isalpha(static_cast<unsigned char>(fileName[0])) && fileName[1] == ':'));
    return windows ? zrxhost::hostPath(fileName) : std::nullopt;
}

}  // namespace

Zcad::ErrorStatus ZcDbDatabase::readDwgFile(const char* fileName, int, bool, const char*)
{
    if (std::optional<std::string> host = mappedWindowsPath(fileName)) return dxfIn(host->c_str(), nullptr);
    return dxfIn(fileName, nullptr);
}

Zcad::ErrorStatus ZcDbDatabase::dxfIn(const char* fileName, const char*)
{
    zrxhost::t_lastError.clear();
    zrxhost::t_repairs.clear();
    if (fileName == nullptr || *fileName == '\0') return Zcad::eInvalidInput;
    if (m_impl->openCount() != 0) {
        zrxhost::t_lastError = std::string(fileName) + ": the drawing has objects open; close them before reading";
        return Zcad::eInvalidOpenState;
    }
    // A DWG is read as the DXF the DWG reader makes of it; errors in that text name both.
    std::unique_ptr<zrx::dxf::DwgConversion> dwg;
    std::string source = fileName;
    std::string label = fileName;
    try {
        if (zrxhost::isDwgFile(fileName)) {
            dwg = std::make_unique<zrx::dxf::DwgConversion>(fileName);
            source = dwg->dxfPath();
            label = std::string(fileName) + " (as DXF)";
        }
    } catch (const DxfError& e) {
        return failWith(e);
    }
    std::unique_ptr<ZcDbDatabase> scratch;
    std::vector<std::string> repairs;
    // Read into a scratch database; what was read goes with it when the read fails.
    auto readInto = [&](bool renumber) {
        scratch = std::make_unique<ZcDbDatabase>(false, true);
        try {
            MappedFile file(source);
            refuseBinary(file.text(), label);
            zrxhost::HostAccess access;
            zrx::dxf::DocumentReader reader(scratch.get(), file.text(), label);
            reader.releaseMappedPages();
            if (renumber) reader.renumberHandles();
            reader.read();
            repairs = reader.repairs();
        } catch (const DxfError&) {
            zrxhost::HostAccess access;
            for (const zrxhost::ObjectStub& s : zrxhost::stateOf(scratch.get())->stubs()) {
                while (s.object != nullptr && s.isOpen()) s.object->close();
            }
            scratch.reset();
            throw;
        }
    };
    try {
        try {
            readInto(false);
        } catch (const zrx::dxf::HandlesExhausted&) {
            readInto(true);
        }
    } catch (const DxfError& e) {
        return failWith(e);
    }
    std::swap(m_impl, scratch->m_impl);
    m_impl->rehome(this);
    scratch->m_impl->rehome(scratch.get());
    m_impl->filename = fileName;
    zrxhost::t_repairs = std::move(repairs);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::saveAs(const char* fileName, bool, ZcDb::ZcDbDwgVersion version)
{
    std::optional<std::string> host = mappedWindowsPath(fileName);
    const char* target = host ? host->c_str() : fileName;
    Zcad::ErrorStatus es = save(this, target, 16, version, fileName);
    if (es == Zcad::eOk) m_impl->filename = target;
    return es;
}

Zcad::ErrorStatus ZcDbDatabase::dxfOut(const char* fileName, int precision, ZcDb::ZcDbDwgVersion version, bool)
{
    std::optional<std::string> host = mappedWindowsPath(fileName);
    return save(this, host ? host->c_str() : fileName, precision, version, fileName);
}
