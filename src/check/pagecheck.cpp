#include "check/pagecheck.h"

#include "check/filechecks.h"
#include "check/markupcheck.h"
#include "check/namechecks.h"
#include "check/pagetags.h"
#include "check/problemlist.h"
#include "check/textlines.h"

#include <algorithm>

PageCheckResult CheckPage(const QString& text, const PageLocation& location)
{
    const TextLines lines(text);
    ProblemList problems;
    NameChecks names(lines);
    FileChecks files(location);
    int depth = 0;
    int deepest = 0;
    ForEachTag(text, [&](const PageTag& tag) {
        names.Visit(tag, problems);
        files.Visit(tag, problems);
        depth = NestingDepth(tag, depth);
        deepest = std::max(deepest, depth);
    });
    names.Report(problems);
    if (deepest <= kMaxCheckedNesting)
        CheckMarkup(text, lines, problems);
    else
        problems.Add(ProblemKind::Error, 0, 0,
                     QStringLiteral("elements are nested more than %1 deep: the markup is not checked")
                         .arg(kMaxCheckedNesting));
    return problems.Finish(text, lines);
}
