// Bad input never brings the host down: every built-in with arguments of the wrong kind,
// unbalanced text, runaway recursion and very long lists end in a value or an error.
#include <regex>
#include <set>

#include "support/lisp_fixture.h"

namespace {

using LispRobustness = LispTest;

// Argument lists of kinds most functions do not take.
const char* const kBadArguments[] = {
    "",        "nil",       "1",           "-1",         "1.5e300",      "\"s\"",  "'sym",
    "'(1 2)",  "'(1 . 2)",  "(list car)",  "1 \"s\"",    "\"s\" 1 2 3",  "'(nil) '(\"a\" . 5)",
    "(vl-catch-all-apply '/ '(1 0))",      "(ssadd)",    "(entlast)",    "'((0 . \"LINE\")) 0.0",
};

TEST_F(LispRobustness, EveryBuiltinTakesWrongArgumentsWithoutCrashing)
{
    addLine(0, 0, 10, 0);
    std::string all = eval("(atoms-family 1)");
    std::set<std::string> names;
    std::regex quoted("\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), quoted); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    ASSERT_GT(names.size(), 150u);
    // Functions that would leave the test's process or wait on the file system for nothing.
    for (const char* skipped : {"OPEN", "ARXLOAD", "ARXUNLOAD", "LOAD"}) names.erase(skipped);
    int calls = 0;
    for (const std::string& name : names) {
        if (eval("(type " + name + ")") != "SUBR") continue;
        for (const char* args : kBadArguments) {
            SCOPED_TRACE(name + " " + args);
            answer({});
            std::string out = eval("(type (vl-catch-all-apply '" + name + " (list " + args + ")))");
            EXPECT_EQ(out.find("; error"), std::string::npos) << out;
            ++calls;
        }
    }
    EXPECT_GT(calls, 2000);
    EXPECT_EQ(eval("(+ 1 2)"), "3");
}

TEST_F(LispRobustness, UnbalancedAndMalformedText)
{
    EXPECT_EQ(eval("(read \"(1 2\")"), "; error: malformed list on input");
    EXPECT_EQ(eval("(read \")\")"), "; error: extra right paren on input");
    EXPECT_EQ(eval("(read \"(1 . 2 3)\")"), "; error: malformed dotted pair");
    EXPECT_EQ(eval("(eval (read \"(+ 1 2)\"))"), "3");
    EXPECT_EQ(eval("(1 2 3)"), "; error: bad function: 1");
    EXPECT_EQ(eval("((1) 2)"), "; error: bad function: 1");
}

TEST_F(LispRobustness, DeepRecursionAndLongListsEndWell)
{
    eval("(defun deep (k) (if (= k 0) 0 (1+ (deep (1- k)))))");
    EXPECT_EQ(eval("(deep 100000)"), "; error: internal stack limit reached");
    EXPECT_EQ(eval("(deep 10)"), "10");
    eval("(defun build (k / l) (repeat k (setq l (cons k l))) l)");
    EXPECT_EQ(eval("(length (build 1000000))"), "1000000");
    EXPECT_EQ(eval("(length (mapcar '1+ (build 1000000)))"), "1000000");
    EXPECT_EQ(eval("(length (vl-sort (build 100000) '<))"), "100000");
    EXPECT_EQ(eval("(equal (build 100000) (build 100000))"), "T");
}

}  // namespace
