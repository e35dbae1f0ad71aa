#include "sheet/units.h"

#include "sheet/numbers.h"

#include "sheet/sheet.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

struct Names {
    Quantity quantity;
    const char* tecniche;
    const char* si;
};

// Each SI name has the length of its "tecniche" name, so a printed head keeps its columns.
constexpr Names kNames[] = {
    {Quantity::Length, "m", "m"},
    {Quantity::SectionLength, "cm", "mm"},
    {Quantity::SectionArea, "cm2", "mm2"},
    {Quantity::SectionModulus, "cm3", "mm3"},
    {Quantity::SectionInertia, "cm4", "mm4"},
    {Quantity::Force, "kg", "kN"},
    {Quantity::LineLoad, "kg/m", "kN/m"},
    {Quantity::AreaLoad, "kg/m2", "kN/m2"},
    {Quantity::Moment, "kgm", "kNm"},
    {Quantity::MomentPerLength, "kgm/m", "kNm/m"},
};

bool isSection(Quantity quantity) {
    return quantity == Quantity::SectionLength || quantity == Quantity::SectionArea ||
           quantity == Quantity::SectionModulus || quantity == Quantity::SectionInertia;
}

// The factor to SI as a whole number times a power of ten, so that a datum converts
// exactly: 0,00980665 = 980665 * 10^-8.
struct Factor {
    std::int64_t digits;
    int exponent;
};

Factor factorOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::SectionLength:
        return {1, 1};
    case Quantity::SectionArea:
        return {1, 2};
    case Quantity::SectionModulus:
        return {1, 3};
    case Quantity::SectionInertia:
        return {1, 4};
    case Quantity::Force:
    case Quantity::LineLoad:
    case Quantity::AreaLoad:
    case Quantity::Moment:
    case Quantity::MomentPerLength:
        return {980665, -8};
    default:
        return {1, 0};
    }
}

// A decimal number as its digits and a power of ten: value = digits * 10^exponent.
struct Decimal {
    std::string digits; // no leading zeros; "0" for zero
    int exponent = 0;
};

void trimLeadingZeros(std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? std::string("0") : digits.substr(first);
}

// The datum read as ToNumber reads it: the integer digits, then after one comma the
// decimals; reading stops at anything else.
Decimal parse(const QString& text) {
    Decimal d;
    int i = 0;
    const int len = int(text.length());
    while (i < len && text[i].isSpace())
        ++i;
    while (i < len && text[i] >= '0' && text[i] <= '9')
        d.digits += char(text[i++].unicode());
    if (i < len && text[i] == ',') {
        ++i;
        while (i < len && text[i] >= '0' && text[i] <= '9') {
            d.digits += char(text[i++].unicode());
            --d.exponent;
        }
    }
    trimLeadingZeros(d.digits);
    return d;
}

std::string multiply(const std::string& digits, std::int64_t factor) {
    std::string out(digits.size(), '0');
    std::int64_t carry = 0;
    for (size_t k = digits.size(); k-- > 0;) {
        const std::int64_t v = std::int64_t(digits[k] - '0') * factor + carry;
        out[k] = char('0' + v % 10);
        carry = v / 10;
    }
    while (carry > 0) {
        out.insert(out.begin(), char('0' + carry % 10));
        carry /= 10;
    }
    trimLeadingZeros(out);
    return out;
}

// The quotient of digits by divisor, with `extra` zeros appended to digits first; the
// remainder tells whether anything was cut.
std::string divide(const std::string& digits, std::int64_t divisor, int extra, bool* inexact) {
    std::string out;
    std::int64_t rest = 0;
    const std::string dividend = digits + std::string(size_t(extra), '0');
    for (char c : dividend) {
        rest = rest * 10 + (c - '0');
        out += char('0' + rest / divisor);
        rest %= divisor;
    }
    *inexact = rest != 0;
    trimLeadingZeros(out);
    return out;
}

// Keeps `keep` significant digits, half up on the first digit cut.
void roundToDigits(Decimal& d, int keep) {
    const int cut = int(d.digits.size()) - keep;
    if (cut <= 0)
        return;
    const bool up = d.digits[size_t(keep)] >= '5';
    std::string kept = d.digits.substr(0, size_t(keep));
    if (up) {
        int k = keep - 1;
        while (k >= 0 && kept[size_t(k)] == '9')
            kept[size_t(k--)] = '0';
        if (k < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[size_t(k)];
    }
    d.digits = kept;
    d.exponent += cut;
}

QString toText(const Decimal& d) {
    std::string text;
    if (d.exponent >= 0) {
        text = d.digits == "0" ? d.digits : d.digits + std::string(size_t(d.exponent), '0');
    } else {
        const size_t decimals = size_t(-d.exponent);
        std::string digits = d.digits;
        if (digits.size() <= decimals)
            digits.insert(0, decimals - digits.size() + 1, '0');
        std::string whole = digits.substr(0, digits.size() - decimals);
        std::string fraction = digits.substr(digits.size() - decimals);
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        text = fraction.empty() ? whole : whole + ',' + fraction;
    }
    return QString::fromStdString(text);
}

int significantDigits(const Decimal& d) {
    return d.digits == "0" ? 1 : int(d.digits.size());
}

} // namespace

