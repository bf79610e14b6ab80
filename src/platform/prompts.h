#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

enum class MessageKind { Information, Confirmation, Warning, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A file dialog as the classic program set it up: the filter is written
// "Description|pattern;pattern|Description|pattern".
struct FileDialogOptions {
    QString title;
    QString fileName;
    QString filter;
    QString defaultExtension;
    QString initialFolder;
};

// With PageRange the printer's fromPage() and toPage() hold the pages chosen.
enum class PrintRangeChoice { AllPages, Selection, PageRange };

struct PrintDialogOptions {
    bool selectionAllowed = false;
    bool pageRangeAllowed = false;
};

// Every question the program asks the user goes through here, so commands
// can run in tests with scripted answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual Answer Message(const QString& text, MessageKind kind, MessageButtons buttons,
                           const QString& caption = QString()) = 0;
    // A question whose buttons carry captions of their own ("&Recover",
    // "&Discard", ...). Returns the index of the button chosen; Escape or
    // closing the box chooses the last one, which is also what a fake that
    // never shows a box answers.
    virtual int Choose(const QString& text, MessageKind kind, const QStringList& buttons,
                       const QString& caption = QString());
    // A small box with a caption, a label, one text field, OK and Cancel.
    virtual std::optional<QString> AskValue(const QString& caption, const QString& label,
                                            const QString& initial) = 0;
    virtual std::optional<QString> OpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> ChooseColor(const QColor& initial) = 0;
    // Sets up the printer; nullopt when the user cancels.
    virtual std::optional<PrintRangeChoice> ChoosePrinter(QPrinter& printer, const PrintDialogOptions& options) = 0;

    // The general error box every command failure ends in.
    void ShowError(const QString& text) { Message(text, MessageKind::Error, MessageButtons::Ok); }
};

// Turns "HTML files|*.htm|All files|*.*" into Qt's "HTML files (*.htm);;All files (*.*)".
QString QtFileFilter(const QString& classicFilter);
