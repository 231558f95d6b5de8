#pragma once
#include "data/catalogue.h"

// The small chain the cost calculation is explained with, as combo-box item 0 (station 3):
// the main factory buys ore and the products of supports 1 and 3; support 1 buys coal and
// the product of support 2.
namespace example {

enum WareIndex { kMainProduct, kProduct1, kProduct2, kProduct3, kOre, kCoal, kWater, kGas, kWareCount };

inline Catalogue Chain() {
    Catalogue catalogue;
    catalogue.Wares = {
        {"Товар", 80, 100, 120, 10, 600},   {"Деталь", 10, 12, 14, 4, 1200}, {"Сплав", 2, 3, 5, 5, 300},
        {"Топливо", 60, 70, 80, 2, 900},    {"Руда", 15, 20, 25, 1, 60},    {"Уголь", 2, 3, 4, 1, 60},
        {"Вода", 8, 10, 12, 1, 60},         {"Газ", 20, 25, 30, 1, 60},
    };
    catalogue.Stations = {
        {"Цех деталей", kProduct1, 2, {kCoal, kProduct2, 0}, {10, 1, 0}, 0, {0, 0, 0}},
        {"Плавильня", kProduct2, 1, {kWater, 0, 0}, {2, 0, 0}, 0, {0, 0, 0}},
        {"Нефтебаза", kProduct3, 1, {kGas, 0, 0}, {4, 0, 0}, 0, {0, 0, 0}},
        {"Завод", kMainProduct, 3, {kOre, kProduct1, kProduct3}, {5, 2, 1}, 0, {0, 1, 2}},
    };
    return catalogue;
}

}  // namespace example
