#include "app/documentfiles.h"

#include "app/sourceprinter.h"
#include "common/isset.h"
#include "common/runprogram.h"
#include "common/settingsfolder.h"
#include "common/striptags.h"
#include "platform/busycursor.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {

const QString kExportName = QStringLiteral("TMPFILE.TXT");
const QString kSaveFilter = QStringLiteral("HTML files|*.htm|Text files|*.txt|All files|*.*");
// The new document's caret goes to the empty line inside BODY.
constexpr int kBodyLine = 5;

}  // namespace

DocumentFiles::DocumentFiles(EditControl& editor, Prompts& prompts, ProgramStarter& starter,
                             DocumentObserver& observer, QString programFolder, QString appTitle)
    : editor_(editor), prompts_(prompts), starter_(starter), observer_(observer),
      programFolder_(std::move(programFolder)), appTitle_(std::move(appTitle))
{
}

bool DocumentFiles::HasName() const
{
    return IsSet(fileName_);
}

QString DocumentFiles::Caption() const
{
    return HasName() ? appTitle_ + QStringLiteral(" - ") + fileName_ : appTitle_;
}

void DocumentFiles::SetName(const QString& path)
{
    // Kept whole: a cut name would send the next Save to another file.
    fileName_ = path;
    observer_.CaptionChanged(Caption());
}

void DocumentFiles::EditorChanged()
{
    editor_.SetModified(true);
    modified_ = true;
}

bool DocumentFiles::ConfirmSaveChanges()
{
    observer_.ShowEditorPage();
    if (!modified_)
        return true;
    switch (prompts_.Message(QStringLiteral("Save changes to HTML file?"), MessageKind::Confirmation,
                             MessageButtons::YesNoCancel)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        SaveDocument();
        return !modified_;
    default:
        return false;
    }
}

void DocumentFiles::NewDocument()
{
    SetName(QString());
    editor_.SetText(QString());
    observer_.StatusTextChanged(QStringLiteral(" "));
    const QString templatePath = TemplatePath(programFolder_);
    if (QFileInfo::exists(templatePath)) {
        const DecodedText decoded = LoadTextFile(templatePath);
        editor_.SetText(decoded.text);
    }
    format_ = FileFormat{};
    editor_.SetSelection(editor_.LineCount() > kBodyLine ? editor_.LineIndex(kBodyLine) : 0);
    modified_ = false;
    observer_.ChangesSettled();
    observer_.ShowEditorPage();
}

void DocumentFiles::NewCommand()
{
    if (!ConfirmSaveChanges())
        return;
    NewDocument();
    observer_.DocumentStarted();
}

void DocumentFiles::OpenCommand()
{
    FileDialogOptions options;
    options.fileName = QStringLiteral("*.HTM;*.HTML;*.HTX");
    options.filter = QStringLiteral("HTML files|*.HTM;*.HTML;*.HTX|TXT files|*.TXT|INI files|*.INI|All files|*.*");
    options.defaultExtension = QStringLiteral("*.HTM");
    if (const std::optional<QString> path = prompts_.OpenFileName(options))
        LoadHtmlFile(*path);
}

void DocumentFiles::LoadHtmlFile(const QString& path)
{
    if (!ConfirmSaveChanges())
        return;
    BusyCursor busy;
    // Read first: a file that cannot be read leaves the document as it was.
    const DecodedText decoded = LoadTextFile(path);
    editor_.SetText(decoded.text);
    editor_.setFocus();
    format_ = decoded.format;
    previewStale_ = true;
    SetName(path);
    observer_.StatusTextChanged(QStringLiteral(" "));
    observer_.DocumentOpened(fileName_);
    modified_ = false;
    observer_.ChangesSettled();
}

void DocumentFiles::RecoverDocument(const QString& path, const QString& text, const FileFormat& format)
{
    editor_.SetText(text);
    editor_.setFocus();
    format_ = format;
    previewStale_ = true;
    SetName(path);
    observer_.StatusTextChanged(QStringLiteral(" "));
    modified_ = true;
}

void DocumentFiles::SaveDocument()
{
    if (!HasName()) {
        SaveAs();
        return;
    }
    if (!WriteDocument(fileName_))
        return;
    modified_ = false;
    observer_.ChangesSettled();
}

void DocumentFiles::SaveAsCommand()
{
    SaveAs();
}

