// SPDX-License-Identifier: MIT
// stereometry-solve: a school task's solid from what the task gives, for
// teachers' scripts and for tests.
//
//   stereometry-solve [--json] [--pi=exact|3.14|3.141592] [--unit=mm|cm|dm|m]
//                     [--digits=N] [--separator=,|.] [--svg=figure|net] SOLID KEY=VALUE...
//   stereometry-solve [options] --text "ТЕКСТ"   (--text - reads standard input)
//
// Exit status: 0 solved, 1 no solid fits or the givens do not suffice (or,
// with --svg=net, the solid has no net), 2 a given (or an option) that cannot
// be used, or with --text a text that names no solid it can place.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "drawings.h"
#include "task/json.h"
#include "task/outcome_json.h"
#include "task/solver.h"
#include "text_command.h"
#include "worksheet_command.h"

namespace {

using namespace solver;

constexpr std::string_view usage =
    "Употреба: stereometry-solve [--json] [--pi=exact|3.14|3.141592] [--unit=mm|cm|dm|m]\n"
    "                            [--digits=N] [--grade=6..12] [--separator=,|.] [--svg=figure|net]\n"
    "                            ТЯЛО ВЕЛИЧИНА=СТОЙНОСТ...\n"
    "       stereometry-solve [опции] --text \"УСЛОВИЕ НА ЗАДАЧА\"\n"
    "\n"
    "Решава задача по стереометрия от дадените величини: намира всички величини на\n"
    "тялото, точно (15π, 9√3) и приближено, с решението стъпка по стъпка.\n"
    "С --text чете условието, както е отпечатано, и показва какво е прочело.\n"
    "\n"
    "Тела: cube (куб), box (правоъгълен паралелепипед), prism (права призма),\n"
    "      pyramid (правилна пирамида), polygon (правилен многоъгълник),\n"
    "      cylinder (цилиндър), cone (конус), sphere (сфера и кълбо).\n"
    "Основи: right-triangle (правоъгълен триъгълник: a, b катети, c, hc),\n"
    "      isosceles-triangle (равнобедрен: a основа, b бедро, ha, hb),\n"
    "      triangle (a, b, c, ha, hb, hc, p), rectangle (a, b, d), rhombus (a, ha,\n"
    "      d1, d2), parallelogram (a, b, ha, hb, α), isosceles-trapezoid (a, b\n"
    "      основи, c бедро, h1, d, R), right-trapezoid (a, b, c, h1, d1, d2);\n"
    "      всяка с P, B, r, R, където ги има.\n"
    "      Права призма на такава основа: prism-rhombus; пирамида с равни околни\n"
    "      ръбове l: pyramid-rectangle-edges; с околни стени под равни ъгли към\n"
    "      основата (апотема k): pyramid-rhombus-faces.\n"
    "Пресечени тела (r1, a1 на голямата основа, r2, a2 на малката):\n"
    "      cone-frustum (пресечен конус: r1, r2, d1, d2, B1, B2, h, l, S, S1, V, Q,\n"
    "      α, H височина на пълния конус, L, θ): cone-frustum r1=6 r2=3 h=4;\n"
    "      pyramid-frustum (правилна пресечена пирамида: n, a1, a2, h, k, b, r1, r2,\n"
    "      R1, R2, P1, P2, B1, B2, S, S1, V, α, φ, H): pyramid-frustum n=4 a1=8 a2=2 h=4.\n"
    "Ъгли (в градуси: 30, 30°; или в радиани: π/3): cone α между образуващата\n"
    "      и основата, β при върха на осното сечение, θ централен ъгъл на\n"
    "      развивката; pyramid α между околния ръб и основата, φ между околната\n"
    "      стена и основата, γ при върха на околната стена, ψ между две съседни\n"
    "      околни стени (hb височина на околната стена към околния ръб);\n"
    "      cylinder α между диагонала d1 на осното сечение и основата; box α\n"
    "      между диагонала d и основата (d1 диагонал на основата), β и γ между d\n"
    "      и околните стени с ръбове a и c, b и c; prism α между диагонала d1 на\n"
    "      околна стена и основата, d диагонал на призмата (при n = 4; големият\n"
    "      при n = 6), β между d и основата, γ между d и околна стена (при n = 4);\n"
    "      pyramid-…-edges α, pyramid-…-faces φ.\n"
    "      Гръцка буква или на латиница: alpha, beta, gamma, phi, theta, psi.\n"
    "Стойности: 3, 2,5, 3/4, 70π (или 70pi), 4√3 (или 4sqrt3), 8√3+96, с мерна\n"
    "      единица или без: 12cm, 104mm, 1,5dm, 2 l.\n"
    "Връзки: h=2a/3, h=d+15cm, h:k=3:5, a:b:c=1:2:3, r+h=7, b=a.\n"
    "За употреба: f част от обема с течност (f=3/4, f=75%), Vt обем на течността;\n"
    "      ρ (или rho) плътност (ρ=11,4 или 11,4g/cm³), m маса (m=2,5kg), mt маса\n"
    "      на течността (mt = ρ·Vt);\n"
    "      Sd лице на вратите и прозорците, Sp площ за боядисване (Sp = S − Sd,\n"
    "      без Sd: Sp = S);\n"
    "      So повърхнина без капак (So = S + B); cS цена за единица площ\n"
    "      (cS=12лв./m²), CS цена на боядисването; cV цена за единица обем\n"
    "      (cV=3лв./l), CV цена на течността (CV=12лв.).\n"
    "Сбор от ръбовете: E на всички, El на околните, Eb на основните (на\n"
    "      пирамида той е P): cube E=60, box a=3 b=4 E=48, prism n=4 a=3 h=5 E=?.\n"
    "Описана сфера: Rc радиус, dc диаметър, Sc лице, Vc обем; вписано кълбо: ri, di,\n"
    "      Si, Vi (на куб, цилиндър, конус, правилни призма и пирамида и пресечените\n"
    "      тела; около паралелепипед): cube a=2 Rc=?, cone r=6 h=8 ri=?, cube di=6.\n"
    "Съставни тела (S е повърхнината отвън; S1, S2, V1, V2 на частите):\n"
    "      double-cone (два конуса с обща основа, триъгълник, завъртян около\n"
    "      страната си c: r, c = h1 + h2, l1, l2, γ между тях): double-cone l1=6\n"
    "      l2=8 γ=90; cylinder-cone (цилиндър h1 с конус h2 върху него: r, H,\n"
    "      l): cylinder-cone r=3 h1=5 h2=4; cylinder-hemisphere (с полукълбо: r,\n"
    "      h, H = h + r); hollow-cylinder (кух цилиндър: R външен, r вътрешен\n"
    "      радиус, D, d, t = R − r дебелина, h); prism-pyramid (правилна\n"
    "      четириъгълна призма a, h1 с пирамида h2, k): prism-pyramid a=6 h1=a h2=a;\n"
    "      cylinder-without-cone (цилиндър h1 с изрязан конус h2 ≤ h1: r, l):\n"
    "      cylinder-without-cone r=6 h1=10 h2=8; cylinder-two-cones (цилиндър h1\n"
    "      с конус h2 върху всяка основа: r, l, H = h1 + 2h2; равнобедрен трапец,\n"
    "      завъртян около по-голямата си основа): cylinder-two-cones r=4 h1=4 H=10;\n"
    "      cylinder-without-two-cones (цилиндър h1 с два изрязани конуса h2,\n"
    "      върховете им на m = h1 − 2h2: r, l; трапецът около по-малката основа);\n"
    "      cone-hemisphere (конус h с полукълбо върху основата му: r, l,\n"
    "      H = h + r): cone-hemisphere r=3 h=4; two-cylinders (два цилиндъра с\n"
    "      обща ос, горният r2, h2 върху долния r1, h1, r2 ≤ r1: H, B1, B2,\n"
    "      S1, S2): two-cylinders r1=5 h1=2 r2=3 h2=4.\n"
    "\n"
    "  --text ТЕКСТ    условието на задачата като текст („Правилна четириъгълна\n"
    "                  пирамида има основен ръб 16 cm и околна повърхнина 320 cm2.\n"
    "                  Намерете обема ѝ.“); --text - го чете от стандартния вход.\n"
    "                  π, закръгляването и мерната единица на отговора са каквито\n"
    "                  ги иска текстът, освен ако --pi, --digits и --unit са дадени\n"
    "  --json          резултатът като JSON\n"
    "  --pi=exact      π точно: 15π ≈ 47,12 (по подразбиране)\n"
    "  --pi=3.14       π ≈ 3,14 в десетичните дроби\n"
    "  --pi=3.141592   π като в калкулатора\n"
    "  --unit=cm       мерна единица на резултатите (иначе тази на първата дадена)\n"
    "  --digits=N      цифри след десетичния знак (по подразбиране 2)\n"
    "  --grade=6..12   класът на ученика: стъпките само с наученото дотогава\n"
    "                  (6. клас без питагоровата теорема и без sin, cos и tg)\n"
    "  --separator=.   десетичен знак (по подразбиране запетая)\n"
    "  --svg=figure    чертежът на тялото (на първото решение) като SVG\n"
    "  --svg=net       развивката му в мащаб за печат на A4 като SVG;\n"
    "                  ВЕЛИЧИНА=? казва какво търси задачата (Q=? чертае осното сечение)\n"
    "\n"
    "Пример: stereometry-solve cone r=3 h=4\n"
    "Пример: stereometry-solve --text \"Куб има ръб 5 cm. Намерете обема му.\"\n"
    "Изходен код: 0 решена, 1 няма решение или данните не стигат, 2 грешни данни\n"
    "или непрочетено условие.\n";

struct Arguments {
    bool json = false;
    Settings settings;
    bool piChosen = false, unitChosen = false, digitsChosen = false;
    std::optional<std::string> text;
    std::string solid;
    std::vector<Given> givens;
    std::string svg;                 // "figure" or "net"
    std::vector<std::string> asked;  // KEY=?
    std::string error;
};

bool optionValue(std::string_view argument, std::string_view name, std::string& value) {
    if (!argument.starts_with(name) || argument.size() <= name.size() || argument[name.size()] != '=') return false;
    value = std::string(argument.substr(name.size() + 1));
    return true;
}

Arguments parse(int argc, char** argv) {
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string value;
        if (argument == "--json") {
            a.json = true;
        } else if (optionValue(argument, "--text", value)) {
            a.text = value;
        } else if (optionValue(argument, "--pi", value)) {
            a.piChosen = true;
            if (value == "exact") a.settings.pi = PiSetting::Exact;
            else if (value == "3.14" || value == "3,14") a.settings.pi = PiSetting::School;
            else if (value == "3.141592" || value == "3,141592") a.settings.pi = PiSetting::Calculator;
            else a.error = "--pi приема exact, 3.14 или 3.141592, а не „" + value + "“";
        } else if (optionValue(argument, "--unit", value)) {
            a.unitChosen = true;
            a.settings.unit = unitByName(value);
            if (!a.settings.unit) a.error = "--unit приема mm, cm, dm или m, а не „" + value + "“";
        } else if (optionValue(argument, "--digits", value)) {
            a.digitsChosen = true;
            if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') a.settings.digits = value[0] - '0';
            else if (value == "10" || value == "11" || value == "12") a.settings.digits = std::stoi(value);
            else a.error = "--digits приема цяло число от 0 до 12, а не „" + value + "“";
        } else if (optionValue(argument, "--grade", value)) {
            const int grade = value.size() <= 2 && !value.empty() && std::all_of(value.begin(), value.end(), ::isdigit)
                                  ? std::stoi(value)
                                  : 0;
            if (grade >= 6 && grade <= 12) a.settings.grade = grade;
            else a.error = "--grade приема клас от 6 до 12, а не „" + value + "“";
        } else if (optionValue(argument, "--separator", value)) {
            if (value == "," || value == ".") a.settings.separator = value;
            else a.error = "--separator приема „,“ или „.“, а не „" + value + "“";
        } else if (optionValue(argument, "--svg", value)) {
            a.svg = value;
            a.error = command_line::drawingKindError(value);
        } else if (argument == "--text") {
            a.error = "--text иска текста на задачата (или - за стандартния вход)";
        } else if (argument.starts_with("--")) {
            a.error = "непозната опция „" + std::string(argument) + "“ (--help ги изброява)";
        } else if (a.text && argument.ends_with("=?")) {
            a.asked.emplace_back(argument.substr(0, argument.size() - 2));
        } else if (a.text) {
            a.error = "с --text тялото и величините се четат от текста, а не от „" + std::string(argument) + "“";
        } else if (a.solid.empty()) {
            a.solid = std::string(argument);
        } else {
            const auto equals = argument.find('=');
            if (equals == std::string_view::npos) {
                a.error = "„" + std::string(argument) + "“ не е от вида ВЕЛИЧИНА=СТОЙНОСТ (например r=3)";
            } else if (argument.substr(equals + 1) == "?") {
                a.asked.emplace_back(argument.substr(0, equals));
            } else {
                a.givens.push_back({std::string(argument.substr(0, equals)), std::string(argument.substr(equals + 1))});
            }
        }
        if (!a.error.empty()) break;
    }
    if (a.error.empty() && a.solid.empty() && !a.text) a.error = "липсва тялото (например cone)";
    a.settings.asked = a.asked;
    return a;
}

