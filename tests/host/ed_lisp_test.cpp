// LISP at the command prompt and the functions plug-ins define for it.
#include "support/editor_fixture.h"
#include "zrxhost/display_state.h"

namespace {

std::string g_seen;

const char* typeName(int t)
{
    switch (t) {
    case RTSHORT: return "S";
    case RTLONG: return "L";
    case RTREAL: return "R";
    case RTSTR: return "STR";
    case RTPOINT: return "P2";
    case RT3DPOINT: return "P3";
    case RTLB: return "(";
    case RTLE: return ")";
    case RTDOTE: return ".";
    case RTNIL: return "nil";
    case RTT: return "T";
    case RTENAME: return "E";
    case RTPICKS: return "SS";
    default: return "?";
    }
}

int recordArgs()
{
    g_seen.clear();
    for (resbuf* rb = zcedGetArgs(); rb != nullptr; rb = rb->rbnext) g_seen += std::string(typeName(rb->restype)) + " ";
    zcedRetT();
    return RSRSLT;
}

int giveList()
{
    ads_point p = {1, 2, 3};
    resbuf* list = zcutBuildList(RTSHORT, 7, RTLB, RTSTR, "FR", RTDOTE, RTREAL, 45.0, RTLE, RT3DPOINT, p, 0);
    zcedRetList(list);
    zcutRelRb(list);
    return RSRSLT;
}

int fail() { return RSERR; }

class EdLisp : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zcedDefun("seeargs", 1);
        zcedRegFunc(recordArgs, 1);
        zcedDefun("givelist", 2);
        zcedRegFunc(giveList, 2);
        zcedDefun("broken", 3);
        zcedRegFunc(fail, 3);
    }
    void TearDown() override
    {
        zcedUndef("seeargs", 1);
        zcedUndef("givelist", 2);
        zcedUndef("broken", 3);
        EditorTest::TearDown();
    }
    std::string eval(const std::string& text)
    {
        transcript();
        zrxhost::runCommandLine(text);
        std::string t = transcript();
        while (!t.empty() && t.back() == '\n') t.pop_back();
        while (!t.empty() && t.front() == '\n') t.erase(0, 1);
        return t;
    }
};

TEST_F(EdLisp, ValuesPrintAsThePlatformShowsThem)
{
    EXPECT_EQ(eval("(setq a 1 b 2.5 c \"x\\\"y\")"), "\"x\\\"y\"");
    EXPECT_EQ(eval("(list a b c 'sym nil T 10.0)"), "(1 2.5 \"x\\\"y\" SYM nil T 10.0)");
    EXPECT_EQ(eval("(quote (1 . \"one\"))"), "(1 . \"one\")");
    EXPECT_EQ(eval("(+ 1 2 (* 2 1.5))"), "6.0");
    EXPECT_EQ(eval("(/ 7 2)"), "3");
    EXPECT_EQ(eval("(car (cdr '(1 2 3)))"), "2");
    EXPECT_EQ(eval("(cons 0 \"LINE\")"), "(0 . \"LINE\")");
    EXPECT_EQ(eval("(strcat \"外板\" \"-\" \"1\")"), "\"外板-1\"");
    EXPECT_EQ(eval("undefined"), "Unknown command \"UNDEFINED\".  Press F1 for help.");
    EXPECT_EQ(eval("(nosuch 1)"), "; error: no function definition: NOSUCH");
    EXPECT_EQ(eval("(car 1)"), "; error: bad argument type: consp 1");
}

TEST_F(EdLisp, ArgumentsArriveAsThePlatformPassesThem)
{
    eval("(seeargs 1 70000 2.0 \"s\" '(1.0 2.0) '(1.0 2.0 3.0) '(1 2 3) nil T)");
    EXPECT_EQ(g_seen, "S L R STR P2 P3 ( S S S ) nil T ");
    eval("(seeargs '((0 . \"LINE\") (8 \"HULL\" (1.0 2.0))))");
    EXPECT_EQ(g_seen, "( ( S . STR ) ( S STR P2 ) ) ");
}

TEST_F(EdLisp, ResultsComeBackAsLispValues)
{
    EXPECT_EQ(eval("(givelist)"), "(7 (\"FR\" . 45.0) (1.0 2.0 3.0))");
    EXPECT_EQ(eval("(seeargs)"), "T");
    EXPECT_EQ(eval("(broken)"), "; error: function BROKEN failed");
    // Outside a call there is no function code and no result to set.
    EXPECT_EQ(zcedGetFunCode(), RTERROR);
    EXPECT_EQ(zcedRetInt(1), RTERROR);
}

