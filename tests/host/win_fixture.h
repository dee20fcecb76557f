// A drive C: in a fresh temporary folder, scripted answers and a captured command line, for
// the tests of the Windows services.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "zrx/win_files.h"
#include "zrxhost/command_line.h"
#include "zrxhost/drive_map.h"

namespace wintest {

class ScriptedInput : public zrxhost::AnswerSource {
public:
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    std::optional<std::string> peek() override { return m_lines.empty() ? std::nullopt : std::optional<std::string>(m_lines.front()); }
    std::optional<std::string> take() override
    {
        auto line = peek();
        if (line) m_lines.pop_front();
        return line;
    }
    size_t left() const { return m_lines.size(); }

private:
    std::deque<std::string> m_lines;
};

class DriveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/trevan-win-XXXXXX";
        root = mkdtemp(pattern);
        zrxhost::clearDrives();
        zrxhost::setDrive('C', root.string());
        SetCurrentDirectoryA("C:\\");
        zrxhost::setCommandLineSink([this](std::string_view t) { transcript += t; });
        zrxhost::setAnswerSource(&input);
    }
    void TearDown() override
    {
        zrxhost::setAnswerSource(nullptr);
        zrxhost::setCommandLineSink(nullptr);
        zrxhost::clearDrives();
        std::error_code ec;
        std::filesystem::permissions(root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(root, ec);
    }

    // Writes bytes to a file under drive C: (a host-relative path with "/").
    std::filesystem::path put(const std::string& relative, const std::string& bytes)
    {
        std::filesystem::path p = root / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    static std::string bytesOf(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path root;
    ScriptedInput input;
    std::string transcript;
};

}  // namespace wintest
