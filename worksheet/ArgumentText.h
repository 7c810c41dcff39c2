#pragma once
// A command line argument is the system's bytes, most often UTF-8 but not always: a file
// name from an old Latin-1 folder, say. Read as text, each byte that is not part of valid
// UTF-8 becomes a lone surrogate, U+DC80 plus the byte (no valid UTF-8 decodes to one),
// so that the text turns back into exactly the bytes it came from.

#include <QByteArray>
#include <QString>

QString ArgumentText(const QByteArray& Bytes);

// The bytes that ArgumentText read Text from.
QByteArray ArgumentBytes(const QString& Text);

// The byte that a lone surrogate of ArgumentText stands for; -1 for any other character.
int EscapedByte(char32_t Character);

// A value as a message shows it: on one line whatever it holds (a script may pass a
// name with a newline or an escape sequence), each control, format or separator
// character written as an escape ("\n", "\x1b", "\u2028"), and cut short with "..."
// where it is longer than Longest.
QString Echo(const QString& Value, qsizetype Longest = 60);

// A text of the system's on one line, whole.
QString OneLine(const QString& Text);
