// Column widths, row heights and the placing of cells.
#include "platform/kivoerror.h"
#include "viewer/canvas.h"
#include "viewer/htmltable.h"
#include "viewer/sectionlist.h"

#include <algorithm>
#include <numeric>

namespace {

int Sum(const std::vector<int>& v, int from, int count)
{
    int s = 0;
    for (int i = from; i < from + count && i < int(v.size()); ++i)
        s += v[size_t(i)];
    return s;
}

} // namespace

void ThtmlTable::Prepare()
{
    if (Initialized)
        return;
    // Colour inheritance and column-span fillers.
    for (TCellList& row : Rows) {
        for (int i = int(row.size()) - 1; i >= 0; --i) {
            TCellObj& cell = *row[size_t(i)];
            if (cell.ColSpan == 0)
                continue;
            if (!cell.HasBgColor && HasBgColor) {
                cell.HasBgColor = true;
                cell.BgColor = BgColor;
            }
            for (int k = 1; k < cell.ColSpan; ++k) {
                auto filler = std::make_unique<TCellObj>(ParentSectionList, cell.VertAlign, nullptr, true);
                filler->RowSpan = cell.RowSpan;
                row.insert(row.begin() + i + 1, std::move(filler));
            }
        }
    }
    bool anyPercent = false;
    bool anyWidth = false;
    for (const TCellList& row : Rows)
        for (const auto& cell : row)
            if (cell->ColSpan > 0) {
                anyPercent = anyPercent || cell->SpecWidthPercent;
                anyWidth = anyWidth || cell->SpecWidth > 0;
            }
    // Row spans reach no further than the last row; the rows below get fillers.
    for (size_t r = 0; r < Rows.size(); ++r) {
        for (size_t c = 0; c < Rows[r].size(); ++c) {
            TCellObj& cell = *Rows[r][c];
            cell.RowSpan = std::min(cell.RowSpan, int(Rows.size() - r));
            for (int k = 1; k < cell.RowSpan; ++k) {
                TCellList& below = Rows[r + size_t(k)];
                auto filler = std::make_unique<TCellObj>(ParentSectionList, cell.VertAlign, nullptr, true);
                filler->RowSpan = 0;
                if (c < below.size())
                    below.insert(below.begin() + std::ptrdiff_t(c), std::move(filler));
                else
                    below.push_back(std::move(filler));
            }
        }
    }
    NumCols = 0;
    for (const TCellList& row : Rows)
        NumCols = std::max(NumCols, int(row.size()));
    if (NumCols > MaxCols)
        throw EProcessError(QStringLiteral("Table has too many Columns"));
    for (int c = 0; c < NumCols; ++c) {
        if (const WidthValue* column = ColumnWidth(c)) {
            anyPercent = anyPercent || column->Percent;
            anyWidth = anyWidth || (!column->Percent && !column->Relative && column->Value > 0);
        }
    }
    AbsoluteWidths = !anyPercent && anyWidth;
    Initialized = true;
}

int ThtmlTable::Slack() const
{
    return 2 * CellPadding + CellSpacing;
}

