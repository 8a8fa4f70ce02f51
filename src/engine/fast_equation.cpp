#include "engine/fast_equation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "engine/equation.h"
#include "engine/fast_round.h"
#include "engine/numbers.h"

namespace vork {

namespace {

using Operation = FastExpression::Operation;
using Registers = FastExpression::Registers;
using Term = FastExpression::Term;
using Code = FastExpression::Code;
using Right = FastExpression::Right;
constexpr uint16_t kNone = FastExpression::kNone;
constexpr size_t kMaxRegisters = kNone;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A character of the text, a variable reference (address) or a value in a register: a loaded
// variable or a reduced group, which the text carries as an optional "-" and digits.
struct Item {
    enum class Kind : uint8_t { Char, Variable, Value } kind;
    char c = 0;
    uint16_t index = 0;

    bool Is(char ch) const { return kind == Kind::Char && c == ch; }
};

struct Token {
    enum class Kind : uint8_t { Number, Plus, Minus, Operator } kind;
    char op = 0;
    uint16_t reg = 0;
};

void Store(Registers& r, uint16_t dst, double x) {
    r.value[dst] = x;
    r.minus[dst] = x < 0;
}

// Bare: plain double arithmetic, without the rounding and the minus-sign guards. Inline: the
// run loop executes one of these for most operations.
template <bool kBare = false>
[[gnu::always_inline]] inline bool ApplyStep(const Operation& op, Registers& r) {
    double a = 0.0;
    bool negative = false;
    int count = 0;
    if (op.a != kNone) {
        double v = r.value[op.a];
        a = std::fabs(v);
        negative = std::signbit(v);
        count = r.minus[op.a];
    }
    double b = 0.0;
    switch (op.right) {
        case Right::Zero:
            break;
        case Right::NegativeZero:
            b = -0.0;
            break;
        case Right::Register:
            if (!kBare && op.guarded && r.minus[op.b] > 1) return false;
            b = r.value[op.b];
            break;
        case Right::NegatedRegister:
            if (!kBare && op.guarded && r.minus[op.b] > 0) return false;
            b = -r.value[op.b];
            break;
    }
    // The left operand's minus signs stay in front of the result.
    double x = ApplyOperator(op.op, a, b);
    if (!kBare) x = FastRound15(x);
    r.value[op.dst] = negative ? -x : x;
    r.minus[op.dst] = static_cast<uint8_t>(std::min(count + (x < 0), 2));
    return true;
}

// Mirrors Substitute on the upper-cased text: every "M" with the two characters after it
// becomes a variable or the text "0". False when the whole text becomes "0".
bool SubstituteItems(std::string_view text, std::vector<Item>& items) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    size_t from = 0;
    for (size_t p = s.find('M'); p != std::string::npos; p = s.find('M', from)) {
        for (size_t i = from; i < p; ++i)
            items.push_back({Item::Kind::Char, s[i]});
        std::optional<size_t> end = ReferenceEnd(s, p);
        if (!end) return false;
        int n = ReferenceNumber(std::string_view(s).substr(p + 1, *end - p - 1));
        if (n >= 1 && n <= 99)
            items.push_back({Item::Kind::Variable, 0, static_cast<uint16_t>(n)});
        else
            items.push_back({Item::Kind::Char, '0'});
        from = *end;
    }
    for (size_t i = from; i < s.size(); ++i)
        items.push_back({Item::Kind::Char, s[i]});
    return true;
}

}  // namespace

class FastCompiler {
  public:
    explicit FastCompiler(FastExpression& out) : out_(out) { varRegister_.fill(kNone); }

    void Compile(std::string_view text, bool substitute) {
        std::vector<Item> items;
        if (!substitute) return SetConstant(EvaluateText(text, error_));
        if (!SubstituteItems(text, items)) return SetConstant(0.0);
        CompileItems(std::move(items));
    }

