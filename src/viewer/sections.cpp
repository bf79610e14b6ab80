#include "viewer/sections.h"

#include "viewer/clipbuffer.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/sectionlist.h"
#include "viewer/textmarkers.h"
#include "viewer/widthattribute.h"

#include <algorithm>

TSectionBase::TSectionBase(TSectionList* owner, const TSectionBase& other)
    : ParentSectionList(owner),
      DrawHeight(other.DrawHeight),
      SectionHeight(other.SectionHeight),
      YValue(other.YValue),
      StartCurs(other.StartCurs),
      Len(other.Len)
{
}

int TSectionBase::DrawLogic(Canvas&, int y, IndentManager&, int& maxWidth, int& curs)
{
    StartCurs = curs;
    YValue = y;
    maxWidth = 0;
    return DrawHeight;
}

int TSectionBase::Draw(Canvas&, const QRect&, IndentManager&, int, int y)
{
    YValue = y;
    return y + DrawHeight;
}

bool TSectionBase::GetURL(Canvas&, int, int, TUrlTarget&) { return false; }

int TSectionBase::FindCursor(Canvas&, int, int, int&, int&, int&) { return -1; }

int TSectionBase::FindString(int, const QString&, MatchCase) { return -1; }

bool TSectionBase::CursorToXY(Canvas&, int, int&, int&) { return false; }

void TSectionBase::MinMaxWidth(Canvas&, int& minWidth, int& maxWidth)
{
    minWidth = 0;
    maxWidth = 0;
}

// ---------------------------------------------------------------- TSection

TSection::TSection(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font,
                   SubSuperState subSuper)
    : TSectionBase(owner), ListLevel(level), MarkerFont(font), Align(align)
{
    TFontObj run;
    run.Pos = 0;
    run.Font = font;
    run.Url = link;
    run.SubSuper = subSuper;
    Fonts.Add(run);
}

TSection::TSection(TSectionList* owner, const TSection& other)
    : TSectionBase(owner, other),
      ListLevel(other.ListLevel),
      Buff(other.Buff),
      Fonts(other.Fonts),
      Lines(other.Lines),
      FormControls(other.FormControls),
      MarkerFont(owner->FontPool.Intern(*other.MarkerFont)),
      ListNumber(other.ListNumber),
      FirstLineIndent(other.FirstLineIndent),
      ListKind(other.ListKind),
      Align(other.Align),
      Clear(other.Clear),
      Plain(other.Plain),
      Latin1Only(other.Latin1Only),
      MarkerFree(other.MarkerFree),
      MarkerFromItem(other.MarkerFromItem)
{
    // The copy's fonts live in its own document.
    for (TFontObj& run : Fonts) {
        run.Font = owner->FontPool.Intern(*run.Font);
        run.Url = owner->FontPool.Intern(*run.Url);
    }
    for (const auto& image : other.Images)
        Images.push_back(std::make_unique<TImageObj>(owner, *image));
}

TSection::~TSection() = default;

std::unique_ptr<TSectionBase> TSection::Clone(TSectionList* owner) const
{
    return std::make_unique<TSection>(owner, *this);
}

namespace {

// Section text grows in one buffer handed on from section to section; each
// finished section keeps a copy of its own size. Growing a buffer of its
// own and giving back the rest cost every section two allocations.
QString& SpareText()
{
    thread_local QString spare;
    return spare;
}

} // namespace

void TSection::TakeSpareText()
{
    QString text = std::exchange(SpareText(), QString());
    text.truncate(0);   // keeps the room
    text.append(Buff);
    Buff = std::move(text);
}

void TSection::Finish()
{
    // A finished section no longer grows: give back what growing reserved.
    if (Buff.capacity() > Buff.size()) {
        QString exact(Buff.constData(), Buff.size());
        // One huge paragraph's buffer is not worth holding for the life of the program.
        constexpr qsizetype kMostKept = 64 * 1024;
        if (Buff.capacity() <= kMostKept && Buff.capacity() > SpareText().capacity())
            SpareText() = std::move(Buff);
        Buff = std::move(exact);
    }
    // One pass the compiler can widen: the characters' bits together, and
    // the lowest one; markers are control characters, which text rarely holds.
    const auto* text = reinterpret_cast<const char16_t*>(Buff.constData());
    char16_t bits = 0;
    char16_t lowest = 0xFFFF;
    for (qsizetype i = 0, n = Buff.size(); i < n; ++i) {
        bits |= text[i];
        lowest = std::min(lowest, text[i]);
    }
    Latin1Only = bits < 256;
    MarkerFree = lowest >= 32 || (!Buff.contains(TextMarkers::Image) && !Buff.contains(TextMarkers::Control));
    Fonts.Squeeze(ParentSectionList->Store);
    Source.Squeeze(ParentSectionList->Store);
}

