#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

// One code per start tag, per end tag the parser knows, per attribute name
// and per token kind. The attribute TEXT and the token kind text share a code:
// they are never looked at in the same place.
enum class TagSymbol : unsigned char {
    // Token kinds.
    TextSy, OtherChar, CommandSy, EofSy, OtherAttribute, EolSy,
    // Tags with an end tag, then their end symbols in the same order.
    HtmlSy, TitleSy, BodySy, HeadSy, BSy, ISy, HeadingSy, EmSy, StrongSy, USy, CiteSy, VarSy,
    TTSy, CodeSy, KbdSy, SampSy, OLSy, ULSy, DirSy, MenuSy, DLSy, ASy, AddressSy, BlockQuoteSy,
    PreSy, CenterSy, TableSy, TDSy, THSy, CaptionSy, FormSy, TextAreaSy, SelectSy, OptionSy,
    FontSy, SubSy, SupSy, BigSy, SmallSy, PSy, MapSy, FrameSetSy, NoFramesSy, DivSy, DfnSy, QSy, ColGroupSy,
    HtmlEndSy, TitleEndSy, BodyEndSy, HeadEndSy, BEndSy, IEndSy, HeadingEndSy, EmEndSy,
    StrongEndSy, UEndSy, CiteEndSy, VarEndSy, TTEndSy, CodeEndSy, KbdEndSy, SampEndSy,
    OLEndSy, ULEndSy, DirEndSy, MenuEndSy, DLEndSy, AEndSy, AddressEndSy, BlockQuoteEndSy,
    PreEndSy, CenterEndSy, TableEndSy, TDEndSy, THEndSy, CaptionEndSy, FormEndSy,
    TextAreaEndSy, SelectEndSy, OptionEndSy, FontEndSy, SubEndSy, SupEndSy, BigEndSy,
    SmallEndSy, PEndSy, MapEndSy, FrameSetEndSy, NoFramesEndSy, DivEndSy, DfnEndSy, QEndSy, ColGroupEndSy,
    // Tags without an end symbol.
    LISy, BRSy, HRSy, DDSy, DTSy, ImageSy, BaseSy, TRSy, ButtonSy, InputSy, SelectedSy,
    BaseFontSy, AreaSy, FrameSy, ColSy,
    // Attributes (TEXT is TextSy, SELECTED is SelectedSy).
    HrefSy, NameSy, SrcSy, AltSy, AlignSy, BGColorSy, LinkSy, BackgroundSy, ColSpanSy,
    RowSpanSy, BorderSy, CellPaddingSy, CellSpacingSy, VAlignSy, WidthSy, StartSy, ValueSy,
    TypeSy, CheckBoxSy, RadioSy, MethodSy, ActionSy, CheckedSy, SizeSy, MaxLengthSy, ColsSy,
    RowsSy, MultipleSy, FaceSy, ColorSy, TranspSy, ClearSy, IsMapSy, BorderColorSy, UseMapSy,
    ShapeSy, CoordsSy, NoHrefSy, HeightSy, PlainSy, TargetSy, NoResizeSy, ScrollingSy, NoShadeSy, SpanSy,
    SymbolCount
};

// A tag or attribute name (letters A to Z, either case) as one number, five
// bits a letter, the way the reader packs it while it scans; 0 for a name
// longer than any the tables below hold.
constexpr int MaxPackedName = 11;
constexpr uint64_t PackNameLetter(uint64_t key, char16_t letter) { return (key << 5) | (letter & 31u); }
// Looks a packed tag name up; end tags of tags without an end symbol, and
// unknown names, give CommandSy.
TagSymbol LookupTag(uint64_t name, bool endTag);
TagSymbol LookupAttribute(uint64_t name);
// Attributes are kept only for these tags.
bool TagStoresAttributes(TagSymbol sym);
const char* SymbolName(TagSymbol sym);

// An entity name (case kept) to its Latin-1 code, or 0.
int LookupEntity(QStringView name);

// One attribute of the last tag: its number (0 when not a number) and its text.
struct TAttribute {
    TagSymbol Which = TagSymbol::OtherAttribute;
    int Value = 0;
    QString Name;
};

// The attributes of the tag read last. A page has a tag with attributes
// every few words: clearing keeps the entries, and the text of each, for the
// next tag to fill.
class TAttributeList {
public:
    void Clear() { count_ = 0; }
    // A new last entry, empty.
    TAttribute& AddNew();
    // The first attribute with this symbol, or null.
    const TAttribute* Find(TagSymbol sym) const;
    bool Has(TagSymbol sym) const { return Find(sym) != nullptr; }
    int Count() const { return int(count_); }
    std::span<const TAttribute> Items() const { return {items_.data(), count_}; }

private:
    std::vector<TAttribute> items_;
    size_t count_ = 0;
};

// The longest name of the HTML 4 named characters ("thetasym").
constexpr int MaxNamedCharacterLength = 8;
// A name of the HTML 4 set (case kept) to its character, or 0.
char32_t LookupNamedCharacter(QStringView name);
// Every name of the HTML 4 named characters with its character, in code order.
struct NamedCharacterEntry {
    QString name;
    char32_t character = 0;
};
const std::vector<NamedCharacterEntry>& NamedCharacterList();
// The character a numeric reference stands for: 128 to 159 as Windows-1252;
// 0 for control characters other than tab and line feed, surrogates and
// numbers beyond Unicode.
char32_t CharacterOfReference(char32_t number);

// A character reference as pages are read: `text` starts with its "&".
// `length` counts the characters it takes (at least the "&"); `character`
// is what they stand for, 0 when they stay text as written.
struct CharacterReference {
    qsizetype length = 1;
    char32_t character = 0;
};
CharacterReference ReadCharacterReference(QStringView text);
