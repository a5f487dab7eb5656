// SPDX-License-Identifier: MIT
#include "on_demand_parts.h"

#include "engine/solids.h"
#include "picture_rendering.h"
#include "problems_window.h"
#include "reader/reader.h"

namespace geometry::ui {
namespace {

class LinkedParts final : public OnDemandParts {
public:
    QWidget* makeProblemsWindow(const std::string& decimalSeparator) override {
        return new ProblemsWindow(decimalSeparator);
    }
    bool showTask(QWidget* problemsWindow, const std::string& solid, const Givens& givens) override {
        return static_cast<ProblemsWindow*>(problemsWindow)->showTask(solid, givens);
    }
    void showText(QWidget* problemsWindow, const QString& text) override {
        static_cast<ProblemsWindow*>(problemsWindow)->showText(text);
    }
    bool readsAsTask(const std::string& text) override {
        return solver::reader::readTask(text).status == solver::reader::ReadStatus::Read;
    }
    bool knowsSolid(const std::string& solid) override { return solver::solidByKey(solid) != nullptr; }
    std::string quantityError(const std::string& solid, const std::string& key) override {
        const solver::SolidRow* row = solver::solidByKey(solid);
        // A solid there is none of is named by the command line itself.
        if (!row || solver::quantityIndex(*row, key) >= 0) return {};
        return "„" + key + "“ не е величина " + std::string(row->genitive);
    }
    QImage renderPicture(const QString& resource, QSize naturalSize, qreal devicePixelRatio) override {
        return ui::renderPicture(resource, naturalSize, devicePixelRatio);
    }
};

}  // namespace

OnDemandParts& linkedParts() {
    static LinkedParts parts;
    return parts;
}

}  // namespace geometry::ui
