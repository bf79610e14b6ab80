#pragma once

#include <QStringView>

#include <vector>

// What a piece of the source is, read the way the preview reads it: a "<"
// outside a tag starts one when a letter, "/", "!" or "?" follows it and is
// text otherwise, as is a ">" outside a tag; a ">" inside quotes still ends
// the tag; "<!" starts a comment or declaration anywhere (even inside a
// tag); an entity is one only when the preview turns it into a character;
// and the content of a TEXTAREA is text up to its end tag.
enum class HtmlPieceKind {
    Text,
    TagMark,         // "<", "</", ">"
    TagName,         // with the heading level of H1 to H6
    AttributeName,
    AttributeValue,  // with its "=" and quotes
    Entity,
    Comment,
    Declaration,     // "<!DOCTYPE ...>" and every other "<!" without "--"
    Ignored,         // inside a tag but read by nobody, and control characters
};

struct HtmlPiece {
    int start = 0;
    int length = 0;
    HtmlPieceKind kind = HtmlPieceKind::Text;
};

// Where the reading stands at a line break, so that the next line goes on
// from there. Never negative, and below kHtmlLineStateLimit: the editor
// keeps marks of its own in the bits above.
using HtmlLineState = int;
constexpr HtmlLineState kHtmlDocumentStart = 0;
constexpr HtmlLineState kHtmlLineStateLimit = 1 << 16;

// Splits one line (without its line break) into pieces that cover it from
// start to end, neighbours of the same kind joined, starting from the state
// the line before ended in; returns the state this line ends in.
HtmlLineState ClassifyHtmlLine(QStringView line, HtmlLineState state, std::vector<HtmlPiece>& pieces);

// Where the reading stands at the end of a line (or of the part of a line
// read), in the terms completion asks about.
enum class HtmlReadingPlace {
    Text,
    Tag,          // after the name or between attributes
    BeforeValue,  // after "=", no value yet
    QuotedValue,
    Comment,      // also a declaration
    TextArea,     // the content of a TEXTAREA
    Other,        // the rest of a tag nobody reads
};
HtmlReadingPlace ReadingPlaceOf(HtmlLineState state);
