#pragma once
// The window's 36 named one-line text fields and what names them on screen.

#include <array>
#include <optional>
#include <string_view>

namespace geometry {

enum class Field {
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Text21, Text22, Text23, Text24, Text25, Text26, Text27, Text28, Text29, Text30,
    Text31, Text32, Text33, Text34, Text36, Text37,
};

inline constexpr std::size_t fieldCount = 36;

struct FieldInfo {
    Field field;
    std::string_view name;          // "Text30"
    std::string_view label;         // the caption of the label that names it: "радиус="
    std::string_view panelCaption;  // "сфера и кълбо"
};

const std::array<FieldInfo, fieldCount>& allFields();
const FieldInfo& fieldInfo(Field field);
std::optional<Field> fieldByName(std::string_view name);

}  // namespace geometry
