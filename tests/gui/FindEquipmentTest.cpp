// The equipment finder driven through its widgets, read from what its table shows; and the
// equipment page by keyboard (Enter on the available list, the page's mnemonics).

#include "MainFormFixture.h"
#include "equipment/Availability.h"
#include "ui/EditCommands.h"
#include "ui/EntryList.h"
#include "ui/FindEquipmentForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class FindEquipmentTest : public MainFormFixture {
protected:
    FindEquipmentForm* Open() {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(Line("TextMechName"), Qt::Key_F, Qt::ControlModifier);
        if (form->FindWindow() == nullptr) {
            ADD_FAILURE() << "Ctrl+F opened nothing";
            form->MFind_Click();
        }
        return form->FindWindow();
    }
    QTableView* Grid() { return Find<QTableView>(*form->FindWindow(), "GridEquipment"); }
    QLineEdit* Search() { return Find<QLineEdit>(*form->FindWindow(), "TextSearch"); }
    static void Turn() { QCoreApplication::processEvents(); }

    int ColumnNamed(const QString& header) {
        const QAbstractItemModel* m = Grid()->model();
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header) return c;
        ADD_FAILURE() << "no column " << header.toStdString();
        return 0;
    }
    // The texts of one column, row by row as the table shows them.
    QStringList Column(const QString& header, int role = Qt::DisplayRole) {
        const int c = ColumnNamed(header);
        const QAbstractItemModel* m = Grid()->model();
        QStringList out;
        for (int r = 0; r < m->rowCount(); ++r) out << m->data(m->index(r, c), role).toString();
        return out;
    }
    int RowOf(const QString& name) { return static_cast<int>(Column(u"Name"_s).indexOf(name)); }
    QVariant Cell(const QString& name, const QString& header, int role = Qt::DisplayRole) {
        const int row = RowOf(name);
        if (row < 0) return {};
        return Grid()->model()->data(Grid()->model()->index(row, ColumnNamed(header)), role);
    }
    void Type(const QString& text) {
        Search()->clear();
        QTest::keyClicks(Search(), text);
    }
    // The row of `name` made current, then Enter on the table.
    void EnterOn(const QString& name) {
        const int row = RowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        Grid()->setCurrentIndex(Grid()->model()->index(row, 0));
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Return);
        Turn();
    }
    void ClickHeader(const QString& header) {
        QHeaderView* h = Grid()->horizontalHeader();
        const int c = ColumnNamed(header);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(c) + 5, 5));
    }
    static double Number(const QString& text) {
        return text == u"-"_s ? -std::numeric_limits<double>::infinity() : text.toDouble();
    }
    int Idx(const char* name) const { return FindIndex(ctx.catalog, name); }
};