void ThtmlTable::GetMinMax(Canvas& canvas, std::vector<int>& mins, std::vector<int>& maxs)
{
    if (minMaxValid_) {
        mins = cachedMins_;
        maxs = cachedMaxs_;
        Percents = cachedPercents_;
        return;
    }
    mins.assign(size_t(NumCols), 0);
    maxs.assign(size_t(NumCols), 0);
    Percents.assign(size_t(NumCols), 0);
    // A column's WIDTH is read as a cell's is in this mode.
    for (int c = 0; c < NumCols; ++c)
        if (const WidthValue* column = ColumnWidth(c); column && !column->Relative)
            Percents[size_t(c)] = column->Value;
    const int maxSpan = WidestColSpan();
    for (int span = 1; span <= maxSpan; ++span) {
        for (const TCellList& row : Rows) {
            for (size_t c = 0; c < row.size(); ++c) {
                TCellObj& cell = *row[c];
                if (cell.ColSpan != span)
                    continue;
                int cellMin = 0, cellMax = 0;
                cell.Cell->MinMaxWidth(canvas, cellMin, cellMax);
                cellMin += Slack();
                cellMax += Slack();
                const int col = int(c);
                const int wanted = cell.SpecWidth;
                if (span == 1) {
                    mins[c] = std::max(mins[c], cellMin);
                    maxs[c] = std::max(maxs[c], cellMax);
                    Percents[c] = std::max(Percents[c], wanted);
                    continue;
                }
                const int last = std::min(col + span, NumCols);
                int k = 0, p = 0, minSum = 0, maxSum = 0;
                for (int i = col; i < last; ++i) {
                    if (Percents[size_t(i)] == 0)
                        ++k;
                    p += Percents[size_t(i)];
                    minSum += mins[size_t(i)];
                    maxSum += maxs[size_t(i)];
                }
                if (wanted > 0 || p > 0) {
                    if (k > 0) {
                        for (int i = col; i < last; ++i)
                            if (Percents[size_t(i)] == 0)
                                Percents[size_t(i)] = std::max(0, (wanted - p) / k);
                    } else if (p < wanted && p > 0) {
                        for (int i = col; i < last; ++i)
                            Percents[size_t(i)] = Percents[size_t(i)] * wanted / p;
                    }
                    const int pNow = Sum(Percents, col, last - col);
                    const int divisor = std::max(wanted, pNow);
                    if (divisor > 0) {
                        for (int i = col; i < last; ++i) {
                            mins[size_t(i)] = std::max(mins[size_t(i)], cellMin * Percents[size_t(i)] / divisor);
                            maxs[size_t(i)] = std::max(maxs[size_t(i)], cellMax * Percents[size_t(i)] / divisor);
                        }
                    }
                } else {
                    const int n = last - col;
                    for (int i = col; i < last; ++i) {
                        const int shareMin = minSum > 0 ? int(qint64(cellMin) * mins[size_t(i)] / minSum) : cellMin / n;
                        const int shareMax = maxSum > 0 ? int(qint64(cellMax) * maxs[size_t(i)] / maxSum) : cellMax / n;
                        mins[size_t(i)] = std::max(mins[size_t(i)], shareMin);
                        maxs[size_t(i)] = std::max(maxs[size_t(i)], shareMax);
                    }
                }
            }
        }
    }
    // Relative columns share what the percentages leave, by their shares.
    int shares = 0;
    const int given = std::accumulate(Percents.begin(), Percents.end(), 0);
    for (int c = 0; c < NumCols; ++c)
        if (const WidthValue* column = ColumnWidth(c); column && column->Relative && Percents[size_t(c)] == 0)
            shares += column->Value;
    if (shares > 0 && given < 100)
        for (int c = 0; c < NumCols; ++c)
            if (const WidthValue* column = ColumnWidth(c); column && column->Relative && Percents[size_t(c)] == 0)
                Percents[size_t(c)] = (100 - given) * column->Value / shares;
    cachedMins_ = mins;
    cachedMaxs_ = maxs;
    cachedPercents_ = Percents;
    minMaxValid_ = true;
}

int ThtmlTable::WidestColSpan() const
{
    int widest = 1;
    for (const TCellList& row : Rows)
        for (const auto& cell : row)
            widest = std::max(widest, cell->ColSpan);
    return widest;
}

void ThtmlTable::GetAbsoluteWidths(int width)
{
    Widths.assign(size_t(NumCols), 0);
    for (int c = 0; c < NumCols; ++c)
        if (const WidthValue* column = ColumnWidth(c); column && !column->Percent && !column->Relative)
            Widths[size_t(c)] = column->Value;
    const int maxSpan = WidestColSpan();
    for (int span = 1; span <= maxSpan; ++span) {
        for (const TCellList& row : Rows) {
            for (size_t c = 0; c < row.size(); ++c) {
                const TCellObj& cell = *row[c];
                if (cell.ColSpan != span)
                    continue;
                const int wanted = cell.SpecWidth;
                if (span == 1) {
                    Widths[c] = std::max(Widths[c], wanted);
                    continue;
                }
                const int col = int(c);
                const int last = std::min(col + span, NumCols);
                int k = 0, s = 0;
                for (int i = col; i < last; ++i) {
                    if (Widths[size_t(i)] == 0)
                        ++k;
                    s += Widths[size_t(i)];
                }
                if (wanted > 0 || s > 0) {
                    if (k == 0 && s < wanted && s > 0) {
                        for (int i = col; i < last; ++i)
                            Widths[size_t(i)] = Widths[size_t(i)] * wanted / s;
                    } else if (k > 0) {
                        for (int i = col; i < last; ++i)
                            if (Widths[size_t(i)] == 0)
                                Widths[size_t(i)] = std::max(0, (wanted - s) / k);
                    }
                }
            }
        }
    }
    // Columns without a width share the rest: one share each, or a relative
    // column's own number of shares.
    auto sharesOf = [this](int c) {
        const WidthValue* column = ColumnWidth(c);
        return column && column->Relative ? column->Value : 1;
    };
    int total = 0, shares = 0;
    for (int c = 0; c < NumCols; ++c) {
        total += Widths[size_t(c)];
        if (Widths[size_t(c)] == 0)
            shares += sharesOf(c);
    }
    for (int c = 0; c < NumCols; ++c)
        if (Widths[size_t(c)] == 0)
            Widths[size_t(c)] = std::max(40, shares > 0 ? int(qint64(width - total) * sharesOf(c) / shares) : 0);
}