void TSection::AddText(QStringView text)
{
    if (text.isEmpty())
        return;
    if (text.front() == QLatin1Char(' ')) {
        bool dropBlank = Buff.isEmpty() || Buff.back() == QLatin1Char(' ');
        if (!dropBlank) {
            // Only floating images so far: they are not text a blank could follow.
            dropBlank = true;
            for (QChar c : std::as_const(Buff)) {
                if (c != TextMarkers::Image) {
                    dropBlank = false;
                    break;
                }
            }
            if (dropBlank)
                for (const auto& image : Images)
                    if (!image->Floats())
                        dropBlank = false;
        }
        if (dropBlank)
            text = text.mid(1);
    }
    GrowInSpareText();
    const qsizetype end = Buff.size();
    Buff.resize(end + text.size());
    std::copy(text.begin(), text.end(), Buff.begin() + end);
}

void TSection::ChangeFont(const TMyFont* pooled, SubSuperState subSuper)
{
    const int end = int(Buff.size());
    if (Fonts.Last().Pos == end) {
        Fonts.Last().Font = pooled;
        Fonts.Last().SubSuper = subSuper;
        return;
    }
    TFontObj run;
    run.Pos = end;
    run.Font = pooled;
    run.Url = Fonts.Last().Url;
    run.SubSuper = subSuper;
    Fonts.Add(run);
}

void TSection::ChangeFontAndLink(const TMyFont* font, SubSuperState subSuper, const TUrlTarget* link)
{
    ChangeFont(font, subSuper);
    Fonts.Last().Url = link;
}

TImageObj* TSection::AddImage(const TAttributeList& attributes)
{
    Images.push_back(std::make_unique<TImageObj>(ParentSectionList, int(Buff.size()), attributes));
    Buff.append(TextMarkers::Image);
    return Images.back().get();
}

void TSection::AddFormControl(TFormControlObj* control)
{
    control->Pos = int(Buff.size());
    FormControls.push_back(control);
    Buff.append(TextMarkers::Control);
}

void TSection::UpdateFonts()
{
    TSectionList* doc = ParentSectionList;
    auto update = [doc](const TMyFont* font, bool link) {
        TMyFont f = *font;
        f.Name = f.Fixed ? doc->PreFontName : doc->FontName;
        f.SetNominalSize(f.NominalSize, doc->DefFontSize);
        f.Color = link ? doc->HotSpotColor : doc->FontColor;
        return doc->FontPool.Intern(f);
    };
    for (TFontObj& run : Fonts)
        run.Font = update(run.Font, run.Url->HasUrl());
    // An item's font came without its link.
    MarkerFont = update(MarkerFont, !MarkerFromItem && Fonts[0].Url->HasUrl());
    UpdateSpacing();
}

void TSection::ShiftBy(int dy, int dcurs)
{
    TSectionBase::ShiftBy(dy, dcurs);
    for (LineRec& line : Lines)
        line.Top += dy;
    for (auto& image : Images)
        image->DrawTop += dy;
}

TImageObj* TSection::ImageAt(int pos) const
{
    // Images are appended in text order.
    auto it = std::lower_bound(Images.begin(), Images.end(), pos,
                               [](const std::unique_ptr<TImageObj>& image, int p) { return image->Pos < p; });
    return it != Images.end() && (*it)->Pos == pos ? it->get() : nullptr;
}

TFormControlObj* TSection::ControlAt(int pos) const
{
    auto it = std::lower_bound(FormControls.begin(), FormControls.end(), pos,
                               [](const TFormControlObj* control, int p) { return control->Pos < p; });
    return it != FormControls.end() && (*it)->Pos == pos ? *it : nullptr;
}

// ------------------------------------------------------------ the others

std::unique_ptr<TSectionBase> TPreFormated::Clone(TSectionList* owner) const
{
    return std::make_unique<TPreFormated>(owner, *this);
}

void TPreFormated::Finish()
{
    if (IsEmpty())
        Buff = QStringLiteral(" ");   // so that the empty line has height
    TSection::Finish();
}

void TPreFormated::AddText(QStringView text)
{
    // A tab moves on to the next multiple of eight columns, as in a terminal.
    constexpr int kTabStop = 8;
    GrowInSpareText();
    qsizetype from = 0;
    for (qsizetype tab = text.indexOf(QLatin1Char('\t')); tab >= 0; tab = text.indexOf(QLatin1Char('\t'), from)) {
        Buff.append(text.mid(from, tab - from));
        Buff.append(QString(kTabStop - Buff.size() % kTabStop, QLatin1Char(' ')));
        from = tab + 1;
    }
    Buff.append(text.mid(from));
}

TUListItem::TUListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font)
    : TSection(owner, level, align, link, font)
{
    ListKind = ListType::Bulleted;
}

