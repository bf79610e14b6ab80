// The block structures of the parser: lists, preformatted text, tables,
// form controls and image maps.
#include "viewer/htmlparser.h"

#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/htmlreader.h"
#include "viewer/htmltable.h"
#include "viewer/sectionlist.h"
#include "viewer/sections.h"

#include <optional>

namespace {

using S = TagSymbol;

bool IsListEnd(TagSymbol s)
{
    return s == S::OLEndSy || s == S::ULEndSy || s == S::DirEndSy || s == S::MenuEndSy || s == S::DLEndSy
        || s == S::BlockQuoteEndSy;
}

VAlign VAlignFrom(const TAttributeList& attrs, VAlign current)
{
    if (const TAttribute* a = attrs.Find(S::VAlignSy)) {
        if (a->Name.compare(QLatin1String("top"), Qt::CaseInsensitive) == 0)
            return VAlign::Top;
        if (a->Name.compare(QLatin1String("middle"), Qt::CaseInsensitive) == 0)
            return VAlign::Middle;
        if (a->Name.compare(QLatin1String("bottom"), Qt::CaseInsensitive) == 0)
            return VAlign::Bottom;
    }
    return current;
}

SymbolSet MakeSet(std::initializer_list<TagSymbol> symbols)
{
    SymbolSet set;
    for (TagSymbol s : symbols)
        set.set(size_t(s));
    return set;
}

} // namespace

void HtmlParser::DoLists(int level, TagSymbol opener, const SymbolSet& closers)
{
    int number = 1;
    bool plain = false;
    // What a DL holds before its first term or description stands at the
    // list's own margin; its descriptions are the indented part.
    int contentLevel = opener == S::DLSy ? level - 1 : level;
    const TAttributeList& attrs = reader_->Attributes;
    if (opener == S::OLSy) {
        if (const TAttribute* a = attrs.Find(S::StartSy))
            number = a->Value < 0 ? 1 : a->Value;
    } else if (opener == S::ULSy) {
        plain = attrs.Has(S::PlainSy);
    }
    Next();
    if (IsListEnd(sym_)) {
        Next();
        return;
    }
    // Phrase tags opened inside the list end with its items.
    const size_t outerPhrases = phraseBase_;
    phraseBase_ = phrases_.size();
    auto leave = [&] {
        CloseSection();
        EndPhrases();
        phraseBase_ = outerPhrases;
    };
    for (;;) {
        switch (sym_) {
        case S::EofSy:
            leave();
            return;
        case S::HRSy:
            CloseSection();
            cell_->Add(std::make_unique<THorzLine>(&doc_, attrs, contentLevel));
            Next();
            continue;
        case S::OLSy: case S::ULSy: case S::DirSy: case S::MenuSy: case S::DLSy: case S::BlockQuoteSy:
            if (level >= MaxNesting) {
                Next();
                continue;
            }
            if (sym_ == S::BlockQuoteSy)
                CloseSection();
            DoLists(level + 1, sym_, closers);
            continue;
        case S::LISy: {
            CloseSection();
            EndPhrases();
            marker_ = PendingMarker();
            contentLevel = level;
            subSuper_ = SubSuperState::None;
            if (opener == S::OLSy) {
                section_ = std::make_unique<TOListItem>(&doc_, level, align_, pooledLink_, CurrentFont(), number++);
            } else {
                section_ = std::make_unique<TUListItem>(&doc_, level, align_, pooledLink_, CurrentFont());
                section_->Plain = plain;
            }
            Next();
            while (sym_ == S::TextSy && reader_->TokenText.trimmed().isEmpty())
                Next();
            if (sym_ == S::PSy)
                Next();
            continue;
        }
        case S::DTSy: case S::DDSy:
            CloseSection();
            EndPhrases();
            marker_ = PendingMarker();
            contentLevel = level;
            subSuper_ = SubSuperState::None;
            section_ = std::make_unique<TDListItem>(&doc_, sym_ == S::DTSy ? level - 1 : level, align_, pooledLink_,
                                                    CurrentFont());
            Next();
            continue;
        case S::TableSy:
            CloseSection();
            DoTable(contentLevel);
            continue;
        default:
            break;
        }
        if (IsListEnd(sym_)) {
            Next();
            leave();
            return;
        }
        if (closers.test(size_t(sym_))) {
            leave();
            return;
        }
        if (!DoCommon(contentLevel))
            Next();
    }
}

