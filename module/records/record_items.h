// Reading a member record's typed list one item per field, and building its list, for the
// records whose items are all required.
#pragma once

#include <cstdint>

#include "zrx.h"

#include "core/rb_readers.h"

// xdata integers hold 16 bits; the wider record value keeps only its low half.
inline int TrevanCom_Low16(int value) { return static_cast<int16_t>(value); }

class CRecordItems {
public:
    explicit CRecordItems(const resbuf* list) : m_rb(list) {}

    bool str(CString& value) { return take(TrevanComARX_RbGetStr(m_rb, value)); }
    bool real(double& value) { return take(TrevanComARX_RbGetReal(m_rb, value)); }
    bool integer(int& value) { return take(TrevanComARX_RbGetInt(m_rb, value)); }
    // Older layouts kept some reals as whole numbers.
    bool realOrInteger(double& value)
    {
        return take(TrevanComARX_RbGetReal(m_rb, value) == 1 || TrevanComARX_RbGetIntAsReal(m_rb, value) == 1 ? 1 : -1);
    }
    bool atEnd() const { return m_rb == nullptr; }

private:
    bool take(int answer)
    {
        if (m_rb != nullptr) m_rb = m_rb->rbnext;
        return answer == 1;
    }
    const resbuf* m_rb;
};
