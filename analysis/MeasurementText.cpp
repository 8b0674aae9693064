#include "MeasurementText.h"

#include <initializer_list>

#include "ReadoutNumber.h"

namespace {

// A unit of 10^power of the base unit. The value is scaled by an exact
// power of ten, multiplied or divided, so 0.5 V is 500 mV exactly.
struct Unit {
    int power;
    std::string_view name;
};

double InUnit(double value, int power) {
    double scale = 1.0;
    for (int i = 0; i < (power < 0 ? -power : power); ++i) {
        scale *= 10.0;
    }
    return power < 0 ? value * scale : value / scale;
}

// At most three digits before the point and not in scientific form.
bool FitsUnit(std::string_view number) {
    if (number.starts_with('-')) {
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    return number.find('E') == std::string_view::npos && point != std::string_view::npos && point <= 3;
}

std::string WithUnit(std::optional<double> value, std::initializer_list<Unit> units) {
    if (!value) {
        return std::string(kNoMeasurement);
    }
    std::string number;
    const Unit* chosen = nullptr;
    for (const Unit& unit : units) {
        chosen = &unit;
        number = FormatReadoutNumber(InUnit(*value, unit.power));
        if (FitsUnit(number)) {
            break;
        }
    }
    return number + " " + std::string(chosen->name);
}

}  // namespace

std::string FormatVolts(std::optional<double> volts) {
    return WithUnit(volts, {{-3, "mV"}, {0, "V"}});
}

std::string FormatFrequency(std::optional<double> hertz) {
    return WithUnit(hertz, {{-3, "mHz"}, {0, "Hz"}, {3, "kHz"}, {6, "MHz"}});
}

std::string FormatPeriod(std::optional<double> seconds) {
    return WithUnit(seconds, {{-9, "ns"}, {-6, "\u00b5s"}, {-3, "ms"}, {0, "s"}});
}

MeasurementText FormatMeasurements(const Measurements& m) {
    return MeasurementText{FormatFrequency(m.frequency),
                           FormatPeriod(m.period),
                           FormatVolts(m.peakToPeak),
                           FormatVolts(m.maximum),
                           FormatVolts(m.minimum),
                           FormatVolts(m.mean),
                           FormatVolts(m.rms)};
}
