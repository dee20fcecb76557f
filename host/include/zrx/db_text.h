// Single-line text and the attribute kinds built on it: attribute definitions in a block
// and the attributes a block reference carries.
#pragma once

#include <string>

#include "db_entity.h"

// Text sits in the plane of its normal; the rotation is measured from that plane's X axis
// (the arbitrary-axis rule). Left/base text is placed by position(); every other mode by
// alignmentPoint(), and position() is then the left end of the baseline as adjustAlignment()
// last computed it. Aligned and fit text run from position() to alignmentPoint().
class ZRX_API ZcDbText : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbText);
    ZcDbText() = default;
    ZcDbText(const ZcGePoint3d& position, const char* text, ZcDbObjectId style = ZcDbObjectId::kNull,
             double height = 0.0, double rotation = 0.0);
    ZcRxObject* clone() const override;

    ZcGePoint3d position() const { assertReadEnabled(); return m_position; }
    Zcad::ErrorStatus setPosition(const ZcGePoint3d& p) { assertWriteEnabled(); m_position = p; return Zcad::eOk; }
    ZcGePoint3d alignmentPoint() const { assertReadEnabled(); return m_alignment; }
    Zcad::ErrorStatus setAlignmentPoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_alignment = p; return Zcad::eOk; }
    // Left and baseline: the text is placed by position() alone.
    bool isDefaultAlignment() const;

    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    // Kept as a unit vector; a zero vector is refused.
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }
    double oblique() const { assertReadEnabled(); return m_oblique; }
    Zcad::ErrorStatus setOblique(double angle) { assertWriteEnabled(); m_oblique = angle; return Zcad::eOk; }
    double rotation() const { assertReadEnabled(); return m_rotation; }
    Zcad::ErrorStatus setRotation(double angle);
    double height() const { assertReadEnabled(); return m_height; }
    // Only positive heights and width factors are taken.
    Zcad::ErrorStatus setHeight(double h);
    double widthFactor() const { assertReadEnabled(); return m_widthFactor; }
    Zcad::ErrorStatus setWidthFactor(double f);

    // Backward (mirrored in X) and upside-down (mirrored in Y) text: the characters are
    // reflected about the reference point, across the up and the baseline direction.
    bool isMirroredInX() const { assertReadEnabled(); return (m_generation & 2) != 0; }
    Zcad::ErrorStatus mirrorInX(bool mirror);
    bool isMirroredInY() const { assertReadEnabled(); return (m_generation & 4) != 0; }
    Zcad::ErrorStatus mirrorInY(bool mirror);

    ZcDb::TextHorzMode horizontalMode() const { assertReadEnabled(); return m_horizontal; }
    Zcad::ErrorStatus setHorizontalMode(ZcDb::TextHorzMode mode);
    ZcDb::TextVertMode verticalMode() const { assertReadEnabled(); return m_vertical; }
    Zcad::ErrorStatus setVerticalMode(ZcDb::TextVertMode mode);
    // Recomputes position() from the alignment point (and, for aligned text, the height).
    // The platform also does this when a changed text is closed; the host leaves it to the
    // caller, so a drawing read from disk keeps the positions it was written with.
    Zcad::ErrorStatus adjustAlignment(const ZcDbDatabase* db = nullptr);

    // UTF-8, kept as given. textString() is a new copy the caller frees with zcutDelString.
    char* textString() const;
    const char* textStringConst() const { assertReadEnabled(); return m_text.c_str(); }
    Zcad::ErrorStatus setTextString(const char* text);

    // A text that never had a style set uses its drawing's current text style, as the
    // platform gives it one when it is appended; out of any drawing it answers null.
    ZcDbObjectId textStyle() const;
    Zcad::ErrorStatus setTextStyle(ZcDbObjectId styleId);

    // The box of the placed text by the host's text metric model; rotated text gives the box
    // of its rotated rectangle. eInvalidExtents for a text that shows no character.
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    // Points follow the transform, the height scales with it and the rotation turns with it.
    // A mirroring transform keeps the text readable: the reference point is mirrored, the
    // justification kept, and the characters are not reversed (the platform with MIRRTEXT 0).
    // A transform that shears the text in its plane gives eNotApplicable.
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;

