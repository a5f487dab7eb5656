// SPDX-License-Identifier: MIT
#include "engine/search.h"

#include <algorithm>
#include <cmath>

#include "engine/roots.h"
#include "engine/settings.h"

namespace solver {
namespace {

constexpr std::size_t maxEliminationTerms = 400;
constexpr int maxEliminationDegree = 24;
constexpr int maxResultantSize = 10;  // the Sylvester matrix's rows

}  // namespace

Search::Search(const CompiledSolid& solid, SearchOptions options) : solid_(solid), options_(options) {}

bool Search::applicable(int quantity) const {
    return options_.regular || !solid_.row->quantities[std::size_t(quantity)].regularOnly;
}

bool Search::complete(const State& state) const {
    std::optional<double> count;
    if (solid_.wholeIndex >= 0 && state.known[std::size_t(solid_.wholeIndex)])
        count = state.known[std::size_t(solid_.wholeIndex)]->value.number;
    for (std::size_t q = 0; q < state.known.size(); ++q)
        if (applicable(int(q)) && solid_.hasFor(int(q), count) && !solid_.row->quantities[q].ofUse && !state.known[q])
            return false;
    return true;
}

bool Search::openUses(const State& state) const {
    for (std::size_t q = 0; q < state.known.size(); ++q)
        if (solid_.row->quantities[q].ofUse && !state.known[q]) return true;
    return false;
}

bool Search::usable(const State& state, std::size_t relation, int target) const {
    const Relation& r = solid_.relations[relation];
    if (!options_.regular && r.regularOnly) return false;
    if ((r.tools & ~toolsOfGrade(options_.grade)) != 0) return false;
    if (r.onlyQuantity >= 0) {
        // A formula of one base: once the count is known to be its; a grade's way
        // of writing it only with a grade set.
        const auto& count = state.known[std::size_t(r.onlyQuantity)];
        if ((options_.grade == 0 && !r.onlyOfThatBase) || !count || count->value.number != r.onlyValue) return false;
    }
    // The letters under its roots known: an equation holds no root of an unknown.
    if (!std::all_of(r.rootMembers.begin(), r.rootMembers.end(),
                     [&](int q) { return state.known[std::size_t(q)].has_value(); }))
        return false;
    // Its angles known; or the one unknown the angle sought, by a form (α = arctg(h : r)).
    return std::all_of(r.angleMembers.begin(), r.angleMembers.end(),
                       [&](int q) { return state.known[std::size_t(q)].has_value() || (q == target && r.formFor(q)); });
}

GivenSet Search::sources(const State& state, const std::vector<int>& quantities) const {
    GivenSet from = 0;
    for (int q : quantities)
        if (state.known[std::size_t(q)]) from |= state.known[std::size_t(q)]->from;
    return from;
}

Knowns Search::knownsOf(const State& state, const std::vector<int>& quantities) const {
    Knowns knowns;
    for (int q : quantities)
        if (state.known[std::size_t(q)]) knowns.emplace_back(q, state.known[std::size_t(q)]->value);
    return knowns;
}

Substitution Search::substitution(const State& state) const {
    Substitution with;
    with.quantity = [&state](int q) -> const Value* {
        const auto& known = state.known[std::size_t(q)];
        return known ? &known->value : nullptr;
    };
    with.piValue = options_.piValue;
    return with;
}

Value Search::adopted(Value value) const {
    if (!options_.exact) value.exact.reset();
    return value;
}

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

void Search::contradict(Contradiction contradiction) { contradictions_.push_back(std::move(contradiction)); }

Search::Progress Search::beyondLimits() {
    tooComplex_ = true;
    return Progress::Stuck;
}

void Search::run(State start) {
    pending_.push_back(std::move(start));
    for (;;) {
        if (pending_.empty()) return;
        if (budget_-- <= 0) {
            beyondLimits();
            return;
        }
        State state = std::move(pending_.back());
        pending_.pop_back();
        if (!checkRelations(state)) continue;
        for (;;) {
            if (complete(state)) {
                // The solid found: what its quantities of use the relations give besides.
                const Progress more = openUses(state) ? advance(state) : Progress::Stuck;
                if (more == Progress::Advanced) continue;
                if (more == Progress::Stuck) solutions_.push_back(std::move(state));
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
    // With a grade set, a relation that takes a given not used yet comes
    // first: the steps work with the task's data as its key does (B = P·r : 2
    // with the apothem of the base given, not B = 6·a²√3 : 4). So they do
    // without one where a given is written with decimals, which the task may
    // have rounded (B = a·ha : 2 with ha = 5,2 for a side of 6, not Heron's).
    const bool decimalGiven =
        std::find(options_.givenDecimal.begin(), options_.givenDecimal.end(), true) != options_.givenDecimal.end();
    for (bool freshFirst : {options_.grade > 0 || decimalGiven, false}) {
        for (bool carefully : {true, false}) {
            for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
                int unknown = -1, count = 0;
                bool fresh = false;
                for (int q : solid_.relations[r].members) {
                    const auto& known = state.known[std::size_t(q)];
                    if (!known && applicable(q)) {
                        unknown = q;
                        ++count;
                    } else if (known && known->given && !(state.used & known->from)) {
                        fresh = true;
                    }
                }
                if (count != 1 || (freshFirst && !fresh) || !usable(state, r, unknown)) continue;
                const Form* form = solid_.relations[r].formFor(unknown);
                if (carefully && form && losesDigits(form->expression, substitution(state))) continue;
                const Progress progress = solveFor(state, r, unknown);
                if (progress != Progress::Stuck) return progress;
            }
        }
        if (!freshFirst) break;
    }
    return Progress::Stuck;
}

Search::Progress Search::solveFor(State& state, std::size_t relation, int target) {
    const Relation& r = solid_.relations[relation];
    std::vector<int> others;
    for (int q : r.members)
        if (q != target) others.push_back(q);
    const GivenSet from = sources(state, others) | r.from;
    const Substitution with = substitution(state);
    for (int q : others)
        if (state.known[std::size_t(q)] && state.known[std::size_t(q)]->given) state.used |= state.known[std::size_t(q)]->from;

    if (const Form* form = r.formFor(target)) {
        const Value inner = adopted(evaluate(form->expression, with));
        Value value = form->power == 1 ? inner : adopted(root(inner, form->power));
        // A root with no exact form while π stands in it (√(200,96 : π)) is the
        // root of what π as the task takes it makes (√64 = 8 with π ≈ 3,14).
        if (form->power != 1 && !value.exact && inner.exact && options_.exact && options_.piFraction)
            if (const Value rooted = root(withPi(inner), form->power); rooted.exact) value = rooted;
        if (!finitePositive(inner) || !finitePositive(value)) {
            Contradiction c{.kind = Contradiction::Kind::NotPositive, .from = from, .relation = int(relation), .form = form,
                            .target = target, .inputs = knownsOf(state, others)};
            c.inner = inner;
            contradict(std::move(c));
            return Progress::Contradicted;
        }
        std::optional<Step> step;
        if (options_.steps) {
            step = Step{.kind = Step::Kind::Form, .target = target, .relation = int(relation), .form = form,
                        .inputs = knownsOf(state, others)};
            step->inner = inner;
            step->value = value;
        }
        state.checked[relation] = true;
        return assign(state, target, value, from, std::move(step)) ? Progress::Advanced : Progress::Contradicted;
    }

    const std::vector<Value> coefficients = withoutVanishing(knownPolynomial(state, relation).univariate(target));
    const PositiveRoots found = positiveRoots(coefficients, options_.piValue);
    if (found.identicallyZero) return Progress::Stuck;
    if (found.roots.empty()) {
        Contradiction c{.kind = Contradiction::Kind::NoPositiveRoot, .from = from, .relation = int(relation), .target = target};
        c.coefficients = coefficients;
        contradict(std::move(c));
        return Progress::Contradicted;
    }
    state.checked[relation] = true;
    Step step{.kind = Step::Kind::Equation, .target = target, .relation = int(relation)};
    step.coefficients = coefficients;
    step.roots = found.roots;
    branch(state, std::move(step), from);
    return Progress::Branched;
}

// Which roots lead to a solid: each tried quickly, in decimals and without steps.
std::vector<Step::Rejection> Search::tryRoots(const State& state, int quantity, const std::vector<Value>& roots) const {
    std::vector<Step::Rejection> rejections;
    for (const Value& root : roots) {
        SearchOptions quick = options_;
        quick.exact = quick.steps = false;
        Search trial(solid_, quick);
        State next = state;
        next.steps.clear();
        auto why = [&]() -> std::optional<Contradiction> {
            if (trial.contradictions_.empty()) return std::nullopt;
            return trial.contradictions_.front();
        };
        if (!trial.assign(next, quantity, root, 0, std::nullopt)) {
            rejections.push_back({true, why()});
            continue;
        }
        trial.run(std::move(next));
        if (!trial.solutions_.empty() || !trial.stuck_.empty()) rejections.push_back({});
        else rejections.push_back({true, why()});
    }
    return rejections;
}

void Search::branch(const State& state, Step step, GivenSet from) {
    // Exact roots first, whole ones before the rest: the answer a key gives first.
    auto rank = [](const Value& v) { return !v.exact ? 2 : v.exact->isRational() ? 0 : 1; };
    std::stable_sort(step.roots.begin(), step.roots.end(),
                     [&](const Value& a, const Value& b) { return rank(a) < rank(b); });
    // Where the equation has several roots, the steps say which give a solid and why the others do not.
    step.rejections.assign(step.roots.size(), {});
    if (step.roots.size() > 1 && options_.steps) step.rejections = tryRoots(state, step.target, step.roots);
    // The first root on top: its solid comes first.
    for (std::size_t i = step.roots.size(); i-- > 0;) {
        if (step.rejections[i].rejected) continue;
        State next = state;
        std::optional<Step> taken;
        if (options_.steps) {
            taken = step;
            taken->chosen = i;
            taken->value = step.roots[i];
        }
        if (assign(next, step.target, step.roots[i], from, std::move(taken))) pending_.push_back(std::move(next));
    }
}

bool Search::assign(State& state, int quantity, Value value, GivenSet from, std::optional<Step> step) {
    const Domain& domain = solid_.row->quantities[std::size_t(quantity)].domain;
    if (domain.below > 0 && !(value.number < domain.below)) {
        Contradiction c{.kind = Contradiction::Kind::OutOfDomain, .from = from, .target = quantity};
        c.right = value;
        contradict(std::move(c));
        return false;
    }
    if (domain.atMost > 0 && !(value.number <= domain.atMost * (1 + 1e-12))) {
        Contradiction c{.kind = Contradiction::Kind::OutOfDomain, .from = from, .target = quantity};
        c.right = value;
        contradict(std::move(c));
        return false;
    }
    if (domain.whole) {
        const double x = value.number;
        const double whole = std::round(x);
        if (!(std::fabs(x - whole) <= 1e-9 * x) || whole < domain.least || whole > domain.most) {
            Contradiction c{.kind = Contradiction::Kind::OutOfDomain, .from = from, .target = quantity};
            c.right = value;
            contradict(std::move(c));
            return false;
        }
        value = Value::whole((long long)whole);
    }
    state.known[std::size_t(quantity)] = Known{adopted(value), from, false};
    if (options_.steps && step) state.steps.push_back(std::move(*step));
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
        if (agreeExactly(left, right)) continue;
        const GivenSet from = sources(state, relation.members) | relation.from;
        // What follows from a given already taken as rounded is rounded too, by
        // as much again where it is squared or multiplied on the way.
        GivenSet noted = 0;
        for (const Rounding& earlier : state.roundings) noted |= state.known[std::size_t(earlier.quantity)]->from;
        const double scale = std::max(std::fabs(left.number), std::fabs(right.number));
        if ((from & noted) && std::fabs(left.number - right.number) <= 4 * tolerance(from) * scale) continue;
        const std::optional<Rounding> rounded = rounding(state, r);
        // A value found from a decimal given is as rounded as that given, though
        // the given itself is not in the relation (B = P·r : 2 with r = 8,65,
        // then checked against B = 6·a²√3 : 4): no note blames another.
        GivenSet decimals = 0;
        for (std::size_t i = 0; i < options_.givenDecimal.size(); ++i)
            if (options_.givenDecimal[i]) decimals |= GivenSet(1) << i;
        GivenSet members = 0;
        for (int q : relation.members)
            if (state.known[std::size_t(q)]->given) members |= state.known[std::size_t(q)]->from;
        const bool roundedElsewhere = (from & decimals & ~members) != 0;
        if (roundedElsewhere && (!rounded || !written(state.known[std::size_t(rounded->quantity)]->from)) &&
            std::fabs(left.number - right.number) <= 4 * tolerance(from) * scale) {
            state.roundedApart |= from & decimals & ~members;
            continue;
        }
        if (rounded && closeEnough(state, *rounded)) {
            state.roundings.push_back(*rounded);
            continue;
        }
        Contradiction c{.kind = Contradiction::Kind::Unequal, .from = from, .relation = int(r)};
        c.inputs = knownsOf(state, relation.members);
        c.inner = left;
        c.right = right;
        if (rounded) {
            c.blamed = rounded->quantity;
            c.derived = rounded->derived;
            std::vector<int> others;
            for (int q : relation.members)
                if (q != rounded->quantity) others.push_back(q);
            c.others = sources(state, others);
        }
        contradict(std::move(c));
        return false;
    }
    return true;
}

// Coefficients that vanish with π as the task takes it are zero: with π ≈ 3,14,
// 50π − 157 is no coefficient at all.
std::vector<Value> Search::withoutVanishing(std::vector<Value> coefficients) const {
    for (Value& c : coefficients)
        if (!c.isZero() && withPi(c).isZero()) c = Value::whole(0);
    return coefficients;
}

bool Search::written(GivenSet from) const {
    for (std::size_t i = 0; i < options_.givenDecimal.size(); ++i)
        if ((from & (GivenSet(1) << i)) && options_.givenDecimal[i]) return true;
    return false;
}

double Search::tolerance(GivenSet from) const {
    double largest = 0;
    for (std::size_t i = 0; i < options_.givenTolerance.size(); ++i)
        if (from & (GivenSet(1) << i)) largest = std::max(largest, options_.givenTolerance[i]);
    return largest;
}

// Equal exactly, or with π as the task takes it (250π and 785 with π ≈ 3,14),
// or as decimals too close to tell apart.
bool Search::agreeExactly(const Value& a, const Value& b) const {
    if (sameValue(a, b)) return true;
    if (!options_.piFraction || !a.exact || !b.exact) return false;
    return withPi(a - b).isZero();
}

// A value with π put in as the task's fraction where that leaves a fraction.
Value Search::withPi(const Value& value) const {
    if (!options_.piFraction || !value.exact) return value;
    Rational sum = 0;
    for (const Term& t : value.exact->terms()) {
        if (t.m != 1) return value;
        Rational term = t.q;
        for (int i = 0; i < std::abs(t.k); ++i) {
            if (t.k > 0) term *= *options_.piFraction;
            else term /= *options_.piFraction;
        }
        sum += term;
    }
    return Value(Exact(sum), options_.piValue);
}

// Whether a given the task may have rounded is within its rounding of what the relation makes it.
bool Search::closeEnough(const State& state, const Rounding& rounding) const {
    const Known& given = *state.known[std::size_t(rounding.quantity)];
    return std::fabs(given.value.number - rounding.derived.number) <= tolerance(given.from) * std::fabs(given.value.number);
}

// Which given of a relation that does not hold the task may have rounded, and
// its value by the relation from the others: first a given written with
// decimals, then the one the relation defines (V of V = π·r²·h), then one
// whose value by the relation is a root or a multiple of π (8,65 for 5√3),
// else the last. None where no given of it may be rounded.
std::optional<Rounding> Search::rounding(const State& state, std::size_t relation) const {
    const Relation& r = solid_.relations[relation];
    std::optional<Rounding> best;
    int bestRank = -1;
    for (int q : r.members) {
        const auto& known = state.known[std::size_t(q)];
        if (!known || !known->given || tolerance(known->from) <= 0) continue;
        const Form* form = r.formFor(q);
        if (!form) continue;
        State without = state;
        without.known[std::size_t(q)].reset();
        const Value inner = evaluate(form->expression, substitution(without));
        const Value derived = form->power == 1 ? inner : root(inner, form->power);
        if (!finitePositive(derived)) continue;
        const bool irrational = derived.exact && !derived.exact->isRational();
        const Node* left = r.left.kind == Node::Kind::Power ? &r.left.children.front() : &r.left;
        const bool defined = left->kind == Node::Kind::Quantity && left->index == q;
        const int rank = (written(known->from) ? 4 : 0) + (defined ? 2 : 0) + (irrational ? 1 : 0);
        if (rank >= bestRank) {
            bestRank = rank;
            best = Rounding{q, derived};
        }
    }
    return best;
}

Search::Progress Search::eliminate(State& state) {
    struct Equation {
        Polynomial polynomial;
        RelationSet relations;  // the relations it comes from
    };
    // A whole number (n) is found from a relation that gives it (P = n·a) or by
    // trying each (solve()), never from an equation: while one is unknown, the
    // solid has no shape yet.
    std::vector<int> unknown;
    for (std::size_t q = 0; q < state.known.size(); ++q) {
        if (state.known[q] || !applicable(int(q))) continue;
        if (solid_.row->quantities[q].domain.whole) return Progress::Stuck;
        unknown.push_back(int(q));
    }
    std::vector<Equation> system;
    for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
        if (!usable(state, r)) continue;
        Polynomial p = knownPolynomial(state, r);
        if (!p.isConstant()) system.push_back({std::move(p), RelationSet{1} << r});
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
        const RelationSet from = defining->relations;
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
            if (pivot->polynomial.degree(v) + e->polynomial.degree(v) > maxResultantSize) return beyondLimits();
            Polynomial eliminated = resultant(pivot->polynomial, e->polynomial, v);
            if (eliminated.terms().size() > maxEliminationTerms) return beyondLimits();
            if (!eliminated.isZero()) rest.push_back({std::move(eliminated), pivot->relations | e->relations});
        }
        system = std::move(rest);
    }
    const Equation* chosen = nullptr;
    for (const Equation& e : system) {
        if (e.polynomial.variables() != std::vector<int>{sought}) continue;
        if (!chosen || e.polynomial.degree(sought) < chosen->polynomial.degree(sought)) chosen = &e;
    }
    if (!chosen) return Progress::Stuck;
    if (chosen->polynomial.degree(sought) > maxEliminationDegree) return beyondLimits();
    const std::vector<Value> coefficients = withoutVanishing(chosen->polynomial.univariate(sought));
    const PositiveRoots found = positiveRoots(coefficients, options_.piValue);
    if (found.identicallyZero) return Progress::Stuck;

    std::vector<int> members;
    GivenSet taskRelations = 0;
    for (std::size_t r = 0; r < solid_.relations.size(); ++r) {
        if (!(chosen->relations & (RelationSet{1} << r))) continue;
        for (int q : solid_.relations[r].members) members.push_back(q);
        taskRelations |= solid_.relations[r].from;
    }
    const GivenSet from = sources(state, members) | taskRelations;
    if (found.roots.empty()) {
        Contradiction c{.kind = Contradiction::Kind::Eliminated, .from = from, .target = sought};
        c.coefficients = coefficients;
        c.relations = chosen->relations;
        contradict(std::move(c));
        return Progress::Contradicted;
    }
    Step step{.kind = Step::Kind::Elimination, .target = sought};
    step.coefficients = coefficients;
    step.relations = chosen->relations;
    step.roots = found.roots;
    branch(state, std::move(step), from);
    return Progress::Branched;
}

}  // namespace solver
