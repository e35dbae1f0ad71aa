#pragma once
// Shared module of Ponteluma, without widgets: identity and common texts, input
// rules, number conversion and rounding.
#include <QString>
#include <array>

namespace ModPonteluma {

// ---- identity and common texts -------------------------------------------------
struct Identity {
    QString product;     // "Ponteluma"
    QString description; // what the program computes
    QString version;     // "2.05.05"
    QString date;        // date of the version
};
struct CommonTexts {
    QString checkTitle;  // title of the check messages
    QString helpTitle;   // title of the quick-help messages
    QString deleteTitle; // title of the delete-file dialog
};

void SetIdentity();
void SetCommonTexts();
const Identity& identity();
const CommonTexts& texts();

// ---- input rules -----------------------------------------------------------------
// Filters a typed or pasted text: digits and commas pass; any other character
// refuses the whole datum (wrongKey set, empty result).
QString FilterTyping(const QString& text, bool* wrongKey);
// The input rules on the text of a box: what it keeps, and the message (stop icon,
// check title) when a wrong key discards it.
struct Typed {
    QString accepted;
    QString refusal; // empty when the text passed
};
Typed ValidateTyping(const QString& text);
// Characters of the integer part, a minus sign never counted; used to line up
// printed numbers on their decimal separator.
int IntegerDigits(const QString& text);

// ---- numbers -----------------------------------------------------------------------
// Reads a datum with the decimal comma: "12," is 12, ",5" is 0.5, "12,5,3" is 12.5
// (reading stops at the second comma), an empty text is 0.
double ToNumber(const QString& text);
// Number to text for messages, captions and file names: one leading blank before a
// non-negative number, a point as decimal separator, up to 15 significant digits.
QString Str(double value);
// A result as the sheet shows it: plain digits (never an exponent), decimal comma,
// no leading blank.
QString FormatResult(double value);
// A result in the print form of the reports: a non-negative number has one leading blank.
QString PrintForm(double value);
// Half up: the largest whole number not above value + 0.5 (so -2.5 gives -2).
double RoundHalfUp(double value);
// Half up to one decimal.
double RoundHalfUp1(double value);

} // namespace ModPonteluma
