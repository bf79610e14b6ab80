#include "platform/qtprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

// Values typed into a prompt are at most this long.
constexpr int kMaxPromptValue = 255;

QMessageBox::Icon IconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QString CaptionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
}

// A file name such as "*.HTM;*.HTML" is a pattern, not a name to propose.
QString StartPath(const FileDialogOptions& options)
{
    const bool isPattern = options.fileName.contains(QLatin1Char('*'));
    const QString name = isPattern ? QString() : options.fileName;
    if (!options.initialFolder.isEmpty())
        return QFileInfo(options.initialFolder + QLatin1Char('/') + name).filePath();
    return name;
}

QString SuffixOf(const QString& defaultExtension)
{
    QString suffix = defaultExtension;
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return suffix;
}

// Qt's own file dialog reads typed text holding double quotes as a list of
// quoted names ("a" "b"), so `my "sel"; part.htm` would be saved as `sel`.
// A save dialog asks for one name: what was typed is that name.
class SaveOneNameDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The path typed when the dialog could not have read it whole itself.
    const std::optional<QString>& TypedPath() const { return typedPath_; }

    void accept() override
    {
        auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (acceptMode() != AcceptSave || !field || !field->text().contains(QLatin1Char('"'))) {
            QFileDialog::accept();
            return;
        }
        const QString typed = field->text();
        QString path = QDir(directory().absolutePath()).absoluteFilePath(typed);
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            field->clear();
            return;
        }
        if (!defaultSuffix().isEmpty() && QFileInfo(typed).suffix().isEmpty())
            path += QLatin1Char('.') + defaultSuffix();
        typedPath_ = path;
        QDialog::accept();
    }

private:
    std::optional<QString> typedPath_;
};

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogOptions& options,
                                     QFileDialog::AcceptMode mode)
{
    SaveOneNameDialog dialog(parent, options.title, StartPath(options), QtFileFilter(options.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks about replacing a file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(SuffixOf(options.defaultExtension));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (dialog.TypedPath())
        return dialog.TypedPath();
    if (dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace

Answer QtPrompts::Message(const QString& text, MessageKind kind, MessageButtons buttons,
                          const QString& caption)
{
    QMessageBox box(IconFor(kind), CaptionOrTitle(caption), text, ButtonsFor(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

int QtPrompts::Choose(const QString& text, MessageKind kind, const QStringList& buttons, const QString& caption)
{
    QMessageBox box(IconFor(kind), CaptionOrTitle(caption), text, QMessageBox::NoButton, parent_);
    QList<QAbstractButton*> added;
    for (const QString& button : buttons)
        added << box.addButton(button, QMessageBox::AcceptRole);
    if (added.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    box.exec();
    const qsizetype chosen = added.indexOf(box.clickedButton());
    return chosen >= 0 ? int(chosen) : int(added.size()) - 1;
}

std::optional<QString> QtPrompts::AskValue(const QString& caption, const QString& label, const QString& initial)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(label, &dialog));
    auto* field = new QLineEdit(initial.left(kMaxPromptValue), &dialog);
    field->setMaxLength(kMaxPromptValue);
    field->selectAll();
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}

std::optional<QString> QtPrompts::OpenFileName(const FileDialogOptions& options)
{
    return RunFileDialog(parent_, options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::SaveFileName(const FileDialogOptions& options)
{
    return RunFileDialog(parent_, options, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPrompts::ChooseFont(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPrompts::ChooseColor(const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, parent_);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<PrintRangeChoice> QtPrompts::ChoosePrinter(QPrinter& printer, const PrintDialogOptions& options)
{
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, options.selectionAllowed);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, options.pageRangeAllowed);
    if (options.pageRangeAllowed)
        dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection: return PrintRangeChoice::Selection;
    case QAbstractPrintDialog::PageRange: return PrintRangeChoice::PageRange;
    default: return PrintRangeChoice::AllPages;
    }
}
