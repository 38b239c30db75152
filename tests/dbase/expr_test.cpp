// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "dbase/error.h"
#include "dbase/expr.h"

using namespace dbase;

namespace {

// Category C20, PurchDate D8, Cost N20.4, Author C90, YearPub N11
std::vector<FieldInfo> fields()
{
    std::vector<FieldInfo> f = {{"CATEGORY", 'C', 20, 0, 0}, {"PURCHDATE", 'D', 8, 0, 0}, {"COST", 'N', 20, 4, 0},
                                {"AUTHOR", 'C', 90, 0, 0},  {"YearPub", 'N', 11, 0, 0}};
    std::uint32_t off = 1;
    for (auto& x : f) {
        x.offset = off;
        off += std::uint32_t(x.width);
    }
    return f;
}

std::string record(const std::string& category, const std::string& date, const std::string& cost,
                   const std::string& author = "", const std::string& year = "")
{
    auto pad = [](std::string s, std::size_t w, bool right) {
        return right ? std::string(w - s.size(), ' ') + s : s + std::string(w - s.size(), ' ');
    };
    return " " + pad(category, 20, false) + pad(date, 8, false) + pad(cost, 20, true) + pad(author, 90, false) +
           pad(year, 11, true);
}

std::string key(const KeyExpression& e, const std::string& rec)
{
    std::string out(std::size_t(e.keyLength()), '?');
    e.evaluate(reinterpret_cast<const unsigned char*>(rec.data()), reinterpret_cast<unsigned char*>(out.data()));
    return out;
}

}  // namespace

TEST(KeyExpression, SortKeyOfThreeLevelsIsFortyBytes)
{
    KeyExpression e("t", "Upper(Left(Category,26))+DTOS(PurchDate)+STR(Cost,12,2)", fields());
    EXPECT_EQ(e.keyType(), 'C');
    EXPECT_EQ(e.keyLength(), 40);  // LEFT never pads: Category is 20 wide
    EXPECT_EQ(key(e, record("fiction", "19970521", "12.5000")),
              "FICTION             19970521       12.50");
    // an empty date gives eight blanks and so sorts before real dates
    std::string blank = key(e, record("fiction", "", "3.0000"));
    EXPECT_EQ(blank.substr(20, 8), "        ");
    EXPECT_LT(blank, key(e, record("fiction", "18000101", "3.0000")));
}

TEST(KeyExpression, MoneyKeysOrderNumericallyWhenNotNegative)
{
    KeyExpression e("t", "STR(Cost,12,2)", fields());
    std::vector<std::string> costs = {"", "0.0000", "0.0100", "9.9900", "10.0000", "100.0000", "99999.9900"};
    for (std::size_t i = 1; i < costs.size(); ++i)
        EXPECT_LE(key(e, record("", "", costs[i - 1])), key(e, record("", "", costs[i]))) << costs[i];
}

TEST(KeyExpression, NamesAndFunctionsIgnoreCase)
{
    KeyExpression a("t", "UPPER(LEFT(AUTHOR,40))+str(yearpub,12,0)", fields());
    EXPECT_EQ(a.keyLength(), 52);
    EXPECT_EQ(key(a, record("", "", "", "le Guin, U.", "1969")).substr(0, 11), "LE GUIN, U.");
    EXPECT_EQ(key(a, record("", "", "", "x", "1969")).substr(40), "        1969");
}

TEST(KeyExpression, SingleNumericAndDateFieldsGiveNumericAndDateKeys)
{
    KeyExpression n("t", "YEARPUB", fields());
    EXPECT_EQ(n.keyType(), 'N');
    EXPECT_EQ(n.keyLength(), 12);
    auto k = [&](const std::string& year) {
        std::string s = key(n, record("", "", "", "", year));
        return std::vector<unsigned char>(s.begin(), s.end());
    };
    auto k3 = k("3"), k120 = k("120"), kneg = k("-16"), k0 = k("0");
    EXPECT_EQ(k3[0], 0x35);
    EXPECT_EQ(k3[2], 0x30);
    EXPECT_EQ(k120[0], 0x37);
    EXPECT_EQ(k0[0], 0x34);
    EXPECT_LT(compareKeys('N', kneg.data(), k0.data(), 12), 0);
    EXPECT_LT(compareKeys('N', k0.data(), k3.data(), 12), 0);
    EXPECT_LT(compareKeys('N', k3.data(), k120.data(), 12), 0);

    KeyExpression d("t", "PURCHDATE", fields());
    EXPECT_EQ(d.keyType(), 'D');
    std::string jd = key(d, record("", "20000101", ""));
    double v;
    std::memcpy(&v, jd.data(), 8);
    EXPECT_DOUBLE_EQ(v, 2451545.0);
}

TEST(KeyExpression, BadExpressionsAreRefusedWithTheReason)
{
    auto fails = [](const std::string& text, const std::string& part) {
        try {
            KeyExpression e("BOOKS.MDX", text, fields());
            ADD_FAILURE() << text << " was accepted";
        } catch (const DatabaseError& err) {
            EXPECT_NE(std::string(err.what()).find(part), std::string::npos) << err.what();
            EXPECT_EQ(std::string(err.what()).rfind("BOOKS.MDX", 0), 0u);
        }
    };
    fails("Upper(Left(Nope,3))", "unknown field NOPE");
    fails("Trim(Author)", "unknown function TRIM");
    fails("STR(Author,12,0)", "STR needs a numeric value");
    fails("Upper(Left(Author,40)", "')' expected");
    fails("Category+Cost", "only character values");
    fails("Author+Author", "1 to 100 allowed");
    fails("", "a field or function expected");
}
