#include "editing/search.h"

#include "app/caretlines.h"
#include "editing/tagcommands.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "platform/prompts.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

constexpr qint64 kProgressIntervalMs = 100;

struct Match {
    int line = -1;
    int column = 0;  // 0-based offset in the line
};

class LineSearcher {
public:
    LineSearcher(const QString& text, Qt::CaseSensitivity caseSensitivity)
        : folded_(caseSensitivity == Qt::CaseInsensitive),
          needle_(folded_ ? AsciiUpper(text) : text)
    {
    }

    // The line as it is compared: folded once, searched many times.
    QString Prepare(const QString& line) const { return folded_ ? AsciiUpper(line) : line; }

    // Offset of the first match in a prepared line at or after `from`, or -1.
    int Find(const QString& prepared, int from) const
    {
        if (needle_.isEmpty() || prepared.size() - from < needle_.size())
            return -1;
        return static_cast<int>(prepared.indexOf(needle_, from));
    }

    int Length() const { return static_cast<int>(needle_.size()); }

private:
    bool folded_;
    QString needle_;
};

// Where a search from `start` begins: the line holding `start`, after the
// selection when the selection ends on that line.
Match SearchOrigin(const EditControl& edit, int start)
{
    const int line = CaretLine(edit, start);
    const int selectionEnd = edit.SelStart() + edit.SelLength();
    if (edit.SelLength() > 0 && edit.LineFromChar(selectionEnd) == line)
        return {line, selectionEnd - edit.LineIndex(line)};
    return {line, 0};
}

// The first match at or after `from` on `line`, then on the following lines.
Match FindFrom(const EditControl& edit, const LineSearcher& searcher, Match from)
{
    QTextBlock block = edit.document()->findBlockByNumber(from.line);
    for (int line = from.line, column = from.column; block.isValid(); block = block.next(), ++line, column = 0) {
        const int found = searcher.Find(searcher.Prepare(block.text()), column);
        if (found >= 0)
            return {line, found};
    }
    return {};
}

}  // namespace

bool SearchEditor(EditControl& edit, const QString& text, int start, Qt::CaseSensitivity caseSensitivity)
{
    const LineSearcher searcher(text, caseSensitivity);
    const Match match = FindFrom(edit, searcher, SearchOrigin(edit, start));
    if (match.line < 0)
        return false;
    edit.SetSelection(edit.LineIndex(match.line) + match.column, searcher.Length());
    return true;
}

int ReplaceInEditor(EditControl& edit, const QString& text, const QString& replacement, int start,
                    Qt::CaseSensitivity caseSensitivity, ReplaceCount count, const std::function<void()>& progress)
{
    const LineSearcher searcher(text, caseSensitivity);
    Match match = FindFrom(edit, searcher, SearchOrigin(edit, start));
    if (match.line < 0)
        return 0;
    const int length = searcher.Length();
    const int replacementLength = static_cast<int>(replacement.size());
    if (count == ReplaceCount::Once) {
        const int at = edit.LineIndex(match.line) + match.column;
        edit.SetSelection(at, length);
        edit.ReplaceSelection(replacement);
        edit.SetSelection(at, replacementLength);
        return 1;
    }

    // All matches of one line go in with one replacement: the same text as
    // replacing them one by one, without re-reading the line for each.
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    int replaced = 0;
    int lastStart = 0;
    while (match.line >= 0) {
        const QString line = edit.Line(match.line);
        const QString prepared = searcher.Prepare(line);
        QString rewritten;
        int column = match.column;
        int copiedUpTo = match.column;
        int lastColumn = 0;
        while (column >= 0) {
            rewritten += QStringView(line).mid(copiedUpTo, column - copiedUpTo);
            lastColumn = match.column + static_cast<int>(rewritten.size());
            rewritten += replacement;
            copiedUpTo = column + length;
            ++replaced;
            column = searcher.Find(prepared, copiedUpTo);
        }
        const int lineStart = edit.LineIndex(match.line);
        edit.SetSelection(lineStart + match.column, copiedUpTo - match.column);
        edit.ReplaceSelection(rewritten);
        lastStart = lineStart + lastColumn;
        if (progress && sinceProgress.elapsed() >= kProgressIntervalMs) {
            progress();
            sinceProgress.restart();
        }
        match = match.line + 1 < edit.document()->blockCount() ? FindFrom(edit, searcher, {match.line + 1, 0})
                                                                : Match{};
    }
    edit.SetSelection(lastStart, replacementLength);
    return replaced;
}

QString NotFoundMessage(const QString& text)
{
    return QStringLiteral("Search String \"%1\" not found").arg(text);
}

void JumpToLine(EditControl& edit, Prompts& prompts)
{
    const std::optional<QString> value =
        prompts.AskValue(QStringLiteral("Jump to Line"), QStringLiteral("Line #"), QString());
    if (!value)
        return;
    bool isNumber = false;
    const int number = value->trimmed().toInt(&isNumber);
    if (!isNumber)
        throw KivoError(QStringLiteral("'%1' is not a valid integer value").arg(*value));
    const int line = std::max(number, 1) - 1;
    edit.SetSelection(line < edit.document()->blockCount() ? edit.LineIndex(line) : edit.TextLength());
    ScrollCaretLineToTop(edit);
}