// A chain of lists nested n deep around 1.
resbuf* nestedChain(int n)
{
    resbuf* head = zcutNewRb(RTLB);
    resbuf* tail = head;
    for (int i = 1; i < n; ++i) tail = tail->rbnext = zcutNewRb(RTLB);
    tail = tail->rbnext = zcutNewRb(RTSHORT);
    tail->resval.rint = 1;
    for (int i = 0; i < n; ++i) tail = tail->rbnext = zcutNewRb(RTLE);
    return head;
}

int giveDeepList()
{
    resbuf* list = nestedChain(60000);
    int rc = zcedRetList(list);
    zcutRelRb(list);
    return rc == RTNORM ? RSRSLT : RSERR;
}

TEST_F(EdLisp, RunawayNestingIsAnErrorNotACrash)
{
    const std::string deep = std::string(60000, '(') + "+ 1 2" + std::string(60000, ')');
    EXPECT_EQ(eval(deep), "; error: internal stack limit reached");
    EXPECT_EQ(eval("(list " + std::string(60000, '\'') + "a)"), "; error: internal stack limit reached");
    // Lists built deeper and deeper one step at a time stop at the same limit.
    eval("(setq a 1)");
    std::string last;
    for (int i = 0; i < 1200 && last.find("error") == std::string::npos; ++i) last = eval("(setq a (list a))");
    EXPECT_EQ(last, "; error: internal stack limit reached");
    EXPECT_EQ(eval("(car (car (car a)))").substr(0, 4), "((((");
    // Nor does a plug-in's chain nested too deep reach LISP.
    resbuf* chain = nestedChain(60000);
    EXPECT_EQ(zcedPutSym("deep", chain), RTERROR);
    zcutRelRb(chain);
    zcedDefun("givedeep", 4);
    zcedRegFunc(giveDeepList, 4);
    EXPECT_EQ(eval("(givedeep)"), "; error: function GIVEDEEP failed");
    zcedUndef("givedeep", 4);
    EXPECT_EQ(eval("(+ 1 2)"), "3");
}

TEST_F(EdLisp, GlobalsAreSharedWithPlugins)
{
    eval("(setq pt '(1.0 2.0 3.0) lst '(1 \"a\"))");
    resbuf* v = nullptr;
    ASSERT_EQ(zcedGetSym("PT", &v), RTNORM);
    EXPECT_EQ(v->restype, RT3DPOINT);
    zcutRelRb(v);
    zcedGetSym("lst", &v);
    EXPECT_EQ(v->restype, RTLB);
    zcutRelRb(v);
    zcedGetSym("unset", &v);
    EXPECT_EQ(v->restype, RTNIL);
    zcutRelRb(v);
    resbuf* put = zcutBuildList(RTLB, RTSHORT, 5, RTSTR, "x", RTLE, 0);
    ASSERT_EQ(zcedPutSym("fromplugin", put), RTNORM);
    zcutRelRb(put);
    EXPECT_EQ(eval("fromplugin"), "Unknown command \"FROMPLUGIN\".  Press F1 for help.");
    EXPECT_EQ(eval("(list fromplugin)"), "((5 \"x\"))");
}

TEST_F(EdLisp, GlobalsHoldSelectionSetsBothWays)
{
    addLine(0, 0, 10, 0);
    addLine(0, 5, 10, 5);
    eval("(setq ##lisp_set (ssget \"X\"))");
    resbuf* v = nullptr;
    ASSERT_EQ(zcedGetSym("##LISP_SET", &v), RTNORM);
    ASSERT_EQ(v->restype, RTPICKS);
    int32_t n = 0;
    EXPECT_EQ(zcedSSLength(v->resval.rlname, &n), RTNORM);
    EXPECT_EQ(n, 2);
    zcutRelRb(v);
    // A plug-in's set put into a global is LISP's to keep.
    ads_name mine;
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, nullptr, mine), RTNORM);
    resbuf* put = zcutNewRb(RTPICKS);
    put->resval.rlname[0] = mine[0];
    put->resval.rlname[1] = mine[1];
    ASSERT_EQ(zcedPutSym("##from_plugin", put), RTNORM);
    zcutRelRb(put);
    EXPECT_EQ(eval("(sslength ##from_plugin)"), "2");
    EXPECT_EQ(eval("(type ##from_plugin)"), "PICKSET");
    eval("(setq ##lisp_set nil ##from_plugin nil)");
}

