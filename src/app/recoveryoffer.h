#pragma once

#include "app/recoverycopy.h"

#include <QString>
#include <functional>

class Prompts;

// Where the recovery copies live: the per-user data folder, never beside a
// document, so a read-only or shared document folder does not matter.
QString RecoveryFolder();

// Recovery copies are named <run>.kivorecovery; each run that writes one
// holds <copy>.lock for as long as it runs.
QString RecoveryLockPath(const QString& copyPath);
extern const QString kRecoverySuffix;

// The question that offers one copy; `when` is when it was written.
QString RecoveryQuestion(const RecoveryCopy& copy, const QDateTime& when);

// Takes over the text of a copy; true when it is the document now and kept
// safe by this run's own copy, so the old one may go.
using RecoverText = std::function<bool(const RecoveryCopy& copy)>;

// Offers, one after the other and oldest first, every copy in `folder` whose
// run no longer holds its lock: "&Recover" hands it to `recover`, "&Discard"
// deletes it, "&Later" keeps it for the next start. A copy that cannot be
// read at all is set aside (renamed .unreadable) and named in one message.
// Copies of running copies of the program are left alone.
void OfferRecoveryCopies(const QString& folder, Prompts& prompts, const RecoverText& recover);
