// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace forms {

/// A drop-down list whose pop-up is made when it first drops down. Qt makes the pop-up, a list
/// view with its scroll bars, to hand it each new font; a pop-up made later takes the list's
/// font anyway, and a window built with three lists paid for three pop-ups before it showed.
class DropDownList final : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace forms
