// Saving a file so that a crash, a full disk or a failed write never leaves it
// half written: the new contents go to a temporary file in the same folder, which
// is flushed to disk and then renamed over the old one.
#pragma once
#include <cstddef>
#include <string>

// True when the new contents are in place; on false the old file is untouched.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size);
