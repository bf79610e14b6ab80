#pragma once

#include "editing/htmlclassifier.h"

#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

// Colours the HTML source in an editor. Only the lines on the screen and a
// stretch below them are read: a line further down waits (state -1) until
// it is scrolled into view, so opening or editing a long document costs
// what the screen shows, not what the document holds. Colours are formats
// of the layout only: the text, its positions, the selection, undo and the
// modified state stay as they are.
class HtmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // Colours `editor`'s document from now on; owned by the editor.
    explicit HtmlHighlighter(QPlainTextEdit& editor);

    void SetColouring(bool on);
    bool Colouring() const { return document() != nullptr; }

    // The format of a kind on the editor's present background.
    QTextCharFormat FormatOf(HtmlPieceKind kind) const { return formats_[std::size_t(kind)]; }

    // Reads every line not yet read from the top of the document down to
    // the last line on the screen and the stretch below it.
    void ColourVisibleLines();

protected:
    void highlightBlock(const QString& text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseColours();
    template <typename Pass>
    static void Quietly(QTextDocument& document, Pass pass);

    QPlainTextEdit& editor_;
    QPointer<QWidget> viewport_;
    // The last line that may be read now.
    int lastLineToRead_ = 0;
    std::array<QTextCharFormat, std::size_t(HtmlPieceKind::Ignored) + 1> formats_;
    std::vector<HtmlPiece> pieces_;
};
