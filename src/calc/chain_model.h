#pragma once
#include <array>
#include <string>

#include "calc/chain.h"

// The chain part of the main window as texts, one field per control, so that the window
// only copies control texts in before an operation and back after it. A default model
// holds the texts the window starts with.

// One data row of a resource grid: columns "Ресурс", "Кол-во", "Цена покупки".
struct ResourceRowTexts {
    std::string Name;
    std::string Quantity;
    std::string Price;
};

// One factory block: name label, sale-price box, "Цикл:" and "Продукта:" value labels, grid.
struct FactoryTexts {
    std::string Name;
    std::string SalePrice;
    std::string Cycle = "00:00:00";
    std::string Output = "0";
    std::array<ResourceRowTexts, kResourceRows> Rows;
};

// The seven value labels of "Результаты расчета".
struct ChainResultTexts {
    std::string MainCost = "0";
    std::string Support1Cost = "0";
    std::string Support2Cost = "0";
    std::string Support3Cost = "0";
    std::string TotalCost = "0";
    std::string MainIncome = "0";
    std::string ChainIncome = "0";
};

// The seven results in the order of their labels, each with the caption beside it.
struct ResultLabel {
    const char* Caption;
    std::string ChainResultTexts::*Text;
};
inline constexpr std::array<ResultLabel, 7> kResultLabels = {{
    {"Затраты на производство на главной фабрике:", &ChainResultTexts::MainCost},
    {"Затраты на первой фабрике поддержки:", &ChainResultTexts::Support1Cost},
    {"Затраты на второй фабрике поддержки:", &ChainResultTexts::Support2Cost},
    {"Затраты на третьей фабрике поддержки:", &ChainResultTexts::Support3Cost},
    {"Суммарные затраты на всех фабриках:", &ChainResultTexts::TotalCost},
    {"Доход главной фабрики за сутки:", &ChainResultTexts::MainIncome},
    {"Доход цепочки за сутки:", &ChainResultTexts::ChainIncome},
}};

struct ChainModel {
    std::array<FactoryTexts, kFactorySlots> Factories;  // indexed by FactorySlot
    // "Фабрика 1:" to "Фабрика 3:": whether Support1Grid to Support3Grid are enabled.
    std::array<bool, 3> SupportActive{true, true, true};
    bool ManualPrices = false;  // "Все цены выставляются вручную"
    ChainResultTexts Results;

    FactoryTexts& operator[](FactorySlot slot) { return Factories[slot]; }
    const FactoryTexts& operator[](FactorySlot slot) const { return Factories[slot]; }
};
