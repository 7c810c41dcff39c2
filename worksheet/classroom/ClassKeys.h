#pragma once
// The secrets of a class served to tablets: the code pupils type to join, and the keys
// that stand for the teacher and for each pupil in every request.

#include <QString>

// Five characters of the sheet codes' alphabet, which has no look-alikes to mistype.
QString NewClassCode();
// 256 bits from the system's random source, as 64 hex digits.
QString NewKey();
// Whether the keys are equal, in a time that does not depend on where they differ,
// so that timing a wrong key tells nothing about the right one.
bool SameKey(const QString& Given, const QString& Known);
// What the results file keeps of a key: its SHA-256 in hex, from which the key cannot
// be had back.
QString KeyHash(const QString& Key);
