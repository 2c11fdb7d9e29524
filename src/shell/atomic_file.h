// Saving a file so that a crash or a full disk never leaves it half written: the
// bytes go to a temporary file beside it, which is flushed to disk and then
// renamed over the old one.
#pragma once
#include <string>

bool WriteFileAtomically(const std::string& path, const std::string& bytes);
