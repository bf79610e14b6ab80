#include "platform/editcontrol.h"

#include "platform/linenumbergutter.h"
#include "platform/strayaltkeys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString ToLfBreaks(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString result = text;
    result.replace(kCrLf, QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

EditControl::EditControl(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(false);
    connect(document(), &QTextDocument::contentsChange, this, &EditControl::OnContentsChange);
}

void EditControl::OnContentsChange(int, int removed, int added)
{
    if (removed != 0 || added != 0)
        modified_ = true;
}

QString EditControl::Text() const
{
    // Read block by block: the document's own plain-text export turns
    // non-breaking spaces into blanks, which would change the file.
    QString result;
    result.reserve(document()->characterCount() * 2);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            result += kCrLf;
        result += block.text();
    }
    return result;
}

void EditControl::SetText(const QString& text)
{
    setPlainText(ToLfBreaks(text));
}

int EditControl::TextLength() const
{
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

int EditControl::LineCount() const
{
    const QTextDocument* doc = document();
    int count = doc->blockCount();
    if (doc->lastBlock().length() <= 1)
        --count;
    return count;
}

int EditControl::LineFromChar(int position) const
{
    const QTextDocument* doc = document();
    // The largest line whose first position is at or before `position`.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= position)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

int EditControl::LineIndex(int line) const
{
    const QTextDocument* doc = document();
    if (line < 0)
        return -1;
    if (line >= doc->blockCount())
        return line == doc->blockCount() ? TextLength() : -1;
    return doc->findBlockByNumber(line).position() + line;
}

int EditControl::LineLength(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.length() - 1 : 0;
}

QString EditControl::Line(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.text() : QString();
}

QStringList EditControl::Lines(int first, int last) const
{
    QStringList lines;
    if (last < first)
        return lines;
    lines.reserve(last - first + 1);
    QTextBlock block = document()->findBlockByNumber(first);
    for (int line = first; line <= last && block.isValid(); ++line, block = block.next())
        lines << block.text();
    return lines;
}

void EditControl::SetLine(int line, const QString& text)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ReplaceSelection(text);
}

void EditControl::InsertLine(int line, const QString& text)
{
    if (line < 0)
        return;
    if (line >= LineCount()) {
        const QString all = Text();
        const bool needsBreak = !all.isEmpty() && !all.endsWith(QLatin1Char('\n'));
        SetSelection(TextLength());
        ReplaceSelection((needsBreak ? kCrLf : QString()) + text + kCrLf);
        return;
    }
    SetSelection(LineIndex(line));
    ReplaceSelection(text + kCrLf);
}

void EditControl::DeleteLine(int line)
{
    if (line < 0 || line >= LineCount())
        return;
    const int start = LineIndex(line);
    const int next = line + 1 < document()->blockCount() ? LineIndex(line + 1) : TextLength();
    if (next > start) {
        SetSelection(start, next - start);
        ReplaceSelection(QString());
    } else if (line > 0) {
        // The last line without a following break: take the break before it.
        SetSelection(start - 2, 2);
        ReplaceSelection(QString());
    }
}

int EditControl::FromDocumentPosition(int documentPosition) const
{
    const QTextBlock block = document()->findBlock(documentPosition);
    return documentPosition + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int EditControl::ToDocumentPosition(int position) const
{
    position = std::clamp(position, 0, TextLength());
    const int line = LineFromChar(position);
    const QTextBlock block = document()->findBlockByNumber(line);
    const int column = std::min(position - (block.position() + line), block.length() - 1);
    return block.position() + column;
}

int EditControl::SelStart() const
{
    return FromDocumentPosition(textCursor().selectionStart());
}

int EditControl::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return FromDocumentPosition(cursor.selectionEnd()) - FromDocumentPosition(cursor.selectionStart());
}

QString EditControl::SelText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    return text;
}

void EditControl::SetSelection(int start, int length)
{
    QTextCursor cursor(document());
    cursor.setPosition(ToDocumentPosition(start));
    if (length != 0)
        cursor.setPosition(ToDocumentPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void EditControl::ReplaceSelection(const QString& text, UndoMode undo)
{
    QTextCursor cursor = textCursor();
    if (undo == UndoMode::NotAllowed)
        document()->setUndoRedoEnabled(false);
    cursor.insertText(ToLfBreaks(text));
    if (undo == UndoMode::NotAllowed)
        document()->setUndoRedoEnabled(true);
    setTextCursor(cursor);
}

int EditControl::FirstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

int EditControl::LastVisibleLine() const
{
    const QPointF offset = contentOffset();
    const int bottom = viewport()->height();
    QTextBlock block = firstVisibleBlock();
    int last = block.blockNumber();
    for (int number = last; block.isValid(); block = block.next(), ++number) {
        if (blockBoundingGeometry(block).translated(offset).top() > bottom)
            break;
        last = number;
    }
    return last;
}

void EditControl::ScrollLines(int lines)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

bool EditControl::CanUndo() const
{
    return document()->isUndoAvailable();
}

void EditControl::keyPressEvent(QKeyEvent* event)
{
    if (IsStrayAltKey(*event)) {
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditControl::SetLineNumbers(bool on)
{
    if (on && !gutter_)
        gutter_ = new LineNumberGutter(*this);
    lineNumbers_ = on;
    FitGutter();
    viewport()->update();
}

void EditControl::FitGutter()
{
    if (!gutter_)
        return;
    const int width = lineNumbers_ ? gutter_->WidthNeeded() : 0;
    // Only a new width lays the editor out again (the count of lines
    // changes with every line break typed).
    if (viewportMargins().left() != width)
        setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    gutter_->setGeometry(area.left(), area.top(), width, area.height());
    gutter_->setVisible(lineNumbers_);
}

void EditControl::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    FitGutter();
}

void EditControl::paintEvent(QPaintEvent* event)
{
    if (lineNumbers_) {
        QPainter painter(viewport());
        gutter_->PaintCurrentLineMark(painter);
    }
    QPlainTextEdit::paintEvent(event);
}

void EditControl::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (gutter_ && event->type() == QEvent::FontChange) {
        gutter_->setFont(font());
        FitGutter();
    }
}
