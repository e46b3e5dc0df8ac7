#pragma once

#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace defib::testing {

// Draws for `random` before `new`: kind, shocks, body, age, history.
inline constexpr const char* adultOneShock = "0 1 0 0 0 0"; // body 0, 70 step points
inline constexpr const char* childOneShock = "4 1 0 0 0"; // body 3, 70 step points
inline constexpr const char* underageChild = "5 0 0 0 0"; // kind 2, body 3, 135 step points

// A scenario started and clicked into, with no trouble draws; the clock stands at 0.
struct Trainee : Sim {
    explicit Trainee(const std::string& draws = adultOneShock, const std::string& options = "")
    {
        run("option OptTroubleOdds 0\n" + options + "register Pat \"\" practice\nrandom " + draws + "\nnew\nbegin");
        clearOutput();
    }
    int number(const std::string& name) { return std::stoi(value(name)); }
};

inline std::string q(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace defib::testing
