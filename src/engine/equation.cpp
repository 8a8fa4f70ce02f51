#include "engine/equation.h"

#include <charconv>
#include <cmath>

#include "engine/numbers.h"

namespace vork {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number character: digit, ".", "E", or a sign standing directly after an "E".
bool IsNumberChar(const std::string& s, size_t i) {
    char c = s[i];
    if (IsDigit(c) || c == '.' || c == 'E') return true;
    return (c == '+' || c == '-') && i > 0 && s[i - 1] == 'E';
}

// End of the run of number characters starting at `i`.
size_t RunEnd(const std::string& s, size_t i) {
    while (i < s.size() && IsNumberChar(s, i))
        ++i;
    return i;
}

// Value of a run of number characters; a malformed run reads as its longest valid prefix.
double RunValue(const std::string& s, size_t begin, size_t end) {
    return ParseLenient(std::string_view(s).substr(begin, end - begin));
}

// The written-back form: blanks are ignored during evaluation, so the blank sign is left out.
std::string WrittenBack(double x) {
    std::string t = SciText(x);
    return t[0] == ' ' ? t.substr(1) : t;
}

size_t PickOperator(const std::string& g) {
    for (char op : {'^', '/', '*'}) {
        size_t p = g.find(op);
        if (p != std::string::npos) return p;
    }
    return std::string::npos;
}

void OperatorPass(std::string& g) {
    for (size_t p = PickOperator(g); p != std::string::npos; p = PickOperator(g)) {
        size_t left = p;
        while (left > 0 && IsNumberChar(g, left - 1))
            --left;
        size_t rightBegin = p + 1;
        bool negative = rightBegin < g.size() && g[rightBegin] == '-';
        if (negative) ++rightBegin;
        size_t right = RunEnd(g, rightBegin);
        double a = RunValue(g, left, p);
        double b = RunValue(g, rightBegin, right);
        if (negative) b = -b;
        g.replace(left, right - left, WrittenBack(ApplyOperator(g[p], a, b)));
    }
}

double AdditivePass(const std::string& g) {
    double sum = 0.0;
    size_t i = 0;
    while (i < g.size()) {
        bool negative = false;
        while (i < g.size() && (g[i] == '+' || g[i] == '-'))
            negative ^= g[i++] == '-';
        size_t end = RunEnd(g, i);
        double term = RunValue(g, i, end);
        sum += negative ? -term : term;
        i = end;
    }
    return Round15(sum);
}

// Reduces one group (without its parentheses) to its value, rounded to 15 digits.
double ReduceGroup(std::string group) {
    OperatorPass(group);
    return AdditivePass(group);
}

}  // namespace

double ApplyOperator(char op, double a, double b) {
    switch (op) {
        case '*':
            return a * b;
        case '/':
            return b == 0.0 ? 9999.0 : a / b;
        default:  // '^'; the left operand is never negative.
            if (b == 0.0) return 1.0;
            return a > 0.0 ? std::exp(b * std::log(a)) : 0.0;
    }
}

int ReferenceNumber(std::string_view two) {
    size_t i = 0;
    while (i < two.size() && two[i] == ' ')
        ++i;
    bool negative = i < two.size() && two[i] == '-';
    if (i < two.size() && (two[i] == '+' || two[i] == '-')) ++i;
    int n = 0;
    while (i < two.size() && IsDigit(two[i]))
        n = n * 10 + (two[i++] - '0');
    return negative ? -n : n;
}

std::optional<size_t> ReferenceEnd(std::string_view text, size_t m) {
    auto next = [&](size_t i) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        return i;
    };
    size_t end = next(m);
    for (int k = 0; k < 2; ++k) {
        if (end >= text.size()) return std::nullopt;
        end = next(end);
    }
    return end;
}

bool IsExpressionChar(char c) {
    return IsDigit(c) || std::string_view(".E +-()/*^").find(c) != std::string_view::npos;
}

std::string Substitute(std::string_view text, const VariableTable& vars) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (size_t p = s.find('M'); p != std::string::npos; p = s.find('M', p)) {
        std::optional<size_t> end = ReferenceEnd(s, p);
        if (!end) return "0";
        int n = ReferenceNumber(std::string_view(s).substr(p + 1, *end - p - 1));
        std::string replacement = (n >= 1 && n <= 99) ? SciText(vars.Read(n)) : "0";
        s.replace(p, *end - p, replacement);
        p += replacement.size();
    }
    return s;
}

std::string CommaToPoint(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

double EvaluateText(std::string_view text, std::string& errorText) {
    std::string s = "(" + CommaToPoint(text) + ")";
    for (char c : s) {
        if (!IsExpressionChar(c)) {
            errorText = kInconsistentEquation;
            return 0.0;
        }
    }
    errorText.clear();
    std::erase(s, ' ');
    double last = 0.0;
    for (;;) {
        size_t open = s.rfind('(');
        if (open == std::string::npos) break;
        size_t close = s.find(')', open);
        if (close == std::string::npos) break;
        last = ReduceGroup(s.substr(open + 1, close - open - 1));
        s.replace(open, close - open + 1, WrittenBack(last));
    }
    return last;
}

}  // namespace vork
