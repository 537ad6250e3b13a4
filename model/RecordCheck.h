#pragma once
// Checks a record that came from outside (a settings file) for length bytes
// that claim more characters than their field holds. Such a byte can only
// come from a damaged or foreign file.

#include <string>

struct TSettings;
struct TUserNotes;

// The name of the first text field whose length byte exceeds its capacity,
// such as "InputSmsText[3][2]" or "UserNotes[1].Name"; empty when all fit.
std::string FindOverlongText(const TSettings& settings, const TUserNotes& notes);
