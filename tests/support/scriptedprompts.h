#pragma once

#include "platform/prompts.h"

#include <QPageLayout>
#include <QPageSize>
#include <optional>

#include <deque>
#include <vector>

// Answers every prompt from a queue and records what was asked, so a test
// can drive a command without a window and check the wording of each box.
class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        enum class What { Message, Choice, Value, OpenFile, SaveFile, Font, Color, Printer } what;
        QString text;  // message text, prompt label or dialog title
        MessageKind kind = MessageKind::Information;
        MessageButtons buttons = MessageButtons::Ok;
        QString caption;
        FileDialogOptions file;
        QStringList choices;  // the buttons of a Choose question
    };

    // Queues, taken in order. A box with only OK needs no queued answer.
    std::deque<Answer> answers;
    std::deque<int> choices;  // the button index each Choose question gets
    std::deque<std::optional<QString>> values;
    std::deque<std::optional<QString>> files;  // open and save dialogs
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QColor>> colors;
    // The printer is sent to a PDF file named here. A page range (from 1)
    // sets the printer's fromPage and toPage; paper and orientation are set
    // when given.
    struct PrintAnswer {
        QString pdfPath;
        PrintRangeChoice range = PrintRangeChoice::AllPages;
        int fromPage = 0;
        int toPage = 0;
        std::optional<QPageSize> paper = std::nullopt;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
    };
    // What each print dialog was opened with.
    std::vector<PrintDialogOptions> printDialogs;
    std::deque<std::optional<PrintAnswer>> printers;

    std::vector<Asked> asked;

    Answer Message(const QString& text, MessageKind kind, MessageButtons buttons,
                   const QString& caption = QString()) override;
    int Choose(const QString& text, MessageKind kind, const QStringList& buttons,
               const QString& caption = QString()) override;
    std::optional<QString> AskValue(const QString& caption, const QString& label,
                                    const QString& initial) override;
    std::optional<QString> OpenFileName(const FileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const FileDialogOptions& options) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    std::optional<QColor> ChooseColor(const QColor& initial) override;
    std::optional<PrintRangeChoice> ChoosePrinter(QPrinter& printer, const PrintDialogOptions& options) override;

    // The texts of the message boxes and Choose questions shown, in order.
    QStringList Messages() const;
    bool AllAnswered() const;
};
