// ZcArray: the SDK's growable array, with the members plug-ins use. Indices are int, as on
// the platform; out-of-range access is a programming error and is checked.
#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

template <class T>
class ZcArray {
public:
    ZcArray() = default;
    explicit ZcArray(int physicalLength, int /*growLength*/ = 8) { m_items.reserve(static_cast<size_t>(std::max(physicalLength, 0))); }
    ZcArray(std::initializer_list<T> items) : m_items(items) {}

    int length() const { return static_cast<int>(m_items.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(m_items.capacity()); }
    bool isEmpty() const { return m_items.empty(); }

    T& operator[](int i) { return m_items[checked(i)]; }
    const T& operator[](int i) const { return m_items[checked(i)]; }
    T& at(int i) { return m_items[checked(i)]; }
    const T& at(int i) const { return m_items[checked(i)]; }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    int append(const T& value) { m_items.push_back(value); return length() - 1; }
    ZcArray& append(const ZcArray& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); return *this; }
    ZcArray& insertAt(int i, const T& value) {
        if (i < 0 || i > length()) throw std::out_of_range("ZcArray::insertAt");
        m_items.insert(m_items.begin() + i, value);
        return *this;
    }
    ZcArray& removeAt(int i) { m_items.erase(m_items.begin() + checked(i)); return *this; }
    ZcArray& removeFirst() { return removeAt(0); }
    ZcArray& removeLast() { return removeAt(length() - 1); }
    // Removes the first element equal to value; true when one was found.
    bool remove(const T& value, int start = 0) {
        int i = 0;
        if (!find(value, i, start)) return false;
        removeAt(i);
        return true;
    }
    ZcArray& removeAll() { m_items.clear(); return *this; }
    ZcArray& setLogicalLength(int n) { m_items.resize(static_cast<size_t>(std::max(n, 0))); return *this; }
    ZcArray& setPhysicalLength(int n) { m_items.reserve(static_cast<size_t>(std::max(n, 0))); return *this; }
    ZcArray& setAt(int i, const T& value) { at(i) = value; return *this; }
    ZcArray& reverse() { std::reverse(m_items.begin(), m_items.end()); return *this; }
    ZcArray& swap(int i, int j) { std::swap(at(i), at(j)); return *this; }

    bool contains(const T& value, int start = 0) const { int i = 0; return find(value, i, start); }
    bool find(const T& value, int& foundAt, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (m_items[static_cast<size_t>(i)] == value) { foundAt = i; return true; }
        }
        return false;
    }
    int find(const T& value) const { int i = -1; return find(value, i) ? i : -1; }

    T* asArrayPtr() { return m_items.data(); }
    const T* asArrayPtr() const { return m_items.data(); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    bool operator==(const ZcArray& other) const { return m_items == other.m_items; }

private:
    size_t checked(int i) const {
        if (i < 0 || i >= length()) throw std::out_of_range("ZcArray index out of range");
        return static_cast<size_t>(i);
    }
    std::vector<T> m_items;
};
