#pragma once

#include "app/recoverycopy.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLockFile;

// Keeps this run's recovery copy of the document's unsaved text: written
// when typing pauses and at the latest a while after the first unsaved
// change, removed when the changes are saved or given up. The text is taken
// on the window thread; encoding and writing run on a worker of their own,
// one job at a time and in order, so a removal never overtakes a write.
class RecoveryKeeper : public QObject {
public:
    // What there is to keep: the document's path, format and text, or
    // nothing when it has no unsaved changes.
    struct Unsaved {
        QString documentPath;
        FileFormat format;
        QString text;
    };
    using UnsavedSource = std::function<std::optional<Unsaved>()>;
    // Told once when the folder cannot be written (again after the user
    // turns recovery off and on).
    using OffReport = std::function<void(const QString& message)>;

    RecoveryKeeper(QString folder, UnsavedSource source, OffReport reportOff, QObject* parent = nullptr);
    // A clean end of the run: the copy goes.
    ~RecoveryKeeper() override;

    // The pause after the last change, and the longest wait during typing.
    void SetDelays(int pauseMs, int longestMs);
    // Off removes the copy and writes no more until turned on again.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // Every change of the editor text.
    void TextChanged();
    // The changes were saved or given up, or another text replaced them.
    void ChangesSettled();
    // Writes the copy now and waits for it; false when it could not be.
    bool WriteNow();
    // Waits until every write and removal asked for has been done.
    void Flush();
    // This run's copy (it may not exist).
    const QString& CopyPath() const { return copyPath_; }

private:
    // False when nothing was handed to the worker.
    bool Write();
    // Folder and lock, the first time a copy is written.
    bool Prepare();
    void Failed();

    QString folder_;
    QString copyPath_;
    UnsavedSource source_;
    OffReport reportOff_;
    bool enabled_ = true;
    bool failed_ = false;
    std::atomic<bool> writeFailed_ = false;  // set by the worker
    std::unique_ptr<QLockFile> lock_;
    QTimer pause_;
    QTimer longest_;
    QThreadPool worker_;
};
