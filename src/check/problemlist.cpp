#include "check/problemlist.h"

#include "check/pagetags.h"
#include "check/textlines.h"

#include <algorithm>


namespace {

struct ProblemOrder {
    bool operator()(const PageProblem& a, const PageProblem& b) const { return a.offset < b.offset; }
};

}  // namespace

void ProblemList::Add(ProblemKind kind, int offset, int length, const QString& message)
{
    (kind == ProblemKind::Error ? errorCount_ : warningCount_) += 1;
    problems_.push_back(PageProblem{kind, offset, length, 1, 1, message});
    if (problems_.size() >= size_t(2 * kMaxListedProblems))
        Trim();
}

bool ProblemList::WouldList(int offset) const
{
    return cutoff_ < 0 || offset < cutoff_;
}

void ProblemList::CountUnlisted(ProblemKind kind)
{
    (kind == ProblemKind::Error ? errorCount_ : warningCount_) += 1;
    ++dropped_;
}

void ProblemList::Trim()
{
    if (problems_.size() <= size_t(kMaxListedProblems))
        return;
    // A stable sort keeps problems at one place in the order they were found.
    std::stable_sort(problems_.begin(), problems_.end(), ProblemOrder{});
    dropped_ += int(problems_.size()) - kMaxListedProblems;
    problems_.resize(size_t(kMaxListedProblems));
    cutoff_ = problems_.back().offset;
}

PageCheckResult ProblemList::Finish(const QString& text, const TextLines& lines)
{
    std::stable_sort(problems_.begin(), problems_.end(), ProblemOrder{});
    Trim();
    PageCheckResult result;
    for (PageProblem& problem : problems_) {
        const TextLines::Place place = lines.PlaceOf(problem.offset);
        problem.line = place.line;
        problem.column = place.column;
        if (problem.length < 0)
            problem.length = MarkupLengthAt(text, problem.offset);
    }
    result.problems = std::move(problems_);
    result.errorCount = errorCount_;
    result.warningCount = warningCount_;
    result.omitted = dropped_;
    problems_.clear();
    return result;
}
