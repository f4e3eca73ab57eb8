#include "ui/ControlTips.h"

#include <QString>
#include <QWidget>

#include <cstring>

namespace vantrel {

namespace {

struct Tip {
    const char* name;
    const char* text;
};

// Keyed by control name; "BodyCrit" covers BodyCrit_0 to BodyCrit_11.
constexpr Tip kTips[] = {
    {"TextMechName",
     "The design's name, shown in the title and on the record sheet. Any text without double quotes."            },
    {"TextModel",     "The design's model designation. Any text without double quotes."                          },
    {"TabStrip1",     "The four pages of the design. Ctrl+PgDown and Ctrl+PgUp turn them."                       },
    {"ComboType",
     "The weight class: Exoskeleton 400 Kg, Light 750, Medium 1,000, Heavy 1,500 or Assault 1,900. Changing "
     "it "
     "clears the equipment, the slots and the armor."                                                            },
    {"ComboChassis",  "Humanoid (body and two arms, 20 slots) or Quad (body 16 slots and a turret)."             },
    {"ComboTechBase",
     "Inner Sphere, Clan or Mixed: sets the chassis weight and the armor and equipment offered."                 },
    {"ComboSS",       "Suit systems: Basic, Inner Sphere or Clan; they weigh 5, 15 or 20 Kg."                    },
    {"ComboTurret",   "A quad's turret: none or 1 to 9 slots, 10 Kg per slot."                                   },
    {"ChkConfig",     "A configurable turret: 10 Kg more and one turret slot less."                              },
    {"ChkEnhanced",   "Enhanced Imaging: adds 5% to the offensive Battle Value and 400,000 C-Bills."             },
    {"HeatSinkSlide",
     "Heat sinks: 0 up to the weight class's limit; 100 Kg each, one slot each when placed."                     },
    {"Slider1",       "Ground movement points: 1 up to the weight class's limit. The caption shows the speed."   },
    {"Slider2",       "Jump movement points: 0 up to the weight class's limit."                                  },
    {"Slider3",       "VTOL movement points: 0 up to the weight class's limit."                                  },
    {"Slider4",       "Underwater movement points: 0 up to the weight class's limit."                            },
    {"ComboAType",    "The armor type, from those of the technology base. Changing it resets the armor points."  },
    {"ArmorSlide",
     "Armor points: 0 up to the weight class's limit; each point weighs what the armor type says."               },
    {"AvList",
     "Equipment of the chosen category and technology base. Select one or more and press Add >> (or Enter)."     },
    {"SelList",       "Equipment taken into the design but not yet placed in a slot. Select and press << Remove."},
    {"ComAdd",        "Takes one unit of each selected item of the available list into the design."              },
    {"ComRemove",     "Puts the selected owned units back; heat sinks and armor slots stay."                     },
    {"ComClear",      "Takes every owned unit out of the design (placed equipment stays)."                       },
    {"OptType",       "The category of equipment the available list shows."                                      },
    {"Check1",        "With Ammunition chosen: offer ammunition only for weapons the design owns."               },
    {"BipedOwned",
     "Owned entries to place: drag one onto a slot, or select it and press Enter, double-click or use the "
     "context "
     "menu (Shift+F10) to place it in the lowest free slot."                                                     },
    {"QuadOwned",
     "Owned entries to place: drag one onto a slot, or select it and press Enter, double-click or use the "
     "context "
     "menu (Shift+F10) to place it in the lowest free slot."                                                     },
    {"PlaceAll",      "Places every owned entry in the lowest slots that take it; what does not fit stays owned."},
    {"ClearSel1",     "Frees the slots of the selected item (Delete on a slot does the same)."                   },
    {"ClearSel2",     "Frees the slots of the selected item (Delete on a slot does the same)."                   },
    {"ClearCS",       "Frees every slot but the movement slots; the equipment goes back to the owned list."      },
    {"ClearCST",      "Frees every slot but the movement slots; the equipment goes back to the owned list."      },
    {"BodyCrit",
     "A body slot. Drop an owned entry here; Enter or Space places the selected entry or selects "
     "what is here, Delete frees it, the arrows move between slots."                                             },
    {"RightCrit",
     "A right arm slot. Drop an owned entry here; Enter or Space places or selects, Delete frees."               },
    {"LeftCrit",
     "A left arm slot. Drop an owned entry here; Enter or Space places or selects, Delete frees."                },
    {"QuadCrit",
     "A quad body slot. Drop an owned entry here; Enter or Space places or selects, Delete frees."               },
    {"TurretCrit",
     "A turret slot (inside the outline: usable). Enter or Space places or selects, Delete frees."               },
    {"StatBar",
     "A total of the design. Double-click a red one for the design check, Current Kg, Estimated BV "
     "or Cost for its breakdown."                                                                                },
};

const char* TipFor(const QString& name) {
    const int cut = name.lastIndexOf(QLatin1Char('_'));
    const QString key = cut > 0 ? name.left(cut) : name;
    for (const Tip& tip : kTips)
        if (key == QLatin1String(tip.name)) return tip.text;
    return nullptr;
}

}  // namespace

void SetToolTips(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->toolTip().isEmpty()) continue;
        if (const char* text = TipFor(w->objectName())) w->setToolTip(QString::fromUtf8(text));
    }
}

}  // namespace vantrel
