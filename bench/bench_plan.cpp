#include "bench_plan.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "zrxhost/drive_map.h"
#include "zrxhost/registry.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"

namespace {

namespace fs = std::filesystem;

class Installation {
public:
    Installation()
    {
        char pattern[] = "/tmp/trevan-bench-XXXXXX";
        m_root = mkdtemp(pattern);
        fs::copy(TREVAN_SAMPLE_INSTALL, m_root, fs::copy_options::recursive);
        zrxhost::setDrive('C', (m_root / "drive_c").string());
        zrxhost::setRegistryFile((m_root / "registry.reg").string());
        zrxhost::setSupportFolders({(m_root / "drive_c/TREVAN/SYSTEM").string()});
        setenv("windir", "C:\\WINDOWS", 1);
    }
    ~Installation()
    {
        zrxhost::setSupportFolders({});
        zrxhost::setRegistryFile("");
        zrxhost::clearDrives();
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

private:
    fs::path m_root;
};

}  // namespace

void useSampleInstallation()
{
    static Installation installation;
}

BenchPlan& benchPlan(benchmark::State& state)
{
    useSampleInstallation();
    static std::map<int64_t, std::unique_ptr<BenchPlan>> plans;
    std::unique_ptr<BenchPlan>& p = plans[state.range(0)];
    if (!p) {
        p = std::make_unique<BenchPlan>();
        HullPlanOptions options;
        options.stiffeners = static_cast<long>(state.range(0));
        if (!drawHullPlan(p->db.get(), options, p->summary, p->error) && p->error.empty()) p->error = "no plan";
    }
    if (!p->error.empty()) state.SkipWithError(p->error.c_str());
    zcdbHostApplicationServices()->setWorkingDatabase(p->db.get());
    state.counters["entities"] = static_cast<double>(p->summary.entities);
    return *p;
}

long scanModelSpace(ZcDbDatabase* db)
{
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db), ZcDb::kForRead);
    ZcDbBlockTableRecordIterator* raw = nullptr;
    ms->newIterator(raw);
    std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
    long visible = 0;
    for (; !it->done(); it->step()) {
        ZcDbEntity* e = nullptr;
        if (it->getEntity(e, ZcDb::kForRead) != Zcad::eOk) continue;
        visible += e->visibility() == ZcDb::kVisible ? 1 : 0;
        e->close();
    }
    return visible;
}

std::vector<long> ratioBenchSizes()
{
    std::vector<long> sizes = {1000, 10000, 100000};
    if (const char* quick = std::getenv("TREVAN_BENCH_QUICK"); quick != nullptr && *quick != '\0' && *quick != '0')
        sizes.pop_back();
    return sizes;
}
