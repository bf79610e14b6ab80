#include "check/markupcheck.h"

#include "check/markupmessages.h"
#include "check/pagetags.h"
#include "check/problemlist.h"
#include "check/textlines.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <QSet>
#include <QThread>

#include <memory>

namespace {

// Room for the deepest nesting let through, many times over.
constexpr uint kCheckerStackBytes = 64u * 1024 * 1024;

const char kTransitionalDoctype[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">\n";

struct TidyRun {
    const TextLines& lines;
    ProblemList& problems;
    // Lines put in front of the page (the DOCTYPE it lacked).
    int addedLines = 0;
    // Where the last unknown element was reported: the checker follows it
    // with a second message of its own at the same place.
    int unknownElementAt = -1;
    // Where the checker put tags of its own to repair the page: it reports
    // them as empty or unclosed later, which is its business, not the page's.
    QSet<int> repairs;
};

bool IsReported(TidyReportLevel level)
{
    return level == TidyWarning || level == TidyError || level == TidyBadDocument || level == TidyFatal;
}

Bool TIDY_CALL OnMessage(TidyMessage message)
{
    auto* run = static_cast<TidyRun*>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyReportLevel level = tidyGetMessageLevel(message);
    const int line = tidyGetMessageLine(message) - run->addedLines;
    if (!IsReported(level) || tidyGetMessageLine(message) <= 0)
        return no;
    const QString key = QString::fromUtf8(tidyGetMessageKey(message));
    const int offset = run->lines.OffsetOfCodePointColumn(std::max(line, 1), tidyGetMessageColumn(message));
    if (key == QLatin1String("UNKNOWN_ELEMENT")) {
        run->unknownElementAt = offset;
    } else if (offset == run->unknownElementAt) {
        return no;
    } else if (key == QLatin1String("INSERTING_TAG")) {
        run->repairs.insert(offset);
    } else if ((key == QLatin1String("TRIM_EMPTY_ELEMENT") || key == QLatin1String("MISSING_ENDTAG_FOR")) &&
               run->repairs.contains(offset)) {
        return no;
    }
    const auto text = [message] { return QString::fromUtf8(tidyGetMessageDefault(message)); };
    const std::optional<ProblemKind> kind = MarkupMessageKind(key, level != TidyWarning, text);
    if (!kind)
        return no;
    if (run->problems.WouldList(offset))
        run->problems.Add(*kind, offset, -1, MarkupMessageText(key, text()));
    else
        run->problems.CountUnlisted(*kind);
    return no;
}

struct TidyDocRelease {
    void operator()(TidyDoc doc) const { tidyRelease(doc); }
};
using TidyDocument = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyDocRelease>;

struct TidyBufferFree {
    void operator()(TidyBuffer* buffer) const { tidyBufFree(buffer); }
};

}  // namespace

bool HasDoctype(const QString& text)
{
    int at = 0;
    const int length = int(text.size());
    for (;;) {
        while (at < length && (text[at].isSpace() || text[at] == QChar(0xFEFF)))
            ++at;
        if (text.mid(at, 4) != QLatin1String("<!--"))
            break;
        const int close = int(text.indexOf(QLatin1String("-->"), at + 4));
        if (close < 0)
            return false;
        at = close + 3;
    }
    return text.mid(at, 9).compare(QLatin1String("<!DOCTYPE"), Qt::CaseInsensitive) == 0;
}

void CheckMarkup(const QString& text, const TextLines& lines, ProblemList& problems)
{
    TidyRun run{lines, problems, 0, -1, {}};
    QByteArray bytes;
    if (!HasDoctype(text)) {
        bytes = kTransitionalDoctype;
        run.addedLines = 1;
    }
    // A NUL would end the checker's reading; any one character in its place
    // keeps the columns.
    QString checked = text;
    checked.replace(QChar(0), QChar::ReplacementCharacter);
    // The byte order mark would stand after the DOCTYPE put in front; a
    // blank keeps the first line's columns.
    if (checked.startsWith(QChar(0xFEFF)))
        checked[0] = QLatin1Char(' ');
    bytes += checked.toUtf8();

    const TidyDocument doc(tidyCreate());
    tidySetAppData(doc.get(), &run);
    tidySetMessageCallback(doc.get(), OnMessage);
    tidyOptSetInt(doc.get(), TidyShowErrors, 0x7FFFFFFF);
    tidyOptSetBool(doc.get(), TidyShowWarnings, yes);
    tidyOptSetBool(doc.get(), TidyShowInfo, no);
    tidyOptSetBool(doc.get(), TidyQuiet, yes);
    // Each character, a tab too, is one column, as in the editor.
    tidyOptSetInt(doc.get(), TidyTabSize, 1);
    tidySetInCharEncoding(doc.get(), "utf8");

    TidyBuffer input;
    tidyBufInit(&input);
    const std::unique_ptr<TidyBuffer, TidyBufferFree> inputOwner(&input);
    tidyBufAppend(&input, bytes.data(), uint(bytes.size()));
    // The checker descends one call per open element: a thread with a deep
    // stack of its own takes any page that passed the nesting guard.
    std::unique_ptr<QThread> thread(QThread::create([&doc, &input] {
        // The repairs and the diagnostics report what parsing alone does
        // not: attributes and elements outside the page's HTML version.
        if (tidyParseBuffer(doc.get(), &input) >= 0) {
            tidyCleanAndRepair(doc.get());
            tidyRunDiagnostics(doc.get());
        }
    }));
    thread->setStackSize(kCheckerStackBytes);
    thread->start();
    thread->wait();
}

int NestingDepth(const PageTag& tag, int depth)
{
    // The elements that hold others until their end tag. Empty elements,
    // those the next of their kind closes and unknown ones nest nothing.
    static const QSet<QString> kNesting = {
        "A",        "ABBR",   "ACRONYM", "ADDRESS", "APPLET",   "B",      "BDO",    "BIG",     "BLINK",  "BLOCKQUOTE",
        "BUTTON",   "CAPTION", "CENTER", "CITE",    "CODE",     "DEL",    "DFN",    "DIR",     "DIV",    "DL",
        "EM",       "FIELDSET", "FONT",  "FORM",    "FRAMESET", "H1",     "H2",     "H3",      "H4",     "H5",
        "H6",       "I",      "IFRAME",  "INS",     "KBD",      "LABEL",  "LEGEND", "MAP",     "MARQUEE", "MENU",
        "NOBR",     "NOFRAMES", "NOSCRIPT", "OBJECT", "OL",     "OPTGROUP", "PRE",  "Q",       "S",      "SAMP",
        "SELECT",   "SMALL",  "SPAN",    "STRIKE",  "STRONG",   "SUB",    "SUP",    "TABLE",   "TEXTAREA", "TT",
        "U",        "UL",     "VAR"};
    if (!kNesting.contains(tag.name))
        return depth;
    return tag.isEnd ? std::max(depth - 1, 0) : depth + 1;
}
