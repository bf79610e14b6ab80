#include "viewer/htmlparser.h"

#include "platform/kivoerror.h"
#include "platform/textcodec.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlcolor.h"
#include "viewer/htmlreader.h"
#include "viewer/sectionlist.h"
#include "viewer/sections.h"

#include <QFile>
#include <array>
#include <utility>

namespace {

using S = TagSymbol;

constexpr std::array<int, 6> kHeadingSizes{24, 18, 15, 12, 10, 8};

bool IsBlankText(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace

HtmlParser::HtmlParser(TSectionList& document, TNameList& names) : doc_(document), names_(names) {}

HtmlParser::~HtmlParser() = default;

void HtmlParser::ParseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(path);
    Run(DecodeUtf8ElseWindows1252(file.readAll()));
}

void HtmlParser::ParseLines(const QStringList& lines)
{
    QString text;
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 1;
    text.reserve(total);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1Char('\r');
    }
    Run(std::move(text));
}

void HtmlParser::ParseBuffer(QByteArrayView bytes)
{
    Run(DecodeUtf8ElseWindows1252(bytes));
}

void HtmlParser::ParseText(const QString& text)
{
    Run(text);
}

void HtmlParser::Run(QString text)
{
    reader_ = std::make_unique<HtmlReader>(std::move(text));
    cell_ = &doc_;
    section_.reset();
    fonts_.clear();
    TMyFont base;
    base.Name = doc_.FontName;
    base.SetNominalSize(12, doc_.DefFontSize);
    base.Color = doc_.FontColor;
    fonts_.push_back({base});
    styledFonts_.clear();
    noLink_ = doc_.FontPool.NoLink();
    pooledLink_ = noLink_;
    inLink_ = false;
    bold_ = italic_ = underline_ = false;
    subSuper_ = SubSuperState::None;
    align_ = TextAlign::Left;
    baseFontSize_ = 3;
    form_ = nullptr;
    tableDepth_ = 0;
    marker_ = PendingMarker();
    phrases_.clear();
    phraseBase_ = 0;
    quoteDepth_ = 0;
    phrasesEnded_.fill(0);
    Title.clear();
    Base.clear();
    BaseTarget.clear();

    Next();
    DoBody(SymbolSet());

    CloseSection();
    fonts_.resize(1);
    const bool openComment = reader_->OpenCommentAtEnd();
    reader_.reset();
    if (openComment)
        throw EParseError(QStringLiteral("Open Comment at End of HTML File"));
}

void HtmlParser::Next()
{
    reader_->Next();
    sym_ = reader_->Sym;
}

// ------------------------------------------------------------ fonts

const TMyFont* HtmlParser::CurrentFont()
{
    StackedFont& top = fonts_.back();
    if (!top.Pooled)
        top.Pooled = doc_.FontPool.Intern(top.Font);
    const unsigned styles = unsigned(bold_) | unsigned(italic_) << 1 | unsigned(underline_) << 2
        | unsigned(subSuper_) << 3;
    if (styles == 0)
        return top.Pooled;
    // The address moved clear of the five bits the flags take.
    const uint64_t key = uint64_t(reinterpret_cast<uintptr_t>(top.Pooled)) << 5 | styles;
    auto [it, added] = styledFonts_.try_emplace(key, nullptr);
    if (added)
        it->second = doc_.FontPool.Intern(EffectiveFont());
    return it->second;
}

TMyFont HtmlParser::EffectiveFont() const
{
    TMyFont font = TopFont();
    font.Bold = font.Bold || bold_;
    font.Italic = font.Italic || italic_;
    font.Underline = font.Underline || underline_;
    if (subSuper_ != SubSuperState::None)
        font.SetNominalSize(font.NominalSize * 3 / 4, doc_.DefFontSize);
    return font;
}

bool HtmlParser::PushFont(const TMyFont& font)
{
    if (int(fonts_.size()) >= MaxFonts)
        return false;
    fonts_.push_back({font});
    return true;
}

void HtmlParser::PopFont()
{
    if (fonts_.size() > 1)
        fonts_.pop_back();
}

void HtmlParser::ChangeFontIfSection()
{
    if (section_)
        section_->ChangeFont(CurrentFont(), subSuper_);
}

// ------------------------------------------------------------ phrase tags

