// What a test compares of command-line output: the text without the line breaks the
// command line puts around it, which depend on what was printed before.
#pragma once

#include <string>

inline std::string trimmed(std::string t)
{
    while (!t.empty() && t.back() == '\n') t.pop_back();
    while (!t.empty() && t.front() == '\n') t.erase(0, 1);
    return t;
}
