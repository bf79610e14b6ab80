#include "editing/htmlhighlighter.h"

#include "platform/editcontrol.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// The state of a line never read. It has no colours.
constexpr int kUnread = -1;
// Added to the state of a line followed but not coloured (above the screen
// when it was followed): its colours are those of an older reading.
constexpr int kNotColoured = kHtmlLineStateLimit;
// Added to the state a line ended in before its text changed. It has no
// colours and waits to be read again.
constexpr int kChanged = kHtmlLineStateLimit << 1;
constexpr int kReadingBits = kNotColoured - 1;
// No state a line can end in.
constexpr int kNoState = -2;
// Lines longer than this are read for where they end but not coloured.
constexpr qsizetype kLongestColouredLine = 20000;

bool WaitsToBeRead(int state)
{
    return state == kUnread || (state & kChanged) != 0;
}
int EndOfReading(int state)
{
    return state & kReadingBits;
}

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

HtmlHighlighter::HtmlHighlighter(EditControl& editor)
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
            ListenToChanges(doc);
            // Every line waits for the screen. The base class would read the
            // whole document later on its own: this pass, reading nothing,
            // takes its place.
            lastLineToRead_ = -1;
            firstLineNotKnown_ = 0;
            rehighlight();
        } else {
            disconnect(&doc, &QTextDocument::contentsChange, this, nullptr);
            setDocument(nullptr);
            doc.markContentsDirty(0, doc.characterCount());
        }
    });
    viewport_->update();
}

void HtmlHighlighter::ListenToChanges(QTextDocument& document)
{
    disconnect(&document, &QTextDocument::contentsChange, this, nullptr);
    connect(&document, &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { MarkChangedLinesUnread(position, charsAdded); });
}

void HtmlHighlighter::MarkChangedLinesUnread(int position, int charsAdded)
{
    QTextDocument& doc = *document();
    QTextBlock line = doc.findBlock(position);
    if (!line.isValid())
        return;
    firstLineNotKnown_ = std::min(firstLineNotKnown_, line.blockNumber());
    const QTextBlock last = doc.findBlock(position + charsAdded);
    for (; line.isValid(); line = line.next()) {
        // A new line is unread already; a line that was read loses colours
        // that no longer sit on its text. The layout hears of the change
        // after this, so it needs no telling.
        const int state = line.userState();
        if (!WaitsToBeRead(state)) {
            // The old end of the reading tells, when the line is read again,
            // whether the lines below it change.
            line.setUserState(EndOfReading(state) | kChanged);
            if (!line.layout()->formats().isEmpty())
                line.layout()->clearFormats();
        }
        if (line == last)
            break;
    }
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
    const int previous = number == 0 ? kHtmlDocumentStart : previousBlockState();
    const int old = block.userState();
    // A line below the screen, or one whose predecessor is unread, waits.
    // One that waits already keeps its state, so that reading stops there.
    if (number > lastLineToRead_ || WaitsToBeRead(previous)) {
        setCurrentBlockState(WaitsToBeRead(old) ? old : kUnread);
        firstLineNotKnown_ = std::min(firstLineNotKnown_, number);
        return;
    }
    const int before = EndOfReading(previous);
    if (!WaitsToBeRead(old) && (old & kNotColoured) == 0) {
        // Read before and read again because the line above was: its
        // colours change unless that line ends as it did.
        if (number != lastReadLine_ + 1 || before != lastReadEnded_)
            readUnchangedLine_ = true;
    }
    const HtmlLineState after = ClassifyHtmlLine(text, before, pieces_);
    // A page written on one line (as minified pages are) stays plain: its
    // colours would cost more at every key than the line's own layout.
    if (text.size() <= kLongestColouredLine) {
        for (const HtmlPiece& piece : pieces_) {
            if (piece.kind != HtmlPieceKind::Text)
                setFormat(piece.start, piece.length, formats_[std::size_t(piece.kind)]);
        }
    }
    setCurrentBlockState(after);
    lastReadLine_ = number;
    lastReadEnded_ = old == kUnread ? kNoState : EndOfReading(old);
}

bool HtmlHighlighter::FollowLinesAbove(int top)
{
    QTextBlock line = document()->findBlockByNumber(firstLineNotKnown_);
    int before = line.previous().isValid() ? EndOfReading(line.previous().userState()) : kHtmlDocumentStart;
    bool endChanged = false;
    for (int number = firstLineNotKnown_; line.isValid() && number < top; line = line.next(), ++number) {
        const int state = line.userState();
        if (!WaitsToBeRead(state) && !endChanged) {
            before = EndOfReading(state);
            continue;
        }
        const int after = ClassifyHtmlLine(line.text(), before, pieces_);
        endChanged = state == kUnread || after != EndOfReading(state);
        line.setUserState(after | kNotColoured);
        before = after;
    }
    return endChanged;
}

void HtmlHighlighter::ColourVisibleLines()
{
    if (!document())
        return;
    const int top = editor_.FirstVisibleLine();
    const int bottom = editor_.LastVisibleLine();
    // A screenful below is read with the screen: every line read lays its
    // line out again and repaints, better once a page than once a line.
    lastLineToRead_ = bottom + (bottom - top + 1);
    QTextBlock line = document()->findBlockByNumber(top);
    const bool topStale = firstLineNotKnown_ < top && FollowLinesAbove(top);
    readUnchangedLine_ = topStale;
    lastReadLine_ = kNoState;
    Quietly(*document(), [&] {
        // Reading a line goes on down while the state it ends in differs
        // from the one the next line was read with.
        for (int number = top; line.isValid() && number <= bottom; line = line.next(), ++number) {
            const int state = line.userState();
            if (WaitsToBeRead(state) || (state & kNotColoured) || (topStale && number == top))
                rehighlightBlock(line);
        }
    });
    firstLineNotKnown_ = std::max(firstLineNotKnown_, bottom + 1);
    // Colours changed on lines the editor did not ask to repaint.
    if (readUnchangedLine_)
        viewport_->update();
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
