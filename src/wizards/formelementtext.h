#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The element types in the order the type list offers them.
enum class FormElementType {
    Text,
    PasswordBox,
    Hidden,
    CheckBox,
    Radio,
    ButtonSubmit,
    ButtonReset,
    TextArea,
    ListDropDown,
    ListMultipleSelect,
};

inline constexpr int kFormElementTypeCount = 10;

// The type list's item text: "Text", "Password Box", ... "List - Multiple Select".
QString FormElementTypeCaption(FormElementType type);

// The attribute names of the property grid, top to bottom; "CAPTION" first.
QStringList FormElementPropertyNames(FormElementType type);

// "Checked" is offered for check boxes and radio buttons only.
bool FormElementTakesChecked(FormElementType type);

// Text areas and lists have an options list (the text area's initial text).
bool FormElementTakesOptions(FormElementType type);

// 270 pixels for the INPUT types, which hides the options list; 480 otherwise.
int FormElementWindowWidth(FormElementType type);

struct FormElementProperty {
    QString name;
    QString value;
};

// Everything the element's HTML is made of, as the dialog holds it.
struct FormElementRequest {
    FormElementType type = FormElementType::Text;
    // The grid rows top to bottom; the first is the CAPTION row.
    std::vector<FormElementProperty> rows;
    // The lines of the options list.
    QStringList options;
    bool checked = false;
    bool startAtNewLine = false;
};

// The element's HTML as separate entries, to be inserted one after the other
// at the caret with no line break added between them. Every entry ends with
// CR LF, except "</SELECT>" closing a multiple-selection list.
QStringList FormElementEntries(const FormElementRequest& request);
