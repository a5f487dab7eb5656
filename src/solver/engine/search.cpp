// SPDX-License-Identifier: MIT
#include "engine/search.h"

#include <algorithm>
#include <cmath>

#include "engine/roots.h"

namespace solver {
namespace {

constexpr std::size_t maxEliminationTerms = 400;
constexpr int maxEliminationDegree = 24;
constexpr int maxResultantSize = 10;  // the Sylvester matrix's rows
constexpr int maxSides = 1000;

std::string_view countWord(std::size_t count) {
    static constexpr std::string_view words[] = {"", "едно", "две", "три", "четири", "пет", "шест", "седем", "осем"};
    return count < std::size(words) ? words[count] : "много";
}

std::string relationList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " и " : ", ") + items[i];
    return text;
}

const Node* firstRoot(const Node& node) {
    if (node.kind == Node::Kind::Root) return &node;
    for (const Node& child : node.children)
        if (const Node* found = firstRoot(child)) return found;
    return nullptr;
}

bool finitePositive(const Value& v) { return std::isfinite(v.number) && v.positive(); }

}  // namespace

Search::Search(const CompiledSolid& solid, const Wording& wording, SearchOptions options)
    : solid_(solid), wording_(wording), options_(options) {}

bool Search::applicable(int quantity) const {
    return options_.regular || !solid_.row->quantities[std::size_t(quantity)].regularOnly;
}

bool Search::complete(const State& state) const {
    for (std::size_t q = 0; q < state.known.size(); ++q)
        if (applicable(int(q)) && !state.known[q]) return false;
    return true;
}

bool Search::usable(const State& state, std::size_t relation) const {
    const Relation& r = solid_.relations[relation];
    return (options_.regular || !r.regularOnly) && (!r.needsSides || state.sides > 0);
}

std::uint32_t Search::sources(const State& state, const std::vector<int>& quantities) const {
    std::uint32_t from = 0;
    for (int q : quantities)
        if (state.known[std::size_t(q)]) from |= state.known[std::size_t(q)]->from;
    return from;
}

Substitution Search::substitution(const State& state) const {
    return wording_.substitution(
        [&state](int q) -> const Value* {
            const auto& known = state.known[std::size_t(q)];
            return known ? &known->value : nullptr;
        },
        state.sides);
}

Value Search::adopted(Value value) const {
    if (!options_.exact) value.exact.reset();
    return value;
}

std::string Search::letter(int quantity) const { return std::string(solid_.row->quantities[std::size_t(quantity)].key); }

Polynomial Search::knownPolynomial(const State& state, std::size_t relation) const {
    const Relation& r = solid_.relations[relation];
    Polynomial p = r.polynomial(substitution(state));
    if (!options_.exact) {
        Polynomial decimals;
        for (const Polynomial::Term& t : p.terms()) {
            Polynomial term = Polynomial::constant(adopted(t.coefficient));
            for (int v = 0; v < maxVariables; ++v)
                for (int e = 0; e < t.monomial.exponents[v]; ++e) term = term * Polynomial::variable(v);
            decimals = decimals + term;
        }
        p = decimals;
    }
    for (int q : r.members)
        if (state.known[std::size_t(q)]) p = p.substituted(q, state.known[std::size_t(q)]->value);
    return p;
}

void Search::contradict(const State&, std::uint32_t from, std::string why) {
    contradictions_.push_back({from, std::move(why)});
}

void Search::run(State start) {
    pending_.push_back(std::move(start));
    while (!pending_.empty() && budget_-- > 0) {
        State state = std::move(pending_.back());
        pending_.pop_back();
        if (!checkRelations(state)) continue;
        for (;;) {
            if (complete(state)) {
                solutions_.push_back(std::move(state));
                break;
            }
            Progress progress = advance(state);
            if (progress == Progress::Stuck) progress = eliminate(state);
            if (progress == Progress::Advanced) continue;
            if (progress == Progress::Stuck) stuck_.push_back(std::move(state));
            break;
        }
    }
}

Search::Progress Search::advance(State& state) {
    // A form that subtracts nearly equal decimals loses their digits (h from
    // l and r of a very flat cone): another relation that gives the same
    // letter is taken first where there is one.
    for (bool carefully : {true, false}) {
        for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
            if (!usable(state, r)) continue;
            int unknown = -1, count = 0;
            for (int q : solid_.relations[r].members) {
                if (!state.known[std::size_t(q)] && applicable(q)) {
                    unknown = q;
                    ++count;
                }
            }
            if (count != 1) continue;
            const Form* form = solid_.relations[r].formFor(unknown);
            if (carefully && form && losesDigits(form->expression, substitution(state))) continue;
            const Progress progress = solveFor(state, r, unknown);
            if (progress != Progress::Stuck) return progress;
        }
    }
    return Progress::Stuck;
}

