#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

const WindowDefinition& frmDisplay() {
    static const WindowDefinition window{.name = "frmDisplay", .caption = "KV Dwellstar v1.0"};
    return window;
}

} // namespace forms
