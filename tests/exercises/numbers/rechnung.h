#pragma once
// Exact arithmetic for checking the stored solutions of the content files: a
// fraction type and an evaluator for the computations noted beside each task
// ("12,5 * 3 / (4 - 1)", decimal commas, an unknown x).
#include <QString>
#include <optional>

struct Bruch {
    long long z = 0;  // numerator
    long long n = 1;  // denominator, > 0

    static Bruch aus(long long zaehler, long long nenner);
    // "12,5", "-0,75", "7": the exact value of a decimal text.
    static std::optional<Bruch> ausText(const QString& text);
    bool operator==(const Bruch& b) const { return z == b.z && n == b.n; }
    // Whether the value is a terminating decimal (only 2 and 5 in the denominator).
    bool abbrechend() const;
    double alsDouble() const { return static_cast<double>(z) / static_cast<double>(n); }
    QString text() const;  // for messages: "25/2"
};

// The value of an expression with + - * / ( ), decimal-comma numbers and x;
// empty when it cannot be read or divides by zero.
std::optional<Bruch> rechne(const QString& ausdruck, std::optional<Bruch> x = std::nullopt);
