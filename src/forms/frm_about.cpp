#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

const WindowDefinition& frmAbout() {
    static const WindowDefinition window{.name = "frmAbout", .caption = "KV Dwellstar v1.0"};
    return window;
}

} // namespace forms
