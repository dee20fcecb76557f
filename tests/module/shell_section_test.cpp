// The sample midship section: shell longitudinals standing on the bottom polyline, the
// bilge arc and the side spline, each with a longitudinal record that reads back; the
// bundled drawing kept in step with its generator.
#include <map>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "shell_section.h"
#include "support/host_fixture.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"

namespace {

const std::string kBundledSection = std::string(TREVAN_SAMPLE_INSTALL) + "/../drawings/shell_section.dxf";

struct Section {
    std::string form, mark, kind;  // kind: the shell curve the foot stands on
    double footX, footY;
    bool operator==(const Section& o) const
    {
        return form == o.form && mark == o.mark && kind == o.kind && std::abs(footX - o.footX) < 1e-6 &&
               std::abs(footY - o.footY) < 1e-6;
    }
};

class ShellSection : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        zrxhost::setSupportFolders({install.at("TREVAN/SYSTEM").string()});
    }
    void TearDown() override
    {
        zrxhost::setSupportFolders({});
        HostTest::TearDown();
    }
    // Every longitudinal of the drawing, the shell curve under its foot found by distance.
    static std::vector<Section> sections(ZcDbDatabase* drawing)
    {
        ZcDbObjectIdArray ids;
        {
            ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(drawing), ZcDb::kForRead);
            ZcDbBlockTableRecordIterator* it = nullptr;
            ms->newIterator(it);
            for (; !it->done(); it->step()) {
                ZcDbObjectId id;
                it->getEntityId(id);
                ids.append(id);
            }
            delete it;
        }
        std::vector<ZcDbObjectId> shell;
        std::vector<Section> out;
        for (int i = 0; i < ids.length(); ++i) {
            ZcDbObjectPointer<ZcDbEntity> ent(ids[i], ZcDb::kForRead);
            char* layer = ent->layer();
            const bool onShell = std::string(layer) == "SHELL";
            zcutDelString(layer);
            if (onShell && !ent->isKindOf(ZcDbLine::desc())) shell.push_back(ids[i]);
        }
        for (int i = 0; i < ids.length(); ++i) {
            CLongData record;
            if (!TrevanComARX_HasXdata(ids[i], "LONG")) continue;
            EXPECT_TRUE(record.setData(ids[i], "LONG"));
            std::string kind = "none";
            for (ZcDbObjectId s : shell) {
                ZcDbObjectPointer<ZcDbCurve> curve(s, ZcDb::kForRead);
                ZcGePoint3d on;
                curve->getClosestPointTo(record.m_ptFoot, on);
                if (on.distanceTo(record.m_ptFoot) < 1e-6) kind = curve->isA()->name();
            }
            out.push_back({record.m_strFType.GetString(), record.m_strRes1.GetString(), kind, record.m_ptFoot.x,
                           record.m_ptFoot.y});
        }
        return out;
    }
    SampleInstall install;
};

TEST_F(ShellSection, LongitudinalsStandOnEveryKindOfShellCurveWithTheirRecords)
{
    ShellSectionSummary summary;
    std::string error;
    ASSERT_TRUE(drawShellSection(db.get(), summary, error)) << error;
    const std::vector<Section> all = sections(db.get());
    EXPECT_EQ(static_cast<long>(all.size()), summary.longitudinals);
    EXPECT_GE(all.size(), 20u);
    EXPECT_LE(all.size(), 40u);
    std::map<std::string, int> onKind;
    for (const Section& s : all) {
        ++onKind[s.kind];
        EXPECT_TRUE(s.form == "T" || s.form == "A" || s.form == "B") << s.mark << " " << s.form;
    }
    EXPECT_EQ(onKind["none"], 0);
    EXPECT_GT(onKind["AcDbPolyline"], 0);
    EXPECT_GT(onKind["AcDbArc"], 0);
    EXPECT_GT(onKind["AcDbSpline"], 0);
}

TEST_F(ShellSection, TheBundledSectionIsWhatTheGeneratorMakesNow)
{
    ZcDbDatabase bundled(false, true);
    ASSERT_EQ(bundled.readDwgFile(kBundledSection.c_str()), Zcad::eOk) << kBundledSection;
    const std::vector<Section> onDisk = sections(&bundled);
    ShellSectionSummary summary;
    std::string error;
    ASSERT_TRUE(drawShellSection(db.get(), summary, error)) << error;
    const std::vector<Section> now = sections(db.get());
    ASSERT_EQ(onDisk.size(), now.size()) << "regenerate it: section_generator examples/drawings/shell_section.dxf";
    for (size_t i = 0; i < now.size(); ++i) EXPECT_EQ(onDisk[i], now[i]) << now[i].mark;
}

}  // namespace
