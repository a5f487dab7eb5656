// SPDX-License-Identifier: MIT
// The parts the calculator opens only when asked, loaded the first time one is
// asked for: from the module installed beside the program's libraries
// (../lib/<triplet>/stereometry from its folder), or built beside the program.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "on_demand.h"

namespace geometry::ui {
namespace {

struct Loaded {
    OnDemandParts* parts = nullptr;
    QString error;
};

Loaded load() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(STEREOMETRY_ON_DEMAND_FILE);
    const QStringList places = {
        QDir::cleanPath(folder + QStringLiteral("/" STEREOMETRY_ON_DEMAND_FROM_PROGRAM "/") + file),
        folder + QLatin1Char('/') + file,
    };
    QString why;
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) continue;
        void* module = dlopen(QFile::encodeName(place).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            why = QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = OnDemandParts* (*)();
        if (const auto entry = reinterpret_cast<Entry>(dlsym(module, "stereometry_on_demand_parts")))
            return {entry(), {}};
        why = place + QStringLiteral(": няма вход stereometry_on_demand_parts");
        dlclose(module);
    }
    if (why.isEmpty()) why = QStringLiteral("няма го нито в ") + places.join(QStringLiteral(", нито в "));
    return {nullptr, QStringLiteral("Липсва част от програмата, ") + file + QStringLiteral(" (") + why +
                         QStringLiteral("). Преинсталирайте програмата.")};
}

const Loaded& loaded() {
    static const Loaded once = load();
    return once;
}

}  // namespace

OnDemandParts* onDemandParts() { return loaded().parts; }
QString onDemandError() { return loaded().error; }

}  // namespace geometry::ui
