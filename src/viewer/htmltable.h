#pragma once

#include "viewer/cell.h"
#include "viewer/htmlsymbols.h"
#include "viewer/sectionbase.h"
#include "viewer/widthattribute.h"

#include <QColor>
#include <memory>
#include <vector>

enum class VAlign : unsigned char { Top, Middle, Bottom };

// One cell of a table (or a filler slot, with column span 0).
class TCellObj {
public:
    TCellObj(TSectionList* master, VAlign valign, const TAttributeList* attributes, bool isFiller = false);
    TCellObj(TSectionList* master, const TCellObj& other);

    // Ordered so that a cell packs tightly: tables have thousands.
    int ColSpan = 1;
    int RowSpan = 1;
    int SpecWidth = 0;
    VAlign VertAlign = VAlign::Middle;
    bool SpecWidthPercent = false;
    bool HasBgColor = false;
    QColor BgColor;
    std::unique_ptr<TCell> Cell;
    // From layout: the cell's box over its spanned columns and rows, and the
    // height its content needs.
    int Width = 0;
    int Height = 0;
    int ContentHeight = 0;
    int YIndent = 0;  // offset aligning the content vertically
};

using TCellList = std::vector<std::unique_ptr<TCellObj>>;

// A TABLE: rows of cells and a caption, laid out as one section.
class ThtmlTable : public TSectionBase {
public:
    static constexpr int MaxCols = 30;

    ThtmlTable(TSectionList* owner, const TAttributeList& attributes, TextAlign currentAlign);
    ThtmlTable(TSectionList* owner, const ThtmlTable& other);
    std::unique_ptr<TSectionBase> Clone(TSectionList* owner) const override;

    void AddRow() { Rows.emplace_back(); }
    TCellObj* AddCell(std::unique_ptr<TCellObj> cell);
    // COL or COLGROUP: the next span columns take this WIDTH (none when null).
    void AddColumns(int span, const TAttribute* width);

    int DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs) override;
    int Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y) override;
    bool GetURL(Canvas& canvas, int x, int y, TUrlTarget& url) override;
    int FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX) override;
    int FindString(int from, const QString& text, MatchCase matchCase) override;
    bool CursorToXY(Canvas& canvas, int pos, int& x, int& y) override;
    void CopyToClipboard(ClipBuffer& buffer) override;
    void UpdateFonts() override;
    void MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth) override;
    void ShiftBy(int dy, int dcurs) override;

    std::vector<TCellList> Rows;
    // By column, from COL and COLGROUP; a width counts as a cell's WIDTH there.
    std::vector<WidthValue> ColumnWidths;
    std::unique_ptr<TCellObj> Caption;
    int ListLevel = 0;   // the list level the table stands at (0 outside lists)
    bool TopCaption = true;
    int Border = 0;
    TextAlign Align = TextAlign::Left;
    bool AlignGiven = false;
    int CellPadding = 2;
    int CellSpacing = 3;
    int SpecWidth = 0;
    bool SpecWidthPercent = false;
    bool HasBgColor = false;
    QColor BgColor;
    bool HasBorderColor = false;
    QColor BorderColor;
    bool Initialized = false;
    bool AbsoluteWidths = false;
    int NumCols = 0;
    std::vector<int> Widths;
    std::vector<int> Percents;
    int CaptionMinWidth = 0;
    int TableWidth = 0;
    int CaptionWidth = 0;
    int Indent = 0;
    int BodyIndent = 0;
    int TopCaptionHeight = 0;
    int BodyHeight = 0;
    int DrawX = 0;
    int DrawY = 0;
    std::vector<int> RowHeights;

    int LeftX = 0;   // left margin at the table's y during layout

    void Prepare();
    int Slack() const;
    // x of the content of the cell in column c, from the enclosing cell's left side.
    int CellContentX(int column) const;

private:
    // Column minimums, maximums and percentages depend on the content and the
    // fonts only, so they are worked out once per table, not once per layout.
    bool minMaxValid_ = false;
    std::vector<int> cachedMins_, cachedMaxs_, cachedPercents_;

    void GetMinMax(Canvas& canvas, std::vector<int>& mins, std::vector<int>& maxs);
    void GetAbsoluteWidths(int width);
    // Cells are measured span by span, narrowest first, up to this span.
    int WidestColSpan() const;
    // The COL width of column c, or none.
    const WidthValue* ColumnWidth(int c) const;
    void GetWidths(Canvas& canvas, int width);
    // Calls f(cell, content x) for the top caption, the cells row by row and
    // the bottom caption: the order character positions run in. Stops when f
    // returns true and returns whether it did.
    template <typename F> bool VisitInOrder(F&& f);
};
