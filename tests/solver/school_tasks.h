// SPDX-License-Identifier: MIT
#pragma once
// School tasks, one table for every solid: what a task gives (as the command
// line takes it), and what the answer key says. The core's tests run every row
// through solve(); tests/solver/export_tasks.cpp writes the table as JSON for
// the command line's test (which compares the exact forms with a computer
// algebra system) and for the page's browser test.
//
// `answers` holds one string per solution, in the order the solver gives
// them: "l=5 S=15*pi" compares exact forms as the solver writes them in ASCII;
// "r~2.88374853584294" compares the decimal to the digits written and says
// there is no exact form; "n=-" says the quantity is not determined.

#include <ostream>
#include <string_view>
#include <vector>

namespace solver::testing {

enum class Expect { Solved, None, Underdetermined, Invalid };

struct SchoolTask {
    std::string_view what;
    std::string_view task;  // "cone r=3 h=4", options first where a task needs them: "--pi=3.14 sphere S=36π"
    Expect status = Expect::Solved;
    std::vector<std::string_view> answers = {};
    std::string_view message = {};  // part of the message, for the other statuses
};

inline void PrintTo(const SchoolTask& task, std::ostream* out) { *out << task.task; }

// clang-format off
inline const std::vector<SchoolTask>& schoolTasks() {
    static const std::vector<SchoolTask> tasks = {
    // Cube.
    {"a cube from its edge", "cube a=5", Expect::Solved, {"d=5*sqrt(3) d1=5*sqrt(2) S=100 S1=150 V=125"}},
    {"a cube from its diagonal", "cube d=6", Expect::Solved, {"a=2*sqrt(3) d1=2*sqrt(6) S=48 S1=72 V=24*sqrt(3)"}},
    {"a cube from its volume", "cube V=27", Expect::Solved, {"a=3 S=36 S1=54"}},
    {"a cube from its full surface", "cube S1=96", Expect::Solved, {"a=4 V=64"}},
    {"a cube whose edge is a cube root", "cube V=16", Expect::Solved, {"a~2.51984209978975 S1~38.0976252472368"}},
    {"an edge below one, its zero before the comma", "cube a=0,75", Expect::Solved, {"S=9/4 V=27/64"}},
    {"a cube from a face diagonal", "cube d1=4√2", Expect::Solved, {"a=4 d=4*sqrt(3)"}},
    {"a volume in litres, results in centimetres", "cube V=8l --unit=cm", Expect::Solved, {"a=20 V=8000 S1=2400"}},
    // Rectangular box.
    {"a box from its three edges", "box a=3 b=4 c=12", Expect::Solved, {"d=13 S=168 S1=192 V=144"}},
    {"edges in three units, results in centimetres", "box a=12cm b=104mm c=1,5dm --unit=cm", Expect::Solved,
     {"b=52/5 c=15 V=1872 S=672 S1=4608/5 d=sqrt(11929)/5"}},
    {"the height from the volume", "box a=3 b=4 V=60", Expect::Solved, {"c=5 d=5*sqrt(2)"}},
    {"two boxes from an edge, the diagonal and the volume", "box a=1 d=√14 V=6", Expect::Solved,
     {"b=2 c=3 S=18 S1=22", "b=3 c=2 S=16 S1=22"}},
    {"the height from the lateral surface", "box a=2 b=3 S=40", Expect::Solved, {"c=4 V=24 S1=52"}},
    {"an edge longer than the diagonal", "box a=3 b=4 d=4", Expect::None, {}, "d² = a² + b² + c²"},
    // Right prism.
    {"a regular quadrilateral prism", "prism n=4 a=3 h=5", Expect::Solved, {"P=12 B=9 S=60 S1=78 V=45"}},
    {"a regular triangular prism", "prism n=3 a=4 h=10", Expect::Solved,
     {"P=12 B=4*sqrt(3) S=120 S1=120+8*sqrt(3) V=40*sqrt(3)"}},
    {"a regular hexagonal prism", "prism n=6 a=2 h=5", Expect::Solved, {"B=6*sqrt(3) S=60 S1=60+12*sqrt(3) V=30*sqrt(3)"}},
    {"any right prism from its base's perimeter and area", "prism P=24 B=36 h=5", Expect::Solved,
     {"S=120 S1=192 V=180 n=- a=-"}},
    {"a base of area 100 and perimeter 10 is no polygon", "prism P=10 B=100 h=5", Expect::None, {}, "P² : (4π)"},
    {"the base edge from the lateral surface", "prism n=4 S=80 h=5", Expect::Solved, {"P=16 a=4 B=16 S1=112 V=80"}},
    {"the base edge from the volume", "prism n=3 h=10 V=40√3", Expect::Solved, {"a=4 B=4*sqrt(3) S1=120+8*sqrt(3)"}},
    // Regular pyramid.
    {"a regular triangular pyramid", "pyramid n=3 a=6 h=4", Expect::Solved,
     {"r=sqrt(3) k=sqrt(19) B=9*sqrt(3) S=9*sqrt(19) V=12*sqrt(3) R=2*sqrt(3) b=2*sqrt(7)"}},
    {"a regular quadrilateral pyramid", "pyramid n=4 a=6 h=4", Expect::Solved,
     {"r=3 k=5 P=24 B=36 S=60 S1=96 V=48 R=3*sqrt(2) b=sqrt(34)"}},
    {"the height from the apothem", "pyramid n=4 a=6 k=5", Expect::Solved, {"h=4 V=48"}},
    {"the height of a triangular pyramid from its apothem", "pyramid n=3 a=6 k=4", Expect::Solved,
     {"h=sqrt(13) b=5 S=36 V=3*sqrt(39)"}},
    {"a regular hexagonal pyramid", "pyramid n=6 a=2 h=3", Expect::Solved,
     {"r=sqrt(3) k=2*sqrt(3) B=6*sqrt(3) S=12*sqrt(3) V=6*sqrt(3) R=2 b=sqrt(13)"}},
    {"the calculator's pyramid: perimeter, area, apothem and height that agree", "pyramid P=24 B=36 k=5 h=4",
     Expect::Solved, {"r=3 S=60 S1=96 V=48 n=- a=-"}},
    {"an apothem shorter than the base's inradius", "pyramid n=4 a=6 k=2", Expect::None, {}, "апотемата"},
    {"the base's apothem and the height", "pyramid n=4 k1=3 h=4", Expect::Solved, {"a=6 k=5 r=3 V=48"}},
    {"the base's apothem of a hexagonal pyramid with its apothem", "pyramid n=6 k1=3 k=5", Expect::Solved,
     {"a=2*sqrt(3) h=4 r=3"}},
    {"the base's apothem is the base's inradius", "pyramid n=4 a=6 k1=4", Expect::None, {}, "апотемата на основата"},
    // Regular polygon.
    {"a regular hexagon", "polygon n=6 a=2", Expect::Solved, {"P=12 B=6*sqrt(3) r=sqrt(3) R=2"}},
    {"an equilateral triangle", "polygon n=3 a=6", Expect::Solved, {"P=18 B=9*sqrt(3) r=sqrt(3) R=2*sqrt(3)"}},
    {"a regular pentagon: decimals alone", "polygon n=5 a=2", Expect::Solved,
     {"P=10 B~6.88190960235587 r~1.37638192047117 R~1.70130161670408"}},
    {"a square from its circumradius", "polygon n=4 R=√2", Expect::Solved, {"a=2 B=4 r=1 P=8"}},
    {"the number of sides from the perimeter", "polygon a=2 P=12", Expect::Solved, {"n=6 B=6*sqrt(3)"}},
    {"a regular dodecagon", "polygon n=12 a=1", Expect::Solved, {"r=(2+sqrt(3))/2 R=(sqrt(2)+sqrt(6))/2 B=6+3*sqrt(3)"}},
    {"a perimeter that is no multiple of the side", "polygon P=12 a=5", Expect::None, {}, "цяло число"},
    {"two sides are no polygon", "polygon n=2 a=3", Expect::Invalid, {}, "поне 3"},
    // Sums of a polyhedron's edges: of all, of the lateral, of the base edges.
    {"a cube from the sum of its edges", "cube E=60", Expect::Solved, {"a=5 V=125"}},
    {"a box's height from the sum of its edges", "box a=3 b=4 E=48", Expect::Solved, {"c=5 V=60 El=20 Eb=28"}},
    {"a box's edges too short for the sum", "box a=3 b=4 E=20", Expect::None, {}, "E > 4(a + b)"},
    {"the sums of a regular prism's edges asked", "prism n=4 a=3 h=5 E=?", Expect::Solved, {"El=20 Eb=24 E=44"}},
    {"a regular prism with square faces from the sum of its edges", "prism n=4 E=60 h=a", Expect::Solved,
     {"a=5 h=5 V=125"}},
    {"a regular hexagonal prism's height from its lateral edges", "prism n=6 a=2 El=30", Expect::Solved,
     {"h=5 E=54 V=30*sqrt(3)"}},
    {"a regular pyramid's lateral edges asked", "pyramid n=3 a=6 b=5 E=?", Expect::Solved, {"El=15 E=33"}},
    {"a regular pyramid from the sum of its lateral edges", "pyramid n=4 a=6 El=20", Expect::Solved,
     {"b=5 h=sqrt(7) V=12*sqrt(7)"}},
    {"a regular pyramid's base edges are its perimeter", "pyramid n=4 b=5 E=44", Expect::Solved, {"a=6 P=24 h=sqrt(7)"}},
    {"the edges of a prism on a right triangle", "prism-right-triangle a=3 b=4 h=10 E=?", Expect::Solved,
     {"El=30 Eb=24 E=54"}},
    {"a prism on a rhombus, its height from the sum of its edges", "prism-rhombus a=5 ha=4 E=60", Expect::Solved,
     {"h=5 V=100"}},
    {"a pyramid on a rectangle with equal lateral edges from the sum of its edges", "pyramid-rectangle-edges a=6 b=8 E=80",
     Expect::Solved, {"l=13 h=12 V=192"}},
    {"a pyramid on a triangle with equal lateral edges", "pyramid-isosceles-triangle-edges a=6 b=5 l=5 E=?",
     Expect::Solved, {"El=15 E=31"}},
    {"a pyramid whose lateral edges differ has no sum of them", "pyramid-rhombus-faces a=5 ha=4 h=3 El=?",
     Expect::Invalid, {}, "„El“ не е величина"},
    // Right prisms and pyramids on bases of any shape, and the bases alone.
    {"a prism on a right triangle by its legs", "prism-right-triangle a=5 b=12 h=10", Expect::Solved,
     {"c=13 P=30 B=30 S=300 S1=360 V=300 r=2 R=13/2 hc=60/13"}},
    {"a prism on a rhombus by its side and height", "prism-rhombus a=3cm ha=2cm h=5cm", Expect::Solved,
     {"B=6 P=12 S=60 S1=72 V=30 r=1 d1=sqrt(15)-sqrt(3) d2=sqrt(3)+sqrt(15)"}},
    {"a parallelogram's sides and height in three units", "prism-parallelogram a=3cm b=50mm ha=0,4dm h=10cm --unit=cm",
     Expect::Solved, {"B=12 P=16 hb=12/5 S=160 S1=184 V=120 α~53.130102354156"}},
    {"a prism on a rhombus by its diagonals", "prism-rhombus d1=6 d2=8 h=10", Expect::Solved,
     {"a=5 B=24 P=20 S=200 S1=248 V=240 ha=24/5 r=12/5"}},
    {"the height from the volume, on a rhombus", "prism-rhombus d1=6 d2=8 V=120", Expect::Solved, {"h=5 S=100"}},
    {"a prism on an isosceles triangle by its base and leg", "prism-isosceles-triangle a=6 b=5 h=10", Expect::Solved,
     {"ha=4 B=12 P=16 S=160 S1=184 V=120 hb=24/5 r=3/2 R=25/8"}},
    {"a prism on an isosceles trapezoid", "prism-isosceles-trapezoid a=10 b=4 c=5 h=7", Expect::Solved,
     {"h1=4 B=28 P=24 S=168 S1=224 V=196 d=sqrt(65)"}},
    {"a prism on a triangle by its three sides (Heron)", "prism-triangle a=13 b=14 c=15 h=10", Expect::Solved,
     {"B=84 V=840 S=420 S1=588 r=4 R=65/8"}},
    {"grade 8: no Heron's formula", "--grade=8 prism-triangle a=13 b=14 c=15 h=10", Expect::Solved,
     {"P=42 S=420 B=- V=-"}},
    {"a pyramid on a rectangle, all lateral edges 13", "pyramid-rectangle-edges a=6 b=8 l=13", Expect::Solved,
     {"d=10 R=5 h=12 V=192 ka=4*sqrt(10) kb=3*sqrt(17) S=24*sqrt(10)+24*sqrt(17)"}},
    {"a pyramid on a right triangle, its apex over the hypotenuse's midpoint", "pyramid-right-triangle-edges a=6 b=8 h=12",
     Expect::Solved, {"l=13 ka=4*sqrt(10) kb=3*sqrt(17) kc=12 S=60+12*sqrt(10)+12*sqrt(17) V=96"}},
    {"a pyramid on a rhombus, its faces at equal angles to the base", "pyramid-rhombus-faces d1=12 d2=16 h=6,4",
     Expect::Solved, {"a=10 B=96 r=24/5 k=8 S=160 S1=256 V=1024/5"}},
    {"a pyramid on an isosceles triangle, equal faces' heights", "pyramid-isosceles-triangle-faces a=6 b=5 h=2",
     Expect::Solved, {"k=5/2 S=20 S1=32 V=8"}},
    {"sides that make no triangle", "triangle a=1 b=2 c=5", Expect::None, {}, "по-малка от сбора на другите две"},
    {"a rectangle by its sides", "rectangle a=3 b=4", Expect::Solved, {"d=5 R=5/2 B=12 P=14"}},
    {"a right trapezoid", "right-trapezoid a=7 b=4 h1=4", Expect::Solved, {"c=5 P=20 B=22 d1=sqrt(65) d2=4*sqrt(2)"}},
    {"a parallelogram by two sides and the angle", "parallelogram a=6 b=4 α=30°", Expect::Solved, {"ha=2 hb=3 B=12 P=20"}},
    {"a leg longer than the hypotenuse", "right-triangle a=5 c=4", Expect::None, {}, "хипотенузата"},
    // Cylinder.
    {"a cylinder from radius and height", "cylinder r=3 h=4", Expect::Solved, {"d=6 S=24*pi S1=42*pi V=36*pi Q=24"}},
    {"the radius from the lateral surface", "cylinder h=7 S=70π", Expect::Solved, {"r=5 S1=120*pi V=175*pi"}},
    {"two cylinders from the full surface and the volume", "cylinder S1=42π V=36π", Expect::Solved,
     {"r=3 h=4", "r=(sqrt(57)-3)/2 h=(33+3*sqrt(57))/8"}},
    {"the height from the volume and the diameter", "cylinder d=10 V=250π", Expect::Solved, {"r=5 h=10"}},
    {"the radius from the axial section and the volume", "cylinder Q=24 V=36π", Expect::Solved, {"r=3 h=4 S1=42*pi"}},
    {"the lateral surface is always π times the axial section", "cylinder S=20π Q=20", Expect::Underdetermined},
    {"a lateral surface that is not π times the axial section", "cylinder S=20π Q=30", Expect::None},
    {"the height alone", "cylinder h=5", Expect::Underdetermined, {}, "още една величина"},
    {"π ≈ 3,14 in the decimals", "--pi=3.14 cylinder r=3 h=4", Expect::Solved, {"S=24*pi S1=42*pi"}},
    // Cone.
    {"a cone from radius and height", "cone r=3 h=4", Expect::Solved, {"l=5 S=15*pi S1=24*pi V=12*pi Q=12"}},
    {"two cones from the lateral surface and the volume", "cone S=15π V=12π", Expect::Solved,
     {"r=3 h=4 l=5", "r~2.88374853584294 h~4.32900140449407 l~5.20156310911326"}},
    {"a slant height shorter than the radius", "cone r=5 l=3", Expect::None, {}, "по-дълга от радиуса"},
    {"three givens that agree", "cone r=3 h=4 l=5", Expect::Solved, {"S=15*pi V=12*pi"}},
    {"π typed as пи", "cone r=3 S=15пи", Expect::Solved, {"l=5 h=4 V=12*pi"}},
    {"π typed as Пи with a unit", "cylinder h=7 S=70Пиcm2", Expect::Solved, {"r=5 V=175*pi"}},
    {"three givens that disagree", "cone r=3 h=4 l=6", Expect::None, {}, "l² = r² + h²"},
    {"the radius from the slant height and the lateral surface", "cone l=10 S=60π", Expect::Solved,
     {"r=6 h=8 V=96*pi S1=96*pi"}},
    {"the slant height from the full surface", "cone r=6 S1=96π", Expect::Solved, {"l=10 h=8"}},
    {"π ≈ 3,14 with the slant height", "--pi=3.14 cone r=6 l=10", Expect::Solved, {"h=8 S=60*pi V=96*pi"}},
    {"one given is not enough", "cone r=3", Expect::Underdetermined, {}, "h, l, S, S1, V или Q"},
    {"two cones from the slant height and the axial section", "cone l=5 Q=12", Expect::Solved,
     {"r=3 h=4", "r=4 h=3"}},
    {"roots in the surfaces", "cone r=2 h=2", Expect::Solved, {"l=2*sqrt(2) S=4*sqrt(2)*pi S1=(4+4*sqrt(2))*pi"}},
    // Sphere and ball.
    {"a ball from its radius", "sphere r=3", Expect::Solved, {"d=6 S=36*pi V=36*pi"}},
    {"π ≈ 3,14, as grade-6 tasks ask", "--pi=3.14 sphere S=36π", Expect::Solved, {"r=3 V=36*pi"}},
    {"the radius from the volume", "sphere V=36π", Expect::Solved, {"r=3 S=36*pi"}},
    {"a decimal radius", "sphere r=2,5", Expect::Solved, {"d=5 S=25*pi V=125*pi/6"}},
    {"a radius that is not positive", "sphere r=-2", Expect::Invalid, {}, "положително"},
    {"a radius that is no number", "sphere r=abc", Expect::Invalid, {}, "не се чете"},
    {"a radius divided by zero", "sphere r=1/0", Expect::Invalid, {}, "деление на нула"},
    {"a quantity the ball has not", "sphere x=2", Expect::Invalid, {}, "не е величина"},
    {"a solid that does not exist", "kubche a=2", Expect::Invalid, {}, "Няма тяло"},
    // The school's arithmetic: data a key rounded, π ≈ 3,14, and a grade's tools.
    {"a grade-6 test's pyramid: the base's apothem given rounded, 8,65 for 5√3",
     "pyramid n=6 a=10cm h=1,2dm r=8,65cm", Expect::Solved, {"P=60 B=519/2 V=1038 R=10"}},
    {"the same in grade 6: no Pythagoras, the apothem and surfaces not found",
     "--grade=6 pyramid n=6 a=10cm h=1,2dm r=8,65cm V=?", Expect::Solved, {"B=519/2 V=1038 k=- S=- S1=-"}},
    {"a cube's diagonal rounded to 5,2", "cube a=3 d=5,2", Expect::Solved, {"S1=54 V=27 d1=3*sqrt(2)"}},
    {"a cube's diagonal 5,3 is no rounding of 3√3", "cube a=3 d=5,3", Expect::None, {}, "следва d = 3√3 ≈ 5,196"},
    {"a cone's slant height rounded", "cone r=2 h=7 l=7,28", Expect::Solved, {"S=364*pi/25 V=28*pi/3 Q=14"}},
    {"a pyramid's base inradius rounded to one digit", "pyramid n=3 a=4 h=5 r=1,2", Expect::Solved,
     {"B=36/5 V=12"}},
    {"an inradius too far to be rounded", "pyramid n=3 a=4 h=5 r=1,3", Expect::None, {}, "2√3/3 ≈ 1,155"},
    {"a volume a key computed with π ≈ 3,14", "--pi=3.14 cylinder r=5 h=10 V=785", Expect::Solved,
     {"S=100*pi S1=150*pi Q=100"}},
    {"a ball's volume computed with π ≈ 3,14", "--pi=3.14 sphere r=3 V=113,04", Expect::Solved, {"d=6 S=36*pi"}},
    {"a surface computed with π ≈ 3,14 is π times the axial section", "--pi=3.14 cylinder Q=30 S=94,2",
     Expect::Underdetermined, {}, "още една величина"},
    {"a decimal datum beside π: the full surface as the key writes it", "--pi=3.14 cylinder r=5 S=314",
     Expect::Solved, {"h=10 S1=471 V=785"}},
    {"π ≈ 3,14 in grade 6", "--grade=6 --pi=3.14 cylinder d=10 h=7", Expect::Solved, {"r=5 S=70*pi V=175*pi"}},
    {"grade 6: a diagonal no cube has, though the grade cannot find it", "--grade=6 cube a=3 d=9", Expect::None, {},
     "d = 3√3 ≈ 5,196"},
    {"n found from the base's edge and area", "pyramid a=6 B=9√3", Expect::Underdetermined, {}, "следва n = 3"},
    {"n found from the edge and the circumradius", "pyramid a=2 R=2", Expect::Underdetermined, {}, "следва n = 6"},
    {"n found from the two radii", "pyramid r=√3 R=2", Expect::Underdetermined, {}, "следва n = 6"},
    {"n found from a prism's base", "prism a=3 B=9", Expect::Underdetermined, {}, "следва n = 4"},
    {"n found, then the pyramid", "pyramid a=2 R=2 h=3", Expect::Solved, {"n=6 k=2*sqrt(3) V=6*sqrt(3)"}},
    {"grade 6: the square's own formulas, the apothem given", "--grade=6 pyramid n=4 a=6 k=5 S1=?", Expect::Solved,
     {"B=36 r=3 S=60 S1=96 h=- V=-"}},
    {"grade 6: a lateral surface needs the apothem", "--grade=6 pyramid n=4 a=6 h=4 S=?", Expect::Underdetermined, {},
     "например k"},
    {"grade 6: the equilateral triangle's area", "--grade=6 prism n=3 a=4 h=10", Expect::Solved,
     {"B=4*sqrt(3) V=40*sqrt(3)"}},
    {"grade 7: Pythagoras", "--grade=7 cone r=5 h=12 S1=?", Expect::Solved, {"l=13 S1=90*pi"}},
    {"a Cyrillic а for the Latin a", "cube а=3", Expect::Invalid, {}, "кирилската буква „а“"},
    {"a Cyrillic с in cm", "cube a=3сm", Expect::Solved, {"V=27"}},
    {"a number below the range", "cube a=1e-400", Expect::Invalid, {}, "Въведете число между тях"},
    // Givens that are relations.
    {"a height two thirds of the base edge", "prism n=4 a=6 h=2a/3", Expect::Solved, {"h=4 S=96 V=144"}},
    {"a height 15 longer than the diameter", "cylinder d=10 h=d+15", Expect::Solved, {"h=25 V=625*pi"}},
    {"height and slant height as 4 : 5", "cone r=6 h:l=4:5", Expect::Solved, {"h=8 l=10 V=96*pi"}},
    {"edges as 1 : 2 : 3", "box a:b:c=1:2:3 V=48", Expect::Solved, {"a=2 b=4 c=6 S1=88"}},
    {"radius and height summing to 7", "cylinder r+h=7 Q=24", Expect::Solved, {"r=3 h=4", "r=4 h=3"}},
    {"all edges equal", "pyramid n=4 a=10 b=a", Expect::Solved, {"h=5*sqrt(2) k=5*sqrt(3) V=500*sqrt(2)/3"}},
    {"an axial section that is a square", "cylinder h=2r V=16π", Expect::Solved, {"r=2 h=4 S1=24*pi"}},
    {"a relation in another unit", "cylinder h=d+15cm d=1dm", Expect::Solved, {"h=5/2 r=1/2"}},
    {"a relation that disagrees", "cone r=6 l=9 h:l=4:5", Expect::None, {}, "h : l = 4 : 5"},
    {"a relation with a letter the solid has not", "cone h=3x r=2", Expect::Invalid, {}, "не се чете"},
    // Quantities of use: the liquid in a vessel, the mass, the area to paint, a vessel without a lid, a cost.
    {"litres of water in a cylindrical vessel filled to three quarters", "cylinder r=10cm h=30cm f=3/4",
     Expect::Solved, {"V=3000*pi Vt=2250*pi"}},
    {"a box-shaped tank half full", "prism n=4 a=20cm h=50cm f=1/2", Expect::Solved, {"V=20000 Vt=10000"}},
    {"a tank filled to 80 per cent", "box a=1m b=0,5m c=0,6m f=80%", Expect::Solved, {"V=3/10 Vt=6/25"}},
    {"the fill from litres of water in a cube", "cube a=2dm Vt=6l", Expect::Solved, {"V=8 f=3/4"}},
    {"the mass of a lead box, 1 cm³ weighing 11,4 g", "box a=5cm b=4cm c=2cm ρ=11,4", Expect::Solved, {"V=40 m=456"}},
    {"the density from the mass", "cube a=5cm m=1425g", Expect::Solved, {"ρ=57/5"}},
    {"the edge from the mass in kilograms", "cube ρ=8g/cm³ m=2kg", Expect::Solved,
     {"V=250 m=2000 a~6.29960524947437"}},
    {"a steel ball's mass", "sphere r=3cm rho=7,8", Expect::Solved, {"V=36*pi m=1404*pi/5"}},
    {"a density in kg/dm³, results in centimetres", "cube a=10cm ρ=2,7kg/dm³", Expect::Solved, {"ρ=27/10 m=2700"}},
    {"a concrete slab in metres, 2400 kg/m³", "box a=2m b=1m c=0,5m ρ=2400kg/m³", Expect::Solved, {"V=1 m=2400"}},
    {"the walls of a room to paint less doors and windows, at 12 лв. per m²", "box a=4m b=5m c=3m Sd=6 cS=12лв./m²",
     Expect::Solved, {"S=54 Sp=48 CS=576"}},
    {"a tower's roof painted whole at 12 лв. per m²", "pyramid n=4 a=6m h=4m cS=12лв./m²", Expect::Solved,
     {"S=60 Sp=60 CS=720"}},
    {"a conical roof painted at 5 лв. per m²", "cone r=3m h=4m cS=5лв./m²", Expect::Solved, {"Sp=15*pi CS=75*pi"}},
    {"an area to paint other than the lateral surface, with no doors", "cube a=2 Sp=20", Expect::None, {}, "Sp = S"},
    {"a box without a lid", "box a=30cm b=20cm c=10cm So=?", Expect::Solved, {"S=1000 B=600 So=1600"}},
    {"a bucket without a lid", "cylinder r=10 h=30 So=?", Expect::Solved, {"S=600*pi B=100*pi So=700*pi"}},
    {"the cost of the liquid at 2 лв. per litre", "cylinder r=10cm h=30cm f=3/4 cV=2лв./l", Expect::Solved,
     {"Vt=2250*pi cV=1/500 CV=9*pi/2"}},
    {"the fill from the cost of the liquid", "cube a=10cm cV=3лв./l CV=2,25лв.", Expect::Solved, {"Vt=750 f=3/4"}},
    {"a fill above the whole vessel", "cube a=3 f=5/4", Expect::Invalid, {}, "от 0 до 1"},
    {"more litres than the vessel holds", "cube a=2dm Vt=10l", Expect::None, {}, "от 0 до 1"},
    // A quantity of use alone: any one measure of the solid decides it.
    {"a density alone", "cube ρ=8", Expect::Underdetermined, {}, "например a, d, d1, S, S1 или V"},
    {"a mass alone", "cube m=8", Expect::Underdetermined, {}, "например a, d, d1, S, S1 или V"},
    {"doors larger than the walls", "box a=4 b=5 c=3 Sd=60 Sp=?", Expect::None, {}, "Sd < S"},
    {"a negative price", "cylinder r=1 h=1 cS=-2лв./m²", Expect::Invalid, {}, "положително"},
    {"a mass in kilograms with no unit of length", "cube a=3 m=2kg", Expect::Invalid, {}, "мерна единица на дължините"},
    {"a density given in kilograms alone", "cube a=3cm ρ=5kg", Expect::Invalid, {}, "g/cm³"},
    };
    return tasks;
}
// clang-format on

}  // namespace solver::testing
