#include "drafting/explode_keep_attributes.h"

#include <map>
#include <memory>
#include <string>

#include "core/lisp_args.h"
#include "core/model_space_append.h"

namespace {

std::map<std::string, std::string> attributeValues(const ZcDbBlockReference& ref)
{
    std::map<std::string, std::string> values;
    std::unique_ptr<ZcDbObjectIterator> it(ref.attributeIterator());
    for (it->start(); !it->done(); it->step()) {
        ZcDbObjectPointer<ZcDbAttribute> attribute(it->objectId(), ZcDb::kForRead);
        if (attribute.openStatus() == Zcad::eOk)
            values.emplace(attribute->tagConst(), attribute->textStringConst());
    }
    return values;
}

// A plain text placed and styled as the definition, carrying the value.
ZcDbText* valueText(const ZcDbAttributeDefinition& definition, const std::string& value)
{
    auto* text = new ZcDbText(definition.position(), value.c_str(), definition.textStyle(), definition.height(),
                              definition.rotation());
    text->setPropertiesFrom(&definition);
    text->setWidthFactor(definition.widthFactor());
    text->setOblique(definition.oblique());
    text->setHorizontalMode(definition.horizontalMode());
    text->setVerticalMode(definition.verticalMode());
    text->setAlignmentPoint(definition.alignmentPoint());
    return text;
}

}  // namespace

bool TrevanCom_ExplodeKeepingAttributes(ZcDbObjectId refId)
{
    ZcDbObjectPointer<ZcDbBlockReference> ref(refId, ZcDb::kForWrite);
    if (ref.openStatus() != Zcad::eOk) return false;
    const std::map<std::string, std::string> values = attributeValues(*ref.object());
    ZcDbVoidPtrArray parts;
    if (ref->explode(parts) != Zcad::eOk) return false;
    ZcDbDatabase* db = ref->database();
    for (int i = 0; i < parts.length(); ++i) {
        auto* part = static_cast<ZcDbEntity*>(parts[i]);
        if (auto* definition = ZcDbAttributeDefinition::cast(part)) {
            auto found = values.find(definition->tagConst());
            if (found != values.end()) {
                ZcDbText* text = valueText(*definition, found->second);
                delete part;
                part = text;
            }
        }
        ZcDbObjectId id;
        if (!TrevanCom_AppendToModelSpace(part, id, db)) delete part;
    }
    ref->erase();
    return true;
}

int TrevanComARX_InsertExplodeAdd()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    return TrevanLispArgs::retBool(TrevanCom_ExplodeKeepingAttributes(id));
}
