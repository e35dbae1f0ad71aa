#include "sheet/numbers.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace ModPonteluma {

namespace {
Identity g_identity;
CommonTexts g_texts;
} // namespace

void SetIdentity() {
    g_identity.product = QStringLiteral("Ponteluma");
    g_identity.description = QStringLiteral("calcoli di sezioni, travi, archi, piastre");
    g_identity.version = QStringLiteral("2.05.05");
    g_identity.date = QStringLiteral("31/05/2002");
}

void SetCommonTexts() {
    SetIdentity();
    g_texts.checkTitle = g_identity.product + ": controllo dati immessi nella finestra attiva";
    g_texts.helpTitle = g_identity.product + ": aiuto in linea";
    g_texts.deleteTitle =
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

const Identity& identity() {
    if (g_identity.product.isEmpty())
        SetIdentity();
    return g_identity;
}

const CommonTexts& texts() {
    if (g_texts.checkTitle.isEmpty())
        SetCommonTexts();
    return g_texts;
}

static bool isDatumChar(QChar c) {
    return (c >= '0' && c <= '9') || c == ',';
}

QString FilterTyping(const QString& text, bool* wrongKey) {
    if (wrongKey)
        *wrongKey = false;
    if (text.isEmpty() || text == QLatin1String(","))
        return QString();
    // A wrong character anywhere refuses the whole text: "12.5" pasted from a
    // spreadsheet must not become 125.
    for (QChar c : text) {
        if (!isDatumChar(c)) {
            if (wrongKey)
                *wrongKey = true;
            return QString();
        }
    }
    return text;
}

Typed ValidateTyping(const QString& text) {
    bool wrongKey = false;
    Typed typed;
    typed.accepted = FilterTyping(text, &wrongKey);
    if (wrongKey)
        typed.refusal = QStringLiteral("Attenzione! Il dato digitato non è corretto: usare solo "
                                       "numeri e la virgola per i decimali.");
    return typed;
}

int IntegerDigits(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith('-'))
        t.remove(0, 1);
    // A datum is at most kMaxDatumLength characters: its digits count in an int.
    for (int i = 0; i < t.length(); ++i) {
        if (t[i] == ',' || t[i] == '.')
            return i;
    }
    return int(t.length());
}

double ToNumber(const QString& text) {
    std::string digits;
    qsizetype i = 0;
    const qsizetype len = text.length();
    while (i < len && text[i].isSpace())
        ++i;
    while (i < len && text[i] >= '0' && text[i] <= '9')
        digits += char(text[i++].unicode());
    if (i < len && text[i] == ',') {
        ++i;
        digits += '.';
        while (i < len && text[i] >= '0' && text[i] <= '9')
            digits += char(text[i++].unicode());
    }
    if (digits.empty() || digits == ".")
        return 0.0;
    // from_chars reads the same whatever the process locale: the desktop's LC_NUMERIC
    // (a comma in Italian) must not change what "12,5" means.
    double value = 0.0;
    const char* first = digits.data();
    const char* last = first + digits.size();
    const std::from_chars_result read =
        std::from_chars(first, last, value, std::chars_format::fixed);
    if (read.ec == std::errc::result_out_of_range) {
        // Too large for a double when the integer part has a digit other than 0,
        // otherwise too small.
        const std::string whole = digits.substr(0, digits.find('.'));
        return whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
    }
    return value;
}

QString Str(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    QString s = QString::number(value, 'g', 15);
    return value >= 0 ? QLatin1Char(' ') + s : s;
}

QString FormatResult(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    // Results are whole numbers or have one decimal; plain digits however large,
    // never an exponent.
    QString s = std::floor(value) == value || !std::isfinite(value)
                    ? QString::number(value, 'f', 0)
                    : QString::number(value, 'f', 1);
    s.replace('.', ',');
    return s;
}

QString PrintForm(double value) {
    QString s = FormatResult(value);
    return value >= 0 ? QLatin1Char(' ') + s : s;
}

double RoundHalfUp(double value) {
    return std::floor(value + 0.5);
}

double RoundHalfUp1(double value) {
    return std::floor(10.0 * value + 0.5) / 10.0;
}

} // namespace ModPonteluma
