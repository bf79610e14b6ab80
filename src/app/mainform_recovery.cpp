// Recovery copies of the document's unsaved text: kept while the user
// types, offered at the next start after a run that died.
#include "app/mainform.h"

#include "app/recoverykeeper.h"
#include "app/recoveryoffer.h"
#include "platform/editcontrol.h"

#include <QAction>

void TFM_MainForm::WireRecoveryCommands()
{
    recovery_ = std::make_unique<RecoveryKeeper>(
        RecoveryFolder(),
        [this]() -> std::optional<RecoveryKeeper::Unsaved> {
            if (!document_->DocumentModified())
                return std::nullopt;
            return RecoveryKeeper::Unsaved{document_->DocumentFileName(), document_->Format(), HTML_WINDOW->Text()};
        },
        [this](const QString& message) { SetStatusText(message); });
    connect(HTML_WINDOW, &QPlainTextEdit::textChanged, recovery_.get(), [this] { recovery_->TextChanged(); });
    WireCommand(MNU_Recovery, [this] { recovery_->SetEnabled(MNU_Recovery->isChecked()); });
    // The settings file sets the check mark at start without the command.
    connect(MNU_Recovery, &QAction::toggled, recovery_.get(), [this](bool on) { recovery_->SetEnabled(on); });
}

void TFM_MainForm::OfferRecoveryAtStart()
{
    if (!MNU_Recovery->isChecked())
        return;
    Run([this] {
        OfferRecoveryCopies(RecoveryFolder(), UserPrompts(), [this](const RecoveryCopy& copy) { return RecoverText(copy); });
    });
}

bool TFM_MainForm::RecoverText(const RecoveryCopy& copy)
{
    // A text recovered before this one is offered for saving first.
    if (!document_->ConfirmSaveChanges())
        return false;
    document_->RecoverDocument(copy.documentPath, copy.text, copy.format);
    // The old copy goes only once this run keeps the text safe itself.
    return recovery_->WriteNow();
}

void TFM_MainForm::ChangesSettled()
{
    // Also called while the window is built, before the keeper exists.
    if (recovery_)
        recovery_->ChangesSettled();
}
