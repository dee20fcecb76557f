// Every drafting tool called from LISP as a careless program would: with nothing, with
// arguments of the wrong kinds, with the name of an entity that is gone. Each answers nil
// (with its argument message where it has one), changes nothing, and the session goes on.
#include <string>
#include <utility>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

struct Tool {
    const char* name;
    int (*function)();
};

const Tool kTools[] = {
    {"checkline", TrevanComARX_CheckLine},
    {"checkab", TrevanComARX_CheckWarikomiAB},
    {"delmarks", TrevanComARX_delXdataWFRMNO},
    {"neighbours", TrevanComARX_SSGetBNLines},
    {"divpoints", TrevanComARX_GetDivLinePoints},
    {"planline", TrevanComARX_MakePlanLine},
    {"vertline", TrevanComARX_MakeVerticalLine},
    {"todist", TrevanComARX_SplToPolyDist},
    {"todiv", TrevanComARX_SplToPolyDiv},
    {"plinelist", TrevanComARX_qor_plinelistLispFunc},
    {"leader", TrevanComARX_MakeLeader},
    {"leader3p", TrevanComARX_MakeLeaderFrom3p},
    {"explodeadd", TrevanComARX_InsertExplodeAdd},
    {"centerline", TrevanComARX_center_line},
    {"crossings", TrevanComARX_sss_v2_func02},
    {"anotherz", TrevanComARX_get_ipt_anotherz_curve},
};

class DraftingBadArguments : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        for (const Tool& t : kTools) define(t.name, t.function);
        kept = addLine(0, 0, 100, 0);
        ZcDbObjectId gone = addLine(0, 10, 100, 10);
        call("(setq gone " + ename(gone) + ")");
        call("(entdel gone)");
    }
    int modelSpaceCount()
    {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllObjectIdArray(db.get(), ids, "");
        return ids.length();
    }
    ZcDbObjectId kept;
};

TEST_F(DraftingBadArguments, NothingWrongKindsOrAGoneEntityGiveNilAndChangeNothing)
{
    const int before = modelSpaceCount();
    for (const Tool& t : kTools) {
        for (const std::string& args : {std::string(""), std::string(" \"x\" 1.5 '(1 2)"), std::string(" 7"),
                                        std::string(" gone gone gone gone 1.0 2 '(0.0 0.0 0.0)")}) {
            // A tool that asks for more gets Esc.
            answer({"*cancel*", "*cancel*"});
            std::string said = call("(" + std::string(t.name) + args + ")");
            EXPECT_EQ(said.substr(said.size() - 4), "nil\n") << t.name << args << ": " << said;
        }
    }
    EXPECT_EQ(modelSpaceCount(), before);
    ZcDbObjectPointer<ZcDbLine> line(kept, ZcDb::kForRead);
    EXPECT_EQ(line->endPoint(), ZcGePoint3d(100, 0, 0));
    line.close();
    EXPECT_EQ(call("(+ 1 2)"), "\n3\n");
}

}  // namespace
