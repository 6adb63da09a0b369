#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

const WindowDefinition& frmNagScreen2() {
    static const WindowDefinition window{.name = "frmNagScreen2", .caption = "KV Dwellstar v1.0"};
    return window;
}

} // namespace forms
