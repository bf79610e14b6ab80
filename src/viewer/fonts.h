#pragma once

#include "viewer/canvas.h"
#include "viewer/sectionstore.h"
#include "viewer/tightarray.h"
#include "viewer/urltarget.h"

#include <QColor>
#include <QString>
#include <array>
#include <unordered_set>
#include <utility>

enum class SubSuperState : unsigned char { None, Sub, Super };

// Scales a nominal size (points, pixels of spacing) by the viewer's default
// font size; 12 is the size everything is written for.
int ScaleByFontSize(int value, int defFontSize);

// A font with the two things a plain font lacks: the size it was asked for
// before scaling, and whether it is the fixed-pitch (preformatted) face.
// Documents keep one copy of each distinct font (TFontPool); runs point at it.
struct TMyFont {
    QString Name;
    int NominalSize = 12;   // points before scaling
    int Size = 12;          // points after scaling
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Fixed = false;
    QColor Color;

    // Measured on the canvas at layout time; not part of the font's identity.
    mutable int LineHeight = 0;   // text height + external leading
    mutable int Height = 0;
    mutable int Descent = 0;
    mutable int Overhang = 0;
    mutable uint64_t MeasuredOn = 0;   // the canvas the figures are from (its serial), 0 for none

    void SetNominalSize(int nominal, int defFontSize)
    {
        NominalSize = nominal;
        Size = ScaleByFontSize(nominal, defFontSize);
    }
    // Layout selects a font at every run and line: the canvas's font is made
    // once and made again only when a field it takes from has changed.
    const CanvasFont& ToCanvasFont() const
    {
        const CanvasFont& f = canvasFont_;
        if (f.points != Size || f.bold != Bold || f.italic != Italic || f.underline != Underline
            || f.face.constData() != Name.constData() || f.face.size() != Name.size())
            canvasFont_ = CanvasFont{Name, Size, Bold, Italic, Underline};
        return canvasFont_;
    }
    void Measure(Canvas& canvas) const;
    bool operator==(const TMyFont& o) const
    {
        // The cheap fields first (fonts of a page nearly always share their
        // name's text), the colour, compared out of line, last.
        return NominalSize == o.NominalSize && Size == o.Size && Bold == o.Bold && Italic == o.Italic
            && Underline == o.Underline && Fixed == o.Fixed
            && (Name.constData() == o.Name.constData() ? Name.size() == o.Name.size() : Name == o.Name)
            && Color == o.Color;
    }

private:
    mutable CanvasFont canvasFont_;
};

// One copy of every distinct font and link of a document: a page has
// thousands of runs but a few dozen fonts. Addresses stay valid until Clear.
class TFontPool {
public:
    const TMyFont* Intern(const TMyFont& font);
    const TUrlTarget* Intern(const TUrlTarget& url);
    const TUrlTarget* NoLink() { return Intern(TUrlTarget()); }
    void Clear();
    int FontCount() const { return int(fonts_.size()); }

private:
    struct FontHash {
        size_t operator()(const TMyFont& f) const;
    };
    struct UrlHash {
        size_t operator()(const TUrlTarget& u) const;
    };
    std::unordered_set<TMyFont, FontHash> fonts_;
    std::unordered_set<TUrlTarget, UrlHash> urls_;
    // The parser asks for the same few fonts run after run (plain and bold):
    // comparing with the last answers spares hashing them. A page's runs
    // take turns among about eight fonts.
    static constexpr size_t RecentCount = 8;
    std::array<const TMyFont*, RecentCount> recentFonts_{};
    size_t nextFont_ = 0;
};

// A font run: from Pos on (an index into the section's text), characters are
// drawn in Font, belong to Url (never null; an empty one for no link) and
// are raised or lowered by SubSuper.
struct TFontObj {
    int Pos = 0;
    SubSuperState SubSuper = SubSuperState::None;
    const TMyFont* Font = nullptr;
    const TUrlTarget* Url = nullptr;
};

// Font runs of one section, ordered by position.
class TFontList {
public:
    void Add(const TFontObj& run)
    {
        if (runs_.capacity() == 0 && runs_.empty())
            TakeSpare();
        runs_.push_back(run);
    }
    // Keeps the runs in the document's store; the grown block serves the next list.
    void Squeeze(SectionStore& store);
    int Count() const { return int(runs_.size()); }
    bool IsEmpty() const { return runs_.empty(); }
    TFontObj& operator[](int i) { return runs_[size_t(i)]; }
    const TFontObj& operator[](int i) const { return runs_[size_t(i)]; }
    TFontObj& Last() { return runs_.back(); }
    const TFontObj& Last() const { return runs_.back(); }
    // The run that holds the character at pos: the last one starting at or before it.
    int IndexAt(int pos) const;
    const TFontObj& At(int pos) const { return runs_[size_t(IndexAt(pos))]; }
    // The position where the run after index i starts, or end when none.
    int RunEnd(int i, int end) const { return i + 1 < Count() ? runs_[size_t(i) + 1].Pos : end; }

    auto begin() { return runs_.begin(); }
    auto end() { return runs_.end(); }
    auto begin() const { return runs_.begin(); }
    auto end() const { return runs_.end(); }

private:
    // Runs grow in the block the list before gave back (see SpareBlock).
    void TakeSpare();
    TightArray<TFontObj> runs_;
};