bool DocumentFiles::WriteDocument(const QString& path)
{
    const QString text = editor_.Text();
    // Written as UTF-8 without a word, the file would show garbage for its
    // accented letters wherever it is still read as Windows-1252.
    if (format_.encoding == TextEncoding::Windows1252 && !FitsEncoding(text, format_.encoding)) {
        const QString question = QFileInfo(fileName_.isEmpty() ? path : fileName_).fileName() +
                                 QStringLiteral(" was read as Windows-1252, which cannot hold some characters now "
                                                "in the text. Save it as UTF-8?");
        if (prompts_.Message(question, MessageKind::Confirmation, MessageButtons::YesNo) != Answer::Yes)
            return false;
        format_.encoding = TextEncoding::Utf8;
    }
    BusyCursor busy;
    SaveTextFile(path, text, format_);
    return true;
}

bool DocumentFiles::MayWrite(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    return prompts_.Message(path + QStringLiteral(" - this file already exists, do you want to replace it?"),
                            MessageKind::Warning, MessageButtons::YesNo) == Answer::Yes;
}

bool DocumentFiles::SaveAs()
{
    FileDialogOptions options;
    options.fileName = saveDialogName_;
    options.filter = kSaveFilter;
    const std::optional<QString> path = prompts_.SaveFileName(options);
    if (!path)
        return false;
    saveDialogName_ = *path;
    if (!MayWrite(*path))
        return false;
    if (!WriteDocument(*path))
        return false;
    SetName(*path);
    modified_ = false;
    observer_.ChangesSettled();
    observer_.DocumentRenamed(fileName_);
    return true;
}

void DocumentFiles::InsertFileCommand()
{
    FileDialogOptions options;
    options.filter = QStringLiteral("HTML files|*.HTML;*.HTM|TXT files|*.TXT|INI files|*.INI|All files|*.*");
    options.defaultExtension = QStringLiteral("*.TXT");
    const std::optional<QString> path = prompts_.OpenFileName(options);
    if (!path)
        return;
    const DecodedText decoded = LoadTextFile(*path);
    if (decoded.text.isEmpty())
        return;
    QString text = decoded.text;
    // Every line of the file ends with a line break in the editor, the last one too.
    if (!text.endsWith(QLatin1String("\r\n")))
        text += QLatin1String("\r\n");
    // One replacement rather than one per line: the editor repaints once.
    editor_.setUpdatesEnabled(false);
    editor_.ReplaceSelection(text);
    editor_.setUpdatesEnabled(true);
}

void DocumentFiles::SaveSelectionCommand()
{
    if (editor_.SelLength() == 0) {
        prompts_.Message(QStringLiteral("No text is selected"), MessageKind::Error, MessageButtons::Ok);
        return;
    }
    saveDialogName_ = QStringLiteral("*.htm");
    FileDialogOptions options;
    options.fileName = saveDialogName_;
    options.filter = kSaveFilter;
    const std::optional<QString> path = prompts_.SaveFileName(options);
    if (!path)
        return;
    saveDialogName_ = *path;
    if (!MayWrite(*path))
        return;
    SaveTextFile(*path, editor_.SelText(), format_);
}

void DocumentFiles::PrintCommand(QPrinter& printer)
{
    PrintDialogOptions options;
    options.selectionAllowed = true;
    const std::optional<PrintRangeChoice> range = prompts_.ChoosePrinter(printer, options);
    if (!range)
        return;
    int first = 0;
    int last = editor_.LineCount() - 1;
    if (*range == PrintRangeChoice::Selection) {
        first = editor_.LineFromChar(editor_.SelStart());
        last = editor_.LineFromChar(editor_.SelStart() + editor_.SelLength());
    }
    const QStringList lines = editor_.Lines(first, last);
    BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&printer))
        throw KivoError(QStringLiteral("Printer is not available"));
    PrintSourceLines(painter, printer, editor_.font(), lines);
    painter.end();
}

void DocumentFiles::ExportWithoutTagsCommand()
{
    bool inTag = false;
    QString output;
    for (int line = 0; line < editor_.LineCount(); ++line)
        output += StripTags(editor_.Line(line), inTag) + QLatin1String("\r\n");
    SaveTextFile(kExportName, output, format_);
    RunProgram(starter_, prompts_, QStringLiteral("NOTEPAD"), kExportName);
}
