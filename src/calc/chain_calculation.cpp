#include "calc/chain_calculation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t kSecondsPerDay = 86400;

bool FitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

Amount Whole(std::int64_t value) { return {static_cast<double>(value), Fault::None}; }

// 32-bit integer arithmetic on amounts that hold 32-bit values: the exact result, or an
// overflow when it leaves the range.
Amount Checked32(Amount a, Amount b, std::int64_t exact) {
    if (!a.Known() || !b.Known()) return Missing(std::max(a.Problem, b.Problem));
    return FitsInt32(exact) ? Whole(exact) : Missing(Fault::Overflow);
}

std::int64_t Int(Amount a) { return a.Known() ? static_cast<std::int64_t>(a.Value) : 0; }

Amount Sum32(Amount a, Amount b) { return Checked32(a, b, Int(a) + Int(b)); }
Amount Product32(Amount a, Amount b) { return Checked32(a, b, Int(a) * Int(b)); }

// Writes the transfer price into the supplier's sale-price box, then copies the box into
// the consumer's row.
void FeedTransferPrice(Amount price, FactoryTexts& supplier, ResourceRowTexts& consumerRow) {
    supplier.SalePrice = IntegerText(price);
    consumerRow.Price = supplier.SalePrice;
}

}  // namespace

Amount RowCost(const ResourceRowTexts& row) {
    Amount quantity = ReadAmount(row.Quantity);
    if (quantity.Known() && quantity.Value == 0) return Whole(0);
    return Product32(quantity, ReadAmount(row.Price));
}

Amount CycleCost(const FactoryTexts& factory, bool active) {
    if (!active) return Whole(0);
    Amount sum = Whole(0);
    for (const ResourceRowTexts& row : factory.Rows) sum = Sum32(sum, RowCost(row));
    return sum;
}

Transfer TransferPrice(Amount cycleCost, const Ware& product) {
    Amount unitCost = cycleCost / Whole(product.UnitsPerCycle);
    if (!unitCost.Known()) return {unitCost, unitCost};
    bool minimum = product.MinPrice >= unitCost.Value;
    return {unitCost, minimum ? Whole(product.MinPrice) : unitCost, minimum};
}

std::optional<ChainFigures> CalculateChain(ChainModel& model, const Catalogue& catalogue, int item) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return std::nullopt;
    bool automatic = !model.ManualPrices;
    auto active = [&](FactorySlot slot) { return slot == kMain || model.SupportActive[slot - kSupport1]; };

    // A supplier's cost includes what its own suppliers passed on, so kSupplies feeds them
    // first.
    std::array<Amount, kFactorySlots> cost;
    std::array<Transfer, kFactorySlots> transfer;
    for (const Supply& supply : kSupplies) {
        cost[supply.Supplier] = CycleCost(model[supply.Supplier], active(supply.Supplier));
        transfer[supply.Supplier] = TransferPrice(cost[supply.Supplier], *chain->Products[supply.Supplier]);
        if (automatic)
            FeedTransferPrice(transfer[supply.Supplier].Price, model[supply.Supplier],
                              model[supply.Consumer].Rows[supply.Row]);
    }
    Amount cM = CycleCost(model[kMain], true);
    Amount c1 = cost[kSupport1], c2 = cost[kSupport2], c3 = cost[kSupport3];
    const Transfer &t1 = transfer[kSupport1], &t2 = transfer[kSupport2], &t3 = transfer[kSupport3];

    // Support costs per main cycle: multiply first, then divide.
    auto cycleTime = [&](FactorySlot slot) { return Whole(chain->Products[slot]->CycleSeconds); };
    Amount tM = cycleTime(kMain);
    Amount s1 = (tM * c1) / cycleTime(kSupport1);
    Amount s2 = (tM * c2) / cycleTime(kSupport2);
    Amount s3 = (tM * c3) / cycleTime(kSupport3);

    Amount sale = ReadAmount(model[kMain].SalePrice);
    Amount revenue = Product32(sale, Whole(chain->Products[kMain]->UnitsPerCycle));
    Amount incomeM = revenue - cM;
    Amount dayFactor = Whole(kSecondsPerDay) / tM;
    Amount incomeChain = ((incomeM - s1) - s2) - s3;
    Amount total = ((cM + s1) + s2) + s3;

    auto support = [](Amount cost, const Transfer& t, Amount scaled) {
        return SupportWorking{cost, t.UnitCost, t.Price, t.MinimumTaken, scaled};
    };
    ChainWorking working{{support(c1, t1, s1), support(c2, t2, s2), support(c3, t3, s3)},
                         cM, total, revenue, incomeM, incomeChain, dayFactor};
    ChainFigures figures{Trunc32(cM),
                         Trunc32(s1),
                         Trunc32(s2),
                         Trunc32(s3),
                         Trunc32(total),
                         Trunc64(dayFactor * incomeM),
                         Trunc64(dayFactor * incomeChain),
                         working};
    model.Results = {IntegerText(figures.MainCost),     IntegerText(figures.Support1Cost),
                     IntegerText(figures.Support2Cost), IntegerText(figures.Support3Cost),
                     IntegerText(figures.TotalCost),    WholeRealText(figures.MainIncome),
                     WholeRealText(figures.ChainIncome)};
    return figures;
}
