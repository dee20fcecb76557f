// Reading the dialogs of a resource script, and finding a plug-in's script.
#include "win/resource_script.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "zrxhost/command_line.h"

namespace zrxhost {
namespace {

// Styles a dialog script may name; only the control styles change what a control does.
const std::map<std::string, long>& styleNames()
{
    static const std::map<std::string, long> names = {
        {"WS_TABSTOP", WS_TABSTOP}, {"WS_GROUP", WS_GROUP}, {"WS_HSCROLL", WS_HSCROLL}, {"WS_VSCROLL", WS_VSCROLL},
        {"WS_BORDER", WS_BORDER}, {"WS_DISABLED", WS_DISABLED}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_CHILD", WS_CHILD},
        {"WS_POPUP", 0x80000000L}, {"WS_CAPTION", 0x00C00000L}, {"WS_SYSMENU", 0x00080000L},
        {"DS_MODALFRAME", 0x80}, {"DS_SETFONT", 0x40}, {"DS_3DLOOK", 0x4}, {"DS_FIXEDSYS", 0x8}, {"DS_CENTER", 0x800},
        {"DS_SHELLFONT", 0x48},
        {"ES_LEFT", ES_LEFT}, {"ES_CENTER", 0x1}, {"ES_RIGHT", 0x2}, {"ES_MULTILINE", ES_MULTILINE},
        {"ES_UPPERCASE", ES_UPPERCASE}, {"ES_LOWERCASE", ES_LOWERCASE}, {"ES_PASSWORD", ES_PASSWORD},
        {"ES_AUTOHSCROLL", ES_AUTOHSCROLL}, {"ES_READONLY", ES_READONLY}, {"ES_NUMBER", ES_NUMBER},
        {"CBS_SIMPLE", CBS_SIMPLE}, {"CBS_DROPDOWN", CBS_DROPDOWN}, {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST},
        {"CBS_AUTOHSCROLL", CBS_AUTOHSCROLL}, {"CBS_SORT", CBS_SORT}, {"CBS_HASSTRINGS", CBS_HASSTRINGS},
        {"LBS_NOTIFY", LBS_NOTIFY}, {"LBS_SORT", LBS_SORT}, {"LBS_NOINTEGRALHEIGHT", 0x0100}, {"LBS_STANDARD", LBS_STANDARD},
        {"BS_PUSHBUTTON", BS_PUSHBUTTON}, {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}, {"BS_CHECKBOX", BS_CHECKBOX},
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX}, {"BS_RADIOBUTTON", BS_RADIOBUTTON}, {"BS_GROUPBOX", BS_GROUPBOX},
        {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON},
        {"SS_LEFT", SS_LEFT}, {"SS_CENTER", 0x1}, {"SS_RIGHT", 0x2},
        {"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDC_STATIC", -1}};
    return names;
}

// What each control statement makes: its class, whether a text comes first, and the style
// the resource compiler gives it before the script's own.
struct ControlKind {
    const char* windowClass;
    bool text;
    long style;
};

const std::map<std::string, ControlKind>& controlKinds()
{
    static const std::map<std::string, ControlKind> kinds = {
        {"LTEXT", {"STATIC", true, SS_LEFT | WS_GROUP}}, {"RTEXT", {"STATIC", true, 0x2 | WS_GROUP}},
        {"CTEXT", {"STATIC", true, 0x1 | WS_GROUP}}, {"PUSHBUTTON", {"BUTTON", true, BS_PUSHBUTTON | WS_TABSTOP}},
        {"DEFPUSHBUTTON", {"BUTTON", true, BS_DEFPUSHBUTTON | WS_TABSTOP}},
        {"GROUPBOX", {"BUTTON", true, BS_GROUPBOX}}, {"CHECKBOX", {"BUTTON", true, BS_CHECKBOX | WS_TABSTOP}},
        {"AUTOCHECKBOX", {"BUTTON", true, BS_AUTOCHECKBOX | WS_TABSTOP}},
        {"RADIOBUTTON", {"BUTTON", true, BS_RADIOBUTTON}}, {"AUTORADIOBUTTON", {"BUTTON", true, BS_AUTORADIOBUTTON}},
        {"EDITTEXT", {"EDIT", false, ES_LEFT | WS_BORDER | WS_TABSTOP}},
        {"COMBOBOX", {"COMBOBOX", false, CBS_SIMPLE | WS_TABSTOP}},
        {"LISTBOX", {"LISTBOX", false, LBS_NOTIFY | WS_BORDER}},
        {"CONTROL", {"", true, 0}}};
    return kinds;
}

struct Token {
    enum Kind { Word, Text, Punct } kind;
    std::string value;
    int line;
};

class Parser {
public:
    Parser(const std::string& script, std::deque<std::string>& strings) : m_strings(strings) { scan(script); }

