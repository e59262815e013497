#pragma once
// Windows profile (INI) files through the platform's profile functions.
// Absent (null) section or key arguments are allowed; each call says what then.
#include <optional>
#include <string>
#include <vector>

namespace shared {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const std::string& path) : path_(path) {}
    virtual ~ProfileFile() = default;

    // Stores a copy of path; null empties the stored path.
    void SetPath(const char* path);

    // The key's value, or defaultValue when the key is missing. Without a
    // section or key it returns defaultValue and leaves the file alone.
    std::string ReadString(const char* section, const char* key, const char* defaultValue) const;
    // Writes key=value (a null value as empty); false without section or key.
    bool WriteString(const char* section, const char* key, const char* value) const;
    // Replaces list with the section's key names in file order.
    void ListKeyNames(const char* section, std::vector<std::string>* list) const;
    // Packs the key names into buffer (size + 1 bytes); without a buffer, the bytes needed.
    size_t ReadKeyNames(const char* section, char* buffer, size_t size) const;
    // The section's raw lines into buffer; without a buffer, the buffer size they need.
    size_t ReadSectionLines(const char* section, char* buffer, size_t size) const;

private:
    const char* Path() const { return path_ ? path_->c_str() : nullptr; }
    std::optional<std::string> path_;
};

}  // namespace shared
