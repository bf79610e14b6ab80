#include "wizards/bodycommands.h"

#include "common/colorhex.h"
#include "editing/search.h"
#include "editing/tagmenus.h"
#include "platform/editcontrol.h"
#include "platform/keptselection.h"
#include "wizards/bodywizard.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace {

QAction* AddItem(QMenu& popBtImage, const QString& caption, const QString& name)
{
    if (popBtImage.actions().isEmpty())
        AddDoneItem(popBtImage);
    QAction* item = popBtImage.addAction(caption);
    item->setObjectName(name);
    return item;
}

// Joins the lines of a tag: a line break becomes a blank, unless a blank
// already stands beside it, so "<BODY" and an attribute on the next line
// stay apart.
QString TagOnOneLine(const QString& text)
{
    QString result;
    result.reserve(text.size());
    bool lineBreak = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lineBreak = true;
            continue;
        }
        if (lineBreak && !c.isSpace() && !result.isEmpty() && !result.back().isSpace())
            result += QLatin1Char(' ');
        lineBreak = false;
        result += c;
    }
    return result;
}

struct TagEnd {
    qsizetype at = 0;  // just after the ">", or where the unclosed tag stops
    bool closed = false;
};

// Where the tag whose text goes on from `from` ends. A ">" inside a quoted
// value does not end it; a "<" before any ">" means the tag was never closed.
TagEnd FindTagEnd(const QString& text, qsizetype from)
{
    QChar quote;
    QChar previous;
    for (qsizetype at = from; at < text.size(); ++at) {
        const QChar c = text[at];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        // A quote opens a value only after "=": an apostrophe in a bare word opens nothing.
        if ((c == QLatin1Char('"') || c == QLatin1Char('\'')) && previous == QLatin1Char('=')) {
            quote = c;
            continue;
        }
        if (c == QLatin1Char('>'))
            return {at + 1, true};
        if (c == QLatin1Char('<'))
            return {at, false};
        if (!c.isSpace())
            previous = c;
    }
    return {text.size(), false};
}

}  // namespace

QAction* AddTextAndBackgroundItem(QMenu& popBtImage)
{
    return AddItem(popBtImage, QStringLiteral("&Text and Background"), QStringLiteral("BodyEditor1"));
}

QAction* AddColorCodeItem(QMenu& popBtImage)
{
    return AddItem(popBtImage, QStringLiteral("&Color Code"), QStringLiteral("ColorCode1"));
}

QString SelectBodyTag(EditControl& edit)
{
    const QString bodyStart = QStringLiteral("<BODY");
    edit.SetSelection(edit.SelStart());
    if (!SearchEditor(edit, bodyStart, 1, Qt::CaseInsensitive))
        return QStringLiteral("<BODY>");
    const int start = edit.SelStart();
    const QString text = edit.Text();
    const TagEnd end = FindTagEnd(text, start + bodyStart.size());
    if (end.closed) {
        edit.SetSelection(start, int(end.at - start));
        return TagOnOneLine(edit.SelText());
    }
    // An unclosed tag ends with its line: what follows is the page's text.
    const int lineEnd = edit.LineIndex(edit.LineFromChar(start)) + edit.LineLength(edit.LineFromChar(start));
    edit.SetSelection(start, std::min(int(end.at), lineEnd) - start);
    return edit.SelText().trimmed() + QLatin1Char('>');
}

void BodyEditor1Click(EditControl& edit, Prompts& prompts, const QString& documentFileName, QWidget* parent)
{
    KeptSelection kept(edit);
    const QString tag = SelectBodyTag(edit);
    if (const std::optional<QString> result = RunBodyWizard(prompts, tag, documentFileName, parent)) {
        edit.ReplaceSelection(*result);
        kept.Release();
    }
}

void ColorCode1Click(EditControl& edit, Prompts& prompts)
{
    QString hex;
    if (PickColorHex(prompts, hex))
        edit.ReplaceSelection(hex);
}
