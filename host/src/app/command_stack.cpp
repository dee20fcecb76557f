// The command stack: groups of registered commands, searched newest group first.
#include <memory>

#include "app/app.h"
#include "util/text_case.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcEdCommand, ZcRxObject, "AcEdCommand", "")
ZCRX_DEFINE_MEMBERS(ZcEdCommandStack, ZcRxObject, "AcEdCommandStack", "")

namespace zrxhost::app {
namespace {

class RegisteredCommand : public ZcEdCommand {
public:
    RegisteredCommand(const char* group, const char* globalName, const char* localName, int32_t flags,
                      ZcRxFunctionPtr function, void* appId)
        : m_group(group), m_global(globalName), m_local(localName), m_flags(flags), m_function(function), m_app(appId)
    {
    }

    const char* groupName() const { return m_group.c_str(); }
    const char* globalName() const override { return m_global.c_str(); }
    const char* localName() const override { return m_local.c_str(); }
    int32_t commandFlags() const override { return m_flags; }
    ZcRxFunctionPtr functionAddr() const override { return m_function; }
    void* commandApp() const override { return m_app; }

private:
    std::string m_group, m_global, m_local;
    int32_t m_flags;
    ZcRxFunctionPtr m_function;
    void* m_app;
};

struct Group {
    std::string name;
    std::vector<std::unique_ptr<RegisteredCommand>> commands;
};

class CommandStack : public ZcEdCommandStack {
public:
    Zcad::ErrorStatus addCommand(const char* group, const char* global, const char* local, int32_t flags,
                                 ZcRxFunctionPtr function) override
    {
        if (group == nullptr || global == nullptr || function == nullptr || isBlank(global)) return Zcad::eInvalidInput;
        if (local == nullptr || isBlank(local)) local = global;
        Group* g = findGroup(group);
        if (g == nullptr) {
            m_groups.push_back(std::make_unique<Group>());
            g = m_groups.back().get();
            g->name = group;
        }
        for (const auto& c : g->commands) {
            if (equalsNoCase(c->globalName(), global) || equalsNoCase(c->localName(), local)) return Zcad::eDuplicateKey;
        }
        g->commands.push_back(std::make_unique<RegisteredCommand>(group, global, local, flags, function, currentApp()));
        return Zcad::eOk;
    }

    ZcEdCommand* lookupGlobalCmd(const char* name) const override { return find(name, true); }
    ZcEdCommand* lookupLocalCmd(const char* name) const override { return find(name, false); }

    ZcEdCommand* lookupCmd(const char* name, bool global, bool, bool) const override { return find(name, global); }

    Zcad::ErrorStatus removeCmd(const char* group, const char* global) override
    {
        Group* g = group != nullptr ? findGroup(group) : nullptr;
        if (g == nullptr || global == nullptr) return Zcad::eKeyNotFound;
        for (auto it = g->commands.begin(); it != g->commands.end(); ++it) {
            if (equalsNoCase((*it)->globalName(), global)) {
                g->commands.erase(it);
                if (g->commands.empty()) dropGroup(g);
                return Zcad::eOk;
            }
        }
        return Zcad::eKeyNotFound;
    }

    Zcad::ErrorStatus removeGroup(const char* group) override
    {
        Group* g = group != nullptr ? findGroup(group) : nullptr;
        if (g == nullptr) return Zcad::eKeyNotFound;
        dropGroup(g);
        return Zcad::eOk;
    }

    ZcEdCommandIterator* iterator() const override { return new Iterator(m_groups); }

    void removeOf(void* appId)
    {
        for (auto& g : m_groups) {
            std::erase_if(g->commands, [&](const auto& c) { return c->commandApp() == appId; });
        }
        std::erase_if(m_groups, [](const auto& g) { return g->commands.empty(); });
    }

private:
    class Iterator : public ZcEdCommandIterator {
    public:
        explicit Iterator(const std::vector<std::unique_ptr<Group>>& groups)
        {
            for (const auto& g : groups) {
                for (const auto& c : g->commands) m_commands.push_back(c.get());
            }
        }
        bool done() const override { return m_index >= m_commands.size(); }
        bool next() override { return ++m_index < m_commands.size(); }
        const ZcEdCommand* command() const override { return done() ? nullptr : m_commands[m_index]; }
        const char* commandGroup() const override { return done() ? nullptr : m_commands[m_index]->groupName(); }

    private:
        std::vector<const RegisteredCommand*> m_commands;
        size_t m_index = 0;
    };

    static bool isBlank(const char* s)
    {
        for (; *s != '\0'; ++s) {
            if (*s != ' ' && *s != '\t') return false;
        }
        return true;
    }

    Group* findGroup(const char* name) const
    {
        for (const auto& g : m_groups) {
            if (equalsNoCase(g->name, name)) return g.get();
        }
        return nullptr;
    }

    void dropGroup(Group* g)
    {
        std::erase_if(m_groups, [g](const auto& p) { return p.get() == g; });
    }

    ZcEdCommand* find(const char* name, bool global) const
    {
        if (name == nullptr) return nullptr;
        for (auto g = m_groups.rbegin(); g != m_groups.rend(); ++g) {
            for (const auto& c : (*g)->commands) {
                if (equalsNoCase(global ? c->globalName() : c->localName(), name)) return c.get();
            }
        }
        return nullptr;
    }

    std::vector<std::unique_ptr<Group>> m_groups;
};

}  // namespace

ZcRxObject* makeCommandStack() { return new CommandStack; }

void removeCommandsOf(void* appId)
{
    static_cast<CommandStack*>(zcedRegCmds)->removeOf(appId);
}

}  // namespace zrxhost::app
