// Mutants of an installation file for the readers' fuzz tests: bytes flipped, lines dropped
// or doubled, the file cut short, huge numbers, broken CP932 and UTF-8, very long lines.
// A fixed seed, so that a failing mutant comes back on every run.
#pragma once

#include <random>
#include <string>
#include <vector>

class FileMutator {
public:
    explicit FileMutator(std::string original, unsigned seed = 20020522) : m_original(std::move(original)), m_rng(seed) {}

    // The original with one to three mutations stacked.
    std::string next()
    {
        std::string text = m_original;
        const int count = 1 + pick(3);
        for (int i = 0; i < count; ++i) mutate(text);
        return text;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    size_t at(const std::string& text) { return text.empty() ? 0 : static_cast<size_t>(pick(static_cast<int>(text.size()) + 1)); }

    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> out;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            end = end == std::string::npos ? text.size() : end + 1;
            out.push_back(text.substr(start, end - start));
            start = end;
        }
        return out;
    }
    static std::string joined(const std::vector<std::string>& parts)
    {
        std::string out;
        for (const std::string& p : parts) out += p;
        return out;
    }

    void mutate(std::string& text)
    {
        static const char* const kNumbers[] = {"1e999", "-1e999", "99999999999999999999999", "-2147483649", "nan",
                                               "inf", "0x7fffffff", "65536", "-32769", "1e-400"};
        static const char* const kBroken[] = {"\x81",     "\xFF\xFE",         "\xE3\x81",    "\x82\xA0\x82",
                                              "\xC0\xAF", "\xF4\x90\x80\x80", "\xED\xA0\x80"};
        std::vector<std::string> parts = lines(text);
        switch (pick(8)) {
        case 0:  // bits flipped
            for (int i = pick(8); i >= 0 && !text.empty(); --i) text[at(text) % text.size()] ^= static_cast<char>(1 << pick(8));
            break;
        case 1:  // a line dropped
            if (!parts.empty()) parts.erase(parts.begin() + pick(static_cast<int>(parts.size())));
            text = joined(parts);
            break;
        case 2:  // a line doubled
            if (!parts.empty()) {
                const size_t i = static_cast<size_t>(pick(static_cast<int>(parts.size())));
                parts.insert(parts.begin() + static_cast<long>(i), parts[i]);
            }
            text = joined(parts);
            break;
        case 3:  // cut short
            text.resize(at(text));
            break;
        case 4:  // a huge or undefined number
            text.insert(at(text), kNumbers[pick(static_cast<int>(std::size(kNumbers)))]);
            break;
        case 5:  // broken CP932 or UTF-8
            text.insert(at(text), pick(8) == 7 ? std::string(1, '\0') : std::string(kBroken[pick(7)]));
            break;
        case 6:  // a very long line
            text.insert(at(text), std::string(static_cast<size_t>(1000 + pick(70000)), "A,=;[ 9"[pick(7)]));
            break;
        default:  // a separator where none was
            text.insert(at(text), 1, "\r\n,=[]\t\""[pick(8)]);
            break;
        }
    }

    std::string m_original;
    std::mt19937 m_rng;
};