    // A substituted text, as EvaluateText sees it.
    void CompileItems(std::vector<Item> items) {
        bool anyVariable = std::any_of(items.begin(), items.end(), [](const Item& it) {
            return it.kind == Item::Kind::Variable;
        });
        if (!anyVariable) return SetConstant(EvaluateText(JoinChars(items), error_));
        for (Item& it : items) {
            if (it.Is(',')) it.c = '.';
            if (it.kind == Item::Kind::Char && !IsExpressionChar(it.c)) {
                error_ = kInconsistentEquation;
                return SetConstant(0.0);
            }
        }
        std::erase_if(items, [](const Item& it) { return it.Is(' '); });
        items.insert(items.begin(), Item{Item::Kind::Char, '('});
        items.push_back({Item::Kind::Char, ')'});
        out_.kind_ = FastExpression::Kind::Reference;
        if (!LoadVariables(items) || !ReduceGroups(items)) return;
        if (known_[out_.result_]) return SetConstant(out_.registers_.value[out_.result_]);
        out_.kind_ = FastExpression::Kind::Program;
        DropDeadOperations();
    }

  private:
    void SetConstant(double value) {
        out_.kind_ = FastExpression::Kind::Constant;
        out_.value_ = value;
        out_.valid_ = error_.empty();
        out_.ops_.clear();
        out_.terms_.clear();
        out_.registers_ = {};
    }

    static std::string JoinChars(const std::vector<Item>& items) {
        std::string s;
        for (const Item& it : items)
            s += it.c;
        return s;
    }

    std::optional<uint16_t> NewRegister(uint8_t maxMinus) {
        if (known_.size() >= kMaxRegisters) return std::nullopt;
        out_.registers_.value.push_back(0.0);
        out_.registers_.minus.push_back(0);
        known_.push_back(false);
        maxMinus_.push_back(maxMinus);
        return static_cast<uint16_t>(known_.size() - 1);
    }

    std::optional<uint16_t> Constant(double x) {
        std::optional<uint16_t> reg = NewRegister(0);
        if (!reg) return std::nullopt;
        Store(out_.registers_, *reg, x);
        known_[*reg] = true;
        maxMinus_[*reg] = out_.registers_.minus[*reg];
        return reg;
    }

