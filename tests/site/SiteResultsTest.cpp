#include "site/SiteBorehole.h"
#include "site/SiteCsv.h"
#include "site/SiteEnvelope.h"

#include <gtest/gtest.h>

using namespace zul;
using namespace zul::site;

namespace {

// A table of one diameter, rows given as {L, Ra, Pa, Rae, Pae}.
DiameterTable Table(double d, std::vector<clsRaTable> rows) {
    return {d, std::move(rows)};
}

BoreholeResult Borehole(std::string file, std::vector<DiameterTable> tables) {
    BoreholeResult b;
    b.file = std::move(file);
    b.tables = std::move(tables);
    return b;
}

} // namespace

// The shortest row that carries every given load, both cases; a load not given is not checked.
TEST(SiteResults, RequiredLengthIsTheShortestRowCarryingEveryLoad) {
    const std::vector<DiameterTable> tables = {Table(0.5, {{10, 100, 50, 90, 60, 0},
                                                           {11, 120, 55, 130, 70, 0},
                                                           {12, 140, 60, 150, 80, 0},
                                                           {13, 160, 40, 170, 90, 0}})};
    struct Case {
        SiteLoads loads;
        std::optional<double> length;
    };
    const std::vector<Case> cases = {
        {{}, 10},
        {{DesignLoad{100, 90}, {}}, 10},
        {{DesignLoad{100, 91}, {}}, 11},
        {{DesignLoad{121, 0}, {}}, 12},
        {{{}, DesignLoad{60, 80}}, 12},
        {{DesignLoad{150, 0}, DesignLoad{50, 0}}, std::nullopt}, // 13 carries Ra, not Pa
        {{DesignLoad{1000, 0}, {}}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::vector<RequiredLength> required = RequiredLengths(tables, {0.5, 0.8}, c.loads);
        ASSERT_EQ(required.size(), 2u);
        EXPECT_EQ(required[0].row ? std::optional<double>(required[0].row->L) : std::nullopt, c.length);
        EXPECT_EQ(required[1].diameter, 0.8);
        EXPECT_FALSE(required[1].row); // no table for it
    }
}

// Per diameter and length the least of each capacity, the first borehole of equal values
// governing; a borehole without a row at a length is left out there.
TEST(SiteResults, EnvelopeTakesTheLeastAndCountsWhoIsLeftOut) {
    SiteEnvelope envelope;
    envelope.Add(Borehole("a", {Table(0.5, {{10, 100, 50, 90, 60, 0}, {11, 120, 55, 130, 70, 0}})}));
    envelope.Add(Borehole("b", {Table(0.5, {{11, 110, 55, 140, 10, 0}, {12, 150, 60, 150, 80, 0}})}));
    envelope.Add(Borehole("refused", {}));
    ASSERT_EQ(envelope.Diameters().size(), 1u);
    const std::vector<EnvelopeRow>& rows = envelope.Diameters()[0].rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].length, 10);
    EXPECT_EQ(envelope.LeftOut(rows[0]), 2u);
    const EnvelopeRow& at11 = rows[1];
    EXPECT_EQ(envelope.LeftOut(at11), 1u);
    const std::vector<std::pair<double, std::string>> expected = {
        {110, "b"}, {130, "a"}, {55, "a"}, {10, "b"}};
    for (const Capacity capacity : kCapacities) {
        const LeastValue& least = at11.least[static_cast<std::size_t>(capacity)];
        EXPECT_EQ(least.value, expected[static_cast<std::size_t>(capacity)].first) << CapacityName(capacity);
        EXPECT_EQ(least.file, expected[static_cast<std::size_t>(capacity)].second) << CapacityName(capacity);
    }
    EXPECT_EQ(rows[2].least[0].file, "b");
}

// Fields with separators or quotes are quoted; a borehole without required length leaves its
// columns empty.
TEST(SiteResults, CsvRows) {
    SiteCsv csv({0.5});
    BoreholeResult b;
    b.file = "x,\"y\".xml";
    b.name = "B-1";
    b.status = BoreholeStatus::Refused;
    b.reason = "地層が多すぎます。";
    b.required = {{0.5, std::nullopt}};
    csv.Add(b);
    b.file = "z.xml";
    b.status = BoreholeStatus::Ok;
    b.reason.clear();
    b.latitude = 35.5;
    b.ground = -1.25;
    b.required = {{0.5, clsRaTable{12, 100.5, 50, 90, 60, 0}}};
    csv.Add(b);
    const std::string& text = csv.Text();
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBFﾌｧｲﾙ,"));
    EXPECT_NE(text.find(",φ0.500 必要杭長(m),φ0.500 Ra常時(kN),"), std::string::npos);
    EXPECT_NE(text.find("\r\n\"x,\"\"y\"\".xml\",B-1,,,,,0,0,取込不可,地層が多すぎます。,,,,,\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nz.xml,B-1,35.5,,-1.25,,0,0,検討済,,12,100.5,90,50,60\r\n"), std::string::npos)
        << text;
}
