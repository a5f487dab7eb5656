// SPDX-License-Identifier: MIT
#pragma once
// A task's address on the problems page, zadachi.html?solid=cone&r=3&h=4: the
// query's pairs as the page's form sends them (application/x-www-form-urlencoded,
// "+" a space, "%CF%80" a π) read and written. Both pages use it: the problems
// page reads its address and writes it anew as the student types, the
// calculator writes the link of „Реши като задача“.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace geometry::web {

using AddressPairs = std::vector<std::pair<std::string, std::string>>;

// The pairs of a query ("solid=cone&r=3", with or without its "?"), decoded,
// in their order; a pair with no "=" has an empty value.
AddressPairs readQuery(std::string_view query);

// The pairs as a query without its "?": what separates pairs, keys and values
// or could be read as a space or an escape is percent-encoded, and so is every
// byte outside ASCII's printable characters; commas, slashes and asterisks stay
// as typed ("r=2,5&V=4/3").
std::string writeQuery(const AddressPairs& pairs);

}  // namespace geometry::web
