#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/equation.h"
#include "engine/numbers.h"
#include "engine/test_scale.h"
#include "plant/simulation.h"

namespace vork {
namespace {

// Random expressions from a grammar of well-formed arithmetic, mutated with glued references,
// stray parentheses, commas, blanks, invalid and non-ASCII characters, evaluated through both
// paths with random variable values.
class Generator {
  public:
    explicit Generator(uint64_t seed) : rng_(seed) {}

    std::string Expression() {
        std::string s = Pick(8) == 0 ? Soup() : Sum(0);
        for (int m = static_cast<int>(Pick(6)) - 3; m > 0; --m)
            Mutate(s);
        return s;
    }

    double Value() {
        constexpr double kInf = std::numeric_limits<double>::infinity();
        switch (Pick(12)) {
            case 0:
                return 0.0;
            case 1:
                return Pick(2) ? -0.0 : 1.0 / 3.0;
            case 2:
                return static_cast<double>(Pick(201)) - 100.0;
            case 3:
                return 100.0 * Unit();
            case 4:
                return -100.0 * Unit();
            case 5:
                return NearTie();
            case 6:
                return std::pow(10.0, -12.0 + 50.0 * Unit()) * (Pick(2) ? 1 : -1);
            case 7: {
                double special[] = {1e300,
                                    -1e300,
                                    1e-310,
                                    -1e-310,
                                    kInf,
                                    -kInf,
                                    std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::max(),
                                    9999.0,
                                    1e15};
                return special[Pick(10)];
            }
            case 8:
                return std::bit_cast<double>(rng_());
            default:
                return std::round(1000.0 * (Unit() * 200.0 - 100.0)) / 1000.0;
        }
    }

    // The addresses the generated references use.
    static constexpr int kAddresses[] = {1, 2, 5, 21, 22, 99};

  private:
    uint64_t Pick(uint64_t n) { return rng_() % n; }
    double Unit() { return static_cast<double>(rng_() >> 11) * 0x1.0p-53; }

    double NearTie() {
        char text[48];
        std::snprintf(text, sizeof text, "%s%015llu5E%d", Pick(2) ? "-" : "",
                      static_cast<unsigned long long>(rng_() % 1000000000000000ULL),
                      static_cast<int>(Pick(30)) - 20);
        double x = ParseLenient(text);
        return Pick(2) ? x : std::nextafter(x, Pick(2) ? 1e300 : -1e300);
    }

    std::string Blank() { return Pick(6) == 0 ? std::string(1 + Pick(2), ' ') : ""; }

    std::string Number() {
        static const char* const kNumbers[] = {"0",
                                               "1",
                                               "2",
                                               "3",
                                               "5",
                                               "7",
                                               "10",
                                               "100",
                                               "0.5",
                                               ".5",
                                               "5.",
                                               "2.75",
                                               "1E3",
                                               "1.5E-3",
                                               "1e3",
                                               "1,5",
                                               "1.2.3",
                                               "1E+",
                                               "1E-",
                                               "E5",
                                               "3E+2",
                                               "0.1",
                                               "0.3",
                                               "1E308",
                                               "1E-320",
                                               "1E22",
                                               "2.5E-8",
                                               "1E37",
                                               "9999",
                                               "00",
                                               "0.0",
                                               "6",
                                               "0.1234567890123455",
                                               "1234567890123455",
                                               "123456789012345.5",
                                               "999999999999999",
                                               "9.99999999999999E14",
                                               "4.5",
                                               "12.5",
                                               "1E999"};
        if (Pick(3) == 0) return std::to_string(Pick(1000));
        return kNumbers[Pick(std::size(kNumbers))];
    }

    std::string Reference() {
        if (Pick(6) == 0) return AccentedReference();
        static const char* const kRefs[] = {"M01", "M02", "M05", "M21", "M22", "M99",
                                            "M21", "M22", "m21", "m05", "M00", "M1+",
                                            "M 5", "M-1", "M+2", "M1,", "M 1", "M 21"};
        return kRefs[Pick(std::size(kRefs))];
    }

    // Non-ASCII characters, one to four UTF-8 bytes each, the last two outside Windows-1252.
    std::string Accent() {
        static const char* const kAccents[] = {"°", "é", "ç", "ã", "µ", "²", "Ω", "→", "😀"};
        return kAccents[Pick(std::size(kAccents))];
    }