    bool run(std::map<UINT, ZcDialogTemplate>& dialogs)
    {
        while (m_at < m_tokens.size()) {
            std::string name = word();
            std::string kind = word();
            if (kind != "DIALOG" && kind != "DIALOGEX") return fail("only dialogs are read, not " + kind);
            ZcDialogTemplate t{};
            t.id = static_cast<UINT>(value(name));
            t.caption = keep("");
            // Position and size, and the help id of DIALOGEX.
            for (int i = 0; i < 4; ++i) {
                if (i > 0) punct(",");
                expression();
            }
            if (peek(",")) {
                punct(",");
                expression();
            }
            while (ok() && !peek("BEGIN") && !peek("{")) {
                std::string option = word();
                if (option == "CAPTION") {
                    t.caption = keep(text());
                } else if (option == "STYLE" || option == "EXSTYLE") {
                    expression();
                } else if (option == "FONT") {
                    skipLine();
                } else {
                    return fail("unknown dialog statement " + option);
                }
            }
            ++m_at;
            while (ok() && !peek("END") && !peek("}")) control(t);
            ++m_at;
            if (!ok()) return false;
            dialogs[t.id] = t;
        }
        return ok();
    }

    std::string error;
    std::map<std::string, long> symbols;

private:
    void scan(const std::string& s)
    {
        int line = 1;
        size_t i = 0;
        while (i < s.size()) {
            char c = s[i];
            if (c == '\n') {
                ++line;
                ++i;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
            } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
                while (i < s.size() && s[i] != '\n') ++i;
            } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
                size_t end = s.find("*/", i + 2);
                for (size_t k = i; k < std::min(end, s.size()); ++k) line += s[k] == '\n' ? 1 : 0;
                i = end == std::string::npos ? s.size() : end + 2;
            } else if (c == '#') {
                // Preprocessor lines: #define gives a name, the rest is the compiler's business.
                size_t end = s.find('\n', i);
                std::istringstream directive(s.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
                std::string verb, name, number;
                directive >> verb >> name >> number;
                char* stop = nullptr;
                long v = std::strtol(number.c_str(), &stop, 0);
                if (verb == "define" && !number.empty() && *stop == '\0') symbols[name] = v;
                i = end == std::string::npos ? s.size() : end;
            } else if (c == '"') {
                std::string t;
                ++i;
                while (i < s.size()) {
                    if (s[i] == '"' && i + 1 < s.size() && s[i + 1] == '"') {
                        t += '"';
                        i += 2;
                    } else if (s[i] == '"') {
                        ++i;
                        break;
                    } else {
                        t += s[i++];
                    }
                }
                m_tokens.push_back({Token::Text, t, line});
            } else if (c == ',' || c == '|' || c == '{' || c == '}') {
                m_tokens.push_back({Token::Punct, std::string(1, c), line});
                ++i;
            } else {
                size_t start = i;
                while (i < s.size() && std::string(" \t\r\n,|\"{}").find(s[i]) == std::string::npos) ++i;
                m_tokens.push_back({Token::Word, s.substr(start, i - start), line});
            }
        }
    }

