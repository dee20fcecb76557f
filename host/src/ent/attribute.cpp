// Attribute definitions and attributes: tagged text handed from a block to its references.
#include "db_text.h"
#include "zc_resbuf.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbAttributeDefinition, ZcDbText, "AcDbAttributeDefinition", "ATTDEF")
ZCRX_DEFINE_CLONE(ZcDbAttributeDefinition)
ZCRX_DEFINE_MEMBERS(ZcDbAttribute, ZcDbText, "AcDbAttribute", "ATTRIB")
ZCRX_DEFINE_CLONE(ZcDbAttribute)

namespace {

char* copyOf(const std::string& s)
{
    char* out = nullptr;
    zcutNewString(s.c_str(), out);
    return out;
}

}  // namespace

ZcDbAttributeDefinition::ZcDbAttributeDefinition(const ZcGePoint3d& position, const char* text, const char* tag,
                                                 const char* prompt, ZcDbObjectId style)
    : ZcDbText(position, text, style), m_tag(tag == nullptr ? "" : tag), m_prompt(prompt == nullptr ? "" : prompt)
{
}

char* ZcDbAttributeDefinition::tag() const
{
    assertReadEnabled();
    return copyOf(m_tag);
}

Zcad::ErrorStatus ZcDbAttributeDefinition::setTag(const char* tag)
{
    assertWriteEnabled();
    if (tag == nullptr) return Zcad::eInvalidInput;
    m_tag = tag;
    return Zcad::eOk;
}

char* ZcDbAttributeDefinition::prompt() const
{
    assertReadEnabled();
    return copyOf(m_prompt);
}

Zcad::ErrorStatus ZcDbAttributeDefinition::setPrompt(const char* prompt)
{
    assertWriteEnabled();
    if (prompt == nullptr) return Zcad::eInvalidInput;
    m_prompt = prompt;
    return Zcad::eOk;
}

ZcDbAttribute::ZcDbAttribute(const ZcGePoint3d& position, const char* text, const char* tag, ZcDbObjectId style)
    : ZcDbText(position, text, style), m_tag(tag == nullptr ? "" : tag)
{
}

char* ZcDbAttribute::tag() const
{
    assertReadEnabled();
    return copyOf(m_tag);
}

Zcad::ErrorStatus ZcDbAttribute::setTag(const char* tag)
{
    assertWriteEnabled();
    if (tag == nullptr) return Zcad::eInvalidInput;
    m_tag = tag;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbAttribute::setAttributeFromBlock(const ZcDbAttributeDefinition* attdef,
                                                       const ZcGeMatrix3d& blockTransform)
{
    assertWriteEnabled();
    if (attdef == nullptr) return Zcad::eNullObjectPointer;
    // Placed on a copy first, so a transform the text refuses leaves this attribute as it was.
    ZcDbText placed(*attdef);
    if (Zcad::ErrorStatus es = placed.transformBy(blockTransform); es != Zcad::eOk) return es;
    if (Zcad::ErrorStatus es = setPropertiesFrom(attdef); es != Zcad::eOk) return es;
    copyTextFrom(placed);
    if (const ZcDbObjectId style = attdef->textStyle(); !style.isNull()) setTextStyle(style);
    m_tag = attdef->tagConst();
    m_flags.invisible = attdef->isInvisible();
    m_flags.constant = attdef->isConstant();
    m_flags.verifiable = attdef->isVerifiable();
    m_flags.preset = attdef->isPreset();
    return Zcad::eOk;
}
