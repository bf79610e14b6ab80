#include "viewer/documentdump.h"

#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/sectionlist.h"
#include "viewer/sections.h"
#include "viewer/textmarkers.h"

#include <QTextStream>

namespace {

QString ColorText(const QColor& c)
{
    return c.isValid() ? c.name().toUpper() : QStringLiteral("none");
}

const char* AlignName(TextAlign a)
{
    switch (a) {
    case TextAlign::Center: return "center";
    case TextAlign::Right: return "right";
    default: return "left";
    }
}

const char* ImageAlignName(ImageAlign a)
{
    switch (a) {
    case ImageAlign::Top: return "top";
    case ImageAlign::Middle: return "middle";
    case ImageAlign::Left: return "left";
    case ImageAlign::Right: return "right";
    default: return "bottom";
    }
}

const char* KindName(const TSectionBase& s)
{
    if (dynamic_cast<const TPreFormated*>(&s)) return "pre";
    // By what it draws: a heading that opens a list item carries its marker.
    if (const auto* t = dynamic_cast<const TSection*>(&s)) {
        switch (t->ListKind) {
        case ListType::Bulleted: return "ul-item";
        case ListType::Numbered: return "ol-item";
        case ListType::Definition: return "dl-item";
        default: return "section";
        }
    }
    if (dynamic_cast<const TParagraphSpace*>(&s)) return "paragraph-space";
    if (dynamic_cast<const THeadingSpace*>(&s)) return "heading-space";
    if (dynamic_cast<const THorzLine*>(&s)) return "rule";
    if (dynamic_cast<const ThtmlTable*>(&s)) return "table";
    return "section?";
}

QString FontText(const TMyFont& f)
{
    QString s = QStringLiteral("%1 %2pt").arg(f.Name).arg(f.Size);
    if (f.NominalSize != f.Size)
        s += QStringLiteral("(%1)").arg(f.NominalSize);
    if (f.Bold) s += QStringLiteral(" b");
    if (f.Italic) s += QStringLiteral(" i");
    if (f.Underline) s += QStringLiteral(" u");
    if (f.Fixed) s += QStringLiteral(" fixed");
    s += QLatin1Char(' ') + ColorText(f.Color);
    return s;
}

QString RunText(const TFontObj& run)
{
    QString s = QLatin1Char('[') + FontText(*run.Font);
    if (run.Url->HasUrl())
        s += QStringLiteral(" href=") + run.Url->Url;
    if (!run.Url->Target.isEmpty())
        s += QStringLiteral(" target=") + run.Url->Target;
    if (run.SubSuper == SubSuperState::Sub) s += QStringLiteral(" sub");
    if (run.SubSuper == SubSuperState::Super) s += QStringLiteral(" sup");
    return s + QLatin1Char(']');
}

// Markers are shown by name so the dump stays printable.
QString Printable(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == TextMarkers::Image) out += QStringLiteral("{img}");
        else if (c == TextMarkers::Control) out += QStringLiteral("{ctl}");
        else if (c.unicode() < 32) out += QStringLiteral("{%1}").arg(int(c.unicode()));
        else out += c;
    }
    return out;
}

class ModelWriter {
public:
    explicit ModelWriter(QTextStream& out, const TNameList& names) : out_(out), names_(names) {}

    void Cell(const TCell& cell, int depth)
    {
        for (int i = 0; i < cell.Count(); ++i)
            Section(*cell[i], i, depth);
    }

private:
    QString Pad(int depth) const { return QString(depth * 2, QLatin1Char(' ')); }

    void Section(const TSectionBase& s, int index, int depth)
    {
        const QString pad = Pad(depth);
        out_ << pad << index << ' ' << KindName(s);
        if (const auto* t = dynamic_cast<const TSection*>(&s)) {
            out_ << " level=" << t->ListLevel << " align=" << AlignName(t->Align);
            if (t->ListKind == ListType::Numbered) out_ << " number=" << t->ListNumber;
            if (t->Plain) out_ << " plain";
            if (t->Clear != ClearMode::None) out_ << " clear=" << int(t->Clear);
            for (auto it = names_.begin(); it != names_.end(); ++it)
                if (it.value() == &s)
                    out_ << " anchor=" << it.key();
            out_ << '\n';
            Text(*t, depth + 1);
            for (const auto& image : t->Images) {
                out_ << Pad(depth + 1) << "image at=" << image->Pos << " src=" << image->Source
                     << " align=" << ImageAlignName(image->Align);
                if (image->SpecWidth) out_ << " width=" << image->SpecWidth << " height=" << image->SpecHeight;
                if (image->HasAlt) out_ << " alt=\"" << image->Alt << '"';
                if (image->NoBorder) out_ << " border=0";
                if (image->IsMap) out_ << " ismap";
                if (image->UseMap) out_ << " usemap=" << image->MapName;
                if (image->Transparent) out_ << " transp";
                out_ << '\n';
            }
            for (const TFormControlObj* c : t->FormControls)
                Control(*c, depth + 1);
            return;
        }
        if (const auto* h = dynamic_cast<const THeadingSpace*>(&s))
            out_ << " h" << h->HeadingSize;
        if (const auto* r = dynamic_cast<const THorzLine*>(&s)) {
            out_ << " size=" << r->Thickness;
            if (r->HasWidth) out_ << " width=" << r->HWidth << (r->Percent ? "%" : "");
        }
        if (const auto* table = dynamic_cast<const ThtmlTable*>(&s)) {
            Table(*table, depth);
            return;
        }
        out_ << " height=" << s.DrawHeight << '\n';
    }

