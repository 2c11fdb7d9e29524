// The state dump of scripted runs: one "name value" line each, so that tests can
// follow a game.
#pragma once
#include <string>

std::string StateDumpText();
bool WriteStateDump(const std::string& path);