void ThtmlTable::GetWidths(Canvas& canvas, int width)
{
    if (AbsoluteWidths) {
        GetAbsoluteWidths(width);
        return;
    }
    std::vector<int> mins, maxs;
    GetMinMax(canvas, mins, maxs);
    int totalMin = std::accumulate(mins.begin(), mins.end(), 0);
    int totalMax = std::accumulate(maxs.begin(), maxs.end(), 0);
    Widths.assign(size_t(NumCols), 0);
    if (totalMin >= width) {
        Widths = mins;
        return;
    }
    int percentSum = std::accumulate(Percents.begin(), Percents.end(), 0);
    if (SpecWidth > 0 && percentSum >= 1 && percentSum < 100
        && std::all_of(Percents.begin(), Percents.end(), [](int p) { return p > 0; })) {
        // The author asked for a table of this width and gave every column a
        // share: the shares divide the whole width, whatever they add up to.
        int given = 0;
        for (int& pct : Percents) {
            pct = pct * 100 / percentSum;
            given += pct;
        }
        Percents.back() += 100 - given;
        percentSum = 100;
    }
    if ((percentSum >= 1 && percentSum <= 100) || SpecWidth > 0) {
        int m = 0, n = 0;
        for (int i = 0; i < NumCols; ++i) {
            if (Percents[size_t(i)] > 0)
                m = std::max(m, maxs[size_t(i)] * 100 / Percents[size_t(i)]);
            else
                n += maxs[size_t(i)];
        }
        const int q = percentSum >= 100 ? (n > 0 ? 30000 : 0) : n * 100 / (100 - percentSum);
        const int ideal = std::max(m, q);
        if (width >= ideal) {
            const int tableWidth = SpecWidth > 0 ? width : ideal;
            const int rest = tableWidth * std::max(0, 100 - percentSum) / 100;
            int otherMax = 0, others = 0;
            for (int i = 0; i < NumCols; ++i)
                if (Percents[size_t(i)] == 0) {
                    otherMax += maxs[size_t(i)];
                    ++others;
                }
            for (int i = 0; i < NumCols; ++i) {
                if (Percents[size_t(i)] > 0)
                    Widths[size_t(i)] = tableWidth * Percents[size_t(i)] / 100;
                else
                    Widths[size_t(i)] = otherMax > 0 ? int(qint64(rest) * maxs[size_t(i)] / otherMax) : rest / others;
            }
            return;
        }
        for (int round = 0; round < 100; ++round) {
            bool anyPercent = false;
            for (int i = 0; i < NumCols; ++i) {
                int& pct = Percents[size_t(i)];
                if (pct > 0 && width * pct / 100 - 1 < mins[size_t(i)])
                    pct = 0;
                anyPercent = anyPercent || pct > 0;
            }
            if (!anyPercent)
                break;
            int otherMins = 0, shares = 0;
            for (int i = 0; i < NumCols; ++i) {
                if (Percents[size_t(i)] > 0)
                    shares += width * Percents[size_t(i)] / 100;
                else
                    otherMins += mins[size_t(i)];
            }
            if (otherMins + shares > width && shares > 0) {
                for (int& pct : Percents)
                    pct = pct * (width - otherMins) / shares;
                continue;
            }
            for (int i = 0; i < NumCols; ++i)
                if (Percents[size_t(i)] > 0)
                    mins[size_t(i)] = maxs[size_t(i)] = width * Percents[size_t(i)] / 100;
            totalMin = std::accumulate(mins.begin(), mins.end(), 0);
            totalMax = std::accumulate(maxs.begin(), maxs.end(), 0);
            break;
        }
    }
    if (width < totalMax && totalMax != totalMin) {
        for (int i = 0; i < NumCols; ++i)
            Widths[size_t(i)] = mins[size_t(i)]
                + int(qint64(maxs[size_t(i)] - mins[size_t(i)]) * (width - totalMin) / (totalMax - totalMin));
    } else {
        Widths = maxs;
    }
}

void ThtmlTable::MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth)
{
    Prepare();
    if (AbsoluteWidths) {
        GetAbsoluteWidths(0);
        minWidth = maxWidth = std::accumulate(Widths.begin(), Widths.end(), 0);
    } else {
        std::vector<int> mins, maxs;
        GetMinMax(canvas, mins, maxs);
        minWidth = std::accumulate(mins.begin(), mins.end(), 0);
        maxWidth = std::accumulate(maxs.begin(), maxs.end(), 0);
    }
    minWidth += CellSpacing;
    maxWidth += CellSpacing;
    if (SpecWidth > 0 && !SpecWidthPercent) {
        minWidth = std::max(minWidth, SpecWidth);
        maxWidth = std::max(maxWidth, SpecWidth);
    }
    int captionMin = 0, captionMax = 0;
    Caption->Cell->MinMaxWidth(canvas, captionMin, captionMax);
    minWidth = std::max(minWidth, captionMin);
    maxWidth = std::max(maxWidth, captionMin);
}

