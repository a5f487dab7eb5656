#include "fields.h"

namespace geometry {
namespace {

constexpr std::string_view prism = "права призма";
constexpr std::string_view pyramid = "правилна пирамида";
constexpr std::string_view cylinder = "цилиндър";
constexpr std::string_view cone = "конус";
constexpr std::string_view sphere = "сфера и кълбо";
constexpr std::string_view polygon = "периметър и лице на правилен многоъгълник";

constexpr std::array<FieldInfo, fieldCount> fields{{
    {Field::Text1, "Text1", "ръб=", prism},
    {Field::Text2, "Text2", "ръб=", prism},
    {Field::Text3, "Text3", "ръб=", prism},
    {Field::Text4, "Text4", "периметър на основата=", prism},
    {Field::Text5, "Text5", "лице на основата=", prism},
    {Field::Text6, "Text6", "височина=", prism},
    {Field::Text7, "Text7", "ръб=", prism},
    {Field::Text8, "Text8", "1 или 2 или 3", prism},
    {Field::Text9, "Text9", "S=", prism},
    {Field::Text10, "Text10", "S1=", prism},
    {Field::Text11, "Text11", "V=", prism},
    {Field::Text12, "Text12", "периметър на основата=", pyramid},
    {Field::Text13, "Text13", "лице на основата=", pyramid},
    {Field::Text14, "Text14", "апотема на пирамидата=", pyramid},
    {Field::Text15, "Text15", "височина на пирамидата=", pyramid},
    {Field::Text16, "Text16", "S=", pyramid},
    {Field::Text17, "Text17", "S1=", pyramid},
    {Field::Text18, "Text18", "V=", pyramid},
    {Field::Text19, "Text19", "радиус=", cylinder},
    {Field::Text20, "Text20", "височина=", cylinder},
    {Field::Text21, "Text21", "S=", cylinder},
    {Field::Text22, "Text22", "S1=", cylinder},
    {Field::Text23, "Text23", "V=", cylinder},
    {Field::Text24, "Text24", "радиус=", cone},
    {Field::Text25, "Text25", "височина=", cone},
    {Field::Text26, "Text26", "образуваща=", cone},
    {Field::Text27, "Text27", "S=", cone},
    {Field::Text28, "Text28", "S1=", cone},
    {Field::Text29, "Text29", "V=", cone},
    {Field::Text30, "Text30", "радиус=", sphere},
    {Field::Text31, "Text31", "S=", sphere},
    {Field::Text32, "Text32", "V=", sphere},
    {Field::Text33, "Text33", "брой страни=", polygon},
    {Field::Text34, "Text34", "страна=", polygon},
    {Field::Text36, "Text36", "P=", polygon},
    {Field::Text37, "Text37", "B=", polygon},
}};

}  // namespace

const std::array<FieldInfo, fieldCount>& allFields() { return fields; }

const FieldInfo& fieldInfo(Field field) { return fields[static_cast<std::size_t>(field)]; }

std::optional<Field> fieldByName(std::string_view name) {
    for (const FieldInfo& info : fields)
        if (info.name == name) return info.field;
    return std::nullopt;
}

}  // namespace geometry