namespace {

// The start symbol of a phrase tag's start or end symbol, and its place in the counts.
TagSymbol PhraseOpener(TagSymbol s)
{
    switch (s) {
    case S::TTEndSy: return S::TTSy;
    case S::CodeEndSy: return S::CodeSy;
    case S::KbdEndSy: return S::KbdSy;
    case S::SampEndSy: return S::SampSy;
    case S::CiteEndSy: return S::CiteSy;
    case S::VarEndSy: return S::VarSy;
    case S::DfnEndSy: return S::DfnSy;
    default: return s;
    }
}

size_t PhraseIndex(TagSymbol opener)
{
    switch (opener) {
    case S::TTSy: return 0;
    case S::CodeSy: return 1;
    case S::KbdSy: return 2;
    case S::SampSy: return 3;
    case S::CiteSy: return 4;
    case S::VarSy: return 5;
    default: return 6;
    }
}

bool IsItalicPhrase(TagSymbol opener)
{
    return opener == S::CiteSy || opener == S::VarSy || opener == S::DfnSy;
}

} // namespace

void HtmlParser::OpenPhrase()
{
    phrases_.push_back({sym_, fonts_.size(), italic_});
}

bool HtmlParser::ClosePhrase()
{
    const TagSymbol opener = PhraseOpener(sym_);
    for (size_t i = phrases_.size(); i > phraseBase_; --i) {
        if (phrases_[i - 1].Sym == opener) {
            phrases_.erase(phrases_.begin() + std::ptrdiff_t(i - 1));
            return true;
        }
    }
    int& ended = phrasesEnded_[PhraseIndex(opener)];
    if (ended > 0) {
        --ended;
        return false;
    }
    return true;   // a stray end tag does what it always did
}

void HtmlParser::EndPhrases()
{
    if (phrases_.size() <= phraseBase_)
        return;
    size_t depth = fonts_.size();
    bool italic = italic_;
    for (size_t i = phrases_.size(); i > phraseBase_; --i) {
        const Phrase& phrase = phrases_[i - 1];
        if (IsItalicPhrase(phrase.Sym))
            italic = phrase.Italic;
        else
            depth = std::min(depth, phrase.FontDepth);
        ++phrasesEnded_[PhraseIndex(phrase.Sym)];
    }
    phrases_.resize(phraseBase_);
    fonts_.resize(std::max<size_t>(1, depth));
    italic_ = italic;
    ChangeFontIfSection();
}

// ------------------------------------------------------------ sections

void HtmlParser::StartSection(int level)
{
    CloseSection();
    subSuper_ = SubSuperState::None;
    section_ = std::make_unique<TSection>(&doc_, level, align_, pooledLink_, CurrentFont());
    TakeMarker(*section_, level);
}

void HtmlParser::AddTokenText()
{
    const int before = int(section_->Buff.size());
    section_->AddText(reader_->TokenText);
    const int kept = int(section_->Buff.size()) - before;
    const int read = int(reader_->TokenText.size());
    if (kept > read)   // a tab made blanks: they all stand for it
        section_->Source.AddPacked(before, reader_->TokenStart, reader_->SourceAfterToken(), kept);
    else
        section_->Source.Append(reader_->TokenSource, before, read - kept);
}

void HtmlParser::MarkLastCharFromTag()
{
    section_->Source.AddPacked(int(section_->Buff.size()) - 1, reader_->TokenStart, reader_->SourceAfterToken());
}

void HtmlParser::EnsureSection(int level)
{
    if (!section_)
        StartSection(level);
}

void HtmlParser::CloseSection()
{
    if (!section_)
        return;
    const bool markerWaits = section_->IsEmpty()
        && (section_->ListKind == ListType::Numbered || section_->ListKind == ListType::Bulleted);
    if (markerWaits)
        marker_ = {cell_, 0, section_->ListLevel, section_->ListKind, section_->ListNumber, section_->Plain,
                   section_->MarkerFont};
    // A section left without text shows nothing and takes no room; pages
    // leave thousands of them between blocks. One that clears floats or
    // holds an anchor stays.
    if (section_->IsEmpty() && section_->Clear == ClearMode::None && !section_->Anchored
        && !section_->IsPreformatted())
        section_.reset();
    else
        cell_->Add(std::move(section_));
    if (markerWaits)
        marker_.Count = cell_->Count();
}

void HtmlParser::TakeMarker(TSection& section, int level)
{
    const PendingMarker marker = std::exchange(marker_, PendingMarker());
    if (marker.Cell != cell_ || marker.Level != level)
        return;
    for (int i = marker.Count; i < cell_->Count(); ++i)
        if (!dynamic_cast<THeadingSpace*>((*cell_)[i]) && !dynamic_cast<TParagraphSpace*>((*cell_)[i]))
            return;
    section.ListKind = marker.Kind;
    section.ListNumber = marker.Number;
    section.Plain = marker.Plain;
    section.MarkerFont = marker.Font;
    section.MarkerFromItem = true;
}

