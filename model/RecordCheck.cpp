// Length-byte check of records read from settings files.

#include "RecordCheck.h"

#include "Udecl.h"

namespace {

std::string Indexed(const char* name, int n) {
    return std::string(name) + '[' + std::to_string(n) + ']';
}

std::string Indexed(const char* name, int n, int r) {
    return Indexed(name, n) + '[' + std::to_string(r) + ']';
}

} // namespace

std::string FindOverlongText(const TSettings& s, const TUserNotes& notes) {
    if (!s.SmsAccessCode.lengthValid())
        return "SmsAccessCode";
    if (!s.Pin.lengthValid())
        return "Pin";
    if (!s.SmsCentre.lengthValid())
        return "SmsCentre";
    for (int k = 0; k < UserCount; ++k)
        if (!s.UserPhone[k].lengthValid())
            return Indexed("UserPhone", k + 1);
    for (int n = 0; n < InputCount; ++n)
        for (int r = 0; r < ReactionCount; ++r)
            if (!s.InputSmsText[n][r].lengthValid())
                return Indexed("InputSmsText", n + 1, r + 1);
    for (int n = 0; n < SpecialSlotCount; ++n)
        for (int r = 0; r < ReactionCount; ++r)
            if (!s.SpecialSmsText[n][r].lengthValid())
                return Indexed("SpecialSmsText", n + 1, r + 1);
    for (int k = 0; k < UserCount; ++k) {
        if (!notes.User[k].Name.lengthValid())
            return Indexed("UserNotes", k + 1) + ".Name";
        if (!notes.User[k].Notes.lengthValid())
            return Indexed("UserNotes", k + 1) + ".Notes";
    }
    return {};
}