std::unique_ptr<TSectionBase> TUListItem::Clone(TSectionList* owner) const
{
    return std::make_unique<TUListItem>(owner, *this);
}

TOListItem::TOListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font,
                       int number)
    : TSection(owner, level, align, link, font)
{
    ListKind = ListType::Numbered;
    ListNumber = number;
}

std::unique_ptr<TSectionBase> TOListItem::Clone(TSectionList* owner) const
{
    return std::make_unique<TOListItem>(owner, *this);
}

TDListItem::TDListItem(TSectionList* owner, int level, TextAlign align, const TUrlTarget* link, const TMyFont* font)
    : TSection(owner, level, align, link, font)
{
    ListKind = ListType::Definition;
}

std::unique_ptr<TSectionBase> TDListItem::Clone(TSectionList* owner) const
{
    return std::make_unique<TDListItem>(owner, *this);
}

TParagraphSpace::TParagraphSpace(TSectionList* owner) : TSectionBase(owner)
{
    UpdateSpacing();
}

std::unique_ptr<TSectionBase> TParagraphSpace::Clone(TSectionList* owner) const
{
    return std::make_unique<TParagraphSpace>(owner, *this);
}

void TParagraphSpace::UpdateSpacing()
{
    DrawHeight = ScaleByFontSize(14, ParentSectionList->DefFontSize);
    SectionHeight = DrawHeight;
}

void TParagraphSpace::CopyToClipboard(ClipBuffer& buffer)
{
    const TSectionList* doc = ParentSectionList;
    if (doc->SelStart < StartCurs && doc->SelEnd > StartCurs)
        buffer.AddTextCR(u"");
}

THeadingSpace::THeadingSpace(TSectionList* owner, int level) : TSectionBase(owner), HeadingSize(level)
{
    UpdateSpacing();
}

std::unique_ptr<TSectionBase> THeadingSpace::Clone(TSectionList* owner) const
{
    return std::make_unique<THeadingSpace>(owner, *this);
}

void THeadingSpace::UpdateSpacing()
{
    static constexpr int kSpace[7] = {8, 16, 12, 10, 8, 6, 4};
    const int level = HeadingSize >= 0 && HeadingSize <= 6 ? HeadingSize : 0;
    DrawHeight = ScaleByFontSize(kSpace[level], ParentSectionList->DefFontSize);
    SectionHeight = DrawHeight;
}

void THeadingSpace::CopyToClipboard(ClipBuffer& buffer)
{
    const TSectionList* doc = ParentSectionList;
    if (doc->SelStart < StartCurs && doc->SelEnd > StartCurs)
        buffer.AddTextCR(u"");
}

THorzLine::THorzLine(TSectionList* owner, const TAttributeList& attributes, int level)
    : TSectionBase(owner), ListLevel(level)
{
    if (const TAttribute* a = attributes.Find(TagSymbol::SizeSy); a && a->Value >= 1 && a->Value <= 20)
        Thickness = a->Value;
    NoShade = attributes.Has(TagSymbol::NoShadeSy);
    if (const TAttribute* a = attributes.Find(TagSymbol::WidthSy)) {
        if (const auto width = ReadWidth(*a, WidthRule::HorizontalRule)) {
            HasWidth = true;
            Percent = width->Percent;
            HWidth = width->Value;
        }
    }
    UpdateSpacing();
}

THorzLine::THorzLine(TSectionList* owner, const THorzLine& other)
    : TSectionBase(owner, other), Thickness(other.Thickness), ListLevel(other.ListLevel), NoShade(other.NoShade), LeftAtLayout(other.LeftAtLayout),
      RightAtLayout(other.RightAtLayout), HasWidth(other.HasWidth), HWidth(other.HWidth), Percent(other.Percent)
{
}

int THorzLine::DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs)
{
    // A list's indent ends with the list, also when a rule is what follows it.
    imgr.SetLevel(y, ListLevel);
    LeftAtLayout = imgr.LeftIndent(y) - imgr.LeftEdge();
    RightAtLayout = imgr.RightSide(y) - imgr.LeftEdge();
    return TSectionBase::DrawLogic(canvas, y, imgr, maxWidth, curs);
}

std::unique_ptr<TSectionBase> THorzLine::Clone(TSectionList* owner) const
{
    return std::make_unique<THorzLine>(owner, *this);
}

void THorzLine::UpdateSpacing()
{
    DrawHeight = ScaleByFontSize(20, ParentSectionList->DefFontSize) + Thickness - 2;
    SectionHeight = DrawHeight;
}

void THorzLine::CopyToClipboard(ClipBuffer& buffer)
{
    const TSectionList* doc = ParentSectionList;
    if (doc->SelStart < StartCurs && doc->SelEnd > StartCurs)
        buffer.AddTextCR(u"");
}