ThtmlForm* HtmlParser::CurrentForm()
{
    if (!form_) {
        doc_.htmlFormList.push_back(std::make_unique<ThtmlForm>(&doc_, nullptr));
        form_ = doc_.htmlFormList.back().get();
    }
    return form_;
}

TextAlign HtmlParser::AlignFrom(const QString& value, TextAlign current) const
{
    if (value.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0)
        return TextAlign::Left;
    if (value.compare(QLatin1String("center"), Qt::CaseInsensitive) == 0)
        return TextAlign::Center;
    if (value.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
        return TextAlign::Right;
    return current;
}

// ------------------------------------------------------------ body

void HtmlParser::DoBody(const SymbolSet& closers)
{
    const TAttributeList& attrs = reader_->Attributes;
    for (;;) {
        switch (sym_) {
        case S::EofSy:
            return;
        case S::BodyEndSy:
            Next();
            return;
        case S::TitleSy:
            Next();
            Title.clear();
            while (sym_ == S::TextSy) {
                Title += reader_->TokenText;
                Next();
            }
            continue;
        case S::BodySy:
            if (doc_.Count() == 0) {
                if (section_) {
                    // The unfinished section goes, and with it any anchor that named it.
                    for (auto it = names_.begin(); it != names_.end();)
                        it = it.value() == section_.get() ? names_.erase(it) : std::next(it);
                    section_.reset();
                }
                for (const TAttribute& a : attrs.Items()) {
                    QColor color;
                    switch (a.Which) {
                    case S::TextSy:
                        if (ParseHtmlColor(a.Name, color)) {
                            doc_.FontColor = color;
                            fonts_.front().Font.Color = color;
                            fonts_.front().Pooled = nullptr;
                        }
                        break;
                    case S::LinkSy:
                        if (ParseHtmlColor(a.Name, color))
                            doc_.HotSpotColor = color;
                        break;
                    case S::BGColorSy:
                        if (ParseHtmlColor(a.Name, color))
                            doc_.SetBackground(color);
                        break;
                    case S::BackgroundSy:
                        doc_.SetBackgroundName(a.Name);
                        break;
                    default:
                        break;
                    }
                }
                StartSection(0);
            }
            Next();
            continue;
        case S::HRSy:
            CloseSection();
            cell_->Add(std::make_unique<THorzLine>(&doc_, attrs));
            Next();
            continue;
        case S::BaseSy:
            if (const TAttribute* a = attrs.Find(S::HrefSy))
                Base = a->Name;
            if (const TAttribute* a = attrs.Find(S::TargetSy))
                BaseTarget = a->Name;
            Next();
            continue;
        case S::OLSy: case S::ULSy: case S::DirSy: case S::MenuSy: case S::DLSy:
            DoLists(1, sym_, closers);
            continue;
        case S::BlockQuoteSy:
            CloseSection();
            DoLists(1, sym_, closers);
            continue;
        default:
            break;
        }
        if (closers.test(size_t(sym_)))
            return;
        if (!DoCommon(0))
            Next();
    }
}

bool HtmlParser::DoCommon(int level)
{
    const TAttributeList& attrs = reader_->Attributes;
    switch (sym_) {
    case S::PSy: case S::PEndSy:
        DoParagraph(level);
        return true;
    case S::BSy: case S::StrongSy: case S::BEndSy: case S::StrongEndSy:
        bold_ = sym_ == S::BSy || sym_ == S::StrongSy;
        break;
    case S::ISy: case S::EmSy:
        italic_ = true;
        break;
    case S::CiteSy: case S::VarSy: case S::DfnSy:
        OpenPhrase();
        italic_ = true;
        break;
    case S::IEndSy: case S::EmEndSy:
        italic_ = false;
        break;
    case S::CiteEndSy: case S::VarEndSy: case S::DfnEndSy:
        if (ClosePhrase())
            italic_ = false;
        break;
    case S::USy: case S::UEndSy:
        underline_ = sym_ == S::USy;
        break;
    case S::SubSy:
        subSuper_ = SubSuperState::Sub;
        break;
    case S::SupSy:
        subSuper_ = SubSuperState::Super;
        break;
    case S::SubEndSy: case S::SupEndSy:
        subSuper_ = SubSuperState::None;
        break;
    case S::BRSy:
        DoBreak(level);
        return true;
    case S::HeadingSy: {
        if (int(fonts_.size()) < MaxFonts) {
            CloseSection();
            EndPhrases();
            const int h = reader_->HeadingLevel;
            TMyFont font = TopFont();
            if (h >= 1 && h <= 6) {
                font.SetNominalSize(kHeadingSizes[size_t(h - 1)], doc_.DefFontSize);
                font.Bold = true;
            } else {
                font.SetNominalSize(12, doc_.DefFontSize);
                font.Bold = false;
            }
            PushFont(font);
            cell_->Add(std::make_unique<THeadingSpace>(&doc_, h));
            const TextAlign saved = align_;
            if (const TAttribute* a = attrs.Find(S::AlignSy))
                align_ = AlignFrom(a->Name, align_);
            StartSection(level);
            align_ = saved;
        }
        Next();
        return true;
    }
    case S::HeadingEndSy:
        if (fonts_.size() > 1) {
            CloseSection();
            EndPhrases();
            cell_->Add(std::make_unique<THeadingSpace>(&doc_, reader_->HeadingLevel));
            PopFont();
        }
        Next();
        return true;
    case S::TTSy: case S::CodeSy: case S::KbdSy: case S::SampSy: {
        OpenPhrase();
        TMyFont font = TopFont();
        font.Name = doc_.PreFontName;
        font.SetNominalSize(10, doc_.DefFontSize);
        font.Fixed = true;
        PushFont(font);
        ChangeFontIfSection();
        Next();
        return true;
    }
    case S::TTEndSy: case S::CodeEndSy: case S::KbdEndSy: case S::SampEndSy:
        if (ClosePhrase()) {
            PopFont();
            ChangeFontIfSection();
        }
        Next();
        return true;
    case S::FontEndSy: case S::BigEndSy: case S::SmallEndSy:
        PopFont();
        ChangeFontIfSection();
        Next();
        return true;
    case S::AddressSy: {
        CloseSection();
        TMyFont font = TopFont();
        font.Italic = true;
        PushFont(font);
        StartSection(level);
        Next();
        return true;
    }
    case S::AddressEndSy:
        CloseSection();
        PopFont();
        Next();
        return true;
    case S::PreSy:
        DoPre(level);
        return true;
    case S::ImageSy:
        EnsureSection(level);
        section_->AddImage(attrs);
        MarkLastCharFromTag();
        Next();
        return true;
    case S::DivSy:
        // A block of its own; ALIGN holds until its end tag.
        CloseSection();
        divAligns_.push_back(align_);
        if (const TAttribute* a = attrs.Find(S::AlignSy))
            align_ = AlignFrom(a->Name, align_);
        StartSection(level);
        Next();
        return true;
    case S::DivEndSy:
        CloseSection();
        if (!divAligns_.empty()) {
            align_ = divAligns_.back();
            divAligns_.pop_back();
        }
        StartSection(level);
        Next();
        return true;
    case S::CenterSy: case S::CenterEndSy:
        CloseSection();
        align_ = sym_ == S::CenterSy ? TextAlign::Center : TextAlign::Left;
        StartSection(level);
        Next();
        return true;
    case S::ASy: {
        const TAttribute* href = attrs.Find(S::HrefSy);
        if (href && !href->Name.isEmpty()) {
            const TAttribute* target = attrs.Find(S::TargetSy);
            pooledLink_ = doc_.FontPool.Intern(TUrlTarget{href->Name, target ? target->Name : QString()});
            inLink_ = true;
            TMyFont font = TopFont();
            font.Underline = true;
            font.Color = doc_.HotSpotColor;
            PushFont(font);
            if (section_)
                section_->ChangeFontAndLink(CurrentFont(), subSuper_, pooledLink_);
        }
        const TAttribute* name = attrs.Find(S::NameSy);
        if (name && !name->Name.isEmpty()) {
            EnsureSection(level);
            const QString key = name->Name.toUpper();
            if (!names_.contains(key))
                names_.insert(key, section_.get());
            section_->Anchored = true;
        }
        Next();
        return true;
    }
    case S::AEndSy:
        if (inLink_) {
            pooledLink_ = noLink_;
            inLink_ = false;
            PopFont();
            if (section_)
                section_->ChangeFontAndLink(CurrentFont(), subSuper_, pooledLink_);
        }
        Next();
        return true;
    case S::TextSy:
        EnsureSection(level);
        AddTokenText();
        Next();
        return true;
    case S::TableSy:
        DoTable(level);
        return true;
    case S::InputSy:
        DoInput(level);
        return true;
    case S::SelectSy:
        DoSelect(level);
        return true;
    case S::TextAreaSy:
        DoTextArea(level);
        return true;
    case S::FormSy:
        doc_.htmlFormList.push_back(std::make_unique<ThtmlForm>(&doc_, &attrs));
        form_ = doc_.htmlFormList.back().get();
        Next();
        return true;
    case S::FormEndSy:
        form_ = nullptr;
        Next();
        return true;
    case S::FontSy: case S::BaseFontSy:
        DoFontChange();
        return true;
    case S::BigSy: case S::SmallSy:
        DoSizeStep(sym_ == S::BigSy);
        return true;
    case S::MapSy:
        DoMap();
        return true;
    case S::QSy: case S::QEndSy:
        DoQuote(level);
        return true;
    default:
        return false;
    }
    // A style flag changed.
    ChangeFontIfSection();
    Next();
    return true;
}

void HtmlParser::DoParagraph(int level)
{
    CloseSection();
    EndPhrases();
    cell_->Add(std::make_unique<TParagraphSpace>(&doc_));
    TextAlign align = align_;
    for (;;) {
        if (sym_ == S::PSy)
            if (const TAttribute* a = reader_->Attributes.Find(S::AlignSy))
                align = AlignFrom(a->Name, align_);
        Next();
        while (sym_ == S::TextSy && IsBlankText(reader_->TokenText))
            Next();
        if (sym_ != S::PSy && sym_ != S::PEndSy)
            break;
    }
    const TextAlign saved = align_;
    align_ = align;
    StartSection(level);
    align_ = saved;
}

void HtmlParser::DoQuote(int level)
{
    const bool opening = sym_ == S::QSy;
    if (opening || quoteDepth_ > 0) {
        if (!opening)
            --quoteDepth_;
        const bool inner = quoteDepth_ > 0;
        static constexpr char16_t kMarks[2][2] = {{u'\u201C', u'\u201D'}, {u'\u2018', u'\u2019'}};
        EnsureSection(level);
        section_->AddText(QStringView(&kMarks[inner][opening ? 0 : 1], 1));
        // No character of the page made the mark: it stands for its tag.
        MarkLastCharFromTag();
        if (opening)
            ++quoteDepth_;
    }
    Next();
}

void HtmlParser::DoBreak(int level)
{
    ClearMode clear = ClearMode::None;
    if (const TAttribute* a = reader_->Attributes.Find(S::ClearSy)) {
        if (a->Name.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0)
            clear = ClearMode::Left;
        else if (a->Name.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
            clear = ClearMode::Right;
        else
            clear = ClearMode::Both;
    }
    EnsureSection(level);
    if (section_->IsEmpty()) {
        section_->Buff = QStringLiteral(" ");   // so that the empty line has height
        MarkLastCharFromTag();
    }
    const TextAlign saved = align_;
    align_ = section_->Align;
    StartSection(level);
    align_ = saved;
    section_->Clear = clear;
    Next();
}

void HtmlParser::DoFontChange()
{
    const bool baseFont = sym_ == S::BaseFontSy;
    const TAttributeList& attrs = reader_->Attributes;
    TMyFont font = TopFont();
    bool given = false;
    if (const TAttribute* a = attrs.Find(S::SizeSy)) {
        const QString& v = a->Name;
        int size = a->Value;
        if (v.size() >= 2 && (v.front() == QLatin1Char('+') || v.front() == QLatin1Char('-')))
            size = baseFontSize_ + a->Value;
        size = std::clamp(size, 1, 7);
        if (baseFont)
            baseFontSize_ = size;
        static constexpr int kNormal[7] = {8, 10, 12, 14, 18, 24, 36};
        static constexpr int kPre[7] = {7, 8, 10, 12, 15, 20, 30};
        font.SetNominalSize(reader_->Preformatted() ? kPre[size - 1] : kNormal[size - 1], doc_.DefFontSize);
        given = true;
    }
    if (!baseFont) {
        if (const TAttribute* a = attrs.Find(S::ColorSy)) {
            QColor color;
            if (ParseHtmlColor(a->Name, color)) {
                font.Color = color;
                given = true;
            }
        }
        if (const TAttribute* a = attrs.Find(S::FaceSy)) {
            font.Name = a->Name.left(50);
            given = true;
        }
    }
    if (PushFont(font) && given)
        ChangeFontIfSection();
    Next();
}

void HtmlParser::DoSizeStep(bool bigger)
{
    static constexpr int kNormal[7] = {8, 10, 12, 14, 18, 24, 36};
    const int nominal = TopFont().NominalSize;
    int index = -1;
    for (int i = 0; i < 7; ++i)
        if (kNormal[i] == nominal)
            index = i;
    if (index >= 0) {
        const int next = bigger ? index + 1 : index - 1;
        if (next >= 0 && next < 7) {
            TMyFont font = TopFont();
            font.SetNominalSize(kNormal[next], doc_.DefFontSize);
            if (PushFont(font))
                ChangeFontIfSection();
        }
    }
    Next();
}
