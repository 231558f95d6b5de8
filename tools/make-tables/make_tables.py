#!/usr/bin/env python3
"""Writes the calculator's default game data, tables/wares.csv and tables/stations.csv.

The economy is invented: raw goods are only bought; basic goods are made from one raw good;
intermediate goods from a bought good and a basic one; final goods from a bought good, an
intermediate one and a basic one. Every final good is made by three main factories, each the
head of a chain of the calculator's fixed shape. Prices are set bottom-up from the recipes;
a final good's price is its chains' mean cost, worked out with the calculator's own
arithmetic, over a random markup that now and then is too thin for its dearer chains, so
that most chains pay at average prices and a few do not. A chain close to breaking even is
moved clear of it by the amount of the good it buys.

The output is the same on every run (own random generator, fixed seed). The build does not
need this script; run it by hand after changing it and commit both files:
    python3 tools/make-tables/make_tables.py
Given a folder and a seed, it writes another economy of the same kind there, as the tests
do for table sets of their own:
    python3 tools/make-tables/make_tables.py FOLDER SEED
"""

import math
import os
import sys

SEED = 20261208
MAX_NAME = 40
MARKUP = (0.72, 1.0)  # range of the share of a final good's price that its chains cost


class Random:
    """64-bit linear congruential generator, so that the tables never depend on the
    Python version."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFFFFFFFFFF

    def next(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        return self.state >> 11

    def uniform(self, low, high):
        return low + (high - low) * (self.next() / float(1 << 53))

    def integer(self, low, high):
        return low + self.next() % (high - low + 1)


RNG = Random(SEED)

# name, average price, units per cycle, cycle seconds
RAW = [
    ("Железная руда", 12, 80, 150),
    ("Медная руда", 18, 60, 180),
    ("Кварцевый песок", 6, 120, 90),
    ("Каменный уголь", 10, 100, 120),
    ("Сырая нефть", 22, 80, 240),
    ("Пресная вода", 4, 200, 60),
    ("Зерно", 9, 150, 300),
    ("Хлопок-сырец", 14, 90, 360),
    ("Строевой лес", 16, 50, 420),
    ("Известняк", 7, 110, 120),
    ("Самородная сера", 20, 60, 200),
    ("Каменная соль", 5, 140, 100),
    ("Гончарная глина", 4, 160, 80),
    ("Торф", 5, 130, 150),
    ("Бокситы", 15, 70, 210),
    ("Лён-долгунец", 13, 90, 330),
    ("Смола кельмового дерева", 30, 40, 480),
    ("Оловянная руда", 25, 50, 270),
    ("Сахарная свёкла", 8, 160, 300),
    ("Сырое молоко", 11, 120, 240),
]

# name, raw good it is made of, kind of factory, number of factories
BASIC = [
    ("Чугун", "Железная руда", "Доменный цех", 2),
    ("Медные слитки", "Медная руда", "Медеплавильный завод", 2),
    ("Листовое стекло", "Кварцевый песок", "Стекольный завод", 1),
    ("Кокс", "Каменный уголь", "Коксохимический завод", 2),
    ("Мазут", "Сырая нефть", "Нефтеперегонный завод", 2),
    ("Дистиллированная вода", "Пресная вода", "Водоочистная станция", 1),
    ("Мука", "Зерно", "Мельница", 2),
    ("Хлопковая пряжа", "Хлопок-сырец", "Прядильная фабрика", 1),
    ("Пиломатериалы", "Строевой лес", "Лесопилка", 2),
    ("Цемент", "Известняк", "Цементный завод", 2),
    ("Серная кислота", "Самородная сера", "Сернокислотный завод", 2),
    ("Хлор", "Каменная соль", "Электролизный цех", 1),
    ("Кирпич", "Гончарная глина", "Кирпичный завод", 2),
    ("Торфяные брикеты", "Торф", "Брикетная фабрика", 1),
    ("Глинозём", "Бокситы", "Глинозёмный завод", 2),
    ("Льняное полотно", "Лён-долгунец", "Льнокомбинат", 1),
    ("Канифоль", "Смола кельмового дерева", "Канифольный завод", 2),
    ("Оловянные слитки", "Оловянная руда", "Оловоплавильня", 1),
    ("Сахар", "Сахарная свёкла", "Сахарный завод", 2),
    ("Сливочное масло", "Сырое молоко", "Маслобойня", 1),
]

# name, bought good, basic good made by its own supplier, kind of factory, number of factories
INTERMEDIATE = [
    ("Сталь", "Известняк", "Чугун", "Сталелитейный завод", 2),
    ("Бронза", "Оловянные слитки", "Медные слитки", "Бронзолитейный завод", 2),
    ("Алюминий", "Кокс", "Глинозём", "Алюминиевый завод", 2),
    ("Медный кабель", "Канифоль", "Медные слитки", "Кабельный завод", 1),
    ("Бетонные блоки", "Кварцевый песок", "Цемент", "Бетонный завод", 1),
    ("Оконные рамы", "Листовое стекло", "Пиломатериалы", "Столярный цех", 1),
    ("Хлеб", "Пресная вода", "Мука", "Хлебозавод", 1),
    ("Хлопковая ткань", "Хлор", "Хлопковая пряжа", "Ткацкая фабрика", 1),
    ("Пластмасса", "Хлор", "Мазут", "Завод пластмасс", 1),
    ("Удобрения", "Торф", "Серная кислота", "Завод удобрений", 1),
    ("Лаки и краски", "Мазут", "Канифоль", "Лакокрасочный завод", 1),
    ("Огнеупоры", "Глинозём", "Кирпич", "Завод огнеупоров", 1),
    ("Жесть", "Оловянные слитки", "Чугун", "Жестекатальный завод", 1),
    ("Парусина", "Смола кельмового дерева", "Льняное полотно", "Парусная мануфактура", 1),
    ("Химреактивы", "Дистиллированная вода", "Серная кислота", "Химический завод", 2),
    ("Сдобное тесто", "Сливочное масло", "Мука", "Пекарный цех", 1),
]

# name, bought good, intermediate good (support factory 1), basic good (support factory 3),
# kind of factory
FINAL = [
    ("Токарные станки", "Медный кабель", "Сталь", "Чугун", "Станкостроительный завод"),
    ("Паровые котлы", "Огнеупоры", "Сталь", "Кокс", "Котельный завод"),
    ("Грузовые вагоны", "Лаки и краски", "Сталь", "Пиломатериалы", "Вагонный завод"),
    ("Парусные шхуны", "Парусина", "Лаки и краски", "Пиломатериалы", "Судоверфь"),
    ("Мебель", "Хлопковая ткань", "Лаки и краски", "Пиломатериалы", "Мебельная фабрика"),
    ("Сборные дома", "Кирпич", "Оконные рамы", "Цемент", "Домостроительный завод"),
    ("Пряники", "Сливочное масло", "Сдобное тесто", "Сахар", "Кондитерская фабрика"),
    ("Сгущённое молоко", "Сырое молоко", "Жесть", "Сахар", "Консервный завод"),
    ("Рабочая одежда", "Льняное полотно", "Хлопковая ткань", "Хлопковая пряжа", "Швейная фабрика"),
    ("Дизельные двигатели", "Медный кабель", "Алюминий", "Чугун", "Моторный завод"),
    ("Электромоторы", "Пластмасса", "Медный кабель", "Медные слитки", "Электротехнический завод"),
    ("Бронзовое литьё", "Гончарная глина", "Бронза", "Кокс", "Литейная мастерская"),
    ("Дирижабли", "Парусина", "Алюминий", "Серная кислота", "Верфь дирижаблей"),
    ("Аккумуляторы", "Пластмасса", "Химреактивы", "Серная кислота", "Аккумуляторный завод"),
    ("Оптические приборы", "Жесть", "Бронза", "Листовое стекло", "Оптический завод"),
    ("Тракторы", "Лаки и краски", "Сталь", "Чугун", "Тракторный завод"),
    ("Тепличные овощи", "Листовое стекло", "Удобрения", "Дистиллированная вода", "Тепличный комбинат"),
    ("Армейские сухари", "Каменная соль", "Хлеб", "Мука", "Сухарный завод"),
    ("Лекарства", "Сахар", "Химреактивы", "Дистиллированная вода", "Фармацевтический завод"),
    ("Фаянсовая посуда", "Гончарная глина", "Огнеупоры", "Торфяные брикеты", "Фаянсовый завод"),
    ("Мостовые фермы", "Бетонные блоки", "Сталь", "Цемент", "Мостовой трест"),
    ("Сеялки", "Пиломатериалы", "Жесть", "Чугун", "Завод сельхозмашин"),
    ("Игрушки", "Лаки и краски", "Пластмасса", "Пиломатериалы", "Игрушечная фабрика"),
    ("Швейные машины", "Лаки и краски", "Сталь", "Медные слитки", "Завод швейных машин"),
    ("Часы", "Листовое стекло", "Бронза", "Оловянные слитки", "Часовой завод"),
    ("Радиоприёмники", "Пластмасса", "Медный кабель", "Листовое стекло", "Радиозавод"),
    ("Грузовики", "Пластмасса", "Сталь", "Мазут", "Автозавод"),
    ("Велосипеды", "Пластмасса", "Алюминий", "Чугун", "Велосипедный завод"),
    ("Хозяйственное мыло", "Каменная соль", "Химреактивы", "Канифоль", "Мыловаренный завод"),
    ("Печенье", "Сырое молоко", "Сдобное тесто", "Сахар", "Бисквитная фабрика"),
    ("Многоэтажные дома", "Оконные рамы", "Бетонные блоки", "Кирпич", "Стройтрест"),
    ("Палатки", "Пиломатериалы", "Парусина", "Льняное полотно", "Палаточная фабрика"),
]

PLACES = [
    "Каменск", "Ольховка", "Заречье", "Белозёрск", "Кедровый", "Старый Кельм",
    "Новый Кельм", "Липняги", "Ярцево", "Мостки", "Сорокино", "Дубравка", "Крутой Яр",
    "Тихоречье", "Светлогорье", "Верховье", "Рудный", "Приозёрный", "Гремячий",
]

# Stations 0-2 and 24-45 are never offered as main factories; support factories go there
# first, the rest after station 120.
MAIN_SLOTS = list(range(3, 24)) + list(range(46, 121))
SUPPORT_SLOTS = [0, 1, 2] + list(range(24, 46))
CLEAR_MARGIN = 0.02  # least share of the revenue a chain gains or loses


class Ware:
    def __init__(self, name, avg, units, seconds):
        self.name = name
        self.avg = avg
        self.units = units
        self.seconds = seconds
        self.min = max(1, int(avg * RNG.uniform(0.62, 0.85)))
        self.max = max(avg, int(math.ceil(avg * RNG.uniform(1.15, 1.5))))


class Station:
    def __init__(self, name, product, resources, amounts):
        self.name = name
        self.product = product
        self.resources = resources
        self.amounts = amounts
        self.supports = [0, 0, 0]
        self.index = None


def place_name(kind, number):
    name = "%s «%s»" % (kind, PLACES[number % len(PLACES)])
    if len(name) > MAX_NAME:
        sys.exit("name too long: " + name)
    return name


def round_time(seconds):
    return int(seconds) // 30 * 30


def build():
    wares = []
    by_name = {}

    def add_ware(ware):
        if ware.name in by_name:
            sys.exit("ware twice: " + ware.name)
        by_name[ware.name] = len(wares)
        wares.append(ware)

    def ware(name):
        return wares[by_name[name]]

    for name, avg, units, seconds in RAW:
        add_ware(Ware(name, avg, units, seconds))

    support_stations = []
    makers = {}  # ware name -> its support factories

    def add_support(station, product_name):
        support_stations.append(station)
        makers.setdefault(product_name, []).append(station)

    # Basic goods: one raw good, a few minutes a cycle, priced at cost plus a margin.
    for name, raw, kind, count in BASIC:
        units = RNG.integer(10, 60)
        seconds = round_time(RNG.integer(120, 1200))
        per_unit = RNG.uniform(1.5, 4.0)
        amount = max(1, round(units * per_unit))
        cost = amount * ware(raw).avg / units
        add_ware(Ware(name, int(math.ceil(cost * RNG.uniform(1.35, 1.7))), units, seconds))
        for n in range(count):
            station_amount = max(1, round(amount * RNG.uniform(0.9, 1.15)))
            add_support(Station(place_name(kind, len(support_stations) * 5 + n),
                                by_name[name], [by_name[raw], 0, 0], [station_amount, 0, 0]), name)

    # Intermediate goods: a bought good and a basic good that a support factory makes.
    for name, bought, basic, kind, count in INTERMEDIATE:
        units = RNG.integer(5, 30)
        seconds = round_time(RNG.integer(600, 3600))
        amount0 = max(1, round(units * RNG.uniform(0.8, 2.5)))
        amount1 = max(1, round(units * RNG.uniform(1.0, 3.0)))
        cost = (amount0 * ware(bought).avg + amount1 * ware(basic).avg) / units
        add_ware(Ware(name, int(math.ceil(cost * RNG.uniform(1.35, 1.6))), units, seconds))
        for n in range(count):
            a0 = max(1, round(amount0 * RNG.uniform(0.9, 1.15)))
            a1 = max(1, round(amount1 * RNG.uniform(0.9, 1.15)))
            add_support(Station(place_name(kind, len(support_stations) * 5 + n), by_name[name],
                                [by_name[bought], by_name[basic], 0], [a0, a1, 0]), name)

    # Final goods: their price comes from what their three chains cost.
    main_stations = []
    for f, (name, bought, inter, basic, kind) in enumerate(FINAL):
        units = RNG.integer(2, 15)
        seconds = round_time(RNG.integer(1800, 2 * 3600))
        final = Ware(name, 0, units, seconds)
        add_ware(final)
        chains = []
        for v in range(3):
            f1 = makers[inter][v % len(makers[inter])]
            f2_ware = wares[f1.resources[1]].name
            f2 = makers[f2_ware][(v + f) % len(makers[f2_ware])]
            f3 = makers[basic][(v + 1) % len(makers[basic])]
            q1 = supply_amount(wares, f1, final)
            q2 = supply_amount(wares, f3, final)
            q0 = max(1, round(units * RNG.uniform(1.0, 3.0)))
            station = Station(place_name(kind, f * 3 + v), by_name[name],
                              [by_name[bought], f1.product, f3.product], [q0, q1, q2])
            station.chain = (f1, f2, f3)
            chains.append(station)
        # An average price a little over what the chains cost on the mean: the dearer
        # chains of a good with a thin markup lose money.
        costs = [chain_cost(wares, s, *s.chain) for s in chains]
        markup = RNG.uniform(*MARKUP)
        final.avg = int(math.ceil(sum(costs) / len(costs) / units / markup))
        final.min = max(1, int(final.avg * RNG.uniform(0.62, 0.85)))
        final.max = int(math.ceil(final.avg * RNG.uniform(1.15, 1.5)))
        for station in chains:
            keep_clear_of_break_even(wares, station)
        main_stations.extend(chains)

    return wares, main_stations, support_stations


def keep_clear_of_break_even(wares, station):
    """Moves a chain that only just pays or loses a little further to its side, by the
    amount of its bought good, so that it reads plainly as one or the other."""
    product = wares[station.product]
    revenue = product.avg * product.units
    margin = chain_income(wares, station) / revenue
    if abs(margin) >= CLEAR_MARGIN:
        return
    bought = wares[station.resources[0]].avg
    target = CLEAR_MARGIN if margin >= 0 else -CLEAR_MARGIN
    change = (margin - target) * revenue / bought  # units more of the bought good
    station.amounts[0] = max(1, station.amounts[0] + (math.ceil(change) if change > 0 else math.floor(change)))


def supply_amount(wares, supplier, consumer):
    """What the supplier makes in most of one cycle of the consumer, but at least one."""
    made = wares[supplier.product]
    per_cycle = made.units * consumer.seconds / made.seconds
    return max(1, min(2000, round(per_cycle * RNG.uniform(0.35, 0.95))))


def cycle_cost(wares, station, prices):
    return sum(station.amounts[i] * prices[i] for i in range(3))


def transfer_price(wares, station, cost):
    made = wares[station.product]
    unit = cost / made.units
    return float(made.min) if made.min >= unit else unit


def chain_costs(wares, main, f1, f2, f3):
    """The calculator's cost arithmetic at average prices, support factories all active:
    main cycle cost and the three support costs scaled to one main cycle."""
    avg = lambda s, i: wares[s.resources[i]].avg
    c2 = float(cycle_cost(wares, f2, [avg(f2, 0), 0, 0]))
    t2 = int(transfer_price(wares, f2, c2))
    c1 = float(cycle_cost(wares, f1, [avg(f1, 0), t2, 0]))
    c3 = float(cycle_cost(wares, f3, [avg(f3, 0), 0, 0]))
    t1 = int(transfer_price(wares, f1, c1))
    t3 = int(transfer_price(wares, f3, c3))
    cm = float(cycle_cost(wares, main, [avg(main, 0), t1, t3]))
    tm = wares[main.product].seconds
    s1 = (tm * c1) / wares[f1.product].seconds
    s2 = (tm * c2) / wares[f2.product].seconds
    s3 = (tm * c3) / wares[f3.product].seconds
    return cm, s1, s2, s3


def chain_cost(wares, main, f1, f2, f3):
    cm, s1, s2, s3 = chain_costs(wares, main, f1, f2, f3)
    return cm + s1 + s2 + s3


def chain_income(wares, main):
    cm, s1, s2, s3 = chain_costs(wares, main, *main.chain)
    product = wares[main.product]
    income = float(product.avg * product.units) - cm
    return ((income - s1) - s2) - s3


def time_text(seconds):
    return "%02d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


WARES_HEADER = """\
// Товары экономики Кельма: сырьё, полуфабрикаты и готовая продукция.
// Файл создан программой tools/make-tables/make_tables.py; правьте лучше её.
//
// Кодировка Windows-1251, строки заканчиваются CR LF.
// Всё, что стоит после "//", - комментарий; пустые строки пропускаются.
// Первая значимая строка - число записей, каждая следующая - одна запись.
// Поля записи разделяются точкой с запятой:
//   1. название товара (без ";" и "//");
//   2. минимальная цена за единицу;
//   3. средняя цена за единицу;
//   4. максимальная цена за единицу;
//   5. число единиц, производимых за один цикл;
//   6. длительность цикла ЧЧ:ММ:СС, сразу после ";", по две цифры на часть.
// Номер товара считается с 0 в порядке записей (он указан в комментарии
// в конце строки); по этому номеру на товар ссылается файл stations.csv.
"""

STATIONS_HEADER = """\
// Фабрики экономики Кельма.
// Файл создан программой tools/make-tables/make_tables.py; правьте лучше её.
//
// Кодировка Windows-1251, строки заканчиваются CR LF.
// Всё, что стоит после "//", - комментарий; пустые строки пропускаются.
// Первая значимая строка - число записей, каждая следующая - одна запись.
// Поля записи разделяются точкой с запятой:
//   1. название фабрики (без ";" и "//");
//   2. продукт: номер товара в wares.csv (с 0);
//   3. число ресурсов, от 0 до 3;
//   4-6. ресурсы 1-3: номера товаров (неиспользуемые - 0);
//   7-9. расход ресурсов 1-3 за цикл (неиспользуемые - 0);
//   10. резерв, программой не используется (0);
//   11-13. фабрики поддержки 1-3: номера фабрик в этом файле (с 0).
// Главные фабрики (номера 3-23 и 46-120) берут ресурс 2 у фабрики
// поддержки 1 и ресурс 3 у фабрики поддержки 3; фабрика поддержки 1
// берёт свой ресурс 2 у фабрики поддержки 2. У остальных фабрик
// поля 11-13 не используются и равны 0.
"""


def write_table(path, header, count, records):
    lines = header.splitlines()
    lines.append("%d // число записей" % count)
    lines.extend(records)
    data = ("\r\n".join(lines) + "\r\n").encode("cp1251")
    with open(path, "wb") as out:
        out.write(data)


def main():
    global RNG
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tables")
    if len(sys.argv) == 3:
        folder = sys.argv[1]
        RNG = Random(int(sys.argv[2]))
    elif len(sys.argv) != 1:
        sys.exit("usage: make_tables.py [FOLDER SEED]")
    wares, main_stations, support_stations = build()

    stations = [None] * (max(MAIN_SLOTS) + 1)
    for slot, station in zip(MAIN_SLOTS, main_stations):
        stations[slot] = station
    free = SUPPORT_SLOTS[:]
    for station in support_stations:
        if free:
            stations[free.pop(0)] = station
        else:
            stations.append(station)
    if len(main_stations) != len(MAIN_SLOTS) or any(s is None for s in stations):
        sys.exit("the stations do not fill the table")
    for index, station in enumerate(stations):
        station.index = index
    for station in main_stations:
        station.supports = [s.index for s in station.chain]

    names = [s.name for s in stations]
    if len(set(names)) != len(names):
        sys.exit("station names repeat")
    losses = sum(1 for s in main_stations if chain_income(wares, s) <= 0)
    print("%d wares, %d stations, %d of %d chains lose at average prices"
          % (len(wares), len(stations), losses, len(main_stations)))

    ware_lines = []
    groups = {0: "// Сырьё", len(RAW): "// Полуфабрикаты первой ступени",
              len(RAW) + len(BASIC): "// Полуфабрикаты второй ступени",
              len(RAW) + len(BASIC) + len(INTERMEDIATE): "// Готовая продукция"}
    for i, w in enumerate(wares):
        if i in groups:
            ware_lines.extend(["", groups[i]])
        ware_lines.append("%s;%d;%d;%d;%d;%s // %d"
                          % (w.name, w.min, w.avg, w.max, w.units, time_text(w.seconds), i))

    station_lines = []
    for i, s in enumerate(stations):
        if i in (0, 3, 24, 46, 121):
            station_lines.extend(["", "// Главные фабрики" if i in (3, 46) else "// Фабрики поддержки"])
        fields = [s.product, len([a for a in s.amounts if a])] + s.resources + s.amounts + [0] + s.supports
        station_lines.append("%s;%s // %d" % (s.name, ";".join(str(x) for x in fields), i))

    os.makedirs(folder, exist_ok=True)
    write_table(os.path.join(folder, "wares.csv"), WARES_HEADER, len(wares), ware_lines)
    write_table(os.path.join(folder, "stations.csv"), STATIONS_HEADER, len(stations), station_lines)


if __name__ == "__main__":
    main()
