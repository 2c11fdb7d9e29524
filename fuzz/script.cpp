// Script files: any text parses into commands or names the line at fault.
#include <string>
#include <vector>

#include "app/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<ScriptCommand> commands;
    std::string error;
    ParseScript(std::string(reinterpret_cast<const char*>(data), size), commands, error);
    return 0;
}
