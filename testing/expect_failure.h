#pragma once
// Runs an operation that must fail with a given kind of vomel::Failure and
// hands the failure back for its line, file and reason to be checked. An
// operation that succeeds, or fails otherwise, is a test failure; the
// returned failure then carries the reason "no failure", which no
// expectation of a real reason matches.

#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "core/failure.h"

namespace vomel::testing {

template <class Kind, class Operation>
Kind expectFailure(Operation operation)
{
    try {
        operation();
    } catch (const Kind& failure) {
        return failure;
    } catch (const std::exception& other) {
        ADD_FAILURE() << "expected a " << typeid(Kind).name() << ", got " << typeid(other).name() << ": "
                      << other.what();
        return Kind("a failure of another kind");
    }
    ADD_FAILURE() << "expected a " << typeid(Kind).name() << ", but the operation succeeded";
    return Kind("no failure");
}

}  // namespace vomel::testing
