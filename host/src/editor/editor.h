// The editor's inside, shared by its prompts, selection and the command loop.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

// The command line, written so that a prompt's leading newline after an answer's echo
// does not leave an empty line.
void write(std::string_view text);
// Notes that something outside the editor ended a line.
void noteLineEnded();
bool atLineStart();

// One answer line as the editor sees it.
struct Answer {
    enum Kind { kText, kEnter, kCancel };
    Kind kind = kCancel;
    std::string text;
};
// Asks: writes the prompt, takes one line, runs transparent commands ('NAME) and asks
// again after them. The end of input and a standing script error are Esc.
Answer ask(const char* prompt, const char* fallbackPrompt);

// An answer the question cannot use. Interactively the message is shown and the question
// is asked again (true); in a script the script stops (false).
bool reject(const std::string& message, const std::string& answer);

void setErrno(int value);

// zcedInitGet state: it applies to the next question only.
struct Keyword {
    std::string local;   // as written
    std::string abbrev;  // the capital letters of it
    std::string global;  // after "_", when the list has global names
};
struct InitGet {
    int bits = 0;
    std::vector<Keyword> keywords;
};
InitGet takeInitGet();
// The keyword an answer stands for: its full name, its capitals (the short form) or a
// unique start of it, without regard to case; given back as the global name if any.
std::optional<std::string> matchKeyword(const InitGet& init, std::string_view answer);
void setLastInput(std::string text);

// Parsing answers.
std::optional<double> parseReal(std::string_view text);
std::optional<int> parseInt(std::string_view text);
std::optional<ZcGePoint3d> parsePoint(std::string_view text);
struct HandlePick {
    ZcDbHandle handle;
    std::optional<ZcGePoint3d> at;
};
std::optional<HandlePick> parseHandlePick(std::string_view text);
std::string formatReal(double v);
std::string formatPoint(const ZcGePoint3d& p);

// Sets LASTPOINT.
void noteLastPoint(const ZcGePoint3d& p);

// The id of an entity name in the C interface (null when it names nothing).
ZcDbObjectId idOf(const ads_name name);
void nameOf(ZcDbObjectId id, ads_name name);

}  // namespace zrxhost::ed
