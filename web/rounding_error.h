// SPDX-License-Identifier: MIT
#pragma once
// Boost.Math's rounding error (a number too large for the type it is rounded
// to), raised in the solver's module as Boost raises it, only without the text
// Boost writes into its message with a string stream: that stream alone would
// bring the C++ library's whole locale support into the module, a sixth of
// its size. web/CMakeLists.txt includes this before each of the module's
// sources, with BOOST_MATH_ROUNDING_ERROR_POLICY=user_error.
#include <boost/math/policies/error_handling.hpp>

namespace boost::math::policies {

template <class T, class TargetType>
T user_rounding_error(const char* function, const char*, const T&, const TargetType&) {
    throw boost::math::rounding_error(function ? function : "rounding");
}

}  // namespace boost::math::policies
