#!/usr/bin/env python3
"""Writes data/stuff.plb, the equipment catalog shipped beside the program.

The item table below is the source of truth; the .plb file is generated from it.
Run from anywhere:  python3 tools/make_catalog.py [output path]

Design files store catalog indices, so the order of the written records is part of the
file format: it is fixed by the ORDER list near the end, not by the order of the tables.
"""

import os
import sys

CATALOG_SIZE = 302

ENERGY, BALLISTIC, MISSILE, EQUIPMENT, AMMUNITION = range(5)

IS, CLAN, BOTH = "(I) ", "(C) ", ""

NONE = -1


class Item:
    __slots__ = ("name", "damage", "weight", "slots", "heat", "bv", "price", "min_range",
                 "short", "medium", "long", "category", "extra", "shots", "ammo_price",
                 "ammo_weight", "base", "tech")

    def __init__(self, tech, base, category, weight, slots, price, damage="-1", heat=NONE,
                 bv=NONE, ranges="-", extra="-1", ammo=None):
        self.tech = tech
        self.base = base
        self.name = tech + base
        self.damage = str(damage)
        self.weight = weight
        self.slots = slots
        self.heat = heat
        self.bv = bv
        self.price = price
        # "-/3/6/9" is minimum/short/medium/long; a lone "-" means no ranges at all.
        if ranges == "-":
            self.min_range, self.short, self.medium, self.long = NONE, "-1", "-1", "-1"
        else:
            mn, s, m, l = ranges.split("/")
            self.min_range = NONE if mn == "-" else int(mn)
            self.short, self.medium, self.long = s, m, l
        self.category = category
        self.extra = extra
        if ammo is None:
            self.shots, self.ammo_price, self.ammo_weight = NONE, NONE, NONE
        else:
            self.shots, self.ammo_weight, self.ammo_price = ammo


items = []


def weapon(tech, base, category, kg, slots, damage, ranges, heat, bv, price, ammo=None,
           extra="-1"):
    items.append(Item(tech, base, category, kg, slots, price, damage, heat, bv, ranges, extra,
                      ammo))


def equipment(tech, base, kg, slots, price, bv=NONE, damage="-1", extra="-1"):
    items.append(Item(tech, base, EQUIPMENT, kg, slots, price, damage, NONE, bv, "-", extra))


def consumable(base, kg, slots, price, damage="-1", extra="-1"):
    items.append(Item(BOTH, base, AMMUNITION, kg, slots, price, damage, NONE, NONE, "-", extra))


# ---------------------------------------------------------------------------------------------
# Energy weapons: (tech, name, kg, slots, damage, min/short/medium/long, heat, BV, C-Bills)

for row in [
    (IS, "Flamer", 150, 1, 2, "-/1/2/3", 3, 5, 7500),
    (IS, "Heavy Flamer", 350, 1, 4, "-/2/3/4", 5, 15, 11250),
    (IS, "ER Flamer", 200, 1, 2, "-/3/5/7", 4, 16, 15000),
    (IS, "Small Laser", 200, 1, 3, "-/1/2/3", 1, 9, 11250),
    (IS, "ER Small Laser", 350, 2, 3, "-/2/4/5", 2, 17, 11250),
    (IS, "Small Pulse Laser", 400, 1, 3, "-/1/2/3", 2, 12, 16000),
    (IS, "Small X-Pulse Laser", 350, 1, 3, "-/2/4/5", 3, 21, 31000),
    (IS, "Small VSP Laser", 500, 2, 4, "-/2/4/6", 3, 22, 60000),
    (IS, "Small Re-engineered Laser", 300, 1, 4, "-/1/2/4", 4, 14, 25000),
    (IS, "Medium Laser", 500, 3, 5, "-/3/6/9", 3, 46, 40000),
    (IS, "ER Medium Laser", 800, 3, 5, "-/4/8/12", 5, 62, 80000),
    (IS, "Medium Pulse Laser", 800, 3, 6, "-/2/4/6", 4, 48, 60000),
    (IS, "Medium X-Pulse Laser", 900, 4, 6, "-/3/6/9", 6, 71, 110000),
    (IS, "Medium VSP Laser", 900, 4, 7, "-/2/5/9", 7, 56, 200000),
    (IS, "Medium Re-engineered Laser", 700, 3, 6, "-/3/6/9", 6, 65, 100000),
    (IS, "Light TAG", 35, 1, 0, "-/3/6/9", 0, 0, 40000),
    (CLAN, "Flamer", 100, 1, 2, "-/1/2/3", 3, 6, 7500),
    (CLAN, "Heavy Flamer", 300, 1, 4, "-/2/3/4", 5, 15, 11250),
    (CLAN, "ER Flamer", 150, 1, 2, "-/3/5/7", 4, 16, 15000),
    (CLAN, "ER Micro Laser", 150, 1, 2, "-/1/2/4", 1, 7, 10000),
    (CLAN, "Micro Pulse Laser", 160, 1, 3, "-/1/2/3", 1, 12, 12500),
    (CLAN, "ER Small Laser", 350, 2, 5, "-/2/4/6", 2, 31, 11250),
    (CLAN, "Small Pulse Laser", 300, 1, 3, "-/2/4/6", 2, 24, 16000),
    (CLAN, "ER Small Pulse Laser", 400, 1, 5, "-/2/4/6", 3, 36, 30000),
    (CLAN, "Heavy Small Laser", 500, 1, 6, "-/1/2/3", 3, 15, 20000),
    (CLAN, "ER Medium Laser", 800, 3, 7, "-/5/10/15", 5, 108, 80000),
    (CLAN, "Medium Pulse Laser", 800, 3, 7, "-/4/8/12", 4, 111, 60000),
    (CLAN, "ER Medium Pulse Laser", 900, 3, 7, "-/5/9/14", 6, 117, 150000),
    (CLAN, "Heavy Medium Laser", 1000, 4, 10, "-/3/6/9", 7, 76, 100000),
    (CLAN, "Light TAG", 25, 1, 0, "-/3/6/9", 0, 0, 40000),
    (BOTH, "Support PPC", 250, 2, 2, "-/2/5/7", 5, 14, 14000),
]:
    weapon(row[0], row[1], ENERGY, *row[2:])

