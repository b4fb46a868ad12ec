// Whole-file reading and atomic saving. Paths are UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vensa {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// Reads the whole file; FileReadError names the file when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// Writes the bytes to a sibling temporary file and renames it over `path`, so a failed
// save never destroys what was there. FileCreateError names the file on failure.
void SaveFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);
// Removes the file if it exists; false when it exists and could not be removed.
bool RemoveFileIfExists(const std::string& path);

}  // namespace vensa