Search::Progress Search::solveFor(State& state, std::size_t relation, int target) {
    const Relation& r = solid_.relations[relation];
    std::vector<int> others;
    for (int q : r.members)
        if (q != target) others.push_back(q);
    const std::uint32_t from = sources(state, others);
    const Substitution with = substitution(state);
    const Dimension dimension = solid_.row->quantities[std::size_t(target)].dimension;
    const std::string reason = r.row->reason.empty() ? "" : std::string(r.row->reason) + "; ";

    if (const Form* form = r.formFor(target)) {
        const Value inner = adopted(evaluate(form->expression, with));
        const Value value = form->power == 1 ? inner : adopted(root(inner, form->power));
        const std::string numbers = writeWithNumbers(form->expression, with);
        if (!finitePositive(inner) || !finitePositive(value)) {
            std::string detail;
            const Node* radical = firstRoot(form->expression);
            const Value underRoot = radical ? evaluate(radical->children.front(), with) : Value();
            if (radical && !finitePositive(underRoot) && std::isfinite(underRoot.number)) {
                Substitution letters = with;
                letters.letter = [this](int q) { return letter(q); };
                const Node& radicand = radical->children.front();
                if (radical == &form->expression) detail = letter(target) + (radical->index == 2 ? "²" : "³") + " = ";
                detail += writeWithNumbers(radicand, letters) + " = " + writeWithNumbers(radicand, with) + " " +
                          wording_.equals(underRoot) + (underRoot.isZero() ? "" : " < 0");
            } else {
                const std::string lhs = letter(target) + (form->power == 1 ? "" : form->power == 2 ? "²" : "³");
                detail = lhs + " = " + numbers + " " + wording_.equals(inner) + " ≤ 0";
            }
            contradict(state, from, reason + "тук " + detail);
            return Progress::Contradicted;
        }
        std::string step;
        if (options_.steps) {
            step = form->text == r.row->equation ? std::string(form->text)
                                                 : std::string(r.row->equation) + " ⇒ " + std::string(form->text);
            const std::string result = wording_.equals(form->power == 1 ? value : inner);
            // "= 36 + 9√3" is not written again before "= 36 + 9√3 ≈ 51,59".
            if (result != "= " + numbers && !result.starts_with("= " + numbers + " ≈")) step += " = " + numbers;
            step += " " + result;
            if (form->power != 1) step += " ⇒ " + letter(target) + " " + wording_.equals(value);
            step += wording_.unitText(dimension);
        }
        state.checked[relation] = true;
        return assign(state, target, value, from, step) ? Progress::Advanced : Progress::Contradicted;
    }

    const std::vector<Value> coefficients = knownPolynomial(state, relation).univariate(target);
    const PositiveRoots found = positiveRoots(coefficients, wording_.pi());
    if (found.identicallyZero) return Progress::Stuck;
    const std::string equation = equationText(coefficients, letter(target), wording_.style(), wording_.digits());
    if (found.roots.empty()) {
        contradict(state, from, reason + "уравнението " + equation + " няма положителен корен");
        return Progress::Contradicted;
    }
    state.checked[relation] = true;
    const std::string lead = std::string(r.row->equation) + " ⇒ " + equation;
    branch(state, target, found.roots, from, lead);
    return Progress::Branched;
}

// Which roots lead to a solid: each tried quickly, in decimals and without steps.
std::vector<std::optional<std::string>> Search::tryRoots(const State& state, int quantity,
                                                        const std::vector<Value>& roots) const {
    std::vector<std::optional<std::string>> failures;
    for (const Value& root : roots) {
        Search trial(solid_, wording_, SearchOptions{false, false, options_.regular});
        State next = state;
        next.steps.clear();
        if (!trial.assign(next, quantity, root, 0, {})) {
            failures.push_back(trial.contradictions_.empty() ? std::string() : trial.contradictions_.front().why);
            continue;
        }
        trial.run(std::move(next));
        if (!trial.solutions_.empty() || !trial.stuck_.empty()) failures.push_back(std::nullopt);
        else failures.push_back(trial.contradictions_.empty() ? std::string() : trial.contradictions_.front().why);
    }
    return failures;
}

