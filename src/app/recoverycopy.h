#pragma once

#include "platform/textcodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a recovery copy holds: the unsaved text of one document and what is
// needed to save it as the user would have.
struct RecoveryCopy {
    QString documentPath;  // empty for a new document
    FileFormat format;     // how the document would be saved
    QDateTime time;
    qint64 pid = 0;        // the program copy that wrote it
    QString text;          // CR LF line breaks, as in the editor
};

// The file: a readable header of key=value lines, a blank line, then the
// text as UTF-8 with its length and SHA-256 in the header, so a copy cut
// short or changed is told from a sound one.
QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy);

enum class RecoveryIntegrity {
    Sound,
    Damaged,     // checksum or length wrong: `copy` holds what could be read
    Unreadable,  // not a recovery copy, or nothing of its text can be read
};

struct RecoveryRead {
    RecoveryIntegrity integrity = RecoveryIntegrity::Unreadable;
    RecoveryCopy copy;
};

// Never throws: damage is reported, not raised.
RecoveryRead DecodeRecoveryCopy(const QByteArray& bytes);
