// The language: definitions, bindings, control forms, functions as values and errors.
#include "support/lisp_fixture.h"

namespace {

using LispLanguage = LispTest;

TEST_F(LispLanguage, DefunBindsArgumentsAndLocalsForTheCallOnly)
{
    eval("(setq x 100 tmp \"outer\")");
    EXPECT_EQ(eval("(defun sq (x / tmp) (setq tmp (* x x)) tmp)"), "SQ");
    EXPECT_EQ(eval("(sq 7)"), "49");
    EXPECT_EQ(eval("(list x tmp)"), "(100 \"outer\")");
    EXPECT_EQ(eval("(sq 1 2)"), "; error: too many arguments");
    EXPECT_EQ(eval("(sq)"), "; error: too few arguments");
    // Symbols are the same whatever their case.
    EXPECT_EQ(eval("(SQ 3)"), "9");
}

TEST_F(LispLanguage, ScopeIsDynamicAsOnThePlatform)
{
    eval("(defun show () depth)");
    eval("(defun outer (depth) (show))");
    EXPECT_EQ(eval("(outer 3)"), "3");
    EXPECT_EQ(eval("(show)"), "nil");
}

TEST_F(LispLanguage, ControlForms)
{
    EXPECT_EQ(eval("(if (> 2 1) \"yes\" \"no\")"), "\"yes\"");
    EXPECT_EQ(eval("(if nil 1)"), "nil");
    EXPECT_EQ(eval("(cond ((= 1 2) 'a) ((= 1 1) 'b 'c) (T 'd))"), "C");
    EXPECT_EQ(eval("(cond ((member 2 '(1 2 3))))"), "(2 3)");
    EXPECT_EQ(eval("(progn (setq i 0 s 0) (while (< i 5) (setq s (+ s i) i (1+ i))) s)"), "10");
    EXPECT_EQ(eval("(progn (setq n 0) (repeat 4 (setq n (+ n 2))) n)"), "8");
    EXPECT_EQ(eval("(progn (setq acc nil) (foreach fe-item '(1 2 3) (setq acc (cons fe-item acc))) acc)"), "(3 2 1)");
    EXPECT_EQ(eval("(progn fe-item)"), "nil");
    EXPECT_EQ(eval("(and 1 nil (car 1))"), "nil");
    EXPECT_EQ(eval("(or nil 2 (car 1))"), "T");
    EXPECT_EQ(eval("(not 0)"), "nil");
}

TEST_F(LispLanguage, FunctionsAreValues)
{
    EXPECT_EQ(eval("(mapcar '(lambda (a b) (+ a b)) '(1 2 3) '(10 20))"), "(11 22)");
    EXPECT_EQ(eval("(mapcar (function 1+) '(1 2))"), "(2 3)");
    EXPECT_EQ(eval("(apply '+ '(1 2 3))"), "6");
    EXPECT_EQ(eval("(apply 'max (list 4 9 2))"), "9");
    EXPECT_EQ(eval("((lambda (x) (* x 10)) 4)"), "40");
    EXPECT_EQ(eval("(eval '(+ 1 2))"), "3");
    EXPECT_EQ(eval("(eval (list 'setq 'made 5))"), "5");
    EXPECT_EQ(eval("(type car)"), "SUBR");
    eval("(defun f () 1)");
    EXPECT_EQ(eval("(type f)"), "USUBR");
}

TEST_F(LispLanguage, ReaderEscapesQuotesAndDottedPairs)
{
    EXPECT_EQ(eval("(strlen \"a\\nb\\t\\\\\\\"\")"), "6");
    EXPECT_EQ(eval("(ascii \"\\101\")"), "65");
    EXPECT_EQ(eval("(quote (1 . 2))"), "(1 . 2)");
    EXPECT_EQ(eval("(cdr '(8 . \"HULL\"))"), "\"HULL\"");
    EXPECT_EQ(eval("(quote a)"), "A");
    EXPECT_EQ(eval("(+ 1 2))"), "; error: extra right paren on input");
}

TEST_F(LispLanguage, ErrorFunctionGetsTheMessage)
{
    eval("(defun *error* (msg) (princ (strcat \"caught: \" msg)) (princ))");
    EXPECT_EQ(eval("(/ 1 0)"), "caught: divide by zero");
    EXPECT_EQ(eval("(exit)"), "caught: quit / exit abort");
    EXPECT_EQ(eval("(car 1)"), "caught: bad argument type: consp 1");
    eval("(setq *error* nil)");
    EXPECT_EQ(eval("(quit)"), "; error: quit / exit abort");
}

TEST_F(LispLanguage, CatchAllApplyTurnsErrorsIntoValues)
{
    eval("(setq r (vl-catch-all-apply '/ '(1 0)))");
    EXPECT_EQ(eval("(vl-catch-all-error-p r)"), "T");
    EXPECT_EQ(eval("(vl-catch-all-error-message r)"), "\"divide by zero\"");
    EXPECT_EQ(eval("(type r)"), "VL-CATCH-ALL-APPLY-ERROR");
    EXPECT_EQ(eval("(vl-catch-all-apply '+ '(1 2))"), "3");
    EXPECT_EQ(eval("(vl-catch-all-error-p 3)"), "nil");
}

TEST_F(LispLanguage, RunawayRecursionIsAnError)
{
    eval("(defun down (down-n) (if (> down-n 0) (down (1- down-n)) 'bottom))");
    EXPECT_EQ(eval("(down 100)"), "BOTTOM");
    EXPECT_EQ(eval("(down 100000)"), "; error: internal stack limit reached");
    // The bindings of the abandoned calls are undone.
    EXPECT_EQ(eval("(progn down-n)"), "nil");
    EXPECT_EQ(eval("(down 3)"), "BOTTOM");
}

TEST_F(LispLanguage, CommandFunctionsRunByName)
{
    eval("(defun c:hello () (princ \"hello from lisp\") (princ))");
    EXPECT_EQ(eval("HELLO"), "hello from lisp");
}

}  // namespace