    bool LoadVariables(std::vector<Item>& items) {
        for (Item& it : items) {
            if (it.kind != Item::Kind::Variable) continue;
            uint16_t& reg = varRegister_[it.index];
            if (reg == kNone) {
                std::optional<uint16_t> r = NewRegister(1);
                if (!r) return false;
                reg = *r;
                out_.ops_.push_back({Code::Load, 0, Right::Zero, false, false, reg, it.index, 0});
            }
            it = {Item::Kind::Value, 0, reg};
        }
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].kind == Item::Kind::Value && Glued(items, i)) return false;
        return true;
    }

    // Whether the digits of the value at `i` would run together with a neighbouring number.
    static bool Glued(const std::vector<Item>& items, size_t i) {
        auto startsNumber = [](const Item& it) {
            return it.kind == Item::Kind::Value || IsDigit(it.c) || it.c == '.' || it.c == 'E';
        };
        if (i + 1 < items.size() && startsNumber(items[i + 1])) return true;
        if (i == 0) return false;
        const Item& prev = items[i - 1];
        if (startsNumber(prev)) return true;
        return (prev.Is('+') || prev.Is('-')) && i >= 2 && items[i - 2].Is('E');
    }

    // The innermost group again and again, as EvaluateText does; the result is the last one.
    bool ReduceGroups(std::vector<Item>& items) {
        for (;;) {
            auto open = std::find_if(items.rbegin(), items.rend(),
                                     [](const Item& it) { return it.Is('('); });
            if (open == items.rend()) return true;
            auto first = open.base() - 1;
            auto close =
                std::find_if(first + 1, items.end(), [](const Item& it) { return it.Is(')'); });
            if (close == items.end()) return true;
            std::optional<uint16_t> reg = ReduceGroup(std::vector<Item>(first + 1, close));
            if (!reg) return false;
            size_t at = static_cast<size_t>(first - items.begin());
            items.erase(first + 1, close + 1);
            items[at] = {Item::Kind::Value, 0, *reg};
            if (Glued(items, at)) return false;
            out_.result_ = *reg;
        }
    }

    std::optional<uint16_t> ReduceGroup(const std::vector<Item>& group) {
        std::vector<Token> tokens;
        if (!Tokenize(group, tokens)) return std::nullopt;
        // A doubly linked list over the tokens; operators are applied in a fixed order.
        size_t n = tokens.size();
        std::vector<int> prev(n), next(n);
        for (size_t i = 0; i < n; ++i) {
            prev[i] = static_cast<int>(i) - 1;
            next[i] = i + 1 < n ? static_cast<int>(i + 1) : -1;
        }
        int head = n > 0 ? 0 : -1;
        auto unlink = [&](int i) {
            if (prev[i] >= 0) next[prev[i]] = next[i];
            if (next[i] >= 0) prev[next[i]] = prev[i];
            if (head == i) head = next[i];
        };
        for (char op : {'^', '/', '*'}) {
            for (size_t k = 0; k < n; ++k) {
                if (tokens[k].kind != Token::Kind::Operator || tokens[k].op != op) continue;
                std::optional<uint16_t> reg =
                    ApplyAt(tokens, static_cast<int>(k), prev, next, unlink);
                if (!reg) return std::nullopt;
                tokens[k] = {Token::Kind::Number, 0, *reg};
            }
        }
        std::vector<Term> terms;
        bool negate = false;
        for (int i = head; i >= 0; i = next[i]) {
            if (tokens[i].kind == Token::Kind::Number) {
                terms.push_back({tokens[i].reg, negate});
                negate = false;
            } else {
                negate ^= tokens[i].kind == Token::Kind::Minus;
            }
        }
        return EmitSum(terms);
    }

    // Numbers (runs of number characters read leniently, values), signs and operators.
    bool Tokenize(const std::vector<Item>& group, std::vector<Token>& tokens) {
        std::string run;
        auto flush = [&]() {
            if (run.empty()) return true;
            std::optional<uint16_t> reg = Constant(ParseLenient(run));
            run.clear();
            if (!reg) return false;
            tokens.push_back({Token::Kind::Number, 0, *reg});
            return true;
        };
        for (size_t i = 0; i < group.size(); ++i) {
            const Item& it = group[i];
            bool sign = it.Is('+') || it.Is('-');
            if (it.kind == Item::Kind::Char && (IsDigit(it.c) || it.c == '.' || it.c == 'E' ||
                                                (sign && i > 0 && group[i - 1].Is('E')))) {
                run += it.c;
                continue;
            }
            if (!flush()) return false;
            if (it.kind == Item::Kind::Value)
                tokens.push_back({Token::Kind::Number, 0, it.index});
            else if (sign)
                tokens.push_back({it.c == '-' ? Token::Kind::Minus : Token::Kind::Plus});
            else
                tokens.push_back({Token::Kind::Operator, it.c});
        }
        return flush();
    }

    template <typename Unlink>
    std::optional<uint16_t> ApplyAt(const std::vector<Token>& tokens, int k,
                                    const std::vector<int>& prev, const std::vector<int>& next,
                                    Unlink& unlink) {
        auto isNumber = [&](int i) { return i >= 0 && tokens[i].kind == Token::Kind::Number; };
        uint16_t left = kNone;
        if (isNumber(prev[k])) {
            left = tokens[prev[k]].reg;
            unlink(prev[k]);
        }
        Right right = Right::Zero;
        uint16_t rightReg = 0;
        int r = next[k];
        if (isNumber(r)) {
            right = Right::Register;
            rightReg = tokens[r].reg;
            unlink(r);
        } else if (r >= 0 && tokens[r].kind == Token::Kind::Minus) {
            unlink(r);
            right = Right::NegativeZero;
            if (isNumber(next[k])) {
                right = Right::NegatedRegister;
                rightReg = tokens[next[k]].reg;
                unlink(next[k]);
            }
        }
        return EmitApply(tokens[k].op, left, right, rightReg);
    }

    std::optional<uint16_t> EmitApply(char op, uint16_t left, Right right, uint16_t rightReg) {
        const Registers& regs = out_.registers_;
        bool usesRegister = right == Right::Register || right == Right::NegatedRegister;
        int allowed = right == Right::Register ? 1 : 0;
        bool guarded = false;
        bool rightNegative = right == Right::NegatedRegister;
        if (usesRegister) {
            // A known value with too many minus signs always takes the other parse.
            if (known_[rightReg] && regs.minus[rightReg] > allowed) return std::nullopt;
            guarded = !known_[rightReg] && maxMinus_[rightReg] > allowed;
            if (right == Right::Register)
                rightNegative =
                    known_[rightReg] ? regs.value[rightReg] < 0 : maxMinus_[rightReg] > 0;
            else if (known_[rightReg])
                rightNegative = regs.value[rightReg] > 0;
        }
        bool leftKnown = left == kNone || known_[left];
        int leftMinus = left == kNone ? 0 : known_[left] ? regs.minus[left] : maxMinus_[left];
        bool resultMayBeNegative = op != '^' && rightNegative;
        std::optional<uint16_t> dst =
            NewRegister(static_cast<uint8_t>(std::min(leftMinus + resultMayBeNegative, 2)));
        if (!dst) return std::nullopt;
        Operation o{Code::Apply, op, right, guarded, false, *dst, left, rightReg};
        if (leftKnown && (!usesRegister || known_[rightReg])) {
            ApplyStep(o, out_.registers_);
            known_[*dst] = true;
            maxMinus_[*dst] = out_.registers_.minus[*dst];
        } else {
            out_.ops_.push_back(o);
        }
        return dst;
    }

    // The additive pass; a leading run of known terms is summed here, in the same order.
    std::optional<uint16_t> EmitSum(const std::vector<Term>& terms) {
        size_t i = 0;
        double sum = 0.0;
        for (; i < terms.size() && known_[terms[i].reg]; ++i) {
            double v = out_.registers_.value[terms[i].reg];
            sum += terms[i].negate ? -v : v;
        }
        if (i == terms.size()) return Constant(FastRound15(sum));
        if (terms.size() == 1) {
            std::optional<uint16_t> dst = NewRegister(1);
            if (!dst) return std::nullopt;
            out_.ops_.push_back(
                {Code::Copy, 0, Right::Zero, false, terms[0].negate, *dst, terms[0].reg, 0});
            return dst;
        }
        size_t first = out_.terms_.size();
        // Term positions are 16-bit; a text this long is left to the reference.
        if (first + terms.size() + 1 > kMaxRegisters) return std::nullopt;
        if (i > 0) {
            std::optional<uint16_t> prefix = Constant(sum);
            if (!prefix) return std::nullopt;
            out_.terms_.push_back({*prefix, false});
        }
        out_.terms_.insert(out_.terms_.end(), terms.begin() + static_cast<long>(i), terms.end());
        std::optional<uint16_t> dst = NewRegister(1);
        if (!dst) return std::nullopt;
        out_.ops_.push_back({Code::Sum, 0, Right::Zero, false, false, *dst,
                             static_cast<uint16_t>(first),
                             static_cast<uint16_t>(out_.terms_.size() - first)});
        return dst;
    }

    // Groups reduced after an unclosed "(" or before a stray ")" do not reach the result.
    void DropDeadOperations() {
        std::vector<bool> live(known_.size(), false);
        live[out_.result_] = true;
        std::vector<Operation> kept;
        for (auto it = out_.ops_.rbegin(); it != out_.ops_.rend(); ++it) {
            if (!live[it->dst]) continue;
            kept.push_back(*it);
            if (it->code == Code::Apply) {
                if (it->a != kNone) live[it->a] = true;
                if (it->right == Right::Register || it->right == Right::NegatedRegister)
                    live[it->b] = true;
            } else if (it->code == Code::Copy) {
                live[it->a] = true;
            } else if (it->code == Code::Sum) {
                for (size_t t = it->a; t < static_cast<size_t>(it->a) + it->b; ++t)
                    live[out_.terms_[t].reg] = true;
            }
        }
        out_.ops_.assign(kept.rbegin(), kept.rend());
    }

    FastExpression& out_;
    std::string error_;
    std::vector<bool> known_;
    std::vector<uint8_t> maxMinus_;
    std::array<uint16_t, 100> varRegister_;
};