std::string jsonOf(const Outcome& outcome) {
    Json json;
    json.beginObject();
    json.key("status").string(statusKey(outcome.status));
    json.key("message").string(outcome.message);
    if (outcome.solid) json.key("solid").string(outcome.solid->key);
    json.key("unit");
    if (outcome.unit) json.string(unitSymbol(*outcome.unit));
    else json.null();
    json.key("concerned").beginArray();
    for (const std::string& key : outcome.concerned) json.string(key);
    json.endArray();
    json.key("suggestions").beginArray();
    for (const std::string& key : outcome.suggestions) json.string(key);
    json.endArray();
    writeSolutions(json, outcome);
    json.endObject();
    return json.text();
}

// "--pi 3.14" as "--pi=3.14", for every option that takes a value.
std::vector<std::string> joinedOptions(int argc, char** argv) {
    static constexpr std::string_view valued[] = {"--pi", "--unit", "--digits", "--grade", "--separator", "--svg", "--text", "--seed", "--variant",
                                                  "--count", "--solids", "--kind", "--numbers", "--answer"};
    std::vector<std::string> arguments{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool takesNext = i + 1 < argc && std::find(std::begin(valued), std::end(valued), argument) != std::end(valued);
        arguments.push_back(takesNext ? std::string(argument) + "=" + argv[++i] : std::string(argument));
    }
    return arguments;
}

}  // namespace

