#pragma once
// The module, its records and the settings files keep text as 8-bit
// characters of code page Windows-1250; the window holds Unicode text. Every
// conversion between the two goes through these helpers.

#include <QString>

#include <string>
#include <string_view>

namespace Cp1250 {

// Raw record characters to window text; every byte value has a character.
QString Decode(std::string_view bytes);

// Window text to raw record characters. The window refuses characters that
// the code page lacks, so nothing is replaced here in practice.
std::string Encode(const QString& text);

// True when the module's code page holds this character.
bool CanHold(QChar c);

// Number of characters of text that the code page cannot hold.
int CountForeign(const QString& text);

} // namespace Cp1250
