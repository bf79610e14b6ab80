#include "editing/tagcommands.h"

#include "common/caretlines.h"
#include "platform/editcontrol.h"


namespace {

const QString kCrLf = QStringLiteral("\r\n");

template <char from, char to, int shift>
QString ShiftLetters(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= from && u <= to)
            c = QChar(static_cast<char16_t>(u + shift));
    }
    return text;
}

// Keeps the editor from repainting half-done multi-step edits.
class UpdatesPaused {
public:
    explicit UpdatesPaused(EditControl& edit) : edit_(edit), wasEnabled_(edit.updatesEnabled())
    {
        edit_.setUpdatesEnabled(false);
    }
    ~UpdatesPaused() { edit_.setUpdatesEnabled(wasEnabled_); }
    UpdatesPaused(const UpdatesPaused&) = delete;
    UpdatesPaused& operator=(const UpdatesPaused&) = delete;

private:
    EditControl& edit_;
    bool wasEnabled_;
};

}  // namespace

QString AsciiUpper(QString text)
{
    return ShiftLetters<'a', 'z', 'A' - 'a'>(std::move(text));
}

QString AsciiLower(QString text)
{
    return ShiftLetters<'A', 'Z', 'a' - 'A'>(std::move(text));
}

void InsertTagPair(EditControl& edit, QString tag)
{
    const int ampersand = tag.indexOf(QLatin1Char('&'));
    if (ampersand >= 0)
        tag.remove(ampersand, 1);
    const int start = edit.SelStart();
    const int length = edit.SelLength();

    // The closing tag goes in first, so the start position stays valid.
    edit.SetSelection(start + length);
    edit.ReplaceSelection(QStringLiteral("</") + tag + QLatin1Char('>'));
    edit.SetSelection(start);
    edit.ReplaceSelection(QLatin1Char('<') + tag + QLatin1Char('>'));

    const int tagLength = static_cast<int>(tag.size());
    if (length == 0)
        edit.SetSelection(start + tagLength + 2);
    else
        edit.SetSelection(start, length + 2 * tagLength + 5);
}

void InsertList(EditControl& edit, const QString& listTag, const QString& itemTag)
{
    const LineSpan lines = SelectionLines(edit);
    const QString itemPrefix = QLatin1Char('<') + itemTag + QLatin1Char('>');

    // One replacement of the lines' text keeps the edit fast at the end of a
    // long document and leaves the line breaks around the lines as they were.
    QString list = QLatin1Char('<') + listTag + QLatin1Char('>');
    for (int line = lines.start; line <= lines.end; ++line)
        list += kCrLf + itemPrefix + edit.Line(line);
    const int lastItemEnd = edit.LineIndex(lines.start) + static_cast<int>(list.size());
    list += kCrLf + QStringLiteral("</") + listTag + QLatin1Char('>');

    const int from = edit.LineIndex(lines.start);
    const int to = edit.LineIndex(lines.end) + edit.LineLength(lines.end);
    {
        UpdatesPaused paused(edit);
        edit.SetSelection(from, to - from);
        edit.ReplaceSelection(list);
        edit.SetSelection(lastItemEnd);
    }
    edit.setFocus();
}

void InsertSingleTag(EditControl& edit, const QString& tag)
{
    edit.SetSelection(edit.SelStart());
    edit.ReplaceSelection(tag);
}

void InsertFontColor(EditControl& edit, const QString& hexDigits)
{
    const bool nothingSelected = edit.SelLength() == 0;
    InsertTagPair(edit, QStringLiteral("FONT"));
    const int tagStart = nothingSelected ? edit.SelStart() - 6 : edit.SelStart();
    // Replaces "<FONT" and keeps the ">" of the opening tag.
    edit.SetSelection(tagStart, 5);
    edit.ReplaceSelection(QStringLiteral("<FONT  COLOR=\"#%1\"").arg(hexDigits));
    edit.SetSelection(edit.SelStart() + 1);
}

void ChangeLetterCase(EditControl& edit, LetterCase letterCase)
{
    if (edit.SelLength() == 0)
        return;
    const QString text = edit.SelText();
    edit.ReplaceSelection(letterCase == LetterCase::Upper ? AsciiUpper(text) : AsciiLower(text));
}

LetterCase LetterCaseFromCaption(const QString& caption)
{
    return caption == QStringLiteral("U&PPER CASE") ? LetterCase::Upper : LetterCase::Lower;
}

QString StyleTagFromCaption(const QString& caption)
{
    return caption.mid(1, 1);
}

void InsertAutoLineBreak(EditControl& edit)
{
    edit.ReplaceSelection(QStringLiteral("<BR>"));
}
