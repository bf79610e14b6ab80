#include "editing/tagremoval.h"

#include "common/caretlines.h"
#include "platform/editcontrol.h"

namespace {

constexpr int kShownTagLength = 20;

}  // namespace

std::optional<TagPairAtSelection> FindTagPairAtSelection(const EditControl& edit)
{
    if (edit.SelLength() == 0)
        return std::nullopt;
    const LineSpan lines = SelectionLines(edit);
    const LineSpan columns = SelectionColumns(edit);

    const QString startLine = edit.Line(lines.start);
    const int openAt = columns.start - 1;
    if (openAt >= startLine.size() || startLine[openAt] != QLatin1Char('<'))
        return std::nullopt;
    const int openGt = static_cast<int>(startLine.indexOf(QLatin1Char('>'), openAt));
    if (openGt < 0)
        return std::nullopt;

    const QString endLine = edit.Line(lines.end);
    const int closeGt = columns.end - 2;  // the last selected character
    if (closeGt < 0 || closeGt >= endLine.size() || endLine[closeGt] != QLatin1Char('>'))
        return std::nullopt;
    const int closeLt = static_cast<int>(endLine.lastIndexOf(QLatin1Char('<'), closeGt));
    if (closeLt < 0)
        return std::nullopt;

    TagPairAtSelection tags;
    const int startLineIndex = edit.LineIndex(lines.start);
    const int endLineIndex = edit.LineIndex(lines.end);
    tags.openStart = startLineIndex + openAt;
    tags.openEnd = startLineIndex + openGt + 1;
    tags.closeStart = endLineIndex + closeLt;
    tags.closeEnd = endLineIndex + closeGt + 1;
    if (tags.openEnd > tags.closeStart)
        return std::nullopt;
    tags.openText = startLine.mid(openAt, openGt - openAt + 1);
    tags.closeText = endLine.mid(closeLt + 1, closeGt - closeLt);
    return tags;
}

QString RemoveTagCaption(const TagPairAtSelection& tags)
{
    return QStringLiteral("Remo&ve ") + tags.openText.left(kShownTagLength) + QStringLiteral("..<") +
           tags.closeText.left(kShownTagLength);
}

void RemoveTagPair(EditControl& edit)
{
    const std::optional<TagPairAtSelection> tags = FindTagPairAtSelection(edit);
    if (!tags)
        return;
    const int startLine = SelectionLines(edit).start;
    // The closing tag goes first, so the opening tag's position stays valid.
    edit.SetSelection(tags->closeStart, tags->closeEnd - tags->closeStart);
    edit.ReplaceSelection(QString());
    edit.SetSelection(tags->openStart, tags->openEnd - tags->openStart);
    edit.ReplaceSelection(QString());
    edit.SetSelection(edit.LineIndex(startLine) + edit.LineLength(startLine));
}

void SelectCaretLine(EditControl& edit)
{
    const int line = CaretLine(edit, 0);
    edit.SetSelection(edit.LineIndex(line), edit.LineLength(line));
}
