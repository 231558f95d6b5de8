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
    ChainWorking working;
    std::array<FactoryWorking, kFactorySlots>& factories = working.Factories;

    // A supplier's cost includes what its own suppliers passed on, so kSupplies feeds them
    // first.
    for (const Supply& supply : kSupplies) {
        FactoryWorking& supplier = factories[supply.Supplier];
        supplier.CycleCost = CycleCost(model[supply.Supplier], model[supply.Supplier].Active);
        Transfer transfer = TransferPrice(supplier.CycleCost, *chain->Products[supply.Supplier]);
        supplier.UnitCost = transfer.UnitCost;
        supplier.TransferPrice = transfer.Price;
        supplier.MinimumTaken = transfer.MinimumTaken;
        if (automatic)
            FeedTransferPrice(transfer.Price, model[supply.Supplier], model[supply.Consumer].Rows[supply.Row]);
    }
    Amount cM = CycleCost(model[kMain], true);
    factories[kMain].CycleCost = factories[kMain].CostPerMainCycle = cM;

    // Support costs per main cycle: multiply first, then divide. They add to the total and
    // come off the chain income in the order of the supports.
    auto cycleTime = [&](FactorySlot slot) { return Whole(chain->Products[slot]->CycleSeconds); };
    Amount tM = cycleTime(kMain);
    Amount sale = ReadAmount(model[kMain].SalePrice);
    working.Revenue = Product32(sale, Whole(chain->Products[kMain]->UnitsPerCycle));
    working.MainIncomePerCycle = working.Revenue - cM;
    working.DayFactor = Whole(kSecondsPerDay) / tM;
    working.TotalCost = cM;
    working.ChainIncomePerCycle = working.MainIncomePerCycle;
    for (FactorySlot slot : {kSupport1, kSupport2, kSupport3}) {
        Amount scaled = (tM * factories[slot].CycleCost) / cycleTime(slot);
        factories[slot].CostPerMainCycle = scaled;
        working.TotalCost = working.TotalCost + scaled;
        working.ChainIncomePerCycle = working.ChainIncomePerCycle - scaled;
    }

    PerResult<Amount> perCycle;
    perCycle[kMainCost] = cM;
    perCycle[kSupport1Cost] = factories[kSupport1].CostPerMainCycle;
    perCycle[kSupport2Cost] = factories[kSupport2].CostPerMainCycle;
    perCycle[kSupport3Cost] = factories[kSupport3].CostPerMainCycle;
    perCycle[kTotalCost] = working.TotalCost;
    perCycle[kMainIncome] = working.MainIncomePerCycle;
    perCycle[kChainIncome] = working.ChainIncomePerCycle;

    ChainFigures figures{{}, working};
    for (const ResultDescription& result : kChainResults) {
        Amount& shown = figures.Results[result.Result];
        if (result.Measure == ResultMeasure::CostPerCycle) {
            shown = Trunc32(perCycle[result.Result]);
            model.Results[result.Result] = IntegerText(shown);
        } else {
            shown = Trunc64(working.DayFactor * perCycle[result.Result]);
            model.Results[result.Result] = WholeRealText(shown);
        }
    }
    return figures;
}