TEST_F(FindEquipmentTest, CtrlFOpensOneWindowOnTheWholeCatalog) {
    EXPECT_EQ(Act("MFind")->text(), u"&Find Equipment..."_s);
    EXPECT_EQ(Act("MFind")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    FindEquipmentForm* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    const int total = static_cast<int>(CatalogEntries(ctx.catalog).size());
    EXPECT_GT(total, kCatalogSize);
    EXPECT_EQ(Grid()->model()->rowCount(), total);
    EXPECT_EQ(Find<QLabel>(*w, "LabShown")->text(),
              QString::number(total) + u" of "_s + QString::number(total) + u" entries"_s);
    // The catalog's order, the information panel's figures.
    EXPECT_EQ(Column(u"Name"_s).first(), QString::fromStdString(ctx.catalog[0].Name));
    EXPECT_EQ(Cell(u"(I) ER Medium Laser"_s, u"Weight (kg)"_s).toString(), u"800"_s);
    EXPECT_EQ(Cell(u"(I) ER Medium Laser"_s, u"Technology"_s).toString(), u"Inner Sphere"_s);
    EXPECT_EQ(Cell(u"(I) ER Medium Laser"_s, u"Category"_s).toString(), u"Energy"_s);
    EXPECT_EQ(Cell(u"(I) ER Medium Laser"_s, u"Ammo (kg)"_s).toString(), u"-"_s);
    const CatalogItem& srm = ctx.catalog[Idx("(I) SRM 2")];
    EXPECT_EQ(Cell(u"(I) SRM 2 Ammo"_s, u"Weight (kg)"_s).toString(), QString::number(srm.AmmoWeight));
    EXPECT_EQ(Cell(u"(I) SRM 2 Ammo"_s, u"Shots"_s).toString(), QString::number(srm.Shots));
    EXPECT_EQ(Cell(u"(I) SRM 2 Ammo"_s, u"Category"_s).toString(), u"Ammunition"_s);
    // Asked again: the same window, to the front.
    form->MFind_Click();
    EXPECT_EQ(form->findChildren<FindEquipmentForm*>().size(), 1);
}

TEST_F(FindEquipmentTest, TypingNarrowsTheTableToTheMatchingRows) {
    Open();
    const int total = Grid()->model()->rowCount();
    Type(u"med"_s);
    const QStringList med = Column(u"Name"_s);
    EXPECT_LT(med.size(), total);
    Type(u"LASER med"_s);
    const QStringList rows = Column(u"Name"_s);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_LT(rows.size(), med.size());
    // Exactly the catalog's names that hold both words, whatever their case.
    QStringList expected;
    for (const CatalogEntry& e : CatalogEntries(ctx.catalog)) {
        const QString name = QString::fromStdString(EntryText(ctx.catalog, e));
        if (name.contains(u"laser"_s, Qt::CaseInsensitive) && name.contains(u"med"_s, Qt::CaseInsensitive))
            expected << name;
    }
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(rows.contains(u"(C) ER Medium Laser"_s));
    // Words in the other order, and the technology's words.
    Type(u"Medium HEAVY"_s);
    const QStringList heavy = Column(u"Name"_s);
    EXPECT_TRUE(heavy.contains(u"(C) Heavy Medium Laser"_s));
    Type(u"heavy medium"_s);
    EXPECT_EQ(Column(u"Name"_s), heavy);
    Type(u"laser inner"_s);
    const QStringList bases = Column(u"Technology"_s);
    ASSERT_FALSE(bases.isEmpty());
    EXPECT_EQ(bases.count(u"Inner Sphere"_s), bases.size());
    EXPECT_EQ(Find<QLabel>(*form->FindWindow(), "LabShown")->text(),
              QString::number(bases.size()) + u" of "_s + QString::number(total) + u" entries"_s);
    Type(u"no such thing"_s);
    EXPECT_EQ(Grid()->model()->rowCount(), 0);

    // Figures compared with numbers: the weapons with a long range of 6 or more under 300 kg.
    Type(u"long>=6 weight<300"_s);
    const QStringList longs = Column(u"Long"_s), light = Column(u"Weight (kg)"_s);
    ASSERT_FALSE(longs.isEmpty());
    for (int r = 0; r < longs.size(); ++r) {
        EXPECT_GE(Number(longs[r]), 6.0) << Column(u"Name"_s)[r].toStdString();
        EXPECT_LT(Number(light[r]), 300.0) << Column(u"Name"_s)[r].toStdString();
    }
    EXPECT_TRUE(Column(u"Name"_s).contains(u"(I) SRM 2"_s));

    // The category filter, with an empty search: every row of that category and no other.
    Search()->clear();
    Find<QComboBox>(*form->FindWindow(), "ComboCategory")->setCurrentIndex(1 + kAmmunition);
    const QStringList categories = Column(u"Category"_s);
    EXPECT_FALSE(categories.isEmpty());
    EXPECT_EQ(categories.count(u"Ammunition"_s), categories.size());
    EXPECT_TRUE(Column(u"Name"_s).contains(u"(I) SRM 2 Ammo"_s));
}

TEST_F(FindEquipmentTest, SortingByAColumnOrdersTheRowsByItsFigures) {
    Open();
    Type(u"laser"_s);
    ClickHeader(u"Weight (kg)"_s);
    QStringList weights = Column(u"Weight (kg)"_s);
    ASSERT_GE(weights.size(), 5);
    for (int r = 1; r < weights.size(); ++r)
        EXPECT_LE(Number(weights[r - 1]), Number(weights[r]))
            << weights[r - 1].toStdString() << " before " << weights[r].toStdString();
    // As numbers, not as texts: 1000 comes after 800.
    EXPECT_LT(weights.indexOf(u"800"_s), weights.lastIndexOf(u"1000"_s));
    ClickHeader(u"Weight (kg)"_s);
    weights = Column(u"Weight (kg)"_s);
    for (int r = 1; r < weights.size(); ++r) EXPECT_GE(Number(weights[r - 1]), Number(weights[r]));

    // The order stays while the search changes, and a text column sorts by its text.
    Type(u"medium"_s);
    weights = Column(u"Weight (kg)"_s);
    for (int r = 1; r < weights.size(); ++r) EXPECT_GE(Number(weights[r - 1]), Number(weights[r]));
    ClickHeader(u"Name"_s);
    QStringList names = Column(u"Name"_s);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(names, sorted);
}

TEST_F(FindEquipmentTest, ClanItemOnAnInnerSphereDesignIsGreyedWithItsReasonAndCannotBeAdded) {
    ASSERT_EQ(d().TechBase, 0);
    Open();
    Type(u"ER Medium Laser"_s);
    const QString clan = u"(C) ER Medium Laser"_s;
    const QString innerSphere = u"(I) ER Medium Laser"_s;
    EXPECT_EQ(Cell(clan, u"Not Offered Because"_s).toString(), u"Clan item: the design is Inner Sphere"_s);
    EXPECT_EQ(Cell(clan, u"Name"_s, Qt::ToolTipRole).toString(), u"Clan item: the design is Inner Sphere"_s);
    EXPECT_EQ(Cell(clan, u"Weight (kg)"_s, Qt::ToolTipRole).toString(),
              u"Clan item: the design is Inner Sphere"_s);
    EXPECT_EQ(Cell(innerSphere, u"Not Offered Because"_s).toString(), u""_s);
    EXPECT_FALSE(Cell(innerSphere, u"Name"_s, Qt::ToolTipRole).isValid());
    // Greyed: drawn in the disabled text colour, the offered row in the table's own.
    const QColor grey = Grid()->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(Cell(clan, u"Name"_s, Qt::ForegroundRole).value<QBrush>().color(), grey);
    EXPECT_FALSE(Cell(innerSphere, u"Name"_s, Qt::ForegroundRole).isValid());

    const Design before = d();
    const std::size_t steps = Steps();
    EnterOn(clan);
    EXPECT_EQ(Find<QLabel>(*form->FindWindow(), "LabReason")->text(),
              u"(C) ER Medium Laser is not offered: Clan item: the design is Inner Sphere"_s);
    Find<QPushButton>(*form->FindWindow(), "ComAddFound")->click();
    Turn();
    EXPECT_TRUE(d() == before);
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(form->FindWindow()->isVisible());

    // The offered-only filter leaves it out; a Clan design offers it and greys the other.
    Find<QCheckBox>(*form->FindWindow(), "ChkOffered")->setChecked(true);
    EXPECT_FALSE(Column(u"Name"_s).contains(clan));
    EXPECT_TRUE(Column(u"Name"_s).contains(innerSphere));
    EXPECT_EQ(Column(u"Not Offered Because"_s).join(QString()), QString());
    Find<QCheckBox>(*form->FindWindow(), "ChkOffered")->setChecked(false);
    ShowPage(0);
    Choose(Combo("ComboTechBase"), 1);
    Turn();
    EXPECT_EQ(Cell(clan, u"Not Offered Because"_s).toString(), u""_s);
    EXPECT_EQ(Cell(innerSphere, u"Not Offered Because"_s).toString(),
              u"Inner Sphere item: the design is Clan"_s);
}

TEST_F(FindEquipmentTest, EnterOnAnOfferedRowAddsAsAddDoesInOneStep) {
    const QString laser = u"(I) ER Medium Laser"_s;
    const int idx = Idx("(I) ER Medium Laser");
    // What "Add >>" on the equipment page does, to compare with.
    ShowPage(2);
    AddAvailable(laser);
    const Design byPage = d();
    const QStringList ownedByPage = Find<EntryList>(*Equipment(), "SelList")->Lines();
    Act("MUndo")->trigger();
    ASSERT_EQ(d().OwnedCount[idx], 0);

    Open();
    Type(u"er medium"_s);
    // Enter in the search box goes to the rows found, the first one current, and adds nothing.
    QApplication::setActiveWindow(form->FindWindow());
    Search()->setFocus();
    const std::size_t steps = Steps();
    QTest::keyClick(Search(), Qt::Key_Return);
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Grid()->currentIndex().row(), 0);
    EXPECT_EQ(Steps(), steps);
    EnterOn(laser);
    EXPECT_EQ(d().OwnedCount[idx], 1);
    EXPECT_TRUE(d() == byPage);
    EXPECT_EQ(Find<EntryList>(*Equipment(), "SelList")->Lines(), ownedByPage);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(Act("MUndo")->text(), u"&Undo Add"_s);
    EXPECT_TRUE(form->FindWindow()->isVisible());
    EXPECT_EQ(RowOf(laser), Grid()->currentIndex().row());  // the search and the row stay
    EXPECT_EQ(Find<QLabel>(*form->FindWindow(), "LabReason")->text(), u""_s);

    // The Add button takes the count in the box, still one step; a double-click adds as Enter does.
    Find<QSpinBox>(*form->FindWindow(), "SpinCount")->setValue(3);
    Find<QPushButton>(*form->FindWindow(), "ComAddFound")->click();
    Turn();
    EXPECT_EQ(d().OwnedCount[idx], 4);
    EXPECT_EQ(Steps(), steps + 2);
    Find<QSpinBox>(*form->FindWindow(), "SpinCount")->setValue(1);
    const QRect cell =
        Grid()->visualRect(Grid()->model()->index(RowOf(laser), ColumnNamed(u"Weight (kg)"_s)));
    // The first click of the pair, then the double-click the desktop reports in place of the second.
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    Turn();
    EXPECT_EQ(d().OwnedCount[idx], 5);
    EXPECT_EQ(Steps(), steps + 3);
    Act("MUndo")->trigger();
    Act("MUndo")->trigger();
    Turn();
    EXPECT_EQ(d().OwnedCount[idx], 1);
    Act("MUndo")->trigger();
    EXPECT_EQ(d().OwnedCount[idx], 0);
}