void Search::branch(const State& state, int quantity, const std::vector<Value>& found, std::uint32_t from,
                    const std::string& lead) {
    const Dimension dimension = solid_.row->quantities[std::size_t(quantity)].dimension;
    const std::string name = letter(quantity);
    // Exact roots first, whole ones before the rest: the answer a key gives first.
    std::vector<Value> roots = found;
    auto rank = [](const Value& v) { return !v.exact ? 2 : v.exact->isRational() ? 0 : 1; };
    std::stable_sort(roots.begin(), roots.end(), [&](const Value& a, const Value& b) { return rank(a) < rank(b); });
    // Where the equation has several roots, the steps say which give a solid and why the others do not.
    std::vector<std::optional<std::string>> failures(roots.size());
    if (roots.size() > 1 && options_.steps) failures = tryRoots(state, quantity, roots);
    std::string all, rejected;
    std::size_t solids = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const std::string root = name + " " + wording_.equals(roots[i]);
        all += (i == 0 ? "" : " или ") + root;
        if (!failures[i]) ++solids;
        else rejected += "; при " + root + " няма " + std::string(solid_.row->single) +
                         (failures[i]->empty() ? "" : ": " + *failures[i]);
    }
    // The first root on top: its solid comes first.
    for (std::size_t i = roots.size(); i-- > 0;) {
        if (failures[i]) continue;
        State next = state;
        std::string step;
        if (options_.steps) {
            step = lead + " ⇒ " + all + rejected;
            if (solids > 1) step += "; " + std::string(countWord(solids)) + " решения, в това";
            else if (roots.size() > 1) step += "; остава";
            step = roots.size() == 1 ? lead + " ⇒ " + name + " " + wording_.equals(roots[i])
                                     : step + " " + name + " " + wording_.equals(roots[i]);
            step += wording_.unitText(dimension);
        }
        if (assign(next, quantity, roots[i], from, step)) pending_.push_back(std::move(next));
    }
}

bool Search::assign(State& state, int quantity, Value value, std::uint32_t from, std::string step) {
    if (quantity == solid_.sidesIndex) {
        const double x = value.number;
        const double whole = std::round(x);
        if (!(std::fabs(x - whole) <= 1e-9 * x) || whole < 3 || whole > maxSides) {
            contradict(state, from,
                       "броят на страните n трябва да е цяло число от 3 до " + std::to_string(maxSides) +
                           ", а от данните n " + wording_.equals(value));
            return false;
        }
        state.sides = int(whole);
        value = Value::whole(state.sides);
    }
    state.known[std::size_t(quantity)] = Known{adopted(value), from, false};
    if (options_.steps && !step.empty()) state.steps.push_back(std::move(step));
    return checkRelations(state);
}

bool Search::checkRelations(State& state) {
    for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
        if (state.checked[r] || !usable(state, r)) continue;
        const Relation& relation = solid_.relations[r];
        if (!std::all_of(relation.members.begin(), relation.members.end(),
                         [&](int q) { return state.known[std::size_t(q)].has_value(); }))
            continue;
        state.checked[r] = true;
        const Substitution with = substitution(state);
        const Value left = adopted(evaluate(relation.left, with)), right = adopted(evaluate(relation.right, with));
        if (sameValue(left, right)) continue;
        const std::string reason = relation.row->reason.empty() ? "" : std::string(relation.row->reason) + "; ";
        contradict(state, sources(state, relation.members),
                   reason + "не е вярно, че " + std::string(relation.row->equation) + ": " +
                       writeWithNumbers(relation.left, with) + " " + wording_.equals(left) + ", а " +
                       writeWithNumbers(relation.right, with) + " " + wording_.equals(right));
        return false;
    }
    return true;
}

