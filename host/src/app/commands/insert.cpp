// -INSERT: a block reference of a block of the drawing or of a drawing file, with its attributes.
#include <algorithm>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "app/commands/command_support.h"
#include "app/commands/commands.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/session.h"
#include "db/access.h"

namespace zrxhost::app {

namespace {

// The block an -INSERT answer names: a block of the drawing, or a drawing file whose model
// space becomes a block named after the file ("name=file" names the block). A file is
// read only when the drawing has no block of that name yet.
ZcDbObjectId blockToInsert(const std::string& answer)
{
    std::string name = answer, file;
    if (size_t eq = answer.find('='); eq != std::string::npos) {
        name = answer.substr(0, eq);
        file = answer.substr(eq + 1);
    } else if (answer.find_first_of("/\\") != std::string::npos || answer.find('.') != std::string::npos) {
        file = answer;
    }
    if (!file.empty()) {
        std::string base = file.substr(file.find_last_of("/\\") + 1);
        if (name == answer) name = base.substr(0, base.rfind('.'));
    }
    ZcDbObjectId blockId;
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(working()->blockTableId(), ZcDb::kForRead);
        if (table.openStatus() == Zcad::eOk) table->getAt(name.c_str(), blockId);
    }
    if (!blockId.isNull()) return blockId;

    // Not a block of the drawing: the platform looks for a drawing file of the name.
    std::optional<std::string> path;
    for (const std::string& candidate : file.empty() ? std::vector<std::string>{name + ".dwg", name + ".dxf"}
                                                     : std::vector<std::string>{file, file + ".dwg"}) {
        if ((path = findHostFile(candidate))) break;
    }
    if (!path) {
        std::string what = file.empty() ? "Block \"" + name + "\" not found." : "Cannot find \"" + file + "\".";
        ed::write("\n" + what + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(what);
        return {};
    }
    ZcDbDatabase source(false, true);
    if (source.readDwgFile(path->c_str()) != Zcad::eOk) {
        ed::write("\n" + lastDrawingFileError() + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(lastDrawingFileError());
        return {};
    }
    if (Zcad::ErrorStatus es = working()->insert(blockId, name.c_str(), &source); es != Zcad::eOk) {
        std::string what = "Cannot insert " + *path + ": " + zcadErrorStatusText(es);
        ed::write("\n" + what + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(what);
        return {};
    }
    return blockId;
}

// What reading a file for this insertion added to the drawing's tables (the block, and the
// layers, line types and styles it brought along) goes again when the insertion is
// cancelled: Esc leaves the drawing as it was.
class ImportGuard {
public:
    ImportGuard() : m_before(records()) {}
    ~ImportGuard()
    {
        if (m_kept) return;
        for (ZcDbObjectId id : records()) {
            if (std::find(m_before.begin(), m_before.end(), id) != m_before.end()) continue;
            ZcDbObjectPointer<ZcDbSymbolTableRecord> record(id, ZcDb::kForWrite);
            if (record.openStatus() == Zcad::eOk) record->erase();
        }
    }
    ImportGuard(const ImportGuard&) = delete;
    ImportGuard& operator=(const ImportGuard&) = delete;
    void keep() { m_kept = true; }

private:
    static std::vector<ZcDbObjectId> records()
    {
        std::vector<ZcDbObjectId> ids;
        ZcDbDatabase* db = working();
        for (ZcDbObjectId tableId : {db->blockTableId(), db->layerTableId(), db->linetypeTableId(),
                                     db->textStyleTableId(), db->dimStyleTableId(), db->regAppTableId()}) {
            ZcDbObjectPointer<ZcDbSymbolTable> table(tableId, ZcDb::kForRead);
            if (table.openStatus() != Zcad::eOk) continue;
            ZcDbSymbolTableIterator* it = nullptr;
            if (table->newIterator(it) != Zcad::eOk) continue;
            for (; !it->done(); it->step()) {
                ZcDbObjectId id;
                if (it->getRecordId(id) == Zcad::eOk) ids.push_back(id);
            }
            delete it;
        }
        return ids;
    }

    std::vector<ZcDbObjectId> m_before;
    bool m_kept = false;
};

}  // namespace

void insertCommand()
{
    if (!needDrawing()) return;
    char name[1024];
    if (zcedGetString(1, "\nEnter block name or [?]: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    ImportGuard imported;
    ZcDbObjectId blockId = blockToInsert(name);
    if (blockId.isNull()) return;
    ads_point at;
    if (zcedGetPoint(nullptr, "\nSpecify insertion point: ", at) != RTNORM) return;
    double sx = 1.0, sy = 1.0, angle = 0.0;
    zcedInitGet(RSG_NOZERO, nullptr);
    int rc = zcedGetReal("\nEnter X scale factor <1>: ", &sx);
    if (rc == RTCAN) return;
    if (rc == RTNONE) sx = 1.0;
    zcedInitGet(RSG_NOZERO, nullptr);
    rc = zcedGetReal("\nEnter Y scale factor <use X scale factor>: ", &sy);
    if (rc == RTCAN) return;
    if (rc == RTNONE) sy = sx;
    rc = zcedGetAngle(at, "\nSpecify rotation angle <0>: ", &angle);
    if (rc == RTCAN) return;
    if (rc == RTNONE) angle = 0.0;

    // Attribute values, asked in the order the definitions stand in the block, all before
    // the reference is made: Esc at any of them leaves nothing.
    std::vector<std::pair<ZcDbObjectId, std::string>> values;
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> block(blockId, ZcDb::kForRead);
        if (block.openStatus() != Zcad::eOk) return;
        for (ZcDbObjectId id : zrxhost::entityIds(block.object())) {
            if (!id.isErased() && id.objectClass() == ZcDbAttributeDefinition::desc()) values.emplace_back(id, "");
        }
    }
    bool announced = false;
    for (auto& [defId, value] : values) {
        ZcDbObjectPointer<ZcDbAttributeDefinition> def(defId, ZcDb::kForRead);
        if (def.openStatus() != Zcad::eOk || def->isConstant()) continue;
        if (!announced) {
            ed::write("\nEnter attribute values\n");
            announced = true;
        }
        std::string prompt = std::string("\n") + def->promptConst() + " <" + def->textStringConst() + ">: ";
        char answer[512];
        if (zcedGetString(1, prompt.c_str(), answer, sizeof answer) != RTNORM) return;
        value = answer;
    }

    auto* ref = new ZcDbBlockReference(toWorld(at), blockId);
    // Z follows X, as the platform's -INSERT does: a reference scaled alike in X and Y
    // stays a uniform scaling, which polylines and arcs in the block can follow.
    ref->setScaleFactors(ZcGeScale3d(sx, sy, sx));
    ref->setRotation(angle + ucsAngle());
    ZcDbObjectId refId = append(ref);
    if (refId.isNull()) return;
    imported.keep();
    ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForWrite);
    if (r.openStatus() != Zcad::eOk) return;
    for (const auto& [defId, value] : values) {
        ZcDbObjectPointer<ZcDbAttributeDefinition> def(defId, ZcDb::kForRead);
        if (def.openStatus() != Zcad::eOk || def->isConstant()) continue;
        auto* attribute = new ZcDbAttribute;
        attribute->setAttributeFromBlock(def.object(), r->blockTransform());
        if (!value.empty()) attribute->setTextString(value.c_str());
        if (r->appendAttribute(attribute) != Zcad::eOk) {
            delete attribute;
            return;
        }
        attribute->close();
    }
}

}  // namespace zrxhost::app
