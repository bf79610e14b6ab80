#pragma once

#include <QString>

#include <array>
#include <functional>
#include <optional>

// One button of the directory bar.
struct DirSlot {
    QString caption;   // unset: the slot has no visible button
    QString htmlFile;  // a full path, or a file name when inProgramFolder
    bool inProgramFolder = false;

    bool operator==(const DirSlot&) const = default;
};

constexpr int kDirSlotCount = 7;
using DirSlots = std::array<DirSlot, kDirSlotCount>;

// "Directory"/Button0 … Button6: the HTML file, the caption and the flag "1"
// or "0", separated by commas. A value that is not exactly three fields
// leaves its slot empty, so a caption or path holding a comma is lost.
DirSlots ReadDirBar(const QString& settingsPath);

// Writes all seven slots, empty ones too (",,0").
void WriteDirBar(const QString& settingsPath, const DirSlots& dirSlots);

DirSlot ParseDirSlotValue(const QString& value);

// The file a slot opens, or nothing when it names none: the HTML file, in
// the program's folder when the slot says so.
std::optional<QString> DirSlotPath(const DirSlot& slot, const QString& programFolder);

// OpenDirSlot: opens the slot's file through `loadHtmlFile`, which offers to
// save a modified document first and fails for a file that is gone.
void OpenDirSlot(const DirSlot& slot, const QString& programFolder,
                 const std::function<void(const QString&)>& loadHtmlFile);
