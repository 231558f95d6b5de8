#pragma once
#include <string>
#include <string_view>

#include "calc/table_check.h"
#include "data/catalogue.h"
#include "data/table_loader.h"

// The tables a page was made with, loaded and checked once.
struct PageTables {
    Catalogue Tables;
    TableCheck Check;
};

PageTables LoadPageTables(std::string_view waresText, std::string_view stationsText);

// One request of the page: "FRAGMENT", or "FRAGMENT\nACTION" for what the player just did:
//   "item I"             chose factory I of the list
//   "res.L", "prod.L"    pressed the resource or product button of level L (min, avg, max)
//   "F.active 0|1"       cleared or checked the box of support factory F (1 clears 2 too)
//   "manual 0|1"         cleared or checked «Все цены выставляются вручную»
//   "PLACE TEXT"         typed a price: PLACE is "F.sale" or "F.R.price" (see ViewText)
// then «Расчет», as the page shows every change calculated. The answer: the fragment of the
// new plan on its first line, then ViewText's lines (CP1251); only the line break when the
// tables have no complete chain.
std::string AnswerRequest(const PageTables& tables, std::string_view request);
