#include "editing/htmlhighlighter.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Lines read beyond the bottom of the screen, so that a page down finds
// them coloured.
constexpr int kLinesAhead = 150;
// The state of a line not read yet.
constexpr int kUnread = -1;

struct Palette {
    const char* tag;
    const char* attributeName;
    const char* attributeValue;
    const char* entity;
    const char* comment;
    const char* declaration;
    const char* ignored;
};

constexpr Palette kOnLight{"#1c3fa8", "#9a3412", "#17703a", "#7a3db8", "#6b7280", "#8a5a00", "#a0a6b0"};
constexpr Palette kOnDark{"#7cb7ff", "#f0a060", "#98d08a", "#d0a8ff", "#8b949e", "#e0c070", "#6b7280"};

QTextCharFormat Coloured(const char* colour, bool italic = false)
{
    QTextCharFormat format;
    format.setForeground(QColor(QLatin1StringView(colour)));
    if (italic)
        format.setFontItalic(true);
    return format;
}

}  // namespace

HtmlHighlighter::HtmlHighlighter(QPlainTextEdit& editor)
    : QSyntaxHighlighter(&editor), editor_(editor), viewport_(editor.viewport())
{
    ChooseColours();
    editor_.installEventFilter(this);
    viewport_->installEventFilter(this);
    SetColouring(true);
}

template <typename Pass>
void HtmlHighlighter::Quietly(QTextDocument& document, Pass pass)
{
    // Colours change no text: the document's change signals would tell the
    // editor otherwise (its change event and modified flag). The layout
    // hears of the new formats directly and repaints.
    const QSignalBlocker quiet(&document);
    pass();
}

void HtmlHighlighter::SetColouring(bool on)
{
    if (on == Colouring())
        return;
    QTextDocument& doc = *editor_.document();
    Quietly(doc, [&] {
        if (on) {
            setDocument(&doc);
            // Now rather than later, and only the lines on the screen.
            rehighlight();
        } else {
            setDocument(nullptr);
            doc.markContentsDirty(0, doc.characterCount());
        }
    });
    viewport_->update();
}

void HtmlHighlighter::ChooseColours()
{
    const bool dark = editor_.palette().color(QPalette::Base).lightness() < 128;
    const Palette& p = dark ? kOnDark : kOnLight;
    formats_[std::size_t(HtmlPieceKind::Text)] = QTextCharFormat();
    formats_[std::size_t(HtmlPieceKind::TagMark)] = Coloured(p.tag);
    formats_[std::size_t(HtmlPieceKind::TagName)] = Coloured(p.tag);
    formats_[std::size_t(HtmlPieceKind::AttributeName)] = Coloured(p.attributeName);
    formats_[std::size_t(HtmlPieceKind::AttributeValue)] = Coloured(p.attributeValue);
    formats_[std::size_t(HtmlPieceKind::Entity)] = Coloured(p.entity);
    formats_[std::size_t(HtmlPieceKind::Comment)] = Coloured(p.comment, true);
    formats_[std::size_t(HtmlPieceKind::Declaration)] = Coloured(p.declaration);
    formats_[std::size_t(HtmlPieceKind::Ignored)] = Coloured(p.ignored);
}

void HtmlHighlighter::highlightBlock(const QString& text)
{
    const QTextBlock block = currentBlock();
    const int number = block.blockNumber();
    const int before = number == 0 ? kHtmlDocumentStart : previousBlockState();
    // A line below the screen, or one whose predecessor is unread, waits.
    if (number > lastLineToRead_ || before < 0) {
        setCurrentBlockState(kUnread);
        return;
    }
    const HtmlLineState after = ClassifyHtmlLine(text, before, pieces_);
    for (const HtmlPiece& piece : pieces_) {
        if (piece.kind != HtmlPieceKind::Text)
            setFormat(piece.start, piece.length, formats_[std::size_t(piece.kind)]);
    }
    setCurrentBlockState(after);
}

void HtmlHighlighter::ColourVisibleLines()
{
    if (!document())
        return;
    QWidget* viewport = editor_.viewport();
    const QTextBlock top = editor_.cursorForPosition(QPoint(0, 0)).block();
    const int bottom = editor_.cursorForPosition(QPoint(0, viewport->height())).block().blockNumber();
    lastLineToRead_ = bottom + kLinesAhead;
    QTextBlock unread = top;
    while (unread.isValid() && unread.blockNumber() <= bottom && unread.userState() != kUnread)
        unread = unread.next();
    if (!unread.isValid() || unread.blockNumber() > bottom)
        return;
    // Reading goes on from the last line read above it.
    while (unread.previous().isValid() && unread.previous().userState() == kUnread)
        unread = unread.previous();
    Quietly(*document(), [&] { rehighlightBlock(unread); });
}

bool HtmlHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport_ && event->type() == QEvent::Paint) {
        ColourVisibleLines();
    } else if (watched == &editor_ && event->type() == QEvent::PaletteChange) {
        ChooseColours();
        if (Colouring())
            Quietly(*document(), [this] { rehighlight(); });
    }
    return QSyntaxHighlighter::eventFilter(watched, event);
}
