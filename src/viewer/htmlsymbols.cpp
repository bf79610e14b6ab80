#include "viewer/htmlsymbols.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

using S = TagSymbol;

struct Named {
    const char* name;
    S sym;
};

// Tags that have an end symbol, in the order of their symbols.
constexpr std::array<Named, 47> kPairedTags{{
    {"HTML", S::HtmlSy}, {"TITLE", S::TitleSy}, {"BODY", S::BodySy}, {"HEAD", S::HeadSy},
    {"B", S::BSy}, {"I", S::ISy}, {"H", S::HeadingSy}, {"EM", S::EmSy}, {"STRONG", S::StrongSy},
    {"U", S::USy}, {"CITE", S::CiteSy}, {"VAR", S::VarSy}, {"TT", S::TTSy}, {"CODE", S::CodeSy},
    {"KBD", S::KbdSy}, {"SAMP", S::SampSy}, {"OL", S::OLSy}, {"UL", S::ULSy}, {"DIR", S::DirSy},
    {"MENU", S::MenuSy}, {"DL", S::DLSy}, {"A", S::ASy}, {"ADDRESS", S::AddressSy},
    {"BLOCKQUOTE", S::BlockQuoteSy}, {"PRE", S::PreSy}, {"CENTER", S::CenterSy},
    {"TABLE", S::TableSy}, {"TD", S::TDSy}, {"TH", S::THSy}, {"CAPTION", S::CaptionSy},
    {"FORM", S::FormSy}, {"TEXTAREA", S::TextAreaSy}, {"SELECT", S::SelectSy},
    {"OPTION", S::OptionSy}, {"FONT", S::FontSy}, {"SUB", S::SubSy}, {"SUP", S::SupSy},
    {"BIG", S::BigSy}, {"SMALL", S::SmallSy}, {"P", S::PSy}, {"MAP", S::MapSy},
    {"FRAMESET", S::FrameSetSy}, {"NOFRAMES", S::NoFramesSy}, {"DIV", S::DivSy},
    {"DFN", S::DfnSy}, {"Q", S::QSy}, {"COLGROUP", S::ColGroupSy},
}};

constexpr std::array<Named, 15> kSingleTags{{
    {"LI", S::LISy}, {"BR", S::BRSy}, {"HR", S::HRSy}, {"DD", S::DDSy}, {"DT", S::DTSy},
    {"IMG", S::ImageSy}, {"BASE", S::BaseSy}, {"TR", S::TRSy}, {"BUTTON", S::ButtonSy},
    {"INPUT", S::InputSy}, {"SELECTED", S::SelectedSy}, {"BASEFONT", S::BaseFontSy},
    {"AREA", S::AreaSy}, {"FRAME", S::FrameSy}, {"COL", S::ColSy},
}};

constexpr std::array<Named, 48> kAttributes{{
    {"HREF", S::HrefSy}, {"NAME", S::NameSy}, {"SRC", S::SrcSy}, {"ALT", S::AltSy},
    {"ALIGN", S::AlignSy}, {"TEXT", S::TextSy}, {"BGCOLOR", S::BGColorSy}, {"LINK", S::LinkSy},
    {"BACKGROUND", S::BackgroundSy}, {"COLSPAN", S::ColSpanSy}, {"ROWSPAN", S::RowSpanSy},
    {"BORDER", S::BorderSy}, {"CELLPADDING", S::CellPaddingSy}, {"CELLSPACING", S::CellSpacingSy},
    {"VALIGN", S::VAlignSy}, {"WIDTH", S::WidthSy}, {"START", S::StartSy}, {"VALUE", S::ValueSy},
    {"TYPE", S::TypeSy}, {"CHECKBOX", S::CheckBoxSy}, {"RADIO", S::RadioSy},
    {"METHOD", S::MethodSy}, {"ACTION", S::ActionSy}, {"CHECKED", S::CheckedSy},
    {"SIZE", S::SizeSy}, {"MAXLENGTH", S::MaxLengthSy}, {"COLS", S::ColsSy}, {"ROWS", S::RowsSy},
    {"MULTIPLE", S::MultipleSy}, {"VALUE", S::ValueSy}, {"SELECTED", S::SelectedSy},
    {"FACE", S::FaceSy}, {"COLOR", S::ColorSy}, {"TRANSP", S::TranspSy}, {"CLEAR", S::ClearSy},
    {"ISMAP", S::IsMapSy}, {"BORDERCOLOR", S::BorderColorSy}, {"USEMAP", S::UseMapSy},
    {"SHAPE", S::ShapeSy}, {"COORDS", S::CoordsSy}, {"NOHREF", S::NoHrefSy},
    {"HEIGHT", S::HeightSy}, {"PLAIN", S::PlainSy}, {"TARGET", S::TargetSy},
    {"NORESIZE", S::NoResizeSy}, {"SCROLLING", S::ScrollingSy}, {"NOSHADE", S::NoShadeSy},
    {"SPAN", S::SpanSy},
}};

