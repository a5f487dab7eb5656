// SPDX-License-Identifier: MIT
#include "engine/solids.h"

#include <algorithm>
#include <array>

#include "engine/tables/tables.h"

namespace solver {
namespace {

// The picture that offers the bodies of two solids.
bool offersBodies(const SolidRow& solid) { return solid.registration && !solid.registration->offeredName.empty(); }

}  // namespace

std::span<const SolidRow> allSolids() {
    static const std::array solids{tables::cube(),     tables::box(),      tables::prism(), tables::pyramid(),
                                   tables::regularPolygon(), tables::cylinder(), tables::cone(),  tables::sphere()};
    return solids;
}

std::span<const SolidRow* const> baseShapes() {
    static const std::vector<const SolidRow*> shapes = tables::makeBaseShapes();
    return shapes;
}

std::span<const SolidRow* const> frustums() {
    static const std::array<const SolidRow*, 2> solids{&tables::coneFrustum(), &tables::pyramidFrustum()};
    return solids;
}

std::span<const SolidRow* const> composedBodies() {
    static const std::array<const SolidRow*, 10> solids{
        &tables::doubleCone(),     &tables::cylinderWithCone(),    &tables::cylinderWithHemisphere(),
        &tables::prismWithPyramid(), &tables::hollowCylinder(),    &tables::cylinderWithoutCone(),
        &tables::cylinderWithTwoCones(), &tables::cylinderWithoutTwoCones(), &tables::coneWithHemisphere(),
        &tables::twoCylinders()};
    return solids;
}

std::span<const SolidRow* const> pictured() {
    static const std::vector<const SolidRow*> solids = [] {
        std::vector<const SolidRow*> all;
        for (const SolidRow& solid : allSolids()) all.push_back(&solid);
        all.insert(all.end(), frustums().begin(), frustums().end());
        for (const SolidRow* body : composedBodies())
            if (offersBodies(*body)) all.push_back(body);
        return all;
    }();
    return solids;
}

std::span<const SolidRow* const> solidsOnBases() {
    static const std::vector<const SolidRow*> solids = tables::makeSolidsOnBases();
    return solids;
}

namespace {

bool named(const SolidRow& solid, std::string_view key) {
    return solid.key == key || std::find(solid.otherNames.begin(), solid.otherNames.end(), key) != solid.otherNames.end();
}

}  // namespace

const SolidRow* solidByKey(std::string_view key) {
    for (const SolidRow& solid : allSolids())
        if (named(solid, key)) return &solid;
    for (std::span<const SolidRow* const> list : {baseShapes(), solidsOnBases(), frustums(), composedBodies()})
        for (const SolidRow* solid : list)
            if (named(*solid, key)) return solid;
    return nullptr;
}

std::vector<const SolidRow*> variantsOf(const SolidRow& offered) {
    std::vector<const SolidRow*> variants{&offered};
    if (offersBodies(offered))
        for (const SolidRow* body : composedBodies())
            if (body != &offered) variants.push_back(body);
    for (const SolidRow* solid : solidsOnBases())
        if (solid->family == offered.key) variants.push_back(solid);
    if (offered.registration && offered.registration->plane && !offered.variant.empty())
        for (const SolidRow* shape : baseShapes()) variants.push_back(shape);
    return variants;
}

const SolidRow& offeredBy(const SolidRow& solid) {
    for (const SolidRow* offered : pictured())
        for (const SolidRow* variant : variantsOf(*offered))
            if (variant == &solid) return *offered;
    return solid;
}

std::string_view pictureName(const SolidRow& offered) {
    return offersBodies(offered) ? offered.registration->offeredName : offered.name;
}

std::string_view variantsCaption(const SolidRow& offered) {
    return offersBodies(offered) ? offered.registration->listCaption : "Основа";
}

std::string_view variantName(const SolidRow& variant) { return variant.variant.empty() ? variant.name : variant.variant; }

const SolidRow* solidOnBase(std::string_view family, std::string_view base, std::string_view apex) {
    for (const SolidRow* solid : solidsOnBases()) {
        if (solid->family != family || solid->parts.empty() || solid->parts.front().table().key != base) continue;
        const bool edges = solid->key.ends_with("-edges"), faces = solid->key.ends_with("-faces");
        if (apex.empty() ? !faces : (apex == "edges" ? edges : faces)) return solid;
    }
    return nullptr;
}

bool isPlaneFigure(std::string_view key) {
    const SolidRow* solid = solidByKey(key);
    return solid && solid->registration && solid->registration->plane;
}

std::vector<const RelationRow*> relationsOf(const SolidRow& solid) {
    std::vector<const RelationRow*> rows;
    for (const PartRow& part : solid.parts)
        for (const RelationRow* row : relationsOf(part.table())) rows.push_back(row);
    for (const RelationRow& row : solid.relations) rows.push_back(&row);
    return rows;
}

std::vector<TakenRelation> takenRelations(const SolidRow& solid) {
    std::vector<TakenRelation> rows;
    for (const PartRow& part : solid.parts) {
        const SolidRow& table = part.table();
        for (TakenRelation taken : takenRelations(table)) {
            // The part's letters, as the part's own parts named them, become the host's.
            auto hostLetter = [&](const std::string& letter) {
                for (const auto& [from, to] : part.renamed)
                    if (from == letter) return std::string(to);
                return letter + std::string(part.suffix);
            };
            if (taken.letters.empty())
                for (const QuantityRow& q : table.quantities) taken.letters.emplace_back(q.key, std::string(q.key));
            for (auto& [own, host] : taken.letters) host = hostLetter(host);
            rows.push_back(std::move(taken));
        }
    }
    for (const RelationRow& row : solid.relations) rows.push_back({&row, {}});
    return rows;
}

int quantityIndex(const SolidRow& solid, std::string_view key) {
    for (std::size_t i = 0; i < solid.quantities.size(); ++i)
        if (solid.quantities[i].key == key) return int(i);
    // An angle's Greek letter spelt in Latin, as a keyboard without Greek types it.
    static constexpr std::pair<std::string_view, std::string_view> greek[] = {
        {"alpha", "α"}, {"beta", "β"}, {"gamma", "γ"}, {"delta", "δ"},
        {"phi", "φ"},   {"theta", "θ"}, {"psi", "ψ"},  {"omega", "ω"}, {"rho", "ρ"}};
    for (const auto& [latin, letter] : greek)
        if (key == latin) return quantityIndex(solid, letter);
    return -1;
}

int wholeQuantity(const SolidRow& solid) {
    for (std::size_t i = 0; i < solid.quantities.size(); ++i)
        if (solid.quantities[i].domain.whole) return int(i);
    return -1;
}

std::string_view unitSymbol(Unit unit) {
    switch (unit) {
    case Unit::Millimetre: return "mm";
    case Unit::Centimetre: return "cm";
    case Unit::Decimetre: return "dm";
    case Unit::Metre: return "m";
    }
    return "";
}

bool isUseDimension(Dimension dimension) {
    switch (dimension) {
    case Dimension::Mass:
    case Dimension::Money:
    case Dimension::MassPerVolume:
    case Dimension::MoneyPerArea:
    case Dimension::MoneyPerVolume: return true;
    default: return false;
    }
}

std::string_view massSymbol(Unit unit) { return gramsPerMassUnit(unit) == 1 ? "g" : "kg"; }

int gramsPerMassUnit(Unit unit) { return unit == Unit::Millimetre || unit == Unit::Centimetre ? 1 : 1000; }

std::string useUnitSymbol(std::optional<Unit> unit, Dimension dimension) {
    if (dimension == Dimension::Money) return "лв.";
    if (!unit) return "";
    const std::string length(unitSymbol(*unit));
    switch (dimension) {
    case Dimension::Mass: return std::string(massSymbol(*unit));
    case Dimension::MassPerVolume: return std::string(massSymbol(*unit)) + "/" + length + "³";
    case Dimension::MoneyPerArea: return "лв./" + length + "²";
    case Dimension::MoneyPerVolume: return "лв./" + length + "³";
    default: return "";
    }
}

}  // namespace solver
