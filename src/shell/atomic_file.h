// Saving a file so that a crash, a full disk or a failed write never leaves it
// half written: the new contents go to a temporary file in the same folder, which
// is flushed to disk and then renamed over the old one.
#pragma once
#include <cstddef>
#include <string>

// True when the new contents are in place; on false the old file is untouched.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size);

// Renames a file that cannot be used to path + suffix (path + suffix + ".2",
// ".3" ... when that name is taken), so that it is kept for the player rather
// than overwritten. The new name, or "" when the file could not be moved.
std::string MoveAside(const std::string& path, const std::string& suffix);