Search::Progress Search::eliminate(State& state) {
    struct Equation {
        Polynomial polynomial;
        std::uint32_t relations;  // the relations it comes from, one bit each
    };
    // n is a whole number: found from P = n·a or by trying each, never from an equation.
    std::vector<int> unknown;
    for (std::size_t q = 0; q < state.known.size(); ++q)
        if (!state.known[q] && applicable(int(q)) && int(q) != solid_.sidesIndex) unknown.push_back(int(q));
    // Without n a regular base has no shape yet: every n is tried instead (solve()).
    if (options_.regular && solid_.sidesIndex >= 0 && !state.known[std::size_t(solid_.sidesIndex)])
        return Progress::Stuck;
    const bool sidesUnknown = solid_.sidesIndex >= 0 && !state.known[std::size_t(solid_.sidesIndex)];
    std::vector<Equation> system;
    for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
        if (!usable(state, r)) continue;
        const auto& members = solid_.relations[r].members;
        if (sidesUnknown && std::find(members.begin(), members.end(), solid_.sidesIndex) != members.end()) continue;
        Polynomial p = knownPolynomial(state, r);
        if (!p.isConstant()) system.push_back({std::move(p), 1u << r});
    }
    // A letter in one equation alone is found from it afterwards: both go.
    for (bool pruned = true; pruned;) {
        pruned = false;
        for (auto v = unknown.begin(); v != unknown.end(); ++v) {
            const auto count = std::count_if(system.begin(), system.end(),
                                             [&](const Equation& e) { return e.polynomial.involves(*v); });
            if (count > 1) continue;
            if (count == 1)
                system.erase(std::find_if(system.begin(), system.end(),
                                          [&](const Equation& e) { return e.polynomial.involves(*v); }));
            unknown.erase(v);
            pruned = true;
            break;
        }
    }
    if (unknown.empty() || system.size() < unknown.size()) return Progress::Stuck;

    // The unknown to solve for: the first of the measures that fix the solid.
    int sought = unknown.front();
    for (std::string_view key : solid_.row->base) {
        const int q = quantityIndex(*solid_.row, key);
        if (std::find(unknown.begin(), unknown.end(), q) != unknown.end()) {
            sought = q;
            break;
        }
    }
    // A letter an equation gives outright (P = n·a, r = a : (2·tg 60°)) is put
    // into the others first: no resultant is needed for it.
    for (int v : unknown) {
        if (v == sought) continue;
        const auto defining = std::find_if(system.begin(), system.end(), [v](const Equation& e) {
            if (e.polynomial.degree(v) != 1) return false;
            const Polynomial factor = e.polynomial.coefficient(v, 1);
            return factor.isConstant() && !factor.isZero();
        });
        if (defining == system.end()) continue;
        const Polynomial linear = defining->polynomial.coefficient(v, 1), rest = defining->polynomial.coefficient(v, 0);
        const Value factor = linear.terms().front().coefficient;
        Polynomial value;
        for (const Polynomial::Term& t : rest.terms()) {
            Polynomial term = Polynomial::constant(-t.coefficient / factor);
            for (int x = 0; x < maxVariables; ++x)
                for (int e = 0; e < t.monomial.exponents[x]; ++e) term = term * Polynomial::variable(x);
            value = value + term;
        }
        const std::uint32_t from = defining->relations;
        system.erase(defining);
        for (Equation& e : system) {
            if (!e.polynomial.involves(v)) continue;
            e.polynomial = e.polynomial.substituted(v, value);
            e.relations |= from;
        }
        std::erase_if(system, [](const Equation& e) { return e.polynomial.isZero(); });
    }
    for (int v : unknown) {
        if (v == sought) continue;
        std::vector<Equation> containing, rest;
        for (Equation& e : system) (e.polynomial.involves(v) ? containing : rest).push_back(std::move(e));
        if (containing.empty()) {
            system = std::move(rest);
            continue;
        }
        const auto pivot = std::min_element(containing.begin(), containing.end(), [v](const Equation& a, const Equation& b) {
            return std::pair(a.polynomial.degree(v), a.polynomial.terms().size()) <
                   std::pair(b.polynomial.degree(v), b.polynomial.terms().size());
        });
        for (auto e = containing.begin(); e != containing.end(); ++e) {
            if (e == pivot) continue;
            if (pivot->polynomial.degree(v) + e->polynomial.degree(v) > maxResultantSize) return Progress::Stuck;
            Polynomial eliminated = resultant(pivot->polynomial, e->polynomial, v);
            if (eliminated.terms().size() > maxEliminationTerms) return Progress::Stuck;
            if (!eliminated.isZero()) rest.push_back({std::move(eliminated), pivot->relations | e->relations});
        }
        system = std::move(rest);
    }
    const Equation* chosen = nullptr;
    for (const Equation& e : system) {
        if (e.polynomial.variables() != std::vector<int>{sought}) continue;
        if (!chosen || e.polynomial.degree(sought) < chosen->polynomial.degree(sought)) chosen = &e;
    }
    if (!chosen || chosen->polynomial.degree(sought) > maxEliminationDegree) return Progress::Stuck;
    const std::vector<Value> coefficients = chosen->polynomial.univariate(sought);
    const PositiveRoots found = positiveRoots(coefficients, wording_.pi());
    if (found.identicallyZero) return Progress::Stuck;

    std::vector<std::string> used;
    std::vector<int> members;
    for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
        if (!(chosen->relations & (1u << r))) continue;
        used.push_back(std::string(solid_.relations[r].row->equation));
        for (int q : solid_.relations[r].members) members.push_back(q);
    }
    const std::uint32_t from = sources(state, members);
    const std::string equation = equationText(coefficients, letter(sought), wording_.style(), wording_.digits());
    if (found.roots.empty()) {
        contradict(state, from, "от " + relationList(used) + " следва " + equation + ", а това уравнение няма положителен корен");
        return Progress::Contradicted;
    }
    branch(state, sought, found.roots, from, "От " + relationList(used) + " ⇒ " + equation);
    return Progress::Branched;
}

}  // namespace solver
