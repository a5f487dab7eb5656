// SPDX-License-Identifier: MIT
// Every printed task of the table (printed_tasks.h) read and solved; and the
// reader on what a copy brings: line breaks, look-alike letters, scanning
// slips, any bytes at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "printed_tasks.h"
#include "reader/read_and_solve.h"
#include "reader/reader.h"
#include "reader/tokens.h"

namespace solver::testing {
namespace {

using namespace solver::reader;

std::string givensText(const ReadTask& read) {
    std::string text;
    for (const ReadGiven& given : read.givens) text += (text.empty() ? "" : " | ") + given.key + "=" + given.value;
    return text;
}

std::string askedText(const ReadTask& read) {
    std::string text;
    for (const ReadAsked& asked : read.asked) text += (text.empty() ? "" : " ") + asked.key;
    return text;
}

// "ignored=Зад. 3." as {"ignored", "Зад. 3."}
std::vector<std::pair<std::string, std::string>> alsoOf(const PrintedTask& task) {
    std::vector<std::pair<std::string, std::string>> also;
    for (std::string_view item : task.also) {
        const auto equals = item.find('=');
        also.emplace_back(item.substr(0, equals), item.substr(equals + 1));
    }
    return also;
}

std::vector<std::string> wordsOf(const std::vector<Piece>& pieces) {
    std::vector<std::string> words;
    for (const Piece& piece : pieces) words.push_back(piece.words);
    return words;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The text of a piece's bytes, its spaces and line breaks made single spaces.
std::string spanText(std::string_view text, Span span) {
    std::string words;
    bool space = false;
    for (char c : text.substr(span.begin, span.end - span.begin)) {
        if (c == ' ' || c == '\n' || c == '\t') {
            space = !words.empty();
            continue;
        }
        if (space) words += ' ';
        space = false;
        words += c;
    }
    return words;
}

std::string turnedName(TurnedFigure turned) {
    return turned == TurnedFigure::None ? "none" : turned == TurnedFigure::HalfSection ? "half section" : "axial section";
}

void expectAlso(const PrintedTask& task, const ReadTask& read) {
    bool ignoredListed = false, unreadListed = false, turnedListed = false;
    std::vector<std::string> named;  // the spheres named alone, in the text's order
    for (const auto& item : alsoOf(task)) {
        const std::string& what = item.first;
        const std::string& value = item.second;
        if (what == "pi") {
            ASSERT_TRUE(read.pi);
            EXPECT_EQ(piKey(*read.pi), value);
        } else if (what == "unit") {
            ASSERT_TRUE(read.unit);
            EXPECT_EQ(read.unit->symbol, value);
        } else if (what == "digits") {
            ASSERT_TRUE(read.digits);
            EXPECT_EQ(std::to_string(*read.digits), value);
        } else if (what == "ignored") {
            ignoredListed = true;
            EXPECT_TRUE(contains(wordsOf(read.ignored), value)) << "not ignored: " << value;
        } else if (what == "unread") {
            unreadListed = true;
            const std::vector<std::string> unread = wordsOf(read.unread);
            EXPECT_TRUE(std::any_of(unread.begin(), unread.end(), [&](const std::string& w) {
                return w.find(value) != std::string::npos;
            })) << "not named as unread: " << value;
        } else if (what == "message") {
            EXPECT_NE(read.message.find(value), std::string::npos) << read.message;
        } else if (what == "turned") {
            turnedListed = true;
            EXPECT_EQ(turnedName(read.turned), value);
        } else if (what == "named") {
            named.push_back(value);
        } else if (what == "from") {
            const auto colon = value.find(':');
            const std::string key = value.substr(0, colon), words = value.substr(colon + 1);
            const auto given = std::find_if(read.givens.begin(), read.givens.end(), [&](const ReadGiven& g) { return g.key == key; });
            ASSERT_NE(given, read.givens.end()) << key;
            EXPECT_EQ(given->from.words, words);
        } else {
            ADD_FAILURE() << "unknown check " << what;
        }
    }
    const auto has = [&](std::string_view what) {
        return std::any_of(task.also.begin(), task.also.end(), [&](std::string_view a) { return a.starts_with(what); });
    };
    std::vector<std::string> readNamed;
    for (const ReadAsked& sphere : read.named) readNamed.push_back(sphere.key);
    EXPECT_EQ(readNamed, named);
    if (!has("pi=")) {
        EXPECT_FALSE(read.pi);
    }
    if (!has("unit=")) {
        EXPECT_FALSE(read.unit) << read.unit->symbol;
    }
    if (!has("digits=")) {
        EXPECT_FALSE(read.digits);
    }
    // A figure turned is half of the body's axial section unless the row says otherwise; no other task turns one.
    const bool turns = task.text.find("завърт") != std::string::npos || task.text.find("се върти") != std::string::npos ||
                       task.text.find("въртене") != std::string::npos;
    if (!turnedListed) {
        EXPECT_EQ(turnedName(read.turned), turns && read.status != ReadStatus::Unread ? "half section" : "none");
    }
    if (!ignoredListed) {
        EXPECT_TRUE(read.ignored.empty()) << read.ignored.front().words;
    }
    const bool clean = task.status != Printed::Unread && task.status != Printed::Awaiting;
    if (!unreadListed && clean) {
        EXPECT_TRUE(read.unread.empty()) << read.unread.front().words;
    }
}

class PrintedTaskTest : public ::testing::TestWithParam<PrintedTask> {};

TEST_P(PrintedTaskTest, ReadsAsPrinted) {
    const PrintedTask& task = GetParam();
    const ReadTask read = readTask(task.text);
    EXPECT_EQ(read.solid, task.solid) << read.message;
    EXPECT_EQ(givensText(read), task.givens);
    EXPECT_EQ(askedText(read), task.asked);
    if (task.status != Printed::Awaiting) {
        EXPECT_EQ(read.status == ReadStatus::Unread, task.status == Printed::Unread) << read.message;
    }
    if (read.status == ReadStatus::Unread) {
        EXPECT_FALSE(read.message.empty());
    }
    expectAlso(task, read);
    // The words each given came from are the text's own bytes.
    for (const ReadGiven& given : read.givens) {
        ASSERT_LE(given.from.span.end, task.text.size());
        EXPECT_EQ(spanText(task.text, given.from.span), given.from.words);
    }
}

std::string_view statusOf(Printed status) {
    switch (status) {
    case Printed::Solved: return "solved";
    case Printed::None: return "none";
    case Printed::Underdetermined: return "underdetermined";
    case Printed::Invalid: return "invalid";
    case Printed::Unread: return "unread";
    case Printed::Awaiting: break;
    }
    return "";
}

TEST_P(PrintedTaskTest, GivesTheAnswerKey) {
    const PrintedTask& task = GetParam();
    if (task.status == Printed::Awaiting) return;  // read above; solved once the solver takes such givens
    const TextOutcome outcome = readAndSolve(task.text);
    ASSERT_EQ(outcome.status, statusOf(task.status)) << outcome.message;
    if (task.status != Printed::Solved) {
        EXPECT_FALSE(outcome.message.empty());
        return;
    }
    const bool unreadListed = std::any_of(task.also.begin(), task.also.end(), [](std::string_view a) { return a.starts_with("unread="); });
    if (!unreadListed) EXPECT_EQ(outcome.message, "");
    else EXPECT_NE(outcome.message.find("Не разбрах"), std::string::npos) << outcome.message;
    ASSERT_EQ(outcome.outcome.solutions.size(), task.answers.size());
    const double pi = piValue(outcome.settings.pi);
    for (std::size_t s = 0; s < task.answers.size(); ++s) {
        std::istringstream items{std::string(task.answers[s])};
        for (std::string item; items >> item;) {
            if (const auto about = item.find('~'); about != std::string::npos) {  // a decimal, to the digits written
                const QuantityResult* q = outcome.outcome.solutions[s].find(item.substr(0, about));
                ASSERT_NE(q, nullptr) << item;
                EXPECT_FALSE(q->exact) << item;
                const std::string decimal = item.substr(about + 1);
                const auto point = decimal.find('.');
                const int places = point == std::string::npos ? 0 : int(decimal.size() - point - 1);
                EXPECT_NEAR(q->value, std::stod(decimal), 0.6 * std::pow(10.0, -places)) << item;
                continue;
            }
            const auto equals = item.find('=');
            const std::string key = item.substr(0, equals);
            const ReadNumber expected = readNumber(item.substr(equals + 1));
            ASSERT_TRUE(expected.read) << item;
            const QuantityResult* q = outcome.outcome.solutions[s].find(key);
            ASSERT_NE(q, nullptr) << key;
            ASSERT_TRUE(q->exact) << key << " ≈ " << q->value;
            EXPECT_TRUE(*q->exact == expected.value) << key << " = " << q->exact->ascii() << ", expected " << item;
            EXPECT_NEAR(q->value, static_cast<double>(expected.value.value(pi)), 1e-9 * std::fabs(q->value)) << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PrintedTaskTest, ::testing::ValuesIn(printedTasks()));
INSTANTIATE_TEST_SUITE_P(Frustums, PrintedTaskTest, ::testing::ValuesIn(printedFrustumTasks()));

// An angle with no exact value as the key writes it, to whole degrees where the task says so, else to the digits set.
TEST(PrintedAngles, RoundedAsTheTaskSays) {
    struct Case {
        std::string_view text, key, shown;
    };
    static constexpr Case cases[] = {
        {"Правилна четириъгълна пирамида има основен ръб 6 cm и височина 4 cm. Намерете ъгъла между околна стена и "
         "основата с точност до градус.", "φ", "arctg 4/3 ≈ 53°"},
        {"Правилна четириъгълна пирамида има основен ръб 6 cm и височина 4 cm. Намерете ъгъла между околна стена и "
         "основата.", "φ", "arctg 4/3 ≈ 53,13°"},
        {"Конус има радиус 3 cm и височина 4 cm. Намерете ъгъла между образуващата и основата с точност до градус.",
         "α", "arctg 4/3 ≈ 53°"},
        {"Конус има радиус 3 cm и образуваща 6 cm. Намерете ъгъла между образуващата и основата с точност до градус.",
         "α", "60°"},
        {"Конус има радиус 3 cm и височина 4 cm. Намерете ъгъла между образуващата и основата с точност до десетите.",
         "α", "arctg 4/3 ≈ 53,1°"},
        {"Конус има радиус 3 cm и височина 4 cm. Намерете ъгъла при върха на осното сечение с точност до градус.", "β",
         "≈ 74°"},
    };
    for (const Case& c : cases) {
        const TextOutcome outcome = readAndSolve(c.text);
        ASSERT_EQ(outcome.outcome.solutions.size(), 1u) << c.text;
        const QuantityResult* q = outcome.outcome.solutions.front().find(std::string(c.key));
        ASSERT_NE(q, nullptr) << c.text;
        EXPECT_EQ(q->text, c.shown) << c.text;
    }
}

TEST(PrintedTasks, AtLeastOneHundredAndFiftyAnsweredEndToEnd) {
    const auto answered = std::count_if(printedTasks().begin(), printedTasks().end(),
                                        [](const PrintedTask& t) { return t.status == Printed::Solved; });
    EXPECT_GE(answered, 150);
}

// What a copy from a PDF or a scan brings, token by token.
struct TokenCase {
    std::string_view text;
    std::string_view words;  // the tokens' texts, separated by " "
};

class TokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenTest, ReadsWordsAndNumbersAsPrinted) {
    std::string words;
    for (const Token& token : tokenize(GetParam().text))
        words += (words.empty() ? "" : " ") + (token.latin ? token.cased : token.text);
    EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Copies, TokenTest, ::testing::Values(
    TokenCase{"пира-\nмида", "пирамида"},
    TokenCase{"пира-  \r\n  мида", "пирамида"},
    TokenCase{"пира\xC2\xAD""мида", "пирамида"},  // a soft hyphen
    TokenCase{"пира¬\nмида", "пирамида"},
    TokenCase{"по-\nголяма", "по-голяма"},
    TokenCase{"по-голяма", "по-голяма"},
    TokenCase{"Ръб-\nът", "ръбът"},
    TokenCase{"пирамида-\nМарс", "пирамида - марс"},  // no word goes on with a capital
    TokenCase{"Haмepeтe oбeмa", "намерете обема"},  // Latin letters in Cyrillic words
    TokenCase{"oбем", "обем"},
    TokenCase{"5cm", "5 cm"},
    TokenCase{"5см", "5 см"},
    TokenCase{"1 000 cm", "1000 cm"},
    TokenCase{"1 000,5", "1000,5"},
    TokenCase{"12 500", "12500"},
    TokenCase{"3 400 5", "3400 5"},
    TokenCase{"2, 3 и 4", "2 , 3 и 4"},
    TokenCase{"2.5", "2,5"},
    TokenCase{"1О cm", "10 cm"},  // a scanned zero read as „О“
    TokenCase{"пирам0да", "пирамода"},
    TokenCase{"¾", "3/4"},
    TokenCase{"S₁", "S1"},
    TokenCase{"h_a = 5", "h_a = 5"},
    TokenCase{"π ≈ 3,14", "π ≈ 3,14"},
    TokenCase{"r ~ 3", "r ≈ 3"},
    TokenCase{"2·3×4*5", "2 · 3 · 4 · 5"},
    TokenCase{"10 − 3", "10 - 3"},
    TokenCase{"\xFF\xFEпирамида", "\xEF\xBF\xBD \xEF\xBF\xBD пирамида"}));

TEST(Tokens, KeepTheBytesTheyCameFrom) {
    const std::string text = "Основен  ръб-\nът е 16 cm2.";
    for (const Token& token : tokenize(text)) {
        ASSERT_LE(token.begin, token.end);
        ASSERT_LE(token.end, text.size());
    }
    const std::vector<Token> tokens = tokenize(text);
    EXPECT_EQ(text.substr(tokens[1].begin, tokens[1].end - tokens[1].begin), "ръб-\nът");
    EXPECT_EQ(tokens[1].text, "ръбът");
    EXPECT_EQ(tokens[4].text, "см2");
    EXPECT_TRUE(tokens[4].glued == false);
}

// Tasks that the reader reads in part: what it does not understand is named.
struct UnreadCase {
    std::string_view text;
    std::string_view unread;  // one of the pieces named
    bool placed;              // whether a solid was read
};

class UnreadTest : public ::testing::TestWithParam<UnreadCase> {};

TEST_P(UnreadTest, NamesWhatItDidNotUnderstand) {
    const ReadTask read = readTask(GetParam().text);
    EXPECT_EQ(read.status == ReadStatus::Read, GetParam().placed) << read.message;
    const std::vector<std::string> unread = wordsOf(read.unread);
    EXPECT_TRUE(contains(unread, std::string(GetParam().unread))) << read.message;
    EXPECT_NE(read.message.find(std::string(GetParam().unread)), std::string::npos) << read.message;
}

INSTANTIATE_TEST_SUITE_P(Pieces, UnreadTest, ::testing::Values(
    UnreadCase{"Цилиндър има радиус 3 cm и обиколка на основата 6π cm.", "обиколка на основата 6π cm", true},
    UnreadCase{"Куб има ръб 5 km.", "ръб 5 km", true},
    UnreadCase{"Конус има радиус 3 cm и е завъртян около оста си. Намерете обема.", "завъртян", false},
    UnreadCase{"Куб има 6 стени и ръб 2 cm.", "6 стени", true},
    UnreadCase{"Кълбо има радиус 3 cm и височина 5 cm.", "височина 5 cm", true},
    UnreadCase{"Куб с ръб 2 cm. Намерете апотемата.", "апотемата", true},
    UnreadCase{"Куб има ръб 2 cm и ръб 3 cm.", "ръб 3 cm", true},
    UnreadCase{"Конус с радиус 3 cm и височина 4 cm. Намерете бързината на кораба.", "бързината на кораба", true},
    UnreadCase{"Кълбо с радиус 3 cm, π ≈ 3,1416.", "π ≈ 3,1416", true},
    UnreadCase{"Правилна триъгълна четириъгълна призма с ръб 2 cm.", "Правилна триъгълна четириъгълна призма", true},
    UnreadCase{"Наклонена призма има височина 5 cm.", "Наклонена", false},
    // Quantities of use the solid has not, or the task does not say of the solid.
    UnreadCase{"Конус без капак има радиус 3 cm и образуваща 5 cm. Намерете повърхнината му.", "без капак", false},
    UnreadCase{"Кълбо с радиус 1 m се боядисва, като 1 m² струва 4 лв. Колко ще струва?", "1 m² струва 4 лв", true},
    UnreadCase{"Стая с форма на правоъгълен паралелепипед има дължина 5 m, ширина 4 m и височина 3 m. За 1 m² са "
               "нужни 0,2 kg боя.", "0,2 kg", true},
    UnreadCase{"Куб с ръб 2 dm е пълен с вода до 3/4. Колко литра вода трябва да се доналеят, за да се напълни "
               "догоре?", "напълни догоре", false},
    UnreadCase{"Куб с ръб 2 dm има маса 5 g/m². Намерете обема.", "маса 5 g/m²", true}));

TEST(Reader, SaysWhyATextNamesNoSolid) {
    const ReadTask nothing = readTask("   \n ");
    EXPECT_EQ(nothing.status, ReadStatus::Unread);
    EXPECT_NE(nothing.message.find("поставете"), std::string::npos) << nothing.message;
    const ReadTask noSolid = readTask("Радиусът е 3 cm, а височината е 4 cm.");
    EXPECT_EQ(noSolid.status, ReadStatus::Unread);
    EXPECT_NE(noSolid.message.find("конус"), std::string::npos) << noSolid.message;
    const ReadTask two = readTask("Куб и кълбо имат равни обеми.");
    EXPECT_NE(two.message.find("куб и кълбо"), std::string::npos) << two.message;
    const ReadTask tooLong = readTask(std::string(longestText + 1, 'a'));
    EXPECT_EQ(tooLong.status, ReadStatus::Unread);
    EXPECT_FALSE(tooLong.message.empty());
}

// What was read, as the page and the window say it: a quantity of use asked with its name, and
// the surface an open solid's words made of it with them; a number never parted from its unit.
TEST(ReadAndSolve, SaysWhatTheQuantitiesOfUseAskedAre) {
    struct Case {
        std::string_view text, said;
    };
    const Case cases[] = {
        {"Кутия без капак има форма на куб с ръб 20 cm. Колко квадратни сантиметра картон са нужни?",
         "търси се So (повърхнина без капак, „без капак“) в cm²."},
        {"Тръба с форма на цилиндър има радиус 5 cm и височина 2 m. Намерете лицето на повърхнината ѝ.",
         "търси се S (околна повърхнина, „Тръба“)."},
        {"Куб с ръб 2 dm е напълнен догоре с вода. Колко литра вода има в него?",
         "f = 1; търси се Vt (обем на течността) в литри."},
        {"Куб с ръб 2 cm. Намерете обема.", "търси се V."},
        // A number keeps its unit on its line, a relation's too.
        {"Цилиндър има радиус 10 cm и височина 5√3 cm. Намерете обема.", "; r = 10\u00a0cm, h = 5√3\u00a0cm;"},
        {"Височината на цилиндър е с 5 cm по-голяма от радиуса му, който е 3 cm. Намерете обема.",
         "; h = r + 5\u00a0cm, r = 3\u00a0cm;"},
        {"Кълбо има радиус 3 cm. Намерете обема с точност до десетите.", "; с точност до 1 знак след запетаята."},
        {"Кълбо има радиус 3 cm. Намерете обема с точност до стотните.", "; с точност до 2 знака след запетаята."},
    };
    for (const Case& c : cases) {
        const std::string summary = readSummary(readAndSolve(c.text));
        EXPECT_NE(summary.find(c.said), std::string::npos) << summary;
    }
}

TEST(ReadAndSolve, SettingsTheUserChoseOverrideTheText) {
    const std::string text = "Кълбо има радиус 3 cm. Намерете обема с точност до десетите, π ≈ 3,14.";
    const TextOutcome asText = readAndSolve(text);
    EXPECT_EQ(asText.settings.pi, PiSetting::School);
    EXPECT_EQ(asText.settings.digits, 1);
    EXPECT_EQ(asText.outcome.solutions.at(0).find("V")->text, "36π ≈ 113 cm³ (≈ 0,1 l)");
    ChosenSettings chosen;
    chosen.settings.pi = PiSetting::Exact;
    chosen.pi = true;
    chosen.settings.digits = 3;
    chosen.digits = true;
    const TextOutcome asChosen = readAndSolve(text, chosen);
    EXPECT_EQ(asChosen.settings.pi, PiSetting::Exact);
    EXPECT_EQ(asChosen.outcome.solutions.at(0).find("V")->text, "36π ≈ 113,097 cm³ (≈ 0,113 l)");
}

TEST(ReadAndSolve, AnUnitTheUserChoseOverridesTheUnitAsked) {
    ChosenSettings chosen;
    chosen.settings.unit = Unit::Centimetre;
    chosen.unit = true;
    const TextOutcome outcome = readAndSolve("Куб има ръб 2 dm. Колко литра е обемът му?", chosen);
    const QuantityResult* volume = outcome.outcome.solutions.at(0).find("V");
    EXPECT_EQ(volume->unit, "cm³");
    EXPECT_EQ(volume->value, 8000);
}

TEST(ReadAndSolve, WritesTheObjectOfTheCommandLine) {
    const TextOutcome outcome = readAndSolve(
        "Зад. 2. Правилна четириъгълна пирамида има основен ръб 16 cm и околна повърхнина 320 cm2. Намерете обема ѝ.");
    EXPECT_PRED2([](const std::string& json, const std::string& start) { return json.starts_with(start); },
                 textOutcomeJson(outcome),
              "{\"status\": \"solved\", \"message\": \"\", \"read\": {\"solid\": \"pyramid\", \"givens\": {\"n\": \"4\", "
              "\"a\": \"16 cm\", \"S\": \"320 cm²\"}, \"asked\": [\"V\"], \"named\": [], \"pi\": null, \"unit\": null, \"turned\": null, "
              "\"ignored\": [\"Зад. 2.\"], \"unread\": []}, \"asked\": [\"V\"], \"solutions\": [{\"n\": {\"exact\": \"4\", \"value\": 4, \"unit\": \"\"");
}

// Any bytes: an answer, never a crash, and pieces inside the text.
TEST(Reader, ReadsAnyBytes) {
    std::mt19937 random(20261208);
    const std::string_view alphabet[] = {"а", "пирамида", " ", "\n", "-", "5", ",", ".", "π", "√", "=", "cm", "²", "ръб",
                                         "\xFF", "\xD0", "е", "на", "А)", "Б)", "(", ")", "3/4", "0", "О", "h_a", ":",
                                         "съответно", "и", "пъти", "по-голяма", "от", "сборът", "всички", "ръбове"};
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        const int length = int(random() % 60);
        for (int k = 0; k < length; ++k) text += alphabet[random() % std::size(alphabet)];
        const ReadTask read = readTask(text);
        EXPECT_TRUE(read.status == ReadStatus::Read || !read.message.empty()) << text;
        for (const std::vector<Piece>* pieces : {&read.ignored, &read.unread})
            for (const Piece& piece : *pieces) EXPECT_LE(piece.span.end, text.size()) << text;
        for (const ReadGiven& given : read.givens) EXPECT_LE(given.from.span.end, text.size()) << text;
        const TextOutcome outcome = readAndSolve(text);
        EXPECT_FALSE(outcome.status.empty());
    }
}

}  // namespace
}  // namespace solver::testing
