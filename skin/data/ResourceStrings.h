// The default resource strings of skinned windows (KEY=text lines) and the
// lookup of one text by key.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

// The 120 default lines, in their fixed order.
const std::vector<std::string>& DefaultResourceStrings();
// The text after the first "=" of the first line whose name part equals key
// (without regard to case); empty when there is none.
std::string FindResString(const std::vector<std::string>& lines, std::string_view key);

} // namespace ventro