void HtmlParser::DoPre(int level)
{
    CloseSection();
    TMyFont font = TopFont();
    font.Name = doc_.PreFontName;
    font.SetNominalSize(10, doc_.DefFontSize);
    font.Fixed = true;
    const bool pushed = PushFont(font);
    reader_->SetPreformatted(true);
    auto startLine = [this, level] {
        CloseSection();
        subSuper_ = SubSuperState::None;
        section_ = std::make_unique<TPreFormated>(&doc_, level, align_, pooledLink_, CurrentFont());
        TakeMarker(*section_, level);
        section_->Source.Start = reader_->SourceAfterToken();
    };
    startLine();
    Next();
    // The line end right after <PRE> only sets the text apart from the tag.
    if (sym_ == S::EolSy)
        Next();
    bool lineFromLineEnd = false;
    for (;;) {
        const bool afterLineEnd = lineFromLineEnd;
        lineFromLineEnd = false;
        switch (sym_) {
        case S::EofSy:
        case S::PreEndSy:
            // So does the one right before </PRE>: no blank line for it.
            if (afterLineEnd && section_ && section_->IsEmpty() && !section_->Anchored)
                section_.reset();
            CloseSection();
            reader_->SetPreformatted(false);
            if (pushed)
                PopFont();
            if (sym_ == S::PreEndSy)
                Next();
            return;
        case S::TextSy:
            AddTokenText();
            Next();
            continue;
        case S::EolSy:
            startLine();
            lineFromLineEnd = true;
            Next();
            continue;
        case S::PSy: case S::PEndSy: case S::BRSy:
            startLine();
            Next();
            if (sym_ == S::EolSy)
                Next();
            continue;
        case S::BSy: case S::StrongSy: case S::ISy: case S::EmSy: case S::CiteSy: case S::VarSy: case S::USy:
        case S::BEndSy: case S::StrongEndSy: case S::IEndSy: case S::EmEndSy: case S::CiteEndSy:
        case S::VarEndSy: case S::UEndSy: case S::ImageSy: case S::ASy: case S::AEndSy: case S::InputSy:
        case S::SelectSy: case S::TextAreaSy: case S::FormSy: case S::FormEndSy: case S::FontSy:
        case S::BaseFontSy: case S::FontEndSy: case S::MapSy: case S::QSy: case S::QEndSy:
            DoCommon(level);
            if (!section_)
                startLine();
            continue;
        default:
            Next();
            continue;
        }
    }
}

