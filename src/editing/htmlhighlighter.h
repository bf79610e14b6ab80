#pragma once

#include "editing/htmlclassifier.h"

#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

class EditControl;
class QTextDocument;

// Colours the HTML source in an editor. A change to the text only marks the
// lines it touched as unread; lines are read when they are about to be
// painted: those on the screen and a stretch below them get their colours,
// changed lines above the screen are only followed for where their reading
// ends (a comment left open colours the screen). So opening, replacing all
// or editing a long document costs what the screen shows, not what the
// document holds or how many pieces a command changed. Colours are formats
// of the layout only: the text, its positions, the selection, undo and the
// modified state stay as they are.
class HtmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // Colours `editor`'s document from now on; owned by the editor.
    explicit HtmlHighlighter(EditControl& editor);

    void SetColouring(bool on);
    bool Colouring() const { return document() != nullptr; }

    // The format of a kind on the editor's present background.
    QTextCharFormat FormatOf(HtmlPieceKind kind) const { return formats_[std::size_t(kind)]; }

    // Reads every line not yet read from the top of the document down to
    // the last line on the screen, and what those lines change below them.
    void ColourVisibleLines();

protected:
    void highlightBlock(const QString& text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseColours();
    // Takes the document's changes instead of the base class, which would
    // read every changed line at once.
    void ListenToChanges(QTextDocument& document);
    void MarkChangedLinesUnread(int position, int charsAdded);
    // Follows the lines from the first one not known down to the screen's
    // top for where their reading ends, without colouring them; true when
    // the line at the top must be read again.
    bool FollowLinesAbove(int top);
    template <typename Pass>
    static void Quietly(QTextDocument& document, Pass pass);

    EditControl& editor_;
    QPointer<QWidget> viewport_;
    // The last line that may be read now.
    int lastLineToRead_ = 0;
    // Every line above this one has the state its text and the lines above
    // it give.
    int firstLineNotKnown_ = 0;
    // A line read while painting was not one the editor repaints by itself.
    bool readUnchangedLine_ = false;
    // The last line read and the state it ended in before.
    int lastReadLine_ = -2;
    int lastReadEnded_ = -2;
    std::array<QTextCharFormat, std::size_t(HtmlPieceKind::Ignored) + 1> formats_;
    std::vector<HtmlPiece> pieces_;
};
