#include "formula.h"

#include <cmath>
#include <limits>
#include <utility>

#include "engine/number_text.h"

namespace orvane {

struct Term::Node {
    enum class Kind { Number, Add, Sub, Mul, Div, Pow, Square, Sqrt, Sin };
    Kind kind = Kind::Number;
    std::string text;  // a number as printed
    double value = 0;  // what the printed text reads as
    std::shared_ptr<const Node> a, b;
};

namespace {

using Kind = Term::Node::Kind;
using NodePtr = std::shared_ptr<const Term::Node>;

NodePtr number(std::string text) {
    auto n = std::make_shared<Term::Node>();
    n->value = readNumber(text);
    n->text = std::move(text);
    return n;
}

// How tightly an operation binds: sums, then products, then powers and functions.
int precedence(const Term::Node& n) {
    switch (n.kind) {
        case Kind::Add:
        case Kind::Sub: return 1;
        case Kind::Mul:
        case Kind::Div: return 2;
        case Kind::Pow:
        case Kind::Square: return 3;
        case Kind::Number: return n.value < 0 ? 1 : 4;  // a negative number is bracketed as an operand
        case Kind::Sqrt:
        case Kind::Sin: return 4;
    }
    return 4;
}

std::string render(const Term::Node& n);

// An operand, bracketed where the operation around it binds more tightly (or as tightly, on the
// right of a difference or a quotient, as those do not regroup).
std::string operand(const Term::Node& child, int outer, bool right) {
    const int inner = precedence(child);
    const bool bracket = inner < outer || (right && inner == outer && outer < 3);
    if (!bracket) return render(child);
    std::string text(1, '(');  // appended, not "(" + ...: GCC 12 at -O3 warns of an overlap that is not there
    text += render(child);
    text += ')';
    return text;
}

std::string render(const Term::Node& n) {
    switch (n.kind) {
        case Kind::Number: return n.text;
        case Kind::Add: return operand(*n.a, 1, false) + " + " + operand(*n.b, 1, false);
        case Kind::Sub: return operand(*n.a, 1, false) + " − " + operand(*n.b, 1, true);
        case Kind::Mul: return operand(*n.a, 2, false) + " × " + operand(*n.b, 2, false);
        case Kind::Div: return operand(*n.a, 2, false) + " / " + operand(*n.b, 2, true);
        case Kind::Pow: return operand(*n.a, 4, false) + "^" + operand(*n.b, 4, false);
        case Kind::Square: return operand(*n.a, 4, false) + "²";
        case Kind::Sqrt: {
            std::string text = "√(";
            text += render(*n.a);
            text += ')';
            return text;
        }
        case Kind::Sin: return "sin " + operand(*n.a, 4, false);
    }
    return {};
}

double evaluate(const Term::Node& n) {
    switch (n.kind) {
        case Kind::Number: return n.value;
        case Kind::Add: return evaluate(*n.a) + evaluate(*n.b);
        case Kind::Sub: return evaluate(*n.a) - evaluate(*n.b);
        case Kind::Mul: return evaluate(*n.a) * evaluate(*n.b);
        case Kind::Div: {
            // A divisor printed as 0 (a value too small for its printed digits) gives no value: the
            // row then prints its computed result to 7 digits.
            const double divisor = evaluate(*n.b);
            return divisor == 0 ? std::numeric_limits<double>::quiet_NaN() : evaluate(*n.a) / divisor;
        }
        case Kind::Pow: return std::pow(evaluate(*n.a), evaluate(*n.b));
        case Kind::Square: return std::pow(evaluate(*n.a), 2);
        case Kind::Sqrt: return std::sqrt(evaluate(*n.a));
        case Kind::Sin: return std::sin(evaluate(*n.a));
    }
    return 0;
}

NodePtr combine(Kind kind, NodePtr a, NodePtr b = nullptr) {
    auto n = std::make_shared<Term::Node>();
    n->kind = kind;
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
}

// The unit of the last digit a number text shows: 0.01 for "3040.59", 1 for "32", 1E+01 for
// "1.234568E+07".
double lastDigitUnit(std::string_view text) {
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const int exponent = e == std::string_view::npos ? 0 : static_cast<int>(readNumber(text.substr(e + 1)));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return std::pow(10.0, exponent - decimals);
}

}  // namespace

Term Term::value(double v) { return Term(number(writeRounded(v, 7))); }
Term Term::value(float v) { return Term(number(writeSingle(v))); }
Term Term::whole(int v) { return Term(number(writeInteger(v))); }

Term Term::constant(std::string_view text, double v) {
    auto n = std::make_shared<Term::Node>();
    n->text = text;
    n->value = v;
    return Term(n);
}

Term operator+(Term a, Term b) { return Term(combine(Kind::Add, a.node_, b.node_)); }
Term operator-(Term a, Term b) { return Term(combine(Kind::Sub, a.node_, b.node_)); }
Term operator*(Term a, Term b) { return Term(combine(Kind::Mul, a.node_, b.node_)); }
Term operator/(Term a, Term b) { return Term(combine(Kind::Div, a.node_, b.node_)); }
Term pow(Term base, Term exponent) { return Term(combine(Kind::Pow, base.node_, exponent.node_)); }
Term squared(Term a) { return Term(combine(Kind::Square, a.node_)); }
Term sqrt(Term a) { return Term(combine(Kind::Sqrt, a.node_)); }
Term sin(Term a) { return Term(combine(Kind::Sin, a.node_)); }

std::string Term::text() const { return render(*node_); }
double Term::evaluated() const { return evaluate(*node_); }

std::string printed(double value, int digits) { return writeRounded(value, digits); }

std::string printedResult(double actual, double fromPrinted) {
    for (int digits = 7; digits >= 1; --digits) {
        const std::string text = writeRounded(actual, digits);
        if (std::fabs(fromPrinted - readNumber(text)) <= lastDigitUnit(text) * (1 + 1e-9)) return text;
    }
    return writeRounded(actual, 7);
}

}  // namespace orvane
