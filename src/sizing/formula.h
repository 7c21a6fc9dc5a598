#pragma once
// A step's substitution as the calculation sheet prints it, checkable by hand: every value printed
// with the significant digits it carries (at most 7), and the step's result printed so that it
// follows from the numbers printed beside it to within one unit of its last printed digit.
//
// A Term is built like the expression the calculation evaluates, from the same values in the same
// order: its text is the substitution ("0.00283 × 11.19179 × 15 × 80²"), and it can be evaluated
// again from exactly what that text shows. printedResult() then gives the result with as many of
// its digits (at most 7) as that evaluation confirms.

#include <memory>
#include <string>
#include <string_view>

namespace orvane {

class Term {
public:
    // A value of the calculation, printed to at most 7 significant digits (a float as the windows
    // write it).
    static Term value(double v);
    static Term value(float v);
    // A whole number of the calculation (a standard throat in mm), printed exactly.
    static Term whole(int v);
    // A constant of an equation, printed as it is written there ("0.00283", "10^6"), worth `v`.
    static Term constant(std::string_view text, double v);

    friend Term operator+(Term a, Term b);
    friend Term operator-(Term a, Term b);
    friend Term operator*(Term a, Term b);
    friend Term operator/(Term a, Term b);
    friend Term pow(Term base, Term exponent);  // "a^b"
    friend Term squared(Term a);                // "a²"
    friend Term sqrt(Term a);                   // "√(a)"
    friend Term sin(Term a);                    // "sin a"

    // The substitution as printed.
    std::string text() const;
    // Its value, evaluated from the numbers as printed.
    double evaluated() const;

    struct Node;

private:
    explicit Term(std::shared_ptr<const Node> n) : node_(std::move(n)) {}
    std::shared_ptr<const Node> node_;
};

// `value` printed with at most `digits` significant digits, rounded (never "-0", "inf" or "nan").
std::string printed(double value, int digits = 7);

// The result `actual` of a step printed with the most significant digits (at most 7) at which the
// evaluation of its printed substitution, `fromPrinted`, lies within one unit of the last digit.
std::string printedResult(double actual, double fromPrinted);

}  // namespace orvane
