#pragma once

#include <QByteArray>
#include <QStringView>

// The few ways a PDF file writes values: numbers in the short decimal form a content stream
// holds hundreds of thousands of, glyph indexes, and text strings that may hold any
// character.
namespace PdfFormat {

// Appends the number with at most three decimals and without trailing zeros, then a space.
void number(QByteArray &out, double value);
// Appends a two-byte glyph index inside a literal string, escaped where it must be.
void glyph(QByteArray &out, quint32 index);
// Appends a two-byte value as four hex digits.
void hex(QByteArray &out, quint32 value);
// A text string: in parentheses when it is printable ASCII, else as UTF-16 in hex with its
// byte-order mark.
QByteArray text(QStringView value);

} // namespace PdfFormat
