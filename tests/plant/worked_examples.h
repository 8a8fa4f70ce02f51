#pragma once

namespace vork {

// The evaluator's worked examples, with M21 = -3 where it is used.
struct WorkedExample {
    const char* expression;
    double result;
};

inline constexpr WorkedExample kWorkedExamples[] = {
    {"2^3^2", 64},
    {"-2^2", -4},
    {"(-2)^2", -4},
    {"M21^2", -9},
    {"(-3)*(-2)", 6},
    {"2*-3", -6},
    {"1/3*3", 0.999999999999999},
    {"5/0", 9999},
    {"0/0", 9999},
    {"-5/0", -9999},
    {"7^0", 1},
    {"0^0", 1},
    {"0^-1", 0},
    {"3^-2", 0.111111111111111},
    {"10-2*3", 4},
    {"2*3E+2+1", 601},
    {"1,5*2", 3},
    {"", 0},
};

}  // namespace vork
