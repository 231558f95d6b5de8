#include "calc/chain.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/example_chain.h"

namespace {

TEST(ChainOfItem, FollowsTheFactoryListAndTheSupports) {
    Catalogue catalogue = example::Chain();
    std::optional<Chain> chain = ChainOfItem(catalogue, 0);
    ASSERT_TRUE(chain);
    EXPECT_EQ(chain->MainStation, 3);
    EXPECT_EQ(chain->Stations[kMain], &catalogue.Stations[3]);
    EXPECT_EQ(chain->Stations[kSupport2], &catalogue.Stations[1]);
    EXPECT_EQ(chain->Products[kSupport3], &catalogue.Wares[example::kProduct3]);
    EXPECT_EQ(chain->Resources[kSupport1][1], &catalogue.Wares[example::kProduct2]);
    EXPECT_EQ(chain->Resources[kSupport2][1], nullptr);  // neither listed nor priced
}

TEST(ChainOfItem, RefusesEveryReferenceOutsideItsTable) {
    struct Case {
        const char* what;
        std::function<void(Catalogue&)> change;
        bool usable;
    };
    const Case cases[] = {
        {"as it is", [](Catalogue&) {}, true},
        {"main station missing", [](Catalogue& c) { c.Stations.resize(3); }, false},
        {"support beyond the table", [](Catalogue& c) { c.Stations[3].Supports[1] = 4; }, false},
        {"negative support", [](Catalogue& c) { c.Stations[3].Supports[0] = -1; }, false},
        {"main product missing", [](Catalogue& c) { c.Stations[3].Product = example::kWareCount; }, false},
        {"support product missing", [](Catalogue& c) { c.Stations[2].Product = -1; }, false},
        {"no wares at all", [](Catalogue& c) { c.Wares.clear(); }, false},
        {"priced row beyond the count", [](Catalogue& c) {
             c.Stations[3].ResourceCount = 2;
             c.Stations[3].Resources[2] = 99;
         }, false},
        {"listed row of support 2", [](Catalogue& c) {
             c.Stations[1].ResourceCount = 2;
             c.Stations[1].Resources[1] = 99;
         }, false},
        {"unread row of support 2", [](Catalogue& c) { c.Stations[1].Resources[1] = 99; }, true},
        {"unread row of support 1", [](Catalogue& c) { c.Stations[0].Resources[2] = -7; }, true},
        {"four resources", [](Catalogue& c) { c.Stations[0].ResourceCount = 4; }, false},
        {"negative resource count", [](Catalogue& c) { c.Stations[2].ResourceCount = -1; }, false},
        {"support of a support is never followed", [](Catalogue& c) { c.Stations[0].Supports = {50, 60, 70}; },
         true},
    };
    for (const Case& c : cases) {
        Catalogue catalogue = example::Chain();
        c.change(catalogue);
        EXPECT_EQ(ChainOfItem(catalogue, 0).has_value(), c.usable) << c.what;
    }
}

TEST(ChainOfItem, RefusesItemsOutsideTheList) {
    Catalogue catalogue = example::Chain();
    for (int item : {-1, 96, 1000}) EXPECT_FALSE(ChainOfItem(catalogue, item)) << item;
    // Item 95 is station 120.
    catalogue.Stations.resize(121, catalogue.Stations[3]);
    EXPECT_EQ(ChainOfItem(catalogue, 95)->MainStation, 120);
}

}  // namespace
