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

namespace {
std::vector<unsigned char> costKey(const std::string& cost)
{
    KeyExpression n("t", "COST", fields());
    std::string s = key(n, record("", "", cost));
    return std::vector<unsigned char>(s.begin(), s.end());
}
std::vector<unsigned char> bytes(std::initializer_list<int> head)
{
    std::vector<unsigned char> out(12, 0);
    std::size_t i = 0;
    for (int b : head) out[i++] = static_cast<unsigned char>(b);
    return out;
}
}  // namespace

// Numeric keys: exponent byte (0x34 + digits before the point), sign and count of significant
// digits (trailing zeros dropped), then packed digits.
TEST(KeyExpression, NumericKeyBytesForSignsFractionsZeroAndTheFieldsExtremes)
{
    EXPECT_EQ(costKey("1.0000"), bytes({0x35, 0x05, 0x10}));
    EXPECT_EQ(costKey("10.0000"), bytes({0x36, 0x05, 0x10}));  // the same digit count as 1
    EXPECT_EQ(costKey("100.0000"), bytes({0x37, 0x05, 0x10}));
    EXPECT_EQ(costKey("1.5000"), bytes({0x35, 0x09, 0x15}));
    EXPECT_EQ(costKey("0.5000"), bytes({0x34, 0x05, 0x50}));
    EXPECT_EQ(costKey("0.0500"), bytes({0x33, 0x05, 0x50}));
    EXPECT_EQ(costKey("0.0001"), bytes({0x31, 0x05, 0x10}));
    EXPECT_EQ(costKey("-3.0000"), bytes({0x35, 0x85, 0x30}));
    EXPECT_EQ(costKey("-120.0000"), bytes({0x37, 0x89, 0x12}));
    EXPECT_EQ(costKey("-0.0500"), bytes({0x33, 0x85, 0x50}));
    EXPECT_EQ(costKey("123.4560"), bytes({0x37, 0x19, 0x12, 0x34, 0x56}));
    // zero has no sign and no digits, however it is written, and so has a blank field
    for (const char* z : {"0.0000", "-0.0000", "0", ""}) EXPECT_EQ(costKey(z), bytes({0x34, 0x01})) << z;
    // the largest and smallest amounts of N 20.4: 19 and 18 digits
    EXPECT_EQ(costKey("999999999999999.9999"),
              bytes({0x43, 0x4D, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x90}));
    EXPECT_EQ(costKey("-99999999999999.9999"),
              bytes({0x42, 0xC9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99}));
    // and of N 11: eleven nines, and ten behind a minus sign
    KeyExpression year("t", "YEARPUB", fields());
    auto yearKey = [&](const std::string& y) {
        std::string s = key(year, record("", "", "", "", y));
        return std::vector<unsigned char>(s.begin(), s.end());
    };
    EXPECT_EQ(yearKey("99999999999"), bytes({0x3F, 0x2D, 0x99, 0x99, 0x99, 0x99, 0x99, 0x90}));
    EXPECT_EQ(yearKey("-9999999999"), bytes({0x3E, 0xA9, 0x99, 0x99, 0x99, 0x99, 0x99}));
    EXPECT_EQ(yearKey("1997"), bytes({0x38, 0x11, 0x19, 0x97}));
    // twenty digits, the most a key holds, in a whole-number field of twenty
    std::vector<FieldInfo> wide = {{"AMOUNT", 'N', 20, 0, 1}};
    KeyExpression amount("t", "AMOUNT", wide);
    std::string k = key(amount, " 12345678901234567891");
    EXPECT_EQ(std::vector<unsigned char>(k.begin(), k.end()),
              bytes({0x48, 0x51, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0x78, 0x91}));
}

TEST(KeyExpression, NumericKeysOrderAsTheNumbersDo)
{
    const std::vector<std::string> ascending = {
        "-99999999999999.9999", "-120.0000", "-100.0000", "-10.0000", "-3.0000", "-1.5000", "-1.0000",
        "-0.5000", "-0.0500", "-0.0001", "0.0000", "0.0001", "0.0500", "0.5000", "1.0000", "1.5000",
        "3.0000", "10.0000", "10.0500", "100.0000", "120.0000", "999999999999999.9999"};
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        const auto a = costKey(ascending[i]);
        EXPECT_EQ(compareKeys('N', a.data(), a.data(), 12), 0) << ascending[i];
        for (std::size_t j = i + 1; j < ascending.size(); ++j) {
            const auto b = costKey(ascending[j]);
            EXPECT_LT(compareKeys('N', a.data(), b.data(), 12), 0) << ascending[i] << " < " << ascending[j];
            EXPECT_GT(compareKeys('N', b.data(), a.data(), 12), 0) << ascending[j] << " > " << ascending[i];
        }
    }
    // equal numbers written differently give equal keys
    EXPECT_EQ(costKey("12.5000"), costKey("12.5"));
    EXPECT_EQ(costKey("-0.0000"), costKey("0.0000"));
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