    // A reference with a non-ASCII character among its two characters or beside it.
    std::string AccentedReference() {
        std::string digit(1, static_cast<char>('0' + Pick(10)));
        switch (Pick(6)) {
            case 0:
                return "M" + digit + Accent();
            case 1:
                return "M" + Accent() + digit;
            case 2:
                return "M" + Accent() + Accent();
            case 3:
                return "M" + Accent();  // one character left at the end of the text
            case 4:
                return Accent() + "M2" + digit;
            default:
                return "M2" + digit + Accent();
        }
    }

    std::string Primary(int depth) {
        switch (Pick(depth < 2 ? 7 : 5)) {
            case 0:
            case 1:
                return Number();
            case 2:
            case 3:
            case 4:
                return Reference();
            default:
                return "(" + Blank() + Sum(depth + 1) + Blank() + ")";
        }
    }

    std::string Factor(int depth) {
        static const char* const kSigns[] = {"", "", "", "", "", "", "-", "-", "+", "--", "+-"};
        return kSigns[Pick(std::size(kSigns))] + Primary(depth);
    }

    std::string Product(int depth) {
        std::string s = Factor(depth);
        for (int n = static_cast<int>(Pick(3)); n > 0; --n) {
            static const char* const kOps[] = {"*", "/",  "^",  "*",  "/",
                                               "^", "*-", "/-", "^-", "*+"};
            s += Blank() + kOps[Pick(std::size(kOps))] + Blank() + Factor(depth);
        }
        return s;
    }

    std::string Sum(int depth) {
        std::string s = Product(depth);
        for (int n = static_cast<int>(Pick(4)) - 1; n > 0; --n)
            s += Blank() + (Pick(2) ? "+" : "-") + Blank() + Product(depth);
        return s;
    }

    // Arbitrary fragments run together: glued references, operators side by side.
    std::string Soup() {
        static const char* const kBits[] = {"M21", "M22", "m05", "2",  "E",  "5",  ".", "+", "-",
                                            "*",   "/",   "^",   "(",  ")",  " ",  ",", "M", "3",
                                            "E-",  "E+",  "0",   "M0", "1E", "M2", "9"};
        std::string s;
        for (int n = 1 + static_cast<int>(Pick(10)); n > 0; --n)
            s += kBits[Pick(std::size(kBits))];
        return s;
    }

    void Mutate(std::string& s) {
        static const char* const kInserts[] = {"(", ")", "M21", "2",  "E", "E-", ",", " ", "LN",
                                               "X", "<", "=",   "\t", "ç", "-",  "M", "M°"};
        size_t at = Pick(s.size() + 1);
        if (Pick(3) == 0 && !s.empty())
            s.erase(at == s.size() ? at - 1 : at, 1);
        else
            s.insert(at, kInserts[Pick(std::size(kInserts))]);
    }

    std::mt19937_64 rng_;
};

std::string Describe(const std::string& text, const Simulation& sim) {
    std::string d = "expression \"" + text + "\" with";
    for (int a : Generator::kAddresses)
        d += " M" + std::to_string(a) + "=" + SciText(sim.vars.Read(a));
    return d;
}

TEST(FastEquation, MatchesTheReferenceOnGeneratedExpressions) {
    Generator gen(0x5eed);
    Simulation fast;
    Simulation reference;
    fast.evalPath = EvalPath::Fast;
    reference.evalPath = EvalPath::Reference;
    long n = test::Scaled(100000);
    int failures = 0;
    for (long i = 0; i < n && failures < 10; ++i) {
        std::string text = gen.Expression();
        for (int round = 0; round < 2; ++round) {
            for (int a : Generator::kAddresses) {
                double v = gen.Value();
                fast.vars.Write(a, v);
                reference.vars.Write(a, v);
            }
            // A stale error text must be replaced either way.
            fast.errorText = reference.errorText = (i + round) % 2 ? kInconsistentEquation : "";
            bool constant = (i + round) % 8 == 0;
            double want = constant ? reference.EvalConstant(text) : reference.Eval(text);
            double got = constant ? fast.EvalConstant(text) : fast.Eval(text);
            if (std::bit_cast<uint64_t>(got) != std::bit_cast<uint64_t>(want) ||
                fast.errorText != reference.errorText) {
                ADD_FAILURE() << (constant ? "constant " : "") << Describe(text, fast) << ": fast "
                              << SciText(got) << " [" << fast.errorText << "], reference "
                              << SciText(want) << " [" << reference.errorText << "]";
                ++failures;
            }
        }
    }
}

}  // namespace
}  // namespace vork
