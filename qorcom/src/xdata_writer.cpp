// Typed list to xdata: the list is checked against the definition before the entity is
// touched, so a list that does not fit leaves the entity as it was.
#include <cmath>
#include <cstring>
#include <vector>

#include "QorComStd2002.h"
#include "ent_definition.h"

namespace {

// The platform keeps at most 255 bytes in one xdata string.
constexpr size_t kMaxXdataString = 255;

enum class Misfit { kNone, kOrder, kLongString, kNotFinite };

void reportMisfit(Misfit why, const char* appName, size_t position, const char* path)
{
    switch (why) {
    case Misfit::kOrder:
        zcutPrintf("\n[%s]の値の並びが定義ファイル%sと合いません（%zu番目）。", appName, path, position);
        break;
    case Misfit::kLongString:
        zcutPrintf("\n[%s]の%zu番目の文字列が255バイトを超えています。", appName, position);
        break;
    case Misfit::kNotFinite:
        zcutPrintf("\n[%s]の%zu番目の実数が数値ではありません。", appName, position);
        break;
    case Misfit::kNone:
        break;
    }
}

// The application's xdata for the list (its 1001 group first) in `groups`, whose strings
// are the list's own: the platform copies what it stores. False, with a message, when the
// list does not fit the definition.
bool buildXdata(const char* appName, const resbuf* list, const EntDefinition& def, const char* path,
                std::vector<resbuf>& groups)
{
    groups.assign(def.items.size() + 1, resbuf{});
    groups[0].restype = 1001;
    groups[0].resval.rstring = const_cast<char*>(appName);
    size_t position = 0;
    Misfit why = Misfit::kNone;
    for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext, ++position) {
        const unsigned type = entTypeOfListCode(rb->restype);
        if (position >= def.items.size() || (type & def.items[position].types) == 0) {
            why = Misfit::kOrder;
            break;
        }
        resbuf& one = groups[position + 1];
        one.restype = static_cast<short>(xdataCodeOf(type));
        if (type == kEntString) {
            static char empty[] = "";
            one.resval.rstring = rb->resval.rstring != nullptr ? rb->resval.rstring : empty;
            if (std::strlen(one.resval.rstring) > kMaxXdataString) why = Misfit::kLongString;
        } else if (type == kEntReal) {
            one.resval.rreal = rb->resval.rreal;
            if (!std::isfinite(one.resval.rreal)) why = Misfit::kNotFinite;
        } else {
            one.resval.rint = rb->resval.rint;
        }
        if (why != Misfit::kNone) break;
    }
    if (why == Misfit::kNone && position != def.items.size()) why = Misfit::kOrder;
    if (why != Misfit::kNone) {
        reportMisfit(why, appName, position + 1, path);
        return false;
    }
    for (size_t i = 0; i + 1 < groups.size(); ++i) groups[i].rbnext = &groups[i + 1];
    return true;
}

// The writers' callers register the application first; an entity of another drawing, or a
// caller that forgot, still gets it registered where the entity lives.
bool ensureRegApp(ZcDbDatabase* db, const char* appName)
{
    if (db == nullptr) return true;
    ZcDbObjectPointer<ZcDbRegAppTable> table(db->regAppTableId(), ZcDb::kForRead);
    if (table.openStatus() != Zcad::eOk) return false;
    if (table->has(appName)) return true;
    if (table->upgradeOpen() != Zcad::eOk) return false;
    auto* record = new ZcDbRegAppTableRecord;
    if (record->setName(appName) != Zcad::eOk || table->add(record) != Zcad::eOk) {
        delete record;
        return false;
    }
    record->close();
    return true;
}

}  // namespace

bool QorComARX_Setxdata_List_NewVer(ZcDbEntity* pEnt, const char* appName, const resbuf* list, const char* entFilePath)
{
    if (pEnt == nullptr || appName == nullptr || appName[0] == '\0') return false;
    std::shared_ptr<const EntDefinition> def = findEntDefinition(entFilePath);
    if (def->status == EntDefinition::Status::kMissing) {
        zcutPrintf("\n定義ファイル%sがありません。", entFilePath != nullptr ? entFilePath : "");
        return false;
    }
    if (def->status != EntDefinition::Status::kOk) return false;
    std::vector<resbuf> xdata;
    if (!buildXdata(appName, list, *def, entFilePath, xdata)) return false;

    Zcad::ErrorStatus es = ensureRegApp(pEnt->database(), appName) ? Zcad::eOk : Zcad::eRegappIdNotFound;
    if (es == Zcad::eOk && !pEnt->isWriteEnabled()) es = pEnt->upgradeOpen();
    if (es == Zcad::eOk) es = pEnt->setXData(xdata.data());
    if (es != Zcad::eOk) zcutPrintf("\n[%s]の拡張データを書き込めませんでした。", appName);
    return es == Zcad::eOk;
}

bool QorComARX_Setxdata_List(ZcDbObjectId objId, const char* appName, const resbuf* list, const char* entFilePath)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
    if (ent.openStatus() != Zcad::eOk) {
        zcutPrintf("\n[%s]の拡張データを書き込む図形を開けませんでした。", appName != nullptr ? appName : "");
        return false;
    }
    return QorComARX_Setxdata_List_NewVer(ent.object(), appName, list, entFilePath);
}
