#include "shell/catalogue.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include "shell/language.h"
#include "shell/log.h"

namespace {
std::unordered_map<std::string, std::string> translations;

// A .mo file: a header of 32-bit words in the writer's byte order, then two
// tables of (length, offset) pairs, the originals' and the translations'.
class MoReader {
public:
    explicit MoReader(const std::string& bytes) : bytes_(bytes) {}

    bool Read(std::unordered_map<std::string, std::string>& out) {
        if (bytes_.size() < 28) return false;
        const uint32_t magic = Word(0, false);
        if (magic == 0x950412DEu) {
            swapped_ = false;
        } else if (magic == 0xDE120495u) {
            swapped_ = true;
        } else {
            return false;
        }
        const uint32_t count = Word(8), originals = Word(12), translated = Word(16);
        for (uint32_t i = 0; i < count; ++i) {
            std::string original, translation;
            if (!Text(originals + 8 * static_cast<uint64_t>(i), original) ||
                !Text(translated + 8 * static_cast<uint64_t>(i), translation))
                return false;
            // The empty original carries the header; an empty translation means none.
            if (!original.empty() && !translation.empty()) out[original] = translation;
        }
        return true;
    }

private:
    uint32_t Word(uint64_t at, bool swap) const {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[at + k])) << (8 * k);
        if (swap) v = (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
        return v;
    }
    uint32_t Word(uint64_t at) const { return Word(at, swapped_); }
    bool Text(uint64_t entry, std::string& out) const {
        if (entry + 8 > bytes_.size()) return false;
        const uint64_t length = Word(entry), offset = Word(entry + 4);
        if (offset + length >= bytes_.size()) return false;  // the text ends with a NUL inside the file
        out.assign(bytes_, offset, length);
        return true;
    }

    const std::string& bytes_;
    bool swapped_ = false;
};
}  // namespace

const char* Tr(const char* english) {
    const auto found = translations.find(english);
    return found == translations.end() ? english : found->second.c_str();
}

bool LoadCatalogueFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::unordered_map<std::string, std::string> read;
    if (!MoReader(bytes).Read(read)) return false;
    translations = std::move(read);
    return true;
}

void LoadCatalogue(const std::string& localeFolder, const std::string& language) {
    ClearCatalogue();
    if (language == kSourceLanguage) return;
    const std::string path = localeFolder + language + "/LC_MESSAGES/zapbrik.mo";
    if (!LoadCatalogueFile(path)) LogMessage(1, "[WARNING] No texts for language " + language + " in " + path + "\n");
}

void ClearCatalogue() { translations.clear(); }
