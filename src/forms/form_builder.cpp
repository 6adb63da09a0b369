#include "forms/form_builder.h"

namespace forms {

std::unique_ptr<QWidget> buildWindow(const WindowDefinition& definition) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QString::fromUtf8(definition.name.data(),
                                            static_cast<qsizetype>(definition.name.size())));
    return window;
}

} // namespace forms
