#include "stiffener_listing.h"

namespace {

// The text and a blank, padded to at least the width.
std::string column(const CString& text, size_t width)
{
    std::string out(static_cast<const char*>(text));
    if (out.size() < width) out.resize(width, ' ');
    return out + ' ';
}

std::string point(const ZcGePoint3d& p)
{
    return std::string("(") + static_cast<const char*>(TrevanComARX_ChangeDoubleToString(p.x)) + "," +
           static_cast<const char*>(TrevanComARX_ChangeDoubleToString(p.y)) + ")";
}

}  // namespace

std::string stiffenerLine(const CString& handle, const CStiffData& record)
{
    // Columns as wide as the usual handles, forms, section names and labels, so a listing
    // reads as a table. The label is what the installation's label file makes of the section.
    const CString label = TrevanCom_MakeStiffText(record.m_strFType, record.m_rWebWidth, record.m_rWebThick,
                                                  record.m_rFaceWidth, record.m_rFaceThck, record.m_rCornerR1,
                                                  record.m_rCornerR2);
    return column(handle, 6) + column(record.m_strFType, 7) + column(record.m_strName, 15) + column(label, 15) +
           point(record.m_ptStart) + " - " + point(record.m_ptEnd);
}

bool listStiffeners(std::vector<std::string>& lines, long& unreadable)
{
    unreadable = 0;
    ZcDbObjectIdArray ids;
    if (!TrevanCom_GetAllStiffObjectIdArray(ids)) return false;
    for (int i = 0; i < ids.length(); ++i) {
        const CString handle = TrevanComARX_GetHandleName(ids[i]);
        CStiffData record;
        if (TrevanComARX_GetStiffdata(ids[i], record)) {
            lines.push_back(stiffenerLine(handle, record));
        } else {
            ++unreadable;
            lines.push_back(std::string(static_cast<const char*>(handle)) + "  (record not readable)");
        }
    }
    return true;
}
