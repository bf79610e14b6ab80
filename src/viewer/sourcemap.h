#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class Canvas;
class SectionStore;
class TCell;
class TSection;

// Source offsets are indexes into the text the document was parsed from
// (UTF-16 code units; a page given as lines is those lines, each followed by
// one line break). They are what an editor showing the same text needs to
// find the character that made something on the screen, and back.

// Where the characters of one section's text came from. Built while the text
// is read, in reading order, so the runs rise in both index and source.
// Which side an offset that falls between two pieces of shown text goes
// with: the caret after the text before it (Preceding), or the first line
// of what follows (Following), as a view that starts at a source line wants.
enum class SourceAffinity { Preceding, Following };

class TextSource {
public:
    // One piece: Count characters from At came from Source up to SourceEnd.
    // When the counts are equal they did so one for one; otherwise the
    // piece's characters stand together for all of it (a character
    // reference, a run of blanks and line ends made one blank, a tab made
    // blanks up to the next tab stop).
    struct Run {
        int At = 0;
        int Count = 0;
        int Source = 0;
        int SourceEnd = 0;
    };

    TextSource() = default;
    TextSource(TextSource&& other) noexcept
        : Start(other.Start), holds_(std::exchange(other.holds_, Holds::Nothing)),
          block_(std::exchange(other.block_, nullptr))
    {
    }
    TextSource& operator=(TextSource&& other) noexcept
    {
        if (this != &other) {
            Release();
            Start = other.Start;
            holds_ = std::exchange(other.holds_, Holds::Nothing);
            block_ = std::exchange(other.block_, nullptr);
        }
        return *this;
    }
    ~TextSource() { Release(); }

    // `count` characters from `at` came one for one from `source`.
    void AddSpan(int at, int source, int count)
    {
        // Every text token comes this way: a list that is growing takes the
        // span in line, on the end of its last run when it follows on.
        if (count > 0 && holds_ == Holds::Runs) {
            std::vector<Run>& runs = *GrowingRuns();
            if (!runs.empty()) {
                Run& last = runs.back();
                if (last.SourceEnd - last.Source == last.Count && last.At + last.Count == at && last.SourceEnd == source) {
                    last.Count += count;
                    last.SourceEnd += count;
                    return;
                }
            }
            runs.push_back(Run{at, count, source, source + count});
            return;
        }
        AddSpanToAny(at, source, count);
    }
    // The `count` characters at `at` stand together for source..sourceEnd.
    void AddPacked(int at, int source, int sourceEnd, int count = 1)
    {
        if (sourceEnd - source == count)
            AddSpan(at, source, count);
        else if (holds_ == Holds::Runs)
            GrowingRuns()->push_back(Run{at, count, source, sourceEnd});
        else {
            Unpack();
            Push(Run{at, count, source, sourceEnd});
        }
    }
    // The runs of `token` (a piece read as one) for characters now at `at`,
    // less the token's first `skip` characters, which were not kept.
    void Append(const TextSource& token, int at, int skip);
    void Clear()
    {
        if (holds_ == Holds::Runs)
            GrowingRuns()->clear();
        else
            Release();
    }
    // Packs the runs once the text is complete (see Holds), in a block of
    // their own or in a document's store.
    void Squeeze() { Pack(nullptr); }
    void Squeeze(SectionStore& store) { Pack(&store); }
    bool Empty() const { return holds_ == Holds::Nothing || (holds_ == Holds::Runs && GrowingRuns()->empty()); }

    // The source offset of a caret standing before the character at
    // `index` (the text's length: after its last character); a character
    // that stands for more answers with the start of what it stands for.
    // Start when the text has no runs.
    int SourceOf(int index) const;
    // The source offset just after what the character at `index` came from.
    int SourceEndOf(int index) const;
    // The character index at which a caret at source offset `source` stands:
    // exact when the offset lies within or just after a run. Otherwise -1,
    // and laterIndex / laterSource name the first character made from later
    // source (both -1 when there is none).
    int IndexOf(int source, int& laterIndex, int& laterSource,
                SourceAffinity affinity = SourceAffinity::Preceding) const;

    // Where the section began in the source; answers for a text with no runs
    // of its own (the blank an empty preformatted line gets).
    int Start = -1;

private:
    void Pack(SectionStore* store);

    enum class Key { Index, Source };
    // The last run whose At (Key::Index) or Source (Key::Source) is at most
    // `value`, and the run after it; either may be missing.
    struct Neighbours {
        bool HasBefore = false;
        bool HasAfter = false;
        Run Before;
        Run After;
    };
    Neighbours Around(int value, Key key) const;
    // Makes packed runs growable again (nothing adds to a finished text today).
    void Unpack()
    {
        if (Packed())
            UnpackRuns();
    }
    void UnpackRuns();
    void Push(const Run& run);
    // AddSpan for runs not yet made or already packed.
    void AddSpanToAny(int at, int source, int count);

    // What the text holds, in one pointer (a page has thousands of texts):
    // nothing yet; while it grows, its runs, in a vector of its own (texts
    // are built one after the other: each grows its runs in the vector the
    // one before packed); once complete, the runs packed, in a block of its
    // own or in a document's store.
    //
    // Packed runs are nearly all small steps from the one before, kept as
    // numbers of a byte or two each: the run's distance from the end of the
    // one before in text and in source, its count and how far its source
    // length differs from it. Every 32nd run is marked with where it starts,
    // so a lookup reads a few runs rather than the whole text. The block
    // holds the number of marks and of bytes, the marks, then the bytes.
    enum class Holds : uint8_t { Nothing, Runs, OwnPacked, StorePacked };
    Holds holds_ = Holds::Nothing;
    void* block_ = nullptr;

    std::vector<Run>* GrowingRuns() const
    {
        return holds_ == Holds::Runs ? static_cast<std::vector<Run>*>(block_) : nullptr;
    }
    const uint32_t* Packed() const
    {
        return holds_ == Holds::OwnPacked || holds_ == Holds::StorePacked ? static_cast<const uint32_t*>(block_)
                                                                           : nullptr;
    }
    // Holds these growing runs, letting go of what it held.
    void HoldRuns(std::unique_ptr<std::vector<Run>> runs);
    // Lets go of what it holds, freeing what is its own.
    void Release()
    {
        if (holds_ == Holds::Runs || holds_ == Holds::OwnPacked)
            FreeBlock();
        holds_ = Holds::Nothing;
        block_ = nullptr;
    }
    void FreeBlock();
};

// Where something made from the source stands in the laid-out document.
struct SourcePlace {
    const TSection* Section = nullptr;
    int Index = 0;          // character index in the section's text
    int Position = 0;       // document character position
    int X = 0;              // from the document's left text edge
    int Y = 0;              // top of the line
    int Height = 0;         // height of the line
    int BlockTop = 0;       // the section's flow range
    int BlockBottom = 0;
};

// The source offset of what lies at (x, y) of the laid-out document (x from
// the left text edge, y from the top): the caret place between characters,
// a picture's or a form control's own start. -1 when nothing from the
// source is there.
int SourceOffsetAt(const TCell& document, Canvas& canvas, int x, int y);
// The source offset of the first character on the screen at or below y,
// for a view whose top is y. -1 for a document without text.
int SourceOffsetAtY(const TCell& document, int y);
// Where the caret place at a source offset is shown: exactly when the offset
// lies in text that is shown, else at the next thing shown from later
// source, else at the end of the last. False for a document without text.
bool PlaceOfSource(const TCell& document, Canvas& canvas, int source, SourcePlace& place,
                   SourceAffinity affinity = SourceAffinity::Preceding);
