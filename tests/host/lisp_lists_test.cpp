// Lists: taking apart, building, searching, sorting; long lists work and free without
// running out of stack.
#include "support/lisp_fixture.h"

namespace {

using LispLists = LispTest;

TEST_F(LispLists, CarCdrAndTheirCompositions)
{
    eval("(setq l '((1 2) (3 4) 5 6))");
    EXPECT_EQ(eval("(caar l)"), "1");
    EXPECT_EQ(eval("(cadr l)"), "(3 4)");
    EXPECT_EQ(eval("(cdar l)"), "(2)");
    EXPECT_EQ(eval("(caddr l)"), "5");
    EXPECT_EQ(eval("(cadddr l)"), "6");
    EXPECT_EQ(eval("(cadadr l)"), "4");
    EXPECT_EQ(eval("(car nil)"), "nil");
    EXPECT_EQ(eval("(cdr '(a . b))"), "B");
}

TEST_F(LispLists, BuildingAndSearching)
{
    EXPECT_EQ(eval("(append '(1) nil '(2 3) '(4))"), "(1 2 3 4)");
    EXPECT_EQ(eval("(reverse '(1 2 3))"), "(3 2 1)");
    EXPECT_EQ(eval("(length '(1 2 3))"), "3");
    EXPECT_EQ(eval("(nth 1 '(a b c))"), "B");
    EXPECT_EQ(eval("(nth 5 '(a b c))"), "nil");
    EXPECT_EQ(eval("(member \"b\" '(\"a\" \"b\" \"c\"))"), "(\"b\" \"c\")");
    EXPECT_EQ(eval("(assoc 8 '((0 . \"LINE\") (8 . \"HULL\")))"), "(8 . \"HULL\")");
    EXPECT_EQ(eval("(subst '(8 . \"DECK\") '(8 . \"HULL\") '((0 . \"LINE\") (8 . \"HULL\")))"),
              "((0 . \"LINE\") (8 . \"DECK\"))");
    EXPECT_EQ(eval("(last '(1 2 3))"), "3");
    EXPECT_EQ(eval("(vl-position 'c '(a b c))"), "2");
    EXPECT_EQ(eval("(cons 1 '(2))"), "(1 2)");
}

TEST_F(LispLists, SortingAndFiltering)
{
    EXPECT_EQ(eval("(vl-sort '(3 1 2) '<)"), "(1 2 3)");
    EXPECT_EQ(eval("(vl-sort '(\"L-10\" \"L-2\") '(lambda (a b) (< (atoi (substr a 3)) (atoi (substr b 3)))))"),
              "(\"L-2\" \"L-10\")");
    EXPECT_EQ(eval("(vl-remove-if 'minusp '(1 -2 3))"), "(1 3)");
    EXPECT_EQ(eval("(vl-remove-if-not 'minusp '(1 -2 3))"), "(-2)");
    EXPECT_EQ(eval("(vl-sort '(2 1) 'nosuch)"), "; error: no function definition: NOSUCH");
    // Equal elements keep their order; a comparison that orders nothing still ends.
    EXPECT_EQ(eval("(vl-sort '((1 . a) (0 . b) (1 . c)) '(lambda (x y) (< (car x) (car y))))"), "((0 . B) (1 . A) (1 . C))");
    EXPECT_EQ(eval("(length (vl-sort '(5 3 8 1 9 2 7) '(lambda (x y) T)))"), "7");
}

TEST_F(LispLists, AMillionElementsWork)
{
    EXPECT_EQ(eval("(progn (setq big nil) (repeat 1000000 (setq big (cons 1 big))) (length big))"), "1000000");
    EXPECT_EQ(eval("(length (reverse big))"), "1000000");
    EXPECT_EQ(eval("(apply '+ big)"), "1000000");
    // Letting go of the list frees it one cell at a time.
    EXPECT_EQ(eval("(setq big nil)"), "nil");
}

TEST_F(LispLists, TypesAndEquality)
{
    EXPECT_EQ(eval("(mapcar 'type (list 1 1.0 \"s\" 'a '(1) nil))"), "(INT REAL STR SYM LIST nil)");
    EXPECT_EQ(eval("(equal '(1.0 2.0) '(1.0 2.0))"), "T");
    EXPECT_EQ(eval("(eq '(1) '(1))"), "nil");
    EXPECT_EQ(eval("(equal 1.0 1.0001)"), "nil");
    EXPECT_EQ(eval("(equal 1.0 1.0001 0.001)"), "T");
    EXPECT_EQ(eval("(equal '(0.0 10.0) '(0.0001 9.9999) 1e-3)"), "T");
    EXPECT_EQ(eval("(equal '(0.0 10.0) '(0.0001 9.9) 1e-3)"), "nil");
    EXPECT_EQ(eval("(null nil)"), "T");
    EXPECT_EQ(eval("(listp nil)"), "T");
    EXPECT_EQ(eval("(atom '(1))"), "nil");
    EXPECT_EQ(eval("(boundp 'never-set)"), "nil");
    eval("(setq now-set 1)");
    EXPECT_EQ(eval("(boundp 'now-set)"), "T");
}

}  // namespace