// The Latin-1 names from 192 on, one per code; 215 and 247 have none.
constexpr std::array<const char*, 64> kLatinEntities{{
    "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave",
    "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve",
    "Oacute", "Ocirc", "Otilde", "Ouml", "", "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml",
    "Yacute", "THORN", "szlig", "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig",
    "ccedil", "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth",
    "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "", "oslash", "ugrave", "uacute",
    "ucirc", "uuml", "yacute", "thorn", "yuml",
}};

// Names are letters: each becomes a small number, so a name is one integer
// and a table of names is a sorted array searched without hashing or
// allocating. Tag and attribute names are upper case, five bits a letter
// (eleven fit); entity names keep their case, six bits a letter. Zero when
// the name is longer than the table's longest or holds anything else.
uint64_t PackUpper(QStringView name, int maxLength)
{
    if (name.size() > maxLength)
        return 0;
    uint64_t key = 0;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 'A' || u > 'Z')
            return 0;
        key = (key << 5) | uint64_t(u - 'A' + 1);
    }
    return key;
}

uint64_t PackLetters(QStringView name, int maxLength)
{
    if (name.size() > maxLength)
        return 0;
    uint64_t key = 0;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        uint64_t code;
        if (u >= 'A' && u <= 'Z')
            code = uint64_t(u - 'A') + 1;
        else if (u >= 'a' && u <= 'z')
            code = uint64_t(u - 'a') + 27;
        else
            return 0;
        key = (key << 6) | code;
    }
    return key;
}

constexpr int kLongestTag = 10;
constexpr int kLongestAttribute = 11;
constexpr int kLongestEntity = 6;

uint64_t UpperKey(const char* name) { return PackUpper(QString::fromLatin1(name), kLongestAttribute); }

struct Entry {
    uint64_t key;
    int value;
    bool operator<(const Entry& o) const { return key < o.key; }
};
using Table = std::vector<Entry>;

Table Sorted(Table table)
{
    std::sort(table.begin(), table.end());
    // A name listed twice (VALUE, SELECTED) keeps its first meaning.
    table.erase(std::unique(table.begin(), table.end(),
                            [](const Entry& a, const Entry& b) { return a.key == b.key; }),
                table.end());
    return table;
}

int Find(const Table& table, uint64_t key, int none)
{
    if (key == 0)
        return none;
    auto it = std::lower_bound(table.begin(), table.end(), Entry{key, 0});
    return it != table.end() && it->key == key ? it->value : none;
}

const Table& StartTags()
{
    static const Table table = [] {
        Table t;
        for (const Named& n : kPairedTags)
            t.push_back({UpperKey(n.name), int(n.sym)});
        for (const Named& n : kSingleTags)
            t.push_back({UpperKey(n.name), int(n.sym)});
        return Sorted(std::move(t));
    }();
    return table;
}