TEST_F(FindEquipmentTest, TheWindowFollowsTheDesign) {
    Open();
    Type(u"srm 2"_s);
    const QString ammo = u"(I) SRM 2 Ammo"_s;
    EXPECT_EQ(Cell(ammo, u"Not Offered Because"_s).toString(), u"no ammunition for a weapon it carries"_s);
    EnterOn(ammo);
    EXPECT_EQ(d().OwnedAmmo[Idx("(I) SRM 2")], 0);
    EnterOn(u"(I) SRM 2"_s);
    // Once the weapon is carried its ammunition is offered and takes Enter.
    EXPECT_EQ(Cell(ammo, u"Not Offered Because"_s).toString(), u""_s);
    EnterOn(ammo);
    EXPECT_EQ(d().OwnedAmmo[Idx("(I) SRM 2")], 1);

    // A rule of the placement for the weight class: a Medium suit may not use a Jump Booster.
    Type(u"jump booster"_s);
    EXPECT_EQ(Cell(u"Jump Booster"_s, u"Not Offered Because"_s).toString(), u""_s);
    ShowPage(0);
    Choose(Combo("ComboType"), 2);
    Turn();
    EXPECT_EQ(Cell(u"Jump Booster"_s, u"Not Offered Because"_s).toString(),
              u"Only Light Battle Armors may use a Jump Booster."_s);
    // Undo brings the Light suit back, and the window with it.
    Act("MUndo")->trigger();
    Turn();
    EXPECT_EQ(Cell(u"Jump Booster"_s, u"Not Offered Because"_s).toString(), u""_s);
}

