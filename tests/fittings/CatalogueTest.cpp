#include "fittings/Catalogue.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

using namespace fittings;

// A value the parameter's range holds.
long double inside(const Parameter &p)
{
    if (p.defaultValue)
        return *p.defaultValue;
    const ValidRange &r = p.range;
    if (std::isfinite(r.low) && std::isfinite(r.high))
        return (r.low + r.high) / 2;
    if (std::isfinite(r.low))
        return r.low + 0.1L;
    return 0.5L;
}

Situation ordinaryPipe()
{
    const FlowState state{100000, 0.02L, 105.3L};
    return {state, state, state, InchSize{4, true}};
}

TEST(Catalogue, IdsAreUniqueAndEveryKindHasADefaultMethod)
{
    std::set<std::string_view> ids;
    for (const FittingType &t : Catalogue()) {
        SCOPED_TRACE(std::string(t.id));
        EXPECT_TRUE(ids.insert(t.id).second);
        EXPECT_FALSE(t.name.empty());
        ASSERT_FALSE(t.methods.empty());
        EXPECT_LT(static_cast<std::size_t>(t.ductMethod), t.methods.size());
        EXPECT_LT(static_cast<std::size_t>(t.pipeMethod), t.methods.size());
        std::set<std::string_view> methodIds;
        for (const Method &m : t.methods) {
            EXPECT_TRUE(methodIds.insert(m.id).second);
            EXPECT_FALSE(m.source.empty());
            EXPECT_EQ(m.evaluate != nullptr, t.yields == Yields::Coefficient);
            EXPECT_EQ(FindMethod(t, m.id), &m - t.methods.data());
            // A document names each value by its parameter's id beside the
            // fitting's own members.
            std::set<std::string_view> parameterIds{"type", "method", "count", "note"};
            for (const Parameter &p : m.parameters) {
                EXPECT_FALSE(p.id.empty()) << p.name;
                EXPECT_TRUE(parameterIds.insert(p.id).second) << p.id;
            }
        }
        EXPECT_EQ(FindType(t.id), &t);
    }
    EXPECT_EQ(FindType("no.such.kind"), nullptr);
}

// A method states its reference velocity twice (for the editor before any
// value exists, and with each coefficient): the two must agree; and a default
// value must not be outside the method's own range.
TEST(Catalogue, EveryMethodAgreesWithItsFormula)
{
    for (const FittingType &t : Catalogue()) {
        for (const Method &m : t.methods) {
            SCOPED_TRACE(std::string(t.id) + " / " + std::string(m.id));
            std::vector<long double> values;
            for (const Parameter &p : m.parameters) {
                if (p.defaultValue) {
                    EXPECT_TRUE(p.range.contains(*p.defaultValue));
                }
                if (p.quantity == Quantity::Choice) {
                    EXPECT_EQ(p.range.high + 1, static_cast<long double>(p.choices.size()));
                }
                values.push_back(inside(p));
            }
            if (!m.evaluate)
                continue;
            const Coefficient c = Evaluate(m, values, ordinaryPipe());
            EXPECT_EQ(c.reference, m.reference);
            EXPECT_TRUE(std::isfinite(c.value));
        }
    }
}

// The sheet finds a fitting's neighbour by its junction, and refers its
// coefficient by its reference: the two must go together.
TEST(Catalogue, JunctionsMatchReferences)
{
    using enum Junction;
    for (const FittingType &t : Catalogue()) {
        for (const Method &m : t.methods) {
            SCOPED_TRACE(std::string(t.id) + " / " + std::string(m.id));
            const bool sizeChange = t.junction == Widening || t.junction == Narrowing;
            const bool tee = t.junction == Branch || t.junction == Straight;
            EXPECT_EQ(m.reference == Reference::SmallSide, sizeChange);
            EXPECT_EQ(m.reference == Reference::Combined, tee);
            for (const Parameter &p : m.parameters) {
                if (p.fromTree) {
                    EXPECT_TRUE(sizeChange || tee);
                }
            }
        }
    }
}

