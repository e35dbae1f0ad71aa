#include "sheetwindow/unitspreference.h"

#include <QSettings>

namespace {

constexpr char kKey[] = "unita";

QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ponteluma"),
                     QStringLiteral("Ponteluma"));
}

} // namespace

Units PreferredUnits() {
    Units units = Units::Tecniche;
    // Anything but a known marker (an old or edited setting) is today's "tecniche".
    if (!UnitsFromMarker(settings().value(kKey).toString(), &units))
        units = Units::Tecniche;
    return units;
}

void SetPreferredUnits(Units units) {
    settings().setValue(kKey, UnitsMarker(units));
}
