// Binary DWG read through the DWG reader program (tools/dwg2dxf, node and the WebAssembly
// DWG library installed by scripts/setup-deps): it writes the drawing as DXF to a temporary
// file, which the host then reads as any DXF.
#pragma once

#include <string>
#include <string_view>

namespace zrx::dxf {

// True when the text starts as a DWG file does ("AC1014", "AC1032", ...).
bool isDwg(std::string_view start);

// The DXF the reader made of one DWG file; the temporary file goes with the object.
class DwgConversion {
public:
    // Throws DxfError naming the DWG when the reader is missing, fails, or takes longer
    // than its time limit.
    explicit DwgConversion(const std::string& dwgPath);
    ~DwgConversion();
    DwgConversion(const DwgConversion&) = delete;
    DwgConversion& operator=(const DwgConversion&) = delete;
    const std::string& dxfPath() const { return m_dxf; }

private:
    std::string m_dxf;
};

}  // namespace zrx::dxf
