#include "wizards/formelementtext.h"

#include "common/isset.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Attributes of one type in grid order. CAPTION is the label written beside
// the element, never an attribute.
const QStringList kInputNames = {QStringLiteral("CAPTION"), QStringLiteral("NAME"), QStringLiteral("VALUE"),
                                 QStringLiteral("SIZE"), QStringLiteral("MAXLENGTH")};
const QStringList kChoiceNames = {QStringLiteral("CAPTION"), QStringLiteral("NAME"), QStringLiteral("VALUE")};
const QStringList kTextAreaNames = {QStringLiteral("CAPTION"), QStringLiteral("NAME"), QStringLiteral("ROWS"),
                                    QStringLiteral("COLS"), QStringLiteral("WRAP")};
const QStringList kListNames = {QStringLiteral("CAPTION"), QStringLiteral("NAME"), QStringLiteral("SIZE")};

bool IsInput(FormElementType type)
{
    return int(type) <= int(FormElementType::ButtonReset);
}

// " NAME=value": digits (and the few signs between "9" and "A") go unquoted,
// as numbers do in HTML; anything else is quoted. Only an empty or blank
// value leaves the attribute out: a value the user typed is never dropped.
QString Attribute(const FormElementProperty& row)
{
    if (row.value.trimmed().isEmpty())
        return {};
    const QChar first = row.value.front();
    if (first >= QLatin1Char('0') && first < QLatin1Char('A'))
        return QStringLiteral(" %1=%2").arg(row.name, row.value);
    return QStringLiteral(" %1=\"%2\"").arg(row.name, row.value);
}

}  // namespace

QString FormElementTypeCaption(FormElementType type)
{
    switch (type) {
    case FormElementType::Text: return QStringLiteral("Text");
    case FormElementType::PasswordBox: return QStringLiteral("Password Box");
    case FormElementType::Hidden: return QStringLiteral("Hidden");
    case FormElementType::CheckBox: return QStringLiteral("CheckBox");
    case FormElementType::Radio: return QStringLiteral("Radio");
    case FormElementType::ButtonSubmit: return QStringLiteral("Button - Submit");
    case FormElementType::ButtonReset: return QStringLiteral("Button - Reset");
    case FormElementType::TextArea: return QStringLiteral("TextArea");
    case FormElementType::ListDropDown: return QStringLiteral("List - Drop-Down");
    case FormElementType::ListMultipleSelect: return QStringLiteral("List - Multiple Select");
    }
    return {};
}

QStringList FormElementPropertyNames(FormElementType type)
{
    switch (type) {
    case FormElementType::Text:
    case FormElementType::PasswordBox:
    case FormElementType::Hidden: return kInputNames;
    case FormElementType::CheckBox:
    case FormElementType::Radio:
    case FormElementType::ButtonSubmit:
    case FormElementType::ButtonReset: return kChoiceNames;
    case FormElementType::TextArea: return kTextAreaNames;
    case FormElementType::ListDropDown:
    case FormElementType::ListMultipleSelect: return kListNames;
    }
    return {};
}

bool FormElementTakesChecked(FormElementType type)
{
    return type == FormElementType::CheckBox || type == FormElementType::Radio;
}

bool FormElementTakesOptions(FormElementType type)
{
    return !IsInput(type);
}

int FormElementWindowWidth(FormElementType type)
{
    return FormElementTakesOptions(type) ? 480 : 270;
}

QStringList FormElementEntries(const FormElementRequest& request)
{
    const FormElementType type = request.type;
    QString body;
    QString closing;
    if (type == FormElementType::ListDropDown) {
        body = QStringLiteral("SELECT");
    } else if (type == FormElementType::ListMultipleSelect) {
        body = QStringLiteral("SELECT MULTIPLE");
        // Without a line break: what follows it continues on its line.
        closing = QStringLiteral("</SELECT>");
    } else {
        body = FormElementTypeCaption(type);
    }
    if (IsInput(type)) {
        // "Button - Submit" is an INPUT of type Submit.
        if (body.contains(QLatin1String("Button")))
            body.remove(0, 9);
        body = QStringLiteral("INPUT TYPE=") + body;
    } else if (closing.isEmpty()) {
        closing = QStringLiteral("</") + body + QStringLiteral(">") + kCrLf;
    }
    if (request.checked && FormElementTakesChecked(type))
        body += QStringLiteral(" CHECKED");
    for (std::size_t row = 1; row < request.rows.size(); ++row)
        body += Attribute(request.rows[row]);

    QString element = QStringLiteral("<") + body + QStringLiteral(">");
    const QString caption = request.rows.empty() ? QString() : request.rows.front().value;
    if (IsSet(caption)) {
        if (FormElementTakesChecked(type))
            element += QStringLiteral(" ") + caption;
        else
            element = caption + QStringLiteral(" ") + element;
    }
    element += kCrLf;
    if (request.startAtNewLine)
        element.prepend(QStringLiteral("<P>"));

    QStringList entries{element};
    if (FormElementTakesOptions(type)) {
        const bool isList = type != FormElementType::TextArea;
        for (const QString& option : request.options)
            entries << (isList ? QStringLiteral("<OPTION>") : QString()) + option + kCrLf;
    }
    if (!closing.isEmpty())
        entries << closing;
    return entries;
}