TEST_F(FindEquipmentTest, ScreenshotShowsTheGreyedRows) {
    Open();
    Type(u"medium"_s);
    FindEquipmentForm* w = form->FindWindow();
    Turn();
    const QImage shot = w->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), w->size() * shot.devicePixelRatio());
    // Both colours of text are drawn: the offered rows' and the greyed rows'.
    const QColor grey = Grid()->palette().color(QPalette::Disabled, QPalette::Text);
    const QColor text = Grid()->palette().color(QPalette::Active, QPalette::Text);
    bool greyDrawn = false, textDrawn = false;
    const QImage table = Grid()->viewport()->grab().toImage();
    for (int y = 0; y < table.height(); ++y)
        for (int x = 0; x < table.width(); ++x) {
            const QColor c = table.pixelColor(x, y);
            greyDrawn = greyDrawn || c == grey;
            textDrawn = textDrawn || c == text;
        }
    EXPECT_TRUE(greyDrawn);
    EXPECT_TRUE(textDrawn);
    if (const QByteArray folder = qgetenv("VANTREL_SHOTS"); !folder.isEmpty())
        shot.save(QString::fromLocal8Bit(folder) + u"/find-equipment.png"_s);
}

// --- the equipment page by keyboard ---

TEST_F(FindEquipmentTest, EnterOnTheAvailableListAddsTheSelectedEntriesInOneStep) {
    ShowPage(2);
    auto* available = Find<EntryList>(*Equipment(), "AvList");
    available->clearSelection();
    available->SetSelected(available->FindRow(u"(I) ER Flamer"_s), true);
    available->SetSelected(available->FindRow(u"Laser Rifle"_s), true);
    available->setFocus();
    const std::size_t steps = Steps();
    QTest::keyClick(available, Qt::Key_Return);
    EXPECT_EQ(d().OwnedCount[Idx("(I) ER Flamer")], 1);
    EXPECT_EQ(d().OwnedCount[Idx("Laser Rifle")], 1);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(Act("MUndo")->text(), u"&Undo Add"_s);
    EXPECT_FALSE(available->HasSelection());                        // as after "Add >>"
    QTest::keyClick(available, Qt::Key_Enter, Qt::KeypadModifier);  // nothing selected: nothing added
    EXPECT_EQ(Steps(), steps + 1);
}

