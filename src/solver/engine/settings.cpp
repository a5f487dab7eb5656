// SPDX-License-Identifier: MIT
#include "engine/settings.h"

namespace solver {
namespace {

Rational metresPer(Unit unit) {
    switch (unit) {
    case Unit::Millimetre: return Rational(1, 1000);
    case Unit::Centimetre: return Rational(1, 100);
    case Unit::Decimetre: return Rational(1, 10);
    case Unit::Metre: return 1;
    }
    return 1;
}

}  // namespace

double piValue(PiSetting setting) {
    switch (setting) {
    case PiSetting::School: return 3.14;
    case PiSetting::Calculator: return 3.141592;
    case PiSetting::Exact: break;
    }
    return truePi;
}

std::optional<Rational> piFraction(PiSetting setting) {
    switch (setting) {
    case PiSetting::School: return Rational(157, 50);
    case PiSetting::Calculator: return Rational(392699, 125000);
    case PiSetting::Exact: break;
    }
    return std::nullopt;
}

unsigned toolsOfGrade(int grade) {
    if (grade == 0 || grade >= 9) return Pythagoras | Trigonometry | Heron;
    if (grade == 8) return Pythagoras | Trigonometry;
    return grade >= 7 ? unsigned(Pythagoras) : 0u;
}

Rational unitFactor(Unit from, Unit to, int power) {
    Rational factor = 1;
    const Rational ratio = metresPer(from) / metresPer(to);
    for (int i = 0; i < power; ++i) factor *= ratio;
    return factor;
}

}  // namespace solver
