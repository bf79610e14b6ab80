#include "editing/codecompletion.h"

#include "editing/bookmarks.h"
#include "editing/completionpopup.h"
#include "platform/editcontrol.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The editor has been idle this long before markup is read ahead; then it
// is read a stretch of this many lines at a time, a few milliseconds each.
constexpr int kIdleBeforeReadingMs = 300;
constexpr int kLinesReadAtATime = 2000;

// The characters after which the list opens by itself.
bool OpensTheList(const QString& typed)
{
    static const QString triggers = QStringLiteral("</& =\"'");
    return typed.size() == 1 && triggers.contains(typed.front());
}

bool IsPlainKey(const QKeyEvent& key)
{
    return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

bool IsOpenKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Space && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool IsNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-';
}

PageNames NamesOfThePage(const EditControl& edit, const QString& documentFileName)
{
    PageNames page;
    if (!documentFileName.isEmpty())
        page.folder = QFileInfo(documentFileName).absolutePath();
    for (const Bookmark& bookmark : CollectBookmarks(edit))
        page.bookmarks << bookmark.name;
    for (QTextBlock line = edit.document()->begin(); line.isValid(); line = line.next()) {
        if (line.text().contains(QLatin1StringView("map"), Qt::CaseInsensitive))
            page.maps << MapNamesInLine(line.text());
    }
    return page;
}

}  // namespace

CodeCompletion::CodeCompletion(EditControl& edit, std::function<QString()> documentFileName)
    : QObject(&edit), edit_(edit), documentFileName_(std::move(documentFileName)),
      popup_(std::make_unique<CompletionPopup>(edit))
{
    connect(popup_.get(), &CompletionPopup::Chosen, this, [this] { AcceptChoice(); });
    readAhead_.setSingleShot(true);
    connect(&readAhead_, &QTimer::timeout, this, [this] { ReadAhead(); });
    SetEnabled(true);
}

CodeCompletion::~CodeCompletion() = default;

void CodeCompletion::SetEnabled(bool on)
{
    if (on == Enabled())
        return;
    if (on) {
        checkpoints_ = std::make_unique<MarkupCheckpoints>(*edit_.document());
        edit_.installEventFilter(this);
        edit_.viewport()->installEventFilter(this);
        // A long page is read ahead while the editor is idle, so the first
        // list far down does not read it all at once.
        changes_ = connect(edit_.document(), &QTextDocument::contentsChange, this,
                           [this] { readAhead_.start(kIdleBeforeReadingMs); });
        readAhead_.start(kIdleBeforeReadingMs);
    } else {
        disconnect(changes_);
        readAhead_.stop();
        CloseList();
        edit_.removeEventFilter(this);
        edit_.viewport()->removeEventFilter(this);
        checkpoints_.reset();
    }
}

bool CodeCompletion::ListShown() const
{
    return popup_->isVisible();
}

bool CodeCompletion::ListKey(int key) const
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

bool CodeCompletion::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The list's keys and Ctrl+Space belong to the editor, not to a
        // menu shortcut, while they mean something here.
        auto& key = static_cast<QKeyEvent&>(*event);
        if (watched == &edit_ && (IsOpenKey(key) || (ListShown() && IsPlainKey(key) && ListKey(key.key())))) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        if (watched != &edit_)
            break;
        auto& key = static_cast<QKeyEvent&>(*event);
        if (IsOpenKey(key)) {
            OpenList();
            return true;
        }
        if (ListShown() && IsPlainKey(key) && ListKey(key.key())) {
            switch (key.key()) {
            case Qt::Key_Up:
                popup_->MoveChoice(-1);
                break;
            case Qt::Key_Down:
                popup_->MoveChoice(1);
                break;
            case Qt::Key_PageUp:
                popup_->MoveChoice(-popup_->PageRows());
                break;
            case Qt::Key_PageDown:
                popup_->MoveChoice(popup_->PageRows());
                break;
            case Qt::Key_Escape:
                CloseList();
                break;
            default:
                AcceptChoice();
                break;
            }
            return true;
        }
        if (ListShown() || (IsPlainKey(key) && OpensTheList(key.text())))
            AfterKey();
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (watched == &edit_)
            CloseList();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        CloseList();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CodeCompletion::AfterKey()
{
    // The editor handles the key after this filter: look once it has.
    if (updatePending_)
        return;
    updatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            updatePending_ = false;
            if (Enabled())
                Update();
        },
        Qt::QueuedConnection);
}

bool CodeCompletion::ReadToTheEnd() const
{
    return Enabled() && checkpoints_->LinesRead() + MarkupCheckpoints::kLinesApart >= edit_.document()->blockCount();
}

void CodeCompletion::ReadAhead()
{
    if (!Enabled() || ReadToTheEnd())
        return;
    const int last = edit_.document()->blockCount() - 1;
    checkpoints_->AtLineStart(std::min(last, checkpoints_->LinesRead() + kLinesReadAtATime));
    readAhead_.start(0);
}

void CodeCompletion::OpenList()
{
    if (Enabled())
        Update();
}

void CodeCompletion::CloseList()
{
    popup_->hide();
    offers_.clear();
}

void CodeCompletion::Update()
{
    const QTextCursor caret = edit_.textCursor();
    if (caret.hasSelection() || !edit_.isVisible()) {
        CloseList();
        return;
    }
    context_ = ReadCompletionContext(*edit_.document(), caret.position(), *checkpoints_);
    const PageNames page = NeedsPageNames(context_) ? NamesOfThePage(edit_, documentFileName_()) : PageNames{};
    offers_ = CompletionOffers(context_, page);
    if (offers_.empty()) {
        CloseList();
        return;
    }
    const QRect caretRect = edit_.cursorRect();
    popup_->ShowOffers(offers_, edit_.viewport()->mapToGlobal(caretRect.bottomLeft() + QPoint(0, 2)));
}

void CodeCompletion::AcceptChoice()
{
    const int row = popup_->currentRow();
    if (!ListShown() || row < 0 || row >= int(offers_.size())) {
        CloseList();
        return;
    }
    const CompletionOffer offer = offers_[std::size_t(row)];
    int caret = edit_.textCursor().position();
    CloseList();
    // A name is written whole: the rest of the word after the caret goes.
    if (context_.kind != CompletionKind::AttributeValue) {
        const QTextDocument& document = *edit_.document();
        while (IsNameCharacter(document.characterAt(caret)))
            ++caret;
    }
    // What the user typed of the word and the rest of it, taken back in one
    // step like typing.
    const int start = edit_.FromDocumentPosition(context_.start);
    edit_.SetSelection(start, edit_.FromDocumentPosition(caret) - start);
    edit_.ReplaceSelection(offer.text, UndoMode::Allowed);
    if (offer.caretBack > 0)
        edit_.SetSelection(edit_.SelStart() - offer.caretBack);
    if (offer.followUp)
        Update();
}
