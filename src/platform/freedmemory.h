#pragma once

// Sorts the blocks just freed by a large structure into the allocator's
// order now. glibc leaves freed blocks in quick lists and sorts them at the
// next middle-sized request, wherever that comes: after the preview drops a
// whole page, that was the next keystroke, which then walked megabytes of
// cold memory. Call it where a pause is already being taken.
void SettleFreedMemory();
