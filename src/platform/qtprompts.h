#pragma once

#include "platform/prompts.h"

// The real dialogs. `parent` is the window the boxes are centred over.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

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

private:
    QWidget* parent_;
};
