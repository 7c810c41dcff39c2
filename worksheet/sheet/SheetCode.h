#pragma once
// Sheet codes: a short text printed at the foot of every sheet from which the very
// same sheet can be made again, its settings, its six weights and so its blanks and
// summary lines.
//
// A code is fourteen characters in three groups, "ABCDE-FGHJK-MNPQ": thirteen carry
// the settings (the kind of exercise among them) and the seed, the last is a check
// character. The alphabet has no
// characters that are easily taken for one another (no 0, O, 1 or I). The check
// catches every single mistyped character and every swap of two neighbours, so a
// mistyped code is refused and never gives another sheet. Codes stay valid across
// builds: the weights follow from the seed through TSheetRandom alone.
//
// A sheet with fewer numerals or mixed capacities has a long code, fifteen characters
// in three groups of five, "VABCD-EFGHJ-KMNPQ": its first character carries the
// numerals (all 0, large ones 1, ends 2) times two plus one for mixed capacities, so it
// is never the first digit 2 (zero); the next thirteen are those of the short code of
// the same sheet, and the check follows. A mixed sheet's capacities follow from its
// seed as its weights do. Every other sheet keeps its fourteen-character code, and
// a long code whose first character is left out never passes the check as a short one.

#include "sheet/Sheet.h"

#include <QString>

#include <optional>

// The characters a code is written in; a class code uses them too.
inline constexpr char SheetCodeAlphabet[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

enum TSheetCodeError : std::uint8_t {
    ceNone,
    ceLength,      // not fourteen or fifteen characters once the separators are left out
    ceCharacter,   // a character that is not in the code alphabet
    ceCheck,       // the check character does not fit: a mistyped code
    ceNotASheet,   // well formed, but names settings no sheet has
};

// The largest range bound a code holds; a larger upper bound is written as this.
constexpr std::int32_t SheetCodeRangeLimit = 131071;

// The code of Sheet's settings and seed, grouped for reading aloud; empty for
// settings that are no sheet's (a step the capacity does not offer, say).
QString SheetCode(const TSheet& Sheet);

// The code to print on Sheet: its code when the code brings back exactly this sheet,
// that is when its weights are the draw its settings give from its seed; otherwise
// none (weights kept from other settings, because a range left too few to draw).
QString IssuedCode(const TSheet& Sheet);

struct TSheetCodeReading {
    // With its weights drawn again from the seed; an upper bound the code could not
    // hold comes back as the capacity.
    std::optional<TSheet> Sheet;
    TSheetCodeError Error = ceNone;
    QString Character;             // the offending character for ceCharacter
};

// Reads a code as typed: letters in either case, full-width or half-width, with or
// without the group separators and spaces.
TSheetCodeReading ReadSheetCode(const QString& Text);

// What the window tells the teacher about a code it cannot read.
QString SheetCodeErrorText(const TSheetCodeReading& Reading);
