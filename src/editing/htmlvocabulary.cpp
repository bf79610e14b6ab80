#include "editing/htmlvocabulary.h"

#include <QHash>

#include <algorithm>

namespace {

// The attributes an element shares with others of its kind.
enum class Shared { All, Core, CoreAndLanguage, Language, Nothing };

struct ElementEntry {
    const char* name;
    bool empty;
    Shared shared;
    const char* own;  // blank-separated
};

constexpr const char* kCore = "ID CLASS STYLE TITLE";
constexpr const char* kLanguage = "LANG DIR";
constexpr const char* kEvents =
    "ONCLICK ONDBLCLICK ONMOUSEDOWN ONMOUSEUP ONMOUSEOVER ONMOUSEMOVE ONMOUSEOUT ONKEYPRESS ONKEYDOWN ONKEYUP";

constexpr const char* kCell =
    "ALIGN VALIGN BGCOLOR WIDTH HEIGHT NOWRAP ROWSPAN COLSPAN ABBR AXIS HEADERS SCOPE CHAR CHAROFF";
constexpr const char* kRowGroup = "ALIGN VALIGN CHAR CHAROFF";
constexpr const char* kColumn = "SPAN WIDTH ALIGN VALIGN CHAR CHAROFF";

// HTML 4.01 Transitional (every element of HTML 3.2 is among them), with
// what the preview reads besides.
constexpr ElementEntry kElements[] = {
    {"A", false, Shared::All,
     "HREF NAME TARGET TITLE CHARSET TYPE HREFLANG REL REV ACCESSKEY SHAPE COORDS TABINDEX ONFOCUS ONBLUR"},
    {"ABBR", false, Shared::All, ""},
    {"ACRONYM", false, Shared::All, ""},
    {"ADDRESS", false, Shared::All, ""},
    {"APPLET", false, Shared::Core, "CODE CODEBASE ARCHIVE OBJECT ALT NAME WIDTH HEIGHT ALIGN HSPACE VSPACE"},
    {"AREA", true, Shared::All, "SHAPE COORDS HREF NOHREF ALT TARGET TABINDEX ACCESSKEY ONFOCUS ONBLUR"},
    {"B", false, Shared::All, ""},
    {"BASE", true, Shared::Nothing, "HREF TARGET"},
    {"BASEFONT", true, Shared::Nothing, "SIZE COLOR FACE ID"},
    {"BDO", false, Shared::CoreAndLanguage, ""},
    {"BIG", false, Shared::All, ""},
    {"BLOCKQUOTE", false, Shared::All, "CITE"},
    {"BODY", false, Shared::All, "BGCOLOR BACKGROUND TEXT LINK VLINK ALINK ONLOAD ONUNLOAD"},
    {"BR", true, Shared::Core, "CLEAR"},
    {"BUTTON", false, Shared::All, "NAME VALUE TYPE DISABLED TABINDEX ACCESSKEY ONFOCUS ONBLUR"},
    {"CAPTION", false, Shared::All, "ALIGN"},
    {"CENTER", false, Shared::All, ""},
    {"CITE", false, Shared::All, ""},
    {"CODE", false, Shared::All, ""},
    {"COL", true, Shared::All, kColumn},
    {"COLGROUP", false, Shared::All, kColumn},
    {"DD", false, Shared::All, ""},
    {"DEL", false, Shared::All, "CITE DATETIME"},
    {"DFN", false, Shared::All, ""},
    {"DIR", false, Shared::All, "COMPACT"},
    {"DIV", false, Shared::All, "ALIGN"},
    {"DL", false, Shared::All, "COMPACT"},
    {"DT", false, Shared::All, ""},
    {"EM", false, Shared::All, ""},
    {"FIELDSET", false, Shared::All, ""},
    {"FONT", false, Shared::CoreAndLanguage, "SIZE COLOR FACE"},
    {"FORM", false, Shared::All, "ACTION METHOD NAME TARGET ENCTYPE ACCEPT ACCEPT-CHARSET ONSUBMIT ONRESET"},
    {"H1", false, Shared::All, "ALIGN"},
    {"H2", false, Shared::All, "ALIGN"},
    {"H3", false, Shared::All, "ALIGN"},
    {"H4", false, Shared::All, "ALIGN"},
    {"H5", false, Shared::All, "ALIGN"},
    {"H6", false, Shared::All, "ALIGN"},
    {"HEAD", false, Shared::Language, "PROFILE"},
    {"HR", true, Shared::All, "ALIGN NOSHADE SIZE WIDTH"},
    {"HTML", false, Shared::Language, "VERSION"},
    {"I", false, Shared::All, ""},
    {"IFRAME", false, Shared::Core,
     "SRC NAME WIDTH HEIGHT ALIGN FRAMEBORDER MARGINWIDTH MARGINHEIGHT SCROLLING LONGDESC"},
    {"IMG", true, Shared::All, "SRC ALT WIDTH HEIGHT BORDER ALIGN HSPACE VSPACE USEMAP ISMAP NAME LONGDESC TRANSP"},
    {"INPUT", true, Shared::All,
     "TYPE NAME VALUE SIZE MAXLENGTH CHECKED SRC ALT ALIGN USEMAP ISMAP DISABLED READONLY TABINDEX ACCESSKEY "
     "ACCEPT ONFOCUS ONBLUR ONSELECT ONCHANGE"},
    {"INS", false, Shared::All, "CITE DATETIME"},
    {"ISINDEX", true, Shared::CoreAndLanguage, "PROMPT"},
    {"KBD", false, Shared::All, ""},
    {"LABEL", false, Shared::All, "FOR ACCESSKEY ONFOCUS ONBLUR"},
    {"LEGEND", false, Shared::All, "ALIGN ACCESSKEY"},
    {"LI", false, Shared::All, "TYPE VALUE"},
    {"LINK", true, Shared::All, "HREF REL REV TYPE MEDIA TARGET CHARSET HREFLANG"},
    {"MAP", false, Shared::All, "NAME"},
    {"MENU", false, Shared::All, "COMPACT"},
    {"META", true, Shared::Language, "NAME CONTENT HTTP-EQUIV SCHEME"},
    {"NOFRAMES", false, Shared::All, ""},
    {"NOSCRIPT", false, Shared::All, ""},
    {"OBJECT", false, Shared::All,
     "DATA TYPE CLASSID CODEBASE CODETYPE ARCHIVE DECLARE STANDBY NAME WIDTH HEIGHT ALIGN BORDER HSPACE VSPACE "
     "USEMAP TABINDEX"},
    {"OL", false, Shared::All, "TYPE START COMPACT"},
    {"OPTGROUP", false, Shared::All, "LABEL DISABLED"},
    {"OPTION", false, Shared::All, "VALUE SELECTED LABEL DISABLED"},
    {"P", false, Shared::All, "ALIGN"},
    {"PARAM", true, Shared::Nothing, "NAME VALUE VALUETYPE TYPE ID"},
    {"PRE", false, Shared::All, "WIDTH"},
    {"Q", false, Shared::All, "CITE"},
    {"S", false, Shared::All, ""},
    {"SAMP", false, Shared::All, ""},
    {"SCRIPT", false, Shared::Nothing, "TYPE SRC LANGUAGE CHARSET DEFER EVENT FOR"},
    {"SELECT", false, Shared::All, "NAME SIZE MULTIPLE DISABLED TABINDEX ONFOCUS ONBLUR ONCHANGE"},
    {"SMALL", false, Shared::All, ""},
    {"SPAN", false, Shared::All, ""},
    {"STRIKE", false, Shared::All, ""},
    {"STRONG", false, Shared::All, ""},
    {"STYLE", false, Shared::Language, "TYPE MEDIA TITLE"},
    {"SUB", false, Shared::All, ""},
    {"SUP", false, Shared::All, ""},
    {"TABLE", false, Shared::All,
     "BORDER WIDTH CELLPADDING CELLSPACING ALIGN BGCOLOR BORDERCOLOR SUMMARY FRAME RULES"},
    {"TBODY", false, Shared::All, kRowGroup},
    {"TD", false, Shared::All, kCell},
    {"TEXTAREA", false, Shared::All,
     "NAME ROWS COLS DISABLED READONLY TABINDEX ACCESSKEY ONFOCUS ONBLUR ONSELECT ONCHANGE"},
    {"TFOOT", false, Shared::All, kRowGroup},
    {"TH", false, Shared::All, kCell},
    {"THEAD", false, Shared::All, kRowGroup},
    {"TITLE", false, Shared::Language, ""},
    {"TR", false, Shared::All, "ALIGN VALIGN BGCOLOR CHAR CHAROFF"},
    {"TT", false, Shared::All, ""},
    {"U", false, Shared::All, ""},
    {"UL", false, Shared::All, "TYPE COMPACT PLAIN"},
    {"VAR", false, Shared::All, ""},
};

QStringList Words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const ElementEntry* FindElement(QStringView upperName)
{
    static const QHash<QString, const ElementEntry*> index = [] {
        QHash<QString, const ElementEntry*> h;
        for (const ElementEntry& e : kElements)
            h.insert(QString::fromLatin1(e.name), &e);
        return h;
    }();
    const auto it = index.constFind(upperName.toString());
    return it == index.constEnd() ? nullptr : *it;
}

bool IsOneOf(QStringView word, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return word == QLatin1StringView(n); });
}

