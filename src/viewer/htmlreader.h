#pragma once

#include "viewer/htmlsymbols.h"
#include "viewer/sourcemap.h"

#include <QString>
#include <QStringList>

// The tokenizer: reads characters (line ends normalised, tabs as blanks
// except in preformatted text, comments removed) and turns them into symbols, text and attributes.
// It owns its whole state, so any number of parses may run side by side.
class HtmlReader {
public:
    static constexpr char16_t EofChar = 26;
    static constexpr int MaxTextToken = 100;
    static constexpr int MaxName = 150;

    explicit HtmlReader(QString source);

    // Reads the next token into Sym (and TokenText / Attributes / HeadingLevel).
    void Next();
    // Reads the content of a TEXTAREA up to its end tag, one entry per line.
    QStringList ReadTextAreaLines();

    // Inside preformatted text blanks are kept and each line end is an EolSy.
    void SetPreformatted(bool on) { inPre_ = on; }
    bool Preformatted() const { return inPre_; }
    // A comment was still open when the text ended; everything before it was read.
    bool OpenCommentAtEnd() const { return openComment_; }

    TagSymbol Sym = TagSymbol::EofSy;
    QString TokenText;
    // Where the token began in the source (the "<" of a tag, the "&" of a
    // reference) and, for text, where each of its characters came from.
    int TokenStart = 0;
    TextSource TokenSource;
    // The source offset just after the token read last.
    int SourceAfterToken() const { return int(chAt_); }
    int HeadingLevel = 0;
    TAttributeList Attributes;

private:
    char16_t ReadChar();
    void Advance()
    {
        // Nearly every character stands for itself; only line ends, tabs,
        // the end of text and a possible comment need ReadChar.
        if (i_ < n_) {
            const char16_t c = s_[i_];
            if (c >= ' ' && c != '<') {
                tabRead_ = false;
                chAt_ = i_++;
                ch_ = c;
                return;
            }
        }
        ch_ = ReadChar();
    }
    bool SkipComment();
    bool TagStartsHere() const;
    void ReadTag();
    uint64_t ReadName();
    void ReadAttributes(TAttributeList& list);
    void TakePlain(QString& value, char16_t end);
    void ReadUnquotedValue(TAttribute& attr);
    void ReadEntity();
    void ReadText();
    void SkipBlanks();

    QString src_;
    const char16_t* s_ = nullptr;
    qsizetype n_ = 0;
    qsizetype i_ = 0;
    char16_t ch_ = EofChar;
    qsizetype chAt_ = 0;   // source offset of ch_
    bool inPre_ = false;
    bool tabRead_ = false;   // ch_ came from a tab (read as a blank)
    bool openComment_ = false;
    TAttributeList dropped_;
};
