#pragma once

#include <QString>

#include <vector>

enum class ProblemKind { Error, Warning };

// One mistake found in a page. The offset and length cover the tag or the
// reference it is about, in the checked text (CR LF line breaks, so they are
// the editor's positions); line and column are 1-based, in the editor's
// characters.
struct PageProblem {
    ProblemKind kind = ProblemKind::Error;
    int offset = 0;
    int length = 0;
    int line = 1;
    int column = 1;
    QString message;
};

// What a check found: the first problems in page order, at most
// kMaxListedProblems of them, and how many there were in all.
struct PageCheckResult {
    std::vector<PageProblem> problems;
    int errorCount = 0;
    int warningCount = 0;
    // Problems found beyond those listed.
    int omitted = 0;
};

inline constexpr int kMaxListedProblems = 1000;
