#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QString>

class LineNumberGutter;

// Whether the user can take a change back with Undo. Program insertions are
// not undoable; typing is.
enum class UndoMode { Allowed, NotAllowed };

// The editor as every command sees it: the classic multi-line edit control.
// Positions are character offsets in the whole text with every line break
// counting two (CR LF); lines are logical lines, also under word wrap.
class EditControl : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditControl(QWidget* parent = nullptr);

    // The whole text with CR LF line breaks.
    QString Text() const;
    // Replaces the whole text; any line break convention is accepted.
    void SetText(const QString& text);
    int TextLength() const;

    // Number of lines, not counting a final empty line.
    int LineCount() const;
    int LineFromChar(int position) const;
    // First position of a line; for the line after the last, the text length.
    int LineIndex(int line) const;
    int LineLength(int line) const;
    QString Line(int line) const;
    // Lines `first` to `last`, read in one walk.
    QStringList Lines(int first, int last) const;
    void SetLine(int line, const QString& text);
    // Inserts a line before `line`; `line` == LineCount() appends one.
    void InsertLine(int line, const QString& text);
    void DeleteLine(int line);

    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    // Selects `length` characters from `start`, the caret at the end.
    void SetSelection(int start, int length = 0);
    void ReplaceSelection(const QString& text, UndoMode undo = UndoMode::NotAllowed);

    int FirstVisibleLine() const;
    // The last line with a row on the screen, also one shown in part.
    int LastVisibleLine() const;
    void ScrollLines(int lines);

    // Set by every change of the text; cleared only by whoever consumes it.
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    bool CanUndo() const;
    void Undo() { undo(); }
    void Cut() { cut(); }
    void Copy() { copy(); }
    void Paste() { paste(); }

    // Converts between classic positions and the document's own positions,
    // in which a line break counts one.
    int ToDocumentPosition(int position) const;
    int FromDocumentPosition(int documentPosition) const;

    // The line-number gutter and the mark on the caret's line; off at first.
    void SetLineNumbers(bool on);
    bool LineNumbers() const { return lineNumbers_; }
    // The gutter once line numbers were turned on, else none.
    const LineNumberGutter* Gutter() const { return gutter_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Shift+Enter breaks the line like Enter: the text has no other line break than CR LF.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnContentsChange(int from, int removed, int added);

    // Room at the left for the gutter, when it is shown.
    void FitGutter();
    friend class LineNumberGutter;

    bool modified_ = false;
    bool lineNumbers_ = false;
    LineNumberGutter* gutter_ = nullptr;  // a child widget
};

// CR LF, lone CR and lone LF all become LF.
QString ToLfBreaks(const QString& text);
