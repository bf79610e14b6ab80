#pragma once

#include "viewer/canvas.h"
#include "viewer/urltarget.h"

#include <QColor>
#include <QString>
#include <vector>

enum class SubSuperState { None, Sub, Super };

// Scales a nominal size (points, pixels of spacing) by the viewer's default
// font size; 12 is the size everything is written for.
int ScaleByFontSize(int value, int defFontSize);

// A font with the two things a plain font lacks: the size it was asked for
// before scaling, and whether it is the fixed-pitch (preformatted) face.
struct TMyFont {
    QString Name;
    int NominalSize = 12;   // points before scaling
    int Size = 12;          // points after scaling
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Fixed = false;
    QColor Color;

    void SetNominalSize(int nominal, int defFontSize)
    {
        NominalSize = nominal;
        Size = ScaleByFontSize(nominal, defFontSize);
    }
    CanvasFont ToCanvasFont() const { return CanvasFont{Name, Size, Bold, Italic, Underline}; }
    bool operator==(const TMyFont&) const = default;
};

// A font run: from Pos on (an index into the section's text), characters are
// drawn in Font, belong to Url and are raised or lowered by SubSuper.
struct TFontObj {
    int Pos = 0;
    TMyFont Font;
    TUrlTarget Url;
    SubSuperState SubSuper = SubSuperState::None;

    // Measured on the canvas at layout time; the run's content stays const.
    mutable int LineHeight = 0;   // text height + external leading
    mutable int Height = 0;
    mutable int Descent = 0;
    mutable int Overhang = 0;

    void Measure(Canvas& canvas) const;
};

// Font runs of one section, ordered by position.
class TFontList {
public:
    void Add(const TFontObj& run) { runs_.push_back(run); }
    void Squeeze() { runs_.shrink_to_fit(); }
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
    std::vector<TFontObj> runs_;
};