const Table& EndTags()
{
    static const Table table = [] {
        Table t;
        for (size_t i = 0; i < kPairedTags.size(); ++i)
            t.push_back({UpperKey(kPairedTags[i].name), int(S::HtmlEndSy) + int(i)});
        return Sorted(std::move(t));
    }();
    return table;
}

const Table& Attributes()
{
    static const Table table = [] {
        Table t;
        for (const Named& n : kAttributes)
            t.push_back({UpperKey(n.name), int(n.sym)});
        return Sorted(std::move(t));
    }();
    return table;
}

const Table& Entities()
{
    static const Table table = [] {
        Table t;
        for (const auto& [name, code] : {std::pair{"amp", 38}, {"lt", 60}, {"gt", 62}, {"quot", 34},
                                         {"nbsp", 160}, {"copy", 169}, {"reg", 174}})
            t.push_back({PackLetters(QString::fromLatin1(name), kLongestEntity), code});
        for (size_t i = 0; i < kLatinEntities.size(); ++i)
            if (*kLatinEntities[i])
                t.push_back({PackLetters(QString::fromLatin1(kLatinEntities[i]), kLongestEntity), 192 + int(i)});
        return Sorted(std::move(t));
    }();
    return table;
}

} // namespace

TagSymbol LookupTag(QStringView upperName, bool endTag)
{
    return TagSymbol(Find(endTag ? EndTags() : StartTags(), PackUpper(upperName, kLongestTag), int(S::CommandSy)));
}

TagSymbol LookupAttribute(QStringView upperName)
{
    return TagSymbol(Find(Attributes(), PackUpper(upperName, kLongestAttribute), int(S::OtherAttribute)));
}

int LookupEntity(QStringView name)
{
    return Find(Entities(), PackLetters(name, kLongestEntity), 0);
}

bool TagStoresAttributes(TagSymbol sym)
{
    switch (sym) {
    case S::BodySy: case S::PSy: case S::BRSy: case S::HeadingSy: case S::HRSy: case S::BaseSy:
    case S::OLSy: case S::ULSy: case S::ImageSy: case S::ASy: case S::TableSy: case S::TDSy:
    case S::TRSy: case S::THSy: case S::CaptionSy: case S::InputSy: case S::FormSy:
    case S::TextAreaSy: case S::SelectSy: case S::OptionSy: case S::FontSy: case S::BaseFontSy:
    case S::MapSy: case S::AreaSy: case S::FrameSetSy: case S::FrameSy: case S::DivSy:
    case S::ColGroupSy: case S::ColSy:
        return true;
    default:
        return false;
    }
}

const char* SymbolName(TagSymbol sym)
{
    const int s = int(sym);
    if (s >= int(S::HtmlSy) && s < int(S::HtmlEndSy))
        return kPairedTags[size_t(s - int(S::HtmlSy))].name;
    if (s >= int(S::HtmlEndSy) && s < int(S::LISy))
        return kPairedTags[size_t(s - int(S::HtmlEndSy))].name;
    if (s >= int(S::LISy) && s <= int(S::ColSy))
        return kSingleTags[size_t(s - int(S::LISy))].name;
    for (const Named& n : kAttributes)
        if (n.sym == sym)
            return n.name;
    switch (sym) {
    case S::TextSy: return "text";
    case S::OtherChar: return "other";
    case S::CommandSy: return "command";
    case S::EofSy: return "eof";
    case S::OtherAttribute: return "attribute";
    case S::EolSy: return "eol";
    default: return "?";
    }
}

TAttribute& TAttributeList::AddNew()
{
    if (count_ == items_.size())
        items_.emplace_back();
    TAttribute& a = items_[count_++];
    a.Which = TagSymbol::OtherAttribute;
    a.Value = 0;
    // A text the document kept a copy of stays with it.
    if (a.Name.isDetached())
        a.Name.resize(0);
    else
        a.Name.clear();
    return a;
}

const TAttribute* TAttributeList::Find(TagSymbol sym) const
{
    for (const TAttribute& a : Items())
        if (a.Which == sym)
            return &a;
    return nullptr;
}
