#include "db/lin_file.h"

#include <cerrno>
#include <cstdlib>

namespace zrxhost {
namespace {

std::string_view trim(std::string_view s)
{
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool parseNumber(std::string_view field, double& value)
{
    std::string text(trim(field));
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end != nullptr && *end == '\0';
}

// The descriptor fields of a pattern line, split at commas outside brackets, since a shape
// or text element ("[GAS,STANDARD,S=2.5]") holds commas of its own.
std::vector<std::string_view> patternFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size()) {
            if (line[i] == '[') ++depth;
            if (line[i] == ']' && depth > 0) --depth;
            if (line[i] != ',' || depth > 0) continue;
        }
        fields.push_back(trim(line.substr(start, i - start)));
        start = i + 1;
    }
    return fields;
}

void readPattern(std::string_view line, LinDefinition& def)
{
    std::vector<std::string_view> fields = patternFields(line);
    if (fields.empty() || (fields[0] != "A" && fields[0] != "a")) {
        def.refusal = "the pattern does not start with the alignment A";
        return;
    }
    for (size_t i = 1; i < fields.size(); ++i) {
        if (!fields[i].empty() && fields[i].front() == '[') {
            def.refusal = "shape and text elements are not supported";
            def.unsupported = true;
            def.dashes.clear();
            return;
        }
        double v = 0;
        if (!parseNumber(fields[i], v)) {
            def.refusal = "\"" + std::string(fields[i]) + "\" is not a length";
            def.dashes.clear();
            return;
        }
        def.dashes.push_back(v);
    }
    // A-type alignment starts with a dash (or dot) and needs a full cycle of two; the
    // alignment alone is a solid line, as the drawing's own Continuous has no dashes.
    if (def.dashes.size() == 1) def.refusal = "an A-aligned pattern needs at least two lengths";
    else if (!def.dashes.empty() && def.dashes.front() < 0) def.refusal = "an A-aligned pattern starts with a dash or a dot";
    if (!def.refusal.empty()) def.dashes.clear();
}

}  // namespace

std::vector<LinDefinition> parseLinFile(std::string_view text)
{
    std::vector<LinDefinition> defs;
    bool awaitingPattern = false;
    int lineNo = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '*') {
            if (awaitingPattern) defs.back().refusal = "no pattern line follows the header";
            LinDefinition def;
            std::string_view header = line.substr(1);
            size_t comma = header.find(',');
            def.name = std::string(trim(header.substr(0, comma)));
            if (comma != std::string_view::npos) def.description = std::string(trim(header.substr(comma + 1)));
            def.line = lineNo;
            defs.push_back(std::move(def));
            awaitingPattern = true;
            continue;
        }
        // A pattern line without a header before it belongs to nothing.
        if (!awaitingPattern) continue;
        readPattern(line, defs.back());
        awaitingPattern = false;
    }
    if (awaitingPattern) defs.back().refusal = "no pattern line follows the header";
    return defs;
}

}  // namespace zrxhost
