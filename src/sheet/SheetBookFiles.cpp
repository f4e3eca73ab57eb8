#include "files/DesignFile.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "sheet/SheetBook.h"

#include <memory>

namespace vantrel {

std::vector<std::string> AddDesignFiles(SheetBook& book, const CatalogRef& catalog,
                                        const std::vector<std::string>& files, int troopers,
                                        const PlayTables& tables, const PlaySkills& skills) {
    std::vector<std::string> failed;
    auto ctx = std::make_unique<Context>();
    ctx->catalog = catalog;
    for (const std::string& file : files) {
        ctx->design = Design{};
        std::string error;
        int badRecord = 0;
        if (!DoOpen(file, ctx->design, error, badRecord)) {
            failed.push_back(FormatOpenError(file, badRecord, error));
            continue;
        }
        ctx->armorList = ArmorListFor(ctx->design);
        MainCalc(*ctx);
        if (book.kind == SheetKind::Play)
            book.plays.push_back(BuildPlaySheet(*ctx, tables, troopers, skills));
        else
            book.designs.push_back(BuildRecordSheet(*ctx, troopers));
    }
    return failed;
}

}  // namespace vantrel
