// The lines of a private profile (ini) file: every line keeps its bytes and line end, so
// that a write changes only the lines it must.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "win/code_page.h"

namespace zrxhost::profile {

enum class Kind { Other, Section, Key };

struct Line {
    std::string raw;  // the bytes on disk, without the line end
    std::string eol;  // "\r\n", "\n" or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;
    std::string value;
};

struct Profile {
    std::vector<Line> lines;
    TextEncoding encoding = TextEncoding::Utf8;
    std::string eol = "\r\n";
};

// A section or key name as Windows compares it: without the blanks around it, in the file
// and in a request alike (" Name" finds "[Name]" and "[ Name ]").
std::string_view trimBlanks(std::string_view name);
// Reads a line's text (UTF-8) as a section header, a key or anything else.
void parseLine(Line& line, std::string text);
// A line's bytes as text, in the file's encoding.
std::string decodeLine(const std::string& raw, TextEncoding encoding);
// A whole file; its encoding is CP932 unless the bytes are well-formed UTF-8.
Profile parseProfile(const std::string& bytes);

}  // namespace zrxhost::profile
