#include "check/markupmessages.h"

#include <QHash>
#include <QRegularExpression>

#include <array>

namespace {

enum class Action { Keep, Drop };

struct Rewording {
    const char* key;
    Action action;
    ProblemKind kind;
    // Applied to the checker's own text when given; \1... are its parts.
    const char* pattern;
    const char* replacement;
};

// Mistakes that make a page invalid in every HTML version are errors, even
// where the checker, repairing them silently, calls them warnings.
constexpr std::array kRewordings{
    // "replacing unexpected b with </b>", placed at the tag still open.
    Rewording{"NON_MATCHING_ENDTAG", Action::Keep, ProblemKind::Error, R"x(^replacing unexpected (\S+) with .*$)x",
              R"x(</\1> comes before this tag is closed: the tags are crossed or the end tag is mistyped)x"},
    Rewording{"DISCARDING_UNEXPECTED", Action::Keep, ProblemKind::Error, R"x(^discarding unexpected (</.*)$)x",
              R"x(unexpected \1: nothing open here for it to close)x"},
    Rewording{"DISCARDING_UNEXPECTED", Action::Keep, ProblemKind::Error, R"x(^discarding unexpected (.*)$)x",
              R"x(unexpected \1 here)x"},
    Rewording{"UNKNOWN_ELEMENT", Action::Keep, ProblemKind::Error, R"x(^(\S+) is not recognized!?$)x",
              R"x(unknown element \1)x"},
    Rewording{"REPEATED_ATTRIBUTE", Action::Keep, ProblemKind::Error,
              R"x(^(\S+) dropping value ".*" for repeated attribute "(.*)"$)x", R"x(\1 has the attribute "\2" more than once)x"},
    Rewording{"PROPRIETARY_ATTRIBUTE", Action::Keep, ProblemKind::Warning, R"x(^(\S+) proprietary attribute "(.*)"$)x",
              R"x(\1 attribute "\2" is not standard HTML: misspelt, or known to some browsers only)x"},
    Rewording{"PROPRIETARY_ELEMENT", Action::Keep, ProblemKind::Warning, R"x(^(\S+) is not approved by W3C$)x",
              R"x(\1 is not standard HTML: known to some browsers only)x"},
    Rewording{"TRIM_EMPTY_ELEMENT", Action::Keep, ProblemKind::Warning, R"x(^trimming empty (.*)$)x", R"x(empty \1)x"},
    Rewording{"ILLEGAL_URI_CODEPOINT", Action::Keep, ProblemKind::Warning, R"x(^(\S+) illegal characters found in URI$)x",
              R"x(\1 address holds characters an address may not hold (a blank is written %20))x"},
    Rewording{"UNKNOWN_ENTITY", Action::Keep, ProblemKind::Error, R"x(^unescaped & or unknown entity "(.*)"$)x",
              R"x(unknown entity "\1" (a lone & is written &amp;))x"},
    Rewording{"MISSING_ENDTAG_FOR", Action::Keep, ProblemKind::Error, nullptr, nullptr},
    Rewording{"MISSING_ENDTAG_BEFORE", Action::Keep, ProblemKind::Error, nullptr, nullptr},
    Rewording{"BAD_ATTRIBUTE_VALUE", Action::Keep, ProblemKind::Error, nullptr, nullptr},
    // The checker's repairs: the mistake that caused each is reported itself.
    Rewording{"INSERTING_TAG", Action::Drop, ProblemKind::Warning, nullptr, nullptr},
    Rewording{"ESCAPED_ILLEGAL_URI", Action::Drop, ProblemKind::Warning, nullptr, nullptr},
    // The page's own bookmark check names both places.
    Rewording{"ANCHOR_NOT_UNIQUE", Action::Drop, ProblemKind::Warning, nullptr, nullptr},
    // SUMMARY is advice for speech browsers; no HTML version requires it.
    Rewording{"MISSING_ATTRIBUTE", Action::Drop, ProblemKind::Warning, R"x(^.* lacks "summary" attribute$)x", nullptr},
};

}  // namespace

namespace {

const QRegularExpression& Pattern(const char* pattern)
{
    static thread_local QHash<const char*, QRegularExpression> patterns;
    auto it = patterns.find(pattern);
    if (it == patterns.end())
        it = patterns.insert(pattern, QRegularExpression(QString::fromUtf8(pattern)));
    return *it;
}

}  // namespace

std::optional<ProblemKind> MarkupMessageKind(const QString& key, bool checkerCallsItError,
                                             const std::function<QString()>& text)
{
    for (const Rewording& rewording : kRewordings) {
        if (key != QLatin1String(rewording.key))
            continue;
        if (rewording.action == Action::Drop) {
            if (!rewording.pattern || Pattern(rewording.pattern).match(text()).hasMatch())
                return std::nullopt;
            continue;
        }
        return checkerCallsItError ? ProblemKind::Error : rewording.kind;
    }
    return checkerCallsItError ? ProblemKind::Error : ProblemKind::Warning;
}

QString MarkupMessageText(const QString& key, const QString& text)
{
    for (const Rewording& rewording : kRewordings) {
        if (key != QLatin1String(rewording.key) || rewording.action == Action::Drop || !rewording.pattern)
            continue;
        const QRegularExpressionMatch match = Pattern(rewording.pattern).match(text);
        if (!match.hasMatch())
            continue;
        QString reworded = QString::fromUtf8(rewording.replacement);
        for (int part = match.lastCapturedIndex(); part >= 1; --part)
            reworded.replace(QStringLiteral("\\%1").arg(part), match.captured(part));
        return reworded;
    }
    return text;
}