FastExpression FastExpression::Compile(std::string_view text, bool substitute) {
    FastExpression e;
    FastCompiler(e).Compile(text, substitute);
    return e;
}

namespace {

template <bool kBare>
bool Execute(const Operation& op, const std::vector<Term>& terms, Registers& r,
             const VariableTable& vars, RoundedVariables* rounded) {
    switch (op.code) {
        case Code::Load:
            Store(r, op.dst, kBare ? vars.Read(op.a) : rounded->Get(vars, op.a));
            return true;
        case Code::Copy: {
            double v = r.value[op.a];
            Store(r, op.dst, 0.0 + (op.negate ? -v : v));  // as the sum from 0 would
            return true;
        }
        case Code::Apply:
            return ApplyStep<kBare>(op, r);
        case Code::Sum: {
            double sum = 0.0;
            for (size_t i = op.a; i < static_cast<size_t>(op.a) + op.b; ++i) {
                double v = r.value[terms[i].reg];
                sum += terms[i].negate ? -v : v;
            }
            Store(r, op.dst, kBare ? sum : FastRound15(sum));
            return true;
        }
    }
    return true;
}

// The first `symbol` among the characters of a substituted text. Inserted values hold no
// comparison symbol, so a symbol found here is where the reference splits the text.
std::optional<size_t> FindSymbol(const std::vector<Item>& items, std::string_view symbol) {
    for (size_t i = 0; i + symbol.size() <= items.size(); ++i) {
        bool match = true;
        for (size_t k = 0; k < symbol.size(); ++k)
            match = match && items[i + k].Is(symbol[k]);
        if (match) return i;
    }
    return std::nullopt;
}

}  // namespace