TEST_F(EdLisp, TemporaryVectorsFromLispUntilARedrawOfEverything)
{
    EXPECT_EQ(eval("(grdraw '(0 0) '(10 0) 1 1)"), "nil");
    EXPECT_EQ(eval("(grvecs '(2 (0 0) (0 10) (5 5 1) (6 6 1)) '((1 0 0 100) (0 1 0 0) (0 0 1 0) (0 0 0 1)))"),
              "nil");
    const auto& v = zrxhost::grDrawVectors();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(v[0].highlighted);
    EXPECT_EQ(v[1].from, ZcGePoint3d(100, 0, 0));
    EXPECT_EQ(v[2].to, ZcGePoint3d(106, 6, 1));
    EXPECT_EQ(v[2].color, 2);
    EXPECT_EQ(eval("(grvecs '((0 0)))"), "; error: bad argument value: vector list");
    EXPECT_EQ(eval("(grdraw '(0 0) \"x\" 1)").substr(0, 20), "; error: bad argumen");
    EXPECT_EQ(v.size(), 3u);
    EXPECT_EQ(eval("(redraw)"), "nil");
    EXPECT_TRUE(v.empty());
}

TEST_F(EdLisp, EntitiesAndSelectionSetsFromLisp)
{
    ZcDbObjectId a = addLine(0, 0, 10, 0);
    ZcDbObjectId b = addToModelSpace(new ZcDbCircle(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 1));
    eval("(setq e (handent \"" + hex(a) + "\"))");
    EXPECT_EQ(eval("(handent \"FFFFF\")"), "nil");
    EXPECT_EQ(eval("(sslength (setq s (ssget \"X\" '((0 . \"CIRCLE\")))))"), "1");
    EXPECT_EQ(eval("(sslength (ssadd e s))"), "2");
    eval("(seeargs s (entlast))");
    EXPECT_EQ(g_seen, "SS E ");
    EXPECT_EQ(eval("(ssget \"X\" '((0 . \"TEXT\")))"), "nil");
    EXPECT_EQ(eval("(sslength (ssget \"C\" '(-1 -1) '(1 1)))"), "2");
    static_cast<void>(b);
}

TEST_F(EdLisp, LispHoldsItsSetsUntilItLetsGoOfThem)
{
    addLine(0, 0, 10, 0);
    eval("(setq s nil)");
    std::vector<std::array<int64_t, 2>> held;
    ads_name ss;
    while (zcedSSAdd(nullptr, nullptr, ss) == RTNORM) held.push_back({ss[0], ss[1]});
    zcedSSFree(held.back().data());
    held.pop_back();
    // One set is free: LISP may take it, and gives it back when the symbol changes.
    EXPECT_NE(eval("(setq s (ssget \"X\"))"), "nil");
    EXPECT_EQ(eval("(ssget \"X\")"), "nil");
    eval("(setq s nil)");
    EXPECT_NE(eval("(setq s (ssget \"X\"))"), "nil");
    eval("(setq s nil)");
    for (auto& h : held) zcedSSFree(h.data());
}

TEST_F(EdLisp, ExpressionsMayRunOverSeveralLines)
{
    answer({"  2", "  3)"});
    EXPECT_EQ(eval("(+ 1"), "(_>   2\n(_>   3)\n6");
}

TEST_F(EdLisp, UndefNeedsTheRightNumber)
{
    EXPECT_EQ(zcedUndef("seeargs", 9), RTERROR);
    EXPECT_EQ(zcedDefun("", 1), RTERROR);
}

}  // namespace

namespace {

TEST_F(EdLisp, PointAndEntityRequestsGiveWhatWasAnswered)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    answer({"50,0", "200,200"});
    const std::string name = eval("(handent \"" + hex(line) + "\")");
    EXPECT_EQ(eval("(car (entsel \"\\nPick: \"))"), "Pick: 50,0\n" + name);
    EXPECT_EQ(eval("(getpoint \"\\nPoint: \")"), "Point: 200,200\n(200.0 200.0 0.0)");
    // Enter at a point request gives nil.
    answer({""});
    EXPECT_EQ(eval("(getpoint \"\\nPoint: \")"), "Point: \nnil");
    EXPECT_EQ(eval("(entsel 1)"), "; error: bad argument type: stringp 1");
}

}  // namespace
