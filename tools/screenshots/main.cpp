// Pictures of the windows for a person to look at: every page of both chassis, the slot pages with
// equipment placed, the check and breakdown windows, the file menus, the design library and a comparison.
// Usage:
//   vantrel_screenshots [folder]   (default: screenshots/ in the current folder)
// Controls are reached by their object names, so the tool depends on no window's members.

#include "FakeDialogs.h"
#include "files/DesignFile.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "model/Design.h"
#include "model/Document.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "ui/BreakdownForm.h"
#include "ui/CompareForm.h"
#include "ui/DesignCheckForm.h"
#include "ui/DesignLibraryForm.h"
#include "ui/EntryList.h"
#include "ui/FileCommands.h"
#include "ui/FindEquipmentForm.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/RecentFiles.h"
#include "ui/Recovery.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"
#include "ui/WindowSet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace vantrel {
namespace {

// Desktop calls are not made: the pictures must not register file types on the machine they run on.
class QuietPlatform : public Platform {
public:
    void RegisterFileType(const QString&, const QString&, const QString&) override {}
    bool ShellDef(const QString&) override { return true; }
    bool IsInstalled(const QString&) override { return false; }
};

int failures = 0;

template <typename T>
T* Find(QObject* in, const char* name) {
    T* found = in->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "no control named %s\n", name);
        ++failures;
    }
    return found;
}

