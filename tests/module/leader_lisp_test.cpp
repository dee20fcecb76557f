// Leaders from LISP: the points the leader runs through, the stub towards the last point's
// side, the text, and the refusals.
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"
#include "zrxhost/spaces.h"
#include <memory>

namespace {

struct Drawn {
    std::vector<ZcGePoint3d> vertices;
    std::string text;
};

class LeaderLisp : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("leader", TrevanComARX_MakeLeader);
        define("leader3p", TrevanComARX_MakeLeaderFrom3p);
    }
    // Every leader of model space with its annotation text.
    std::vector<Drawn> leaders()
    {
        std::vector<Drawn> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db.get()), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* raw = nullptr;
        ms->newIterator(raw);
        std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
        for (; !it->done(); it->step()) {
            ZcDbObjectId id;
            it->getEntityId(id);
            ZcDbObjectPointer<ZcDbLeader> l(id, ZcDb::kForRead);
            if (l.openStatus() != Zcad::eOk) continue;
            Drawn d;
            for (int i = 0; i < l->numVertices(); ++i) d.vertices.push_back(l->vertexAt(i));
            ZcDbObjectPointer<ZcDbText> t(l->annotationObjId(), ZcDb::kForRead);
            if (t.openStatus() == Zcad::eOk) {
                char* text = t->textString();
                d.text = text;
                zcutDelString(text);
            }
            out.push_back(d);
        }
        return out;
    }
    // The value the call gave, after whatever the command echoed.
    std::string value(const std::string& expression)
    {
        std::string printed = call(expression);
        size_t lineStart = printed.rfind('\n', printed.size() - 2);
        return printed.substr(lineStart + 1);
    }
    void expectLeader(const Drawn& d, const std::vector<ZcGePoint3d>& vertices, const std::string& text)
    {
        ASSERT_EQ(d.vertices.size(), vertices.size());
        for (size_t i = 0; i < vertices.size(); ++i)
            EXPECT_TRUE(d.vertices[i].isEqualTo(vertices[i])) << i << ": " << d.vertices[i].x << "," << d.vertices[i].y;
        EXPECT_EQ(d.text, text);
    }
};

TEST_F(LeaderLisp, LeaderEndsInAStubTowardsTheLastPointsSide)
{
    EXPECT_EQ(value("(leader \"FR25\" '((0.0 0.0 0.0) (100.0 100.0 0.0) (50.0 300.0 0.0)))"), "T\n");
    EXPECT_EQ(value("(leader \"L2\" '((0.0 0.0 0.0) \"x\" 1 (100.0 100.0 0.0) (100.0 300.0 0.0)) 5)"), "T\n");
    EXPECT_EQ(value("(leader3p '(0.0 0.0 0.0) '(50.0 20.0 0.0) '(200.0 0.0 0.0) \"S1\")"), "T\n");
    std::vector<Drawn> drawn = leaders();
    ASSERT_EQ(drawn.size(), 3u);
    expectLeader(drawn[0], {{0, 0, 0}, {100, 100, 0}, {99.9, 100, 0}}, "FR25");
    // Straight above: to the right; items in the list that are no points are passed over.
    expectLeader(drawn[1], {{0, 0, 0}, {100, 100, 0}, {100.1, 100, 0}}, "L2");
    expectLeader(drawn[2], {{0, 0, 0}, {50, 20, 0}, {50.1, 20, 0}}, "S1");
}

TEST_F(LeaderLisp, TooFewPointsOrBadArgumentsDrawNothing)
{
    const std::vector<std::pair<std::string, std::string>> calls = {
        {"(leader)", "\n引数エラー\nnil\n"},
        {"(leader 1 '((0.0 0.0 0.0) (1.0 1.0 0.0) (2.0 2.0 0.0)))", "\nnil\n"},
        {"(leader \"A\" \"B\")", "\nnil\n"},
        {"(leader \"A\" '((0.0 0.0 0.0) (1.0 1.0 0.0)))", "\nnil\n"},
        {"(leader \"A\" '((0.0 0.0) (1.0 1.0) (2.0 2.0)))", "\nnil\n"},
        {"(leader3p)", "\n引数エラー\nnil\n"},
        {"(leader3p '(0.0 0.0 0.0) \"B\" '(2.0 2.0 0.0) \"A\")", "\n引数エラー\nnil\n"},
        {"(leader3p '(0.0 0.0 0.0) '(1.0 1.0 0.0))", "\n引数エラー\nnil\n"},
        {"(leader3p '(0.0 0.0 0.0) '(1.0 1.0 0.0) '(2.0 2.0 0.0))", "\nnil\n"},
        {"(leader3p '(0.0 0.0 0.0) '(1.0 1.0 0.0) '(2.0 2.0 0.0) 7)", "\nnil\n"},
        {"(+ 1 2)", "\n3\n"},
    };
    for (const auto& [expression, answer] : calls) EXPECT_EQ(call(expression), answer) << expression;
    EXPECT_TRUE(leaders().empty());
}

}  // namespace
