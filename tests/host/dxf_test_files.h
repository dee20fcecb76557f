// Drawing files for the DXF tests: a scratch folder per test and small hand-written
// drawings whose line numbers the tests can name.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace dxftest {

class ScratchDir {
public:
    ScratchDir()
    {
        char tmpl[] = "/tmp/trevan-dxf-XXXXXX";
        m_path = mkdtemp(tmpl);
    }
    ~ScratchDir() { std::filesystem::remove_all(m_path); }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

inline void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Pairs written one per line, code first, as "code\nvalue\n".
inline std::string pairs(std::initializer_list<std::pair<int, std::string>> items)
{
    std::string out;
    for (const auto& [code, value] : items) out += std::to_string(code) + "\n" + value + "\n";
    return out;
}

// An R12 drawing with one layer and the given entities (pairs text); every line of the
// head is fixed, so entity pairs start at line kEntitiesLine.
inline std::string r12Drawing(const std::string& entities, const std::string& seed = "100")
{
    return pairs({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}, {9, "$HANDSEED"}, {5, seed},
                  {0, "ENDSEC"}, {0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"}, {70, "1"},
                  {0, "LAYER"}, {5, "10"}, {2, "HULL"}, {70, "0"}, {62, "3"}, {6, "CONTINUOUS"},
                  {0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}}) +
           entities + pairs({{0, "ENDSEC"}, {0, "EOF"}});
}
constexpr int kEntitiesLine = 45;

// An R2000 drawing of the given TABLES, ENTITIES and OBJECTS contents (pairs text), with the
// given handle seed.
inline std::string r2000Drawing(const std::string& tables, const std::string& entities = "",
                                const std::string& objects = "", const std::string& seed = "100")
{
    auto section = [](const char* name, const std::string& body) {
        return pairs({{0, "SECTION"}, {2, name}}) + body + pairs({{0, "ENDSEC"}});
    };
    return section("HEADER", pairs({{9, "$ACADVER"}, {1, "AC1015"}, {9, "$HANDSEED"}, {5, seed}})) +
           section("TABLES", tables) + section("ENTITIES", entities) + section("OBJECTS", objects) +
           pairs({{0, "EOF"}});
}

}  // namespace dxftest

// Reads a drawing file into a new database; a failed read fails the test with the reason.
inline std::unique_ptr<ZcDbDatabase> loadDrawing(const std::string& path)
{
    auto loaded = std::make_unique<ZcDbDatabase>(false, true);
    EXPECT_EQ(loaded->readDwgFile(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    return loaded;
}

// Opens for read the object of a handle in a drawing.
template <class T>
ZcDbObjectPointer<T> openByHandle(ZcDbDatabase* d, ZcDbHandle h)
{
    ZcDbObjectId id;
    d->getZcDbObjectId(id, false, h);
    return ZcDbObjectPointer<T>(id, ZcDb::kForRead);
}