TEST(Catalogue, DuctsAndPipesSeeTheirOwnKinds)
{
    const auto has = [](const std::vector<const FittingType *> &list, std::string_view id) {
        for (const FittingType *t : list) {
            if (t->id == id)
                return true;
        }
        return false;
    };
    const auto ducts = TypesFor(numeric::Medium::Air);
    const auto pipes = TypesFor(numeric::Medium::Water);
    for (const char *id : {"duct.elbow.round.smooth", "duct.damper.open", "tee.diverging.branch",
                           "equipment.fixed_dp", "user.zeta"})
        EXPECT_TRUE(has(ducts, id)) << id;
    for (const char *id : {"pipe.darby3k", "pipe.hooper2k", "pipe.crane_LD",
                           "pipe.equivalent_length", "pipe.fittings_percent"}) {
        EXPECT_TRUE(has(pipes, id)) << id;
        EXPECT_FALSE(has(ducts, id)) << id;
    }
    EXPECT_FALSE(has(pipes, "duct.elbow.round.smooth"));
    EXPECT_TRUE(has(pipes, "tee.converging.straight"));
    // Sharp contractions: Idelchik for ducts, Rennels for pipes.
    const FittingType &contraction = *FindType("duct.sudden_contraction");
    EXPECT_EQ(contraction.methods[DefaultMethod(contraction, numeric::Medium::Air)].id,
              "idelchik_4_9");
    EXPECT_EQ(contraction.methods[DefaultMethod(contraction, numeric::Medium::Water)].id,
              "rennels");
}

// Where no coefficient is published there is no default to fall back on:
// the user's ζ is the first method and has no value until one is typed.
TEST(Catalogue, UnsourcedKindsAskForAZeta)
{
    for (const char *id : {"duct.elbow.rectangular", "duct.damper.open"}) {
        SCOPED_TRACE(id);
        const FittingType &t = *FindType(id);
        const Method &first = t.methods[static_cast<std::size_t>(t.ductMethod)];
        ASSERT_EQ(first.parameters.size(), 1u);
        EXPECT_EQ(first.parameters[0].quantity, Quantity::Zeta);
        EXPECT_FALSE(first.parameters[0].defaultValue);
        EXPECT_FALSE(t.note.empty());
    }
}

TEST(Catalogue, EvaluateRefusesWhatNoMethodCanTake)
{
    const FittingType &darby = *FindType("pipe.darby3k");
    const Method &m = darby.methods[0];
    const long double past[] = {34};
    EXPECT_THROW(Evaluate(m, past, ordinaryPipe()), InvalidInput);
    const long double between[] = {2.5L};
    EXPECT_THROW(Evaluate(m, between, ordinaryPipe()), InvalidInput);
    EXPECT_THROW(Evaluate(m, {}, ordinaryPipe()), numeric::RangeError);
    const long double rated[] = {100, 1000};
    EXPECT_THROW(Evaluate(FindType("equipment.fixed_dp")->methods[0], rated, ordinaryPipe()),
                 numeric::RangeError);
    // Darby's method needs the pipe's inch size.
    Situation duct = ordinaryPipe();
    duct.nominal.reset();
    const long double first[] = {0};
    EXPECT_THROW(Evaluate(m, first, duct), InvalidInput);
}

// A nominal size outside the designation table is converted by 25.4 mm per
// inch, and the coefficient says so.
TEST(Catalogue, ApproximateInchSizeIsWarned)
{
    Situation s = ordinaryPipe();
    s.nominal = NominalInches(90);
    const long double first[] = {0};
    const Coefficient c = Evaluate(FindType("pipe.darby3k")->methods[0], first, s);
    EXPECT_EQ(c.warnings.size(), 1u);
}

} // namespace
