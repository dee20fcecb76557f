// A record's typed list for the sibling library to lay out as xdata: the items in one block,
// strings pointing at the record's own, so a write makes no buffer or string copy per field.
#pragma once

#include <vector>

#include "zrx.h"

class CRecordList {
public:
    CRecordList() { m_items.reserve(32); }

    // The string must stay unchanged while the list is in use.
    CRecordList& str(const CString& value)
    {
        add(RTSTR).resval.rstring = const_cast<char*>(static_cast<LPCTSTR>(value));
        return *this;
    }
    CRecordList& real(double value)
    {
        add(RTREAL).resval.rreal = value;
        return *this;
    }
    // xdata integers hold 16 bits: the low half goes out.
    CRecordList& integer(int value)
    {
        add(RTSHORT).resval.rint = static_cast<short>(value);
        return *this;
    }

    // The items linked in order; valid until the next item is added.
    const resbuf* chain()
    {
        for (size_t i = 0; i + 1 < m_items.size(); ++i) m_items[i].rbnext = &m_items[i + 1];
        return m_items.empty() ? nullptr : m_items.data();
    }

private:
    resbuf& add(int type)
    {
        resbuf& rb = m_items.emplace_back();
        rb.rbnext = nullptr;
        rb.restype = static_cast<short>(type);
        return rb;
    }
    std::vector<resbuf> m_items;
};
