#pragma once

#include "check/pageproblem.h"

class TextLines;

// Collects what the checks find, in any order, keeping no more than it will
// list: a page of a hundred thousand mistakes costs little memory.
class ProblemList {
public:
    // A length below 0 stands for the tag or entity that starts at `offset`,
    // measured only when the problem is listed.
    void Add(ProblemKind kind, int offset, int length, const QString& message);
    // Whether a problem at `offset` could still be listed; one that could
    // not is only counted, and its message need not be made.
    bool WouldList(int offset) const;
    void CountUnlisted(ProblemKind kind);
    // The problems in page order, each with its line, column and length.
    PageCheckResult Finish(const QString& text, const TextLines& lines);

private:
    // Keeps the kMaxListedProblems first in page order.
    void Trim();

    std::vector<PageProblem> problems_;
    int errorCount_ = 0;
    int warningCount_ = 0;
    int dropped_ = 0;
    // Once trimmed, problems from here on are not listed.
    int cutoff_ = -1;
};