    void Text(const TSection& t, int depth)
    {
        QString line;
        for (int r = 0; r < t.Fonts.Count(); ++r) {
            const TFontObj& run = t.Fonts[r];
            const int end = t.Fonts.RunEnd(r, int(t.Buff.size()));
            line += RunText(run) + Printable(QStringView(t.Buff).mid(run.Pos, std::max(0, end - run.Pos)));
        }
        out_ << Pad(depth) << line << '\n';
    }

    void Control(const TFormControlObj& c, int depth)
    {
        out_ << Pad(depth) << "control " << c.KindName() << " at=" << c.Pos << " name=" << c.Name
             << " value=" << c.Value;
        if (const auto* e = dynamic_cast<const TEditFormControlObj*>(&c)) out_ << " size=" << e->EditSize;
        if (const auto* b = dynamic_cast<const TCheckableFormControlObj*>(&c); b && b->InitChecked) out_ << " checked";
        if (const auto* a = dynamic_cast<const TTextAreaFormControlObj*>(&c)) {
            out_ << " rows=" << a->Rows << " cols=" << a->Cols << '\n';
            for (const QString& l : a->InitialLines)
                out_ << Pad(depth + 1) << "line \"" << Printable(l) << "\"\n";
            return;
        }
        if (const auto* l = dynamic_cast<const TListBoxFormControlObj*>(&c)) {
            if (l->Multiple) out_ << " multiple";
            out_ << " size=" << l->ListSize << '\n';
            for (const TOptionObj& o : l->Options) {
                out_ << Pad(depth + 1) << "option \"" << o.Text << '"';
                if (o.HasValue) out_ << " value=" << o.Value;
                if (o.Selected) out_ << " selected";
                out_ << '\n';
            }
            return;
        }
        out_ << '\n';
    }

    void CellObj(const TCellObj& cell, int depth)
    {
        const QString pad = Pad(depth);
        if (cell.ColSpan == 0) {
            out_ << pad << "filler\n";
            return;
        }
        out_ << pad << "cell colspan=" << cell.ColSpan << " rowspan=" << cell.RowSpan << " valign="
             << (cell.VertAlign == VAlign::Top ? "top" : cell.VertAlign == VAlign::Bottom ? "bottom" : "middle");
        if (cell.SpecWidth) out_ << " width=" << cell.SpecWidth << (cell.SpecWidthPercent ? "%" : "");
        if (cell.HasBgColor) out_ << " bgcolor=" << ColorText(cell.BgColor);
        out_ << '\n';
        Cell(*cell.Cell, depth + 1);
    }

    void Table(const ThtmlTable& t, int depth)
    {
        out_ << " border=" << t.Border << " align=" << AlignName(t.Align) << " padding=" << t.CellPadding
             << " spacing=" << t.CellSpacing;
        if (t.SpecWidth) out_ << " width=" << t.SpecWidth << (t.SpecWidthPercent ? "%" : "");
        if (t.HasBgColor) out_ << " bgcolor=" << ColorText(t.BgColor);
        if (t.HasBorderColor) out_ << " bordercolor=" << ColorText(t.BorderColor);
        out_ << '\n';
        if (t.Caption->Cell->Count() > 0) {
            out_ << Pad(depth + 1) << "caption " << (t.TopCaption ? "top" : "bottom") << '\n';
            Cell(*t.Caption->Cell, depth + 2);
        }
        for (size_t r = 0; r < t.Rows.size(); ++r) {
            out_ << Pad(depth + 1) << "row " << r << '\n';
            for (const auto& cell : t.Rows[r])
                CellObj(*cell, depth + 2);
        }
    }

    QTextStream& out_;
    const TNameList& names_;
};

} // namespace