void HtmlParser::DoTable(int level)
{
    if (tableDepth_ >= MaxNesting) {
        Next();
        return;
    }
    CloseSection();
    auto table = std::make_unique<ThtmlTable>(&doc_, reader_->Attributes, align_);
    const TextAlign savedAlign = align_;
    const bool savedBold = bold_, savedItalic = italic_, savedUnderline = underline_;
    ++tableDepth_;
    TCell* enclosing = cell_;
    const SymbolSet cellClosers = MakeSet({S::TableEndSy, S::TDSy, S::TDEndSy, S::TRSy, S::THSy, S::THEndSy,
                                           S::CaptionSy, S::CaptionEndSy});
    const SymbolSet outsideClosers = MakeSet({S::TDSy, S::THSy, S::TRSy, S::CaptionSy, S::TableEndSy});
    TextAlign rowAlign = TextAlign::Left;
    bool rowAlignGiven = false;
    VAlign rowVAlign = VAlign::Middle;
    bool firstRow = true;
    // A COLGROUP without COLs stands for its SPAN columns of its WIDTH; with
    // COLs, they name the columns and take its WIDTH when they give none.
    struct ColumnGroup {
        bool open = false;
        int span = 1;
        std::optional<TAttribute> width;
        bool hasCols = false;
    } group;
    auto endGroup = [&] {
        if (group.open && !group.hasCols)
            table->AddColumns(group.span, group.width ? &*group.width : nullptr);
        group = ColumnGroup();
    };

    auto parseCell = [&](TCell* cell, TextAlign align) {
        cell_ = cell;
        align_ = align;
        const size_t outerPhrases = phraseBase_;
        phraseBase_ = phrases_.size();
        DoBody(cellClosers);
        CloseSection();
        EndPhrases();
        phraseBase_ = outerPhrases;
        cell_ = enclosing;
    };

    Next();
    while (sym_ != S::TableEndSy && sym_ != S::EofSy) {
        switch (sym_) {
        case S::TRSy: {
            endGroup();
            const TAttributeList& attrs = reader_->Attributes;
            if (!firstRow || table->Rows.empty())
                table->AddRow();
            firstRow = false;
            rowAlignGiven = false;
            if (const TAttribute* a = attrs.Find(S::AlignSy)) {
                const TextAlign al = AlignFrom(a->Name, TextAlign(0));
                if (al != TextAlign(0)) {
                    rowAlign = al;
                    rowAlignGiven = true;
                }
            }
            rowVAlign = VAlignFrom(attrs, VAlign::Middle);
            Next();
            break;
        }
        case S::TDSy: case S::THSy: {
            endGroup();
            const bool header = sym_ == S::THSy;
            const TAttributeList& attrs = reader_->Attributes;
            if (table->Rows.empty()) {
                table->AddRow();
                firstRow = false;
            }
            TextAlign align = rowAlignGiven ? rowAlign : (header ? TextAlign::Center : TextAlign::Left);
            if (const TAttribute* a = attrs.Find(S::AlignSy))
                align = AlignFrom(a->Name, align);
            bold_ = header;
            TCellObj* cellObj = table->AddCell(std::make_unique<TCellObj>(&doc_, VAlignFrom(attrs, rowVAlign), &attrs));
            Next();
            parseCell(cellObj->Cell.get(), align);
            break;
        }
        case S::TDEndSy: case S::THEndSy: case S::CaptionEndSy:
            Next();
            break;
        case S::ColGroupSy: {
            endGroup();
            const TAttributeList& attrs = reader_->Attributes;
            group.open = true;
            if (const TAttribute* a = attrs.Find(S::SpanSy))
                group.span = std::max(1, a->Value);
            if (const TAttribute* a = attrs.Find(S::WidthSy))
                group.width = *a;
            Next();
            break;
        }
        case S::ColGroupEndSy:
            endGroup();
            Next();
            break;
        case S::ColSy: {
            const TAttributeList& attrs = reader_->Attributes;
            const TAttribute* width = attrs.Find(S::WidthSy);
            if (!width && group.width)
                width = &*group.width;
            const TAttribute* span = attrs.Find(S::SpanSy);
            table->AddColumns(span ? span->Value : 1, width);
            group.hasCols = group.open;
            Next();
            break;
        }
        case S::CaptionSy: {
            endGroup();
            if (const TAttribute* a = reader_->Attributes.Find(S::AlignSy))
                table->TopCaption = a->Name.compare(QLatin1String("bottom"), Qt::CaseInsensitive) != 0;
            Next();
            parseCell(table->Caption->Cell.get(), TextAlign::Center);
            if (sym_ == S::CaptionEndSy)
                Next();
            break;
        }
        case S::TextSy:
            if (reader_->TokenText.trimmed().isEmpty()) {
                Next();
                break;
            }
            // Stray content outside the cells shows before the table.
            align_ = savedAlign;
            DoBody(outsideClosers);
            CloseSection();
            break;
        default:
            Next();
            break;
        }
    }
    endGroup();
    if (sym_ == S::TableEndSy)
        Next();
    --tableDepth_;
    cell_ = enclosing;
    align_ = savedAlign;
    bold_ = savedBold;
    italic_ = savedItalic;
    underline_ = savedUnderline;
    table->ListLevel = level;
    enclosing->Add(std::move(table));
}