int ThtmlTable::DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs)
{
    StartCurs = curs;
    YValue = y;
    // Inside a list the table takes the list's indent; after the list, none.
    imgr.SetLevel(y, ListLevel);
    const int available = imgr.RightSide(y) - imgr.LeftIndent(y);
    LeftX = imgr.LeftIndent(y);
    int target = available;
    if (SpecWidth > 0)
        target = SpecWidthPercent ? available * SpecWidth / 100 : SpecWidth;
    const int width = std::max(target - CellSpacing, 20);

    Prepare();
    GetWidths(canvas, width);
    TableWidth = CellSpacing + std::accumulate(Widths.begin(), Widths.end(), 0);
    int captionMax = 0;
    Caption->Cell->MinMaxWidth(canvas, CaptionMinWidth, captionMax);
    CaptionWidth = std::max(TableWidth, CaptionMinWidth);

    // Row heights: cells spanning one row first, then the taller spans.
    const int rows = int(Rows.size());
    RowHeights.assign(size_t(rows), 0);
    int maxRowSpan = 1;
    for (const TCellList& row : Rows)
        for (const auto& cell : row)
            if (cell->ColSpan > 0)
                maxRowSpan = std::max(maxRowSpan, cell->RowSpan);
    for (int span = 1; span <= maxRowSpan; ++span) {
        for (int r = 0; r < rows; ++r) {
            TCellList& row = Rows[size_t(r)];
            for (size_t c = 0; c < row.size(); ++c) {
                TCellObj& cell = *row[c];
                if (cell.ColSpan == 0 || cell.RowSpan != span)
                    continue;
                cell.Width = Sum(Widths, int(c), cell.ColSpan);
                int ignoredWidth = 0, ignoredCurs = 0;
                cell.ContentHeight = cell.Cell->DoLogic(canvas, y, std::max(0, cell.Width - Slack()), ignoredWidth, ignoredCurs);
                const int need = cell.ContentHeight + Slack();
                if (span == 1) {
                    RowHeights[size_t(r)] = std::max(RowHeights[size_t(r)], need);
                } else {
                    const int have = Sum(RowHeights, r, span);
                    if (have < need)
                        for (int k = r; k < r + span && k < rows; ++k)
                            RowHeights[size_t(k)] += (need - have) / span + 1;
                }
            }
        }
    }

    int height = 0;
    int cellWidest = 0;
    TopCaptionHeight = 0;
    if (TopCaption && Caption->Cell->Count() > 0) {
        TopCaptionHeight = Caption->Cell->DoLogic(canvas, y, CaptionWidth, cellWidest, curs);
        height += TopCaptionHeight;
    }
    const int bodyTop = y + height;
    int rowY = bodyTop;
    for (int r = 0; r < rows; ++r) {
        TCellList& row = Rows[size_t(r)];
        for (size_t c = 0; c < row.size(); ++c) {
            TCellObj& cell = *row[c];
            if (cell.ColSpan == 0)
                continue;
            cell.Height = Sum(RowHeights, r, cell.RowSpan);
            const int free = cell.Height - cell.ContentHeight - CellSpacing - 2 * CellPadding;
            cell.YIndent = cell.VertAlign == VAlign::Top ? 0 : cell.VertAlign == VAlign::Middle ? free / 2 : free;
            // Its layout at this width is known: moving it is laying it out again here.
            const int contentY = rowY + CellPadding + CellSpacing + cell.YIndent;
            cell.Cell->ShiftBy(contentY - cell.Cell->StartY, curs - cell.Cell->StartCurs);
            curs += cell.Cell->Len;
        }
        rowY += RowHeights[size_t(r)];
    }
    BodyHeight = rowY - bodyTop + CellSpacing;
    height += BodyHeight;
    if (!TopCaption && Caption->Cell->Count() > 0)
        height += Caption->Cell->DoLogic(canvas, y + height, CaptionWidth, cellWidest, curs);

    Indent = 0;
    if (CaptionWidth < available) {
        if (Align == TextAlign::Center)
            Indent = (available - CaptionWidth) / 2;
        else if (Align == TextAlign::Right)
            Indent = available - CaptionWidth;
    }
    BodyIndent = (CaptionWidth - TableWidth) / 2 + Indent;
    maxWidth = CaptionWidth;
    Len = curs - StartCurs;
    DrawHeight = height;
    SectionHeight = height;
    return height;
}
