#include "app/recoveryoffer.h"

#include "platform/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

const QString kRecoverySuffix = QStringLiteral(".kivorecovery");

namespace {

const QString kLockSuffix = QStringLiteral(".lock");
const QString kUnreadableSuffix = QStringLiteral(".unreadable");

enum Choice { Recover = 0, Discard = 1, Later = 2 };

// The lock of a copy whose run has ended, now held by this run; nothing
// when a running copy of the program still holds it.
std::unique_ptr<QLockFile> TakeLock(const QString& copyPath)
{
    auto lock = std::make_unique<QLockFile>(RecoveryLockPath(copyPath));
    // Only a dead owner makes a lock stale, never its age: a copy of the
    // program may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

// Locks left by runs that ended after their copy went.
void RemoveStaleLocks(const QDir& folder)
{
    for (const QFileInfo& lockFile : folder.entryInfoList({QLatin1Char('*') + kRecoverySuffix + kLockSuffix}, QDir::Files)) {
        QString copyPath = lockFile.filePath();
        copyPath.chop(kLockSuffix.size());
        if (QFileInfo::exists(copyPath))
            continue;
        if (std::unique_ptr<QLockFile> lock = TakeLock(copyPath))
            lock->unlock();
    }
}

}  // namespace

QString RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kivopro32/recovery");
}

QString RecoveryLockPath(const QString& copyPath)
{
    return copyPath + kLockSuffix;
}

QString RecoveryQuestion(const RecoveryCopy& copy, const QDateTime& when)
{
    const QString name = copy.documentPath.isEmpty() ? QStringLiteral("a new document") : copy.documentPath;
    return QStringLiteral("Unsaved changes to %1 from %2 were found. Recover them?")
        .arg(name, QLocale().toString(when.toLocalTime(), QLocale::ShortFormat));
}

void OfferRecoveryCopies(const QString& folder, Prompts& prompts, const RecoverText& recover)
{
    const QDir dir(folder);
    QStringList setAside;
    const QFileInfoList copies =
        dir.entryInfoList({QLatin1Char('*') + kRecoverySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : copies) {
        const QString path = file.filePath();
        std::unique_ptr<QLockFile> lock = TakeLock(path);
        if (!lock)
            continue;
        QFile input(path);
        // Gone meanwhile: another copy of the program took it first.
        if (!input.open(QIODevice::ReadOnly))
            continue;
        const RecoveryRead read = DecodeRecoveryCopy(input.readAll());
        input.close();

        if (read.integrity == RecoveryIntegrity::Unreadable) {
            QString aside = path;
            aside.chop(kRecoverySuffix.size());
            aside += kUnreadableSuffix;
            QFile::remove(aside);
            setAside << (QFile::rename(path, aside) ? aside : path);
            continue;
        }

        const bool damaged = read.integrity == RecoveryIntegrity::Damaged;
        const QDateTime when = read.copy.time.isValid() ? read.copy.time : file.lastModified();
        QString question = RecoveryQuestion(read.copy, when);
        if (damaged)
            question += QStringLiteral("\n\nThe recovery copy is damaged: only what could be read will be recovered.");
        const int choice = prompts.Choose(question, damaged ? MessageKind::Warning : MessageKind::Confirmation,
                                          {QStringLiteral("&Recover"), QStringLiteral("&Discard"),
                                           QStringLiteral("&Later")},
                                          QStringLiteral("KivoPro32"));
        if (choice == Discard || (choice == Recover && recover(read.copy)))
            QFile::remove(path);
        // The lock goes with this object: Later leaves the copy to the next start.
    }
    RemoveStaleLocks(dir);
    if (!setAside.isEmpty()) {
        prompts.Message(QStringLiteral("These recovery copies could not be read and were set aside:\n") +
                            setAside.join(QLatin1Char('\n')),
                        MessageKind::Warning, MessageButtons::Ok, QStringLiteral("KivoPro32"));
    }
}