bool IsHeading(QStringView e)
{
    return e.size() == 2 && e[0] == QLatin1Char('H') && e[1] >= QLatin1Char('1') && e[1] <= QLatin1Char('6');
}

}  // namespace

const QStringList& HtmlElementNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const ElementEntry& e : kElements)
            list << QString::fromLatin1(e.name);
        return list;
    }();
    return names;
}

bool IsHtmlElement(QStringView upperName)
{
    return FindElement(upperName) != nullptr;
}

bool IsEmptyHtmlElement(QStringView upperName)
{
    const ElementEntry* e = FindElement(upperName);
    return e && e->empty;
}

QStringList HtmlAttributesOf(QStringView upperElement)
{
    const ElementEntry* e = FindElement(upperElement);
    if (!e)
        return {};
    QStringList result = Words(e->own);
    QStringList shared;
    switch (e->shared) {
    case Shared::All:
        shared = Words(kCore) + Words(kLanguage) + Words(kEvents);
        break;
    case Shared::Core:
        shared = Words(kCore);
        break;
    case Shared::CoreAndLanguage:
        shared = Words(kCore) + Words(kLanguage);
        break;
    case Shared::Language:
        shared = Words(kLanguage);
        break;
    case Shared::Nothing:
        break;
    }
    for (const QString& name : shared) {
        if (!result.contains(name))
            result << name;
    }
    return result;
}

