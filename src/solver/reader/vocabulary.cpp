// SPDX-License-Identifier: MIT
#include "reader/vocabulary.h"

#include "engine/solids.h"

namespace solver::reader {
namespace {

using enum Role;

// clang-format off
constexpr Phrase phraseTable[] = {
    // Solids, by the names tasks give them, and what a name says of them.
    {"куб|куба|кубът|кубче|кубчето|кубчета|кубове|кубовете", Solid, "cube"},
    // „Кубична кутия“, „с кубична форма“: a cube; „кубичен сантиметър“ stays a unit.
    {"кубичн*|кубичен кутия|кутията|кутии|кутиите|съд|съда|съдът|аквариум*|форма|формата|басейн*|резервоар*"
     "|блок*|камък|камъка|контейнер*|кашон*|стая|стаята|зар|зарче*|тяло|тялото|кула|кулата|сандък*", Solid, "cube"},
    {"правоъгълн*|правоъгълен паралелепипед*", Solid, "box"},
    {"паралелепипед*", Solid, "box"},
    {"призм*", Solid, "prism"},
    {"пирамид*", Solid, "pyramid"},
    {"многоъгълник*", Solid, "polygon"},
    {"квадрат|квадрата|квадратът|квадрати|квадратите", Solid, "polygon", "n=4"},
    {"правилн*|правилен|равностран*|равностранен триъгълник*", Solid, "polygon", "n=3"},
    {"петоъгълник*", Solid, "polygon", "n=5"},
    {"шестоъгълник*", Solid, "polygon", "n=6"},
    {"седмоъгълник*", Solid, "polygon", "n=7"},
    {"осмоъгълник*", Solid, "polygon", "n=8"},
    {"деветоъгълник*", Solid, "polygon", "n=9"},
    {"десетоъгълник*", Solid, "polygon", "n=10"},
    {"дванадесетоъгълник*", Solid, "polygon", "n=12"},
    {"цилиндър*|цилиндри|цилиндрите|цилиндрич*", Solid, "cylinder"},
    {"равностран*|равностранен цилиндър*", Solid, "cylinder", "h=2r"},
    {"конус*|конич*", Solid, "cone"},
    {"равностран*|равностранен конус*", Solid, "cone", "l=2r"},
    {"сфер*|кълб*|топк*|топче*", Solid, "sphere"},
    {"пресечен* конус*", Solid, "cone-frustum"},
    {"пресечен* пирамид*", Solid, "pyramid-frustum"},
    // Bases of other shapes: with a prism or a pyramid, its base; alone, a plane figure.
    {"триъгълник*", Solid, "triangle"},
    {"правоъгълн*|правоъгълен триъгълник*", Solid, "right-triangle"},
    {"равнобедрен* триъгълник*", Solid, "isosceles-triangle"},
    {"разностран* триъгълник*", Solid, "triangle"},
    {"правоъгълник*", Solid, "rectangle"},
    {"ромб|ромба|ромбът|ромбове|ромбовете", Solid, "rhombus"},
    {"успоредник*", Solid, "parallelogram"},
    {"равнобедрен* трапец*", Solid, "isosceles-trapezoid"},
    {"правоъгълн*|правоъгълен трапец*", Solid, "right-trapezoid"},

    // What a solid's adjectives say of its base.
    {"триъгълн*", Adjective, "", "n=3"},
    {"четириъгълн*|четиристенн*", Adjective, "", "n=4"},
    {"петоъгълн*", Adjective, "", "n=5"},
    {"шестоъгълн*", Adjective, "", "n=6"},
    {"седмоъгълн*", Adjective, "", "n=7"},
    {"осмоъгълн*", Adjective, "", "n=8"},
    {"деветоъгълн*", Adjective, "", "n=9"},
    {"десетоъгълн*", Adjective, "", "n=10"},
    {"дванадесетоъгълн*", Adjective, "", "n=12"},
    {"квадратн*", Adjective, "", "n=4"},
    {"правилн*|правилен|прав|права|правата|правия|правият|прави|правите", Adjective},
    {"основа|основата|основи|основите|дъно|дъното", Base},

    // Quantities. The longest phrase that fits is read: „лицето на основата“
    // before „лицето“.
    {"обем*|вместимост*", Quantity, "volume"},
    {"пълн*|пълен повърхнин*", Quantity, "surface"},
    {"лице*|площ* на пълн* повърхнин*", Quantity, "surface"},
    {"лице*|площ* на цял* повърхнин*", Quantity, "surface"},
    {"повърхнин*", Quantity, "surface"},
    {"лице*|площ* на повърхнин*", Quantity, "surface"},
    {"околн*|околен|странич* повърхнин*", Quantity, "lateral"},
    {"лице*|площ* на околн*|странич* повърхнин*", Quantity, "lateral"},
    // Both at once: „лицата на околната и пълната повърхнина“.
    {"[лице*|площ*] [на] околн*|странич* и пълн* повърхнин*", Quantity, "lateral and surface"},
    {"[лице*|площ*] [на] пълн* и околн*|странич* повърхнин*", Quantity, "surface and lateral"},
    {"лице*|площ* на [едната|една|всяка] основа*|дъно|дъното", Quantity, "base area"},
    {"лице*|площ* на кръг*|круга", Quantity, "base area"},
    {"кръг* с лице*|площ*", Quantity, "base area"},
    {"лице|лицето|лица|лицата|площ|площта|площи|площите", WeakQuantity, "area"},
    {"лице*|площ* на [една|всяка] околн* стен*", Quantity, "lateral face area"},
    {"лице*|площ* на [една|всяка|едната] [от] [стените] стен*|стена|стената", Quantity, "face area"},
    {"периметър*|периметр*|обиколк* на осно|осното сечени*", Quantity, "axial section perimeter"},
    {"диагонал* на осно|осното сечени*", Quantity, "axial section diagonal"},
    {"височин*|висок|висока|високо|високи", Quantity, "height"},
    {"височин* на [всяка|една] околн* стен*", Quantity, "face height"},
    {"височин* към основн* ръб*", Quantity, "face height"},
    {"радиус*", Quantity, "radius"},
    {"радиус* на основа*|дъно|дъното", Quantity, "radius"},
    {"кръг* с радиус*", Quantity, "radius"},
    {"радиус* на вписан* [в] [основа*] окръжност*", Quantity, "inradius"},
    {"радиус* на окръжност* [,] вписан* [в] [основа*]", Quantity, "inradius"},
    {"радиус* на описан* [около] [основа*] окръжност*", Quantity, "circumradius"},
    {"радиус* на окръжност* [,] описан* [около] [основа*]", Quantity, "circumradius"},
    {"диаметър*|диаметр*", Quantity, "diameter"},
    {"диаметър*|диаметр* на основа*|дъно|дъното", Quantity, "diameter"},
    {"кръг* с диаметър*|диаметр*", Quantity, "diameter"},
    {"образуващ*", Quantity, "slant"},
    {"апотем*", Quantity, "apothem"},
    {"апотем* на основа*", Quantity, "base apothem"},
    {"околн*|околен|странич* ръб*", Quantity, "lateral edge"},
    {"основн*|основен ръб*", Quantity, "base edge"},
    {"ръб* на основа*", Quantity, "base edge"},
    {"страна|страната|страни|страните на основа*", Quantity, "base edge"},
    {"ръб*", Quantity, "edge"},
    {"страна|страната|страни|страните", Quantity, "side"},
    {"периметър*|периметр*|обиколк*", Quantity, "perimeter"},
    {"периметър*|периметр*|обиколк* на основа*", Quantity, "perimeter"},
    {"кръг* с обиколк*", Quantity, "perimeter"},
    {"диагонал*", Quantity, "diagonal"},
    {"пространствен*|телесн* диагонал*", Quantity, "diagonal"},
    {"диагонал* на [една|едната] [от] [околн*|околните|страничн*] стен*|стената|стена", Quantity, "face diagonal"},
    {"стенн* диагонал*", Quantity, "face diagonal"},
    {"диагонал* на основа*", Quantity, "base diagonal"},
    {"осно|осното|осни|осните сечени*", Quantity, "axial section"},
    {"лице*|площ* на осно|осното сечени*", Quantity, "axial section"},
    {"брой* [на] страни*|страните|ъгли*|върхове*", Quantity, "sides"},
    {"катет*", Quantity, "leg"},
    {"хипотенуз*", Quantity, "hypotenuse"},
    {"бедр*|бедро", Quantity, "isosceles leg"},
    {"наклонен*|наклоненото бедр*|бедро", Quantity, "slanted leg"},
    // A right trapezoid's legs: the shorter is at right angles to the bases, its height.
    {"по-малк*|по-късо|по-късото бедр*|бедро", Quantity, "shorter leg"},
    {"по-голям*|по-дълго|по-дългото бедр*|бедро", Quantity, "longer leg"},
    // Which of a trapezoid's bases: what a turning about it needs to know („около по-голямата си основа“).
    {"голям*|голямата|по-голям* основа|основата", Quantity, "shape base", "larger"},
    {"малк*|малката|по-малк* основа|основата", Quantity, "shape base", "smaller"},
    {"дължин*|дълъг|дълга|дълго", WeakQuantity, "length"},
    {"ширин*|широк|широка|широко", Quantity, "width"},
    {"дълбочин*|дълбок|дълбока|дълбоко", Quantity, "depth"},
    {"измерени*|размер*", Quantity, "dimensions"},
    // A frustum's two bases: the larger (r1, a1) and the smaller (r2, a2), or both.
    {"радиус* на [двете] основи|основите", Quantity, "radius"},
    {"диаметър*|диаметр* на [двете] основи|основите", Quantity, "diameter"},
    {"лице*|лица|лицата|площ* на [двете] основи|основите", Quantity, "base area"},
    {"периметър*|периметр*|обиколк* на [двете] основи|основите", Quantity, "perimeter"},
    {"ръб*|страна|страни|страните на [двете] основи|основите", Quantity, "base edge"},
    {"радиус* на голям*|по-голям* основа*", Quantity, "larger radius"},
    {"радиус* на малк*|по-малк* основа*", Quantity, "smaller radius"},
    {"диаметър*|диаметр* на голям*|по-голям* основа*", Quantity, "larger diameter"},
    {"диаметър*|диаметр* на малк*|по-малк* основа*", Quantity, "smaller diameter"},
    {"ръб*|страна|страната на голям*|по-голям* основа*", Quantity, "larger base edge"},
    {"основн*|основен ръб* на голям*|по-голям* основа*", Quantity, "larger base edge"},
    {"ръб*|страна|страната на малк*|по-малк* основа*", Quantity, "smaller base edge"},
    {"основн*|основен ръб* на малк*|по-малк* основа*", Quantity, "smaller base edge"},
    {"лице*|площ* на голям*|по-голям* основа*", Quantity, "larger base area"},
    {"лице*|площ* на малк*|по-малк* основа*", Quantity, "smaller base area"},
    {"периметър*|периметр*|обиколк* на голям*|по-голям* основа*", Quantity, "larger perimeter"},
    {"периметър*|периметр*|обиколк* на малк*|по-малк* основа*", Quantity, "smaller perimeter"},
    {"височин* на пълн*|целия|цял* конус*|пирамид*", Quantity, "whole height"},
    {"височин* на конус*|пирамид* [,] от който|която [е] получен*|отрязан*", Quantity, "whole height"},
    {"сбор*|сума* от|на [дължин*] [на] всич*|всичк* ръб*", Quantity, "all edges"},
    {"сбор*|сума* от|на [трите|всичките|всички] измерени*", Quantity, "dimension sum"},
    {"сбор*|сума* от|на [дължин*] [на] [всич*|всичк*] околн* ръб*", Quantity, "lateral edges"},
    {"сбор*|сума* от|на [дължин*] [на] [всич*|всичк*] основн* ръб*", Quantity, "base edges"},

    // Angles: between a line and the base, between a face and the base, at an apex, of the net's sector.
    {"ъгъл* между образуващ* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "edge angle"},
    {"ъгъл* между околн*|околен ръб* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "edge angle"},
    {"образуващ* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "edge angle"},
    {"околн*|околен ръб* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "edge angle"},
    {"образуващ* [е] наклонен* към|спрямо [равнината] [на] [голям*|по-голям*] основа* под ъгъл", Quantity, "edge angle"},
    {"околн*|околен ръб* [е|са] наклонен* към|спрямо [равнината] [на] [голям*|по-голям*] основа* под ъгъл", Quantity, "edge angle"},
    {"сключва|сключват|образува|образуват с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "line angle"},
    {"[е] наклонен*|наклонена към|спрямо [равнината] [на] [голям*|по-голям*] основа* под ъгъл", Quantity, "line angle"},
    {"ъгъл* между околн* стен* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "face angle"},
    {"ъгъл* между апотем*|височин* на околн* стен* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "face angle"},
    {"апотем*|височин* на околн* стен* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "face angle"},
    {"двустен* ъгъл* при основн* ръб*", Quantity, "face angle"},
    {"околн* стен* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "face angle"},
    {"околн* стен* [е|са] наклонен* към|спрямо [равнината] [на] [голям*|по-голям*] основа* под ъгъл", Quantity, "face angle"},
    {"ъгъл* между диагонал* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "diagonal angle"},
    {"ъгъл* между диагонал* на [една|едната] [от] [околн*|околните|страничн*] стен*|стената|стена и [равнината] [на] "
     "основа*", Quantity, "face diagonal angle"},
    {"диагонал* на [една|едната] [от] [околн*|околните|страничн*] стен*|стената|стена сключва*|образува* с|със "
     "[равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "face diagonal angle"},
    {"ъгъл* между диагонал* на осно|осното сечени* и [равнината] [на] [голям*|по-голям*] основа*", Quantity, "diagonal angle"},
    {"диагонал* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity, "diagonal angle"},
    {"диагонал* на осно|осното сечени* сключва*|образува* с|със [равнината] [на] [голям*|по-голям*] основа* ъгъл", Quantity,
     "diagonal angle"},
    {"диагонал* [е] наклонен* към|спрямо [равнината] [на] [голям*|по-голям*] основа* под ъгъл", Quantity, "diagonal angle"},
    // A diagonal and a lateral face; two neighbouring lateral faces.
    {"ъгъл* между диагонал* [на] [призмата|паралелепипеда] и [една|едната] [от] околн*|околните|страничн* стен*|стена|стената",
     Quantity, "diagonal face angle"},
    {"диагонал* [на] [призмата|паралелепипеда] сключва*|образува* с|със [една|едната] [от] околн*|околните|страничн* "
     "стен*|стена|стената ъгъл", Quantity, "diagonal face angle"},
    {"сключва|сключват|образува|образуват с|със [една|едната] [от] околн*|околните|страничн* стен*|стена|стената ъгъл", Quantity,
     "line face angle"},
    {"ъгъл* между две|двете [съседни] околн* стен*", Quantity, "faces angle"},
    {"ъгъл* между съседн* околн* стен*", Quantity, "faces angle"},
    {"двустен* ъгъл* при околн*|околен ръб*", Quantity, "faces angle"},
    {"ъгъл* при върха на осно|осното сечени*", Quantity, "apex angle"},
    {"ъгъл* при върха на [всяка|една] околн* стен*", Quantity, "face apex angle"},
    {"равнин* ъгъл* при върха [на] [пирамидата]", Quantity, "face apex angle"},
    {"централн*|централен ъгъл* [на] [сектор*] [на] [развивк*]", Quantity, "sector angle"},
    {"развивк* [на] [околн*] [повърхнин*]", Quantity, "sector angle"},
    {"полукръг|полукръга", NumberWord, "180°"},
    {"четвърт|четвъртина кръг|кръга", NumberWord, "90°"},
    {"третина кръг|кръга", NumberWord, "120°"},
    {"три четвърти кръг|кръга", NumberWord, "270°"},
    // The net's radius is the generator, not the base's („полукръг с радиус 8 cm“
    // is read by the scanner after the angle in words).
    {"кръгов* сектор* с радиус*", Quantity, "net radius"},
    {"сектор|сектора с радиус*", Quantity, "net radius"},
    // „е сектор с централен ъгъл 120° и радиус 9 cm“: the net's sector, its radius read after it.
    {"кръгов сектор|сектора", Filler, "sector"},
    {"сектор|сектора", Filler, "sector"},
    {"радиус* на сектор*|развивк*", Quantity, "net radius"},
    {"кръг|кръга с радиус*", Unsupported, "net radius"},

    // Where a pyramid's apex is over its base: all lateral edges equal (the
    // centre of the circle round the base), all faces at equal angles to the
    // base (the centre of the circle inside it).
    {"[всички|всичките] околн* ръб* [са] равни [помежду] [си]", Filler, "apex edges"},
    {"равни околни ръбове", Filler, "apex edges"},
    {"[всички|всичките] околн* стен* сключват|образуват равни ъгли с|със основата", Filler, "apex faces"},
    {"[всички|всичките] околн* стен* [са] наклонени под равни ъгли към|спрямо основата", Filler, "apex faces"},
    {"равни апотеми", Filler, "apex faces"},
    {"височин* към нея|него", Quantity, "height"},
    {"височин* към основа|основата", Quantity, "height"},  // an isosceles triangle's  // „страна 4 см и височина към нея 3,5 см“
    {"височин* към по-малк*|по-къс* страна|страната", Quantity, "height to the shorter side"},
    {"височин* към по-голям*|по-дълг* страна|страната", Quantity, "height to the longer side"},

    // Names that with what follows them state a relation (relationCues()).
    {"околн* стен*", Quantity, "lateral faces"},
    {"всич*|всичк* ръб*", Quantity, "every edge"},

    // What a task asks.
    {"намерете|намери|намерим|намира|намират|намерят|пресметнете|пресметни|пресметнем|изчислете|изчисли|изчислим"
     "|определете|определи|колко|какъв|каква|какво|какви|търси|търсят|търсената|търсеният|търсения", Ask},
    {"да се намер*|пресмет*|изчисл*|определ*", Ask},
    {"отговор|отговори|отг [.] [:]", AnswerGiven},
    {"в|във", In},

    // Units; those the solver does not take have no meaning.
    {"cm|см|сантиметр*|сантиметър", Unit, "cm"},
    {"mm|мм|милиметр*|милиметър", Unit, "mm"},
    {"dm|дм|дециметр*|дециметър", Unit, "dm"},
    {"m|м|метр*|метър", Unit, "m"},
    {"l|л|литр*|литър|литра", Unit, "l"},
    {"ml|мл|милилитр*|милилитър", Unit, "ml"},
    {"km|км|километ*|стотинк*|хектар*|декар*", Unit},
    {"кв|квадратн*|квадратен", UnitPower, "2"},
    {"куб|кубичн*|кубическ*|кубичен", UnitPower, "3"},

    // Numbers in words.
    {"един|една|едно", NumberWord, "1"},
    {"два|две", NumberWord, "2"},
    {"три", NumberWord, "3"},
    {"четири", NumberWord, "4"},
    {"пет", NumberWord, "5"},
    {"шест", NumberWord, "6"},
    {"седем", NumberWord, "7"},
    {"осем", NumberWord, "8"},
    {"девет", NumberWord, "9"},
    {"десет", NumberWord, "10"},
    {"половин|половина|половината|половинката", NumberWord, "1/2"},
    {"една трета|третина|третината", NumberWord, "1/3"},
    {"две трети", NumberWord, "2/3"},
    {"една четвърт|четвърт|четвъртина|четвъртината", NumberWord, "1/4"},
    {"три четвърти", NumberWord, "3/4"},
    {"двойно|двойна|двоен|удвоен*", NumberWord, "2", "times"},
    {"тройно|тройна|троен|утроен*", NumberWord, "3", "times"},
    {"пи|pi", PiWord},

    // The words of relations.
    {"пъти|път", Times},
    {"по-голям*|по-голeм*|по-голем*|по-дълъг|по-дълга|по-дълго|по-дълги|по-висок*|по-широк*|по-дълбок*|повече", Greater},
    {"по голям*|дълъг|дълга|висок*|широк*", Greater},
    {"по-малк*|по-малък|по-къс*|по-нис*|по-тес*|по-тяс*|по-плитк*|по-малко", Less},
    {"по малк*|малък|къс*|нисък|ниска|тесен|тясна", Less},
    {"от", From},
    {"с|със", With},
    {"равен|равна|равно|равни [на]", Equal},
    {"колкото", Equal},
    {"се отнас*|отнас* [както|като]", RatioVerb},
    {"отнас* [както|като]", RatioVerb},
    {"отношение*|отношението", RatioNoun},
    {"към", To},
    {"сбор*|сума*", Sum},
    {"разлик*", Difference},
    {"него|нея|тях|те", Pronoun},
    {"и", And},

    // Rounding.
    {"точност*|закръгл*", RoundingIntro},
    {"единиците|единици|цяло|цели|цялото", Rounding, "0"},
    {"десетите|десети|десетата|десетни", Rounding, "1"},
    {"стотните|стотни|стотна|стотната", Rounding, "2"},
    {"хилядните|хилядни|хилядна|хилядната", Rounding, "3"},
    {"градус|градуса|градуси", Rounding, "°"},

    // Numbering and points.
    {"зад|задача|задачата|упражнение|пример|въпрос", TaskWord},
    {"точка|точки|т|тчк", PointsWord},

    {"ѝ|й|му|им|си", Clitic},
    {"на", Filler, "of"},
    {"около", Filler, "around"},  // „описана около куб“ (reader/spheres.cpp)
    {"който|която|което|които|чийто|чиято|чието|чиито|където", Filler, "which"},
    {"има|имат|имаща|имащ|имащи", Filler, "has"},  // „цилиндърът има височина 3 cm“ (reader/composed.cpp)
    {"дадена|даден|дадено|дадени|дадената|даденият|дадения|е|са|бъде|било|за|до|при"
     "|ако|когато|където|който|която|което|които|чийто|чиято|чието|чиито|нейн*|негов*|техн*|тази|този|това|тези"
     "|стойност*|число|числото|числа|форма|формата|вид|вида|съд|съдът|съда|вода|водата"
     "|побира|побере|събира|съдържа|вмества|ще|да|се|би|също|още|тогава|следн*|данни|данните|условие*|всеки|всяка"
     "|всяко|всички|всичките|по|като|както|върху|между|чрез|че|ли|то|а|но|или|съответно|помежду|точно"
     "|приблизително|приемете|вземете|считайте|дайте|дадете|изразете|запишете|отговорът|отговора|резултат*"
     "|кръг|кръга|кръгът|кръгове|неговата|нейната|дълги|мерна|мерни|единица"
     "|получен*|полученото|образувано|също|още|която|кой|коя|кое|кои|лицата|виж|фигура*|чертеж*", Filler},

    // A body of two solids (reader/composed.cpp): the words that make the
    // solids named one body; alone, named as not read.
    {"съставен*|съставено", Unsupported, "composed"},
    {"полукълб*|полусфер*", Unsupported, "hemisphere"},
    {"кух*", Unsupported, "hollow"},
    {"отвор*", Unsupported, "hole"},
    {"изрязан*|отрязан*|издълб*|пробит*", Unsupported, "cut out"},
    {"поставен*|поставено|поставени|долепен*|залепен*|слепен*|прикрепен*", Filler, "placed"},
    // „Кофа с форма на цилиндър … В нея е поставен конус“: the cone takes room inside it.
    {"в|във нея|него [е|са|бил|била|било] поставен*|поставено|поставени|вмъкнат*|вложен*", Unsupported, "cut out"},
    {"вътре|вътре в нея|него [е|са] поставен*|поставено|поставени|вмъкнат*|вложен*", Unsupported, "cut out"},
    {"обща|общата|общ|общия|общият основа|основата", Filler, "common base"},
    {"обща|общата ос|оста", Filler, "common base"},
    // Which of two cylinders on one axis: read where the lower is named first (reader/composed.cpp).
    {"долният|долния", Unsupported, "lower"},
    {"горният|горния", Unsupported, "upper"},
    {"равни височини", Relation, "equal heights"},
    // „конус със същата основа и височина“ (as the cylinder's): its height the cylinder's.
    {"същата|съща|същите основа|основи и височина|височини", Relation, "equal heights"},
    {"същата|съща височина", Relation, "equal heights"},
    {"лице*|площ* на общ*|общата основа|основата", Quantity, "base area"},
    {"външн*|външен радиус*", Quantity, "outer radius"},
    {"вътрешн*|вътрешен радиус*", Quantity, "inner radius"},
    {"външн*|външен диаметър*|диаметр*", Quantity, "outer diameter"},
    {"вътрешн*|вътрешен диаметър*|диаметр*", Quantity, "inner diameter"},
    {"дебелин* [на] [стената|стените]", Quantity, "wall"},
    {"външн* околн* повърхнин*", Quantity, "outer lateral"},
    {"вътрешн* околн* повърхнин*", Quantity, "inner lateral"},

    // Tasks the solver does not solve yet: named, never guessed at.
    // „вписан“, „описан“ with a sphere and the solid are read by reader/spheres.cpp; else named.
    {"вписан*", Unsupported, "inscribed"},
    {"описан*", Unsupported, "circumscribed"},
    {"окръжност*", Filler, "circle"},
    // A plane figure turned about a line, read as the solid it makes (reader/rotation.cpp); else named.
    {"завърт*|въртене*|въртенето|върти|въртят|ротац*", Unsupported, "turn"},
    {"ос|оста [на] симетрия|симетрията", Quantity, "symmetry axis"},
    {"успоредна|успоредно|успоредни|успоредната|успоредното", Filler, "parallel"},
    {"тяло|тялото|тела|телата", Filler, "body"},  // „полученото тяло“: the solid a turned figure makes
    {"перпендикулярн*|перпендикулярен", Filler, "perpendicular"},
    {"пресечен*|наклонен*|ъгъл|ъгъла"
     "|ъгълът|ъгли|ъглите|градус*|трапец*|делтоид*"
     "|сечени*|развивк*|сектор*|полукръг*|капак*"
     "|увелич*|намал*|удвоя*|удвои*|утрои*|изменя*|промен*|друг|друга|друго|други|другия|другият", Unsupported},

    // The quantities of use: the fill of a vessel and the liquid in it, the
    // mass by a density, the area to paint less the doors and windows, a
    // vessel without a lid, a cost by a price per unit (reader/uses.cpp).
    {"g|г|гр|грам|грама|грамове|грамовете", Unit, "g"},
    {"kg|кг|килограм|килограма|килограми|килограмове|килограмите", Unit, "kg"},
    {"t|тон|тона|тонове|тоновете", Unit, "t"},
    {"лв|лева|лев|левове", Unit, "лв."},
    {"напълн*|наля*|налет*|налива*|налее|налеем|налеят|налейте|пълен|пълна|пълно|пълни", Fill, "fill"},
    {"напълн*|наля*|налива*|пълен|пълна|пълно|пълни|стига|стигат|достига* до", Fill, "fill to"},
    {"вода|водата|течност* [е] [стига|достига] до", Fill, "fill to"},
    {"вода|водата|течност* заема|заемат", Fill, "fill to"},
    {"заема|заемат", Fill, "occupies"},
    {"част|частта", Fill, "part"},
    {"догоре|изцяло", Fill, "", "f=1"},
    {"до горе|ръба|ръбовете|върха", Fill, "", "f=1"},
    {"наполовина", Fill, "", "f=1/2"},
    {"до половината|половинката", Fill, "", "f=1/2"},
    {"вода|водата|течност* [е] до|на височина", Fill, "level"},
    {"ниво|нивото [на] [водата|течността]", Fill, "level"},
    {"на височина", Fill, "level"},
    {"маса|масата|тегло|теглото|тежи|тежат|тежащ*|претегл*", Quantity, "mass"},
    {"плътност|плътността", Quantity, "density"},
    {"специфичн* тегло|теглото", Quantity, "density"},
    {"обем* на вода|водата|течност*", Quantity, "liquid"},
    {"врат* и|или прозор*|прозорец*", Quantity, "openings"},
    {"прозор*|прозорец* и|или врат*", Quantity, "openings"},
    {"боядис*", Quantity, "painted area"},
    {"лице*|площ* за боядисване", Quantity, "painted area"},
    {"цена|цената|струва|струват", Quantity, "cost"},
    {"струва|струват|цена|цената|разход|разходът|разходите [за] [на] боядисване|боядисването", Quantity, "paint cost"},
    {"без капак|капака", OpenSolid, "open"},
    {"без горна|горната основа|стена", OpenSolid, "open"},
    {"без дъно|дъното", OpenSolid, "open"},
    {"отворен*|открит* [отгоре]", OpenSolid, "open"},
    {"тръба|тръбата|тръби|тръбите", OpenSolid, "tube"},
    {"без основи|основите", OpenSolid, "tube"},
    {"без двете основи|основи", OpenSolid, "tube"},
    {"без дъно|дъното и капак|капака", OpenSolid, "tube"},
    {"без", Filler},
    // „Колко картон е нужен за направата на кутията?“: the material to make a solid is its surface.
    {"картон*|ламарин*|хартия|хартията|плат|плата|стъкло|стъклото|тенекия|тенекията|шперплат*|фолио|фолиото"
     " [е|са|ще] [е|са|бъде|бъдат] нужен|нужна|нужно|нужни|необходим*|отиде|отидат|изразходва*|употреб*|използва*"
     " за направата|изработването|изработване|направа|направата|облепването|облепване|опаковането|опаковане",
     Quantity, "surface"},
    {"донал*|долее*|долеят|долив*|доля*|изпар*|изтеч*|изпомп*|потоп*|потъ*|изпусн*", Unsupported},
    {"заемащ*|материал*|сплав*|метал*|желяз*|злат*|сребр*|мед|медта|алумини*|стомана*|чугун*|олов*"
     "|стъкл*|дърв*|бетон*|мрамор*|гранит*|ламарин*|боя|боята|стая|стаята|кутия|кутията|аквариум*"
     "|басейн*|резервоар*|цистерн*|кофа|кофата|буркан*|чаша|чашата|нужн*|необходим*", Filler},
};

constexpr QuantityKey quantityKeyTable[] = {
    {"volume", "", "V"},
    {"surface", "sphere double-cone", "S"},
    {"surface", "", "S1"},
    {"lateral", "", "S"},
    {"lateral and surface", "cube box prism pyramid cylinder cone prism-* pyramid-* cone-frustum pyramid-frustum", "S S1"},
    {"surface and lateral", "cube box prism pyramid cylinder cone prism-* pyramid-* cone-frustum pyramid-frustum", "S1 S"},
    {"base area", "prism pyramid cylinder cone prism-* pyramid-*", "B"},
    {"area", "polygon right-triangle isosceles-triangle triangle rectangle rhombus parallelogram isosceles-trapezoid"
             " right-trapezoid", "B"},
    {"area", "sphere", "S"},
    {"area", "cube box prism pyramid cylinder cone prism-* pyramid-* cone-frustum pyramid-frustum", "S1"},
    // A frustum's bases: two numbers in either order, the larger base's first.
    {"radius", "cone-frustum", "r1 r2", false, true},
    {"diameter", "cone-frustum", "d1 d2", false, true},
    {"base area", "cone-frustum pyramid-frustum", "B1 B2", false, true},
    {"base edge", "pyramid-frustum", "a1 a2", false, true},
    {"side", "pyramid-frustum", "a1 a2", false, true},
    {"perimeter", "pyramid-frustum", "P1 P2", false, true},
    {"larger radius", "cone-frustum", "r1"},
    {"smaller radius", "cone-frustum", "r2"},
    {"larger diameter", "cone-frustum", "d1"},
    {"smaller diameter", "cone-frustum", "d2"},
    {"larger base edge", "pyramid-frustum", "a1"},
    {"smaller base edge", "pyramid-frustum", "a2"},
    {"larger base area", "cone-frustum pyramid-frustum", "B1"},
    {"smaller base area", "cone-frustum pyramid-frustum", "B2"},
    {"larger perimeter", "pyramid-frustum", "P1"},
    {"smaller perimeter", "pyramid-frustum", "P2"},
    {"whole height", "cone-frustum pyramid-frustum", "H"},
    {"slant", "cone-frustum", "l"},
    {"apothem", "pyramid-frustum", "k"},
    {"face height", "pyramid-frustum", "k"},
    {"lateral edge", "pyramid-frustum", "b"},
    {"sides", "pyramid-frustum", "n"},
    {"edge angle", "cone-frustum pyramid-frustum", "α"},
    {"face angle", "pyramid-frustum", "φ"},
    {"line angle", "cone-frustum", "α"},
    {"sector angle", "cone-frustum", "θ"},
    {"axial section", "cone-frustum", "Q"},
    {"height", "box", "c"},
    {"height", "cube prism pyramid cylinder cone prism-* pyramid-* cone-frustum pyramid-frustum", "h"},
    // A base's own height, named after the base („основа ромб със страна 3 cm и височина 2 cm“), or of the figure alone.
    {"base height", "~rhombus ~parallelogram ~isosceles-triangle", "ha"},
    {"base height", "~isosceles-trapezoid ~right-trapezoid", "h1"},
    {"base height", "~right-triangle", "hc"},
    {"base height", "~triangle", "ha"},
    {"height", "rhombus parallelogram isosceles-triangle", "ha"},
    {"height", "isosceles-trapezoid right-trapezoid", "h1"},
    {"height", "right-triangle", "hc"},
    // Sides read in the order given: the shorter first, as tasks give them.
    {"height to the shorter side", "~parallelogram", "ha"},
    {"height to the longer side", "~parallelogram", "hb"},
    {"leg", "~right-triangle", "a b"},
    {"hypotenuse", "~right-triangle", "c"},
    {"isosceles leg", "~isosceles-triangle", "b"},
    {"isosceles leg", "~isosceles-trapezoid ~right-trapezoid", "c"},
    {"slanted leg", "~right-trapezoid", "c"},
    {"shorter leg", "~right-trapezoid", "h1"},
    {"longer leg", "~right-trapezoid", "c"},
    {"shape base", "~isosceles-triangle", "a"},
    {"shape base", "~isosceles-trapezoid ~right-trapezoid", "a b"},
    {"base diagonal", "~rhombus ~right-trapezoid", "d1 d2"},
    {"base diagonal", "~rectangle ~isosceles-trapezoid", "d"},
    {"diagonal", "rhombus right-trapezoid", "d1 d2"},
    {"diagonal", "rectangle isosceles-trapezoid", "d"},
    {"face height", "pyramid pyramid-*", "k"},
    {"radius", "cylinder cone sphere double-cone", "r"},
    {"inradius", "pyramid polygon ~right-triangle ~isosceles-triangle ~triangle ~rhombus", "r"},
    {"circumradius", "pyramid polygon ~right-triangle ~isosceles-triangle ~triangle ~rectangle", "R"},
    {"diameter", "cylinder cone sphere", "d"},
    {"slant", "cone", "l"},
    {"slant", "cylinder", "h"},
    {"apothem", "pyramid pyramid-*", "k"},
    {"apothem", "polygon", "r"},
    {"base apothem", "pyramid", "k1"},
    {"lateral edge", "pyramid", "b"},
    // Over the centre of the circle inside, the lateral edges differ corner to corner.
    {"lateral edge", "pyramid-triangle-faces pyramid-right-triangle-faces", "lA lB lC"},
    {"lateral edge", "pyramid-isosceles-triangle-faces", "lA lB"},
    {"lateral edge", "pyramid-rhombus-faces", "l1 l2"},
    {"lateral edge", "pyramid-*", "l"},
    {"lateral edge", "prism prism-*", "h"},
    {"lateral edge", "box", "c"},
    {"base edge", "prism pyramid cube ~rhombus", "a"},
    {"base edge", "~rectangle ~parallelogram", "a b"},
    {"base edge", "~triangle", "a b c"},
    {"side", "~rhombus", "a"},
    {"side", "~rectangle ~parallelogram", "a b"},
    {"side", "~triangle", "a b c"},
    {"base edge", "box", "a b"},
    {"edge", "cube", "a"},
    {"edge", "box", "a b c"},
    {"side", "polygon prism pyramid cube", "a"},
    // The side of a cylinder's square or a cone's equilateral axial section: its height, its generator.
    {"side", "cylinder", "h"},
    {"side", "cone", "l"},
    {"perimeter", "polygon prism pyramid prism-* pyramid-* ~right-triangle ~isosceles-triangle ~triangle ~rectangle"
                  " ~rhombus ~parallelogram ~isosceles-trapezoid ~right-trapezoid", "P"},
    {"diagonal", "cube box prism", "d"},
    {"face diagonal", "cube prism", "d1"},
    {"axial section diagonal", "cylinder", "d1"},
    {"base diagonal", "box", "d1"},
    {"edge angle", "cone pyramid pyramid-*", "α"},
    {"face angle", "pyramid pyramid-*", "φ"},
    // A line named before it („образуващата е 8 cm и сключва с основата ъгъл 30°“): the solid's one such line.
    {"line angle", "cone box cylinder pyramid-*", "α"},
    {"diagonal angle", "box cylinder", "α"},
    {"face diagonal angle", "prism", "α"},
    {"diagonal angle", "prism", "β"},
    {"diagonal face angle", "prism", "γ"},
    {"diagonal face angle", "box", "β"},
    {"faces angle", "pyramid", "ψ"},
    {"apex angle", "cone", "β"},
    {"face apex angle", "pyramid", "γ"},
    {"sector angle", "cone", "θ"},
    {"net radius", "cone", "l"},
    {"axial section", "cylinder cone", "Q"},
    {"sides", "polygon prism pyramid", "n"},
    {"length", "box", "a"},
    {"width", "box", "b"},
    {"depth", "box", "c"},
    {"dimensions", "box", "a b c"},
    {"base measures", "box", "a b"},
    {"every edge", "cube", "a", true},
    {"every edge", "pyramid", "a b", true},
    {"every edge", "prism", "a h", true},
    {"dimension sum", "box", "a+b+c"},
    // Sums of edges (engine/tables/edges.cpp); a pyramid's base edges are its perimeter.
    {"all edges", "cube box prism pyramid prism-* pyramid-*", "E"},
    {"lateral edges", "box prism pyramid prism-* pyramid-*", "El"},
    {"base edges", "box prism prism-*", "Eb"},
    {"base edges", "pyramid pyramid-*", "P"},

    // The quantities of use; the fill of a height is the fill of the volume
    // only in a vessel of one cross-section all the way up.
    {"fill", "", "f"},
    {"height fill", "cube box prism prism-* cylinder", "f"},
    {"liquid", "", "Vt"},
    {"mass", "", "m"},
    {"density", "", "ρ"},
    {"openings", "", "Sd"},
    {"painted area", "", "Sp"},
    {"area price", "", "cS"},
    {"volume price", "", "cV"},
    {"paint cost", "", "CS"},
    {"open surface", "cube box prism prism-* cylinder", "So"},
    {"tube surface", "cube box prism prism-* cylinder", "S"},
    {"length", "cylinder", "h"},  // a pipe's, a log's

    // Bodies of two solids (reader/composed.cpp): a quantity named for a part
    // („височината на конуса“) is "height|cone"; the body's own by its plain name.
    {"surface", "cylinder-cone cylinder-hemisphere hollow-cylinder prism-pyramid double-cone cylinder-without-cone "
                "cylinder-two-cones cylinder-without-two-cones cone-hemisphere two-cylinders", "S"},
    // A body's lateral surface is no one quantity (a hollow's is outer and inner): named, not read as S.
    {"lateral", "cylinder-cone cylinder-hemisphere hollow-cylinder prism-pyramid double-cone cylinder-without-cone "
                "cylinder-two-cones cylinder-without-two-cones cone-hemisphere two-cylinders", ""},
    {"area", "cylinder-cone cylinder-hemisphere hollow-cylinder prism-pyramid double-cone cylinder-without-cone "
             "cylinder-two-cones cylinder-without-two-cones cone-hemisphere two-cylinders", "S"},
    // „Колко боя е нужна, за да се боядиса цялата играчка?“: a body painted is painted all over.
    {"painted area", "cylinder-cone cylinder-hemisphere hollow-cylinder prism-pyramid double-cone cylinder-without-cone "
                     "cylinder-two-cones cylinder-without-two-cones cone-hemisphere two-cylinders", "S"},
    {"radius", "cylinder-cone cylinder-hemisphere cylinder-without-cone cylinder-two-cones cylinder-without-two-cones "
               "cone-hemisphere", "r"},
    {"diameter", "cylinder-cone cylinder-hemisphere cylinder-without-cone cylinder-two-cones cylinder-without-two-cones "
                 "cone-hemisphere", "d"},
    {"radius", "hollow-cylinder", "R r", false, true},
    {"diameter", "hollow-cylinder", "D d", false, true},
    {"outer radius", "hollow-cylinder", "R"},
    {"inner radius", "hollow-cylinder", "r"},
    {"outer diameter", "hollow-cylinder", "D"},
    {"inner diameter", "hollow-cylinder", "d"},
    {"wall", "hollow-cylinder", "t"},
    {"volume|hole", "hollow-cylinder", "V2"},
    {"radius|hole", "hollow-cylinder", "r"},
    {"diameter|hole", "hollow-cylinder", "d"},
    {"outer lateral", "hollow-cylinder", "S1"},
    {"inner lateral", "hollow-cylinder", "S2"},
    {"height", "cylinder-hemisphere hollow-cylinder cone-hemisphere", "h"},
    {"length", "hollow-cylinder", "h"},
    {"height|body", "cylinder-cone cylinder-hemisphere prism-pyramid cone-hemisphere", "H"},
    {"slant", "cylinder-cone cone-hemisphere", "l"},
    {"slant|cone", "cone-hemisphere", "l"},
    {"height|cone", "cone-hemisphere", "h"},
    {"volume|cone", "cone-hemisphere", "V1"},
    {"volume|hemisphere", "cone-hemisphere", "V2"},
    {"lateral|cone", "cone-hemisphere", "S1"},
    {"surface|hemisphere", "cone-hemisphere", "S2"},
    {"area|hemisphere", "cone-hemisphere", "S2"},
    {"slant|cone", "cylinder-cone cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "l"},
    {"height|cylinder", "cylinder-cone cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "h1"},
    {"height|cone", "cylinder-cone cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "h2"},
    {"height|cylinder", "cylinder-hemisphere", "h"},
    {"height|prism", "prism-pyramid", "h1"},
    {"height|cube", "prism-pyramid", "h1"},
    {"height|pyramid", "prism-pyramid", "h2"},
    {"volume|cylinder", "cylinder-cone cylinder-hemisphere cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "V1"},
    {"volume|cone", "cylinder-cone cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "V2"},
    {"volume|hemisphere", "cylinder-hemisphere", "V2"},
    {"volume|prism", "prism-pyramid", "V1"},
    {"volume|cube", "prism-pyramid", "V1"},
    {"volume|pyramid", "prism-pyramid", "V2"},
    {"lateral|cylinder", "cylinder-cone cylinder-hemisphere cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "S1"},
    {"lateral|cone", "cylinder-cone cylinder-without-cone cylinder-two-cones cylinder-without-two-cones", "S2"},
    {"lateral|prism", "prism-pyramid", "S1"},
    {"lateral|pyramid", "prism-pyramid", "S2"},
    {"surface|hemisphere", "cylinder-hemisphere", "S2"},
    {"area|hemisphere", "cylinder-hemisphere", "S2"},
    {"base edge", "prism-pyramid", "a"},
    {"edge", "prism-pyramid", "a"},
    {"side", "prism-pyramid", "a"},
    {"apothem", "prism-pyramid", "k"},
    {"apothem|pyramid", "prism-pyramid", "k"},
    {"face height", "prism-pyramid", "k"},
    {"base area", "cylinder-cone cylinder-hemisphere prism-pyramid hollow-cylinder cone-hemisphere", "B"},
    {"radius", "double-cone", "r"},
    {"diameter", "double-cone", "d"},
    {"height|cone", "double-cone", "h1 h2"},
    {"height", "double-cone", "h1 h2"},
    {"slant|cone", "double-cone", "l1 l2"},
    {"slant", "double-cone", "l1 l2"},
    {"volume|cone", "double-cone", "V1 V2"},
    {"height|body", "double-cone", "c"},
    // Two cylinders on one axis: the lower's first, as the reader takes them only so.
    {"radius", "two-cylinders", "r1 r2"},
    {"diameter", "two-cylinders", "d1 d2"},
    {"height", "two-cylinders", "h1 h2"},
    {"radius|cylinder", "two-cylinders", "r1 r2"},
    {"height|cylinder", "two-cylinders", "h1 h2"},
    {"volume|cylinder", "two-cylinders", "V1 V2"},
    {"lateral|cylinder", "two-cylinders", "S1 S2"},
    {"height|body", "two-cylinders", "H"},
    {"radius|lower", "two-cylinders", "r1"},
    {"radius|upper", "two-cylinders", "r2"},
    {"diameter|lower", "two-cylinders", "d1"},
    {"diameter|upper", "two-cylinders", "d2"},
    {"height|lower", "two-cylinders", "h1"},
    {"height|upper", "two-cylinders", "h2"},
    {"volume|lower", "two-cylinders", "V1"},
    {"volume|upper", "two-cylinders", "V2"},
    {"lateral|lower", "two-cylinders", "S1"},
    {"lateral|upper", "two-cylinders", "S2"},
    {"base area|lower", "two-cylinders", "B1"},
    {"base area|upper", "two-cylinders", "B2"},

    // The sphere described about the solid and the ball inscribed in it (reader/spheres.cpp).
    {"around sphere radius", "", "Rc"},
    {"around sphere diameter", "", "dc"},
    {"around sphere surface", "", "Sc"},
    {"around sphere volume", "", "Vc"},
    {"inner sphere radius", "", "ri"},
    {"inner sphere diameter", "", "di"},
    {"inner sphere surface", "", "Si"},
    {"inner sphere volume", "", "Vi"},
};

constexpr std::string_view inAndAroundSolidTable[] = {"sphere"};

constexpr SphereQuantity sphereQuantityTable[] = {
    {"radius", "radius"}, {"diameter", "diameter"}, {"volume", "volume"}, {"surface", "surface"}, {"area", "surface"},
};

constexpr SpherePronoun spherePronounTable[] = {
    {"сфер", "ѝ|й", "нея"}, {"топк", "ѝ|й", "нея"}, {"кълб", "му", "него"}, {"топч", "му", "него"},
};

constexpr SphereReason sphereReasonTable[] = {
    {"inner", "box", "В правоъгълен паралелепипед може да се впише кълбо само когато той е куб."},
    {"inner", "", "Кълбо, вписано в {}, още не се намира."},
    {"around", "", "Сфера, описана около {}, още не се намира."},
};

// A figure turned about a line (reader/rotation.cpp). The double cone: two cones on a common base, the body a
// triangle makes turning about a side.
constexpr Rotation rotationTable[] = {
    {"right-triangle", "", "leg", "cone", "a b", "axis=h other=r c=l"},
    {"right-triangle", "", "hypotenuse", "double-cone", "", "a=l1 b=l2 c=c", "γ=90°"},
    {"rectangle", "", "side", "cylinder", "a b", "axis=h other=r"},
    {"polygon", "n=4", "side", "cylinder", "", "a=h a=r n="},
    {"rectangle", "", "symmetry axis", "cylinder", "a b", "axis=h other=d", "", "parallel", true},
    {"polygon", "n=4", "symmetry axis", "cylinder", "", "a=h a=d n=", "", "", true},
    {"isosceles-triangle", "", "height", "cone", "", "a=d b=l ha=h", "", "", true},
    {"isosceles-triangle", "", "symmetry axis", "cone", "", "a=d b=l ha=h", "", "", true},
    {"isosceles-triangle", "", "shape base", "double-cone", "", "b=l1 b=l2 a=c ha=r"},
    // A square or a rhombus about a diagonal: two equal cones, the figure the whole axial section.
    {"polygon", "n=4", "diagonal", "double-cone", "", "a=l1 a=l2 n=", "γ=90°", "", true},
    {"rhombus", "", "diagonal", "double-cone", "d1 d2", "axis=c other=d a=l1 a=l2", "", "", true},
    {"right-trapezoid", "", "isosceles leg", "cone-frustum", "a b", "larger=r1 smaller=r2 h1=h c=l", "", "perpendicular"},
    {"right-trapezoid", "", "height", "cone-frustum", "a b", "larger=r1 smaller=r2 h1=h c=l"},
    {"right-trapezoid", "", "shorter leg", "cone-frustum", "a b", "larger=r1 smaller=r2 h1=h c=l"},
    {"isosceles-trapezoid", "", "symmetry axis", "cone-frustum", "a b", "larger=d1 smaller=d2 h1=h c=l", "", "", true},
    // About its larger base: a cylinder as high as the smaller base with a cone on it, the height the radius.
    {"right-trapezoid", "", "shape base", "cylinder-cone", "a b", "axis=H other=h1 h1=r c=l", "", "larger"},
    // About its smaller base: a cylinder as long as the larger base, a cone as deep as their difference cut out of it.
    {"right-trapezoid", "", "shape base", "cylinder-without-cone", "a b", "axis=h1-h2 other=h1 h1=r c=l", "", "smaller"},
    // An isosceles trapezoid about a base: a cylinder with a cone on each base, out of it or cut into it.
    {"isosceles-trapezoid", "", "shape base", "cylinder-two-cones", "a b", "axis=H other=h1 h1=r c=l", "", "larger"},
    {"isosceles-trapezoid", "", "shape base", "cylinder-without-two-cones", "a b", "axis=m other=h1 h1=r c=l", "", "smaller"},
    {"semicircle", "", "diameter", "sphere", "", ""},
};

constexpr FigureAgain figureAgainTable[] = {
    {"right-triangle", "триъгълник"}, {"isosceles-triangle", "триъгълник"}, {"rectangle", "правоъгълник"},
    {"polygon", "квадрат"},           {"right-trapezoid", "трапец"},        {"isosceles-trapezoid", "трапец"},
    {"semicircle", "полукръг"},
};

constexpr UseAsked useAskedTable[] = {
    {"f", "Vt"}, {"ρ", "m"}, {"Sd", "Sp"}, {"cS", "CS"}, {"cV", "CV"}, {"open", "So"}, {"tube", "S"},
};

constexpr CostKey costKeyTable[] = {{"cS", "CS"}, {"cV", "CV"}};

constexpr std::string_view wallWordTable[] = {"стена", "стената", "стени", "стените"};

constexpr RelationKey relationKeyTable[] = {
    {"square faces", "prism prism-rhombus", "h=a"},
    {"equal edges", "pyramid", "b=a"},
    {"equal edges", "prism prism-rhombus", "h=a"},
    {"equal edges", "cube", ""},
    {"square section", "cylinder", "h=2r"},
    {"equilateral section", "cone", "l=2r"},
    {"equilateral faces", "pyramid", "b=a"},
    {"equal heights", "cylinder-cone prism-pyramid cylinder-without-cone", "h2=h1"},
};

// A part's quantity that is the body's too: „радиуса на цилиндъра“ is the common base's.
constexpr std::string_view sharedQuantityTable[] = {"radius", "diameter", "edge", "base edge", "side", "base area"};

constexpr ComposedBody composedBodyTable[] = {
    {"cylinder", "cone", "cylinder-cone"},
    {"cylinder", "hemisphere", "cylinder-hemisphere"},
    {"cone", "hemisphere", "cone-hemisphere"},
    {"prism", "pyramid", "prism-pyramid", "", "n=4", true},
    {"cube", "pyramid", "prism-pyramid", "h1=a", "n=4"},
    // „два конуса с обща основа“: a part named twice over by the number.
    {"cone", "cone", "double-cone"},
    {"cylinder", "cylinder", "two-cylinders"},
    {"cylinder", "cone", "cylinder-without-cone", "", "", false, true},
};

constexpr HollowBody hollowBodyTable[] = {
    {"cylinder", "tube", "hollow-cylinder", "hollow hole"},
};

constexpr RelationCue relationCueTable[] = {
    {"lateral faces", Role::Solid, "n=4", "square faces", "lateral face area"},
    {"lateral faces", Role::Solid, "n=3", "equilateral faces", "lateral face area"},
    {"axial section", Role::Solid, "n=4", "square section", "axial section"},
    {"axial section", Role::Solid, "n=3", "equilateral section", "axial section"},
    {"every edge", Role::Equal, "", "equal edges"},
    {"edge", Role::Equal, "", "equal edges"},
};

constexpr ShapeWithHeight shapeWithHeightTable[] = {
    {"polygon", "n=3", "triangle", "b=a c=a"},
};

constexpr AngleOfLine angleOfLineTable[] = {
    {"slant", "edge angle"},         {"lateral edge", "edge angle"},   {"lateral faces", "face angle"},
    {"apothem", "face angle"},       {"face height", "face angle"},    {"diagonal", "diagonal angle"},
    {"axial section diagonal", "diagonal angle"},  {"face diagonal", "face diagonal angle"},
    {"diagonal", "diagonal face angle", "line face angle"},
};

constexpr SymbolKey symbolKeyTable[] = {
    {"h_a", "pyramid", "k"},
    {"ha", "pyramid", "k"},
    {"H", "cube prism pyramid cylinder cone", "h"},
    {"L", "cone", "l"},
};
// clang-format on

}  // namespace

std::span<const Phrase> phrases() { return phraseTable; }
std::span<const UseAsked> useAsked() { return useAskedTable; }
std::span<const Rotation> rotations() { return rotationTable; }
std::span<const FigureAgain> figuresAgain() { return figureAgainTable; }
std::span<const CostKey> costKeys() { return costKeyTable; }
std::span<const std::string_view> wallWords() { return wallWordTable; }
std::span<const QuantityKey> quantityKeys() { return quantityKeyTable; }
std::span<const RelationKey> relationKeys() { return relationKeyTable; }
std::span<const ComposedBody> composedBodies() { return composedBodyTable; }
std::span<const std::string_view> sharedQuantities() { return sharedQuantityTable; }
std::span<const HollowBody> hollowBodies() { return hollowBodyTable; }
std::span<const SymbolKey> symbolKeys() { return symbolKeyTable; }
std::span<const AngleOfLine> anglesOfLines() { return angleOfLineTable; }
std::span<const RelationCue> relationCues() { return relationCueTable; }
std::span<const ShapeWithHeight> shapesWithHeight() { return shapeWithHeightTable; }
std::span<const SphereReason> sphereReasons() { return sphereReasonTable; }
std::span<const std::string_view> inAndAroundSolids() { return inAndAroundSolidTable; }
std::span<const SphereQuantity> sphereQuantities() { return sphereQuantityTable; }
std::span<const SpherePronoun> spherePronouns() { return spherePronounTable; }

namespace {

// "prism-*": every solid of the family on a base of its own shape; "~rhombus":
// the rhombus and every solid on one.
bool listed(std::string_view item, std::string_view key) {
    if (item == key) return true;
    const bool family = item.ends_with("-*"), base = item.starts_with("~");
    if (!family && !base) return false;
    const SolidRow* solid = solidByKey(key);
    if (!solid) return false;
    if (family) return solid->family == item.substr(0, item.size() - 2);
    return item.substr(1) == key || (!solid->family.empty() && solid->parts.front().table().key == item.substr(1));
}

}  // namespace

bool listsSolid(std::string_view solids, std::string_view solid) {
    if (solids.empty()) return true;
    while (!solids.empty()) {
        const auto space = solids.find(' ');
        if (listed(solids.substr(0, space), solid)) return true;
        if (space == std::string_view::npos) break;
        solids.remove_prefix(space + 1);
    }
    return false;
}

}  // namespace solver::reader
