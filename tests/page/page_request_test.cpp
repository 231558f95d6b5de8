// The page's requests on the example chain: what a link means, what each action does to it,
// and that the link an answer gives shows again exactly what the answer showed.

#include <gtest/gtest.h>

#include <string>

#include "chains/example_tables.h"
#include "page_request.h"

namespace {

using example::ExampleTables;

PageTables ExamplePageTables(ExampleTables tables = {}) {
    return LoadPageTables(ExampleTables::FileText(tables.Wares), ExampleTables::FileText(tables.Stations));
}

std::string Fragment(const std::string& answer) { return answer.substr(0, answer.find('\n')); }

// The text of a view line "KEY<tab>STATE<tab>TEXT", or "(no KEY)".
std::string Shown(const std::string& answer, const std::string& key) {
    std::size_t at = answer.find("\n" + key + "\t");
    if (at == std::string::npos) return "(no " + key + ")";
    at = answer.find('\t', answer.find('\t', at + 1) + 1) + 1;
    return answer.substr(at, answer.find('\n', at) - at);
}

std::string State(const std::string& answer, const std::string& key) {
    std::size_t at = answer.find("\n" + key + "\t") + key.size() + 2;
    return answer.substr(at, answer.find('\t', at) - at);
}

const char* const kResultKeys[] = {"main_cost",  "support1_cost", "support2_cost", "support3_cost",
                                   "total_cost", "main_income",   "chain_income"};

std::string Results(const std::string& answer) {
    std::string results;
    for (const char* key : kResultKeys) results.append(results.empty() ? "" : ";").append(Shown(answer, key));
    return results;
}

struct LinkCase {
    const char* Link;
    const char* Canonical;
};

TEST(PageRequest, ALinkIsReadAsThePlanItDescribesAndWrittenBackInItsShortestForm) {
    PageTables tables = ExamplePageTables();
    const LinkCase cases[] = {
        {"", "item=0&res=avg&prod=avg"},
        {"prod=max&junk=1&item=5&res=min", "item=5&res=min&prod=max"},
        {"item=96&res=huge", "item=0&res=avg&prod=avg"},
        {"item=+5", "item=0&res=avg&prod=avg"},
        {"item=7&manual=1&off=3,1,0,9,x", "item=7&res=avg&prod=avg&manual=1&off=1,3"},
        // In automatic mode the calculation writes over the supports' boxes and the rows
        // they feed: a price typed there is dropped, as is one equal to the button's.
        {"item=1&p=0:200,1:999,0.2:5,0.1:20,0.4:1,4:1,0:3", "item=1&res=avg&prod=avg&p=0:3"},
        {"item=1&manual=1&p=1.1:7,1:x,1.2:-5,2:123456789012", "item=1&res=avg&prod=avg&manual=1&p=1.1:7,1.2:-5"},
        {"item=2&manual=1&p=0.2:overflow,0.3:nodata", "item=2&res=avg&prod=avg&manual=1&p=0.2:overflow,0.3:nodata"},
    };
    for (const LinkCase& c : cases) EXPECT_EQ(Fragment(AnswerRequest(tables, c.Link)), c.Canonical) << c.Link;
}

struct ActionCase {
    const char* Link;
    const char* Action;
    const char* After;
};

TEST(PageRequest, EachActionDoesWhatItsControlDoesInTheWindow) {
    PageTables tables = ExamplePageTables();
    const ActionCase cases[] = {
        {"item=0", "res.min", "item=0&res=min&prod=avg"},
        {"item=0&res=min&p=0:150", "item 3", "item=3&res=avg&prod=avg"},
        {"item=0&manual=1&off=3", "item 3", "item=3&res=avg&prod=avg&manual=1&off=3"},
        {"item=0", "item 500", "item=0&res=avg&prod=avg"},
        // «Фабрика 2:» follows «Фабрика 1:», and only it.
        {"item=0", "1.active 0", "item=0&res=avg&prod=avg&off=1,2"},
        {"item=0&off=1,2", "1.active 1", "item=0&res=avg&prod=avg"},
        {"item=0&off=1,2", "2.active 1", "item=0&res=avg&prod=avg&off=1"},
        {"item=0", "3.active 0", "item=0&res=avg&prod=avg&off=3"},
        // Typed prices keep their digits; places the window would not let one type stay.
        {"item=0", "0.sale 7a0", "item=0&res=avg&prod=avg&p=0:70"},
        {"item=0", "0.1.price 25", "item=0&res=avg&prod=avg&p=0.1:25"},
        {"item=0", "0.1.price 20", "item=0&res=avg&prod=avg"},
        {"item=0", "1.sale 5", "item=0&res=avg&prod=avg"},
        {"item=0&manual=1", "1.sale 5", "item=0&res=avg&prod=avg&manual=1&p=1:5"},
        {"item=0&off=1,2", "1.1.price 5", "item=0&res=avg&prod=avg&off=1,2"},
        // A button drops the typed prices it writes over, and only those.
        {"item=0&p=0:150,0.1:25", "res.max", "item=0&res=max&prod=avg&p=0:150"},
        {"item=0&p=0:150,0.1:25", "prod.min", "item=0&res=avg&prod=min&p=0.1:25"},
        {"item=0&manual=1&p=1:5,2.1:9", "prod.max", "item=0&res=avg&prod=max&manual=1&p=2.1:9"},
        // A resource button after a product button writes the main rows its own way: the
        // link keeps what it wrote there, since it applies the resources first.
        {"item=0&manual=1&prod=max", "res.min", "item=0&res=min&prod=max&manual=1&p=0.2:10,0.3:60"},
        {"item=0&manual=1&p=1:5", "manual 0", "item=0&res=avg&prod=avg"},
    };
    for (const ActionCase& c : cases)
        EXPECT_EQ(Fragment(AnswerRequest(tables, std::string(c.Link) + "\n" + c.Action)), c.After)
            << c.Link << " then " << c.Action;
}

TEST(PageRequest, ResultsAreTheWorkedExampleAndFollowWhatIsTyped) {
    PageTables tables = ExamplePageTables();
    EXPECT_EQ(Results(AnswerRequest(tables, "item=0")), "180;17;40;66;303;118080;100272");
    // Revenue 200 · 10 = 2000 per cycle: (2000 − 180) · 144 and (2000 − 180 − 17 − 40 − 66.67) · 144.
    EXPECT_EQ(Results(AnswerRequest(tables, "item=0\n0.sale 200")), "180;17;40;66;303;262080;244272");
    // Supports 1 and 2 out: they cost nothing; support 1 still passes its product on at
    // its minimum price, 10.
    EXPECT_EQ(Results(AnswerRequest(tables, "item=0\n1.active 0")), "180;0;0;66;246;118080;108480");
}

TEST(PageRequest, TheViewShowsWhatTheCalculationWritesAsReadOnlyUnlessPricesAreManual) {
    PageTables tables = ExamplePageTables();
    std::string automatic = AnswerRequest(tables, "item=0");
    EXPECT_EQ(State(automatic, "1.sale"), "r");
    EXPECT_EQ(State(automatic, "0.2.price"), "r");
    EXPECT_EQ(State(automatic, "0.1.price"), "");
    EXPECT_EQ(State(automatic, "0.sale"), "");
    EXPECT_EQ(State(automatic, "res.avg"), "p");
    EXPECT_EQ(State(automatic, "1.3"), "h");  // support 1 makes its product of two resources
    EXPECT_EQ(State(AnswerRequest(tables, "item=0&manual=1"), "1.sale"), "");
    EXPECT_EQ(State(AnswerRequest(tables, "item=0&off=3"), "3"), "d");
    EXPECT_EQ(Shown(automatic, "0.name"), "Завод");
    EXPECT_EQ(Shown(automatic, "0.product"), "Товар");
    EXPECT_EQ(Shown(automatic, "0.cycle"), "00:10:00");
}

// Whatever the player did, the link of the answer shows the same page again: checking
// «Все цены выставляются вручную» keeps the transfer prices standing, as in the window.
TEST(PageRequest, TheLinkOfAnAnswerShowsThatAnswerAgain) {
    ExampleTables example;
    example.Stations[4] = "Люксовый завод;8;3;4;1;3;5;2;1;0;0;1;2";
    PageTables tables = ExamplePageTables(example);
    const char* const actions[] = {"",          "manual 1",    "res.min",       "prod.max", "1.active 0",
                                   "2.active 1", "0.sale 1234", "1.1.price 3", "3.active 0", "manual 0"};
    for (const char* start : {"item=0", "item=1&res=max&prod=min", "item=1&manual=1&p=1:55,3:2"}) {
        std::string link = start;
        for (const char* action : actions) {
            std::string answer = AnswerRequest(tables, link + "\n" + action);
            std::string again = AnswerRequest(tables, Fragment(answer));
            EXPECT_EQ(again, answer) << link << " then " << action;
            if (std::string(action) == "manual 1") {
                for (const char* place : {"1.sale", "2.sale", "3.sale", "0.2.price", "0.3.price", "1.2.price"})
                    EXPECT_EQ(Shown(answer, place), Shown(AnswerRequest(tables, link), place)) << place;
            }
            link = Fragment(answer);
        }
    }
}

TEST(PageRequest, TablesWithoutACompleteChainGiveAnEmptyAnswer) {
    PageTables tables = LoadPageTables("", "");
    EXPECT_EQ(AnswerRequest(tables, "item=0\nres.min"), "\n");
}

}  // namespace