private:
    friend class ZcDbAttribute;
    // The text's own data (not the entity properties) of another text.
    void copyTextFrom(const ZcDbText& other);

    ZcGePoint3d m_position;
    ZcGePoint3d m_alignment;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_thickness = 0.0;
    double m_oblique = 0.0;
    double m_rotation = 0.0;
    double m_height = 0.0;
    double m_widthFactor = 1.0;
    uint8_t m_generation = 0;  // 2 backward, 4 upside down
    ZcDb::TextHorzMode m_horizontal = ZcDb::kTextLeft;
    ZcDb::TextVertMode m_vertical = ZcDb::kTextBase;
    std::string m_text;
    ZcDbObjectId m_style;
};

// An attribute definition in a block: its text is the default value.
class ZRX_API ZcDbAttributeDefinition : public ZcDbText {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbAttributeDefinition);
    ZcDbAttributeDefinition() = default;
    ZcDbAttributeDefinition(const ZcGePoint3d& position, const char* text, const char* tag, const char* prompt,
                            ZcDbObjectId style = ZcDbObjectId::kNull);
    ZcRxObject* clone() const override;

    // tag() and prompt() are new copies the caller frees with zcutDelString.
    char* tag() const;
    const char* tagConst() const { assertReadEnabled(); return m_tag.c_str(); }
    Zcad::ErrorStatus setTag(const char* tag);
    char* prompt() const;
    const char* promptConst() const { assertReadEnabled(); return m_prompt.c_str(); }
    Zcad::ErrorStatus setPrompt(const char* prompt);

    bool isInvisible() const { assertReadEnabled(); return m_flags.invisible; }
    Zcad::ErrorStatus setInvisible(bool v) { assertWriteEnabled(); m_flags.invisible = v; return Zcad::eOk; }
    bool isConstant() const { assertReadEnabled(); return m_flags.constant; }
    Zcad::ErrorStatus setConstant(bool v) { assertWriteEnabled(); m_flags.constant = v; return Zcad::eOk; }
    bool isVerifiable() const { assertReadEnabled(); return m_flags.verifiable; }
    Zcad::ErrorStatus setVerifiable(bool v) { assertWriteEnabled(); m_flags.verifiable = v; return Zcad::eOk; }
    bool isPreset() const { assertReadEnabled(); return m_flags.preset; }
    Zcad::ErrorStatus setPreset(bool v) { assertWriteEnabled(); m_flags.preset = v; return Zcad::eOk; }

private:
    // The flags a definition hands on to the attributes made from it.
    struct Flags {
        bool invisible = false;
        bool constant = false;
        bool verifiable = false;
        bool preset = false;
    };
    std::string m_tag;
    std::string m_prompt;
    Flags m_flags;
};

// An attribute owned by a block reference: a tagged value.
class ZRX_API ZcDbAttribute : public ZcDbText {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbAttribute);
    ZcDbAttribute() = default;
    ZcDbAttribute(const ZcGePoint3d& position, const char* text, const char* tag,
                  ZcDbObjectId style = ZcDbObjectId::kNull);
    ZcRxObject* clone() const override;

    char* tag() const;
    const char* tagConst() const { assertReadEnabled(); return m_tag.c_str(); }
    Zcad::ErrorStatus setTag(const char* tag);

    bool isInvisible() const { assertReadEnabled(); return m_flags.invisible; }
    Zcad::ErrorStatus setInvisible(bool v) { assertWriteEnabled(); m_flags.invisible = v; return Zcad::eOk; }
    bool isConstant() const { assertReadEnabled(); return m_flags.constant; }
    bool isVerifiable() const { assertReadEnabled(); return m_flags.verifiable; }
    bool isPreset() const { assertReadEnabled(); return m_flags.preset; }

    // Takes the definition's text, tag, flags and entity properties, then places the
    // attribute by the block reference's transform.
    Zcad::ErrorStatus setAttributeFromBlock(const ZcDbAttributeDefinition* attdef, const ZcGeMatrix3d& blockTransform);

private:
    // The flags a definition hands on to the attributes made from it.
    struct Flags {
        bool invisible = false;
        bool constant = false;
        bool verifiable = false;
        bool preset = false;
    };
    std::string m_tag;
    Flags m_flags;
};
