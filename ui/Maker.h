#pragma once
// Who makes Velotar and where the installer reaches them: shown in the About
// box and used by the "Kontakt z działem technicznym" command.

#include <QString>

namespace Maker {

inline QString Line() { return QStringLiteral("Velotar – oprogramowanie dla instalatorów"); }
inline QString WebAddress() { return QStringLiteral("https://velotar.example/"); }
inline QString SupportMailbox() { return QStringLiteral("serwis@velotar.example"); }
inline QString SupportSubject() { return QStringLiteral("Uwagi do programu Velotar"); }

} // namespace Maker