void HtmlParser::DoInput(int level)
{
    ThtmlForm* form = CurrentForm();
    auto control = MakeInputControl(&doc_, form, 0, reader_->Attributes);
    const bool hidden = dynamic_cast<THiddenFormControlObj*>(control.get()) != nullptr;
    TFormControlObj* placed = form->AddControl(std::move(control));
    placed->ResetToValue();
    if (!hidden) {
        EnsureSection(level);
        section_->AddFormControl(placed);
        MarkLastCharFromTag();
    }
    Next();
}

void HtmlParser::DoSelect(int level)
{
    const TAttributeList& attrs = reader_->Attributes;
    ThtmlForm* form = CurrentForm();
    const TAttribute* size = attrs.Find(S::SizeSy);
    std::unique_ptr<TListBoxFormControlObj> control;
    if (attrs.Has(S::MultipleSy) || (size && size->Value > 1))
        control = std::make_unique<TListBoxFormControlObj>(&doc_, form, 0, attrs);
    else
        control = std::make_unique<TComboFormControlObj>(&doc_, form, 0, attrs);
    auto* list = static_cast<TListBoxFormControlObj*>(form->AddControl(std::move(control)));
    EnsureSection(level);
    section_->AddFormControl(list);
    MarkLastCharFromTag();

    bool inOption = false;
    QString text;
    bool hasValue = false;
    QString value;
    bool selected = false;
    auto finishOption = [&] {
        if (inOption) {
            const QString trimmed = text.trimmed();
            if (!trimmed.isEmpty())
                list->AddOption(trimmed, hasValue, value, selected);
        }
        inOption = false;
    };
    Next();
    while (sym_ != S::SelectEndSy && sym_ != S::EofSy) {
        if (sym_ == S::OptionSy) {
            finishOption();
            const TAttributeList& optionAttrs = reader_->Attributes;
            inOption = true;
            text.clear();
            const TAttribute* v = optionAttrs.Find(S::ValueSy);
            hasValue = v != nullptr;
            value = v ? v->Name.left(80) : QString();
            selected = optionAttrs.Has(S::SelectedSy);
        } else if (sym_ == S::OptionEndSy) {
            finishOption();
        } else if (sym_ == S::TextSy && inOption && text.size() < 80) {
            text += reader_->TokenText;
            text.truncate(80);
        }
        Next();
    }
    finishOption();
    list->ResetToValue();
    if (sym_ == S::SelectEndSy)
        Next();
}

void HtmlParser::DoTextArea(int level)
{
    ThtmlForm* form = CurrentForm();
    auto* area = static_cast<TTextAreaFormControlObj*>(
        form->AddControl(std::make_unique<TTextAreaFormControlObj>(&doc_, form, 0, reader_->Attributes)));
    EnsureSection(level);
    section_->AddFormControl(area);
    MarkLastCharFromTag();
    for (const QString& line : reader_->ReadTextAreaLines())
        area->AddLine(line);
    area->ResetToValue();
    Next();
}

void HtmlParser::DoMap()
{
    QString name;
    if (const TAttribute* a = reader_->Attributes.Find(S::NameSy))
        name = a->Name.toUpper();
    auto map = std::make_unique<TMapItem>(name);
    Next();
    while (sym_ != S::MapEndSy && sym_ != S::EofSy) {
        if (sym_ == S::AreaSy)
            map->AddArea(reader_->Attributes);
        Next();
    }
    if (sym_ == S::MapEndSy) {
        doc_.MapList.push_back(std::move(map));
        Next();
    }
}