int main(int originalCount, char** originalArguments) {
    std::vector<std::string> joined = joinedOptions(originalCount, originalArguments);
    std::vector<char*> pointers;
    for (std::string& argument : joined) pointers.push_back(argument.data());
    int argc = int(pointers.size());
    char** argv = pointers.data();
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage << "\n" << worksheetUsage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "stereometry-solve " STEREOMETRY_VERSION "\n";
            return 0;
        }
    }
    if (wantsWorksheet(argc, argv)) return worksheetCommand(argc, argv);
    std::string answerError;
    const std::vector<TypedAnswer> answers = takeAnswers(argc, argv, answerError);
    Arguments arguments = parse(argc, argv);
    // An answer is to what the task asks: the ball in a frustum, so asked, sets its height.
    for (const TypedAnswer& answer : answers)
        if (std::find(arguments.settings.asked.begin(), arguments.settings.asked.end(), answer.key) ==
            arguments.settings.asked.end())
            arguments.settings.asked.push_back(answer.key);
    if (!arguments.error.empty() || !answerError.empty()) {
        std::cerr << "stereometry-solve: " << (answerError.empty() ? arguments.error : answerError) << "\n" << usage;
        return 2;
    }
    if (arguments.text) {
        command_line::TextRequest request{*arguments.text, {arguments.settings, arguments.piChosen, arguments.unitChosen,
                                                            arguments.digitsChosen},
                                          arguments.json, arguments.svg, answers};
        return command_line::solveText(std::move(request));
    }
    const Outcome outcome = solve(arguments.solid, arguments.givens, arguments.settings);
    if (!arguments.svg.empty()) {
        if (outcome.status == Status::Solved)
            return command_line::writeDrawing(arguments.svg, outcome, arguments.asked, arguments.settings);
        std::cerr << "stereometry-solve: " << outcome.message << "\n";
        return command_line::exitStatus(outcome.status);
    }
    if (const std::string problem = answersProblem(outcome, answers); !problem.empty()) {
        std::cerr << "stereometry-solve: " << problem << "\n";
        return 2;
    }
    if (answers.empty()) std::cout << (arguments.json ? jsonOf(outcome) + "\n" : command_line::plainOf(outcome));
    else if (arguments.json) std::cout << withAnswersJson(jsonOf(outcome), outcome, answers, arguments.settings) << "\n";
    else std::cout << command_line::plainOf(outcome) << answersText(outcome, answers, arguments.settings);
    return command_line::exitStatus(outcome.status);
}