AttributeValueKind HtmlAttributeValueKind(QStringView element, QStringView attribute)
{
    if (IsOneOf(attribute, {"COMPACT", "NOSHADE", "NOWRAP", "ISMAP", "NOHREF", "CHECKED", "DISABLED", "READONLY",
                            "MULTIPLE", "SELECTED", "DECLARE", "DEFER", "TRANSP", "PLAIN"}))
        return AttributeValueKind::Boolean;
    if (IsOneOf(attribute, {"BGCOLOR", "COLOR", "LINK", "VLINK", "ALINK", "BORDERCOLOR"}) ||
        (attribute == QLatin1StringView("TEXT") && element == QLatin1StringView("BODY")))
        return AttributeValueKind::Colour;
    if (IsOneOf(attribute, {"HREF", "SRC", "ACTION", "BACKGROUND", "USEMAP"}))
        return AttributeValueKind::Address;
    if (!HtmlEnumeratedValues(element, attribute).isEmpty())
        return AttributeValueKind::Enumerated;
    return AttributeValueKind::Free;
}

QStringList HtmlEnumeratedValues(QStringView e, QStringView a)
{
    const auto is = [](QStringView w, std::initializer_list<const char*> names) { return IsOneOf(w, names); };
    if (a == QLatin1StringView("ALIGN")) {
        if (is(e, {"IMG", "APPLET", "IFRAME", "OBJECT", "INPUT"}))
            return Words("top middle bottom left right");
        if (is(e, {"CAPTION", "LEGEND"}))
            return Words("top bottom left right");
        if (is(e, {"TABLE", "HR"}))
            return Words("left center right");
        if (is(e, {"P", "DIV"}) || IsHeading(e))
            return Words("left center right justify");
        if (is(e, {"COL", "COLGROUP", "TBODY", "THEAD", "TFOOT", "TR", "TD", "TH"}))
            return Words("left center right justify char");
        return {};
    }
    if (a == QLatin1StringView("VALIGN"))
        return Words("top middle bottom baseline");
    if (a == QLatin1StringView("CLEAR") && e == QLatin1StringView("BR"))
        return Words("left all right none");
    if (a == QLatin1StringView("TYPE")) {
        if (e == QLatin1StringView("INPUT"))
            return Words("text password checkbox radio submit reset file hidden image button");
        if (e == QLatin1StringView("BUTTON"))
            return Words("button submit reset");
        if (e == QLatin1StringView("OL"))
            return Words("1 a A i I");
        if (e == QLatin1StringView("UL"))
            return Words("disc square circle");
        if (e == QLatin1StringView("LI"))
            return Words("disc square circle 1 a A i I");
        return {};
    }
    if (a == QLatin1StringView("METHOD") && e == QLatin1StringView("FORM"))
        return Words("get post");
    if (a == QLatin1StringView("SHAPE") && is(e, {"A", "AREA"}))
        return Words("rect circle poly default");
    if (a == QLatin1StringView("SCROLLING"))
        return Words("yes no auto");
    if (a == QLatin1StringView("FRAME") && e == QLatin1StringView("TABLE"))
        return Words("void above below hsides lhs rhs vsides box border");
    if (a == QLatin1StringView("RULES") && e == QLatin1StringView("TABLE"))
        return Words("none groups rows cols all");
    if (a == QLatin1StringView("SCOPE"))
        return Words("row col rowgroup colgroup");
    if (a == QLatin1StringView("DIR"))
        return Words("ltr rtl");
    if (a == QLatin1StringView("VALUETYPE"))
        return Words("data ref object");
    if (a == QLatin1StringView("FRAMEBORDER"))
        return Words("1 0");
    return {};
}

bool HtmlValueCaseMatters(QStringView element, QStringView attribute)
{
    return attribute == QLatin1StringView("TYPE") && IsOneOf(element, {"OL", "LI"});
}

const QStringList& HtmlColourNames()
{
    static const QStringList names = Words("BLACK SILVER GRAY WHITE MAROON RED PURPLE FUCHSIA GREEN LIME OLIVE YELLOW "
                                           "NAVY BLUE TEAL AQUA");
    return names;
}
