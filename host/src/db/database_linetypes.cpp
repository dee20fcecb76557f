// ZcDbDatabase::loadLineTypeFile: line types from a .lin file into the drawing's line type
// table. The file is found as zcedFindFile finds it; the name may be a wildcard pattern.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "db/lin_file.h"
#include "editor/wcmatch.h"
#include "util/text_case.h"
#include "win/code_page.h"
#include "zrx/zrx_all.h"
#include "zrxhost/linetype_file.h"
#include "zrxhost/session.h"

namespace {

std::string& lastError()
{
    thread_local std::string text;
    return text;
}

Zcad::ErrorStatus fail(Zcad::ErrorStatus es, std::string why)
{
    lastError() = std::move(why);
    return es;
}

bool isPattern(const std::string& name) { return name.find_first_of("*?#@.[~`,") != std::string::npos; }

Zcad::ErrorStatus addLinetype(ZcDbLinetypeTable* table, const zrxhost::LinDefinition& def)
{
    auto* record = new ZcDbLinetypeTableRecord;
    if (Zcad::ErrorStatus es = record->setName(def.name.c_str()); es != Zcad::eOk) {
        delete record;
        return es;
    }
    record->setComments(def.description.c_str());
    record->setNumDashes(static_cast<int>(def.dashes.size()));
    double length = 0;
    for (size_t i = 0; i < def.dashes.size(); ++i) {
        record->setDashLengthAt(static_cast<int>(i), def.dashes[i]);
        length += def.dashes[i] < 0 ? -def.dashes[i] : def.dashes[i];
    }
    record->setPatternLength(length);
    if (Zcad::ErrorStatus es = table->add(record); es != Zcad::eOk) {
        delete record;
        return es;
    }
    record->close();
    return Zcad::eOk;
}

}  // namespace

namespace zrxhost {
const std::string& lastLinetypeFileError() { return lastError(); }
}  // namespace zrxhost

Zcad::ErrorStatus ZcDbDatabase::loadLineTypeFile(const char* lineTypeName, const char* fileName)
{
    lastError().clear();
    if (lineTypeName == nullptr || *lineTypeName == '\0' || fileName == nullptr || *fileName == '\0')
        return fail(Zcad::eInvalidInput, "no line type name or no file name");
    const std::string wanted = lineTypeName;
    std::optional<std::string> path = zrxhost::findHostFile(fileName);
    if (!path) return fail(Zcad::eFileNotFound, std::string(fileName) + ": no such file");
    std::ifstream in(*path, std::ios::binary);
    if (!in) return fail(Zcad::eFileAccessErr, *path + ": cannot be read");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::optional<zrxhost::DecodedText> text = zrxhost::decodeFileText(bytes);
    if (!text) return fail(Zcad::eFilerError, *path + ": neither UTF-8 nor Shift-JIS text");
    const std::string shown = std::filesystem::path(*path).filename().string();

    ZcDbLinetypeTable* table = nullptr;
    if (Zcad::ErrorStatus es = getLinetypeTable(table, ZcDb::kForWrite); es != Zcad::eOk)
        return fail(es, "the line type table cannot be opened for write");
    const bool pattern = isPattern(wanted);
    int matched = 0;
    Zcad::ErrorStatus result = Zcad::eOk;
    for (const zrxhost::LinDefinition& def : zrxhost::parseLinFile(text->text)) {
        bool match = pattern ? zrxhost::ed::wildcardMatch(def.name, wanted, true) : zrxhost::equalsNoCase(def.name, wanted);
        if (!match) continue;
        ++matched;
        std::string where = shown + ":" + std::to_string(def.line) + ": " + def.name + ": ";
        // A pattern loads what it can; a name asks for one definition, the first of the file.
        if (table->has(def.name.c_str())) {
            if (!pattern) {
                result = fail(Zcad::eDuplicateRecordName, where + "the drawing already has this line type");
                break;
            }
            continue;
        }
        if (!def.refusal.empty()) {
            if (!pattern) {
                result = fail(def.unsupported ? Zcad::eNotImplementedYet : Zcad::eInvalidInput, where + def.refusal);
                break;
            }
            continue;
        }
        if (Zcad::ErrorStatus es = addLinetype(table, def); es != Zcad::eOk) {
            result = fail(es, where + zcadErrorStatusText(es));
            break;
        }
        if (!pattern) break;
    }
    table->close();
    if (matched == 0) return fail(Zcad::eKeyNotFound, shown + ": no line type " + wanted);
    return result;
}
