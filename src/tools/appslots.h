#pragma once

#include <QString>

#include <array>

class Profile;

// One program of the application launch bar.
struct AppSlot {
    QString program;     // full path; unset means the slot has no program
    QString parameters;  // fixed arguments put after the program
    bool passFileName = false;  // the document's file name follows them

    bool operator==(const AppSlot&) const = default;
};

constexpr int kAppSlotCount = 8;
// Slot n (1 to 8) is element n - 1.
using AppSlots = std::array<AppSlot, kAppSlotCount>;

// "Application"/PROG1 … PROG8: the pass flag "1" or "0", the program and the
// parameters, separated by commas. A value without a comma leaves its slot
// without a program; missing fields read as empty.
AppSlots ReadAppSlots(const Profile& profile);

// Writes the slots that have a program; the entry of a slot without one is
// left in the file as it was.
void WriteAppSlots(const Profile& profile, const AppSlots& appSlots);

QString AppSlotValue(const AppSlot& slot);
AppSlot ParseAppSlotValue(const QString& value);