# Chemical lasers burn a chemical charge per shot: (shots, kg, C-Bills) per load.
weapon(CLAN, "Small Chem Laser", ENERGY, 200, 1, 3, "-/1/2/3", 1, 7, 10000, ammo=(10, 10, 5000))
weapon(CLAN, "Medium Chem Laser", ENERGY, 500, 2, 5, "-/3/6/9", 2, 37, 30000, ammo=(5, 10, 5000))
# The man-portable plasma rifle fires plasma charges from a magazine.
weapon(IS, "Plasma Rifle", ENERGY, 300, 2, 2, "-/1/3/5", 10, 26, 28000, ammo=(10, 20, 1000))

# Anti-personnel weapons carried in an Anti-Personnel Weapon Mount; they bring their own
# power or clips, so no loads are tracked.
for row in [
    (BOTH, "Laser Rifle", ENERGY, 10, 1, 1, "-/1/2/3", 1, 1, 1250),
    (BOTH, "Pulse Laser Rifle", ENERGY, 10, 1, 1, "-/1/2/3", 2, 1, 2000),
    (BOTH, "Support Laser", ENERGY, 20, 1, 1, "-/1/2/3", 1, 2, 5000),
    (BOTH, "Portable Flamer", ENERGY, 15, 1, 1, "-/0/1/1", 3, 1, 100),
    (BOTH, "Auto-Rifle", BALLISTIC, 5, 1, 1, "-/1/2/3", 0, 1, 80),
    (BOTH, "Gyrojet Rifle", BALLISTIC, 5, 1, 1, "-/1/2/3", 0, 1, 1000),
    (BOTH, "Needler Rifle", BALLISTIC, 5, 1, 1, "-/0/1/1", 0, 1, 200),
    (BOTH, "Sniper Rifle", BALLISTIC, 10, 1, 1, "-/2/4/6", 0, 1, 500),
    (BOTH, "Shotgun", BALLISTIC, 5, 1, 1, "-/0/1/1", 0, 1, 100),
    (BOTH, "Submachine Gun", BALLISTIC, 5, 1, 1, "-/0/1/2", 0, 1, 80),
]:
    weapon(row[0], row[1], row[2], *row[3:], extra="For the Anti-Personnel Weapon Mount")

# ---------------------------------------------------------------------------------------------
# Ballistic weapons; ammo is (shots, kg, C-Bills) per load.

