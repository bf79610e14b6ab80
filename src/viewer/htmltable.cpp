#include "viewer/htmltable.h"

#include "viewer/htmlcolor.h"
#include "viewer/sectionlist.h"
#include "viewer/widthattribute.h"

TCellObj::TCellObj(TSectionList* master, VAlign valign, const TAttributeList* attributes, bool isFiller)
    : VertAlign(valign), Cell(std::make_unique<TCell>(master))
{
    if (isFiller)
        ColSpan = 0;
    if (!attributes)
        return;
    for (const TAttribute& a : attributes->Items()) {
        switch (a.Which) {
        case TagSymbol::ColSpanSy:
            if (!isFiller)
                ColSpan = a.Value > 1 ? a.Value : 1;
            break;
        case TagSymbol::RowSpanSy:
            RowSpan = a.Value > 1 ? a.Value : 1;
            break;
        case TagSymbol::WidthSy:
            if (const auto width = ReadWidth(a, WidthRule::Cell)) {
                SpecWidth = width->Value;
                SpecWidthPercent = width->Percent;
            }
            break;
        case TagSymbol::BGColorSy:
            if (ParseHtmlColor(a.Name, BgColor))
                HasBgColor = true;
            break;
        default:
            break;
        }
    }
}

TCellObj::TCellObj(TSectionList* master, const TCellObj& other)
    : ColSpan(other.ColSpan), RowSpan(other.RowSpan), SpecWidth(other.SpecWidth), VertAlign(other.VertAlign),
      SpecWidthPercent(other.SpecWidthPercent), HasBgColor(other.HasBgColor), BgColor(other.BgColor),
      Cell(std::make_unique<TCell>(master, *other.Cell)), Width(other.Width), Height(other.Height), ContentHeight(other.ContentHeight),
      YIndent(other.YIndent)
{
}

ThtmlTable::ThtmlTable(TSectionList* owner, const TAttributeList& attributes, TextAlign currentAlign)
    : TSectionBase(owner), Caption(std::make_unique<TCellObj>(owner, VAlign::Top, nullptr)), Align(currentAlign)
{
    for (const TAttribute& a : attributes.Items()) {
        switch (a.Which) {
        case TagSymbol::BorderSy:
            Border = a.Value > 0 ? a.Value : 0;
            break;
        case TagSymbol::AlignSy:
            if (a.Name.compare(QLatin1String("center"), Qt::CaseInsensitive) == 0) {
                Align = TextAlign::Center;
                AlignGiven = true;
            } else if (a.Name.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0) {
                Align = TextAlign::Right;
                AlignGiven = true;
            }
            break;
        case TagSymbol::CellPaddingSy:
            CellPadding = std::clamp(a.Value + 1, 1, 50);
            break;
        case TagSymbol::CellSpacingSy:
            CellSpacing = std::clamp(a.Value + 1, 1, 40);
            break;
        case TagSymbol::WidthSy:
            if (const auto width = ReadWidth(a, WidthRule::Table)) {
                SpecWidth = width->Value;
                SpecWidthPercent = width->Percent;
            }
            break;
        case TagSymbol::BGColorSy:
            if (ParseHtmlColor(a.Name, BgColor))
                HasBgColor = true;
            break;
        case TagSymbol::BorderColorSy:
            if (ParseHtmlColor(a.Name, BorderColor))
                HasBorderColor = true;
            break;
        default:
            break;
        }
    }
}

ThtmlTable::ThtmlTable(TSectionList* owner, const ThtmlTable& other)
    : TSectionBase(owner, other), Caption(std::make_unique<TCellObj>(owner, *other.Caption)),
      ListLevel(other.ListLevel), TopCaption(other.TopCaption), Border(other.Border), Align(other.Align), AlignGiven(other.AlignGiven),
      CellPadding(other.CellPadding), CellSpacing(other.CellSpacing), SpecWidth(other.SpecWidth),
      SpecWidthPercent(other.SpecWidthPercent), HasBgColor(other.HasBgColor), BgColor(other.BgColor),
      HasBorderColor(other.HasBorderColor), BorderColor(other.BorderColor), Initialized(other.Initialized),
      AbsoluteWidths(other.AbsoluteWidths), NumCols(other.NumCols), Widths(other.Widths), Percents(other.Percents),
      CaptionMinWidth(other.CaptionMinWidth), TableWidth(other.TableWidth), CaptionWidth(other.CaptionWidth),
      Indent(other.Indent), BodyIndent(other.BodyIndent), TopCaptionHeight(other.TopCaptionHeight),
      BodyHeight(other.BodyHeight), DrawX(other.DrawX), DrawY(other.DrawY), RowHeights(other.RowHeights)
{
    ColumnWidths = other.ColumnWidths;
    for (const TCellList& row : other.Rows) {
        TCellList copy;
        for (const auto& cell : row)
            copy.push_back(std::make_unique<TCellObj>(owner, *cell));
        Rows.push_back(std::move(copy));
    }
}

std::unique_ptr<TSectionBase> ThtmlTable::Clone(TSectionList* owner) const
{
    return std::make_unique<ThtmlTable>(owner, *this);
}

TCellObj* ThtmlTable::AddCell(std::unique_ptr<TCellObj> cell)
{
    if (Rows.empty())
        AddRow();
    Rows.back().push_back(std::move(cell));
    return Rows.back().back().get();
}

void ThtmlTable::AddColumns(int span, const TAttribute* width)
{
    WidthValue value;
    if (width)
        if (const auto given = ReadWidth(*width, WidthRule::Column))
            value = *given;
    // Columns beyond the most a table may have are never reached.
    const int count = std::min(std::max(span, 1), MaxCols + 1 - int(ColumnWidths.size()));
    if (count > 0)
        ColumnWidths.insert(ColumnWidths.end(), size_t(count), value);
}

const WidthValue* ThtmlTable::ColumnWidth(int c) const
{
    return c < int(ColumnWidths.size()) ? &ColumnWidths[size_t(c)] : nullptr;
}

void ThtmlTable::UpdateFonts()
{
    minMaxValid_ = false;
    Caption->Cell->UpdateFonts();
    for (TCellList& row : Rows)
        for (auto& cell : row)
            cell->Cell->UpdateFonts();
}

void ThtmlTable::ShiftBy(int dy, int dcurs)
{
    TSectionBase::ShiftBy(dy, dcurs);
    DrawY += dy;
    Caption->Cell->ShiftBy(dy, dcurs);
    for (TCellList& row : Rows)
        for (auto& cell : row)
            if (cell->ColSpan > 0)
                cell->Cell->ShiftBy(dy, dcurs);
}