    bool ok() const { return error.empty(); }
    // The line of the token just read, or of the one expected next when that is missing.
    bool fail(const std::string& why, bool atNext = false)
    {
        if (ok()) {
            size_t at = atNext || m_at == 0 ? m_at : m_at - 1;
            int line = at < m_tokens.size() ? m_tokens[at].line : (m_tokens.empty() ? 1 : m_tokens.back().line);
            error = "line " + std::to_string(line) + ": " + why;
        }
        m_at = m_tokens.size();
        return false;
    }
    bool peek(const char* what) const { return m_at < m_tokens.size() && m_tokens[m_at].value == what && m_tokens[m_at].kind != Token::Text; }
    const Token* next(Token::Kind kind, const char* expected)
    {
        if (m_at >= m_tokens.size() || m_tokens[m_at].kind != kind) {
            fail(std::string("expected ") + expected, true);
            return nullptr;
        }
        return &m_tokens[m_at++];
    }
    std::string word()
    {
        const Token* t = next(Token::Word, "a name");
        return t != nullptr ? t->value : std::string();
    }
    std::string text()
    {
        const Token* t = next(Token::Text, "a quoted text");
        return t != nullptr ? t->value : std::string();
    }
    void punct(const char* p)
    {
        if (!peek(p)) fail(std::string("expected ") + p, true);
        else ++m_at;
    }
    void skipLine()
    {
        int line = m_tokens[m_at - 1].line;
        while (m_at < m_tokens.size() && m_tokens[m_at].line == line) ++m_at;
    }
    LPCSTR keep(const std::string& s)
    {
        m_strings.push_back(s);
        return m_strings.back().c_str();
    }
    long value(const std::string& w)
    {
        char* stop = nullptr;
        long v = std::strtol(w.c_str(), &stop, 0);
        if (!w.empty() && *stop == '\0') return v;
        if (auto it = symbols.find(w); it != symbols.end()) return it->second;
        if (auto it = styleNames().find(w); it != styleNames().end()) return it->second;
        fail("unknown name " + w);
        return 0;
    }
    // Terms joined by "|", each a number or a name, NOT taking its bits away; starts from
    // the statement's own style.
    long expression(long style = 0)
    {
        for (;;) {
            bool negate = peek("NOT");
            if (negate) ++m_at;
            long v = value(word());
            style = negate ? (style & ~v) : (style | v);
            if (!ok() || !peek("|")) return style;
            ++m_at;
        }
    }
    void control(ZcDialogTemplate& t)
    {
        std::string statement = word();
        auto kind = controlKinds().find(statement);
        if (kind == controlKinds().end()) {
            fail("unknown control statement " + statement);
            return;
        }
        ZcDialogItem item{};
        std::string windowClass = kind->second.windowClass;
        long style = kind->second.style;
        item.text = keep(kind->second.text ? text() : std::string());
        if (kind->second.text) punct(",");
        item.id = static_cast<UINT>(value(word()) & 0xFFFF);
        if (statement == "CONTROL") {
            punct(",");
            windowClass = text();
            punct(",");
            style = expression();
        }
        for (int i = 0; i < 4; ++i) {
            punct(",");
            expression();
        }
        if (statement != "CONTROL" && peek(",")) {
            punct(",");
            style = expression(style);
        }
        if (peek(",")) {
            punct(",");
            expression();
        }
        item.windowClass = keep(windowClass);
        item.style = static_cast<DWORD>(style);
        if (ok()) t.items.push_back(item);
    }

    std::deque<std::string>& m_strings;
    std::vector<Token> m_tokens;
    size_t m_at = 0;
};

struct Resources {
    std::map<UINT, ZcDialogTemplate> dialogs;
    std::deque<std::string> strings;
};

}  // namespace

bool parseResourceScript(const std::string& script, std::map<UINT, ZcDialogTemplate>& dialogs,
                         std::deque<std::string>& strings, std::string& error)
{
    Parser parser(script, strings);
    if (parser.run(dialogs)) return true;
    error = parser.error;
    return false;
}

const ZcDialogTemplate* moduleDialogTemplate(const void* addressInModule, UINT id)
{
    Dl_info info{};
    if (dladdr(addressInModule, &info) == 0 || info.dli_fname == nullptr) return nullptr;
    void* module = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (module == nullptr) return nullptr;
    const auto* script = static_cast<const char*>(dlsym(module, "zrxResourceScript"));
    std::string text = script != nullptr ? script : "";
    dlclose(module);
    if (text.empty()) return nullptr;
    // Kept by content: a module loaded again, even at the same address, is read again only
    // when its resources changed.
    static std::map<std::string, std::unique_ptr<Resources>> read;
    auto& resources = read[text];
    if (!resources) {
        resources = std::make_unique<Resources>();
        std::string error;
        if (!parseResourceScript(text, resources->dialogs, resources->strings, error)) {
            resources->dialogs.clear();
            writeCommandLine("[Dialog] resources of " + std::string(info.dli_fname) + ", " + error + "\n");
        }
    }
    auto it = resources->dialogs.find(id);
    return it == resources->dialogs.end() ? nullptr : &it->second;
}

}  // namespace zrxhost
