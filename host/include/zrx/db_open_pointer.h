// ZcDbObjectPointer: opens an object for the length of a scope and closes it on every path.
#pragma once

#include "db_object.h"

template <class T>
class ZcDbObjectPointer {
public:
    ZcDbObjectPointer() = default;
    ZcDbObjectPointer(ZcDbObjectId id, ZcDb::OpenMode mode, bool openErased = false)
    {
        m_status = zcdbOpenObject(m_ptr, id, mode, openErased);
    }
    ~ZcDbObjectPointer() { close(); }
    ZcDbObjectPointer(const ZcDbObjectPointer&) = delete;
    ZcDbObjectPointer& operator=(const ZcDbObjectPointer&) = delete;

    Zcad::ErrorStatus open(ZcDbObjectId id, ZcDb::OpenMode mode, bool openErased = false)
    {
        close();
        m_status = zcdbOpenObject(m_ptr, id, mode, openErased);
        return m_status;
    }
    Zcad::ErrorStatus openStatus() const { return m_status; }
    T* object() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

    // Closes a resident object; deletes one that never joined a database.
    Zcad::ErrorStatus close()
    {
        if (m_ptr == nullptr) return Zcad::eOk;
        Zcad::ErrorStatus es = Zcad::eOk;
        if (m_ptr->isDatabaseResident()) es = m_ptr->close();
        else delete m_ptr;
        m_ptr = nullptr;
        m_status = Zcad::eNullObjectPointer;
        return es;
    }
    // Makes a new object held by the pointer.
    Zcad::ErrorStatus create()
    {
        close();
        m_ptr = new T;
        m_status = Zcad::eOk;
        return m_status;
    }
    // Gives up the object without closing it.
    Zcad::ErrorStatus release(T*& out)
    {
        out = m_ptr;
        m_ptr = nullptr;
        m_status = Zcad::eNullObjectPointer;
        return Zcad::eOk;
    }

private:
    T* m_ptr = nullptr;
    Zcad::ErrorStatus m_status = Zcad::eNullObjectPointer;
};

