#include "wizards/bodycommands.h"

#include "common/colorhex.h"
#include "editing/search.h"
#include "editing/tagmenus.h"
#include "platform/editcontrol.h"
#include "wizards/bodywizard.h"

#include <QAction>
#include <QMenu>

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
    const qsizetype closing = text.indexOf(QLatin1Char('>'), start + bodyStart.size());
    if (closing < 0)
        return QStringLiteral("<BODY>");
    edit.SetSelection(start, int(closing) + 1 - start);
    return TagOnOneLine(edit.SelText());
}

void BodyEditor1Click(EditControl& edit, Prompts& prompts, const QString& documentFileName, QWidget* parent)
{
    const QString tag = SelectBodyTag(edit);
    if (const std::optional<QString> result = RunBodyWizard(prompts, tag, documentFileName, parent))
        edit.ReplaceSelection(*result);
}

void ColorCode1Click(EditControl& edit, Prompts& prompts)
{
    QString hex;
    if (PickColorHex(prompts, hex))
        edit.ReplaceSelection(hex);
}
