#pragma once
// Settings files (".zmk"): one zlib stream holding the settings record and
// then the user notes, 2356 bytes decompressed, nothing else. Both functions
// raise VelotarError with the text the installer will see.

#include <string>

struct TSettings;
struct TUserNotes;

// Writes settings and notes to fileName. The file is written beside the
// target under a temporary name and renamed over it only when complete, so a
// failure (a full disk, a missing folder) leaves the previous file whole.
void SaveSettingsFile(const TSettings& settings, const TUserNotes& notes,
                      const std::string& fileName);
// The same with the program's own UserNotes.
void SaveSettingsFile(const TSettings& settings, const std::string& fileName);

// Reads fileName into settings and notes. Both are written only when the whole
// file was read and checked; on any error neither changes.
void LoadSettingsFile(const std::string& fileName, TSettings& settings, TUserNotes& notes);
// The same into settings and the program's own UserNotes.
void LoadSettingsFile(const std::string& fileName, TSettings& settings);
