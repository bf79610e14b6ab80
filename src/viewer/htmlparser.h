#pragma once

#include "viewer/fonts.h"
#include "viewer/htmlsymbols.h"
#include "viewer/sectionbase.h"
#include "viewer/sections.h"
#include "viewer/urltarget.h"

#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <unordered_map>
#include <memory>
#include <vector>

class HtmlReader;
class TCell;
class TSection;
class TSectionList;
class ThtmlForm;

// Named anchors: the name in upper case and the section it stands in.
using TNameList = QMap<QString, TSectionBase*>;

using SymbolSet = std::bitset<size_t(TagSymbol::SymbolCount)>;

// Turns HTML text into the viewer's document. Forgiving: it never rejects
// markup and skips what it does not know; the one error, a comment still
// open at the end, is raised after everything before it has been built.
class HtmlParser {
public:
    HtmlParser(TSectionList& document, TNameList& names);
    ~HtmlParser();

    void ParseFile(const QString& path);
    void ParseLines(const QStringList& lines);
    // Bytes as a file holds them (UTF-8 when valid, else Windows-1252).
    void ParseBuffer(QByteArrayView bytes);
    void ParseText(const QString& text);

    QString Title;
    QString Base;
    QString BaseTarget;

    // Nesting deeper than this is read as if flat: lists, block quotes and tables.
    static constexpr int MaxNesting = 40;
    static constexpr int MaxFonts = 25;

private:
    enum class Style { Bold, Italic, Underline };

    void Run(QString text);
    void Next();
    void DoBody(const SymbolSet& closers);
    bool DoCommon(int level);
    void DoLists(int level, TagSymbol opener, const SymbolSet& closers);
    void DoPre(int level);
    void DoTable(int level);
    void DoSelect(int level);
    void DoTextArea(int level);
    void DoInput(int level);
    void DoMap();
    void DoParagraph(int level);
    void DoBreak(int level);
    // Q: quotation marks around its text, single ones inside another Q.
    void DoQuote(int level);
    void DoFontChange();
    void DoSizeStep(bool bigger);
    void OpenPhrase();
    // The end tag of a phrase tag; false when a block end already closed it.
    bool ClosePhrase();
    // Ends the phrase tags opened in the innermost list item, cell, heading
    // or paragraph, restoring the fonts and italics they changed.
    void EndPhrases();

    TMyFont EffectiveFont() const;
    // EffectiveFont as the document's pooled copy. Text switches among a few
    // fonts thousands of times: each combination is pooled once.
    const TMyFont* CurrentFont();
    const TMyFont& TopFont() const { return fonts_.back().Font; }
    bool PushFont(const TMyFont& font);
    void PopFont();
    void ChangeFontIfSection();
    // Adds the text token to the section, with where it came from.
    void AddTokenText();
    // The section's last character (a picture, a control) stands for the tag just read.
    void MarkLastCharFromTag();
    void StartSection(int level);
    void EnsureSection(int level);
    void CloseSection();
    // Gives the section the marker of the list item left empty just before
    // it, when only vertical space stands between them.
    void TakeMarker(TSection& section, int level);
    ThtmlForm* CurrentForm();
    TextAlign AlignFrom(const QString& value, TextAlign current) const;

    TSectionList& doc_;
    TNameList& names_;
    std::unique_ptr<HtmlReader> reader_;
    TagSymbol sym_ = TagSymbol::EofSy;
    TCell* cell_ = nullptr;
    std::unique_ptr<TSection> section_;
    struct StackedFont {
        TMyFont Font;
        const TMyFont* Pooled = nullptr;   // filled when first drawn in
    };
    std::vector<StackedFont> fonts_;
    // The pooled font of a stacked one with the style flags applied, by
    // the stacked font's pooled address and the flags.
    std::unordered_map<uint64_t, const TMyFont*> styledFonts_;
    const TUrlTarget* pooledLink_ = nullptr;   // the link text now belongs to (pooled)
    const TUrlTarget* noLink_ = nullptr;       // the pooled empty link
    bool inLink_ = false;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    SubSuperState subSuper_ = SubSuperState::None;
    TextAlign align_ = TextAlign::Left;
    int baseFontSize_ = 3;
    ThtmlForm* form_ = nullptr;
    int tableDepth_ = 0;
    std::vector<TextAlign> divAligns_;   // the alignment before each open DIV

    // A list item closed before its first line (the item opened with a
    // heading or another block): its number or bullet waits for that line.
    struct PendingMarker {
        TCell* Cell = nullptr;   // null when none waits
        int Count = 0;           // the cell's sections when the item was closed
        int Level = 0;
        ListType Kind = ListType::None;
        int Number = 0;
        bool Plain = false;
        const TMyFont* Font = nullptr;
    };
    PendingMarker marker_;

    // KBD, SAMP, VAR, CITE, DFN, CODE and TT end with the block that holds
    // them, as in a browser; B, I, U and FONT carry on.
    struct Phrase {
        TagSymbol Sym;
        size_t FontDepth;   // the font stack before it
        bool Italic;        // the italic flag before it
    };
    std::vector<Phrase> phrases_;
    size_t phraseBase_ = 0;   // the first phrase of the innermost list or cell
    // Per phrase tag: how many a block end closed, whose end tags are still to come.
    std::array<int, 7> phrasesEnded_{};
    int quoteDepth_ = 0;   // open Q tags
};
