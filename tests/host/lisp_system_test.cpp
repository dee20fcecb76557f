// LISP and the rest of the host: commands fed their answers, loading files, variables,
// questions, output, geometry and selection sets.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "support/lisp_fixture.h"
#include "zrxhost/spaces.h"

namespace {

namespace fs = std::filesystem;

class LispSystem : public LispTest {
protected:
    std::string write(const std::string& name, const std::string& text)
    {
        // Not temp_directory_path(): the host points TEMP at the Windows C:\TEMP.
        fs::path dir = fs::path("/tmp") / ("lisp_system_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        fs::path p = dir / name;
        std::ofstream(p) << text;
        return p.string();
    }
    int modelSpaceCount()
    {
        ZcDbBlockTableRecord* ms = nullptr;
        zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForRead);
        int n = 0;
        ZcDbBlockTableRecordIterator* it = nullptr;
        ms->newIterator(it);
        for (; !it->done(); it->step()) ++n;
        delete it;
        ms->close();
        return n;
    }
};

TEST_F(LispSystem, CommandRunsWithItsAnswerList)
{
    eval("(command \"LINE\" '(0 0) '(10 0) (list 10 10) \"\")");
    EXPECT_EQ(modelSpaceCount(), 2);
    EXPECT_EQ(eval("(cdr (assoc 11 (entget (entlast))))"), "(10.0 10.0 0.0)");
    std::string drawn = eval("(vl-cmdf \"LINE\" '(0 0) '(5 5) \"\")");
    EXPECT_EQ(drawn.substr(drawn.size() - 2), "\nT") << drawn;
    EXPECT_EQ(modelSpaceCount(), 3);
    std::string refused = eval("(vl-cmdf \"NOSUCHCOMMAND\")");
    EXPECT_EQ(refused.substr(refused.size() - 3), "nil") << refused;
}

TEST_F(LispSystem, LoadRunsAFileAndNamesTheLineOfASyntaxError)
{
    std::string good = write("good.lsp", "; tools\n(defun half (x) (/ x 2.0))\n(setq loaded-value (half 9))\n");
    EXPECT_EQ(eval("(load \"" + good + "\")"), "4.5");
    EXPECT_EQ(eval("(half 3)"), "1.5");
    std::string bad = write("bad.lsp", "(setq a 1)\n\n(defun broken ()\n  (list 1 2\n");
    EXPECT_EQ(eval("(load \"" + bad + "\")"), "; error: malformed list on input (" + bad + " line 3)");
    std::string extra = write("extra.lsp", "(setq b 1)\n(setq c 2))\n");
    EXPECT_EQ(eval("(load \"" + extra + "\")"), "; error: extra right paren on input (" + extra + " line 2)");
    EXPECT_EQ(eval("(load \"/no/such/file.lsp\" \"missing\")"), "\"missing\"");
    EXPECT_EQ(eval("(load \"/no/such/file.lsp\")"), "; error: LOAD failed: \"/no/such/file.lsp\"");
}

TEST_F(LispSystem, VariablesAndEnvironment)
{
    EXPECT_EQ(eval("(setvar \"LUPREC\" 2)"), "2");
    EXPECT_EQ(eval("(getvar \"luprec\")"), "2");
    EXPECT_EQ(eval("(rtos 3.14159)"), "\"3.14\"");
    EXPECT_EQ(eval("(setvar \"LUPREC\" 99)"), "; error: AutoCAD variable setting rejected: \"LUPREC\" 99");
    EXPECT_EQ(eval("(getvar \"NOSUCHVAR\")"), "nil");
    ::setenv("TREVAN_LISP_TEST", "yes", 1);
    EXPECT_EQ(eval("(getenv \"TREVAN_LISP_TEST\")"), "\"yes\"");
    std::string f = write("found.txt", "x");
    EXPECT_EQ(eval("(findfile \"" + f + "\")"), "\"" + f + "\"");
    EXPECT_EQ(eval("(findfile \"no_such_file.txt\")"), "nil");
    EXPECT_EQ(eval("(vl-load-com)"), "nil");
}

TEST_F(LispSystem, QuestionsTakeTheirAnswers)
{
    answer({"12", "2.5", "two words", "Yes", "3,4", "45", "", "*cancel*"});
    EXPECT_EQ(eval("(getint \"\\nInt: \")"), "Int: 12\n12");
    EXPECT_EQ(eval("(getreal \"\\nReal: \")"), "Real: 2.5\n2.5");
    EXPECT_EQ(eval("(getstring T \"\\nText: \")"), "Text: two words\n\"two words\"");
    eval("(initget 1 \"Yes No\")");
    EXPECT_EQ(eval("(getkword \"\\nOK? \")"), "OK? Yes\n\"Yes\"");
    EXPECT_EQ(eval("(getdist '(0 0) \"\\nDist: \")"), "Dist: 3,4\n5.0");
    EXPECT_EQ(eval("(angtos (getangle \"\\nAngle: \") 0 0)"), "Angle: 45\n\"45\"");
    EXPECT_EQ(eval("(getint \"\\nInt: \")"), "Int: \nnil");
    EXPECT_EQ(eval("(getint \"\\nInt: \")"), "Int: *cancel*\n; error: Function cancelled");
}

TEST_F(LispSystem, OutputFunctions)
{
    EXPECT_EQ(eval("(prin1 \"a\\\"b\")"), "\"a\\\"b\"\n\"a\\\"b\"");
    EXPECT_EQ(eval("(progn (princ \"a\\\"b\") (princ))"), "a\"b");
    EXPECT_EQ(eval("(progn (print 1) (prompt \"x\") (terpri) (princ))"), "1 x");
}

TEST_F(LispSystem, Geometry)
{
    EXPECT_EQ(eval("(distance '(0 0) '(3 4))"), "5.0");
    EXPECT_EQ(eval("(distance '(0 0 0) '(0 0 2))"), "2.0");
    EXPECT_EQ(eval("(angle '(0 0) '(0 -1))"), "4.71239");
    EXPECT_EQ(eval("(polar '(1.0 1.0 0.0) (/ pi 2) 2.0)"), "(1.0 3.0 0.0)");
    EXPECT_EQ(eval("(inters '(0 0) '(10 10) '(0 10) '(10 0))"), "(5.0 5.0)");
    EXPECT_EQ(eval("(inters '(0 0) '(1 1) '(0 10) '(10 0))"), "nil");
    EXPECT_EQ(eval("(inters '(0 0) '(1 1) '(0 10) '(10 0) nil)"), "(5.0 5.0)");
    EXPECT_EQ(eval("(inters '(0 0) '(1 0) '(0 1) '(1 1))"), "nil");
    EXPECT_EQ(eval("(trans '(1.0 2.0 3.0) 0 1)"), "(1.0 2.0 3.0)");
}

TEST_F(LispSystem, SelectionSetFunctions)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    addLine(0, 5, 1, 5);
    eval("(setq s (ssget \"X\") a (handent \"" + hex(a) + "\"))");
    EXPECT_EQ(eval("(sslength s)"), "2");
    EXPECT_EQ(eval("(eq (ssmemb a s) a)"), "T");
    EXPECT_EQ(eval("(sslength (ssdel a s))"), "1");
    EXPECT_EQ(eval("(ssmemb a s)"), "nil");
    EXPECT_EQ(eval("(ssname s 5)"), "nil");
    EXPECT_EQ(eval("(sslength (ssget \"W\" '(-1 -1) '(2 1)))"), "1");
    EXPECT_EQ(eval("(sslength (ssget \"X\" '((0 . \"LINE\") (-4 . \"*,>,*\") (10 0.0 3.0 0.0))))"), "1");
    EXPECT_EQ(eval("(ssget \"X\" '((-4 . \">\") (8 . \"0\")))"), "nil");
}