QString UnitName(Quantity quantity, Units units) {
    for (const Names& names : kNames) {
        if (names.quantity == quantity)
            return QString::fromLatin1(units == Units::SI ? names.si : names.tecniche);
    }
    return QString();
}

QString UnitCaption(const QString& tecnicheCaption, Quantity quantity, Units units) {
    if (units == Units::Tecniche || quantity == Quantity::None)
        return tecnicheCaption;
    const QString from = UnitName(quantity, Units::Tecniche);
    const int at = int(tecnicheCaption.lastIndexOf(from));
    if (at < 0 || from == UnitName(quantity, Units::SI))
        return tecnicheCaption;
    QString caption = tecnicheCaption;
    return caption.replace(at, from.length(), UnitName(quantity, units));
}

QString InUnits(const QString& tecnicheLine, Units units) {
    if (units == Units::Tecniche)
        return tecnicheLine;
    QString line;
    QString word;
    const auto flush = [&] {
        for (const Names& names : kNames) {
            if (word == QLatin1String(names.tecniche)) {
                word = QString::fromLatin1(names.si);
                break;
            }
        }
        line += word;
        word.clear();
    };
    for (QChar c : tecnicheLine) {
        if (c == ' ') {
            flush();
            line += c;
        } else {
            word += c;
        }
    }
    flush();
    return line;
}

double SiFactor(Quantity quantity) {
    const Factor f = factorOf(quantity);
    return double(f.digits) * std::pow(10.0, f.exponent);
}

int ResultDecimals(Quantity quantity, Units units, int tecnicheDecimals) {
    if (units == Units::Tecniche || quantity == Quantity::None || quantity == Quantity::Length)
        return tecnicheDecimals;
    return isSection(quantity) ? 0 : 2;
}

double RoundResult(double value, int decimals) {
    switch (decimals) {
    case 0:
        return std::floor(value + 0.5);
    case 1:
        return std::floor(10.0 * value + 0.5) / 10.0;
    default: {
        const double scale = std::pow(10.0, decimals);
        return std::floor(scale * value + 0.5) / scale;
    }
    }
}

QString ResultText(double value, int decimals) {
    if (decimals <= 1 || !std::isfinite(value))
        return ModPonteluma::FormatResult(value);
    if (value == 0.0)
        value = 0.0; // no "-0"
    QString s = QString::number(value, 'f', decimals);
    if (s.startsWith('-') && !s.contains(QRegularExpression("[1-9]")))
        s.remove(0, 1); // a value that rounds to nothing shows no sign
    s.replace('.', ',');
    return s;
}

QString ConvertDatum(const QString& text, Quantity quantity, Units from, Units to) {
    if (text.isEmpty() || from == to)
        return text;
    Decimal d = parse(text);
    const Factor f = factorOf(quantity);
    if (f.digits == 1 && f.exponent == 0)
        return text; // metres stay as typed
    const int typed = significantDigits(d);
    if (to == Units::SI) {
        d.digits = multiply(d.digits, f.digits);
        d.exponent += f.exponent;
    } else {
        // value / (digits * 10^e): six digits more than typed, one more to round on.
        const int extra = qMax(0, typed + 7 - (int(d.digits.size()) - 6));
        bool inexact = false;
        d.digits = divide(d.digits, f.digits, extra, &inexact);
        d.exponent -= f.exponent + extra;
        roundToDigits(d, typed + 6);
    }
    QString out = toText(d);
    // At most what a box holds: the decimals go first, half up.
    while (out.length() > kMaxDatumLength && d.exponent < 0) {
        roundToDigits(d, int(d.digits.size()) - 1);
        out = toText(d);
    }
    return out.length() > kMaxDatumLength ? QString() : out;
}

QString UnitsMarker(Units units) {
    return units == Units::SI ? QStringLiteral("SI") : QString();
}

bool UnitsFromMarker(const QString& marker, Units* units) {
    if (marker == QLatin1String("SI")) {
        *units = Units::SI;
        return true;
    }
    if (marker.isEmpty() || marker == QLatin1String("tecniche")) {
        *units = Units::Tecniche;
        return true;
    }
    return false;
}

QString UnitsName(Units units) {
    return units == Units::SI ? QStringLiteral("SI") : QStringLiteral("tecniche");
}
