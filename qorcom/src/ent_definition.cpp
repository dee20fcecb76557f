#include "ent_definition.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string_view>

#include "zrx.h"

namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// "string", "real", "integer", or several joined by "|"; 0 when any part is unknown.
unsigned parseTypes(std::string_view text)
{
    unsigned types = 0;
    while (true) {
        size_t bar = text.find('|');
        std::string word = upper(text.substr(0, bar));
        if (word == "STRING") types |= kEntString;
        else if (word == "REAL") types |= kEntReal;
        else if (word == "INTEGER") types |= kEntInteger;
        else return 0;
        if (bar == std::string_view::npos) return types;
        text.remove_prefix(bar + 1);
    }
}

bool isFieldName(std::string_view name)
{
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (name.empty() || !letter(name[0])) return false;
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

// One item line into the definition; the reason it is wrong, or null.
const char* addItem(std::string_view line, EntDefinition& def, std::set<std::string>& names)
{
    std::vector<std::string_view> w = words(line);
    if (w.size() != 3) return "番号、型、項目名の3つを書いてください";
    std::string expected = std::to_string(def.items.size() + 1);
    if (w[0] != expected) return "番号が1から順に並んでいません";
    unsigned types = parseTypes(w[1]);
    if (types == 0) return "型は string、real、integer のいずれかです";
    if (!isFieldName(w[2])) return "項目名に使えない文字があります";
    if (!names.insert(upper(w[2])).second) return "項目名が重複しています";
    def.items.push_back(EntItem{std::string(w[2]), types});
    return nullptr;
}

bool readLine(FILE* f, std::string& line)
{
    line.clear();
    char buf[256];
    while (std::fgets(buf, sizeof buf, f) != nullptr) {
        line += buf;
        if (!line.empty() && line.back() == '\n') break;
    }
    if (line.empty()) return false;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return true;
}

}  // namespace

EntDefinition loadEntDefinition(const char* path)
{
    EntDefinition def;
    if (path == nullptr || path[0] == '\0') return def;
    FILE* f = fopen(path, "r");
    if (f == nullptr) return def;

    std::set<std::string> names;
    std::string line;
    int number = 0;
    const char* wrong = nullptr;
    while (wrong == nullptr && readLine(f, line)) {
        ++number;
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        // Comments run from ";" or "#" to the end of the line.
        std::string_view body(line);
        body = body.substr(0, body.find_first_of(";#"));
        if (words(body).empty()) continue;
        wrong = addItem(body, def, names);
    }
    std::fclose(f);

    if (wrong == nullptr && def.items.empty()) {
        wrong = "項目が1つもありません";
        number = 0;
    }
    if (wrong != nullptr) {
        def.items.clear();
        def.status = EntDefinition::Status::kMalformed;
        if (number > 0) zcutPrintf("\n定義ファイル%sの%d行目が正しくありません（%s）。", path, number, wrong);
        else zcutPrintf("\n定義ファイル%sが正しくありません（%s）。", path, wrong);
        return def;
    }
    def.status = EntDefinition::Status::kOk;
    return def;
}
