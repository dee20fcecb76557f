// Drive C: for a test: an empty one, or a copy of the sample installation with its registry,
// in a fresh temporary folder; module and sibling library tests share it. The current folder
// starts at C:\ and windir is C:\WINDOWS, as on Windows; all of it is put back when the drive
// goes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "zrx.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/registry.h"

// A file of the sample installation's STD folder (the definition files), by its Windows path.
inline std::string stdFile(const std::string& file) { return "C:\\TREVAN\\SYSTEM\\STD\\" + file; }

class TempDriveC {
public:
    TempDriveC()
    {
        char pattern[] = "/tmp/trevan-drive-XXXXXX";
        m_root = mkdtemp(pattern);
        m_drive = m_root;
        if (const char* w = std::getenv("windir")) m_windir = w;
        setenv("windir", "C:\\WINDOWS", 1);
        zrxhost::clearDrives();
        zrxhost::setDrive('C', m_drive.string());
        SetCurrentDirectoryA("C:\\");
    }
    ~TempDriveC()
    {
        SetCurrentDirectoryA("C:\\");
        zrxhost::setRegistryFile("");
        zrxhost::clearDrives();
        if (m_windir) setenv("windir", m_windir->c_str(), 1);
        else unsetenv("windir");
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempDriveC(const TempDriveC&) = delete;
    TempDriveC& operator=(const TempDriveC&) = delete;

    // The host folder that is C:.
    const std::filesystem::path& drive() const { return m_drive; }
    // A host file of drive C:, by its path with "/".
    std::filesystem::path at(const std::string& relative) const { return drive() / relative; }
    std::filesystem::path put(const std::string& relative, const std::string& bytes) const
    {
        std::filesystem::path p = at(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    std::string bytesOf(const std::string& relative) const
    {
        std::ifstream in(at(relative), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

protected:
    std::filesystem::path m_root;
    std::filesystem::path m_drive;

private:
    std::optional<std::string> m_windir;
};

class SampleInstall : public TempDriveC {
public:
    SampleInstall()
    {
        std::filesystem::copy(TREVAN_SAMPLE_INSTALL, m_root, std::filesystem::copy_options::recursive);
        m_drive = m_root / "drive_c";
        zrxhost::setDrive('C', m_drive.string());
        zrxhost::setRegistryFile((m_root / "registry.reg").string());
    }
    // The installation loses its folder file: neither folder is known any more.
    void forgetFolders() const { std::filesystem::remove(at("WINDOWS/TrevanAcad.ini")); }
    // Writes a file of the system folder's STD folder (the definition files).
    void putStd(const std::string& file, const std::string& bytes) const { put("TREVAN/SYSTEM/STD/" + file, bytes); }
};
