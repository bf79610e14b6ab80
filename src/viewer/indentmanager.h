#pragma once

#include "viewer/tightarray.h"

class TImageObj;

// One stretch of margin: from YT to YB the margin on its side lies X pixels
// from the edge (left records: X >= 0; right records: X <= 0). Level 0 marks
// the stretch beside a floating image, higher levels the indents of lists.
struct IndentRec {
    int X = 0;
    int YT = 0;
    int YB = 0;
    int Lev = 0;
};

// Left and right margins along y: list indents and the room taken by
// images floating at either side.
class IndentManager {
public:
    static constexpr int ListIndent = 35;
    static constexpr int FloatGap = 5;
    static constexpr int OpenBottom = 9999999;

    void Clear();
    void Reset(int leftEdge, int rightEdge);
    // Registers a floating image at y and gives it its x.
    void Update(int y, TImageObj& image);
    int LeftIndent(int y) const;
    int RightSide(int y) const;
    int ImageBottom() const;
    // Below the lowest left and right images (each +1), 0 for a side without any.
    void GetClearY(int& clearLeft, int& clearRight) const;
    void SetLevel(int y, int level);
    int GetLevelClear() const;
    void ShiftBy(int dy);

    int LeftEdge() const { return leftEdge_; }
    int RightEdge() const { return rightEdge_; }
    int Level() const { return level_; }
    int Width = 0;
    int ClipWidth = 0;

    const TightArray<IndentRec>& LeftRecords() const { return left_; }
    const TightArray<IndentRec>& RightRecords() const { return right_; }

private:
    // Drops records that end above y: layout only moves down, so they can no
    // longer matter, and long documents would otherwise slow every query.
    void Prune(int y);

    int leftEdge_ = 0;
    int rightEdge_ = 0;
    int level_ = 0;
    int leftImageBottom_ = -1;    // lowest bottom of image-like records, -1 for none
    int rightImageBottom_ = -1;
    // Every table cell has margins of its own: the records are kept tight.
    TightArray<IndentRec> left_;
    TightArray<IndentRec> right_;
};