QString DumpModel(const TSectionList& document, const TNameList& names, const QString& title,
                  const QString& base, const QString& baseTarget)
{
    QString result;
    QTextStream out(&result);
    out << "title: " << title << '\n';
    if (!base.isEmpty() || !baseTarget.isEmpty())
        out << "base: " << base << " target: " << baseTarget << '\n';
    out << "text: " << ColorText(document.FontColor) << " link: " << ColorText(document.HotSpotColor)
        << " background: " << ColorText(document.Background);
    if (!document.BackgroundName.isEmpty())
        out << " image: " << document.BackgroundName;
    out << '\n';
    for (auto it = names.begin(); it != names.end(); ++it)
        out << "anchor " << it.key() << '\n';
    for (const auto& map : document.MapList) {
        out << "map " << map->MapName << '\n';
        for (int i = 0; i < map->Areas.size(); ++i)
            out << "  area " << map->AreaShapes[i] << " href=" << map->Areas[i] << " target=" << map->AreaTargets[i]
                << '\n';
    }
    for (const auto& form : document.htmlFormList)
        out << "form method=" << form->Method << " action=" << form->Action << " controls=" << form->ControlList.size()
            << '\n';
    ModelWriter(out, names).Cell(document, 0);
    return result;
}

namespace {

class LayoutWriter {
public:
    LayoutWriter(QTextStream& out, DumpSource source) : out_(out), source_(source) {}

    void Cell(const TCell& cell, int depth, int x0)
    {
        for (int i = 0; i < cell.Count(); ++i)
            Section(*cell[i], i, depth, x0);
    }

private:
    QString Pad(int depth) const { return QString(depth * 2, QLatin1Char(' ')); }

    void Section(const TSectionBase& s, int index, int depth, int x0)
    {
        out_ << Pad(depth) << index << ' ' << KindName(s) << " y=" << s.YValue << " h=" << s.DrawHeight;
        if (s.SectionHeight != s.DrawHeight)
            out_ << " covers=" << s.SectionHeight;
        out_ << " pos=" << s.StartCurs << " len=" << s.Len << '\n';
        if (const auto* t = dynamic_cast<const TSection*>(&s)) {
            for (const LineRec& l : t->Lines) {
                out_ << Pad(depth + 1) << "line y=" << l.Top << " h=" << l.LineHt;
                if (l.SpaceBefore) out_ << " before=" << l.SpaceBefore;
                if (l.SpaceAfter) out_ << " after=" << l.SpaceAfter;
                out_ << " x=" << x0 + l.LineIndent << " w=" << l.Width << " chars=" << l.Start << '+' << l.Count;
                if (source_ == DumpSource::Yes)
                    out_ << " src=" << t->Source.SourceOf(l.Start) << '-'
                         << (l.Count > 0 ? t->Source.SourceEndOf(l.Start + l.Count - 1) : t->Source.SourceOf(l.Start));
                out_ << " \"" << Printable(QStringView(t->Buff).mid(l.Start, l.Count)) << "\"\n";
            }
            for (const auto& image : t->Images) {
                out_ << Pad(depth + 1) << "image x=" << x0 + image->DrawLeft << " y=" << image->DrawTop << " w="
                     << image->ObjWidth << " h=" << image->ObjHeight;
                if (source_ == DumpSource::Yes)
                    out_ << " src=" << t->Source.SourceOf(image->Pos) << '-' << t->Source.SourceEndOf(image->Pos);
                out_ << '\n';
            }
            return;
        }
        if (const auto* table = dynamic_cast<const ThtmlTable*>(&s)) {
            out_ << Pad(depth + 1) << "columns";
            for (int w : table->Widths)
                out_ << ' ' << w;
            out_ << " width=" << table->TableWidth << " indent=" << table->Indent << '\n';
            if (table->TopCaption && table->Caption->Cell->Count() > 0) {
                out_ << Pad(depth + 1) << "caption\n";
                Cell(*table->Caption->Cell, depth + 2, x0 + table->LeftX + table->Indent);
            }
            for (size_t r = 0; r < table->Rows.size(); ++r) {
                out_ << Pad(depth + 1) << "row " << r << " h=" << (r < table->RowHeights.size() ? table->RowHeights[r] : 0)
                     << '\n';
                for (size_t c = 0; c < table->Rows[r].size(); ++c) {
                    const TCellObj& cell = *table->Rows[r][c];
                    if (cell.ColSpan == 0)
                        continue;
                    const int cx = x0 + table->CellContentX(int(c));
                    out_ << Pad(depth + 2) << "cell " << c << " x=" << cx << " y=" << cell.Cell->StartY
                         << " w=" << cell.Width << " h=" << cell.Height << '\n';
                    Cell(*cell.Cell, depth + 3, cx);
                }
            }
            if (!table->TopCaption && table->Caption->Cell->Count() > 0) {
                out_ << Pad(depth + 1) << "caption\n";
                Cell(*table->Caption->Cell, depth + 2, x0 + table->LeftX + table->Indent);
            }
        }
    }

    QTextStream& out_;
    DumpSource source_;
};

} // namespace

QString DumpLayout(const TSectionList& document, DumpSource source)
{
    QString result;
    QTextStream out(&result);
    LayoutWriter(out, source).Cell(document, 0, 0);
    return result;
}