for row in [
    (BOTH, "Machine Gun", 100, 1, 2, "-/1/2/3", 0, 5, 5000, (20, 10, 100)),
    (IS, "Light Machine Gun", 75, 1, 1, "-/2/4/6", 0, 5, 5000, (20, 10, 100)),
    (CLAN, "Light Machine Gun", 50, 1, 1, "-/2/4/6", 0, 5, 5000, (20, 10, 100)),
    (IS, "Heavy Machine Gun", 150, 1, 3, "-/1/2/2", 0, 6, 7500, (10, 10, 100)),
    (CLAN, "Heavy Machine Gun", 100, 1, 3, "-/1/2/2", 0, 6, 7500, (10, 10, 100)),
    (BOTH, "Heavy Grenade Launcher", 100, 1, 1, "-/1/2/3", 0, 2, 4500, (10, 10, 500)),
    (IS, "Micro Grenade Launcher", 75, 1, 1, "-/1/2/3", 0, 1, 1950, (10, 10, 300)),
    (CLAN, "Micro Grenade Launcher", 50, 1, 1, "-/1/2/3", 0, 1, 1950, (10, 10, 300)),
    (IS, "Auto Grenade Launcher", 90, 1, 1, "-/1/2/3", 0, 2, 3500, (10, 10, 400)),
    (CLAN, "Auto Grenade Launcher", 70, 1, 1, "-/1/2/3", 0, 2, 3500, (10, 10, 400)),
    (IS, "Light Mortar", 300, 2, 3, "1/1/2/3", 0, 9, 2100, (5, 20, 250)),
    (CLAN, "Light Mortar", 250, 2, 3, "1/1/2/3", 0, 9, 2100, (5, 20, 250)),
    (IS, "Heavy Mortar", 400, 2, 3, "2/2/4/6", 0, 17, 7500, (5, 30, 500)),
    (CLAN, "Heavy Mortar", 350, 2, 3, "2/2/4/6", 0, 17, 7500, (5, 30, 500)),
    (IS, "Light Recoilless Rifle", 175, 2, 2, "-/2/4/6", 0, 12, 1000, (5, 10, 150)),
    (CLAN, "Light Recoilless Rifle", 150, 2, 2, "-/2/4/6", 0, 12, 1000, (5, 10, 150)),
    (IS, "Medium Recoilless Rifle", 250, 2, 3, "-/2/4/6", 0, 19, 3000, (5, 15, 250)),
    (CLAN, "Medium Recoilless Rifle", 225, 2, 3, "-/2/4/6", 0, 19, 3000, (5, 15, 250)),
    (BOTH, "Heavy Recoilless Rifle", 325, 3, 3, "-/3/5/7", 0, 22, 5000, (5, 20, 400)),
    (IS, "David Light Gauss Rifle", 100, 1, 1, "-/3/5/8", 0, 7, 22500, (10, 10, 500)),
    (IS, "King David Light Gauss Rifle", 275, 2, 1, "-/3/6/9", 0, 7, 30000, (10, 15, 700)),
    (IS, "Magshot Gauss Rifle", 175, 3, 2, "-/3/6/9", 0, 15, 10500, (10, 20, 1000)),
    (IS, "Tsunami Heavy Gauss Rifle", 125, 2, 1, "-/2/4/5", 0, 6, 9500, (10, 15, 800)),
    (IS, "Grand Mauler Gauss Cannon", 125, 2, 2, "-/2/4/5", 0, 7, 10000, (10, 20, 1000)),
    (CLAN, "AP Gauss Rifle", 200, 1, 3, "-/3/6/9", 1, 21, 10000, (10, 20, 1000)),
    (IS, "Bearhunter Superheavy Autocannon", 150, 3, 3, "-/1/2/3", 0, 4, 6000, (10, 25, 500)),
    (IS, "Firedrake Support Needler", 50, 1, 3, "-/1/2/3", 0, 5, 2000, (10, 10, 200)),
    (IS, "Mine Launcher", 120, 1, 4, "-/1/2/3", 0, 8, 8000, (2, 30, 1000)),
]:
    weapon(row[0], row[1], BALLISTIC, *row[2:9], ammo=row[9])

weapon(IS, "Pop-up Mine", BALLISTIC, 35, 1, 4, "-/0/-1/-1", 0, 6, 2500,
       extra="Single use and fired in place")

# ---------------------------------------------------------------------------------------------
# Missile launchers. Damage is the full volley. One-shot launchers weigh about two thirds,
# cost half and are worth a fifth of the BV; detachable packs are one-shot launchers on a
# quick-release rack (same weight, full launcher price); torpedo launchers are the
# underwater twins of the launcher and fire the same loads.

ONE_SHOT = "One-shot launcher"
TORPEDO = "Torpedo launcher for underwater use"
DETACHABLE = "Detachable one-shot missile pack"
ONE_SHOT_TORPEDO = "One-shot torpedo launcher"


