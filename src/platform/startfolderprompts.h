#pragma once

#include "platform/prompts.h"

#include <functional>

// The prompts of a window that works on one file: a file dialog asked
// without a folder of its own starts in the folder `startFolder` names at
// the moment it opens (the document's folder), not wherever the last dialog
// or the process happened to be. Everything else goes to `inner` unchanged.
class StartFolderPrompts : public Prompts {
public:
    StartFolderPrompts(Prompts& inner, std::function<QString()> startFolder)
        : inner_(inner), startFolder_(std::move(startFolder))
    {
    }

    Answer Message(const QString& text, MessageKind kind, MessageButtons buttons,
                   const QString& caption = QString()) override
    {
        return inner_.Message(text, kind, buttons, caption);
    }
    int Choose(const QString& text, MessageKind kind, const QStringList& buttons,
               const QString& caption = QString()) override
    {
        return inner_.Choose(text, kind, buttons, caption);
    }
    std::optional<QString> AskValue(const QString& caption, const QString& label, const QString& initial) override
    {
        return inner_.AskValue(caption, label, initial);
    }
    std::optional<QString> OpenFileName(const FileDialogOptions& options) override
    {
        return inner_.OpenFileName(WithStartFolder(options));
    }
    std::optional<QString> SaveFileName(const FileDialogOptions& options) override
    {
        return inner_.SaveFileName(WithStartFolder(options));
    }
    std::optional<QFont> ChooseFont(const QFont& initial) override { return inner_.ChooseFont(initial); }
    std::optional<QColor> ChooseColor(const QColor& initial) override { return inner_.ChooseColor(initial); }
    std::optional<PrintRangeChoice> ChoosePrinter(QPrinter& printer, const PrintDialogOptions& options) override
    {
        return inner_.ChoosePrinter(printer, options);
    }

private:
    FileDialogOptions WithStartFolder(FileDialogOptions options) const
    {
        // A file name with a folder of its own (the last Save As) starts there.
        if (options.initialFolder.isEmpty() && !options.fileName.contains(QLatin1Char('/')))
            options.initialFolder = startFolder_();
        return options;
    }

    Prompts& inner_;
    std::function<QString()> startFolder_;
};
