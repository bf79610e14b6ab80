#include "editing/search.h"

#include "common/caretlines.h"
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
// Characters of rewritten text that go into the editor in one replacement.
constexpr int kStretchLength = 256 * 1024;

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

// Replaces every match from `origin` on. The text from the first to the last
// match of a stretch of lines is rewritten with one replacement, so a long
// run costs a few edits of the editor instead of one per match; between
// stretches the window may repaint.
int ReplaceAll(EditControl& edit, const LineSearcher& searcher, const QString& replacement, Match origin,
               const std::function<void()>& progress)
{
    const int length = searcher.Length();
    const QString lineBreak = QStringLiteral("\r\n");
    QElapsedTimer sinceFlush;
    sinceFlush.start();

    int replaced = 0;
    int lastStart = -1;
    bool open = false;     // a stretch has begun and is not yet written
    int stretchStart = 0;  // its position in the editor
    int consumed = 0;      // characters of the editor's text it replaces
    QString rewritten;     // what replaces them
    int lastInStretch = 0; // offset of its last replacement in `rewritten`
    QString gap;           // unchanged text since the stretch's last match

    const auto flush = [&] {
        if (!open)
            return;
        edit.SetSelection(stretchStart, consumed);
        edit.ReplaceSelection(rewritten);
        lastStart = stretchStart + lastInStretch;
        open = false;
        rewritten.clear();
        if (progress)
            progress();
        sinceFlush.restart();
    };

    int line = origin.line;
    int column = origin.column;
    for (QTextBlock block = edit.document()->findBlockByNumber(line); block.isValid();) {
        const QString text = block.text();
        const QString prepared = searcher.Prepare(text);
        int copiedUpTo = column;
        for (int found = searcher.Find(prepared, column); found >= 0; found = searcher.Find(prepared, copiedUpTo)) {
            if (!open) {
                open = true;
                stretchStart = edit.LineIndex(line) + found;
                consumed = 0;
                gap.clear();
                copiedUpTo = found;
            }
            rewritten += gap;
            rewritten += QStringView(text).mid(copiedUpTo, found - copiedUpTo);
            consumed += static_cast<int>(gap.size()) + (found - copiedUpTo) + length;
            gap.clear();
            lastInStretch = static_cast<int>(rewritten.size());
            rewritten += replacement;
            copiedUpTo = found + length;
            ++replaced;
        }
        const bool last = !block.next().isValid();
        if (open) {
            gap += QStringView(text).mid(copiedUpTo);
            if (!last)
                gap += lineBreak;
            if (rewritten.size() > kStretchLength || sinceFlush.elapsed() >= kProgressIntervalMs) {
                flush();
                block = edit.document()->findBlockByNumber(line + 1);
                ++line;
                column = 0;
                continue;
            }
        }
        block = block.next();
        ++line;
        column = 0;
    }
    flush();
    if (lastStart >= 0)
        edit.SetSelection(lastStart, static_cast<int>(replacement.size()));
    return replaced;
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
    if (count == ReplaceCount::All)
        return ReplaceAll(edit, searcher, replacement, SearchOrigin(edit, start), progress);
    const Match match = FindFrom(edit, searcher, SearchOrigin(edit, start));
    if (match.line < 0)
        return 0;
    const int at = edit.LineIndex(match.line) + match.column;
    edit.SetSelection(at, searcher.Length());
    edit.ReplaceSelection(replacement);
    edit.SetSelection(at, static_cast<int>(replacement.size()));
    return 1;
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