def missile_family(tech, kind, size, kg, slots, damage, ranges, heat, bv, price, ammo,
                   os_kg, os_slots, variants):
    name = "%s %d" % (kind, size)
    os_bv = int(round(bv / 5.0))
    weapon(tech, name, MISSILE, kg, slots, damage, ranges, heat, bv, price, ammo=ammo)
    if "OS" in variants:
        weapon(tech, name + " (OS)", MISSILE, os_kg, os_slots, damage, ranges, heat, os_bv,
               price // 2, extra=ONE_SHOT)
    if "T" in variants:
        weapon(tech, name + " (T)", MISSILE, kg, slots, damage, ranges, heat, bv, price,
               ammo=ammo, extra=TORPEDO)
    if "TOS" in variants:
        weapon(tech, name + " (T) (OS)", MISSILE, os_kg, os_slots, damage, ranges, heat, os_bv,
               price // 2, extra=ONE_SHOT_TORPEDO)
    if "D" in variants:
        weapon(tech, name + " (D)", MISSILE, os_kg, os_slots, damage, ranges, heat, os_bv, price,
               extra=DETACHABLE)


def missile_ammo(size, kg_per_missile, price_per_missile, volleys=2):
    return (volleys, max(10, volleys * size * kg_per_missile), volleys * size * price_per_missile)


# SRM: 60 kg a tube for the Inner Sphere, three quarters of that for the Clans.
SRM_SLOTS = [1, 2, 2, 2, 3, 3]
SRM_OS_SLOTS = [1, 2, 2, 3, 3, 3]
SRM_HEAT = [1, 2, 2, 3, 4, 4]
SRM_BV = [15, 21, 30, 39, 47, 59]
SRM_OS_KG = {IS: [40, 75, 110, 150, 175, 210], CLAN: [30, 55, 85, 110, 130, 160]}
for tech in (IS, CLAN):
    per_tube = 60 if tech == IS else 45
    for n in range(1, 7):
        missile_family(tech, "SRM", n, per_tube * n, SRM_SLOTS[n - 1], 2 * n, "-/3/6/9",
                       SRM_HEAT[n - 1], SRM_BV[n - 1], 5000 * n, missile_ammo(n, 4, 270),
                       SRM_OS_KG[tech][n - 1], SRM_OS_SLOTS[n - 1], "OS T TOS D")

# LRM: Inner Sphere 60 kg a tube, Clan 35 kg.
LRM_SLOTS = {IS: [2, 2, 3, 3, 4], CLAN: [2, 2, 3, 3, 3]}
LRM_HEAT = [1, 1, 1, 1, 2]
LRM_BV = {IS: [9, 18, 27, 36, 45], CLAN: [12, 23, 35, 47, 58]}
LRM_OS_KG = {IS: [40, 85, 125, 170, 210], CLAN: [25, 50, 75, 100, 125]}
for tech in (IS, CLAN):
    per_tube = 60 if tech == IS else 35
    for n in range(1, 6):
        missile_family(tech, "LRM", n, per_tube * n, LRM_SLOTS[tech][n - 1], n, "6/7/14/21",
                       LRM_HEAT[n - 1], LRM_BV[tech][n - 1], 6000 * n, missile_ammo(n, 4, 250),
                       LRM_OS_KG[tech][n - 1], LRM_SLOTS[tech][n - 1], "OS T TOS D")

# MRM: Inner Sphere only.
MRM_SLOTS = [1, 2, 2, 3, 3]
MRM_HEAT = [1, 1, 2, 2, 2]
MRM_BV = [9, 9, 17, 22, 28]
MRM_OS_KG = [40, 75, 110, 150, 175]
for n in range(1, 6):
    missile_family(IS, "MRM", n, 60 * n, MRM_SLOTS[n - 1], n, "-/3/8/15", MRM_HEAT[n - 1],
                   MRM_BV[n - 1], 5000 * n, missile_ammo(n, 2, 25), MRM_OS_KG[n - 1],
                   MRM_SLOTS[n - 1], "OS D")

# Advanced SRM: Clan only, longer reach than the SRM for a little more weight.
ASRM_SLOTS = [1, 1, 2, 2, 3, 3]
ASRM_BV = [18, 26, 36, 47, 56, 71]
ASRM_OS_KG = [35, 65, 100, 130, 165, 195]
for n in range(1, 7):
    kg = 50 * n
    missile_family(CLAN, "Advanced SRM", n, kg, ASRM_SLOTS[n - 1], 2 * n, "-/4/7/10",
                   SRM_HEAT[n - 1], ASRM_BV[n - 1], 7500 * n, missile_ammo(n, 4, 360),
                   ASRM_OS_KG[n - 1], ASRM_SLOTS[n - 1], "OS")

weapon(IS, "Compact Narc", MISSILE, 150, 1, 0, "-/2/4/5", 0, 16, 15000, ammo=(4, 25, 4000))
weapon(CLAN, "Micro Bomb Rack", MISSILE, 100, 2, 2, "-", 0, 11, 30000, ammo=(2, 20, 2000))
weapon(IS, "Micro Bomb Rack", MISSILE, 125, 2, 2, "-", 0, 11, 30000, ammo=(2, 20, 2000))

# ---------------------------------------------------------------------------------------------
# Equipment (no heat, no damage). Manipulators and clamps take one slot each.

equipment(BOTH, "Armored Glove", 0, 1, 2500, extra="Manipulator")
equipment(BOTH, "Manipulator", 0, 1, 5000, extra="Manipulator")
equipment(BOTH, "Battle Claw", 15, 1, 10000, extra="Manipulator")
equipment(BOTH, "Heavy Battle Claw", 20, 1, 25000, extra="Manipulator")
equipment(BOTH, "Vibro-Claws", 50, 1, 15000, bv=1, damage="1", extra="Manipulator")
equipment(BOTH, "Salvage Arm", 30, 1, 50000, extra="Manipulator")
equipment(BOTH, "Magnetic Clamps", 30, 1, 2500, bv=1, extra="Manipulator")
equipment(BOTH, "Claws and Magnetic Clamps", 35, 1, 12500, bv=1.5, extra="Manipulator")
equipment(BOTH, "Cargo Lifter", 30, 1, 5000, extra="Manipulator adaptation")
equipment(BOTH, "Industrial Drill", 30, 1, 7500, extra="Manipulator adaptation")
equipment(BOTH, "Mine Clearance Equipment", 30, 1, 10000, extra="Manipulator adaptation")
equipment(BOTH, "Vibro-Shovel", 30, 1, 5000, extra="Manipulator adaptation")
equipment(BOTH, "Para Foil", 35, 1, 3000)
equipment(BOTH, "Partial Wing", 200, 1, 50000)
equipment(BOTH, "Jump Booster", 125, 2, 75000)
equipment(BOTH, "Mechanical Jump Booster", 75, 2, 60000)
equipment(BOTH, "Mine Dispenser", 50, 2, 20000, bv=8)
equipment(BOTH, "Bomb Rack", 100, 2, 30000)
equipment(BOTH, "Camo System", 200, 2, 50000)
equipment(BOTH, "Space Operations Adaptation", 100, 1, 50000)
equipment(IS, "ECM Suite", 100, 1, 50000)
equipment(CLAN, "ECM Suite", 75, 1, 50000)
equipment(IS, "Angel ECM Suite", 250, 3, 750000, bv=100)
equipment(CLAN, "Angel ECM Suite", 150, 3, 750000, bv=100)
equipment(IS, "Light Active Probe", 250, 2, 50000)
equipment(CLAN, "Light Active Probe", 150, 1, 50000)
equipment(IS, "Improved Sensors", 65, 1, 35000)
equipment(CLAN, "Improved Sensors", 45, 1, 200000)
equipment(BOTH, "Extended Life Support", 25, 1, 10000)
equipment(BOTH, "Fuel Tank", 50, 1, 500)
equipment(BOTH, "Heat Sensor", 20, 1, 15000)
equipment(BOTH, "Laser Microphone", 5, 1, 750)
equipment(BOTH, "Power Pack", 25, 1, 1000)
equipment(BOTH, "Remote Sensor Dispenser", 40, 1, 7500)
equipment(BOTH, "Searchlight", 5, 1, 500)
equipment(BOTH, "Cutting Torch", 5, 1, 1000)
equipment(BOTH, "Modular Equipment Adaptor", 10, 2, 10000)
equipment(BOTH, "Myomer Booster", 250, 3, 100000)
equipment(BOTH, "Anti-Personnel Weapon Mount", 5, 1, 2500)
equipment(BOTH, "Detachable Weapon Pack", 30, 1, 10000)
equipment(BOTH, "Mission Equipment Storage", 20, 1, 750)

# ---------------------------------------------------------------------------------------------
# Ammunition carried as an item of its own: mines for the dispenser, bombs for the racks,
# sensors and special munitions. Names never end in "Ammo": that ending marks the loads of a
# weapon in every list and slot.

for name, kg, price, damage, extra in [
    ("Conventional Mine", 25, 1000, "10", "Load for the Mine Dispenser"),
    ("Vibrabomb Mine", 25, 1500, "10", "Load for the Mine Dispenser"),
    ("Active Mine", 25, 2000, "10", "Load for the Mine Dispenser"),
    ("Command-Detonated Mine", 25, 2000, "10", "Load for the Mine Dispenser"),
    ("Inferno Mine", 25, 1500, "-1", "Load for the Mine Dispenser"),
    ("EMP Mine", 25, 5000, "-1", "Load for the Mine Dispenser"),
    ("High-Explosive Bomb", 50, 1000, "10", "Load for the Bomb Rack"),
    ("Cluster Bomb", 50, 1500, "5", "Load for the Bomb Rack"),
    ("Inferno Bomb", 50, 1500, "-1", "Load for the Bomb Rack"),
    ("Laser-Guided Bomb", 50, 3000, "10", "Load for the Bomb Rack"),
    ("Thunder Bomb", 50, 2000, "-1", "Load for the Bomb Rack"),
    ("Remote Sensor", 20, 1500, "-1", "Load for the Remote Sensor Dispenser"),
    ("SRM Inferno Missiles", 20, 1500, "-1", "Special munition for SRM launchers"),
    ("SRM Fragmentation Missiles", 20, 1500, "-1", "Special munition for SRM launchers"),
    ("SRM Tandem-Charge Missiles", 20, 3000, "-1", "Special munition for SRM launchers"),
    ("SRM Heat-Seeking Missiles", 20, 2000, "-1", "Special munition for SRM launchers"),
    ("SRM Acid Missiles", 20, 2500, "-1", "Special munition for SRM launchers"),
    ("SRM Anti-TSM Missiles", 20, 2000, "-1", "Special munition for SRM launchers"),
    ("SRM Mine Clearance Missiles", 20, 1500, "-1", "Special munition for SRM launchers"),
    ("SRM Dead-Fire Missiles", 20, 2500, "-1", "Special munition for SRM launchers"),
    ("SRM Listen-Kill Missiles", 20, 2500, "-1", "Special munition for SRM launchers"),
    ("LRM Thunder Missiles", 20, 1500, "-1", "Special munition for LRM launchers"),
    ("LRM Smoke Missiles", 20, 1000, "-1", "Special munition for LRM launchers"),
    ("LRM Fragmentation Missiles", 20, 1500, "-1", "Special munition for LRM launchers"),
    ("LRM Swarm Missiles", 20, 3000, "-1", "Special munition for LRM launchers"),
    ("LRM Incendiary Missiles", 20, 1500, "-1", "Special munition for LRM launchers"),
    ("LRM Semi-Guided Missiles", 20, 3000, "-1", "Special munition for LRM launchers"),
    ("LRM Heat-Seeking Missiles", 20, 2000, "-1", "Special munition for LRM launchers"),
    ("LRM Mine Clearance Missiles", 20, 1500, "-1", "Special munition for LRM launchers"),
    ("LRM Dead-Fire Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("LRM Listen-Kill Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("LRM Follow-the-Leader Missiles", 20, 3000, "-1", "Special munition for LRM launchers"),
    ("LRM Thunder-Active Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("LRM Thunder-Vibrabomb Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("LRM Thunder-Inferno Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("LRM Thunder-Augmented Missiles", 20, 2500, "-1", "Special munition for LRM launchers"),
    ("Narc Explosive Pods", 25, 3000, "-1", "Special munition for the Compact Narc"),
    ("Narc Haywire Pods", 25, 3000, "-1", "Special munition for the Compact Narc"),
    ("Narc Nemesis Pods", 25, 3000, "-1", "Special munition for the Compact Narc"),
    ("Narc ECM Pods", 25, 5000, "-1", "Special munition for the Compact Narc"),
    ("Mortar Smoke Shells", 20, 250, "-1", "Special munition for mortars"),
    ("Mortar Flare Shells", 20, 250, "-1", "Special munition for mortars"),
    ("Mortar Airburst Shells", 20, 500, "-1", "Special munition for mortars"),
    ("Mortar Anti-Personnel Shells", 20, 500, "-1", "Special munition for mortars"),
    ("Mortar Armor-Piercing Shells", 20, 750, "-1", "Special munition for mortars"),
    ("Mortar Semi-Guided Shells", 20, 1000, "-1", "Special munition for mortars"),
    ("Smoke Grenades", 10, 300, "-1", "Special munition for grenade launchers"),
    ("Flare Grenades", 10, 300, "-1", "Special munition for grenade launchers"),
]:
    consumable(name, kg, 1, price, damage, extra)


# ---------------------------------------------------------------------------------------------
# Output

# The catalog index of every item, index 0 first. Design files store these indices, so this
# list is part of the file format: change an item only in place (same line), never insert,
# remove or re-sort. It was first laid out by category, then by name without the tech mark.
ORDER = """
(C) ER Flamer
(I) ER Flamer
(C) ER Medium Laser
(I) ER Medium Laser
(C) ER Medium Pulse Laser
(C) ER Micro Laser
(C) ER Small Laser
(I) ER Small Laser
(C) ER Small Pulse Laser
(C) Flamer
(I) Flamer
(C) Heavy Flamer
(I) Heavy Flamer
(C) Heavy Medium Laser
(C) Heavy Small Laser
Laser Rifle
(C) Light TAG
(I) Light TAG
(C) Medium Chem Laser
(I) Medium Laser
(C) Medium Pulse Laser
(I) Medium Pulse Laser
(I) Medium Re-engineered Laser
(I) Medium VSP Laser
(I) Medium X-Pulse Laser
(C) Micro Pulse Laser
(I) Plasma Rifle
Portable Flamer
Pulse Laser Rifle
(C) Small Chem Laser
(I) Small Laser
(C) Small Pulse Laser
(I) Small Pulse Laser
(I) Small Re-engineered Laser
(I) Small VSP Laser
(I) Small X-Pulse Laser
Support Laser
Support PPC
(C) AP Gauss Rifle
(C) Auto Grenade Launcher
(I) Auto Grenade Launcher
Auto-Rifle
(I) Bearhunter Superheavy Autocannon
(I) David Light Gauss Rifle
(I) Firedrake Support Needler
(I) Grand Mauler Gauss Cannon
Gyrojet Rifle
Heavy Grenade Launcher
(C) Heavy Machine Gun
(I) Heavy Machine Gun
(C) Heavy Mortar
(I) Heavy Mortar
Heavy Recoilless Rifle
(I) King David Light Gauss Rifle
(C) Light Machine Gun
(I) Light Machine Gun
(C) Light Mortar
(I) Light Mortar
(C) Light Recoilless Rifle
(I) Light Recoilless Rifle
Machine Gun
(I) Magshot Gauss Rifle
(C) Medium Recoilless Rifle
(I) Medium Recoilless Rifle
(C) Micro Grenade Launcher
(I) Micro Grenade Launcher
(I) Mine Launcher
Needler Rifle
(I) Pop-up Mine
Shotgun
Sniper Rifle
Submachine Gun
(I) Tsunami Heavy Gauss Rifle
(C) Advanced SRM 1
(C) Advanced SRM 1 (OS)
(C) Advanced SRM 2
(C) Advanced SRM 2 (OS)
(C) Advanced SRM 3
(C) Advanced SRM 3 (OS)
(C) Advanced SRM 4
(C) Advanced SRM 4 (OS)
(C) Advanced SRM 5
(C) Advanced SRM 5 (OS)
(C) Advanced SRM 6
(C) Advanced SRM 6 (OS)
(I) Compact Narc
(C) LRM 1
(I) LRM 1
(C) LRM 1 (D)
(I) LRM 1 (D)
(C) LRM 1 (OS)
(I) LRM 1 (OS)
(C) LRM 1 (T)
(I) LRM 1 (T)
(C) LRM 1 (T) (OS)
(I) LRM 1 (T) (OS)
(C) LRM 2
(I) LRM 2
(C) LRM 2 (D)
(I) LRM 2 (D)
(C) LRM 2 (OS)
(I) LRM 2 (OS)
(C) LRM 2 (T)
(I) LRM 2 (T)
(C) LRM 2 (T) (OS)
(I) LRM 2 (T) (OS)
(C) LRM 3
(I) LRM 3
(C) LRM 3 (D)
(I) LRM 3 (D)
(C) LRM 3 (OS)
(I) LRM 3 (OS)
(C) LRM 3 (T)
(I) LRM 3 (T)
(C) LRM 3 (T) (OS)
(I) LRM 3 (T) (OS)
(C) LRM 4
(I) LRM 4
(C) LRM 4 (D)
(I) LRM 4 (D)
(C) LRM 4 (OS)
(I) LRM 4 (OS)
(C) LRM 4 (T)
(I) LRM 4 (T)
(C) LRM 4 (T) (OS)
(I) LRM 4 (T) (OS)
(C) LRM 5
(I) LRM 5
(C) LRM 5 (D)
(I) LRM 5 (D)
(C) LRM 5 (OS)
(I) LRM 5 (OS)
(C) LRM 5 (T)
(I) LRM 5 (T)
(C) LRM 5 (T) (OS)
(I) LRM 5 (T) (OS)
(C) Micro Bomb Rack
(I) Micro Bomb Rack
(I) MRM 1
(I) MRM 1 (D)
(I) MRM 1 (OS)
(I) MRM 2
(I) MRM 2 (D)
(I) MRM 2 (OS)
(I) MRM 3
(I) MRM 3 (D)
(I) MRM 3 (OS)
(I) MRM 4
(I) MRM 4 (D)
(I) MRM 4 (OS)
(I) MRM 5
(I) MRM 5 (D)
(I) MRM 5 (OS)
(C) SRM 1
(I) SRM 1
(C) SRM 1 (D)
(I) SRM 1 (D)
(C) SRM 1 (OS)
(I) SRM 1 (OS)
(C) SRM 1 (T)
(I) SRM 1 (T)
(C) SRM 1 (T) (OS)
(I) SRM 1 (T) (OS)
(C) SRM 2
(I) SRM 2
(C) SRM 2 (D)
(I) SRM 2 (D)
(C) SRM 2 (OS)
(I) SRM 2 (OS)
(C) SRM 2 (T)
(I) SRM 2 (T)
(C) SRM 2 (T) (OS)
(I) SRM 2 (T) (OS)
(C) SRM 3
(I) SRM 3
(C) SRM 3 (D)
(I) SRM 3 (D)
(C) SRM 3 (OS)
(I) SRM 3 (OS)
(C) SRM 3 (T)
(I) SRM 3 (T)
(C) SRM 3 (T) (OS)
(I) SRM 3 (T) (OS)
(C) SRM 4
(I) SRM 4
(C) SRM 4 (D)
(I) SRM 4 (D)
(C) SRM 4 (OS)
(I) SRM 4 (OS)
(C) SRM 4 (T)
(I) SRM 4 (T)
(C) SRM 4 (T) (OS)
(I) SRM 4 (T) (OS)
(C) SRM 5
(I) SRM 5
(C) SRM 5 (D)
(I) SRM 5 (D)
(C) SRM 5 (OS)
(I) SRM 5 (OS)
(C) SRM 5 (T)
(I) SRM 5 (T)
(C) SRM 5 (T) (OS)
(I) SRM 5 (T) (OS)
(C) SRM 6
(I) SRM 6
(C) SRM 6 (D)
(I) SRM 6 (D)
(C) SRM 6 (OS)
(I) SRM 6 (OS)
(C) SRM 6 (T)
(I) SRM 6 (T)
(C) SRM 6 (T) (OS)
(I) SRM 6 (T) (OS)
(C) Angel ECM Suite
(I) Angel ECM Suite
Anti-Personnel Weapon Mount
Armored Glove
Battle Claw
Bomb Rack
Camo System
Cargo Lifter
Claws and Magnetic Clamps
Cutting Torch
Detachable Weapon Pack
(C) ECM Suite
(I) ECM Suite
Extended Life Support
Fuel Tank
Heat Sensor
Heavy Battle Claw
(C) Improved Sensors
(I) Improved Sensors
Industrial Drill
Jump Booster
Laser Microphone
(C) Light Active Probe
(I) Light Active Probe
Magnetic Clamps
Manipulator
Mechanical Jump Booster
Mine Clearance Equipment
Mine Dispenser
Mission Equipment Storage
Modular Equipment Adaptor
Myomer Booster
Para Foil
Partial Wing
Power Pack
Remote Sensor Dispenser
Salvage Arm
Searchlight
Space Operations Adaptation
Vibro-Claws
Vibro-Shovel
Active Mine
Cluster Bomb
Command-Detonated Mine
Conventional Mine
EMP Mine
Flare Grenades
High-Explosive Bomb
Inferno Bomb
Inferno Mine
Laser-Guided Bomb
LRM Dead-Fire Missiles
LRM Follow-the-Leader Missiles
LRM Fragmentation Missiles
LRM Heat-Seeking Missiles
LRM Incendiary Missiles
LRM Listen-Kill Missiles
LRM Mine Clearance Missiles
LRM Semi-Guided Missiles
LRM Smoke Missiles
LRM Swarm Missiles
LRM Thunder Missiles
LRM Thunder-Active Missiles
LRM Thunder-Augmented Missiles
LRM Thunder-Inferno Missiles
LRM Thunder-Vibrabomb Missiles
Mortar Airburst Shells
Mortar Anti-Personnel Shells
Mortar Armor-Piercing Shells
Mortar Flare Shells
Mortar Semi-Guided Shells
Mortar Smoke Shells
Narc ECM Pods
Narc Explosive Pods
Narc Haywire Pods
Narc Nemesis Pods
Remote Sensor
Smoke Grenades
SRM Acid Missiles
SRM Anti-TSM Missiles
SRM Dead-Fire Missiles
SRM Fragmentation Missiles
SRM Heat-Seeking Missiles
SRM Inferno Missiles
SRM Listen-Kill Missiles
SRM Mine Clearance Missiles
SRM Tandem-Charge Missiles
Thunder Bomb
Vibrabomb Mine
""".strip("\n").split("\n")


def number(v):
    if isinstance(v, float):
        if v == int(v):
            return str(int(v))
        return repr(v)
    return str(int(v))


def text(s):
    assert '"' not in s and "," not in s and "\r" not in s and "\n" not in s, s
    return '"' + s + '"'


def record(it):
    return ",".join([
        text(it.name), text(it.damage), number(it.weight), number(it.slots), number(it.heat),
        number(it.bv), number(it.price), number(it.min_range), text(it.short),
        text(it.medium), text(it.long), number(it.category), text(it.extra), number(it.shots),
        number(it.ammo_price), number(it.ammo_weight),
    ])


def ordered(all_items):
    by_name = {it.name: it for it in all_items}
    missing = [n for n in ORDER if n not in by_name]
    unlisted = [n for n in by_name if n not in set(ORDER)]
    assert not missing and not unlisted, ("in ORDER but not defined", missing,
                                          "defined but not in ORDER", unlisted)
    return [by_name[n] for n in ORDER]


def check(all_items):
    names = [it.name for it in all_items]
    assert len(all_items) == CATALOG_SIZE, "%d items, want %d" % (len(all_items), CATALOG_SIZE)
    assert len(set(names)) == len(names), [n for n in names if names.count(n) > 1]
    for it in all_items:
        assert not it.name.endswith("Ammo"), it.name
        assert it.category in range(5), it.name
        float(it.damage)
        if it.ammo_weight != NONE:
            assert it.ammo_weight > 0 and it.shots > 0 and it.ammo_price > 0, it.name
        if it.category in (EQUIPMENT, AMMUNITION):
            assert it.heat < 0, it.name
        it.name.encode("cp1252")
        it.extra.encode("cp1252")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "stuff.plb")
    check(items)
    assert len(ORDER) == CATALOG_SIZE and len(set(ORDER)) == CATALOG_SIZE
    body = "".join(record(it) + "\r\n" for it in ordered(items))
    with open(out, "wb") as f:
        f.write(body.encode("cp1252"))
    counts = [sum(1 for it in items if it.category == c) for c in range(5)]
    print("wrote %d records to %s (by category %s)" % (len(items), out, counts))


if __name__ == "__main__":
    main()
