#include "app/recoverykeeper.h"

#include "app/recoveryoffer.h"
#include "platform/kivoerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QUuid>

namespace {

constexpr int kPauseMs = 2000;
constexpr int kLongestMs = 30000;

bool SaveCopy(const QString& path, const RecoveryCopy& copy)
{
    try {
        // Atomic: a run killed in the middle leaves the previous copy whole.
        SaveBytes(path, EncodeRecoveryCopy(copy));
        return true;
    } catch (const KivoError&) {
        return false;
    }
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(QString folder, UnsavedSource source, OffReport reportOff, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), source_(std::move(source)), reportOff_(std::move(reportOff))
{
    // The pid says whose it is; the rest keeps two runs with one pid apart.
    const QString run = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                        QUuid::createUuid().toString(QUuid::Id128).left(8);
    copyPath_ = QDir(folder_).filePath(run + kRecoverySuffix);
    pause_.setSingleShot(true);
    longest_.setSingleShot(true);
    SetDelays(kPauseMs, kLongestMs);
    connect(&pause_, &QTimer::timeout, this, [this] { Write(); });
    connect(&longest_, &QTimer::timeout, this, [this] { Write(); });
    worker_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper()
{
    ChangesSettled();
    Flush();
}

void RecoveryKeeper::SetDelays(int pauseMs, int longestMs)
{
    pause_.setInterval(pauseMs);
    longest_.setInterval(longestMs);
}

void RecoveryKeeper::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled) {
        ChangesSettled();
        return;
    }
    // Turned on again: try the folder anew, and keep what is unsaved now.
    failed_ = false;
    writeFailed_ = false;
    pause_.start();
}

void RecoveryKeeper::TextChanged()
{
    if (!enabled_ || failed_)
        return;
    pause_.start();
    if (!longest_.isActive())
        longest_.start();
}

void RecoveryKeeper::ChangesSettled()
{
    pause_.stop();
    longest_.stop();
    // Without the lock this run never wrote a copy.
    if (!lock_)
        return;
    worker_.start([path = copyPath_] { QFile::remove(path); });
}

bool RecoveryKeeper::Write()
{
    pause_.stop();
    longest_.stop();
    if (!enabled_ || failed_)
        return false;
    std::optional<Unsaved> unsaved = source_();
    if (!unsaved)
        return false;
    if (!Prepare()) {
        Failed();
        return false;
    }
    RecoveryCopy copy{unsaved->documentPath, unsaved->format, QDateTime::currentDateTimeUtc(),
                      QCoreApplication::applicationPid(), std::move(unsaved->text)};
    worker_.start([this, path = copyPath_, copy = std::move(copy)] {
        if (SaveCopy(path, copy))
            return;
        writeFailed_ = true;
        QMetaObject::invokeMethod(this, [this] { Failed(); }, Qt::QueuedConnection);
    });
    return true;
}

bool RecoveryKeeper::WriteNow()
{
    if (!Write())
        return false;
    Flush();
    return !writeFailed_;
}

void RecoveryKeeper::Flush()
{
    worker_.waitForDone();
}

bool RecoveryKeeper::Prepare()
{
    if (lock_)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    auto lock = std::make_unique<QLockFile>(RecoveryLockPath(copyPath_));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);
    return true;
}

void RecoveryKeeper::Failed()
{
    if (failed_)
        return;
    failed_ = true;
    pause_.stop();
    longest_.stop();
    reportOff_(QStringLiteral("Recovery copies are off: folder not writable"));
}
