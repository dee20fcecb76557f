// ZcCmColor: an entity or layer colour as an ACI index (0 ByBlock, 256 ByLayer, 1-255).
#pragma once

#include <cstdint>

#include "zrx_export.h"

class ZRX_API ZcCmColor {
public:
    ZcCmColor() = default;

    uint16_t colorIndex() const { return m_index; }
    bool setColorIndex(uint16_t index);
    bool isByLayer() const { return m_index == 256; }
    bool isByBlock() const { return m_index == 0; }
    bool isByACI() const { return m_index >= 1 && m_index <= 255; }
    void setByLayer() { m_index = 256; }
    void setByBlock() { m_index = 0; }

    bool operator==(const ZcCmColor& o) const { return m_index == o.m_index; }
    bool operator!=(const ZcCmColor& o) const { return m_index != o.m_index; }

private:
    uint16_t m_index = 256;
};
