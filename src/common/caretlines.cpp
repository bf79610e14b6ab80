#include "common/caretlines.h"

#include "platform/editcontrol.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

int CaretLine(const EditControl& edit, int position)
{
    if (position == 0)
        return edit.LineFromChar(edit.SelStart());
    return edit.LineFromChar(std::clamp(position, 0, edit.TextLength()));
}

LineSpan SelectionLines(const EditControl& edit)
{
    const int start = edit.SelStart();
    return {CaretLine(edit, start), CaretLine(edit, start + edit.SelLength())};
}

LineSpan SelectionColumns(const EditControl& edit)
{
    const int start = edit.SelStart();
    const int end = start + edit.SelLength();
    const LineSpan lines = SelectionLines(edit);
    return {start - edit.LineIndex(lines.start) + 1, end - edit.LineIndex(lines.end) + 1};
}

void ScrollCaretLineToTop(EditControl& edit)
{
    // Under word wrap the scroll bar counts screen rows, so aim at the row
    // where the logical line begins rather than scrolling by a line count.
    const QTextBlock block = edit.document()->findBlockByNumber(CaretLine(edit, 0));
    if (!block.isValid())
        return;
    QScrollBar* bar = edit.verticalScrollBar();
    bar->setValue(std::clamp(block.firstLineNumber(), bar->minimum(), bar->maximum()));
}

void SplitAtChar(const QString& text, QStringList& list, QChar separator)
{
    if (QString::compare(text, QStringLiteral(" "), Qt::CaseSensitive) <= 0)
        return;
    list += text.split(separator, Qt::KeepEmptyParts);
}

QString LineStatusText(const EditControl& edit)
{
    return QStringLiteral("Line %1/%2   ").arg(CaretLine(edit, 0) + 1).arg(edit.LineCount() + 1);
}
