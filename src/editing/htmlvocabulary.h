#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What HTML 3.2 and 4.01 Transitional know: the elements, the attributes
// each takes and the values of those whose values are a fixed set; plus the
// few attributes the preview reads beyond them (BORDERCOLOR, TRANSP, PLAIN).
// Names are upper case; values as HTML writes them.

// Every element name, in alphabetical order (H1 to H6 one by one).
const QStringList& HtmlElementNames();
bool IsHtmlElement(QStringView upperName);
// Elements that have no end tag (BR, IMG, ...).
bool IsEmptyHtmlElement(QStringView upperName);

// The attributes of an element, its own first, then those every element of
// its kind shares (ID, CLASS, STYLE, ...); empty for an unknown element.
QStringList HtmlAttributesOf(QStringView upperElement);

enum class AttributeValueKind {
    Free,        // any text
    Boolean,     // written without a value (NOSHADE, CHECKED, ...)
    Enumerated,  // one of a fixed set
    Colour,
    Address,     // a file beside the page or one of its bookmarks
};
AttributeValueKind HtmlAttributeValueKind(QStringView upperElement, QStringView upperAttribute);
// The fixed set of an enumerated attribute, else empty.
QStringList HtmlEnumeratedValues(QStringView upperElement, QStringView upperAttribute);
// Whether the letter case of a value tells values apart (TYPE of OL and LI:
// "a" and "A" are different numberings).
bool HtmlValueCaseMatters(QStringView upperElement, QStringView upperAttribute);

// The sixteen colour names of HTML 4.01, upper case.
const QStringList& HtmlColourNames();
