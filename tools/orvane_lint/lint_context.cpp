#include "lint_context.h"

#include "base/text.h"
#include "script/stage.h"
#include "script/triggers.h"

namespace orvane::lint {

bool LintContext::InCatalog(std::string_view name) const {
    return CatalogFile(catalog, name).has_value();
}

bool LintContext::CatalogHasPrefix(std::string_view prefix) const {
    for (const std::string& line : catalog) {
        const size_t colon = line.find(':');
        if (colon != std::string::npos && StartsWith(line.substr(0, colon), prefix)) return true;
    }
    return false;
}

bool LintContext::Declared(std::string_view name) const {
    const std::string prefix = std::string(name) + "=";
    for (const std::string& entry : triggers) {
        if (StartsWith(entry, prefix)) return true;
    }
    return false;
}

}  // namespace orvane::lint