TEST_F(LispSystem, TheProgramLoadsLispFiles)
{
    std::string lsp = write("hello.lsp", "(defun c:hello () (princ \"hello, drafter\") (princ))\n");
    std::string scr = write("hello.scr", "HELLO\n");
    std::string out = write("out.txt", "");
    std::string command = std::string(TREVAN_PROGRAM) + " run --no-modules --load " + lsp + " --script " + scr + " > " + out;
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(out);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("hello, drafter"), std::string::npos) << all;
}

}  // namespace

// Picks that reach into block references: a line of block "BOX" placed by "OUTER", which is
// itself placed turned a quarter.
class LispNestedPick : public LispSystem {
protected:
    ZcDbObjectId addBlock(const char* name)
    {
        ZcDbBlockTable* table = nullptr;
        db->getBlockTable(table, ZcDb::kForWrite);
        auto* record = new ZcDbBlockTableRecord;
        record->setName(name);
        ZcDbObjectId id;
        table->add(id, record);
        record->close();
        table->close();
        return id;
    }
    ZcDbObjectId append(ZcDbObjectId blockId, ZcDbEntity* e)
    {
        ZcDbBlockTableRecord* record = nullptr;
        zcdbOpenObject(record, blockId, ZcDb::kForWrite);
        ZcDbObjectId id;
        record->appendZcDbEntity(id, e);
        record->close();
        e->close();
        return id;
    }
    void SetUp() override
    {
        LispSystem::SetUp();
        ZcDbObjectId box = addBlock("BOX");
        boxLine = append(box, new ZcDbLine({0, 0, 0}, {10, 0, 0}));
        ZcDbObjectId outer = addBlock("OUTER");
        // BOX at (100,0) doubled, so its line runs from (100,0) to (120,0) in OUTER.
        auto* inner = new ZcDbBlockReference({100, 0, 0}, box);
        inner->setScaleFactors(ZcGeScale3d(2, 2, 2));
        innerRef = append(outer, inner);
        // OUTER at (1000,0) turned a quarter: the line runs from (1000,100) to (1000,120).
        auto* top = new ZcDbBlockReference({1000, 0, 0}, outer);
        top->setRotation(std::numbers::pi / 2);
        topRef = append(zrxhost::modelSpaceId(db.get()), top);
        plain = addLine(0, 500, 10, 500);
    }
    ZcDbObjectId boxLine, innerRef, topRef, plain;
};

