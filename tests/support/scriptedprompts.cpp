#include "support/scriptedprompts.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

template <typename T>
T Take(std::deque<T>& queue, const QString& what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "No scripted answer for: " << what.toStdString();
        return T{};
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

Answer ScriptedPrompts::Message(const QString& text, MessageKind kind, MessageButtons buttons,
                                const QString& caption)
{
    asked.push_back({Asked::What::Message, text, kind, buttons, caption, {}, {}});
    if (buttons == MessageButtons::Ok && answers.empty())
        return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "No scripted answer for message: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

int ScriptedPrompts::Choose(const QString& text, MessageKind kind, const QStringList& buttons, const QString& caption)
{
    asked.push_back({Asked::What::Choice, text, kind, MessageButtons::Ok, caption, {}, buttons});
    return Take(choices, text);
}

std::optional<QString> ScriptedPrompts::AskValue(const QString& caption, const QString& label, const QString&)
{
    asked.push_back({Asked::What::Value, label, MessageKind::Information, MessageButtons::OkCancel, caption, {}, {}});
    return Take(values, label);
}

std::optional<QString> ScriptedPrompts::OpenFileName(const FileDialogOptions& options)
{
    asked.push_back({Asked::What::OpenFile, options.title, MessageKind::Information, MessageButtons::OkCancel, {}, options, {}});
    return Take(files, QStringLiteral("open dialog"));
}

std::optional<QString> ScriptedPrompts::SaveFileName(const FileDialogOptions& options)
{
    asked.push_back({Asked::What::SaveFile, options.title, MessageKind::Information, MessageButtons::OkCancel, {}, options, {}});
    return Take(files, QStringLiteral("save dialog"));
}

std::optional<QFont> ScriptedPrompts::ChooseFont(const QFont&)
{
    asked.push_back({Asked::What::Font, {}, MessageKind::Information, MessageButtons::OkCancel, {}, {}, {}});
    return Take(fonts, QStringLiteral("font dialog"));
}

std::optional<QColor> ScriptedPrompts::ChooseColor(const QColor&)
{
    asked.push_back({Asked::What::Color, {}, MessageKind::Information, MessageButtons::OkCancel, {}, {}, {}});
    return Take(colors, QStringLiteral("colour dialog"));
}

std::optional<PrintRangeChoice> ScriptedPrompts::ChoosePrinter(QPrinter& printer, const PrintDialogOptions& options)
{
    asked.push_back({Asked::What::Printer, {}, MessageKind::Information, MessageButtons::OkCancel, {}, {}, {}});
    printDialogs.push_back(options);
    const std::optional<PrintAnswer> answer = Take(printers, QStringLiteral("print dialog"));
    if (!answer)
        return std::nullopt;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer->pdfPath);
    if (answer->paper)
        printer.setPageSize(*answer->paper);
    printer.setPageOrientation(answer->orientation);
    if (answer->range == PrintRangeChoice::PageRange)
        printer.setFromTo(answer->fromPage, answer->toPage);
    return answer->range;
}

QStringList ScriptedPrompts::Messages() const
{
    QStringList texts;
    for (const Asked& a : asked) {
        if (a.what == Asked::What::Message || a.what == Asked::What::Choice)
            texts << a.text;
    }
    return texts;
}

bool ScriptedPrompts::AllAnswered() const
{
    return answers.empty() && choices.empty() && values.empty() && files.empty() && fonts.empty() && colors.empty() &&
           printers.empty();
}
