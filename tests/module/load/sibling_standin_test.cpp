// The sibling stand-in loaded after the module: the module's LISP-callable exports become
// LISP functions of their own names, exactly those the module exports, and go when the
// stand-in goes.
#include <dlfcn.h>
#include <elf.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "lisp_catalogue.h"
#include "loaded_module_fixture.h"

namespace {

using trevan_sibling::functionCodeOf;
using trevan_sibling::kLispExportCount;
using trevan_sibling::kLispExports;

const char* const kSibling = TREVAN_SIBLING_PATH;

// The functions a shared library exports with C names, read from its dynamic symbol
// table: the module's LISP-callable exports are its only C-named TrevanCom functions.
std::set<std::string> cNamedTrevanComExports(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto read = [&bytes](auto& into, size_t at) { std::memcpy(&into, bytes.data() + at, sizeof into); };
    Elf64_Ehdr header;
    read(header, 0);
    std::set<std::string> names;
    for (int s = 0; s < header.e_shnum; ++s) {
        Elf64_Shdr section, strings;
        read(section, header.e_shoff + s * sizeof section);
        if (section.sh_type != SHT_DYNSYM) continue;
        read(strings, header.e_shoff + section.sh_link * sizeof strings);
        for (size_t at = section.sh_offset; at < section.sh_offset + section.sh_size; at += sizeof(Elf64_Sym)) {
            Elf64_Sym sym;
            read(sym, at);
            std::string name = bytes.data() + strings.sh_offset + sym.st_name;
            if (ELF64_ST_TYPE(sym.st_info) == STT_FUNC && sym.st_shndx != SHN_UNDEF &&
                strncasecmp(name.c_str(), "TrevanCom", 9) == 0) {
                names.insert(name);
            }
        }
    }
    return names;
}

class SiblingStandIn : public LoadedModuleTest {
protected:
    void SetUp() override
    {
        LoadedModuleTest::SetUp();
        load(kModule);
        load(kSibling);
        m_module = dlopen(kModule, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(m_module, nullptr);
        for (size_t i = 0; i < kLispExportCount; ++i) {
            if (kLispExports[i].adapter && dlsym(m_module, kLispExports[i].name) != nullptr) m_exported.push_back(i);
        }
        ASSERT_FALSE(m_exported.empty());
    }
    void TearDown() override
    {
        if (m_module != nullptr) dlclose(m_module);
        LoadedModuleTest::TearDown();
    }
    bool undefinedInLisp(const char* name)
    {
        return run(std::string("(") + name + ")").find("no function definition") != std::string::npos;
    }

    void* m_module = nullptr;
    std::vector<size_t> m_exported;  // catalogue indices of the adapters the module exports
};

TEST_F(SiblingStandIn, EveryCNamedExportOfTheModuleIsInTheCatalogue)
{
    std::set<std::string> catalogue;
    for (const auto& e : kLispExports) catalogue.insert(e.name);
    EXPECT_EQ(catalogue.size(), 62u);
    for (const std::string& name : cNamedTrevanComExports(kModule)) EXPECT_TRUE(catalogue.count(name)) << name;
}

TEST_F(SiblingStandIn, DefinesTheExportedAdaptersQuietlyAndNothingElse)
{
    EXPECT_EQ(transcript(), "");
    // Not exported, or exported but not an adapter (the plain show-mode function): not a
    // LISP function.
    EXPECT_TRUE(undefinedInLisp("TrevanComARX_GetStiffShowMode"));
    for (size_t i = 0; i < kLispExportCount; ++i) {
        if (std::find(m_exported.begin(), m_exported.end(), i) == m_exported.end()) {
            EXPECT_TRUE(undefinedInLisp(kLispExports[i].name)) << kLispExports[i].name;
        }
    }
    // Exported: defined under its own name with the code that leads back to it (taking the
    // definition away is how the host tells which code a name has).
    for (size_t i : m_exported) EXPECT_EQ(zcedUndef(kLispExports[i].name, functionCodeOf(i)), RTNORM) << kLispExports[i].name;
}

TEST_F(SiblingStandIn, ACallReachesTheExportOfThatNameWithItsArguments)
{
    // Calls whose answer tells the adapter and the arguments it was given apart: the
    // argument errors of the LISP-callable protocol.
    const std::pair<const char*, const char*> calls[] = {
        {"(TrevanComARX_GetStfiffSEPt)", "引数エラー\nnil\n"},
        {"(TrevanComARX_GetStfiffSEPt 1)", "引数エラー1\nnil\n"},
        {"(TrevanComARX_GetLayerStatusLispFunc 1)", "引数エラー1\nnil\n"},
        {"(TrevanComARX_SetLayerStatusLispFunc \"0\" 0 0 0 1)", "引数エラー2\nnil\n"},
        {"(TrevanComARX_FindFolder)", "引数エラー\nnil\n"},
        {"(TrevanComARX_FindFolder 1)", "nil\n"},
        {"(TrevanComARX_DeleteFolder 1)", "nil\n"},
        {"(TrevanComARX_SetObjLinetypeLispFunc 1)", "nil\n"},
        {"(TrevanComARX_SetStiffAngle)", "引数エラー\nnil\n"},
    };
    for (const auto& [expression, answer] : calls) EXPECT_EQ(run(expression), answer) << expression;
}

TEST_F(SiblingStandIn, UnloadingTheStandInRemovesEveryDefinitionButNotTheModulesOwn)
{
    ASSERT_TRUE(zcrxDynamicLinker->unloadModule("TrevanSibling"));
    for (size_t i : m_exported) EXPECT_TRUE(undefinedInLisp(kLispExports[i].name)) << kLispExports[i].name;
    EXPECT_NE(run("(ZWDLLFUNC2)").find("Hello ZWDLLFUNC!"), std::string::npos);
}

TEST_F(SiblingStandIn, AfterTheModuleIsUnloadedACallFailsCleanly)
{
    dlclose(m_module);
    m_module = nullptr;
    ASSERT_TRUE(zcrxDynamicLinker->unloadModule(kModule));
    std::string answer = run(std::string("(") + kLispExports[m_exported.front()].name + ")");
    EXPECT_NE(answer.find("libTrevanCom2002.so is not loaded."), std::string::npos) << answer;
    EXPECT_NE(answer.find("; error:"), std::string::npos) << answer;
}

using SiblingWithoutModule = LoadedModuleTest;

TEST_F(SiblingWithoutModule, SaysSoAndDefinesNothing)
{
    load(kSibling);
    // The message opens the command line, so its leading new line is not written.
    EXPECT_EQ(transcript(), "TrevanSibling: libTrevanCom2002.so is not loaded; no function defined.\n");
    for (size_t i = 0; i < kLispExportCount; ++i) EXPECT_EQ(zcedUndef(kLispExports[i].name, functionCodeOf(i)), RTERROR);
}

}  // namespace