TEST_F(LispNestedPick, NentselGivesTheEntityOfTheDefinitionWithItsMatrixAndReferences)
{
    answer({"1000,110"});
    eval("(setq hit (nentsel))");
    EXPECT_EQ(eval("(eq (car hit) (handent \"" + hex(boxLine) + "\"))"), "T");
    EXPECT_EQ(eval("(cadr hit)"), "(1000.0 110.0 0.0)");
    // Columns: X of the definition goes to world +Y doubled, Y to world -X doubled, and the
    // definition's origin to (1000,100).
    EXPECT_EQ(eval("(mapcar '(lambda (p) (mapcar 'fix (mapcar '(lambda (x) (+ x (if (minusp x) -0.5 0.5))) p))) (caddr hit))"),
              "((0 2 0) (-2 0 0) (0 0 2) (1000 100 0))");
    EXPECT_EQ(eval("(mapcar 'cdr (mapcar '(lambda (e) (assoc 5 (entget e))) (cadddr hit)))"),
              "(\"" + hex(innerRef) + "\" \"" + hex(topRef) + "\")");
}

TEST_F(LispNestedPick, TheMatrixPlacesTheDefinitionPointsWhereTheyAreSeen)
{
    answer({"1000,105"});
    eval("(setq hit (nentselp) m (caddr hit) p (cdr (assoc 11 (entget (car hit)))))");
    // The line's end (10,0) of the definition is seen at (1000,120).
    EXPECT_EQ(eval("(mapcar '(lambda (row) (+ (* (car row) (car p)) (* (cadr row) (cadr p)) (cadddr row))) m)"),
              "(1000.0 120.0 0.0 1.0)");
}

TEST_F(LispNestedPick, AnEntityOfTheSpaceOrAMissAnswersAsEntsel)
{
    answer({"5,500", "3000,3000", "*cancel*"});
    EXPECT_EQ(eval("(length (nentsel))"), "Select object: 5,500\n2");
    EXPECT_EQ(eval("(nentsel)"), "Select object: 3000,3000\nnil");
    EXPECT_EQ(eval("(nentsel)"), "Select object: *cancel*\n; error: Function cancelled");
    EXPECT_EQ(eval("(length (nentselp '(5 500)))"), "2");
    EXPECT_EQ(eval("(nentselp '(3000 3000))"), "nil");
}
