#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

const WindowDefinition& frmMain() {
    static const WindowDefinition window{.name = "frmMain", .caption = "KV Dwellstar v1.0"};
    return window;
}

} // namespace forms