// The page's buttons and options each have a mnemonic of their own that no menu of the bar has,
// and Alt with it works the control; the captions keep their words.
TEST_F(FindEquipmentTest, PageThreeMnemonicsAreItsOwn) {
    ShowPage(2);
    QApplication::setActiveWindow(form.get());
    QStringList bar;
    for (QAction* a : form->menuBar()->actions()) bar << QKeySequence::mnemonic(a->text()).toString();
    QStringList keys;
    for (QAbstractButton* b : Equipment()->findChildren<QAbstractButton*>()) {
        const QString key = QKeySequence::mnemonic(b->text()).toString();
        EXPECT_FALSE(key.isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(bar.contains(key)) << b->text().toStdString();
        EXPECT_FALSE(keys.contains(key)) << b->text().toStdString();
        keys << key;
        QString words = b->text();
        words.remove(u'&');
        EXPECT_EQ(words, b->accessibleName() == u"Add"_s      ? u"Add >>"_s
                         : b->accessibleName() == u"Remove"_s ? u"<< Remove"_s
                                                              : b->accessibleName())
            << b->objectName().toStdString();
    }
    EXPECT_EQ(keys.size(), 9);
    auto* ammunition = FindAt<QRadioButton>(*Equipment(), "OptType", kAmmunition);
    QTest::keyClick(form.get(), QKeySequence::mnemonic(ammunition->text())[0].key(), Qt::AltModifier);
    // A mnemonic clicks the button as a short animation does.
    for (int waited = 0; waited < 2000 && !ammunition->isChecked(); waited += 20) QTest::qWait(20);
    EXPECT_TRUE(ammunition->isChecked());
    EXPECT_TRUE(Find<EntryList>(*Equipment(), "AvList")->Lines().contains(u"Active Mine"_s));
    QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);  // "Available Equipment:" to its list
    EXPECT_TRUE(Find<EntryList>(*Equipment(), "AvList")->hasFocus());
}

}  // namespace
}  // namespace vantrel::test
