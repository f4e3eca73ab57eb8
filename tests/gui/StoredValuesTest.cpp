// A design is shown as it is stored; only gestures bring it within the limits, and every design the
// window builds stays within them.

#include "MainFormFixture.h"
#include "equipment/DesignCheck.h"
#include "files/DesignFile.h"
#include "model/UndoHistory.h"
#include "rules/MainCalc.h"
#include "ui/EditCommands.h"
#include "ui/FileCommands.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>

namespace vantrel::test {
namespace {

class StoredValues : public MainFormFixture {
protected:
    QString Write(const Design& design, const char* name) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        const std::string bytes = DesignFileBytes(design);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    void Open(const QString& path) {
        dialogs.fileNames.push_back(path);
        form->Files().MOpen_Click();
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    }

    // The errors of the check on the window's design; the totals' errors (weight, heat, slots) aside,
    // which the window warns of without refusing.
    std::vector<std::string> LimitErrors() {
        Context copy = ctx;
        MainCalc(copy);
        std::vector<std::string> out;
        for (const Finding& f : CheckDesign(copy)) {
            const std::string line = FindingLine(f);
            if (f.kind == Finding::Kind::Error && line.find("overweight") == std::string::npos &&
                line.find("above dissipation") == std::string::npos &&
                line.find("critical slots used") == std::string::npos)
                out.push_back(line);
        }
        return out;
    }
};

TEST_F(StoredValues, DesignOutsideTheSlidersIsShownAsStored) {
    Design stored;
    NewDesign(stored);
    stored.WeightClass = 0;  // an Exoskeleton: jump up to 3, no VTOL under Inner Sphere
    stored.JumpMP = 9;
    stored.VTOLMP = 5;
    stored.BodySlots[0] = kSlotGround;
    Open(Write(stored, "exo.vnt"));

    // Every page visited, there and back: no step, nothing changed, the records as the file has them.
    for (int page : {0, 1, 2, 3, 0, 1}) {
        ShowPage(page);
        EXPECT_EQ(Steps(), 0u) << page;
        EXPECT_FALSE(form->Edits().Changed()) << page;
        EXPECT_FALSE(form->Files().HasUnsavedChanges()) << page;
        EXPECT_TRUE(SameRecords(d(), stored)) << page;
    }
    // The sliders stand at their ends; the captions show the stored values.
    ShowPage(0);
    EXPECT_EQ(Slider("Slider2")->value(), 3);
    EXPECT_EQ(Lab("MLab2")->text(), "270 Meters"_q);
    EXPECT_FALSE(Slider("Slider3")->isEnabled());
    EXPECT_EQ(Lab("MLab3")->text(), "54 Km/H"_q);
    EXPECT_EQ(Combo("ComboType")->currentIndex(), 0);
    EXPECT_FALSE(Combo("ComboChassis")->isEnabled());
    // The check says what is wrong.
    EXPECT_EQ(LimitErrors(),
              (std::vector<std::string>{
                  "error: jump 9 is above the maximum of 3 for an Exoskeleton suit",
                  "error: VTOL movement 5 is above the maximum of 0: Inner Sphere suits cannot use VTOL",
                  "error: jump 9 and VTOL movement 5 together: a suit uses one of jump, VTOL and "
                  "underwater movement at most",
              }));

    // Suit systems change nothing of the movement's limits yet their gesture brings it within them,
    // as every gesture of the first page does: one step, and the check is content.
    Choose(Combo("ComboSS"), 2);
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(d().JumpMP, 3);
    EXPECT_EQ(d().VTOLMP, 0);
    EXPECT_EQ(Lab("MLab2")->text(), "90 Meters"_q);
    EXPECT_TRUE(LimitErrors().empty());
    EXPECT_TRUE(form->Edits().Changed());

    // Undo brings the stored design back as it was, shown as stored and unchanged against its file.
    form->Edits().MUndo_Click();
    EXPECT_TRUE(SameRecords(d(), stored));
    EXPECT_EQ(Lab("MLab2")->text(), "270 Meters"_q);
    EXPECT_EQ(Slider("Slider2")->value(), 3);
    EXPECT_FALSE(form->Edits().Changed());
    ShowPage(1);
    ShowPage(0);
    EXPECT_TRUE(SameRecords(d(), stored));

    // Armor beyond the class: the slider at its end, the caption and the weight as stored.
    stored.ArmorPoints = 9;
    stored.ArmorWeight = 123;
    Open(Write(stored, "armored.vnt"));
    ShowPage(1);
    EXPECT_EQ(Slider("ArmorSlide")->value(), 2);
    EXPECT_EQ(Lab("LabArmorP")->text(), "Armor Points: 9"_q);
    EXPECT_EQ(Lab("LabArmorW")->text(), "Armor Weight: 123 Kg"_q);
    EXPECT_TRUE(SameRecords(d(), stored));
    EXPECT_FALSE(form->Edits().Changed());
}

// The slots hold one movement entry per point after every gesture that lays the movement out, also
// when that gesture brings the movement within a lower limit.
TEST_F(StoredValues, MovementSlotsFollowTheClampedPoints) {
    const auto entries = [&](int location, int code) {
        const ConstSlotArrays a = Slots(std::as_const(d()), location);
        return static_cast<int>(std::count(a.codes, a.codes + a.count, code));
    };
    // A Light Quad at 5 ground points turned Humanoid (3 at most).
    ShowPage(0);
    Choose(Combo("ComboChassis"), 1);
    DragTo(Slider("Slider1"), 5);
    ASSERT_EQ(entries(kQuadBody, kSlotGround), 5);
    Choose(Combo("ComboChassis"), 0);
    EXPECT_EQ(d().GroundMP, 3);
    EXPECT_EQ(entries(kBody, kSlotGround), 3);

    // A stored jump of 9 on an Exoskeleton, the ground slider released: 3 jump entries for 3 points.
    Design stored;
    NewDesign(stored);
    stored.WeightClass = 0;
    stored.JumpMP = 9;
    form->Edits().MarkSaved();  // nothing to ask before the open
    Open(Write(stored, "exo.vnt"));
    ShowPage(0);
    DragTo(Slider("Slider1"), 2);
    EXPECT_EQ(d().JumpMP, 3);
    EXPECT_EQ(entries(kBody, kSlotJump), 3);
    EXPECT_EQ(entries(kBody, kSlotGround), 2);
}

// Whatever the user does with the first two pages' controls, the design keeps every limit the check
// knows; a fault in a cascade (a clamp left to a refresh that no longer writes) shows here.
TEST_F(StoredValues, EveryDesignTheWindowBuildsKeepsTheLimits) {
    std::mt19937 rng(24);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* sliders[] = {"Slider1", "Slider2", "Slider3", "Slider4"};
    for (int step = 0; step < 300; ++step) {
        std::string what;
        switch (pick(8)) {
            case 0:
                ShowPage(0);
                what = "weight class";
                Choose(Combo("ComboType"), pick(5));
                break;
            case 1:
                ShowPage(0);
                what = "technology";
                Choose(Combo("ComboTechBase"), pick(3));
                break;
            case 2:
                ShowPage(0);
                what = "chassis";
                if (Combo("ComboChassis")->isEnabled()) Choose(Combo("ComboChassis"), pick(2));
                break;
            case 3:
            case 4: {
                ShowPage(0);
                ReleaseSlider* s = Slider(sliders[pick(4)]);
                what = s->objectName().toStdString();
                if (s->isEnabled()) DragTo(s, s->minimum() + pick(s->maximum() - s->minimum() + 1));
                break;
            }
            case 5:
                ShowPage(0);
                what = "turret";
                if (Combo("ComboTurret")->isVisible()) Choose(Combo("ComboTurret"), pick(10));
                if (pick(2)) Click(Box("ChkConfig"));
                break;
            case 6:
                ShowPage(1);
                what = "armor type";
                Choose(Combo("ComboAType"), pick(Combo("ComboAType")->count()));
                break;
            default: {
                ShowPage(1);
                ReleaseSlider* s = Slider("ArmorSlide");
                what = "armor points";
                DragTo(s, s->minimum() + pick(s->maximum() - s->minimum() + 1));
                break;
            }
        }
        const std::vector<std::string> errors = LimitErrors();
        ASSERT_TRUE(errors.empty()) << "step " << step << ", " << what << ": " << errors.front();
    }
}

#ifdef VANTREL_PROGRAM
// `vantrel --check` on a file built to show each kind of fault: exit status 1 and the error's line.
TEST_F(StoredValues, CheckCommandFailsEachFileOutsideTheLimits) {
    const int flamer = FindIndex(ctx.catalog, "(C) ER Flamer");
    const int gun = FindIndex(ctx.catalog, "(I) Light Machine Gun");
    ASSERT_GE(flamer, 0);
    ASSERT_GE(gun, 0);
    struct Case {
        std::function<void(Design&)> set;
        std::string line;
    };
    const std::vector<Case> cases = {
        {[](Design& x) { x.GroundMP = 0; },                         "ground movement 0 is below the minimum of 1"},
        {[](Design& x) { x.GroundMP = 4; },
         "ground movement 4 is above the maximum of 3 for a Humanoid Light suit"                                 },
        {[](Design& x) { x.WeightClass = 0, x.JumpMP = 9; },
         "jump 9 is above the maximum of 3 for an Exoskeleton suit"                                              },
        {[](Design& x) { x.VTOLMP = 1; },
         "VTOL movement 1 is above the maximum of 0: Inner Sphere suits cannot use VTOL"                         },
        {[](Design& x) { x.TechBase = 1, x.VTOLMP = 8; },           "VTOL movement 8 is above the maximum of 7"  },
        {[](Design& x) { x.WeightClass = 0, x.UMUMP = 2; },
         "underwater movement 2 is above the maximum of 0: an Exoskeleton cannot move underwater"                },
        {[](Design& x) { x.UMUMP = 1, x.JumpMP = 1; },              "jump 1 and underwater movement 1 together"  },
        {[](Design& x) { x.ArmorPoints = 7, x.ArmorWeight = 350; },
         "armor points 7 are above the maximum of 6"                                                             },
        {[](Design& x) { x.ArmorPoints = 1, x.ArmorWeight = 0; },
         "armor weight 0 kg does not match 1 points"                                                             },
        {[&](Design& x) { x.OwnedCount[flamer] = 1; },
         "(C) ER Flamer is not offered to an Inner Sphere design"                                                },
        {[&](Design& x) { x.TechBase = 1, x.OwnedAmmo[gun] = 1; },
         "(I) Light Machine Gun Ammo is not offered to a Clan design"                                            },
        {[](Design& x) { x.TurretSize = 2; },                       "a turret of 2 slots on a Humanoid"          },
    };
    const auto check = [](const QString& path, int& status) {
        QProcess p;
        p.start(QStringLiteral(VANTREL_PROGRAM), {"--check"_q, path});
        EXPECT_TRUE(p.waitForFinished(60000));
        status = p.exitCode();
        return p.readAllStandardOutput().toStdString();
    };
    Design legal;
    NewDesign(legal);
    legal.BodySlots[0] = kSlotGround;
    int status = -1;
    EXPECT_EQ(check(Write(legal, "legal.vnt"), status), "");
    EXPECT_EQ(status, 0);
    for (size_t i = 0; i < cases.size(); ++i) {
        Design x = legal;
        cases[i].set(x);
        const std::string out = check(Write(x, ("case" + std::to_string(i) + ".vnt").c_str()), status);
        EXPECT_EQ(status, 1) << cases[i].line;
        EXPECT_NE(out.find("error: " + cases[i].line), std::string::npos) << out;
    }
}
#endif

// The heat sink slider reaches as far as the design's worked-out heat allows, whatever totals the file
// stored, after Open and after an Undo brings the design back.
TEST_F(StoredValues, HeatSinkRangeFollowsTheWorkedOutHeatNotTheStoredOne) {
    Design stored;
    NewDesign(stored);
    stored.WeightClass = 3;
    AddToStash(ctx.catalog, stored, "(I) Medium Laser", 2);
    Context worked = ctx;
    worked.design = stored;
    MainCalc(worked);
    ASSERT_GT(worked.design.MaxHeat, 0);
    stored.MaxHeat = 0;  // an old or hand-made file with totals that no longer agree
    Open(Write(stored, "stale-totals.vnt"));
    auto* slider = Find<QSlider>(*form, "HeatSinkSlide");
    EXPECT_EQ(slider->maximum(), worked.design.MaxHeat + 5);

    Find<QComboBox>(*form, "ComboTechBase")->setCurrentIndex(1);
    form->Edits().MUndo_Click();
    EXPECT_EQ(slider->maximum(), worked.design.MaxHeat + 5);
}

}  // namespace
}  // namespace vantrel::test
