#pragma once
#include <array>
#include <string>

#include "calc/chain.h"
#include "calc/chain_results.h"

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
    // A support factory's "Фабрика N:" box: whether its grid is enabled. The main factory
    // has no box and always takes part.
    bool Active = true;
};

struct ChainModel {
    std::array<FactoryTexts, kFactorySlots> Factories;  // indexed by FactorySlot
    bool ManualPrices = false;  // "Все цены выставляются вручную"
    ChainResultTexts Results;

    FactoryTexts& operator[](FactorySlot slot) { return Factories[slot]; }
    const FactoryTexts& operator[](FactorySlot slot) const { return Factories[slot]; }
};
