// Damaged copies of a drawing file for the fuzzing checks: bytes changed, lines dropped,
// doubled or swapped, group codes exchanged, numbers made huge or not finite, handles and
// owners made bad, text made invalid Shift-JIS or UTF-8. Deterministic for a given engine.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace dxftest {

class Mutator {
public:
    explicit Mutator(uint32_t seed) : m_rng(seed) {}

    std::string mutate(const std::string& text)
    {
        std::vector<std::string> ls = lines(text);
        if (ls.size() < 4) return text;
        switch (pick(11)) {
        case 0: return text.substr(0, pick(text.size()));
        case 1: {
            std::string t = text;
            for (int k = 0; k < 4; ++k) t[pick(t.size())] = static_cast<char>(pick(256));
            return t;
        }
        case 2: ls.erase(ls.begin() + static_cast<long>(pick(ls.size()))); break;
        case 3: {
            size_t i = pick(ls.size());
            ls.insert(ls.begin() + static_cast<long>(i), ls[i]);
            break;
        }
        case 4: {
            size_t i = pick(ls.size() - 1);
            std::swap(ls[i], ls[i + 1]);
            break;
        }
        case 5: std::swap(ls[codeLine(ls)], ls[codeLine(ls)]); break;  // group codes exchanged
        case 6: {
            static const char* const numbers[] = {"nan", "inf", "-inf", "1e308", "1e400", "-9223372036854775809",
                                                  "1000000000", "65536", "-32769", "4294967296", "0x10", ""};
            ls[codeLine(ls) + 1] = numbers[pick(std::size(numbers))];
            break;
        }
        case 7: {
            static const char* const handles[] = {"FFFFFFFFFFFFFFFF", "0", "FFFFFFFFFFFFFFFE", "10000000000000000",
                                                  "ZZ", "1", "-1", "2"};
            ls[valueOf(ls, {"  5", "330", "340", "350", "360", "105", "1005"}) ] = handles[pick(std::size(handles))];
            break;
        }
        case 8: {
            // Invalid Shift-JIS (a lead byte alone) or UTF-8 (a cut sequence, a lone trail).
            static const char* const bad[] = {"\x81", "\xE3\x81", "\x80\x80", "\xFF\xFE", "\x82\xA0\xE0"};
            ls[codeLine(ls) + 1] += bad[pick(std::size(bad))];
            break;
        }
        case 9: {
            // A whole object doubled: its handle, names and owners twice.
            size_t i = codeLine(ls);
            while (i > 0 && ls[i] != "  0") i -= 2;
            size_t end = i + 2;
            while (end + 1 < ls.size() && ls[end] != "  0") end += 2;
            std::vector<std::string> copy(ls.begin() + static_cast<long>(i), ls.begin() + static_cast<long>(end));
            ls.insert(ls.begin() + static_cast<long>(end), copy.begin(), copy.end());
            break;
        }
        default: {
            size_t i = pick(ls.size()), j = pick(ls.size());
            ls[i] = ls[j];
            break;
        }
        }
        return join(ls);
    }

private:
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_rng); }
    // A group code line (even lines count from 0).
    size_t codeLine(const std::vector<std::string>& ls) { return pick(ls.size() / 2) * 2; }
    // The value line of a pair with one of these codes, or any value line.
    size_t valueOf(const std::vector<std::string>& ls, std::initializer_list<const char*> codes)
    {
        for (int tries = 0; tries < 200; ++tries) {
            size_t i = codeLine(ls);
            for (const char* c : codes) {
                if (ls[i] == c) return i + 1;
            }
        }
        return codeLine(ls) + 1;
    }
    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> out;
        size_t start = 0;
        while (start < text.size()) {
            size_t nl = text.find('\n', start);
            if (nl == std::string::npos) nl = text.size();
            out.push_back(text.substr(start, nl - start));
            start = nl + 1;
        }
        return out;
    }
    static std::string join(const std::vector<std::string>& ls)
    {
        std::string out;
        for (const std::string& l : ls) out += l + "\n";
        return out;
    }

    std::mt19937 m_rng;
};

}  // namespace dxftest
