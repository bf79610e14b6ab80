#include "viewer/htmlsymbols.h"

#include <array>
#include <cstdint>
#include <utility>

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

static_assert([] {
    for (size_t i = 0; i < kPairedTags.size(); ++i)
        if (int(kPairedTags[i].sym) != int(S::HtmlSy) + int(i))
            return false;
    return int(S::HtmlEndSy) - int(S::HtmlSy) == int(kPairedTags.size());
}(), "an end symbol is its start symbol moved by the number of paired tags");

// Names are letters: each becomes a small number, so a name is one integer
// and a table of names a small open-addressed hash table, built by the
// compiler and searched without hashing text or allocating. Tag and
// attribute names ignore case, five bits a letter; entity names keep it,
// six bits a letter. Key 0 marks an empty slot (no name packs to 0).
constexpr uint64_t PackedName(const char* name)
{
    uint64_t key = 0;
    for (; *name; ++name)
        key = PackNameLetter(key, char16_t(*name));
    return key;
}

constexpr int kLongestEntity = 6;

uint64_t PackLetters(QStringView name)
{
    if (name.size() > kLongestEntity)
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

constexpr uint64_t PackedEntity(const char* name)
{
    uint64_t key = 0;
    for (; *name; ++name)
        key = (key << 6) | uint64_t(*name >= 'a' ? *name - 'a' + 27 : *name - 'A' + 1);
    return key;
}

// 256 slots for at most 72 names: a lookup nearly always ends at its first slot.
struct HashTable {
    static constexpr int kBits = 8;
    struct Slot {
        uint64_t key = 0;
        int value = 0;
    };
    std::array<Slot, size_t(1) << kBits> entries{};

    static constexpr size_t Home(uint64_t key) { return size_t((key * 0x9E3779B97F4A7C15ull) >> (64 - kBits)); }

    // A name listed twice (VALUE) keeps its first meaning.
    constexpr void Add(uint64_t key, int value)
    {
        size_t i = Home(key);
        while (entries[i].key != 0 && entries[i].key != key)
            i = (i + 1) % entries.size();
        if (entries[i].key == 0)
            entries[i] = {key, value};
    }
    int Find(uint64_t key, int none) const
    {
        if (key == 0)
            return none;
        for (size_t i = Home(key);; i = (i + 1) % entries.size()) {
            if (entries[i].key == key)
                return entries[i].value;
            if (entries[i].key == 0)
                return none;
        }
    }
};

constexpr HashTable kTagTable = [] {
    HashTable t;
    for (const Named& n : kPairedTags)
        t.Add(PackedName(n.name), int(n.sym));
    for (const Named& n : kSingleTags)
        t.Add(PackedName(n.name), int(n.sym));
    return t;
}();

constexpr HashTable kAttributeTable = [] {
    HashTable t;
    for (const Named& n : kAttributes)
        t.Add(PackedName(n.name), int(n.sym));
    return t;
}();

constexpr HashTable kEntityTable = [] {
    HashTable t;
    for (const auto& [name, code] : {std::pair{"amp", 38}, {"lt", 60}, {"gt", 62}, {"quot", 34},
                                     {"nbsp", 160}, {"copy", 169}, {"reg", 174}})
        t.Add(PackedEntity(name), code);
    for (size_t i = 0; i < kLatinEntities.size(); ++i)
        if (*kLatinEntities[i])
            t.Add(PackedEntity(kLatinEntities[i]), 192 + int(i));
    return t;
}();

} // namespace

TagSymbol LookupTag(uint64_t name, bool endTag)
{
    const int start = kTagTable.Find(name, int(S::CommandSy));
    if (!endTag)
        return TagSymbol(start);
    if (start >= int(S::HtmlSy) && start < int(S::HtmlEndSy))
        return TagSymbol(start + int(S::HtmlEndSy) - int(S::HtmlSy));
    return S::CommandSy;
}

TagSymbol LookupAttribute(uint64_t name)
{
    return TagSymbol(kAttributeTable.Find(name, int(S::OtherAttribute)));
}

int LookupEntity(QStringView name)
{
    return kEntityTable.Find(PackLetters(name), 0);
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
