#include "viewer/htmlsymbols.h"

#include <array>
#include <string>
#include <unordered_map>

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

using Map = std::unordered_map<std::string, int>;

// Names are ASCII letters; a short std::string avoids any allocation.
bool ToKey(QStringView name, std::string& key, int maxLength)
{
    if (name.size() > maxLength)
        return false;
    key.clear();
    for (QChar c : name) {
        if (c.unicode() > 127)
            return false;
        key.push_back(char(c.unicode()));
    }
    return true;
}

const Map& StartTags()
{
    static const Map map = [] {
        Map m;
        for (const Named& n : kPairedTags)
            m[n.name] = int(n.sym);
        for (const Named& n : kSingleTags)
            m[n.name] = int(n.sym);
        return m;
    }();
    return map;
}

const Map& EndTags()
{
    static const Map map = [] {
        Map m;
        for (size_t i = 0; i < kPairedTags.size(); ++i)
            m[kPairedTags[i].name] = int(S::HtmlEndSy) + int(i);
        return m;
    }();
    return map;
}

const Map& Attributes()
{
    static const Map map = [] {
        Map m;
        for (const Named& n : kAttributes)
            m[n.name] = int(n.sym);
        return m;
    }();
    return map;
}

const Map& Entities()
{
    static const Map map = [] {
        Map m{{"amp", 38}, {"lt", 60}, {"gt", 62}, {"quot", 34}, {"nbsp", 160}, {"copy", 169}, {"reg", 174}};
        for (size_t i = 0; i < kLatinEntities.size(); ++i)
            if (*kLatinEntities[i])
                m[kLatinEntities[i]] = 192 + int(i);
        return m;
    }();
    return map;
}

} // namespace

TagSymbol LookupTag(QStringView upperName, bool endTag)
{
    thread_local std::string key;
    if (!ToKey(upperName, key, 10))
        return S::CommandSy;
    const Map& map = endTag ? EndTags() : StartTags();
    auto it = map.find(key);
    return it == map.end() ? S::CommandSy : TagSymbol(it->second);
}

TagSymbol LookupAttribute(QStringView upperName)
{
    thread_local std::string key;
    if (!ToKey(upperName, key, 11))
        return S::OtherAttribute;
    auto it = Attributes().find(key);
    return it == Attributes().end() ? S::OtherAttribute : TagSymbol(it->second);
}

int LookupEntity(QStringView name)
{
    thread_local std::string key;
    if (!ToKey(name, key, 6))
        return 0;
    auto it = Entities().find(key);
    return it == Entities().end() ? 0 : it->second;
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

const TAttribute* TAttributeList::Find(TagSymbol sym) const
{
    for (const TAttribute& a : items_)
        if (a.Which == sym)
            return &a;
    return nullptr;
}
