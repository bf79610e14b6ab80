#pragma once

#include "editing/completionoffers.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class CompletionPopup;
class EditControl;
class MarkupCheckpoints;

// Completion while typing in the editor: the list opens by itself after
// "<", "</", "&", a blank inside a tag, "=" and a value's quote, and with
// Ctrl+Space wherever it has something to offer. Return or Tab writes the
// chosen line, Escape closes the list, every other key goes on into the
// text. Only the user's keys open it: the program's own insertions never do,
// and while it is closed the editor behaves as if it were not there.
class CodeCompletion : public QObject {
    Q_OBJECT
public:
    // Completes in `edit`, owned by it; `documentFileName` names the page's
    // file (empty for a new document), whose folder the addresses come from.
    CodeCompletion(EditControl& edit, std::function<QString()> documentFileName);
    ~CodeCompletion() override;

    void SetEnabled(bool on);
    bool Enabled() const { return checkpoints_ != nullptr; }

    bool ListShown() const;
    const CompletionPopup& Popup() const { return *popup_; }
    const std::vector<CompletionOffer>& Offers() const { return offers_; }

    // Opens the list for the caret's place when it has something to offer.
    void OpenList();
    void CloseList();
    // Writes the chosen offer in place of what was typed of it.
    void AcceptChoice();

    // Whether the markup has been read, while the editor was idle, down to
    // the last lines, so that a list opened anywhere reads a few lines only.
    bool ReadToTheEnd() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ListKey(int key) const;
    void AfterKey();
    // Reads the caret's place and shows what it offers, or closes the list.
    void Update();
    // Reads on a stretch of the markup below what has been read.
    void ReadAhead();

    EditControl& edit_;
    std::function<QString()> documentFileName_;
    std::unique_ptr<CompletionPopup> popup_;
    std::unique_ptr<MarkupCheckpoints> checkpoints_;
    CompletionContext context_;
    std::vector<CompletionOffer> offers_;
    bool updatePending_ = false;
    QTimer readAhead_;
    QMetaObject::Connection changes_;
};