double RoundedVariables::Get(const VariableTable& vars, int address) {
    double x = vars.Read(address);
    uint64_t bits = std::bit_cast<uint64_t>(x);
    if (bits != raw_[address]) {
        raw_[address] = bits;
        rounded_[address] = FastRound15(x);
    }
    return rounded_[address];
}

std::optional<double> FastExpression::Run(const VariableTable& vars, RoundedVariables& rounded) {
    for (const Operation& op : ops_)
        if (!Execute<false>(op, terms_, registers_, vars, &rounded)) return std::nullopt;
    return registers_.value[result_];
}

double FastExpression::RunBare(const VariableTable& vars) {
    for (const Operation& op : ops_)
        Execute<true>(op, terms_, registers_, vars, nullptr);
    return registers_.value[result_];
}

FastCalcFunction FastExpression::CompileCalcFunction(std::string_view text) {
    FastCalcFunction f;
    std::vector<Item> items;
    if (!SubstituteItems(text, items)) items = {{Item::Kind::Char, '0'}};
    static constexpr std::pair<std::string_view, CalcForm> kSymbols[] = {
        {">>", CalcForm::Greater},
        {"<<", CalcForm::Less},
        {">", CalcForm::HighSelect},
        {"<", CalcForm::LowSelect}};
    for (auto [symbol, form] : kSymbols) {
        std::optional<size_t> at = FindSymbol(items, symbol);
        if (!at) continue;
        auto split = items.begin() + static_cast<long>(*at);
        f.form = form;
        FastCompiler(f.a).CompileItems({items.begin(), split});
        FastCompiler(f.b).CompileItems({split + static_cast<long>(symbol.size()), items.end()});
        return f;
    }
    FastCompiler(f.a).CompileItems(std::move(items));
    return f;
}

}  // namespace vork