void Save(QWidget* w, const QString& folder, const QString& file) {
    if (w == nullptr) return;
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(file);
    if (w->grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

void Choose(QObject* form, const char* combo, int index) {
    if (auto* box = Find<QComboBox>(form, combo)) box->setCurrentIndex(index);
}

void ShowTab(QObject* form, int index) {
    if (auto* tabs = Find<QTabBar>(form, "TabStrip1")) tabs->setCurrentIndex(index);
    QApplication::processEvents();
}

// The user's pick in the available list and a click on Add.
void Add(QObject* form, const QString& entry) {
    ShowTab(form, 2);
    auto* list = Find<EntryList>(form, "AvList");
    auto* add = Find<QAbstractButton>(form, "ComAdd");
    if (list == nullptr || add == nullptr) return;
    const int row = list->FindRow(entry);
    if (row < 0) {
        std::fprintf(stderr, "no entry %s in the available list\n", qPrintable(entry));
        ++failures;
        return;
    }
    list->clearSelection();
    list->SetSelected(row, true);
    add->click();
    QApplication::processEvents();
}

// A drag of an owned entry onto a slot, delivered as the toolkit delivers it.
void Place(QWidget* page, const char* ownedList, const QString& entry, const char* slot) {
    auto* owned = Find<OwnedList>(page, ownedList);
    auto* target = Find<SlotLabel>(page, slot);
    if (owned == nullptr || target == nullptr) return;
    const int row = owned->FindRow(entry);
    if (row < 0) {
        std::fprintf(stderr, "no owned entry %s\n", qPrintable(entry));
        ++failures;
        return;
    }
    owned->setCurrentRow(row);
    std::unique_ptr<QMimeData> data(owned->MakeDragData());
    if (data == nullptr) return;
    QDragEnterEvent enter(QPoint(4, 4), Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QApplication::processEvents();
}

// The page that holds `ownedList` (both slot pages name their slots alike).
QWidget* SlotPageOf(QObject* form, const char* ownedList) {
    auto* owned = Find<QWidget>(form, ownedList);
    QWidget* w = owned;
    while (w != nullptr && qobject_cast<SlotPage*>(w) == nullptr) w = w->parentWidget();
    return w;
}

void Click(QWidget* w) {
    if (w == nullptr) return;
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF at(5, 5);
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    const QPointF local(at);
    QMouseEvent e(type, local, w->mapToGlobal(local), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Grabs the handle, moves it to `value` and lets go: the window acts on the release.
void Slide(QObject* form, const char* name, int value) {
    auto* s = Find<ReleaseSlider>(form, name);
    if (s == nullptr) return;
    Mouse(s, QEvent::MouseButtonPress, s->HandleRect().center());
    s->setValue(value);
    Mouse(s, QEvent::MouseButtonRelease, s->HandleRect().center());
    QApplication::processEvents();
}

void DoubleClick(QWidget* w) {
    if (w == nullptr) return;
    const QPointF at(4, 4);
    QMouseEvent e(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Session {
    QTemporaryDir dir;
    Document doc;
    Context& ctx = doc.ctx;
    test::FakeDialogs dialogs;
    QuietPlatform platform;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    std::unique_ptr<MainForm> form;

    bool Start(const CatalogRef& catalog) {
        settings.Write(kKeySplash, QStringLiteral("1"));  // the catalog is already read
        ctx.catalog = catalog;
        form = std::make_unique<MainForm>(doc, settings, dialogs, platform);
        form->Files().RecoveryCopy().SetFolder(dir.filePath(QStringLiteral("recovery")));
        form->show();
        return form->Form_Load({});
    }
};

void Pages(const CatalogRef& catalog, const QString& folder) {
    Session s;
    if (!s.Start(catalog)) return void(++failures);
    MainForm* f = s.form.get();
    for (const char* chassis : {"humanoid", "quad"}) {
        for (int tab = 0; tab < 4; ++tab) {
            ShowTab(f, tab);
            Save(f, folder, QStringLiteral("%1-page%2.png").arg(QLatin1String(chassis)).arg(tab + 1));
        }
        ShowTab(f, 0);
        Choose(f, "ComboChassis", 1);
        Choose(f, "ComboTurret", 9);
        Slide(f, "Slider2", 3);
    }
}

void SlotPages(const CatalogRef& catalog, const QString& folder) {
    for (const bool quad : {false, true}) {
        Session s;
        if (!s.Start(catalog)) return void(++failures);
        MainForm* f = s.form.get();
        ShowTab(f, 0);
        Choose(f, "ComboChassis", quad ? 1 : 0);
        Choose(f, "ComboTurret", quad ? 4 : 0);
        Slide(f, "HeatSinkSlide", 2);
        // Owned straight away: the available list offers these only to heavier suits.
        for (const char* entry :
             {"(I) Bearhunter Superheavy Autocannon", "Space Operations Adaptation", "Magnetic Clamps"})
            AddToStash(s.ctx.catalog, s.ctx.design, entry, 1);
        f->RefreshP4();
        f->RefreshMain();
        ShowTab(f, 3);
        const char* owned = quad ? "QuadOwned" : "BipedOwned";
        QWidget* page = SlotPageOf(f, owned);
        if (page == nullptr) continue;
        const char* body = quad ? "QuadCrit_1" : "BodyCrit_1";
        Place(page, owned, QStringLiteral("Heat Sink"), body);
        Place(page, owned, QStringLiteral("(I) Bearhunter Superheavy Autocannon"),
              quad ? "TurretCrit_0" : "BodyCrit_2");
        if (!quad) Place(page, owned, QStringLiteral("Space Operations Adaptation"), "BodyCrit_6");
        Click(Find<QWidget>(page, body));
        Save(f, folder, quad ? QStringLiteral("quad.png") : QStringLiteral("humanoid.png"));
    }
}

void CheckWindows(const CatalogRef& catalog, const QString& folder) {
    Session s;
    if (!s.Start(catalog)) return void(++failures);
    MainForm* f = s.form.get();
    Add(f, QStringLiteral("(I) ER Medium Laser"));
    Add(f, QStringLiteral("Laser Rifle"));
    ShowTab(f, 0);
    if (auto* check = Find<QAction>(f, "MCheck")) check->trigger();
    DoubleClick(Find<QWidget>(f, "StatBar_6"));
    QApplication::processEvents();
    Save(f, folder, QStringLiteral("check-main.png"));
    Save(f->findChild<DesignCheckForm*>(), folder, QStringLiteral("check-window.png"));
    Save(f->findChild<BreakdownForm*>(), folder, QStringLiteral("breakdown-window.png"));
}

// The finder's row named `name` becomes the current one.
void MakeCurrent(QWidget* window, const QString& name) {
    auto* grid = Find<QAbstractItemView>(window, "GridEquipment");
    if (grid == nullptr) return;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        if (grid->model()->index(row, 0).data().toString() == name)
            grid->setCurrentIndex(grid->model()->index(row, 0));
}

// The finder on an Inner Sphere suit that carries an SRM: Clan items and other ammunition greyed.
void FindWindow(const CatalogRef& catalog, const QString& folder) {
    Session s;
    if (!s.Start(catalog)) return void(++failures);
    MainForm* f = s.form.get();
    if (auto* find = Find<QAction>(f, "MFind")) find->trigger();
    auto* window = f->findChild<FindEquipmentForm*>();
    auto* search = window ? Find<QLineEdit>(window, "TextSearch") : nullptr;
    if (search == nullptr) return;
    search->setText(QStringLiteral("srm 2"));
    MakeCurrent(window, QStringLiteral("(I) SRM 2"));
    if (auto* add = Find<QAbstractButton>(window, "ComAddFound")) add->click();
    search->setText(QStringLiteral("srm"));
    MakeCurrent(window, QStringLiteral("(C) SRM 2"));
    QApplication::processEvents();
    Save(window, folder, QStringLiteral("find-equipment.png"));
}

void Menus(const CatalogRef& catalog, const QString& folder) {
    Session s;
    if (!s.Start(catalog)) return void(++failures);
    MainForm* f = s.form.get();
    for (const char* name : {"Raven Mk I.vnt", "Elemental & Co.vnt", "Quad Tester.vnt"})
        f->Files().Recent().Add(QStringLiteral("/home/pilot/Documents/Battle Armor/") + QLatin1String(name));
    auto* file = Find<QMenu>(f, "MFile");
    auto* recent = Find<QMenu>(f, "MRecent");
    if (file == nullptr || recent == nullptr) return;
    file->popup(f->mapToGlobal(QPoint(0, 20)));
    recent->popup(f->mapToGlobal(QPoint(150, 60)));
    Save(file, folder, QStringLiteral("file-menu.png"));
    Save(recent, folder, QStringLiteral("recent-menu.png"));
}

// A folder of a few designs of every class, one unreadable, in the library; two of them compared.
void LibraryWindows(const CatalogRef& catalog, const QString& folder) {
    Session s;
    if (!s.Start(catalog)) return void(++failures);
    MainForm* f = s.form.get();
    QTemporaryDir designs;
    struct Suit {
        const char* name;
        const char* model;
        int weightClass, techBase, ground, jump, armor;
        bool quad;
        const char* item;
    };
    const Suit suits[] = {
        {"Raven",     "Mk I",  1, 0, 2, 3, 4,  false, "Machine Gun"        },
        {"Raven",     "Mk II", 1, 0, 2, 3, 5,  false, "Flamer"             },
        {"Elemental", "Prime", 3, 1, 1, 3, 10, false, "(I) ER Medium Laser"},
        {"Elemental", "A",     3, 1, 1, 3, 10, false, "Laser Rifle"        },
        {"Gnome",     "",      4, 1, 1, 2, 14, false, "Flamer"             },
        {"Cavalier",  "Scout", 2, 0, 3, 0, 6,  true,  "Machine Gun"        },
        {"Sloth",     "Draft", 0, 0, 1, 0, 2,  false, "Flamer"             },
    };
    for (const Suit& suit : suits) {
        Context ctx;
        ctx.catalog = catalog;
        NewDesign(ctx.design);
        Design& d = ctx.design;
        d.MechName = suit.name;
        d.Model = suit.model;
        d.WeightClass = suit.weightClass;
        d.TechBase = suit.techBase;
        d.IsQuad = suit.quad;
        d.GroundMP = suit.ground;
        d.JumpMP = suit.jump;
        d.ArmorPoints = suit.armor;
        AddToStash(ctx.catalog, d, suit.item, 1);
        ctx.armorList = ArmorListFor(d);
        MainCalc(ctx);
        std::string error;
        const QString file = designs.filePath(
            (QLatin1String(suit.name) + QLatin1Char(' ') + QLatin1String(suit.model)).trimmed() +
            QStringLiteral(".vnt"));
        if (!DoSaveAs(d, file.toStdString(), error)) ++failures;
    }
    QFile broken(designs.filePath(QStringLiteral("half-written.vnt")));
    if (broken.open(QIODevice::WriteOnly)) broken.write("Battle Armor\r\n");
    broken.close();

    if (auto* library = Find<QAction>(f, "MLibrary")) library->trigger();
    auto* window = f->findChild<DesignLibraryForm*>();
    if (window == nullptr) return void(++failures);
    window->SetFolder(designs.path());
    while (window->Reading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    auto* view = Find<QTableView>(window, "GridDesigns");
    if (view == nullptr) return;
    view->selectionModel()->select(view->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->setCurrentIndex(view->model()->index(3, 0));
    view->selectionModel()->select(view->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Save(window, folder, QStringLiteral("library.png"));
    if (auto* compare = Find<QPushButton>(window, "ComCompare")) compare->click();
    QApplication::processEvents();
    Save(f->findChild<CompareForm*>(), folder, QStringLiteral("compare.png"));
}

// Two main windows side by side, each with a design of its own, pictured as the desktop shows them.
void TwoWindows(const CatalogRef& catalog, const QString& folder) {
    QTemporaryDir dir;
    test::FakeDialogs dialogs;
    QuietPlatform platform;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    settings.Write(kKeySplash, QStringLiteral("1"));
    WindowSet set(catalog, settings, dialogs, platform);
    set.recoveryFolder = dir.filePath(QStringLiteral("recovery"));
    MainForm* first = set.Start({});
    if (first == nullptr) return void(++failures);
    if (auto* name = Find<QLineEdit>(first, "TextMechName")) name->setText(QStringLiteral("Raven"));
    if (auto* action = Find<QAction>(first, "MNewWindow")) action->trigger();
    if (set.Windows().size() != 2) return void(++failures);
    MainForm* second = set.Windows()[1];
    if (auto* name = Find<QLineEdit>(second, "TextMechName")) name->setText(QStringLiteral("Gnome"));
    if (auto* weight = Find<QComboBox>(second, "ComboType")) weight->setCurrentIndex(4);
    QApplication::processEvents();
    // Both windows on one picture, where the second stands against the first.
    const QRect both = first->frameGeometry().united(second->frameGeometry());
    QPixmap picture(both.size());
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    painter.drawPixmap(first->geometry().topLeft() - both.topLeft(), first->grab());
    painter.drawPixmap(second->geometry().topLeft() - both.topLeft(), second->grab());
    painter.end();
    const QString path = QDir(folder).filePath(QStringLiteral("two-windows.png"));
    if (picture.save(path))
        std::printf("%s\n", qPrintable(path));
    else
        ++failures;
    // The File menu of a window of the set, with its window entries.
    if (auto* file = Find<QMenu>(first, "MFile")) {
        file->popup(first->mapToGlobal(QPoint(0, 20)));
        Save(file, folder, QStringLiteral("file-menu-windows.png"));
        file->hide();
    }
}

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder = args.size() > 1 ? args[1] : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 1;
    }
    vantrel::CatalogRef catalog;
    vantrel::CatalogError error;
    if (!vantrel::LoadSharedCatalog(VANTREL_CATALOG_PATH, catalog, error)) {
        std::fprintf(stderr, "%s\n", vantrel::FormatCatalogError(VANTREL_CATALOG_PATH, error).c_str());
        return 1;
    }
    vantrel::Pages(catalog, folder);
    vantrel::SlotPages(catalog, folder);
    vantrel::CheckWindows(catalog, folder);
    vantrel::FindWindow(catalog, folder);
    vantrel::Menus(catalog, folder);
    vantrel::LibraryWindows(catalog, folder);
    vantrel::TwoWindows(catalog, folder);
    return vantrel::failures == 0 ? 0 : 1;
}
